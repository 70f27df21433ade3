// Events from the G-sensor, the GPS and the camera's own marks.

#include "library/driveevents.h"

#include <QtTest>

using DriveEvents::Kind;

namespace {

// A minute at a steady 50 km/h with road noise; the camera is mounted tilted, so gravity
// shows on every axis.
QList<GpsData> cruise(int seconds = 60, bool gsensor = true)
{
    QList<GpsData> records;
    for (int i = 0; i < seconds; ++i) {
        GpsData r;
        r.latitude = 48.0 + i * 0.0001;
        r.longitude = 11.0;
        r.speed = 50;
        if (gsensor) {
            const float noise = float((i * 7) % 5 - 2) / 100.0f;
            r.gsensorX = 0.17f + noise;
            r.gsensorY = -0.26f - noise;
            r.gsensorZ = 0.95f + noise;
        }
        records.append(r);
    }
    return records;
}

DriveEvents::Recording recording(const QList<GpsData> &records)
{
    DriveEvents::Recording r;
    r.records = records;
    r.duration = records.size();
    r.start = QDateTime(QDate(2024, 5, 17), QTime(8, 0, 0), Qt::UTC);
    return r;
}

QVector<DriveEvents::Event> detect(const QList<GpsData> &records)
{
    return DriveEvents::detect({recording(records)}, DriveEvents::Thresholds());
}

QString kinds(const QVector<DriveEvents::Event> &events)
{
    QStringList names;
    for (const DriveEvents::Event &e : events)
        names.append(QStringLiteral("%1@%2").arg(DriveEvents::kindName(e.kind)).arg(e.second));
    return names.join(' ');
}

} // namespace

class TestDriveEvents : public QObject
{
    Q_OBJECT
private slots:
    void quietDriveHasNoEvents();
    void sensorEventsAfterRemovingTheMounting();
    void potholeIsNoImpact();
    void closeEventsMergeIntoTheGravest();
    void mountingTurnedIsFoundFromTheGpsSpeed();
    void speedingAndGpsDecelerationWithoutGsensor();
    void cameraMarksOncePerCameraEvent();
    void readingsThatAreNoNumbersAreIgnored();
};

void TestDriveEvents::quietDriveHasNoEvents()
{
    // The tilt alone puts -0.26 g on the driving axis: braking only if left in.
    QCOMPARE(kinds(detect(cruise())), QString());
    QVERIFY(detect({}).isEmpty());
}

void TestDriveEvents::sensorEventsAfterRemovingTheMounting()
{
    QList<GpsData> r = cruise();
    // Hard stop over two seconds at 10 s; a sharp turn at 25 s; a blow at 40 s; accelerating
    // at 52 s.
    r[10].gsensorY -= 0.7f;
    r[11].gsensorY -= 0.6f;
    r[25].gsensorX += 0.55f;
    r[40].gsensorY += 1.4f;
    r[40].gsensorX += 1.0f;
    r[52].gsensorY += 0.5f;
    const QVector<DriveEvents::Event> events = detect(r);
    QCOMPARE(kinds(events), QString("hardBraking@10 sharpTurn@25 impact@40 hardAcceleration@52"));
    QVERIFY(qAbs(events.at(0).strength - 0.7) < 0.03);
    QCOMPARE(events.at(0).length, 2.0);
    QVERIFY(events.at(2).strength > 1.6);
    QCOMPARE(events.at(0).time, QDateTime(QDate(2024, 5, 17), QTime(8, 0, 10), Qt::UTC));
    QVERIFY(events.at(0).hasPosition);
    QCOMPARE(events.at(0).latitude, r.at(10).latitude);
}

void TestDriveEvents::potholeIsNoImpact()
{
    QList<GpsData> r = cruise();
    // A single bump: the wheels thrown up 2 g, a jolt forward with it.
    r[30].gsensorZ += 2.0f;
    r[30].gsensorY += 0.6f;
    QCOMPARE(kinds(detect(r)), QString());
}

void TestDriveEvents::closeEventsMergeIntoTheGravest()
{
    QList<GpsData> r = cruise();
    r[20].gsensorY -= 0.6f; // braking, then the blow three seconds later
    r[23].gsensorY -= 1.8f;
    r[45].gsensorY -= 0.6f; // two brakings 6 s apart stay two
    r[51].gsensorY -= 0.6f;
    const QVector<DriveEvents::Event> events = detect(r);
    QCOMPARE(kinds(events), QString("impact@20 hardBraking@45 hardBraking@51"));
    QCOMPARE(events.at(0).length, 4.0);
    // Across recordings, by their times.
    DriveEvents::Recording a = recording(cruise()), b = recording(cruise());
    a.records[59].gsensorY -= 0.6f;
    b.start = a.start.addSecs(60);
    b.records[1].gsensorY -= 0.7f;
    const QVector<DriveEvents::Event> joined = DriveEvents::detect({a, b}, {});
    QCOMPARE(joined.size(), 1);
    QCOMPARE(joined.at(0).recording, 0);
    QVERIFY(qAbs(joined.at(0).strength - 0.7) < 0.03);
}

