#pragma once

#include "library/cardclock.h"

#include <QHash>
#include <QObject>

class ClockBar;
struct PlaylistItem;

// The playing card's clock for the window: derives the playing recording's offset when its
// track arrives, keeps the first known offset of each card for the recordings that have
// none, shows it on the clock bar, and remembers the user's choice per card through the
// settings store. The control panel's date label takes its texts from here.
class ClockCoordinator : public QObject
{
    Q_OBJECT

public:
    ClockCoordinator(ClockBar *bar, QObject *parent);

    // A recording's whole track has arrived (the row's copy with its file and layout).
    void recordingStarted(const PlaylistItem &item, const QList<GpsData> &records);

    // The offsets of every recording, by the folder of the card it lies on (from the card's
    // analysis): the bar says when the playing card's recordings disagree.
    void setRecordingOffsets(const QHash<QString, QList<ClockOffset>> &byCardFolder);

    // The date label's text for a record of the playing recording, in the chosen time.
    QString shownText(const GpsData &record) const;
    // The tooltip: the camera's own time of the record and the offset in words.
    QString cameraTip(const GpsData &record) const;

    const RecordingClock &recordingClock() const { return clock; }
    ClockChoice choice() const { return currentChoice; }
    QString cardKey() const { return key; }

signals:
    // The user chose another way of showing times; the labels should be filled again.
    void choiceChanged();

private:
    void onChoiceChanged(const ClockChoice &choice);

    ClockBar *bar;
    QString key;
    RecordingClock clock;
    ClockChoice currentChoice;
    QHash<QString, ClockOffset> cardOffsets; // by card key: the first known offset
    QHash<QString, QList<ClockOffset>> recordingOffsets; // by card folder
    QString cardFolder; // of the playing recording
};
