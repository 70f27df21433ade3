// Whole exports on a simulated two-channel card: a range across two recordings re-encoded
// side by side with the overlay (length, frame size, what the overlay changes and what it
// leaves alone), the evidence pack's hashes against sha256sum, and cancel and failure
// leaving no file behind.

#include "export/cliprender.h"
#include "export/cliptimeline.h"
#include "export/evidencepack.h"
#include "export/exportjob.h"
#include "tests/export/exportcard.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const int kSeconds = 4;

QByteArray run(const QString &program, const QStringList &args, int *code = nullptr)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    if (code)
        *code = p.exitCode();
    return p.readAllStandardOutput();
}

QJsonObject probe(const QString &file)
{
    return QJsonDocument::fromJson(
               run(QStringLiteral("ffprobe"),
                   {"-v", "error", "-show_entries",
                    "format=duration:stream=codec_type,width,height", "-of", "json", file}))
        .object();
}

// One decoded frame `at` seconds in, as RGB.
QImage frameAt(const QString &file, double at)
{
    const QByteArray png =
        run(QStringLiteral("ffmpeg"), {"-v", "error", "-ss", QString::number(at), "-i", file,
                                       "-frames:v", "1", "-f", "image2pipe", "-c:v", "png", "-"});
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB888);
}

double meanDifference(const QImage &a, const QImage &b, const QRect &area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                   qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * area.width() * area.height());
}

QStringList leftovers(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestExportJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sideBySideAcrossTwoRecordings();
    void evidencePackVerifies();
    void cancelLeavesNoFile();
    void missingChannelFailsCleanly();

private:
    QList<ClipPiece> range(double from, double to);

    QTemporaryDir dir;
    QString card;
    QList<ClipRecording> recordings;
    CancelFlag keepGoing{false};
};

void TestExportJob::initTestCase()
{
    if (!ExportCard::haveFfmpeg())
        QSKIP("ffmpeg and ffprobe are needed");
    QVERIFY(dir.isValid());
    card = dir.filePath(QStringLiteral("card"));
    QString error;
    QVERIFY2(ExportCard::write(card, 2, kSeconds, &error), qPrintable(error));
    recordings = ClipTimeline::loadFolder(card);
    QCOMPARE(recordings.size(), 2);
    QVERIFY(!recordings[0].channels[1].isEmpty());
    QVERIFY(ClipRange::continuesPrevious(recordings[0], recordings[1]));
}

QList<ClipPiece> TestExportJob::range(double from, double to)
{
    const QDateTime start = recordings[0].start;
    QString error;
    const QList<ClipPiece> pieces = ClipRange::resolve(
        recordings, start.addMSecs(qint64(from * 1000)), start.addMSecs(qint64(to * 1000)),
        &error);
    return pieces;
}

void TestExportJob::sideBySideAcrossTwoRecordings()
{
    const QList<ClipPiece> pieces = range(2.5, 6.5);
    QCOMPARE(pieces.size(), 2);
    ExportOptions options;
    options.layout = ClipLayout::Side;
    options.overlay = ExportNames::allOverlayItems();
    options.text = QStringLiteral("Claim 4711");
    options.quality = QualityPreset::Small;
    options.output = dir.filePath(QStringLiteral("out/overlay.mp4"));
    QList<double> fractions;
    const ExportResult done = ExportJob::runNow(
        recordings, pieces, options, false, keepGoing,
        [&](double fraction, int) { fractions.append(fraction); });
    QVERIFY2(done.ok, qPrintable(done.error));
    QVERIFY(!fractions.isEmpty());
    QCOMPARE(fractions.last(), 1.0);

    const QJsonObject facts = probe(options.output);
    const double duration =
        facts.value("format").toObject().value("duration").toString().toDouble();
    QVERIFY2(qAbs(duration - 4.0) <= 0.1 + 1e-6, qPrintable(QString::number(duration)));
    const QJsonObject video = facts.value("streams").toArray().at(0).toObject();
    QCOMPARE(video.value("width").toInt(), 640);
    QCOMPARE(video.value("height").toInt(), 180);
    bool audio = false;
    for (const QJsonValue &s : facts.value("streams").toArray())
        audio = audio || s.toObject().value("codec_type").toString() == QLatin1String("audio");
    QVERIFY(audio);

    // The same clip without the overlay: the video above the band matches it, the band
    // does not.
    ExportOptions plain = options;
    plain.overlay = 0;
    plain.output = dir.filePath(QStringLiteral("out/plain.mp4"));
    QVERIFY(ExportJob::runNow(recordings, pieces, plain, false, keepGoing, {}).ok);
    const ClipRender::Plan plan = ClipRender::plan(recordings, pieces, options);
    const int band = plan.bandHeight;
    QVERIFY(band > 0 && band < 180);
    for (double at : {0.5, 2.0, 3.5}) {
        const QImage a = frameAt(options.output, at);
        const QImage b = frameAt(plain.output, at);
        QCOMPARE(a.size(), QSize(640, 180));
        QCOMPARE(b.size(), QSize(640, 180));
        const QRect above(0, 0, 640, 180 - band - 4);
        const QRect inBand(0, 180 - band + 4, 640, band - 8);
        QVERIFY2(meanDifference(a, b, above) < 4.0,
                 qPrintable(QString::number(meanDifference(a, b, above))));
        QVERIFY2(meanDifference(a, b, inBand) > 15.0,
                 qPrintable(QString::number(meanDifference(a, b, inBand))));
    }
    // The left half is the front camera, the right half the rear (its negative).
    const QImage b = frameAt(plain.output, 1.0);
    QVERIFY(meanDifference(b, b.mirrored(true, false), QRect(0, 0, 320, 60)) > 10.0);
}

