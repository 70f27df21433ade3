// The camera clock against GPS time: offsets derived from simulated cards whose camera
// clocks were set apart from their GPS, and the times shown and exported from them. Every
// expected time below is worked out by hand from the clock the card was made with.

#include "library/cardclock.h"
#include "library/trackexport.h"
#include "library/trip.h"
#include "tools/simulator/recordingsimulator.h"

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

GpsData recordAt(int index, const char *stamp)
{
    GpsData r;
    r.index = index;
    qstrncpy(r.dateTime, stamp, sizeof r.dateTime);
    r.latitude = 47.5;
    r.longitude = 9.3;
    return r;
}

QDateTime camera(int y, int mo, int d, int h, int mi, int s)
{
    return CardClock::cameraTime(QDate(y, mo, d), QTime(h, mi, s));
}

// A card of one recording: named after the camera's clock at its start, its records carrying
// GPS time `clockOffset` seconds behind that clock.
QString writeRecording(const QTemporaryDir &dir, const QDateTime &cameraStart, qint64 clockOffset,
                       int seconds, bool timeOfDayOnly = false,
                       Simulator::Arrangement arrangement = Simulator::Arrangement::GpsMetaTrack)
{
    Simulator::TrackShape shape;
    shape.start = cameraStart.addSecs(-clockOffset);
    Simulator::Recording r;
    r.arrangement = arrangement;
    r.track = Simulator::makeTrack(seconds, shape);
    for (Simulator::Fix &fix : r.track)
        fix.timeOfDayOnly = timeOfDayOnly;
    const QString path = dir.filePath(cameraStart.toString(QStringLiteral("yyyyMMdd_hhmmss")) +
                                      QStringLiteral("_F.MP4"));
    return Simulator::write(r, path) ? path : QString();
}

QStringList gpxTimes(const QByteArray &gpx)
{
    QStringList times;
    QXmlStreamReader xml(gpx);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("time"))
            times << xml.readElementText();
    }
    return xml.hasError() ? QStringList{xml.errorString()} : times;
}

} // namespace

class TestCardClock : public QObject
{
    Q_OBJECT
private slots:
    void offsetSplitsIntoZoneAndDrift_data();
    void offsetSplitsIntoZoneAndDrift();
    void simulatedCardsGiveTheirClockOffset_data();
    void simulatedCardsGiveTheirClockOffset();
    void gpxTimesAreUtcAcrossMidnight_data();
    void gpxTimesAreUtcAcrossMidnight();
    void timeOfDayOnlyPicksTheDateAroundMidnight();
    void unknownOffsetsSayWhy();
    void shownTimeFollowsTheChoice();
    void cameraTimeFromNames();
    void choicesSurviveTheSettingsText();
    void csvStatesTheOffset();
};

void TestCardClock::offsetSplitsIntoZoneAndDrift_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<qint64>("zone");
    QTest::addColumn<QString>("words");
    QTest::newRow("UTC+2, 14 s fast")
        << qint64(7214) << qint64(7200)
        << "The camera's clock runs 2 h 00 min 14 s ahead of GPS time (UTC)";
    QTest::newRow("UTC-5") << qint64(-18000) << qint64(-18000)
                           << "The camera's clock runs 5 h 00 min 00 s behind GPS time (UTC)";
    QTest::newRow("UTC") << qint64(0) << qint64(0) << "The camera's clock keeps GPS time (UTC)";
    // A few seconds slow on UTC+5:45 (Nepal): the zone part keeps its quarter hour.
    QTest::newRow("UTC+5:45, 9 s slow")
        << qint64(5 * 3600 + 45 * 60 - 9) << qint64(5 * 3600 + 45 * 60)
        << "The camera's clock runs 5 h 44 min 51 s ahead of GPS time (UTC)";
    // Exactly between two quarters rounds away from zero, on both sides.
    QTest::newRow("half a quarter slow")
        << qint64(-450) << qint64(-900)
        << "The camera's clock runs 0 h 07 min 30 s behind GPS time (UTC)";
    // A clock back at its factory date after a cold start: days, no time zone.
    QTest::newRow("days behind")
        << qint64(-(3 * 86400 + 3600 + 5)) << qint64(-(3 * 86400 + 3600))
        << "The camera's clock runs 3 d 1 h 00 min 05 s behind GPS time (UTC)";
}

void TestCardClock::offsetSplitsIntoZoneAndDrift()
{
    QFETCH(qint64, seconds);
    QFETCH(qint64, zone);
    QFETCH(QString, words);
    const ClockOffset offset = ClockOffset::known(seconds);
    QCOMPARE(offset.zoneSeconds(), zone);
    QCOMPARE(offset.driftSeconds(), seconds - zone);
    QVERIFY(qAbs(offset.driftSeconds()) <= 450);
    QCOMPARE(CardClock::describe(offset), words);
}

