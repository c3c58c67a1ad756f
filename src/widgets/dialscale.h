#pragma once

// A gain scale through four points top >= upper >= lower >= bottom. Each
// segment that is not empty gets an equal share of the travel, so a scale
// whose break points coincide degrades to two or one linear segments.
class DialScale
{
public:
    DialScale() = default;
    static bool isValid(double top, double upper, double lower, double bottom);
    // Ignored (false) unless the points are ordered and span something.
    bool set(double top, double upper, double lower, double bottom);

    double top() const { return mPoints[0]; }
    double bottom() const { return mPoints[3]; }
    // 0 at the bottom, 1 at the top; values outside are clamped.
    double fraction(double value) const;
    double valueAt(double fraction) const;

private:
    int segments(int* upperIndex) const;
    double mPoints[4] {0.0, -10.0, -20.0, -30.0};
};
