#include "platform/movefilter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

MoveFilter *MoveFilter::install(QWidget *window, QObject *target)
{
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint);
    auto *filter = new MoveFilter(window, target);
    target->installEventFilter(filter);
    return filter;
}

MoveFilter::MoveFilter(QWidget *window, QObject *target)
    : QObject(window), window(window), target(target)
{
}

void MoveFilter::setMoveLocked(bool locked)
{
    moveLocked = locked;
    // A drag cut short by the lock must not resume when the lock is lifted.
    if (locked)
        dragging = false;
}

bool MoveFilter::eventFilter(QObject *object, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                       type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
    if (!mouse)
        return QObject::eventFilter(object, event);

    auto *mouseEvent = static_cast<QMouseEvent *>(event);
    // The release can come while the window is locked (a double click maximises it in the
    // middle of a press); ending the drag only when unlocked would leave the window glued to
    // the pointer once it is restored.
    if (type == QEvent::MouseButtonRelease)
        dragging = false;

    if (!window->isMaximized() && !moveLocked) {
        if (type == QEvent::MouseButtonPress && mouseEvent->button() == Qt::LeftButton) {
            lastPosition = mouseEvent->globalPos();
            dragging = true;
        } else if (type == QEvent::MouseMove && dragging &&
                   (mouseEvent->buttons() & Qt::LeftButton)) {
            const QPoint global = mouseEvent->globalPos();
            const QPoint delta = global - lastPosition;
            lastPosition = global;
            window->move(window->pos() + delta);
        }
    }

    if (object == target && type == QEvent::MouseButtonDblClick &&
        mouseEvent->button() == Qt::LeftButton)
        emit doubleClicked();

    return QObject::eventFilter(object, event);
}
