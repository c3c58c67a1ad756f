#pragma once

#include "strips/mixer/mixerbase.h"

class QPushButton;
class VSliderS1M1;

// The stereo strips: a link button choosing between one linked fader and two
// side faders, two balance dials whose values each view keeps on its own,
// and MUTE (and, where the strip has it, ANTI) per linked pair or per side.
class MixerStereo : public MixerBase
{
    Q_OBJECT
public:

    VSliderS1M1* linkedFader() const { return mFaderLinked; }
    VSliderS1M1* leftFader() const { return mFaderLeft; }
    VSliderS1M1* rightFader() const { return mFaderRight; }
    QPushButton* linkButton() const { return mLinkButton; }
    bool getLinkDefault() const { return mLinkDefault; }

public slots:
    void in_widgetDialLeft_valueChanged(float value);
    void in_widgetDialRight_valueChanged(float value);
    void in_widgetLinkedVSlider_valueChanged(int value);
    void in_widgetUnlinkVSliderLeft_valueChanged(int value);
    void in_widgetUnlinkVSliderRight_valueChanged(int value);
    void on_pushButtonLink_clicked();

protected:
    MixerStereo(QWidget* parent, bool hasAnti, const QString& linkHoverStyle);

    // Creates the three faders on the frame and wires them and the link button.
    void buildFaders(QWidget* frame, int heightEdit, int heightGap, int heightSlider);
    void connectLinkButton(QPushButton* button);

    // What the two stereo strips show differently.
    virtual void showView(bool linked) = 0;
    virtual void showDials(float left, float right, float defaultLeft, float defaultRight) = 0;
    virtual float dialLeft() const = 0;
    virtual float dialRight() const = 0;
    virtual bool shownMute(Side side) const = 0;
    virtual bool shownAnti(Side side) const
    {
        Q_UNUSED(side);
        return false;
    }
    virtual void showAnti(Side side, bool on) { Q_UNUSED(side); Q_UNUSED(on); }
    virtual void showMeters(bool linked, int levelLeft, int levelRight, int gainLeft, int gainRight)
    {
        Q_UNUSED(linked); Q_UNUSED(levelLeft); Q_UNUSED(levelRight); Q_UNUSED(gainLeft); Q_UNUSED(gainRight);
    }

    QList<KeySpec> mixKeys() const override;
    void showMix(const QString& mix) override;
    Gains storedGains(const QString& mix) const override;
    Gains currentGains() const override;

    QString linkStyle(bool linked) const;
    // Centred under the title, its text fitted to its height.
    void placeLinkButton(int titleHeight, int w, int h);
    void storeLevels(int left, int right);
    void refreshMeters();
    void setLinkDefaultFlag(bool linked) { mLinkDefault = linked; }

    int mLevelLeft = kLevelFloor;
    int mLevelRight = kLevelFloor;

private:
    void showBalancesOf(const QString& mix, bool linked);
    StereoInput shownInput(Side side) const;

    const bool mHasAnti;
    const QString mLinkHoverStyle;
    bool mLinkDefault = true;
    VSliderS1M1* mFaderLinked = nullptr;
    VSliderS1M1* mFaderLeft = nullptr;
    VSliderS1M1* mFaderRight = nullptr;
    QPushButton* mLinkButton = nullptr;
};
