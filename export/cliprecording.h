#pragma once

#include "library/drives.h"
#include "library/cardclock.h"
#include "parser/gpsdata.h"

#include <QDateTime>
#include <QList>
#include <QSize>
#include <QString>

// One recording of a card as the export sees it: its channel files and its camera clock.
struct ClipRecording
{
    // Local paths of the front, rear, third and fourth channel; empty where absent.
    QString channels[4];
    // Camera time at the recording's first frame, as the camera wrote it (no zone).
    QDateTime start;
    double duration = 0; // seconds
    double frameRate = 0;
    QSize size;
    QList<GpsData> track; // one record per second of the recording
    // The camera's clock at second 0 by its file name (else its creation time) and the
    // offset to GPS time; the overlay and the manifest turn seconds into shown times by it.
    RecordingClock clock;

    QDateTime end() const { return start.addMSecs(qint64(duration * 1000.0)); }
    int channelCount() const;
};

// "front", "rear", "third", "fourth" for slots 0 to 3, as the manifest and messages name them.
const char *channelName(int slot);

// A stretch of one recording that the clip takes.
struct ClipPiece
{
    int recording = -1; // index into the recording list
    double from = 0;    // seconds into the recording
    double length = 0;  // seconds
};

namespace ClipRange {

// Whether `next` carries on where `previous` stopped: the one place that decides what
// belongs to one drive, so that every caller joins recordings the same way.
bool continuesPrevious(const ClipRecording &previous, const ClipRecording &next,
                       int gapSeconds = Drives::DefaultGapSeconds);

// The pieces that cover [from, to) in camera time. The range must start inside a recording;
// it is cut short where the drive ends (the next recording does not continue the previous
// one, or there is none): *cut tells so. Empty with a reason in *error otherwise.
QList<ClipPiece> resolve(const QList<ClipRecording> &recordings, const QDateTime &from,
                         const QDateTime &to, QString *error, bool *cut = nullptr);

// `before` seconds before and `after` seconds after `now`; near the start of a drive there
// is less before, and the clip starts with the drive.
QList<ClipPiece> around(const QList<ClipRecording> &recordings, const QDateTime &now,
                        double before, double after, QString *error, bool *cut = nullptr);

double totalLength(const QList<ClipPiece> &pieces);

} // namespace ClipRange
