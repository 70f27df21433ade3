#include "instruments/gyrochartview.h"

#include <QGraphicsLayout>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

using namespace QtCharts;

namespace {

constexpr int kWindow = 6000;
constexpr double kInitialRange = 0.3;
constexpr double kRangeStep = 0.1;

QLineSeries *makeSeries(const QString &name, const QPen &pen)
{
    auto *series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    return series;
}

QFont calibri(int pixelSize)
{
    QFont font(QStringLiteral("Calibri"));
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

GyroChartView::GyroChartView(QWidget *parent) : QChartView(parent)
{
    // The trailing blanks keep the legend's entries apart.
    seriesX = makeSeries(QStringLiteral("X "), QPen(Qt::red));
    seriesY = makeSeries(QStringLiteral("Y "), QPen(Qt::green));
    seriesZ = makeSeries(QStringLiteral("Z "), QPen(Qt::blue));
    cursor = makeSeries(QStringLiteral("C "), QPen(QBrush(Qt::yellow), 1.0));

    auto *chart = new QChart;
    chart->legend()->setFont(calibri(10));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setTheme(QChart::ChartThemeDark);
    for (QLineSeries *series : {seriesX, seriesY, seriesZ, cursor})
        chart->addSeries(series);

    axisX = new QValueAxis;
    axisX->setRange(0, kWindow);
    axisX->setVisible(false);
    axisY = new QValueAxis;
    axisY->setLabelFormat(QStringLiteral("%.1fG"));
    axisY->setLineVisible(false);
    axisY->setGridLinePen(
        QPen(QBrush(Qt::black), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    axisY->setTickCount(5);
    axisY->setRange(-kInitialRange, kInitialRange);
    axisY->setLabelsFont(calibri(12));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QLineSeries *series : {seriesX, seriesY, seriesZ, cursor}) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }

    setRenderHint(QPainter::Antialiasing);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setBackgroundRoundness(0);
    chart->setBackgroundVisible(false);
    setChart(chart);
}

GyroChartView::~GyroChartView() = default;

void GyroChartView::clear()
{
    samplesX.clear();
    samplesY.clear();
    samplesZ.clear();
    scrolled = false;
    for (QLineSeries *series : {seriesX, seriesY, seriesZ, cursor})
        series->clear();
    sampleCount = 0;
    marks.clear();
    viewport()->update();
    verticalRange = kInitialRange;
    axisX->setRange(0, kWindow);
    axisY->setRange(-verticalRange, verticalRange);
}

void GyroChartView::setSampleCount(int count)
{
    axisX->setRange(0, count - 1);
}

void GyroChartView::addSample(float x, float y, float z)
{
    const int c = sampleCount;
    if (c > kWindow) {
        samplesX.pop_front();
        samplesY.pop_front();
        samplesZ.pop_front();
        scrolled = true;
    }
    samplesX.emplace_back(c, x);
    samplesY.emplace_back(c, y);
    samplesZ.emplace_back(c, z);

    const float a = std::max({std::fabs(x), std::fabs(y), std::fabs(z)});
    // A value that is not finite would step the range for ever.
    if (std::isfinite(a) && a >= verticalRange) {
        // Whole steps at once, then the last step by step, so that a wild value does not
        // loop millions of times and an ordinary one lands where single steps would.
        verticalRange +=
            kRangeStep * std::max(0.0, std::floor((a - verticalRange) / kRangeStep) - 1);
        while (a >= verticalRange)
            verticalRange += kRangeStep;
    }
    ++sampleCount;
    scheduleFlush();
}

void GyroChartView::setCurrentSample(int index)
{
    cursor->replace(
        QVector<QPointF>{{double(index), -verticalRange}, {double(index), verticalRange}});
}

void GyroChartView::setEventMarks(const QVector<int> &samples)
{
    marks = samples;
    viewport()->update();
}

void GyroChartView::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    if (marks.isEmpty())
        return;
    // Not a series: a series would add an entry to the legend and to every flush.
    const QRectF plot = chart()->plotArea();
    painter->save();
    painter->setPen(QPen(QColor(255, 176, 0), 2, Qt::DashLine));
    for (int sample : qAsConst(marks)) {
        const double x = chart()->mapToPosition(QPointF(sample, 0), seriesX).x();
        if (x >= plot.left() && x <= plot.right())
            painter->drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    painter->restore();
}

void GyroChartView::scheduleFlush()
{
    if (flushScheduled)
        return;
    flushScheduled = true;
    QMetaObject::invokeMethod(this, &GyroChartView::flushSamples, Qt::QueuedConnection);
}

void GyroChartView::flushSamples()
{
    flushScheduled = false;
    // A clear() since the samples were added has emptied the series already.
    if (sampleCount == 0)
        return;
    seriesX->replace(QVector<QPointF>(samplesX.begin(), samplesX.end()));
    seriesY->replace(QVector<QPointF>(samplesY.begin(), samplesY.end()));
    seriesZ->replace(QVector<QPointF>(samplesZ.begin(), samplesZ.end()));
    if (scrolled)
        axisX->setRange(sampleCount - 1 - kWindow, sampleCount - 1);
    axisY->setRange(-verticalRange, verticalRange);
}
