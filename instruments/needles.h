#pragma once

#include <QColor>
#include <QPainter>
#include <QPolygonF>

// The gauges' needles, drawn about the painter's origin pointing up (rotate the painter
// first). Shared by the instruments beside the map and the overlay burned into exported
// clips, so both show the same needle. `m` is the side of the dial's square.
namespace Needles {

inline void drawSpeedNeedle(QPainter &painter, double m)
{
    const double r = m * 0.04;
    const double length = m * double(0.3f);
    // Two halves in different reds give the needle its ridge.
    const QColor leftShade(78, 18, 18);
    painter.setPen(leftShade);
    painter.setBrush(leftShade);
    painter.drawPolygon(QPolygonF({{0, 0}, {-r / 2, 0}, {-0.5, -length}, {0, -length}}));
    painter.setPen(QColor(Qt::darkRed));
    painter.setBrush(QColor(Qt::darkRed));
    painter.drawPolygon(QPolygonF({{0, 0}, {r / 2, 0}, {0.5, -length}, {0, -length}}));
    painter.drawEllipse(QPointF(0, 0), r - 1, r - 1);
}

namespace detail {
// One half of one end of the compass needle, filled and outlined in one colour.
inline void drawTriangle(QPainter &painter, const QColor &color, double side, double tip)
{
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawPolygon(QPolygonF({{0, 0}, {side, 0}, {0, tip}, {0, tip}}));
}
} // namespace detail

inline void drawCompassNeedle(QPainter &painter, double m, double hubRadius = 4)
{
    const double b = m * 0.06 * 0.5;
    const double length = m * double(0.24f);
    detail::drawTriangle(painter, Qt::darkRed, -b, -length);
    detail::drawTriangle(painter, QColor(78, 18, 18), b, -length);
    detail::drawTriangle(painter, QColor(240, 240, 240), -b, length);
    detail::drawTriangle(painter, QColor(190, 190, 190), b, length);
    const QColor hub(120, 120, 120);
    painter.setPen(hub);
    painter.setBrush(hub);
    painter.drawEllipse(QPointF(0, 0), hubRadius, hubRadius);
}

} // namespace Needles
