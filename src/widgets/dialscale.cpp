#include "widgets/dialscale.h"

#include <algorithm>
#include <cmath>

bool DialScale::isValid(double top, double upper, double lower, double bottom)
{
    for (double p : {top, upper, lower, bottom})
        if (!std::isfinite(p))
            return false;
    return top >= upper && upper >= lower && lower >= bottom && top > bottom;
}

bool DialScale::set(double top, double upper, double lower, double bottom)
{
    if (!isValid(top, upper, lower, bottom))
        return false;
    mPoints[0] = top;
    mPoints[1] = upper;
    mPoints[2] = lower;
    mPoints[3] = bottom;
    return true;
}

// Lists the upper point index of every segment that has a width.
int DialScale::segments(int* upperIndex) const
{
    int count = 0;
    for (int i = 0; i < 3; ++i)
        if (mPoints[i] > mPoints[i + 1])
            upperIndex[count++] = i;
    return count;
}

double DialScale::fraction(double value) const
{
    int upper[3];
    const int count = segments(upper);
    if (count == 0)
        return 0.0;
    value = std::clamp(value, mPoints[3], mPoints[0]);
    for (int j = 0; j < count; ++j) {
        const double hi = mPoints[upper[j]];
        const double lo = mPoints[upper[j] + 1];
        if (value >= lo || j == count - 1)
            return 1.0 - (j + (hi - value) / (hi - lo)) / count;
    }
    return 0.0;
}

double DialScale::valueAt(double fraction) const
{
    int upper[3];
    const int count = segments(upper);
    if (count == 0)
        return mPoints[0];
    const double fromTop = (1.0 - std::clamp(fraction, 0.0, 1.0)) * count;
    const int j = std::min(int(fromTop), count - 1);
    const double hi = mPoints[upper[j]];
    const double lo = mPoints[upper[j] + 1];
    return hi - (fromTop - j) * (hi - lo);
}
