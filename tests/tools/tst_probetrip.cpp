// "waylume-probe --trip": a card's recordings joined into one track, checked against what the
// probe reports for each recording on its own.

#include "tools/simulator/recordingsimulator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QByteArray probe(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(WAYLUME_BIN_DIR "/waylume-probe"), args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

struct Point
{
    QString lat, lon, time;
    bool operator==(const Point &o) const { return lat == o.lat && lon == o.lon && time == o.time; }
};

// The positioned records of one recording, as "--raw --format json" reports them.
// A card folder with a fixed name: a temporary name ending in F or R would make it a channel
// folder of its own.
class Card
{
public:
    Card() { QDir().mkpath(path()); }
    bool isValid() const { return root.isValid() && QFileInfo(path()).isDir(); }
    QString path() const { return root.filePath(QStringLiteral("card")); }
    QString filePath(const QString &name) const { return path() + QLatin1Char('/') + name; }

private:
    QTemporaryDir root;
};

QList<Point> probeFixes(const QString &path)
{
    QList<Point> points;
    const QJsonArray records =
        QJsonDocument::fromJson(probe({"--raw", path})).object().value("records").toArray();
    for (const QJsonValue &v : records) {
        const QJsonObject r = v.toObject();
        const double lat = r.value("latitude").toDouble(), lon = r.value("longitude").toDouble();
        if (lat == 0 && lon == 0)
            continue;
        const QDateTime t = QDateTime::fromString(r.value("dateTime").toString(), "yyyyMMddhhmmss");
        points.append({QString::number(lat, 'f', 8), QString::number(lon, 'f', 8),
                       t.toString("yyyy-MM-ddTHH:mm:ss") + "Z"}); // GPS time is UTC
    }
    return points;
}

// GPX 1.1 as viewers expect it: the namespace, version, one <trk>, <trkseg>s of <trkpt>s with
// lat/lon attributes, <time> before <extensions>. Returns the segments' points.
QList<QList<Point>> gpxSegments(const QByteArray &gpx, int *tracks)
{
    QList<QList<Point>> segments;
    QXmlStreamReader xml(gpx);
    *tracks = 0;
    const QString ns = "http://www.topografix.com/GPX/1/1";
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("gpx")) {
            if (xml.namespaceUri() != ns || xml.attributes().value("version") != QLatin1String("1.1"))
                return {};
        } else if (xml.name() == QLatin1String("trk")) {
            ++*tracks;
        } else if (xml.name() == QLatin1String("trkseg")) {
            segments.append(QList<Point>());
        } else if (xml.name() == QLatin1String("trkpt")) {
            Point p{xml.attributes().value("lat").toString(),
                    xml.attributes().value("lon").toString(), {}};
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("time"))
                    p.time = xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
            segments.last().append(p);
        }
    }
    if (xml.hasError())
        qWarning() << xml.errorString();
    return xml.hasError() ? QList<QList<Point>>() : segments;
}

} // namespace

class TestProbeTrip : public QObject
{
    Q_OBJECT
private slots:
    void cardGivesOneSegmentPerRecordingInTimeOrder();
    void emptyCardGivesValidEmptyDocuments();
    void explainPrintsTheReason();
};

