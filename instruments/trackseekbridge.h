#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWebEnginePage;

// The one object a map page reaches through its web channel: a click on the drawn track
// asks the player to jump to that track point. It has no signals, properties or other
// invokable methods of its own, and it answers only while its page shows one of the local
// map pages. The channel also lists QObject's deleteLater(); that call is ignored, the
// bridge lives exactly as long as its view.
class TrackSeekBridge : public QObject
{
    Q_OBJECT
public:
    TrackSeekBridge(QWebEnginePage *page, const QString &pagesDirectory,
                    std::function<void(int)> onSeek, QObject *parent = nullptr);

    // `index` counts the points of the track the page was given.
    Q_INVOKABLE void seekToTrackPoint(int index);

protected:
    bool event(QEvent *event) override;

private:
    QWebEnginePage *page;
    QString pagesDirectory;
    std::function<void(int)> onSeek;
};