void TestCardClock::simulatedCardsGiveTheirClockOffset_data()
{
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<qint64>("clockOffset");
    QTest::addColumn<bool>("timeOfDayOnly");
    using A = Simulator::Arrangement;
    QTest::newRow("UTC+2 +14 s, metadata track") << int(A::GpsMetaTrack) << qint64(7214) << false;
    QTest::newRow("UTC-5, gps0 box") << int(A::Gps0Box) << qint64(-18000) << false;
    QTest::newRow("UTC, AVI") << int(A::AviGpslBlock) << qint64(0) << false;
    QTest::newRow("UTC-5, time of day only") << int(A::GpsMetaTrack) << qint64(-18000) << true;
    // Two records a second: the first fix's second is its index halved.
    QTest::newRow("UTC+2 +14 s, JLDV") << int(A::JldvAudio) << qint64(7214) << false;
}

void TestCardClock::simulatedCardsGiveTheirClockOffset()
{
    QFETCH(int, arrangement);
    QFETCH(qint64, clockOffset);
    QFETCH(bool, timeOfDayOnly);
    QTemporaryDir dir;
    const auto kind = Simulator::Arrangement(arrangement);
    Simulator::TrackShape shape;
    const QDateTime cameraStart = camera(2024, 5, 17, 8, 30, 0);
    shape.start = cameraStart.addSecs(-clockOffset);
    if (kind == Simulator::Arrangement::JldvAudio)
        shape.intervalMs = 500;
    Simulator::Recording r;
    r.arrangement = kind;
    r.track = Simulator::makeTrack(20, shape);
    // The first fixes come late, as after a cold start: the offset must still hold.
    for (int i = 0; i < 4; ++i)
        r.track[i].latitude = r.track[i].longitude = 0;
    for (Simulator::Fix &fix : r.track)
        fix.timeOfDayOnly = timeOfDayOnly;
    const QString suffix = Simulator::containerOf(r) == Simulator::Container::Avi ? ".AVI" : ".MP4";
    const QString path = dir.filePath("20240517_083000_F" + suffix);
    QVERIFY(Simulator::write(r, path));

    const Trip::Reading reading = Trip::read(path);
    QCOMPARE(reading.clock.cameraStart, cameraStart);
    QVERIFY(reading.clock.offset.isKnown());
    QCOMPARE(reading.clock.offset.seconds, clockOffset);
    // Every fix back in UTC is the time the GPS wrote (in whole seconds, as records have it).
    for (const GpsData &record : reading.records) {
        if (record.hasPosition())
            QCOMPARE(reading.clock.utcOf(record),
                     QDateTime(shape.start.date(), shape.start.time(), Qt::UTC)
                         .addSecs(qint64(record.index) * shape.intervalMs / 1000));
    }
}

void TestCardClock::gpxTimesAreUtcAcrossMidnight_data()
{
    QTest::addColumn<bool>("timeOfDayOnly");
    QTest::newRow("full GPS date") << false;
    QTest::newRow("time of day only") << true;
}

// Camera at UTC+2 with 14 s drift, recording from 01:59:50 camera time on the 17th: its GPS
// time starts at 01:59:50 - 2:00:14 = 23:59:36 on the 16th, so second 24 is midnight UTC.
void TestCardClock::gpxTimesAreUtcAcrossMidnight()
{
    QFETCH(bool, timeOfDayOnly);
    QTemporaryDir dir;
    // A table of 31 entries holds 30 records.
    const QString path =
        writeRecording(dir, camera(2024, 5, 17, 1, 59, 50), 7214, 31, timeOfDayOnly);
    QVERIFY(!path.isEmpty());
    const QList<TrackSegment> segments = Trip::collect({path});
    QCOMPARE(segments.size(), 1);
    QCOMPARE(segments.first().clock.offset.seconds, qint64(7214));
    const QStringList times = gpxTimes(TrackExport::write(TrackFormat::Gpx, "t", segments));
    QCOMPARE(times.size(), 30);
    QCOMPARE(times.first(), QString("2024-05-16T23:59:36Z"));
    QCOMPARE(times.at(23), QString("2024-05-16T23:59:59Z"));
    QCOMPARE(times.at(24), QString("2024-05-17T00:00:00Z"));
    QCOMPARE(times.last(), QString("2024-05-17T00:00:05Z"));

    // Recordings join in GPS order even when their records lack the date: the later one,
    // written and listed first, comes second.
    const QString later =
        writeRecording(dir, camera(2024, 5, 17, 2, 0, 21), 7214, 11, timeOfDayOnly);
    const QList<TrackSegment> joined = Trip::collect({later, path});
    QCOMPARE(joined.size(), 2);
    QCOMPARE(joined.first().name, QFileInfo(path).fileName());

    // KML's start and end placemarks carry the same UTC times.
    const QByteArray kml = TrackExport::write(TrackFormat::Kml, "t", segments);
    QVERIFY(kml.contains("<when>2024-05-16T23:59:36Z</when>"));
    QVERIFY(kml.contains("<when>2024-05-17T00:00:05Z</when>"));
}

