#pragma once

#include "playback/showmode.h"

#include <QDateTime>
#include <QFont>
#include <QMediaPlayer>
#include <QTimer>
#include <QVector>
#include <QWidget>
#include <memory>

class SeekMarks;
class RangeMarks;

namespace Ui {
class ControlPanel;
}

// The strip of controls below the players. It owns no player: user actions leave as
// signals, and the main window feeds it the player state, position, duration, volume and
// the current GPS record. It also decides when the next recording should start.
class ControlPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ControlPanel(QWidget *parent = nullptr);
    ~ControlPanel() override;

    QMediaPlayer::State state() const { return playerState; }
    void reset();
    void setDuration(int seconds);
    void setCurrentTime(qint64 seconds);
    void stopAndReset();
    void nextIfStopped();
    void setGpsDateTime(const QDateTime &dateTime);
    // The date label as the card's clock choice shows it, the camera's own time in its tip.
    void setShownDateTime(const QString &text, const QString &toolTip);
    void setLongitudeLatitude(const QString &latitudeText, const QString &longitudeText);
    void setSpeed(int kmh);
    void step(int delta);
    void setPlayEnabled(bool enabled);
    void setTimeFont(const QFont &font);
    void disableBtn(bool front, bool rear, bool third, bool fourth, bool all);
    // The clip export's marks on the seek slider, in seconds of the recording shown; -1 for
    // none.
    void setExportMarks(int inSecond, int outSecond);
    int sliderPosition() const;

    // "hh:mm:ss"; hours are not wrapped, so that a position past a day still reads right.
    static QString clockText(qint64 seconds);

    // Ticks on the seek bar at these seconds of the recording (the moments found in it).
    void setEventMarks(const QVector<int> &seconds);
    const SeekMarks *eventMarks() const { return seekMarks; }

signals:
    void openFile();
    void screenshot();
    void play();
    void pause();
    void stop();
    void next();
    void previous();
    void frontView(bool checked);
    void rearView(bool checked);
    void thirdView(bool checked);
    void fourthView(bool checked);
    void allView(bool checked);
    void changeVolume(int volume);
    void changeMuting(bool muting);
    void changeRate(double rate);
    void sliderMoved(int position);
    void sliderStatusChanged(bool isSliderDown, int seconds);
    // From the seek slider's context menu (I and O come through the main window's keys).
    void markIn();
    void markOut();
    void clearMarks();
    void exportMarked();
    void exportAroundNow();

public slots:
    void setState(QMediaPlayer::State state);
    void setVolume(int volume);
    void setCurrVolume(int volume);
    void setMuted(bool muted);
    void setPlaybackRate(float rate);
    void playClicked();
    void onShowModeChanged(ShowMode mode);
    void checkSamePosPlay();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void muteClicked();
    void updateRate();
    void onVolumeSliderValueChanged();
    void onUpdateLanguage();
    void onSliderStatusProcess();
    void onSliderValueChanged(int value);

private:
    void connectControls();
    void updateMuteToolTip();
    void seekSliderReleased(int x);
    void showSliderMenu(const QPoint &globalPosition);

    std::unique_ptr<Ui::ControlPanel> ui;
    RangeMarks *marks = nullptr;
    QMediaPlayer::State playerState = QMediaPlayer::StoppedState;
    bool muted = false;
    int duration = 0;
    int volume = 0;
    QTimer samePosTimer;
    int samePosCount = 0;
    qint64 currentPosition = 0;
    qint64 shownPosition = 0;
    // Shared by all panels; the program makes one.
    static int zeroLengthCount;
    SeekMarks *seekMarks = nullptr; // child of the seek slider
};
