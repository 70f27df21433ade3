#include "library/trackexport.h"

#include "library/tripdrives.h"

#include <QDateTime>
#include <QXmlStreamWriter>
#include <cmath>
#include <cstring>

namespace {

using TrackExport::csvText;
using TrackExport::xmlText;

const QLatin1String GpxNamespace("http://www.topografix.com/GPX/1/1");
const QLatin1String ExtensionNamespace("urn:waylume:gpx:1");
const QLatin1String KmlNamespace("http://www.opengis.net/kml/2.2");

QString number(double value, int precision)
{
    return QString::number(value, 'f', precision);
}

// Floats carry two decimals (G-sensor); print what the camera wrote, not the float's
// binary neighbour (0.12 rather than 0.11999999731779099).
QString number(float value, int places)
{
    const double scale = std::pow(10.0, places);
    return QString::number(std::round(double(value) * scale) / scale, 'f', places);
}

// xsd:dateTime in UTC, as GPX 1.1 and KML 2.2 want it; empty when the fix has no time.
QString utcText(const RecordingClock &clock, const GpsData &record)
{
    const QDateTime utc = clock.utcOf(record);
    return utc.isValid() ? utc.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + QLatin1Char('Z')
                         : QString();
}

// The camera's own reading for the same fix, without a zone it never stated.
QString cameraText(const RecordingClock &clock, const GpsData &record)
{
    const QDateTime camera = clock.cameraReadingOf(record);
    return camera.isValid() ? camera.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QString();
}

QList<GpsData> positioned(const QList<GpsData> &records)
{
    QList<GpsData> kept;
    for (const GpsData &r : records) {
        if (r.hasPosition())
            kept.append(r);
    }
    return kept;
}

QString utcText(const QDateTime &utc)
{
    return utc.isValid() ? utc.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
                               QLatin1Char('Z')
                         : QString();
}

void writeGpxDrives(QXmlStreamWriter &xml, const QString &title,
                    const QVector<TripDrives::Drive> &drives)
{
    xml.writeStartElement(GpxNamespace, QStringLiteral("metadata"));
    xml.writeTextElement(GpxNamespace, QStringLiteral("name"), xmlText(title));
    xml.writeStartElement(GpxNamespace, QStringLiteral("extensions"));
    for (const TripDrives::Drive &drive : drives) {
        xml.writeStartElement(ExtensionNamespace, QStringLiteral("drive"));
        xml.writeAttribute(QStringLiteral("recordings"), QString::number(drive.count));
        if (drive.start.isValid())
            xml.writeTextElement(ExtensionNamespace, QStringLiteral("start"),
                                 utcText(drive.start));
        if (drive.end.isValid())
            xml.writeTextElement(ExtensionNamespace, QStringLiteral("end"), utcText(drive.end));
        xml.writeTextElement(ExtensionNamespace, QStringLiteral("distanceMetres"),
                             number(drive.figures.distanceMetres, 1));
        xml.writeTextElement(ExtensionNamespace, QStringLiteral("movingSeconds"),
                             number(drive.figures.movingSeconds, 1));
        xml.writeTextElement(ExtensionNamespace, QStringLiteral("averageKmh"),
                             number(drive.figures.averageKmh, 1));
        xml.writeTextElement(ExtensionNamespace, QStringLiteral("topKmh"),
                             QString::number(drive.figures.topKmh));
        xml.writeEndElement(); // drive
    }
    xml.writeEndElement(); // extensions
    xml.writeEndElement(); // metadata
}

QString kmlDescription(const QVector<TripDrives::Drive> &drives)
{
    QStringList lines;
    for (int d = 0; d < drives.size(); ++d) {
        const TripDrives::Drive &drive = drives.at(d);
        QString line = QStringLiteral("Drive %1").arg(d + 1);
        if (drive.start.isValid() && drive.end.isValid())
            line += QStringLiteral(" (%1 - %2)").arg(utcText(drive.start), utcText(drive.end));
        lines.append(line + QStringLiteral(": ") + TripDrives::summaryText(drive));
    }
    return lines.join(QLatin1Char('\n'));
}

QString kmlCoordinate(const GpsData &r)
{
    return number(r.longitude, 8) + QLatin1Char(',') + number(r.latitude, 8) + QLatin1String(",0");
}

void writeKmlPoint(QXmlStreamWriter &xml, const QString &name, const RecordingClock &clock,
                   const GpsData &r)
{
    xml.writeStartElement(KmlNamespace, QStringLiteral("Placemark"));
    xml.writeTextElement(KmlNamespace, QStringLiteral("name"), name);
    const QString time = utcText(clock, r);
    if (!time.isEmpty()) {
        xml.writeStartElement(KmlNamespace, QStringLiteral("TimeStamp"));
        xml.writeTextElement(KmlNamespace, QStringLiteral("when"), time);
        xml.writeEndElement();
    }
    xml.writeStartElement(KmlNamespace, QStringLiteral("Point"));
    xml.writeTextElement(KmlNamespace, QStringLiteral("coordinates"), kmlCoordinate(r));
    xml.writeEndElement(); // Point
    xml.writeEndElement(); // Placemark
}

QByteArray toKml(const QString &title, const QList<TrackSegment> &segments)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(KmlNamespace);
    xml.writeStartElement(KmlNamespace, QStringLiteral("kml"));
    xml.writeStartElement(KmlNamespace, QStringLiteral("Document"));
    xml.writeTextElement(KmlNamespace, QStringLiteral("name"), xmlText(title));
    const QVector<TripDrives::Drive> drives = TripDrives::of(segments);
    if (!drives.isEmpty())
        xml.writeTextElement(KmlNamespace, QStringLiteral("description"),
                             xmlText(kmlDescription(drives)));
    const GpsData *first = nullptr;
    const GpsData *last = nullptr;
    const RecordingClock *firstClock = nullptr;
    const RecordingClock *lastClock = nullptr;
    QList<QList<GpsData>> kept;
    for (const TrackSegment &segment : segments)
        kept.append(positioned(segment.records));
    for (int s = 0; s < segments.size(); ++s) {
        const QList<GpsData> &fixes = kept.at(s);
        if (fixes.isEmpty())
            continue;
        if (!first) {
            first = &fixes.first();
            firstClock = &segments.at(s).clock;
        }
        last = &fixes.last();
        lastClock = &segments.at(s).clock;
        // A LineString needs two coordinates; a recording with one fix is a point.
        if (fixes.size() == 1) {
            writeKmlPoint(xml, xmlText(segments.at(s).name), segments.at(s).clock, fixes.first());
            continue;
        }
        xml.writeStartElement(KmlNamespace, QStringLiteral("Placemark"));
        xml.writeTextElement(KmlNamespace, QStringLiteral("name"), xmlText(segments.at(s).name));
        xml.writeStartElement(KmlNamespace, QStringLiteral("LineString"));
        xml.writeTextElement(KmlNamespace, QStringLiteral("tessellate"), QStringLiteral("1"));
        QStringList coordinates;
        for (const GpsData &r : fixes)
            coordinates.append(kmlCoordinate(r));
        xml.writeTextElement(KmlNamespace, QStringLiteral("coordinates"),
                             coordinates.join(QLatin1Char(' ')));
        xml.writeEndElement(); // LineString
        xml.writeEndElement(); // Placemark
    }
    if (first) {
        writeKmlPoint(xml, QStringLiteral("Start"), *firstClock, *first);
        writeKmlPoint(xml, QStringLiteral("End"), *lastClock, *last);
    }
    xml.writeEndElement(); // Document
    xml.writeEndElement(); // kml
    xml.writeEndDocument();
    return bytes;
}

