#include "playback/playareamanager.h"

#include "library/playlistitem.h"
#include "parser/gpsdata.h"
#include "parser/parserobject.h"
#include "parser/recordingscan.h"
#include "platform/fileurl.h"
#include "playback/channelsync.h"
#include "playback/playerwidget.h"
#include "playback/videodecoders.h"
#include "settings/configuration.h"

#include <QTimer>

#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPointer>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace {

QMediaContent mediaFor(const QString &urlOrPath)
{
    if (urlOrPath.isEmpty())
        return QMediaContent();
    const QUrl url(urlOrPath);
    if (url.scheme().size() > 1 && !url.isLocalFile())
        return QMediaContent(url);
    // Callers hand in "file:" URL strings or plain paths; both become one local-file URL.
    return QMediaContent(QUrl(FileUrl::fromLocalPath(FileUrl::toLocalPath(urlOrPath))));
}

} // namespace

PlayAreaManager::PlayAreaManager(QWidget *parent) : QWidget(parent)
{
    registerShowModeMetaType();
    background = new QWidget(this);
    background->setObjectName(QStringLiteral("wgtbackWidget"));
    background->setStyleSheet(
        QStringLiteral("QWidget#wgtbackWidget{background-color: rgb(10, 10, 10);}"));
    grid = new QGridLayout(background);
    grid->setSpacing(1);
    grid->setContentsMargins(0, 0, 0, 0);
    auto *box = new QHBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(background);

    setAcceptDrops(true);
    // The main player's media player is made when the first recording loads (setUpMediaPlayer
    // connects it then), so the window shows without waiting for GStreamer.
    mainPlayer = createPlayer();
    setChannelCount(1);
    sync = new ChannelSync(
        [this] {
            return mainPlayer->existingMediaPlayer() ? existingMediaPlayers()
                                                     : QList<QMediaPlayer *>();
        },
        this);
    // A player that has not loaded by then will not, soon: the others are not kept waiting.
    loadWait.setSingleShot(true);
    loadWait.setInterval(5000);
    connect(&loadWait, &QTimer::timeout, this, [this] {
        if (!startPending)
            return;
        cancelPendingStart();
        startPlayers(false);
    });
}

PlayAreaManager::~PlayAreaManager() = default;

PlayerWidget *PlayAreaManager::createPlayer()
{
    auto *player = new PlayerWidget(background);
    connect(player, &PlayerWidget::keyPressSignals, this, &PlayAreaManager::keyPressSignals);
    connect(player, &PlayerWidget::fullScreen, this, &PlayAreaManager::fullScreenChanged);
    connect(player, &PlayerWidget::mediaPlayerCreated, this,
            [this, player](QMediaPlayer *created) { setUpMediaPlayer(player, created); });
    return player;
}

void PlayAreaManager::setUpMediaPlayer(PlayerWidget *widget, QMediaPlayer *player)
{
    connect(player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
            [this, widget](QMediaPlayer::Error error) { explainError(widget, error); });
    connect(player, &QMediaPlayer::mediaStatusChanged, this, &PlayAreaManager::startWhenLoaded);
    player->setVolume(volumeLevel);
    player->setPlaybackRate(playbackRate);
    // A preloaded player becomes the main one later: which player is the main one is asked
    // at each signal, not fixed when the player is made.
    player->setMuted(widget == mainPlayer ? mutedState : true);
    connect(player, &QMediaPlayer::stateChanged, this, [this, widget](QMediaPlayer::State state) {
        if (widget == mainPlayer)
            onMainStateChanged(state);
    });
    connect(player, &QMediaPlayer::mediaStatusChanged, this,
            [this, widget](QMediaPlayer::MediaStatus status) {
                if (widget == mainPlayer)
                    onMainStatusChanged(status);
            });
    connect(player, &QMediaPlayer::volumeChanged, this, [this, widget](int volume) {
        if (widget == mainPlayer)
            emit volumeChanged(volume);
    });
    connect(player, &QMediaPlayer::mutedChanged, this, [this, widget](bool muted) {
        if (widget == mainPlayer)
            emit mutedChanged(muted);
    });
    connect(player, &QMediaPlayer::durationChanged, this, [this, widget](qint64 duration) {
        if (widget == mainPlayer)
            emit durationChanged(duration);
    });
    connect(player, &QMediaPlayer::positionChanged, this, [this, widget](qint64 position) {
        if (widget == mainPlayer)
            onPositionChanged(position);
    });
}

