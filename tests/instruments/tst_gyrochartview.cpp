#include "instruments/gyrochartview.h"

#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>

using namespace QtCharts;

namespace {

QLineSeries *series(const GyroChartView &view, int i)
{
    return qobject_cast<QLineSeries *>(view.chart()->series().at(i));
}

QValueAxis *axis(const GyroChartView &view, Qt::Orientation orientation)
{
    return qobject_cast<QValueAxis *>(view.chart()->axes(orientation).at(0));
}

// The chart hands its samples to the series once per turn of the event loop.
void settle()
{
    QCoreApplication::sendPostedEvents();
}

} // namespace

class TestGyroChartView : public QObject
{
    Q_OBJECT

private slots:
    void seriesInLegendOrder()
    {
        GyroChartView view;
        const auto all = view.chart()->series();
        QCOMPARE(all.size(), 4);
        QCOMPARE(all[0]->name(), QStringLiteral("X "));
        QCOMPARE(series(view, 0)->color(), QColor(Qt::red));
        QCOMPARE(series(view, 1)->color(), QColor(Qt::green));
        QCOMPARE(series(view, 2)->color(), QColor(Qt::blue));
        QCOMPARE(series(view, 3)->pen().color(), QColor(Qt::yellow));
    }

    void rangeGrowsInTenthsUntilTheSampleFits_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<double>("range");
        QTest::newRow("inside") << 0.29f << 0.3;
        QTest::newRow("exactly the range") << 0.3f << 0.4;
        QTest::newRow("1.05") << -1.05f << 1.1;
        QTest::newRow("9.99") << 9.99f << 10.0;
        QTest::newRow("not finite") << std::numeric_limits<float>::infinity() << 0.3;
        QTest::newRow("wild") << 1e9f << 1e9;
    }
    void rangeGrowsInTenthsUntilTheSampleFits()
    {
        QFETCH(float, value);
        QFETCH(double, range);
        GyroChartView view;
        view.addSample(0, 0, value);
        settle();
        QVERIFY2(qAbs(view.range() - range) < 1e-6 * qMax(1.0, range),
                 qPrintable(QString::number(view.range(), 'g', 17)));
        QVERIFY(!std::isfinite(value) || view.range() > qAbs(value));
        QCOMPARE(axis(view, Qt::Vertical)->max(), view.range());
        QCOMPARE(axis(view, Qt::Vertical)->min(), -view.range());

        // It never shrinks until clear(); the cursor keeps the height it was set with.
        view.setCurrentSample(0);
        const double cursorTop = view.range();
        view.addSample(0.1f, 0, 0);
        view.addSample(0, 2 * float(view.range()), 0);
        settle();
        QVERIFY(view.range() > 1.5 * cursorTop);
        QCOMPARE(axis(view, Qt::Vertical)->max(), view.range());
        QCOMPARE(series(view, 3)->at(1).y(), cursorTop);
    }

    void keepsTheLast6001Samples()
    {
        GyroChartView view;
        view.setSampleCount(6002);
        QCOMPARE(axis(view, Qt::Horizontal)->max(), 6001.0);
        for (int i = 0; i < 6002; ++i)
            view.addSample(float(i % 7) / 10, 0, 0);
        settle();
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(series(view, i)->count(), 6001);
            QCOMPARE(series(view, i)->at(0).x(), 1.0);
            QCOMPARE(series(view, i)->at(6000).x(), 6001.0);
        }
        QCOMPARE(series(view, 0)->at(0).y(), double(float(1) / 10));
        QCOMPARE(axis(view, Qt::Horizontal)->min(), 1.0);
        QCOMPARE(axis(view, Qt::Horizontal)->max(), 6001.0);
    }

    void cursorSpansTheRangeAndClearRemovesEverything()
    {
        GyroChartView view;
        view.addSample(0.5f, 0, 0);
        view.setCurrentSample(42);
        settle();
        QLineSeries *cursor = series(view, 3);
        QCOMPARE(cursor->count(), 2);
        QCOMPARE(cursor->at(0), QPointF(42, -0.6));
        QCOMPARE(cursor->at(1), QPointF(42, 0.6));
        view.setCurrentSample(43);
        QCOMPARE(cursor->count(), 2);

        view.clear();
        settle();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(series(view, i)->count(), 0);
        QCOMPARE(view.range(), 0.3);
        QCOMPARE(axis(view, Qt::Vertical)->max(), 0.3);
        QCOMPARE(axis(view, Qt::Horizontal)->max(), 6000.0);
        // A cleared chart numbers its samples from 0 again.
        view.addSample(0, 0, 0);
        settle();
        QCOMPARE(series(view, 0)->at(0).x(), 0.0);
    }

    void eventMarksAreDrawnAtTheirSamples()
    {
        GyroChartView view;
        view.resize(400, 200);
        view.setSampleCount(101);
        for (int i = 0; i < 101; ++i)
            view.addSample(0, 0, 1);
        settle();
        view.setEventMarks({50});
        const auto amberColumns = [&view]() {
            const QImage image = view.grab().toImage();
            QVector<int> columns;
            const int y = int(view.chart()->plotArea().center().y()) + 10;
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() > 120 && c.green() < 210 && c.blue() < 80)
                    columns.append(x);
            }
            return columns;
        };
        const QVector<int> columns = amberColumns();
        QVERIFY(!columns.isEmpty());
        const double expected =
            view.chart()->mapToPosition(QPointF(50, 0), series(view, 0)).x();
        QVERIFY(qAbs(columns.first() - expected) <= 2);
        // Not a series: the legend keeps its four entries.
        QCOMPARE(view.chart()->series().size(), 4);
        view.clear();
        QVERIFY(view.eventMarks().isEmpty());
        QVERIFY(amberColumns().isEmpty());
    }
};

QTEST_MAIN(TestGyroChartView)
#include "tst_gyrochartview.moc"
