#include "parser/gpmf.h"

#include <QDate>
#include <QTime>
#include <QtEndian>
#include <cmath>
#include <cstring>

// Layout from GoPro's public GPMF format description (github.com/gopro/gpmf-parser,
// README "GPMF Introduction" and the table of HERO camera streams):
// - every item is KLV: a four-character key, a type byte, a structure size byte and a
//   16-bit big-endian repeat count, then structure size x repeat bytes of big-endian data,
//   padded to a multiple of four; type 0 means the data is itself a list of items
//   (DEVC devices holding STRM streams);
// - within a stream, sticky items (SCAL divisors, GPSU time, GPSF fix, ORIN axis order)
//   come before the data they describe;
// - GPS5 is five int32 per fix: latitude, longitude (degrees), altitude (m), 2D and 3D speed
//   (m/s), each divided by its SCAL; GPS9 adds days since 2000, seconds since midnight, DOP
//   and fix (TYPE "lllllllSS");
// - GPSU is UTC as 16 characters "yymmddhhmmss.sss"; GPSF 0 means no fix;
// - the Karma drone's own device writes its fixes as GPRI, self-described by its TYPE
//   "JlllSSSSBB" and UNIT items (s, deg, deg, m, m, m, m/s, deg, fix, satellites; as the real
//   Karma recording holds them), timed by the drone's clock, which its SYST item ("JJ":
//   clock seconds, UTC milliseconds) ties to UTC;
// - ACCL is in m/s^2, HERO5 writes the axes in the order Z, X, Y; later cameras name the
//   order in ORIN (a lowercase letter is an inverted axis).

