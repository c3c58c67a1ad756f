#pragma once

#include "widgets/dialbase.h"

// The linear dial drawn with its track; bipolar dials fill from the top centre.
class DialS1M3 : public DialSetters<DialS1M3>
{
    Q_OBJECT
public:
    explicit DialS1M3(QWidget* parent = nullptr);
};
