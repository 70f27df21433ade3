#pragma once

#include <QMutex>
#include <QSet>
#include <QString>
#include <QWebEngineUrlRequestInterceptor>

class QWebEngineProfile;

// The web engine runs with web security off, because the local map pages must reach the
// providers' servers; without a guard any script they load could read local files or send
// them anywhere. This interceptor lets "file:" requests through only inside the pages'
// folder and network requests only over HTTPS to the map providers' API and tile hosts.
// Everything else is blocked, and each blocked destination is logged once.
class MapUrlInterceptor : public QWebEngineUrlRequestInterceptor
{
public:
    explicit MapUrlInterceptor(const QString &pagesDirectory, QObject *parent = nullptr);

    // Installs one interceptor on the profile for the profile's lifetime; later calls
    // for the same profile keep the first.
    static void installOn(QWebEngineProfile *profile, const QString &pagesDirectory);

    bool isAllowed(const QUrl &url) const;
    static bool isProviderHost(const QString &host);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    bool isInsidePages(const QString &localPath) const;

    QString pagesRoot;
    QMutex loggedMutex;
    QSet<QString> logged;
};
