#include "parser/parserobject.h"
#include "parser/payloadfields.h"

#include <QDebug>
#include <cmath>
#include <cstring>

namespace {
// Offsets within a payload record.
constexpr int DateTimeAt = 8;
constexpr int ExtraChar1At = 22;
constexpr int ExtraTextAt = 23;
constexpr int ExtraChar2At = 37;
constexpr int LatHemisphereAt = 38;
constexpr int LatDigitsAt = 39;
constexpr int LonHemisphereAt = 47;
constexpr int LonDigitsAt = 48;
constexpr int ExtraNumberAt = 57;
constexpr int SpeedAt = 62;
constexpr int GsensorAt = 173;
constexpr int TextFieldLength = 14;

// Record start = table entry + these, per arrangement.
constexpr qint64 AmbarellaSkip = 2;
constexpr qint64 GpsBoxSkip = 18;
constexpr qint64 FreeGpsSkip = 14;
constexpr qint64 SStarSkip = 2;
constexpr qint64 JldvSkip = 8194;
constexpr qint64 Gps0Stride = 311;
// In AVI files the record sits this far into the data of its "01wb" chunk.
constexpr qint64 AviAudioSkip = 65530;

constexpr double MeridionalFactor = 7915.70447;
constexpr double Moved = 0.00001;

double degreesToRadians(double degrees)
{
    return degrees * M_PI / 180.0;
}

double meridionalParts(double latitude)
{
    return MeridionalFactor * std::log10(std::tan(degreesToRadians(45.0 + latitude / 2.0)));
}

float gsensorAxis(const char *group)
{
    const char sign = group[0];
    if (sign != '+' && sign != '-') {
        qDebug() << "gsensor data error";
        return 0.0f;
    }
    int whole = 0;
    int hundredths = 0;
    const int widths[] = {1, 2};
    int *targets[] = {&whole, &hundredths};
    scanDecimals(group + 1, group + 4, widths, targets, 2);
    const float value = float(whole) + float(hundredths) / 100.0f;
    return sign == '-' ? -value : value;
}
} // namespace

bool ParserObject::decode(int index, GpsData &out)
{
    out = GpsData();
    if (isTelemetryKind(mKind)) {
        if (!mTelemetryRead)
            readTelemetry();
        if (index < 0 || index >= mTelemetryTrack.size())
            return false;
        out = mTelemetryTrack.at(index);
        return true;
    }
    const qint64 count = mRecordCount;
    if (count <= 0 || index < 0 || index >= count - 1 || index >= MaxRecords)
        return false;
    qint64 start = 0;
    if (!recordStart(index, start))
        return false;
    char record[RecordSize];
    readAt(start, record, RecordSize);
    decodeRecord(record, index, out);
    return true;
}

qint64 ParserObject::tableEntry(qint64 entryOffset, bool &inFile)
{
    // An entry wholly past the end of the file means the table was cut short: a count taken
    // from a damaged header must not turn into millions of records read from offset zero.
    inFile = entryOffset < mFileSize;
    return entryOffset < 0 ? 0 : qint64(readU32BE(entryOffset));
}

bool ParserObject::recordStart(int index, qint64 &start)
{
    const qint64 i = index;
    const qint64 t = mTableOffset;
    bool inFile = true;
    switch (mKind) {
    case GpsSourceKind::GpsNone:
        return false;
    case GpsSourceKind::AmbarellaTrack:
        start = tableEntry(t + 4 * i, inFile) + AmbarellaSkip;
        break;
    case GpsSourceKind::GpsBoxTable:
        start = tableEntry(t + 8 * i, inFile) + GpsBoxSkip;
        break;
    case GpsSourceKind::FreeGpsAudio:
        start = tableEntry(t + 4 * i, inFile) + mMarkerOffset + FreeGpsSkip;
        break;
    case GpsSourceKind::Gps0Box:
        start = t + Gps0Stride * i;
        break;
    case GpsSourceKind::SStarTrack: {
        // Only the exact name "SS GPS" puts the record at the chunk start.
        const qint64 skip = mHandlerName == QLatin1String("SS GPS") ? 0 : SStarSkip;
        start = tableEntry(t + 4 * i, inFile) + skip;
        break;
    }
    case GpsSourceKind::GpsMetaTrack:
        start = tableEntry(t + 4 * i, inFile);
        break;
    case GpsSourceKind::AviGpslBlock:
        start = t + RecordSize * i;
        break;
    case GpsSourceKind::AviAudioChunks:
        return aviAudioRecordStart(index, start);
    case GpsSourceKind::JldvAudio:
        // Record 0 looks one entry before the table, at the table's entry count: whatever
        // that yields stands in for the first half second.
        start = tableEntry(t + 4 * (i - 1), inFile) + JldvSkip;
        if (index == 0)
            inFile = true;
        break;
    default:
        return false;
    }
    return inFile && start < mFileSize;
}