QList<QMediaPlayer *> PlayAreaManager::existingMediaPlayers() const
{
    QList<QMediaPlayer *> players;
    for (PlayerWidget *widget : allPlayers()) {
        if (QMediaPlayer *player = widget->existingMediaPlayer())
            players.append(player);
    }
    return players;
}

void PlayAreaManager::explainError(PlayerWidget *player, QMediaPlayer::Error error)
{
    // GStreamer reports a stream it cannot decode as a format error, also for the camera's
    // GPS track beside a perfectly playable video (GoPro's gpmd stream arrives as "Cannot
    // play stream of type: <unknown>", the type named only in a warning); only a missing
    // video decoder counts.
    if (error != QMediaPlayer::FormatError || !item)
        return;
    // A recording started straight from a scan has not been parsed yet; its file tells.
    int codec = item->codec;
    if (codec == CodecUnknown) {
        const QPointer<PlayerWidget> guard(player);
        const QString path = player->mediaPlayer()->media().request().url().toLocalFile();
        codec = path.isEmpty() ? CodecUnknown : createParser(path)->codec();
        if (!guard)
            return;
    }
    const char *mediaType = nullptr;
    QString name;
    if (codec == CodecH264) {
        mediaType = "video/x-h264";
        name = QStringLiteral("H.264 (AVC)");
    } else if (codec == CodecH265) {
        mediaType = "video/x-h265";
        name = QStringLiteral("H.265 (HEVC)");
    }
    if (!mediaType || VideoDecoders::canDecode(mediaType))
        return;
    qDebug() << "no decoder for" << mediaType;
    player->showProblem(
        tr("This recording's video is %1, and no %1 decoder is installed.\n"
           "Your distribution's GStreamer libav plugins provide one "
           "(on Debian and Ubuntu: the package gstreamer1.0-libav).")
            .arg(name));
}

void PlayAreaManager::ensurePlayer(PlayerWidget *&slot)
{
    if (!slot)
        slot = createPlayer();
}

void PlayAreaManager::deletePlayer(PlayerWidget *&slot)
{
    if (!slot)
        return;
    PlayerWidget *player = slot;
    slot = nullptr;
    grid->removeWidget(player);
    player->exitFullScreen();
    player->hide();
    if (QMediaPlayer *media = player->existingMediaPlayer())
        media->stop();
    player->disconnect(this);
    // Later, not now: this may run inside one of the player's own signals.
    player->deleteLater();
}

QList<PlayerWidget *> PlayAreaManager::secondaryPlayers() const
{
    QList<PlayerWidget *> players;
    for (PlayerWidget *player : {rearPlayer, thirdPlayer, fourthPlayer}) {
        if (player)
            players.append(player);
    }
    return players;
}

QList<PlayerWidget *> PlayAreaManager::allPlayers() const
{
    return QList<PlayerWidget *>{mainPlayer} + secondaryPlayers();
}

PlayerWidget *PlayAreaManager::playerFor(ShowMode channel) const
{
    switch (channel) {
    case ShowFront:
        return mainPlayer;
    case ShowRear:
        return rearPlayer;
    case ShowThird:
        return thirdPlayer;
    case ShowFourth:
        return fourthPlayer;
    case ShowAll:
        break;
    }
    return nullptr;
}

void PlayAreaManager::setChannelPresence(bool front, bool rear, bool third, bool fourth)
{
    presenceMode = presenceOf(front, rear, third, fourth);
    qDebug() << "gPlayShowMode=" << int(presenceMode);
}

ShowMode PlayAreaManager::presenceOf(bool front, bool rear, bool third, bool fourth)
{
    ShowMode mode = ShowAll;
    if (front)
        mode = ShowFront;
    if (rear)
        mode = ShowRear;
    if (third)
        mode = ShowThird;
    if (fourth)
        mode = ShowFourth;
    if (front && rear && third && fourth)
        mode = ShowAll;
    return mode;
}

