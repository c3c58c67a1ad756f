#pragma once

#include "device/devicetype1.h"

#include <QString>

// The K93's device object: every slot turns one attribute message into device
// commands through the command table; messages that are not commands send
// nothing.
class DeviceK93 : public DeviceType1
{
    Q_OBJECT
public:
    explicit DeviceK93(QObject* parent = nullptr);

public slots:
    void in_fieldMixer_attributeChanged(QString objectName, QString attribute, QString value);
    void in_fieldEffect_attributeChanged(QString objectName, QString attribute, QString value);
    void in_Compressor_attributeChanged(QString objectName, QString attribute, QString value);
    void in_Others_attributeChanged(QString objectName, QString attribute, QString value);
    void in_fieldInput_attributeChanged(QString objectName, QString attribute, QString value);
    void in_fieldOutput_attributeChanged(QString objectName, QString attribute, QString value);
    void in_fieldLoopback_attributeChanged(QString objectName, QString attribute, QString value);
    // ("MainWindow", "Auth" | "HeartBeat", value)
    void in_System_attributeChanged(QString objectName, QString attribute, QString value);
    // "EQ_HP", "EQ_IN1", "EQ_IN2" and their bands "EQ_HP@n"
    void in_Equalizer_attributeChanged(QString objectName, QString attribute, QString value);
    // "Ducking"
    void in_Ducking_attributeChanged(QString objectName, QString attribute, QString value);
    // "Effect_Integration"
    void in_EffectIntegration_attributeChanged(QString objectName, QString attribute, QString value);
    // The device settings page
    void in_DeviceSettings_attributeChanged(QString objectName, QString attribute, QString value);

private:
    // Encodes through the command table; false when nothing was sent.
    bool sendAttribute(const QString& channel, const QString& attribute, const QString& value);
    bool sendEffectParameter(const QString& attribute, const QString& value);
};
