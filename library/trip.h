#pragma once

#include "library/cardclock.h"
#include "library/trackexport.h"
#include "parser/gpsdiagnosis.h"

#include <QStringList>
#include <QVector>

// A card's recordings read as one trip, for export and for the probe tool. Reads run on the
// calling thread without the parse jobs' pacing.
namespace Trip {

struct Reading
{
    VideoInfo info;
    QList<GpsData> records; // decoded, cut to the recording's length as the player does
    GpsDiagnosis diagnosis;
    // The camera's clock at the start (from the file name, else the file's creation time)
    // and its offset at the first fix with a GPS time.
    RecordingClock clock;
};

Reading read(const QString &path);

// The camera's time at the start of `path`: its file name's date and time, else the
// creation time the camera wrote into the file; invalid when neither is plausible.
QDateTime cameraStartOf(const QString &path, const VideoInfo &info);

// A card's recordings' clocks, in recorded order, against their tracks: one whose own offset
// cannot be determined takes the card's, and records with a time of day only take their
// date from it.
void settleClocks(QVector<RecordingClock> &clocks, const QVector<QList<GpsData>> &tracks);

// One segment per recording that holds at least one fix, in the order the fixes were
// recorded; the rows' front files only, so rear, third and fourth are not counted twice.
// A recording whose own clock offset cannot be determined takes the card's.
QList<TrackSegment> collect(const QStringList &frontPaths);

// The whole card as "Open Folder" lists it.
QList<TrackSegment> collectFolder(const QString &folder);

} // namespace Trip