void PlayAreaManager::setSources(PlaylistItem *newItem, const QString &rear, const QString &third,
                                 const QString &fourth)
{
    qDebug() << "[main] rowid: " << (newItem ? newItem->rowId : -1)
             << " url: " << (newItem ? newItem->url : QUrl());
    qDebug() << "[rear] : " << rear;
    qDebug() << "[third] : " << third;
    qDebug() << "[fourth] : " << fourth;
    item = newItem;
    rearUrl = rear;
    thirdUrl = third;
    fourthUrl = fourth;
}

void PlayAreaManager::setChannelCount(int count)
{
    channelCount = qBound(1, count, 4);
    switch (channelCount) {
    case 1:
        deletePlayer(rearPlayer);
        deletePlayer(thirdPlayer);
        deletePlayer(fourthPlayer);
        break;
    case 2:
        // The one secondary channel is the first that the recording has. A front+fourth
        // recording gets its fourth player here rather than keeping stale players.
        if (!rearUrl.isEmpty()) {
            ensurePlayer(rearPlayer);
            deletePlayer(thirdPlayer);
            deletePlayer(fourthPlayer);
        } else if (!thirdUrl.isEmpty()) {
            ensurePlayer(thirdPlayer);
            deletePlayer(rearPlayer);
            deletePlayer(fourthPlayer);
        } else if (!fourthUrl.isEmpty()) {
            ensurePlayer(fourthPlayer);
            deletePlayer(rearPlayer);
            deletePlayer(thirdPlayer);
        } else {
            return;
        }
        break;
    case 3: {
        // Players for exactly the two secondary channels present (rear+fourth shows the
        // fourth camera bottom right); without such a pair, rear and third as usual.
        const bool rear = !rearUrl.isEmpty();
        const bool third = !thirdUrl.isEmpty();
        const bool fourth = !fourthUrl.isEmpty();
        const bool usePresent = int(rear) + int(third) + int(fourth) == 2;
        const bool wantRear = usePresent ? rear : true;
        const bool wantThird = usePresent ? third : true;
        const bool wantFourth = usePresent && fourth;
        wantRear ? ensurePlayer(rearPlayer) : deletePlayer(rearPlayer);
        wantThird ? ensurePlayer(thirdPlayer) : deletePlayer(thirdPlayer);
        wantFourth ? ensurePlayer(fourthPlayer) : deletePlayer(fourthPlayer);
        break;
    }
    default:
        ensurePlayer(rearPlayer);
        ensurePlayer(thirdPlayer);
        ensurePlayer(fourthPlayer);
        break;
    }
    layoutChannels(channelCount);
}

bool PlayAreaManager::inGrid(PlayerWidget *player) const
{
    return player && grid->indexOf(player) >= 0;
}

void PlayAreaManager::place(PlayerWidget *player, int row, int column, int rowSpan, int columnSpan)
{
    if (!player || inGrid(player))
        return;
    grid->addWidget(player, row, column, rowSpan, columnSpan);
    player->show();
}

void PlayAreaManager::removeAndHide(PlayerWidget *player)
{
    if (!player)
        return;
    grid->removeWidget(player);
    player->hide();
}

void PlayAreaManager::layoutChannels(int n)
{
    for (PlayerWidget *player : allPlayers())
        grid->removeWidget(player);
    place(mainPlayer, 0, 0, n == 1 || n == 4 ? 1 : 2, 1);

    QList<PlayerWidget *> placed;
    if (n == 2) {
        PlayerWidget *second = !rearUrl.isEmpty()    ? rearPlayer
                               : !thirdUrl.isEmpty() ? thirdPlayer
                                                     : fourthPlayer;
        if (second) {
            place(second, 0, 1, 2, 1);
            placed.append(second);
        }
    } else if (n == 3) {
        QList<PlayerWidget *> present;
        if (!rearUrl.isEmpty())
            present.append(rearPlayer);
        if (!thirdUrl.isEmpty())
            present.append(thirdPlayer);
        if (!fourthUrl.isEmpty())
            present.append(fourthPlayer);
        if (present.size() == 2) {
            place(present[0], 0, 1, 1, 1);
            place(present[1], 1, 1, 1, 1);
            placed = present;
        }
    } else if (n == 4) {
        place(rearPlayer, 0, 1, 1, 1);
        place(thirdPlayer, 1, 0, 1, 1);
        place(fourthPlayer, 1, 1, 1, 1);
        placed = secondaryPlayers();
    }
    // A player taken out of the grid but left visible would float over the others.
    for (PlayerWidget *player : secondaryPlayers()) {
        if (!placed.contains(player))
            removeAndHide(player);
    }
}

