#include "app/clipexportflow.h"

#include "app/exportdialog.h"
#include "controls/controlpanel.h"
#include "export/cliptimeline.h"
#include "library/playlistitem.h"
#include "library/playlistmodel.h"
#include "playback/playareamanager.h"
#include "settings/configuration.h"

#include <QMessageBox>

namespace {

constexpr int kAroundMargin = 4;

} // namespace

ClipExportFlow::ClipExportFlow(QWidget *window, ControlPanel *panel, PlayAreaManager *area,
                               PlaylistModel *model)
    : QObject(window), window(window), panel(panel), area(area), model(model)
{
    connect(panel, &ControlPanel::markIn, this, &ClipExportFlow::markIn);
    connect(panel, &ControlPanel::markOut, this, &ClipExportFlow::markOut);
    connect(panel, &ControlPanel::clearMarks, this, &ClipExportFlow::clearMarks);
    connect(panel, &ControlPanel::exportMarked, this, &ClipExportFlow::exportMarked);
    connect(panel, &ControlPanel::exportAroundNow, this, &ClipExportFlow::exportAroundNow);
    connect(area, &PlayAreaManager::positionChanged, this, &ClipExportFlow::refreshMarks);
}

ClipExportFlow::Mark ClipExportFlow::here() const
{
    const PlaylistItem *item = area->currentItem();
    if (!item)
        return {};
    return {item->rowId, panel->sliderPosition()};
}

int ClipExportFlow::playlistRowOf(int rowId) const
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->itemAt(row)->rowId == rowId)
            return row;
    }
    return -1;
}

void ClipExportFlow::markIn()
{
    const Mark mark = here();
    if (mark.rowId < 0)
        return;
    in = mark;
    refreshMarks();
}

void ClipExportFlow::markOut()
{
    const Mark mark = here();
    if (mark.rowId < 0)
        return;
    out = mark;
    refreshMarks();
}

void ClipExportFlow::clearMarks()
{
    in = out = Mark();
    refreshMarks();
}

void ClipExportFlow::refreshMarks()
{
    const PlaylistItem *item = area->currentItem();
    const int rowId = item ? item->rowId : -1;
    panel->setExportMarks(in.rowId == rowId && rowId >= 0 ? in.second : -1,
                          out.rowId == rowId && rowId >= 0 ? out.second : -1);
}

void ClipExportFlow::exportMarked()
{
    const int fromRow = playlistRowOf(in.rowId);
    const int toRow = playlistRowOf(out.rowId);
    // Marks on rows that have left the playlist since (another folder was opened).
    if (fromRow < 0 && toRow < 0)
        return;
    Configuration *store = Configuration::instance();
    const QList<ClipRecording> recordings =
        recordingsFor(fromRow < 0 ? toRow : fromRow, toRow < 0 ? fromRow : toRow);
    QString error;
    QList<ClipPiece> pieces;
    if (fromRow < 0) {
        // One mark alone: the settable length before an out mark, after an in mark.
        pieces = ClipRange::around(recordings, timeIn(recordings, toRow, out.second),
                                   store->exportBefore(), 0, &error);
    } else if (toRow < 0) {
        pieces = ClipRange::around(recordings, timeIn(recordings, fromRow, in.second), 0,
                                   store->exportAfter(), &error);
    } else {
        QDateTime from = timeIn(recordings, fromRow, in.second);
        QDateTime to = timeIn(recordings, toRow, out.second);
        if (to < from)
            std::swap(from, to);
        pieces = ClipRange::resolve(recordings, from, to, &error);
    }
    openDialog(recordings, pieces, error);
}

void ClipExportFlow::exportAroundNow()
{
    const Mark now = here();
    const int row = playlistRowOf(now.rowId);
    if (row < 0)
        return;
    Configuration *store = Configuration::instance();
    // Room for the dialog to lengthen the range by a few recordings either way.
    const QList<ClipRecording> recordings = recordingsFor(row, row, kAroundMargin);
    const QDateTime at = timeIn(recordings, row, now.second);
    QString error;
    openDialog(recordings,
               ClipRange::around(recordings, at, store->exportBefore(), store->exportAfter(),
                                 &error),
               error, at);
}

QList<ClipRecording> ClipExportFlow::recordingsFor(int fromRow, int toRow, int margin) const
{
    QList<PlaylistItem> items;
    for (int row = qMax(0, fromRow - margin); row <= qMin(model->rowCount() - 1, toRow + margin);
         ++row) {
        PlaylistItem copy;
        model->itemAt(row, &copy);
        items.append(copy);
    }
    return ClipTimeline::load(items);
}

QDateTime ClipExportFlow::timeIn(const QList<ClipRecording> &recordings, int row,
                                 double second) const
{
    const PlaylistItem *item = model->itemAt(row);
    if (!item)
        return {};
    for (const ClipRecording &r : recordings) {
        if (r.channels[0] == item->url.toLocalFile())
            return r.start.addMSecs(qint64(second * 1000));
    }
    return {};
}

void ClipExportFlow::openDialog(const QList<ClipRecording> &recordings,
                                const QList<ClipPiece> &pieces, const QString &error,
                                const QDateTime &aroundNow)
{
    if (pieces.isEmpty()) {
        QMessageBox::warning(window, tr("Export clip"),
                             tr("This range cannot be exported: %1").arg(error));
        return;
    }
    auto *dialog = new ExportDialog(recordings, pieces, window);
    if (aroundNow.isValid())
        dialog->setAroundNow(aroundNow);
    dialog->setClockChoice(clockChoice);
    dialog->show();
}
