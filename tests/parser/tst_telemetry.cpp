#include "parser/gpmf.h"
#include "parser/gpxreader.h"
#include "parser/mp4parser.h"
#include "parser/nmea.h"
#include "parser/recordingreader.h"
#include "parser/recordingscan.h"
#include "telemetryfixtures.h"
#include "tools/simulator/recordingsimulator.h"

#include <QtTest>
#include <cmath>

using namespace TelemetryFixture;

namespace {

const QString RealFiles = QStringLiteral(WAYLUME_REALFILES);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The samples of the Datakam subtitle track as ffmpeg copied them: length, text, length, ...
QList<QByteArray> datakamSamples()
{
    const QByteArray data = readAll(RealFiles + "/datakam-6max-subtitle-track.data");
    QList<QByteArray> samples;
    int p = 0;
    while (p + 2 <= data.size()) {
        const int length = (uchar(data[p]) << 8) | uchar(data[p + 1]);
        samples << data.mid(p, 2 + length);
        p += 2 + length;
    }
    return samples;
}

const TelemetryFix *firstValid(const Telemetry &t)
{
    for (const TelemetryFix &f : t.fixes) {
        if (f.valid)
            return &f;
    }
    return nullptr;
}

QString dateTimeOf(const GpsData &d)
{
    return QString::fromLatin1(d.dateTime);
}

} // namespace

class TestTelemetry : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir mDir;

