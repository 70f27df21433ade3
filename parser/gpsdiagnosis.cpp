#include "parser/gpsdiagnosis.h"

#include "parser/aviparser.h"
#include "parser/parserobject.h"

#include <algorithm>

namespace {

GpsVerdict missingSource(const ParserObject &parser)
{
    const ParserFindings &seen = parser.findings();
    if (!seen.opened)
        return GpsVerdict::Unreadable;
    if (!seen.container)
        return GpsVerdict::NotRecording;
    if (qobject_cast<const AVIParser *>(&parser))
        return GpsVerdict::NoAviGps;
    if (seen.metadataTracks > 0)
        return GpsVerdict::MetadataNotGps;
    if (seen.soundTracks > 0)
        return GpsVerdict::NoFreeGpsMarker;
    return GpsVerdict::NoGpsSource;
}

} // namespace

GpsDiagnosis diagnoseGps(const ParserObject &parser, const VideoInfo &info,
                         const QList<GpsData> &raw)
{
    GpsDiagnosis d;
    d.kind = parser.kind();
    d.records = raw.size();
    d.announced = qMax(parser.recordCount(), 0);
    d.fixes = int(std::count_if(raw.begin(), raw.end(),
                                [](const GpsData &r) { return r.hasPosition(); }));
    // JLDV cameras write a record every half second.
    const int perSecond = d.kind == GpsSourceKind::JldvAudio ? 2 : 1;
    d.seconds = d.records > 0 ? (d.records - 1) / perSecond : 0;
    // A recording cut short often lost its movie box and with it the duration; the table's
    // own count then says how long the camera meant the track to be.
    d.duration = info.duration > 0 ? info.duration : qMax(d.announced - 2, 0) / perSecond;
    d.metadataName = parser.findings().metadataName;

    if (d.kind == GpsSourceKind::GpsNone) {
        d.verdict = missingSource(parser);
    } else if (d.records == 0 && d.announced <= 1) {
        // The decoder never reads a table's last entry, so one entry yields no record.
        d.verdict = GpsVerdict::TableEmpty;
    } else if (d.records < d.announced - 1) {
        d.verdict = GpsVerdict::CutShort;
    } else if (d.fixes == 0) {
        d.verdict = GpsVerdict::NoFix;
    } else {
        d.verdict = GpsVerdict::Found;
    }
    return d;
}