void TestCardClock::timeOfDayOnlyPicksTheDateAroundMidnight()
{
    // The camera shows 00:10 on the 18th, running 5 h behind: GPS says 05:10, same date.
    QCOMPARE(CardClock::offsetBetween(camera(2024, 5, 18, 0, 10, 0), QTime(5, 10, 0)).seconds,
             qint64(-18000));
    // The camera shows 23:50 on the 17th at UTC+2: GPS says 21:50 of the same day.
    QCOMPARE(CardClock::offsetBetween(camera(2024, 5, 17, 23, 50, 0), QTime(21, 50, 0)).seconds,
             qint64(7200));
    // The camera shows 01:30 at UTC+3: GPS's 22:30 is the day before.
    QCOMPARE(CardClock::offsetBetween(camera(2024, 5, 17, 1, 30, 0), QTime(22, 30, 0)).seconds,
             qint64(3 * 3600));
    // 13 h ahead and 11 h behind are both zones; another recording's offset decides.
    const QDateTime c = camera(2024, 5, 17, 1, 0, 0);
    QCOMPARE(CardClock::offsetBetween(c, QTime(12, 0, 0)).seconds, qint64(-11 * 3600));
    QCOMPARE(CardClock::offsetBetween(c, QTime(12, 0, 0), 13 * 3600).seconds, qint64(13 * 3600));

    // A record with a blank date is read as time of day; one with a date as UTC.
    const GpsData blankDate = recordAt(3, "00000000215003");
    QVERIFY(!CardClock::recordUtc(blankDate).isValid());
    QCOMPARE(CardClock::recordTimeOfDay(blankDate), QTime(21, 50, 3));
    QCOMPARE(CardClock::recordUtc(recordAt(0, "20240517215003")),
             QDateTime(QDate(2024, 5, 17), QTime(21, 50, 3), Qt::UTC));
}

void TestCardClock::unknownOffsetsSayWhy()
{
    const QDateTime start = camera(2024, 5, 17, 8, 30, 0);
    GpsData noFix = recordAt(0, "20240517063000");
    noFix.latitude = noFix.longitude = 0;
    QCOMPARE(CardClock::offsetOfRecording(start, {noFix}, GpsSourceKind::GpsMetaTrack).status,
             ClockOffset::Status::NoFix);
    QCOMPARE(CardClock::offsetOfRecording(start, {recordAt(0, "garbage!")}, GpsSourceKind::Gps0Box)
                 .status,
             ClockOffset::Status::NoGpsTime);
    const ClockOffset nameless = CardClock::offsetOfRecording(
        QDateTime(), {recordAt(0, "20240517063000")}, GpsSourceKind::Gps0Box);
    QCOMPARE(nameless.status, ClockOffset::Status::NoCameraTime);
    QVERIFY(CardClock::describe(nameless).contains("cannot be checked"));
    QVERIFY(!CardClock::toUtc(start, nameless).isValid());
    // The card takes its first known recording's offset, else the most telling reason.
    QCOMPARE(
        CardClock::cardOffset({nameless, ClockOffset::known(60), ClockOffset::known(7200)}).seconds,
        qint64(60));
    QCOMPARE(CardClock::cardOffset({ClockOffset(), nameless}).status,
             ClockOffset::Status::NoCameraTime);
    QCOMPARE(CardClock::cardOffset({}).status, ClockOffset::Status::NoFix);
    // Without an offset the camera's own time is all there is to show.
    QCOMPARE(CardClock::shownText(start, nameless, ClockChoice()), QString("2024/05/17 08:30:00"));
}

