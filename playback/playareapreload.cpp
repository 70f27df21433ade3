#include "playback/playareamanager.h"

#include "library/playlistitem.h"
#include "platform/fileurl.h"
#include "playback/channelsync.h"
#include "playback/playerwidget.h"

#include <QGridLayout>
#include <QUrl>
#include <memory>
#include <utility>

// Straight through a drive: the recording that follows is loaded by a second set of players
// while the current one plays, and takes over at its end. Reloading the same players there
// (stop, load, preroll, start) stood the picture still for 3 to 6 frames.

namespace {

// The players keep preroll time in hand: a set asked to pause is taken as prerolled only
// after this long, as GStreamer's pause completes after the player already reports it.
constexpr qint64 SettleMs = 500;
// How long after a hand-over a request for the next recording is taken as meant for the one
// just left (the end of a recording also reaches the window as such a request, queued).
constexpr qint64 AdvanceEchoMs = 500;

QMediaContent preloadMedia(const QString &urlOrPath)
{
    const QUrl url(urlOrPath);
    if (url.scheme().size() > 1 && !url.isLocalFile())
        return QMediaContent(url);
    return QMediaContent(QUrl(FileUrl::fromLocalPath(FileUrl::toLocalPath(urlOrPath))));
}

} // namespace

QList<PlayerWidget *> PlayAreaManager::PreloadedSet::players() const
{
    QList<PlayerWidget *> list;
    for (PlayerWidget *player : {main, rear, third, fourth}) {
        if (player)
            list.append(player);
    }
    return list;
}

PlayerWidget *PlayAreaManager::preloadPlayer(const QString &url)
{
    if (url.isEmpty())
        return nullptr;
    PlayerWidget *widget = createPlayer();
    widget->hide();
    QMediaPlayer *player = widget->mediaPlayer();
    pauseWhenLoaded(widget);
    player->setMedia(preloadMedia(url));
    return widget;
}

void PlayAreaManager::pauseWhenLoaded(PlayerWidget *widget)
{
    // Paused, not played, and only once loaded: a pipeline set going while it prerolls can
    // hang (see play()). Paused, it holds its first frame ready to be shown.
    QMediaPlayer *player = widget->mediaPlayer();
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(
        player, &QMediaPlayer::mediaStatusChanged, this,
        [this, widget, player, connection](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::LoadingMedia)
                return;
            disconnect(*connection);
            // A dropped preload's player, stopped on its way out, is no concern any more.
            if (status != QMediaPlayer::LoadedMedia || !following.players().contains(widget))
                return;
            player->pause();
            following.pausedSince.start();
        });
}

void PlayAreaManager::preload(PlaylistItem *next, const QString &rear, const QString &third,
                              const QString &fourth, int count, ShowMode presence)
{
    dropPreloaded();
    if (!next)
        return;
    following.item = next;
    following.rearUrl = rear;
    following.thirdUrl = third;
    following.fourthUrl = fourth;
    following.count = qBound(1, count, 4);
    following.presence = presence;
    following.pausedSince.invalidate();
    following.main = preloadPlayer(next->url.toString(QUrl::FullyEncoded));
    following.rear = preloadPlayer(rear);
    following.third = preloadPlayer(third);
    following.fourth = preloadPlayer(fourth);
}

bool PlayAreaManager::preloadReady() const
{
    if (!following.item || !following.main || !following.pausedSince.isValid() ||
        following.pausedSince.elapsed() < SettleMs)
        return false;
    for (PlayerWidget *widget : following.players()) {
        const QMediaPlayer *player = widget->existingMediaPlayer();
        if (!player || player->state() != QMediaPlayer::PausedState)
            return false;
        const QMediaPlayer::MediaStatus status = player->mediaStatus();
        if (status != QMediaPlayer::LoadedMedia && status != QMediaPlayer::BufferedMedia)
            return false;
    }
    return true;
}

void PlayAreaManager::dropPreloaded()
{
    for (PlayerWidget *widget : following.players())
        deletePlayer(widget);
    following = PreloadedSet();
}

bool PlayAreaManager::advance()
{
    if (!preloadReady())
        return false;
    cancelPendingStart();
    sync->restart();
    const int count = following.count;
    PreloadedSet left;
    left.main = std::exchange(mainPlayer, following.main);
    left.rear = std::exchange(rearPlayer, following.rear);
    left.third = std::exchange(thirdPlayer, following.third);
    left.fourth = std::exchange(fourthPlayer, following.fourth);
    item = following.item;
    rearUrl = following.rearUrl;
    thirdUrl = following.thirdUrl;
    fourthUrl = following.fourthUrl;
    presenceMode = following.presence;
    following = PreloadedSet();

    QMediaPlayer *main = mainPlayer->mediaPlayer();
    main->setMuted(mutedState);
    main->setVolume(volumeLevel);
    // The new players go into the grid over the old ones, which leave only afterwards: the
    // area never shows an empty cell in between.
    setChannelCount(count);
    setShowMode(channelCount > 1 ? currentMode : ShowFront);
    // Every player starts from its first frame together; aligning would hold the secondary
    // players (a still picture) for nothing.
    startPlayers(true);
    for (PlayerWidget *widget : left.players())
        deletePlayer(widget);
    sinceAdvance.start();
    emit durationChanged(main->duration());
    emit advanced(item);
    return true;
}

bool PlayAreaManager::advancedRecently() const
{
    return sinceAdvance.isValid() && sinceAdvance.elapsed() < AdvanceEchoMs;
}