bool ParserObject::aviAudioRecordStart(int index, qint64 &start)
{
    // The first "01wb" chunk is counted as 1, so record 0 has no chunk: it is decoded from
    // an all-zero buffer.
    if (index == 0) {
        start = mFileSize;
        return true;
    }
    if (index > mAudioChunkOffsets.size())
        return false;
    // The record sits 65530 bytes into the data of the index-th chunk.
    start = mAudioChunkOffsets.at(index - 1) + 8 + AviAudioSkip;
    return start < mFileSize;
}

void ParserObject::decodeRecord(const char *stored, int index, GpsData &out)
{
    char record[RecordSize];
    std::memcpy(record, stored, RecordSize);
    for (int i = 2; i < RecordSize; ++i)
        record[i] = char(quint8(record[i]) ^ PayloadMask);

    std::memcpy(out.dateTime, record + DateTimeAt, TextFieldLength);
    out.extraChar1 = record[ExtraChar1At];
    std::memcpy(out.extraText, record + ExtraTextAt, TextFieldLength);
    out.extraChar2 = record[ExtraChar2At];
    out.latHemisphere = record[LatHemisphereAt];
    out.lonHemisphere = record[LonHemisphereAt];

    {
        const int widths[] = {2, 6};
        int *targets[] = {&out.latDegrees, &out.latMinutes};
        scanDecimals(record + LatDigitsAt, record + LatDigitsAt + 8, widths, targets, 2);
    }
    {
        const int widths[] = {3, 6};
        int *targets[] = {&out.lonDegrees, &out.lonMinutes};
        scanDecimals(record + LonDigitsAt, record + LonDigitsAt + 9, widths, targets, 2);
    }
    const bool decimalDegrees = mKind == GpsSourceKind::JldvAudio;
    const auto toDegrees = [decimalDegrees](int degrees, int digits) {
        if (decimalDegrees)
            return degrees + digits / 1000000.0;
        return degrees + digits / 10000.0 / 60.0;
    };
    const double latAbs = toDegrees(out.latDegrees, out.latMinutes);
    const double lonAbs = toDegrees(out.lonDegrees, out.lonMinutes);
    out.latitude = out.latHemisphere == 'S' ? -latAbs : latAbs;
    out.longitude = out.lonHemisphere == 'W' ? -lonAbs : lonAbs;

    {
        const int widths[] = {5};
        int *targets[] = {&out.extraNumber};
        scanDecimals(record + ExtraNumberAt, record + ExtraNumberAt + 5, widths, targets, 1);
    }
    {
        const int widths[] = {3};
        int *targets[] = {&out.speed};
        scanDecimals(record + SpeedAt, record + SpeedAt + 3, widths, targets, 1);
    }
    out.gsensorX = gsensorAxis(record + GsensorAt);
    out.gsensorY = gsensorAxis(record + GsensorAt + 4);
    out.gsensorZ = gsensorAxis(record + GsensorAt + 8);

    updateCourse(index, latAbs, lonAbs, out);
    out.index = index;
}

void ParserObject::updateCourse(int index, double latAbs, double lonAbs, GpsData &out)
{
    const bool moved = index > mPrevIndex && std::fabs(mPrevLonAbs - lonAbs) > Moved &&
                       std::fabs(mPrevLatAbs - latAbs) > Moved;
    if (moved) {
        const double deltaM = meridionalParts(latAbs) - meridionalParts(mPrevLatAbs);
        const double deltaLon = (lonAbs - mPrevLonAbs) * 60.0;
        double theta = std::fabs(std::atan(deltaLon / deltaM)) * 180.0 / M_PI;
        if (mPrevLonAbs <= lonAbs) {
            if (mPrevLatAbs > latAbs)
                theta = 180.0 - theta;
        } else {
            theta = mPrevLatAbs <= latAbs ? 360.0 - theta : theta + 180.0;
        }
        const char lat = out.latHemisphere;
        const char lon = out.lonHemisphere;
        if (lat == 'S' && lon == 'W')
            theta = theta <= 180.0 ? theta + 180.0 : theta - 180.0;
        else if (lat == 'S' && lon == 'E')
            theta = theta <= 180.0 ? 180.0 - theta : 540.0 - theta;
        else if (lat == 'N' && lon == 'W')
            theta = 360.0 - theta;
        // A latitude of 90 degrees or more (a damaged record) has no Mercator course.
        if (!std::isfinite(theta)) {
            out.course = mPrevCourse;
        } else if (index == 1) {
            out.course = 0;
            mPrevCourse = 0;
        } else {
            out.course = theta;
            mPrevCourse = theta;
        }
    } else {
        out.course = mPrevCourse;
    }
    mPrevLatAbs = latAbs;
    mPrevLonAbs = lonAbs;
    mPrevIndex = index;
}
