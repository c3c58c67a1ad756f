#pragma once

#include "strips/input/solo.h"
#include "strips/input/stripbase.h"

// Base of the input, loopback and output strips.
class InputBase : public Solo, public StripBase
{
    Q_OBJECT
public:
    explicit InputBase(QWidget* parent = nullptr);

    InputBase& setChannelNameDefault(const QString& name) override;
    InputBase& setEnableSilent(bool enable) override;
    InputBase& setEnable(bool enable) override;
    InputBase& setCloseEnable(bool enable) override;
    InputBase& setSendEnable(bool enable) override;
    InputBase& setSaveMirror(bool mirror) override;
    // Run by the area when its solo count crosses between 0 and 1.
    InputBase& updateSolo(int count);

signals:
    void attributeChanged(QString objectName, QString attribute, QString value);
};
