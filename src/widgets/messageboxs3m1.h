#pragma once

#include "widgets/framelesswindow.h"

// A frameless message box around a content panel that decides the result
// itself (through done) or leaves it to the title bar's close button.
class MessageBoxS3M1 : public FramelessWindow
{
    Q_OBJECT
public:
    explicit MessageBoxS3M1(QWidget* content = nullptr, QWidget* parent = nullptr);
};
