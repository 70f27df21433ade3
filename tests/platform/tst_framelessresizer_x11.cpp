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
};

QTEST_MAIN(TestFramelessResizerX11)
#include "tst_framelessresizer_x11.moc"
