#pragma once

#include "widgets/dialbase.h"

// Rotary dial with a linear value: range 0..50, value and default 25, steps 1.
class DialS1M1 : public DialSetters<DialS1M1>
{
    Q_OBJECT
public:
    explicit DialS1M1(QWidget* parent = nullptr);
};
