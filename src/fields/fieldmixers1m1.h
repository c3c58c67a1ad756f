#pragma once

#include "fields/fieldmixerbase1.h"

class FieldMixerS1M1 : public FieldMixerBase1
{
    Q_OBJECT
public:
    explicit FieldMixerS1M1(QWidget* parent = nullptr, const QString& name = "FieldMixer");
};
