#pragma once

#include "library/cameraevent.h"

#include <QByteArray>
#include <QString>

// Tesla's event.json, written beside the clips of a saved or sentry event:
//   {"timestamp":"2023-05-01T14:03:27","city":"...","est_lat":"37.4","est_lon":"-122.1",
//    "reason":"sentry_aware_object_detection","camera":"0"}
// Field names from the descriptions of the file by Tesla USB-recovery services
// (qloud.ltd, "The event.json sidecar"); the coordinates are strings in the files seen, numbers
// are accepted as well.
namespace CameraEventReader {

// Anything larger is not an event record; it is not read at all.
constexpr qint64 maxEventFileSize = 64 * 1024;

// The event in `json`; an invalid CameraEvent when the text is not such an object.
CameraEvent fromJson(const QByteArray &json);
// The same for a file; invalid when it is missing, unreadable or too large.
CameraEvent fromFile(const QString &path);

} // namespace CameraEventReader
