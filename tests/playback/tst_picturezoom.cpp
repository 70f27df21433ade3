// The picture zoom's geometry: the point under the pointer stays put, the view never leaves
// the picture, and the factor stays within 1x..4x.

#include "playback/picturezoom.h"

#include <QtTest>

class TestPictureZoom : public QObject
{
    Q_OBJECT
private slots:
    void zoomKeepsThePointUnderThePointer()
    {
        const QSizeF size(640, 360);
        PictureZoom zoom;
        const QPointF pointer(500, 90);
        // The picture point under the pointer, before and after each notch.
        const auto under = [&] {
            const QRectF v = zoom.visibleRect(size);
            return v.topLeft() + QPointF(pointer.x() / size.width() * v.width(),
                                         pointer.y() / size.height() * v.height());
        };
        for (int notch = 0; notch < 3; ++notch) {
            const QPointF before = under();
            zoom.zoomAt(pointer, 120, size);
            QVERIFY(qAbs(under().x() - before.x()) < 1e-9 && qAbs(under().y() - before.y()) < 1e-9);
        }
        QVERIFY(qFuzzyCompare(zoom.factor(), 1.25 * 1.25 * 1.25));
        // pictureRect is visibleRect seen from the other side: the visible part fills the player.
        const QRectF picture = zoom.pictureRect(size);
        const QRectF visible = zoom.visibleRect(size);
        QVERIFY(qAbs(picture.x() + visible.x() * zoom.factor()) < 1e-9);
        QVERIFY(qFuzzyCompare(picture.width(), size.width() * zoom.factor()));
    }

    void boundsAndReset()
    {
        const QSizeF size(640, 360);
        PictureZoom zoom;
        zoom.zoomAt(QPointF(10, 10), -240, size); // out at 1x stays 1x
        QCOMPARE(zoom.factor(), 1.0);
        QCOMPARE(zoom.visibleRect(size), QRectF(QPointF(0, 0), size));
        zoom.zoomAt(QPointF(640, 360), 120 * 20, size);
        QCOMPARE(zoom.factor(), PictureZoom::MaxFactor);
        QCOMPARE(zoom.visibleRect(size), QRectF(480, 270, 160, 90)); // bottom-right corner
        zoom.pan(QPointF(-1000, -1000), size); // dragging left/up shows more of the right/bottom
        QCOMPARE(zoom.visibleRect(size).topLeft(), QPointF(480, 270));
        zoom.pan(QPointF(2000, 2000), size);
        QCOMPARE(zoom.visibleRect(size).topLeft(), QPointF(0, 0));
        zoom.pan(QPointF(-40, 0), size);
        QCOMPARE(zoom.visibleRect(size).topLeft(), QPointF(10, 0));
        zoom.reset();
        QVERIFY(!zoom.isZoomed());
        QCOMPARE(zoom.pictureRect(size), QRectF(QPointF(0, 0), size));
    }
};

QTEST_APPLESS_MAIN(TestPictureZoom)
#include "tst_picturezoom.moc"
