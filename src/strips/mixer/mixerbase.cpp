#include "strips/mixer/mixerbase.h"

MixerBase::MixerBase(QWidget* parent)
    : Solo(parent)
{
    connect(this, &Solo::soloStateChanged, this, &MixerBase::in_widgetBase_soloStateChanged, Qt::UniqueConnection);
}

MixerBase& MixerBase::setMixCurrent(QString* mix)
{
    mMixCurrent = mix;
    return *this;
}

MixerBase& MixerBase::setMixList(QList<QString>* list)
{
    mMixList = list;
    return *this;
}

MixerBase& MixerBase::setMixSoloState(QHash<QString, int>* counts)
{
    mMixSoloState = counts;
    return *this;
}

MixerBase& MixerBase::setMixVisible(QHash<QString, QString>* lists)
{
    mMixVisible = lists;
    return *this;
}

int MixerBase::getMixSoloState(const QString& mix) const
{
    return mMixSoloState ? qMax(0, mMixSoloState->value(mix, 0)) : 0;
}

QString MixerBase::getMixVisible(const QString& mix) const
{
    return mMixVisible ? mMixVisible->value(mix) : QString();
}

MixerBase& MixerBase::setChannelNameDefault(const QString& name)
{
    StripBase::setChannelNameDefault(name);
    return *this;
}

MixerBase& MixerBase::setSaveMirror(bool mirror)
{
    StripBase::setSaveMirror(mirror);
    return *this;
}

MixerBase& MixerBase::setEnableSilent(bool enable)
{
    StripBase::setEnableSilent(enable);
    return *this;
}

MixerBase& MixerBase::setEnable(bool enable)
{
    if (enable != mEnable) {
        // The area's solo count gains or loses this strip's active solos.
        if (mLinked) {
            if (getSoloState())
                in_widgetBase_soloStateChanged(objectName(), enable);
        } else {
            if (getSoloStateLeft())
                in_widgetBase_soloStateChanged(objectName(), enable);
            if (getSoloStateRight())
                in_widgetBase_soloStateChanged(objectName(), enable);
        }
    }
    mEnable = enable;
    if (mSaveMirror && isMixBound())
        emit attributeChanged(objectName(), "Save_" + getMixCurrent() + "_Enable", enable ? "1" : "0");
    updateAttribute();
    return *this;
}

MixerBase& MixerBase::setCloseEnable(bool enable)
{
    StripBase::setCloseEnable(enable);
    return *this;
}

MixerBase& MixerBase::setSendEnable(bool enable)
{
    StripBase::setSendEnable(enable);
    return *this;
}

MixerBase& MixerBase::updateSolo(int count)
{
    Q_UNUSED(count);
    applySoloCount();
    return *this;
}

void MixerBase::in_widgetBase_soloStateChanged(QString objectName, bool state)
{
    emit attributeChanged(objectName, "Solo", state ? "1" : "0");
}
