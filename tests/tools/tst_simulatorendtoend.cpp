// Simulator -> parser: every arrangement's recording decodes to the track and the video
// facts that were written.

#include "parser/parserobject.h"
#include "parser/recordingscan.h"
#include "tests/tools/simulatorcheck.h"

#include <QTemporaryDir>
#include <QtTest>

using Simulator::Arrangement;
using Simulator::Container;

Q_DECLARE_METATYPE(Simulator::Arrangement)
Q_DECLARE_METATYPE(Simulator::Container)

class TestSimulatorEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void arrangement_data();
    void arrangement();
    void familyVariants_data();
    void familyVariants();
    void emptyAndTinyTracks();
    void recordText();
    void buildMatchesWrite();
    void rejectsImpossibleRequests();

private:
    QString writeRecording(const Simulator::Recording &recording, const QString &name);
    QTemporaryDir mDir;
};

void TestSimulatorEndToEnd::initTestCase()
{
    QVERIFY(mDir.isValid());
    ParserObject::setParseDelayMs(0);
}

QString TestSimulatorEndToEnd::writeRecording(const Simulator::Recording &recording,
                                              const QString &name)
{
    const QString path = mDir.filePath(name);
    QString error;
    if (!Simulator::write(recording, path, &error))
        qWarning() << "simulator:" << error;
    return path;
}

static QVector<Simulator::Fix> trackFor(Arrangement a, int count, double lat, double lon)
{
    Simulator::TrackShape shape;
    shape.latitude = lat;
    shape.longitude = lon;
    shape.intervalMs = a == Arrangement::JldvAudio ? 500 : 1000;
    shape.seed = quint32(a) + 7;
    QVector<Simulator::Fix> track = Simulator::makeTrack(count, shape);
    // Pass-through fields and extreme G-sensor values must survive the trip too.
    track[2].extraChar1 = 'V';
    track[2].extraChar2 = '#';
    track[2].extraText = "CAM-0042 X";
    track[3].gsensorX = -9.99f;
    track[3].gsensorY = 9.99f;
    track[3].gsensorZ = 0.0f;
    return track;
}

void TestSimulatorEndToEnd::arrangement_data()
{
    QTest::addColumn<Arrangement>("arrangement");
    QTest::addColumn<Container>("container");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    // The four hemisphere pairs are spread over the families.
    QTest::newRow("Ambarella") << Arrangement::AmbarellaTrack << Container::Mp4 << 22.5 << 113.9;
    QTest::newRow("gps box table") << Arrangement::GpsBoxTable << Container::Mov << -33.86 << 151.2;
    QTest::newRow("freeGPS") << Arrangement::FreeGpsAudio << Container::Mp4 << 40.7 << -74.0;
    QTest::newRow("gps0") << Arrangement::Gps0Box << Container::Mp4 << -23.5 << -46.6;
    QTest::newRow("SStar") << Arrangement::SStarTrack << Container::Mov << 51.5 << -0.12;
    QTest::newRow("gps meta") << Arrangement::GpsMetaTrack << Container::Mp4 << 35.68 << 139.7;
    QTest::newRow("GPSL") << Arrangement::AviGpslBlock << Container::Avi << -1.29 << 36.8;
    QTest::newRow("01wb") << Arrangement::AviAudioChunks << Container::Avi << 48.85 << 2.35;
    QTest::newRow("JLDV") << Arrangement::JldvAudio << Container::Mp4 << 31.23 << 121.47;
}

