#include "app/mainwindows.h"
#include "app/startup.h"
#include "probes/usbdiskbar.h"
#include "settings/configuration.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSizeGrip>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <xcb/xcb.h>

namespace {

void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, const QPoint &global)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, target->mapFromGlobal(global), global, button,
                      type == QEvent::MouseMove ? held : Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A drag on the window's own surface (not on a child that takes the mouse).
void drag(QWidget *window, Qt::MouseButton button, const QPoint &delta)
{
    const QPoint start = window->mapToGlobal(QPoint(window->width() / 2, 20));
    sendMouse(window, QEvent::MouseButtonPress, button, start);
    sendMouse(window, QEvent::MouseMove, button, start + delta / 2);
    sendMouse(window, QEvent::MouseMove, button, start + delta);
    sendMouse(window, QEvent::MouseButtonRelease, button, start + delta);
}

// A normal size the window can take: the control panel alone is wider than the offscreen
// platform's 800-pixel screen.
QSize roomySize()
{
    static const QSize size = [] {
        MainWindows probe(nullptr);
        return probe.minimumSizeHint().expandedTo(QSize(640, 480)) + QSize(20, 20);
    }();
    return size;
}

QRect availableFor(QWidget *window)
{
    return QApplication::desktop()->availableGeometry(window);
}

} // namespace

class TestMainWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void formCarriesItsNames();
    void escapeNeverCloses();
    void maximiseAndRestoreRoundTrip();
    void closeStoresGeometry();
    void maximisedStartRestoresStoredRect();
    void lostMonitorFallsBack();
    void closingEndsTheLoopAndReachesTheFile();
    void moverInTheWindow();
    void languageChangeKeepsApplicationName();
    void fontsFollowDpiFactor();
    void styleSheetsPaintTheDarkLook();
    void usbDiskBarSitsUnderTheTitleAndOpensTheDisk();
    void borderCursorFollowsWindowState();

private:
    MainWindows *makeWindow();
    std::unique_ptr<MainWindows> window;
};

void TestMainWindows::init()
{
    Configuration *store = Configuration::instance();
    store->setMainwindowsRect(QRect(40, 30, 700, 500));
    store->setMainwindowsMaximize(false);
}

void TestMainWindows::cleanup()
{
    window.reset();
}

MainWindows *TestMainWindows::makeWindow()
{
    window = std::make_unique<MainWindows>(nullptr);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    return window.get();
}

