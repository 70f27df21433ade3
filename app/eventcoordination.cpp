#include "app/mainwindows.h"

#include "app/clockcoordinator.h"
#include "controls/controlpanel.h"
#include "events/cardanalysis.h"
#include "events/eventlistpanel.h"
#include "events/eventthresholdsdialog.h"
#include "instruments/gyrochartview.h"
#include "instruments/mapwebview.h"
#include "library/playlistmodel.h"
#include "settings/configuration.h"
#include "ui_mainwindows.h"

#include <QTimer>

// The main window's part in drives and events: the card is read again in the background
// whenever its rows change, the event list shows what was found, a click in it plays that
// moment, and the playing recording's moments are marked on the seek bar and the map.

namespace {

// Rows arrive one by one while a card is scanned; the card is read once they have settled.
constexpr int AnalysisDelayMs = 800;

} // namespace

void MainWindows::setUpEventList()
{
    cardAnalysis = new CardAnalysis(this);
    analysisDelay = new QTimer(this);
    analysisDelay->setSingleShot(true);
    analysisDelay->setInterval(AnalysisDelayMs);
    connect(analysisDelay, &QTimer::timeout, this, &MainWindows::startCardAnalysis);
    const auto later = [this]() { analysisDelay->start(); };
    connect(playlistModel, &QAbstractItemModel::rowsInserted, this, later);
    connect(playlistModel, &QAbstractItemModel::rowsRemoved, this, later);
    connect(playlistModel, &QAbstractItemModel::modelReset, this, later);
    connect(cardAnalysis, &CardAnalysis::finished, this, &MainWindows::onCardAnalysed);
    connect(ui->wgt_EventList, &EventListPanel::seekRequested, this,
            &MainWindows::onEventSeekRequested);
    ui->wgt_EventList->setMph(Configuration::instance()->speedUnit() != 0);
    connect(ui->wgt_EventList, &EventListPanel::thresholdsRequested, this, [this]() {
        Configuration *store = Configuration::instance();
        EventThresholdsDialog dialog(this);
        dialog.setValues(store->driveGapSeconds(), store->eventThresholds());
        if (dialog.exec() != QDialog::Accepted)
            return;
        store->setDriveGapSeconds(dialog.gapSeconds());
        store->setEventThresholds(dialog.thresholds());
        startCardAnalysis();
    });
}

void MainWindows::startCardAnalysis()
{
    QList<PlaylistItem> rows;
    for (int row = 0; row < playlistModel->rowCount(); ++row) {
        PlaylistItem copy;
        rows.append(*playlistModel->itemAt(row, &copy));
    }
    ui->wgt_EventList->setAnalysing();
    Configuration *store = Configuration::instance();
    cardAnalysis->start(rows, store->driveGapSeconds(), store->eventThresholds());
}

void MainWindows::onCardAnalysed(const CardSummary &summary)
{
    ui->wgt_EventList->setSummary(summary);
    showEventsOf(currentRowId());
    // The rows are the ones the analysis was started on, unless the playlist changed since;
    // then a newer analysis is on its way.
    QHash<QString, QList<ClockOffset>> byCard;
    for (int row = 0; row < summary.clocks.size() && row < playlistModel->rowCount(); ++row) {
        PlaylistItem copy;
        const PlaylistItem *item = playlistModel->itemAt(row, &copy);
        byCard[CardClock::cardFolderOf(item->url.toLocalFile())].append(
            summary.clocks.at(row).offset);
    }
    clockCoordinator->setRecordingOffsets(byCard);
}

void MainWindows::onEventSeekRequested(int row, int second)
{
    if (PlaylistItem *item = playlistModel->itemAt(row))
        playFrom(item, second);
}

void MainWindows::showEventsOf(int row)
{
    QVector<int> seconds;
    QVector<int> samples;
    QVector<MapPages::EventMark> marks;
    // The chart holds a sample a second, or every record where there are fewer than a frame's
    // worth (see fillChart); the drawn track tells which.
    const int duration = playlistModel->durationAt(row);
    const int records = trackRecord->rowId == row ? trackRecord->track.size() : 0;
    const double frameRate = playlistModel->frameRateAt(row);
    const double perSecond =
        duration > 0 && !(frameRate > 0 && records >= (duration - 1) * frameRate) && records > 0
            ? double(records) / duration
            : 1.0;
    const CardSummary &summary = ui->wgt_EventList->summary();
    for (const DriveEvents::Event &event : summary.events) {
        if (event.recording != row)
            continue;
        seconds.append(int(event.second));
        samples.append(int(event.second * perSecond));
        if (event.hasPosition)
            marks.append({event.longitude, event.latitude, EventListPanel::kindText(event)});
    }
    ui->wgt_PlayCtrl->setEventMarks(seconds);
    ui->gView_GyroChart->setEventMarks(samples);
    ui->wgt_MapView->setEventMarks(marks);
}
