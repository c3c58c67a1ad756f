#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <utility>

// Model of the compressor's static transfer curve: from the parameters and
// the levels the device reports it computes the curve, the operating point,
// the three chart pieces, the clipping state and the output level.
class CompressorTool : public QObject
{
    Q_OBJECT
public:
    explicit CompressorTool(double inputMin = -48.0, double inputMax = 0.0,
                            double outputMin = -48.0, double outputMax = 0.0);

    // Ranges of the compressor dialog's dials; setters clamp into them.
    static constexpr double ThresholdMin = -36.0;
    static constexpr double ThresholdMax = 0.0;
    static constexpr double RatioMin = 1.0;
    static constexpr double RatioMax = 1000000.0;
    static constexpr double GainMin = -36.0;
    static constexpr double GainMax = 36.0;
    static constexpr double MixMin = 0.0;
    static constexpr double MixMax = 100.0;
    static constexpr double AttackMin = 1.0;
    static constexpr double AttackMax = 500.0;
    static constexpr double ReleaseMin = 1.0;
    static constexpr double ReleaseMax = 2000.0;

    void setThreshold(double threshold);
    void setRatio(std::pair<double, double> ratio);
    void setGainAuto(bool on);
    void setGain(double gain);
    void setMix(double mix);
    void setAttack(double attack);
    void setRelease(double release);
    void setInputLevel(int tenthsOfDb);
    void setGainReduction(int tenthsOfDb);

    double getGain(bool rounded = false) const;
    void updateCurve();

    double getThreshold() const { return mThreshold; }
    std::pair<double, double> getRatio() const { return {mRatioFirst, mRatioSecond}; }
    bool getGainAuto() const { return mGainAuto; }
    double getMix() const { return mMix; }
    double getAttack() const { return mAttack; }
    double getRelease() const { return mRelease; }
    double getInputLevel() const { return mInputLevel; }
    double getGainReduction() const { return mGainReduction; }

    const QList<QPointF>& getCurve() const { return mCurve; }
    QList<QPointF>& getCurveGreen() { return mCurveGreen; }
    QList<QPointF>& getCurveRed() { return mCurveRed; }
    QList<QPointF>& getCurveGray() { return mCurveGray; }
    QPointF getHandle() const { return {mHandleX, mHandleY}; }
    bool isClipping() const { return mClipping; }
    // Tenths of a dB, the unit of the level meters.
    double getOutputLevel() const { return mOutputLevel; }

private:
    void applyAutoGain();

    double mInputMin;
    double mInputMax;
    double mOutputMin;
    double mOutputMax;
    double mInputLevel = -90.0;
    double mGainReduction = 0.0;
    bool mClipping = false;
    double mOutputLevel = -90.0;
    double mThreshold = -36.0;
    double mRatioFirst = 1.0;
    double mRatioSecond = 1.0;
    double mAttack = 1.0;
    double mRelease = 1.0;
    double mGain = 0.0;
    bool mGainAuto = false;
    double mMix = 0.0;
    double mHandleX = 0.0;
    double mHandleY = 0.0;
    QList<QPointF> mCurve;
    QList<QPointF> mCurveGreen;
    QList<QPointF> mCurveRed;
    QList<QPointF> mCurveGray;
};
