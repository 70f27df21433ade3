// "waylume-probe --drives" and "--events" on simulated cards with known drives and events.

#include "tools/simulator/recordingsimulator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

namespace {

QJsonObject probe(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(WAYLUME_BIN_DIR "/waylume-probe"), args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QJsonObject();
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

struct Point
{
    double latitude, longitude;
};

// The positioned fixes of a file as the probe decodes them.
QVector<Point> decoded(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral(WAYLUME_BIN_DIR "/waylume-probe"), {"--raw", file});
    process.waitForFinished(60000);
    QVector<Point> points;
    const QJsonArray records =
        QJsonDocument::fromJson(process.readAllStandardOutput()).object().value("records").toArray();
    for (const QJsonValue &v : records) {
        const Point p{v.toObject().value("latitude").toDouble(),
                      v.toObject().value("longitude").toDouble()};
        if (p.latitude != 0 || p.longitude != 0)
            points.append(p);
    }
    return points;
}

// Written here from the textbook formula, apart from the player's code.
double haversine(const Point &a, const Point &b)
{
    const double r = 6371008.8, rad = M_PI / 180;
    const double h = std::pow(std::sin((b.latitude - a.latitude) * rad / 2), 2) +
                     std::cos(a.latitude * rad) * std::cos(b.latitude * rad) *
                         std::pow(std::sin((b.longitude - a.longitude) * rad / 2), 2);
    return 2 * r * std::asin(std::sqrt(h));
}

class Card
{
public:
    Card() { QDir().mkpath(path()); }
    QString path() const { return root.filePath(QStringLiteral("card")); }

    // A minute-long recording named after its start, as the cameras do.
    QString fileOf(const QDateTime &start) const
    {
        return path() + start.toString("/yyyyMMdd_hhmmss") + QStringLiteral("_F.MP4");
    }
    bool add(const QDateTime &start, const QVector<Simulator::Fix> &track)
    {
        Simulator::Recording r;
        r.arrangement = track.isEmpty() ? Simulator::Arrangement::None
                                        : Simulator::Arrangement::GpsMetaTrack;
        r.track = track;
        r.duration = 60;
        r.creationTime = start;
        return Simulator::write(r, fileOf(start));
    }

private:
    QTemporaryDir root;
};

QVector<Simulator::Fix> quietTrack(const QDateTime &start, int count = 60)
{
    Simulator::TrackShape shape;
    shape.start = start;
    QVector<Simulator::Fix> track = Simulator::makeTrack(count, shape);
    for (int i = 0; i < track.size(); ++i) {
        track[i].speed = 60;
        track[i].gsensorX = float((i * 7) % 5 - 2) / 100.0f;
        track[i].gsensorY = float((i * 3) % 5 - 2) / 100.0f;
        track[i].gsensorZ = 1.0f;
    }
    return track;
}

} // namespace

class TestProbeDrives : public QObject
{
    Q_OBJECT
private slots:
    void drivesSplitByGapAcrossMidnightWithAGapInTheGps();
    void eventsAtTheirSeconds();
    void timesByTheCameraClockAndUtc();
};

void TestProbeDrives::drivesSplitByGapAcrossMidnightWithAGapInTheGps()
{
    Card card;
    const QDateTime t0(QDate(2024, 5, 17), QTime(23, 58, 0));
    Simulator::TrackShape shape;
    shape.start = t0;
    const QVector<Simulator::Fix> track = Simulator::makeTrack(180, shape);
    QVERIFY(card.add(t0, track.mid(0, 60)));
    QVERIFY(card.add(t0.addSecs(60), {})); // the GPS lost: the camera's clock joins it
    QVERIFY(card.add(t0.addSecs(120), track.mid(120, 60)));
    shape.start = t0.addSecs(180 + 600);
    shape.seed = 2;
    const QVector<Simulator::Fix> later = Simulator::makeTrack(120, shape);
    QVERIFY(card.add(shape.start, later.mid(0, 60)));
    QVERIFY(card.add(shape.start.addSecs(60), later.mid(60, 60)));
    // A third drive whose last recording has no GPS: its ends are both the camera's.
    const QDateTime secondStart = shape.start;
    const QDateTime lone = shape.start.addSecs(3600);
    shape.start = lone;
    QVERIFY(card.add(lone, Simulator::makeTrack(60, shape)));
    QVERIFY(card.add(lone.addSecs(60), {}));

    const QJsonObject result = probe({"--drives", card.path()});
    const QJsonArray drives = result.value("drives").toArray();
    QCOMPARE(drives.size(), 3);
    const QJsonObject third = drives.at(2).toObject();
    QCOMPARE(third.value("durationSeconds").toDouble(), 120.0);
    QVERIFY(!third.value("start").toString().endsWith('Z'));
    const QJsonObject first = drives.at(0).toObject(), second = drives.at(1).toObject();
    QCOMPARE(first.value("recordings").toArray().size(), 3);
    QCOMPARE(second.value("recordings").toArray().size(), 2);
    QCOMPARE(first.value("start").toString(), QString("2024-05-17T23:58:00Z"));
    QCOMPARE(first.value("end").toString(), QString("2024-05-18T00:01:00Z"));
    QCOMPARE(first.value("durationSeconds").toDouble(), 180.0);
    QCOMPARE(first.value("recordings").toArray().at(1).toObject().value("gpsStart"), QJsonValue());

    // The decoded fixes of each drive's recordings in order, the unrecorded minute a straight
    // line.
    const auto expectedOf = [&card](const QList<QDateTime> &starts) {
        QVector<Point> points;
        for (const QDateTime &start : starts)
            points += decoded(card.fileOf(start));
        double sum = 0;
        for (int i = 1; i < points.size(); ++i)
            sum += haversine(points.at(i - 1), points.at(i));
        return sum;
    };
    const double expected = expectedOf({t0, t0.addSecs(120)});
    const double laterExpected = expectedOf({secondStart, secondStart.addSecs(60)});
    QVERIFY(expected > 1000 && laterExpected > 1000);
    int top = 0;
    for (int i = 0; i < 180; ++i)
        top = (i < 60 || i >= 120) ? qMax(top, track.at(i).speed) : top;
    const double distance = first.value("distanceMetres").toDouble();
    QVERIFY2(qAbs(distance - expected) < expected * 0.01,
             qPrintable(QString("%1 against %2").arg(distance).arg(expected)));
    QCOMPARE(first.value("topKmh").toInt(), top);
    const double laterDistance = second.value("distanceMetres").toDouble();
    QVERIFY2(qAbs(laterDistance - laterExpected) < laterExpected * 0.01,
             qPrintable(QString("%1 against %2").arg(laterDistance).arg(laterExpected)));
    QVERIFY(second.value("movingSeconds").toDouble() > 100);

    // An empty folder has no drives; still valid JSON.
    QTemporaryDir empty;
    QCOMPARE(probe({"--drives", empty.path()}).value("drives").toArray().size(), 0);
}

