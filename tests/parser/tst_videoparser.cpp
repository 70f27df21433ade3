#include "fixtures.h"
#include "messagelog.h"
#include "parser/aviparser.h"
#include "parser/cgpsutils.h"
#include "parser/mp4parser.h"
#include "parser/recordingscan.h"
#include "parser/videoparser.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QThreadPool>
#include <QtTest>
#include <atomic>
#include <cstring>
#include <sys/stat.h>
#include <thread>

using namespace Fixture;

namespace {
QList<QByteArray> records(int count)
{
    QList<QByteArray> list;
    for (int i = 0; i < count; ++i) {
        Fix fix;
        fix.speed = QByteArray::number(i % 1000).rightJustified(3, '0');
        list << record(fix);
    }
    return list;
}

// Holds the pool's only thread until released, so that later jobs stay queued.
class Blocker : public QRunnable
{
public:
    explicit Blocker(QSemaphore *gate) : mGate(gate) {}
    void run() override { mGate->acquire(); }

private:
    QSemaphore *mGate;
};

// Ends the run with a message, instead of a silent hang until ctest's timeout, when the code
// under test deadlocks the thread it runs on.
class Watchdog
{
public:
    explicit Watchdog(const char *what)
        : mThread([this, what] {
              if (!mDone.tryAcquire(1, 60000))
                  qFatal("%s: the thread hangs", what);
          })
    {
    }
    ~Watchdog()
    {
        mDone.release();
        mThread.join();
    }

private:
    QSemaphore mDone;
    std::thread mThread;
};
} // namespace

class TestVideoParser : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    int mFiles = 0;

    // A recording of `seconds` seconds whose decoding yields `decoded` records.
    QString gps0Recording(int seconds, int decoded)
    {
        return write(mDir, QString("r%1.mp4").arg(mFiles++),
                     gps0File(records(decoded + 1), 1000, quint32(seconds) * 1000 + 1));
    }