void TestDriveEvents::mountingTurnedIsFoundFromTheGpsSpeed()
{
    // Driving direction on X and braking counted positive: the GPS speed shows it.
    QList<GpsData> r = cruise(120);
    for (int i = 0; i < r.size(); ++i) {
        r[i].speed = 50 + qRound(20 * std::sin(i / 3.0));
        const double change = 20 * (std::sin((i + 1) / 3.0) - std::sin(i / 3.0)) / 3.6 / 9.81;
        r[i].gsensorX = float(0.1 - change);
        r[i].gsensorY = 0.02f;
    }
    r[30].gsensorX += 0.6f;
    QCOMPARE(kinds(detect(r)), QString("hardBraking@30"));
}

void TestDriveEvents::speedingAndGpsDecelerationWithoutGsensor()
{
    QList<GpsData> r = cruise(60, false);
    for (int i = 10; i < 20; ++i)
        r[i].speed = i == 15 ? 134 : 125;
    for (int k = 0; k < 8; ++k) // slowing down gently
        r[20 + k].speed = 118 - 10 * k;
    r[40].speed = 50;
    r[41].speed = 30;
    r[42].speed = 12;
    r[43].speed = 10;
    r[44].speed = 10;
    const QVector<DriveEvents::Event> events = detect(r);
    QCOMPARE(kinds(events), QString("speeding@10 suddenDeceleration@40"));
    QCOMPARE(events.at(0).strength, 134.0);
    QCOMPARE(events.at(0).length, 10.0);
    QCOMPARE(events.at(1).strength, 20.0);
    // At exactly the limit is no speeding; the limit is the user's.
    r[10].speed = 120;
    DriveEvents::Thresholds strict;
    strict.speedingKmh = 130;
    QCOMPARE(kinds(DriveEvents::detect({recording(r)}, strict)).count("speeding"), 1);
    QCOMPARE(kinds(detect(r)), QString("speeding@11 suddenDeceleration@40"));
}

void TestDriveEvents::cameraMarksOncePerCameraEvent()
{
    // Three clips of one event folder carry the same event.json; the time lies in the
    // second clip. A locked recording without an event record is a mark at its start.
    QVector<DriveEvents::Recording> list;
    for (int i = 0; i < 4; ++i) {
        DriveEvents::Recording r = recording(cruise());
        r.start = r.start.addSecs(60 * i);
        if (i < 3) {
            r.marks = QStringList{"event"};
            r.cameraEvent.time = list.isEmpty() ? r.start.addSecs(95) : list.first().cameraEvent.time;
            r.cameraEvent.reason = "user_interaction_honk";
            r.cameraEvent.hasPosition = true;
            r.cameraEvent.latitude = 37.5;
            r.cameraEvent.longitude = -122.1;
        } else {
            r.marks = QStringList{"locked"};
        }
        list.append(r);
    }
    const QVector<DriveEvents::Event> events = DriveEvents::detect(list, {});
    QCOMPARE(events.size(), 2);
    QCOMPARE(events.at(0).kind, Kind::CameraMark);
    QCOMPARE(events.at(0).recording, 1);
    QCOMPARE(events.at(0).second, 35.0);
    QCOMPARE(events.at(0).detail, QString("user_interaction_honk"));
    QCOMPARE(events.at(0).latitude, 37.5);
    QCOMPARE(events.at(1).recording, 3);
    QCOMPARE(events.at(1).detail, QString("locked"));
    QVERIFY(events.at(1).hasPosition);
}

void TestDriveEvents::readingsThatAreNoNumbersAreIgnored()
{
    QList<GpsData> r = cruise();
    for (int i = 0; i < r.size(); i += 3) {
        r[i].gsensorX = std::numeric_limits<float>::quiet_NaN();
        r[i].gsensorY = std::numeric_limits<float>::infinity();
        r[i].latitude = std::numeric_limits<double>::quiet_NaN();
    }
    r[31].gsensorY -= 0.8f;
    r[32].gsensorY -= 0.8f;
    const QVector<DriveEvents::Event> events = detect(r);
    QCOMPARE(kinds(events), QString("hardBraking@31"));
    QVERIFY(std::isfinite(events.at(0).latitude));
    DriveEvents::Recording one = recording(r);
    one.duration = 1e-300; // a duration from a damaged header
    (void)DriveEvents::detect({one, recording({})}, {});
}

QTEST_GUILESS_MAIN(TestDriveEvents)
#include "tst_driveevents.moc"
