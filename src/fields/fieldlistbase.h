#pragma once

#include "fields/fieldbase.h"

// An area with one visible list, stored in its workspace group under
// "Visible". Self is the area class (for chaining), Panel its strip base.
template <class Self, class Panel>
class FieldListBase : public FieldBase
{
public:
    FieldListBase(QWidget* parent, const QString& name)
        : FieldBase(parent, name)
    {
    }

    Self& setWidgetList(const QList<Panel*>& widgets)
    {
        QList<Strip> strips;
        for (auto* widget : widgets) {
            if (widget)
                strips.append(Strip {widget, widget});
        }
        setStrips(strips);
        return self();
    }

    // Applies the list: listed strips shown and silently enabled, others hidden.
    Self& setVisibleList(const QStringList& names)
    {
        storeVisibleList(makeList(names));
        applyVisibleList(mVisibleList);
        return self();
    }

    // The list a new workspace starts with.
    Self& setVisibleListDefault(const QStringList& names)
    {
        mVisibleListDefault = makeList(names);
        if (!isWorkspaceBound() || !hasWorkspaceMarker()) {
            mVisibleList = mVisibleListDefault;
            applyVisibleList(mVisibleList);
        }
        return self();
    }

    QString getVisibleList() const { return mVisibleList; }

    void loadSettings() override
    {
        if (!hasWorkspaceMarker()) {
            setValue(getObserverName(), true);
            setValue("Visible", mVisibleListDefault);
        }
        const QString stored = value("Visible").toString();
        mVisibleList = stored.startsWith('|') ? stored : mVisibleListDefault;
        FieldBase::loadSettings();
    }

protected:
    QString visibleList() const override { return mVisibleList; }
    void storeVisibleList(const QString& list) override
    {
        mVisibleList = list;
        setValue("Visible", list);
    }

private:
    Self& self() { return static_cast<Self&>(*this); }
    QString mVisibleList = "|";
    QString mVisibleListDefault = "|";
};
