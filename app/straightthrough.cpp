#include "app/mainwindows.h"

#include "controls/controlpanel.h"
#include "events/cardanalysis.h"
#include "events/eventlistpanel.h"
#include "instruments/gyrochartview.h"
#include "instruments/mapwebview.h"
#include "instruments/speedtray.h"
#include "library/channelsetup.h"
#include "library/playlistmodel.h"
#include "ui_mainwindows.h"

// Straight through a drive: while one recording plays, the next of its drive is loaded by the
// play area's second set of players; at the end the window follows the hand-over as if the
// next row had been started (row, file name, buttons, track, map and chart).

namespace {

// Loaded this far into a recording, not at its start: the first seconds belong to starting
// the current recording smoothly.
constexpr qint64 PreloadAfterSeconds = 2;

bool inOneDrive(const CardSummary &summary, int row, int nextRow)
{
    for (const DriveReport::DriveSummary &drive : summary.drives) {
        const int first = drive.range.first;
        const int last = first + drive.range.count - 1;
        if (row >= first && row <= last)
            return nextRow >= first && nextRow <= last;
    }
    return false;
}

} // namespace

void MainWindows::preloadFollowing(int rowId, qint64 second)
{
    PlayAreaManager *area = ui->wgt_PlayArea;
    const PlaylistItem *current = area->currentItem();
    if (!current || current->rowId != rowId || area->preloadedItem() ||
        mediaState() != QMediaPlayer::PlayingState)
        return;
    const qint64 duration = qMax(0, playlistModel->durationAt(rowId));
    if (second < qMin(PreloadAfterSeconds, duration / 2))
        return;
    PlaylistItem *next = playlistModel->next(current->url);
    // Until the card's drives are known (they come from a background analysis) nothing is
    // preloaded; the end then starts the next row the ordinary way.
    if (!next || !next->url.isValid() ||
        !inOneDrive(ui->wgt_EventList->summary(), rowId, next->rowId))
        return;
    const ChannelSetup setup = channelSetupFor(*next);
    area->preload(next, setup.rearUrl.toString(), setup.thirdUrl.toString(),
                  setup.fourthUrl.toString(), setup.count,
                  PlayAreaManager::presenceOf(setup.front, setup.rear, setup.third,
                                              setup.fourth));
}

void MainWindows::onAdvanced(PlaylistItem *item)
{
    ui->wgt_Speed->setSpeed(0);
    ui->gView_GyroChart->clear();
    ui->wgt_MapView->clearAll();
    ui->wgt_PlayCtrl->setEventMarks({});
    pendingSeek.reset();
    selectRow(item->rowId);
    const ChannelSetup setup = channelSetupFor(*item);
    ui->wgt_PlayCtrl->disableBtn(setup.front, setup.rear, setup.third, setup.fourth,
                                 setup.count > 1);
    setFileNameText(item->url.fileName(QUrl::FullyDecoded));
    continuedRow = item->rowId;
    playlistModel->requestAllGps(item->rowId);
}
