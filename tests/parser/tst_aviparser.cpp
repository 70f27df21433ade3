#include "fixtures.h"
#include "messagelog.h"
#include "parser/aviparser.h"
#include "parser/recordingscan.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace Fixture;

namespace {
QByteArray speedRecord(int speed)
{
    Fix fix;
    fix.speed = QByteArray::number(speed).rightJustified(3, '0');
    return record(fix);
}

QByteArray header(quint32 frames = 1800, int avihSize = 56)
{
    return list("hdrl", avih(33333, frames, 1920, 1080, avihSize));
}

// The camera's audio chunk: the record 65530 bytes into the data; never padded.
QByteArray audioChunk(int speed, int extra = 0)
{
    const QByteArray data = QByteArray(65530, '\0') + speedRecord(speed) + QByteArray(extra, '\0');
    return QByteArray("01wb") + le32(quint32(data.size())) + data;
}

QList<int> speeds(const QList<GpsData> &track)
{
    QList<int> list;
    for (const GpsData &d : track)
        list << d.speed;
    return list;
}

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int i = from; i <= to; ++i)
        list << i;
    return list;
}
} // namespace

class TestAviParser : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    int mFiles = 0;

    QString file(const QByteArray &bytes)
    {
        return write(mDir, QString("f%1.AVI").arg(mFiles++), bytes);
    }

