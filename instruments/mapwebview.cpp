#include "instruments/mapwebview.h"

#include "instruments/ccustomwebenginepage.h"
#include "instruments/mappages.h"
#include "instruments/mapprofile.h"
#include "instruments/mapurlinterceptor.h"
#include "instruments/trackseekbridge.h"
#include "parser/cgpsutils.h"
#include "settings/configuration.h"

#include <QDebug>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace {

// The HTTPS origin of the Google Maps web site; its pages stay in the hidden view.
const char googleMapsOrigin[] = "https://maps.google.com";

const char keysScriptName[] = "waylumeMapKeys";

// A JavaScript string literal holding `text` exactly.
QString scriptString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

bool isWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

} // namespace

MapWebView::MapWebView(QWidget *parent) : QWebEngineView(parent)
{
    registerMapMetaTypes();
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // All before the first page loads: the profile's cache and storage are fixed once it is
    // used, the guard must see the page's first request, and the local page needs its remote
    // access from the start.
    MapProfile::configure(page()->profile());
    MapUrlInterceptor::installOn(page()->profile(), MapPages::directory());
    page()->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);

    // The page's only way back to the player; the hidden view for new windows gets none.
    auto *channel = new QWebChannel(this);
    channel->registerObject(QStringLiteral("trackSeek"),
                            new TrackSeekBridge(page(), MapPages::directory(),
                                                [this](int index) { emit trackPointClicked(index); },
                                                this));
    page()->setWebChannel(channel);

    setMapType(static_cast<MapTypes>(Configuration::instance()->maps()));
    connect(this, &QWebEngineView::loadFinished, this, &MapWebView::mapLoadingFinish);
    connect(Configuration::instance(), &Configuration::mapKeysChanged, this, [this] {
        const int type = Configuration::instance()->maps();
        if (type == GoogleMap || type == BaiduMap)
            setMapType(MapTypes(type));
    });

    savedCenterScript.clear();
    setAttribute(Qt::WA_DeleteOnClose);

    newWindowView = new QWebEngineView(this);
    newWindowView->setPage(new CCustomWebEnginePage(this));
    newWindowView->hide();
    connect(newWindowView, &QWebEngineView::urlChanged, this, &MapWebView::onUrlChanged);
}

void MapWebView::setTrackCache(GPSUser *record)
{
    trackCache = record;
}

void MapWebView::setMapType(MapTypes type)
{
    mapReady = false;
    const QUrl url = MapPages::pageUrl(type, Configuration::instance()->language());
    if (!url.isValid())
        return;
    setMapKeys(type);
    load(url);
}

void MapWebView::setMapKeys(MapTypes type)
{
    // The key reaches the page as a variable set before its own scripts run, and only the
    // page of its provider gets it: it is never written to a file, and never sits in the
    // address that the debug log shows.
    QWebEngineScriptCollection &scripts = page()->scripts();
    for (const QWebEngineScript &old : scripts.findScripts(QLatin1String(keysScriptName)))
        scripts.remove(old);
    QString provider;
    QString key;
    if (type == GoogleMap) {
        provider = QStringLiteral("google");
        key = Configuration::instance()->googleMapsKey();
    } else if (type == BaiduMap) {
        provider = QStringLiteral("baidu");
        key = Configuration::instance()->baiduMapsKey();
    }
    if (key.isEmpty())
        return;
    QWebEngineScript script;
    script.setName(QLatin1String(keysScriptName));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(QStringLiteral("if (location.protocol === 'file:') "
                                        "window.WAYLUME_MAP_KEYS = {%1: %2};")
                             .arg(provider, scriptString(key)));
    scripts.insert(script);
}

void MapWebView::addPoint(const MapPoint &point)
{
    if (mapReady)
        run(MapPages::addPointStatement(point));
}

void MapWebView::setCurrentPoint(const MapPoint &point)
{
    if (!mapReady)
        return;
    run(MapPages::currentPointStatement(point));
    savedCenterScript = MapPages::centerStatement(point.longitude, point.latitude);
}

