#include "export/exportjob.h"

#include "export/cliprender.h"
#include "export/evidencepack.h"

ExportJob::ExportJob(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
                     const ExportOptions &options, bool evidence, QObject *parent)
    : QThread(parent), recordings(recordings), pieces(pieces), options(options),
      evidence(evidence)
{
}

ExportJob::~ExportJob()
{
    cancel();
    wait();
}

ExportResult ExportJob::runNow(const QList<ClipRecording> &recordings,
                               const QList<ClipPiece> &pieces, const ExportOptions &options,
                               bool evidence, const CancelFlag &cancel,
                               const ExportProgress &progress)
{
    if (evidence)
        return EvidencePack::write(recordings, pieces, options.output, cancel, progress);
    return ClipRender::run(recordings, pieces, options, cancel, progress);
}

void ExportJob::run()
{
    const ExportResult result =
        runNow(recordings, pieces, options, evidence, cancelled,
               [this](double fraction, int left) { emit progressChanged(fraction, left); });
    emit exportFinished(result.ok, result.cancelled, result.error, result.output);
}
