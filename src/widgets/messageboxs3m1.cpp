#include "widgets/messageboxs3m1.h"

MessageBoxS3M1::MessageBoxS3M1(QWidget* content, QWidget* parent)
    : FramelessWindow(parent)
{
    setMinimumSize(160, 120);
    setStretch(1, 8);
    setCentralWidget(content);
}
