#include "../parser/messagelog.h"
#include "instruments/mappages.h"
#include "instruments/mapprofile.h"
#include "instruments/mapwebview.h"
#include "settings/configuration.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTcpSocket>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTcpServer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QtTest>
#include <memory>
#include <vector>

// The map view against the real pages in the real web engine: what each page actually
// received (its own call log), when the track is sent again, where new windows go, and what
// a page script can reach. The engine runs with web security off, as the player does.

namespace {

// Stands in for the desktop's browser.
class BrowserRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

QVariant evaluate(QWebEngineView *view, const QString &script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    QDeadlineTimer deadline(20000);
    while (!done && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!done)
        qWarning() << "no answer from the page to" << script;
    return result;
}

QStringList callLog(QWebEngineView *view)
{
    return evaluate(view, "waylumeMap.callLog()").toString().split('\n', Qt::SkipEmptyParts);
}

QJsonObject pageState(QWebEngineView *view)
{
    return QJsonDocument::fromJson(
               evaluate(view, "JSON.stringify(waylumeMap.state())").toString().toUtf8())
        .object();
}

QStringList trackCalls(const QStringList &log)
{
    QStringList calls;
    for (const QString &line : log) {
        if (line.startsWith("loadAllGpsDataOfVideo"))
            calls.append(line);
    }
    return calls;
}

bool waitForLoad(QWebEngineView *view)
{
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    return loaded.wait(30000);
}

const QVector<QVector<double>> threePoints = {{-0.1, 51.5}, {-0.2, 51.6}, {-0.3, 51.7}};

// A tile server on this machine: every GET gets one magenta tile that may be cached for a
// day; it remembers what it was asked for and by whom.
class TileServer : public QTcpServer
{
public:
    static const QRgb kTileColour = 0xffc81ec8;

    TileServer()
    {
        QImage tile(256, 256, QImage::Format_RGB32);
        tile.fill(kTileColour);
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        tile.save(&buffer, "PNG");
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                serve(socket);
        });
    }

    // A free port that nothing listens on yet: connections to it are refused.
    static quint16 freePort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return probe.serverPort();
    }

    QStringList paths;
    QStringList userAgents;

private:
    void serve(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            request += socket->readAll();
            if (!request.contains("\r\n\r\n"))
                return;
            const QList<QByteArray> lines = request.split('\n');
            request.clear();
            paths << QString::fromLatin1(lines.value(0).split(' ').value(1));
            for (const QByteArray &line : lines) {
                if (line.toLower().startsWith("user-agent:"))
                    userAgents << QString::fromLatin1(line.mid(11).trimmed());
            }
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\n"
                          "Cache-Control: public, max-age=86400\r\nContent-Length: " +
                          QByteArray::number(png.size()) + "\r\nConnection: close\r\n\r\n" +
                          png);
            socket->disconnectFromHost();
        });
    }

    QByteArray png;
    QByteArray request;
};

} // namespace

class TestMapWebView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadClearsAndCentresAndPointsWaitForIt();
    void osmPageGetsTheWholeTrackAndDrawsItOnAPlainBackground();
    void onlyAReloadedOsmPageGetsTheTrackAgain();
    void secondsWithoutAPositionAreGapsOnEveryPage();
    void baiduPageConvertsToItsOffsetCoordinates();
    void newWindowsReachTheBrowserOnlyAsWebAddresses();
    void pageScriptsReachOnlyPageFilesAndProviders();
    void clickOnTheTrackAsksForItsNearestPoint();
    void tilesComeBackAfterAFailedStartAndAreCached();
    void keysReachOnlyTheirProvidersPage();

private:
    MapWebView *makeView(MapTypes type);

    std::unique_ptr<MapWebView> view;
};

void TestMapWebView::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    Configuration::instance()->setLanguage(2);
}

void TestMapWebView::init()
{
    Configuration::instance()->setMaps(OpenStreetMap);
    Configuration::instance()->setGoogleMapsKey(QString());
    Configuration::instance()->setBaiduMapsKey(QString());
}

void TestMapWebView::cleanup()
{
    view.reset();
    MapPages::setLocalTileServerForTesting(0);
}