void PlayAreaManager::setShowMode(ShowMode mode)
{
    PlayerWidget *alone = mode == ShowAll ? nullptr : playerFor(mode);
    if (mode == ShowAll) {
        layoutChannels(channelCount);
    } else {
        // A channel without a player shows the front camera rather than an empty area.
        if (!alone)
            alone = mainPlayer;
        for (PlayerWidget *player : allPlayers()) {
            if (player != alone)
                removeAndHide(player);
        }
        grid->removeWidget(alone);
        place(alone, 0, 0, 1, 1);
    }
    qDebug() << "mode...=" << int(mode) << " "
             << "gPlayShowMode=" << int(presenceMode);

    ShowMode reported = mode;
    if (channelCount == 1 && presenceMode >= ShowRear && presenceMode <= ShowFourth)
        reported = presenceMode;
    currentMode = reported;
    emit showModeChanged(reported);
}

void PlayAreaManager::showNotice(const QString &text)
{
    if (!noticeLabel) {
        noticeLabel = new QLabel(this);
        // The players draw into native windows of their own, which cover any plain sibling
        // whatever its stacking; a native label can be raised above them.
        noticeLabel->setAttribute(Qt::WA_NativeWindow);
        noticeLabel->setObjectName(QStringLiteral("lbl_Notice"));
        noticeLabel->setAlignment(Qt::AlignCenter);
        noticeLabel->setWordWrap(true);
        noticeLabel->setMargin(24);
        noticeLabel->setStyleSheet(QStringLiteral(
            "QLabel#lbl_Notice{color: rgb(230, 230, 230); background: rgb(10, 10, 10);}"));
    }
    noticeLabel->setText(text);
    noticeLabel->setGeometry(rect());
    noticeLabel->show();
    noticeLabel->raise();
}

QString PlayAreaManager::notice() const
{
    return noticeLabel && !noticeLabel->isHidden() ? noticeLabel->text() : QString();
}

void PlayAreaManager::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (noticeLabel)
        noticeLabel->setGeometry(rect());
}

void PlayAreaManager::loadMedia()
{
    // A recording that loads answers whatever the notice said.
    if (noticeLabel)
        noticeLabel->hide();
    for (PlayerWidget *player : allPlayers())
        player->clearProblem();
    if (item)
        mainPlayer->mediaPlayer()->setMedia(mediaFor(item->url.toString(QUrl::FullyEncoded)));
    if (rearPlayer)
        rearPlayer->mediaPlayer()->setMedia(mediaFor(rearUrl));
    if (thirdPlayer)
        thirdPlayer->mediaPlayer()->setMedia(mediaFor(thirdUrl));
    if (fourthPlayer)
        fourthPlayer->mediaPlayer()->setMedia(mediaFor(fourthUrl));
}

void PlayAreaManager::hideAll()
{
    for (PlayerWidget *player : allPlayers()) {
        player->exitFullScreen();
        player->hide();
    }
}

void PlayAreaManager::clearItem()
{
    item = nullptr;
}

QMediaContent PlayAreaManager::mainMedia() const
{
    const QMediaPlayer *player = mainPlayer->existingMediaPlayer();
    return player ? player->media() : QMediaContent();
}

QMediaPlayer::State PlayAreaManager::state() const
{
    const QMediaPlayer *player = mainPlayer->existingMediaPlayer();
    return player ? player->state() : QMediaPlayer::StoppedState;
}

int PlayAreaManager::volume() const
{
    const QMediaPlayer *player = mainPlayer->existingMediaPlayer();
    return player ? player->volume() : volumeLevel;
}

void PlayAreaManager::play()
{
    sync->restart();
    const bool resuming = mainPlayer->mediaPlayer()->state() == QMediaPlayer::PausedState;
    setShowMode(channelCount > 1 ? currentMode : ShowFront);
    // Set playing while it still prerolls media it has just opened, GStreamer's playbin can
    // hang the GUI thread: the state change deactivates a pad whose stream lock a queue
    // thread holds while it waits on a pad that stays blocked until the preroll is over.
    // Players still loading therefore start together once every one has loaded.
    startTogether(resuming);
}

