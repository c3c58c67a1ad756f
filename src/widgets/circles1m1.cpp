#include "widgets/circles1m1.h"

#include "widgets/theme.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

CircleS1M1::CircleS1M1(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(20, 20);
}

CircleS1M1& CircleS1M1::setState(int state)
{
    if (state < Idle || state > Error || state == mState)
        return *this;
    mState = state;
    update();
    return *this;
}

CircleS1M1& CircleS1M1::setValue(float value)
{
    if (!std::isfinite(value))
        return *this;
    value = std::clamp(value, 0.0f, kFullScale);
    if (value == mValue)
        return *this;
    mValue = value;
    update();
    return *this;
}

void CircleS1M1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    const double pen = std::max(2.0, side * 0.06);
    const QRectF ring(QPointF((width() - side) / 2 + pen / 2, (height() - side) / 2 + pen / 2),
                      QSizeF(side - pen, side - pen));

    const QColor track(60, 60, 60);
    const QColor colour = mState == Error ? QColor(220, 70, 60) : Theme::Accent;
    painter.setPen(QPen(mState == Idle || mState == Counting ? track : colour, pen, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ring);

    switch (mState) {
    case Counting: {
        // The arc shrinks clockwise from the top as the count runs down.
        painter.setPen(QPen(Theme::Accent, pen, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(ring, 90 * 16, int(std::lround(mValue / kFullScale * 360.0 * 16)));
        [[fallthrough]];
    }
    case Idle: {
        QFont font = painter.font();
        font.setPixelSize(std::max(6, int(side * 0.32)));
        painter.setFont(font);
        painter.setPen(Theme::TextOn);
        const float whole = std::round(mValue);
        const QString text = std::abs(whole - mValue) < 0.001f ? QString::number(int(whole))
                                                                  : QString::number(double(mValue), 'f', 1);
        painter.drawText(ring, Qt::AlignCenter, text);
        break;
    }
    case Done: {
        QPainterPath tick;
        const QPointF c = ring.center();
        const double r = ring.width() / 2;
        tick.moveTo(c + QPointF(-0.42 * r, 0.02 * r));
        tick.lineTo(c + QPointF(-0.1 * r, 0.32 * r));
        tick.lineTo(c + QPointF(0.45 * r, -0.3 * r));
        painter.setPen(QPen(colour, pen * 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
        break;
    }
    case Error: {
        const QPointF c = ring.center();
        const double r = ring.width() / 2 * 0.32;
        painter.setPen(QPen(colour, pen * 1.3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
        painter.drawLine(c + QPointF(r, -r), c + QPointF(-r, r));
        break;
    }
    default:
        break;
    }
}
