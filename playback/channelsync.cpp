#include "playback/channelsync.h"

#include <QDebug>

ChannelSync::ChannelSync(std::function<QList<QMediaPlayer *>()> players, QObject *parent)
    : QObject(parent), players(std::move(players))
{
    checkTimer.setInterval(checkIntervalMs);
    connect(&checkTimer, &QTimer::timeout, this, &ChannelSync::check);
    resumeTimer.setSingleShot(true);
    resumeTimer.setTimerType(Qt::PreciseTimer);
    connect(&resumeTimer, &QTimer::timeout, this, &ChannelSync::resumeHeld);
}

void ChannelSync::setActive(bool active)
{
    ++commandGeneration; // playing or stopping ends a paused seek's check
    if (!active) {
        checkTimer.stop();
        releaseAll(false);
        return;
    }
    restart();
    checkTimer.start();
}

void ChannelSync::setEnabled(bool on)
{
    enabled = on;
    if (!on)
        releaseAll(true);
}

void ChannelSync::restart()
{
    releaseAll(false);
    strikes.clear();
    behindAfterSeek.clear();
    settling.start();
}

void ChannelSync::releaseAll(bool resume)
{
    resumeTimer.stop();
    const QList<Hold> released = holds;
    holds.clear();
    for (const Hold &held : released) {
        if (resume && held.player)
            held.player->play();
    }
}

void ChannelSync::check()
{
    if (!enabled || !holds.isEmpty() || settling.elapsed() < settleMs)
        return;
    const QList<QMediaPlayer *> list = players();
    if (list.size() < 2 || list.first()->state() != QMediaPlayer::PlayingState)
        return;
    QMediaPlayer *main = list.first();
    for (int i = 1; i < list.size(); ++i) {
        QMediaPlayer *player = list.at(i);
        if (player->state() != QMediaPlayer::PlayingState ||
            player->mediaStatus() == QMediaPlayer::EndOfMedia) {
            strikes.remove(player);
            continue;
        }
        QElapsedTimer reading;
        reading.start();
        const qint64 before = main->position();
        const qint64 position = player->position();
        const qint64 after = main->position();
        // Interrupted between the readings (a loaded machine): they compare nothing.
        if (reading.elapsed() > 4)
            continue;
        const qint64 mainPosition = (before + after) / 2;
        const qint64 offset = position - mainPosition;
        if (qAbs(offset) <= toleranceMs) {
            strikes.remove(player);
            // In step after its seek: try a little less next time, as the machine may have
            // become less busy (the hold shows a still picture for as long as the lead).
            if (behindAfterSeek.remove(player))
                seekLeadMs = qMax<qint64>(minimumLeadMs, seekLeadMs * 9 / 10);
            continue;
        }
        // Once may be a pipeline still settling; twice in a row is drift.
        if (++strikes[player] < 2)
            continue;
        strikes.remove(player);
        hold(player, offset, mainPosition);
    }
}

void ChannelSync::align()
{
    const QList<QMediaPlayer *> list = players();
    if (!enabled || list.size() < 2 || list.first()->state() != QMediaPlayer::PlayingState)
        return;
    QMediaPlayer *main = list.first();
    const double rate = main->playbackRate() > 0 ? main->playbackRate() : 1.0;
    const qint64 target = main->position() + qint64(seekLeadMs * rate);
    for (int i = 1; i < list.size(); ++i) {
        if (list.at(i)->state() != QMediaPlayer::StoppedState)
            holdAhead(list.at(i), target);
    }
    resumeHeld();
}

void ChannelSync::holdAhead(QMediaPlayer *player, qint64 target)
{
    player->pause();
    player->setPosition(target);
    behindAfterSeek.insert(player);
    holds.append(Hold{player, target});
}

void ChannelSync::hold(QMediaPlayer *player, qint64 offset, qint64 mainPosition)
{
    if (offset > 0) {
        player->pause();
        holds.append(Hold{player, mainPosition + offset});
    } else {
        // Behind right after its seek: seeks take longer here than allowed for.
        if (behindAfterSeek.contains(player))
            seekLeadMs = qMin<qint64>(seekLeadMs * 3 / 2, 1500);
        const double rate = player->playbackRate() > 0 ? player->playbackRate() : 1.0;
        holdAhead(player, mainPosition + qint64(seekLeadMs * rate));
    }
    ++correctionCount;
    qDebug() << "ChannelSync: offset" << offset << "ms, resume at" << holds.last().target;
    emit corrected(player, offset);
    resumeHeld();
}

void ChannelSync::resumeHeld()
{
    const QList<QMediaPlayer *> list = players();
    if (list.isEmpty() || list.first()->state() != QMediaPlayer::PlayingState) {
        releaseAll(false);
        return;
    }
    QMediaPlayer *main = list.first();
    const double rate = main->playbackRate() > 0 ? main->playbackRate() : 1.0;
    const qint64 now = main->position();
    qint64 wait = -1;
    for (int i = holds.size() - 1; i >= 0; --i) {
        const Hold &held = holds.at(i);
        if (!held.player || !list.contains(held.player)) {
            holds.removeAt(i);
        } else if (held.target - now <= 1) {
            held.player->play();
            holds.removeAt(i);
        } else {
            const qint64 remaining = qint64((held.target - now) / rate);
            wait = wait < 0 ? remaining : qMin(wait, remaining);
        }
    }
    if (wait >= 0)
        resumeTimer.start(int(qMax<qint64>(1, wait)));
    else
        settling.start();
}

void ChannelSync::confirmPausedSeek(qint64 targetMs)
{
    const int generation = ++commandGeneration;
    for (int delay : {600, 1800})
        QTimer::singleShot(delay, this, [this, targetMs, generation] {
            recheckPausedSeek(targetMs, generation);
        });
}

void ChannelSync::recheckPausedSeek(qint64 targetMs, int generation)
{
    const QList<QMediaPlayer *> list = players();
    // While the main player plays, check() may hold a secondary on purpose: leave it be.
    if (generation != commandGeneration || list.isEmpty() ||
        list.first()->state() != QMediaPlayer::PausedState)
        return;
    for (QMediaPlayer *player : list) {
        if (player->state() == QMediaPlayer::PausedState &&
            qAbs(player->position() - targetMs) > pausedSeekSlackMs &&
            targetMs <= player->duration())
            player->setPosition(targetMs);
    }
}
