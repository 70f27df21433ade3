#include "instruments/mappages.h"
#include "instruments/mapurlinterceptor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

// The page contract as text, and what the request guard lets through; no web engine runs.
class TestMapPages : public QObject
{
    Q_OBJECT

private slots:
    void statementsCarrySixDecimalsWhateverTheLocale();
    void pageUrlsCarryTheLanguagesDefaultCentreAsText();
    void guardAdmitsOnlyPageFilesAndProviderHttps();
};

void TestMapPages::statementsCarrySixDecimalsWhateverTheLocale()
{
    // A comma-decimal locale must not leak into the JavaScript.
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(MapPages::addPointStatement({7, -0.1267719269, 51.5087958794}),
             QStringLiteral("mapAddPoint(-0.126772, 51.508796, 7);"));
    QCOMPARE(MapPages::currentPointStatement({12, 116.3975, 0}),
             QStringLiteral("mapSetCurrentPoint(116.397500, 0.000000, 12);"));
    QCOMPARE(MapPages::centerStatement(0, 0), QStringLiteral("setCenter(0.000000, 0.000000);"));
    QCOMPARE(MapPages::trackPointStatement(2.5, -33.25, 1, 3),
             QStringLiteral("loadAllGpsDataOfVideo(2.500000, -33.250000, 1, 3)"));
    QCOMPARE(MapPages::clearAllStatement(), QStringLiteral("mapClearAll();"));
    QLocale::setDefault(QLocale::c());
}

void TestMapPages::pageUrlsCarryTheLanguagesDefaultCentreAsText()
{
    const QString dir = QStringLiteral("/opt/way lume/maps");
    const QUrl google = MapPages::pageUrl(GoogleMap, 12, dir);
    QCOMPARE(google.toLocalFile(), dir + "/WG_GoogleMapIndex.html");
    QCOMPARE(QUrlQuery(google).queryItems(),
             (QList<QPair<QString, QString>>{
                 {"language", "ko"}, {"lng", "126.9911799270"}, {"lat", "37.5527383075"}}));
    // Traditional Chinese: Google centres on Taipei, OpenStreetMap on Beijing.
    QCOMPARE(QUrlQuery(MapPages::pageUrl(OpenStreetMap, 1, dir)).queryItems(),
             (QList<QPair<QString, QString>>{{"lng", "116.37530"}, {"lat", "39.90000"}}));
    QCOMPARE(QUrlQuery(MapPages::pageUrl(GoogleMap, 1, dir)).queryItemValue("lng"),
             QStringLiteral("121.518138"));
    // An unknown language index falls back to English and New York.
    QCOMPARE(QUrlQuery(MapPages::pageUrl(GoogleMap, 13, dir)).queryItemValue("language"),
             QStringLiteral("en"));
    QCOMPARE(QUrlQuery(MapPages::pageUrl(OpenStreetMap, -1, dir)).queryItemValue("lat"),
             QStringLiteral("40.705562"));
    const QUrl baidu = MapPages::pageUrl(BaiduMap, 3, dir);
    QCOMPARE(baidu.toLocalFile(), dir + "/BaiduMapIndex.html");
    QVERIFY(!baidu.hasQuery());
    QVERIFY(MapPages::pageUrl(3, 0, dir).isEmpty());
}

void TestMapPages::guardAdmitsOnlyPageFilesAndProviderHttps()
{
    QTemporaryDir root;
    const QString maps = root.path() + "/maps";
    QVERIFY(QDir().mkpath(maps + "/leaflet"));
    QFile secret(root.path() + "/secret.txt");
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.close();
    // A link inside the folder that points out of it must not open a way out.
    QVERIFY(QFile::link(root.path() + "/secret.txt", maps + "/innocent.txt"));
    const MapUrlInterceptor guard(maps);
    const auto file = [](const QString &path) { return QUrl::fromLocalFile(path); };

    QVERIFY(guard.isAllowed(file(maps + "/OpenStreetMap.html")));
    QVERIFY(guard.isAllowed(file(maps + "/leaflet/leaflet.js")));
    QVERIFY(!guard.isAllowed(file(root.path() + "/secret.txt")));
    QVERIFY(!guard.isAllowed(file(maps + "/../secret.txt")));
    QVERIFY(!guard.isAllowed(file(maps + "/innocent.txt")));
    QVERIFY(!guard.isAllowed(file(maps + "-other/page.html")));
    QVERIFY(!guard.isAllowed(QUrl("file://server/share/maps/OpenStreetMap.html")));

    QVERIFY(guard.isAllowed(QUrl("https://tile.openstreetmap.org/3/4/2.png")));
    QVERIFY(guard.isAllowed(QUrl("https://maps.googleapis.com/maps/api/js?key=k")));
    QVERIFY(guard.isAllowed(QUrl("https://khms1.googleapis.com/kh?v=1")));
    QVERIFY(guard.isAllowed(QUrl("https://api.map.baidu.com/api?v=3.0")));
    QVERIFY(guard.isAllowed(QUrl("https://maponline2.bdimg.com/tile/")));
    QVERIFY(!guard.isAllowed(QUrl("http://tile.openstreetmap.org/3/4/2.png")));
    QVERIFY(!guard.isAllowed(QUrl("https://tile.openstreetmap.org.example.com/x")));
    QVERIFY(!guard.isAllowed(QUrl("https://example.com/upload")));
    QVERIFY(!guard.isAllowed(QUrl("ftp://api.map.baidu.com/")));
    QVERIFY(!guard.isAllowed(QUrl("ws://127.0.0.1:8080/")));

    // A test's tile server: that one origin, only while named, and only the OSM page is
    // pointed at it.
    QVERIFY(!guard.isAllowed(QUrl("http://127.0.0.1:8123/1/2/3.png")));
    QVERIFY(!QUrlQuery(MapPages::pageUrl(OpenStreetMap, 2, maps)).hasQueryItem("tiles"));
    MapPages::setLocalTileServerForTesting(8123);
    QVERIFY(guard.isAllowed(QUrl("http://127.0.0.1:8123/1/2/3.png")));
    QVERIFY(!guard.isAllowed(QUrl("http://127.0.0.1:8124/1/2/3.png")));
    QVERIFY(!guard.isAllowed(QUrl("http://127.0.0.1/1/2/3.png")));
    QVERIFY(!guard.isAllowed(QUrl("http://localhost:8123/1/2/3.png")));
    QVERIFY(!guard.isAllowed(QUrl("http://tile.openstreetmap.org:8123/1/2/3.png")));
    QCOMPARE(QUrlQuery(MapPages::pageUrl(OpenStreetMap, 2, maps)).queryItemValue("tiles"),
             QStringLiteral("http://127.0.0.1:8123/{z}/{x}/{y}.png"));
    QVERIFY(!QUrlQuery(MapPages::pageUrl(GoogleMap, 2, maps)).hasQueryItem("tiles"));
    MapPages::setLocalTileServerForTesting(0);
    QVERIFY(!guard.isAllowed(QUrl("http://127.0.0.1:8123/1/2/3.png")));
}

QTEST_GUILESS_MAIN(TestMapPages)
#include "tst_mappages.moc"