void TestMainWindows::formCarriesItsNames()
{
    MainWindows *w = makeWindow();
    QCOMPARE(w->objectName(), QStringLiteral("MainWindows"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Waylume 2.50"));
    QVERIFY(w->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(w->findChild<QLabel *>("lbl_Title")->text(), QStringLiteral("Waylume 2.50"));
    // Style sheets and the slots connected by name depend on these names.
    for (const char *name :
         {"wgt_Header", "lblIcon", "lbl_FileName", "widgetTitleButton", "wgt_Left", "wgt_PlayArea",
          "wgt_Background", "wgt_PlayCtrl", "wgt_Right", "wgt_MapView", "wgt_Speed",
          "wgt_Direction", "gView_GyroChart"})
        QVERIFY2(w->findChild<QWidget *>(name), name);
    for (const char *name : {"pBtn_Step", "pBtn_Minimize", "pBtn_Maximize", "pBtn_Close"}) {
        auto *button = w->findChild<QPushButton *>(name);
        QVERIFY2(button, name);
        QCOMPARE(button->size(), QSize(24, 24));
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }
    QVERIFY(!w->findChild<QSizeGrip *>("wgt_Grip")->isEnabled());
    QCOMPARE(w->findChild<QWidget *>("wgt_PlayCtrl")->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(w->findChild<QTableView *>("tbl_PlayListView")->height(), 150);
}

void TestMainWindows::escapeNeverCloses()
{
    MainWindows *w = makeWindow();
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(w->isVisible());
}

void TestMainWindows::maximiseAndRestoreRoundTrip()
{
    MainWindows *w = makeWindow();
    const QRect normal(QPoint(60, 50), roomySize());
    w->setGeometry(normal);
    auto *maximize = w->findChild<QPushButton *>("pBtn_Maximize");

    maximize->click();
    QRect filled = availableFor(w);
    filled.setHeight(filled.height() - 1);
    QCOMPARE(w->geometry(), filled);
    QCOMPARE(w->minimumSize(), filled.size());
    QCOMPARE(w->maximumSize(), filled.size());
    QCOMPARE(Configuration::instance()->mainwindowsRect(), normal);
    QVERIFY(maximize->isChecked());
    QCOMPARE(maximize->toolTip(), QStringLiteral("Restore Down"));

    maximize->click();
    QCOMPARE(w->geometry(), normal);
    QCOMPARE(w->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QVERIFY(!maximize->isChecked());
    QCOMPARE(maximize->toolTip(), QStringLiteral("Maximize"));
}

void TestMainWindows::closeStoresGeometry()
{
    Configuration *store = Configuration::instance();
    MainWindows *w = makeWindow();
    const QRect normal(QPoint(70, 40), roomySize());
    w->setGeometry(normal);
    w->close();
    QCOMPARE(store->mainwindowsRect(), normal);
    QCOMPARE(store->isMainwindowsMaximize(), false);

    w = makeWindow();
    QCOMPARE(w->geometry(), normal);
    w->findChild<QPushButton *>("pBtn_Maximize")->click();
    w->close();
    QCOMPARE(store->mainwindowsRect(), normal); // not the maximised geometry
    QCOMPARE(store->isMainwindowsMaximize(), true);
}

void TestMainWindows::maximisedStartRestoresStoredRect()
{
    Configuration *store = Configuration::instance();
    const QRect stored(QPoint(90, 80), roomySize() + QSize(5, 5));
    store->setMainwindowsRect(stored);
    store->setMainwindowsMaximize(true);
    MainWindows *w = makeWindow();
    auto *maximize = w->findChild<QPushButton *>("pBtn_Maximize");
    QVERIFY(maximize->isChecked());
    QCOMPARE(w->size().height(), availableFor(w).height() - 1);
    // The rectangle of the previous run survives a maximised start.
    QCOMPARE(store->mainwindowsRect(), stored);
    maximize->click();
    QCOMPARE(w->geometry(), stored);
}

void TestMainWindows::lostMonitorFallsBack()
{
    Configuration::instance()->setMainwindowsRect(QRect(5000, 4000, 700, 500));
    MainWindows *w = makeWindow();
    QCOMPARE(w->geometry(), QRect(483, 166, 921, 628));
    window.reset();

    // A hand-edited rectangle whose centre is on the screen but which is vastly larger.
    Configuration::instance()->setMainwindowsRect(QRect(-99600, -99700, 200000, 200000));
    w = makeWindow();
    const QSize desktop = QGuiApplication::primaryScreen()->availableVirtualGeometry().size();
    const QSize bound = (desktop * 2).expandedTo(w->minimumSizeHint());
    QVERIFY(w->width() <= bound.width());
    QVERIFY(w->height() <= bound.height());
}

// As in main(): the close button ends the event loop, and the geometry is on disk then,
// although the store itself is never destroyed.
void TestMainWindows::closingEndsTheLoopAndReachesTheFile()
{
    MainWindows *w = makeWindow();
    const QRect normal(QPoint(33, 44), roomySize());
    w->setGeometry(normal);
    QTimer::singleShot(0, w->findChild<QPushButton *>("pBtn_Close"), &QPushButton::click);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!w->isVisible());
    const QSettings file(Configuration::instance()->fileName(), QSettings::IniFormat);
    QCOMPARE(file.value("mainwindowsRect").toRect(), normal);
    QCOMPARE(file.value("mainwindowsIsMaximize").toBool(), false);
}

void TestMainWindows::moverInTheWindow()
{
    MainWindows *w = makeWindow();
    w->setGeometry(QRect(QPoint(50, 50), roomySize()));
    const QPoint origin = w->pos();

    drag(w, Qt::RightButton, QPoint(30, 20));
    QCOMPARE(w->pos(), origin);
    drag(w, Qt::LeftButton, QPoint(30, 20));
    QCOMPARE(w->pos(), origin + QPoint(30, 20));

    // A double click on the window's surface maximises; a maximised window stays put.
    const QPoint inside = w->mapToGlobal(QPoint(w->width() / 2, 20));
    sendMouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton, inside);
    auto *maximize = w->findChild<QPushButton *>("pBtn_Maximize");
    QVERIFY(maximize->isChecked());
    const QPoint maximisedPos = w->pos();
    drag(w, Qt::LeftButton, QPoint(30, 20));
    QCOMPARE(w->pos(), maximisedPos);

    // Double clicks still arrive while moving is locked, and restore.
    sendMouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton,
              w->mapToGlobal(QPoint(w->width() / 2, 20)));
    QVERIFY(!maximize->isChecked());
    QCOMPARE(w->pos(), origin + QPoint(30, 20));
}

void TestMainWindows::languageChangeKeepsApplicationName()
{
    Configuration *store = Configuration::instance();
    MainWindows *w = makeWindow();
    auto *maximize = w->findChild<QPushButton *>("pBtn_Maximize");
    maximize->click();
    w->setFileNameText(QStringLiteral("2024_0101_120000_F.MP4"));

    store->setLanguage(9);
    QCOMPARE(w->findChild<QLabel *>("lbl_Title")->text(), QStringLiteral("Waylume 2.50"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Waylume 2.50"));
    QCOMPARE(w->findChild<QLabel *>("lbl_FileName")->text(),
             QStringLiteral("2024_0101_120000_F.MP4"));
    // The form's own tooltip would say "Maximieren" while the window is maximised.
    QCOMPARE(maximize->toolTip(), QStringLiteral("Verkleinern"));
    QCOMPARE(w->findChild<QPushButton *>("pBtn_Close")->toolTip(), QStringLiteral("Schließen"));

    store->setLanguage(2);
    QCOMPARE(maximize->toolTip(), QStringLiteral("Restore Down"));
}

void TestMainWindows::fontsFollowDpiFactor()
{
    MainWindows *w = makeWindow();
    auto *title = w->findChild<QLabel *>("lbl_Title");
    auto *fileName = w->findChild<QLabel *>("lbl_FileName");

    w->applySystemFontSize(1.5);
    QCOMPARE(QApplication::font().pointSize(), 9);
    QCOMPARE(QApplication::font("QPushButton").pointSize(), 9);
    QCOMPARE(title->font().pointSize(), 10);
    QCOMPARE(fileName->font().pixelSize(), 16);
    QCOMPARE(fileName->font().family(), QApplication::font().family());

    // At the larger steps the file-name label keeps the font it had.
    fileName->setFont(QFont(QStringLiteral("Serif"), 20));
    w->applySystemFontSize(2.0);
    QCOMPARE(QApplication::font().pointSize(), 6);
    QCOMPARE(title->font().pointSize(), 7);
    QCOMPARE(fileName->font().pointSize(), 20);

    w->applySystemFontSize(std::nullopt);
    QCOMPARE(QApplication::font().pointSize(), 11);
}

// Catches a style sheet whose selector no longer matches its object, and button images that
// did not make it into the resources. The picture is kept for a look by eye.
void TestMainWindows::styleSheetsPaintTheDarkLook()
{
    MainWindows *w = makeWindow();
    w->setGeometry(QRect(QPoint(20, 20), roomySize()));
    const QImage image = w->grab().toImage();
    image.save(QStringLiteral(WAYLUME_BIN_DIR "/tests/mainwindows.png"));
    const auto colourAt = [&](const char *name, const QPoint &inside) {
        const QWidget *child = w->findChild<QWidget *>(name);
        return QColor(image.pixel(child->mapTo(w, inside)));
    };
    QCOMPARE(colourAt("wgt_Header", QPoint(300, 38)), QColor(20, 20, 20));
    QCOMPARE(colourAt("wgt_Left", QPoint(2, 2)), QColor(44, 44, 52));
    QCOMPARE(colourAt("wgt_Background", QPoint(2, 0)), QColor(20, 20, 20));
    QCOMPARE(colourAt("wgt_Right", QPoint(2, 2)), QColor(44, 44, 52));

    for (const char *name :
         {"lblIcon", "pBtn_Step", "pBtn_Minimize", "pBtn_Maximize", "pBtn_Close"}) {
        const QWidget *child = w->findChild<QWidget *>(name);
        const QRect area(child->mapTo(w, QPoint(0, 0)), child->size());
        bool drawn = false;
        for (int y = area.top(); y <= area.bottom() && !drawn; ++y)
            for (int x = area.left(); x <= area.right() && !drawn; ++x)
                drawn = QColor(image.pixel(x, y)) != QColor(20, 20, 20);
        QVERIFY2(drawn, name);
    }
}

// A disk mounted during playback is offered in a strip across the window under the title
// bar; the panels make room for it, and its Open lists the disk's recordings.
void TestMainWindows::usbDiskBarSitsUnderTheTitleAndOpensTheDisk()
{
    MainWindows *w = makeWindow();
    w->setGeometry(QRect(QPoint(20, 20), roomySize()));
    UsbDiskBar *bar = w->usbDiskBar();
    QVERIFY(bar->isHidden());
    auto *left = w->findChild<QWidget *>("wgt_Left");
    const int leftTop = left->mapTo(w, QPoint(0, 0)).y();

    QTemporaryDir disk;
    QDir(disk.path()).mkpath("DCIM/Movie");
    QFile(disk.path() + "/DCIM/Movie/2024_0517_083000_F.MP4").open(QIODevice::WriteOnly);
    bar->offer(QStringLiteral("CARD"), disk.path());
    QTRY_VERIFY(left->mapTo(w, QPoint(0, 0)).y() >= leftTop + bar->height());
    const QImage image = w->grab().toImage();
    image.save(QStringLiteral(WAYLUME_BIN_DIR "/tests/mainwindows-usbdiskbar.png"));
    const QWidget *header = w->findChild<QWidget *>("wgt_Header");
    QCOMPARE(bar->mapTo(w, QPoint(0, 0)), QPoint(0, header->height()));
    QCOMPARE(bar->width(), w->width());
    QCOMPARE(QColor(image.pixel(bar->mapTo(w, QPoint(w->width() / 2, 2)))), QColor(73, 85, 114));
    QCOMPARE(bar->findChild<QLabel *>("lbl_Message")->text(),
             QStringLiteral("Recordings found on CARD:"));
    auto *message = bar->findChild<QLabel *>("lbl_Message");
    bool textDrawn = false;
    const QRect text(message->mapTo(w, QPoint(0, 0)), message->size());
    for (int x = text.left(); x <= text.right() && !textDrawn; ++x)
        textDrawn = QColor(image.pixel(x, text.center().y())).lightness() > 200;
    QVERIFY(textDrawn);

    auto *table = w->findChild<QTableView *>("tbl_PlayListView");
    bar->findChild<QPushButton *>("pBtn_Open")->click();
    QTRY_COMPARE(table->model()->rowCount(), 1);
    QVERIFY(bar->isHidden());
    // Opened like a card, not remembered as the folder dialog's start.
    QVERIFY(Configuration::instance()->videoFilePath() != disk.path());
}

// The window hands the X server's pointer motion to its border resizer; what the resizer
// answers depends on the window telling it whether it is maximised and what to leave alone.
void TestMainWindows::borderCursorFollowsWindowState()
{
    MainWindows *w = makeWindow();
    w->setGeometry(QRect(QPoint(100, 80), roomySize()));
    const auto cursorAfterMotion = [w](const QPoint &inside) {
        const QPoint global = w->mapToGlobal(inside);
        xcb_motion_notify_event_t motion{};
        motion.response_type = XCB_MOTION_NOTIFY;
        motion.event = xcb_window_t(w->effectiveWinId());
        motion.root_x = qint16(global.x());
        motion.root_y = qint16(global.y());
        long result = 0;
        w->nativeEventFilter("xcb_generic_event_t", &motion, &result);
        return w->cursor().shape();
    };
    const int middle = w->height() / 2;
    QCOMPARE(cursorAfterMotion(QPoint(3, middle)), Qt::SizeHorCursor);
    QCOMPARE(cursorAfterMotion(QPoint(7, 7)), Qt::SizeFDiagCursor);
    QCOMPARE(cursorAfterMotion(QPoint(6, middle)), Qt::ArrowCursor);

    w->findChild<QPushButton *>("pBtn_Maximize")->click();
    QCOMPARE(cursorAfterMotion(QPoint(3, w->height() / 2)), Qt::ArrowCursor);
    w->findChild<QPushButton *>("pBtn_Maximize")->click();
    QCOMPARE(cursorAfterMotion(QPoint(3, middle)), Qt::SizeHorCursor);
}

int main(int argc, char **argv)
{
    QTemporaryDir home;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(name, home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ApplicationIdentity::apply();
    TestMainWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindows.moc"
