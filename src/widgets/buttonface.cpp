#include "widgets/buttonface.h"

#include "widgets/theme.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
const QColor kButtonOff {46, 46, 46};

// The largest pixel size up to 45 % of the button height whose text fits its width.
void fitText(QFont& font, const QString& text, const QRect& rect)
{
    int size = std::max(6, int(rect.height() * 0.45));
    for (; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= rect.width() - 4)
            return;
    }
    font.setPixelSize(size);
}
}

void paintButtonFace(QPainter& painter, QFont font, const QRect& rect, const QString& text, bool on,
                     const QColor& onColour, qreal radiusFactor)
{
    const qreal radius = std::min(rect.width(), rect.height()) * radiusFactor;
    painter.setPen(Qt::NoPen);
    painter.setBrush(on ? onColour : kButtonOff);
    painter.drawRoundedRect(QRectF(rect), radius, radius);
    fitText(font, text, rect);
    painter.setFont(font);
    painter.setPen(on ? Theme::TextOn : Theme::TextOff);
    painter.drawText(rect, Qt::AlignCenter, text);
}
