#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// The drawn face shared by the push buttons and the button groups: a rounded
// key, lit in its colour when on, with its text fitted to its width.
void paintButtonFace(QPainter& painter, QFont font, const QRect& rect, const QString& text, bool on,
                     const QColor& onColour, qreal radiusFactor);
