#include "strips/origin/originbase.h"

OriginBase::OriginBase(QWidget* parent)
    : QWidget(parent)
{
}

OriginBase& OriginBase::setChannelNameDefault(const QString& name)
{
    StripBase::setChannelNameDefault(name);
    return *this;
}

OriginBase& OriginBase::setSaveMirror(bool mirror)
{
    StripBase::setSaveMirror(mirror);
    return *this;
}

OriginBase& OriginBase::setEnableSilent(bool enable)
{
    StripBase::setEnableSilent(enable);
    return *this;
}

OriginBase& OriginBase::setEnable(bool enable)
{
    mEnable = enable;
    if (mSaveMirror)
        emit attributeChanged(objectName(), "Save_Enable", enable ? "1" : "0");
    updateAttribute();
    return *this;
}

OriginBase& OriginBase::setCloseEnable(bool enable)
{
    StripBase::setCloseEnable(enable);
    return *this;
}

OriginBase& OriginBase::setSendEnable(bool enable)
{
    StripBase::setSendEnable(enable);
    return *this;
}
