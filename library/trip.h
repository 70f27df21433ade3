#pragma once

#include "library/trackexport.h"
#include "parser/gpsdiagnosis.h"

#include <QStringList>

// A card's recordings read as one trip, for export and for the probe tool. Reads run on the
// calling thread without the parse jobs' pacing.
namespace Trip {

struct Reading
{
    VideoInfo info;
    QList<GpsData> records; // decoded, cut to the recording's length as the player does
    GpsDiagnosis diagnosis;
};

Reading read(const QString &path);

// One segment per recording that holds at least one fix, in the order the fixes were
// recorded; the rows' front files only, so rear, third and fourth are not counted twice.
QList<TrackSegment> collect(const QStringList &frontPaths);

// The whole card as "Open Folder" lists it.
QList<TrackSegment> collectFolder(const QString &folder);

} // namespace Trip
