#include "library/cardclock.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>
#include <QUrl>
#include <cstdlib>
#include <cstring>

namespace {

constexpr qint64 Quarter = 15 * 60;
constexpr qint64 Day = 24 * 3600;
// Time zones in use run from UTC-12:00 to UTC+14:00.
constexpr qint64 WestmostZone = -12 * 3600;
constexpr qint64 EastmostZone = 14 * 3600;
const char *const ShownFormat = "yyyy/MM/dd hh:mm:ss";

QString recordStamp(const GpsData &record)
{
    return QString::fromLatin1(record.dateTime,
                               int(strnlen(record.dateTime, sizeof record.dateTime)));
}

QDateTime nearestOnDate(const QTime &timeOfDay, const QDateTime &near)
{
    QDateTime best;
    qint64 bestDistance = 0;
    for (int days = -1; days <= 1; ++days) {
        const QDateTime candidate(near.date().addDays(days), timeOfDay, Qt::UTC);
        const qint64 distance = std::llabs(candidate.secsTo(near));
        if (!best.isValid() || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

qint64 ClockOffset::zoneSeconds() const
{
    const qint64 magnitude = std::llabs(seconds);
    const qint64 rounded = (magnitude + Quarter / 2) / Quarter * Quarter;
    return seconds < 0 ? -rounded : rounded;
}

bool ClockOffset::zoneIsPlausible() const
{
    const qint64 zone = zoneSeconds();
    return isKnown() && zone >= WestmostZone && zone <= EastmostZone;
}

QString ClockChoice::toSetting() const
{
    switch (display) {
    case Display::LocalZone:
        return QStringLiteral("zone:") + QString::fromLatin1(zone);
    case Display::Utc:
        return QStringLiteral("utc");
    case Display::Camera:
        return QStringLiteral("camera");
    case Display::LocalFromOffset:
        break;
    }
    return QStringLiteral("local");
}

ClockChoice ClockChoice::fromSetting(const QString &text)
{
    ClockChoice choice;
    if (text == QLatin1String("utc")) {
        choice.display = Display::Utc;
    } else if (text == QLatin1String("camera")) {
        choice.display = Display::Camera;
    } else if (text.startsWith(QLatin1String("zone:"))) {
        const QByteArray id = text.mid(5).toLatin1();
        if (QTimeZone::isTimeZoneIdAvailable(id)) {
            choice.display = Display::LocalZone;
            choice.zone = id;
        }
    }
    return choice;
}

qint64 RecordingClock::secondOf(const GpsData &record) const
{
    return kind == GpsSourceKind::JldvAudio ? record.index / 2 : record.index;
}

QDateTime RecordingClock::cameraTimeOf(const GpsData &record) const
{
    return cameraStart.isValid() ? cameraStart.addSecs(secondOf(record)) : QDateTime();
}

QDateTime RecordingClock::cameraReadingOf(const GpsData &record) const
{
    const QDateTime utc = utcOf(record);
    return utc.isValid() && offset.isKnown() ? utc.addSecs(offset.seconds) : cameraTimeOf(record);
}

QDateTime RecordingClock::utcOf(const GpsData &record) const
{
    const QDateTime utc = CardClock::recordUtc(record);
    if (utc.isValid())
        return utc;
    const QDateTime estimate = CardClock::toUtc(cameraTimeOf(record), offset);
    const QTime timeOfDay = CardClock::recordTimeOfDay(record);
    if (!estimate.isValid() || !timeOfDay.isValid())
        return estimate;
    return nearestOnDate(timeOfDay, estimate);
}

QDateTime CardClock::cameraTime(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC);
}

QDateTime CardClock::cameraTimeFromName(const QString &fileName)
{
    // Cameras name recordings after their clock at the start, with or without separators:
    // BlackVue "20170709_084652_P" (its sidecar's first NMEA fix is 05:46:52 UTC, three
    // hours behind the name), Viofo "2024_0517_083000_001F", Tesla's TeslaCam
    // "2024-05-17_08-30-00-front", many Novatek models "20240517083000" or
    // "20240517_083000_0000001F". The digits around must not belong to a longer number.
    static const QRegularExpression stamp(
        QStringLiteral("(?<!\\d)((?:19|20)\\d\\d)[-_]?(\\d\\d)[-_]?(\\d\\d)[-_ "
                       "T]?(\\d\\d)[-_:]?(\\d\\d)[-_:]?(\\d\\d)(?!\\d)"));
    QRegularExpressionMatchIterator it = stamp.globalMatch(fileName);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (date.isValid() && time.isValid())
            return cameraTime(date, time);
    }
    return QDateTime();
}

QDateTime CardClock::recordUtc(const GpsData &record)
{
    QDateTime time = QDateTime::fromString(recordStamp(record), QStringLiteral("yyyyMMddhhmmss"));
    if (!time.isValid())
        return QDateTime();
    time.setTimeSpec(Qt::UTC);
    return time;
}

QTime CardClock::recordTimeOfDay(const GpsData &record)
{
    const QString stamp = recordStamp(record);
    if (stamp.size() != 14)
        return QTime();
    return QTime::fromString(stamp.right(6), QStringLiteral("hhmmss"));
}

ClockOffset CardClock::offsetBetween(const QDateTime &cameraTime, const QDateTime &utc)
{
    if (!cameraTime.isValid())
        return ClockOffset::unknown(ClockOffset::Status::NoCameraTime);
    if (!utc.isValid())
        return ClockOffset::unknown(ClockOffset::Status::NoGpsTime);
    return ClockOffset::known(utc.secsTo(cameraTime));
}

ClockOffset CardClock::offsetBetween(const QDateTime &cameraTime, const QTime &utcTimeOfDay,
                                     qint64 hintSeconds)
{
    if (!cameraTime.isValid())
        return ClockOffset::unknown(ClockOffset::Status::NoCameraTime);
    if (!utcTimeOfDay.isValid())
        return ClockOffset::unknown(ClockOffset::Status::NoGpsTime);
    // Near midnight the camera's date and the UTC date differ; of the three dates around,
    // take the one that gives the offset nearest the hint.
    return offsetBetween(cameraTime, nearestOnDate(utcTimeOfDay, cameraTime.addSecs(-hintSeconds)));
}

ClockOffset CardClock::offsetOfRecording(const QDateTime &cameraStart,
                                         const QList<GpsData> &records, GpsSourceKind kind,
                                         qint64 hintSeconds)
{
    bool anyFix = false;
    const RecordingClock clock{cameraStart, ClockOffset(), kind};
    for (const GpsData &record : records) {
        if (!record.hasPosition())
            continue;
        anyFix = true;
        const QDateTime utc = recordUtc(record);
        const QTime timeOfDay = recordTimeOfDay(record);
        if (!utc.isValid() && !timeOfDay.isValid())
            continue;
        if (!cameraStart.isValid())
            return ClockOffset::unknown(ClockOffset::Status::NoCameraTime);
        const QDateTime camera = clock.cameraTimeOf(record);
        return utc.isValid() ? offsetBetween(camera, utc)
                             : offsetBetween(camera, timeOfDay, hintSeconds);
    }
    return ClockOffset::unknown(anyFix ? ClockOffset::Status::NoGpsTime
                                       : ClockOffset::Status::NoFix);
}

ClockOffset CardClock::cardOffset(const QList<ClockOffset> &recordings)
{
    // The most telling reason: a card whose fixes lack only the camera's clock says so
    // rather than "no fix".
    ClockOffset::Status why = ClockOffset::Status::NoFix;
    for (const ClockOffset &offset : recordings) {
        if (offset.isKnown())
            return offset;
        if (int(offset.status) > int(why))
            why = offset.status;
    }
    return ClockOffset::unknown(why);
}

bool CardClock::offsetsDisagree(const QList<ClockOffset> &recordings, qint64 *least,
                                qint64 *most, qint64 toleranceSeconds)
{
    bool any = false;
    qint64 low = 0, high = 0;
    for (const ClockOffset &offset : recordings) {
        if (!offset.isKnown())
            continue;
        low = any ? qMin(low, offset.seconds) : offset.seconds;
        high = any ? qMax(high, offset.seconds) : offset.seconds;
        any = true;
    }
    if (least)
        *least = low;
    if (most)
        *most = high;
    return any && high - low > toleranceSeconds;
}

QDateTime CardClock::toUtc(const QDateTime &cameraTime, const ClockOffset &offset)
{
    if (!cameraTime.isValid() || !offset.isKnown())
        return QDateTime();
    return cameraTime.addSecs(-offset.seconds);
}

QDateTime CardClock::shownFromUtc(const QDateTime &utc, const ClockOffset &offset,
                                  const ClockChoice &choice, QString *zoneName)
{
    QString name = QStringLiteral("UTC");
    QDateTime result = utc.toUTC();
    switch (choice.display) {
    case ClockChoice::Display::Camera:
        name.clear();
        result = offset.isKnown() ? result.addSecs(offset.seconds) : QDateTime();
        break;
    case ClockChoice::Display::LocalZone: {
        const QTimeZone zone(choice.zone);
        if (!zone.isValid())
            break;
        const QDateTime there = result.toTimeZone(zone);
        name = zone.abbreviation(there);
        // Carried as UTC like every wall-clock reading here, so formatting adds no zone.
        result = QDateTime(there.date(), there.time(), Qt::UTC);
        break;
    }
    case ClockChoice::Display::LocalFromOffset:
        if (!offset.zoneIsPlausible())
            break;
        result = result.addSecs(offset.zoneSeconds());
        name = QStringLiteral("UTC") + signedText(offset.zoneSeconds()).left(6);
        break;
    case ClockChoice::Display::Utc:
        break;
    }
    if (zoneName)
        *zoneName = result.isValid() ? name : QString();
    return result;
}

QDateTime CardClock::shown(const QDateTime &cameraTime, const ClockOffset &offset,
                           const ClockChoice &choice, QString *zoneName)
{
    const QDateTime utc = toUtc(cameraTime, offset);
    if (!utc.isValid() || choice.display == ClockChoice::Display::Camera) {
        if (zoneName)
            zoneName->clear();
        return cameraTime;
    }
    return shownFromUtc(utc, offset, choice, zoneName);
}

QString CardClock::format(const QDateTime &time, const QString &zoneName)
{
    if (!time.isValid())
        return QString();
    const QString text = time.toString(QLatin1String(ShownFormat));
    return zoneName.isEmpty() ? text : text + QLatin1Char(' ') + zoneName;
}

QString CardClock::shownText(const QDateTime &cameraTime, const ClockOffset &offset,
                             const ClockChoice &choice)
{
    QString zone;
    const QDateTime time = shown(cameraTime, offset, choice, &zone);
    return format(time, zone);
}

QString CardClock::cameraText(const QDateTime &cameraTime)
{
    if (!cameraTime.isValid())
        return QString();
    return tr("Camera's clock: %1").arg(cameraTime.toString(QLatin1String(ShownFormat)));
}

QString CardClock::signedText(qint64 seconds)
{
    const qint64 magnitude = std::llabs(seconds);
    const qint64 days = magnitude / Day;
    const QString clock = QStringLiteral("%1:%2:%3")
                              .arg(magnitude % Day / 3600, 2, 10, QLatin1Char('0'))
                              .arg(magnitude % 3600 / 60, 2, 10, QLatin1Char('0'))
                              .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    const QString sign = seconds < 0 ? QStringLiteral("-") : QStringLiteral("+");
    return days ? sign + QString::number(days) + QLatin1Char('d') + clock : sign + clock;
}

QString CardClock::describe(const ClockOffset &offset)
{
    switch (offset.status) {
    case ClockOffset::Status::NoFix:
        return tr("The camera's clock cannot be checked: no recording has a GPS fix");
    case ClockOffset::Status::NoGpsTime:
        return tr("The camera's clock cannot be checked: the GPS fixes carry no time");
    case ClockOffset::Status::NoCameraTime:
        return tr("The camera's clock cannot be checked: neither the file names nor the "
                  "files carry the camera's time");
    case ClockOffset::Status::Known:
        break;
    }
    if (offset.seconds == 0)
        return tr("The camera's clock keeps GPS time (UTC)");
    const qint64 magnitude = std::llabs(offset.seconds);
    const qint64 days = magnitude / Day;
    QString amount = tr("%1 h %2 min %3 s")
                         .arg(magnitude % Day / 3600)
                         .arg(magnitude % 3600 / 60, 2, 10, QLatin1Char('0'))
                         .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    if (days)
        amount = tr("%1 d %2").arg(days).arg(amount);
    return offset.seconds > 0 ? tr("The camera's clock runs %1 ahead of GPS time (UTC)").arg(amount)
                              : tr("The camera's clock runs %1 behind GPS time (UTC)").arg(amount);
}

QString CardClock::cardFolderOf(const QString &filePath)
{
    // Folder names from the cameras' manuals and card listings: Novatek and Viofo
    // (Normal, Event, Parking, Front, Rear, Movie, RO), BlackVue (Record), Thinkware
    // (cont_rec, evt_rec, parking_rec, manual_rec, motion_timelapse_rec), Tesla (TeslaCam with
    // RecentClips, SavedClips, SentryClips and one folder per saved event, named by its date).
    static const QStringList cameraFolders{"dcim",       "normal",
                                           "event",      "parking",
                                           "manual",     "emergency",
                                           "emer",       "front",
                                           "rear",       "inside",
                                           "interior",   "f",
                                           "r",          "movie",
                                           "video",      "ro",
                                           "record",     "cont_rec",
                                           "evt_rec",    "parking_rec",
                                           "manual_rec", "motion_timelapse_rec",
                                           "teslacam",   "recentclips",
                                           "savedclips", "sentryclips",
                                           "100media",   "lock",
                                           "protect"};
    QString folder = QFileInfo(filePath).absolutePath();
    for (int depth = 0; depth < 8; ++depth) {
        const QFileInfo here(folder);
        const QString name = here.fileName();
        const bool inside =
            cameraFolders.contains(name.toLower()) || cameraTimeFromName(name).isValid();
        if (!inside || here.isRoot())
            break;
        folder = here.path();
    }
    return folder;
}

QString CardClock::settingsKey(const QString &cardFolder, const QString &cameraIdentity)
{
    // One flat key: QSettings would read the slashes of a path as nested groups.
    const QString raw =
        cameraIdentity.isEmpty() ? cardFolder : cardFolder + QLatin1Char('|') + cameraIdentity;
    return QString::fromLatin1(QUrl::toPercentEncoding(raw));
}
