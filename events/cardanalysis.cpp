#include "events/cardanalysis.h"

#include "platform/threadpriority.h"

#include <QFileInfo>

CardAnalysis::CardAnalysis(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<CardSummary>("CardSummary");
    pool.setMaxThreadCount(1);
}

CardAnalysis::~CardAnalysis()
{
    pool.clear();
    pool.waitForDone();
}

void CardAnalysis::start(const QList<PlaylistItem> &rows, int gapSeconds,
                         const DriveEvents::Thresholds &thresholds)
{
    const int mine = ++generation;
    // Jobs not yet begun are for an older card.
    pool.clear();
    pool.start([this, rows, gapSeconds, thresholds, mine]() {
        // Every recording of the card is read again, from the card the playing one comes from.
        ThreadPriority::makeCurrentThreadBackground();
        const DriveReport::Card card = DriveReport::read(rows, gapSeconds);
        CardSummary summary;
        summary.drives = DriveReport::summarize(card);
        summary.events = DriveEvents::detect(card.recordings, thresholds);
        summary.clocks = card.clocks;
        for (const QString &path : card.paths)
            summary.fileNames.append(QFileInfo(path).fileName());
        // Queued to this object's thread; the destructor waits for the pool, so `this`
        // outlives the call.
        QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection, Q_ARG(int, mine),
                                  Q_ARG(CardSummary, summary));
    });
}

void CardAnalysis::waitForDone()
{
    pool.waitForDone();
}

void CardAnalysis::deliver(int forGeneration, CardSummary summary)
{
    if (forGeneration == generation)
        emit finished(summary);
}
