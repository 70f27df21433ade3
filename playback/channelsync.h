#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <functional>

// Keeps the secondary players in step with the main one. Every player runs its own GStreamer
// pipeline with its own start time, so they part at every start, seek and rate change, each
// finishing its own seek at its own pace, and a busy machine widens the gap.
//
// The means is a hold: the secondary player is paused (its picture stays), moved by one seek
// to where the main player will be shortly, and resumed when the main player gets there, so
// it starts from a finished seek exactly in step. After a start, seek or rate change every
// secondary player is held that way (align), the main player never waits. While playing, a
// player found off by more than the tolerance on two checks in a row is held: one a little
// ahead only shows its frame a little longer, one behind gets the seek. Rate nudges would not
// be gentler: with GStreamer every rate change is a flushing seek as well.
class ChannelSync : public QObject
{
    Q_OBJECT
public:
    // `players` lists the media players that exist, the main player first.
    explicit ChannelSync(std::function<QList<QMediaPlayer *>()> players, QObject *parent = nullptr);

    // Starts checking (while the main player plays), or stops and releases held players.
    void setActive(bool active);
    // The play area is about to move, pause or resume every player: held players are let go
    // as they are (the command sets every player's state), and the pipelines get time to
    // settle.
    void restart();
    // The main player has just started, sought or changed rate: the secondary players meet it
    // a little ahead, once their seeks are done.
    void align();
    // The players have just been sought to `targetMs` while paused. GStreamer can drop a seek
    // that reaches a pipeline still settling into pause, and a paused player gets no later
    // correction: a player found elsewhere a little later is sought again. A later paused seek,
    // or playing or stopping, ends the check.
    void confirmPausedSeek(qint64 targetMs);
    // Checking can be switched off to measure the players without it.
    void setEnabled(bool enabled);

    int corrections() const { return correctionCount; }

    static constexpr qint64 toleranceMs = 25;
    static constexpr int checkIntervalMs = 400;
    static constexpr int settleMs = 800;
    static constexpr qint64 minimumLeadMs = 300;
    static constexpr qint64 pausedSeekSlackMs = 200;

signals:
    void corrected(QMediaPlayer *player, qint64 offsetMs);

private:
    struct Hold
    {
        QPointer<QMediaPlayer> player;
        qint64 target = 0; // the main player's position at which the held player resumes
    };

    void check();
    void hold(QMediaPlayer *player, qint64 offset, qint64 mainPosition);
    void holdAhead(QMediaPlayer *player, qint64 target);
    void resumeHeld();
    void releaseAll(bool resume);
    void recheckPausedSeek(qint64 targetMs, int generation);

    std::function<QList<QMediaPlayer *>()> players;
    QTimer checkTimer;
    QTimer resumeTimer;
    QElapsedTimer settling;
    QHash<QMediaPlayer *, int> strikes;
    // Players moved by a seek and not yet seen in step since.
    QSet<QMediaPlayer *> behindAfterSeek;
    QList<Hold> holds;
    // How long a behind player takes to play again after its seek, learnt from the seeks.
    qint64 seekLeadMs = 400;
    // Counts commands, so that a paused seek's check knows whether a later one came.
    int commandGeneration = 0;
    bool enabled = true;
    int correctionCount = 0;
};
