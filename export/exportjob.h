#pragma once

#include "export/cliprecording.h"
#include "export/exportoptions.h"
#include "export/exportresult.h"

#include <QThread>

// One export on a worker thread, so the window keeps playing while ffmpeg runs. Progress
// and the end cross back to the owner's thread as queued signals.
class ExportJob : public QThread
{
    Q_OBJECT

public:
    ExportJob(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
              const ExportOptions &options, bool evidence, QObject *parent = nullptr);
    ~ExportJob() override; // cancels and waits: nothing half-written outlives the job

    void cancel() { cancelled.store(true); }

    // Runs the export on the calling thread (the command line does).
    static ExportResult runNow(const QList<ClipRecording> &recordings,
                               const QList<ClipPiece> &pieces, const ExportOptions &options,
                               bool evidence, const CancelFlag &cancel,
                               const ExportProgress &progress);

signals:
    void progressChanged(double fraction, int secondsLeft);
    void exportFinished(bool ok, bool cancelled, const QString &message, const QString &output);

protected:
    void run() override;

private:
    QList<ClipRecording> recordings;
    QList<ClipPiece> pieces;
    ExportOptions options;
    bool evidence;
    CancelFlag cancelled{false};
};
