#pragma once

#include "fields/fieldeffectbase1.h"

class FieldEffectS1M1 : public FieldEffectBase1
{
    Q_OBJECT
public:
    explicit FieldEffectS1M1(QWidget* parent = nullptr, const QString& name = "FieldEffect");
};
