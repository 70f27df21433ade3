#include "library/playlistmodel.h"
#include "parser/recordingreader.h"
#include "parser/videoparser.h"
#include "platform/threadpriority.h"
#include "tests/parser/messagelog.h"
#include "tools/simulator/recordingsimulator.h"

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>
#include <mutex>

namespace {
// Notes every read ("f3": facts of row 3, "t3": its track) with whether it ran at background
// priority. While held, background track reads wait, so that a test finds the queue mid-way.
class LoggingReader : public RecordingReader
{
public:
    VideoInfo readFacts(const QString &path) override
    {
        note('f', path);
        VideoInfo info;
        info.duration = 60;
        info.width = 1280;
        info.height = 720;
        return info;
    }

    QList<GpsData> readTrack(const QString &path, GpsSourceKind *kind, VideoInfo *facts) override
    {
        if (facts)
            *facts = readFacts(path);
        if (note('t', path) && held)
            gate.acquire();
        *kind = GpsSourceKind::GpsMetaTrack;
        return QList<GpsData>() << GpsData();
    }

    void release() { gate.release(1000); }
    QStringList reads() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return log;
    }
    QStringList backgroundReads() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return background;
    }
    int count(QChar step) const { return reads().filter(QRegularExpression('^' + step)).size(); }

    std::atomic<bool> held{false};

private:
    bool note(char step, const QString &path)
    {
        const QString entry = step + QFileInfo(path).completeBaseName().mid(1);
        const bool lowered = ThreadPriority::isCurrentThreadBackground();
        std::lock_guard<std::mutex> lock(mutex);
        log << entry;
        if (lowered)
            background << entry;
        return lowered;
    }

    mutable std::mutex mutex;
    QStringList log;
    QStringList background;
    QSemaphore gate;
};
// The recording's own track is one record at 10°N; a track file's is one record whose
// latitude is its offset and whose longitude counts the file's reads. While held, track-file
// reads wait at the gate.
class TrackFileReader : public RecordingReader
{
public:
    VideoInfo readFacts(const QString &) override
    {
        VideoInfo info;
        info.duration = 30;
        return info;
    }

    QList<GpsData> readTrack(const QString &path, GpsSourceKind *kind, VideoInfo *facts) override
    {
        if (facts)
            *facts = readFacts(path);
        *kind = GpsSourceKind::GpsMetaTrack;
        GpsData own;
        own.latitude = 10;
        return {own};
    }

    QList<GpsData> readTrackWithFile(const QString &path, const QString &trackFile,
                                     double offsetSeconds, GpsSourceKind *kind, VideoInfo *facts,
                                     GpsDiagnosis *) override
    {
        if (facts)
            *facts = readFacts(path);
        const int read = ++fileReads;
        if (held)
            gate.acquire();
        *kind = GpsSourceKind::ChosenTrack;
        {
            std::lock_guard<std::mutex> lock(mutex);
            files << trackFile;
        }
        GpsData chosen;
        chosen.latitude = offsetSeconds;
        chosen.longitude = read;
        return {chosen};
    }

    QStringList filesRead() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return files;
    }

    std::atomic<bool> held{false};
    std::atomic<int> fileReads{0};
    QSemaphore gate;

private:
    mutable std::mutex mutex;
    QStringList files;
};
} // namespace

class TestPlaylistModel : public QObject
{
    Q_OBJECT

    // A recording the parser reads: 1280 x 720, `seconds` long, one fix a second.
    QString recording(const QString &name, int seconds)
    {
        Simulator::Recording r;
        r.arrangement = Simulator::Arrangement::GpsMetaTrack;
        r.track = Simulator::makeTrack(seconds + 1);
        r.duration = seconds;
        r.frameRate = 25;
        r.codec = Simulator::Codec::H265;
        const QString path = tmp->path() + '/' + name;
        QString error;
        if (!Simulator::write(r, path, &error))
            qWarning() << error;
        return path;
    }

