#include "effects/compressortool.h"

#include "effects/cubicspline.h"

#include <algorithm>
#include <cmath>

namespace {

// A value that is not finite keeps the previous one: nothing undefined may
// reach the chart or the device.
double clampFinite(double value, double previous, double low, double high)
{
    if (!std::isfinite(value))
        return previous;
    return std::clamp(value, low, high);
}

} // namespace

CompressorTool::CompressorTool(double inputMin, double inputMax, double outputMin, double outputMax)
    : QObject(nullptr)
    , mInputMin(inputMin)
    , mInputMax(inputMax)
    , mOutputMin(outputMin)
    , mOutputMax(outputMax)
{
}

void CompressorTool::applyAutoGain()
{
    if (mGainAuto)
        mGain = mThreshold / mRatioSecond / mRatioFirst - mThreshold - 9.0;
    mGain = std::max(mGain, 0.0);
}

void CompressorTool::setThreshold(double threshold)
{
    mThreshold = clampFinite(threshold, mThreshold, ThresholdMin, ThresholdMax);
    applyAutoGain();
    updateCurve();
}

void CompressorTool::setRatio(std::pair<double, double> ratio)
{
    mRatioFirst = clampFinite(ratio.first, mRatioFirst, RatioMin, RatioMax);
    mRatioSecond = clampFinite(ratio.second, mRatioSecond, RatioMin, RatioMax);
    applyAutoGain();
    updateCurve();
}

void CompressorTool::setGainAuto(bool on)
{
    mGainAuto = on;
    applyAutoGain();
    updateCurve();
}

void CompressorTool::setGain(double gain)
{
    mGain = clampFinite(gain, mGain, GainMin, GainMax);
    updateCurve();
}

void CompressorTool::setMix(double mix)
{
    mMix = clampFinite(mix, mMix, MixMin, MixMax);
    updateCurve();
}

void CompressorTool::setAttack(double attack)
{
    mAttack = clampFinite(attack, mAttack, AttackMin, AttackMax);
}

void CompressorTool::setRelease(double release)
{
    mRelease = clampFinite(release, mRelease, ReleaseMin, ReleaseMax);
}

void CompressorTool::setInputLevel(int tenthsOfDb)
{
    mInputLevel = tenthsOfDb / 10.0;
    updateCurve();
}

void CompressorTool::setGainReduction(int tenthsOfDb)
{
    mGainReduction = tenthsOfDb / 10.0;
    updateCurve();
}

double CompressorTool::getGain(bool rounded) const
{
    if (!rounded)
        return mGain;
    const long long tenths = static_cast<long long>(mGain * 10.0);
    const long long whole = tenths / 10;
    const long long rest = tenths - 10 * whole;
    return static_cast<double>(rest >= 5 ? whole + 1 : whole);
}

void CompressorTool::updateCurve()
{
    mCurve.clear();
    mCurve.append({mInputMin, mOutputMin + mGain});
    if (mThreshold + mGain >= mOutputMax) {
        mCurve.append({mOutputMax - mGain, mOutputMax});
        mCurve.append({mInputMax, mOutputMax});
    } else {
        mCurve.append({mThreshold, mThreshold + mGain});
        const double slope = mRatioSecond / mRatioFirst;
        const double yEnd = (mInputMax - mThreshold) * slope + mThreshold + mGain;
        if (yEnd > mOutputMax) {
            mCurve.append({(mOutputMax - mThreshold - mGain) / slope + mThreshold, mOutputMax});
            mCurve.append({mInputMax, mOutputMax});
        } else {
            mCurve.append({mInputMax, yEnd});
        }
    }

    // Coinciding vertices (threshold at an end of the range, or a gain that
    // meets the ceiling exactly at the right end) form a segment of zero
    // width; it counts as flat, so the spline gets each x once.
    QList<double> xs;
    QList<double> ys;
    for (const QPointF& p : std::as_const(mCurve)) {
        if (!xs.isEmpty() && p.x() <= xs.last())
            continue;
        xs.append(p.x());
        ys.append(p.y());
    }
    const qsizetype n = mCurve.size();
    const bool flatLeft = mCurve[1].x() <= mCurve[0].x();
    const bool flatRight = mCurve[n - 1].x() <= mCurve[n - 2].x();

    mHandleX = mInputLevel;
    if (xs.size() < 2) {
        mHandleY = ys.first();
    } else if (flatRight && mHandleX >= xs.last()) {
        mHandleY = ys.last();
    } else if (flatLeft && mHandleX <= xs.first()) {
        mHandleY = ys.first();
    } else {
        CubicSpline spline;
        spline.setBoundary(0.0, 0.0);
        spline.setPoints(xs, ys, CubicSpline::Linear);
        mHandleY = spline.evaluate(mHandleX);
    }
    const QPointF handle(mHandleX, mHandleY);

    mCurveGreen.clear();
    mCurveRed.clear();
    mCurveGray.clear();
    bool stopped = false;
    for (const QPointF& vertex : std::as_const(mCurve)) {
        if (vertex.x() < mHandleX) {
            mCurveGreen.append(vertex);
            continue;
        }
        if (!mCurveGreen.isEmpty() && mCurveGreen.last().y() == mOutputMax && mHandleY == mOutputMax) {
            stopped = true;
            break;
        }
        if (mCurveGray.isEmpty())
            mCurveGray.append(handle);
        mCurveGray.append(vertex);
    }
    if (stopped) {
        mCurveRed.append(mCurveGreen.last());
        mCurveRed.append(handle);
        mCurveGray.append(handle);
        mCurveGray.append({mInputMax, mOutputMax});
    }
    mCurveGreen.append(handle);
    mClipping = !mCurveRed.isEmpty();
    mOutputLevel = ((mInputLevel - mGainReduction + mGain) * mMix + (100.0 - mMix) * mInputLevel) / 10.0;
}
