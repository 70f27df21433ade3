#pragma once

#include "parser/gpsdata.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

// The camera's clock against GPS time.
//
// Cameras keep a clock the owner set by hand: often minutes or a whole time zone off, never
// moved for summer time, sometimes back at its factory date after a cold start. The GPS
// receiver's time is UTC. Comparing the two at the first fix of a recording gives the clock
// offset, from which every time the camera wrote can be shown as local time at the place, as
// UTC, or as the camera had it.
//
// Conventions of this unit (callers: follow them and the arithmetic stays right):
// - A camera time is the wall-clock reading the camera wrote (file name, creation time,
//   burned-in clock). It is carried as a QDateTime with Qt::UTC as its timeSpec, so that
//   adding seconds never meets the local machine's summer-time gaps. Build one with
//   CardClock::cameraTime(date, time) or take it from cameraTimeFromName().
// - A UTC time is a QDateTime in Qt::UTC.
// - offset = camera time - UTC, in seconds; positive when the camera runs ahead.
//
// Typical calls from the lists and exports:
//     const ClockOffset offset = ...;                 // the recording's or the card's
//     QDateTime utc = CardClock::toUtc(cameraTime, offset);
//     QString shown = CardClock::shownText(cameraTime, offset, choice);
//     QString tip = CardClock::cameraText(cameraTime);   // the camera's own, for tooltips

// How far the camera's clock is from GPS time (UTC).
struct ClockOffset
{
    enum class Status
    {
        Known,
        NoFix,        // no record with a position
        NoGpsTime,    // fixes, but none with a readable GPS time
        NoCameraTime, // neither the file name nor the file carries the camera's clock
    };

    Status status = Status::NoFix;
    qint64 seconds = 0; // camera - UTC

    bool isKnown() const { return status == Status::Known; }
    // The time-zone part: the offset rounded to the nearest 15 minutes (ties away from zero).
    qint64 zoneSeconds() const;
    // What is left after the zone part: the clock's drift, -450..450 s.
    qint64 driftSeconds() const { return seconds - zoneSeconds(); }
    // A zone part real time zones have (UTC-12:00 to UTC+14:00); a clock years off is none.
    bool zoneIsPlausible() const;

    static ClockOffset known(qint64 seconds) { return {Status::Known, seconds}; }
    static ClockOffset unknown(Status why) { return {why, 0}; }
};
Q_DECLARE_METATYPE(ClockOffset)

// What the user wants times shown as, per card.
struct ClockChoice
{
    enum class Display
    {
        LocalFromOffset, // UTC + the offset's zone part: the camera's clock without its drift
        LocalZone,       // UTC in the time zone `zone` (follows summer time)
        Utc,
        Camera, // as the camera wrote it
    };
    Display display = Display::LocalFromOffset;
    QByteArray zone; // IANA id, for LocalZone

    // "local", "zone:Europe/Berlin", "utc", "camera": the settings store keeps this text.
    QString toSetting() const;
    // Unknown text, or a zone this system does not know, gives the default.
    static ClockChoice fromSetting(const QString &text);

    bool operator==(const ClockChoice &other) const
    {
        return display == other.display && zone == other.zone;
    }
};

// One recording's clock: where its seconds start on the camera's clock, and its offset.
// Lets the exports and the control panel turn any record into camera time and UTC.
struct RecordingClock
{
    QDateTime cameraStart; // camera time at second 0; invalid when unknown
    ClockOffset offset;
    GpsSourceKind kind = GpsSourceKind::GpsNone; // JLDV cameras write two records a second

    // Second of the recording at which `record` was written.
    qint64 secondOf(const GpsData &record) const;
    // The camera's time of the record: cameraStart + its second; invalid without a start.
    QDateTime cameraTimeOf(const GpsData &record) const;
    // The camera's reading for the record as its clock had it: the record's UTC plus the
    // offset when both are known (whole seconds, consistent with the offset stated), else
    // cameraTimeOf().
    QDateTime cameraReadingOf(const GpsData &record) const;
    // The record's UTC: its own GPS date and time; with a time of day only, the date that
    // puts it nearest the camera's time less the offset (a drive across midnight UTC); with
    // no GPS time, the camera's time less the offset. Invalid when none of these is known.
    QDateTime utcOf(const GpsData &record) const;
};

