#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <Qt>
#include <functional>

class QWidget;
class QWindow;

// The border region under the cursor of a frameless window. The values are stored in the
// main window's `edgeRegion` and appear in logs.
enum EdgeRegion
{
    EdgeTop = 0,
    EdgeBottom = 1,
    EdgeLeft = 2,
    EdgeRight = 3,
    EdgeTopLeft = 4,
    EdgeBottomLeft = 5,
    EdgeBottomRight = 6,
    EdgeTopRight = 7,
    EdgeNone = 8,
};

struct BorderHit
{
    EdgeRegion region = EdgeNone;
    Qt::CursorShape cursor = Qt::ArrowCursor;

    bool onBorder() const { return region != EdgeNone; }
};

// The border hit test of a frameless window: `topLeft` and `bottomRight` are the window's
// first and last pixels in global coordinates, `cursor` the global cursor position. Corners
// are 8 x 8 pixels, edges 6 pixels deep; a maximised window has no border.
BorderHit hitTestBorder(const QPoint &topLeft, const QPoint &bottomRight, const QPoint &cursor,
                        bool maximized);

// The edges that QWindow::startSystemResize() takes for a region; none for EdgeNone.
Qt::Edges edgesForRegion(EdgeRegion region);

// The Windows size command (SC_SIZE + WMSZ_*, 0xF001..0xF008) of a region, for logs and
// for a Windows implementation; 0 for EdgeNone.
int sizeCommandForRegion(EdgeRegion region);

// Resizes a frameless top-level window by its borders. The window's native event filter
// hands every native event to nativeEventFilter(): pointer motion shows the resize cursor
// over a border, a left-button press on a border hands the resize to the window manager.
// Events of native child windows count as the window's own.
class FramelessResizer
{
public:
    using ResizeStarter = std::function<bool(QWindow *, Qt::Edges)>;

    explicit FramelessResizer(QWidget *window);

    // Widgets (and their children) that keep their own cursors: no border cursor over them.
    void addExcludedWidget(QWidget *widget);

    // A maximised window cannot be resized.
    void setMaximized(bool maximized) { isMaximized = maximized; }

    // The result of the last hit test.
    EdgeRegion edgeRegion() const { return lastRegion; }

    // Hit test at a global position: updates edgeRegion() and the window's cursor.
    BorderHit updateCursor(const QPoint &globalPos);

    // Returns true when the event was consumed (a press that started a resize).
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result);

    // Replaces QWindow::startSystemResize (tests; platforms without it).
    void setResizeStarter(ResizeStarter starter) { resizeStarter = std::move(starter); }

    // The major opcode of the X input extension, whose pointer events arrive as generic
    // events; found from the display connection when not set.
    void setXInputOpcode(int opcode) { xinputOpcode = opcode; }

private:
    bool isExcluded(const QPoint &globalPos) const;
    // The window's own X window or one of its native descendants'.
    bool ownsNativeWindow(quint32 nativeWindow) const;
    bool startResize(const QPoint &globalPos);
    bool handleMotion(quint32 window, const QPoint &nativeRootPos);
    bool handlePress(quint32 window, quint32 button, const QPoint &nativeRootPos);
    QPoint toLogical(const QPoint &nativeRootPos) const;
    int resolveXInputOpcode();

    QPointer<QWidget> window;
    QList<QPointer<QWidget>> excluded;
    bool isMaximized = false;
    EdgeRegion lastRegion = EdgeNone;
    bool cursorSet = false;
    int xinputOpcode = -1;
    ResizeStarter resizeStarter;
};