MapWebView *TestMapWebView::makeView(MapTypes type)
{
    Configuration::instance()->setMaps(type);
    view = std::make_unique<MapWebView>();
    view->setAttribute(Qt::WA_DeleteOnClose, false);
    view->resize(480, 360);
    view->show();
    return view.get();
}

void TestMapWebView::loadClearsAndCentresAndPointsWaitForIt()
{
    MapWebView *map = makeView(OpenStreetMap);
    map->addPoint({1, 2.0, 48.0}); // the page is still loading: dropped, not queued
    QVERIFY(waitForLoad(map));
    QCOMPARE(map->url().query(), QStringLiteral("lng=-74.013476&lat=40.705562"));
    QCOMPARE(callLog(map), QStringList({"mapClearAll()", "setCenter(0, 0)"}));

    map->addPoint({7, -0.1267719269, 51.5087958794});
    map->setCurrentPoint({8, -0.1267719269, 51.5087958794});
    map->setDefaultCenter();
    QCOMPARE(callLog(map), QStringList({"mapClearAll()", "setCenter(0, 0)",
                                        "mapAddPoint(-0.126772, 51.508796, 7)",
                                        "mapSetCurrentPoint(-0.126772, 51.508796, 8)",
                                        "setCenter(-0.126772, 51.508796)"}));

    // A reload centres on the saved current point; until it has loaded nothing is drawn.
    map->setMapType(OpenStreetMap);
    map->addPoint({9, 3.0, 4.0});
    map->setCurrentPoint({10, 5.0, 6.0});
    QVERIFY(waitForLoad(map));
    QCOMPARE(callLog(map), QStringList({"mapClearAll()", "setCenter(-0.126772, 51.508796)"}));
}

void TestMapWebView::osmPageGetsTheWholeTrackAndDrawsItOnAPlainBackground()
{
    MapWebView *map = makeView(OpenStreetMap);
    QVERIFY(waitForLoad(map));
    MessageLog messages;
    map->loadAllGpsData(threePoints);
    QCOMPARE(trackCalls(callLog(map)), QStringList({"loadAllGpsDataOfVideo(-0.1, 51.5, 0, 3)",
                                                    "loadAllGpsDataOfVideo(-0.2, 51.6, 1, 3)",
                                                    "loadAllGpsDataOfVideo(-0.3, 51.7, 2, 3)"}));
    QCOMPARE(messages.count(QStringLiteral("将加载OSM地图的所有轨迹：组数 3")), 1);
    QCOMPARE(pageState(map).value("drawnTrack").toInt(), 3);

    // No tiles on this machine: the page says so in one line and draws on a plain background.
    QTRY_COMPARE_WITH_TIMEOUT(pageState(map).value("notice").toString(), QStringLiteral("offline"),
                              20000);
    QVERIFY(pageState(map).value("noticeText").toString().startsWith("No connection"));
    QCOMPARE(pageState(map).value("drawnTrack").toInt(), 3);

    // A track handed over during the wait of an earlier one wins; the earlier is dropped.
    const QVector<QVector<double>> next = {{2.1, 48.8}, {2.2, 48.9}};
    QTimer::singleShot(100, map, [map, next] { map->loadAllGpsData(next); });
    map->loadAllGpsData(threePoints);
    const QStringList calls = trackCalls(callLog(map));
    QCOMPARE(calls.mid(3), QStringList({"loadAllGpsDataOfVideo(2.1, 48.8, 0, 2)",
                                        "loadAllGpsDataOfVideo(2.2, 48.9, 1, 2)"}));
    QCOMPARE(pageState(map).value("drawnTrack").toInt(), 2);
    // A page load during the wait does not put the cached (older) track before it either.
    GPSUser cached;
    cached.track = threePoints;
    map->setTrackCache(&cached);
    QTimer::singleShot(100, map, [map] { map->mapLoadingFinish(true); });
    map->loadAllGpsData(next);
    QCOMPARE(trackCalls(callLog(map)).size(), 7);
    QCOMPARE(pageState(map).value("drawnTrack").toInt(), 2);
    map->setTrackCache(nullptr);

    // An empty track sends nothing; a cleared page forgets the drawn one.
    map->clearAll();
    map->loadAllGpsData({});
    QCOMPARE(trackCalls(callLog(map)).size(), 7);
    QCOMPARE(pageState(map).value("drawnTrack").toInt(), 0);
}

