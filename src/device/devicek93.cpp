#include "device/devicek93.h"

#include "device/commandtable.h"

namespace {

bool isBareMixerGain(const QString& attribute)
{
    return attribute == QLatin1String("GainMLCL") || attribute == QLatin1String("GainMLCR")
           || attribute == QLatin1String("GainMRCL") || attribute == QLatin1String("GainMRCR");
}

} // namespace

DeviceK93::DeviceK93(QObject* parent)
    : DeviceType1(parent)
{
}

bool DeviceK93::sendAttribute(const QString& channel, const QString& attribute, const QString& value)
{
    const auto encoded = CommandTable::encode(channel, attribute, value);
    if (!encoded)
        return false;
    sendCommand(encoded->command, encoded->value);
    return true;
}

// The noise-reduction and reverb settings are one device function whichever
// panel changes them.
bool DeviceK93::sendEffectParameter(const QString& attribute, const QString& value)
{
    if (CommandTable::find("Effect_NC", attribute))
        return sendAttribute("Effect_NC", attribute, value);
    if (CommandTable::find("Effect_Reverb", attribute))
        return sendAttribute("Effect_Reverb", attribute, value);
    return false;
}

void DeviceK93::in_fieldMixer_attributeChanged(QString objectName, QString attribute, QString value)
{
    // The Easy-mode strips carry no mix: their gains stand for the mixes A to C.
    if (isBareMixerGain(attribute)) {
        for (const char* mix : {"MixA_", "MixB_", "MixC_"})
            sendAttribute(objectName, QLatin1String(mix) + attribute, value);
        return;
    }
    sendAttribute(objectName, attribute, value);
}

void DeviceK93::in_fieldEffect_attributeChanged(QString objectName, QString attribute, QString value)
{
    Q_UNUSED(objectName);
    if (attribute.startsWith(QLatin1String("Save_")))
        return;
    sendEffectParameter(attribute, value);
}

void DeviceK93::in_Compressor_attributeChanged(QString objectName, QString attribute, QString value)
{
    Q_UNUSED(objectName);
    sendAttribute("Compressor", attribute, value);
}

void DeviceK93::in_Others_attributeChanged(QString objectName, QString attribute, QString value)
{
    if (objectName == QLatin1String("ConfigMenuTyro") && attribute == QLatin1String("DuckingSwitch"))
        sendAttribute("Ducking", attribute, value);
}

void DeviceK93::in_fieldInput_attributeChanged(QString objectName, QString attribute, QString value)
{
    sendAttribute(objectName, attribute, value);
}

void DeviceK93::in_fieldOutput_attributeChanged(QString objectName, QString attribute, QString value)
{
    sendAttribute(objectName, attribute, value);
}

void DeviceK93::in_fieldLoopback_attributeChanged(QString objectName, QString attribute, QString value)
{
    sendAttribute(objectName, attribute, value);
}

void DeviceK93::in_System_attributeChanged(QString objectName, QString attribute, QString value)
{
    if (attribute == QLatin1String("Auth") || attribute == QLatin1String("HeartBeat"))
        sendAttribute(objectName.isEmpty() ? QStringLiteral("MainWindow") : objectName, attribute, value);
}

void DeviceK93::in_Equalizer_attributeChanged(QString objectName, QString attribute, QString value)
{
    sendAttribute(objectName, attribute, value);
}

void DeviceK93::in_Ducking_attributeChanged(QString objectName, QString attribute, QString value)
{
    Q_UNUSED(objectName);
    sendAttribute("Ducking", attribute, value);
}

void DeviceK93::in_EffectIntegration_attributeChanged(QString objectName, QString attribute, QString value)
{
    Q_UNUSED(objectName);
    if (attribute.startsWith(QLatin1String("Save_")))
        return;
    if (!sendEffectParameter(attribute, value))
        sendAttribute("Effect_Integration", attribute, value);
}

void DeviceK93::in_DeviceSettings_attributeChanged(QString objectName, QString attribute, QString value)
{
    // The page's object name follows its form unless the owner renames it.
    Q_UNUSED(objectName);
    sendAttribute("K93_PrivateWidget7", attribute, value);
}
