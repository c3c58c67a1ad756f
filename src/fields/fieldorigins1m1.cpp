#include "fields/fieldorigins1m1.h"

FieldOriginS1M1::FieldOriginS1M1(QWidget* parent, const QString& name)
    : FieldOriginBase1(parent, name)
{
}
