#pragma once

#include "library/cameraevent.h"
#include "parser/gpsdata.h"

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QStringList>
#include <QVector>

// The moments of a card that a driver looks for: what the camera itself marked, and what the
// G-sensor and the GPS show. Widget-free; the event list, the seek bar, the chart, the map and
// the probe all read the same results.
namespace DriveEvents {

// Declared in the order of precedence when events close together merge into one.
enum class Kind
{
    Impact,
    HardBraking,
    SuddenDeceleration,
    SharpTurn,
    HardAcceleration,
    Speeding,
    CameraMark,
};

// "impact", "hardBraking", ...: the probe's names, stable for scripts.
const char *kindName(Kind kind);

struct Thresholds
{
    double brakingG = 0.40;
    double accelerationG = 0.35;
    double turnG = 0.40;
    // Horizontal; a car brakes at 1 g at most, so a peak beyond it is a blow, not the brakes.
    double impactG = 1.20;
    int speedingKmh = 120;
    // Used where the camera has no G-sensor: 14 km/h a second is about 0.4 g.
    double decelerationKmhPerSecond = 14.0;
    int mergeSeconds = 5;
};

struct Event
{
    Kind kind = Kind::CameraMark;
    int recording = -1; // index into the recordings given
    double second = 0;  // into that recording
    double length = 0;  // seconds the condition lasted (speeding: the stretch)
    // Sensor events in g, sudden deceleration in km/h per second, speeding in km/h (the top
    // speed of the stretch); 0 for camera marks.
    double strength = 0;
    QDateTime time; // the recording's start plus `second`; invalid when the start is unknown
    double latitude = 0;
    double longitude = 0;
    bool hasPosition = false;
    QString detail; // camera marks: what the camera called it
};

struct Recording
{
    QList<GpsData> records;
    double duration = 0;   // seconds
    QDateTime start;       // by GPS where known, else the camera's clock
    QStringList marks;     // from the card layout
    CameraEvent cameraEvent;
};

// True when any record carries a G-sensor reading (cameras without one write zeros).
bool hasGsensor(const QList<GpsData> &records);

// Every event of the recordings, in time order, close ones merged.
QVector<Event> detect(const QVector<Recording> &recordings, const Thresholds &thresholds);

// Events of one recording before merging (sensor and GPS only, no camera marks).
QVector<Event> detectMotion(int index, const Recording &recording, const Thresholds &thresholds);

// Merges sensor events within thresholds.mergeSeconds of each other into the one of highest
// precedence; speeding stretches and camera marks are kept apart. Sorted by time.
QVector<Event> merge(QVector<Event> events, int mergeSeconds);

} // namespace DriveEvents

Q_DECLARE_METATYPE(DriveEvents::Event)
