#pragma once

#include "strips/input/stripbase.h"

#include <QWidget>

// Base of every compact strip of the simplified layouts: store first, then send only what changed.
class OriginBase : public QWidget, public StripBase
{
    Q_OBJECT
public:
    explicit OriginBase(QWidget* parent = nullptr);

    OriginBase& setChannelNameDefault(const QString& name) override;
    OriginBase& setSaveMirror(bool mirror) override;
    OriginBase& setEnableSilent(bool enable) override;
    // Mirrors "Save_Enable" when asked, then reports the strip's values.
    OriginBase& setEnable(bool enable) override;
    OriginBase& setCloseEnable(bool enable) override;
    OriginBase& setSendEnable(bool enable) override;

public slots:
    virtual void updateAttribute() = 0;

signals:
    void attributeChanged(QString objectName, QString attribute, QString value);
};
