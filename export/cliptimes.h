#pragma once

#include "export/cliprecording.h"
#include "parser/gpsdata.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Every time the export writes (the overlay's clock, the manifest, file names) passes
// through here, so that a correction of the camera's clock has one place to go.
namespace ClipTimes {

// "2024-05-17 08:30:10", the form the command line takes and the overlay shows.
QString text(const QDateTime &cameraTime);
// With milliseconds, for the manifest: "2024-05-17T08:30:10.000".
QString isoText(const QDateTime &cameraTime);
// "20240517_083010", for default file names.
QString fileStamp(const QDateTime &cameraTime);
// The time `second` seconds into `recording` as `choice` shows it, with the zone's name
// ("2024-05-17 06:30:10 UTC"); by the recording's timeline, without a zone, when its
// camera clock or its offset is unknown.
QString shownText(const ClipRecording &recording, double second, const ClockChoice &choice);
// The camera's reading `second` seconds into `recording`, as isoText(); empty when unknown.
QString cameraIsoText(const ClipRecording &recording, double second);
// The same moment in UTC: "2024-05-17T06:30:10.000Z"; empty when the offset is unknown.
QString utcIsoText(const ClipRecording &recording, double second);

// Reads text()'s form (also with a 'T' between date and time); invalid when it is not one.
QDateTime parse(const QString &text);

// The camera's clock at a recording's first frame: the date and time in the file name as
// cameras write it (CardClock::cameraTimeFromName); else the first fix that carries a time,
// less its second in the recording; else `fallback` (the container's creation time).
QDateTime recordingStart(const QString &fileName, const QList<GpsData> &track,
                         const QDateTime &fallback);

} // namespace ClipTimes
