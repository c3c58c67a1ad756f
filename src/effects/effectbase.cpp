#include "effects/effectbase.h"

EffectBase::EffectBase(QWidget* parent)
    : QWidget(parent)
{
}

EffectBase& EffectBase::setChannelNameDefault(const QString& name)
{
    StripBase::setChannelNameDefault(name);
    return *this;
}

EffectBase& EffectBase::setSaveMirror(bool mirror)
{
    StripBase::setSaveMirror(mirror);
    return *this;
}

EffectBase& EffectBase::setEnableSilent(bool enable)
{
    StripBase::setEnableSilent(enable);
    return *this;
}

EffectBase& EffectBase::setEnable(bool enable)
{
    mEnable = enable;
    if (mSaveMirror)
        emit attributeChanged(objectName(), "Save_Enable", enable ? "1" : "0");
    updateAttribute();
    return *this;
}

EffectBase& EffectBase::setCloseEnable(bool enable)
{
    StripBase::setCloseEnable(enable);
    return *this;
}

EffectBase& EffectBase::setSendEnable(bool enable)
{
    StripBase::setSendEnable(enable);
    return *this;
}
