#include "library/trip.h"

#include "library/probereport.h"
#include "parser/parserobject.h"
#include "parser/recordingscan.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>

namespace {

// The first fix's UTC as "yyyyMMddhhmmss" (records with a time of day only take their date
// from the camera's clock); a recording without a time sorts by the file's modification
// time in the same form.
QString startKey(const QString &path, const QList<GpsData> &records, const RecordingClock &clock)
{
    for (const GpsData &r : records) {
        if (!r.hasPosition())
            continue;
        const QDateTime utc = clock.utcOf(r);
        if (utc.isValid())
            return utc.toString(QStringLiteral("yyyyMMddhhmmss"));
        break;
    }
    return QFileInfo(path).lastModified().toString(QStringLiteral("yyyyMMddhhmmss"));
}

} // namespace

namespace Trip {

Reading read(const QString &path)
{
    Reading reading;
    // Only plain files: opening a named pipe would block until a writer appears.
    const QFileInfo file(path);
    if (file.exists() && !file.isFile())
        return reading;
    const std::unique_ptr<ParserObject> parser = createParser(path);
    reading.info = videoInfoOf(*parser);
    GpsData record;
    for (int i = 0; parser->decode(i, record); ++i)
        reading.records.append(record);
    reading.diagnosis = diagnoseGps(*parser, reading.info, reading.records);
    reading.clock.kind = parser->kind();
    reading.clock.cameraStart = cameraStartOf(path, reading.info);
    reading.clock.offset =
        CardClock::offsetOfRecording(reading.clock.cameraStart, reading.records, parser->kind());
    // As the player's fit, without the padding: no fix past the end of the video.
    if (parser->kind() != GpsSourceKind::JldvAudio && reading.info.duration > 0 &&
        reading.records.size() > reading.info.duration + 1)
        reading.records.erase(reading.records.begin() + reading.info.duration + 1,
                              reading.records.end());
    return reading;
}

QDateTime cameraStartOf(const QString &path, const VideoInfo &info)
{
    const QDateTime named = CardClock::cameraTimeFromName(QFileInfo(path).fileName());
    if (named.isValid())
        return named;
    // Many cameras leave the creation time at zero (1904) or at their factory date; only a
    // time from this era tells anything about the clock.
    const QDateTime created = info.creationTime;
    if (!created.isValid() || created.date().year() < 1990)
        return QDateTime();
    return CardClock::cameraTime(created.date(), created.time());
}

void settleClocks(QVector<RecordingClock> &clocks, const QVector<QList<GpsData>> &tracks)
{
    QList<ClockOffset> offsets;
    for (const RecordingClock &clock : qAsConst(clocks))
        offsets.append(clock.offset);
    const ClockOffset card = CardClock::cardOffset(offsets);
    if (!card.isKnown())
        return;
    for (int i = 0; i < clocks.size() && i < tracks.size(); ++i) {
        RecordingClock &clock = clocks[i];
        clock.offset = CardClock::offsetOfRecording(clock.cameraStart, tracks.at(i), clock.kind,
                                                    card.seconds);
        if (!clock.offset.isKnown())
            clock.offset = card;
    }
}

QList<TrackSegment> collect(const QStringList &frontPaths)
{
    struct Part
    {
        QString key;
        TrackSegment segment;
    };
    std::vector<Part> parts;
    for (const QString &path : frontPaths) {
        const Reading reading = read(path);
        const bool anyFix = std::any_of(reading.records.begin(), reading.records.end(),
                                        [](const GpsData &r) { return r.hasPosition(); });
        if (!anyFix)
            continue;
        parts.push_back({startKey(path, reading.records, reading.clock),
                         TrackSegment{QFileInfo(path).fileName(), reading.records, reading.clock,
                                      double(reading.info.duration)}});
    }
    QList<ClockOffset> offsets;
    for (const Part &part : parts)
        offsets.append(part.segment.clock.offset);
    const ClockOffset card = CardClock::cardOffset(offsets);
    for (Part &part : parts) {
        RecordingClock &clock = part.segment.clock;
        if (!card.isKnown())
            break;
        // Records with a time of day only take their date from the card's offset.
        clock.offset = CardClock::offsetOfRecording(clock.cameraStart, part.segment.records,
                                                    clock.kind, card.seconds);
        if (!clock.offset.isKnown())
            clock.offset = card;
    }
    std::stable_sort(parts.begin(), parts.end(),
                     [](const Part &a, const Part &b) { return a.key < b.key; });
    QList<TrackSegment> segments;
    for (const Part &part : parts)
        segments.append(part.segment);
    return segments;
}

QList<TrackSegment> collectFolder(const QString &folder)
{
    return collect(ProbeReport::recordingPaths(folder));
}

} // namespace Trip
