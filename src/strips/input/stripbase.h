#pragma once

#include <QString>

// The flags and default channel name that every strip and effect panel
// carries, so that a device area can show, hide and enable any of them.
class StripBase
{
public:
    virtual ~StripBase() = default;

    QString getChannelNameDefault() const { return mChannelNameDefault; }
    bool getEnable() const { return mEnable; }
    bool getCloseEnable() const { return mCloseEnable; }
    bool getSendEnable() const { return mSendEnable; }
    bool getSaveMirror() const { return mSaveMirror; }

    virtual StripBase& setChannelNameDefault(const QString& name)
    {
        mChannelNameDefault = name;
        return *this;
    }
    virtual StripBase& setSaveMirror(bool mirror)
    {
        mSaveMirror = mirror;
        return *this;
    }
    virtual StripBase& setEnableSilent(bool enable)
    {
        mEnable = enable;
        return *this;
    }
    virtual StripBase& setEnable(bool enable) = 0;
    virtual StripBase& setCloseEnable(bool enable)
    {
        mCloseEnable = enable;
        return *this;
    }
    virtual StripBase& setSendEnable(bool enable)
    {
        mSendEnable = enable;
        return *this;
    }

protected:
    QString mChannelNameDefault;
    bool mEnable = false;
    bool mCloseEnable = false;
    bool mSendEnable = false;
    bool mSaveMirror = false;
};
