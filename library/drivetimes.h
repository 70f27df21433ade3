#pragma once

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
// "1:02:03" or "2:03"
QString durationText(double seconds);

} // namespace DriveTimes
