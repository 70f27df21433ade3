#pragma once

#include <QPixmap>
#include <QWidget>

// The speed gauge: a dial from 0 to 220 over 270 degrees, a needle, and the speed written
// in the box below the hub, in km/h or MPH as the settings ask.
class SpeedTray : public QWidget
{
    Q_OBJECT

public:
    explicit SpeedTray(QWidget *parent = nullptr);

    // Speed in km/h; values outside 0..220 are ignored and the gauge keeps its last value.
    void setSpeed(int kmh);

    // Clockwise from straight up: -135 at 0, 0 at 110, 135 at 220.
    int needleAngle() const { return angle; }
    // The number written on the dial, in the configured unit.
    int shownValue() const { return value; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap dial;
    int angle = -135;
    int value = 0;
};
