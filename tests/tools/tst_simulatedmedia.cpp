// Simulated recordings around real ffmpeg video are valid media: ffprobe reads the streams
// the simulator meant to write, ffmpeg decodes them without complaint, and the parser still
// finds the GPS track among them.

#include "parser/parserobject.h"
#include "parser/recordingscan.h"
#include "tests/tools/simulatorcheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using Simulator::Arrangement;
using Simulator::Codec;
using Simulator::Container;

Q_DECLARE_METATYPE(Simulator::Arrangement)
Q_DECLARE_METATYPE(Simulator::Container)
Q_DECLARE_METATYPE(Simulator::Codec)

namespace {

bool run(const QString &program, const QStringList &args, QByteArray *out, QByteArray *err)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return false;
    *out = process.readAllStandardOutput();
    *err = process.readAllStandardError();
    return process.exitCode() == 0;
}

} // namespace

class TestSimulatedMedia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsAndParses_data();
    void playsAndParses();

private:
    QTemporaryDir mDir;
};

void TestSimulatedMedia::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty())
        QSKIP("ffmpeg and ffprobe are needed for real video");
    QVERIFY(mDir.isValid());
    ParserObject::setParseDelayMs(0);
}

void TestSimulatedMedia::playsAndParses_data()
{
    QTest::addColumn<Arrangement>("arrangement");
    QTest::addColumn<Container>("container");
    QTest::addColumn<Codec>("codec");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<int>("audioStreams");
    QTest::addColumn<int>("dataStreams");
    QTest::newRow("Ambarella mp4 h264")
        << Arrangement::AmbarellaTrack << Container::Mp4 << Codec::H264 << false << 0 << 1;
    QTest::newRow("gps box mov h265")
        << Arrangement::GpsBoxTable << Container::Mov << Codec::H265 << true << 1 << 0;
    QTest::newRow("freeGPS mp4 h264")
        << Arrangement::FreeGpsAudio << Container::Mp4 << Codec::H264 << false << 1 << 0;
    QTest::newRow("gps0 mp4 h265")
        << Arrangement::Gps0Box << Container::Mp4 << Codec::H265 << false << 0 << 0;
    QTest::newRow("SStar mov h264")
        << Arrangement::SStarTrack << Container::Mov << Codec::H264 << true << 1 << 1;
    QTest::newRow("gps meta mp4 h265")
        << Arrangement::GpsMetaTrack << Container::Mp4 << Codec::H265 << false << 0 << 1;
    QTest::newRow("GPSL avi h264")
        << Arrangement::AviGpslBlock << Container::Avi << Codec::H264 << true << 1 << 0;
    QTest::newRow("01wb avi h265")
        << Arrangement::AviAudioChunks << Container::Avi << Codec::H265 << false << 1 << 0;
    QTest::newRow("JLDV mov h264")
        << Arrangement::JldvAudio << Container::Mov << Codec::H264 << false << 1 << 0;
}

void TestSimulatedMedia::playsAndParses()
{
    QFETCH(Arrangement, arrangement);
    QFETCH(Container, container);
    QFETCH(Codec, codec);
    QFETCH(bool, sound);
    QFETCH(int, audioStreams);
    QFETCH(int, dataStreams);

    Simulator::Recording recording;
    recording.arrangement = arrangement;
    recording.container = container;
    recording.codec = codec;
    recording.soundTrack = sound;
    recording.realVideo = true;
    recording.width = 320;
    recording.height = 240;
    recording.frameRate = 25;
    recording.duration = 3;
    recording.creationTime = QDateTime(QDate(2022, 7, 1), QTime(6, 0, 0));
    Simulator::TrackShape shape;
    shape.intervalMs = arrangement == Arrangement::JldvAudio ? 500 : 1000;
    recording.track = Simulator::makeTrack(arrangement == Arrangement::JldvAudio ? 6 : 3, shape);
    const QString path = mDir.filePath(QStringLiteral("clip%1.%2")
                                           .arg(QTest::currentDataTag() ? int(arrangement) : 0)
                                           .arg(container == Container::Avi   ? "avi"
                                                : container == Container::Mov ? "mov"
                                                                              : "mp4"));
    QString error;
    QVERIFY2(Simulator::write(recording, path, &error), qPrintable(error));

    QByteArray out;
    QByteArray err;
    QVERIFY2(run(QStringLiteral("ffprobe"),
                 {"-v", "error", "-show_format", "-show_streams", "-of", "json", path}, &out, &err),
             err.constData());
    QVERIFY2(err.isEmpty(), err.constData());
    const QJsonArray streams = QJsonDocument::fromJson(out).object().value("streams").toArray();
    int video = 0;
    int audio = 0;
    int data = 0;
    for (const QJsonValue &value : streams) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value("codec_type").toString();
        if (type == QLatin1String("video")) {
            ++video;
            QCOMPARE(stream.value("codec_name").toString(),
                     codec == Codec::H265 ? QStringLiteral("hevc") : QStringLiteral("h264"));
            QCOMPARE(stream.value("width").toInt(), 320);
            QCOMPARE(stream.value("height").toInt(), 240);
        } else if (type == QLatin1String("audio")) {
            ++audio;
        } else if (type == QLatin1String("data")) {
            ++data;
        }
    }
    QCOMPARE(video, 1);
    QCOMPARE(audio, audioStreams);
    QCOMPARE(data, dataStreams);

    // Every frame decodes; the GPS bytes sit outside the samples a player reads.
    QVERIFY2(
        run(QStringLiteral("ffmpeg"), {"-v", "error", "-i", path, "-f", "null", "-"}, &out, &err),
        err.constData());
    QVERIFY2(err.isEmpty(), err.constData());

    const RecordingScan scan = scanRecording(path);
    QCOMPARE(int(scan.kind), int(arrangement));
    QCOMPARE(scan.info.width, 320);
    QCOMPARE(scan.info.duration, 3);
    if (container != Container::Avi) {
        QCOMPARE(scan.info.codec, codec == Codec::H265 ? int(CodecH265) : int(CodecH264));
        QCOMPARE(scan.info.frameRate, 25.0f);
        QCOMPARE(scan.info.creationTime, recording.creationTime);
    }
    QCOMPARE(scan.rawRecords.size(), recording.track.size() - 1);
    for (int i = SimulatorCheck::firstFilledRecord(arrangement); i < scan.rawRecords.size(); ++i) {
        const QString problem = SimulatorCheck::mismatch(
            scan.rawRecords.at(i), recording.track.at(i), arrangement == Arrangement::JldvAudio);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
}

QTEST_GUILESS_MAIN(TestSimulatedMedia)
#include "tst_simulatedmedia.moc"
