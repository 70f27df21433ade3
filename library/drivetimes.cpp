#include "library/drivetimes.h"

#include <QtMath>

namespace DriveTimes {

namespace {

// GPS times are UTC and say so; the camera's clock never stated a zone, so it is shown as the
// local time it was read as.
QDateTime shown(const QDateTime &time)
{
    return time.timeSpec() == Qt::UTC ? time : time.toLocalTime();
}

} // namespace

QString isoText(const QDateTime &time)
{
    if (!time.isValid())
        return QString();
    const QString text = shown(time).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    return time.timeSpec() == Qt::UTC ? text + QLatin1Char('Z') : text;
}

QString dateTimeText(const QDateTime &time)
{
    return time.isValid() ? shown(time).toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")) : QString();
}

QString clockText(const QDateTime &time)
{
    return time.isValid() ? shown(time).toString(QStringLiteral("hh:mm:ss")) : QString();
}

QString shownText(const QDateTime &cameraTime, const ClockOffset &offset, const ClockChoice &choice)
{
    return cameraTime.isValid() ? CardClock::shownText(cameraTime, offset, choice) : QString();
}

QString shownClockText(const QDateTime &cameraTime, const ClockOffset &offset,
                       const ClockChoice &choice)
{
    if (!cameraTime.isValid())
        return QString();
    return CardClock::shown(cameraTime, offset, choice).toString(QStringLiteral("hh:mm:ss"));
}

QString cameraTip(const QDateTime &cameraTime, const ClockOffset &offset)
{
    if (!cameraTime.isValid())
        return QString();
    return CardClock::cameraText(cameraTime) + QLatin1Char('\n') + CardClock::describe(offset);
}

QString utcIsoText(const QDateTime &cameraTime, const ClockOffset &offset)
{
    const QDateTime utc = CardClock::toUtc(cameraTime, offset);
    return utc.isValid() ? isoText(utc.toUTC()) : QString();
}

QString durationText(double seconds)
{
    const qint64 total = qMax<qint64>(0, qRound64(seconds));
    const qint64 h = total / 3600, m = total / 60 % 60, s = total % 60;
    const QString ss = QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
    if (h > 0)
        return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(ss);
    return QStringLiteral("%1:%2").arg(m).arg(ss);
}

} // namespace DriveTimes
