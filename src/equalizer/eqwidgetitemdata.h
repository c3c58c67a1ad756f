#pragma once

#include <QMetaType>
#include <QString>

// One parametric equaliser band as every part of the equaliser passes it on.
struct EqWidgetItemData
{
    enum ChangedFlag : quint8 {
        TypeChanged = 1,
        GainChanged = 2,
        FrequencyChanged = 4,
        QChanged = 8,
        SwitchChanged = 16
    };

    EqWidgetItemData(qint32 index, const QString& type, float gain, float frequency, float q, bool enabled);

    qint32 index;
    QString type; // "0" peaking, "1" lowpass, "2" highpass, "3" lowshelf, "4" highshelf
    float gain;
    float frequency;
    float q;
    bool enabled;
    quint8 changedFlags;

    // index and changedFlags do not take part.
    bool operator==(const EqWidgetItemData& other) const;
    bool operator!=(const EqWidgetItemData& other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(EqWidgetItemData)
