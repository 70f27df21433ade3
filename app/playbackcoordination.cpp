#include "app/mainwindows.h"

#include "app/clipexportflow.h"
#include "app/clockcoordinator.h"
#include "app/mainwindowsprivate.h"
#include "controls/controlpanel.h"
#include "instruments/directiontray.h"
#include "instruments/gyrochartview.h"
#include "instruments/mapwebview.h"
#include "instruments/speedtray.h"
#include "library/channelsetup.h"
#include "library/playlistmodel.h"
#include "platform/fileurl.h"
#include "probes/computeinfo.h"
#include "settings/configuration.h"
#include "ui_mainwindows.h"

#include <QDebug>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <cmath>

// The main window's coordination: the connections between the control panel, the play area,
// the playlist and the instruments, the playback commands, and the flow of the GPS track and
// position of the playing recording. The window shell itself is in mainwindows.cpp.

namespace {

// The last position forwarded to the playlist, shared by all recordings and never reset.
qint64 lastSecond = 0;

// Clears a busy flag when the guarded slot returns, however it returns.
class BusyGuard
{
public:
    explicit BusyGuard(bool &flag) : flag(flag) { flag = true; }
    ~BusyGuard() { flag = false; }
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;

private:
    bool &flag;
};

// A hemisphere letter that a record may leave as NUL must not put a NUL into the label.
QString coordinateText(char hemisphere, double value)
{
    const QString number = QString::number(qAbs(value), 'f', 6);
    return hemisphere ? QChar::fromLatin1(hemisphere) + number : number;
}

// The compass takes whole degrees; a course that is not a number (or far out of range)
// must not reach the integer conversion, where it would be undefined.
int courseDegrees(double course)
{
    return std::isfinite(course) ? int(std::fmod(course, 360.0)) : 0;
}

// The chart gets one sample per second of the recording when the records come about one per
// frame, otherwise every record.
void fillChart(GyroChartView *chart, const QList<GpsData> &records, int durationSeconds,
               double frameRate)
{
    chart->clear();
    const int n = records.size();
    if (frameRate > 0 && n >= (durationSeconds - 1) * frameRate) {
        chart->setSampleCount(durationSeconds);
        for (int i = 0; i < durationSeconds && n > i * frameRate; ++i) {
            const GpsData &record = records.at(int(i * frameRate));
            chart->addSample(record.gsensorX, record.gsensorY, record.gsensorZ);
        }
    } else {
        chart->setSampleCount(n);
        for (const GpsData &record : records)
            chart->addSample(record.gsensorX, record.gsensorY, record.gsensorZ);
    }
}

} // namespace

