// The waylume-probe contract that scripts depend on, checked on simulated recordings.

#include "tools/simulator/recordingsimulator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUrl>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <sys/stat.h>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run probe(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(WAYLUME_BIN_DIR "/waylume-probe"), args);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QJsonObject json(const Run &run)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "bad JSON:" << error.errorString();
    return doc.object();
}

QStringList sortedKeys(const QJsonObject &o)
{
    QStringList keys = o.keys();
    keys.sort();
    return keys;
}

} // namespace

class TestProbe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void jsonReportsFactsAndFittedTrack();
    void rawGivesDecoderRecords();
    void csvHasHeaderAndOneLinePerRecord();
    void gpxIsValidAndSkipsRecordsWithoutPosition();
    void aviAndNoGpsFiles();
    void unopenableFilesAreExamined();
    void severalFilesInOneRun();
    void badArgumentsGiveUsage_data();
    void badArgumentsGiveUsage();
    void scanListsRowsWithChannels();
    void frontTracesADroppedRearFile();

private:
    QTemporaryDir mDir;
    QString mMeta; // GpsMetaTrack, 10 s, 8 slots -> 7 raw records, 11 fitted
    QVector<Simulator::Fix> mTrack;
};

void TestProbe::initTestCase()
{
    QVERIFY(mDir.isValid());
    Simulator::Recording recording;
    recording.arrangement = Simulator::Arrangement::GpsMetaTrack;
    mTrack = Simulator::makeTrack(8);
    // A record without position (the camera had no fix yet), and a damaged hemisphere
    // letter that needs quoting in CSV.
    mTrack[1].latitude = 0;
    mTrack[1].longitude = 0;
    mTrack[2].lonHemisphere = ',';
    recording.track = mTrack;
    recording.duration = 10;
    recording.frameRate = 29.97;
    recording.width = 2560;
    recording.height = 1440;
    recording.creationTime = QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58));
    mMeta = mDir.filePath(QStringLiteral("meta.mp4"));
    QString error;
    QVERIFY2(Simulator::write(recording, mMeta, &error), qPrintable(error));
}

void TestProbe::jsonReportsFactsAndFittedTrack()
{
    const Run run = probe({mMeta});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject root = json(run);
    QCOMPARE(sortedKeys(root),
             QStringList({"clockOffsetSeconds", "file", "kind", "records", "video"}));
    // The name carries no clock, so the creation time (2024-02-29 23:59:58) stands for the
    // camera's, against the first fix's GPS time 2024-05-17 08:30:00: 77 d 8:30:02 behind.
    QCOMPARE(root.value("clockOffsetSeconds").toDouble(), -(77 * 86400.0 + 8 * 3600 + 30 * 60 + 2));
    QCOMPARE(root.value("file").toString(), mMeta);
    QCOMPARE(root.value("kind").toString(), QStringLiteral("GpsMetaTrack"));

    const QJsonObject video = root.value("video").toObject();
    QCOMPARE(sortedKeys(video),
             QStringList({"codec", "creationTime", "duration", "frameRate", "height", "width"}));
    QCOMPARE(video.value("width").toInt(), 2560);
    QCOMPARE(video.value("height").toInt(), 1440);
    QCOMPARE(video.value("duration").toInt(), 10);
    QCOMPARE(video.value("frameRate").toDouble(), 30.0); // 300 samples in 10 s
    QCOMPARE(video.value("creationTime").toString(), QStringLiteral("2024-02-29T23:59:58"));
    QCOMPARE(video.value("codec").toInt(), 1);

    const QJsonArray records = root.value("records").toArray();
    QCOMPARE(records.size(), 11); // seconds 0..10; the 7 decoded records padded with the last
    const QJsonObject first = records.at(0).toObject();
    QCOMPARE(sortedKeys(first),
             QStringList({"course", "dateTime", "extraNumber", "gsensorX", "gsensorY", "gsensorZ",
                          "index", "latDegrees", "latHemisphere", "latMinutes", "latitude",
                          "lonDegrees", "lonHemisphere", "lonMinutes", "longitude", "speed"}));
    QCOMPARE(first.value("dateTime").toString(), QStringLiteral("20240517083000"));
    QCOMPARE(first.value("latHemisphere").toString(), QStringLiteral("N"));
    QCOMPARE(first.value("latDegrees").toInt(), 22);
    QCOMPARE(first.value("latMinutes").toInt(), 323520);
    QVERIFY(qAbs(first.value("latitude").toDouble() - 22.5392) < 1e-9);
    QCOMPARE(first.value("speed").toInt(), mTrack[0].speed);
    QCOMPARE(first.value("extraNumber").toInt(), mTrack[0].extraNumber);
    // Two decimals as written, not the float's binary neighbour.
    const QByteArray gText = QByteArray::number(double(mTrack[0].gsensorX), 'f', 2);
    QVERIFY2(run.out.contains("\"gsensorX\": " + QByteArray::number(gText.toDouble())),
             run.out.left(600).constData());
    QCOMPARE(records.at(2).toObject().value("lonHemisphere").toString(), QStringLiteral(","));
    for (int i = 7; i < 11; ++i)
        QCOMPARE(records.at(i).toObject(), records.at(6).toObject());
}

