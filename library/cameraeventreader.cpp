#include "library/cameraeventreader.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>

namespace CameraEventReader {

namespace {

// A coordinate as a string or a number; false when it is neither or outside the globe.
bool coordinate(const QJsonValue &value, double limit, double *out)
{
    bool ok = false;
    double v = 0.0;
    if (value.isDouble()) {
        v = value.toDouble();
        ok = true;
    } else if (value.isString()) {
        v = value.toString().trimmed().toDouble(&ok);
    }
    if (!ok || !std::isfinite(v) || std::fabs(v) > limit)
        return false;
    *out = v;
    return true;
}

// Tesla's record is one object of plain values. Anything nested is not such a record, and is
// refused before Qt's parser sees it: Qt 5.15 leaks the first of two values of one key when
// that value is an object or array (found by fuzzing).
bool isFlatObject(const QByteArray &json)
{
    int containers = 0;
    bool inString = false;
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (c == '[' || ++containers > 1)
                return false;
        }
    }
    return true;
}

} // namespace

CameraEvent fromJson(const QByteArray &json)
{
    CameraEvent event;
    if (json.size() > maxEventFileSize || !isFlatObject(json))
        return event;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return event;
    const QJsonObject o = doc.object();
    // The car writes its local clock without a zone; kept as it stands.
    event.time = QDateTime::fromString(o.value(QStringLiteral("timestamp")).toString(), Qt::ISODate);
    event.reason = o.value(QStringLiteral("reason")).toString();
    event.city = o.value(QStringLiteral("city")).toString();
    double lat = 0.0;
    double lon = 0.0;
    if (coordinate(o.value(QStringLiteral("est_lat")), 90.0, &lat) &&
        coordinate(o.value(QStringLiteral("est_lon")), 180.0, &lon) && (lat != 0.0 || lon != 0.0)) {
        event.latitude = lat;
        event.longitude = lon;
        event.hasPosition = true;
    }
    return event;
}

CameraEvent fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxEventFileSize)
        return CameraEvent();
    return fromJson(file.read(maxEventFileSize + 1));
}

} // namespace CameraEventReader