void MapWebView::clearAll()
{
    eventMarks.clear();
    run(MapPages::clearAllStatement());
}

void MapWebView::setDefaultCenter()
{
    if (!mapReady)
        return;
    run(savedCenterScript.isEmpty() ? MapPages::centerStatement(0, 0) : savedCenterScript);
}

void MapWebView::mapLoadingFinish(bool)
{
    // A failed load counts as loaded: the statements go to whatever the engine shows.
    qDebug() << "mapLoadingFinish";
    mapReady = true;
    run(MapPages::clearAllStatement());
    run(savedCenterScript.isEmpty() ? MapPages::centerStatement(0, 0) : savedCenterScript);
    if (!eventMarks.isEmpty())
        run(MapPages::eventMarksStatement(eventMarks));
    // A track still waiting to go out is newer than the cached one and reaches this page
    // once its wait is over.
    if (Configuration::instance()->maps() == OpenStreetMap && trackSent && trackCache &&
        waitingTrackCalls == 0)
        loadAllGpsData(trackCache->track);
}

void MapWebView::loadAllGpsData(const QVector<QVector<double>> &allGpsData)
{
    // The caller's list may be a temporary that the nested event loop outlives, and this
    // view may be closed (and deleted) while the loop runs.
    const QVector<QVector<double>> list = allGpsData;
    const QPointer<MapWebView> self(this);
    const quint64 call = ++trackCalls;
    ++waitingTrackCalls;
    CGPSUtils::instance()->wait(500);
    if (!self)
        return;
    --waitingTrackCalls;
    // A track handed over during the wait (the next recording's, or the cached one after a
    // reload) is the newer one; drawing this one after it would put back a stale track.
    if (call != trackCalls)
        return;

    const int mapType = Configuration::instance()->maps();
    if (!list.isSharedWith(wholeTrack))
        wholeTrack = list;
    if (mapType == OpenStreetMap) {
        const int count = list.size();
        for (int i = 0; i < count; ++i) {
            const QVector<double> &fix = list.at(i);
            run(MapPages::trackPointStatement(fix.value(0), fix.value(1), i, count));
        }
        qDebug().noquote() << "将加载OSM地图的所有轨迹：组数" << count;
    }
    trackSent = true;
}

void MapWebView::setEventMarks(const QVector<MapPages::EventMark> &marks)
{
    eventMarks = marks;
    if (mapReady)
        run(MapPages::eventMarksStatement(eventMarks));
}

QWebEngineView *MapWebView::createWindow(QWebEnginePage::WebWindowType type)
{
    qDebug() << "type: " << type << "url: " << url();
    newWindowPending = true;
    return newWindowView;
}

void MapWebView::onUrlChanged(QUrl url)
{
    const QString text = url.toString();
    qDebug().noquote().nospace() << "goto : " << text;
    if (text.contains(QLatin1String(googleMapsOrigin)) || text.contains(QLatin1String("xxxxcc")) ||
        text.contains(QLatin1String("mapclient=apiv3")))
        return;
    if (text.contains(QLatin1String("?source=apiv3&rapsrc=apiv3")) &&
        !text.contains(QLatin1String("hl=ja")) && !text.contains(QLatin1String("hl=en")))
        url = QUrl(text + (Configuration::instance()->language() == 1 ? QStringLiteral("&hl=en")
                                                                      : QStringLiteral("&hl=ja")));
    if (text.contains(QLatin1String("?rapsrc=apiv3")) || !newWindowPending)
        return;
    // The desktop would hand "file:", "javascript:" or a custom scheme to whatever program
    // claims it; a map page may only ever send the user to a web site.
    if (!isWebAddress(url)) {
        qWarning().noquote() << "new-window address not opened:" << url.scheme() + ':';
        return;
    }
    if (QDesktopServices::openUrl(url)) {
        newWindowPending = false;
        newWindowView->setUrl(QUrl());
    }
}

void MapWebView::run(const QString &statement)
{
    page()->runJavaScript(statement);
}
