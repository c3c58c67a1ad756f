#pragma once

#include "widgets/dialscale.h"
#include "widgets/sliderbase.h"

// Vertical fader in half-dB steps on a scale through four points
// (top, break1, break2, bottom); each non-empty segment gets an equal share
// of the travel. Positions run from (bottom - top) * 2 up to 0.
class VSliderS1M2 : public SliderBase
{
    Q_OBJECT
public:
    explicit VSliderS1M2(QWidget* parent = nullptr);

    // Ignored unless top >= break1 >= break2 >= bottom and top > bottom.
    VSliderS1M2& setRange(int top, int break1, int break2, int bottom);
    // Ignored outside the range; rounded to the half dB.
    VSliderS1M2& setDefaultValue(float value);
    // Clamped to the range and rounded to the half dB; never emits.
    VSliderS1M2& setValue(float value);
    VSliderS1M2& setHeightRatio(int edit, int gap, int slider);
    VSliderS1M2& setShowMinusInfinity(bool show);
    VSliderS1M2& setFont(const QFont& font);

    float getValue() const { return valueAt(position()); }
    float getDefault() const { return valueAt(defaultPosition()); }
    float getMinimum() const { return float(mScale.bottom()); }
    float getMaximum() const { return float(mScale.top()); }

signals:
    void valueChanged(float value);

protected:
    double fractionAt(int pos) const override;
    int positionAt(double fraction) const override;
    QString textAt(int pos) const override;
    bool parse(const QString& text, int& pos) const override;
    void notifyUserChange() override;

private:
    float valueAt(int pos) const { return float(mScale.top() + pos / 2.0); }
    int positionOf(double value) const;

    DialScale mScale;
};
