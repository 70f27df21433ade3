#include "parser/gpsdata.h"

#include <cstring>

GpsData::GpsData()
{
    // Zero the padding too: records travel by value and are compared byte for byte.
    std::memset(static_cast<void *>(this), 0, sizeof(*this));
}

const char *gpsSourceKindName(GpsSourceKind kind)
{
    switch (kind) {
    case GpsSourceKind::GpsNone:
        return "GpsNone";
    case GpsSourceKind::AmbarellaTrack:
        return "AmbarellaTrack";
    case GpsSourceKind::GpsBoxTable:
        return "GpsBoxTable";
    case GpsSourceKind::FreeGpsAudio:
        return "FreeGpsAudio";
    case GpsSourceKind::Gps0Box:
        return "Gps0Box";
    case GpsSourceKind::SStarTrack:
        return "SStarTrack";
    case GpsSourceKind::GpsMetaTrack:
        return "GpsMetaTrack";
    case GpsSourceKind::AviGpslBlock:
        return "AviGpslBlock";
    case GpsSourceKind::AviAudioChunks:
        return "AviAudioChunks";
    case GpsSourceKind::JldvAudio:
        return "JldvAudio";
    case GpsSourceKind::GoProGpmf:
        return "GoProGpmf";
    case GpsSourceKind::BlackVueBoxes:
        return "BlackVueBoxes";
    case GpsSourceKind::NmeaTextTrack:
        return "NmeaTextTrack";
    case GpsSourceKind::BlackVueSidecar:
        return "BlackVueSidecar";
    case GpsSourceKind::SidecarTrack:
        return "SidecarTrack";
    case GpsSourceKind::ChosenTrack:
        return "ChosenTrack";
    }
    return "Unknown";
}

bool isTelemetryKind(GpsSourceKind kind)
{
    return qint32(kind) >= qint32(GpsSourceKind::GoProGpmf) &&
           qint32(kind) <= qint32(GpsSourceKind::ChosenTrack);
}

void registerParserMetaTypes()
{
    // Every parser calls this; registering takes a lock and normalises the type names,
    // which showed up as a sixth of the time of opening a card with thousands of rows.
    static const bool registered = [] {
        qRegisterMetaType<VideoInfo>("VideoInfo");
        qRegisterMetaType<GpsData>("GpsData");
        qRegisterMetaType<QList<GpsData>>("QList<GpsData>");
        return true;
    }();
    Q_UNUSED(registered)
}
