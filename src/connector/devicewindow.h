#pragma once

#include <QString>
#include <QWidget>

// What the connector needs of a device's main window: start talking to the
// device, and report "AuthResult" and "Disconnected" back.
class DeviceWindow : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Called once, after the connector tried to open the HID interface.
    virtual void connectDevice(bool hidOpened) = 0;

signals:
    void attributeChanged(QString objectName, QString attribute, QString value);
};
