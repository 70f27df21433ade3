#include "fixtures.h"
#include "messagelog.h"
#include "parser/mp4parser.h"
#include "parser/recordingscan.h"

#include <QtTest>

using namespace Fixture;

namespace {
Fix fixWithSpeed(int speed)
{
    Fix fix;
    fix.speed = QByteArray::number(speed).rightJustified(3, '0');
    return fix;
}

QList<QByteArray> records(int count)
{
    QList<QByteArray> list;
    for (int i = 0; i < count; ++i)
        list << record(fixWithSpeed(i));
    return list;
}

QList<int> speeds(const QList<GpsData> &track)
{
    QList<int> list;
    for (const GpsData &d : track)
        list << d.speed;
    return list;
}
} // namespace

class TestMp4Parser : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;
    int mFiles = 0;

    QString file(const QByteArray &bytes, const char *suffix = ".mp4")
    {
        return write(mDir, QString("f%1%2").arg(mFiles++).arg(suffix), bytes);
    }

    // One metadata-style track whose chunks each hold one record `skip` bytes in.
    QByteArray trackFile(const char *handlerType, const QByteArray &name, int skip, int count)
    {
        QList<QByteArray> chunks;
        for (const QByteArray &r : records(count))
            chunks << QByteArray(skip, '\0') + r;
        return mp4WithChunks(chunks, [&](const QList<quint32> &offsets) {
            return box("moov", mvhd(1000, 60000) + trak(handlerType, name, stco(offsets)));
        });
    }