void TestProbe::rawGivesDecoderRecords()
{
    const QJsonArray raw = json(probe({"--raw", mMeta})).value("records").toArray();
    QCOMPARE(raw.size(), 7);
    for (int i = 0; i < raw.size(); ++i)
        QCOMPARE(raw.at(i).toObject().value("index").toInt(), i);

    // A track longer than the recording is cut to duration + 1 records.
    Simulator::Recording longer;
    longer.arrangement = Simulator::Arrangement::Gps0Box;
    longer.track = Simulator::makeTrack(30);
    longer.duration = 10;
    const QString path = mDir.filePath(QStringLiteral("longer.mov"));
    QVERIFY(Simulator::write(longer, path));
    QCOMPARE(json(probe({path, "--raw"})).value("records").toArray().size(), 29);
    QCOMPARE(json(probe({path})).value("records").toArray().size(), 11);
}

void TestProbe::csvHasHeaderAndOneLinePerRecord()
{
    const Run run = probe({"--format", "csv", mMeta});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines.first(),
             QByteArray("index,dateTime,latHemisphere,latitude,latDegrees,latMinutes,"
                        "lonHemisphere,longitude,lonDegrees,lonMinutes,extraNumber,speed,"
                        "gsensorX,gsensorY,gsensorZ,course"));
    const QList<QByteArray> cells = lines.at(1).split(',');
    QCOMPARE(cells.size(), 16);
    QCOMPARE(cells.at(0), QByteArray("0"));
    QCOMPARE(cells.at(1), QByteArray("20240517083000"));
    QCOMPARE(cells.at(11).toInt(), mTrack[0].speed);
    // The damaged hemisphere letter is quoted, so the line still has 16 fields.
    QVERIFY2(lines.at(3).contains(",\",\","), lines.at(3).constData());
    QCOMPARE(lines.at(3).split(',').size(), 17);

    const Run raw = probe({"--raw", "--format=csv", mMeta});
    QCOMPARE(raw.out.trimmed().split('\n').size(), 8);
}

void TestProbe::gpxIsValidAndSkipsRecordsWithoutPosition()
{
    const Run run = probe({"--format", "gpx", "--raw", mMeta});
    QCOMPARE(run.exitCode, 0);
    QXmlStreamReader xml(run.out);
    const QString gpx = QStringLiteral("http://www.topografix.com/GPX/1/1");
    int tracks = 0;
    QStringList times;
    QStringList speeds;
    int points = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("gpx")) {
            QCOMPARE(xml.namespaceUri().toString(), gpx);
            QCOMPARE(xml.attributes().value("version").toString(), QStringLiteral("1.1"));
        } else if (xml.name() == QLatin1String("trk")) {
            ++tracks;
        } else if (xml.name() == QLatin1String("trkpt")) {
            ++points;
            QVERIFY(xml.attributes().value("lat").toDouble() != 0);
            QVERIFY(xml.attributes().hasAttribute("lon"));
        } else if (xml.name() == QLatin1String("time")) {
            times << xml.readElementText();
        } else if (xml.name() == QLatin1String("speed")) {
            QVERIFY(xml.namespaceUri() != gpx); // an extension, not a GPX 1.1 element
            speeds << xml.readElementText();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(tracks, 1);
    QCOMPARE(points, 6); // 7 records, one without a position
    QCOMPARE(times.first(), QStringLiteral("2024-05-17T08:30:00Z"));
    QCOMPARE(times.at(1), QStringLiteral("2024-05-17T08:30:02Z"));
    QCOMPARE(speeds.size(), 6);
    QVERIFY(run.out.contains("gsensorZ"));
    QVERIFY(run.out.contains("course"));
}