void TestMapWebView::onlyAReloadedOsmPageGetsTheTrackAgain()
{
    GPSUser record;
    record.rowId = 4;
    record.track = threePoints;
    MapWebView *map = makeView(BaiduMap);
    QVERIFY(waitForLoad(map));
    map->setTrackCache(&record);
    map->loadAllGpsData(record.track);
    QVERIFY(trackCalls(callLog(map)).isEmpty());

    Configuration::instance()->setMaps(OpenStreetMap);
    map->setMapType(OpenStreetMap);
    QVERIFY(waitForLoad(map));
    const QStringList osm = callLog(map);
    QCOMPARE(osm.mid(0, 2), QStringList({"mapClearAll()", "setCenter(0, 0)"}));
    QCOMPARE(trackCalls(osm).size(), 3);
    QCOMPARE(pageState(map).value("drawnTrack").toInt(), 3);

    Configuration::instance()->setMaps(GoogleMap);
    map->setMapType(GoogleMap);
    QVERIFY(waitForLoad(map));
    QCOMPARE(callLog(map), QStringList({"mapClearAll()", "setCenter(0, 0)"}));
    // Without a key the Google page still takes the calls and draws them plainly.
    QCOMPARE(pageState(map).value("notice").toString(), QStringLiteral("nokey"));
    map->addPoint({1, 116.4, 39.9});
    QCOMPARE(pageState(map).value("points").toInt(), 1);
}

// A parked camera logs a fix every few seconds; the seconds between arrive as 0, 0 and must
// neither pull the line to 0°N 0°E nor take the view there.
void TestMapWebView::secondsWithoutAPositionAreGapsOnEveryPage()
{
    const QVector<QVector<double>> parked = {{-0.1, 51.5}, {0, 0}, {0, 0}, {-0.2, 51.6},
                                             {-0.3, 51.7}, {0, 0}, {-0.4, 51.8}};
    const QVector<QVector<double>> nothing = {{0, 0}, {0, 0}};
    for (const MapTypes type : {OpenStreetMap, GoogleMap, BaiduMap}) {
        MapWebView *map = makeView(type);
        QVERIFY(waitForLoad(map));
        // Only the OpenStreetMap page takes the whole track from the player; the others draw
        // it when the page holds one, so it is handed to them directly.
        if (type == OpenStreetMap)
            map->loadAllGpsData(parked);
        else
            evaluate(map, "[[-0.1, 51.5], [0, 0], [0, 0], [-0.2, 51.6], [-0.3, 51.7], [0, 0],"
                          " [-0.4, 51.8]].forEach(function (q, i) {"
                          " waylumeMap.receiveTrackPoint(q[0], q[1], i, 7); }); true");
        QTRY_COMPARE(pageState(map).value("drawnTrack").toInt(), 4);
        QCOMPARE(pageState(map).value("drawnRuns").toInt(), 3);
        const QJsonArray bounds = pageState(map).value("drawnBounds").toArray();
        QCOMPARE(bounds.size(), 4);
        QVERIFY2(bounds[0].toDouble() > 51.4 && bounds[1].toDouble() < -0.09,
                 qPrintable(QString::number(bounds[0].toDouble())));

        // Played seconds without a position leave the marker where it was.
        map->addPoint({0, -0.1, 51.5});
        map->addPoint({1, 0, 0});
        map->setCurrentPoint({2, 0, 0});
        QCOMPARE(pageState(map).value("current").toArray().at(2).toInt(), 0);

        if (type == OpenStreetMap) {
            map->clearAll();
            map->loadAllGpsData(nothing);
            QTRY_COMPARE(pageState(map).value("track").toInt(), 2);
            QCOMPARE(pageState(map).value("drawnTrack").toInt(), 0);
            QVERIFY(pageState(map).value("drawnBounds").isNull());
        }
        view.reset();
    }
}

