#pragma once

#include "parser/gpsdata.h"

#include <QDateTime>
#include <QList>
#include <QVector>

// Telemetry as cameras that log at their own rates write it (GoPro GPMF, NMEA logs, phone
// tracks): timed fixes and accelerometer samples, before they are reduced to the player's
// one record per second.
struct TelemetryFix
{
    double seconds = 0; // since the start of the recording
    QDateTime utc;      // invalid when the stream states no time
    double latitude = 0;
    double longitude = 0;
    double altitude = 0; // metres
    double speedKmh = 0;
    double course = -1; // degrees as the stream states it; negative when it states none
    bool valid = true;  // false for a sentence the receiver itself marks as without a fix
};

struct TelemetryAccel
{
    double seconds = 0;
    float x = 0; // g
    float y = 0;
    float z = 0;
};

struct Telemetry
{
    QVector<TelemetryFix> fixes; // in stream order
    QVector<TelemetryAccel> accel;
    bool empty() const { return fixes.isEmpty() && accel.isEmpty(); }
};

// One GpsData per whole second from 0 to the last second the telemetry reaches: the fix
// nearest that second (without position when no fix lies within two seconds), the
// accelerometer averaged over [s, s + 1), and a course that is the stream's own where it has
// one, else computed from the previous second's position. Samples past maxSeconds (the
// recording's length where known) are left out: one damaged time stamp must not stretch the
// track to a day.
QList<GpsData> perSecondTrack(const Telemetry &telemetry, int maxSeconds = 24 * 3600 * 2);

// Fills the position fields of out (hemispheres, degrees and the minutes digits as the
// text records carry them) from signed decimal degrees.
void setPosition(GpsData &out, double latitude, double longitude);
