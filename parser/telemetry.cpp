#include "parser/telemetry.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// A fix further than this from a second belongs to another stretch of the recording (the
// receiver lost the sky); the second then has no position rather than a stale one.
constexpr double MaxFixDistance = 2.0;
// Below this the positions of two seconds differ by receiver noise, not by travel.
constexpr double MovedDegrees = 0.00001;
// As the text records: never more than a day at two records per second.
constexpr double MaxSeconds = 24 * 3600 * 2;

int nearestFix(const QVector<TelemetryFix> &sorted, double second)
{
    const auto it = std::lower_bound(
        sorted.begin(), sorted.end(), second,
        [](const TelemetryFix &f, double s) { return f.seconds < s; });
    int best = -1;
    double bestDistance = MaxFixDistance;
    const auto consider = [&](QVector<TelemetryFix>::const_iterator c) {
        if (c == sorted.end())
            return;
        const double distance = std::fabs(c->seconds - second);
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = int(c - sorted.begin());
        }
    };
    consider(it);
    if (it != sorted.begin())
        consider(it - 1);
    return best;
}

double bearing(double lat1, double lon1, double lat2, double lon2)
{
    const double phi1 = qDegreesToRadians(lat1);
    const double phi2 = qDegreesToRadians(lat2);
    const double dLambda = qDegreesToRadians(lon2 - lon1);
    const double y = std::sin(dLambda) * std::cos(phi2);
    const double x =
        std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLambda);
    const double theta = qRadiansToDegrees(std::atan2(y, x));
    return std::fmod(theta + 360.0, 360.0);
}

void copyDateTime(GpsData &out, const QDateTime &utc)
{
    if (!utc.isValid())
        return;
    const QByteArray text = utc.toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1();
    std::memcpy(out.dateTime, text.constData(), size_t(qMin(text.size(), 14)));
}

} // namespace

void setPosition(GpsData &out, double latitude, double longitude)
{
    out.latitude = latitude;
    out.longitude = longitude;
    out.latHemisphere = latitude < 0 ? 'S' : 'N';
    out.lonHemisphere = longitude < 0 ? 'W' : 'E';
    const auto split = [](double value, qint32 &degrees, qint32 &minutes) {
        const double magnitude = std::fabs(value);
        degrees = qint32(magnitude);
        minutes = qint32(std::lround((magnitude - degrees) * 60.0 * 10000.0));
    };
    split(latitude, out.latDegrees, out.latMinutes);
    split(longitude, out.lonDegrees, out.lonMinutes);
}

QList<GpsData> perSecondTrack(const Telemetry &telemetry, int maxSeconds)
{
    const double limit = qBound(0.0, double(maxSeconds), MaxSeconds);
    QVector<TelemetryFix> fixes;
    fixes.reserve(telemetry.fixes.size());
    for (const TelemetryFix &f : telemetry.fixes) {
        if (std::isfinite(f.seconds) && f.seconds >= 0 && f.seconds < limit + 1)
            fixes.append(f);
    }
    std::stable_sort(fixes.begin(), fixes.end(), [](const TelemetryFix &a, const TelemetryFix &b) {
        return a.seconds < b.seconds;
    });
    double last = fixes.isEmpty() ? -1 : fixes.last().seconds;
    for (const TelemetryAccel &a : telemetry.accel) {
        if (std::isfinite(a.seconds) && a.seconds < limit + 1)
            last = qMax(last, a.seconds);
    }
    QList<GpsData> track;
    if (last < 0)
        return track;
    const int seconds = int(qMin<double>(std::floor(last), limit));

    // Accelerometer sums per second, in one pass.
    QVector<double> sums(3 * (seconds + 1), 0.0);
    QVector<int> counts(seconds + 1, 0);
    for (const TelemetryAccel &a : telemetry.accel) {
        if (!std::isfinite(a.seconds) || a.seconds < 0 || a.seconds >= seconds + 1)
            continue;
        const int s = int(a.seconds);
        sums[3 * s] += a.x;
        sums[3 * s + 1] += a.y;
        sums[3 * s + 2] += a.z;
        ++counts[s];
    }

    track.reserve(seconds + 1);
    double course = 0;
    bool havePrevious = false;
    double prevLat = 0;
    double prevLon = 0;
    for (int s = 0; s <= seconds; ++s) {
        GpsData out;
        out.index = s;
        const int f = nearestFix(fixes, s);
        if (f >= 0 && fixes[f].valid) {
            const TelemetryFix &fix = fixes[f];
            setPosition(out, fix.latitude, fix.longitude);
            if (fix.utc.isValid())
                copyDateTime(out, fix.utc.addMSecs(qint64(std::llround((s - fix.seconds) * 1000))));
            out.speed = qint32(std::lround(qBound(0.0, fix.speedKmh, 999.0)));
            if (fix.course >= 0 && fix.course <= 360 && fix.speedKmh >= 1) {
                course = fix.course;
            } else if (havePrevious && std::fabs(prevLat - fix.latitude) > MovedDegrees &&
                       std::fabs(prevLon - fix.longitude) > MovedDegrees) {
                course = bearing(prevLat, prevLon, fix.latitude, fix.longitude);
            }
            prevLat = fix.latitude;
            prevLon = fix.longitude;
            havePrevious = true;
        }
        out.course = course;
        if (counts[s] > 0) {
            const auto axis = [&](int k) {
                // The records hold two decimals within +-9.99 g; keep the chart's range.
                const double g = sums[3 * s + k] / counts[s];
                return float(qBound(-9.99, std::round(g * 100.0) / 100.0, 9.99));
            };
            out.gsensorX = axis(0);
            out.gsensorY = axis(1);
            out.gsensorZ = axis(2);
        }
        track.append(out);
    }
    return track;
}
