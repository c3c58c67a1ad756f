#include "strips/mixer/mixers1m4.h"

#include "widgets/dials1m5.h"
#include "widgets/pushbuttongroup.h"
#include "widgets/volumemeter.h"
#include "widgets/vsliders1m1.h"

#include <QFrame>
#include <QPushButton>
#include <QResizeEvent>

namespace {
}

MixerS1M4::MixerS1M4(QWidget* parent, const QString& name)
    : MixerStereo(parent, true, "color: rgb(67, 207, 124);")
    , WorkspaceObserver(name)
    , AppSettingsObserver(name)
{
    if (!name.isEmpty())
        setObjectName(name);
    QFrame* frame = buildStrip(this, this, "MixerS1M4", QSize(80, 220));
    mUnlinkMeter = new VolumeMeterS1M3(frame);
    mUnlinkMeter->setObjectName("widgetUnlinkMeter");
    mDialLeft = new DialS1M5(frame);
    mDialLeft->setObjectName("widgetDialLeft");
    mGroup1 = new PushButtonGroupS1M3(frame);
    mGroup1->setObjectName("widgetPushButtonGroup1");
    mDialRight = new DialS1M5(frame);
    mDialRight->setObjectName("widgetDialRight");
    auto* link = new QPushButton(frame);
    buildFaders(frame, 8, 4, 88);
    mGroup2 = new PushButtonGroupS1M7(frame);
    mGroup2->setObjectName("widgetPushButtonGroup2");
    mLinkedMeterLeft = new VolumeMeterS1M4(frame);
    mLinkedMeterLeft->setObjectName("widgetLinkedMeterLeft");
    mLinkedMeterRight = new VolumeMeterS1M5(frame);
    mLinkedMeterRight->setObjectName("widgetLinkedMeterRight");
    mGroup3 = new PushButtonGroupS1M7(frame);
    mGroup3->setObjectName("widgetPushButtonGroup3");
    connectLinkButton(link);

    mLinkedMeterLeft->setWidthRatio(44, 6, 20, 16, 14).setScaleLineHidden(true);
    mLinkedMeterRight->setWidthRatio(44, 6, 20, 16, 14).setScaleLineHidden(true);
    mUnlinkMeter->setWidthRatio(9, 6, 12, 9, 28).setScaleLineHidden(true);
    for (DialS1M5* dial : {mDialLeft, mDialRight})
        dial->setBipolar(true).showText(false).setRange(0, 100).setDefault(50);

    // Both sets stay hidden until a load or the link button picks one.
    for (QWidget* widget : std::initializer_list<QWidget*> {linkedFader(), mLinkedMeterLeft, mLinkedMeterRight, mGroup1,
             leftFader(), rightFader(), mUnlinkMeter, mGroup2, mGroup3})
        widget->hide();

    connect(mDialLeft, &DialS1M5::valueChanged, this, &MixerS1M4::in_widgetDialLeft_valueChanged, Qt::UniqueConnection);
    connect(mDialRight, &DialS1M5::valueChanged, this, &MixerS1M4::in_widgetDialRight_valueChanged,
        Qt::UniqueConnection);
    connect(mGroup1, &PushButtonGroupBase::stateChanged, this, &MixerS1M4::in_widgetPushButtonGroup1_stateChanged,
        Qt::UniqueConnection);
    connect(mGroup2, &PushButtonGroupBase::stateChanged, this, &MixerS1M4::in_widgetPushButtonGroup2_stateChanged,
        Qt::UniqueConnection);
    connect(mGroup3, &PushButtonGroupBase::stateChanged, this, &MixerS1M4::in_widgetPushButtonGroup3_stateChanged,
        Qt::UniqueConnection);
}

MixerS1M4& MixerS1M4::setName(const QString& name)
{
    setStripName(name);
    return *this;
}

