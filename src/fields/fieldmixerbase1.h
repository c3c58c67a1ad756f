#pragma once

#include "fields/fieldbase.h"

#include <QHash>

class MixerBase;
class QButtonGroup;
class QHBoxLayout;

// The mixer area: a current mix out of several, each with its own solo count
// and visible list, shared with the strips by pointer.
class FieldMixerBase1 : public FieldBase
{
    Q_OBJECT
public:
    FieldMixerBase1(QWidget* parent, const QString& name);

    // The mixes in order; the first becomes current.
    FieldMixerBase1& setMixList(const QList<QString>& mixes);
    FieldMixerBase1& setWidgetList(const QList<MixerBase*>& widgets);
    FieldMixerBase1& setVisibleListDefault(const QStringList& names);
    // Switches the shown mix: strips follow that mix's visible list, then
    // every strip shows the mix's stored values. Nothing is sent.
    FieldMixerBase1& setMixCurrent(const QString& mix);

    QString getMixCurrent() const { return mMixCurrent; }
    QList<QString> getMixList() const { return mMixList; }
    int getSoloCount() const { return mSoloCount; }
    int getSoloCount(const QString& mix) const;
    QString getVisibleList(const QString& mix) const { return mMixVisible.value(mix); }

    void loadSettings() override;

public slots:
    void in_widgetList_attributeChanged(QString objectName, QString attribute, QString value);

protected:
    QString visibleList() const override { return mMixVisible.value(mMixCurrent); }
    void storeVisibleList(const QString& list) override;

private:
    void rebuildMixButtons();
    QList<MixerBase*> mixerStrips() const;

    QString mMixCurrent;
    QList<QString> mMixList;
    // The current mix's count lives in one stable member the strips point at;
    // the table holds every mix's count and is synchronised on each change.
    int mSoloCount = 0;
    QHash<QString, int> mMixSoloState;
    QHash<QString, QString> mMixVisible;
    QString mVisibleListDefault = "|";

    QWidget* mMixBar = nullptr;
    QHBoxLayout* mMixBarLayout = nullptr;
    QButtonGroup* mMixButtons = nullptr;
};
