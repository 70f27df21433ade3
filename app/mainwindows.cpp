#include "app/mainwindows.h"

#include "app/clockcoordinator.h"
#include "app/clipexportflow.h"
#include "app/fontscale.h"
#include "app/mainwindowsprivate.h"
#include "app/startup.h"
#include "app/trackfilemenu.h"
#include "app/tripexportmenu.h"
#include "controls/controlpanel.h"
#include "instruments/mapwebview.h"
#include "library/playlistmodel.h"
#include "platform/dpiwatcher.h"
#include "platform/movefilter.h"
#include "settings/configuration.h"
#include "settings/setting.h"
#include "ui_mainwindows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDesktopWidget>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>

// The window shell: form, title bar, geometry, fonts and keys. What happens between the
// play area, the control panel, the playlist and the instruments is in
// playbackcoordination.cpp.

namespace {

const QRect kFallbackGeometry(483, 166, 921, 628);
const char *const kBrandImage = "logo";

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
    setUpEventList();
    clipExport = new ClipExportFlow(this, ui->wgt_PlayCtrl, ui->wgt_PlayArea, playlistModel);

    setTitleText(ApplicationIdentity::applicationName());

    connect(Configuration::instance(), &Configuration::updateLanguage, this,
            &MainWindows::onUpdateLanguage, Qt::DirectConnection);
    connect(Configuration::instance(), &Configuration::mapsChanged, ui->wgt_MapView,
            &MapWebView::setMapType);

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

UsbDiskBar *MainWindows::usbDiskBar() const
{
    return ui->wgt_UsbDiskBar;
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
    auto *tripMenu = new TripExportMenu(table, playlistModel);
    auto *trackFiles = new TrackFileMenu(playlistModel, this);
    tripMenu->setExtraItems(
        [trackFiles](QMenu &menu, int row) { trackFiles->addItems(menu, row); });
    connect(trackFiles, &TrackFileMenu::trackFileChanged, this,
            [this](int row) { retrackedRow = row; });
    clockCoordinator = new ClockCoordinator(ui->wgt_ClockBar, this);
    connect(clockCoordinator, &ClockCoordinator::choiceChanged, this, [this] {
        ui->wgt_EventList->setClockChoice(clockCoordinator->choice());
        clipExport->setClockChoice(clockCoordinator->choice());
        if (shownRecord)
            ui->wgt_PlayCtrl->setShownDateTime(clockCoordinator->shownText(*shownRecord),
                                               clockCoordinator->cameraTip(*shownRecord));
    });
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
    ui->wgt_EventList->setMph(Configuration::instance()->speedUnit() != 0);
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
    // The page reloads with the new language's default centre (and Google's own language).
    ui->wgt_MapView->setMapType(static_cast<MapTypes>(Configuration::instance()->maps()));
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
    case Qt::Key_Period:
    case Qt::Key_Comma:
    case Qt::Key_0:
    case Qt::Key_I:
    case Qt::Key_O:
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
    case Qt::Key_Period:
    case Qt::Key_Comma:
        // Frame by frame while paused, for reading a plate or a sign.
        ui->wgt_PlayArea->stepFrame(e->key() == Qt::Key_Period ? 1 : -1);
        e->accept();
        break;
    case Qt::Key_0:
        ui->wgt_PlayArea->resetZoom();
        e->accept();
        break;
    case Qt::Key_I:
        clipExport->markIn();
        e->accept();
        break;
    case Qt::Key_O:
        clipExport->markOut();
        e->accept();
        break;
    default:
        break;
    }
}
