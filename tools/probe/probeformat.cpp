#include "tools/probe/probeformat.h"

#include "library/trackexport.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstring>

namespace Probe {

namespace {

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

// RFC 4180 quoting; only damaged records put commas or quotes into the text fields.
QString csvText(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray toJson(const QString &path, GpsSourceKind kind, const VideoInfo &info,
                  const QList<GpsData> &records)
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
    root.insert(QStringLiteral("records"), list);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QByteArray toCsv(const QList<GpsData> &records)
{
    QString text = QStringLiteral(
        "index,dateTime,latHemisphere,latitude,latDegrees,latMinutes,lonHemisphere,longitude,"
        "lonDegrees,lonMinutes,extraNumber,speed,gsensorX,gsensorY,gsensorZ,course\n");
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
        text += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray toGpx(const QString &path, const QList<GpsData> &records)
{
    const QString name = QFileInfo(path).fileName();
    return TrackExport::toGpx(name, {TrackSegment{name, records}},
                              QStringLiteral("waylume-probe"));
}

} // namespace Probe
