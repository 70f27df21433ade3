#include "app/mainwindows.h"

#include "app/fontscale.h"
#include "app/mainwindowsprivate.h"
#include "app/startup.h"
#include "controls/controlpanel.h"
#include "library/channelsetup.h"
#include "library/playlistmodel.h"
#include "platform/dpiwatcher.h"
#include "platform/fileurl.h"
#include "platform/movefilter.h"
#include "probes/computeinfo.h"
#include "settings/configuration.h"
#include "settings/setting.h"
#include "ui_mainwindows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDesktopWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>

namespace {

const QRect kFallbackGeometry(483, 166, 921, 628);
const char *const kBrandImage = "logo";

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

QString elidedFor(const QLabel *label, const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) <= label->width())
        return text;
    return metrics.elidedText(text, Qt::ElideMiddle, label->width());
}

} // namespace

MainWindows::MainWindows(QWidget *parent) : QDialog(parent), ui(new Ui::MainWindows)
{
    ui->setupUi(this);
    setWindowTitle(ApplicationIdentity::applicationName());

    mover = MoveFilter::install(this, this);
    connect(mover, &MoveFilter::doubleClicked, this, &MainWindows::on_pBtn_Maximize_clicked);

    ui->wgt_Grip->setEnabled(false);
    setSizeGripEnabled(true);
    ui->wgt_PlayCtrl->setFocusPolicy(Qt::StrongFocus);

    playlistModel = new PlaylistModel(this);
    // The discovery adds rows to the model, so it comes after it.
    d = new MainWindowsPrivate(this, playlistModel);
    setUpPlaylistTable();
    connectPlayback();

    setTitleText(ApplicationIdentity::applicationName());

    connect(Configuration::instance(), &Configuration::updateLanguage, this,
            &MainWindows::onUpdateLanguage, Qt::DirectConnection);

    resizer = std::make_unique<FramelessResizer>(this);
    // The map and the playlist's header keep their own cursors.
    resizer->addExcludedWidget(ui->wgt_MapView);
    resizer->addExcludedWidget(ui->tbl_PlayListView->horizontalHeader()->viewport());

    auto *dpiWatcher = new DpiWatcher(this);
    connect(dpiWatcher, &DpiWatcher::dpiChanged, this, &MainWindows::setSystemFontSize);

    setSystemFontSize();
    restoreGeometry();
    // On X11 the playlist's scroll bars come out of the steps above with the platform
    // style's look instead of the table's style sheet; setting the sheet again restores it.
    ui->tbl_PlayListView->setStyleSheet(ui->tbl_PlayListView->styleSheet());
    d->showUsbDiskDialog();
}

MainWindows::~MainWindows()
{
    delete ui;
    delete playlistModel;
}

void MainWindows::setUpPlaylistTable()
{
    QTableView *table = ui->tbl_PlayListView;
    table->setModel(playlistModel);
    table->setAlternatingRowColors(true);
    table->setGridStyle(Qt::DashDotLine);
    table->setShowGrid(false);
    table->setFocusPolicy(Qt::NoFocus);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(38);
    const int widths[] = {300, 80, 180, 90};
    for (int column = 0; column < 4; ++column)
        table->setColumnWidth(column, widths[column]);
}

void MainWindows::restoreGeometry()
{
    Configuration *store = Configuration::instance();
    QRect rect = store->mainwindowsRect();
    // A monitor that is gone, or a rectangle that a hand-edited file made empty.
    const QScreen *screen = rect.isEmpty() ? nullptr : QGuiApplication::screenAt(rect.center());
    if (!screen)
        rect = kFallbackGeometry;
    else
        // A hand-edited size far beyond the desktop would ask for a backing store of
        // gigabytes; a little beyond it (a smaller monitor than last time) is left alone.
        rect.setSize(rect.size().boundedTo(screen->availableVirtualGeometry().size() * 2));
    if (store->isMainwindowsMaximize()) {
        // Keep the stored rectangle for a later restore instead of the form's design size.
        normalRect = rect;
        changeMaximize(true);
    } else {
        setGeometry(rect);
    }
}

