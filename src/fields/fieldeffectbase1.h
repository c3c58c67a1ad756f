#pragma once

#include "fields/fieldbase.h"

class EffectBase;

// An area with one visible list, stored in its workspace group.
class FieldEffectBase1 : public FieldBase
{
    Q_OBJECT
public:
    FieldEffectBase1(QWidget* parent, const QString& name);

    FieldEffectBase1& setWidgetList(const QList<EffectBase*>& widgets);
    // Applies the list: listed strips shown and silently enabled, others hidden.
    FieldEffectBase1& setVisibleList(const QStringList& names);
    // The list a new workspace starts with.
    FieldEffectBase1& setVisibleListDefault(const QStringList& names);
    QString getVisibleList() const { return mVisibleList; }

    void loadSettings() override;

protected:
    QString visibleList() const override { return mVisibleList; }
    void storeVisibleList(const QString& list) override;

private:
    QString mVisibleList = "|";
    QString mVisibleListDefault = "|";
};
