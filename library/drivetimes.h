#pragma once

#include "library/cardclock.h"

#include <QDateTime>
#include <QString>

// Every time that the drive and event lists show or the probe prints goes through here, so
// that a correction of the camera's clock has one place to act.
namespace DriveTimes {

// "2024-05-17T08:30:00" in the camera's clock (local), or "2024-05-17T06:30:00Z" for a UTC
// time such as the GPS's; empty for an invalid time.
QString isoText(const QDateTime &time);
// "2024/05/17 08:30:00", as the playlist's date column.
QString dateTimeText(const QDateTime &time);
// "08:30:00"
QString clockText(const QDateTime &time);
// A camera time as the card's choice shows it: "2024/05/17 06:30:00 UTC" (with the zone's
// name; none for the camera's own clock). The camera's own time when the offset is unknown.
QString shownText(const QDateTime &cameraTime, const ClockOffset &offset, const ClockChoice &choice);
// The time of day of the same, without the date and zone: "06:30:00".
QString shownClockText(const QDateTime &cameraTime, const ClockOffset &offset,
                       const ClockChoice &choice);
// The tooltip of a shown time: the camera's own reading and the offset in words.
QString cameraTip(const QDateTime &cameraTime, const ClockOffset &offset);
// The UTC of a camera time, "2024-05-17T06:30:00Z"; empty when the offset is unknown.
QString utcIsoText(const QDateTime &cameraTime, const ClockOffset &offset);

// "1:02:03" or "2:03"
QString durationText(double seconds);

} // namespace DriveTimes
