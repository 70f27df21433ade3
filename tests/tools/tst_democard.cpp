#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QtTest>

// The card ./run opens without a folder: written once into build/demo, as ./run does, then
// read back through the player's own discovery and parser (waylume-probe).
class TestDemoCard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        card = QDir(QStringLiteral(WAYLUME_BIN_DIR "/../demo")).absolutePath();
        QProcess demo;
        demo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        demo.start(QStringLiteral(WAYLUME_BIN_DIR "/waylume-demo"), {card});
        QVERIFY(demo.waitForFinished(600000));
        QCOMPARE(demo.exitCode(), 0);
    }

    void threeRowsOfFrontAndRear()
    {
        const QJsonObject scan = probe({QStringLiteral("--scan"), card});
        const QJsonArray rows = scan.value(QStringLiteral("rows")).toArray();
        QCOMPARE(rows.size(), 3);
        for (const QJsonValue &row : rows) {
            const QJsonObject channels = row.toObject().value(QStringLiteral("channels")).toObject();
            QCOMPARE(channels.value(QStringLiteral("count")).toInt(), 2);
            QVERIFY(channels.value(QStringLiteral("front")).toBool());
            QVERIFY(!channels.value(QStringLiteral("rearUrl")).toString().isEmpty());
            fronts << row.toObject().value(QStringLiteral("url")).toString();
        }
        QCOMPARE(scan.value(QStringLiteral("play")).toInt(), 0);
    }

    // One drive: consecutive clocks, a track in two arrangements, one hard stop.
    void frontTracksReadAsOneDrive()
    {
        QVERIFY(!fronts.isEmpty());
        QSet<QString> kinds;
        QString lastTime;
        double hardest = 0;
        for (const QString &url : fronts) {
            const QJsonObject file = probe({QStringLiteral("--format"), QStringLiteral("json"),
                                            QUrl(url).toLocalFile()});
            const QJsonObject video = file.value(QStringLiteral("video")).toObject();
            QCOMPARE(video.value(QStringLiteral("width")).toInt(), 1280);
            QCOMPARE(video.value(QStringLiteral("height")).toInt(), 720);
            QCOMPARE(video.value(QStringLiteral("codec")).toInt(), 1);
            kinds << file.value(QStringLiteral("kind")).toString();
            // The demo camera's clock runs an hour ahead of its GPS on purpose.
            QCOMPARE(file.value(QStringLiteral("clockOffsetSeconds")).toDouble(), 3600.0);
            const QJsonArray records = file.value(QStringLiteral("records")).toArray();
            QVERIFY(records.size() >= 30);
            const QString first =
                records.first().toObject().value(QStringLiteral("dateTime")).toString();
            QVERIFY2(first > lastTime, qPrintable(first));
            for (const QJsonValue &record : records) {
                const QJsonObject fix = record.toObject();
                hardest = qMin(hardest, fix.value(QStringLiteral("gsensorY")).toDouble());
                QVERIFY(fix.value(QStringLiteral("latitude")).toDouble() != 0);
                lastTime = fix.value(QStringLiteral("dateTime")).toString();
            }
        }
        QCOMPARE(kinds.size(), 2);
        QVERIFY2(hardest < -0.6, qPrintable(QString::number(hardest)));
    }

    // The trip export writes GPS time as UTC, an hour behind the names and burned-in clock.
    void tripIsExportedInUtc()
    {
        QProcess process;
        process.start(QStringLiteral(WAYLUME_BIN_DIR "/waylume-probe"),
                      {QStringLiteral("--trip"), card});
        QVERIFY(process.waitForFinished(60000));
        const QByteArray gpx = process.readAllStandardOutput();
        QVERIFY(gpx.contains("<time>2024-05-17T07:30:00Z</time>"));
        QVERIFY(gpx.contains("<wl:cameraTime>2024-05-17T08:30:00</wl:cameraTime>"));
    }

private:
    static QJsonObject probe(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(WAYLUME_BIN_DIR "/waylume-probe"), arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return QJsonObject();
        return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    }

    QString card;
    QStringList fronts;
};

QTEST_GUILESS_MAIN(TestDemoCard)
#include "tst_democard.moc"
