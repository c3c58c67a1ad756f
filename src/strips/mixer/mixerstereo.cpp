#include "strips/mixer/mixerstereo.h"

#include "app/globalfont.h"
#include "widgets/vsliders1m1.h"

#include <QPushButton>

namespace {
const QString kBalanceLinkedLeft = "_BalanceLinkedLeft";
const QString kBalanceLinkedRight = "_BalanceLinkedRight";
const QString kBalanceUnlinkLeft = "_BalanceUnlinkLeft";
const QString kBalanceUnlinkRight = "_BalanceUnlinkRight";
} // namespace

MixerStereo::MixerStereo(QWidget* parent, bool hasAnti, const QString& linkHoverStyle)
    : MixerBase(parent)
    , mHasAnti(hasAnti)
    , mLinkHoverStyle(linkHoverStyle)
{
}

void MixerStereo::buildFaders(QWidget* frame, int heightEdit, int heightGap, int heightSlider)
{
    mFaderRight = new VSliderS1M1(frame);
    mFaderRight->setObjectName("widgetUnlinkVSliderRight");
    mFaderLeft = new VSliderS1M1(frame);
    mFaderLeft->setObjectName("widgetUnlinkVSliderLeft");
    mFaderLinked = new VSliderS1M1(frame);
    mFaderLinked->setObjectName("widgetLinkedVSlider");
    for (VSliderS1M1* fader : {mFaderLinked, mFaderLeft, mFaderRight}) {
        fader->setRange(kFaderMin, kFaderMax).setDefaultValue(0).setShowMinusInfinity(true);
        if (heightSlider > 0)
            fader->setHeightRatio(heightEdit, heightGap, heightSlider);
    }
}

void MixerStereo::connectLinkButton(QPushButton* button)
{
    mLinkButton = button;
    mLinkButton->setObjectName("pushButtonLink");
    mLinkButton->setText("Link");
    mLinkButton->setStyleSheet(linkStyle(true));
    connect(mFaderLinked, &VSliderS1M1::valueChanged, this, &MixerStereo::in_widgetLinkedVSlider_valueChanged,
        Qt::UniqueConnection);
    connect(mFaderLeft, &VSliderS1M1::valueChanged, this, &MixerStereo::in_widgetUnlinkVSliderLeft_valueChanged,
        Qt::UniqueConnection);
    connect(mFaderRight, &VSliderS1M1::valueChanged, this, &MixerStereo::in_widgetUnlinkVSliderRight_valueChanged,
        Qt::UniqueConnection);
    connect(mLinkButton, &QPushButton::clicked, this, &MixerStereo::on_pushButtonLink_clicked);
}

QString MixerStereo::linkStyle(bool linked) const
{
    return QString("QPushButton {   border-radius: 3px;   color: %1;   background-color: transparent;}"
                   "QPushButton:hover {   %2}")
        .arg(linked ? "rgb(161, 161, 161)" : "rgb(60, 60, 60)", mLinkHoverStyle);
}

void MixerStereo::placeLinkButton(int titleHeight, int w, int h)
{
    const int buttonWidth = 30 * w;
    const int buttonHeight = 6 * h;
    mLinkButton->setGeometry((width() - buttonWidth) / 2, titleHeight + h, buttonWidth, buttonHeight);
    QFont font = mFont;
    font.setPointSize(qMax(1, GlobalFont::getSuitablePointSize(mFont, buttonHeight) - 1));
    mLinkButton->setFont(font);
}

QList<MixerBase::KeySpec> MixerStereo::mixKeys() const
{
    QList<KeySpec> keys {{"_Link", mLinkDefault, true}, {kBalanceLinkedLeft, 0, false},
        {kBalanceLinkedRight, 100, false}, {kBalanceUnlinkLeft, 50, false}, {kBalanceUnlinkRight, 50, false}};
    if (mHasAnti)
        keys += {{"_ANTI", false, true}, {"_ANTILeft", false, true}, {"_ANTIRight", false, true}};
    keys += {{"_GAIN", 0, false}, {"_GAINLeft", 0, false}, {"_GAINRight", 0, false}, {"_SOLO", false, true},
        {"_SOLOLeft", false, true}, {"_SOLORight", false, true}, {"_MUTE", false, true}, {"_MUTELeft", false, true},
        {"_MUTERight", false, true}};
    return keys;
}

