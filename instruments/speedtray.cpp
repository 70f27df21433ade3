#include "instruments/speedtray.h"

#include "instruments/dialsquare.h"
#include "instruments/needles.h"
#include "parser/speedunits.h"
#include "settings/configuration.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kMaxSpeed = 220;

bool showsMph()
{
    return Configuration::instance()->speedUnit() != 0;
}

} // namespace

SpeedTray::SpeedTray(QWidget *parent) : QWidget(parent), dial(QStringLiteral(":/image/speed.png"))
{
    setSpeed(0);
}

void SpeedTray::setSpeed(int kmh)
{
    if (kmh < 0 || kmh > kMaxSpeed)
        return;
    value = showsMph() ? int(kmh / KmPerMile) : kmh;
    // The dial has one scale for both units, so an MPH value uses the km/h angles.
    angle = value * 270 / kMaxSpeed - 135;
    update();
}

void SpeedTray::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const int w = width();
    const int h = height();
    const QRect square = dialSquare(size());
    painter.drawPixmap(square, dial);

    painter.setPen(
        QPen(QBrush(QColor(245, 41, 56)), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setFont(QFont(QStringLiteral("Calibri"), square.width() > 200 ? 14 : 10));
    const QString text = showsMph() ? tr("%1 MPH").arg(value) : tr("%1 km/h").arg(value);
    const QRectF textBox(w / 2 - (w / 3) / 2, square.width() * 0.76 + square.top(), w / 3, h / 12);
    painter.drawText(textBox, Qt::AlignHCenter | Qt::AlignVCenter, text);

    painter.translate(w * 0.5, h * 0.5);
    painter.rotate(angle);
    Needles::drawSpeedNeedle(painter, std::min(w, h));
}
