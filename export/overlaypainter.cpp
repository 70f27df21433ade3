#include "export/overlaypainter.h"

#include "export/exportoptions.h"
#include "instruments/needles.h"
#include "parser/speedunits.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstring>

namespace {

constexpr int kDialMax = 220; // the same scale as the speed gauge beside the map

const QColor kPanel(0, 0, 0, 190);
const QColor kFace(24, 24, 30, 230);
const QColor kText(245, 245, 245);
const QColor kDim(170, 170, 180);

QString signedG(float g)
{
    return QString::asprintf("%+.2f", double(g));
}

} // namespace

int OverlayPainter::bandHeight(int cellHeight)
{
    const int h = qBound(96, int(cellHeight * 0.26), 280);
    return h & ~1; // the encoder's chroma planes want even sizes
}

OverlayPainter::OverlayPainter(const QSize &size, unsigned items, bool mph, const QString &text,
                               const QList<QPointF> &track)
    : items(items), mph(mph), text(text),
      base(size, QImage::Format_ARGB32_Premultiplied),
      canvas(size, QImage::Format_ARGB32_Premultiplied)
{
    const double h = size.height();
    const double pad = qRound(h * 0.07);
    const double d = h - 2 * pad;
    double x = pad;
    if (hasItem(items, OverlayItem::Speed)) {
        speedDial = QRectF(x, pad, d, d);
        x += d + pad;
    }
    if (hasItem(items, OverlayItem::Heading)) {
        compass = QRectF(x, pad, d, d);
        x += d + pad;
    }
    double right = size.width() - pad;
    if (hasItem(items, OverlayItem::Map)) {
        mapBox = QRectF(right - d * 1.4, pad, d * 1.4, d);
        right = mapBox.left() - pad;
    }
    textBox = QRectF(x, pad, qMax(0.0, right - x), d);

    timeFont = QFont(QFont().family());
    timeFont.setPixelSize(qMax(10, int(h * 0.22)));
    timeFont.setBold(true);
    lineFont = QFont(QFont().family());
    lineFont.setPixelSize(qMax(8, int(h * 0.14)));
    dialFont = QFont(QFont().family());
    dialFont.setPixelSize(qMax(8, int(d * 0.15)));
    dialFont.setBold(true);
    paintBase(track);
}

void OverlayPainter::paintBase(const QList<QPointF> &track)
{
    base.fill(Qt::transparent);
    QPainter painter(&base);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPanel);
    painter.drawRect(base.rect());

    if (!speedDial.isEmpty()) {
        painter.setBrush(kFace);
        painter.setPen(QPen(kDim, 1.5));
        painter.drawEllipse(speedDial);
        // Ticks every 20 over the gauge's 270 degrees, as on the dial beside the map.
        const QPointF c = speedDial.center();
        const double r = speedDial.width() / 2;
        for (int v = 0; v <= kDialMax; v += 20) {
            const double a = qDegreesToRadians(v * 270.0 / kDialMax - 135 - 90);
            const double inner = v % 40 == 0 ? 0.78 : 0.85;
            painter.drawLine(c + QPointF(qCos(a), qSin(a)) * r * inner,
                             c + QPointF(qCos(a), qSin(a)) * r * 0.94);
        }
    }
    if (!compass.isEmpty()) {
        painter.setBrush(kFace);
        painter.setPen(QPen(kDim, 1.5));
        painter.drawEllipse(compass);
        painter.setFont(dialFont);
        painter.setPen(kText);
        const QRectF north(compass.left(), compass.top() + compass.height() * 0.02,
                           compass.width(), compass.height() * 0.22);
        painter.drawText(north, Qt::AlignCenter, QStringLiteral("N"));
    }
    if (!mapBox.isEmpty()) {
        painter.setBrush(QColor(30, 38, 34, 230));
        painter.setPen(QPen(kDim, 1));
        painter.drawRoundedRect(mapBox, 4, 4);
        double minLon = 1e9, maxLon = -1e9, minLat = 1e9, maxLat = -1e9;
        for (const QPointF &p : track) {
            minLon = qMin(minLon, p.x());
            maxLon = qMax(maxLon, p.x());
            minLat = qMin(minLat, p.y());
            maxLat = qMax(maxLat, p.y());
        }
        if (!track.isEmpty()) {
            lonScale = qCos(qDegreesToRadians((minLat + maxLat) / 2));
            const double spanX = qMax((maxLon - minLon) * lonScale, 1e-6);
            const double spanY = qMax(maxLat - minLat, 1e-6);
            const QRectF inner = mapBox.adjusted(mapBox.height() * 0.12, mapBox.height() * 0.12,
                                                 -mapBox.height() * 0.12,
                                                 -mapBox.height() * 0.12);
            mapZoom = qMin(inner.width() / spanX, inner.height() / spanY);
            // Centred in the box whichever way the track is longer.
            const QPointF centre((minLon + maxLon) / 2 * lonScale, (minLat + maxLat) / 2);
            mapOrigin = inner.center() - QPointF(centre.x() * mapZoom, -centre.y() * mapZoom);
            QPainterPath path;
            path.moveTo(mapPoint(track.first().x(), track.first().y()));
            for (const QPointF &p : track)
                path.lineTo(mapPoint(p.x(), p.y()));
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(80, 170, 255), qMax(2.0, mapBox.height() * 0.03),
                                Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPath(path);
        }
    }
}

