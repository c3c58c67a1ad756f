#include "strips/mixer/mixers1m1.h"

#include "widgets/dials1m3.h"
#include "widgets/volumemeter.h"
#include "widgets/vsliders1m1.h"

#include <QFrame>
#include <QPushButton>
#include <QResizeEvent>

namespace {
// Built by name only, so the type must be known before anyone asks for it.
const int kMixerS1M1Type = qRegisterMetaType<MixerS1M1*>("MixerS1M1*");
}

MixerS1M1::MixerS1M1(QWidget* parent, const QString& name)
    : MixerStereo(parent, false, "border: 2px solid gray;   border-radius: 3px;")
    , WorkspaceObserver(name)
    , AppSettingsObserver(name)
{
    Q_UNUSED(kMixerS1M1Type);
    if (!name.isEmpty())
        setObjectName(name);
    QFrame* frame = buildStrip(this, this, "MixerS1M1", QSize(80, 220));
    mUnlinkMeter = new VolumeMeterS1M3(frame);
    mUnlinkMeter->setObjectName("widgetUnlinkMeter");
    mDialLeft = new DialS1M3(frame);
    mDialLeft->setObjectName("widgetDialLeft");
    mGroup1 = new PushButtonS1M2(frame);
    mGroup1->setObjectName("widgetPushButtonGroup1");
    mDialRight = new DialS1M3(frame);
    mDialRight->setObjectName("widgetDialRight");
    auto* link = new QPushButton(frame);
    buildFaders(frame, 0, 0, 0);
    mGroup2 = new PushButtonS1M6(frame);
    mGroup2->setObjectName("widgetPushButtonGroup2");
    mLinkedMeterLeft = new VolumeMeterS1M4(frame);
    mLinkedMeterLeft->setObjectName("widgetLinkedMeterLeft");
    mLinkedMeterRight = new VolumeMeterS1M5(frame);
    mLinkedMeterRight->setObjectName("widgetLinkedMeterRight");
    connectLinkButton(link);

    mUnlinkMeter->setWidthRatio(7, 8, 12, 8, 30).setScaleLineHidden(true);
    mLinkedMeterLeft->setWidthRatio(50, 6, 20, 12, 12).setScaleLineHidden(true);
    mLinkedMeterRight->setWidthRatio(50, 6, 20, 12, 12).setScaleLineHidden(true);
    for (DialS1M3* dial : {mDialLeft, mDialRight})
        dial->setBipolar(true).showText(false).setRange(0, 100).setDefault(50);
    mGroup1->setWidthRatio(38);
    mGroup2->setWidthRatio(38);
    for (QWidget* widget : std::initializer_list<QWidget*> {linkedFader(), mLinkedMeterLeft, mLinkedMeterRight, mGroup1,
             leftFader(), rightFader(), mUnlinkMeter, mGroup2})
        widget->hide();

    connect(mDialLeft, &DialS1M3::valueChanged, this, &MixerS1M1::in_widgetDialLeft_valueChanged, Qt::UniqueConnection);
    connect(mDialRight, &DialS1M3::valueChanged, this, &MixerS1M1::in_widgetDialRight_valueChanged,
        Qt::UniqueConnection);
    connect(mGroup1, &PushButtonS1M2::buttonStateChanged, this,
        &MixerS1M1::in_widgetPushButtonGroup1_buttonStateChanged, Qt::UniqueConnection);
    connect(mGroup2, &PushButtonS1M6::buttonStateChanged, this,
        &MixerS1M1::in_widgetPushButtonGroup2_buttonStateChanged, Qt::UniqueConnection);
}

MixerS1M1& MixerS1M1::setName(const QString& name)
{
    setStripName(name);
    return *this;
}

MixerS1M1& MixerS1M1::setChannelNameEditable(bool editable)
{
    setTitleEditable(editable);
    return *this;
}

void MixerS1M1::appSettingsChanged(QString objectName, QString attribute, QString value)
{
    Q_UNUSED(objectName);
    Q_UNUSED(attribute);
    Q_UNUSED(value);
}