void TestProbeTrip::cardGivesOneSegmentPerRecordingInTimeOrder()
{
    const Card card;
    QVERIFY(card.isValid());
    // Named in the opposite order to their times, so the join must sort by the fixes.
    Simulator::TrackShape later;
    later.start = QDateTime(QDate(2024, 5, 1), QTime(10, 30, 0));
    Simulator::Recording meta;
    meta.arrangement = Simulator::Arrangement::GpsMetaTrack;
    meta.track = Simulator::makeTrack(8, later);
    meta.track[3].latitude = meta.track[3].longitude = 0; // no position: left out
    const QString first = card.filePath("20240501_100000_F.MP4");
    QVERIFY(Simulator::write(meta, first));
    QVERIFY(Simulator::write(meta, card.filePath("20240501_100000_R.MP4"))); // not counted twice

    Simulator::TrackShape earlier;
    earlier.start = QDateTime(QDate(2024, 5, 1), QTime(10, 3, 0));
    earlier.latitude = 48.1;
    earlier.longitude = 11.5;
    Simulator::Recording box;
    box.arrangement = Simulator::Arrangement::Gps0Box;
    box.track = Simulator::makeTrack(6, earlier);
    const QString second = card.filePath("20240501_100300_F.MP4");
    QVERIFY(Simulator::write(box, second));
    Simulator::Recording none;
    none.arrangement = Simulator::Arrangement::None;
    QVERIFY(Simulator::write(none, card.filePath("20240501_100600_F.MP4")));

    const QList<Point> early = probeFixes(second), late = probeFixes(first);
    QCOMPARE(early.size(), 5);
    QCOMPARE(late.size(), 6); // 7 decoded, one without a position

    int tracks = 0;
    const QList<QList<Point>> segments = gpxSegments(probe({"--trip", card.path()}), &tracks);
    QCOMPARE(tracks, 1);
    QCOMPARE(segments.size(), 2);
    QCOMPARE(segments.at(0), early);
    QCOMPARE(segments.at(1), late);
    QCOMPARE(segments.at(0).first().time, QString("2024-05-01T10:03:00Z"));

    // KML: a LineString per recording, start and end placemarks on the first and last fix.
    QXmlStreamReader kml(probe({"--trip", card.path(), "--format", "kml"}));
    int lines = 0;
    QStringList points;
    while (kml.readNext() != QXmlStreamReader::Invalid && !kml.atEnd()) {
        if (!kml.isStartElement())
            continue;
        if (kml.name() == QLatin1String("kml")) {
            QCOMPARE(kml.namespaceUri().toString(), QString("http://www.opengis.net/kml/2.2"));
        } else if (kml.name() == QLatin1String("LineString")) {
            ++lines;
        } else if (kml.name() == QLatin1String("Point")) {
            kml.readNextStartElement();
            points.append(kml.readElementText());
        }
    }
    QVERIFY2(!kml.hasError(), qPrintable(kml.errorString()));
    QCOMPARE(lines, 2);
    QCOMPARE(points, QStringList({early.first().lon + "," + early.first().lat + ",0",
                                  late.last().lon + "," + late.last().lat + ",0"}));

    // CSV: a header and one line per fix.
    const QList<QByteArray> rows =
        probe({"--trip", card.path(), "--format", "csv"}).trimmed().split('\n');
    // Only the trailing comment lines (each drive's figures) start with '#'.
    const auto fixLines = std::count_if(rows.begin(), rows.end(), [](const QByteArray &row) {
        return !row.startsWith('#');
    });
    QCOMPARE(int(fixLines), 1 + early.size() + late.size());
    QVERIFY(rows.last().startsWith("# "));
    QVERIFY(rows.at(1).startsWith("0,20240501_100300_F.MP4,0,2024-05-01T10:03:00Z,"));
    // The camera's own time and its offset close each line: the first recording's name is
    // its clock at the first fix, the second's is 30 minutes behind GPS time.
    QVERIFY(rows.at(1).endsWith(",2024-05-01T10:03:00,0"));
    QVERIFY(rows.at(1 + early.size()).endsWith(",2024-05-01T10:00:00,-1800"));
}

void TestProbeTrip::emptyCardGivesValidEmptyDocuments()
{
    const Card card;
    int tracks = -1;
    const QByteArray gpx = probe({"--trip", card.path()});
    QVERIFY(gpx.contains("<gpx"));
    QVERIFY(gpxSegments(gpx, &tracks).isEmpty());
    QCOMPARE(tracks, 0);
    QXmlStreamReader kml(probe({"--trip", card.path(), "--format=kml"}));
    QStringList elements;
    while (!kml.atEnd()) {
        if (kml.readNext() == QXmlStreamReader::StartElement)
            elements.append(kml.name().toString());
    }
    QVERIFY(!kml.hasError());
    QCOMPARE(elements, QStringList({"kml", "Document", "name"}));
    QCOMPARE(probe({"--trip", card.path(), "--format", "csv"}).count('\n'), 1);
}

void TestProbeTrip::explainPrintsTheReason()
{
    QTemporaryDir dir;
    Simulator::Recording meta;
    meta.track = Simulator::makeTrack(181);
    const QString path = dir.filePath("a.mp4");
    QVERIFY(Simulator::write(meta, path));
    QCOMPARE(probe({"--explain", path}), QByteArray("GPS metadata track, 180 fixes, 00:02:59\n"));
    QCOMPARE(probe({"--explain", dir.filePath("missing.mp4")}),
             QByteArray("No GPS: the file cannot be read.\n"));
}

QTEST_GUILESS_MAIN(TestProbeTrip)
#include "tst_probetrip.moc"
