#pragma once

#include "playback/picturezoom.h"

#include <QMediaPlayer>
#include <QSize>
#include <QTimer>
#include <QVideoWidget>
#include <memory>

class CaptureThread;
class QVideoWindowControl;
class QKeyEvent;
class QLabel;

// One camera channel: a video widget with its own media player. Handles full screen,
// keeps its painting in step with the player state and takes screenshots through its
// own capture worker.
class PlayerWidget : public QVideoWidget
{
    Q_OBJECT
public:
    explicit PlayerWidget(QWidget *parent = nullptr);
    ~PlayerWidget() override;

    // The media player and its pipeline are made on first use: creating one loads GStreamer
    // and probes the video sinks, which took the window seconds to appear at start-up.
    QMediaPlayer *mediaPlayer();
    // Null until something has asked for the media player.
    QMediaPlayer *existingMediaPlayer() const { return player.get(); }
    void exitFullScreen();

    // Wheel zoom of the picture (1x..4x around the pointer, drag pans); screenshots are
    // taken from the file and stay whole whatever the zoom.
    const PictureZoom &zoom() const { return pictureZoom; }
    void resetZoom();
    // A problem the user can act on, shown in words where the picture would be; cleared
    // when the next recording is loaded.
    void showProblem(const QString &text);
    void clearProblem();
    QString problem() const;

    // Set by the play area for each screenshot request; the first result that any
    // player reports clears it, so one request shows one message.
    static bool capturePending;

signals:
    void keyPressSignals(QKeyEvent *event);
    void fullScreen(bool isFull);
    // Emitted once, as soon as the media player exists and before it is handed out.
    void mediaPlayerCreated(QMediaPlayer *player);

public slots:
    bool screenshot(qint64 postion, QSize resolution = QSize(), bool isOriginal = true);
    void onStateChanged(QMediaPlayer::State newState);
    void onError(QMediaPlayer::Error error);
    void onCaptureFinished(int result);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void toggleFullScreenProperty();
    void applyZoom();
    // How the back end shows the picture: a sink's native child widget, a sink drawing into
    // this widget's own window, or (neither) frames painted by this widget.
    QWidget *sinkChild() const;
    QVideoWindowControl *sinkWindow() const;
    void redrawPausedFrame();

    std::unique_ptr<QMediaPlayer> player;
    std::unique_ptr<CaptureThread> captureThread;
    Qt::WindowFlags savedWindowFlags;
    PictureZoom pictureZoom;
    QPoint dragFrom;
    bool dragging = false;
    bool renderingForZoom = false;
    // Renders the paused frame again once a resize has settled (see resizeEvent).
    QTimer pausedRedraw;
    QLabel *problemLabel = nullptr;
};