QByteArray toCsv(const QList<TrackSegment> &segments)
{
    QString text = QStringLiteral(
        "segment,file,index,time,latitude,longitude,speed,course,gsensorX,gsensorY,gsensorZ,"
        "cameraTime,clockOffsetSeconds\n");
    for (int s = 0; s < segments.size(); ++s) {
        const QString file = csvText(segments.at(s).name);
        const RecordingClock &clock = segments.at(s).clock;
        const QString offset =
            clock.offset.isKnown() ? QString::number(clock.offset.seconds) : QString();
        for (const GpsData &r : segments.at(s).records) {
            if (!r.hasPosition())
                continue;
            const QStringList cells{QString::number(s),
                                    file,
                                    QString::number(r.index),
                                    utcText(clock, r),
                                    number(r.latitude, 8),
                                    number(r.longitude, 8),
                                    QString::number(r.speed),
                                    number(r.course, 4),
                                    number(r.gsensorX, 2),
                                    number(r.gsensorY, 2),
                                    number(r.gsensorZ, 2),
                                    cameraText(clock, r),
                                    offset};
            text += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
        }
    }
    // After the fixes, so that a reader taking the first line as the header still does;
    // the segment numbers tie a drive to its lines.
    const QVector<TripDrives::Drive> drives = TripDrives::of(segments);
    if (!drives.isEmpty())
        text += QStringLiteral("# drive,firstSegment,lastSegment,start,end,distanceMetres,"
                               "movingSeconds,averageKmh,topKmh\n");
    for (int d = 0; d < drives.size(); ++d) {
        const TripDrives::Drive &drive = drives.at(d);
        const QStringList cells{QStringLiteral("# ") + QString::number(d + 1),
                                QString::number(drive.first),
                                QString::number(drive.first + drive.count - 1),
                                utcText(drive.start),
                                utcText(drive.end),
                                number(drive.figures.distanceMetres, 1),
                                number(drive.figures.movingSeconds, 1),
                                number(drive.figures.averageKmh, 1),
                                QString::number(drive.figures.topKmh)};
        text += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace

namespace TrackExport {

QString xmlText(const QString &text)
{
    QString clean = text;
    for (QChar &c : clean) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
            c != QLatin1Char('\r'))
            c = QChar(0xFFFD);
    }
    return clean;
}

QString csvText(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

TrackFormat formatForFileName(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".kml"), Qt::CaseInsensitive))
        return TrackFormat::Kml;
    if (fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return TrackFormat::Csv;
    return TrackFormat::Gpx;
}

