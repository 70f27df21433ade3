#pragma once

#include <QMetaType>
#include <QVector>

// One fix on the map: its sequence number and position in decimal degrees, as the GPS
// record of the fix holds them.
struct MapPoint
{
    int index = 0;
    double longitude = 0.0;
    double latitude = 0.0;
};

// The whole track of a recording: one inner vector per fix, in fix order, each holding
// longitude then latitude.
using MapTrack = QVector<QVector<double>>;

// Registers MapPoint and the track type for queued connections; safe to call repeatedly.
void registerMapMetaTypes();

Q_DECLARE_METATYPE(MapPoint)
