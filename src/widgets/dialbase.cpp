#include "widgets/dialbase.h"

#include "app/globalfont.h"
#include "widgets/theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// The pointer sweeps 270 degrees, from lower left (225) clockwise to lower right (-45).
constexpr double kStartAngle = 225.0;
constexpr double kSweep = 270.0;

bool sameValue(float a, float b)
{
    return std::fabs(double(a) - double(b)) <= 1e-6 * std::max(1.0, std::fabs(double(a)));
}

} // namespace

DialBase::DialBase(QWidget* parent)
    : QWidget(parent)
    , mColorArc(Theme::Accent)
    , mColorPointer(Theme::TextOn)
    , mFont(GlobalFont::getFont())
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(16, 16);
}

bool DialBase::applyRange(float min, float max)
{
    if (!std::isfinite(min) || !std::isfinite(max) || min > max)
        return false;
    mMin = min;
    mMax = max;
    if (mDefault < min || mDefault > max)
        mDefault = min;
    // A value left outside would be drawn off the scale and sent back unclamped.
    storeValue(std::clamp(mValue, min, max));
    rangeChanged();
    refit();
    return true;
}

bool DialBase::applyDefault(float value)
{
    if (!std::isfinite(value) || value < mMin || value > mMax || !acceptsDefault(value))
        return false;
    mDefault = value;
    return true;
}

bool DialBase::applyValue(float value)
{
    if (!std::isfinite(value))
        return false;
    if (value < mMin || value > mMax) {
        if (!mClampOnSet)
            return false;
        value = std::clamp(value, mMin, mMax);
    }
    storeValue(value);
    update();
    return true;
}

bool DialBase::applyStep(float& slot, float step)
{
    if (!std::isfinite(step) || step <= 0.0f || step > mMax - mMin)
        return false;
    slot = step;
    return true;
}

void DialBase::applyFont(const QFont& font)
{
    mFont = font;
    refit();
}

void DialBase::refit()
{
    mTextFont = mFont;
    const QRect box = textRect().toAlignedRect();
    if (box.width() > 0 && box.height() > 0)
        mTextFont.setPixelSize(std::max(1, GlobalFont::getSuitablePixelSizeInRect(mFont, fitSample(), box)));
    update();
}

double DialBase::fractionOf(float value) const
{
    if (mMax <= mMin)
        return 0.0;
    return std::clamp((double(value) - mMin) / (double(mMax) - mMin), 0.0, 1.0);
}

float DialBase::valueAtFraction(double fraction) const
{
    return clampToRange(mMin + std::clamp(fraction, 0.0, 1.0) * (double(mMax) - mMin));
}

float DialBase::clampToRange(double value) const
{
    return float(std::clamp(value, double(mMin), double(mMax)));
}

// User values sit on min + k * step (computed in double, so that 0.05 steps
// land on 0.65 and 1.0 rather than on their float neighbours).
float DialBase::snapToGrid(double value, float step) const
{
    if (step <= 0.0f)
        return clampToRange(value);
    const double k = std::round((value - mMin) / step);
    return clampToRange(mMin + k * double(step));
}

float DialBase::steppedFrom(float value, int steps, float step) const
{
    if (step <= 0.0f || steps == 0)
        return value;
    const double q = (double(value) - mMin) / step;
    const double k = steps > 0 ? std::floor(q + 1e-4) + steps : std::ceil(q - 1e-4) + steps;
    return clampToRange(mMin + k * double(step));
}

float DialBase::draggedTo(double fraction) const
{
    return snapToGrid(valueAtFraction(fraction), mDragStep);
}

double DialBase::dragSteps() const
{
    const double span = double(mMax) - mMin;
    return mDragStep > 0 && span > 0 ? span / mDragStep : 50.0;
}

bool DialBase::acceptsDefault(float) const
{
    return true;
}

QString DialBase::textFor(float value) const
{
    if (mShowMinusInf && sameValue(value, mMin) && mMax > mMin)
        return QStringLiteral("-∞");
    if (mShowPlusInf && sameValue(value, mMax) && mMax > mMin)
        return QStringLiteral("∞");
    QString text = QString::number(double(value), 'g', 6);
    return text == "-0" ? QStringLiteral("0") : text;
}

QString DialBase::fitSample() const
{
    if (!mFitText.isEmpty())
        return mFitText;
    QString widest;
    const QFontMetrics metrics(mFont);
    for (float v : {mMin, mMax, mDefault, (mMin + mMax) / 2}) {
        const QString t = textFor(v);
        if (metrics.horizontalAdvance(t) > metrics.horizontalAdvance(widest))
            widest = t;
    }
    // A little room so that intermediate values with more digits still fit.
    return widest + "0";
}

