#include "app/mainwindows.h"
#include "instruments/mapwebview.h"
#include "library/playlistitem.h"
#include "library/playlistmodel.h"
#include "parser/videoparser.h"
#include "playback/playareamanager.h"
#include "settings/configuration.h"
#include "tools/simulator/recordingsimulator.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

// From a card to the map page in the real window and web engine: the page gets each
// recording's whole track, and the next recording's track replaces it.
class TestMapFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachRecordingsTrackReplacesTheLastOnThePage();

private:
    QVariant evaluate(const QString &script);
    QJsonObject pageState();
    QStringList trackCalls();

    MapWebView *map = nullptr;
};

void TestMapFlow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    VideoParser::setParseDelayMs(0);
    Configuration::instance()->setMaps(OpenStreetMap);
}

QVariant TestMapFlow::evaluate(const QString &script)
{
    QVariant result;
    bool done = false;
    map->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    QDeadlineTimer deadline(20000);
    while (!done && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return result;
}

QJsonObject TestMapFlow::pageState()
{
    return QJsonDocument::fromJson(evaluate("typeof waylumeMap === 'undefined' ? '{}' : "
                                            "JSON.stringify(waylumeMap.state())")
                                       .toString()
                                       .toUtf8())
        .object();
}

QStringList TestMapFlow::trackCalls()
{
    QStringList calls;
    for (const QString &line : evaluate("waylumeMap.callLog()").toString().split('\n')) {
        if (line.startsWith("loadAllGpsDataOfVideo("))
            calls.append(line.mid(22).chopped(1));
    }
    return calls;
}

void TestMapFlow::eachRecordingsTrackReplacesTheLastOnThePage()
{
    QTemporaryDir card;
    const QString folder = card.path() + "/DCIM";
    QVERIFY(QDir().mkpath(folder));
    Simulator::TrackShape london;
    london.latitude = 51.5088;
    london.longitude = -0.1268;
    const QVector<Simulator::Fix> first = Simulator::makeTrack(6, london);
    london.latitude = 48.8530;
    london.longitude = 2.3499;
    const QVector<Simulator::Fix> second = Simulator::makeTrack(9, london);
    for (const auto &[name, track] : {std::pair{"20240517_083000_0000001F.MP4", first},
                                      std::pair{"20240517_083100_0000011F.MP4", second}}) {
        Simulator::Recording recording;
        recording.track = track;
        QString error;
        QVERIFY2(Simulator::write(recording, folder + "/" + name, &error), qPrintable(error));
    }

    MainWindows window(nullptr);
    window.show();
    map = window.findChild<MapWebView *>("wgt_MapView");
    QVERIFY(map);
    auto *model =
        qobject_cast<PlaylistModel *>(window.findChild<QTableView *>("tbl_PlayListView")->model());
    QSignalSpy parsed(model, &PlaylistModel::allGpsDataParserFinished);
    // What the window was handed for a row is what the page must get, point for point.
    const auto trackOf = [&parsed](int row) {
        for (const QList<QVariant> &arguments : qAsConst(parsed)) {
            if (arguments.at(0).toInt() == row)
                return arguments.at(1).value<QList<GpsData>>();
        }
        return QList<GpsData>();
    };
    const auto checkPageHas = [this](const QList<GpsData> &records) {
        QTRY_COMPARE_WITH_TIMEOUT(pageState().value("drawnTrack").toInt(), records.size(), 30000);
        QCOMPARE(pageState().value("track").toInt(), records.size());
        const QStringList calls = trackCalls();
        for (int i = 0; i < records.size(); ++i) {
            const QStringList args = calls.value(calls.size() - records.size() + i).split(", ");
            QCOMPARE(args.value(2).toInt(), i);
            QCOMPARE(args.value(3).toInt(), records.size());
            QVERIFY(qAbs(args.value(0).toDouble() - records.at(i).longitude) < 1e-6);
            QVERIFY(qAbs(args.value(1).toDouble() - records.at(i).latitude) < 1e-6);
        }
    };

    window.openFolder(folder);
    QTRY_VERIFY_WITH_TIMEOUT(!trackOf(0).isEmpty(), 30000);
    const QList<GpsData> firstRecords = trackOf(0);
    QVERIFY(qAbs(firstRecords.first().longitude - first.first().longitude) < 1e-5);
    checkPageHas(firstRecords);

    window.nextClicked();
    QTRY_VERIFY_WITH_TIMEOUT(!trackOf(1).isEmpty(), 30000);
    const QList<GpsData> secondRecords = trackOf(1);
    QVERIFY(qAbs(secondRecords.first().latitude - second.first().latitude) < 1e-5);
    checkPageHas(secondRecords);
    // Starting the second recording cleared the first track before the new one came in.
    const QString log = evaluate("waylumeMap.callLog()").toString();
    const int clear = log.lastIndexOf("mapClearAll()");
    QVERIFY(clear > log.lastIndexOf(QStringLiteral(", %1)").arg(firstRecords.size())));
    QVERIFY(clear < log.lastIndexOf(QStringLiteral(", %1)").arg(secondRecords.size())));
}

int main(int argc, char **argv)
{
    // The player's own engine switch.
    std::vector<char *> arguments(argv, argv + argc);
    char disableWebSecurity[] = "--disable-web-security";
    arguments.push_back(disableWebSecurity);
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    TestMapFlow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mapflow.moc"
