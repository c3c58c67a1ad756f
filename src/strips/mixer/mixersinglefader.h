#pragma once

#include "strips/mixer/mixerbase.h"

class PushButtonGroupS1M2;
class VolumeMeterS1M4;
class VolumeMeterS1M5;
class VSliderS1M1;

// The single-fader strips of the Live mixer: one fader for both signals, a
// SOLO/MUTE pair and two post-fader meters. The strips differ only in how
// the fader's gain is spread over the mix and in what their meters show.
class MixerSingleFader : public MixerBase
{
    Q_OBJECT
public:
    VSliderS1M1* fader() const { return mFader; }
    PushButtonGroupS1M2* buttonGroup() const { return mGroup; }
    VolumeMeterS1M4* meterLeft() const { return mMeterLeft; }
    VolumeMeterS1M5* meterRight() const { return mMeterRight; }

    void setSoloState(bool state) override;
    void setSoloStateLeft(bool) override {}
    void setSoloStateRight(bool) override {}
    void setMuteState(bool state) override;
    void setMuteStateLeft(bool) override {}
    void setMuteStateRight(bool) override {}
    void changeSoloState(bool state) override;
    void changeSoloStateLeft(bool) override {}
    void changeSoloStateRight(bool) override {}
    void changeMuteState(bool state) override;
    void changeMuteStateLeft(bool) override {}
    void changeMuteStateRight(bool) override {}
    bool getSoloState() override;
    bool getSoloStateLeft() override { return false; }
    bool getSoloStateRight() override { return false; }
    bool getMuteState() override;
    bool getMuteStateLeft() override { return false; }
    bool getMuteStateRight() override { return false; }

public slots:
    void in_widgetLinkedVSlider_valueChanged(int value);
    void in_widgetPushButtonGroup1_stateChanged(QString button, QString state);

protected:
    explicit MixerSingleFader(QWidget* parent);
    void buildSingleFader(WorkspaceObserver* store, AppSettingsObserver* appStore, const QString& formName);
    void applyFont(const QFont& font);

    QList<KeySpec> mixKeys() const override;
    void showMix(const QString& mix) override;
    // The fader's linear gain as shown, 0 while muted.
    qint32 shownGain() const;
    // A hidden mix's fader gain, 0 when its solo situation or MUTE silences it.
    qint32 storedGain(const QString& mix) const;
    int shownFaderDb() const;

    void resizeEvent(QResizeEvent* event) override;

private:
    PushButtonGroupS1M2* mGroup = nullptr;
    VolumeMeterS1M4* mMeterLeft = nullptr;
    VolumeMeterS1M5* mMeterRight = nullptr;
    VSliderS1M1* mFader = nullptr;
};
