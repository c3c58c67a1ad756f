#pragma once

#include "strips/input/stripbase.h"

#include <QWidget>

// Base of every effect panel: store first, then send only what changed.
class EffectBase : public QWidget, public StripBase
{
    Q_OBJECT
public:
    explicit EffectBase(QWidget* parent = nullptr);

    EffectBase& setChannelNameDefault(const QString& name) override;
    EffectBase& setSaveMirror(bool mirror) override;
    EffectBase& setEnableSilent(bool enable) override;
    // Mirrors "Save_Enable" when asked, then reports the strip's values.
    EffectBase& setEnable(bool enable) override;
    EffectBase& setCloseEnable(bool enable) override;
    EffectBase& setSendEnable(bool enable) override;

public slots:
    virtual void updateAttribute() = 0;

signals:
    void attributeChanged(QString objectName, QString attribute, QString value);
};
