#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>

// Where and how a recording keeps its embedded GPS records. The values are part of the
// camera formats' documentation and of scripts that read the probe's output; keep them.
enum class GpsSourceKind : qint32
{
    GpsNone = 0,
    AmbarellaTrack = 1,
    GpsBoxTable = 2,
    FreeGpsAudio = 3,
    Gps0Box = 4,
    SStarTrack = 5,
    GpsMetaTrack = 7,
    AviGpslBlock = 8,
    AviAudioChunks = 9,
    JldvAudio = 10,
    // Telemetry at the camera's own rates, reduced to one record per second on reading.
    GoProGpmf = 11,      // GPMF in the samples of a "gpmd" track
    BlackVueBoxes = 12,  // NMEA log and 3gf records in boxes inside the top-level "free" box
    NmeaTextTrack = 13,  // NMEA sentences as the samples of a subtitle track
    BlackVueSidecar = 14, // the same logs as <name>.gps / <name>.3gf beside the recording
    SidecarTrack = 15,   // a .gpx or .nmea file with the recording's base name
    ChosenTrack = 16,    // a GPX/NMEA track the user chose for the recording
};

// True for the kinds read as timed telemetry rather than as 312-byte text records.
bool isTelemetryKind(GpsSourceKind kind);

// Enumerator name ("GpsNone", "AmbarellaTrack", ...), or "Unknown" for a value outside the list.
const char *gpsSourceKindName(GpsSourceKind kind);

// Stored as a plain int in VideoInfo::codec, hence not an enum class.
enum VideoCodec : qint32
{
    CodecUnknown = 0,
    CodecH264 = 1,
    CodecH265 = 2,
};

// One decoded GPS fix. Trivially copyable; a new record is all zero bytes (padding included),
// so records compare byte for byte after a trip through a queued signal.
struct GpsData
{
    GpsData();

    qint32 index;
    char dateTime[15];
    char extraChar1;
    char extraText[15];
    char extraChar2;
    char latHemisphere;
    double latitude;
    qint32 latDegrees;
    qint32 latMinutes;
    char lonHemisphere;
    double longitude;
    qint32 lonDegrees;
    qint32 lonMinutes;
    qint32 extraNumber;
    qint32 speed;
    float gsensorX;
    float gsensorY;
    float gsensorZ;
    double course;

    bool hasPosition() const { return latitude != 0.0 || longitude != 0.0; }
};
Q_DECLARE_TYPEINFO(GpsData, Q_MOVABLE_TYPE);

struct VideoInfo
{
    qint32 width = 0;
    qint32 height = 0;
    qint32 duration = 0; // whole seconds, truncated
    float frameRate = 0; // one decimal; 0 when unknown
    QDateTime creationTime;
    qint32 codec = CodecUnknown;
};

// Registers "VideoInfo", "GpsData" and "QList<GpsData>"; harmless to call again.
void registerParserMetaTypes();

Q_DECLARE_METATYPE(GpsData)
Q_DECLARE_METATYPE(VideoInfo)