MixerS1M4& MixerS1M4::setFont(const QFont& font)
{
    setStripFont(font);
    mDialLeft->setFont(font);
    mDialRight->setFont(font);
    for (VSliderS1M1* fader : {linkedFader(), leftFader(), rightFader()})
        fader->setFont(font);
    mLinkedMeterLeft->setFont(font);
    mLinkedMeterRight->setFont(font);
    mUnlinkMeter->setFont(font);
    mGroup1->setFont(font);
    mGroup2->setFont(font);
    mGroup3->setFont(font);
    QResizeEvent event(size(), size());
    resizeEvent(&event);
    update();
    return *this;
}

MixerS1M4& MixerS1M4::setChannelNameEditable(bool editable)
{
    setTitleEditable(editable);
    return *this;
}

MixerS1M4& MixerS1M4::setLinkDefault(bool linked)
{
    setLinkDefaultFlag(linked);
    return *this;
}

MixerS1M4& MixerS1M4::setVolumeMeterLeft(int level)
{
    storeLevels(level, mLevelRight);
    return *this;
}

MixerS1M4& MixerS1M4::setVolumeMeterRight(int level)
{
    storeLevels(mLevelLeft, level);
    return *this;
}

void MixerS1M4::appSettingsChanged(QString objectName, QString attribute, QString value)
{
    // No language texts: the title is the user's and "Link" stays as it is.
    Q_UNUSED(objectName);
    Q_UNUSED(attribute);
    Q_UNUSED(value);
}

PushButtonGroupBase* MixerS1M4::group(Side side) const
{
    switch (side) {
    case Left: return mGroup2;
    case Right: return mGroup3;
    case Linked: break;
    }
    return mGroup1;
}

void MixerS1M4::setSoloState(bool state) { mGroup1->setState("SOLO", state ? "1" : "0", false); }
void MixerS1M4::setSoloStateLeft(bool state) { mGroup2->setState("SOLO", state ? "1" : "0", false); }
void MixerS1M4::setSoloStateRight(bool state) { mGroup3->setState("SOLO", state ? "1" : "0", false); }
void MixerS1M4::setMuteState(bool state) { mGroup1->setState("MUTE", state ? "1" : "0", false); }
void MixerS1M4::setMuteStateLeft(bool state) { mGroup2->setState("MUTE", state ? "1" : "0", false); }
void MixerS1M4::setMuteStateRight(bool state) { mGroup3->setState("MUTE", state ? "1" : "0", false); }
void MixerS1M4::changeSoloState(bool state) { mGroup1->setState("SOLO", state ? "1" : "0", true); }
void MixerS1M4::changeSoloStateLeft(bool state) { mGroup2->setState("SOLO", state ? "1" : "0", true); }
void MixerS1M4::changeSoloStateRight(bool state) { mGroup3->setState("SOLO", state ? "1" : "0", true); }
void MixerS1M4::changeMuteState(bool state) { mGroup1->setState("MUTE", state ? "1" : "0", true); }
void MixerS1M4::changeMuteStateLeft(bool state) { mGroup2->setState("MUTE", state ? "1" : "0", true); }
void MixerS1M4::changeMuteStateRight(bool state) { mGroup3->setState("MUTE", state ? "1" : "0", true); }
bool MixerS1M4::getSoloState() { return mGroup1->getState("SOLO").toInt() != 0; }
bool MixerS1M4::getSoloStateLeft() { return mGroup2->getState("SOLO").toInt() != 0; }
bool MixerS1M4::getSoloStateRight() { return mGroup3->getState("SOLO").toInt() != 0; }
bool MixerS1M4::getMuteState() { return mGroup1->getState("MUTE").toInt() != 0; }
bool MixerS1M4::getMuteStateLeft() { return mGroup2->getState("MUTE").toInt() != 0; }
bool MixerS1M4::getMuteStateRight() { return mGroup3->getState("MUTE").toInt() != 0; }

void MixerS1M4::in_widgetPushButtonGroup1_stateChanged(QString button, QString state)
{
    handleGroup(Linked, button, state);
}

void MixerS1M4::in_widgetPushButtonGroup2_stateChanged(QString button, QString state)
{
    handleGroup(Left, button, state);
}