bool MainWindows::nativeEventFilter(const QByteArray &eventType, void *message, long *result)
{
    const bool consumed = resizer->nativeEventFilter(eventType, message, result);
    edgeRegion = resizer->edgeRegion();
    return consumed;
}

void MainWindows::changeMaximize(bool bIsFirst)
{
    const QRect available = QApplication::desktop()->availableGeometry(this);
    Configuration *store = Configuration::instance();
    if (isNormal == 1) {
        if (!bIsFirst)
            normalRect = normalGeometry().isValid() ? normalGeometry() : geometry();
        store->setMainwindowsRect(normalRect);
        // One pixel short of the full height: a window as large as the work area would be
        // taken for a full-screen window and hide the panels of some desktops.
        QRect filled = available;
        filled.setHeight(available.height() - 1);
        setGeometry(filled);
        setFixedSize(filled.size());
        isNormal = 0;
        mover->setMoveLocked(true);
    } else {
        const QRect stored = store->mainwindowsRect();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showNormal();
        setGeometry(stored);
        isNormal = 1;
        mover->setMoveLocked(false);
    }
    resizer->setMaximized(isNormal == 0);
    updateMaximizeButton();
}

void MainWindows::updateMaximizeButton()
{
    const bool maximized = isNormal == 0;
    ui->pBtn_Maximize->setChecked(maximized);
    ui->pBtn_Maximize->setToolTip(maximized ? tr("Restore Down") : tr("Maximize"));
}

void MainWindows::closeEvent(QCloseEvent *event)
{
    Configuration *store = Configuration::instance();
    store->setMainwindowsRect(isNormal == 1 ? geometry() : normalRect);
    store->setMainwindowsMaximize(isNormal == 0);
    event->accept();
}

void MainWindows::on_pBtn_Close_clicked()
{
    close();
}

void MainWindows::on_pBtn_Minimize_clicked()
{
    qDebug() << "MainWindows::on_pBtn_Minimize_clicked";
    showMinimized();
}

void MainWindows::on_pBtn_Maximize_clicked()
{
    changeMaximize(false);
}

void MainWindows::on_pBtn_Step_clicked()
{
    // The button is checkable only for its look while the settings dialog is open.
    ui->pBtn_Step->setChecked(true);
    Setting dialog(this);
    dialog.exec();
    ui->pBtn_Step->setChecked(false);
}

void MainWindows::onFullScreenChanged(bool fullScreen)
{
    Q_UNUSED(fullScreen)
}

void MainWindows::setTitleText(const QString &text)
{
    QFont font(QStringLiteral("Arial"));
    font.setWeight(QFont::Bold);
    font.setPixelSize(15);
    ui->lbl_Title->setFont(font);
    ui->lbl_Title->setText(elidedFor(ui->lbl_Title, font, text));

    const QString brand = QLatin1String(kBrandImage);
    ui->lblIcon->setStyleSheet(QStringLiteral("border-image: url(:/image/%1.png);").arg(brand));
    setWindowIcon(QIcon(QStringLiteral(":/%1.ico").arg(brand)));
}

void MainWindows::setFileNameText(const QString &text)
{
    QFont font(QStringLiteral("Calibri"));
    font.setPixelSize(16);
    ui->lbl_FileName->setFont(font);
    ui->lbl_FileName->setStyleSheet(QStringLiteral("color:#dedbdb;"));
    const QString shown = elidedFor(ui->lbl_FileName, font, text);
    ui->lbl_FileName->setText(shown);
    currentFileName = shown;
}

