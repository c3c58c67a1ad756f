#pragma once

#include "effects/effectbase.h"
#include "fields/fieldlistbase.h"

class FieldEffectBase1 : public FieldListBase<FieldEffectBase1, EffectBase>
{
    Q_OBJECT
public:
    FieldEffectBase1(QWidget* parent, const QString& name)
        : FieldListBase(parent, name)
    {
    }
};
