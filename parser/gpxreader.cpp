#include "parser/gpxreader.h"

#include <QXmlStreamReader>
#include <cmath>

// Element and attribute names from the GPX 1.1 schema (topografix.com/GPX/1/1): trkpt with
// lat/lon attributes, children ele (m), time (ISO 8601, UTC), and speed/course in the 1.0
// form; phones write GPX 1.1 with speed in extensions that are not read here.

namespace {

double number(const QXmlStreamAttributes &attributes, const char *name, bool &ok)
{
    return attributes.value(QLatin1String(name)).toDouble(&ok);
}

} // namespace

Telemetry GpxReader::read(const QByteArray &document)
{
    Telemetry telemetry;
    QXmlStreamReader xml(document);
    TelemetryFix fix;
    bool inPoint = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QStringRef name = xml.name();
            if (name == QLatin1String("trkpt")) {
                fix = TelemetryFix();
                bool latOk = false;
                bool lonOk = false;
                fix.latitude = number(xml.attributes(), "lat", latOk);
                fix.longitude = number(xml.attributes(), "lon", lonOk);
                fix.valid = latOk && lonOk && std::fabs(fix.latitude) <= 90 &&
                            std::fabs(fix.longitude) <= 180;
                inPoint = true;
            } else if (inPoint && name == QLatin1String("ele")) {
                bool ok = false;
                const double ele = xml.readElementText().toDouble(&ok);
                fix.altitude = ok && std::isfinite(ele) ? ele : 0;
            } else if (inPoint && name == QLatin1String("time")) {
                // The schema's times are UTC; one written without a zone is taken as UTC too
                // (read as local time it would also cost a time-zone lookup per second).
                QDateTime time =
                    QDateTime::fromString(xml.readElementText().trimmed(), Qt::ISODateWithMs);
                if (time.timeSpec() == Qt::LocalTime)
                    time.setTimeSpec(Qt::UTC);
                fix.utc = time.toUTC();
            } else if (inPoint && name == QLatin1String("speed")) {
                bool ok = false;
                const double metresPerSecond = xml.readElementText().toDouble(&ok);
                if (ok && std::isfinite(metresPerSecond) && metresPerSecond >= 0)
                    fix.speedKmh = metresPerSecond * 3.6;
            } else if (inPoint && name == QLatin1String("course")) {
                bool ok = false;
                const double course = xml.readElementText().toDouble(&ok);
                if (ok && course >= 0 && course <= 360)
                    fix.course = course;
            }
        } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("trkpt")) {
            inPoint = false;
            if (fix.valid && fix.utc.isValid())
                telemetry.fixes.append(fix);
        }
    }
    // A damaged document keeps the points read before the damage.
    return telemetry;
}

void alignToRecording(Telemetry &telemetry, const QDateTime &start, double offsetSeconds)
{
    QDateTime origin = start;
    if (!origin.isValid()) {
        for (const TelemetryFix &fix : telemetry.fixes) {
            if (fix.utc.isValid() && (!origin.isValid() || fix.utc < origin))
                origin = fix.utc;
        }
    }
    for (TelemetryFix &fix : telemetry.fixes) {
        fix.seconds = fix.utc.isValid() && origin.isValid()
                          ? origin.msecsTo(fix.utc) / 1000.0 + offsetSeconds
                          : -1;
    }
}
