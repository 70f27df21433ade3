#pragma once

#include "parser/gpsdata.h"

#include <QList>
#include <QString>
#include <memory>

class ParserObject;

// The steps of a parse job, usable on their own (the probe tool, benchmarks, tests).

// An AVIParser for names ending in ".AVI" (any case), an Mp4Parser otherwise; a recording
// without a track of its own takes the one of the files beside it.
std::unique_ptr<ParserObject> createParser(const QString &path);
VideoInfo videoInfoOf(const ParserObject &parser);
// Decodes records 0, 1, 2, ... until the first missing one, pausing after each record.
QList<GpsData> decodeTrack(ParserObject &parser);
// One record per second from 0 to duration inclusive (JldvAudio tracks are left alone).
void fitTrackToDuration(QList<GpsData> &track, int duration, GpsSourceKind kind);

struct RecordingScan
{
    GpsSourceKind kind = GpsSourceKind::GpsNone;
    VideoInfo info;
    QList<GpsData> rawRecords; // as decoded
    QList<GpsData> track;      // as a parse job hands it over
};

// Everything a parse job learns, synchronously on the calling thread (uses the parse delay).
RecordingScan scanRecording(const QString &path);
