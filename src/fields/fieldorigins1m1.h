#pragma once

#include "fields/fieldoriginbase1.h"

class FieldOriginS1M1 : public FieldOriginBase1
{
    Q_OBJECT
public:
    explicit FieldOriginS1M1(QWidget* parent = nullptr, const QString& name = "FieldOrigin");
};
