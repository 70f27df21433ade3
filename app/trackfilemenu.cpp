#include "app/trackfilemenu.h"

#include "library/playlistmodel.h"
#include "parser/videoparser.h"
#include "settings/configuration.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

namespace {
QString recordingPath(PlaylistModel *model, int row)
{
    const PlaylistItem *item = model->itemAt(row);
    return item && item->parser ? item->parser->path() : QString();
}
} // namespace

TrackFileMenu::TrackFileMenu(PlaylistModel *model, QWidget *dialogParent)
    : QObject(dialogParent), model(model), dialogParent(dialogParent)
{
    model->setTrackFileLookup([](const QString &path, double *offsetSeconds) {
        return Configuration::instance()->trackFileFor(path, offsetSeconds);
    });
}

void TrackFileMenu::addItems(QMenu &menu, int row)
{
    const bool inTable = model->itemAt(row) != nullptr;
    const bool usesFile = inTable && !model->trackFileAt(row).isEmpty();
    menu.addSeparator();
    QAction *choose = menu.addAction(tr("Use a GPS track file..."));
    choose->setEnabled(inTable);
    connect(choose, &QAction::triggered, this, [this, row] { this->choose(row); });
    if (!usesFile)
        return;
    const QString offset = QString::number(model->trackFileOffsetAt(row));
    QAction *earlier =
        menu.addAction(tr("GPS track 1 s earlier (now %1 s)").arg(offset));
    connect(earlier, &QAction::triggered, this, [this, row] { nudge(row, -1); });
    QAction *later = menu.addAction(tr("GPS track 1 s later (now %1 s)").arg(offset));
    connect(later, &QAction::triggered, this, [this, row] { nudge(row, 1); });
    QAction *stop = menu.addAction(tr("Stop using the GPS track file"));
    connect(stop, &QAction::triggered, this, [this, row] { use(row, QString(), 0); });
}

void TrackFileMenu::choose(int row)
{
    const QString current = model->trackFileAt(row);
    const QString start =
        current.isEmpty() ? QFileInfo(recordingPath(model, row)).absolutePath() : current;
    const QString file = QFileDialog::getOpenFileName(
        dialogParent, tr("Use a GPS track file"), start,
        tr("GPS tracks (*.gpx *.nmea *.log);;All files (*)"));
    if (!file.isEmpty())
        use(row, QFileInfo(file).absoluteFilePath(), 0);
}

void TrackFileMenu::nudge(int row, double seconds)
{
    const QString file = model->trackFileAt(row);
    if (!file.isEmpty())
        use(row, file, model->trackFileOffsetAt(row) + seconds);
}

void TrackFileMenu::use(int row, const QString &trackFile, double offsetSeconds)
{
    const QString path = recordingPath(model, row);
    if (path.isEmpty())
        return;
    Configuration::instance()->setTrackFileFor(path, trackFile, offsetSeconds);
    emit trackFileChanged(row);
    model->useTrackFile(row, trackFile, offsetSeconds);
}
