#pragma once

#include "library/playlistitem.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// The probe tool's views of discovery, computed through the same code as "Open Folder"
// with the player stopped; no recording is parsed.
namespace ProbeReport {

// {"rows": [{"row", "fileName", "url", "channels": {"front", "rear", "third", "fourth",
//   "count", "rearUrl", "thirdUrl", "fourthUrl"}, "layout": "tesla" or "" for the built-in
//   schemes, "marks": ["sentry", ...]}], "play": row or -1}
QJsonObject scan(const QString &folder);
// The local paths of the rows' front files, in the order "Open Folder" lists them.
QStringList recordingPaths(const QString &folder);
// Copies of those rows (plain fields: names, the camera's marks and event record).
QList<PlaylistItem> rows(const QString &folder);
// {"file", "front"}: the file that a drop of `file` adds as a row.
QJsonObject front(const QString &file);

} // namespace ProbeReport