QPointF OverlayPainter::mapPoint(double longitude, double latitude) const
{
    return mapOrigin + QPointF(longitude * lonScale * mapZoom, -latitude * mapZoom);
}

const QImage &OverlayPainter::paint(const OverlaySample &sample)
{
    std::memcpy(canvas.bits(), base.constBits(), size_t(base.sizeInBytes()));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSpeed(painter, sample);
    paintHeading(painter, sample);
    paintTexts(painter, sample);
    paintCar(painter, sample);
    painter.end();
    // ffmpeg's overlay takes straight alpha; premultiplied values would darken the edges.
    frame = canvas.convertToFormat(QImage::Format_ARGB32);
    return frame;
}

void OverlayPainter::paintSpeed(QPainter &painter, const OverlaySample &sample)
{
    if (speedDial.isEmpty())
        return;
    const double value = mph ? sample.speedKmh / KmPerMile : sample.speedKmh;
    painter.setFont(dialFont);
    painter.setPen(kText);
    const QRectF number(speedDial.left(), speedDial.top() + speedDial.height() * 0.62,
                        speedDial.width(), speedDial.height() * 0.2);
    painter.drawText(number, Qt::AlignCenter,
                     sample.hasFix ? QString::number(qRound(value)) : QStringLiteral("--"));
    QFont unitFont = dialFont;
    unitFont.setBold(false);
    unitFont.setPixelSize(qMax(6, dialFont.pixelSize() * 2 / 3));
    painter.setFont(unitFont);
    painter.setPen(kDim);
    const QRectF unit(speedDial.left(), number.bottom(), speedDial.width(),
                      speedDial.height() * 0.14);
    painter.drawText(unit, Qt::AlignCenter,
                     mph ? QStringLiteral("MPH") : QStringLiteral("km/h"));
    painter.save();
    painter.translate(speedDial.center());
    painter.rotate(qBound(0.0, value, double(kDialMax)) * 270.0 / kDialMax - 135);
    Needles::drawSpeedNeedle(painter, speedDial.width() * 1.3);
    painter.restore();
}

void OverlayPainter::paintHeading(QPainter &painter, const OverlaySample &sample)
{
    if (compass.isEmpty())
        return;
    painter.save();
    painter.translate(compass.center());
    painter.rotate(sample.course);
    Needles::drawCompassNeedle(painter, compass.width() * 1.4, compass.width() * 0.04);
    painter.restore();
    painter.setFont(dialFont);
    painter.setPen(kText);
    const QRectF label(compass.left(), compass.top() + compass.height() * 0.72, compass.width(),
                       compass.height() * 0.2);
    painter.drawText(label, Qt::AlignCenter,
                     QStringLiteral("%1°").arg(qRound(sample.course) % 360));
}

void OverlayPainter::paintTexts(QPainter &painter, const OverlaySample &sample)
{
    if (textBox.width() < 8)
        return;
    QStringList lines;
    QList<const QFont *> fonts;
    if (hasItem(items, OverlayItem::Time)) {
        lines.append(sample.timeText);
        fonts.append(&timeFont);
    }
    if (hasItem(items, OverlayItem::Position)) {
        lines.append(sample.hasFix
                         ? QStringLiteral("%1%2  %3%4")
                               .arg(sample.latitude < 0 ? QLatin1Char('S') : QLatin1Char('N'))
                               .arg(qAbs(sample.latitude), 0, 'f', 6)
                               .arg(sample.longitude < 0 ? QLatin1Char('W') : QLatin1Char('E'))
                               .arg(qAbs(sample.longitude), 0, 'f', 6)
                         : QStringLiteral("--"));
        fonts.append(&lineFont);
    }
    if (hasItem(items, OverlayItem::GForce)) {
        lines.append(QStringLiteral("G  x %1  y %2  z %3")
                         .arg(signedG(sample.gsensorX), signedG(sample.gsensorY),
                              signedG(sample.gsensorZ)));
        fonts.append(&lineFont);
    }
    if (hasItem(items, OverlayItem::Text) && !text.isEmpty()) {
        lines.append(text);
        fonts.append(&lineFont);
    }
    double y = textBox.top();
    for (int i = 0; i < lines.size(); ++i) {
        painter.setFont(*fonts[i]);
        painter.setPen(i == 0 ? kText : QColor(220, 220, 228));
        const double lineHeight = fonts[i]->pixelSize() * 1.3;
        const QRectF box(textBox.left(), y, textBox.width(), lineHeight);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(lines[i], Qt::ElideRight,
                                                          int(textBox.width())));
        y += lineHeight;
        if (y > textBox.bottom())
            break;
    }
}

void OverlayPainter::paintCar(QPainter &painter, const OverlaySample &sample)
{
    if (mapBox.isEmpty() || mapZoom <= 0 || !sample.hasFix)
        return;
    const QPointF at = mapPoint(sample.longitude, sample.latitude);
    const double r = qMax(3.0, mapBox.height() * 0.06);
    painter.setPen(QPen(Qt::white, qMax(1.0, r * 0.35)));
    painter.setBrush(QColor(235, 40, 40));
    painter.drawEllipse(at, r, r);
}
