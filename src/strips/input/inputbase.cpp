#include "strips/input/inputbase.h"

InputBase::InputBase(QWidget* parent)
    : Solo(parent)
{
}

InputBase& InputBase::setChannelNameDefault(const QString& name)
{
    StripBase::setChannelNameDefault(name);
    return *this;
}

InputBase& InputBase::setEnableSilent(bool enable)
{
    StripBase::setEnableSilent(enable);
    return *this;
}

InputBase& InputBase::setEnable(bool enable)
{
    mEnable = enable;
    return *this;
}

InputBase& InputBase::setCloseEnable(bool enable)
{
    StripBase::setCloseEnable(enable);
    return *this;
}

InputBase& InputBase::setSendEnable(bool enable)
{
    StripBase::setSendEnable(enable);
    return *this;
}

InputBase& InputBase::setSaveMirror(bool mirror)
{
    StripBase::setSaveMirror(mirror);
    return *this;
}

InputBase& InputBase::updateSolo(int count)
{
    Q_UNUSED(count);
    applySoloCount();
    return *this;
}