void MainWindows::connectPlayback()
{
    ControlPanel *panel = ui->wgt_PlayCtrl;
    PlayAreaManager *area = ui->wgt_PlayArea;
    panel->setState(area->state());
    panel->setVolume(area->volume());

    connect(panel, &ControlPanel::pause, area, &PlayAreaManager::pause);
    connect(panel, &ControlPanel::changeVolume, area, &PlayAreaManager::setVolume);
    connect(panel, &ControlPanel::changeMuting, area, &PlayAreaManager::setMuted);
    connect(panel, &ControlPanel::changeRate, area, &PlayAreaManager::setPlaybackRate);
    connect(panel, &ControlPanel::screenshot, area, &PlayAreaManager::screenshot);
    connect(panel, &ControlPanel::sliderMoved, area, &PlayAreaManager::seek);
    connect(panel, &ControlPanel::sliderStatusChanged, area,
            &PlayAreaManager::onSliderStatusChanged);
    connect(panel, &ControlPanel::stop, this, &MainWindows::onStop);
    connect(panel, &ControlPanel::openFile, this, &MainWindows::openFile);
    connect(panel, &ControlPanel::play, this, &MainWindows::playClicked);
    connect(panel, &ControlPanel::previous, this, &MainWindows::previousClicked);
    // Queued: the panel asks for the next recording from inside the play area's position
    // signal when a recording reaches its end. Started right there, the new recording is
    // stopped again by the finished stream's end-of-media, which arrives afterwards.
    connect(panel, &ControlPanel::next, this, &MainWindows::nextClicked, Qt::QueuedConnection);
    connect(panel, &ControlPanel::frontView, this, &MainWindows::onFrontView);
    connect(panel, &ControlPanel::rearView, this, &MainWindows::onRearView);
    connect(panel, &ControlPanel::thirdView, this, &MainWindows::onThirdView);
    connect(panel, &ControlPanel::fourthView, this, &MainWindows::onFourthView);
    connect(panel, &ControlPanel::allView, this, &MainWindows::onAllView);

    connect(area, &PlayAreaManager::stateChanged, panel, &ControlPanel::setState);
    connect(area, &PlayAreaManager::volumeChanged, panel, &ControlPanel::setVolume);
    connect(area, &PlayAreaManager::mutedChanged, panel, &ControlPanel::setMuted);
    connect(area, &PlayAreaManager::durationChanged, this, &MainWindows::durationChanged);
    connect(area, &PlayAreaManager::positionChanged, this, &MainWindows::positionChanged);
    connect(area, &PlayAreaManager::keyPressSignals, this, &MainWindows::onKeyPressEvent);
    connect(area, &PlayAreaManager::fullScreenChanged, this, &MainWindows::onFullScreenChanged);
    // Direct: a drop stops playback before the dropped files are handed over.
    connect(area, &PlayAreaManager::dropStop, this, &MainWindows::onStop, Qt::DirectConnection);
    connect(area, &PlayAreaManager::playNext, this, &MainWindows::nextClicked);
    connect(area, &PlayAreaManager::advanced, this, &MainWindows::onAdvanced);
    connect(area, &PlayAreaManager::dropFile, this, &MainWindows::onDropFile);
    connect(area, &PlayAreaManager::showModeChanged, panel, &ControlPanel::onShowModeChanged);

    connect(ui->tbl_PlayListView, &QTableView::doubleClicked, this,
            &MainWindows::onTableDoubleClicked);
    connect(ui->wgt_MapView, &MapWebView::trackPointClicked, this,
            &MainWindows::onTrackPointClicked);
    connect(playlistModel, &PlaylistModel::gpsDataChanged, this, &MainWindows::onGpsDataChanged);
    connect(playlistModel, &PlaylistModel::allGpsDataParserFinished, this,
            &MainWindows::onAllGpsDataParserFinished);

    Configuration *store = Configuration::instance();
    const int volume = store->volume();
    const bool muted = store->isMute();
    panel->setVolume(volume);
    panel->setMuted(muted);
    panel->setCurrVolume(volume);
    qDebug() << "** vol:" << volume << ", mute:" << muted;
}

QMediaPlayer::State MainWindows::mediaState() const
{
    return ui->wgt_PlayCtrl->state();
}

int MainWindows::currentRowId() const
{
    const PlaylistItem *item = ui->wgt_PlayArea->currentItem();
    return item ? item->rowId : -1;
}

void MainWindows::selectRow(int row)
{
    ui->tbl_PlayListView->selectRow(row);
}

void MainWindows::playRecording(PlaylistItem *item)
{
    if (!item || !item->url.isValid())
        return;
    ui->wgt_Speed->setSpeed(0);
    ui->gView_GyroChart->clear();
    ui->wgt_MapView->clearAll();
    ui->wgt_PlayCtrl->setEventMarks({});
    selectRow(item->rowId);
    PlayAreaManager *area = ui->wgt_PlayArea;
    area->stop();
    continuedRow = -1;

    qDebug() << item->url;
    const ChannelSetup setup = channelSetupFor(*item);
    area->setChannelPresence(setup.front, setup.rear, setup.third, setup.fourth);
    area->setSources(item, setup.rearUrl.toString(), setup.thirdUrl.toString(),
                     setup.fourthUrl.toString());
    area->setChannelCount(setup.count);
    area->loadMedia();

    ui->wgt_PlayCtrl->disableBtn(setup.front, setup.rear, setup.third, setup.fourth,
                                 setup.count > 1);
    setFileNameText(item->url.fileName(QUrl::FullyDecoded));
    playlistModel->requestAllGps(item->rowId);
}

void MainWindows::resetAfterEmptyOpen()
{
    ui->wgt_PlayArea->stop();
    ui->wgt_PlayCtrl->setPlayEnabled(playlistModel->rowCount() != 0);
    ui->wgt_PlayCtrl->setCurrentTime(0);
    ui->wgt_PlayArea->clearItem();
    ui->wgt_Speed->setSpeed(0);
    ui->gView_GyroChart->clear();
    ui->wgt_MapView->clearAll();
}

void MainWindows::showEmptyOpen(const QString &folder, bool missing)
{
    const QString shown = QDir::toNativeSeparators(folder);
    ui->wgt_PlayArea->showNotice(missing ? tr("The folder \"%1\" does not exist.").arg(shown)
                                         : tr("No recordings found in \"%1\".").arg(shown));
}

