#include "app/clipexportflow.h"

#include "app/exportdialog.h"
#include "controls/controlpanel.h"
#include "export/cliptimeline.h"
#include "library/playlistitem.h"
#include "library/playlistmodel.h"
#include "playback/playareamanager.h"
#include "settings/configuration.h"

#include <QMessageBox>

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
    Configuration *store = Configuration::instance();
    Mark from = in;
    Mark to = out;
    // One mark alone: the settable lengths around it.
    if (from.rowId < 0 && to.rowId < 0)
        return;
    int fromRow = playlistRowOf(from.rowId);
    int toRow = playlistRowOf(to.rowId);
    double fromSecond = from.second;
    double toSecond = to.second;
    if (fromRow < 0) {
        fromRow = toRow;
        fromSecond = to.second - store->exportBefore();
    }
    if (toRow < 0) {
        toRow = fromRow;
        toSecond = from.second + store->exportAfter();
    }
    // Marks on rows that have left the playlist since (another folder was opened).
    if (fromRow < 0 || toRow < 0)
        return;
    if (toRow < fromRow || (toRow == fromRow && toSecond < fromSecond)) {
        std::swap(fromRow, toRow);
        std::swap(fromSecond, toSecond);
    }
    openDialog(fromRow, fromSecond, toRow, toSecond);
}

void ClipExportFlow::exportAroundNow()
{
    const Mark now = here();
    const int row = playlistRowOf(now.rowId);
    if (row < 0)
        return;
    Configuration *store = Configuration::instance();
    openDialog(row, now.second - store->exportBefore(), row, now.second + store->exportAfter());
}

void ClipExportFlow::openDialog(int fromRow, double fromSecond, int toRow, double toSecond)
{
    // The rows from the first to the last mark, and a neighbour on each side for a range that
    // reaches before the start or past the end of its recording.
    QList<PlaylistItem> items;
    for (int row = qMax(0, fromRow - 1); row <= qMin(model->rowCount() - 1, toRow + 1); ++row) {
        PlaylistItem copy;
        model->itemAt(row, &copy);
        items.append(copy);
    }
    const PlaylistItem *first = model->itemAt(fromRow);
    const PlaylistItem *last = model->itemAt(toRow);
    const QList<ClipRecording> recordings = ClipTimeline::load(items);
    auto startOf = [&](const PlaylistItem *item) {
        for (const ClipRecording &r : recordings) {
            if (r.channels[0] == item->url.toLocalFile())
                return r;
        }
        return ClipRecording();
    };
    const ClipRecording a = startOf(first);
    const ClipRecording b = startOf(last);
    QString error;
    QDateTime from = a.start.addMSecs(qint64(fromSecond * 1000));
    const QDateTime to = b.start.addMSecs(qint64(toSecond * 1000));
    // Around the start of a drive there is less before; take what there is.
    if (a.start.isValid() && from < a.start) {
        bool joined = false;
        for (int i = 1; i < recordings.size(); ++i)
            joined = joined || (recordings[i].channels[0] == a.channels[0] &&
                                ClipRange::continuesPrevious(recordings[i - 1], recordings[i]));
        if (!joined)
            from = a.start;
    }
    const QList<ClipPiece> pieces = ClipRange::resolve(recordings, from, to, &error);
    if (pieces.isEmpty()) {
        QMessageBox::warning(window, tr("Export clip"),
                             tr("This range cannot be exported: %1").arg(error));
        return;
    }
    auto *dialog = new ExportDialog(recordings, pieces, window);
    dialog->show();
}
