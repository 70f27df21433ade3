#pragma once

#include <QString>

class QUrl;

// Conversion between local paths and "file:" URL strings. Recordings travel through the
// program as URL strings; these two functions are the only place that builds or strips
// them, so names with spaces, '#', '%' or non-ASCII characters survive every round trip
// and the path form is right for the running system (no drive-letter assumptions).
namespace FileUrl {

// "/media/card/a b#1.MP4" -> "file:///media/card/a%20b%231.MP4"; an empty path gives "".
QString fromLocalPath(const QString &path);

// The same location as a QUrl value, without a round trip through text.
QUrl urlFromLocalPath(const QString &path);

// The inverse. A string that is not a "file:" URL is taken to be a local path already
// and returned unchanged, so callers may hand in either form.
QString toLocalPath(const QString &urlOrPath);

} // namespace FileUrl
