#pragma once

#include "library/trackexport.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QMenu;
class PlaylistModel;
class QTableView;

// The playlist's context menu: "Export track..." for the row under the pointer and
// "Export trip..." for every row, as GPX, KML or CSV by the file type chosen. The
// recordings are read on a worker thread; the file is written when they are all read.
class TripExportMenu : public QObject
{
    Q_OBJECT
public:
    TripExportMenu(QTableView *table, PlaylistModel *model);

    // Writes the track of `frontPaths` (one segment per recording, in recorded order) to
    // `fileName` in the format its suffix names; false with a reason on failure.
    static bool writeTrip(const QString &fileName, const QString &title,
                          const QStringList &frontPaths, QString *error);

    // The row's front file, or every row's; empty outside the table.
    QStringList rowPaths(int row) const;
    QStringList allPaths() const;
    // Adds further items for the row under the pointer (-1 outside the rows) to the menu.
    void setExtraItems(std::function<void(QMenu &, int)> add) { extraItems = std::move(add); }

public slots:
    void exportTrack(int row);
    void exportTrip();

signals:
    // After a worker has written (or failed to write) a file.
    void exportFinished(const QString &fileName, bool ok, const QString &error);

private:
    void showMenu(const QPoint &position);
    QString askFileName(const QString &suggestedName);
    void startExport(const QString &fileName, const QString &title, const QStringList &paths);

    QTableView *table;
    PlaylistModel *model;
    bool busy = false;
    std::function<void(QMenu &, int)> extraItems;
};
