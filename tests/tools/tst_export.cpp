// waylume-export as scripts use it: a range by camera times and one around a position, the
// clip's length and frame size by ffprobe, and the exit codes: 2 for bad arguments, 1 with
// one line for a failure (no ffmpeg, no such time), with nothing left behind.

#include "tests/export/exportcard.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const int kSeconds = 4;

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run exportTool(const QStringList &args, const QProcessEnvironment &env =
                                             QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(WAYLUME_BIN_DIR "/waylume-export"), args);
    Run run;
    if (!p.waitForFinished(180000))
        return run;
    run.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

QJsonObject probe(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {"-v", "error", "-show_entries",
                                        "format=duration:stream=width,height", "-of", "json", file});
    p.waitForFinished(60000);
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layoutsAndLengths_data();
    void layoutsAndLengths();
    void badArgumentsExitTwo();
    void failuresExitOneAndLeaveNothing();

private:
    QTemporaryDir dir;
    QString card;
};

void TestExport::initTestCase()
{
    if (!ExportCard::haveFfmpeg())
        QSKIP("ffmpeg and ffprobe are needed");
    card = dir.filePath(QStringLiteral("card"));
    QString error;
    QVERIFY2(ExportCard::write(card, 2, kSeconds, &error), qPrintable(error));
}

void TestExport::layoutsAndLengths_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QSize>("size");
    // 320x180 sources at the small preset keep their size: no upscaling.
    QTest::newRow("side across two recordings")
        << QStringList{"--from", "2024-05-17 08:30:02", "--to", "2024-05-17 08:30:07"} << 5.0
        << QSize(640, 180);
    QTest::newRow("stack") << QStringList{"--from", "2024-05-17 08:30:01", "--to",
                                          "2024-05-17 08:30:03", "--layout", "stack"}
                           << 2.0 << QSize(320, 360);
    QTest::newRow("grid, no overlay")
        << QStringList{"--from", "2024-05-17 08:30:01", "--to", "2024-05-17 08:30:03",
                       "--layout", "grid", "--overlay", "none"}
        << 2.0 << QSize(640, 360);
    QTest::newRow("pip around a position")
        << QStringList{"--row", "1", "--at", "1", "--before", "2", "--after", "1", "--layout",
                       "pip", "--overlay", "time,speed,map"}
        << 3.0 << QSize(320, 180);
    QTest::newRow("front, cut where the drive ends")
        << QStringList{"--from", "2024-05-17 08:30:06", "--to", "2024-05-17 08:30:20",
                       "--layout", "front", "--text", "Claim 4711"}
        << 2.0 << QSize(320, 180);
}

void TestExport::layoutsAndLengths()
{
    QFETCH(QStringList, args);
    QFETCH(double, seconds);
    QFETCH(QSize, size);
    const QString out = dir.filePath(QStringLiteral("out/%1.mp4").arg(QTest::currentDataTag()));
    const Run run = exportTool(QStringList{card} << args << "--quality" << "small" << "-o" << out);
    QVERIFY2(run.code == 0, run.err.constData());
    QCOMPARE(QString::fromLocal8Bit(run.out.trimmed()), out);
    const QJsonObject facts = probe(out);
    const double duration =
        facts.value("format").toObject().value("duration").toString().toDouble();
    // Within one frame (10 frames a second).
    QVERIFY2(qAbs(duration - seconds) <= 0.1 + 1e-6, qPrintable(QString::number(duration)));
    const QJsonObject video = facts.value("streams").toArray().at(0).toObject();
    QCOMPARE(QSize(video.value("width").toInt(), video.value("height").toInt()), size);
}

void TestExport::badArgumentsExitTwo()
{
    const QString out = dir.filePath(QStringLiteral("bad.mp4"));
    const QList<QStringList> bad{
        {card, "--from", "2024-05-17 08:30:02", "-o", out},                     // no --to
        {card, "--from", "yesterday", "--to", "2024-05-17 08:30:03", "-o", out},
        {card, "--from", "2024-05-17 08:30:05", "--to", "2024-05-17 08:30:02", "-o", out},
        {card, "--from", "2024-05-17 08:30:02", "--to", "2024-05-17 08:30:03", "--layout",
         "circle", "-o", out},
        {card, "--from", "2024-05-17 08:30:02", "--to", "2024-05-17 08:30:03", "--overlay",
         "time,weather", "-o", out},
        {card, "--row", "0", "--at", "x", "-o", out},
        {card, "--row", "0", "--at", "1", "--from", "2024-05-17 08:30:02", "-o", out},
        {card, "--row", "0", "--at", "1"}, // no -o
        {"--row", "0", "--at", "1", "-o", out},
        {card, "--frobnicate"}};
    for (const QStringList &args : bad) {
        const Run run = exportTool(args);
        QVERIFY2(run.code == 2, qPrintable(args.join(' ')));
        QVERIFY(run.err.startsWith("waylume-export: "));
    }
    QVERIFY(!QFile::exists(out));
}

void TestExport::failuresExitOneAndLeaveNothing()
{
    const QString folder = dir.filePath(QStringLiteral("failed"));
    const QString out = folder + QStringLiteral("/clip.mp4");
    const QStringList range{card, "--from", "2024-05-17 08:30:02", "--to", "2024-05-17 08:30:05",
                            "-o", out};
    // No ffmpeg on the search path.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), dir.filePath(QStringLiteral("empty")));
    for (bool evidence : {false, true}) {
        const Run run = exportTool(evidence ? QStringList(range) << "--evidence" : range, env);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains("ffmpeg"), run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
    }
    // A time the card does not hold, and a row it does not have.
    Run run = exportTool({card, "--from", "2024-05-17 09:00:00", "--to", "2024-05-17 09:00:05",
                          "-o", out});
    QCOMPARE(run.code, 1);
    QCOMPARE(run.err.count('\n'), 1);
    run = exportTool({card, "--row", "7", "--at", "1", "-o", out});
    QCOMPARE(run.code, 1);
    QVERIFY(!QDir(folder).exists() || QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::NoDotAndDotDot).isEmpty());
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
