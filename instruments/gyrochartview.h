#pragma once

#include <QPointF>
#include <QVector>
#include <QtCharts/QChartView>
#include <deque>

namespace QtCharts {
class QLineSeries;
class QValueAxis;
} // namespace QtCharts

// The G-sensor chart: X, Y and Z in g as three lines over the samples of one recording, and
// a yellow vertical cursor at the sample of the current playback position. It keeps the last
// 6001 samples per axis and grows its vertical range in steps of 0.1 g until every sample
// fits; the range shrinks only on clear().
// Samples reach the series once per turn of the event loop, not one by one: every change of
// a series or an axis makes Qt Charts recompute the geometry of all points, so adding an
// hour of samples singly would freeze the window for seconds.
class GyroChartView : public QtCharts::QChartView
{
    Q_OBJECT

public:
    explicit GyroChartView(QWidget *parent = nullptr);
    ~GyroChartView() override;

    void clear();
    // The horizontal axis spans 0 .. count - 1.
    void setSampleCount(int count);
    void addSample(float x, float y, float z);
    // The cursor spans the vertical range as it is now; later growth leaves it as it is.
    void setCurrentSample(int index);

    // Amber lines at these samples, where something happened; kept until clear().
    void setEventMarks(const QVector<int> &samples);
    const QVector<int> &eventMarks() const { return marks; }

    // Half the height of the vertical axis, in g.
    double range() const { return verticalRange; }

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    void scheduleFlush();
    void flushSamples();

    QtCharts::QLineSeries *seriesX;
    QtCharts::QLineSeries *seriesY;
    QtCharts::QLineSeries *seriesZ;
    QtCharts::QLineSeries *cursor;
    QtCharts::QValueAxis *axisX;
    QtCharts::QValueAxis *axisY;
    std::deque<QPointF> samplesX;
    std::deque<QPointF> samplesY;
    std::deque<QPointF> samplesZ;
    bool flushScheduled = false;
    bool scrolled = false;
    int sampleCount = 0;
    double verticalRange = 0.3;
    QVector<int> marks;
};