void TestProbe::aviAndNoGpsFiles()
{
    Simulator::Recording avi;
    avi.arrangement = Simulator::Arrangement::AviAudioChunks;
    avi.track = Simulator::makeTrack(5);
    avi.frameRate = 25;
    const QString aviPath = mDir.filePath(QStringLiteral("clip.avi"));
    QVERIFY(Simulator::write(avi, aviPath));
    const QJsonObject root = json(probe({aviPath}));
    QCOMPARE(root.value("kind").toString(), QStringLiteral("AviAudioChunks"));
    QVERIFY(root.value("video").toObject().value("creationTime").isNull());
    QCOMPARE(root.value("video").toObject().value("duration").toInt(), 5);
    QCOMPARE(root.value("records").toArray().size(), 6);

    Simulator::Recording plain;
    plain.arrangement = Simulator::Arrangement::None;
    plain.duration = 4;
    const QString plainPath = mDir.filePath(QStringLiteral("plain.mp4"));
    QVERIFY(Simulator::write(plain, plainPath));
    const Run run = probe({plainPath});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(json(run).value("kind").toString(), QStringLiteral("GpsNone"));
    QVERIFY(json(run).value("records").toArray().isEmpty());
}

void TestProbe::unopenableFilesAreExamined()
{
    QFile locked(mDir.filePath(QStringLiteral("locked.mp4")));
    QVERIFY(locked.open(QIODevice::WriteOnly));
    locked.write(Simulator::build(Simulator::Recording()));
    locked.close();
    locked.setPermissions(QFileDevice::Permissions());
    // A named pipe would block the open until a writer comes: it must not hang the probe.
    const QString pipe = mDir.filePath(QStringLiteral("pipe.mp4"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QStringList paths{mDir.filePath(QStringLiteral("missing.MP4")), mDir.path(), pipe};
    // Permissions do not stop root, which the test machines sometimes are.
    if (!locked.open(QIODevice::ReadOnly))
        paths << locked.fileName();
    for (const QString &path : paths) {
        for (const char *format : {"json", "csv", "gpx"}) {
            const Run run = probe({"--format", format, path});
            QVERIFY2(run.exitCode == 0, qPrintable(path));
            QVERIFY(!run.out.isEmpty());
        }
        const QJsonObject root = json(probe({path}));
        QCOMPARE(root.value("kind").toString(), QStringLiteral("GpsNone"));
        const QJsonObject video = root.value("video").toObject();
        QCOMPARE(video.value("width").toInt(-1), 0);
        QCOMPARE(video.value("duration").toInt(-1), 0);
        QVERIFY(video.value("creationTime").isNull());
        QVERIFY(root.value("records").toArray().isEmpty());
    }
}

void TestProbe::severalFilesInOneRun()
{
    const QString missing = mDir.filePath(QStringLiteral("gone, \"really\".mp4"));
    const QStringList files{mMeta, missing, mMeta};

    // JSON Lines: one compact object per file, in argument order, the same object as alone.
    const Run json = probe(files);
    QCOMPARE(json.exitCode, 0);
    const QList<QByteArray> lines = json.out.split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.last().isEmpty());
    const QJsonObject alone = QJsonDocument::fromJson(probe({mMeta}).out).object();
    QCOMPARE(QJsonDocument::fromJson(lines.at(0)).object(), alone);
    QCOMPARE(QJsonDocument::fromJson(lines.at(2)).object(), alone);
    const QJsonObject none = QJsonDocument::fromJson(lines.at(1)).object();
    QCOMPARE(none.value("file").toString(), missing);
    QCOMPARE(none.value("kind").toString(), QStringLiteral("GpsNone"));

    // CSV: one header, a leading file column, and a line for the file without records.
    const Run csv = probe(QStringList{"--raw", "--format", "csv"} + files);
    QCOMPARE(csv.exitCode, 0);
    const QList<QByteArray> rows = csv.out.trimmed().split('\n');
    QCOMPARE(rows.size(), 1 + 7 + 1 + 7);
    QVERIFY(rows.first().startsWith("file,index,dateTime,"));
    QVERIFY(rows.at(1).startsWith(mMeta.toUtf8() + ",0,20240517083000,"));
    const QByteArray quoted = "\"" + missing.toUtf8().replace("\"", "\"\"") + "\"";
    QCOMPARE(rows.at(8), quoted + QByteArray(16, ',')); // 17 fields
    QVERIFY(rows.at(9).startsWith(mMeta.toUtf8() + ",0,"));

    // GPX: one document, one track per file.
    const Run gpx = probe(QStringList{"--format=gpx"} + files);
    QCOMPARE(gpx.exitCode, 0);
    QXmlStreamReader xml(gpx.out);
    int documents = 0;
    QStringList names;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartDocument)
            ++documents;
        else if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("name"))
            names << xml.readElementText();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(documents, 1);
    QCOMPARE(names, (QStringList{"meta.mp4", QFileInfo(missing).fileName(), "meta.mp4"}));
}

