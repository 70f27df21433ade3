#include "tools/simulator/recordingsimulator.h"

#include <QRandomGenerator>
#include <QtMath>

namespace Simulator {

namespace {

// Field offsets inside the 312-byte record.
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

void put(QByteArray &record, int at, const QByteArray &text)
{
    record.replace(at, text.size(), text);
}

QByteArray digits(qint64 value, int width)
{
    return QByteArray::number(value).rightJustified(width, '0', true);
}

// Whole degrees and the six digits after them: minutes with four decimals (mm.mmmm without
// the point), or millionths of a degree in the JLDV family. Rounding may carry into the
// degrees: 22.99999999 degrees is "23000000", never "22600000".
QByteArray coordinate(double magnitude, int degreeWidth, bool decimalDegrees)
{
    qint64 degrees = qint64(magnitude);
    const double fraction = magnitude - double(degrees);
    const qint64 scale = decimalDegrees ? 1000000 : 600000;
    qint64 six = qRound64(fraction * double(scale));
    if (six >= scale) {
        six -= scale;
        ++degrees;
    }
    return digits(degrees, degreeWidth) + digits(six, 6);
}

QByteArray gsensorGroup(float value)
{
    const int hundredths = qMin(999, int(qRound(qAbs(value) * 100.0f)));
    const char sign = (value < 0 && hundredths > 0) ? '-' : '+';
    return QByteArray(1, sign) + digits(hundredths / 100, 1) + digits(hundredths % 100, 2);
}

void mask(QByteArray &record)
{
    for (int i = 2; i < record.size(); ++i)
        record[i] = char(quint8(record[i]) ^ RecordMask);
}

} // namespace

QByteArray blankRecord()
{
    QByteArray record(RecordSize, ' ');
    record[0] = 0x01;
    record[1] = 0x38;
    mask(record);
    return record;
}

QByteArray encodeRecord(const Fix &fix, bool decimalDegrees)
{
    QByteArray record(RecordSize, ' ');
    // The two plain bytes in front carry the record length on the cameras seen so far.
    record[0] = 0x01;
    record[1] = 0x38;
    put(record, 2, "GPSREC");
    const QString format =
        fix.timeOfDayOnly ? QStringLiteral("'00000000'hhmmss") : QStringLiteral("yyyyMMddhhmmss");
    put(record, DateTimeAt,
        fix.time.isValid() ? fix.time.toString(format).toLatin1() : QByteArray(14, '0'));
    record[ExtraChar1At] = fix.extraChar1;
    put(record, ExtraTextAt, fix.extraText.left(14).leftJustified(14, ' '));
    record[ExtraChar2At] = fix.extraChar2;
    record[LatHemisphereAt] =
        fix.latHemisphere ? fix.latHemisphere : (fix.latitude < 0 ? 'S' : 'N');
    put(record, LatDigitsAt, coordinate(qMin(qAbs(fix.latitude), 99.0), 2, decimalDegrees));
    record[LonHemisphereAt] =
        fix.lonHemisphere ? fix.lonHemisphere : (fix.longitude < 0 ? 'W' : 'E');
    put(record, LonDigitsAt, coordinate(qMin(qAbs(fix.longitude), 999.0), 3, decimalDegrees));
    put(record, ExtraNumberAt, digits(qBound(0, fix.extraNumber, 99999), 5));
    put(record, SpeedAt, digits(qBound(0, fix.speed, 999), 3));
    put(record, GsensorAt,
        gsensorGroup(fix.gsensorX) + gsensorGroup(fix.gsensorY) + gsensorGroup(fix.gsensorZ));
    mask(record);
    return record;
}

QVector<Fix> makeTrack(int count, const TrackShape &shape)
{
    QVector<Fix> track;
    track.reserve(qMax(0, count));
    QRandomGenerator random(shape.seed);
    double latitude = shape.latitude;
    double longitude = shape.longitude;
    double heading = shape.heading;
    double speed = 40;
    const double seconds = shape.intervalMs / 1000.0;
    for (int i = 0; i < count; ++i) {
        Fix fix;
        fix.time = shape.start.addMSecs(qint64(i) * shape.intervalMs);
        fix.latitude = latitude;
        fix.longitude = longitude;
        fix.speed = int(qRound(speed));
        fix.gsensorX = float(random.bounded(-30, 31)) / 100.0f;
        fix.gsensorY = float(random.bounded(-30, 31)) / 100.0f;
        fix.gsensorZ = 1.0f + float(random.bounded(-8, 9)) / 100.0f;
        fix.extraNumber = int(random.bounded(0, 100000));
        track.append(fix);

        speed = qBound(0.0, speed + random.bounded(-40, 41) / 10.0, 120.0);
        heading = std::fmod(heading + random.bounded(-50, 51) / 10.0 + 360.0, 360.0);
        const double metres = speed / 3.6 * seconds;
        latitude += metres * qCos(qDegreesToRadians(heading)) / 111320.0;
        longitude += metres * qSin(qDegreesToRadians(heading)) /
                     (111320.0 * qMax(0.01, qCos(qDegreesToRadians(latitude))));
    }
    return track;
}

} // namespace Simulator
