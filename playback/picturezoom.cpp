#include "playback/picturezoom.h"

#include <QtGlobal>
#include <cmath>

void PictureZoom::zoomAt(const QPointF &point, int angleDelta, const QSizeF &size)
{
    const double wanted = qBound(1.0, mFactor * std::pow(1.25, angleDelta / 120.0), MaxFactor);
    // The picture point under the pointer before and after is the same.
    const QPointF under = mOrigin + point / mFactor;
    mFactor = wanted;
    mOrigin = under - point / mFactor;
    clamp(size);
}

void PictureZoom::pan(const QPointF &delta, const QSizeF &size)
{
    mOrigin -= delta / mFactor;
    clamp(size);
}

void PictureZoom::reset()
{
    mFactor = 1.0;
    mOrigin = QPointF();
}

QRectF PictureZoom::visibleRect(const QSizeF &size) const
{
    return QRectF(mOrigin, size / mFactor);
}

QRectF PictureZoom::pictureRect(const QSizeF &size) const
{
    return QRectF(-mOrigin * mFactor, size * mFactor);
}

void PictureZoom::clamp(const QSizeF &size)
{
    const QSizeF free = size - size / mFactor;
    mOrigin.setX(qBound(0.0, mOrigin.x(), qMax(free.width(), 0.0)));
    mOrigin.setY(qBound(0.0, mOrigin.y(), qMax(free.height(), 0.0)));
}
