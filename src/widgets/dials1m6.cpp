#include "widgets/dials1m6.h"

DialS1M6::DialS1M6(QWidget* parent)
    : DialSetters<DialS1M6>(parent)
{
    mShowTrack = true;
    mScale.set(9, -10, -52, -90);
    applyRange(-90, 9);
    mDefault = 0;
    mValue = 0;
}

DialS1M6& DialS1M6::setRange(int top, int upper, int lower, int bottom)
{
    if (mScale.set(top, upper, lower, bottom))
        applyRange(float(bottom), float(top));
    return *this;
}

double DialS1M6::fractionOf(float value) const
{
    return mScale.fraction(value);
}

float DialS1M6::valueAtFraction(double fraction) const
{
    return clampToRange(mScale.valueAt(fraction));
}