private slots:
    void initTestCase()
    {
        ParserObject::setParseDelayMs(0);
        QVERIFY(mDir.isValid());
    }

    void mainHeaderFacts_data()
    {
        QTest::addColumn<int>("avihSize");
        QTest::newRow("56 bytes") << 56;
        QTest::newRow("longer than 56") << 64;
    }

    void mainHeaderFacts()
    {
        QFETCH(int, avihSize);
        const RecordingScan scan =
            scanRecording(file(riff(header(1800, avihSize) + list("movi", QByteArray()))));
        QCOMPARE(scan.info.duration, 59);
        QCOMPARE(scan.info.width, 1920);
        QCOMPARE(scan.info.height, 1080);
        QCOMPARE(scan.info.frameRate, 0.0f);
        QCOMPARE(scan.info.codec, qint32(CodecUnknown));
        QVERIFY(!scan.info.creationTime.isValid());
        QCOMPARE(scan.kind, GpsSourceKind::GpsNone);
    }

    void notAnAvi_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray body = header() + list("movi", audioChunk(1) + audioChunk(2));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("wave") << QByteArray(riff(body)).replace(8, 4, "WAVE");
        QTest::newRow("size 0") << QByteArray(riff(body)).replace(4, 4, le32(0));
        QTest::newRow("RIFX") << QByteArray(riff(body)).replace(0, 4, "RIFX");
    }

    void notAnAvi()
    {
        QFETCH(QByteArray, bytes);
        const RecordingScan scan = scanRecording(file(bytes));
        QCOMPARE(scan.kind, GpsSourceKind::GpsNone);
        QCOMPARE(scan.info.duration, 0);
        QCOMPARE(scan.info.width, 0);
    }

    void gpslBlock()
    {
        QByteArray bytes = riff(header() + list("movi", audioChunk(1) + audioChunk(2)));
        const quint32 block = quint32(bytes.size());
        bytes += "GPSL" + be32(61);
        for (int i = 0; i < 61; ++i)
            bytes += speedRecord(i);
        bytes += be32(block);
        const RecordingScan scan = scanRecording(file(bytes));
        QCOMPARE(scan.kind, GpsSourceKind::AviGpslBlock);
        QCOMPARE(speeds(scan.rawRecords), range(0, 59));
        // A 59-second file: 60 records, one per second 0..59.
        QCOMPARE(scan.track.size(), 60);
    }

    void audioChunks()
    {
        MessageLog log;
        QByteArray movie;
        for (int i = 1; i <= 61; ++i)
            movie += chunk("00dc", QByteArray(101, 'v')) + audioChunk(i);
        const QString path = file(riff(header() + list("movi", movie)));
        AVIParser parser(path);
        QCOMPARE(parser.kind(), GpsSourceKind::AviAudioChunks);
        QCOMPARE(parser.recordCount(), 61);
        const QList<GpsData> track = decodeTrack(parser);
        QCOMPARE(track.size(), 60);
        // Record 0 has no chunk: an empty record with three G-sensor complaints.
        QCOMPARE(track[0].latitude, 0.0);
        QCOMPARE(track[0].speed, 0);
        QCOMPARE(log.count("gsensor data error"), 3);
        QCOMPARE(speeds(track).mid(1), range(1, 59));
        QCOMPARE(track[59].index, 59);
    }

    // An odd "01wb" chunk is stepped over by exactly 8 + size, any other odd chunk by one
    // byte more; misreading either loses every later record.
    void oddChunkSizes()
    {
        QByteArray movie;
        for (int i = 1; i <= 4; ++i)
            movie += chunk("00dc", QByteArray(7, 'v')) + audioChunk(i, 1);
        const RecordingScan scan = scanRecording(file(riff(header() + list("movi", movie))));
        QCOMPARE(scan.kind, GpsSourceKind::AviAudioChunks);
        QCOMPARE(speeds(scan.rawRecords).mid(1), range(1, 2));
    }

    // ffmpeg puts "movi" 2 bytes off a multiple of 4; a 4-byte search never sees it.
    void movieListTwoBytesOffAlignment()
    {
        const QByteArray body = header() + chunk("JUNK", QByteArray(2, '\0')) +
                                list("movi", audioChunk(1) + audioChunk(2) + audioChunk(3));
        const QByteArray bytes = riff(body);
        QCOMPARE(bytes.indexOf("movi") % 4, 2);
        AVIParser parser(file(bytes));
        QCOMPARE(parser.kind(), GpsSourceKind::AviAudioChunks);
        QCOMPARE(parser.recordCount(), 3);
    }

    void ffmpegAvi()
    {
        const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
        if (ffmpeg.isEmpty())
            QSKIP("ffmpeg is not installed");
        const QString path = mDir.filePath("ffmpeg.avi");
        QProcess process;
        process.start(ffmpeg, {"-v", "error", "-y", "-f", "lavfi", "-i",
                               "testsrc=size=320x240:rate=10:duration=3", "-f", "lavfi", "-i",
                               "sine=duration=3", "-c:v", "mjpeg", "-c:a", "pcm_s16le", path});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        AVIParser parser(path);
        QCOMPARE(parser.width(), 320);
        QCOMPARE(parser.height(), 240);
        QCOMPARE(parser.duration(), 3);
        QCOMPARE(parser.kind(), GpsSourceKind::AviAudioChunks);
        QVERIFY(parser.recordCount() > 0);
    }

    void damagedFilesEndPromptly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        const QByteArray hdr = header();
        QTest::newRow("chunk size wraps 32 bits")
            << riff(hdr + list("movi", audioChunk(1) + QByteArray("00dc") + le32(0xFFFFFFFF) +
                                           audioChunk(2)))
            << int(GpsSourceKind::AviAudioChunks);
        QByteArray huge = riff(hdr + list("movi", audioChunk(1)));
        huge.replace(huge.indexOf("movi") - 4, 4, le32(0xFFFFFFF0));
        QTest::newRow("movie list past the end") << huge << int(GpsSourceKind::AviAudioChunks);
        QByteArray farBlock = riff(hdr + list("movi", QByteArray())) + be32(0x7FFFFFFF);
        QTest::newRow("GPSL offset past the end") << farBlock << int(GpsSourceKind::GpsNone);
        QByteArray block = riff(hdr);
        const quint32 at = quint32(block.size());
        block += "GPSL" + be32(0xFFFFFFFF) + speedRecord(1) + be32(at);
        QTest::newRow("GPSL count past the end") << block << int(GpsSourceKind::AviGpslBlock);
        QTest::newRow("no header list") << riff(QByteArray(5000, 'x') + list("movi", audioChunk(1)))
                                        << int(GpsSourceKind::AviAudioChunks);
    }

    void damagedFilesEndPromptly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        const RecordingScan scan = scanRecording(file(bytes));
        QCOMPARE(int(scan.kind), kind);
        QVERIFY(scan.rawRecords.size() <= 2);
    }
};

QTEST_GUILESS_MAIN(TestAviParser)
#include "tst_aviparser.moc"
