#pragma once

#include <QDateTime>
#include <QString>

// What a camera itself recorded about an event clip beside the video (Tesla's event.json:
// when, why, where). Kept on the row so that event lists can name the camera's own reason.
struct CameraEvent
{
    QDateTime time; // as the camera wrote it, in the camera's clock
    QString reason; // the camera's own words, e.g. "sentry_aware_object_detection"
    QString city;
    double latitude = 0.0;
    double longitude = 0.0;
    bool hasPosition = false;

    bool isValid() const { return time.isValid() || !reason.isEmpty(); }
};
