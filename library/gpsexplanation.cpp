#include "library/gpsexplanation.h"

#include <QTime>

namespace {

QString clock(int seconds)
{
    return QTime(0, 0).addSecs(qMax(seconds, 0)).toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

QString GpsExplanation::arrangementName(GpsSourceKind kind)
{
    switch (kind) {
    case GpsSourceKind::AmbarellaTrack:
        return tr("Ambarella track");
    case GpsSourceKind::GpsBoxTable:
        return tr("GPS box table");
    case GpsSourceKind::FreeGpsAudio:
        return tr("freeGPS sound chunks");
    case GpsSourceKind::Gps0Box:
        return tr("gps0 box");
    case GpsSourceKind::SStarTrack:
        return tr("SStar metadata track");
    case GpsSourceKind::GpsMetaTrack:
        return tr("GPS metadata track");
    case GpsSourceKind::AviGpslBlock:
        return tr("AVI GPSL block");
    case GpsSourceKind::AviAudioChunks:
        return tr("AVI sound chunks");
    case GpsSourceKind::JldvAudio:
        return tr("JLDV sound chunks");
    case GpsSourceKind::GoProGpmf:
        return tr("GoPro GPMF track");
    case GpsSourceKind::BlackVueBoxes:
        return tr("BlackVue GPS and 3gf boxes");
    case GpsSourceKind::NmeaTextTrack:
        return tr("NMEA subtitle track");
    case GpsSourceKind::BlackVueSidecar:
        return tr("BlackVue .gps/.3gf files");
    case GpsSourceKind::SidecarTrack:
        return tr("GPS track file beside the recording");
    case GpsSourceKind::ChosenTrack:
        return tr("chosen GPS track file");
    case GpsSourceKind::GpsNone:
        break;
    }
    return tr("no GPS");
}

QString GpsExplanation::text(const GpsDiagnosis &d)
{
    const QString arrangement = arrangementName(d.kind);
    switch (d.verdict) {
    case GpsVerdict::NotExamined:
        return QString();
    case GpsVerdict::Found:
        return tr("%1, %2 fixes, %3").arg(arrangement).arg(d.fixes).arg(clock(d.seconds));
    case GpsVerdict::Unreadable:
        return tr("No GPS: the file cannot be read.");
    case GpsVerdict::NotRecording:
        return tr("No GPS: no movie box or AVI header found; the recording may have been cut "
                  "off before the camera finished it.");
    case GpsVerdict::NoGpsSource:
        return tr("No GPS: the recording has no metadata track and no GPS box.");
    case GpsVerdict::MetadataNotGps:
        return tr("No GPS: the metadata track \"%1\" is not a GPS track this player knows.")
            .arg(d.metadataName);
    case GpsVerdict::NoFreeGpsMarker:
        return tr("No GPS: no metadata track, no GPS box, and no freeGPS marker in the sound "
                  "chunks.");
    case GpsVerdict::NoAviGps:
        return tr("No GPS: the AVI file has no GPSL block and no sound chunks.");
    case GpsVerdict::TableEmpty:
        return tr("No GPS: %1 found, but its table is empty.").arg(arrangement);
    case GpsVerdict::NoFix:
        return tr("No GPS fix: %1 with %2 records, none with a position (the camera had no "
                  "satellite fix).")
            .arg(arrangement)
            .arg(d.records);
    case GpsVerdict::CutShort:
        return tr("%1, %2 fixes; file cut short: fixes up to %3 of %4.")
            .arg(arrangement)
            .arg(d.fixes)
            .arg(clock(d.seconds), clock(d.duration));
    }
    return QString();
}
