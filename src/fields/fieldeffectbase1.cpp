#include "fields/fieldeffectbase1.h"

#include "effects/effectbase.h"

FieldEffectBase1::FieldEffectBase1(QWidget* parent, const QString& name)
    : FieldBase(parent, name)
{
}

FieldEffectBase1& FieldEffectBase1::setWidgetList(const QList<EffectBase*>& widgets)
{
    QList<Strip> strips;
    for (auto* widget : widgets) {
        if (widget)
            strips.append(Strip {widget, widget});
    }
    setStrips(strips);
    return *this;
}

FieldEffectBase1& FieldEffectBase1::setVisibleList(const QStringList& names)
{
    storeVisibleList(makeList(names));
    applyVisibleList(mVisibleList);
    return *this;
}

FieldEffectBase1& FieldEffectBase1::setVisibleListDefault(const QStringList& names)
{
    mVisibleListDefault = makeList(names);
    if (!isWorkspaceBound() || !hasWorkspaceMarker()) {
        mVisibleList = mVisibleListDefault;
        applyVisibleList(mVisibleList);
    }
    return *this;
}

void FieldEffectBase1::storeVisibleList(const QString& list)
{
    mVisibleList = list;
    setValue("Visible", list);
}

void FieldEffectBase1::loadSettings()
{
    if (!hasWorkspaceMarker()) {
        setValue(getObserverName(), true);
        setValue("Visible", mVisibleListDefault);
    }
    const QString stored = value("Visible").toString();
    mVisibleList = stored.startsWith('|') ? stored : mVisibleListDefault;
    FieldBase::loadSettings();
}
