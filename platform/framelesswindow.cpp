#include "platform/framelesswindow.h"

#include <QCursor>
#include <QDebug>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int cornerSize = 7; // pixels beyond the first one: corners are 8 x 8
constexpr int edgeDepth = 5;  // edges are 6 pixels deep

bool within(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

BorderHit hitTestBorder(const QPoint &topLeft, const QPoint &bottomRight, const QPoint &cursor,
                        bool maximized)
{
    if (maximized)
        return {};
    const int x = cursor.x();
    const int y = cursor.y();
    const bool nearLeft = within(x, topLeft.x(), topLeft.x() + cornerSize);
    const bool nearRight = within(x, bottomRight.x() - cornerSize, bottomRight.x());
    const bool nearTop = within(y, topLeft.y(), topLeft.y() + cornerSize);
    const bool nearBottom = within(y, bottomRight.y() - cornerSize, bottomRight.y());

    if (nearLeft && nearTop)
        return {EdgeTopLeft, Qt::SizeFDiagCursor};
    if (nearRight && nearBottom)
        return {EdgeBottomRight, Qt::SizeFDiagCursor};
    if (nearLeft && nearBottom)
        return {EdgeBottomLeft, Qt::SizeBDiagCursor};
    if (nearRight && nearTop)
        return {EdgeTopRight, Qt::SizeBDiagCursor};
    if (within(x, topLeft.x(), topLeft.x() + edgeDepth))
        return {EdgeLeft, Qt::SizeHorCursor};
    if (within(x, bottomRight.x() - edgeDepth, bottomRight.x()))
        return {EdgeRight, Qt::SizeHorCursor};
    if (within(y, topLeft.y(), topLeft.y() + edgeDepth))
        return {EdgeTop, Qt::SizeVerCursor};
    if (within(y, bottomRight.y() - edgeDepth, bottomRight.y()))
        return {EdgeBottom, Qt::SizeVerCursor};
    return {};
}

Qt::Edges edgesForRegion(EdgeRegion region)
{
    switch (region) {
    case EdgeTop:
        return Qt::TopEdge;
    case EdgeBottom:
        return Qt::BottomEdge;
    case EdgeLeft:
        return Qt::LeftEdge;
    case EdgeRight:
        return Qt::RightEdge;
    case EdgeTopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case EdgeBottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case EdgeBottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    case EdgeTopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case EdgeNone:
        break;
    }
    return {};
}

int sizeCommandForRegion(EdgeRegion region)
{
    switch (region) {
    case EdgeTop:
        return 0xF003;
    case EdgeBottom:
        return 0xF006;
    case EdgeLeft:
        return 0xF001;
    case EdgeRight:
        return 0xF002;
    case EdgeTopLeft:
        return 0xF004;
    case EdgeBottomLeft:
        return 0xF007;
    case EdgeBottomRight:
        return 0xF008;
    case EdgeTopRight:
        return 0xF005;
    case EdgeNone:
        break;
    }
    return 0;
}
