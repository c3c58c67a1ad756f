#pragma once

#include "app/appsettings.h"
#include "app/workspace.h"
#include "strips/mixer/mixerstereo.h"
#include "widgets/pushbutton.h"

class DialS1M3;
class VolumeMeterS1M3;
class VolumeMeterS1M4;
class VolumeMeterS1M5;

// Stereo strip with link and balances, without polarity. No layout places
// it: it is built through its meta-type registration only.
class MixerS1M1 : public MixerStereo, public WorkspaceObserver, public AppSettingsObserver
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit MixerS1M1(QWidget* parent = nullptr, const QString& name = QString());

    MixerS1M1& setName(const QString& name);
    MixerS1M1& setChannelNameEditable(bool editable);

    DialS1M3* dialLeftWidget() const { return mDialLeft; }
    DialS1M3* dialRightWidget() const { return mDialRight; }
    PushButtonS1M2* group1() const { return mGroup1; }
    PushButtonS1M6* group2() const { return mGroup2; }

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
    void in_widgetPushButtonGroup1_buttonStateChanged(PushButtonS1M2::ButtonID button, bool state);
    void in_widgetPushButtonGroup2_buttonStateChanged(PushButtonS1M6::ButtonID button, bool state);

protected:
    void showView(bool linked) override;
    void showDials(float left, float right, float defaultLeft, float defaultRight) override;
    float dialLeft() const override;
    float dialRight() const override;
    bool shownMute(Side side) const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    VolumeMeterS1M3* mUnlinkMeter = nullptr;
    DialS1M3* mDialLeft = nullptr;
    PushButtonS1M2* mGroup1 = nullptr;
    DialS1M3* mDialRight = nullptr;
    PushButtonS1M6* mGroup2 = nullptr;
    VolumeMeterS1M4* mLinkedMeterLeft = nullptr;
    VolumeMeterS1M5* mLinkedMeterRight = nullptr;
};

Q_DECLARE_METATYPE(MixerS1M1*)
