#include "instruments/mapprofile.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QVariant>
#include <QWebEngineProfile>

namespace {

const char configuredProperty[] = "waylumeMapProfile";

} // namespace

namespace MapProfile {

QString userAgent(const QString &engineUserAgent)
{
    // Appended rather than replaced: the providers' scripts still see the browser engine
    // they test for, and the tile servers see which program asks (the OpenStreetMap
    // Foundation's tile usage policy: "a valid HTTP User-Agent identifying application").
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty())
        version = QStringLiteral("0");
    const QString ours = QStringLiteral("Waylume/%1").arg(version);
    if (engineUserAgent.contains(ours))
        return engineUserAgent;
    return engineUserAgent.isEmpty() ? ours : engineUserAgent + QLatin1Char(' ') + ours;
}

void configure(QWebEngineProfile *profile)
{
    if (!profile || profile->property(configuredProperty).toBool())
        return;
    profile->setProperty(configuredProperty, true);
    // An off-the-record profile keeps nothing on disk whatever it is told.
    if (!profile->isOffTheRecord()) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        if (!cache.isEmpty())
            profile->setCachePath(cache + QStringLiteral("/map-cache"));
        if (!data.isEmpty())
            profile->setPersistentStoragePath(data + QStringLiteral("/map-storage"));
        profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
        profile->setHttpCacheMaximumSize(kHttpCacheBytes);
    }
    profile->setHttpUserAgent(userAgent(profile->httpUserAgent()));
}

} // namespace MapProfile
