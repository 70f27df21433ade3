#include "tools/demo/roadscene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace {

// The camera sees the road from 1.3 m; a point `distance` metres ahead lies `scale /
// distance` of the lower picture below the horizon.
const double kNearest = 4.0;      // metres at the bottom edge
const double kDashLength = 3.0;   // metres
const double kDashPeriod = 12.0;  // dash plus gap
const double kPostPeriod = 25.0;  // roadside posts
const double kHalfRoad = 3.6;     // metres from the centre line to the edge line

struct View
{
    double width, height, horizon;

    // Screen y of a point on the road `distance` ahead.
    double y(double distance) const { return horizon + (height - horizon) * kNearest / distance; }
    // Screen x of a point `lateral` metres right of the centre line at `distance`.
    double x(double lateral, double distance) const
    {
        return width / 2 + lateral * (height - horizon) * kNearest / distance * 0.55;
    }
};

void band(QPainter &p, const View &v, double lateral, double halfWidth, double near, double far,
          const QColor &color)
{
    const QPolygonF shape({{v.x(lateral - halfWidth, near), v.y(near)},
                           {v.x(lateral + halfWidth, near), v.y(near)},
                           {v.x(lateral + halfWidth, far), v.y(far)},
                           {v.x(lateral - halfWidth, far), v.y(far)}});
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(shape);
}

} // namespace

QImage roadScene(const QSize &size, double travelled, bool rear)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const View v{double(size.width()), double(size.height()), size.height() * 0.42};
    // The rear camera looks back: what comes nearer to the front camera recedes from it.
    const double offset = rear ? -travelled : travelled;

    QLinearGradient sky(0, 0, 0, v.horizon);
    sky.setColorAt(0, QColor(96, 146, 206));
    sky.setColorAt(1, QColor(196, 214, 230));
    p.fillRect(QRectF(0, 0, v.width, v.horizon), sky);

    // Hills along the horizon, drifting slowly.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 118, 104));
    QPolygonF hills;
    hills << QPointF(0, v.horizon);
    for (int i = 0; i <= 64; ++i) {
        const double x = v.width * i / 64;
        const double phase = x / v.width * 9 + (rear ? 1.7 : 0);
        hills << QPointF(x, v.horizon - 18 - 22 * std::sin(phase) * std::sin(phase * 0.37 + 1));
    }
    hills << QPointF(v.width, v.horizon);
    p.drawPolygon(hills);

    QLinearGradient grass(0, v.horizon, 0, v.height);
    grass.setColorAt(0, QColor(104, 128, 82));
    grass.setColorAt(1, QColor(64, 96, 50));
    p.fillRect(QRectF(0, v.horizon, v.width, v.height - v.horizon), grass);

    const double far = 2000;
    band(p, v, 0, kHalfRoad + 0.9, kNearest, far, QColor(72, 72, 78));
    band(p, v, -kHalfRoad, 0.1, kNearest, far, QColor(232, 232, 226));
    band(p, v, kHalfRoad, 0.1, kNearest, far, QColor(232, 232, 226));

    // Centre dashes: world positions fixed to the road, so they stream past as we drive.
    const double firstDash = std::floor((kNearest + offset) / kDashPeriod) * kDashPeriod - offset;
    for (double start = firstDash; start < 400; start += kDashPeriod) {
        const double near = std::max(start, kNearest);
        const double end = start + kDashLength;
        if (end > kNearest)
            band(p, v, 0, 0.08, near, end, QColor(240, 240, 232));
    }

    // Posts on both verges: white with a black band, as on rural roads.
    const double firstPost = std::floor((kNearest + offset) / kPostPeriod) * kPostPeriod - offset;
    for (double at = firstPost + kPostPeriod; at < 600; at += kPostPeriod) {
        const double scale = (v.height - v.horizon) * kNearest / at * 0.55;
        for (double side : {-1.0, 1.0}) {
            const double x = v.x(side * (kHalfRoad + 1.6), at);
            const double base = v.y(at);
            const double h = 1.0 * scale;
            const double w = std::max(1.0, 0.12 * scale);
            p.fillRect(QRectF(x - w / 2, base - h, w, h), QColor(236, 236, 236));
            p.fillRect(QRectF(x - w / 2, base - h * 0.8, w, h * 0.15), QColor(30, 30, 30));
        }
    }
    p.end();
    return rear ? image.mirrored(true, false) : image;
}
