#include "export/cliptimes.h"

#include <QRegularExpression>
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
    static const QRegularExpression stampInName(
        QStringLiteral("(20\\d{2})(\\d{2})(\\d{2})_?(\\d{2})(\\d{2})(\\d{2})"));
    const QRegularExpressionMatch m = stampInName.match(fileName);
    if (m.hasMatch()) {
        QDateTime time = QDateTime::fromString(m.captured(0).remove(QLatin1Char('_')),
                                               QStringLiteral("yyyyMMddhhmmss"));
        if (time.isValid()) {
            time.setTimeSpec(Qt::UTC);
            return time;
        }
    }
    if (!fallback.isValid())
        return {};
    // The container's time is an instant; the camera wrote its wall clock.
    const QDateTime local = fallback.toLocalTime();
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

} // namespace ClipTimes
