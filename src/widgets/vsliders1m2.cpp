#include "widgets/vsliders1m2.h"

#include <algorithm>
#include <cmath>

VSliderS1M2::VSliderS1M2(QWidget* parent)
    : SliderBase(Qt::Vertical, parent)
{
    setRange(9, -10, -52, -90);
    setDefaultValue(0.0f);
    setValue(0.0f);
}

VSliderS1M2& VSliderS1M2::setRange(int top, int break1, int break2, int bottom)
{
    // Positions count from the top, so value and default are carried over by value.
    const double value = getValue();
    const double def = getDefault();
    if (!mScale.set(top, break1, break2, bottom))
        return *this;
    applyPositionRange((bottom - top) * 2, 0);
    applyPosition(positionOf(value));
    applyDefaultPosition(def >= bottom && def <= top ? positionOf(def) : minimumPosition());
    return *this;
}

int VSliderS1M2::positionOf(double value) const
{
    return int(std::lround((std::clamp(value, mScale.bottom(), mScale.top()) - mScale.top()) * 2.0));
}

VSliderS1M2& VSliderS1M2::setDefaultValue(float value)
{
    if (std::isfinite(value) && value >= mScale.bottom() && value <= mScale.top())
        applyDefaultPosition(positionOf(value));
    return *this;
}

VSliderS1M2& VSliderS1M2::setValue(float value)
{
    if (std::isfinite(value))
        applyPosition(positionOf(value));
    return *this;
}

VSliderS1M2& VSliderS1M2::setHeightRatio(int edit, int gap, int slider)
{
    applyHeightRatio(edit, gap, slider);
    return *this;
}

VSliderS1M2& VSliderS1M2::setShowMinusInfinity(bool show)
{
    applyShowMinusInfinity(show);
    return *this;
}

VSliderS1M2& VSliderS1M2::setFont(const QFont& font)
{
    applyFont(font);
    return *this;
}

double VSliderS1M2::fractionAt(int pos) const
{
    return mScale.fraction(valueAt(pos));
}

int VSliderS1M2::positionAt(double fraction) const
{
    return positionOf(mScale.valueAt(fraction));
}

QString VSliderS1M2::textAt(int pos) const
{
    if (mShowMinusInfinity && pos == minimumPosition())
        return QStringLiteral("-∞");
    const double value = valueAt(pos);
    return QString::number(value == 0.0 ? 0.0 : value, 'f', 1);
}

bool VSliderS1M2::parse(const QString& text, int& pos) const
{
    bool minusInfinity = false;
    double value = 0.0;
    if (!parseEntry(text, minusInfinity, value))
        return false;
    pos = minusInfinity ? minimumPosition() : positionOf(value);
    return true;
}

void VSliderS1M2::notifyUserChange()
{
    emit valueChanged(getValue());
}