void TestMapWebView::baiduPageConvertsToItsOffsetCoordinates()
{
    MapWebView *map = makeView(BaiduMap);
    QVERIFY(waitForLoad(map));
    QCOMPARE(pageState(map).value("notice").toString(), QStringLiteral("nokey"));
    const auto convert = [map](const char *function, double lng, double lat) {
        const QVariantList pair = evaluate(map, QStringLiteral("waylumeMap.%1(%2, %3)")
                                                    .arg(QLatin1String(function))
                                                    .arg(lng, 0, 'g', 17)
                                                    .arg(lat, 0, 'g', 17))
                                      .toList();
        return QPointF(pair.value(0).toDouble(), pair.value(1).toDouble());
    };
    const auto near = [](QPointF a, QPointF b) {
        return qAbs(a.x() - b.x()) < 1e-9 && qAbs(a.y() - b.y()) < 1e-9;
    };
    // Published pairs of the public conversion (Tiananmen area).
    QVERIFY(near(convert("wgs84ToGcj02", 116.404, 39.915),
                 QPointF(116.41024449916938, 39.91640428150164)));
    QVERIFY(near(convert("gcj02ToBd09", 116.404, 39.915),
                 QPointF(116.41036949371029, 39.92133699351021)));
    QVERIFY(near(convert("wgs84ToBd09", 116.404, 39.915),
                 convert("gcj02ToBd09", 116.41024449916938, 39.91640428150164)));
    // Outside China there is no offset to undo.
    QVERIFY(near(convert("wgs84ToGcj02", -0.126772, 51.508796), QPointF(-0.126772, 51.508796)));
}

void TestMapWebView::newWindowsReachTheBrowserOnlyAsWebAddresses()
{
    BrowserRecorder browser;
    for (const char *scheme : {"http", "https", "file", "waylume-test"})
        QDesktopServices::setUrlHandler(scheme, &browser, "open");
    MapWebView *map = makeView(OpenStreetMap);
    QVERIFY(waitForLoad(map));
    MessageLog messages;
    const auto openWindow = [&](const QString &address) {
        const int before = messages.count(QStringLiteral("goto : "));
        evaluate(map, QStringLiteral("window.open('%1'); true").arg(address));
        QTRY_VERIFY_WITH_TIMEOUT(messages.count(QStringLiteral("goto : ")) > before, 10000);
        QTest::qWait(200);
    };

    openWindow("https://maps.google.com/maps?ll=51.5,-0.1&z=14&mapclient=apiv3");
    QVERIFY(browser.opened.isEmpty());
    openWindow("https://www.example.com/help?source=apiv3&rapsrc=apiv3");
    QCOMPARE(browser.opened.value(0).toString(),
             QStringLiteral("https://www.example.com/help?source=apiv3&rapsrc=apiv3&hl=ja"));
    Configuration::instance()->setLanguage(1);
    openWindow("https://www.example.com/terms?source=apiv3&rapsrc=apiv3");
    Configuration::instance()->setLanguage(2);
    QCOMPARE(browser.opened.value(1).toString(),
             QStringLiteral("https://www.example.com/terms?source=apiv3&rapsrc=apiv3&hl=en"));
    openWindow("https://www.example.com/terms_maps.html");
    QCOMPARE(browser.opened.value(2).toString(),
             QStringLiteral("https://www.example.com/terms_maps.html"));
    QCOMPARE(browser.opened.size(), 3);

    openWindow("file:///etc/passwd");
    QVERIFY(messages.count(QStringLiteral("goto : file:///etc/passwd")) > 0);
    openWindow("waylume-test:run");
    QCOMPARE(browser.opened.size(), 3);
    for (const char *scheme : {"http", "https", "file", "waylume-test"})
        QDesktopServices::unsetUrlHandler(scheme);
}

void TestMapWebView::pageScriptsReachOnlyPageFilesAndProviders()
{
    QTcpServer elsewhere;
    QVERIFY(elsewhere.listen(QHostAddress::LocalHost));
    MapWebView *map = makeView(OpenStreetMap);
    QVERIFY(waitForLoad(map));
    MessageLog messages;
    const auto read = [map](const QString &url) {
        return evaluate(map, QStringLiteral("(function () { try { var r = new XMLHttpRequest();"
                                            " r.open('GET', '%1', false); r.send();"
                                            " return r.responseText.length; } catch (e) {"
                                            " return -1; } })()")
                                 .arg(url))
            .toInt();
    };
    const QString maps = QUrl::fromLocalFile(MapPages::directory()).toString();
    // Web security is off: a page file is readable, which proves the guard does the rest.
    QVERIFY(read(maps + "/map.css") > 0);
    QCOMPARE(read(QUrl::fromLocalFile(QStringLiteral(WAYLUME_SOURCE_DIR "/README.md")).toString()),
             -1);
    QCOMPARE(read(maps + "/../../CMakeCache.txt"), -1);

    const QString local = QStringLiteral("http://127.0.0.1:%1/").arg(elsewhere.serverPort());
    QCOMPARE(read(local + "upload?data=1"), -1);
    QCOMPARE(read(local + "upload?data=2"), -1);
    evaluate(map, QStringLiteral("new Image().src = '%1pixel.png'; true").arg(local));
    QTest::qWait(500);
    QVERIFY(!elsewhere.hasPendingConnections());
    QCOMPARE(messages.count(QStringLiteral("map request blocked: http://127.0.0.1")), 1);
    QCOMPARE(messages.count(QStringLiteral("README.md")), 1);
    // The provider's tile host is let through (and fails here only for want of a network).
    QCOMPARE(messages.count(QStringLiteral("tile.openstreetmap.org")), 0);
}

