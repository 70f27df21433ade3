#pragma once

#include <QSlider>

// A slider that jumps to the clicked point of its groove instead of stepping by pages.
class CExtendSlider : public QSlider
{
public:
    using QSlider::QSlider;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
