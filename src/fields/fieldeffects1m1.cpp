#include "fields/fieldeffects1m1.h"

FieldEffectS1M1::FieldEffectS1M1(QWidget* parent, const QString& name)
    : FieldEffectBase1(parent, name)
{
}
