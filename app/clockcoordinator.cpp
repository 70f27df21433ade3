#include "app/clockcoordinator.h"

#include "controls/clockbar.h"
#include "library/playlistitem.h"
#include "settings/configuration.h"

#include <QFileInfo>

ClockCoordinator::ClockCoordinator(ClockBar *bar, QObject *parent) : QObject(parent), bar(bar)
{
    connect(bar, &ClockBar::choiceChanged, this, &ClockCoordinator::onChoiceChanged);
}

void ClockCoordinator::recordingStarted(const PlaylistItem &item, const QList<GpsData> &records)
{
    const QString path = item.url.toLocalFile();
    cardFolder = CardClock::cardFolderOf(path);
    key = CardClock::settingsKey(cardFolder, item.layout);
    const ClockOffset known = cardOffsets.value(key);
    clock.kind = item.gps.kind;
    // The row carries no creation time; the name is where cameras put their clock.
    clock.cameraStart = CardClock::cameraTimeFromName(QFileInfo(path).fileName());
    clock.offset = CardClock::offsetOfRecording(clock.cameraStart, records, clock.kind,
                                                known.isKnown() ? known.seconds : 0);
    if (clock.offset.isKnown() && !known.isKnown())
        cardOffsets.insert(key, clock.offset);
    if (!clock.offset.isKnown() && known.isKnown())
        clock.offset = known;
    currentChoice = ClockChoice::fromSetting(Configuration::instance()->cardClockChoice(key));
    bar->setCardOffsets(recordingOffsets.value(cardFolder));
    bar->setOffset(cardOffsets.value(key, clock.offset));
    bar->setChoice(currentChoice);
}

void ClockCoordinator::setRecordingOffsets(
    const QHash<QString, QList<ClockOffset>> &byCardFolder)
{
    recordingOffsets = byCardFolder;
    if (!cardFolder.isEmpty())
        bar->setCardOffsets(recordingOffsets.value(cardFolder));
}

QString ClockCoordinator::shownText(const GpsData &record) const
{
    const QDateTime utc = clock.utcOf(record);
    const QDateTime camera = clock.cameraReadingOf(record);
    if (currentChoice.display == ClockChoice::Display::Camera && camera.isValid())
        return CardClock::format(camera, QString());
    if (utc.isValid()) {
        QString zone;
        const QDateTime shown = CardClock::shownFromUtc(utc, clock.offset, currentChoice, &zone);
        // Without the camera's clock there is no camera time to show: GPS time it is.
        return shown.isValid() ? CardClock::format(shown, zone) : CardClock::format(utc, "UTC");
    }
    // No GPS time: the camera's own time where its name gives one, else nothing.
    return CardClock::format(camera, QString());
}

QString ClockCoordinator::cameraTip(const GpsData &record) const
{
    const QString own = CardClock::cameraText(clock.cameraReadingOf(record));
    const QString words = CardClock::describe(clock.offset);
    return own.isEmpty() ? words : own + QLatin1Char('\n') + words;
}

void ClockCoordinator::onChoiceChanged(const ClockChoice &choice)
{
    currentChoice = choice;
    if (!key.isEmpty())
        Configuration::instance()->setCardClockChoice(key, choice.toSetting());
    emit choiceChanged();
}
