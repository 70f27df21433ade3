#include "instruments/directiontray.h"
#include "instruments/speedtray.h"
#include "settings/configuration.h"

#include <QImage>
#include <QStandardPaths>
#include <QtMath>
#include <QtTest>

namespace {

// Neither dial has a colour like this, so what stays of it was not painted.
const QColor kBackdrop(0, 255, 0);

QImage renderOf(QWidget &widget, const QSize &size)
{
    widget.resize(size);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(kBackdrop);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The pixel at `distance` from the widget's centre in the direction `degrees` clockwise
// from straight up.
QColor pixelAlong(const QImage &image, double degrees, double distance)
{
    const double radians = qDegreesToRadians(degrees);
    const QPointF centre(image.width() * 0.5, image.height() * 0.5);
    const QPointF at = centre + QPointF(std::sin(radians), -std::cos(radians)) * distance;
    return image.pixelColor(at.toPoint());
}

bool isNeedleRed(const QColor &c)
{
    return c.red() >= 60 && c.red() > 2 * c.green() && c.red() > 2 * c.blue();
}

bool isNeedleWhite(const QColor &c)
{
    return c.red() >= 180 && c.green() >= 180 && c.blue() >= 180;
}

// The pixels of the speed text's red inside the band of the dial's text box (the dial's own
// red figures lie outside it).
QRect textExtent(const QImage &image)
{
    const int side = qMin(image.width(), image.height());
    const int top = (image.height() - side) / 2;
    QRect extent;
    for (int y = top + side * 70 / 100; y < top + side * 88 / 100; ++y)
        for (int x = image.width() / 2 - side / 4; x < image.width() / 2 + side / 4; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 110 && c.blue() < 120)
                extent |= QRect(x, y, 1, 1);
        }
    return extent;
}

} // namespace

class TestGauges : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Configuration::instance()->setSpeedUnit(0);
    }
    void cleanup() { Configuration::instance()->setSpeedUnit(0); }

    void needlePointsAtTheSpeed_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("kmh");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("angle");
        QTest::newRow("0 km/h") << 0 << 0 << 0 << -135;
        QTest::newRow("1 km/h truncates") << 0 << 1 << 1 << -134;
        QTest::newRow("110 km/h") << 0 << 110 << 110 << 0;
        QTest::newRow("220 km/h") << 0 << 220 << 220 << 135;
        QTest::newRow("0 MPH") << 1 << 0 << 0 << -135;
        QTest::newRow("110 km/h in MPH") << 1 << 110 << 68 << -52;
        QTest::newRow("220 km/h in MPH") << 1 << 220 << 136 << 31;
    }
    void needlePointsAtTheSpeed()
    {
        QFETCH(int, unit);
        QFETCH(int, kmh);
        QFETCH(int, shown);
        QFETCH(int, angle);
        Configuration::instance()->setSpeedUnit(unit);
        SpeedTray gauge;
        gauge.setSpeed(kmh);
        QCOMPARE(gauge.shownValue(), shown);
        QCOMPARE(gauge.needleAngle(), angle);

        const QImage image = renderOf(gauge, QSize(300, 300));
        // Half way along the needle, and the same distance the other way round.
        QVERIFY(isNeedleRed(pixelAlong(image, angle, 45)));
        QVERIFY(!isNeedleRed(pixelAlong(image, angle + 180, 45)));
        QVERIFY(!isNeedleRed(pixelAlong(image, angle + 90, 45)));
    }

    void speedsOutsideTheDialAreIgnored()
    {
        SpeedTray gauge;
        gauge.setSpeed(90);
        const QImage before = renderOf(gauge, QSize(240, 240));
        gauge.setSpeed(221);
        gauge.setSpeed(-1);
        QCOMPARE(gauge.shownValue(), 90);
        QCOMPARE(renderOf(gauge, QSize(240, 240)), before);
    }

    // The dial fills the largest centred square, and the text font grows past a 200-pixel dial.
    void dialPlacementAndTextSize()
    {
        SpeedTray gauge;
        gauge.setSpeed(88);
        const QImage wide = renderOf(gauge, QSize(300, 200));
        QCOMPARE(wide.pixelColor(46, 100), kBackdrop);
        QVERIFY(wide.pixelColor(54, 100) != kBackdrop);
        QVERIFY(wide.pixelColor(246, 100) != kBackdrop);
        QCOMPARE(wide.pixelColor(254, 100), kBackdrop);
        const QImage tall = renderOf(gauge, QSize(200, 300));
        QCOMPARE(tall.pixelColor(100, 46), kBackdrop);
        QVERIFY(tall.pixelColor(100, 54) != kBackdrop);

        // The text sits in the dial's box below the hub, centred.
        const QRect small = textExtent(wide);
        QVERIFY(!small.isEmpty());
        QVERIFY2(qAbs(small.center().x() - 150) <= 3,
                 qPrintable(QString::number(small.center().x())));
        QVERIFY(small.top() >= 150 && small.bottom() < 175);
        // One pixel more of dial side switches from 10 to 14 points.
        const QRect large = textExtent(renderOf(gauge, QSize(301, 201)));
        QVERIFY2(large.width() >= small.width() * 13 / 10,
                 qPrintable(QStringLiteral("%1 vs %2").arg(large.width()).arg(small.width())));
    }

    void unitTextFollowsTheSettings()
    {
        SpeedTray gauge;
        gauge.setSpeed(100);
        const int kmhWidth = textExtent(renderOf(gauge, QSize(300, 300))).width();
        // The unit is read at paint time: the shown number stays until the next setSpeed.
        Configuration::instance()->setSpeedUnit(1);
        const int mphWidth = textExtent(renderOf(gauge, QSize(300, 300))).width();
        QCOMPARE(gauge.shownValue(), 100);
        QVERIFY(mphWidth != kmhWidth);
    }

    void compassRedHalfPointsAlongTheCourse_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::newRow("north") << 0;
        QTest::newRow("east") << 90;
        QTest::newRow("south-west") << 225;
    }
    void compassRedHalfPointsAlongTheCourse()
    {
        QFETCH(int, degrees);
        DirectionTray compass;
        compass.setDirection(degrees);
        const QImage image = renderOf(compass, QSize(200, 200));
        // m = 200: the needle reaches 48 pixels each way, the hub 4.
        QVERIFY(isNeedleRed(pixelAlong(image, degrees, 25)));
        QVERIFY(isNeedleWhite(pixelAlong(image, degrees + 180, 25)));
        QVERIFY(!isNeedleRed(pixelAlong(image, degrees + 90, 25)));
    }
};

QTEST_MAIN(TestGauges)
#include "tst_gauges.moc"