private slots:
    void initTestCase()
    {
        ParserObject::setParseDelayMs(0);
        QVERIFY(mDir.isValid());
    }

    void trackFitsTheDuration_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("decoded");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("lastIndex");
        QTest::newRow("short track padded") << 60 << 58 << 61 << 57;
        QTest::newRow("long track cut") << 60 << 100 << 61 << 60;
        QTest::newRow("no duration") << 0 << 5 << 1 << 0;
        QTest::newRow("no records") << 60 << 0 << 0 << -1;
    }

    void trackFitsTheDuration()
    {
        QFETCH(int, seconds);
        QFETCH(int, decoded);
        QFETCH(int, kept);
        QFETCH(int, lastIndex);
        VideoParser parser;
        QSignalSpy info(&parser, &VideoParser::videoInfoChanged);
        QSignalSpy all(&parser, &VideoParser::allGpsDataParserFinished);
        parser.setFile(gps0Recording(seconds, decoded), 5);
        parser.requestAllGpsData();
        QCOMPARE(info.count(), 1);
        QCOMPARE(info[0][1].value<VideoInfo>().duration, seconds);
        QCOMPARE(all.count(), 1);
        const QList<GpsData> track = all[0][1].value<QList<GpsData>>();
        QCOMPARE(track.size(), kept);
        if (kept)
            QCOMPARE(track.last().index, lastIndex);
        // The copies are whole records, not empty ones.
        if (kept > decoded && decoded > 0)
            QCOMPARE(track.last().speed, decoded - 1);
    }

    void hugeDurationDoesNotExhaustMemory()
    {
        const QString path = write(mDir, "long.mp4", gps0File(records(3), 1, 0xFFFFFFFF));
        const RecordingScan scan = scanRecording(path);
        QCOMPARE(scan.rawRecords.size(), 2);
        QCOMPARE(scan.track.size(), ParserObject::MaxRecords);
    }

    void jldvKeepsAllRecordsAndAsksForTwicePerSecond()
    {
        const QString path = write(mDir, "jldv.mp4", jldvFile(records(30)));
        VideoParser parser;
        QSignalSpy all(&parser, &VideoParser::allGpsDataParserFinished);
        QSignalSpy one(&parser, &VideoParser::gpsDataChanged);
        parser.setFile(path, 7);
        parser.requestAllGpsData();
        QCOMPARE(all[0][1].value<QList<GpsData>>().size(), 29);
        parser.requestGpsData(10);
        QCOMPARE(one.count(), 1);
        QCOMPARE(one[0][0].toInt(), 7);
        QCOMPARE(one[0][1].value<GpsData>().index, 20);
        QCOMPARE(one[0][1].value<GpsData>().speed, 20);
        parser.requestGpsData(15); // record 30 does not exist
        parser.requestGpsData(-1);
        QCOMPARE(one.count(), 1);
    }

    void recordCrossesThreadsByteForByte()
    {
        VideoParser parser;
        parser.setFile(gps0Recording(10, 11), 2);
        parser.parse();
        GpsData received;
        QThread other;
        QObject receiver;
        receiver.moveToThread(&other);
        QSemaphore arrived;
        connect(
            &parser, &VideoParser::gpsDataChanged, &receiver,
            [&](int, const GpsData &data) {
                received = data;
                arrived.release();
            },
            Qt::QueuedConnection);
        other.start();
        parser.requestGpsData(3);
        QVERIFY(arrived.tryAcquire(1, 5000));
        other.quit();
        other.wait();
        const RecordingScan scan = scanRecording(parser.path());
        QCOMPARE(std::memcmp(&received, &scan.track[3], sizeof(GpsData)), 0);
    }

    // A finished row keeps its track, not its file: a card of a thousand rows must leave the
    // process descriptors to spare for the player.
    void finishedParseHoldsNoFile()
    {
        VideoParser parser;
        parser.setFile(gps0Recording(3, 4), 1);
        parser.parseFacts();
        parser.parse();
        QVERIFY(parser.isFinished());
        const QString path = QFileInfo(parser.path()).canonicalFilePath();
        QDir fds("/proc/self/fd");
        for (const QFileInfo &fd : fds.entryInfoList(QDir::Files | QDir::System))
            QVERIFY(fd.symLinkTarget() != path);
    }

    void readerChosenByName()
    {
        const QByteArray avi = riff(list("hdrl", avih(1000000, 5, 64, 48)));
        const QByteArray mp4 = box("moov", mvhd(1000, 5000));
        for (const char *name : {"clip.avi", "CLIP.AVI", "clip.Avi"}) {
            const auto parser = createParser(write(mDir, name, avi));
            QVERIFY(qobject_cast<AVIParser *>(parser.get()));
            QCOMPARE(parser->duration(), 5);
        }
        for (const char *name : {"clip.mov", "clip.mp4", "clip.avi.mp4", "clip"}) {
            const auto parser = createParser(write(mDir, name, mp4));
            QVERIFY(qobject_cast<Mp4Parser *>(parser.get()));
        }
    }

    void unreadableFileCompletesEmpty()
    {
        MessageLog log;
        VideoParser parser;
        QSignalSpy info(&parser, &VideoParser::videoInfoChanged);
        QSignalSpy all(&parser, &VideoParser::allGpsDataParserFinished);
        parser.setFile(mDir.filePath("missing.AVI"), 4);
        parser.requestAllGpsData();
        QCOMPARE(info[0][1].value<VideoInfo>().width, 0);
        QVERIFY(all[0][1].value<QList<GpsData>>().isEmpty());
        QVERIFY(parser.isFinished());
        QCOMPARE(log.count("missing.AVI"), 1);

        // A named pipe called like a recording must not block the job waiting for a writer.
        const QString pipe = mDir.filePath("pipe.MP4");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        VideoParser piped;
        QSignalSpy pipedAll(&piped, &VideoParser::allGpsDataParserFinished);
        piped.setFile(pipe, 5);
        piped.requestAllGpsData();
        QCOMPARE(pipedAll.count(), 1);
        QVERIFY(piped.isFinished());
    }

    // A queued row's track is parsed at once on request; the cancelled job never runs, and a
    // job that left the queue just before the cancel finds the row parsed.
    void requestParsesAQueuedRowOnce()
    {
        QThreadPool pool;
        pool.setMaxThreadCount(1);
        QSemaphore gate;
        pool.start(new Blocker(&gate));

        VideoParser parser;
        QSignalSpy info(&parser, &VideoParser::videoInfoChanged);
        QSignalSpy all(&parser, &VideoParser::allGpsDataParserFinished);
        parser.setFile(gps0Recording(5, 6), 3);
        auto *job = new CVideoParserRunnable(&parser);
        parser.setPool(&pool, job);
        pool.start(job);

        parser.requestAllGpsData();
        QCOMPARE(all.count(), 1);
        QCOMPARE(all[0][1].value<QList<GpsData>>().size(), 6);
        gate.release();
        QVERIFY(pool.waitForDone(5000));
        CVideoParserRunnable late(&parser);
        late.setAutoDelete(false);
        late.run();
        QCoreApplication::processEvents();
        QCOMPARE(info.count(), 1);
        parser.requestAllGpsData(); // finished: answers from the kept track
        QCOMPARE(all.count(), 2);
    }

    // The parse the user waits for does not pause: no event loop runs inside it (through
    // which the window could ask again), and ParseDelayMs stays a matter of background jobs.
    void requestedParseDoesNotPause()
    {
        VideoParser::setParseDelayMs(5);
        VideoParser parser;
        parser.setFile(gps0Recording(5, 6), 3);
        bool eventsRan = false;
        QTimer probe;
        probe.setSingleShot(true);
        connect(&probe, &QTimer::timeout, this, [&eventsRan] { eventsRan = true; });
        probe.start(0);
        parser.requestAllGpsData();
        VideoParser::setParseDelayMs(0);
        QVERIFY(parser.isFinished());
        QVERIFY(!eventsRan);
    }

    // A second double click, or a position update, handled in an event loop nested inside the
    // parse of the same row: neither blocks, and their answers come once the parse completes.
    void requestFromALoopNestedInTheParse()
    {
        VideoParser parser;
        parser.setFile(gps0Recording(5, 6), 3);
        QSignalSpy all(&parser, &VideoParser::allGpsDataParserFinished);
        QSignalSpy one(&parser, &VideoParser::gpsDataChanged);
        bool nested = false;
        connect(&parser, &VideoParser::videoInfoChanged, this, [&] {
            if (nested)
                return;
            nested = true;
            QEventLoop loop;
            QTimer::singleShot(0, &loop, [&] {
                parser.requestAllGpsData();
                parser.requestGpsData(2);
                QCOMPARE(all.count(), 0);
                loop.quit();
            });
            loop.exec();
        });
        const Watchdog watchdog("a request nested in the parse of its row");
        parser.requestAllGpsData();
        QVERIFY(nested);
        QCOMPARE(all.count(), 1);
        QCOMPARE(all[0][1].value<QList<GpsData>>().size(), 6);
        QCOMPARE(one.count(), 1);
        QCOMPARE(one[0][1].value<GpsData>().index, 2);
    }

    // While a pool job parses the row, requests return at once; the job answers them.
    void requestsDuringAJobDoNotWait()
    {
        QThreadPool pool;
        VideoParser parser;
        parser.setFile(gps0Recording(5, 6), 3);
        QSemaphore midParse, resume;
        std::atomic<bool> jobWaitedOut{false};
        connect(
            &parser, &VideoParser::videoInfoChanged, &parser,
            [&] {
                midParse.release();
                jobWaitedOut = !resume.tryAcquire(1, 20000);
            },
            Qt::DirectConnection);
        QSignalSpy all(&parser, &VideoParser::allGpsDataParserFinished);
        QSignalSpy one(&parser, &VideoParser::gpsDataChanged);
        auto *job = new CVideoParserRunnable(&parser);
        parser.setPool(&pool, job);
        pool.start(job);
        QVERIFY(midParse.tryAcquire(1, 20000));
        parser.requestAllGpsData();
        parser.requestGpsData(4);
        resume.release();
        QVERIFY(pool.waitForDone(20000));
        QVERIFY(!jobWaitedOut);
        QCOMPARE(all.count(), 1);
        QCOMPARE(all[0][1].value<QList<GpsData>>().size(), 6);
        QCOMPARE(one.count(), 1);
        QCOMPARE(one[0][1].value<GpsData>().index, 4);
    }

    // The pool may take a job from its queue just before the parser is destroyed; the job
    // must then leave the parser alone.
    void jobOutlivingItsParserDoesNothing()
    {
        MessageLog log;
        auto parser = std::make_unique<VideoParser>();
        parser->setFile(gps0Recording(2, 3), 1);
        CVideoParserRunnable job(parser.get());
        job.setAutoDelete(false);
        parser.reset();
        job.run();
        QCOMPARE(log.count("run"), 0);
    }

    // Row 0's job announces its own track; a request before that emits nothing.
    void rowZeroWaitsForItsJob()
    {
        QThreadPool pool;
        pool.setMaxThreadCount(1);
        QSemaphore gate;
        pool.start(new Blocker(&gate));

        VideoParser parser;
        QSignalSpy all(&parser, &VideoParser::allGpsDataParserFinished);
        parser.setFile(gps0Recording(5, 6), 0);
        auto *job = new CVideoParserRunnable(&parser);
        parser.setPool(&pool, job);
        pool.start(job);
        parser.requestAllGpsData();
        QCOMPARE(all.count(), 0);
        gate.release();
        QTRY_COMPARE(all.count(), 1);
        QCOMPARE(all[0][0].toInt(), 0);
        QVERIFY(pool.waitForDone(5000));
    }

    // After its job has run, cancelling a row must not take another row's queued job that
    // the allocator placed where the finished job was.
    void cancelAfterRunLeavesOtherJobsAlone()
    {
        QThreadPool pool;
        pool.setMaxThreadCount(1);
        alignas(CVideoParserRunnable) unsigned char storage[sizeof(CVideoParserRunnable)];
        VideoParser first;
        first.setFile(gps0Recording(2, 3), 1);
        auto *job = new (storage) CVideoParserRunnable(&first);
        job->setAutoDelete(false);
        first.setPool(&pool, job);
        pool.start(job);
        QVERIFY(pool.waitForDone(5000));
        QVERIFY(first.isFinished());
        job->~CVideoParserRunnable();

        QSemaphore gate;
        pool.start(new Blocker(&gate));
        VideoParser second;
        second.setFile(gps0Recording(2, 3), 2);
        auto *next = new (storage) CVideoParserRunnable(&second);
        next->setAutoDelete(false);
        second.setPool(&pool, next);
        pool.start(next);
        first.cancel();
        gate.release();
        QVERIFY(pool.waitForDone(5000));
        QVERIFY(second.isFinished());
        next->~CVideoParserRunnable();
    }

    void cooperativeWait()
    {
        // No event loop for 0: nothing posted runs inside.
        bool early = false;
        QTimer probe;
        probe.setSingleShot(true);
        connect(&probe, &QTimer::timeout, this, [&early] { early = true; });
        probe.start(0);
        CGPSUtils::instance()->wait(0);
        QVERIFY(!early);
        QElapsedTimer timer;
        timer.start();
        bool delivered = false;
        QTimer::singleShot(10, this, [&delivered] { delivered = true; });
        CGPSUtils::instance()->wait(60);
        QVERIFY(delivered);
        QVERIFY(timer.elapsed() >= 59);
    }

    void parseDelayIsOneSetting()
    {
        VideoParser::setParseDelayMs(3);
        QCOMPARE(ParserObject::parseDelayMs(), 3);
        VideoParser parser;
        parser.setFile(gps0Recording(4, 5), 9);
        QElapsedTimer timer;
        timer.start();
        parser.parse();
        // 5 records and the final pause of four delays, at least.
        QVERIFY(timer.elapsed() >= 5 * 3 + 12);
        VideoParser::setParseDelayMs(0);
    }
};

QTEST_GUILESS_MAIN(TestVideoParser)
#include "tst_videoparser.moc"
