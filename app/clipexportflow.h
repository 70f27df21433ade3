#pragma once

#include "export/cliprecording.h"

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
    // How the card's times are shown in the window; the overlay of an export follows it.
    void setClockChoice(const ClockChoice &choice) { clockChoice = choice; }

private:
    struct Mark
    {
        int rowId = -1;
        int second = -1;
    };
    Mark here() const;
    int playlistRowOf(int rowId) const;
    // The recordings of the playlist rows from `fromRow` to `toRow`, and `margin` neighbours on
    // each side for a range that reaches past either end of its recordings. Read on the GUI
    // thread (the containers' headers and tracks only), so kept to a few rows.
    QList<ClipRecording> recordingsFor(int fromRow, int toRow, int margin = 1) const;
    // The camera time `second` into the row's recording (invalid when it has no clock).
    QDateTime timeIn(const QList<ClipRecording> &recordings, int row, double second) const;
    void openDialog(const QList<ClipRecording> &recordings, const QList<ClipPiece> &pieces,
                    const QString &error, const QDateTime &aroundNow = QDateTime());

    QWidget *window;
    ControlPanel *panel;
    PlayAreaManager *area;
    PlaylistModel *model;
    Mark in;
    Mark out;
    ClockChoice clockChoice;
};
