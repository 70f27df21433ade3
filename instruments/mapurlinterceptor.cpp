#include "instruments/mapurlinterceptor.h"

#include "instruments/mappages.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QUrl>
#include <QWebEngineProfile>

namespace {

const char installedProperty[] = "waylumeMapInterceptor";

// Where the three providers serve their map scripts, styles, fonts and tiles.
const char *const providerHosts[] = {
    // OpenStreetMap tiles
    "tile.openstreetmap.org",
    "a.tile.openstreetmap.org",
    "b.tile.openstreetmap.org",
    "c.tile.openstreetmap.org",
    // Google Maps JavaScript API
    "maps.googleapis.com",
    "maps.gstatic.com",
    "fonts.googleapis.com",
    "fonts.gstatic.com",
    // Baidu Maps JavaScript API
    "api.map.baidu.com",
};

// Numbered tile and script mirrors: khms0.googleapis.com, maponline2.bdimg.com, ...
const QRegularExpression numberedProviderHost(QStringLiteral(
    "^(khms\\d+\\.googleapis\\.com|maponline\\d+\\.bdimg\\.com|"
    "api\\d*\\.map\\.bdimg\\.com|webmap\\d+\\.bdimg\\.com|online\\d+\\.map\\.bdimg\\.com)$"));

QString canonicalOrClean(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

} // namespace

MapUrlInterceptor::MapUrlInterceptor(const QString &pagesDirectory, QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent), pagesRoot(canonicalOrClean(pagesDirectory))
{
}

void MapUrlInterceptor::installOn(QWebEngineProfile *profile, const QString &pagesDirectory)
{
    if (profile->property(installedProperty).toBool())
        return;
    profile->setUrlRequestInterceptor(new MapUrlInterceptor(pagesDirectory, profile));
    profile->setProperty(installedProperty, true);
}

bool MapUrlInterceptor::isProviderHost(const QString &host)
{
    const QString h = host.toLower();
    for (const char *allowed : providerHosts) {
        if (h == QLatin1String(allowed))
            return true;
    }
    return numberedProviderHost.match(h).hasMatch();
}

bool MapUrlInterceptor::isInsidePages(const QString &localPath) const
{
    const QString path = canonicalOrClean(localPath);
    return path == pagesRoot || path.startsWith(pagesRoot + QLatin1Char('/'));
}

bool MapUrlInterceptor::isAllowed(const QUrl &url) const
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("file"))
        return url.host().isEmpty() && isInsidePages(url.toLocalFile());
    if (scheme == QLatin1String("https"))
        return isProviderHost(url.host());
    // A test's own tile server, and only while a test has named it.
    if (scheme == QLatin1String("http") && MapPages::localTileServerPort() != 0)
        return url.host() == QLatin1String("127.0.0.1") &&
               url.port() == int(MapPages::localTileServerPort());
    // Qt's own web channel script, compiled into the library.
    if (scheme == QLatin1String("qrc"))
        return url.path() == QLatin1String("/qtwebchannel/qwebchannel.js");
    // In-memory content never leaves the process.
    return scheme == QLatin1String("data") || scheme == QLatin1String("blob") ||
           scheme == QLatin1String("about");
}

void MapUrlInterceptor::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    if (isAllowed(url))
        return;
    info.block(true);
    const QString destination = url.scheme() == QLatin1String("file")
                                    ? url.toString(QUrl::RemoveQuery | QUrl::RemoveFragment)
                                    : url.scheme() + QStringLiteral("://") + url.host();
    QMutexLocker lock(&loggedMutex);
    if (logged.contains(destination))
        return;
    logged.insert(destination);
    qWarning().noquote() << "map request blocked:" << destination;
}
