#include "widgets/dials1m1.h"

DialS1M1::DialS1M1(QWidget* parent)
    : DialSetters<DialS1M1>(parent)
{
}
