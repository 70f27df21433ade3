// Damaged recordings of every arrangement: cut short at every length, and mutated where the
// structure lives. Each must be read promptly, without a fault, and never yield more than
// the intact file holds.

#include "parser/aviparser.h"
#include "parser/mp4parser.h"
#include "parser/parserobject.h"
#include "parser/recordingscan.h"
#include "tools/simulator/recordingsimulator.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {
constexpr qint64 SlowScanMs = 2000;

QList<Simulator::Arrangement> allArrangements()
{
    return QList<Simulator::Arrangement>{Simulator::Arrangement::None} +
           Simulator::gpsArrangements();
}

QByteArray smallRecording(Simulator::Arrangement arrangement)
{
    Simulator::Recording r;
    r.arrangement = arrangement;
    // FreeGpsAudio and AviAudioChunks carry 64 KiB per record: keep those short.
    const bool bulky = arrangement == Simulator::Arrangement::FreeGpsAudio ||
                       arrangement == Simulator::Arrangement::AviAudioChunks;
    r.track = Simulator::makeTrack(bulky ? 3 : 6);
    r.soundTrack = arrangement == Simulator::Arrangement::AmbarellaTrack;
    QString error;
    const QByteArray bytes = Simulator::build(r, &error);
    if (bytes.isEmpty())
        qWarning() << "simulator:" << error;
    return bytes;
}

QString suffixOf(Simulator::Arrangement arrangement)
{
    Simulator::Recording r;
    r.arrangement = arrangement;
    return Simulator::containerOf(r) == Simulator::Container::Avi ? ".AVI" : ".mp4";
}

// Offsets of the four-character codes that carry the structure of both containers.
QList<int> structureOffsets(const QByteArray &bytes)
{
    static const char *const tags[] = {"moov", "mvhd", "trak", "tkhd", "mdia",    "hdlr", "minf",
                                       "stbl", "stsd", "stco", "stsz", "gps ",    "gps0", "mdat",
                                       "free", "avc1", "hvc1", "RIFF", "LIST",    "hdrl", "avih",
                                       "movi", "01wb", "00dc", "GPSL", "freeGPS", "JLDV"};
    QList<int> offsets;
    for (const char *tag : tags) {
        for (int at = bytes.indexOf(tag); at >= 0; at = bytes.indexOf(tag, at + 1))
            offsets << at;
    }
    return offsets;
}
} // namespace

class TestParserRobustness : public QObject
{
    Q_OBJECT

private:
    // Thousands of small writes: keep them in memory where the system allows.
    QTemporaryDir mDir{QDir("/dev/shm").exists() ? "/dev/shm/waylume-parser-XXXXXX"
                                                 : QDir::tempPath() + "/waylume-parser-XXXXXX"};

    // Scans and checks the general promises; returns the number of decoded records.
    int scanChecked(const QString &path, int intactRecords, const QString &what)
    {
        QElapsedTimer timer;
        timer.start();
        const RecordingScan scan = scanRecording(path);
        const qint64 elapsed = timer.elapsed();
        if (elapsed > SlowScanMs)
            qWarning() << what << "took" << elapsed << "ms";
        [&] {
            QVERIFY2(elapsed <= SlowScanMs, qPrintable(what));
            QVERIFY2(scan.track.size() <= ParserObject::MaxRecords, qPrintable(what));
            QVERIFY2(scan.info.duration >= 0, qPrintable(what));
            if (intactRecords >= 0)
                QVERIFY2(scan.rawRecords.size() <= intactRecords, qPrintable(what));
        }();
        return scan.rawRecords.size();
    }