void TestCardClock::shownTimeFollowsTheChoice()
{
    // Lake Constance in May, the camera set in winter (UTC+1) and 14 s fast.
    const ClockOffset offset = ClockOffset::known(3614);
    const QDateTime c = camera(2024, 5, 17, 9, 30, 14);
    QCOMPARE(CardClock::toUtc(c, offset), QDateTime(QDate(2024, 5, 17), QTime(8, 30, 0), Qt::UTC));
    ClockChoice choice;
    QCOMPARE(CardClock::shownText(c, offset, choice), QString("2024/05/17 09:30:00 UTC+01:00"));
    choice.display = ClockChoice::Display::Utc;
    QCOMPARE(CardClock::shownText(c, offset, choice), QString("2024/05/17 08:30:00 UTC"));
    choice.display = ClockChoice::Display::Camera;
    QCOMPARE(CardClock::shownText(c, offset, choice), QString("2024/05/17 09:30:14"));
    choice.display = ClockChoice::Display::LocalZone;
    choice.zone = "Europe/Berlin"; // summer time, which the camera never took
    QString zone;
    QCOMPARE(CardClock::shown(c, offset, choice, &zone), camera(2024, 5, 17, 10, 30, 0));
    QVERIFY(!zone.isEmpty());
    // A clock days off has no zone part to show local time with: UTC instead.
    const ClockOffset days = ClockOffset::known(-400 * 86400);
    QCOMPARE(CardClock::shownText(c, days, ClockChoice()), QString("2025/06/21 09:30:14 UTC"));
    QCOMPARE(CardClock::cameraText(c), QString("Camera's clock: 2024/05/17 09:30:14"));
}

void TestCardClock::cameraTimeFromNames()
{
    const QDateTime expected = camera(2017, 7, 9, 8, 46, 52);
    QCOMPARE(CardClock::cameraTimeFromName("20170709_084652_P.mp4"), expected);
    QCOMPARE(CardClock::cameraTimeFromName("2017_0709_084652_001F.MP4"), expected);
    QCOMPARE(CardClock::cameraTimeFromName("2017-07-09_08-46-52-front.mp4"), expected);
    QCOMPARE(CardClock::cameraTimeFromName("20170709084652.MOV"), expected);
    QCOMPARE(CardClock::cameraTimeFromName("NORM20170709_084652_0000012F.MP4"), expected);
    // Running numbers and impossible dates are no clock.
    QVERIFY(!CardClock::cameraTimeFromName("FILE0000123456789F.MP4").isValid());
    QVERIFY(!CardClock::cameraTimeFromName("20171332_256000_F.MP4").isValid());
    QVERIFY(!CardClock::cameraTimeFromName("MOVI0001.AVI").isValid());
}

void TestCardClock::choicesSurviveTheSettingsText()
{
    ClockChoice zone;
    zone.display = ClockChoice::Display::LocalZone;
    zone.zone = "America/New_York";
    for (const ClockChoice &choice : {ClockChoice(), ClockChoice{ClockChoice::Display::Utc, {}},
                                      ClockChoice{ClockChoice::Display::Camera, {}}, zone})
        QCOMPARE(ClockChoice::fromSetting(choice.toSetting()), choice);
    // A damaged or foreign value falls back to local time from the offset.
    QCOMPARE(ClockChoice::fromSetting("zone:Nowhere/Atlantis"), ClockChoice());
    QCOMPARE(ClockChoice::fromSetting("42"), ClockChoice());
    // Keys stay flat for the settings file, and identity tells two cameras' cards apart.
    const QString key = CardClock::settingsKey("/media/card/DCIM", "blackvue");
    QVERIFY(!key.contains('/'));
    QVERIFY(key != CardClock::settingsKey("/media/card/DCIM", QString()));
    // A card's subfolders all stand for the card.
    QCOMPARE(CardClock::cardFolderOf("/media/card/DCIM/Movie/Normal/F/20240517_083000_F.MP4"),
             QString("/media/card"));
    QCOMPARE(
        CardClock::cardFolderOf(
            "/media/usb/TeslaCam/SavedClips/2024-05-17_08-30-00/2024-05-17_08-25-00-front.mp4"),
        QString("/media/usb"));
    QCOMPARE(CardClock::cardFolderOf("/home/me/trip/a.mp4"), QString("/home/me/trip"));
}

void TestCardClock::csvStatesTheOffset()
{
    QTemporaryDir dir;
    const QString path = writeRecording(dir, camera(2024, 5, 17, 8, 30, 0), -18000, 4);
    QList<QByteArray> rows =
        TrackExport::write(TrackFormat::Csv, "t", Trip::collect({path})).trimmed().split('\n');
    // The drive's figures follow the fixes as comment lines.
    QVERIFY(rows.last().startsWith("# 1,"));
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [](const QByteArray &row) { return row.startsWith('#'); }),
               rows.end());
    QCOMPARE(rows.size(), 4);
    QVERIFY(rows.first().endsWith(",cameraTime,clockOffsetSeconds"));
    QVERIFY(rows.at(1).contains(",2024-05-17T13:30:00Z,"));
    QVERIFY(rows.at(3).endsWith(",2024-05-17T08:30:02,-18000"));
}

QTEST_GUILESS_MAIN(TestCardClock)
#include "tst_cardclock.moc"
