// The border cursor with a real X server: pointer events arrive as the X input extension's
// generic events there, which the synthetic events of tst_framelesswindow only imitate.
#include "platform/framelesswindow.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>

class ResizerFilter : public QAbstractNativeEventFilter
{
public:
    explicit ResizerFilter(FramelessResizer *resizer) : resizer(resizer) {}
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override
    {
        return resizer->nativeEventFilter(eventType, message, result);
    }

private:
    FramelessResizer *resizer;
};

class TestFramelessResizerX11 : public QObject
{
    Q_OBJECT

private slots:
    void pointerOverBorderShowsResizeCursor()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server");
        QWidget window;
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(200, 200, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        FramelessResizer resizer(&window);
        ResizerFilter filter(&resizer);
        qApp->installNativeEventFilter(&filter);

        QCursor::setPos(window.mapToGlobal(QPoint(window.width() - 2, 150)));
        QTRY_COMPARE(resizer.edgeRegion(), EdgeRight);
        QCOMPARE(window.cursor().shape(), Qt::SizeHorCursor);

        QCursor::setPos(window.mapToGlobal(QPoint(200, 150)));
        QTRY_COMPARE(resizer.edgeRegion(), EdgeNone);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);

        QCursor::setPos(window.mapToGlobal(QPoint(3, 3)));
        QTRY_COMPARE(resizer.edgeRegion(), EdgeTopLeft);
        QCOMPARE(window.cursor().shape(), Qt::SizeFDiagCursor);
        qApp->removeNativeEventFilter(&filter);
    }

    // A video sink that draws into an X window of its own makes its widget native (and with
    // it every ancestor): the pointer events over it name that window, not the top-level.
    void nativeChildKeepsTheBorder()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server");
        QWidget window;
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(200, 200, 400, 300);
        QWidget panel(&window);
        panel.setGeometry(window.rect());
        QWidget video(&panel);
        video.setGeometry(panel.rect());
        video.winId();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(panel.internalWinId());
        FramelessResizer resizer(&window);
        ResizerFilter filter(&resizer);
        qApp->installNativeEventFilter(&filter);

        QCursor::setPos(window.mapToGlobal(QPoint(150, 150)));
        QTest::qWait(50);
        QCursor::setPos(window.mapToGlobal(QPoint(150, window.height() - 2)));
        QTRY_COMPARE(resizer.edgeRegion(), EdgeBottom);
        QCOMPARE(window.cursor().shape(), Qt::SizeVerCursor);
        qApp->removeNativeEventFilter(&filter);
    }
};

QTEST_MAIN(TestFramelessResizerX11)
#include "tst_framelessresizer_x11.moc"