namespace {

constexpr int MaxDepth = 8;
constexpr double StandardGravity = 9.80665;

int elementSize(char type)
{
    switch (type) {
    case 'b':
    case 'B':
    case 'c':
        return 1;
    case 's':
    case 'S':
        return 2;
    case 'l':
    case 'L':
    case 'f':
    case 'q':
    case 'F':
        return 4;
    case 'd':
    case 'j':
    case 'J':
    case 'Q':
        return 8;
    default:
        return 0;
    }
}

double numberAt(char type, const uchar *p)
{
    switch (type) {
    case 'b':
        return double(qint8(p[0]));
    case 'B':
        return double(p[0]);
    case 's':
        return double(qFromBigEndian<qint16>(p));
    case 'S':
        return double(qFromBigEndian<quint16>(p));
    case 'l':
        return double(qFromBigEndian<qint32>(p));
    case 'L':
        return double(qFromBigEndian<quint32>(p));
    case 'q':
        return double(qFromBigEndian<qint32>(p)) / 65536.0;
    case 'f': {
        const quint32 bits = qFromBigEndian<quint32>(p);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return double(value);
    }
    case 'd': {
        const quint64 bits = qFromBigEndian<quint64>(p);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 'j':
        return double(qFromBigEndian<qint64>(p));
    case 'J':
        return double(qFromBigEndian<quint64>(p));
    case 'Q':
        return double(qFromBigEndian<qint64>(p)) / 4294967296.0;
    default:
        return 0;
    }
}

// A count or code from the stream as an int, whatever its stored size.
int clampedInt(double value)
{
    return std::isfinite(value) ? int(qBound(-1e9, value, 1e9)) : 0;
}

struct Item
{
    char key[4];
    char type;
    int structSize;
    int repeat;
    const uchar *data;
    int size; // structSize x repeat, without the padding
};

struct StreamState
{
    QVector<double> scale;
    QDateTime utc;
    int fix = -1;
    QByteArray orin;
    QByteArray complexType;
};

bool isKey(const Item &item, const char *key)
{
    return std::memcmp(item.key, key, 4) == 0;
}

QDateTime parseGpsu(const uchar *data, int size)
{
    if (size < 16)
        return QDateTime();
    // Read digit by digit: going through QDateTime::fromString consults the local time zone
    // (a file lookup per call), once per sample of a long recording.
    int v[6];
    for (int i = 0; i < 6; ++i) {
        const int hi = data[2 * i] - '0';
        const int lo = data[2 * i + 1] - '0';
        if (hi < 0 || hi > 9 || lo < 0 || lo > 9)
            return QDateTime();
        v[i] = hi * 10 + lo;
    }
    int ms = 0;
    for (int i = 13; i < 16; ++i) {
        const int d = data[i] - '0';
        ms = d >= 0 && d <= 9 ? ms * 10 + d : ms * 10;
    }
    // Two-digit years: GPS time began long after 2000 for every camera that writes GPMF.
    const QDate date(2000 + v[0], v[1], v[2]);
    const QTime time(v[3], v[4], v[5], ms);
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}

class SampleWalker
{
public:
    SampleWalker(const GpmfReader::Sample &sample, Telemetry &telemetry)
        : sample(sample), telemetry(telemetry)
    {
    }

    void walk(const uchar *begin, const uchar *end, int depth, StreamState *state)
    {
        const uchar *p = begin;
        while (end - p >= 8) {
            Item item;
            std::memcpy(item.key, p, 4);
            item.type = char(p[4]);
            item.structSize = p[5];
            item.repeat = qFromBigEndian<quint16>(p + 6);
            item.size = item.structSize * item.repeat;
            item.data = p + 8;
            const qint64 padded = (qint64(item.size) + 3) & ~qint64(3);
            // An item that claims more than its parent holds ends the parent: nothing after
            // it can be found reliably.
            if (item.size > end - item.data)
                return;
            if (item.type == 0) {
                if (depth < MaxDepth) {
                    if (isKey(item, "STRM")) {
                        StreamState stream;
                        walk(item.data, item.data + item.size, depth + 1, &stream);
                    } else {
                        walk(item.data, item.data + item.size, depth + 1, state);
                    }
                }
            } else if (state) {
                readItem(item, *state);
            }
            p = item.data + qMin<qint64>(padded, end - item.data);
        }
    }

private:
    double timeOf(int k, int count) const
    {
        return sample.start + sample.duration * k / qMax(count, 1);
    }

    double scaled(const StreamState &state, int channel, double value) const
    {
        if (state.scale.isEmpty())
            return value;
        const double divisor =
            state.scale.size() == 1 ? state.scale[0] : state.scale.value(channel, 1.0);
        return divisor != 0 ? value / divisor : value;
    }

    void readItem(const Item &item, StreamState &state)
    {
        if (isKey(item, "SCAL")) {
            const int size = elementSize(item.type);
            state.scale.clear();
            if (size == 0)
                return;
            for (int off = 0; off + size <= item.size; off += size)
                state.scale.append(numberAt(item.type, item.data + off));
        } else if (isKey(item, "GPSU")) {
            state.utc = parseGpsu(item.data, item.size);
        } else if (isKey(item, "GPSF")) {
            if (elementSize(item.type) > 0 && item.size >= elementSize(item.type))
                state.fix = clampedInt(numberAt(item.type, item.data));
        } else if (isKey(item, "ORIN")) {
            state.orin = QByteArray(reinterpret_cast<const char *>(item.data), item.size);
        } else if (isKey(item, "TYPE")) {
            state.complexType = QByteArray(reinterpret_cast<const char *>(item.data), item.size);
        } else if (isKey(item, "GPS5")) {
            readGps5(item, state);
        } else if (isKey(item, "GPS9")) {
            readGps9(item, state);
        } else if (isKey(item, "ACCL")) {
            readAccl(item, state);
        } else if (isKey(item, "GPRI")) {
            readGpri(item, state);
        } else if (isKey(item, "SYST")) {
            readSyst(item, state);
        }
    }

    void readGps5(const Item &item, const StreamState &state)
    {
        if (elementSize(item.type) != 4 || item.structSize < 20)
            return;
        for (int k = 0; k < item.repeat; ++k) {
            const uchar *p = item.data + qint64(k) * item.structSize;
            TelemetryFix fix;
            fix.seconds = timeOf(k, item.repeat);
            fix.latitude = scaled(state, 0, numberAt(item.type, p));
            fix.longitude = scaled(state, 1, numberAt(item.type, p + 4));
            fix.altitude = scaled(state, 2, numberAt(item.type, p + 8));
            fix.speedKmh = scaled(state, 3, numberAt(item.type, p + 12)) * 3.6;
            if (state.utc.isValid())
                fix.utc = state.utc.addMSecs(qint64(std::llround(sample.duration * 1000 * k /
                                                                 qMax(item.repeat, 1))));
            fix.valid = state.fix != 0 && plausible(fix);
            telemetry.fixes.append(fix);
        }
    }

    void readGps9(const Item &item, const StreamState &state)
    {
        // Only the layout the description gives; a camera with another TYPE is not guessed at.
        if (item.type != '?' || state.complexType != "lllllllSS" || item.structSize != 32)
            return;
        for (int k = 0; k < item.repeat; ++k) {
            const uchar *p = item.data + qint64(k) * item.structSize;
            TelemetryFix fix;
            fix.seconds = timeOf(k, item.repeat);
            fix.latitude = scaled(state, 0, numberAt('l', p));
            fix.longitude = scaled(state, 1, numberAt('l', p + 4));
            fix.altitude = scaled(state, 2, numberAt('l', p + 8));
            fix.speedKmh = scaled(state, 3, numberAt('l', p + 12)) * 3.6;
            const double days = scaled(state, 5, numberAt('l', p + 20));
            const double secs = scaled(state, 6, numberAt('l', p + 24));
            const int gpsFix = clampedInt(scaled(state, 8, numberAt('S', p + 30)));
            if (days >= 0 && days < 100000 && secs >= 0 && secs < 86401) {
                fix.utc = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC)
                              .addDays(qint64(days))
                              .addMSecs(qint64(std::llround(secs * 1000)));
            }
            fix.valid = gpsFix != 0 && plausible(fix);
            telemetry.fixes.append(fix);
        }
    }

    void readAccl(const Item &item, const StreamState &state)
    {
        const int size = elementSize(item.type);
        if (size == 0 || item.structSize < 3 * size)
            return;
        // Which camera axis each of the three columns holds, and its sign.
        const char *order = state.orin.size() >= 3 ? state.orin.constData() : "ZXY";
        int target[3];
        double factor[3];
        for (int c = 0; c < 3; ++c) {
            target[c] = (order[c] | 0x20) - 'x';
            factor[c] = scaled(state, c, 1.0) / StandardGravity * (order[c] >= 'a' ? -1 : 1);
        }
        for (int k = 0; k < item.repeat; ++k) {
            const uchar *p = item.data + qint64(k) * item.structSize;
            float axes[3] = {0, 0, 0};
            for (int c = 0; c < 3; ++c) {
                if (target[c] >= 0 && target[c] <= 2)
                    axes[target[c]] = float(numberAt(item.type, p + c * size) * factor[c]);
            }
            TelemetryAccel a;
            a.seconds = timeOf(k, item.repeat);
            a.x = axes[0];
            a.y = axes[1];
            a.z = axes[2];
            telemetry.accel.append(a);
        }
    }

    static bool plausible(const TelemetryFix &fix)
    {
        return std::isfinite(fix.latitude) && std::isfinite(fix.longitude) &&
               std::fabs(fix.latitude) <= 90 && std::fabs(fix.longitude) <= 180 &&
               std::isfinite(fix.speedKmh) && (fix.latitude != 0 || fix.longitude != 0);
    }

public:
    // GPRI fixes carry the drone's clock; SYST, later in the same sample, ties it to UTC.
    void resolveClockTimes()
    {
        if (!haveSyst)
            return;
        for (const auto &pending : clockFixes) {
            const double ms = (pending.second - systClock) * 1000.0;
            if (std::isfinite(ms) && std::fabs(ms) < 1e10)
                telemetry.fixes[pending.first].utc = systUtc.addMSecs(qint64(std::llround(ms)));
        }
    }

private:
    void readGpri(const Item &item, const StreamState &state)
    {
        if (item.type != '?' || state.complexType != "JlllSSSSBB" || item.structSize != 30)
            return;
        for (int k = 0; k < item.repeat; ++k) {
            const uchar *p = item.data + qint64(k) * item.structSize;
            TelemetryFix fix;
            fix.seconds = timeOf(k, item.repeat);
            const double clock = scaled(state, 0, numberAt('J', p));
            fix.latitude = scaled(state, 1, numberAt('l', p + 8));
            fix.longitude = scaled(state, 2, numberAt('l', p + 12));
            fix.altitude = scaled(state, 3, numberAt('l', p + 16));
            fix.speedKmh = scaled(state, 6, numberAt('S', p + 24)) * 3.6;
            fix.course = scaled(state, 7, numberAt('S', p + 26));
            const int gpsFix = int(numberAt('B', p + 28));
            fix.valid = gpsFix >= 2 && plausible(fix);
            clockFixes.append({telemetry.fixes.size(), clock});
            telemetry.fixes.append(fix);
        }
    }

    void readSyst(const Item &item, const StreamState &state)
    {
        if (haveSyst || item.type != '?' || state.complexType != "JJ" || item.structSize != 16 ||
            item.repeat < 1)
            return;
        systClock = scaled(state, 0, numberAt('J', item.data));
        const double utcSeconds = scaled(state, 1, numberAt('J', item.data + 8));
        if (!std::isfinite(utcSeconds) || utcSeconds < 0 || utcSeconds > 4e9)
            return;
        systUtc = QDateTime::fromMSecsSinceEpoch(qint64(std::llround(utcSeconds * 1000)), Qt::UTC);
        haveSyst = true;
    }

    const GpmfReader::Sample &sample;
    Telemetry &telemetry;
    QVector<QPair<int, double>> clockFixes;
    bool haveSyst = false;
    double systClock = 0;
    QDateTime systUtc;
};

} // namespace

void GpmfReader::readSample(const Sample &sample, Telemetry &telemetry)
{
    const auto *begin = reinterpret_cast<const uchar *>(sample.payload.constData());
    SampleWalker walker(sample, telemetry);
    walker.walk(begin, begin + sample.payload.size(), 0, nullptr);
    walker.resolveClockTimes();
}

Telemetry GpmfReader::read(const QVector<Sample> &samples)
{
    Telemetry telemetry;
    for (const Sample &sample : samples)
        readSample(sample, telemetry);
    return telemetry;
}