void DialBase::userSet(float value)
{
    if (value == mValue)
        return;
    storeValue(value);
    update();
    emit valueChanged(mValue);
}

void DialBase::userStep(int steps, float step)
{
    userSet(steppedFrom(mValue, steps, step));
}

QRectF DialBase::dialRect() const
{
    const double side = std::min(width(), height()) - 2.0;
    return QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side);
}

QRectF DialBase::textRect() const
{
    const QRectF dial = dialRect();
    const double knob = dial.width() * 0.5 * 0.74;
    // The largest box that stays clear of the pointer inside the knob.
    const double w = knob * 1.25;
    const double h = knob * 0.62;
    return QRectF(dial.center().x() - w / 2, dial.center().y() - h / 2, w, h);
}

void DialBase::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (mColorBG.alpha() > 0)
        p.fillRect(rect(), mColorBG);

    const bool live = isEnabled() && !mDimmed;
    const QRectF dial = dialRect();
    const double radius = dial.width() / 2.0;
    if (radius < 2.0)
        return;
    const QPointF c = dial.center();
    const double ring = std::max(2.0, radius * 0.1);
    const QRectF arcRect = dial.adjusted(ring / 2 + 1, ring / 2 + 1, -ring / 2 - 1, -ring / 2 - 1);
    const double fraction = fractionOf(mValue);
    const double angle = kStartAngle - kSweep * fraction;

    if (mShowTrack || mShowArc) {
        QPen track(mColorTrack, ring, Qt::SolidLine, Qt::FlatCap);
        p.setPen(track);
        p.drawArc(arcRect, int(kStartAngle * 16), int(-kSweep * 16));
    }
    if (mShowArc) {
        const double from = mBipolar ? 90.0 : kStartAngle;
        QColor arc = live ? mColorArc : QColor(96, 96, 96);
        p.setPen(QPen(arc, ring, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(arcRect, int(from * 16), int((angle - from) * 16));
    }

    // Knob: a softly lit disc with a rim.
    const double knob = radius * 0.74;
    QRadialGradient face(c - QPointF(0, knob * 0.4), knob * 1.4);
    face.setColorAt(0.0, live ? QColor(70, 70, 70) : QColor(52, 52, 52));
    face.setColorAt(1.0, live ? QColor(34, 34, 34) : QColor(30, 30, 30));
    p.setPen(QPen(QColor(12, 12, 12), std::max(1.0, radius * 0.03)));
    p.setBrush(face);
    p.drawEllipse(c, knob, knob);

    const double rad = angle * M_PI / 180.0;
    const QPointF dir(std::cos(rad), -std::sin(rad));
    const QColor pointer = isEnabled() ? (mDimmed ? QColor(110, 110, 110) : mColorPointer) : mColorPointerDisabled;
    p.setPen(QPen(pointer, std::max(1.5, radius * 0.07), Qt::SolidLine, Qt::RoundCap));
    const double inner = mShowText ? 0.70 : 0.25;
    p.drawLine(c + dir * knob * inner, c + dir * knob * 0.9);

    if (mShowText) {
        p.setFont(mTextFont);
        p.setPen(live ? Theme::TextOn : Theme::TextOff);
        p.drawText(textRect(), Qt::AlignCenter, textFor(mValue));
    }
}

void DialBase::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    refit();
}

void DialBase::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || mDimmed) {
        QWidget::mousePressEvent(event);
        return;
    }
    mDragging = true;
    mDragOrigin = event->position();
    mDragFraction = fractionOf(mValue);
    event->accept();
}

void DialBase::mouseMoveEvent(QMouseEvent* event)
{
    if (!mDragging || mDimmed)
        return;
    // Up and right raise; the travel grows with the number of steps, so fine
    // steps stay reachable without making coarse dials sluggish.
    const double travel = std::clamp(dragSteps() * 2.0, 150.0, 480.0);
    const QPointF d = event->position() - mDragOrigin;
    const double fraction = std::clamp(mDragFraction + (d.x() - d.y()) / travel, 0.0, 1.0);
    userSet(draggedTo(fraction));
}

void DialBase::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        mDragging = false;
    QWidget::mouseReleaseEvent(event);
}

void DialBase::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || mDimmed)
        return;
    mDragging = false;
    userSet(mDefault);
}

void DialBase::wheelEvent(QWheelEvent* event)
{
    if (mDimmed) {
        event->ignore();
        return;
    }
    const QPoint delta = event->angleDelta();
    mWheelRest += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = mWheelRest / 120;
    mWheelRest -= notches * 120;
    if (notches != 0)
        userStep(notches, mWheelStep);
    event->accept();
}

void DialBase::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        userStep(1, getKeyStep());
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        userStep(-1, getKeyStep());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DialBase::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}
