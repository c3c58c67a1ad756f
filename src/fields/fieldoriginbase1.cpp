#include "fields/fieldoriginbase1.h"

#include "strips/origin/originbase.h"

FieldOriginBase1::FieldOriginBase1(QWidget* parent, const QString& name)
    : FieldBase(parent, name)
{
}

FieldOriginBase1& FieldOriginBase1::setWidgetList(const QList<OriginBase*>& widgets)
{
    QList<Strip> strips;
    for (auto* widget : widgets) {
        if (widget)
            strips.append(Strip {widget, widget});
    }
    setStrips(strips);
    return *this;
}

FieldOriginBase1& FieldOriginBase1::setVisibleList(const QStringList& names)
{
    storeVisibleList(makeList(names));
    applyVisibleList(mVisibleList);
    return *this;
}

FieldOriginBase1& FieldOriginBase1::setVisibleListDefault(const QStringList& names)
{
    mVisibleListDefault = makeList(names);
    if (!isWorkspaceBound() || !hasWorkspaceMarker()) {
        mVisibleList = mVisibleListDefault;
        applyVisibleList(mVisibleList);
    }
    return *this;
}

void FieldOriginBase1::storeVisibleList(const QString& list)
{
    mVisibleList = list;
    setValue("Visible", list);
}

void FieldOriginBase1::loadSettings()
{
    if (!hasWorkspaceMarker()) {
        setValue(getObserverName(), true);
        setValue("Visible", mVisibleListDefault);
    }
    const QString stored = value("Visible").toString();
    mVisibleList = stored.startsWith('|') ? stored : mVisibleListDefault;
    FieldBase::loadSettings();
}
