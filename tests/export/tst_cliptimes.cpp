// Where a recording's camera clock comes from, and the forms the export writes it in.

#include "export/cliptimeline.h"
#include "export/cliptimes.h"
#include "export/overlaysamples.h"
#include "tools/simulator/recordingsimulator.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

namespace {

GpsData fix(const char *stamp)
{
    GpsData d;
    std::memcpy(d.dateTime, stamp, qMin(std::strlen(stamp), sizeof d.dateTime - 1));
    d.latitude = 47.6;
    d.longitude = 9.3;
    return d;
}

} // namespace

class TestClipTimes : public QObject
{
    Q_OBJECT

private slots:
    void startFromTrackNameOrContainer();
    void parsesAndFormats();
    void overlayAndManifestTimesByTheCameraClock();
};

void TestClipTimes::startFromTrackNameOrContainer()
{
    const QDateTime expected(QDate(2024, 5, 17), QTime(8, 30, 0), Qt::UTC);
    // The first two seconds had no fix yet: the clock counts back from the first that has.
    const QList<GpsData> track{GpsData(), GpsData(), fix("20240517083002")};
    QCOMPARE(ClipTimes::recordingStart(QStringLiteral("X.MP4"), track, QDateTime()), expected);
    // No fix: the name, with or without the underscore.
    QCOMPARE(ClipTimes::recordingStart(QStringLiteral("20240517_083000_0000001F.MP4"), {},
                                       QDateTime()),
             expected);
    QCOMPARE(ClipTimes::recordingStart(QStringLiteral("FILE20240517083000.MOV"), {}, QDateTime()),
             expected);
    // Both: the name is the camera's clock, the fix UTC two hours behind it.
    QCOMPARE(ClipTimes::recordingStart(QStringLiteral("20240517_083000_0000001F.MP4"),
                                       {fix("20240517062946")}, QDateTime()),
             expected);
    // Neither: the container's instant, shown as the wall clock it was in.
    const QDateTime local(QDate(2024, 5, 17), QTime(8, 30, 0), Qt::LocalTime);
    QCOMPARE(ClipTimes::recordingStart(QStringLiteral("clip.mp4"), {}, local), expected);
    QVERIFY(!ClipTimes::recordingStart(QStringLiteral("clip.mp4"), {}, QDateTime()).isValid());
}

void TestClipTimes::parsesAndFormats()
{
    const QDateTime t = ClipTimes::parse(QStringLiteral("2024-05-17 08:30:10"));
    QVERIFY(t.isValid());
    QCOMPARE(ClipTimes::parse(QStringLiteral("2024-05-17T08:30:10")), t);
    QCOMPARE(ClipTimes::text(t), QStringLiteral("2024-05-17 08:30:10"));
    QCOMPARE(ClipTimes::fileStamp(t), QStringLiteral("20240517_083010"));
    QCOMPARE(ClipTimes::isoText(t.addMSecs(250)), QStringLiteral("2024-05-17T08:30:10.250"));
    QVERIFY(!ClipTimes::parse(QStringLiteral("17.05.2024 08:30")).isValid());
    QVERIFY(!ClipTimes::parse(QString()).isValid());
}

// A card whose camera runs 2 h 00 min 14 s ahead of its GPS (UTC): two recordings of 20 s,
// the second without GPS, named after the camera's clock.
void TestClipTimes::overlayAndManifestTimesByTheCameraClock()
{
    QTemporaryDir dir;
    const QDateTime camera0(QDate(2024, 5, 17), QTime(8, 30, 0), Qt::UTC);
    Simulator::TrackShape shape;
    shape.start = camera0.addSecs(-7214);
    for (int k = 0; k < 2; ++k) {
        Simulator::Recording r;
        r.arrangement = k == 0 ? Simulator::Arrangement::GpsMetaTrack : Simulator::Arrangement::None;
        if (k == 0)
            r.track = Simulator::makeTrack(20, shape);
        r.duration = 20;
        const QDateTime start = camera0.addSecs(20 * k);
        r.creationTime = start;
        QVERIFY(Simulator::write(
            r, dir.filePath(start.toString(QStringLiteral("yyyyMMdd_hhmmss_'F.MP4'")))));
    }
    const QList<ClipRecording> recordings = ClipTimeline::loadFolder(dir.path());
    QCOMPARE(recordings.size(), 2);
    // The timeline --from and --to refer to is the camera's clock, GPS or not.
    QCOMPARE(recordings[0].start, camera0);
    QCOMPARE(recordings[1].start, camera0.addSecs(20));
    QVERIFY(ClipRange::continuesPrevious(recordings[0], recordings[1]));
    QCOMPARE(recordings[0].clock.offset.seconds, qint64(7214));
    QCOMPARE(recordings[1].clock.offset.seconds, qint64(7214)); // the card's

    ClockChoice utc, camera, local;
    utc.display = ClockChoice::Display::Utc;
    camera.display = ClockChoice::Display::Camera;
    QCOMPARE(OverlaySamples::at(recordings[0], 10.0, utc).timeText,
             QString("2024-05-17 06:29:56 UTC"));
    QCOMPARE(OverlaySamples::at(recordings[1], 5.0, utc).timeText,
             QString("2024-05-17 06:30:11 UTC"));
    QCOMPARE(OverlaySamples::at(recordings[0], 10.0, camera).timeText,
             QString("2024-05-17 08:30:10"));
    // Local time from the offset: UTC plus the zone part, two hours.
    QCOMPARE(OverlaySamples::at(recordings[0], 10.0, local).timeText,
             QString("2024-05-17 08:29:56 UTC+02:00"));
    QCOMPARE(ClipTimes::utcIsoText(recordings[1], 5.5), QString("2024-05-17T06:30:11.500Z"));
    QCOMPARE(ClipTimes::cameraIsoText(recordings[1], 5.5), QString("2024-05-17T08:30:25.500"));

    // Without GPS anywhere the overlay keeps the camera's clock and names no zone.
    ClipRecording lone = recordings[1];
    lone.clock.offset = ClockOffset::unknown(ClockOffset::Status::NoFix);
    QCOMPARE(OverlaySamples::at(lone, 1.0, utc).timeText, QString("2024-05-17 08:30:21"));
    QVERIFY(ClipTimes::utcIsoText(lone, 1.0).isEmpty());
}

QTEST_GUILESS_MAIN(TestClipTimes)
#include "tst_cliptimes.moc"