void TestSimulatorEndToEnd::arrangement()
{
    QFETCH(Arrangement, arrangement);
    QFETCH(Container, container);
    QFETCH(double, latitude);
    QFETCH(double, longitude);

    Simulator::Recording recording;
    recording.arrangement = arrangement;
    recording.container = container;
    recording.track = trackFor(arrangement, 14, latitude, longitude);
    recording.duration = arrangement == Arrangement::JldvAudio ? 7 : 12;
    recording.width = 1920;
    recording.height = 1080;
    recording.frameRate = 25;
    recording.codec = Simulator::Codec::H265;
    recording.creationTime = QDateTime(QDate(2023, 11, 2), QTime(17, 4, 33));
    const QString path = writeRecording(recording, Simulator::arrangementName(arrangement) +
                                                       (container == Container::Avi   ? ".AVI"
                                                        : container == Container::Mov ? ".MOV"
                                                                                      : ".MP4"));
    const RecordingScan scan = scanRecording(path);

    QCOMPARE(int(scan.kind), int(arrangement));
    QCOMPARE(scan.info.width, 1920);
    QCOMPARE(scan.info.height, 1080);
    if (container == Container::Avi) {
        // 40000 us x frames: the AVI clock is exact here, and AVI has no rate, codec or time.
        QCOMPARE(scan.info.duration, 12);
        QCOMPARE(scan.info.frameRate, 0.0f);
        QCOMPARE(scan.info.codec, int(CodecUnknown));
        QVERIFY(!scan.info.creationTime.isValid());
    } else {
        QCOMPARE(scan.info.duration, int(recording.duration));
        QCOMPARE(scan.info.frameRate, 25.0f);
        QCOMPARE(scan.info.codec, int(CodecH265));
        QCOMPARE(scan.info.creationTime, recording.creationTime);
    }

    // A table of N slots yields N - 1 records.
    QCOMPARE(scan.rawRecords.size(), recording.track.size() - 1);
    const bool decimal = arrangement == Arrangement::JldvAudio;
    for (int i = SimulatorCheck::firstFilledRecord(arrangement); i < scan.rawRecords.size(); ++i) {
        const QString problem =
            SimulatorCheck::mismatch(scan.rawRecords.at(i), recording.track.at(i), decimal);
        QVERIFY2(problem.isEmpty(),
                 qPrintable(QStringLiteral("record %1: %2").arg(i).arg(problem)));
        QCOMPARE(scan.rawRecords.at(i).index, i);
    }
    if (arrangement == Arrangement::AviAudioChunks)
        QVERIFY(!scan.rawRecords.first().hasPosition());

    // The course follows the drive once two fixes are known.
    const GpsData &moving = scan.rawRecords.at(5);
    QVERIFY(moving.course >= 0 && moving.course <= 360);

    if (arrangement == Arrangement::JldvAudio) {
        QCOMPARE(scan.track.size(), scan.rawRecords.size());
    } else {
        QCOMPARE(scan.track.size(), scan.info.duration + 1);
        QCOMPARE(scan.track.last().index, scan.rawRecords.last().index);
    }
}

void TestSimulatorEndToEnd::familyVariants_data()
{
    QTest::addColumn<Arrangement>("arrangement");
    QTest::addColumn<QString>("handler");
    QTest::addColumn<int>("marker");
    QTest::addColumn<bool>("largeGps0");
    QTest::addColumn<bool>("sound");
    QTest::newRow("SS GPS at chunk start")
        << Arrangement::SStarTrack << "SS GPS" << 65540 << false << false;
    QTest::newRow("SSGPS") << Arrangement::SStarTrack << "SSGPS" << 65540 << false << true;
    QTest::newRow("freeGPS at 131076")
        << Arrangement::FreeGpsAudio << "" << 131076 << false << false;
    QTest::newRow("freeGPS at 262148")
        << Arrangement::FreeGpsAudio << "" << 262148 << false << true;
    QTest::newRow("gps0 with 64-bit size") << Arrangement::Gps0Box << "" << 65540 << true << false;
    QTest::newRow("gps meta beside sound")
        << Arrangement::GpsMetaTrack << "" << 65540 << false << true;
    QTest::newRow("GPSL beside sound") << Arrangement::AviGpslBlock << "" << 65540 << false << true;
}

void TestSimulatorEndToEnd::familyVariants()
{
    QFETCH(Arrangement, arrangement);
    QFETCH(QString, handler);
    QFETCH(int, marker);
    QFETCH(bool, largeGps0);
    QFETCH(bool, sound);

    Simulator::Recording recording;
    recording.arrangement = arrangement;
    recording.track = trackFor(arrangement, 8, 22.5, 113.9);
    recording.handlerName = handler;
    recording.freeGpsMarkerOffset = marker;
    recording.gps0LargeSize = largeGps0;
    recording.soundTrack = sound;
    const RecordingScan scan = scanRecording(writeRecording(
        recording, QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') +
                       (arrangement == Arrangement::AviGpslBlock ? ".avi" : ".mp4")));
    QCOMPARE(int(scan.kind), int(arrangement));
    QCOMPARE(scan.rawRecords.size(), 7);
    for (int i = 0; i < 7; ++i) {
        const QString problem =
            SimulatorCheck::mismatch(scan.rawRecords.at(i), recording.track.at(i), false);
        QVERIFY2(problem.isEmpty(),
                 qPrintable(QStringLiteral("record %1: %2").arg(i).arg(problem)));
    }
}

