#include "platform/framelesswindow.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <cstring>
#include <xcb/xcb.h>

namespace {

// A window whose first pixel is (100, 200) and whose last is (1020, 827).
const QPoint tl(100, 200);
const QPoint br(1020, 827);
const int midY = (tl.y() + br.y()) / 2;
const int midX = (tl.x() + br.x()) / 2;

xcb_button_press_event_t press(xcb_window_t window, QPoint root, int button = 1)
{
    xcb_button_press_event_t event;
    std::memset(&event, 0, sizeof(event));
    event.response_type = XCB_BUTTON_PRESS;
    event.detail = xcb_button_t(button);
    event.event = window;
    event.root_x = qint16(root.x());
    event.root_y = qint16(root.y());
    return event;
}

xcb_motion_notify_event_t motion(xcb_window_t window, QPoint root)
{
    xcb_motion_notify_event_t event;
    std::memset(&event, 0, sizeof(event));
    event.response_type = XCB_MOTION_NOTIFY;
    event.event = window;
    event.root_x = qint16(root.x());
    event.root_y = qint16(root.y());
    return event;
}

// An XInput 2 device event as libxcb hands it over (see framelessresizer_xcb.cpp).
struct XiEvent
{
    quint8 responseType = XCB_GE_GENERIC;
    quint8 extension;
    quint16 sequence = 0;
    quint32 length = 0;
    quint16 eventType;
    quint16 deviceId = 2;
    quint32 time = 0;
    quint32 detail;
    quint32 root = 0;
    quint32 event;
    quint32 child = 0;
    quint32 fullSequence = 0;
    qint32 rootX;
    qint32 rootY;
    qint32 eventX = 0;
    qint32 eventY = 0;
    quint8 rest[64] = {};
};

} // namespace

class TestFramelessWindow : public QObject
{
    Q_OBJECT

private:
    QWidget *window = nullptr;
    QWidget *mapView = nullptr;
    QList<Qt::Edges> started;
    std::unique_ptr<FramelessResizer> resizer;
    xcb_window_t id = 0;

    QPoint corner() const { return window->mapToGlobal(QPoint(0, 0)); }
    QPoint lastPixel() const { return window->mapToGlobal(window->rect().bottomRight()); }
    bool feed(void *event)
    {
        return resizer->nativeEventFilter("xcb_generic_event_t", event, nullptr);
    }

private slots:
    void hitTest_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<int>("region");
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("edges");

