#include "platform/dpiwatcher.h"

#include <QDebug>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

DpiWatcher::DpiWatcher(QWidget *window, int delayMs)
    : QObject(window), window(window), delayMs(delayMs)
{
    // The native window appears only when the widget is first shown.
    window->installEventFilter(this);
    attachToWindow();
}

void DpiWatcher::notifyChange()
{
    QTimer::singleShot(delayMs, this, &DpiWatcher::dpiChanged);
}

bool DpiWatcher::eventFilter(QObject *object, QEvent *event)
{
    if (object == window && (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show))
        attachToWindow();
    return QObject::eventFilter(object, event);
}

void DpiWatcher::attachToWindow()
{
    QWindow *current = window->windowHandle();
    if (!current || current == handle)
        return;
    if (screenConnection)
        disconnect(screenConnection);
    handle = current;
    screenConnection =
        connect(current, &QWindow::screenChanged, this, &DpiWatcher::onScreenChanged);
    attachToScreen(current->screen());
}

void DpiWatcher::attachToScreen(QScreen *newScreen)
{
    if (dpiConnection)
        disconnect(dpiConnection);
    screen = newScreen;
    if (!newScreen)
        return;
    dpiConnection =
        connect(newScreen, &QScreen::logicalDotsPerInchChanged, this, [this](qreal dpi) {
            qDebug() << "DpiWatcher logicalDotsPerInchChanged:" << dpi;
            notifyChange();
        });
}

void DpiWatcher::onScreenChanged(QScreen *newScreen)
{
    qDebug() << "DpiWatcher screenChanged:" << (newScreen ? newScreen->name() : QString())
             << (newScreen ? newScreen->logicalDotsPerInch() : 0.0);
    attachToScreen(newScreen);
    notifyChange();
}
