#include "fields/fieldmixers1m1.h"

FieldMixerS1M1::FieldMixerS1M1(QWidget* parent, const QString& name)
    : FieldMixerBase1(parent, name)
{
}
