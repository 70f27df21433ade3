#pragma once

#include "parser/gpsdata.h"

#include <QDateTime>
#include <QList>
#include <QVector>

// A drive: consecutive recordings whose times join. Cameras cut a drive into files of one to
// three minutes and start the next file within a second or two of the previous one's end.
namespace Drives {

constexpr int DefaultGapSeconds = 5;
// Below this the car is taken as standing: GPS speed jitters by a few km/h at a stop.
constexpr int MovingKmh = 3;

// When one recording ran, as far as its file tells.
struct RecordingSpan
{
    QDateTime cameraStart; // the camera's clock (the file's creation time)
    QDateTime gpsStart;    // from its first timed fix; invalid without GPS
    double duration = 0;   // seconds

    // GPS time where there is one, else the camera's.
    QDateTime start() const { return gpsStart.isValid() ? gpsStart : cameraStart; }
};

// True when `next` starts within gapSeconds of the end of `previous` (a little early counts
// too: durations are whole seconds and camera clocks tick in seconds). GPS times are compared
// only with GPS times; when either recording has none, both are taken by the camera's clock.
bool follows(const RecordingSpan &previous, const RecordingSpan &next,
             int gapSeconds = DefaultGapSeconds);

struct Range
{
    int first = 0; // index into the spans given
    int count = 0;
};

// Splits spans (in playing order) into runs of recordings that follow one another.
QVector<Range> group(const QVector<RecordingSpan> &spans, int gapSeconds = DefaultGapSeconds);

// Seconds between records: one a second as most cameras write, unless there are clearly more
// records than seconds (JLDV cameras write two a second). Not duration / count: readers may
// leave out a record at the end.
double secondsPerRecord(int count, double duration);

// The time of a fix ("yyyyMMddhhmmss", taken as UTC); invalid when unreadable.
QDateTime fixTime(const GpsData &fix);
// The recording's start by GPS: its first timed fix less the seconds into the recording at
// which that fix was written.
QDateTime gpsStartOf(const QList<GpsData> &records, double duration);

double haversineMetres(double lat1, double lon1, double lat2, double lon2);

struct Figures
{
    double distanceMetres = 0;
    double movingSeconds = 0;
    double averageKmh = 0; // over the moving time
    int topKmh = 0;
    int fixes = 0;
};

// Figures of the tracks of one drive's recordings, in order; the last fix of one recording
// joins the first of the next, as the car did not stop being somewhere in between.
Figures figures(const QVector<QList<GpsData>> &tracks, const QVector<double> &durations);

} // namespace Drives
