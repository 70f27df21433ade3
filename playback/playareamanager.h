#pragma once

#include "playback/showmode.h"

#include <QElapsedTimer>
#include <QList>
#include <QMediaContent>
#include <QMediaPlayer>
#include <QString>
#include <QTimer>
#include <QWidget>

class ChannelSync;
class PlayerWidget;
class QGridLayout;
class QKeyEvent;
class QLabel;
struct PlaylistItem;

// The middle of the main window: one player per camera channel of the current recording,
// laid out in a grid and driven together. The front player is the reference: only its
// media signals leave this widget and only it plays sound.
class PlayAreaManager : public QWidget
{
    Q_OBJECT
public:
    explicit PlayAreaManager(QWidget *parent = nullptr);
    ~PlayAreaManager() override;

    void setChannelPresence(bool front, bool rear, bool third, bool fourth);
    // The mode that stands for a recording with these channels (what setChannelPresence keeps).
    static ShowMode presenceOf(bool front, bool rear, bool third, bool fourth);
    void setSources(PlaylistItem *item, const QString &rear, const QString &third,
                    const QString &fourth);
    void setChannelCount(int count);
    void loadMedia();
    void setShowMode(ShowMode mode);
    void hideAll();
    void clearItem();

    QMediaContent mainMedia() const;
    QMediaPlayer::State state() const;
    int volume() const;
    PlaylistItem *currentItem() const { return item; }
    ShowMode showMode() const { return currentMode; }
    ShowMode presence() const { return presenceMode; }
    int channels() const { return channelCount; }
    // ShowFront is the main player; null for a channel without a player.
    PlayerWidget *playerFor(ShowMode channel) const;
    // The players that one screenshot request captures, in order: those on screen.
    QList<PlayerWidget *> screenshotTargets() const;

    // The position one frame after (direction 1) or before (-1) positionMs, on the frame
    // grid of frameRate (30 when unknown), kept within 0..durationMs when that is known.
    static qint64 frameStepTarget(qint64 positionMs, float frameRate, int direction,
                                  qint64 durationMs);

    // Loads the recording that follows the current one into a second set of players, hidden
    // and paused on their first frames, so that the end of the current one hands over to
    // them without a stop, a load and a preroll. Replaces an earlier preload; stop() drops it.
    void preload(PlaylistItem *next, const QString &rear, const QString &third,
                 const QString &fourth, int count, ShowMode presence);
    PlaylistItem *preloadedItem() const { return following.item; }
    // Every preloaded player has finished loading (a player still prerolling must not be set
    // playing, see play()).
    bool preloadReady() const;
    // The preloaded recording plays now in place of the current one: false (and nothing
    // changes) without a ready preload.
    bool advance();
    // True for a moment after advance(): a request for the next recording already on its way
    // then was about the recording just left.
    bool advancedRecently() const;

    // Keeps the secondary players in step with the main one while they play.
    ChannelSync *channelSync() const { return sync; }

    // A line across the play area ("No recordings found in ..."), until a recording loads.
    void showNotice(const QString &text);
    QString notice() const;

    // The same test as a drop uses: a local file, not a folder, with a video file name.
    static bool acceptsUrl(const QUrl &url);

    using QWidget::update;

signals:
    void stateChanged(QMediaPlayer::State newState);
    void volumeChanged(int volume);
    void mutedChanged(bool muted);
    void durationChanged(qint64 duration);
    void positionChanged(qint64 second, int rowId);
    void keyPressSignals(QKeyEvent *event);
    void fullScreenChanged(bool fullScreen);
    void dropFile(QString filePath, int index);
    void dropStop();
    void showModeChanged(ShowMode mode);
    // Part of the window's wiring; the end of a recording is detected by the control panel.
    void playNext();
    // The preloaded recording has taken over and plays; currentItem() is it.
    void advanced(PlaylistItem *item);

public slots:
    void play();
    void pause();
    void stop();
    void seek(int seconds);
    // While paused: every channel one frame forward (1) or back (-1) together.
    void stepFrame(int direction);
    // Every channel's picture back to 1x.
    void resetZoom();
    void setVolume(int volume);
    void setMuted(bool muted);
    void setPlaybackRate(double rate);
    void screenshot();
    void update();
    void onSliderStatusChanged(bool isSliderDown, int seconds);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void onPositionChanged(qint64 position);

private:
    // The players of one recording and what they were loaded with.
    struct PreloadedSet
    {
        PlayerWidget *main = nullptr;
        PlayerWidget *rear = nullptr;
        PlayerWidget *third = nullptr;
        PlayerWidget *fourth = nullptr;
        PlaylistItem *item = nullptr;
        QString rearUrl;
        QString thirdUrl;
        QString fourthUrl;
        int count = 1;
        ShowMode presence = ShowAll;
        // Since the last of its players was asked to pause on its first frame.
        QElapsedTimer pausedSince;
        QList<PlayerWidget *> players() const;
    };

    PlayerWidget *createPlayer();
    void setUpMediaPlayer(PlayerWidget *widget, QMediaPlayer *player);
    // The media players made so far, main first; asking a widget for its player makes one.
    QList<QMediaPlayer *> existingMediaPlayers() const;
    void explainError(PlayerWidget *player, QMediaPlayer::Error error);
    void ensurePlayer(PlayerWidget *&slot);
    void deletePlayer(PlayerWidget *&slot);
    QList<PlayerWidget *> secondaryPlayers() const;
    QList<PlayerWidget *> allPlayers() const;
    void layoutChannels(int n);
    void place(PlayerWidget *player, int row, int column, int rowSpan, int columnSpan);
    void removeAndHide(PlayerWidget *player);
    bool inGrid(PlayerWidget *player) const;
    bool anyLoading() const;
    // Starts every player now, or once none is loading any more.
    void startTogether(bool resuming);
    void startWhenLoaded();
    void cancelPendingStart();
    void startPlayers(bool resuming);
    void onMainStateChanged(QMediaPlayer::State newState);
    void onMainStatusChanged(QMediaPlayer::MediaStatus status);
    PlayerWidget *preloadPlayer(const QString &url);
    void pauseWhenLoaded(PlayerWidget *widget);
    void dropPreloaded();

    QWidget *background = nullptr;
    QLabel *noticeLabel = nullptr;
    QGridLayout *grid = nullptr;
    PlayerWidget *mainPlayer = nullptr;
    PlayerWidget *rearPlayer = nullptr;
    PlayerWidget *thirdPlayer = nullptr;
    PlayerWidget *fourthPlayer = nullptr;
    ShowMode presenceMode = ShowAll;
    QString rearUrl;
    QString thirdUrl;
    QString fourthUrl;
    ShowMode currentMode = ShowAll;
    PlaylistItem *item = nullptr;
    int channelCount = 1;
    ChannelSync *sync = nullptr;
    // Applied to each media player when it is made, so that settings made before the first
    // recording loads are not lost.
    int volumeLevel = 100;
    bool mutedState = false;
    double playbackRate = 1.0;
    // A start asked for while media were still loading, carried out once they have.
    bool startPending = false;
    QTimer loadWait;
    PreloadedSet following;
    QElapsedTimer sinceAdvance;
};
