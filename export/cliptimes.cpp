#include "export/cliptimes.h"

#include <cstring>

namespace ClipTimes {

QString text(const QDateTime &cameraTime)
{
    return cameraTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString isoText(const QDateTime &cameraTime)
{
    return cameraTime.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz"));
}

QString fileStamp(const QDateTime &cameraTime)
{
    return cameraTime.toString(QStringLiteral("yyyyMMdd_hhmmss"));
}

namespace {

QDateTime cameraAt(const ClipRecording &recording, double second)
{
    const QDateTime start = recording.clock.cameraStart;
    return start.isValid() ? start.addMSecs(qint64(second * 1000.0)) : QDateTime();
}

} // namespace

QString shownText(const ClipRecording &recording, double second, const ClockChoice &choice)
{
    const QDateTime camera = cameraAt(recording, second);
    if (!camera.isValid() || !recording.clock.offset.isKnown())
        return text(recording.start.addMSecs(qint64(second * 1000.0)));
    QString zone;
    const QDateTime shown = CardClock::shown(camera, recording.clock.offset, choice, &zone);
    return zone.isEmpty() ? text(shown) : text(shown) + QLatin1Char(' ') + zone;
}

QString cameraIsoText(const ClipRecording &recording, double second)
{
    const QDateTime camera = cameraAt(recording, second);
    return camera.isValid() ? isoText(camera) : QString();
}

QString utcIsoText(const ClipRecording &recording, double second)
{
    const QDateTime utc = CardClock::toUtc(cameraAt(recording, second), recording.clock.offset);
    return utc.isValid() ? isoText(utc.toUTC()) + QLatin1Char('Z') : QString();
}

QDateTime parse(const QString &value)
{
    QString t = value.trimmed();
    t.replace(QLatin1Char('T'), QLatin1Char(' '));
    QDateTime time = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!time.isValid())
        time = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    if (time.isValid())
        time.setTimeSpec(Qt::UTC); // camera time carries no zone; UTC keeps DST out of sums
    return time;
}

QDateTime recordingStart(const QString &fileName, const QList<GpsData> &track,
                         const QDateTime &fallback)
{
    // The name first: it is the camera's clock, the one the user reads off the camera and
    // gives as --from; a fix's time is UTC and lies hours away from it on most cards.
    const QDateTime named = CardClock::cameraTimeFromName(fileName);
    if (named.isValid())
        return named;
    for (int i = 0; i < track.size(); ++i) {
        const GpsData &r = track[i];
        const QString stamp =
            QString::fromLatin1(r.dateTime, int(strnlen(r.dateTime, sizeof r.dateTime)));
        QDateTime time = QDateTime::fromString(stamp, QStringLiteral("yyyyMMddhhmmss"));
        if (time.isValid()) {
            time.setTimeSpec(Qt::UTC);
            return time.addSecs(-i);
        }
    }
    if (!fallback.isValid())
        return {};
    // The container's time is an instant; the camera wrote its wall clock.
    const QDateTime local = fallback.toLocalTime();
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

} // namespace ClipTimes
