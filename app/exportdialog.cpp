#include "app/exportdialog.h"

#include "export/cliptimes.h"
#include "export/exportjob.h"
#include "platform/fileurl.h"
#include "settings/configuration.h"
#include "ui_exportdialog.h"

#include <QDesktopServices>
#include <QSignalBlocker>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const ClipLayout kLayouts[] = {ClipLayout::Front, ClipLayout::Side, ClipLayout::Stack,
                               ClipLayout::Grid, ClipLayout::Pip};

} // namespace

ExportDialog::ExportDialog(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
                           QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ExportDialog>()), recordings(recordings),
      pieces(pieces)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < 5; ++i)
        ui->cBox_Layout->addItem(QString());
    for (int i = 0; i < 3; ++i)
        ui->cBox_Quality->addItem(QString());
    retranslate();
    loadChoices();
    setRunning(false);
    ui->pBtn_ShowFolder->setEnabled(false);
    connect(ui->chk_Text, &QCheckBox::toggled, ui->lEdit_Text, &QWidget::setEnabled);
    ui->lbl_Around->hide();
    ui->spin_Before->hide();
    ui->spin_After->hide();
    ui->lEdit_Text->setEnabled(ui->chk_Text->isChecked());
}

ExportDialog::~ExportDialog() = default;

void ExportDialog::retranslate()
{
    ui->retranslateUi(this);
    const QString layoutTexts[] = {tr("Front camera only"), tr("Side by side"), tr("Stacked"),
                                   tr("2 x 2"), tr("Picture in picture (rear in a corner)")};
    for (int i = 0; i < 5; ++i)
        ui->cBox_Layout->setItemText(i, layoutTexts[i]);
    const QString qualityTexts[] = {tr("High: 1080 lines, 8 Mbit/s per channel"),
                                    tr("Standard: 720 lines, 4 Mbit/s per channel"),
                                    tr("Small: 480 lines, 1.5 Mbit/s per channel")};
    for (int i = 0; i < 3; ++i)
        ui->cBox_Quality->setItemText(i, qualityTexts[i]);
    if (!pieces.isEmpty()) {
        const ClipRecording &first = recordings[pieces.first().recording];
        const QDateTime from = first.start.addMSecs(qint64(pieces.first().from * 1000));
        const double seconds = ClipRange::totalLength(pieces);
        ui->lbl_Range->setText(tr("%1 to %2 (%3 s; recordings: %4)")
                                   .arg(ClipTimes::text(from),
                                        ClipTimes::text(from.addMSecs(qint64(seconds * 1000))))
                                   .arg(qRound(seconds))
                                   .arg(pieces.size()));
    }
}

void ExportDialog::setAroundNow(const QDateTime &now)
{
    aroundNow = now;
    Configuration *store = Configuration::instance();
    const QSignalBlocker blockBefore(ui->spin_Before);
    const QSignalBlocker blockAfter(ui->spin_After);
    ui->spin_Before->setValue(store->exportBefore());
    ui->spin_After->setValue(store->exportAfter());
    for (QWidget *w : {static_cast<QWidget *>(ui->lbl_Around),
                       static_cast<QWidget *>(ui->spin_Before),
                       static_cast<QWidget *>(ui->spin_After)})
        w->show();
    connect(ui->spin_Before, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ExportDialog::onAroundChanged, Qt::UniqueConnection);
    connect(ui->spin_After, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ExportDialog::onAroundChanged, Qt::UniqueConnection);
}

void ExportDialog::onAroundChanged()
{
    Configuration *store = Configuration::instance();
    store->setExportBefore(ui->spin_Before->value());
    store->setExportAfter(ui->spin_After->value());
    QString error;
    const QList<ClipPiece> changed = ClipRange::around(
        recordings, aroundNow, ui->spin_Before->value(), ui->spin_After->value(), &error);
    // Past the recordings the window loaded for this dialog the range is cut as at the end of
    // a drive; the label shows the length it has.
    if (changed.isEmpty())
        return;
    pieces = changed;
    retranslate();
    const QString folder = QFileInfo(ui->lEdit_File->text()).absolutePath();
    ui->lEdit_File->setText(QDir(folder).filePath(defaultFileName()));
}

void ExportDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

QString ExportDialog::defaultFileName() const
{
    if (pieces.isEmpty())
        return QStringLiteral("clip.mp4");
    const ClipRecording &first = recordings[pieces.first().recording];
    const QString stamp =
        ClipTimes::fileStamp(first.start.addMSecs(qint64(pieces.first().from * 1000)));
    return evidence() ? QStringLiteral("Evidence_%1").arg(stamp)
                      : QStringLiteral("Clip_%1.mp4").arg(stamp);
}

void ExportDialog::loadChoices()
{
    Configuration *store = Configuration::instance();
    ClipLayout layout = ClipLayout::Side;
    ExportNames::layoutFromName(store->exportLayout(), &layout);
    for (int i = 0; i < 5; ++i) {
        if (kLayouts[i] == layout)
            ui->cBox_Layout->setCurrentIndex(i);
    }
    QualityPreset quality = QualityPreset::Standard;
    ExportNames::qualityFromName(store->exportQuality(), &quality);
    ui->cBox_Quality->setCurrentIndex(int(quality));
    unsigned items = 0;
    if (!ExportNames::overlayFromNames(store->exportOverlay().split(QLatin1Char(',')), &items))
        items = ExportNames::allOverlayItems() & ~unsigned(OverlayItem::Text);
    ui->chk_Time->setChecked(hasItem(items, OverlayItem::Time));
    ui->chk_Speed->setChecked(hasItem(items, OverlayItem::Speed));
    ui->chk_Position->setChecked(hasItem(items, OverlayItem::Position));
    ui->chk_Heading->setChecked(hasItem(items, OverlayItem::Heading));
    ui->chk_GForce->setChecked(hasItem(items, OverlayItem::GForce));
    ui->chk_Map->setChecked(hasItem(items, OverlayItem::Map));
    ui->chk_Text->setChecked(hasItem(items, OverlayItem::Text));
    ui->lEdit_Text->setText(store->exportText());
    ui->chk_Evidence->setChecked(store->exportEvidence());
    on_chk_Evidence_toggled(ui->chk_Evidence->isChecked());
}

void ExportDialog::saveChoices()
{
    Configuration *store = Configuration::instance();
    const ExportOptions o = options();
    store->setExportLayout(ExportNames::layoutName(o.layout));
    store->setExportQuality(ExportNames::qualityName(o.quality));
    store->setExportOverlay(ExportNames::overlayNames(o.overlay).join(QLatin1Char(',')));
    store->setExportText(ui->lEdit_Text->text());
    store->setExportEvidence(evidence());
    store->setExportFolder(QFileInfo(o.output).absolutePath());
}

ExportOptions ExportDialog::options() const
{
    ExportOptions o;
    o.layout = kLayouts[qBound(0, ui->cBox_Layout->currentIndex(), 4)];
    o.quality = QualityPreset(qBound(0, ui->cBox_Quality->currentIndex(), 2));
    const std::pair<QCheckBox *, OverlayItem> boxes[] = {
        {ui->chk_Time, OverlayItem::Time},       {ui->chk_Speed, OverlayItem::Speed},
        {ui->chk_Position, OverlayItem::Position}, {ui->chk_Heading, OverlayItem::Heading},
        {ui->chk_GForce, OverlayItem::GForce},   {ui->chk_Map, OverlayItem::Map},
        {ui->chk_Text, OverlayItem::Text}};
    for (const auto &[box, item] : boxes) {
        if (box->isChecked())
            o.overlay |= unsigned(item);
    }
    o.text = ui->chk_Text->isChecked() ? ui->lEdit_Text->text() : QString();
    o.mph = Configuration::instance()->speedUnit() != 0;
    o.output = ui->lEdit_File->text();
    o.clock = clockChoice;
    return o;
}

bool ExportDialog::evidence() const
{
    return ui->chk_Evidence->isChecked();
}

