#include "controls/seekmarks.h"

#include <QEvent>
#include <QPainter>
#include <QSlider>

SeekMarks::SeekMarks(QSlider *slider, int leftInset, int widthInset)
    : QWidget(slider), slider(slider), leftInset(leftInset), widthInset(widthInset)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(slider->rect());
    slider->installEventFilter(this);
    // A new duration moves every tick.
    connect(slider, &QSlider::rangeChanged, this, [this]() { update(); });
}

void SeekMarks::setSeconds(const QVector<int> &seconds)
{
    marks = seconds;
    setVisible(!marks.isEmpty());
    raise();
    update();
}

int SeekMarks::xOf(int second) const
{
    const qint64 range = qint64(slider->maximum()) - slider->minimum();
    const int span = slider->width() - widthInset;
    if (range <= 0 || span <= 0)
        return leftInset;
    const qint64 offset = qBound<qint64>(0, second - slider->minimum(), range);
    return leftInset + int(offset * span / range);
}

bool SeekMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == slider && event->type() == QEvent::Resize)
        setGeometry(slider->rect());
    return QWidget::eventFilter(watched, event);
}

void SeekMarks::paintEvent(QPaintEvent *)
{
    if (slider->maximum() <= slider->minimum())
        return;
    QPainter painter(this);
    const QColor amber(255, 176, 0);
    for (int second : qAsConst(marks)) {
        const int x = xOf(second);
        painter.fillRect(QRect(x - 1, 0, 3, height() / 3), amber);
        painter.fillRect(QRect(x - 1, height() - height() / 3, 3, height() / 3), amber);
    }
}
