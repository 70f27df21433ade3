#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Makes a frameless top-level window movable by dragging it with the left mouse button,
// and reports double clicks on it.
class MoveFilter : public QObject
{
    Q_OBJECT

public:
    // Gives `window` the flags of a frameless window (Qt::Window | Qt::FramelessWindowHint |
    // Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint), creates a filter owned by
    // `window`, installs it on `target` and returns it.
    static MoveFilter *install(QWidget *window, QObject *target);

    // No dragging while locked (the window fills the screen).
    void setMoveLocked(bool locked);
    bool isMoveLocked() const { return moveLocked; }

signals:
    void doubleClicked();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    MoveFilter(QWidget *window, QObject *target);

    QWidget *window;
    QObject *target;
    bool dragging = false;
    QPoint lastPosition;
    bool moveLocked = false;
};
