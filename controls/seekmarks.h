#pragma once

#include <QVector>
#include <QWidget>

class QSlider;

// Ticks over a seek slider at the seconds where something happened. A child of the slider
// that lets every mouse event through, so the slider's own handling stays as it is.
class SeekMarks : public QWidget
{
    Q_OBJECT

public:
    // leftInset and widthInset: where the slider's groove maps its range, as the seek does.
    SeekMarks(QSlider *slider, int leftInset, int widthInset);

    void setSeconds(const QVector<int> &seconds);
    const QVector<int> &seconds() const { return marks; }
    // The x of a second within the slider.
    int xOf(int second) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QSlider *slider;
    int leftInset;
    int widthInset;
    QVector<int> marks;
};
