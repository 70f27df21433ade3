#include "parser/gpxreader.h"

#include <QXmlStreamReader>
#include <QtMath>
#include <cmath>

// Element and attribute names from the GPX 1.1 schema (topografix.com/GPX/1/1): trkpt with
// lat/lon attributes, children ele (m), time (ISO 8601, UTC), and speed/course in the 1.0
// form; phones write GPX 1.1 with speed in extensions that are not read here.

namespace {

double number(const QXmlStreamAttributes &attributes, const char *name, bool &ok)
{
    return attributes.value(QLatin1String(name)).toDouble(&ok);
}

double metresBetween(const TelemetryFix &a, const TelemetryFix &b)
{
    constexpr double EarthRadius = 6371000.0;
    const double phi1 = qDegreesToRadians(a.latitude);
    const double phi2 = qDegreesToRadians(b.latitude);
    const double dPhi = phi2 - phi1;
    const double dLambda = qDegreesToRadians(b.longitude - a.longitude);
    const double h = std::sin(dPhi / 2) * std::sin(dPhi / 2) +
                     std::cos(phi1) * std::cos(phi2) * std::sin(dLambda / 2) * std::sin(dLambda / 2);
    return 2 * EarthRadius * std::asin(std::sqrt(qMin(1.0, h)));
}

// Phones write GPX 1.1, which has no speed element: the speed is the distance to the
// previous point over the time between them.
void fillMissingSpeeds(QVector<TelemetryFix> &fixes, const QVector<bool> &stated)
{
    for (int i = 1; i < fixes.size(); ++i) {
        if (stated[i])
            continue;
        const double seconds = fixes[i - 1].utc.msecsTo(fixes[i].utc) / 1000.0;
        if (seconds > 0 && seconds <= 60)
            fixes[i].speedKmh = metresBetween(fixes[i - 1], fixes[i]) / seconds * 3.6;
    }
}

} // namespace

Telemetry GpxReader::read(const QByteArray &document)
{
    Telemetry telemetry;
    QXmlStreamReader xml(document);
    TelemetryFix fix;
    bool inPoint = false;
    bool speedStated = false;
    QVector<bool> stated;
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
                speedStated = false;
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
                if (ok && std::isfinite(metresPerSecond) && metresPerSecond >= 0) {
                    fix.speedKmh = metresPerSecond * 3.6;
                    speedStated = true;
                }
            } else if (inPoint && name == QLatin1String("course")) {
                bool ok = false;
                const double course = xml.readElementText().toDouble(&ok);
                if (ok && course >= 0 && course <= 360)
                    fix.course = course;
            }
        } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("trkpt")) {
            inPoint = false;
            if (fix.valid && fix.utc.isValid()) {
                telemetry.fixes.append(fix);
                stated.append(speedStated);
            }
        }
    }
    fillMissingSpeeds(telemetry.fixes, stated);
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