// A real click on the drawn track (plain drawing: no tiles here) reaches the view through
// the page's web channel, whose object offers that one call.
void TestMapWebView::clickOnTheTrackAsksForItsNearestPoint()
{
    MapWebView *map = makeView(OpenStreetMap);
    QVERIFY(waitForLoad(map));
    QTRY_VERIFY(evaluate(map, "waylumeMap.seekChannelReady()").toBool());
    // Besides qwebchannel.js's own helpers, the object lists its call and QObject's
    // deleteLater, which the bridge refuses (below).
    QCOMPARE(evaluate(map, "waylumeMap.seekCalls()").toString(),
             QString("deleteLater,deleteLater(),propertyUpdate,seekToTrackPoint,"
                     "seekToTrackPoint(int),signalEmitted,unwrapProperties,unwrapQObject"));
    evaluate(map, "new QWebChannel(qt.webChannelTransport, function (c) {"
                  " c.objects.trackSeek.deleteLater(); }); true");
    map->loadAllGpsData(threePoints);
    QTRY_COMPARE(pageState(map).value("drawnTrack").toInt(), 3);

    QSignalSpy clicked(map, &MapWebView::trackPointClicked);
    QWidget *surface = map->focusProxy();
    QVERIFY(surface);
    const QVariantList at = evaluate(map, "waylumeMap.trackPointOnPage(1)").toList();
    QCOMPARE(at.size(), 2);
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(at[0].toInt() + 4, at[1].toInt() - 3));
    QTRY_COMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().first().toInt(), 1);

    // Away from the track, nothing.
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(map->width() - 12, map->height() / 2));
    QTest::qWait(300);
    QCOMPARE(clicked.size(), 1);
    QVERIFY(callLog(map).contains("requestSeek(1)"));
}