void TestExportJob::evidencePackVerifies()
{
    const QList<ClipPiece> pieces = range(2.0, 6.0);
    const QString folder = dir.filePath(QStringLiteral("out/evidence"));
    const ExportResult done = EvidencePack::write(recordings, pieces, folder, keepGoing, {});
    QVERIFY2(done.ok, qPrintable(done.error));
    QFile file(folder + QStringLiteral("/manifest.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(manifest.value("range").toObject().value("from").toString(),
             QStringLiteral("2024-05-17T08:30:02.000"));
    QCOMPARE(manifest.value("range").toObject().value("seconds").toDouble(), 4.0);
    QStringList names;
    QJsonArray entries = manifest.value("cuts").toArray();
    for (const QJsonValue &r : manifest.value("recordings").toArray()) {
        for (const QJsonValue &f : r.toObject().value("files").toArray())
            entries.append(f);
    }
    for (const QJsonValue &t : manifest.value("track").toArray())
        entries.append(t);
    QCOMPARE(entries.size(), 2 + 4 + 2); // two cuts, two recordings of two files, GPX and CSV
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString path = folder + QLatin1Char('/') + entry.value("name").toString();
        const QByteArray line = run(QStringLiteral("sha256sum"), {path});
        QCOMPARE(QString::fromLatin1(line.left(64)), entry.value("sha256").toString());
        QCOMPARE(qint64(entry.value("size").toDouble()), QFileInfo(path).size());
    }
    // The originals are the camera's bytes.
    const QString original = recordings[0].channels[1];
    QCOMPARE(EvidencePack::sha256Of(folder + QStringLiteral("/originals/") +
                                    QFileInfo(original).fileName()),
             EvidencePack::sha256Of(original));
    // Cuts by stream copy start at a keyframe at or before the range: they hold all of it.
    const double cut = probe(folder + QStringLiteral("/cuts/front.mov"))
                           .value("format").toObject().value("duration").toString().toDouble();
    QVERIFY2(cut >= 3.9 && cut <= 6.1, qPrintable(QString::number(cut)));
    QFile gpx(folder + QStringLiteral("/track.gpx"));
    QVERIFY(gpx.open(QIODevice::ReadOnly));
    const QByteArray gpxText = gpx.readAll();
    // One segment per recording of the range, with its fixes inside the range only.
    QCOMPARE(gpxText.count("<trkseg>"), 2);
    QVERIFY(gpxText.count("trkpt lat=") >= 3 && gpxText.count("trkpt lat=") <= 4);
    QVERIFY(!gpxText.contains("T08:30:01<") && !gpxText.contains("T08:30:06<"));
}

void TestExportJob::cancelLeavesNoFile()
{
    const QString folder = dir.filePath(QStringLiteral("cancelled"));
    QDir().mkpath(folder);
    ExportOptions options;
    options.overlay = ExportNames::allOverlayItems();
    options.quality = QualityPreset::Small;
    options.output = folder + QStringLiteral("/clip.mp4");
    for (bool evidence : {false, true}) {
        ExportJob job(recordings, range(0.0, 8.0), options, evidence);
        QSignalSpy finished(&job, &ExportJob::exportFinished);
        connect(&job, &ExportJob::progressChanged, &job, &ExportJob::cancel);
        // A small card may be done before ffmpeg reports any progress: cancel at once too.
        job.cancel();
        job.start();
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.first().at(0).toBool(), false);
        QCOMPARE(finished.first().at(1).toBool(), true);
        QVERIFY2(leftovers(folder).isEmpty(), qPrintable(leftovers(folder).join(' ')));
    }
}

void TestExportJob::missingChannelFailsCleanly()
{
    // A card folder of a fixed name: a temporary folder's own random name may end in F or R,
    // which would make it a front- or rear-channel folder.
    QTemporaryDir scratch;
    QVERIFY(QDir(scratch.path()).mkdir(QStringLiteral("card")));
    const QDir copy(scratch.filePath(QStringLiteral("card")));
    for (const ClipRecording &r : recordings) {
        for (const QString &f : r.channels) {
            if (!f.isEmpty())
                QVERIFY(QFile::copy(f, copy.filePath(QFileInfo(f).fileName())));
        }
    }
    QVERIFY(QFile::remove(copy.filePath(ExportCard::fileName(1, true, kSeconds))));
    QList<ClipRecording> broken = ClipTimeline::loadFolder(copy.path());
    QCOMPARE(broken.size(), 2);
    broken[1].channels[1] = copy.filePath(ExportCard::fileName(1, true, kSeconds));
    QString error;
    const QList<ClipPiece> pieces = ClipRange::resolve(
        broken, broken[0].start.addSecs(2), broken[0].start.addSecs(6), &error);
    const QString out = dir.filePath(QStringLiteral("failed"));
    ExportOptions options;
    options.output = out + QStringLiteral("/clip.mp4");
    const ExportResult clip = ExportJob::runNow(broken, pieces, options, false, keepGoing, {});
    QVERIFY(!clip.ok);
    QVERIFY2(clip.error.contains(QLatin1String("rear")), qPrintable(clip.error));
    QVERIFY(leftovers(out).isEmpty());
    options.output = out + QStringLiteral("/evidence");
    const ExportResult pack = ExportJob::runNow(broken, pieces, options, true, keepGoing, {});
    QVERIFY(!pack.ok);
    QVERIFY(!pack.error.contains('\n'));
    QVERIFY(leftovers(out).isEmpty());
}

QTEST_MAIN(TestExportJob)
#include "tst_exportjob.moc"
