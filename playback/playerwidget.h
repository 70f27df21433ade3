#pragma once

#include <QMediaPlayer>
#include <QSize>
#include <QVideoWidget>
#include <memory>

class CaptureThread;
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

    QMediaPlayer *mediaPlayer() { return &player; }
    void exitFullScreen();

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

public slots:
    bool screenshot(qint64 postion, QSize resolution = QSize(), bool isOriginal = true);
    void onStateChanged(QMediaPlayer::State newState);
    void onError(QMediaPlayer::Error error);
    void onCaptureFinished(int result);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void toggleFullScreenProperty();

    QMediaPlayer player;
    std::unique_ptr<CaptureThread> captureThread;
    Qt::WindowFlags savedWindowFlags;
    QLabel *problemLabel = nullptr;
};
