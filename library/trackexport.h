#pragma once

#include "library/cardclock.h"
#include "parser/gpsdata.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One recording's part of a track: its fixes in recorded order.
struct TrackSegment
{
    QString name; // the recording's file name
    QList<GpsData> records;
    // Turns the records into UTC and camera time; without a start and an offset only the
    // records' own GPS times are written.
    RecordingClock clock;
    double duration = 0; // seconds; 0 when the container did not say
};

enum class TrackFormat
{
    Gpx, // GPX 1.1
    Kml, // KML 2.2
    Csv
};

namespace TrackExport {

// Text for an XML document: XML 1.0 cannot carry most control characters, even escaped, so
// they become U+FFFD.
QString xmlText(const QString &text);
// A CSV field, quoted as RFC 4180 asks when it holds a comma, a quote or a line break.
QString csvText(const QString &text);

// By the file name's suffix (".kml", ".csv", anything else GPX).
TrackFormat formatForFileName(const QString &fileName);

// Fixes without a position (0, 0) are left out, as the map does. GPX: one <trk> named
// `title` with one <trkseg> per segment (no <trk> at all without segments); KML: one
// LineString per segment and placemarks at the start and the end of the whole track;
// CSV: a header and one line per fix. GPX and KML times are UTC with a "Z", as both formats
// expect; CSV gives UTC as well, and beside it the camera's own time and the clock offset.
// Each drive's figures (distance, moving time, average and top speed) go into the GPX
// metadata's extensions, the KML document's description and, in CSV, comment lines ("# ")
// after the fixes.
QByteArray write(TrackFormat format, const QString &title, const QList<TrackSegment> &segments,
                 const QString &creator = QStringLiteral("Waylume"));

// The GPX writer alone, with the per-fix speed, course and G-sensor extensions.
QByteArray toGpx(const QString &title, const QList<TrackSegment> &segments,
                 const QString &creator);

} // namespace TrackExport
