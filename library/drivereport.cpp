#include "library/drivereport.h"

#include "library/drivetimes.h"
#include "library/probereport.h"
#include "library/trip.h"

#include <QFileInfo>
#include <QJsonArray>
#include <cmath>

namespace DriveReport {

namespace {

QJsonValue timeValue(const QDateTime &time)
{
    return time.isValid() ? QJsonValue(DriveTimes::isoText(time)) : QJsonValue(QJsonValue::Null);
}

QJsonValue offsetValue(const ClockOffset &offset)
{
    return offset.isKnown() ? QJsonValue(double(offset.seconds)) : QJsonValue(QJsonValue::Null);
}

QJsonValue utcValue(const QDateTime &cameraTime, const ClockOffset &offset)
{
    const QString text = DriveTimes::utcIsoText(cameraTime, offset);
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QJsonValue cameraValue(const QDateTime &cameraTime)
{
    // Camera times are carried as UTC to keep summer time out of sums; they name no zone.
    return cameraTime.isValid()
               ? QJsonValue(cameraTime.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")))
               : QJsonValue(QJsonValue::Null);
}

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

Card read(const QStringList &frontPaths, int gapSeconds)
{
    Card card;
    card.paths = frontPaths;
    for (const QString &path : frontPaths) {
        const Trip::Reading reading = Trip::read(path);
        Drives::RecordingSpan span;
        const QFileInfo file(path);
        span.cameraStart = reading.info.creationTime.isValid()
                               ? reading.info.creationTime
                               : (file.birthTime().isValid() ? file.birthTime() : file.lastModified());
        span.duration = reading.info.duration;
        span.gpsStart = Drives::gpsStartOf(reading.records, span.duration);
        card.spans.append(span);
        DriveEvents::Recording recording;
        recording.records = reading.records;
        recording.duration = span.duration;
        recording.start = span.start();
        card.recordings.append(recording);
        card.clocks.append(reading.clock);
    }
    QVector<QList<GpsData>> tracks;
    for (const DriveEvents::Recording &recording : qAsConst(card.recordings))
        tracks.append(recording.records);
    Trip::settleClocks(card.clocks, tracks);
    card.drives = Drives::group(card.spans, gapSeconds);
    return card;
}

Card read(const QList<PlaylistItem> &rows, int gapSeconds)
{
    QStringList paths;
    for (const PlaylistItem &row : rows)
        paths.append(row.url.toLocalFile());
    Card card = read(paths, gapSeconds);
    for (int i = 0; i < rows.size(); ++i) {
        card.recordings[i].marks = rows.at(i).marks;
        card.recordings[i].cameraEvent = rows.at(i).cameraEvent;
    }
    return card;
}

Card readFolder(const QString &folder, int gapSeconds)
{
    return read(ProbeReport::rows(folder), gapSeconds);
}

QDateTime cameraTimeOf(const QVector<RecordingClock> &clocks, int recording, double second)
{
    if (recording < 0 || recording >= clocks.size() || !clocks.at(recording).cameraStart.isValid())
        return QDateTime();
    return clocks.at(recording).cameraStart.addMSecs(qint64(second * 1000.0));
}

QVector<DriveSummary> summarize(const Card &card)
{
    QVector<DriveSummary> summaries;
    for (const Drives::Range &range : card.drives) {
        QVector<QList<GpsData>> tracks;
        QVector<double> durations;
        for (int i = range.first; i < range.first + range.count; ++i) {
            tracks.append(card.recordings.at(i).records);
            durations.append(card.spans.at(i).duration);
        }
        const Drives::RecordingSpan &first = card.spans.at(range.first);
        const Drives::RecordingSpan &last = card.spans.at(range.first + range.count - 1);
        // One clock for both ends: the camera's may be set hours away from the GPS time.
        const bool byGps = first.gpsStart.isValid() && last.gpsStart.isValid();
        const QDateTime start = byGps ? first.gpsStart : first.cameraStart;
        const QDateTime lastStart = byGps ? last.gpsStart : last.cameraStart;
        const int lastIndex = range.first + range.count - 1;
        DriveSummary summary;
        summary.range = range;
        summary.start = start;
        summary.end = lastStart.addMSecs(qint64(last.duration * 1000));
        summary.figures = Drives::figures(tracks, durations);
        if (range.first < card.clocks.size() && lastIndex < card.clocks.size()) {
            summary.cameraStart = cameraTimeOf(card.clocks, range.first, 0);
            summary.cameraEnd = cameraTimeOf(card.clocks, lastIndex, last.duration);
            summary.startOffset = card.clocks.at(range.first).offset;
            summary.endOffset = card.clocks.at(lastIndex).offset;
        }
        summaries.append(summary);
    }
    return summaries;
}

QJsonObject drivesJson(const Card &card, int gapSeconds)
{
    QJsonArray drives;
    for (const DriveSummary &drive : summarize(card)) {
        const Drives::Range &range = drive.range;
        QJsonArray recordings;
        for (int i = range.first; i < range.first + range.count; ++i) {
            const Drives::RecordingSpan &span = card.spans.at(i);
            const RecordingClock clock = card.clocks.value(i);
            recordings.append(QJsonObject{
                {QStringLiteral("file"), QFileInfo(card.paths.at(i)).fileName()},
                {QStringLiteral("start"), timeValue(span.cameraStart)},
                {QStringLiteral("gpsStart"), timeValue(span.gpsStart)},
                {QStringLiteral("durationSeconds"), span.duration},
                {QStringLiteral("cameraStart"), cameraValue(clock.cameraStart)},
                {QStringLiteral("utcStart"), utcValue(clock.cameraStart, clock.offset)},
                {QStringLiteral("clockOffsetSeconds"), offsetValue(clock.offset)}});
        }
        const Drives::Figures &figures = drive.figures;
        drives.append(QJsonObject{
            {QStringLiteral("start"), timeValue(drive.start)},
            {QStringLiteral("end"), timeValue(drive.end)},
            {QStringLiteral("durationSeconds"),
             rounded(double(drive.start.msecsTo(drive.end)) / 1000.0, 1)},
            {QStringLiteral("distanceMetres"), rounded(figures.distanceMetres, 1)},
            {QStringLiteral("movingSeconds"), rounded(figures.movingSeconds, 1)},
            {QStringLiteral("averageKmh"), rounded(figures.averageKmh, 1)},
            {QStringLiteral("topKmh"), figures.topKmh},
            {QStringLiteral("fixes"), figures.fixes},
            {QStringLiteral("cameraStart"), cameraValue(drive.cameraStart)},
            {QStringLiteral("cameraEnd"), cameraValue(drive.cameraEnd)},
            {QStringLiteral("utcStart"), utcValue(drive.cameraStart, drive.startOffset)},
            {QStringLiteral("utcEnd"), utcValue(drive.cameraEnd, drive.endOffset)},
            {QStringLiteral("clockOffsetSeconds"), offsetValue(drive.startOffset)},
            {QStringLiteral("recordings"), recordings}});
    }
    return QJsonObject{{QStringLiteral("gapSeconds"), gapSeconds},
                       {QStringLiteral("drives"), drives}};
}

QJsonObject eventsJson(const Card &card, const DriveEvents::Thresholds &thresholds)
{
    QJsonArray events;
    for (const DriveEvents::Event &event : DriveEvents::detect(card.recordings, thresholds)) {
        QJsonObject object{
            {QStringLiteral("kind"), QLatin1String(DriveEvents::kindName(event.kind))},
            {QStringLiteral("file"), QFileInfo(card.paths.value(event.recording)).fileName()},
            {QStringLiteral("second"), rounded(event.second, 1)},
            {QStringLiteral("lengthSeconds"), rounded(event.length, 1)},
            {QStringLiteral("strength"), rounded(event.strength, 2)},
            {QStringLiteral("time"), timeValue(event.time)},
            {QStringLiteral("latitude"), event.hasPosition ? QJsonValue(event.latitude) : QJsonValue()},
            {QStringLiteral("longitude"), event.hasPosition ? QJsonValue(event.longitude) : QJsonValue()}};
        const QDateTime cameraTime = cameraTimeOf(card.clocks, event.recording, event.second);
        const ClockOffset offset = card.clocks.value(event.recording).offset;
        object.insert(QStringLiteral("cameraTime"), cameraValue(cameraTime));
        object.insert(QStringLiteral("utcTime"), utcValue(cameraTime, offset));
        object.insert(QStringLiteral("clockOffsetSeconds"), offsetValue(offset));
        if (!event.detail.isEmpty())
            object.insert(QStringLiteral("detail"), event.detail);
        events.append(object);
    }
    return QJsonObject{{QStringLiteral("events"), events}};
}

} // namespace DriveReport
