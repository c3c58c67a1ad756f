#pragma once

#include "widgets/sliderbase.h"

// Vertical fader in whole dB with its value edit above.
class VSliderS1M1 : public SliderSetters1<VSliderS1M1>
{
    Q_OBJECT
public:
    explicit VSliderS1M1(QWidget* parent = nullptr);
};
