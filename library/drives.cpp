#include "library/drives.h"

#include <QtMath>
#include <cmath>
#include <cstring>

namespace Drives {

bool follows(const RecordingSpan &previous, const RecordingSpan &next, int gapSeconds)
{
    const bool byGps = previous.gpsStart.isValid() && next.gpsStart.isValid();
    const QDateTime &from = byGps ? previous.gpsStart : previous.cameraStart;
    const QDateTime &to = byGps ? next.gpsStart : next.cameraStart;
    if (!from.isValid() || !to.isValid())
        return false;
    // Milliseconds, so that a drive crossing midnight or a month end is plain arithmetic.
    const double gap = double(from.msecsTo(to)) / 1000.0 - previous.duration;
    return gap >= -double(gapSeconds) && gap <= double(gapSeconds);
}

QVector<Range> group(const QVector<RecordingSpan> &spans, int gapSeconds)
{
    QVector<Range> ranges;
    for (int i = 0; i < spans.size(); ++i) {
        if (ranges.isEmpty() || !follows(spans.at(i - 1), spans.at(i), gapSeconds))
            ranges.append(Range{i, 0});
        ++ranges.last().count;
    }
    return ranges;
}

double secondsPerRecord(int count, double duration)
{
    if (!(duration > 0) || !std::isfinite(duration) || count < 2 * duration)
        return 1.0;
    // No camera writes a thousand records a second; a damaged duration must not make it so.
    return 1.0 / qBound(2.0, std::round(count / duration), 1000.0);
}

QDateTime fixTime(const GpsData &fix)
{
    const QString text =
        QString::fromLatin1(fix.dateTime, int(strnlen(fix.dateTime, sizeof fix.dateTime)));
    QDateTime time = QDateTime::fromString(text, QStringLiteral("yyyyMMddhhmmss"));
    time.setTimeSpec(Qt::UTC);
    return time;
}

QDateTime gpsStartOf(const QList<GpsData> &records, double duration)
{
    const double perRecord = secondsPerRecord(records.size(), duration);
    for (int i = 0; i < records.size(); ++i) {
        const GpsData &r = records.at(i);
        if (!r.hasPosition())
            continue;
        const QDateTime time = fixTime(r);
        if (time.isValid())
            return time.addMSecs(-qint64(qRound64(i * perRecord * 1000.0)));
    }
    return QDateTime();
}

double haversineMetres(double lat1, double lon1, double lat2, double lon2)
{
    constexpr double EarthRadius = 6371008.8; // mean radius (IUGG)
    const double p1 = qDegreesToRadians(lat1);
    const double p2 = qDegreesToRadians(lat2);
    const double dp = p2 - p1;
    const double dl = qDegreesToRadians(lon2 - lon1);
    const double a = std::sin(dp / 2) * std::sin(dp / 2) +
                     std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2 * EarthRadius * std::atan2(std::sqrt(a), std::sqrt(1 - a));
}

Figures figures(const QVector<QList<GpsData>> &tracks, const QVector<double> &durations)
{
    Figures result;
    const GpsData *last = nullptr;
    double lastSecond = 0; // seconds into the drive of `last`
    double offset = 0;     // seconds into the drive at which the current recording starts
    for (int t = 0; t < tracks.size(); ++t) {
        const QList<GpsData> &records = tracks.at(t);
        const double duration = t < durations.size() ? durations.at(t) : 0;
        const double perRecord = secondsPerRecord(records.size(), duration);
        for (int i = 0; i < records.size(); ++i) {
            const GpsData &r = records.at(i);
            // (0, 0) is the camera's "no fix", not a place in the Gulf of Guinea; a coordinate
            // that is not a number would make the whole sum one.
            if (!r.hasPosition() || !std::isfinite(r.latitude) || !std::isfinite(r.longitude))
                continue;
            ++result.fixes;
            result.topKmh = qMax(result.topKmh, r.speed);
            const double second = offset + i * perRecord;
            if (last) {
                result.distanceMetres +=
                    haversineMetres(last->latitude, last->longitude, r.latitude, r.longitude);
                // A gap of minutes without fixes (a tunnel) is not counted as driving.
                const double step = second - lastSecond;
                if (step > 0 && step <= 10 && qMax(last->speed, r.speed) >= MovingKmh)
                    result.movingSeconds += step;
            }
            last = &r;
            lastSecond = second;
        }
        offset += duration > 0 ? duration : records.size() * perRecord;
    }
    if (result.movingSeconds > 0)
        result.averageKmh = result.distanceMetres / result.movingSeconds * 3.6;
    return result;
}

} // namespace Drives