void MixerStereo::showBalancesOf(const QString& mix, bool linked)
{
    if (linked)
        showDials(storedBalance(mix + kBalanceLinkedLeft, 100), storedBalance(mix + kBalanceLinkedRight, 100), 0, 100);
    else
        showDials(storedBalance(mix + kBalanceUnlinkLeft, 100), storedBalance(mix + kBalanceUnlinkRight, 100), 50, 50);
}

void MixerStereo::showMix(const QString& mix)
{
    const bool linked = storedBool(mix + "_Link");
    showView(linked);
    mLinkButton->setStyleSheet(linkStyle(linked));
    showBalancesOf(mix, linked);
    if (mHasAnti) {
        for (Side side : {Linked, Left, Right})
            showAnti(side, storedBool(mix + "_ANTI" + sideSuffix(side)));
    }
    mFaderLinked->setValue(storedFader(mix + "_GAIN"));
    mFaderLeft->setValue(storedFader(mix + "_GAINLeft"));
    mFaderRight->setValue(storedFader(mix + "_GAINRight"));
    loadSoloState(linked, storedBool(mix + "_SOLO"), storedBool(mix + "_SOLOLeft"), storedBool(mix + "_SOLORight"),
        storedBool(mix + "_MUTE"), storedBool(mix + "_MUTELeft"), storedBool(mix + "_MUTERight"));
}

MixerBase::Gains MixerStereo::storedGains(const QString& mix) const
{
    const bool linked = storedBool(mix + "_Link");
    auto input = [&](Side side, const QString& balanceKey) {
        const Side own = linked ? Linked : side;
        StereoInput in;
        in.faderDb = storedFader(mix + "_GAIN" + sideSuffix(own));
        in.balance = storedBalance(mix + balanceKey, 100);
        in.muted = storedMuted(mix, "_SOLO" + sideSuffix(own), "_MUTE" + sideSuffix(own));
        in.anti = mHasAnti && storedBool(mix + "_ANTI" + sideSuffix(own));
        return in;
    };
    if (linked)
        return stereoGains(input(Left, kBalanceLinkedLeft), input(Right, kBalanceLinkedRight));
    return stereoGains(input(Left, kBalanceUnlinkLeft), input(Right, kBalanceUnlinkRight));
}

MixerStereo::StereoInput MixerStereo::shownInput(Side side) const
{
    const Side own = mLinked ? Linked : side;
    StereoInput in;
    in.faderDb = clampFader((own == Linked ? mFaderLinked : own == Left ? mFaderLeft : mFaderRight)->getValue());
    in.balance = side == Left ? dialLeft() : dialRight();
    in.muted = shownMute(own);
    in.anti = mHasAnti && shownAnti(own);
    return in;
}

MixerBase::Gains MixerStereo::currentGains() const
{
    return stereoGains(shownInput(Left), shownInput(Right));
}

void MixerStereo::storeLevels(int left, int right)
{
    mLevelLeft = clampLevel(left);
    mLevelRight = clampLevel(right);
    refreshMeters();
}

void MixerStereo::refreshMeters()
{
    // ANTI does not enter the meters: the outputs add magnitudes.
    StereoInput left = shownInput(Left);
    StereoInput right = shownInput(Right);
    const std::array<int, 2> gains = stereoMeterGains(mLevelLeft, mLevelRight, left, right);
    showMeters(mLinked, mLevelLeft, mLevelRight, gains[0], gains[1]);
}

void MixerStereo::in_widgetDialLeft_valueChanged(float value)
{
    save(mixKey(mLinked ? kBalanceLinkedLeft : kBalanceUnlinkLeft), value);
    updateAttribute();
}

void MixerStereo::in_widgetDialRight_valueChanged(float value)
{
    save(mixKey(mLinked ? kBalanceLinkedRight : kBalanceUnlinkRight), value);
    updateAttribute();
}

void MixerStereo::in_widgetLinkedVSlider_valueChanged(int value)
{
    save(mixKey("_GAIN"), value);
    updateAttribute();
}

void MixerStereo::in_widgetUnlinkVSliderLeft_valueChanged(int value)
{
    save(mixKey("_GAINLeft"), value);
    updateAttribute();
}

void MixerStereo::in_widgetUnlinkVSliderRight_valueChanged(int value)
{
    save(mixKey("_GAINRight"), value);
    updateAttribute();
}

void MixerStereo::on_pushButtonLink_clicked()
{
    const bool linked = !mLinked;
    showView(linked);
    mLinkButton->setStyleSheet(linkStyle(linked));
    // Each view keeps its own balances; the faders keep what was loaded.
    showBalancesOf(getMixCurrent(), linked);
    setLink(linked);
    save(mixKey("_Link"), linked);
    updateAttribute();
}
