#pragma once

#include "fields/fieldbase.h"

class OriginBase;

// An area with one visible list, stored in its workspace group.
class FieldOriginBase1 : public FieldBase
{
    Q_OBJECT
public:
    FieldOriginBase1(QWidget* parent, const QString& name);

    FieldOriginBase1& setWidgetList(const QList<OriginBase*>& widgets);
    // Applies the list: listed strips shown and silently enabled, others hidden.
    FieldOriginBase1& setVisibleList(const QStringList& names);
    // The list a new workspace starts with.
    FieldOriginBase1& setVisibleListDefault(const QStringList& names);
    QString getVisibleList() const { return mVisibleList; }

    void loadSettings() override;

protected:
    QString visibleList() const override { return mVisibleList; }
    void storeVisibleList(const QString& list) override;

private:
    QString mVisibleList = "|";
    QString mVisibleListDefault = "|";
};