    static QString text(const PlaylistModel &m, int row, int column)
    {
        return m.data(m.index(row, column)).toString();
    }

private slots:
    void initTestCase() { VideoParser::setParseDelayMs(0); }
    void init()
    {
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp->isValid());
    }

    void sizeTexts_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0 bytes";
        QTest::newRow("1023") << qint64(1023) << "1023 bytes";
        QTest::newRow("1024") << qint64(1024) << "1 KB";
        QTest::newRow("1600") << qint64(1600) << "2 KB";
        QTest::newRow("1600000 rounds") << qint64(1600000) << "2 MB";
        QTest::newRow("10 MiB") << qint64(10485760) << "10 MB";
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "8 EB";
    }
    void sizeTexts()
    {
        QFETCH(qint64, size);
        QFETCH(QString, text);
        QCOMPARE(PlaylistModel::sizeText(size), text);
    }

    void rowsBeforeAndAfterTheirParse()
    {
        PlaylistModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy all(&model, &PlaylistModel::allGpsDataParserFinished);
        QCOMPARE(model.columnCount(), 5);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("File Name"));
        QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QString("Resolution"));
        QVERIFY(!model.headerData(5, Qt::Horizontal).isValid());
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());

        model.setParsingSuspended(true);
        const QString a = recording("a_F.mp4", 61);
        const QString b = recording("b_F.mp4", 3);
        QCOMPARE(model.addRow(QFileInfo(a)), 0);
        QCOMPARE(model.addRow(QFileInfo(b)), 1);
        QCOMPARE(model.headerData(1, Qt::Vertical).toInt(), 1);
        QVERIFY(!model.headerData(2, Qt::Vertical).isValid());
        QCOMPARE(text(model, 0, PlaylistModel::ColumnDuration), QString("00:00:00"));
        QCOMPARE(text(model, 0, PlaylistModel::ColumnResolution), QString("0 x 0"));
        // Shown in local time, whatever form the row keeps the instant in.
        QCOMPARE(text(model, 0, PlaylistModel::ColumnCreateDate),
                 QFileInfo(a).metadataChangeTime().toString("yyyy/MM/dd hh:mm:ss"));
        QCOMPARE(model.itemAt(0)->createDate, QFileInfo(a).metadataChangeTime());
        QCOMPARE(text(model, 0, PlaylistModel::ColumnSize),
                 PlaylistModel::sizeText(QFileInfo(a).size()));
        QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignCenter));
        QVERIFY(!model.data(model.index(0, 0), Qt::ToolTipRole).isValid());

        model.setParsingSuspended(false);
        QTRY_COMPARE(text(model, 0, PlaylistModel::ColumnDuration), QString("00:01:01"));
        QTRY_COMPARE(text(model, 1, PlaylistModel::ColumnResolution), QString("1280 x 720"));
        QCOMPARE(model.codecAt(1), int(CodecH265));
        QCOMPARE(model.frameRateAt(0), 25.0f);
        QCOMPARE(model.durationAt(1), 3);
        // Row 0 announces its whole track by itself; other rows when asked.
        QTRY_COMPARE(all.count(), 1);
        QCOMPARE(all.at(0).at(0).toInt(), 0);
        QCOMPARE(all.at(0).at(1).value<QList<GpsData>>().size(), 62);
        model.requestAllGps(1);
        QTRY_COMPARE(all.count(), 2);
        QCOMPARE(all.at(1).at(1).value<QList<GpsData>>().size(), 4);
        QSignalSpy one(&model, &PlaylistModel::gpsDataChanged);
        model.requestGpsAt(1, 2);
        model.requestGpsAt(1, 4);
        model.requestGpsAt(7, 0);
        QTRY_COMPARE(one.count(), 1);
        QCOMPARE(one.at(0).at(1).value<GpsData>().index, 2);
    }

    void lookupsAndDefaults()
    {
        PlaylistModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setParsingSuspended(true);
        QDir(tmp->path()).mkdir("other");
        QFile(tmp->path() + "/x.mp4").open(QIODevice::WriteOnly);
        QFile(tmp->path() + "/other/x.mp4").open(QIODevice::WriteOnly);
        QFile(tmp->path() + "/y.mp4").open(QIODevice::WriteOnly);
        const QUrl x = QUrl::fromLocalFile(tmp->path() + "/x.mp4");
        const QUrl y = QUrl::fromLocalFile(tmp->path() + "/y.mp4");
        QCOMPARE(model.addUrl(x), 0);
        QCOMPARE(model.addUrl(x), 0);
        QCOMPARE(model.addUrl(QUrl::fromLocalFile(tmp->path() + "/other/x.mp4")), 0);
        QCOMPARE(model.addUrl(y), 1);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.itemAt(0)->url, x);

        QCOMPARE(model.next(x)->rowId, 1);
        QVERIFY(!model.next(y));
        QVERIFY(!model.previous(x));
        QCOMPARE(model.previous(y)->rowId, 0);
        QVERIFY(!model.next(QUrl::fromLocalFile("/nowhere.mp4")));

        QVERIFY(!model.itemAt(-1));
        QVERIFY(!model.itemAt(2));
        PlaylistItem copy;
        QCOMPARE(model.itemAt(1, &copy), &copy);
        QCOMPARE(copy.fileName, QString("y.mp4"));
        QCOMPARE(copy.url, y);
        QCOMPARE(model.codecAt(-1), 1);
        QCOMPARE(model.resolutionAt(-1), QSize(1920, 1080));
        QVERIFY(!model.index(2, 0).isValid());
        QVERIFY(!model.index(0, 5).isValid());
        QVERIFY(!model.index(0, 0, model.index(0, 0)).isValid());

        // A late or stray result for a row that does not exist changes nothing.
        QSignalSpy changed(&model, &PlaylistModel::dataChanged);
        VideoInfo info;
        info.duration = 9;
        model.onVideoInfoChanged(2, info);
        model.onVideoInfoChanged(-1, info);
        QCOMPARE(changed.count(), 0);
        model.onVideoInfoChanged(1, info);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(text(model, 1, PlaylistModel::ColumnDuration), QString("00:00:09"));
        // A directory is never a row.
        bool added = true;
        QCOMPARE(model.addGroupedFile(QFileInfo(tmp->path() + "/other"),
                                      FolderScheme::SchemeLetters, added),
                 -1);
        QVERIFY(!added);
    }

    // A card fills at header speed: every row's facts are read before any track. The track of
    // the row about to play skips the queue, at normal priority, with its facts announced
    // first; the rest is read at background priority, and nothing is read twice.
    void workOrder()
    {
        LoggingReader reader;
        reader.held = true;
        PlaylistModel model;
        model.setRecordingReader(&reader);
        // A failure half-way must not leave the background threads waiting at the gate.
        const auto releaseOnExit = qScopeGuard([&reader] { reader.release(); });
        model.setParsingSuspended(true);
        for (int i = 0; i < 8; ++i)
            model.addRow(QFileInfo(QString("/nonexistent/r%1.MP4").arg(i)));
        QList<int> durationsAtTrack;
        QSignalSpy all(&model, &PlaylistModel::allGpsDataParserFinished);
        connect(&model, &PlaylistModel::allGpsDataParserFinished, this,
                [&](int row) { durationsAtTrack << model.durationAt(row); });

        // Opening a card plays its first row before the background work has begun.
        model.requestAllGps(7);
        QTRY_COMPARE(all.count(), 1);
        QCOMPARE(all[0][0].toInt(), 7);
        QCOMPARE(reader.reads(), QStringList({"f7", "t7"}));

        // The two background threads read the facts, then wait in the first two tracks.
        model.setParsingSuspended(false);
        QTRY_COMPARE(reader.count('t'), 3);
        model.requestAllGps(5);
        QTRY_COMPARE(all.count(), 2);
        QCOMPARE(all[1][0].toInt(), 5);
        reader.release();
        QTRY_COMPARE(reader.count('t'), 8);

        const QStringList reads = reader.reads();
        QCOMPARE(reads.size(), 16);
        const QStringList background = reader.backgroundReads();
        int lastFacts = -1;
        QStringList tracks;
        for (int i = 0; i < reads.size(); ++i) {
            if (reads[i].startsWith('f') && background.contains(reads[i]))
                lastFacts = i;
            if (reads[i].startsWith('t'))
                tracks << reads[i];
        }
        QVERIFY(lastFacts < reads.indexOf("t0"));
        // Two threads take the background tracks, so each pair may come either way round.
        const auto sorted = [&tracks](int from, int n) {
            QStringList part = tracks.mid(from, n);
            part.sort();
            return part;
        };
        QCOMPARE(tracks.first(), QString("t7"));
        QCOMPARE(sorted(1, 2), QStringList({"t0", "t1"}));
        QCOMPARE(tracks.at(3), QString("t5"));
        QCOMPARE(sorted(4, 4), QStringList({"t2", "t3", "t4", "t6"}));
        QStringList expectedBackground = reads;
        for (const char *urgent : {"f7", "t7", "t5"})
            expectedBackground.removeOne(urgent);
        QCOMPARE(background, expectedBackground);
        // Each track reached the model after its row's facts.
        QVERIFY(!durationsAtTrack.contains(0));
    }

    // A row told to use a track file is read again with it, on a pool thread, and its track
    // reaches the window as a queued signal; a row listed again gets the remembered file; an
    // empty name goes back to the recording's own track.
    void trackFileRereadsTheRow()
    {
        TrackFileReader reader;
        PlaylistModel model;
        model.setRecordingReader(&reader);
        model.setTrackFileLookup([](const QString &path, double *offset) {
            *offset = 4;
            return path.endsWith("r1.MP4") ? QString("/phone/remembered.gpx") : QString();
        });
        model.addRow(QFileInfo("/nonexistent/r0.MP4"));
        model.addRow(QFileInfo("/nonexistent/r1.MP4"));
        QCOMPARE(model.trackFileAt(1), QString("/phone/remembered.gpx"));
        QCOMPARE(model.trackFileOffsetAt(1), 4.0);
        QVERIFY(model.trackFileAt(0).isEmpty());

        QList<std::pair<int, GpsData>> tracks;
        QList<bool> onGuiThread;
        connect(&model, &PlaylistModel::allGpsDataParserFinished, this,
                [&](int row, const QList<GpsData> &list) {
                    onGuiThread << (QThread::currentThread() == thread());
                    tracks << std::make_pair(row, list.value(0));
                });
        const auto lastOf = [&tracks](int row) {
            for (int i = tracks.size() - 1; i >= 0; --i) {
                if (tracks[i].first == row)
                    return tracks[i].second.latitude;
            }
            return -99.0;
        };
        model.requestAllGps(1);
        QTRY_COMPARE(lastOf(1), 4.0);
        QCOMPARE(reader.filesRead(), QStringList({"/phone/remembered.gpx"}));

        // Row 0 announces its own track unasked (the first recording of an open waits for it).
        model.requestAllGps(0);
        QTRY_COMPARE(lastOf(0), 10.0);
        model.useTrackFile(0, "/phone/chosen.nmea", -2);
        QTRY_COMPARE(lastOf(0), -2.0);
        model.useTrackFile(0, QString(), 0);
        QTRY_COMPARE(lastOf(0), 10.0);
        QVERIFY(!onGuiThread.contains(false));
    }

    // Nudges while the row is being read: the read under way is stale and never announced;
    // the row is read once more with the last offset.
    void trackFileChangedDuringItsRead()
    {
        TrackFileReader reader;
        reader.held = true;
        PlaylistModel model;
        model.setRecordingReader(&reader);
        const auto releaseOnExit = qScopeGuard([&reader] { reader.gate.release(100); });
        model.setParsingSuspended(true);
        model.addRow(QFileInfo("/nonexistent/r0.MP4"));
        QList<GpsData> announced;
        connect(&model, &PlaylistModel::allGpsDataParserFinished, this,
                [&](int, const QList<GpsData> &list) { announced << list.value(0); });
        model.useTrackFile(0, "/phone/a.gpx", 0);
        QTRY_COMPARE(reader.fileReads.load(), 1);
        model.useTrackFile(0, "/phone/a.gpx", 1);
        model.useTrackFile(0, "/phone/a.gpx", 2);
        reader.held = false;
        reader.gate.release(1);
        QTRY_COMPARE(announced.size(), 1);
        QTest::qWait(100);
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced.first().latitude, 2.0);
        // The stale read, then one more: not one per nudge.
        QCOMPARE(reader.fileReads.load(), 2);
    }

    // Destroying the model while jobs run: the queued jobs are dropped and the running ones
    // finish first, so no parse starts once the model is gone.
    void destructionWhileJobsRun()
    {
        VideoParser::setParseDelayMs(2);
        QStringList files;
        for (int i = 0; i < 12; ++i)
            files << recording(QString("r%1_F.mp4").arg(i), 20);
        const MessageLog log;
        const auto parsesStarted = [&log] {
            int count = 0;
            for (const QString &line : log.lines())
                count += line.startsWith(QLatin1String("run ")) ? 1 : 0;
            return count;
        };
        for (int round = 0; round < 3; ++round) {
            auto model = std::make_unique<PlaylistModel>();
            for (const QString &f : files)
                model->addRow(QFileInfo(f));
            QTest::qWait(round * 15);
            model.reset();
            const int started = parsesStarted();
            QTest::qWait(50);
            QCOMPARE(parsesStarted(), started);
        }
        VideoParser::setParseDelayMs(0);
    }

private:
    std::unique_ptr<QTemporaryDir> tmp;
};

QTEST_GUILESS_MAIN(TestPlaylistModel)
#include "tst_playlistmodel.moc"
