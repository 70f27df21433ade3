#include "instruments/directiontray.h"

#include "instruments/dialsquare.h"
#include "instruments/needles.h"

#include <QPainter>
#include <algorithm>

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
    Needles::drawCompassNeedle(painter, std::min(w, h));
}
