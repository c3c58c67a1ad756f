#pragma once

#include "strips/origin/originbase.h"
#include "fields/fieldlistbase.h"

class FieldOriginBase1 : public FieldListBase<FieldOriginBase1, OriginBase>
{
    Q_OBJECT
public:
    FieldOriginBase1(QWidget* parent, const QString& name)
        : FieldListBase(parent, name)
    {
    }
};