void MixerS1M1::setSoloState(bool state) { mGroup1->setStateSOLO(state); }
void MixerS1M1::setSoloStateLeft(bool state) { mGroup2->setStateSOLOLeft(state); }
void MixerS1M1::setSoloStateRight(bool state) { mGroup2->setStateSOLORight(state); }
void MixerS1M1::setMuteState(bool state) { mGroup1->setStateMUTE(state); }
void MixerS1M1::setMuteStateLeft(bool state) { mGroup2->setStateMUTELeft(state); }
void MixerS1M1::setMuteStateRight(bool state) { mGroup2->setStateMUTERight(state); }
void MixerS1M1::changeSoloState(bool state) { mGroup1->setStateSOLOAndEmit(state); }
void MixerS1M1::changeSoloStateLeft(bool state) { mGroup2->setStateSOLOLeftAndEmit(state); }
void MixerS1M1::changeSoloStateRight(bool state) { mGroup2->setStateSOLORightAndEmit(state); }
void MixerS1M1::changeMuteState(bool state) { mGroup1->setStateMUTEAndEmit(state); }
void MixerS1M1::changeMuteStateLeft(bool state) { mGroup2->setStateMUTELeftAndEmit(state); }
void MixerS1M1::changeMuteStateRight(bool state) { mGroup2->setStateMUTERightAndEmit(state); }
bool MixerS1M1::getSoloState() { return mGroup1->getStateSOLO(); }
bool MixerS1M1::getSoloStateLeft() { return mGroup2->getStateSOLOLeft(); }
bool MixerS1M1::getSoloStateRight() { return mGroup2->getStateSOLORight(); }
bool MixerS1M1::getMuteState() { return mGroup1->getStateMUTE(); }
bool MixerS1M1::getMuteStateLeft() { return mGroup2->getStateMUTELeft(); }
bool MixerS1M1::getMuteStateRight() { return mGroup2->getStateMUTERight(); }

void MixerS1M1::in_widgetPushButtonGroup1_buttonStateChanged(PushButtonS1M2::ButtonID button, bool state)
{
    if (button == PushButtonS1M2::SOLO)
        soloButtonChanged(Linked, state);
    else if (button == PushButtonS1M2::MUTE)
        muteButtonChanged(Linked, state);
}

void MixerS1M1::in_widgetPushButtonGroup2_buttonStateChanged(PushButtonS1M6::ButtonID button, bool state)
{
    switch (button) {
    case PushButtonS1M6::SOLOLeft: soloButtonChanged(Left, state); break;
    case PushButtonS1M6::SOLORight: soloButtonChanged(Right, state); break;
    case PushButtonS1M6::MUTELeft: muteButtonChanged(Left, state); break;
    case PushButtonS1M6::MUTERight: muteButtonChanged(Right, state); break;
    }
}

void MixerS1M1::showView(bool linked)
{
    for (QWidget* widget : std::initializer_list<QWidget*> {linkedFader(), mLinkedMeterLeft, mLinkedMeterRight, mGroup1})
        widget->setVisible(linked);
    for (QWidget* widget : std::initializer_list<QWidget*> {leftFader(), rightFader(), mUnlinkMeter, mGroup2})
        widget->setVisible(!linked);
}

void MixerS1M1::showDials(float left, float right, float defaultLeft, float defaultRight)
{
    mDialLeft->setDefault(defaultLeft).setValue(left);
    mDialRight->setDefault(defaultRight).setValue(right);
}

float MixerS1M1::dialLeft() const
{
    return mDialLeft->getValue();
}

float MixerS1M1::dialRight() const
{
    return mDialRight->getValue();
}

bool MixerS1M1::shownMute(Side side) const
{
    switch (side) {
    case Left: return mGroup2->getStateMUTELeft();
    case Right: return mGroup2->getStateMUTERight();
    case Linked: break;
    }
    return mGroup1->getStateMUTE();
}

void MixerS1M1::resizeEvent(QResizeEvent* event)
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
    const int band = 55 * h;
    leftFader()->setGeometry(11 * w, bandY, 18 * w, band);
    mUnlinkMeter->setGeometry(32 * w, bandY, 38 * w, band);
    rightFader()->setGeometry(73 * w, bandY, 18 * w, band);
    mLinkedMeterLeft->setGeometry(16 * w, bandY, 23 * w, band);
    linkedFader()->setGeometry(42 * w, bandY, 18 * w, band);
    mLinkedMeterRight->setGeometry(62 * w, bandY, 23 * w, band);
    const int groupY = bandY + band + h;
    mGroup1->setGeometry(0, groupY, W, 15 * h);
    mGroup2->setGeometry(0, groupY, W, 15 * h);
}
