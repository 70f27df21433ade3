#include "platform/threadpriority.h"

#include <QtTest>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

class TestThreadPriority : public QObject
{
    Q_OBJECT

private slots:
    // The system itself must report idle I/O and nice 19 for the lowered thread, and for it
    // alone: the GUI thread that starts the work keeps its priority.
    void backgroundIsRealAndPerThread()
    {
        QVERIFY(!ThreadPriority::isCurrentThreadBackground());
        bool made = false;
        bool reported = false;
        long ioClass = -1;
        int nice = 0;
        std::thread worker([&] {
            QVERIFY(!ThreadPriority::isCurrentThreadBackground());
            made = ThreadPriority::makeCurrentThreadBackground();
            reported = ThreadPriority::isCurrentThreadBackground();
            ioClass = ::syscall(SYS_ioprio_get, 1 /* IOPRIO_WHO_PROCESS */, 0) >> 13;
            nice = ::getpriority(PRIO_PROCESS, id_t(::syscall(SYS_gettid)));
        });
        worker.join();
        QVERIFY(made);
        QVERIFY(reported);
        QCOMPARE(ioClass, 3L); // IOPRIO_CLASS_IDLE
        QCOMPARE(nice, 19);
        QVERIFY(!ThreadPriority::isCurrentThreadBackground());
    }
};

QTEST_GUILESS_MAIN(TestThreadPriority)
#include "tst_threadpriority.moc"
