#include "controls/cextendslider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtGlobal>

void CExtendSlider::mousePressEvent(QMouseEvent *event)
{
    QSlider::mousePressEvent(event);

    // A slider laid out to zero width has no point to jump to (and would divide by zero).
    if (width() <= 0)
        return;
    const float fraction = qBound(0.0f, float(event->pos().x()) / float(width()), 1.0f);
    const int value = int(minimum() + double(fraction) * (double(maximum()) - minimum()));

    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    if (handle.contains(event->pos()))
        return;
    // The jump replaces the page stepping that QSlider started; holding the button would
    // otherwise keep stepping away from the point the user chose.
    setRepeatAction(SliderNoAction);
    setValue(value);
}
