#pragma once

#include <QWidget>

// The clip export's in and out marks drawn over the seek slider: a child laid over the
// whole slider that lets every mouse event through to it.
class RangeMarks : public QWidget
{
    Q_OBJECT

public:
    explicit RangeMarks(QWidget *slider);

    // Seconds on the slider's scale; -1 hides a mark.
    void setMarks(int inSecond, int outSecond);
    int inMark() const { return in; }
    int outMark() const { return out; }
    // Where a second lies, as the slider centres its handle on it.
    int xFor(int second) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int in = -1;
    int out = -1;
};
