#include "widgets/vsliders1m1.h"

VSliderS1M1::VSliderS1M1(QWidget* parent)
    : SliderSetters1<VSliderS1M1>(Qt::Vertical, parent)
{
    applyPositionRange(-90, 12);
    applyDefaultPosition(0);
    applyPosition(0);
}
