#pragma once

#include "widgets/dialbase.h"
#include "widgets/dialscale.h"

// Gain dial in whole dB over four zone thresholds: each zone between two
// distinct thresholds takes an equal share of the sweep.
class DialS1M6 : public DialSetters<DialS1M6>
{
    Q_OBJECT
public:
    explicit DialS1M6(QWidget* parent = nullptr);

    // maximum = top, minimum = bottom; ignored unless top >= upper >= lower >= bottom and top > bottom.
    DialS1M6& setRange(int top, int upper, int lower, int bottom);

protected:
    double fractionOf(float value) const override;
    float valueAtFraction(double fraction) const override;

private:
    DialScale mScale;
};
