#include "app/tripexportmenu.h"

#include "library/playlistmodel.h"
#include "library/trip.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QTableView>
#include <QThread>
#include <memory>

TripExportMenu::TripExportMenu(QTableView *table, PlaylistModel *model)
    : QObject(table), table(table), model(model)
{
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, &TripExportMenu::showMenu);
    connect(this, &TripExportMenu::exportFinished, this,
            [this](const QString &fileName, bool ok, const QString &error) {
                busy = false;
                QWidget *window = this->table->window();
                if (ok)
                    QMessageBox::information(window, tr("Export"),
                                             tr("Track saved to %1").arg(fileName));
                else
                    QMessageBox::warning(window, tr("Export"),
                                         tr("Could not save %1: %2").arg(fileName, error));
            });
}

bool TripExportMenu::writeTrip(const QString &fileName, const QString &title,
                               const QStringList &frontPaths, QString *error)
{
    const QByteArray bytes = TrackExport::write(TrackExport::formatForFileName(fileName), title,
                                                Trip::collect(frontPaths));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QStringList TripExportMenu::rowPaths(int row) const
{
    const PlaylistItem *item = model->itemAt(row);
    return item ? QStringList{item->url.toLocalFile()} : QStringList();
}

QStringList TripExportMenu::allPaths() const
{
    QStringList paths;
    for (int row = 0; row < model->rowCount(); ++row)
        paths += rowPaths(row);
    return paths;
}

void TripExportMenu::showMenu(const QPoint &position)
{
    const int row = table->indexAt(position).row();
    QMenu menu(table);
    QAction *track = menu.addAction(tr("Export track..."));
    track->setEnabled(row >= 0 && !busy);
    QAction *trip = menu.addAction(tr("Export trip..."));
    trip->setEnabled(model->rowCount() > 0 && !busy);
    if (extraItems)
        extraItems(menu, row);
    QAction *chosen = menu.exec(table->viewport()->mapToGlobal(position));
    if (chosen == track)
        exportTrack(row);
    else if (chosen == trip)
        exportTrip();
}

QString TripExportMenu::askFileName(const QString &suggestedName)
{
    const QString gpx = tr("GPX track (*.gpx)");
    const QString kml = tr("KML track (*.kml)");
    const QString csv = tr("CSV table (*.csv)");
    QString filter = gpx;
    QString fileName = QFileDialog::getSaveFileName(table->window(), tr("Export"), suggestedName,
                                                    QStringList{gpx, kml, csv}.join(";;"),
                                                    &filter);
    if (fileName.isEmpty())
        return fileName;
    // The chosen file type decides when the name carries no suffix of its own.
    const QString suffix = filter == kml ? QStringLiteral(".kml")
                           : filter == csv ? QStringLiteral(".csv")
                                           : QStringLiteral(".gpx");
    const QString given = QFileInfo(fileName).suffix().toLower();
    if (given != QLatin1String("gpx") && given != QLatin1String("kml") &&
        given != QLatin1String("csv"))
        fileName += suffix;
    return fileName;
}

void TripExportMenu::exportTrack(int row)
{
    const QStringList paths = rowPaths(row);
    if (paths.isEmpty() || busy)
        return;
    const QFileInfo recording(paths.first());
    const QString fileName =
        askFileName(recording.dir().filePath(recording.completeBaseName() + ".gpx"));
    if (!fileName.isEmpty())
        startExport(fileName, recording.fileName(), paths);
}

void TripExportMenu::exportTrip()
{
    const QStringList paths = allPaths();
    if (paths.isEmpty() || busy)
        return;
    const QDir card = QFileInfo(paths.first()).dir();
    const QString fileName = askFileName(card.filePath(card.dirName() + ".gpx"));
    if (!fileName.isEmpty())
        startExport(fileName, card.dirName(), paths);
}

void TripExportMenu::startExport(const QString &fileName, const QString &title,
                                 const QStringList &paths)
{
    busy = true;
    struct Outcome
    {
        bool ok = false;
        QString error;
    };
    auto outcome = std::make_shared<Outcome>();
    QThread *worker = QThread::create([outcome, fileName, title, paths] {
        outcome->ok = writeTrip(fileName, title, paths, &outcome->error);
    });
    // Reported on this object's thread, and not at all once the window has gone.
    connect(worker, &QThread::finished, this, [this, outcome, fileName] {
        emit exportFinished(fileName, outcome->ok, outcome->error);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}
