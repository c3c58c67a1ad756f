#pragma once

#include "strips/input/solo.h"
#include "strips/input/stripbase.h"

#include <QHash>
#include <QList>
#include <QString>

// Base of every mixer strip. The owning mixer area shares its current mix,
// mix list, per-mix solo counts and per-mix visible lists by pointer.
class MixerBase : public Solo, public StripBase
{
    Q_OBJECT
public:
    explicit MixerBase(QWidget* parent = nullptr);

    MixerBase& setMixCurrent(QString* mix);
    MixerBase& setMixList(QList<QString>* list);
    MixerBase& setMixSoloState(QHash<QString, int>* counts);
    MixerBase& setMixVisible(QHash<QString, QString>* lists);
    int getMixSoloState(const QString& mix) const;
    QString getMixVisible(const QString& mix) const;
    // Empty while no area has bound the strip.
    QString getMixCurrent() const { return mMixCurrent ? *mMixCurrent : QString(); }
    QList<QString> getMixList() const { return mMixList ? *mMixList : QList<QString>(); }
    bool isMixBound() const { return mMixCurrent && mMixList; }

    MixerBase& setChannelNameDefault(const QString& name) override;
    MixerBase& setSaveMirror(bool mirror) override;
    MixerBase& setEnableSilent(bool enable) override;
    MixerBase& setEnable(bool enable) override;
    MixerBase& setCloseEnable(bool enable) override;
    MixerBase& setSendEnable(bool enable) override;
    MixerBase& updateSolo(int count);

    virtual void loadMixSettings(QString mix) = 0;

public slots:
    virtual void updateAttribute() = 0;
    void in_widgetBase_soloStateChanged(QString objectName, bool state);

signals:
    void attributeChanged(QString objectName, QString attribute, QString value);

private:
    QString* mMixCurrent = nullptr;
    QList<QString>* mMixList = nullptr;
    QHash<QString, int>* mMixSoloState = nullptr;
    QHash<QString, QString>* mMixVisible = nullptr;
};