void PlayAreaManager::startTogether(bool resuming)
{
    if (anyLoading()) {
        startPending = true;
        loadWait.start();
        return;
    }
    startPlayers(resuming);
}

bool PlayAreaManager::anyLoading() const
{
    for (QMediaPlayer *player : existingMediaPlayers()) {
        if (player->mediaStatus() == QMediaPlayer::LoadingMedia)
            return true;
    }
    return false;
}

void PlayAreaManager::startWhenLoaded()
{
    if (startPending && !anyLoading()) {
        cancelPendingStart();
        startPlayers(false);
    }
}

void PlayAreaManager::cancelPendingStart()
{
    startPending = false;
    loadWait.stop();
}

void PlayAreaManager::startPlayers(bool resuming)
{
    // Paused players resume together; players that start or have been stopped are brought
    // into step once they play.
    QMediaPlayer *main = mainPlayer->mediaPlayer();
    main->play();
    for (PlayerWidget *player : secondaryPlayers()) {
        QMediaPlayer *secondary = player->mediaPlayer();
        secondary->play();
        secondary->setMuted(true);
        secondary->setPlaybackRate(main->playbackRate());
    }
    sync->setActive(true);
    if (!resuming)
        sync->align();
}

void PlayAreaManager::pause()
{
    cancelPendingStart();
    sync->restart();
    for (QMediaPlayer *player : existingMediaPlayers())
        player->pause();
}

void PlayAreaManager::stop()
{
    cancelPendingStart();
    dropPreloaded();
    sync->setActive(false);
    for (QMediaPlayer *player : existingMediaPlayers())
        player->stop();
    item = nullptr;
    rearUrl.clear();
    thirdUrl.clear();
    fourthUrl.clear();
}

void PlayAreaManager::seek(int seconds)
{
    // Stopped, the players may still hold the last recording; the slider must not wake it.
    if (!item)
        return;
    sync->restart();
    const qint64 target = qint64(seconds) * 1000;
    for (QMediaPlayer *player : existingMediaPlayers())
        player->setPosition(target);
    sync->align();
    sync->confirmPausedSeek(target);
}

qint64 PlayAreaManager::frameStepTarget(qint64 positionMs, float frameRate, int direction,
                                        qint64 durationMs)
{
    const double rate = frameRate > 0 ? double(frameRate) : 30.0;
    // On the frame grid, so that repeated steps neither drift nor stick on rounding.
    const qint64 frame = qint64(std::llround(double(positionMs) * rate / 1000.0)) + direction;
    qint64 target = qint64(std::llround(double(frame) * 1000.0 / rate));
    if (durationMs > 0)
        target = qMin(target, durationMs);
    return qMax<qint64>(target, 0);
}

void PlayAreaManager::stepFrame(int direction)
{
    if (!item || !mainPlayer || mainPlayer->mediaPlayer()->state() != QMediaPlayer::PausedState)
        return;
    QMediaPlayer *reference = mainPlayer->mediaPlayer();
    const qint64 target = frameStepTarget(reference->position(), item->frameRate, direction,
                                          reference->duration());
    for (PlayerWidget *player : allPlayers())
        player->mediaPlayer()->setPosition(target);
    sync->confirmPausedSeek(target);
    emit positionChanged(target / 1000, item->rowId);
}

void PlayAreaManager::resetZoom()
{
    for (PlayerWidget *player : allPlayers())
        player->resetZoom();
}

void PlayAreaManager::setVolume(int volume)
{
    const bool changed = volume != volumeLevel;
    volumeLevel = volume;
    for (QMediaPlayer *player : existingMediaPlayers())
        player->setVolume(volume);
    // Until the main player exists, its volumeChanged cannot tell the panel.
    if (!mainPlayer->existingMediaPlayer() && changed)
        emit volumeChanged(volume);
    // Volume 0 is how the panel mutes; remembering it would start the next session silent.
    if (volume != 0)
        Configuration::instance()->setVolume(volume);
}

