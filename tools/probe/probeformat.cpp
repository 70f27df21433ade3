#include "tools/probe/probeformat.h"

#include "library/trackexport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

QJsonObject recordObject(const GpsData &r)
{
    QJsonObject o;
    o.insert(QStringLiteral("index"), r.index);
    o.insert(QStringLiteral("dateTime"), field(r.dateTime, sizeof r.dateTime));
    o.insert(QStringLiteral("latHemisphere"), letter(r.latHemisphere));
    o.insert(QStringLiteral("latitude"), r.latitude);
    o.insert(QStringLiteral("latDegrees"), r.latDegrees);
    o.insert(QStringLiteral("latMinutes"), r.latMinutes);
    o.insert(QStringLiteral("lonHemisphere"), letter(r.lonHemisphere));
    o.insert(QStringLiteral("longitude"), r.longitude);
    o.insert(QStringLiteral("lonDegrees"), r.lonDegrees);
    o.insert(QStringLiteral("lonMinutes"), r.lonMinutes);
    o.insert(QStringLiteral("extraNumber"), r.extraNumber);
    o.insert(QStringLiteral("speed"), r.speed);
    o.insert(QStringLiteral("gsensorX"), decimals(r.gsensorX, 2));
    o.insert(QStringLiteral("gsensorY"), decimals(r.gsensorY, 2));
    o.insert(QStringLiteral("gsensorZ"), decimals(r.gsensorZ, 2));
    o.insert(QStringLiteral("course"), r.course);
    return o;
}


} // namespace

QByteArray toJson(const QString &path, GpsSourceKind kind, const VideoInfo &info,
                  const QList<GpsData> &records, const ClockOffset &offset, bool indented)
{
    QJsonObject video;
    video.insert(QStringLiteral("width"), info.width);
    video.insert(QStringLiteral("height"), info.height);
    video.insert(QStringLiteral("duration"), info.duration);
    video.insert(QStringLiteral("frameRate"), decimals(info.frameRate, 1));
    video.insert(QStringLiteral("creationTime"),
                 info.creationTime.isValid() ? QJsonValue(info.creationTime.toLocalTime().toString(
                                                   QStringLiteral("yyyy-MM-ddTHH:mm:ss")))
                                             : QJsonValue(QJsonValue::Null));
    video.insert(QStringLiteral("codec"), info.codec);

    QJsonArray list;
    for (const GpsData &record : records)
        list.append(recordObject(record));

    QJsonObject root;
    root.insert(QStringLiteral("file"), path);
    root.insert(QStringLiteral("kind"), QLatin1String(gpsSourceKindName(kind)));
    root.insert(QStringLiteral("video"), video);
    root.insert(QStringLiteral("clockOffsetSeconds"),
                offset.isKnown() ? QJsonValue(double(offset.seconds)) : QJsonValue());
    root.insert(QStringLiteral("records"), list);
    if (indented)
        return QJsonDocument(root).toJson(QJsonDocument::Indented);
    return QJsonDocument(root).toJson(QJsonDocument::Compact) + '\n';
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
