// The export marks over the seek slider: where they are drawn and that they are gone when
// cleared, checked in the slider's pixels.

#include "controls/rangemarks.h"

#include <QApplication>
#include <QSlider>
#include <QtTest>

namespace {

int columnsOf(const QImage &image, int y, const std::function<bool(QRgb)> &wanted)
{
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += wanted(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool green(QRgb p)
{
    return qGreen(p) > 150 && qRed(p) < 100;
}

bool red(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 100;
}

} // namespace

class TestRangeMarks : public QObject
{
    Q_OBJECT

private slots:
    void drawsMarksWhereTheHandleWouldBe();
};

void TestRangeMarks::drawsMarksWhereTheHandleWouldBe()
{
    QSlider slider(Qt::Horizontal);
    slider.setStyleSheet(QStringLiteral("QSlider{background: black;}"));
    slider.setRange(0, 100);
    slider.resize(211, 14);
    auto *marks = new RangeMarks(&slider);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QVERIFY(marks->isHidden());

    marks->setMarks(25, 75);
    QCOMPARE(marks->geometry(), slider.rect());
    QCOMPARE(marks->xFor(0), 5);
    QCOMPARE(marks->xFor(100), 205);
    QImage image = slider.grab().toImage();
    const int top = 1; // above the groove and the handle
    QVERIFY(green(image.pixel(marks->xFor(25), top)));
    QVERIFY(red(image.pixel(marks->xFor(75), top)));
    QCOMPARE(columnsOf(image, top, green), 3);
    QCOMPARE(columnsOf(image, top, red), 3);

    // Only an in mark, after the slider grew: it moves with the slider's width.
    slider.resize(411, 14);
    marks->setMarks(50, -1);
    QCOMPARE(marks->geometry(), slider.rect());
    image = slider.grab().toImage();
    QVERIFY(green(image.pixel(205, top)));
    QCOMPARE(columnsOf(image, top, red), 0);

    marks->setMarks(-1, -1);
    QVERIFY(marks->isHidden());
    image = slider.grab().toImage();
    QCOMPARE(columnsOf(image, top, green), 0);
}

QTEST_MAIN(TestRangeMarks)
#include "tst_rangemarks.moc"