QByteArray toGpx(const QString &title, const QList<TrackSegment> &segments, const QString &creator)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(GpxNamespace);
    xml.writeNamespace(ExtensionNamespace, QStringLiteral("wl"));
    xml.writeStartElement(GpxNamespace, QStringLiteral("gpx"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), creator);
    if (!segments.isEmpty())
        writeGpxDrives(xml, title, TripDrives::of(segments));
    if (!segments.isEmpty()) {
        xml.writeStartElement(GpxNamespace, QStringLiteral("trk"));
        xml.writeTextElement(GpxNamespace, QStringLiteral("name"), xmlText(title));
    }
    for (const TrackSegment &segment : segments) {
        xml.writeStartElement(GpxNamespace, QStringLiteral("trkseg"));
        for (const GpsData &r : segment.records) {
            if (!r.hasPosition())
                continue;
            xml.writeStartElement(GpxNamespace, QStringLiteral("trkpt"));
            xml.writeAttribute(QStringLiteral("lat"), number(r.latitude, 8));
            xml.writeAttribute(QStringLiteral("lon"), number(r.longitude, 8));
            const QString time = utcText(segment.clock, r);
            if (!time.isEmpty())
                xml.writeTextElement(GpxNamespace, QStringLiteral("time"), time);
            xml.writeStartElement(GpxNamespace, QStringLiteral("extensions"));
            xml.writeTextElement(ExtensionNamespace, QStringLiteral("speed"),
                                 QString::number(r.speed));
            xml.writeTextElement(ExtensionNamespace, QStringLiteral("course"), number(r.course, 4));
            xml.writeTextElement(ExtensionNamespace, QStringLiteral("gsensorX"),
                                 number(r.gsensorX, 2));
            xml.writeTextElement(ExtensionNamespace, QStringLiteral("gsensorY"),
                                 number(r.gsensorY, 2));
            xml.writeTextElement(ExtensionNamespace, QStringLiteral("gsensorZ"),
                                 number(r.gsensorZ, 2));
            const QString camera = cameraText(segment.clock, r);
            if (!camera.isEmpty())
                xml.writeTextElement(ExtensionNamespace, QStringLiteral("cameraTime"), camera);
            xml.writeEndElement(); // extensions
            xml.writeEndElement(); // trkpt
        }
        xml.writeEndElement(); // trkseg
    }
    if (!segments.isEmpty())
        xml.writeEndElement(); // trk
    xml.writeEndElement();     // gpx
    xml.writeEndDocument();
    return bytes;
}

QByteArray write(TrackFormat format, const QString &title, const QList<TrackSegment> &segments,
                 const QString &creator)
{
    switch (format) {
    case TrackFormat::Kml:
        return toKml(title, segments);
    case TrackFormat::Csv:
        return toCsv(segments);
    case TrackFormat::Gpx:
        break;
    }
    return toGpx(title, segments, creator);
}

} // namespace TrackExport
