#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// The zoom of one player's picture: 1x to 4x, anchored so that the point under the mouse
// stays put, panned by dragging, never showing past the picture's edges. Coordinates are
// the player's own (its whole area is the unzoomed picture).
class PictureZoom
{
public:
    static constexpr double MaxFactor = 4.0;

    double factor() const { return mFactor; }
    bool isZoomed() const { return mFactor > 1.0; }

    // One wheel notch (120 units of angle delta) zooms by a quarter.
    void zoomAt(const QPointF &point, int angleDelta, const QSizeF &size);
    // Moves the picture with the mouse by `delta`.
    void pan(const QPointF &delta, const QSizeF &size);
    void reset();

    // The part of the unzoomed picture that fills the player.
    QRectF visibleRect(const QSizeF &size) const;
    // Where the whole picture lands, scaled up and shifted: larger than the player.
    QRectF pictureRect(const QSizeF &size) const;

private:
    void clamp(const QSizeF &size);

    double mFactor = 1.0;
    QPointF mOrigin; // top-left of visibleRect
};