class CardClock
{
    Q_DECLARE_TR_FUNCTIONS(CardClock)
public:
    // A camera time from its date and time (see the conventions above).
    static QDateTime cameraTime(const QDate &date, const QTime &time);

    // The camera's time at the start of the recording, from a date and time in its file
    // name: "20170709_084652_P.mp4", "2024_0517_083000_001F.MP4", "2024-05-17_08-30-00-front.mp4",
    // "20240517083000.MOV". Invalid when the name holds none.
    static QDateTime cameraTimeFromName(const QString &fileName);

    // The record's GPS date and time as UTC; invalid when its date or time is unreadable.
    static QDateTime recordUtc(const GpsData &record);
    // The record's GPS time of day alone, for records whose date is blank or unreadable
    // (some receivers give the date only once they have a full fix); invalid when none.
    static QTime recordTimeOfDay(const GpsData &record);

    // The offset between a camera time and the GPS time of the same moment.
    static ClockOffset offsetBetween(const QDateTime &cameraTime, const QDateTime &utc);
    // The same with the GPS time of day only: the UTC date is the camera's date, the day
    // before or the day after, whichever lies nearest `hintSeconds` (another recording's
    // offset when the card has one; 0, the nearest, otherwise).
    static ClockOffset offsetBetween(const QDateTime &cameraTime, const QTime &utcTimeOfDay,
                                     qint64 hintSeconds = 0);

    // The offset of one recording, at its first fix with a GPS time.
    static ClockOffset offsetOfRecording(const QDateTime &cameraStart,
                                         const QList<GpsData> &records, GpsSourceKind kind,
                                         qint64 hintSeconds = 0);
    // The card's offset from its recordings' offsets (in recorded order): the first known.
    // Unknown with the most telling reason when none is known.
    static ClockOffset cardOffset(const QList<ClockOffset> &recordings);

    // Whether the recordings' known offsets lie more than `toleranceSeconds` apart (the clock
    // was set again, or fell back to its factory date after a cold start, between them);
    // the least and the most of them in *least and *most.
    static bool offsetsDisagree(const QList<ClockOffset> &recordings, qint64 *least,
                                qint64 *most, qint64 toleranceSeconds = DisagreeSeconds);
    // Receivers report their first fix a second or two late, and clocks drift a few seconds
    // a day: offsets of one card closer than this are one clock.
    static constexpr qint64 DisagreeSeconds = 60;

    // Camera time to UTC; invalid when the offset is unknown.
    static QDateTime toUtc(const QDateTime &cameraTime, const ClockOffset &offset);
    // UTC to the time shown by `choice`, with the zone's short name for the label ("UTC",
    // "UTC+01:00", "CEST"; empty for the camera's own time). LocalFromOffset with a zone part
    // no time zone has (a clock years off) shows UTC instead.
    static QDateTime shownFromUtc(const QDateTime &utc, const ClockOffset &offset,
                                  const ClockChoice &choice, QString *zoneName = nullptr);
    // Camera time to the time shown; the camera's own time when the offset is unknown.
    static QDateTime shown(const QDateTime &cameraTime, const ClockOffset &offset,
                           const ClockChoice &choice, QString *zoneName = nullptr);
    // "yyyy/MM/dd hh:mm:ss" followed by the zone's short name, as the lists show times.
    static QString shownText(const QDateTime &cameraTime, const ClockOffset &offset,
                             const ClockChoice &choice);
    static QString format(const QDateTime &time, const QString &zoneName);
    // The camera's own time in words for tooltips: "Camera's clock: 2024/05/17 09:30:00".
    static QString cameraText(const QDateTime &cameraTime);

    // The offset in plain words, once per card: "The camera's clock runs 2 h 00 min 14 s
    // ahead of GPS time (UTC)", or why it cannot be determined.
    static QString describe(const ClockOffset &offset);
    // "+02:00:14", "-05:00:00" (days in front when a clock is that far off).
    static QString signedText(qint64 seconds);

    // The folder that stands for the card `filePath` lies on: its folder, and above it as
    // long as the folders are the ones cameras make inside a card (Normal, Event, Front,
    // DCIM, RecentClips, a folder named after a date, ...).
    static QString cardFolderOf(const QString &filePath);

    // The settings key of a card's choice: its folder and the camera's identity, where the
    // card names one (a layout, a serial number).
    static QString settingsKey(const QString &cardFolder, const QString &cameraIdentity);
};
