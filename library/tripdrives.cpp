#include "library/tripdrives.h"

namespace TripDrives {

namespace {

// Segments carry no duration where the container gave none; the fixes then tell it.
double durationOf(const TrackSegment &segment)
{
    if (segment.duration > 0)
        return segment.duration;
    const int count = segment.records.size();
    return count * Drives::secondsPerRecord(count, 0);
}

QDateTime firstUtc(const TrackSegment &segment)
{
    for (const GpsData &r : segment.records) {
        const QDateTime utc = r.hasPosition() ? segment.clock.utcOf(r) : QDateTime();
        if (utc.isValid())
            return utc;
    }
    return QDateTime();
}

QDateTime lastUtc(const TrackSegment &segment)
{
    for (int i = segment.records.size() - 1; i >= 0; --i) {
        const GpsData &r = segment.records.at(i);
        const QDateTime utc = r.hasPosition() ? segment.clock.utcOf(r) : QDateTime();
        if (utc.isValid())
            return utc;
    }
    return QDateTime();
}

QString clockText(double seconds)
{
    const qint64 s = qint64(seconds + 0.5);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QVector<Drive> of(const QList<TrackSegment> &segments, int gapSeconds)
{
    QVector<Drives::RecordingSpan> spans;
    for (const TrackSegment &segment : segments) {
        const double duration = durationOf(segment);
        spans.append({segment.clock.cameraStart,
                      Drives::gpsStartOf(segment.records, duration), duration});
    }
    QVector<Drive> drives;
    for (const Drives::Range &range : Drives::group(spans, gapSeconds)) {
        Drive drive;
        drive.first = range.first;
        drive.count = range.count;
        QVector<QList<GpsData>> tracks;
        QVector<double> durations;
        for (int i = range.first; i < range.first + range.count; ++i) {
            const TrackSegment &segment = segments.at(i);
            tracks.append(segment.records);
            durations.append(spans.at(i).duration);
            if (!drive.start.isValid())
                drive.start = firstUtc(segment);
            const QDateTime end = lastUtc(segment);
            if (end.isValid())
                drive.end = end;
        }
        drive.figures = Drives::figures(tracks, durations);
        drives.append(drive);
    }
    return drives;
}

QString summaryText(const Drive &drive)
{
    // Written into files for any reader, so in English and km/h like the rest of the file.
    return QStringLiteral("%1 km, moving %2, average %3 km/h, top %4 km/h")
        .arg(drive.figures.distanceMetres / 1000.0, 0, 'f', 1)
        .arg(clockText(drive.figures.movingSeconds))
        .arg(qRound(drive.figures.averageKmh))
        .arg(drive.figures.topKmh);
}

} // namespace TripDrives