void MainWindows::openFolder(const QString &localPath)
{
    const QString folder = QFileInfo(localPath).absoluteFilePath();
    d->discovery().openUrls(QList<QUrl>{FileUrl::urlFromLocalPath(folder)}, false);
}

void MainWindows::openFile()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setWindowTitle(tr("Open Folder"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setDirectory(Configuration::instance()->videoFilePath());
    if (dialog.exec() != QDialog::Accepted)
        return;
    onStop();
    const QStringList selected = dialog.selectedFiles();
    qDebug() << "selected dir: " << (selected.isEmpty() ? QString() : selected.first());
    d->discovery().openUrls(dialog.selectedUrls(), true);
}

void MainWindows::onDropFile(QString filePath, int s32Index)
{
    // Split the local path, not the URL text: a name with spaces or '#' is percent-encoded
    // there and would not be found by the front-file lookup.
    const QString localPath = FileUrl::toLocalPath(filePath);
    const int slash = localPath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return;
    const QString folder = localPath.left(slash);
    const QString name = localPath.mid(slash + 1);
    QString front = d->discovery().frontFileFor(folder, name);
    qDebug() << "trans dir: " << front;
    if (front.isEmpty() || !QFileInfo::exists(FileUrl::toLocalPath(front)))
        front = filePath;

    const int row = playlistModel->addUrl(FileUrl::urlFromLocalPath(FileUrl::toLocalPath(front)));
    if (row < 0 || mediaState() != QMediaPlayer::StoppedState || s32Index != 0)
        return;
    selectRow(row);
    const QModelIndex current = ui->tbl_PlayListView->currentIndex();
    if (current.isValid())
        playRecording(playlistModel->itemAt(current.row()));
}

void MainWindows::onStop()
{
    ui->wgt_PlayArea->stop();
    ui->wgt_PlayCtrl->reset();
    ui->lbl_FileName->clear();
    ui->wgt_Speed->setSpeed(0);
    ui->gView_GyroChart->clear();
    ui->wgt_MapView->clearAll();
}

void MainWindows::playClicked()
{
    if (mediaState() == QMediaPlayer::PausedState) {
        ui->wgt_PlayArea->play();
        return;
    }
    const QModelIndexList rows = ui->tbl_PlayListView->selectionModel()->selectedRows(0);
    if (!rows.isEmpty() && rows.first().isValid())
        playRecording(playlistModel->itemAt(rows.first().row()));
}

void MainWindows::nextClicked()
{
    if (nextBusy)
        return;
    const BusyGuard guard(nextBusy);
    PlayAreaManager *area = ui->wgt_PlayArea;
    // The end of a recording reaches here also after its preloaded successor took over.
    if (area->advancedRecently() || area->advance())
        return;
    const QUrl url = ui->wgt_PlayArea->mainMedia().request().url();
    if (PlaylistItem *item = playlistModel->next(url)) {
        playRecording(item);
    } else {
        ui->wgt_PlayCtrl->stopAndReset();
        ui->wgt_PlayArea->hideAll();
    }
}

void MainWindows::previousClicked()
{
    if (previousBusy)
        return;
    const BusyGuard guard(previousBusy);
    const QUrl url = ui->wgt_PlayArea->mainMedia().request().url();
    if (PlaylistItem *item = playlistModel->previous(url))
        playRecording(item);
}

void MainWindows::durationChanged(qlonglong duration)
{
    if (duration <= 0)
        return;
    qDebug() << " *** durationChanged: " << duration;
    if (duration < 2000) {
        onStop();
        ui->wgt_PlayCtrl->nextIfStopped();
        return;
    }
    ui->wgt_PlayCtrl->setDuration(int(duration / 1000));
}

void MainWindows::positionChanged(qlonglong second, int rowId)
{
    if (second == lastSecond)
        return;
    ui->wgt_PlayCtrl->setCurrentTime(second);
    playlistModel->requestGpsAt(rowId, int(second));
    lastSecond = second;
    preloadFollowing(rowId, second);
}

void MainWindows::onTableDoubleClicked(QModelIndex index)
{
    if (index.isValid())
        playRecording(playlistModel->itemAt(index.row()));
}

void MainWindows::onGpsDataChanged(int rowId, GpsData data)
{
    if (mediaState() == QMediaPlayer::StoppedState || rowId != currentRowId())
        return;
    ControlPanel *panel = ui->wgt_PlayCtrl;
    panel->setLongitudeLatitude(coordinateText(data.latHemisphere, data.latitude),
                                coordinateText(data.lonHemisphere, data.longitude));
    panel->setShownDateTime(clockCoordinator->shownText(data), clockCoordinator->cameraTip(data));
    shownRecord = data;
    panel->setSpeed(data.speed);
    ui->wgt_Speed->setSpeed(data.speed);
    ui->wgt_Direction->setDirection(courseDegrees(data.course));
    ui->gView_GyroChart->setCurrentSample(data.index);
    if (data.hasPosition())
        ui->wgt_MapView->addPoint({data.index, data.longitude, data.latitude});
}

void MainWindows::onAllGpsDataParserFinished(int id, QList<GpsData> dataList)
{
    if (id != currentRowId())
        return;
    if (const PlaylistItem *item = playlistModel->itemAt(id)) {
        clockCoordinator->recordingStarted(*item, dataList);
        ui->wgt_EventList->setClockChoice(clockCoordinator->choice());
        clipExport->setClockChoice(clockCoordinator->choice());
    }
    shownRecord.reset();
    fillChart(ui->gView_GyroChart, dataList, playlistModel->durationAt(id),
              playlistModel->frameRateAt(id));
    if (retrackedRow == id) {
        retrackedRow = -1;
        ui->wgt_MapView->clearAll();
    } else {
        if (id == continuedRow)
            continuedRow = -1;
        else
            ui->wgt_PlayArea->play();
        if (pendingSeek && pendingSeek->row == id)
            ui->wgt_PlayArea->seek(pendingSeek->second);
        pendingSeek.reset();
    }
    QVector<QVector<double>> track;
    track.reserve(dataList.size());
    for (const GpsData &record : qAsConst(dataList))
        track.append({record.longitude, record.latitude});
    ui->wgt_MapView->loadAllGpsData(track);
    // The map's wait lets events through: when another recording started meanwhile, its
    // track is the one a reloaded page must draw.
    if (id != currentRowId())
        return;
    trackRecord->rowId = id;
    trackRecord->track = track;
    ui->wgt_MapView->setTrackCache(trackRecord.get());
    showEventsOf(id);
}

void MainWindows::onTrackPointClicked(int index)
{
    PlaylistItem *item = playlistModel->itemAt(trackRecord->rowId);
    if (!item || index < 0 || index >= trackRecord->track.size())
        return;
    // The track holds a record a second, two for JLDV cameras.
    playFrom(item, item->gps.kind == GpsSourceKind::JldvAudio ? index / 2 : index);
}

void MainWindows::playFrom(PlaylistItem *item, int second)
{
    if (item->rowId == currentRowId() && mediaState() != QMediaPlayer::StoppedState) {
        ui->wgt_PlayArea->seek(second);
        return;
    }
    pendingSeek = PendingSeek{item->rowId, second};
    playRecording(item);
}

void MainWindows::onFrontView(bool checked)
{
    if (checked)
        ui->wgt_PlayArea->setShowMode(ShowFront);
}

void MainWindows::onRearView(bool checked)
{
    if (checked)
        ui->wgt_PlayArea->setShowMode(ShowRear);
}

void MainWindows::onThirdView(bool checked)
{
    if (checked)
        ui->wgt_PlayArea->setShowMode(ShowThird);
}

void MainWindows::onFourthView(bool checked)
{
    if (checked)
        ui->wgt_PlayArea->setShowMode(ShowFourth);
}

void MainWindows::onAllView(bool checked)
{
    if (checked)
        ui->wgt_PlayArea->setShowMode(ShowAll);
}

bool MainWindows::isSuportH264orH265(int id)
{
    const ComputeInfo *info = ComputeInfo::instance();
    const DecodeWarning warning =
        decodeWarningFor(playlistModel->codecAt(id), playlistModel->resolutionAt(id), *info);
    if (warning == DecodeWarning::None)
        return true;
    const QString text =
        warning == DecodeWarning::H265
            ? tr("This computer cannot play this video because it does not have the video "
                 "playback support function required to play H.265 (HEVC).")
            : tr("This computer cannot play this video because it does not have the video "
                 "playback support function required to play H.264 (AVC).");
    QMessageBox::warning(nullptr, tr("Error") + QLatin1Char(' ') + info->mMachineInfo, text,
                         QMessageBox::Ok);
    return false;
}