    // The file is read in cached blocks, memory directly: both must give the same facts and
    // records, byte for byte, however damaged the recording.
    void compareWithMemory(const QString &path, const QByteArray &bytes, const QString &what)
    {
        const RecordingScan fromFile = scanRecording(path);
        auto source = std::make_unique<MemoryByteSource>(bytes);
        std::unique_ptr<ParserObject> reader;
        if (path.endsWith(".AVI"))
            reader = std::make_unique<AVIParser>(std::move(source));
        else
            reader = std::make_unique<Mp4Parser>(std::move(source));
        const VideoInfo info = videoInfoOf(*reader);
        const QList<GpsData> records = decodeTrack(*reader);
        QVERIFY2(reader->kind() == fromFile.kind, qPrintable(what));
        QVERIFY2(info.width == fromFile.info.width && info.height == fromFile.info.height &&
                     info.duration == fromFile.info.duration && info.codec == fromFile.info.codec &&
                     info.creationTime == fromFile.info.creationTime &&
                     qFuzzyCompare(info.frameRate + 1, fromFile.info.frameRate + 1),
                 qPrintable(what));
        QVERIFY2(records.size() == fromFile.rawRecords.size(), qPrintable(what));
        for (int i = 0; i < records.size(); ++i) {
            QVERIFY2(std::memcmp(&records.at(i), &fromFile.rawRecords.at(i), sizeof(GpsData)) == 0,
                     qPrintable(QString("%1, record %2").arg(what).arg(i)));
        }
    }

private slots:
    void initTestCase()
    {
        ParserObject::setParseDelayMs(0);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        QVERIFY(mDir.isValid());
    }

    void everyTruncation_data()
    {
        QTest::addColumn<int>("arrangement");
        for (Simulator::Arrangement a : allArrangements())
            QTest::newRow(qPrintable(Simulator::arrangementName(a))) << int(a);
    }

    // Every length near the start and the end, where headers, tables and records live,
    // and a stride through the bulk in between.
    void everyTruncation()
    {
        QFETCH(int, arrangement);
        const auto a = Simulator::Arrangement(arrangement);
        const QByteArray bytes = smallRecording(a);
        QVERIFY(!bytes.isEmpty());
        const QString path = mDir.filePath("cut" + suffixOf(a));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        }
        const RecordingScan intact = scanRecording(path);
        QCOMPARE(int(intact.kind), arrangement);
        if (a != Simulator::Arrangement::None)
            QVERIFY(!intact.rawRecords.isEmpty());
        const int size = bytes.size();
        constexpr int Edge = 12 * 1024;
        for (int length = size - 1; length >= 0; --length) {
            if (length > Edge && length < size - Edge && length % 37 != 0)
                continue;
            QVERIFY(QFile::resize(path, length));
            scanChecked(path, intact.rawRecords.size(), QString("length %1").arg(length));
            if (length % 7 == 0)
                compareWithMemory(path, bytes.left(length), QString("length %1").arg(length));
            if (QTest::currentTestFailed())
                return;
        }
    }

    void seededMutations_data() { everyTruncation_data(); }

    void seededMutations()
    {
        QFETCH(int, arrangement);
        const auto a = Simulator::Arrangement(arrangement);
        const QByteArray intact = smallRecording(a);
        const QList<int> spots = structureOffsets(intact);
        QVERIFY(!spots.isEmpty());
        QRandomGenerator random(quint32(arrangement) * 7919u + 1u);
        const QString path = mDir.filePath("mutated" + suffixOf(a));
        static const quint32 values[] = {0,          1,          7,          8,          15,
                                         16,         0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFF8,
                                         0x00010000, 65530,      312,        311};
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes = intact;
            const int edits = 1 + int(random.bounded(4));
            for (int e = 0; e < edits; ++e) {
                // Mostly the size or count fields around a structure code.
                int at = spots[int(random.bounded(spots.size()))] + int(random.bounded(24)) - 8;
                if (random.bounded(4) == 0)
                    at = int(random.bounded(bytes.size()));
                at = qBound(0, at, bytes.size() - 4);
                if (random.bounded(2) == 0) {
                    quint32 value = values[random.bounded(int(std::size(values)))];
                    if (random.bounded(3) == 0)
                        value = random.generate();
                    qToBigEndian(value, bytes.data() + at);
                } else {
                    bytes[at] = char(random.bounded(256));
                }
            }
            if (random.bounded(8) == 0)
                bytes.truncate(int(random.bounded(bytes.size())));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
            scanChecked(path, -1, QString("round %1").arg(round));
            compareWithMemory(path, bytes, QString("round %1").arg(round));
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_GUILESS_MAIN(TestParserRobustness)
#include "tst_parserrobustness.moc"