// A page whose tiles fail at first (the server refuses) draws on the plain background, asks
// again later and shows the tiles once they come, keeping track and position; the tiles it
// has seen come from the engine's disk cache when the page loads again.
void TestMapWebView::tilesComeBackAfterAFailedStartAndAreCached()
{
    TileServer server;
    const quint16 port = TileServer::freePort();
    MapPages::setLocalTileServerForTesting(port);
    MapWebView *map = makeView(OpenStreetMap);
    QWebEngineProfile *profile = map->page()->profile();
    QCOMPARE(profile->httpCacheType(), QWebEngineProfile::DiskHttpCache);
    QCOMPARE(profile->httpCacheMaximumSize(), MapProfile::kHttpCacheBytes);
    QVERIFY(waitForLoad(map));
    map->loadAllGpsData(threePoints);
    map->addPoint({9, -0.2, 51.6});
    QTRY_VERIFY_WITH_TIMEOUT(pageState(map).value("plain").toBool(), 20000);
    QCOMPARE(pageState(map).value("notice").toString(), QStringLiteral("offline"));

    QVERIFY(server.listen(QHostAddress::LocalHost, port));
    QTRY_VERIFY_WITH_TIMEOUT(!pageState(map).value("plain").toBool(), 30000);
    const QJsonObject state = pageState(map);
    QCOMPARE(state.value("notice").toString(), QString());
    QCOMPARE(state.value("drawnTrack").toInt(), 3);
    QCOMPARE(state.value("points").toInt(), 1);
    QCOMPARE(state.value("current").toArray().at(2).toInt(), 9);
    // The tiles are on screen: the view's corner, away from the track, is tile-coloured.
    QTRY_COMPARE_WITH_TIMEOUT(map->grab().toImage().pixel(map->width() - 30, map->height() - 60),
                              TileServer::kTileColour, 10000);
    QVERIFY(!server.userAgents.isEmpty());
    for (const QString &agent : qAsConst(server.userAgents))
        QVERIFY2(agent.contains(QStringLiteral("Waylume/")), qPrintable(agent));

    // Only tiles of the view on screen were asked for, not a prefetch of the area.
    QVERIFY2(server.paths.size() < 60, qPrintable(server.paths.join(' ')));
    QTest::qWait(1000);
    const QStringList served = server.paths;
    server.paths.clear();
    map->setMapType(OpenStreetMap);
    QVERIFY(waitForLoad(map));
    map->loadAllGpsData(threePoints);
    QTRY_COMPARE(pageState(map).value("drawnTrack").toInt(), 3);
    QTest::qWait(1500);
    QVERIFY(!pageState(map).value("plain").toBool());
    for (const QString &path : qAsConst(server.paths))
        QVERIFY2(!served.contains(path), qPrintable(path + " fetched again"));
    // On disk, for the next session, in the player's cache folder.
    QVERIFY(profile->cachePath().startsWith(
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation)));
    const auto cachedBytes = [&] {
        qint64 bytes = 0;
        QDirIterator files(profile->cachePath(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            files.next();
            bytes += files.fileInfo().size();
        }
        return bytes;
    };
    QTRY_VERIFY_WITH_TIMEOUT(cachedBytes() > 10 * 1024, 20000);

    // The connection drops and the view moves where no tile was seen: those tiles come
    // when the server is back, on the same map.
    const auto corner = [map] {
        return map->grab().toImage().pixel(map->width() - 30, map->height() - 60);
    };
    server.close();
    evaluate(map, QStringLiteral("setCenter(2.35, 48.85); true"));
    QTRY_VERIFY_WITH_TIMEOUT(corner() != TileServer::kTileColour, 10000);
    QTest::qWait(1000);
    QVERIFY(server.listen(QHostAddress::LocalHost, port));
    QTRY_COMPARE_WITH_TIMEOUT(corner(), TileServer::kTileColour, 30000);
    QVERIFY(!pageState(map).value("plain").toBool());
}

// A key entered in the settings is in the page of its provider before the page's own
// scripts run, and in no other page; changing it loads the page again.
void TestMapWebView::keysReachOnlyTheirProvidersPage()
{
    Configuration *store = Configuration::instance();
    store->setGoogleMapsKey(QStringLiteral("g-\"quoted'</script>"));
    store->setBaiduMapsKey(QStringLiteral("b-key"));
    const QString keys = QStringLiteral("JSON.stringify(window.WAYLUME_MAP_KEYS || null)");
    MapWebView *map = makeView(GoogleMap);
    QVERIFY(waitForLoad(map));
    QCOMPARE(evaluate(map, keys).toString(),
             QStringLiteral("{\"google\":\"g-\\\"quoted'</script>\"}"));
    QVERIFY(!map->url().toString().contains(QStringLiteral("quoted")));

    store->setMaps(BaiduMap);
    map->setMapType(BaiduMap);
    QVERIFY(waitForLoad(map));
    QCOMPARE(evaluate(map, keys).toString(), QStringLiteral("{\"baidu\":\"b-key\"}"));
    store->setBaiduMapsKey(QString());
    QVERIFY(waitForLoad(map));
    QCOMPARE(evaluate(map, keys).toString(), QStringLiteral("null"));
    QCOMPARE(pageState(map).value("notice").toString(), QStringLiteral("nokey"));

    store->setMaps(OpenStreetMap);
    map->setMapType(OpenStreetMap);
    QVERIFY(waitForLoad(map));
    QCOMPARE(evaluate(map, keys).toString(), QStringLiteral("null"));
}

int main(int argc, char **argv)
{
    // The player's own engine switch, which the pages need.
    std::vector<char *> arguments(argv, argv + argc);
    char disableWebSecurity[] = "--disable-web-security";
    arguments.push_back(disableWebSecurity);
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    TestMapWebView test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mapwebview.moc"
