// Ticks over the seek slider: at the right place, for the slider's current range.

#include "controls/seekmarks.h"

#include <QSlider>
#include <QtTest>

class TestSeekMarks : public QObject
{
    Q_OBJECT
private slots:
    void ticksSitAtTheirSeconds();
};

void TestSeekMarks::ticksSitAtTheirSeconds()
{
    QSlider slider(Qt::Horizontal);
    slider.resize(222, 30);
    slider.setRange(0, 100);
    SeekMarks marks(&slider, 6, 22);
    marks.setSeconds({25, 90});
    QCOMPARE(marks.geometry(), slider.rect());
    QCOMPARE(marks.xOf(25), 6 + 50);
    QCOMPARE(marks.xOf(500), 6 + 200); // clamped to the end
    const auto isAmber = [](const QImage &image, int x) {
        const QColor c = image.pixelColor(x, 2);
        return c.red() > 200 && c.green() > 120 && c.green() < 220 && c.blue() < 60;
    };
    QImage image = marks.grab().toImage();
    QVERIFY(isAmber(image, 56));
    QVERIFY(isAmber(image, 6 + 180));
    QVERIFY(!isAmber(image, 120));
    // A longer recording moves the ticks: 25 s of 200 s.
    slider.setRange(0, 200);
    image = marks.grab().toImage();
    QVERIFY(isAmber(image, 6 + 25));
    QVERIFY(!isAmber(image, 56));
    // Follows the slider's size once shown (a hidden widget's resizes wait till then).
    slider.show();
    slider.resize(422, 30);
    QTRY_COMPARE(marks.width(), 422);
    marks.setSeconds({});
    QVERIFY(marks.isHidden());
}

QTEST_MAIN(TestSeekMarks)
#include "tst_seekmarks.moc"
