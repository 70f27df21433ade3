#include "instruments/directiontray.h"

#include "instruments/dialsquare.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace {

// One half of one end of the needle, filled and outlined in one colour.
void drawTriangle(QPainter &painter, const QColor &color, double side, double tip)
{
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawPolygon(QPolygonF({{0, 0}, {side, 0}, {0, tip}, {0, tip}}));
}

} // namespace

DirectionTray::DirectionTray(QWidget *parent)
    : QWidget(parent), dial(QStringLiteral(":/image/direction.png"))
{
}

void DirectionTray::setDirection(int newDegrees)
{
    degrees = newDegrees;
    update();
}

void DirectionTray::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawPixmap(dialSquare(size()), dial);

    const int w = width();
    const int h = height();
    painter.translate(w * 0.5, h * 0.5);
    painter.rotate(degrees);
    const double m = std::min(w, h);
    const double b = m * 0.06 * 0.5;
    const double length = m * double(0.24f);
    drawTriangle(painter, Qt::darkRed, -b, -length);
    drawTriangle(painter, QColor(78, 18, 18), b, -length);
    drawTriangle(painter, QColor(240, 240, 240), -b, length);
    drawTriangle(painter, QColor(190, 190, 190), b, length);

    const QColor hub(120, 120, 120);
    painter.setPen(hub);
    painter.setBrush(hub);
    painter.drawEllipse(QPointF(0, 0), 4, 4);
}
