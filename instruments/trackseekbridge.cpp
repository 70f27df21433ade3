#include "instruments/trackseekbridge.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QUrl>
#include <QWebEnginePage>

TrackSeekBridge::TrackSeekBridge(QWebEnginePage *page, const QString &pagesDirectory,
                                 std::function<void(int)> onSeek, QObject *parent)
    : QObject(parent), page(page), pagesDirectory(QDir(pagesDirectory).canonicalPath()),
      onSeek(std::move(onSeek))
{
}

void TrackSeekBridge::seekToTrackPoint(int index)
{
    // The channel lives with the page, but the page may have been led elsewhere.
    const QUrl url = page->url();
    const QString dir = QFileInfo(url.toLocalFile()).canonicalPath();
    if (!url.isLocalFile() || !url.host().isEmpty() || dir.isEmpty() || dir != pagesDirectory ||
        index < 0)
        return;
    onSeek(index);
}

bool TrackSeekBridge::event(QEvent *event)
{
    // deleteLater() from the page: refused.
    if (event->type() == QEvent::DeferredDelete)
        return true;
    return QObject::event(event);
}
