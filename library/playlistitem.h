#pragma once

#include "library/cameraevent.h"
#include "parser/gpsdiagnosis.h"

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>

class CVideoParserRunnable;
class VideoParser;

// One playlist row: one recording, represented by its front-channel file.
// Copies (PlaylistModel::itemAt with a copy target) carry the plain fields only; the
// parser and runnable pointers belong to the row held by the model and must not be
// used through a copy.
struct PlaylistItem
{
    int rowId = -1;
    QString fileName;
    int duration = 0; // seconds
    // Unknown until the parse result arrives; 0 tells the chart code to take one sample
    // per record instead of one per frame.
    float frameRate = 0.0f;
    // An instant; rows found by a scan carry it in UTC, so show it with toLocalTime().
    QDateTime createDate;
    qint64 size = 0;
    QSize resolution{0, 0};
    // Unused by the model, whose ParseScheduler runs the parser's work; kept for callers that
    // drive a parser on a pool of their own.
    CVideoParserRunnable *runnable = nullptr;
    // Owned by the model's row; deleted only after the pool has finished every job.
    VideoParser *parser = nullptr;
    QUrl url;
    int codec = 0; // VideoCodec; CodecUnknown until the parse result arrives
    GpsDiagnosis gps; // NotExamined until the parse job has decoded the track

    // The card layout that named this row ("tesla", "blackvue", "gopro", ...; empty for the
    // built-in naming schemes) and what the camera marked the recording as, from its name or
    // folder: "event", "parking", "locked", "manual", "impact", "sentry", "saved", ...
    QString layout;
    QStringList marks;
    // Files of the recording that play in no channel (Tesla's pillar cameras), listed in the
    // row's tooltip rather than lost.
    QStringList extraFiles;
    CameraEvent cameraEvent;
};
