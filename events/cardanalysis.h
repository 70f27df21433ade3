#pragma once

#include "library/driveevents.h"
#include "library/drivereport.h"
#include "library/playlistitem.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QThreadPool>
#include <QVector>

// What the event list, the seek bar and the map show of a card: its drives and events.
struct CardSummary
{
    QVector<DriveReport::DriveSummary> drives; // ranges index the rows given
    QVector<DriveEvents::Event> events;        // `recording` is the row
    QStringList fileNames;                     // per row
    QVector<RecordingClock> clocks;            // per row
};
Q_DECLARE_METATYPE(CardSummary)

// Reads a card's recordings once more on a worker thread of its own (the playlist's parse
// jobs only decode the track of the recording that plays) and hands back drives and events.
// A newer start supersedes an older one still running; only the newest result is delivered.
class CardAnalysis : public QObject
{
    Q_OBJECT

public:
    explicit CardAnalysis(QObject *parent = nullptr);
    ~CardAnalysis() override;

    void start(const QList<PlaylistItem> &rows, int gapSeconds,
               const DriveEvents::Thresholds &thresholds);
    // Waits for the worker; for tests and the destructor.
    void waitForDone();

signals:
    void finished(CardSummary summary);

private slots:
    void deliver(int forGeneration, CardSummary summary);

private:
    QThreadPool pool;
    int generation = 0;
};