private slots:
    void initTestCase()
    {
        ParserObject::setParseDelayMs(0);
        QVERIFY(mDir.isValid());
        QVERIFY2(QFile::exists(RealFiles + "/gopro-hero5-karma.mp4"), qPrintable(RealFiles));
    }

    // The published facts of the real HERO5 recording: first fix 2017-04-17 19:27:58 UTC near
    // 33.12538, -117.33107 at about 15.6 m; its handler names are written as counted strings.
    void realGoProDecodesToPublishedFacts()
    {
        const QString path = RealFiles + "/gopro-hero5-karma.mp4";
        const std::unique_ptr<ParserObject> parser = createParser(path);
        QCOMPARE(parser->kind(), GpsSourceKind::GoProGpmf);
        QCOMPARE(parser->handlerName(), QStringLiteral("GoPro MET"));
        const QList<GpsData> raw = decodeTrack(*parser);
        const TelemetryFix *first = firstValid(parser->telemetry());
        QVERIFY(first);
        // The drone's GPS stream (GPRI), timed through its SYST item, begins at 19:27:57.4
        // UTC; the published second is where its first whole sample lies.
        const QDateTime published(QDate(2017, 4, 17), QTime(19, 27, 58), Qt::UTC);
        QVERIFY(std::llabs(first->utc.msecsTo(published)) <= 1000);
        QVERIFY(std::fabs(first->latitude - 33.12538) < 0.0005);
        QVERIFY(std::fabs(first->longitude + 117.33107) < 0.0005);
        QVERIFY(std::fabs(first->altitude - 15.6) < 1.0);
        // 12.08 s: records 0..12, each with the fix nearest its second.
        QCOMPARE(raw.size(), 13);
        QVERIFY(raw[0].hasPosition());
        QCOMPARE(raw[0].latHemisphere, 'N');
        QCOMPARE(raw[0].lonHemisphere, 'W');
        QVERIFY(dateTimeOf(raw[0]).startsWith("20170417192")); // within the first minute
        // A camera on a drone: gravity dominates the accelerometer, about 1 g in all.
        const double g = std::sqrt(raw[1].gsensorX * raw[1].gsensorX +
                                   raw[1].gsensorY * raw[1].gsensorY +
                                   raw[1].gsensorZ * raw[1].gsensorZ);
        QVERIFY2(g > 0.8 && g < 1.2, qPrintable(QString::number(g)));
        // The full-rate stream stays for exports: the 47 fixes the drone logged.
        QCOMPARE(parser->telemetry().fixes.size(), 47);
    }

    // Nested DEVC > STRM, SCAL of five values, GPSU as 16 characters, ACCL in Z, X, Y order;
    // expected values worked out by hand from the fixture.
    void handMadeGpmfPerSecond()
    {
        QList<QByteArray> samples;
        for (int s = 0; s < 3; ++s) {
            const QByteArray gpsu = QByteArray("1704171927") + QByteArray::number(50 + s) + ".000";
            samples << gpmfSecond(gpsu, 33.1 + s * 0.001, -117.3, 0.0001, 10, 200);
        }
        const QByteArray bytes = telemetryFile("meta", "\tGoPro MET", "gpmd", samples);
        Mp4Parser parser(std::make_unique<MemoryByteSource>(bytes));
        QCOMPARE(parser.kind(), GpsSourceKind::GoProGpmf);
        QCOMPARE(parser.handlerName(), QStringLiteral("GoPro MET"));
        const QList<GpsData> raw = decodeTrack(parser);
        QCOMPARE(raw.size(), 3);
        QCOMPARE(parser.telemetry().fixes.size(), 30);
        QCOMPARE(parser.telemetry().accel.size(), 600);
        for (int s = 0; s < 3; ++s) {
            // Fix 0 of each sample lies exactly on the second.
            QVERIFY(std::fabs(raw[s].latitude - (33.1 + s * 0.001)) < 1e-7);
            QVERIFY(std::fabs(raw[s].longitude + 117.3) < 1e-7);
            QCOMPARE(raw[s].speed, 36); // 10 m/s
            QCOMPARE(dateTimeOf(raw[s]), QString("201704171927%1").arg(50 + s));
            QCOMPARE(raw[s].gsensorZ, 1.0f);
            QCOMPARE(raw[s].gsensorX, 0.0f);
        }
        QCOMPARE(raw[0].latMinutes, 60000); // 0.1 degree = 6.0000 minutes
        QVERIFY(raw[2].course < 1 || raw[2].course > 359); // moving north

        // GPSF 0: the receiver has no fix; the seconds carry no position.
        const QByteArray noFix = telemetryFile(
            "meta", "GoPro MET", "gpmd", {gpmfSecond("170417192750.000", 33, -117, 0, 10, 10, 0)});
        Mp4Parser blind(std::make_unique<MemoryByteSource>(noFix));
        const QList<GpsData> none = decodeTrack(blind);
        QCOMPARE(none.size(), 1);
        QVERIFY(!none[0].hasPosition());
    }

    void nmeaSentences()
    {
        NmeaReader nmea;
        const QByteArray rmc = withChecksum("GNRMC,120518.443,A,5648.308185,N,06036.137682,E,16.24,173.18,090616,,,A");
        nmea.addSentence(rmc, 0);
        QByteArray bad = withChecksum("GPRMC,120519.443,A,5648.308185,N,06036.137682,E,16.24,173.18,090616,,,A");
        bad[10] = '7'; // the checksum no longer matches
        nmea.addSentence(bad, 1);
        nmea.addSentence("$GPRMC,120520.443,A,5648.3,N,06036.1,E,1,1,090616,,,A", 2); // none
        nmea.addSentence(withChecksum("GPGGA,120518.443,5648.308185,N,06036.137682,E,1,12,0.86,273.7,M,-7.0,M,,"));
        nmea.addSentence("$GS,0.12,-1.05,0.98", 0.5);
        nmea.addSentence(withChecksum("GPRMC,120521.000,V,,,,,,,090616,,,N"), 3);
        QCOMPARE(nmea.rejected(), 2);
        const Telemetry t = nmea.finish();
        QCOMPARE(t.fixes.size(), 2);
        const TelemetryFix &f = t.fixes[0];
        QVERIFY(f.valid);
        QVERIFY(std::fabs(f.latitude - (56 + 48.308185 / 60)) < 1e-9);
        QVERIFY(std::fabs(f.longitude - (60 + 36.137682 / 60)) < 1e-9);
        QVERIFY(std::fabs(f.speedKmh - 16.24 * 1.852) < 1e-9);
        QCOMPARE(f.course, 173.18);
        QCOMPARE(f.altitude, 273.7);
        QCOMPARE(f.utc, QDateTime(QDate(2016, 6, 9), QTime(12, 5, 18, 443), Qt::UTC));
        QVERIFY(!t.fixes[1].valid); // status V
        QCOMPARE(t.accel.size(), 1);
        QCOMPARE(t.accel[0].y, -1.05f);
    }

    // The real Datakam subtitle samples inside a tx3g track: 95 RMC fixes from 12:05:18.443
    // UTC on 2016-06-09, the first near 56 48.308185 N, 60 36.137682 E.
    void realDatakamTextTrack()
    {
        const QList<QByteArray> samples = datakamSamples();
        QVERIFY(samples.size() > 95);
        const QByteArray bytes = telemetryFile("text", "SubtitleHandler", "tx3g", samples, 1000, 1000);
        Mp4Parser parser(std::make_unique<MemoryByteSource>(bytes));
        QCOMPARE(parser.kind(), GpsSourceKind::NmeaTextTrack);
        const QList<GpsData> raw = decodeTrack(parser);
        int rmc = 0;
        for (const TelemetryFix &f : parser.telemetry().fixes)
            rmc += f.valid ? 1 : 0;
        QCOMPARE(rmc, 95);
        const TelemetryFix *first = firstValid(parser.telemetry());
        QCOMPARE(first->utc, QDateTime(QDate(2016, 6, 9), QTime(12, 5, 18, 443), Qt::UTC));
        QVERIFY(std::fabs(raw[0].latitude - (56 + 48.308185 / 60)) < 1e-6);
        QVERIFY(std::fabs(raw[0].longitude - (60 + 36.137682 / 60)) < 1e-6);
        QCOMPARE(raw[0].speed, qRound(16.24 * 1.852));
        QCOMPARE(raw[0].course, 173.18);
    }

    // The real BlackVue pair, once as sidecars of a front recording and once in the boxes
    // of the top-level free box: 6 RMC fixes near 53 55.77140 N, 27 29.48621 E, 465
    // accelerometer records, about 1 g vertical (parking).
    void realBlackVueSidecarsAndBoxes()
    {
        const QByteArray gps = readAll(RealFiles + "/20170709_084652_P.gps");
        const QByteArray accel = readAll(RealFiles + "/20170709_084652_P.3gf");
        QVERIFY(!gps.isEmpty() && !accel.isEmpty());
        const QByteArray movie = box("ftyp", "isom" + be32(0)) + box("moov", mvhd(1000, 6000));

        const QString dir = mDir.filePath("blackvue");
        QDir().mkpath(dir);
        QVERIFY(QFile::link(RealFiles + "/20170709_084652_P.gps", dir + "/20170709_084652_P.gps"));
        QVERIFY(QFile::link(RealFiles + "/20170709_084652_P.3gf", dir + "/20170709_084652_P.3gf"));
        const QString front = dir + "/20170709_084652_PF.mp4";
        { QFile f(front); QVERIFY(f.open(QIODevice::WriteOnly)); f.write(movie); }

        const QByteArray boxed = box("ftyp", "isom" + be32(0)) +
                                 box("free", box("gps ", gps) + box("3gf ", accel)) +
                                 box("moov", mvhd(1000, 6000));
        Mp4Parser inBoxes(std::make_unique<MemoryByteSource>(boxed));
        QCOMPARE(inBoxes.kind(), GpsSourceKind::BlackVueBoxes);
        const std::unique_ptr<ParserObject> beside = createParser(front);
        QCOMPARE(beside->kind(), GpsSourceKind::BlackVueSidecar);

        for (ParserObject *parser : {static_cast<ParserObject *>(&inBoxes), beside.get()}) {
            const QList<GpsData> raw = decodeTrack(*parser);
            const Telemetry &t = parser->telemetry();
            QCOMPARE(t.fixes.size(), 6);
            QCOMPARE(t.accel.size(), 465);
            QCOMPARE(t.fixes[0].utc, QDateTime(QDate(2017, 7, 9), QTime(5, 46, 52), Qt::UTC));
            QVERIFY(std::fabs(raw[0].latitude - (53 + 55.77140 / 60)) < 1e-6);
            QVERIFY(std::fabs(raw[0].longitude - (27 + 29.48621 / 60)) < 1e-6);
            QCOMPARE(raw[0].speed, 0);
            QVERIFY(std::fabs(raw[0].gsensorZ - 1.0f) < 0.05f);
        }
        // A rear channel's recording takes the same pair; another name does not.
        QVERIFY(QFile::copy(front, dir + "/20170709_084652_PR.mp4"));
        QCOMPARE(createParser(dir + "/20170709_084652_PR.mp4")->kind(), GpsSourceKind::BlackVueSidecar);
        QVERIFY(QFile::copy(front, dir + "/20170709_084652.mp4"));
        QCOMPARE(createParser(dir + "/20170709_084652.mp4")->kind(), GpsSourceKind::GpsNone);
    }

    // A phone's GPX beside the recording, placed by time against the recording's start, and
    // the same track chosen by hand with a nudge.
    void gpxSidecarAndChosenTrack()
    {
        const QDateTime start(QDate(2024, 5, 17), QTime(8, 30, 0), Qt::UTC);
        QByteArray gpx = "<?xml version=\"1.0\"?><gpx version=\"1.1\"><trk><trkseg>";
        for (int s = 0; s < 10; ++s) {
            gpx += QString("<trkpt lat=\"%1\" lon=\"8.5\"><ele>400</ele><time>%2</time></trkpt>")
                       .arg(47.0 + s * 0.0001, 0, 'f', 6)
                       .arg(start.addSecs(s + 5).toString(Qt::ISODate))
                       .toLatin1();
        }
        gpx += "</trkseg></trk></gpx>";
        Telemetry t = GpxReader::read(gpx);
        QCOMPARE(t.fixes.size(), 10);
        alignToRecording(t, start, 0);
        QCOMPARE(t.fixes[0].seconds, 5.0);
        alignToRecording(t, start, -5);
        QCOMPARE(t.fixes[0].seconds, 0.0);
        const QList<GpsData> track = perSecondTrack(t);
        QCOMPARE(track.size(), 10);
        // No speed in the file: 0.0001 degree of latitude a second is 11.1 m/s, 40 km/h.
        QCOMPARE(track[3].speed, 40);
        QVERIFY(track[3].course < 1 || track[3].course > 359);
        // Damage keeps what came before it.
        QCOMPARE(GpxReader::read(gpx.left(gpx.size() / 2)).fixes.size(), 4);

        const QString video = write(mDir, "phone.mp4", box("ftyp", "isom" + be32(0)) +
                                                          box("moov", mvhd(1000, 20000)));
        write(mDir, "phone.gpx", gpx);
        const std::unique_ptr<ParserObject> parser = createParser(video);
        QCOMPARE(parser->kind(), GpsSourceKind::SidecarTrack);
        const QList<GpsData> raw = decodeTrack(*parser);
        QVERIFY(!raw.isEmpty());
        QVERIFY(raw[0].hasPosition());

        parser->useChosenTrack(mDir.filePath("phone.gpx"), 3);
        QCOMPARE(parser->kind(), GpsSourceKind::ChosenTrack);
        QVERIFY(!decodeTrack(*parser).isEmpty());
    }

    // Handler names are shown as people read them: QuickTime's length byte and the blanks
    // some cameras pad with were printed ("\tGoPro SOS", "GoPro SOS  ").
    void handlerNamesPrintedClean()
    {
        const QList<QByteArray> names = {"\tGoPro SOS", "GoPro SOS  ", "GoPro SOS"};
        for (const QByteArray &name : names) {
            const QByteArray bytes = box("ftyp", "isom" + be32(0)) +
                                     box("moov", mvhd(1000, 5000) + trak("meta", name, stco({})));
            const QString path = write(mDir, "sos.mp4", bytes);
            GpsSourceKind kind;
            VideoInfo info;
            GpsDiagnosis diagnosis;
            RecordingReader::containerReader()->readTrackExplained(path, &kind, &info, &diagnosis);
            QCOMPARE(diagnosis.verdict, GpsVerdict::MetadataNotGps);
            QCOMPARE(diagnosis.metadataName, QStringLiteral("GoPro SOS"));
        }
    }

    // The simulator's recordings of each arrangement decode to the track it was given.
    void simulatedArrangementsMatchTheirTracks()
    {
        const QVector<Simulator::Fix> fixes = Simulator::makeTrack(20);
        for (const auto arrangement : {Simulator::Arrangement::GoProGpmf,
                                       Simulator::Arrangement::BlackVueBoxes,
                                       Simulator::Arrangement::NmeaTextTrack}) {
            Simulator::Recording r;
            r.arrangement = arrangement;
            r.track = fixes;
            const QString path = mDir.filePath(Simulator::arrangementName(arrangement) + ".mp4");
            QString error;
            QVERIFY2(Simulator::write(r, path, &error), qPrintable(error));
            const RecordingScan scan = scanRecording(path);
            QCOMPARE(int(scan.kind), int(arrangement));
            QCOMPARE(scan.track.size(), 21); // 0..20 s, the last second held
            for (int s = 0; s < fixes.size(); ++s) {
                const GpsData &d = scan.track[s];
                QVERIFY2(std::fabs(d.latitude - fixes[s].latitude) < 2e-6, qPrintable(QString::number(s)));
                QVERIFY(std::fabs(d.longitude - fixes[s].longitude) < 2e-6);
                QVERIFY(std::abs(d.speed - fixes[s].speed) <= 1);
                QVERIFY(std::fabs(d.gsensorZ - fixes[s].gsensorZ) < 0.02f);
                QVERIFY(std::fabs(d.gsensorX - fixes[s].gsensorX) < 0.02f);
                QCOMPARE(dateTimeOf(d), fixes[s].time.toUTC().toString("yyyyMMddhhmmss"));
            }
        }
    }

    // The simulator's sidecar files beside a recording without a track of its own read back
    // as the track it was given; its BlackVue log has the real log's shape.
    void simulatedSidecarsReadBack()
    {
        Simulator::TrackShape shape;
        shape.latitude = -33.8688;
        shape.longitude = -70.6483; // south and west: the hemisphere letters matter
        const QVector<Simulator::Fix> fixes = Simulator::makeTrack(15, shape);
        Simulator::Recording r;
        r.arrangement = Simulator::Arrangement::None;
        r.track = fixes;
        r.duration = 15;
        r.creationTime = shape.start;
        const struct
        {
            Simulator::Sidecar side;
            const char *name;
            GpsSourceKind kind;
            double degrees; // the written precision
        } cases[] = {
            {Simulator::Sidecar::Gpx, "phone_gpx.mp4", GpsSourceKind::SidecarTrack, 1e-7},
            {Simulator::Sidecar::Nmea, "phone_nmea.mp4", GpsSourceKind::SidecarTrack, 1e-7},
            {Simulator::Sidecar::BlackVue, "20240517_083000_NF.mp4",
             GpsSourceKind::BlackVueSidecar, 1e-5 / 60 * 1.01},
        };
        for (const auto &c : cases) {
            const QString dir = mDir.filePath(QString("sidecar-%1").arg(int(c.side)));
            QVERIFY(QDir().mkpath(dir));
            const QString path = dir + "/" + c.name;
            QString error;
            QStringList written;
            QVERIFY2(Simulator::write(r, path, &error), qPrintable(error));
            QVERIFY2(Simulator::writeSidecar(r, path, c.side, &written, &error), qPrintable(error));
            QCOMPARE(written.size(), c.side == Simulator::Sidecar::BlackVue ? 2 : 1);
            const RecordingScan scan = scanRecording(path);
            QCOMPARE(scan.kind, c.kind);
            QVERIFY(scan.track.size() >= fixes.size());
            for (int s = 0; s < fixes.size(); ++s) {
                const GpsData &d = scan.track[s];
                const QString where = QString("%1 second %2").arg(c.name).arg(s);
                QVERIFY2(std::fabs(d.latitude - fixes[s].latitude) <= c.degrees, qPrintable(where));
                QVERIFY2(std::fabs(d.longitude - fixes[s].longitude) <= c.degrees, qPrintable(where));
                QCOMPARE(dateTimeOf(d), fixes[s].time.toUTC().toString("yyyyMMddhhmmss"));
                if (c.side == Simulator::Sidecar::BlackVue)
                    QVERIFY2(std::fabs(d.gsensorZ - fixes[s].gsensorZ) < 0.01f, qPrintable(where));
            }
        }
        // A rear channel finds the same pair; a name BlackVue never gives gets none written.
        const QString rear = mDir.filePath("sidecar-2/20240517_083000_NR.mp4");
        QVERIFY(Simulator::write(r, rear));
        QCOMPARE(scanRecording(rear).kind, GpsSourceKind::BlackVueSidecar);
        QString error;
        QVERIFY(!Simulator::writeSidecar(r, mDir.filePath("plain.mp4"), Simulator::Sidecar::BlackVue,
                                         nullptr, &error));
        QVERIFY(error.contains("plain.mp4"));

        // Stamped sentences, each line followed by an empty one, like the real log.
        const QRegularExpression line("^\\[\\d{13}\\]\\$GP(RMC|VTG|GGA|GSA|GSV|GLL),[^*]*\\*[0-9A-F]{2}$");
        const auto shapeOf = [&line](const QByteArray &log) {
            QSet<QString> kinds;
            const QList<QByteArray> lines = log.split('\n');
            for (int i = 0; i + 1 < lines.size(); i += 2) {
                const QRegularExpressionMatch m = line.match(QString::fromLatin1(lines[i]));
                if (!m.hasMatch() || !lines[i + 1].isEmpty())
                    return QSet<QString>{QString::fromLatin1(lines[i])};
                kinds << m.captured(1);
            }
            return kinds;
        };
        const QSet<QString> real = shapeOf(readAll(RealFiles + "/20170709_084652_P.gps"));
        const QSet<QString> simulated = shapeOf(readAll(mDir.filePath("sidecar-2/20240517_083000_N.gps")));
        QVERIFY2(real.contains("RMC") && real.contains("GGA"), qPrintable(QStringList(real.values()).join(',')));
        QVERIFY2(real.contains(simulated) && simulated.contains("RMC") && simulated.contains("GGA"),
                 qPrintable(QStringList(simulated.values()).join(',')));
        // The 3gf's records are ten bytes, whole.
        QCOMPARE(readAll(mDir.filePath("sidecar-2/20240517_083000_N.3gf")).size() % 10, 0);
    }

    // Cut and damaged copies of the real files never crash, hang or exhaust memory.
    void truncatedAndMutatedInputs()
    {
        const QByteArray gopro = readAll(RealFiles + "/gopro-hero5-karma.mp4");
        const QByteArray text =
            telemetryFile("text", "SubtitleHandler", "tx3g", datakamSamples().mid(0, 20));
        const QByteArray blackVue =
            box("free", box("gps ", readAll(RealFiles + "/20170709_084652_P.gps").left(2000)) +
                            box("3gf ", readAll(RealFiles + "/20170709_084652_P.3gf")));
        QRandomGenerator random(20);
        for (const QByteArray &original : {gopro, text, blackVue}) {
            for (int cut = 1; cut <= 16; ++cut) {
                Mp4Parser parser(std::make_unique<MemoryByteSource>(original.left(original.size() * cut / 17)));
                decodeTrack(parser);
            }
            for (int round = 0; round < 40; ++round) {
                QByteArray damaged = original;
                for (int k = 0; k < 24; ++k)
                    damaged[int(random.bounded(damaged.size()))] = char(random.bounded(256));
                Mp4Parser parser(std::make_unique<MemoryByteSource>(damaged));
                const QList<GpsData> raw = decodeTrack(parser);
                QVERIFY(raw.size() <= 24 * 3600 * 2 + 1);
            }
        }
        // A damaged table of many chunks, many chunk runs and samples that all claim 4 MiB
        // of the same bytes: read once each, not their product (a hang before).
        {
            constexpr int Entries = 20000;
            QByteArray runs = be32(0) + be32(Entries);
            QByteArray sizes = be32(0) + be32(0) + be32(Entries);
            QByteArray chunks = be32(0) + be32(Entries);
            for (int k = 0; k < Entries; ++k) {
                runs += be32(quint32(k + 1)) + be32(1) + be32(1);
                sizes += be32(4u << 20);
                chunks += be32(0);
            }
            const QByteArray stbl = stsd("gpmd") + box("stsc", runs) + box("stsz", sizes) +
                                    box("stco", chunks);
            const QByteArray damaged =
                box("ftyp", "isom" + be32(0)) +
                box("moov", mvhd(1000, 10000) +
                                box("trak", box("mdia", hdlr("meta", "GoPro MET") +
                                                            box("minf", box("stbl", stbl)))));
            Mp4Parser parser(std::make_unique<MemoryByteSource>(damaged));
            QCOMPARE(parser.kind(), GpsSourceKind::GoProGpmf);
            QVERIFY(decodeTrack(parser).size() <= 13);
        }
        // GPMF items claiming more than they hold, nesting without end.
        Telemetry t;
        GpmfReader::readSample({klv("GPS5", 'l', 20, 60000, QByteArray(40, '\1')), 0, 1}, t);
        QByteArray deep = klv("GPS5", 'l', 20, 1, QByteArray(20, '\1'));
        for (int k = 0; k < 64; ++k)
            deep = nest("STRM", deep);
        GpmfReader::readSample({deep, 0, 1}, t);
        QVERIFY(t.fixes.isEmpty());
        NmeaReader::addBlackVueAccel(QByteArray(9, '\xff'), t);
        QVERIFY(t.accel.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTelemetry)
#include "tst_telemetry.moc"
