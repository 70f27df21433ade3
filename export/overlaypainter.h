#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// What the overlay shows at one output frame, already interpolated between fixes.
struct OverlaySample
{
    QString timeText;
    bool hasFix = false;
    double speedKmh = 0;
    double latitude = 0;
    double longitude = 0;
    double course = 0; // degrees clockwise from north
    float gsensorX = 0;
    float gsensorY = 0;
    float gsensorZ = 0;
};

// Draws the band burned into the bottom of an exported clip: speed dial, compass, clock,
// position, G-force, a free text line and a mini-map of the clip's track with the car on
// it. Painted at the output size (never scaled afterwards, so the text stays crisp); the
// frame handed out is ARGB32 with straight alpha, "bgra" to ffmpeg on little-endian machines.
class OverlayPainter
{
public:
    // `track`: the clip's fixes as (longitude, latitude), for the mini-map.
    OverlayPainter(const QSize &size, unsigned items, bool mph, const QString &text,
                   const QList<QPointF> &track);

    QSize size() const { return base.size(); }
    const QImage &paint(const OverlaySample &sample);

    // Band height for an output whose channels are `cellHeight` lines high.
    static int bandHeight(int cellHeight);

private:
    void paintBase(const QList<QPointF> &track);
    void paintSpeed(QPainter &painter, const OverlaySample &sample);
    void paintHeading(QPainter &painter, const OverlaySample &sample);
    void paintTexts(QPainter &painter, const OverlaySample &sample);
    void paintCar(QPainter &painter, const OverlaySample &sample);
    QPointF mapPoint(double longitude, double latitude) const;

    unsigned items;
    bool mph;
    QString text;
    QImage base;   // everything that does not move
    QImage canvas; // base plus this frame
    QImage frame;  // canvas with straight alpha
    QFont timeFont;
    QFont lineFont;
    QFont dialFont;
    QRectF speedDial;
    QRectF compass;
    QRectF textBox;
    QRectF mapBox;
    // Mini-map projection: the track's box, longitudes shrunk by the cosine of the latitude.
    double lonScale = 1;
    QPointF mapOrigin;
    double mapZoom = 0;
};
