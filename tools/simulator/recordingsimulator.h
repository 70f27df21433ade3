#pragma once

// Writes dash-camera recordings the way the cameras of each chip family do, from a track
// given by the caller: the fixture factory of the parser tests, the end-to-end tests and
// the demo recordings. QtCore only; real video comes from an external ffmpeg.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Simulator {

// Same numbers as the parser's GpsSourceKind, so a test can compare them after a cast.
enum class Arrangement
{
    None = 0,
    AmbarellaTrack = 1,
    GpsBoxTable = 2,
    FreeGpsAudio = 3,
    Gps0Box = 4,
    SStarTrack = 5,
    GpsMetaTrack = 7,
    AviGpslBlock = 8,
    AviAudioChunks = 9,
    JldvAudio = 10,
    GoProGpmf = 11,
    BlackVueBoxes = 12,
    NmeaTextTrack = 13,
};

enum class Container
{
    Auto,
    Mp4,
    Mov,
    Avi
};
enum class Codec
{
    H264,
    H265
};

// Every camera family masks bytes 2..311 of its records with this byte.
constexpr quint8 RecordMask = 0x5A;
constexpr int RecordSize = 312;

// One fix as the camera writes it. Signed decimal degrees; the hemisphere letters follow
// the sign unless set explicitly (a camera may write 'S' with a zero latitude).
struct Fix
{
    // The GPS receiver's time, UTC (its wall-clock reading is written whatever its timeSpec);
    // the camera's own clock goes into the file name and the creation time.
    QDateTime time;
    // Leave the date digits blank ("00000000hhmmss"), as receivers that have the time of
    // day before the date do.
    bool timeOfDayOnly = false;
    double latitude = 0;
    double longitude = 0;
    int speed = 0; // km/h, 0..999
    float gsensorX = 0;
    float gsensorY = 0;
    float gsensorZ = 0; // g, -9.99..9.99
    int extraNumber = 0;
    char extraChar1 = 'A';
    QByteArray extraText; // up to 14 characters, padded with blanks
    char extraChar2 = ' ';
    char latHemisphere = 0;
    char lonHemisphere = 0;
};

struct Recording
{
    Arrangement arrangement = Arrangement::GpsMetaTrack;
    Container container = Container::Auto; // Auto: AVI for the Avi* arrangements, else MP4
    // One entry per table slot / chunk the camera writes (two per second for JldvAudio).
    QVector<Fix> track;
    double duration = 0; // seconds; 0: one second per record (half a second for JldvAudio)
    int width = 1280;
    int height = 720;
    double frameRate = 30;
    Codec codec = Codec::H264;
    QDateTime creationTime;          // local time; invalid writes 0 (1904-01-01)
    bool soundTrack = false;         // a silent PCM track besides any the arrangement needs itself
    bool realVideo = false;          // encode testsrc2 with ffmpeg so the file plays
    // With realVideo: ffmpeg input arguments that replace testsrc2 (e.g. a looping clip),
    // and a filter graph for the picture (e.g. drawtext for a burned-in clock).
    QStringList videoInput;
    QString videoFilter;
    QString handlerName;             // metadata track name; empty: the family's usual name
    int freeGpsMarkerOffset = 65540; // 65540, 131076 or 262148
    bool gps0LargeSize = false;      // write the gps0 box with a 64-bit size
};

// A plausible drive: leaves from (latitude, longitude) at `start`, one fix every
// `intervalMs`, speed and heading wandering, small G-sensor readings. Seeded, so repeatable.
struct TrackShape
{
    QDateTime start = QDateTime(QDate(2024, 5, 17), QTime(8, 30, 0));
    double latitude = 22.5392;
    double longitude = 113.9353;
    double heading = 45;   // degrees clockwise from north
    int intervalMs = 1000; // JLDV cameras write two fixes a second: 500
    quint32 seed = 1;
};
QVector<Fix> makeTrack(int count, const TrackShape &shape = TrackShape());

// The 312 masked bytes of one record. decimalDegrees: the six digits after the degrees are
// millionths of a degree (JLDV family) instead of minutes with four decimals.
QByteArray encodeRecord(const Fix &fix, bool decimalDegrees);
// A record slot the camera left without a fix (blanks, masked).
QByteArray blankRecord();

// Effective values after defaults are applied.
Container containerOf(const Recording &recording);
double durationOf(const Recording &recording);

// Writes the recording; false with a reason in *error (ffmpeg missing, disk full, ...).
bool write(const Recording &recording, const QString &path, QString *error = nullptr);
// The same bytes in memory (mind the size: FreeGpsAudio writes 64 KiB of sound a second).
QByteArray build(const Recording &recording, QString *error = nullptr);

// The track as files beside a recording instead of inside it.
enum class Sidecar
{
    Gpx,      // <name>.gpx, as a phone logs it
    Nmea,     // <name>.nmea, as a phone logs it
    BlackVue, // <date>_<time>_<type>.gps and .3gf beside <date>_<time>_<type><channel>.mp4
};
// Writes `recording`'s track as `kind` beside the recording at `recordingPath` (which need
// not exist); the files written in *written. False with a reason when a BlackVue pair is
// asked for beside a name BlackVue would not give its recording, or a file cannot be written.
bool writeSidecar(const Recording &recording, const QString &recordingPath, Sidecar kind,
                  QStringList *written = nullptr, QString *error = nullptr);
bool sidecarFromName(const QString &name, Sidecar *kind);

QString arrangementName(Arrangement arrangement);
bool arrangementFromName(const QString &name, Arrangement *arrangement);
// The nine arrangements that carry GPS.
QList<Arrangement> gpsArrangements();

} // namespace Simulator
