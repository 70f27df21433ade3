#include "platform/dpiwatcher.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>

class TestDpiWatcher : public QObject
{
    Q_OBJECT

private slots:
    void screenChangesReachTheWindow()
    {
        QWidget window;
        // Made before the window has a native window, as in the main window's constructor.
        auto *watcher = new DpiWatcher(&window, 50);
        QSignalSpy spy(watcher, &DpiWatcher::dpiChanged);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWindow *handle = window.windowHandle();
        QVERIFY(handle && handle->screen());

        emit handle->screen()->logicalDotsPerInchChanged(144);
        QCOMPARE(spy.count(), 0); // never at once
        QTRY_COMPARE(spy.count(), 1);

        // Several changes in a row resize several times.
        emit handle->screenChanged(handle->screen());
        emit handle->screen()->logicalDotsPerInchChanged(192);
        QTRY_COMPARE(spy.count(), 3);
        QTest::qWait(150);
        QCOMPARE(spy.count(), 3);
    }

    void defaultDelayIsOneSecond()
    {
        QWidget window;
        auto *watcher = new DpiWatcher(&window);
        QCOMPARE(watcher->delay(), 1000);
        QSignalSpy spy(watcher, &DpiWatcher::dpiChanged);
        QElapsedTimer clock;
        clock.start();
        watcher->notifyChange();
        QVERIFY(spy.wait(3000));
        QVERIFY(clock.elapsed() >= 900);
    }
};

QTEST_MAIN(TestDpiWatcher)
#include "tst_dpiwatcher.moc"
