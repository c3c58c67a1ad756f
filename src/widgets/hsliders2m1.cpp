#include "widgets/hsliders2m1.h"

HSliderS2M1::HSliderS2M1(QWidget* parent)
    : SliderSetters1<HSliderS2M1>(Qt::Horizontal, parent)
{
    applyPositionRange(-50, 50);
    applyDefaultPosition(0);
    applyPosition(0);
}
