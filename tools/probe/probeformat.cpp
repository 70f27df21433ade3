#include "tools/probe/probeformat.h"

#include "library/trackexport.h"
#include "tools/probe/jsonline.h"

#include <QBuffer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QXmlStreamWriter>
#include <cmath>
#include <cstring>

namespace Probe {

namespace {

using TrackExport::csvText;
using TrackExport::xmlText;

const QLatin1String GpxNamespace("http://www.topografix.com/GPX/1/1");
const QLatin1String ExtensionNamespace("urn:waylume:gpx:1");

// Fixed-size text fields are zero-terminated when written by the decoder, but a damaged
// record must not run the read past the field.
QString field(const char *text, size_t capacity)
{
    return QString::fromLatin1(text, int(strnlen(text, capacity)));
}

QString letter(char c)
{
    return c ? QString(QLatin1Char(c)) : QString();
}

// Floats carry two decimals (G-sensor) or one (frame rate); print what the camera wrote,
// not the float's binary neighbour (0.12 rather than 0.11999999731779099).
double decimals(float value, int places)
{
    const double scale = std::pow(10.0, places);
    return std::round(double(value) * scale) / scale;
}

QString number(double value, int precision)
{
    return QString::number(value, 'f', precision);
}

QString number(float value, int places)
{
    return QString::number(decimals(value, places), 'f', places);
}

// Members in QJsonObject's order (sorted by name), which the reports always had.
void writeRecord(JsonLine &json, const GpsData &r)
{
    json.beginObject();
    json.add("course", r.course);
    json.add("dateTime", field(r.dateTime, sizeof r.dateTime));
    json.add("extraNumber", qint64(r.extraNumber));
    json.add("gsensorX", decimals(r.gsensorX, 2));
    json.add("gsensorY", decimals(r.gsensorY, 2));
    json.add("gsensorZ", decimals(r.gsensorZ, 2));
    json.add("index", qint64(r.index));
    json.add("latDegrees", qint64(r.latDegrees));
    json.add("latHemisphere", letter(r.latHemisphere));
    json.add("latMinutes", qint64(r.latMinutes));
    json.add("latitude", r.latitude);
    json.add("lonDegrees", qint64(r.lonDegrees));
    json.add("lonHemisphere", letter(r.lonHemisphere));
    json.add("lonMinutes", qint64(r.lonMinutes));
    json.add("longitude", r.longitude);
    json.add("speed", qint64(r.speed));
    json.endObject();
}

} // namespace

QByteArray toJson(const QString &path, GpsSourceKind kind, const VideoInfo &info,
                  const QList<GpsData> &records, const ClockOffset &offset, bool indented)
{
    QByteArray line;
    // About 330 bytes a record; one allocation for the usual track.
    line.reserve(256 + records.size() * 340);
    JsonLine json(line);
    json.beginObject();
    if (offset.isKnown())
        json.add("clockOffsetSeconds", qint64(offset.seconds));
    else
        json.addNull("clockOffsetSeconds");
    json.add("file", path);
    json.add("kind", gpsSourceKindName(kind));
    json.beginArray("records");
    for (const GpsData &record : records)
        writeRecord(json, record);
    json.endArray();
    json.beginObject("video");
    json.add("codec", qint64(info.codec));
    if (info.creationTime.isValid())
        json.add("creationTime", info.creationTime.toLocalTime().toString(
                                     QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    else
        json.addNull("creationTime");
    json.add("duration", qint64(info.duration));
    json.add("frameRate", decimals(info.frameRate, 1));
    json.add("height", qint64(info.height));
    json.add("width", qint64(info.width));
    json.endObject();
    json.endObject();
    // One file is read by people as well: the same members, indented by Qt's own writer.
    if (indented)
        return QJsonDocument::fromJson(line).toJson(QJsonDocument::Indented);
    return line + '\n';
}

QByteArray toCsv(const QList<GpsData> &records, const QString *file, bool header)
{
    const QString lead = file ? csvText(*file) + QLatin1Char(',') : QString();
    QString text;
    if (header)
        text = (file ? QStringLiteral("file,") : QString()) +
               QStringLiteral("index,dateTime,latHemisphere,latitude,latDegrees,latMinutes,"
                              "lonHemisphere,longitude,lonDegrees,lonMinutes,extraNumber,speed,"
                              "gsensorX,gsensorY,gsensorZ,course\n");
    if (file && records.isEmpty())
        text += lead + QString(15, QLatin1Char(',')) + QLatin1Char('\n');
    for (const GpsData &r : records) {
        const QStringList cells{QString::number(r.index),
                                csvText(field(r.dateTime, sizeof r.dateTime)),
                                csvText(letter(r.latHemisphere)),
                                number(r.latitude, 8),
                                QString::number(r.latDegrees),
                                QString::number(r.latMinutes),
                                csvText(letter(r.lonHemisphere)),
                                number(r.longitude, 8),
                                QString::number(r.lonDegrees),
                                QString::number(r.lonMinutes),
                                QString::number(r.extraNumber),
                                QString::number(r.speed),
                                number(r.gsensorX, 2),
                                number(r.gsensorY, 2),
                                number(r.gsensorZ, 2),
                                number(r.course, 4)};
        text += lead + cells.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

GpxWriter::GpxWriter(QIODevice *out) : xml(out)
{
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(GpxNamespace);
    xml.writeNamespace(ExtensionNamespace, QStringLiteral("wl"));
    xml.writeStartElement(GpxNamespace, QStringLiteral("gpx"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("waylume-probe"));
}

void GpxWriter::addTrack(const QString &path, const QList<GpsData> &records)
{
    xml.writeStartElement(GpxNamespace, QStringLiteral("trk"));
    xml.writeTextElement(GpxNamespace, QStringLiteral("name"), xmlText(QFileInfo(path).fileName()));
    xml.writeStartElement(GpxNamespace, QStringLiteral("trkseg"));
    for (const GpsData &r : records) {
        if (!r.hasPosition())
            continue;
        xml.writeStartElement(GpxNamespace, QStringLiteral("trkpt"));
        xml.writeAttribute(QStringLiteral("lat"), number(r.latitude, 8));
        xml.writeAttribute(QStringLiteral("lon"), number(r.longitude, 8));
        // The records' time is the GPS receiver's, which is UTC.
        const QDateTime time = CardClock::recordUtc(r);
        if (time.isValid())
            xml.writeTextElement(GpxNamespace, QStringLiteral("time"),
                                 time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
                                     QLatin1Char('Z'));
        xml.writeStartElement(GpxNamespace, QStringLiteral("extensions"));
        xml.writeTextElement(ExtensionNamespace, QStringLiteral("speed"), QString::number(r.speed));
        xml.writeTextElement(ExtensionNamespace, QStringLiteral("course"), number(r.course, 4));
        xml.writeTextElement(ExtensionNamespace, QStringLiteral("gsensorX"), number(r.gsensorX, 2));
        xml.writeTextElement(ExtensionNamespace, QStringLiteral("gsensorY"), number(r.gsensorY, 2));
        xml.writeTextElement(ExtensionNamespace, QStringLiteral("gsensorZ"), number(r.gsensorZ, 2));
        xml.writeEndElement(); // extensions
        xml.writeEndElement(); // trkpt
    }
    xml.writeEndElement(); // trkseg
    xml.writeEndElement(); // trk
}

void GpxWriter::finish()
{
    xml.writeEndElement(); // gpx
    xml.writeEndDocument();
}

QByteArray toGpx(const QString &path, const QList<GpsData> &records)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    GpxWriter gpx(&buffer);
    gpx.addTrack(path, records);
    gpx.finish();
    return bytes;
}

} // namespace Probe
