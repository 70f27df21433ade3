#pragma once

#include <QObject>

class ControlPanel;
class PlayAreaManager;
class PlaylistModel;
class QWidget;

// The clip export seen from the main window: the in and out marks (keys I and O, the seek
// slider's menu), "Export around now", and opening the export dialog on the range. Marks
// are kept per playlist row, so a range may start in one recording and end in a later one.
class ClipExportFlow : public QObject
{
    Q_OBJECT

public:
    ClipExportFlow(QWidget *window, ControlPanel *panel, PlayAreaManager *area,
                   PlaylistModel *model);

public slots:
    void markIn();
    void markOut();
    void clearMarks();
    void exportMarked();
    void exportAroundNow();
    // Shows the marks that belong to the recording now playing.
    void refreshMarks();

private:
    struct Mark
    {
        int rowId = -1;
        int second = -1;
    };
    Mark here() const;
    int playlistRowOf(int rowId) const;
    // Opens the dialog for [from, to), given as seconds into two playlist rows.
    void openDialog(int fromRow, double fromSecond, int toRow, double toSecond);

    QWidget *window;
    ControlPanel *panel;
    PlayAreaManager *area;
    PlaylistModel *model;
    Mark in;
    Mark out;
};
