#pragma once

#include "library/drives.h"
#include "library/trackexport.h"

#include <QVector>

// The drives of an exported trip with their figures, for the files' metadata.
namespace TripDrives {

struct Drive
{
    int first = 0; // index into the segments
    int count = 0;
    QDateTime start; // UTC of the drive's first fix; invalid when no fix has a time
    QDateTime end;   // UTC of its last fix
    Drives::Figures figures;
};

// Segments in recorded order, split where Drives::follows says the next does not join.
QVector<Drive> of(const QList<TrackSegment> &segments,
                  int gapSeconds = Drives::DefaultGapSeconds);

// "12.3 km, moving 0:10:02, average 45 km/h, top 80 km/h", for descriptions and comments.
QString summaryText(const Drive &drive);

} // namespace TripDrives
