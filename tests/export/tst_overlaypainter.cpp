// The overlay band: values blended between fixes, the needle where the speed says, the car
// moving along the mini-map, and nothing of the band left fully transparent.

#include "export/exportoptions.h"
#include "export/overlaypainter.h"
#include "export/overlaysamples.h"

#include <QGuiApplication>
#include <QtTest>

namespace {

GpsData fix(double lat, double lon, int speed, double course)
{
    GpsData d;
    d.latitude = lat;
    d.longitude = lon;
    d.speed = speed;
    d.course = course;
    return d;
}

// The needle's reds, antialiased over the dark face, anywhere within two pixels.
bool redNear(const QImage &image, const QPoint &at)
{
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QRgb p = image.pixel(at + QPoint(dx, dy));
            if (qRed(p) > 60 && qRed(p) > qGreen(p) + 40)
                return true;
        }
    }
    return false;
}

// Centre of the car's red dot in `box`, or (-1, -1).
QPointF redCentre(const QImage &image, const QRect &box)
{
    double x = 0, y = 0;
    int n = 0;
    for (int j = box.top(); j <= box.bottom(); ++j) {
        for (int i = box.left(); i <= box.right(); ++i) {
            if (qRed(image.pixel(i, j)) > 200 && qGreen(image.pixel(i, j)) < 90) {
                x += i;
                y += j;
                ++n;
            }
        }
    }
    return n ? QPointF(x / n, y / n) : QPointF(-1, -1);
}

} // namespace

class TestOverlayPainter : public QObject
{
    Q_OBJECT

private slots:
    void blendsBetweenFixes();
    void needleFollowsSpeed();
    void carMovesAlongTheMap();
};

void TestOverlayPainter::blendsBetweenFixes()
{
    ClipRecording r;
    r.start = QDateTime(QDate(2024, 5, 17), QTime(8, 30, 0), Qt::UTC);
    r.duration = 3;
    r.track = {fix(47.0, 9.0, 40, 350), fix(47.002, 9.002, 60, 10), GpsData()};
    const OverlaySample half = OverlaySamples::at(r, 0.5);
    QCOMPARE(half.timeText, QStringLiteral("2024-05-17 08:30:00"));
    QCOMPARE(half.speedKmh, 50.0);
    QVERIFY(qAbs(half.latitude - 47.001) < 1e-9);
    // Across north the short way.
    QVERIFY(half.course < 1e-9 || half.course > 360 - 1e-9);
    // A lost fix next: hold the last one instead of sliding towards (0, 0).
    const OverlaySample lost = OverlaySamples::at(r, 1.5);
    QVERIFY(lost.hasFix);
    QCOMPARE(lost.latitude, 47.002);
    QVERIFY(!OverlaySamples::at(r, 2.2).hasFix);
    // Past the track's end: the last record, never out of range.
    QVERIFY(!OverlaySamples::at(r, 50).hasFix);
    QCOMPARE(OverlaySamples::at(r, 50).timeText, QStringLiteral("2024-05-17 08:30:50"));
}

void TestOverlayPainter::needleFollowsSpeed()
{
    OverlayPainter painter(QSize(600, 100), unsigned(OverlayItem::Speed), false, QString(), {});
    OverlaySample s;
    s.hasFix = true;
    // 110 km/h points straight up, as on the gauge beside the map; 0 points down-left.
    s.speedKmh = 110;
    const QImage up = painter.paint(s).copy();
    s.speedKmh = 0;
    const QImage rest = painter.paint(s).copy();
    const QPoint aboveHub(50, 26);
    QVERIFY(redNear(up, aboveHub));
    QVERIFY(!redNear(rest, aboveHub));
    for (int y = 0; y < up.height(); ++y) {
        for (int x = 0; x < up.width(); ++x)
            QVERIFY(qAlpha(up.pixel(x, y)) > 100);
    }
    QCOMPARE(up.format(), QImage::Format_ARGB32);
}

void TestOverlayPainter::carMovesAlongTheMap()
{
    const QList<QPointF> track{{9.30, 47.60}, {9.31, 47.61}};
    OverlayPainter painter(QSize(600, 100), unsigned(OverlayItem::Map), false, QString(), track);
    OverlaySample s;
    s.hasFix = true;
    s.longitude = 9.30;
    s.latitude = 47.60;
    const QRect mapArea(400, 0, 200, 100);
    const QPointF first = redCentre(painter.paint(s), mapArea);
    s.longitude = 9.31;
    s.latitude = 47.61;
    const QPointF last = redCentre(painter.paint(s), mapArea);
    QVERIFY(first.x() > 0 && last.x() > 0);
    // North-east: right and up on the map.
    QVERIFY(last.x() > first.x() + 10);
    QVERIFY(last.y() < first.y() - 10);
    // Without a fix there is no car at all.
    s.hasFix = false;
    QCOMPARE(redCentre(painter.paint(s), mapArea), QPointF(-1, -1));
}

QTEST_MAIN(TestOverlayPainter)
#include "tst_overlaypainter.moc"
