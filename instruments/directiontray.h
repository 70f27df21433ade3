#pragma once

#include <QPixmap>
#include <QWidget>

// The compass: a rose with north up and a needle whose red half points along the course.
class DirectionTray : public QWidget
{
public:
    explicit DirectionTray(QWidget *parent = nullptr);

    // Degrees clockwise from north.
    void setDirection(int degrees);
    int direction() const { return degrees; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap dial;
    int degrees = 0;
};
