#include "controls/cextendslider.h"

#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

class TestCExtendSlider : public QObject
{
    Q_OBJECT

    static void setUp(CExtendSlider &slider, int value)
    {
        slider.setRange(0, 100);
        slider.setValue(value);
        slider.resize(100, 12);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
    }

private slots:
    void pressOnTheGrooveJumpsThere_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("expected");
        QTest::newRow("left of the handle") << 80 << 25 << 25;
        QTest::newRow("right of the handle") << 0 << 75 << 75;
        QTest::newRow("right end") << 0 << 99 << 99;
    }

    void pressOnTheGrooveJumpsThere()
    {
        QFETCH(int, start);
        QFETCH(int, x);
        QFETCH(int, expected);
        CExtendSlider slider(Qt::Horizontal);
        setUp(slider, start);
        QSignalSpy changed(&slider, &QSlider::valueChanged);
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(x, 6));
        QCOMPARE(slider.value(), expected);
        QCOMPARE(changed.last().at(0).toInt(), expected);
        // Holding the button must not page away from the chosen point.
        QTest::qWait(700);
        QCOMPARE(slider.value(), expected);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(x, 6));
        QCOMPARE(slider.value(), expected);
    }

    void pressOnTheHandleKeepsDragging()
    {
        CExtendSlider slider(Qt::Horizontal);
        setUp(slider, 50);
        QStyleOptionSlider option;
        option.initFrom(&slider);
        option.orientation = Qt::Horizontal;
        option.minimum = 0;
        option.maximum = 100;
        option.sliderPosition = option.sliderValue = 50;
        option.subControls = QStyle::SC_All;
        const QRect handle = slider.style()->subControlRect(QStyle::CC_Slider, &option,
                                                            QStyle::SC_SliderHandle, &slider);
        QTest::mousePress(&slider, Qt::LeftButton, {}, handle.center());
        QCOMPARE(slider.value(), 50);
        QVERIFY(slider.isSliderDown());
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, handle.center());
    }
};

QTEST_MAIN(TestCExtendSlider)
#include "tst_cextendslider.moc"
