#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QScreen;
class QWidget;
class QWindow;

// Reports a change of the logical DPI under a window: the window moved to another screen,
// or its screen's logical DPI changed. Each change emits dpiChanged() once after a delay of
// its own (one second by default), so that the system has settled before fonts are resized;
// several changes in a row give several signals.
class DpiWatcher : public QObject
{
    Q_OBJECT

public:
    // The watcher is a child of `window`; it attaches to the window's native window as soon
    // as one exists.
    explicit DpiWatcher(QWidget *window, int delayMs = 1000);

    int delay() const { return delayMs; }

public slots:
    // One change: starts the delay after which dpiChanged() is emitted.
    void notifyChange();

signals:
    void dpiChanged();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void attachToWindow();
    void attachToScreen(QScreen *screen);
    void onScreenChanged(QScreen *screen);

    QWidget *window;
    int delayMs;
    // Changing the window flags of a shown widget replaces its native window.
    QPointer<QWindow> handle;
    QMetaObject::Connection screenConnection;
    QPointer<QScreen> screen;
    QMetaObject::Connection dpiConnection;
};
