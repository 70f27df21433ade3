#include "controls/rangemarks.h"

#include <QEvent>
#include <QPainter>
#include <QSlider>
#include <QStyle>

namespace {

// The seek slider's handle is an 11-pixel circle (its style sheet); its centre travels
// half that in from both ends.
constexpr int kHandle = 11;
const QColor kInColor(60, 200, 90);
const QColor kOutColor(235, 70, 60);

} // namespace

RangeMarks::RangeMarks(QWidget *slider) : QWidget(slider)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(slider->rect());
    slider->installEventFilter(this);
    hide();
}

void RangeMarks::setMarks(int inSecond, int outSecond)
{
    in = inSecond;
    out = outSecond;
    setVisible(in >= 0 || out >= 0);
    raise();
    update();
}

int RangeMarks::xFor(int second) const
{
    const auto *slider = qobject_cast<const QSlider *>(parentWidget());
    if (!slider || slider->maximum() <= slider->minimum())
        return kHandle / 2;
    return QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), second,
                                           width() - kHandle) +
           kHandle / 2;
}

bool RangeMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void RangeMarks::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    const int h = height();
    if (in >= 0 && out > in) {
        const int a = xFor(in);
        painter.fillRect(QRect(a, h / 2 - 3, xFor(out) - a, 6), QColor(255, 200, 60, 120));
    }
    if (in >= 0)
        painter.fillRect(QRect(xFor(in) - 1, 0, 3, h), kInColor);
    if (out >= 0)
        painter.fillRect(QRect(xFor(out) - 1, 0, 3, h), kOutColor);
}
