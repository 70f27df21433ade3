#pragma once

#include <QObject>

class PlaylistModel;
class QMenu;
class QWidget;

// The playlist context menu's GPS track file items: a phone's GPX or NMEA log used as a
// recording's track, aligned by time and nudged a second at a time, remembered for the
// recording in the settings and applied to it whenever it is listed again.
class TrackFileMenu : public QObject
{
    Q_OBJECT
public:
    TrackFileMenu(PlaylistModel *model, QWidget *dialogParent);

    // Adds the items for `row` (disabled outside the table).
    void addItems(QMenu &menu, int row);

    // The row's track from `trackFile` moved by `offsetSeconds` (empty: its own again), and
    // the choice stored for its recording.
    void use(int row, const QString &trackFile, double offsetSeconds);
    void nudge(int row, double seconds);

signals:
    // The row is being read again; its track is announced when read.
    void trackFileChanged(int row);

private:
    void choose(int row);

    PlaylistModel *model;
    QWidget *dialogParent;
};