void MixerS1M4::in_widgetPushButtonGroup3_stateChanged(QString button, QString state)
{
    handleGroup(Right, button, state);
}

void MixerS1M4::handleGroup(Side side, const QString& button, const QString& state)
{
    const bool on = state.toInt() != 0;
    if (button == "SOLO") {
        soloButtonChanged(side, on);
    } else if (button == "MUTE") {
        muteButtonChanged(side, on);
    } else if (button == "ANTI") {
        save(mixKey("_ANTI" + sideSuffix(side)), on);
        updateAttribute();
    }
}

void MixerS1M4::showView(bool linked)
{
    for (QWidget* widget : std::initializer_list<QWidget*> {linkedFader(), mLinkedMeterLeft, mLinkedMeterRight, mGroup1})
        widget->setVisible(linked);
    for (QWidget* widget : std::initializer_list<QWidget*> {leftFader(), rightFader(), mUnlinkMeter, mGroup2, mGroup3})
        widget->setVisible(!linked);
}

void MixerS1M4::showDials(float left, float right, float defaultLeft, float defaultRight)
{
    mDialLeft->setDefault(defaultLeft).setValue(left);
    mDialRight->setDefault(defaultRight).setValue(right);
}

float MixerS1M4::dialLeft() const
{
    return mDialLeft->getValue();
}

float MixerS1M4::dialRight() const
{
    return mDialRight->getValue();
}

bool MixerS1M4::shownMute(Side side) const
{
    return group(side)->getState("MUTE").toInt() != 0;
}

bool MixerS1M4::shownAnti(Side side) const
{
    return group(side)->getState("ANTI").toInt() != 0;
}

void MixerS1M4::showAnti(Side side, bool on)
{
    group(side)->setState("ANTI", on ? "1" : "0", false);
}

void MixerS1M4::showMeters(bool linked, int levelLeft, int levelRight, int gainLeft, int gainRight)
{
    if (linked) {
        mLinkedMeterLeft->setValue(levelLeft, gainLeft);
        mLinkedMeterRight->setValue(levelRight, gainRight);
    } else {
        mUnlinkMeter->setValueLeft(levelLeft, gainLeft);
        mUnlinkMeter->setValueRight(levelRight, gainRight);
    }
}

void MixerS1M4::resizeEvent(QResizeEvent* event)
{
    MixerStereo::resizeEvent(event);
    const int W = width();
    const int H = height();
    const int w = W / 100;
    const int h = H / 100;
    const int t = 8 * h;
    layoutTitle(t, 0.04);
    placeLinkButton(t, w, h);
    const int dialY = t + 8 * h;
    mDialLeft->setGeometry(0, dialY, W / 2, 13 * h);
    mDialRight->setGeometry(W / 2, dialY, W - W / 2, 13 * h);
    const int bandY = t + 4 * h + 13 * h + 4 * h;
    const int band = 52 * h;
    leftFader()->setGeometry(11 * w, bandY, 18 * w, band);
    mUnlinkMeter->setGeometry(32 * w, bandY, 38 * w, band);
    rightFader()->setGeometry(73 * w, bandY, 18 * w, band);
    mLinkedMeterLeft->setGeometry(16 * w, bandY, 23 * w, band);
    linkedFader()->setGeometry(42 * w, bandY, 18 * w, band);
    mLinkedMeterRight->setGeometry(62 * w, bandY, 23 * w, band);
    const int groupY = bandY + band + h;
    const int groupH = H - groupY - h;
    mGroup1->setGeometry(7 * w, groupY, W - 14 * w, groupH);
    mGroup2->setGeometry(2 * w, groupY, W / 2 - 3 * w, groupH);
    mGroup3->setGeometry(W / 2 + w, groupY, W / 2 - 3 * w, groupH);
    // The button groups follow the link state.
    const bool setShown = !linkedFader()->isHidden() || !leftFader()->isHidden();
    mGroup1->setVisible(setShown && mLinked);
    mGroup2->setVisible(setShown && !mLinked);
    mGroup3->setVisible(setShown && !mLinked);
}
