#include "strips/mixer/mixers1m3.h"

#include "device/usbaudioapi.h"
#include "widgets/volumemeter.h"

MixerS1M3::MixerS1M3(QWidget* parent, const QString& name)
    : MixerSingleFader(parent)
    , WorkspaceObserver(name)
    , AppSettingsObserver(name)
{
    if (!name.isEmpty())
        setObjectName(name);
    buildSingleFader(this, this, "MixerS1M3");
}

MixerS1M3& MixerS1M3::setName(const QString& name)
{
    setStripName(name);
    return *this;
}

MixerS1M3& MixerS1M3::setFont(const QFont& font)
{
    applyFont(font);
    return *this;
}

MixerS1M3& MixerS1M3::setChannelNameEditable(bool editable)
{
    setTitleEditable(editable);
    return *this;
}

MixerS1M3& MixerS1M3::setVolumeMeterLeft(int level)
{
    mLevelIN1 = clampLevel(level);
    refreshMeters();
    return *this;
}

MixerS1M3& MixerS1M3::setVolumeMeterRight(int level)
{
    mLevelIN2 = clampLevel(level);
    refreshMeters();
    return *this;
}

MixerS1M3& MixerS1M3::setBalanceIN1(int balance, bool update)
{
    mBalanceIN1 = qBound(0, balance, 200);
    if (update)
        updateAllMixGains();
    return *this;
}

MixerS1M3& MixerS1M3::setBalanceIN2(int balance, bool update)
{
    mBalanceIN2 = qBound(0, balance, 200);
    if (update)
        updateAllMixGains();
    return *this;
}

MixerS1M3& MixerS1M3::updateAllMixGains()
{
    const QString current = getMixCurrent();
    for (const QString& mix : getMixList()) {
        if (mix != current)
            emitGains(mix, isPresentIn(mix) ? storedGains(mix) : Gains {});
    }
    updateAttribute();
    return *this;
}

void MixerS1M3::appSettingsChanged(QString objectName, QString attribute, QString value)
{
    Q_UNUSED(objectName);
    Q_UNUSED(attribute);
    Q_UNUSED(value);
}

MixerBase::Gains MixerS1M3::spread(qint64 g) const
{
    return {weightedGain(g, mBalanceIN1, false), weightedGain(g, mBalanceIN2, false),
        weightedGain(g, mBalanceIN1, true), weightedGain(g, mBalanceIN2, true)};
}

MixerBase::Gains MixerS1M3::storedGains(const QString& mix) const
{
    return spread(storedGain(mix));
}

MixerBase::Gains MixerS1M3::currentGains() const
{
    return spread(shownGain());
}

void MixerS1M3::refreshMeters()
{
    const int fader = getMuteState() ? kFaderMin : shownFaderDb();
    const qint64 lin1 = USBAudioAPI::dbToLinear(mLevelIN1 / 10.0 + fader, kFloorDb);
    const qint64 lin2 = USBAudioAPI::dbToLinear(mLevelIN2 / 10.0 + fader, kFloorDb);
    const qint64 left = lin1 * (200 - mBalanceIN1) / 200 + lin2 * (200 - mBalanceIN2) / 200;
    const qint64 right = lin1 * mBalanceIN1 / 200 + lin2 * mBalanceIN2 / 200;
    meterLeft()->setValue(mLevelIN1, int(USBAudioAPI::linearToDb(left) - mLevelIN1 / 10.0));
    meterRight()->setValue(mLevelIN2, int(USBAudioAPI::linearToDb(right) - mLevelIN2 / 10.0));
}
