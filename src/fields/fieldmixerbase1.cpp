#include "fields/fieldmixerbase1.h"

#include "strips/mixer/mixerbase.h"
#include "widgets/theme.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtDebug>

FieldMixerBase1::FieldMixerBase1(QWidget* parent, const QString& name)
    : FieldBase(parent, name)
{
    mMixBar = new QWidget(this);
    mMixBarLayout = new QHBoxLayout(mMixBar);
    mMixBarLayout->setContentsMargins(0, 0, 0, 0);
    mMixButtons = new QButtonGroup(this);
    mMixButtons->setExclusive(true);
    if (auto* layout = qobject_cast<QVBoxLayout*>(this->layout()))
        layout->insertWidget(0, mMixBar);
}

FieldMixerBase1& FieldMixerBase1::setMixList(const QList<QString>& mixes)
{
    mMixList = mixes;
    mMixCurrent = mixes.value(0);
    mSoloCount = 0;
    mMixSoloState.clear();
    mMixVisible.clear();
    for (const QString& mix : mixes) {
        mMixSoloState.insert(mix, 0);
        mMixVisible.insert(mix, mVisibleListDefault);
    }
    rebuildMixButtons();
    return *this;
}

FieldMixerBase1& FieldMixerBase1::setWidgetList(const QList<MixerBase*>& widgets)
{
    QList<Strip> strips;
    for (auto* strip : widgets) {
        if (!strip)
            continue;
        strip->setMixCurrent(&mMixCurrent);
        strip->setMixList(&mMixList);
        strip->setMixSoloState(&mMixSoloState);
        strip->setMixVisible(&mMixVisible);
        strip->setSoloCounter(&mSoloCount);
        strips.append(Strip {strip, strip});
        connect(strip, &MixerBase::attributeChanged, this, &FieldMixerBase1::in_widgetList_attributeChanged);
    }
    setStrips(strips);
    return *this;
}

FieldMixerBase1& FieldMixerBase1::setVisibleListDefault(const QStringList& names)
{
    mVisibleListDefault = makeList(names);
    if (!isWorkspaceBound() || !hasWorkspaceMarker()) {
        for (const QString& mix : std::as_const(mMixList))
            mMixVisible.insert(mix, mVisibleListDefault);
        applyVisibleList(visibleList());
    }
    return *this;
}

QList<MixerBase*> FieldMixerBase1::mixerStrips() const
{
    QList<MixerBase*> result;
    for (const Strip& strip : strips())
        result << static_cast<MixerBase*>(strip.widget);
    return result;
}

int FieldMixerBase1::getSoloCount(const QString& mix) const
{
    return mix == mMixCurrent ? mSoloCount : mMixSoloState.value(mix, 0);
}

FieldMixerBase1& FieldMixerBase1::setMixCurrent(const QString& mix)
{
    if (!mMixList.contains(mix)) {
        qWarning().noquote() << "FieldMixerBase1::setMixCurrent //unknown mix" << mix;
        return *this;
    }
    mMixSoloState.insert(mMixCurrent, mSoloCount);
    mMixCurrent = mix;
    mSoloCount = qMax(0, mMixSoloState.value(mix, 0));
    if (auto* button = mMixButtons->button(int(mMixList.indexOf(mix))))
        button->setChecked(true);
    applyVisibleList(visibleList());
    for (MixerBase* strip : mixerStrips())
        strip->loadMixSettings(mix);
    return *this;
}

void FieldMixerBase1::storeVisibleList(const QString& list)
{
    mMixVisible.insert(mMixCurrent, list);
    setValue(mMixCurrent + "_Visible", list);
}

void FieldMixerBase1::in_widgetList_attributeChanged(QString objectName, QString attribute, QString value)
{
    if (attribute != "Solo")
        return;
    const int before = mSoloCount;
    if (value == "1") {
        ++mSoloCount;
    } else if (mSoloCount > 0) {
        --mSoloCount;
    } else {
        qWarning().noquote() << "FieldMixerBase1::in_widgetList_attributeChanged //solo withdrawn without one of"
                             << objectName;
        return;
    }
    mMixSoloState.insert(mMixCurrent, mSoloCount);
    setValue(mMixCurrent + "_Solo", mSoloCount);
    if ((before == 0) != (mSoloCount == 0)) {
        for (MixerBase* strip : mixerStrips())
            strip->updateSolo(mSoloCount);
    }
}

void FieldMixerBase1::loadSettings()
{
    if (!hasWorkspaceMarker()) {
        setValue(getObserverName(), true);
        for (const QString& mix : std::as_const(mMixList)) {
            setValue(mix + "_Visible", mVisibleListDefault);
            setValue(mix + "_Solo", 0);
        }
    }
    for (const QString& mix : std::as_const(mMixList)) {
        const QString stored = value(mix + "_Visible").toString();
        mMixVisible.insert(mix, stored.startsWith('|') ? stored : mVisibleListDefault);
        mMixSoloState.insert(mix, qMax(0, value(mix + "_Solo").toInt()));
    }
    mSoloCount = mMixSoloState.value(mMixCurrent, 0);
    FieldBase::loadSettings();
}

void FieldMixerBase1::rebuildMixButtons()
{
    for (auto* button : mMixButtons->buttons()) {
        mMixButtons->removeButton(button);
        delete button;
    }
    const QString style = QString("QPushButton { background: %1; color: %2; border: none; padding: 3px 10px; }"
                                  "QPushButton:checked { color: %3; background: %4; }")
                              .arg(Theme::Panel.name(), Theme::TextOff.name(), Theme::Window.name(), Theme::Accent.name());
    for (int i = 0; i < mMixList.size(); ++i) {
        const QString mix = mMixList.at(i);
        QString text = mix;
        if (text.startsWith("Mix") && text.size() > 3)
            text.insert(3, ' ');
        auto* button = new QPushButton(text, mMixBar);
        button->setObjectName(mix);
        button->setCheckable(true);
        button->setChecked(mix == mMixCurrent);
        button->setStyleSheet(style);
        mMixButtons->addButton(button, i);
        mMixBarLayout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, mix]() { setMixCurrent(mix); });
    }
    mMixBarLayout->addStretch(1);
}
