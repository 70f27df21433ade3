#include "fakeffmpeg.h"
#include "playback/capturethread.h"
#include "settings/configuration.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <signal.h>

namespace {
CaptureThread *lateWorker = nullptr;
QtMessageHandler previousHandler = nullptr;
bool lateTaskQueued = false;

void queueLateTask(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (lateWorker && !lateTaskQueued && message.contains(QLatin1String("Capture task finished"))) {
        lateTaskQueued = true;
        QVERIFY(lateWorker->isRunning());
        lateWorker->addTask(QStringLiteral("/rec/a.mp4"), 2000);
        lateWorker->start();
    }
    previousHandler(type, context, message);
}
} // namespace

class TestCaptureThread : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(shots.isValid());
        QVERIFY(fake.install());
    }
    void init()
    {
        Configuration::instance()->setScreenshotSavePath(
            shots.filePath(QStringLiteral("shots/nested")));
        fake.setMode(QString(), 0);
        fake.clearCalls();
    }

    void names_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("camera name") << "C:/rec/20230101_120000_F.MP4"
                                     << "/out/ScreenShot_20230101_120000_F__STAMP.jpeg";
        QTest::newRow("several dots") << "/rec/trip.part1.final.mp4"
                                      << "/out/ScreenShot_trip__STAMP.jpeg";
        QTest::newRow("no suffix") << "/rec/clip"
                                   << "/out/ScreenShot_clip__STAMP.jpeg";
    }
    void names()
    {
        QFETCH(QString, file);
        QFETCH(QString, expected);
        QCOMPARE(
            CaptureThread::outputFileName(QStringLiteral("/out"), file, QStringLiteral("STAMP")),
            expected);
    }

    void timeTexts()
    {
        QCOMPARE(CaptureThread::timeText(3723456), QStringLiteral("01:02:03.456"));
        QCOMPARE(CaptureThread::timeText(0), QStringLiteral("00:00:00.000"));
        QCOMPARE(CaptureThread::timeText(59999), QStringLiteral("00:00:59.999"));
    }

    // The logged line keeps its quoted form; the process gets the path as one argument
    // even when the name holds quotes and spaces.
    void commandAndArguments()
    {
        const QString input = QStringLiteral("/rec/a \"b\" c.mp4");
        QCOMPARE(CaptureThread::commandText(QStringLiteral("00:00:01.000"), input,
                                            QStringLiteral("/o/x.jpeg")),
                 QStringLiteral("ffmpeg -ss 00:00:01.000 -i \"/rec/a \"b\" c.mp4\" -t 1 -r 1 -q:v "
                                "2 -f mjpeg \"/o/x.jpeg\""));
        const QStringList args = CaptureThread::arguments(QStringLiteral("00:00:01.000"), input,
                                                          QStringLiteral("/o/x.jpeg"));
        QCOMPARE(args.size(), 13);
        QCOMPARE(args.at(3), input);
        QCOMPARE(args.last(), QStringLiteral("/o/x.jpeg"));
    }

    void resultCodes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("result");
        QTest::newRow("frame written") << QString() << 0;
        QTest::newRow("empty output") << "empty" << -4;
        QTest::newRow("exit code") << "fail" << 3;
        QTest::newRow("crash") << "crash" << -1;
    }
    void resultCodes()
    {
        QFETCH(QString, mode);
        QFETCH(int, result);
        fake.setMode(mode, 0);
        const QString input = shots.filePath(QStringLiteral("odd \"name\" 20230101_120000_F.MP4"));
        CaptureThread worker;
        QSignalSpy spy(&worker, &CaptureThread::captureFinished);
        worker.addTask(input, 3723456);
        worker.start();
        // Not spy.wait(): the worker may report before the wait begins.
        QVERIFY(worker.wait(5000));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), result);
        // The quoted name reached the process whole.
        QCOMPARE(fake.calls(), QStringList{QStringLiteral("01:02:03.456|") + input});
        if (result == 0) {
            const QStringList jpegs =
                QDir(Configuration::instance()->screenshotSavePath())
                    .entryList(
                        {QStringLiteral("ScreenShot_odd \"name\" 20230101_120000_F__*.jpeg")});
            QCOMPARE(jpegs.size(), 1);
            QVERIFY(QRegularExpression(QStringLiteral("__\\d{6}-\\d{6}_\\d{3}\\.jpeg$"))
                        .match(jpegs.first())
                        .hasMatch());
        }
    }

    void missingProgram()
    {
        const QByteArray path = qgetenv("PATH");
        QTemporaryDir empty;
        qputenv("PATH", QFile::encodeName(empty.path()));
        CaptureThread worker;
        QSignalSpy spy(&worker, &CaptureThread::captureFinished);
        worker.addTask(QStringLiteral("/rec/a.mp4"), 0);
        worker.addTask(QStringLiteral("/rec/a.mp4"), 1000);
        worker.start();
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 5000);
        qputenv("PATH", path);
        QCOMPARE(spy.at(0).at(0).toInt(), -2);
        QCOMPARE(spy.at(1).at(0).toInt(), -2);
    }

    // One -3 per run; the stale positions are not captured by a later run.
    void folderCannotBeCreated()
    {
        QFile blocker(shots.filePath(QStringLiteral("plainfile")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Configuration::instance()->setScreenshotSavePath(blocker.fileName() +
                                                         QStringLiteral("/sub"));
        CaptureThread worker;
        QSignalSpy spy(&worker, &CaptureThread::captureFinished);
        worker.addTask(QStringLiteral("/rec/a.mp4"), 0);
        worker.addTask(QStringLiteral("/rec/a.mp4"), 1000);
        worker.start();
        QVERIFY(worker.wait(5000));
        QTest::qWait(200);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), -3);
        QVERIFY(fake.calls().isEmpty());
    }

    // Requests for the same file queue behind a running capture; a request for another
    // file drops what is still queued for the old one.
    void queueAcrossFiles()
    {
        fake.setMode(QString(), 0.3);
        CaptureThread worker;
        QSignalSpy spy(&worker, &CaptureThread::captureFinished);
        worker.addTask(QStringLiteral("/rec/a.mp4"), 1000);
        worker.start();
        worker.addTask(QStringLiteral("/rec/a.mp4"), 2000);
        worker.start();
        worker.addTask(QStringLiteral("/rec/a.mp4"), 3000);
        worker.start();
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 3, 10000);
        QCOMPARE(fake.calls(), (QStringList{"00:00:01.000|/rec/a.mp4", "00:00:02.000|/rec/a.mp4",
                                            "00:00:03.000|/rec/a.mp4"}));

        fake.clearCalls();
        spy.clear();
        worker.addTask(QStringLiteral("/rec/a.mp4"), 4000);
        worker.start();
        QTRY_VERIFY_WITH_TIMEOUT(fake.calls().size() == 1, 5000);
        worker.addTask(QStringLiteral("/rec/a.mp4"), 5000);
        worker.addTask(QStringLiteral("/rec/b.mp4"), 6000);
        worker.start();
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 10000);
        QTest::qWait(100);
        QCOMPARE(fake.calls(), (QStringList{"00:00:04.000|/rec/a.mp4", "00:00:06.000|/rec/b.mp4"}));
    }

    // A task queued after the loop found the queue empty, while the thread is still
    // winding down (so its start() is ignored), is captured all the same. The worker's
    // closing log line marks that moment.
    void taskQueuedWhileFinishing()
    {
        CaptureThread worker;
        lateWorker = &worker;
        QSignalSpy spy(&worker, &CaptureThread::captureFinished);
        previousHandler = qInstallMessageHandler(queueLateTask);
        worker.addTask(QStringLiteral("/rec/a.mp4"), 1000);
        worker.start();
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 5000);
        qInstallMessageHandler(previousHandler);
        lateWorker = nullptr;
        QCOMPARE(fake.calls(), (QStringList{"00:00:01.000|/rec/a.mp4", "00:00:02.000|/rec/a.mp4"}));
    }

    // Deleting the worker mid-capture stops ffmpeg and returns promptly, without a result.
    void deleteWhileCapturing()
    {
        fake.setMode(QString(), 30);
        auto worker = std::make_unique<CaptureThread>();
        QSignalSpy spy(worker.get(), &CaptureThread::captureFinished);
        worker->addTask(QStringLiteral("/rec/a.mp4"), 1000);
        worker->addTask(QStringLiteral("/rec/a.mp4"), 2000);
        worker->start();
        QTRY_VERIFY_WITH_TIMEOUT(fake.lastPid() > 0 && fake.calls().size() == 1, 5000);
        const qint64 pid = fake.lastPid();
        worker.reset();
        QVERIFY2(!fake.sleptThrough(), "the owner waited for the whole capture");
        QCOMPARE(::kill(pid_t(pid), 0), -1);
        QTest::qWait(100);
        QCOMPARE(spy.size(), 0);
        QCOMPARE(fake.calls().size(), 1);
    }

private:
    QTemporaryDir shots;
    FakeFfmpeg fake;
};

QTEST_MAIN(TestCaptureThread)
#include "tst_capturethread.moc"
