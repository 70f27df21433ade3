#pragma once

#include "export/cliprecording.h"
#include "export/exportoptions.h"

#include <QDialog>
#include <memory>

namespace Ui {
class ExportDialog;
}
class ExportJob;

// The clip export's one dialog: channels and layout, what is burned in, quality, file name
// or evidence pack; then the progress with the time left, Cancel, and "Show in folder".
// Not modal: the window keeps playing while ffmpeg runs. Choices persist in the settings.
class ExportDialog : public QDialog
{
    Q_OBJECT

public:
    ExportDialog(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
                 QWidget *parent = nullptr);
    ~ExportDialog() override;

    ExportOptions options() const;
    bool evidence() const;
    // How the overlay shows times (the window's choice for the card).
    void setClockChoice(const ClockChoice &choice) { clockChoice = choice; }
    // Opened by "Export around now": the lengths before and after `now` can be changed here,
    // and are kept for the next time.
    void setAroundNow(const QDateTime &now);
    // The file name the dialog proposes for the range: the start's camera time.
    QString defaultFileName() const;

public slots:
    void reject() override; // cancels a running export first

private slots:
    void on_pBtn_Export_clicked();
    void on_pBtn_Cancel_clicked();
    void on_pBtn_Browse_clicked();
    void on_pBtn_ShowFolder_clicked();
    void on_pBtn_Close_clicked();
    void on_chk_Evidence_toggled(bool checked);
    void onAroundChanged();
    void onProgress(double fraction, int secondsLeft);
    void onFinished(bool ok, bool cancelled, const QString &message, const QString &output);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void loadChoices();
    void saveChoices();
    void setRunning(bool running);

    std::unique_ptr<Ui::ExportDialog> ui;
    QList<ClipRecording> recordings;
    QList<ClipPiece> pieces;
    ExportJob *job = nullptr;
    QString lastOutput;
    QDateTime aroundNow; // invalid unless opened around a position
    ClockChoice clockChoice;
};
