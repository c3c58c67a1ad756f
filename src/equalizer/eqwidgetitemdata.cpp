#include "equalizer/eqwidgetitemdata.h"

EqWidgetItemData::EqWidgetItemData(qint32 index, const QString& type, float gain, float frequency, float q,
                                   bool enabled)
    : index(index)
    , type(type)
    , gain(gain)
    , frequency(frequency)
    , q(q)
    , enabled(enabled)
    , changedFlags(0)
{
}

bool EqWidgetItemData::operator==(const EqWidgetItemData& other) const
{
    return type == other.type && gain == other.gain && frequency == other.frequency && q == other.q
        && enabled == other.enabled;
}

// Registered by name so that queued connections and lookups by the type's
// name work before the first record is ever built.
static void registerEqWidgetItemData()
{
    qRegisterMetaType<EqWidgetItemData>("EqWidgetItemData");
}
Q_CONSTRUCTOR_FUNCTION(registerEqWidgetItemData)