void TestSimulatorEndToEnd::emptyAndTinyTracks()
{
    // No records at all, one record (a table of one yields nothing), and no GPS family.
    for (const Arrangement a : Simulator::gpsArrangements()) {
        for (int count : {0, 1}) {
            Simulator::Recording recording;
            recording.arrangement = a;
            recording.track = Simulator::makeTrack(count);
            recording.duration = 3;
            recording.frameRate = 25; // 40000 us a frame: the AVI clock stays exact
            const QString name =
                QStringLiteral("tiny%1_%2.%3")
                    .arg(int(a))
                    .arg(count)
                    .arg(Simulator::containerOf(recording) == Container::Avi ? "avi" : "mp4");
            const RecordingScan scan = scanRecording(writeRecording(recording, name));
            // Telemetry streams have no table whose last entry goes unread: one fix is one
            // record.
            const int expected = isTelemetryKind(GpsSourceKind(int(a))) ? count : 0;
            QVERIFY2(scan.rawRecords.size() == expected, qPrintable(name));
            QCOMPARE(scan.info.duration, 3);
        }
    }
    Simulator::Recording none;
    none.arrangement = Arrangement::None;
    none.duration = 5;
    none.soundTrack = true;
    const RecordingScan scan = scanRecording(writeRecording(none, QStringLiteral("none.mp4")));
    QCOMPARE(scan.kind, GpsSourceKind::GpsNone);
    QCOMPARE(scan.info.duration, 5);
    QVERIFY(scan.track.isEmpty());
}

static QByteArray unmasked(QByteArray record)
{
    for (int i = 2; i < record.size(); ++i)
        record[i] = char(quint8(record[i]) ^ Simulator::RecordMask);
    return record;
}

void TestSimulatorEndToEnd::recordText()
{
    Simulator::Fix fix;
    fix.time = QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7));
    fix.latitude = 22.5392;
    fix.longitude = -(113 + 56.1234 / 60);
    fix.speed = 7;
    fix.gsensorX = 0.12f;
    fix.gsensorY = -1.05f;
    fix.gsensorZ = -0.004f; // rounds to zero: no "-000"
    QByteArray text = unmasked(Simulator::encodeRecord(fix, false));
    QCOMPARE(text.size(), Simulator::RecordSize);
    QCOMPARE(text.mid(8, 14), QByteArray("20210304050607"));
    QCOMPARE(text.mid(38, 27), QByteArray("N22323520W113561234") + text.mid(57, 5) + "007");
    QCOMPARE(text.mid(173, 12), QByteArray("+012-105+000"));

    // Rounding the sixth digit carries into the degrees instead of writing 60 minutes.
    fix.latitude = -22.99999999;
    fix.longitude = 8.0000001;
    fix.gsensorX = 12.5f; // beyond the field: clamped to 9.99
    text = unmasked(Simulator::encodeRecord(fix, false));
    QCOMPARE(text.mid(38, 19), QByteArray("S23000000E008000000"));
    QCOMPARE(text.mid(173, 4), QByteArray("+999"));
    text = unmasked(Simulator::encodeRecord(fix, true));
    QCOMPARE(text.mid(38, 19), QByteArray("S23000000E008000000"));
    fix.latitude = 22.32352;
    QCOMPARE(unmasked(Simulator::encodeRecord(fix, true)).mid(38, 9), QByteArray("N22323520"));
}

void TestSimulatorEndToEnd::buildMatchesWrite()
{
    Simulator::Recording recording;
    recording.arrangement = Arrangement::FreeGpsAudio;
    recording.track = Simulator::makeTrack(4);
    const QString path = writeRecording(recording, QStringLiteral("same.mp4"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The file is written with holes for the silence; the bytes must still be identical.
    QCOMPARE(file.readAll(), Simulator::build(recording));
}

void TestSimulatorEndToEnd::rejectsImpossibleRequests()
{
    Simulator::Recording recording;
    recording.arrangement = Arrangement::AviGpslBlock;
    recording.container = Container::Mp4;
    QString error;
    QVERIFY(Simulator::build(recording, &error).isEmpty());
    QVERIFY(!error.isEmpty());

    recording = Simulator::Recording();
    recording.frameRate = 0;
    QVERIFY(!Simulator::write(recording, mDir.filePath(QStringLiteral("zero-rate.mp4")), &error));
    QVERIFY(!QFile::exists(mDir.filePath(QStringLiteral("zero-rate.mp4"))));

    recording = Simulator::Recording();
    recording.arrangement = Arrangement::FreeGpsAudio;
    recording.freeGpsMarkerOffset = 1000;
    QVERIFY(Simulator::build(recording, &error).isEmpty());
}

QTEST_GUILESS_MAIN(TestSimulatorEndToEnd)
#include "tst_simulatorendtoend.moc"