void PlayAreaManager::setMuted(bool muted)
{
    const bool changed = muted != mutedState;
    mutedState = muted;
    if (QMediaPlayer *main = mainPlayer->existingMediaPlayer())
        main->setMuted(muted);
    else if (changed)
        emit mutedChanged(muted);
    Configuration::instance()->setMute(muted);
}

void PlayAreaManager::setPlaybackRate(double rate)
{
    sync->restart();
    playbackRate = rate;
    for (QMediaPlayer *player : existingMediaPlayers())
        player->setPlaybackRate(rate);
    for (PlayerWidget *widget : following.players()) {
        if (QMediaPlayer *player = widget->existingMediaPlayer())
            player->setPlaybackRate(rate);
    }
    sync->align();
}

QList<PlayerWidget *> PlayAreaManager::screenshotTargets() const
{
    QList<PlayerWidget *> targets;
    if (!item)
        return targets;
    // The pictures of what is on screen: the view of a channel that the recording lacks (also
    // one carried over from a recording with more channels) shows the front player, and each
    // camera is captured once.
    for (PlayerWidget *player : allPlayers()) {
        if (inGrid(player) && !player->isHidden())
            targets.append(player);
    }
    return targets;
}

void PlayAreaManager::screenshot()
{
    const QList<PlayerWidget *> targets = screenshotTargets();
    if (targets.isEmpty())
        return;
    PlayerWidget::capturePending = true;
    for (PlayerWidget *player : targets) {
        const QMediaPlayer *media = player->existingMediaPlayer();
        player->screenshot(media ? media->position() : 0);
    }
}

void PlayAreaManager::update()
{
    for (PlayerWidget *player : allPlayers())
        player->repaint();
}

void PlayAreaManager::onSliderStatusChanged(bool isSliderDown, int seconds)
{
    qDebug() << "onSliderStatusChanged" << isSliderDown << seconds;
    // Stopped, the players may still hold the last recording: pausing and playing it would
    // start it without a row, positions or track.
    if (!item)
        return;
    sync->restart();
    if (isSliderDown) {
        pause();
        return;
    }
    for (QMediaPlayer *mp : existingMediaPlayers()) {
        // A player already in that second is only resumed: seeking it would jump back.
        if (mp->position() / 1000 != seconds)
            mp->setPosition(qint64(seconds) * 1000);
    }
    // The seek bar can be let go while a recording just started is still loading: the same
    // start as play(), or GStreamer's preroll hang comes back this way.
    startTogether(false);
}

void PlayAreaManager::onMainStateChanged(QMediaPlayer::State newState)
{
    // The end of a recording with its successor preloaded: the successor takes over here,
    // and the stop that the finished stream reports is not passed on.
    QMediaPlayer *main = mainPlayer->existingMediaPlayer();
    if (newState == QMediaPlayer::StoppedState && main &&
        main->mediaStatus() == QMediaPlayer::EndOfMedia && advance())
        return;
    emit stateChanged(newState);
}

void PlayAreaManager::onMainStatusChanged(QMediaPlayer::MediaStatus status)
{
    // Some back ends report the end only as a media status.
    if (status == QMediaPlayer::EndOfMedia && following.item)
        advance();
}

void PlayAreaManager::onPositionChanged(qint64 position)
{
    if (item)
        emit positionChanged(position / 1000, item->rowId);
}

bool PlayAreaManager::acceptsUrl(const QUrl &url)
{
    // A link from a browser would become a row that cannot play.
    if (!url.isLocalFile() || QFileInfo(url.toLocalFile()).isDir())
        return false;
    const QString text = url.toString();
    for (const char *suffix : {"mp4", "mov", "avi"}) {
        if (text.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void PlayAreaManager::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), &PlayAreaManager::acceptsUrl))
        event->acceptProposedAction();
}

void PlayAreaManager::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasUrls())
        return;
    emit dropStop();
    QList<QUrl> urls = event->mimeData()->urls();
    std::sort(urls.begin(), urls.end(),
              [](const QUrl &a, const QUrl &b) { return a.toString() < b.toString(); });
    // Only accepted files are numbered: the window plays the one numbered 0.
    int index = 0;
    for (const QUrl &url : qAsConst(urls)) {
        if (acceptsUrl(url))
            emit dropFile(FileUrl::fromLocalPath(url.toLocalFile()), index++);
    }
    event->acceptProposedAction();
}
