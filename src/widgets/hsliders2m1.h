#pragma once

#include "widgets/sliderbase.h"

// Horizontal slider in whole values with its edit at the right: -50..50, default 0.
class HSliderS2M1 : public SliderSetters1<HSliderS2M1>
{
    Q_OBJECT
public:
    explicit HSliderS2M1(QWidget* parent = nullptr);
};