private slots:
    void initTestCase()
    {
        ParserObject::setParseDelayMs(0);
        QVERIFY(mDir.isValid());
    }

    void zeroSizeBoxesAreEightByteHeaders()
    {
        const QString path = file(QByteArray(24, '\0') + box("moov", mvhd(1000, 61500)));
        Mp4Parser parser(path);
        QCOMPARE(parser.duration(), 61);
    }

    void gps0WithSixtyFourBitSize()
    {
        QByteArray payload;
        for (const QByteArray &r : records(4))
            payload += r.left(311);
        const QByteArray bytes = box("ftyp", "isom" + be32(0)) + box64("gps0", payload);
        Mp4Parser parser(file(bytes));
        QCOMPARE(parser.kind(), GpsSourceKind::Gps0Box);
        // (64-bit size - 8) / 311, as the cameras' readers have always counted it.
        QCOMPARE(parser.recordCount(), (payload.size() + 16 - 8) / 311);
        QCOMPARE(parser.tableOffset(), qint64(16 + 16));
        QCOMPARE(speeds(decodeTrack(parser)), QList<int>({0, 1, 2}));
    }

    void widestVideoTrackWins_data()
    {
        QTest::addColumn<int>("firstWidth");
        QTest::addColumn<int>("firstHeight");
        QTest::addColumn<int>("secondWidth");
        QTest::addColumn<int>("secondHeight");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("wide first") << 1920 << 1080 << 1280 << 720 << 1920 << 1080;
        QTest::newRow("wide second") << 1280 << 720 << 1920 << 1080 << 1920 << 1080;
        QTest::newRow("tie keeps first") << 1280 << 720 << 1280 << 960 << 1280 << 720;
    }

    void widestVideoTrackWins()
    {
        QFETCH(int, firstWidth);
        QFETCH(int, firstHeight);
        QFETCH(int, secondWidth);
        QFETCH(int, secondHeight);
        QFETCH(int, width);
        QFETCH(int, height);
        const QByteArray moov =
            box("moov", mvhd(1000, 10000) +
                            trak("vide", "Video", stsd("avc1"), firstWidth, firstHeight) +
                            trak("vide", "Video", stsd("avc1"), secondWidth, secondHeight) +
                            trak("soun", "Sound", QByteArray(), 4000, 4000));
        Mp4Parser parser(file(box("ftyp", "isom" + be32(0)) + moov));
        QCOMPARE(parser.width(), width);
        QCOMPARE(parser.height(), height);
    }

    void quickTimeManufacturerCodeIsNoVideo()
    {
        const QByteArray reserved = QByteArray("appl") + QByteArray(8, '\0');
        const QByteArray moov =
            box("moov", mvhd(600, 6000) +
                            trak("vide", "Apple Video", stsd("avc1"), 1920, 1080, 0, reserved));
        Mp4Parser parser(file(moov, ".mov"));
        QCOMPARE(parser.width(), 0);
        QCOMPARE(parser.duration(), 10);
    }

    void videoFacts()
    {
        const quint32 created = 3800000000u;
        const QByteArray moov =
            box("moov", mvhd(1000, 60000) + trak("vide", "VideoHandler", stsd("hvc1") + stsz(1800),
                                                 2560, 1440, created));
        Mp4Parser parser(file(moov));
        QCOMPARE(parser.width(), 2560);
        QCOMPARE(parser.height(), 1440);
        QCOMPARE(parser.duration(), 60);
        QCOMPARE(parser.frameRate(), 30.0f);
        QCOMPARE(parser.codec(), qint32(CodecH265));
        QCOMPARE(parser.creationTime(),
                 QDateTime(QDate(1904, 1, 1), QTime(0, 0), Qt::LocalTime).addSecs(created));

        Mp4Parser longOne(file(box("moov", mvhd(600, 1800000))));
        QCOMPARE(longOne.duration(), 3000);
        QCOMPARE(longOne.codec(), qint32(CodecUnknown));
        QVERIFY(!longOne.creationTime().isValid());

        // 1001 samples in 33.4 s: 29.97..., kept to one decimal.
        Mp4Parser ntsc(file(box(
            "moov", mvhd(1000, 33400) + trak("vide", "V", stsd("avc1") + stsz(1001), 640, 480))));
        QCOMPARE(ntsc.frameRate(), 30.0f);
    }

    void frameRateIsZeroWithoutMovieDuration()
    {
        const QByteArray moov =
            box("moov", mvhd(1000, 0) + trak("vide", "V", stsd("avc1") + stsz(1800), 1920, 1080));
        Mp4Parser parser(file(moov));
        QCOMPARE(parser.width(), 1920);
        QCOMPARE(parser.frameRate(), 0.0f);
        QCOMPARE(parser.duration(), 0);
    }

    // Where each arrangement's record sits relative to its table entry.
    void recordPlacement_data()
    {
        QTest::addColumn<QByteArray>("handlerType");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("skip");
        QTest::addColumn<int>("kind");
        QTest::newRow("Ambarella") << QByteArray("vide") << QByteArray("Ambarella EXT") << 2
                                   << int(GpsSourceKind::AmbarellaTrack);
        QTest::newRow("SS GPS at chunk start")
            << QByteArray("meta") << QByteArray("SS GPS") << 0 << int(GpsSourceKind::SStarTrack);
        QTest::newRow("SStarMeta two bytes in") << QByteArray("meta") << QByteArray("SStarMeta GPS")
                                                << 2 << int(GpsSourceKind::SStarTrack);
        QTest::newRow("ss gps lower case")
            << QByteArray("META") << QByteArray("ss gps") << 2 << int(GpsSourceKind::SStarTrack);
        QTest::newRow("gps metadata") << QByteArray("meta") << QByteArray("Cam GPS data") << 0
                                      << int(GpsSourceKind::GpsMetaTrack);
    }

    void recordPlacement()
    {
        QFETCH(QByteArray, handlerType);
        QFETCH(QByteArray, name);
        QFETCH(int, skip);
        QFETCH(int, kind);
        Mp4Parser parser(file(trackFile(handlerType.constData(), name, skip, 5)));
        QCOMPARE(int(parser.kind()), kind);
        QCOMPARE(parser.recordCount(), 5);
        QCOMPARE(speeds(decodeTrack(parser)), QList<int>({0, 1, 2, 3}));
    }

    void gpsOnlyInMetadataTracks()
    {
        Mp4Parser parser(file(trackFile("soun", "SS GPS", 0, 3)));
        QCOMPARE(parser.kind(), GpsSourceKind::GpsNone);
    }

    void gpsBoxTable()
    {
        QList<QByteArray> chunks;
        for (const QByteArray &r : records(4))
            chunks << QByteArray(18, '\0') + r;
        const QByteArray bytes = mp4WithChunks(chunks, [](const QList<quint32> &offsets) {
            QByteArray table = be32(0) + be32(quint32(offsets.size()));
            for (quint32 o : offsets)
                table += be32(o) + be32(0xDEADBEEF);
            return box("moov", mvhd(1000, 4000) + box("gps ", table));
        });
        Mp4Parser parser(file(bytes));
        QCOMPARE(parser.kind(), GpsSourceKind::GpsBoxTable);
        QCOMPARE(speeds(decodeTrack(parser)), QList<int>({0, 1, 2}));
    }

    void ambarellaThenFreeGpsSound()
    {
        QList<QByteArray> chunks;
        const QList<QByteArray> recs = records(3);
        for (const QByteArray &r : recs)
            chunks << QByteArray(131076, '\0') + QByteArray("freeGPS ") + QByteArray(6, '\0') + r;
        chunks << r_ambarella();
        const QByteArray bytes = mp4WithChunks(chunks, [](const QList<quint32> &offsets) {
            const QList<quint32> sound = offsets.mid(0, 3);
            return box("moov", mvhd(1000, 3000) +
                                   trak("meta", "Ambarella EXT", stco({offsets.last()})) +
                                   trak("soun", "SoundHandler", stco(sound)));
        });
        Mp4Parser parser(file(bytes));
        QCOMPARE(parser.kind(), GpsSourceKind::FreeGpsAudio);
        QCOMPARE(parser.markerOffset(), 131076);
        QCOMPARE(parser.recordCount(), 3);
        QCOMPARE(speeds(decodeTrack(parser)), QList<int>({0, 1}));
    }

    void jldvTaggedRecording()
    {
        const QList<QByteArray> recs = records(5);
        Mp4Parser parser(file(jldvFile(recs)));
        QCOMPARE(parser.kind(), GpsSourceKind::JldvAudio);
        const QList<GpsData> track = decodeTrack(parser);
        QCOMPARE(track.size(), recs.size() - 1);
        // Record 0 comes from wherever the table's entry count points; the rest are real.
        QCOMPARE(speeds(track).mid(1), QList<int>({1, 2, 3}));
        QVERIFY(qAbs(track[1].latitude - 22.32352) < 1e-9);
        QVERIFY(qAbs(track[1].longitude - 113.561234) < 1e-9);

        Mp4Parser silent(file(jldvFile(recs, false)));
        QCOMPARE(silent.kind(), GpsSourceKind::JldvAudio);
        QCOMPARE(silent.recordCount(), 0);
        QVERIFY(decodeTrack(silent).isEmpty());

        Mp4Parser untagged(file(jldvFile(recs).replace("JLDV", "JLDX")));
        QCOMPARE(untagged.kind(), GpsSourceKind::GpsNone);
    }

    // Damaged sizes: each file must be read promptly, keeping what came before the damage.
    void damagedSizes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("duration");
        const QByteArray movie = box("moov", mvhd(1000, 7000));
        QTest::newRow("huge nested parent")
            << movie + be32(0xFFFFFFF0) + QByteArray("moov") + QByteArray(64, '\0') << 7;
        QTest::newRow("huge 64-bit parent")
            << movie + be32(1) + QByteArray("moov") + be64(~0ull >> 1) + QByteArray(64, '\0') << 7;
        QTest::newRow("huge child in trak")
            << movie + box("moov", box("trak", be32(0xFFFFFFFF) + QByteArray("mdia"))) << 7;
        QTest::newRow("size below header") << movie + be32(4) + QByteArray("free") + movie << 7;
        QTest::newRow("64-bit size below 16")
            << movie + be32(1) + QByteArray("free") + be64(9) + box("moov", mvhd(1, 99)) << 7;
        QTest::newRow("truncated movie box") << box("moov", mvhd(1000, 9000)).left(40) << 9;
        QTest::newRow("truncated in movie header") << box("moov", mvhd(1000, 9000)).left(30) << 0;
        QTest::newRow("hdlr shorter than 32")
            << box("moov",
                   mvhd(1000, 7000) + box("trak", box("mdia", box("hdlr", QByteArray(8, 'x')))))
            << 7;
        QTest::newRow("movie duration overflow") << box("moov", mvhd(1, 0xFFFFFFFF)) << INT_MAX;
    }

    void damagedSizes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, duration);
        const RecordingScan scan = scanRecording(file(bytes));
        QCOMPARE(scan.info.duration, duration);
    }

    // A count from the file that the file cannot hold: records stop at the end of the file.
    void countsBeyondTheFileStopAtItsEnd()
    {
        QByteArray bytes = trackFile("meta", "gps", 0, 3);
        // Announce a million chunks in the table, which the file ends right after.
        const int at = bytes.indexOf("stco") + 8;
        bytes.replace(at, 4, be32(1000000));
        Mp4Parser table(file(bytes));
        QCOMPARE(table.recordCount(), 1000000);
        QCOMPARE(decodeTrack(table).size(), 3);

        QByteArray gps0 = gps0File(records(3));
        gps0.replace(gps0.indexOf("gps0") - 4, 4, be32(0xFFFFFFF0));
        Mp4Parser boxed(file(gps0));
        QCOMPARE(decodeTrack(boxed).size(), 3);
    }

    void missingFile()
    {
        MessageLog log;
        const QString path = mDir.filePath("nowhere.mp4");
        const RecordingScan scan = scanRecording(path);
        QCOMPARE(scan.kind, GpsSourceKind::GpsNone);
        QCOMPARE(scan.info.width, 0);
        QCOMPARE(scan.info.duration, 0);
        QVERIFY(!scan.info.creationTime.isValid());
        QVERIFY(scan.track.isEmpty());
        QCOMPARE(log.count("Mp4Parser open file error, file: \"" + path + "\""), 1);
    }

private:
    static QByteArray r_ambarella() { return QByteArray(2, '\0') + record(fixWithSpeed(77)); }
};

QTEST_GUILESS_MAIN(TestMp4Parser)
#include "tst_mp4parser.moc"
