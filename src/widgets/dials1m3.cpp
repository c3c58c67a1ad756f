#include "widgets/dials1m3.h"

DialS1M3::DialS1M3(QWidget* parent)
    : DialSetters<DialS1M3>(parent)
{
    mShowTrack = true;
}
