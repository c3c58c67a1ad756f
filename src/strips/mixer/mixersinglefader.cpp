#include "strips/mixer/mixersinglefader.h"

#include "widgets/pushbuttongroup.h"
#include "widgets/volumemeter.h"
#include "widgets/vsliders1m1.h"

#include <QFrame>
#include <QLineEdit>
#include <QResizeEvent>

MixerSingleFader::MixerSingleFader(QWidget* parent)
    : MixerBase(parent)
{
}

void MixerSingleFader::buildSingleFader(WorkspaceObserver* store, AppSettingsObserver* appStore,
    const QString& formName)
{
    QFrame* frame = buildStrip(store, appStore, formName, QSize(56, 220));
    mGroup = new PushButtonGroupS1M2(frame);
    mGroup->setObjectName("widgetPushButtonGroup1");
    mMeterLeft = new VolumeMeterS1M4(frame);
    mMeterLeft->setObjectName("widgetLinkedMeterLeft");
    mMeterRight = new VolumeMeterS1M5(frame);
    mMeterRight->setObjectName("widgetLinkedMeterRight");
    mFader = new VSliderS1M1(frame);
    mFader->setObjectName("widgetLinkedVSlider");

    mMeterLeft->setWidthRatio(43, 8, 20, 15, 14).setHeightRatio(2, 2, 94, 2).setScaleLineHidden(true);
    mMeterRight->setWidthRatio(43, 8, 20, 15, 14).setHeightRatio(2, 2, 94, 2).setScaleLineHidden(true);
    mFader->setRange(kFaderMin, kFaderMax).setDefaultValue(0).setHeightRatio(6, 4, 90).setShowMinusInfinity(true);

    connect(mFader, &VSliderS1M1::valueChanged, this, &MixerSingleFader::in_widgetLinkedVSlider_valueChanged,
        Qt::UniqueConnection);
    connect(mGroup, &PushButtonGroupBase::stateChanged, this,
        &MixerSingleFader::in_widgetPushButtonGroup1_stateChanged, Qt::UniqueConnection);
    mLinked = true;
}

void MixerSingleFader::applyFont(const QFont& font)
{
    setStripFont(font);
    mMeterLeft->setFont(font);
    mMeterRight->setFont(font);
    mFader->setFont(font);
    mGroup->setFont(font);
    QResizeEvent event(size(), size());
    resizeEvent(&event);
    update();
}

void MixerSingleFader::setSoloState(bool state)
{
    mGroup->setState("SOLO", state ? "1" : "0", false);
}

void MixerSingleFader::setMuteState(bool state)
{
    mGroup->setState("MUTE", state ? "1" : "0", false);
}

void MixerSingleFader::changeSoloState(bool state)
{
    mGroup->setState("SOLO", state ? "1" : "0", true);
}

void MixerSingleFader::changeMuteState(bool state)
{
    mGroup->setState("MUTE", state ? "1" : "0", true);
}

bool MixerSingleFader::getSoloState()
{
    return mGroup->getState("SOLO").toInt() != 0;
}

bool MixerSingleFader::getMuteState()
{
    return mGroup->getState("MUTE").toInt() != 0;
}

void MixerSingleFader::in_widgetLinkedVSlider_valueChanged(int value)
{
    save(mixKey("_GAIN"), value);
    updateAttribute();
}

void MixerSingleFader::in_widgetPushButtonGroup1_stateChanged(QString button, QString state)
{
    const bool on = state.toInt() != 0;
    if (button == "SOLO")
        soloButtonChanged(Linked, on);
    else if (button == "MUTE")
        muteButtonChanged(Linked, on);
}

QList<MixerBase::KeySpec> MixerSingleFader::mixKeys() const
{
    return {{"_GAIN", 0, false}, {"_SOLO", false, true}, {"_MUTE", false, true}};
}

void MixerSingleFader::showMix(const QString& mix)
{
    mFader->setValue(storedFader(mix + "_GAIN"));
    loadSoloState(true, storedBool(mix + "_SOLO"), false, false, storedBool(mix + "_MUTE"), false, false);
}

int MixerSingleFader::shownFaderDb() const
{
    return clampFader(mFader->getValue());
}

qint32 MixerSingleFader::shownGain() const
{
    if (mGroup->getState("MUTE").toInt() != 0)
        return 0;
    return dbToLinear(shownFaderDb());
}

qint32 MixerSingleFader::storedGain(const QString& mix) const
{
    if (storedMuted(mix, "_SOLO", "_MUTE"))
        return 0;
    return dbToLinear(storedFader(mix + "_GAIN"));
}

void MixerSingleFader::resizeEvent(QResizeEvent* event)
{
    MixerBase::resizeEvent(event);
    const int W = width();
    const int H = height();
    const int w = W / 100;
    const int h = H / 100;
    const int e = 2 * w;
    const int m = 34 * w;
    const int s = 24 * w;
    const int x0 = (W - 4 * e - 2 * m - s) / 2;
    const int t = 8 * h;
    const int y0 = 6 * h + t;
    const int k = 68 * h;
    layoutTitle(t, 0.06);
    mMeterLeft->setGeometry(x0 + e, y0, m, k);
    mFader->setGeometry(x0 + 2 * e + m, int(y0 - 4.1 * h), s, int(k + 4.1 * h));
    mMeterRight->setGeometry(x0 + 3 * e + m + s, y0, m, k);
    const int groupWidth = W - 14 * w;
    const QSize minimum = mGroup->minimumSize();
    const int groupHeight = minimum.width() > 0 ? minimum.height() * groupWidth / minimum.width() : minimum.height();
    mGroup->setGeometry(7 * w, int(82.5 * h), groupWidth, groupHeight);
}
