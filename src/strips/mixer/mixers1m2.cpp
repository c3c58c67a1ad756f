#include "strips/mixer/mixers1m2.h"

#include "widgets/volumemeter.h"

MixerS1M2::MixerS1M2(QWidget* parent, const QString& name)
    : MixerSingleFader(parent)
    , WorkspaceObserver(name)
    , AppSettingsObserver(name)
{
    if (!name.isEmpty())
        setObjectName(name);
    buildSingleFader(this, this, "MixerS1M2");
}

MixerS1M2& MixerS1M2::setName(const QString& name)
{
    setStripName(name);
    return *this;
}

MixerS1M2& MixerS1M2::setFont(const QFont& font)
{
    applyFont(font);
    return *this;
}

MixerS1M2& MixerS1M2::setChannelNameEditable(bool editable)
{
    setTitleEditable(editable);
    return *this;
}

MixerS1M2& MixerS1M2::setVolumeMeterLeft(int level)
{
    meterLeft()->setValue(clampLevel(level), getMuteState() ? kFaderMin : shownFaderDb());
    return *this;
}

MixerS1M2& MixerS1M2::setVolumeMeterRight(int level)
{
    meterRight()->setValue(clampLevel(level), getMuteState() ? kFaderMin : shownFaderDb());
    return *this;
}

void MixerS1M2::appSettingsChanged(QString objectName, QString attribute, QString value)
{
    // Device names and user titles only: language and scale leave the strip as it is.
    Q_UNUSED(objectName);
    Q_UNUSED(attribute);
    Q_UNUSED(value);
}

MixerBase::Gains MixerS1M2::storedGains(const QString& mix) const
{
    const qint32 g = storedGain(mix);
    return {g, 0, 0, g};
}

MixerBase::Gains MixerS1M2::currentGains() const
{
    const qint32 g = shownGain();
    return {g, 0, 0, g};
}