void MainWindows::onUpdateLanguage()
{
    ui->retranslateUi(this);
    // retranslateUi puts back the form's "Maximize" tooltip even while maximised.
    updateMaximizeButton();
    ui->tbl_PlayListView->setModel(playlistModel);
    ui->tbl_PlayListView->viewport()->update();
    ApplicationIdentity::apply();
    setTitleText(ApplicationIdentity::applicationName());
    setWindowTitle(ApplicationIdentity::applicationName());
    setFileNameText(currentFileName);
    // map: the map view reloads its page from its own connection to updateLanguage().
}

void MainWindows::setSystemFontSize()
{
    const QRect available = QApplication::desktop()->availableGeometry(this);
    const QScreen *screen = QGuiApplication::screenAt(available.center());
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 0.0;
    qDebug() << "setSystemFontSize dpi:" << dpi;
    applySystemFontSize(screen ? std::optional<qreal>(dpi / 96.0) : std::nullopt);
}

void MainWindows::applySystemFontSize(std::optional<qreal> dpiFactor)
{
    const FontScale::SystemFont size = FontScale::systemFont(dpiFactor);
    QFont font = QApplication::font();
    font.setPointSize(size.pointSize);
    ui->wgt_PlayCtrl->setTimeFont(font);

    QApplication::setFont(font);
    for (const char *className : {"QLabel", "QDialog", "QPushButton", "QTableView", "QHeaderView",
                                  "QComboBox", "QTextEdit"})
        QApplication::setFont(font, className);

    QFont titleFont = font;
    titleFont.setPointSize(size.pointSize + 1);
    ui->lbl_Title->setFont(titleFont);

    if (FontScale::fileNameLabelFollows(size.scaleStep)) {
        QFont fileNameFont = font;
        fileNameFont.setPixelSize(16);
        ui->lbl_FileName->setFont(fileNameFont);
    }
    QCoreApplication::processEvents();
}

void MainWindows::keyPressEvent(QKeyEvent *event)
{
    qDebug() << "MainWindows::keyPressEvent" << event->key();
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Left:
    case Qt::Key_Right:
        onKeyPressEvent(event);
        break;
    case Qt::Key_Escape:
        // A dialog closes on Escape; the player's only window must not.
        event->accept();
        break;
    default:
        QDialog::keyPressEvent(event);
        break;
    }
}

void MainWindows::onKeyPressEvent(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Left:
        ui->wgt_PlayCtrl->step(-1);
        e->accept();
        break;
    case Qt::Key_Right:
        ui->wgt_PlayCtrl->step(1);
        e->accept();
        break;
    case Qt::Key_Space:
        ui->wgt_PlayCtrl->playClicked();
        e->accept();
        break;
    default:
        break;
    }
}

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
    connect(area, &PlayAreaManager::dropFile, this, &MainWindows::onDropFile);
    connect(area, &PlayAreaManager::showModeChanged, panel, &ControlPanel::onShowModeChanged);

    connect(ui->tbl_PlayListView, &QTableView::doubleClicked, this,
            &MainWindows::onTableDoubleClicked);
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
    // The speed gauge, the chart and the map are cleared here once they exist.
    selectRow(item->rowId);
    PlayAreaManager *area = ui->wgt_PlayArea;
    area->stop();

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
    // The speed gauge, the chart and the map are cleared here once they exist.
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
    // The speed gauge, the chart and the map are cleared here once they exist.
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
    const QString stamp = QString::fromLatin1(data.dateTime, int(qstrnlen(data.dateTime, 15)));
    panel->setGpsDateTime(QDateTime::fromString(stamp, QStringLiteral("yyyyMMddhhmmss")));
    panel->setSpeed(data.speed);
    // The speed gauge, the compass, the chart's cursor and the map's point follow here once
    // those instruments exist.
}

void MainWindows::onAllGpsDataParserFinished(int id, QList<GpsData> dataList)
{
    if (id != currentRowId())
        return;
    // The chart's samples are filled from dataList here once the chart exists.
    ui->wgt_PlayArea->play();
    // The map's track and its cache are built from dataList here once the map exists.
    Q_UNUSED(dataList)
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
