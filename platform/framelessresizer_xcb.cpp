// X11 side of FramelessResizer: the native events of the xcb platform plugin.
#include "platform/framelesswindow.h"

#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QWidget>
#include <QWindow>
#include <QX11Info>
#include <cstring>
#include <xcb/xcb.h>

namespace {

// Pointer events of the X input extension 2.2, which Qt selects instead of the core
// events whenever the server offers them. The layout is the one libxcb delivers (with its
// full_sequence field inserted after the first 32 bytes); xcb/xinput.h is not needed.
struct XInputDeviceEvent
{
    quint8 responseType;
    quint8 extension;
    quint16 sequence;
    quint32 length;
    quint16 eventType;
    quint16 deviceId;
    quint32 time;
    quint32 detail;
    quint32 root;
    quint32 event;
    quint32 child;
    quint32 fullSequence;
    qint32 rootX; // 16.16 fixed point
    qint32 rootY;
    qint32 eventX;
    qint32 eventY;
};

constexpr quint16 xiButtonPress = 4;
constexpr quint16 xiMotion = 6;

} // namespace

FramelessResizer::FramelessResizer(QWidget *window) : window(window)
{
    resizeStarter = [](QWindow *handle, Qt::Edges edges) {
        return handle && handle->startSystemResize(edges);
    };
}

void FramelessResizer::addExcludedWidget(QWidget *widget)
{
    if (widget)
        excluded.append(widget);
}

bool FramelessResizer::isExcluded(const QPoint &globalPos) const
{
    const QWidget *under = QApplication::widgetAt(globalPos);
    if (!under)
        return false;
    for (const QPointer<QWidget> &widget : excluded) {
        if (widget && (widget == under || widget->isAncestorOf(under)))
            return true;
    }
    return false;
}

BorderHit FramelessResizer::updateCursor(const QPoint &globalPos)
{
    if (!window)
        return {};
    const QPoint topLeft = window->mapToGlobal(window->rect().topLeft());
    const QPoint bottomRight = window->mapToGlobal(window->rect().bottomRight());
    const BorderHit hit = hitTestBorder(topLeft, bottomRight, globalPos, isMaximized);
    lastRegion = hit.region;
    if (hit.onBorder()) {
        window->setCursor(hit.cursor);
        cursorSet = true;
    } else if (cursorSet) {
        // Back to whatever the widgets under the pointer want.
        window->unsetCursor();
        cursorSet = false;
    }
    return hit;
}

bool FramelessResizer::startResize(const QPoint &globalPos)
{
    const BorderHit hit = updateCursor(globalPos);
    if (!hit.onBorder())
        return false;
    const Qt::Edges edges = edgesForRegion(hit.region);
    const bool started = resizeStarter && resizeStarter(window->windowHandle(), edges);
    qDebug() << "FramelessResizer resize region:" << hit.region << "command:" << Qt::hex
             << sizeCommandForRegion(hit.region) << Qt::dec << "started:" << started;
    return started;
}

QPoint FramelessResizer::toLogical(const QPoint &nativeRootPos) const
{
    // Without high-DPI scaling native and logical pixels agree; with it, the mapping
    // depends on the screen, which only Qt knows.
    const QWindow *handle = window ? window->windowHandle() : nullptr;
    if (!handle || qFuzzyCompare(handle->devicePixelRatio(), 1.0))
        return nativeRootPos;
    return QCursor::pos();
}

bool FramelessResizer::ownsNativeWindow(quint32 nativeWindow) const
{
    if (!window)
        return false;
    if (quint32(window->effectiveWinId()) == nativeWindow)
        return true;
    // A child with an X window of its own (a video sink's, and then its ancestors' too)
    // receives the pointer events over it.
    const QWidget *target = QWidget::find(WId(nativeWindow));
    return target && window->isAncestorOf(target);
}

bool FramelessResizer::handleMotion(quint32 nativeWindow, const QPoint &nativeRootPos)
{
    if (!ownsNativeWindow(nativeWindow))
        return false;
    const QPoint global = toLogical(nativeRootPos);
    if (isExcluded(global))
        return false;
    updateCursor(global);
    // The cursor is a property of the X window, not set again per motion as on other
    // systems: Qt still needs the motion for hover and enter/leave, so it is not consumed.
    return false;
}

bool FramelessResizer::handlePress(quint32 nativeWindow, quint32 button,
                                   const QPoint &nativeRootPos)
{
    if (button != 1 || !ownsNativeWindow(nativeWindow))
        return false;
    const QPoint global = toLogical(nativeRootPos);
    if (isExcluded(global))
        return false;
    return startResize(global);
}

int FramelessResizer::resolveXInputOpcode()
{
    if (xinputOpcode >= 0)
        return xinputOpcode;
    xcb_connection_t *connection = QX11Info::isPlatformX11() ? QX11Info::connection() : nullptr;
    if (!connection) {
        xinputOpcode = 0; // no generic event has major opcode 0
        return xinputOpcode;
    }
    static const char name[] = "XInputExtension";
    const xcb_query_extension_cookie_t cookie =
        xcb_query_extension(connection, sizeof(name) - 1, name);
    xcb_query_extension_reply_t *reply = xcb_query_extension_reply(connection, cookie, nullptr);
    xinputOpcode = (reply && reply->present) ? reply->major_opcode : 0;
    free(reply);
    return xinputOpcode;
}

bool FramelessResizer::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (!message || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    switch (event->response_type & ~0x80) {
    case XCB_MOTION_NOTIFY: {
        const auto *motion = static_cast<const xcb_motion_notify_event_t *>(message);
        return handleMotion(motion->event, QPoint(motion->root_x, motion->root_y));
    }
    case XCB_BUTTON_PRESS: {
        const auto *press = static_cast<const xcb_button_press_event_t *>(message);
        return handlePress(press->event, press->detail, QPoint(press->root_x, press->root_y));
    }
    case XCB_GE_GENERIC: {
        const auto *generic = static_cast<const XInputDeviceEvent *>(message);
        if (generic->extension == 0 || generic->extension != resolveXInputOpcode())
            return false;
        const QPoint root(generic->rootX >> 16, generic->rootY >> 16);
        if (generic->eventType == xiMotion)
            return handleMotion(generic->event, root);
        if (generic->eventType == xiButtonPress)
            return handlePress(generic->event, generic->detail, root);
        return false;
    }
    default:
        return false;
    }
}
