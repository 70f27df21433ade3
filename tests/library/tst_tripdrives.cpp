// The drives of an exported trip: split where the recordings stop joining, their figures in
// each format's own place, and the fixes' lines left as they were.

#include "library/tripdrives.h"

#include <QtMath>
#include <QtTest>

namespace {

const QDateTime kStart(QDate(2024, 5, 17), QTime(23, 59, 0), Qt::UTC);
constexpr double kStepDegrees = 0.0001; // northwards each second

// `seconds` fixes a second from `second` on, moving north at a steady pace.
TrackSegment segment(const QString &name, int second, int seconds)
{
    TrackSegment s;
    s.name = name;
    s.duration = seconds;
    s.clock.cameraStart = kStart.addSecs(second);
    s.clock.cameraStart.setTimeSpec(Qt::LocalTime);
    for (int i = 0; i < seconds; ++i) {
        GpsData fix;
        fix.index = i;
        fix.latitude = 48.0 + (second + i) * kStepDegrees;
        fix.longitude = 11.5;
        fix.speed = 40;
        const QByteArray text =
            kStart.addSecs(second + i).toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1();
        qstrncpy(fix.dateTime, text.constData(), sizeof fix.dateTime);
        s.records.append(fix);
    }
    return s;
}

// Two recordings of one drive across midnight, then one more after ten minutes parked.
QList<TrackSegment> card()
{
    return {segment("a.mp4", 0, 60), segment("b.mp4", 60, 60), segment("c.mp4", 720, 30)};
}

// Along a meridian, independent of the code under test: R * dlat in radians.
double metresNorth(int steps)
{
    return 6371008.8 * qDegreesToRadians(steps * kStepDegrees);
}

} // namespace

class TestTripDrives : public QObject
{
    Q_OBJECT
private slots:
    void drivesAndTheirFigures();
    void eachFormatCarriesTheFigures();
};

void TestTripDrives::drivesAndTheirFigures()
{
    const QVector<TripDrives::Drive> drives = TripDrives::of(card());
    QCOMPARE(drives.size(), 2);
    QCOMPARE(drives[0].first, 0);
    QCOMPARE(drives[0].count, 2);
    QCOMPARE(drives[1].first, 2);
    QCOMPARE(drives[0].start, kStart);
    QCOMPARE(drives[0].end, kStart.addSecs(119)); // past midnight: the next day
    // The join between a.mp4 and b.mp4 counts: 119 steps, not 118.
    QVERIFY(qAbs(drives[0].figures.distanceMetres - metresNorth(119)) < metresNorth(119) * 0.01);
    QVERIFY(qAbs(drives[1].figures.distanceMetres - metresNorth(29)) < metresNorth(29) * 0.01);
    QCOMPARE(drives[0].figures.topKmh, 40);
    QCOMPARE(drives[0].figures.movingSeconds, 119.0);
    // A wider gap setting joins the parked stretch too.
    QCOMPARE(TripDrives::of(card(), 700).size(), 1);
    QVERIFY(TripDrives::of({}).isEmpty());
}

void TestTripDrives::eachFormatCarriesTheFigures()
{
    const QList<TrackSegment> segments = card();
    const QString distance = QString::number(metresNorth(119), 'f', 1);

    const QString gpx = QString::fromUtf8(TrackExport::write(TrackFormat::Gpx, "t", segments));
    QVERIFY(gpx.indexOf("<metadata>") < gpx.indexOf("<trk>"));
    QCOMPARE(gpx.count("<wl:drive "), 2);
    QVERIFY(gpx.contains("<wl:start>2024-05-17T23:59:00Z</wl:start>"));
    QVERIFY(gpx.contains("<wl:end>2024-05-18T00:00:59Z</wl:end>"));
    QVERIFY(gpx.contains("<wl:distanceMetres>" + distance.left(distance.size() - 2)));
    QVERIFY(gpx.contains("<wl:topKmh>40</wl:topKmh>"));
    QCOMPARE(gpx.count("<trkpt "), 150);

    const QString kml = QString::fromUtf8(TrackExport::write(TrackFormat::Kml, "t", segments));
    QVERIFY(kml.contains("<description>Drive 1 (2024-05-17T23:59:00Z - 2024-05-18T00:00:59Z): "
                         "1.3 km, moving 0:01:59, average 40 km/h, top 40 km/h"));
    QVERIFY(kml.contains("Drive 2 "));

    const QList<QByteArray> lines =
        TrackExport::write(TrackFormat::Csv, "t", segments).trimmed().split('\n');
    QVERIFY(lines.first().startsWith("segment,file,index,"));
    QCOMPARE(lines.size(), 1 + 150 + 3);
    QVERIFY(lines.at(150).startsWith("2,"));
    QVERIFY(lines.at(151).startsWith("# drive,firstSegment,lastSegment,"));
    QVERIFY(lines.at(152).startsWith("# 1,0,1,2024-05-17T23:59:00Z,2024-05-18T00:00:59Z,"));
    QVERIFY(lines.at(153).startsWith("# 2,2,2,"));
    QVERIFY(lines.at(153).endsWith(",40"));
}

QTEST_GUILESS_MAIN(TestTripDrives)
#include "tst_tripdrives.moc"