void TestProbe::badArgumentsGiveUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("scan of two folders") << QStringList{"--scan", "a", "b"};
    QTest::newRow("unknown format") << QStringList{"--format", "xml", "a.mp4"};
    QTest::newRow("format without value") << QStringList{"a.mp4", "--format"};
    QTest::newRow("unknown option") << QStringList{"--scan-all", "a.mp4"};
    QTest::newRow("only options") << QStringList{"--raw", "--format", "csv"};
    QTest::newRow("scan without folder") << QStringList{"--scan"};
    QTest::newRow("scan and front") << QStringList{"--scan", "--front", "a"};
    QTest::newRow("scan with format") << QStringList{"--scan", "--format", "csv", "a"};
}

void TestProbe::badArgumentsGiveUsage()
{
    QFETCH(QStringList, args);
    const Run run = probe(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains("usage: waylume-probe [--raw] [--format json|csv|gpx] FILE"),
             run.err.constData());
}

namespace {

bool touch(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

QString fileUrl(const QString &path)
{
    return QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded());
}

} // namespace

void TestProbe::scanListsRowsWithChannels()
{
    // A two-channel card in the letters scheme: running numbers per file, the channel letter
    // before the extension. The folder name carries a space and a '#', which must survive
    // into the URLs.
    QTemporaryDir tmp;
    // Fixed folder names: the temporary directory's random one may end in "F" or "R", which
    // makes it a folder of another naming scheme.
    const QString card = tmp.path() + "/sd";
    const QString dir = card + "/DCIM #1";
    QVERIFY(QDir().mkpath(dir));
    for (const char *name : {"20190712_101010_0000001F.MP4", "20190712_101010_0000002R.MP4",
                             "20190712_101110_0000011F.MP4", "20190712_101110_0000012R.MP4",
                             "notes.txt"})
        QVERIFY(touch(dir + "/" + name));

    const Run run = probe({"--scan", card});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject root = json(run);
    QCOMPARE(sortedKeys(root), (QStringList{"play", "rows"}));
    const QJsonArray rows = root.value("rows").toArray();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(root.value("play").toInt(), 0);

    const QJsonObject first = rows.at(0).toObject();
    QCOMPARE(sortedKeys(first),
             (QStringList{"channels", "fileName", "layout", "marks", "row", "url"}));
    // The built-in schemes name no layout and no marks.
    QCOMPARE(first.value("layout").toString(), QString());
    QCOMPARE(first.value("marks").toArray(), QJsonArray());
    QCOMPARE(first.value("row").toInt(), 0);
    QCOMPARE(first.value("fileName").toString(), QString("20190712_101010_0000001F.MP4"));
    QCOMPARE(first.value("url").toString(), fileUrl(dir + "/20190712_101010_0000001F.MP4"));
    const QJsonObject channels = first.value("channels").toObject();
    QCOMPARE(sortedKeys(channels), (QStringList{"count", "fourth", "fourthUrl", "front", "rear",
                                                "rearUrl", "third", "thirdUrl"}));
    QVERIFY(channels.value("front").toBool());
    QVERIFY(channels.value("rear").toBool());
    QVERIFY(!channels.value("third").toBool());
    QCOMPARE(channels.value("count").toInt(), 2);
    QCOMPARE(channels.value("rearUrl").toString(), fileUrl(dir + "/20190712_101010_0000002R.MP4"));
    QCOMPARE(channels.value("fourthUrl").toString(), QString());

    // An empty folder adds no row and starts nothing.
    const QString empty = tmp.path() + "/empty";
    QVERIFY(QDir().mkpath(empty));
    const QJsonObject none = json(probe({"--scan", empty}));
    QVERIFY(none.value("rows").toArray().isEmpty());
    QCOMPARE(none.value("play").toInt(), -1);
}

void TestProbe::frontTracesADroppedRearFile()
{
    QTemporaryDir card;
    const QString dir = card.path() + QString::fromUtf8("/行车 记录");
    QVERIFY(QDir().mkpath(dir));
    const QString front = dir + "/20190712_101010_0000001F.MP4";
    const QString rear = dir + "/20190712_101011_0000002R.MP4";
    QVERIFY(touch(front));
    QVERIFY(touch(rear));

    QJsonObject root = json(probe({"--front", rear}));
    QCOMPARE(sortedKeys(root), (QStringList{"file", "front"}));
    QCOMPARE(root.value("front").toString(), fileUrl(front));

    // Without its front file on disk the dropped file itself is added.
    QVERIFY(QFile::remove(front));
    root = json(probe({"--front", rear}));
    QCOMPARE(root.value("front").toString(), fileUrl(rear));
}

QTEST_GUILESS_MAIN(TestProbe)
#include "tst_probe.moc"