        const int none = 0;
        QTest::newRow("3 px inside the left edge")
            << QPoint(tl.x() + 3, midY) << 2 << int(Qt::SizeHorCursor) << 0xF001
            << int(Qt::LeftEdge);
        QTest::newRow("6 px inside the left edge")
            << QPoint(tl.x() + 6, midY) << 8 << int(Qt::ArrowCursor) << 0 << none;
        QTest::newRow("7/7 from the top-left corner")
            << QPoint(tl.x() + 7, tl.y() + 7) << 4 << int(Qt::SizeFDiagCursor) << 0xF004
            << int(Qt::TopEdge | Qt::LeftEdge);
        QTest::newRow("8/8 from the top-left corner")
            << QPoint(tl.x() + 8, tl.y() + 8) << 8 << int(Qt::ArrowCursor) << 0 << none;
        QTest::newRow("corner beats edge: 7 right, 2 down")
            << QPoint(tl.x() + 7, tl.y() + 2) << 4 << int(Qt::SizeFDiagCursor) << 0xF004
            << int(Qt::TopEdge | Qt::LeftEdge);
        QTest::newRow("bottom-right corner")
            << br << 6 << int(Qt::SizeFDiagCursor) << 0xF008 << int(Qt::BottomEdge | Qt::RightEdge);
        QTest::newRow("bottom-left corner")
            << QPoint(tl.x(), br.y() - 7) << 5 << int(Qt::SizeBDiagCursor) << 0xF007
            << int(Qt::BottomEdge | Qt::LeftEdge);
        QTest::newRow("top-right corner")
            << QPoint(br.x() - 7, tl.y()) << 7 << int(Qt::SizeBDiagCursor) << 0xF005
            << int(Qt::TopEdge | Qt::RightEdge);
        QTest::newRow("right edge") << QPoint(br.x() - 5, midY) << 3 << int(Qt::SizeHorCursor)
                                    << 0xF002 << int(Qt::RightEdge);
        QTest::newRow("top edge") << QPoint(midX, tl.y() + 5) << 0 << int(Qt::SizeVerCursor)
                                  << 0xF003 << int(Qt::TopEdge);
        QTest::newRow("bottom edge") << QPoint(midX, br.y() - 5) << 1 << int(Qt::SizeVerCursor)
                                     << 0xF006 << int(Qt::BottomEdge);
        QTest::newRow("inside") << QPoint(midX, midY) << 8 << int(Qt::ArrowCursor) << 0 << none;
    }

    void hitTest()
    {
        QFETCH(QPoint, cursor);
        QFETCH(int, region);
        QFETCH(int, shape);
        QFETCH(int, command);
        QFETCH(int, edges);

        const BorderHit hit = hitTestBorder(tl, br, cursor, false);
        QCOMPARE(int(hit.region), region);
        QCOMPARE(int(hit.cursor), shape);
        QCOMPARE(hit.onBorder(), region != 8);
        QCOMPARE(sizeCommandForRegion(hit.region), command);
        QCOMPARE(int(edgesForRegion(hit.region)), edges);

        const BorderHit maximized = hitTestBorder(tl, br, cursor, true);
        QCOMPARE(int(maximized.region), 8);
        QCOMPARE(maximized.cursor, Qt::ArrowCursor);
    }

    void init()
    {
        window = new QWidget;
        window->setGeometry(300, 200, 400, 300);
        // Stands for the map view: keeps its own cursor, even at the window's border.
        mapView = new QWidget(window);
        mapView->setGeometry(0, 100, 100, 100);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        id = xcb_window_t(window->winId());
        started.clear();
        resizer = std::make_unique<FramelessResizer>(window);
        resizer->addExcludedWidget(mapView);
        resizer->setResizeStarter([this](QWindow *handle, Qt::Edges edges) {
            if (handle != window->windowHandle())
                return false;
            started << edges;
            return true;
        });
    }

    void cleanup()
    {
        resizer.reset();
        delete window;
    }

    void pressOnBorderStartsSystemResize()
    {
        auto left = press(id, corner() + QPoint(3, 250));
        QVERIFY(feed(&left));
        QCOMPARE(started, QList<Qt::Edges>{Qt::LeftEdge});
        QCOMPARE(resizer->edgeRegion(), EdgeLeft);

        auto topLeft = press(id, corner() + QPoint(7, 7));
        QVERIFY(feed(&topLeft));
        QCOMPARE(started.last(), Qt::TopEdge | Qt::LeftEdge);
    }

    // Over a child with a native window of its own, the events name the child's window.
    void nativeChildPressStartsResize()
    {
        auto *video = new QWidget(window);
        video->setGeometry(window->rect().adjusted(0, 0, 0, -250));
        const auto child = xcb_window_t(video->winId());
        QVERIFY(child != id);
        auto top = press(child, corner() + QPoint(200, 2));
        QVERIFY(feed(&top));
        QCOMPARE(started, QList<Qt::Edges>{Qt::TopEdge});
        auto hover = motion(child, corner() + QPoint(399, 20));
        feed(&hover);
        QCOMPARE(resizer->edgeRegion(), EdgeRight);

        // Another top-level window's events stay with Qt, even at the same place.
        QWidget other;
        other.setGeometry(window->geometry());
        other.show();
        auto elsewhere = press(xcb_window_t(other.winId()), corner() + QPoint(200, 2));
        QVERIFY(!feed(&elsewhere));
        QCOMPARE(started.size(), 1);
    }

    void otherPressesAreLeftToQt()
    {
        auto inside = press(id, corner() + QPoint(6, 250));
        auto rightButton = press(id, corner() + QPoint(3, 250), 3);
        auto otherWindow = press(id + 1, corner() + QPoint(3, 250));
        auto overMap = press(id, corner() + QPoint(2, 150));
        QVERIFY(!feed(&inside));
        QVERIFY(!feed(&rightButton));
        QVERIFY(!feed(&otherWindow));
        QVERIFY(!feed(&overMap));
        QVERIFY(!resizer->nativeEventFilter("windows_generic_MSG", &inside, nullptr));

        resizer->setMaximized(true);
        auto left = press(id, corner() + QPoint(3, 250));
        QVERIFY(!feed(&left));
        QCOMPARE(resizer->edgeRegion(), EdgeNone);
        QVERIFY(started.isEmpty());
    }

    void motionShowsBorderCursor()
    {
        auto right = motion(id, lastPixel() - QPoint(2, 150));
        QVERIFY(!feed(&right)); // hover still belongs to Qt
        QCOMPARE(window->cursor().shape(), Qt::SizeHorCursor);
        QCOMPARE(resizer->edgeRegion(), EdgeRight);

        auto bottomLeft = motion(id, corner() + QPoint(1, 298));
        feed(&bottomLeft);
        QCOMPARE(window->cursor().shape(), Qt::SizeBDiagCursor);

        auto inside = motion(id, corner() + QPoint(200, 150));
        feed(&inside);
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(resizer->edgeRegion(), EdgeNone);

        // Over the excluded widget the border cursor does not appear.
        auto overMap = motion(id, corner() + QPoint(2, 150));
        feed(&overMap);
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(resizer->edgeRegion(), EdgeNone);
    }

    void inputExtensionEvents()
    {
        resizer->setXInputOpcode(131);
        XiEvent move;
        move.extension = 131;
        move.eventType = 6; // XI_Motion
        move.event = id;
        move.detail = 0;
        move.rootX = (corner().x() + 200) << 16;
        move.rootY = corner().y() << 16;
        QVERIFY(!feed(&move));
        QCOMPARE(window->cursor().shape(), Qt::SizeVerCursor);

        XiEvent down = move;
        down.eventType = 4; // XI_ButtonPress
        down.detail = 1;
        QVERIFY(feed(&down));
        QCOMPARE(started, QList<Qt::Edges>{Qt::TopEdge});

        // Another extension's generic event with the same numbers is not ours.
        down.extension = 140;
        QVERIFY(!feed(&down));
        QCOMPARE(started.size(), 1);
    }
};

QTEST_MAIN(TestFramelessWindow)
#include "tst_framelesswindow.moc"
