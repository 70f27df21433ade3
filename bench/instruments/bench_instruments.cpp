// What the instruments cost the GUI thread: filling the G-sensor chart with a recording's
// samples (an hour at one a second, ten hours' worth of records at one a second that scroll
// the 6001-sample window), and one GPS record's repaint of both gauges and the chart.
// Runs offscreen: QT_QPA_PLATFORM=offscreen bench_instruments
#include "instruments/directiontray.h"
#include "instruments/gyrochartview.h"
#include "instruments/speedtray.h"

#include <QApplication>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

void fillChart(GyroChartView &chart, int samples)
{
    chart.clear();
    chart.setSampleCount(samples);
    for (int i = 0; i < samples; ++i)
        chart.addSample(0.3f * std::sin(i * 0.1f), 0.2f * std::cos(i * 0.07f), 1.0f);
    QCoreApplication::sendPostedEvents();
}

void renderInto(QWidget &widget, QImage &image)
{
    QPainter painter(&image);
    widget.render(&painter);
}

void BM_ChartFill(benchmark::State &state)
{
    GyroChartView chart;
    chart.resize(560, 220);
    chart.show();
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        fillChart(chart, int(state.range(0)));
        renderInto(chart, image);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChartFill)->Arg(3600)->Arg(36000)->Unit(benchmark::kMillisecond);

// The reference: the same samples handed to Qt Charts one append at a time, as a chart
// that updates its series per sample would; every append recomputes the whole line.
void BM_ChartFillOneByOne(benchmark::State &state)
{
    QtCharts::QChartView view;
    auto *chart = new QtCharts::QChart;
    QtCharts::QLineSeries *series[3];
    auto *axisX = new QtCharts::QValueAxis;
    auto *axisY = new QtCharts::QValueAxis;
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (auto *&line : series) {
        line = new QtCharts::QLineSeries;
        chart->addSeries(line);
        line->attachAxis(axisX);
        line->attachAxis(axisY);
    }
    view.setChart(chart);
    view.resize(560, 220);
    view.show();
    const int samples = int(state.range(0));
    axisX->setRange(0, samples - 1);
    axisY->setRange(-1.1, 1.1);
    for (auto _ : state) {
        for (auto *line : series)
            line->clear();
        for (int i = 0; i < samples; ++i) {
            series[0]->append(i, 0.3 * std::sin(i * 0.1));
            series[1]->append(i, 0.2 * std::cos(i * 0.07));
            series[2]->append(i, 1.0);
        }
        QCoreApplication::sendPostedEvents();
    }
    state.SetItemsProcessed(state.iterations() * samples);
}
BENCHMARK(BM_ChartFillOneByOne)->Arg(3600)->Iterations(1)->Unit(benchmark::kMillisecond);

// One GPS record during playback: speed, course and cursor change, then the three repaint.
void BM_RecordRepaint(benchmark::State &state)
{
    const int side = int(state.range(0));
    SpeedTray speed;
    DirectionTray compass;
    GyroChartView chart;
    speed.resize(side, side);
    compass.resize(side, side);
    chart.resize(2 * side, 220);
    fillChart(chart, 3600);
    QImage gaugeImage(side, side, QImage::Format_ARGB32_Premultiplied);
    QImage chartImage(chart.size(), QImage::Format_ARGB32_Premultiplied);
    int second = 0;
    for (auto _ : state) {
        second = (second + 1) % 3600;
        speed.setSpeed(second % 221);
        compass.setDirection(second % 360);
        chart.setCurrentSample(second);
        renderInto(speed, gaugeImage);
        renderInto(compass, gaugeImage);
        renderInto(chart, chartImage);
    }
}
BENCHMARK(BM_RecordRepaint)->Arg(160)->Arg(300)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
