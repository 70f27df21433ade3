// Drives: which recordings join, and the figures of a drive's track.

#include "library/drives.h"

#include <QtTest>
#include <cstring>

namespace {

Drives::RecordingSpan span(const QDateTime &camera, double duration, const QDateTime &gps = {})
{
    Drives::RecordingSpan s;
    s.cameraStart = camera;
    s.gpsStart = gps;
    s.duration = duration;
    return s;
}

GpsData fix(double lat, double lon, int speed, const QDateTime &time = {})
{
    GpsData r;
    r.latitude = lat;
    r.longitude = lon;
    r.speed = speed;
    if (time.isValid())
        qstrncpy(r.dateTime, time.toString("yyyyMMddhhmmss").toLatin1().constData(),
                 sizeof r.dateTime);
    return r;
}

} // namespace

class TestDrives : public QObject
{
    Q_OBJECT
private slots:
    void groupsByGapAcrossMidnightAndMissingGps();
    void gpsTimeDecidesOverACameraClockThatJumped();
    void gpsStartAccountsForFixesMissingAtTheStart();
    void figuresOfATrack();
};

void TestDrives::groupsByGapAcrossMidnightAndMissingGps()
{
    const QDateTime t0(QDate(2024, 5, 17), QTime(23, 57, 0));
    QVector<Drives::RecordingSpan> spans{
        span(t0, 60, t0),
        span(t0.addSecs(61), 59, t0.addSecs(61)), // durations are whole seconds, truncated
        span(t0.addSecs(120), 60),                // no GPS: the camera's clock decides
        span(t0.addSecs(180), 60, t0.addSecs(180)),   // into the next day
        span(t0.addSecs(240 + 600), 60, t0.addSecs(840)), // ten minutes later: a new drive
        span(t0.addSecs(900), 60, t0.addSecs(900)),
        span(QDateTime(), 60), // no time at all stands alone
    };
    const QVector<Drives::Range> ranges = Drives::group(spans);
    QCOMPARE(ranges.size(), 3);
    QCOMPARE(ranges.at(0).first, 0);
    QCOMPARE(ranges.at(0).count, 4);
    QCOMPARE(ranges.at(1).first, 4);
    QCOMPARE(ranges.at(1).count, 2);
    QCOMPARE(ranges.at(2).count, 1);

    // The gap is the caller's: at 700 s the two drives are one.
    QCOMPARE(Drives::group(spans.mid(0, 6), 700).size(), 1);
    // A recording that starts long before the previous one ends is not its continuation.
    QVERIFY(!Drives::follows(span(t0, 60), span(t0.addSecs(30), 60)));
    QVERIFY(Drives::follows(span(t0, 60), span(t0.addSecs(58), 60)));
    QVERIFY(Drives::group({}).isEmpty());
}

void TestDrives::gpsTimeDecidesOverACameraClockThatJumped()
{
    // The camera's clock was set during the drive (an hour back); the GPS shows it went on.
    const QDateTime t0(QDate(2024, 5, 17), QTime(8, 0, 0), Qt::UTC);
    const Drives::RecordingSpan a = span(t0, 60, t0);
    const Drives::RecordingSpan b = span(t0.addSecs(60 - 3600), 60, t0.addSecs(60));
    QVERIFY(Drives::follows(a, b));
    QVERIFY(!Drives::follows(span(t0, 60), span(t0.addSecs(60 - 3600), 60)));
}

void TestDrives::gpsStartAccountsForFixesMissingAtTheStart()
{
    const QDateTime t0(QDate(2024, 5, 17), QTime(8, 0, 0), Qt::UTC);
    QList<GpsData> records;
    for (int i = 0; i < 60; ++i)
        records.append(i < 5 ? GpsData() : fix(48, 11, 50, t0.addSecs(i)));
    QCOMPARE(Drives::gpsStartOf(records, 60), t0);
    // Two records a second.
    QList<GpsData> half;
    for (int i = 0; i < 120; ++i)
        half.append(i < 10 ? GpsData() : fix(48, 11, 50, t0.addMSecs(i * 500)));
    QCOMPARE(Drives::gpsStartOf(half, 60), t0);
    QVERIFY(!Drives::gpsStartOf({GpsData()}, 60).isValid());
}

void TestDrives::figuresOfATrack()
{
    // Due north along a meridian: one degree is pi/180 of the mean radius.
    const double degree = 6371008.8 * M_PI / 180.0;
    QList<GpsData> a, b;
    for (int i = 0; i < 10; ++i)
        a.append(fix(48.0 + i * 0.0001, 11.0, i < 5 ? 0 : 40));
    b.append(GpsData()); // no fix: skipped, not a jump to (0, 0)
    for (int i = 10; i < 20; ++i)
        b.append(fix(48.0 + i * 0.0001, 11.0, i == 15 ? 90 : 40));
    const Drives::Figures f = Drives::figures({a, b}, {10, 11});
    QVERIFY(qAbs(f.distanceMetres - 19 * 0.0001 * degree) < 0.01);
    QCOMPARE(f.topKmh, 90);
    QCOMPARE(f.fixes, 20);
    // Standing for the first four steps; the step from fix 9 to 10 crosses the recordings
    // (the missing record's second included).
    QCOMPARE(f.movingSeconds, 5.0 + 2 + 9);
    QVERIFY(qAbs(f.averageKmh - f.distanceMetres / f.movingSeconds * 3.6) < 1e-9);
    QCOMPARE(Drives::figures({}, {}).distanceMetres, 0.0);
    // A coordinate that is not a number leaves the sum alone.
    b[3].latitude = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(std::isfinite(Drives::figures({a, b}, {10, 11}).distanceMetres));
}

QTEST_GUILESS_MAIN(TestDrives)
#include "tst_drives.moc"
