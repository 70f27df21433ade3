#pragma once

#include <QRect>
#include <QSize>

// The largest square centred in a widget of the given size, where both gauges draw their
// dial; the halves truncate toward zero, as integer division does.
inline QRect dialSquare(const QSize &size)
{
    const int w = size.width();
    const int h = size.height();
    if (h > w)
        return QRect(0, (h - w) / 2, w, w);
    return QRect((w - h) / 2, 0, h, h);
}
