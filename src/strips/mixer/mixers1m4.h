#pragma once

#include "app/appsettings.h"
#include "app/workspace.h"
#include "strips/mixer/mixerstereo.h"

class DialS1M5;
class PushButtonGroupBase;
class PushButtonGroupS1M3;
class PushButtonGroupS1M7;
class VolumeMeterS1M3;
class VolumeMeterS1M4;
class VolumeMeterS1M5;

// Stereo strip with link, two balance dials and polarity (ANTI) per linked
// pair or per side, with post-fader meters.
class MixerS1M4 : public MixerStereo, public WorkspaceObserver, public AppSettingsObserver
{
    Q_OBJECT
public:
    explicit MixerS1M4(QWidget* parent = nullptr, const QString& name = QString());

    MixerS1M4& setName(const QString& name);
    MixerS1M4& setFont(const QFont& font);
    MixerS1M4& setChannelNameEditable(bool editable);
    // The link state a new workspace starts with (false for the IN1/IN2 pair).
    MixerS1M4& setLinkDefault(bool linked);
    // Input levels in tenths of a dB.
    MixerS1M4& setVolumeMeterLeft(int level);
    MixerS1M4& setVolumeMeterRight(int level);

    DialS1M5* dialLeftWidget() const { return mDialLeft; }
    DialS1M5* dialRightWidget() const { return mDialRight; }
    PushButtonGroupS1M3* group1() const { return mGroup1; }
    PushButtonGroupS1M7* group2() const { return mGroup2; }
    PushButtonGroupS1M7* group3() const { return mGroup3; }
    VolumeMeterS1M4* linkedMeterLeft() const { return mLinkedMeterLeft; }
    VolumeMeterS1M5* linkedMeterRight() const { return mLinkedMeterRight; }
    VolumeMeterS1M3* unlinkMeter() const { return mUnlinkMeter; }

    void setSoloState(bool state) override;
    void setSoloStateLeft(bool state) override;
    void setSoloStateRight(bool state) override;
    void setMuteState(bool state) override;
    void setMuteStateLeft(bool state) override;
    void setMuteStateRight(bool state) override;
    void changeSoloState(bool state) override;
    void changeSoloStateLeft(bool state) override;
    void changeSoloStateRight(bool state) override;
    void changeMuteState(bool state) override;
    void changeMuteStateLeft(bool state) override;
    void changeMuteStateRight(bool state) override;
    bool getSoloState() override;
    bool getSoloStateLeft() override;
    bool getSoloStateRight() override;
    bool getMuteState() override;
    bool getMuteStateLeft() override;
    bool getMuteStateRight() override;

    using WorkspaceObserver::value;

    void loadSettings() override { loadStripSettings(); }
    void appSettingsChanged(QString objectName, QString attribute, QString value) override;

public slots:
    void in_widgetPushButtonGroup1_stateChanged(QString button, QString state);
    void in_widgetPushButtonGroup2_stateChanged(QString button, QString state);
    void in_widgetPushButtonGroup3_stateChanged(QString button, QString state);

protected:
    void showView(bool linked) override;
    void showDials(float left, float right, float defaultLeft, float defaultRight) override;
    float dialLeft() const override;
    float dialRight() const override;
    bool shownMute(Side side) const override;
    bool shownAnti(Side side) const override;
    void showAnti(Side side, bool on) override;
    void showMeters(bool linked, int levelLeft, int levelRight, int gainLeft, int gainRight) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PushButtonGroupBase* group(Side side) const;
    void handleGroup(Side side, const QString& button, const QString& state);

    VolumeMeterS1M3* mUnlinkMeter = nullptr;
    DialS1M5* mDialLeft = nullptr;
    PushButtonGroupS1M3* mGroup1 = nullptr;
    DialS1M5* mDialRight = nullptr;
    PushButtonGroupS1M7* mGroup2 = nullptr;
    VolumeMeterS1M4* mLinkedMeterLeft = nullptr;
    VolumeMeterS1M5* mLinkedMeterRight = nullptr;
    PushButtonGroupS1M7* mGroup3 = nullptr;
};