void TestProbeDrives::eventsAtTheirSeconds()
{
    Card card;
    const QDateTime t0(QDate(2024, 6, 2), QTime(14, 0, 0));
    QVector<Simulator::Fix> a = quietTrack(t0), b = quietTrack(t0.addSecs(60));
    // A hard stop at 20 s, and on again.
    a[20].gsensorY = -0.7f;
    a[21].gsensorY = -0.6f;
    for (int i = 21; i < 60; ++i)
        a[i].speed = qMin(60, i < 23 ? 60 - 20 * (i - 20) : 20 + 5 * (i - 22));
    a[45].gsensorY = -2.0f; // a blow from behind... or in front: a single sharp peak
    b[10].gsensorZ = 2.8f;  // a pothole: one bump, not an impact
    b[10].gsensorY = 0.3f;
    for (int i = 30; i < 40; ++i)
        b[i].speed = 130;
    QVERIFY(card.add(t0, a));
    QVERIFY(card.add(t0.addSecs(60), b));

    const QJsonArray events = probe({"--events", card.path()}).value("events").toArray();
    QStringList found;
    for (const QJsonValue &v : events) {
        const QJsonObject e = v.toObject();
        found.append(QString("%1 %2@%3").arg(e.value("kind").toString(),
                                             e.value("file").toString().left(15))
                         .arg(e.value("second").toDouble()));
    }
    QCOMPARE(found, QStringList({"hardBraking 20240602_140000@20", "impact 20240602_140000@45",
                                 "speeding 20240602_140100@30"}));
    const QJsonObject speeding = events.at(2).toObject();
    QCOMPARE(speeding.value("strength").toDouble(), 130.0);
    QCOMPARE(speeding.value("lengthSeconds").toDouble(), 10.0);
    QCOMPARE(speeding.value("time").toString(), QString("2024-06-02T14:01:30Z"));
    const QJsonObject stop = events.at(0).toObject();
    QVERIFY(qAbs(stop.value("latitude").toDouble() - a.at(20).latitude) < 1e-5);
    QVERIFY(qAbs(stop.value("strength").toDouble() - 0.7) < 0.05);
}

// A camera 2 h 00 min 14 s ahead of its GPS: the file names and the creation times carry its
// clock, the fixes UTC. A second recording of the card has no GPS and takes the card's offset.
void TestProbeDrives::timesByTheCameraClockAndUtc()
{
    Card card;
    const QDateTime camera0(QDate(2024, 6, 2), QTime(16, 0, 14), Qt::UTC);
    QVector<Simulator::Fix> a = quietTrack(camera0.addSecs(-7214));
    a[20].gsensorY = -0.7f;
    a[21].gsensorY = -0.6f;
    for (int i = 21; i < 60; ++i)
        a[i].speed = qMin(60, i < 23 ? 60 - 20 * (i - 20) : 20 + 5 * (i - 22));
    QVERIFY(card.add(camera0, a));
    QVERIFY(card.add(camera0.addSecs(60), {}));

    const QJsonObject drive =
        probe({"--drives", card.path()}).value("drives").toArray().at(0).toObject();
    QCOMPARE(drive.value("clockOffsetSeconds").toDouble(), 7214.0);
    QCOMPARE(drive.value("cameraStart").toString(), QString("2024-06-02T16:00:14"));
    QCOMPARE(drive.value("utcStart").toString(), QString("2024-06-02T14:00:00Z"));
    QCOMPARE(drive.value("utcEnd").toString(), QString("2024-06-02T14:02:00Z"));
    const QJsonArray recordings = drive.value("recordings").toArray();
    QCOMPARE(recordings.size(), 2);
    QCOMPARE(recordings.at(1).toObject().value("utcStart").toString(),
             QString("2024-06-02T14:01:00Z"));
    QCOMPARE(recordings.at(1).toObject().value("clockOffsetSeconds").toDouble(), 7214.0);

    const QJsonArray events = probe({"--events", card.path()}).value("events").toArray();
    QVERIFY(!events.isEmpty());
    const QJsonObject stop = events.at(0).toObject();
    QCOMPARE(stop.value("kind").toString(), QString("hardBraking"));
    QCOMPARE(stop.value("cameraTime").toString(), QString("2024-06-02T16:00:34"));
    QCOMPARE(stop.value("utcTime").toString(), QString("2024-06-02T14:00:20Z"));
    QCOMPARE(stop.value("clockOffsetSeconds").toDouble(), 7214.0);
}

QTEST_GUILESS_MAIN(TestProbeDrives)
#include "tst_probedrives.moc"
