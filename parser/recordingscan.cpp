#include "parser/recordingscan.h"

#include "parser/aviparser.h"
#include "parser/mp4parser.h"

std::unique_ptr<ParserObject> createParser(const QString &path)
{
    std::unique_ptr<ParserObject> parser;
    if (path.endsWith(QLatin1String(".AVI"), Qt::CaseInsensitive))
        parser = std::make_unique<AVIParser>(path);
    else
        parser = std::make_unique<Mp4Parser>(path);
    parser->useSidecarFiles(path);
    return parser;
}

VideoInfo videoInfoOf(const ParserObject &parser)
{
    VideoInfo info;
    info.width = parser.width();
    info.height = parser.height();
    info.duration = parser.duration();
    info.frameRate = parser.frameRate();
    info.creationTime = parser.creationTime();
    info.codec = parser.codec();
    return info;
}

QList<GpsData> decodeTrack(ParserObject &parser)
{
    QList<GpsData> track;
    GpsData record;
    for (int i = 0; parser.decode(i, record); ++i) {
        track.append(record);
        ParserObject::pause();
    }
    return track;
}

void fitTrackToDuration(QList<GpsData> &track, int duration, GpsSourceKind kind)
{
    if (kind == GpsSourceKind::JldvAudio || track.isEmpty())
        return;
    // A damaged header can announce years; never pad beyond what a real recording holds.
    const qint64 wanted = qMin<qint64>(qMax(duration, 0) + qint64(1), ParserObject::MaxRecords);
    if (track.size() > wanted)
        track.erase(track.begin() + int(wanted), track.end());
    const GpsData last = track.last();
    track.reserve(int(wanted));
    while (track.size() < wanted)
        track.append(last);
}

RecordingScan scanRecording(const QString &path)
{
    RecordingScan scan;
    const std::unique_ptr<ParserObject> parser = createParser(path);
    scan.kind = parser->kind();
    scan.info = videoInfoOf(*parser);
    scan.rawRecords = decodeTrack(*parser);
    scan.track = scan.rawRecords;
    fitTrackToDuration(scan.track, scan.info.duration, scan.kind);
    return scan;
}
