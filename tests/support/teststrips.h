#pragma once

#include "strips/mixer/mixerbase.h"

#include <QStringList>

// A mixer strip with plain bools for buttons: change* acts like a click,
// set* shows silently. It logs mute changes and counts sends, which is
// all the solo logic and the areas can observe of a real strip.
class TestMixerStrip : public MixerBase
{
    Q_OBJECT
public:
    explicit TestMixerStrip(const QString& name, const QString& defaultName = QString(), bool linked = true)
    {
        setObjectName(name);
        setChannelNameDefault(defaultName.isEmpty() ? name : defaultName);
        mLinked = linked;
    }

    bool solo[3] {};
    bool mute[3] {};
    QStringList log;
    int updates = 0;
    QStringList loadedMixes;

    void setSoloState(bool s) override { solo[0] = s; }
    void setSoloStateLeft(bool s) override { solo[1] = s; }
    void setSoloStateRight(bool s) override { solo[2] = s; }
    void setMuteState(bool s) override { mute[0] = s; }
    void setMuteStateLeft(bool s) override { mute[1] = s; }
    void setMuteStateRight(bool s) override { mute[2] = s; }
    void changeSoloState(bool s) override { solo[0] = s; log << QString("solo=%1").arg(s); handleSoloChanged(); }
    void changeSoloStateLeft(bool s) override { solo[1] = s; log << QString("soloL=%1").arg(s); handleSoloLeftChanged(); }
    void changeSoloStateRight(bool s) override { solo[2] = s; log << QString("soloR=%1").arg(s); handleSoloRightChanged(); }
    void changeMuteState(bool s) override
    {
        mute[0] = s;
        log << QString("mute=%1").arg(s);
        lastMuteHandled = handleMuteChanged();
        updateAttribute();
    }
    void changeMuteStateLeft(bool s) override { mute[1] = s; log << QString("muteL=%1").arg(s); lastMuteHandled = handleMuteLeftChanged(); }
    void changeMuteStateRight(bool s) override { mute[2] = s; log << QString("muteR=%1").arg(s); lastMuteHandled = handleMuteRightChanged(); }
    bool getSoloState() override { return solo[0]; }
    bool getSoloStateLeft() override { return solo[1]; }
    bool getSoloStateRight() override { return solo[2]; }
    bool getMuteState() override { return mute[0]; }
    bool getMuteStateLeft() override { return mute[1]; }
    bool getMuteStateRight() override { return mute[2]; }

    void loadMixSettings(QString mix) override { loadedMixes << mix; }
    void updateAttribute() override { ++updates; }

    bool savedMute() const { return mMuteSaved; }
    bool savedMuteLeft() const { return mMuteSavedLeft; }
    bool lastMuteHandled = true;
};
