#pragma once

#include "library/cardclock.h"
#include "library/driveevents.h"
#include "library/drives.h"
#include "library/playlistitem.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

// A card read as drives and events, on the calling thread: the probe's --drives and --events.
namespace DriveReport {

struct Card
{
    QStringList paths; // front files, in the playlist's order
    QVector<Drives::RecordingSpan> spans;
    QVector<DriveEvents::Recording> recordings;
    QVector<Drives::Range> drives;
    // Each recording's clock; one whose own offset cannot be determined takes the card's.
    QVector<RecordingClock> clocks;
};

// The camera's time `second` seconds into `recording`; invalid when its start is unknown.
QDateTime cameraTimeOf(const QVector<RecordingClock> &clocks, int recording, double second);

// Reads each recording's facts and track. The camera's start is the recording's own creation
// time, or the file's when it has none.
Card read(const QStringList &frontPaths, int gapSeconds = Drives::DefaultGapSeconds);
// The same for playlist rows, with the marks their card layout found.
Card read(const QList<PlaylistItem> &rows, int gapSeconds = Drives::DefaultGapSeconds);
Card readFolder(const QString &folder, int gapSeconds = Drives::DefaultGapSeconds);

// One drive of a card, with its times and figures.
struct DriveSummary
{
    Drives::Range range; // of the card's recordings
    // The first recording's start and the last one's end, both by GPS when both have it,
    // else both by the camera's clock.
    QDateTime start;
    QDateTime end;
    Drives::Figures figures;
    // The same ends by the camera's clock, each with its own recording's offset (a clock
    // that jumped within a drive shows both ends right). Invalid when a start is unknown.
    QDateTime cameraStart;
    QDateTime cameraEnd;
    ClockOffset startOffset;
    ClockOffset endOffset;
};
QVector<DriveSummary> summarize(const Card &card);

QJsonObject drivesJson(const Card &card, int gapSeconds = Drives::DefaultGapSeconds);
QJsonObject eventsJson(const Card &card, const DriveEvents::Thresholds &thresholds);

} // namespace DriveReport
