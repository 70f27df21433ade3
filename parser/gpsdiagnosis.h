#pragma once

#include "parser/gpsdata.h"

#include <QList>
#include <QMetaType>
#include <QString>

class ParserObject;

// Why a recording has the track it has, or none: the reader's own findings, not a guess.
enum class GpsVerdict : qint32
{
    NotExamined,
    Found,
    Unreadable,      // not a plain file, or it cannot be opened
    NotRecording,    // no movie box, no AVI header
    NoGpsSource,     // MP4/MOV without metadata track, GPS box or sound track
    MetadataNotGps,  // a metadata track whose handler names no GPS
    NoFreeGpsMarker, // MP4/MOV sound chunks without the freeGPS marker
    NoAviGps,        // AVI without GPSL block and without sound chunks
    TableEmpty,      // the arrangement was found but lists no record
    NoFix,           // records, none with a position
    CutShort,        // the table lists more records than the file still holds
};

struct GpsDiagnosis
{
    GpsVerdict verdict = GpsVerdict::NotExamined;
    GpsSourceKind kind = GpsSourceKind::GpsNone;
    int records = 0;   // decoded
    int announced = 0; // listed by the table or counted
    int fixes = 0;     // decoded records with a position
    int seconds = 0;   // what the decoded records span
    int duration = 0;  // of the video, or as long as the table's count, seconds
    QString metadataName;
};
Q_DECLARE_METATYPE(GpsDiagnosis)

// `raw` is what decode() yielded, record 0 onwards, before any fitting to the duration.
GpsDiagnosis diagnoseGps(const ParserObject &parser, const VideoInfo &info,
                         const QList<GpsData> &raw);