void ExportDialog::on_chk_Evidence_toggled(bool checked)
{
    // Nothing is re-encoded in an evidence pack: layout, overlay and quality do not apply.
    ui->cBox_Layout->setEnabled(!checked);
    ui->cBox_Quality->setEnabled(!checked);
    ui->grp_Overlay->setEnabled(!checked);
    const QString folder = ui->lEdit_File->text().isEmpty()
                               ? Configuration::instance()->exportFolder()
                               : QFileInfo(ui->lEdit_File->text()).absolutePath();
    ui->lEdit_File->setText(QDir(folder).filePath(defaultFileName()));
}

void ExportDialog::on_pBtn_Browse_clicked()
{
    const QString current = ui->lEdit_File->text();
    const QString chosen =
        evidence() ? QFileDialog::getExistingDirectory(this, tr("Folder for the evidence pack"),
                                                       QFileInfo(current).absolutePath())
                   : QFileDialog::getSaveFileName(this, tr("Export clip"), current,
                                                  tr("MP4 video (*.mp4)"));
    if (chosen.isEmpty())
        return;
    ui->lEdit_File->setText(evidence() ? QDir(chosen).filePath(defaultFileName()) : chosen);
}

void ExportDialog::on_pBtn_Export_clicked()
{
    if (job || ui->lEdit_File->text().trimmed().isEmpty())
        return;
    saveChoices();
    job = new ExportJob(recordings, pieces, options(), evidence(), this);
    connect(job, &ExportJob::progressChanged, this, &ExportDialog::onProgress);
    connect(job, &ExportJob::exportFinished, this, &ExportDialog::onFinished);
    ui->progressBar->setValue(0);
    ui->lbl_Status->setText(tr("Exporting..."));
    ui->pBtn_ShowFolder->setEnabled(false);
    setRunning(true);
    job->start();
}

void ExportDialog::on_pBtn_Cancel_clicked()
{
    if (job)
        job->cancel();
}

void ExportDialog::on_pBtn_Close_clicked()
{
    reject();
}

void ExportDialog::reject()
{
    if (job) {
        // The job removes its partial file; the dialog goes once it has.
        job->cancel();
        connect(job, &QThread::finished, this, &QDialog::reject, Qt::UniqueConnection);
        return;
    }
    QDialog::reject();
}

void ExportDialog::on_pBtn_ShowFolder_clicked()
{
    const QFileInfo output(lastOutput);
    const QString folder = output.isDir() ? output.absoluteFilePath() : output.absolutePath();
    QDesktopServices::openUrl(FileUrl::urlFromLocalPath(folder));
}

void ExportDialog::onProgress(double fraction, int secondsLeft)
{
    ui->progressBar->setValue(qRound(fraction * 100));
    ui->lbl_Status->setText(secondsLeft >= 0 ? tr("About %1 s left").arg(secondsLeft)
                                             : tr("Exporting..."));
}

void ExportDialog::onFinished(bool ok, bool cancelled, const QString &message,
                              const QString &output)
{
    job->wait();
    job->deleteLater();
    job = nullptr;
    setRunning(false);
    if (ok) {
        ui->progressBar->setValue(100);
        lastOutput = output;
        ui->lbl_Status->setText(tr("Written: %1").arg(QDir::toNativeSeparators(output)));
        ui->pBtn_ShowFolder->setEnabled(true);
    } else if (cancelled) {
        ui->progressBar->setValue(0);
        ui->lbl_Status->setText(tr("Cancelled; nothing was written."));
    } else {
        ui->progressBar->setValue(0);
        ui->lbl_Status->setText(tr("The export failed: %1").arg(message));
    }
}

void ExportDialog::setRunning(bool running)
{
    ui->pBtn_Export->setEnabled(!running);
    ui->pBtn_Cancel->setEnabled(running);
    ui->pBtn_Browse->setEnabled(!running);
    ui->lEdit_File->setEnabled(!running);
    ui->chk_Evidence->setEnabled(!running);
}
