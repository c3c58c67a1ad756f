#include "widgets/sliderbase.h"

#include "app/globalfont.h"
#include "widgets/theme.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

SliderBase::SliderBase(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
    , mOrientation(orientation)
    , mFont(GlobalFont::getFont())
    , mEdit(new QLineEdit(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(12, 12);
    if (orientation == Qt::Horizontal) {
        mRatioEdit = 22;
        mRatioGap = 3;
        mRatioSlider = 75;
    }
    mEdit->setObjectName("SliderEdit");
    mEdit->setAlignment(Qt::AlignCenter);
    mEdit->setFrame(false);
    mEdit->setContextMenuPolicy(Qt::NoContextMenu);
    mEdit->setStyleSheet("QLineEdit { background: rgb(22,22,22); color: rgb(222,222,222);"
                         " border: 1px solid rgb(58,58,58); border-radius: 2px; padding: 0px; }"
                         "QLineEdit:disabled { color: rgb(110,110,110); }");
    mEdit->installEventFilter(this);
    connect(mEdit, &QLineEdit::returnPressed, this, &SliderBase::editFinished);
}

QSize SliderBase::sizeHint() const
{
    return mOrientation == Qt::Vertical ? QSize(40, 200) : QSize(160, 20);
}

QString SliderBase::text() const
{
    return mEdit->text();
}

bool SliderBase::applyPositionRange(int lo, int hi)
{
    if (lo > hi)
        return false;
    mPosMin = lo;
    mPosMax = hi;
    if (mDefaultPos < lo || mDefaultPos > hi)
        mDefaultPos = lo;
    mPos = std::clamp(mPos, lo, hi);
    relayout();
    refreshText();
    update();
    return true;
}

void SliderBase::applyPosition(int pos)
{
    mPos = std::clamp(pos, mPosMin, mPosMax);
    refreshText();
    update();
}

bool SliderBase::applyDefaultPosition(int pos)
{
    if (pos < mPosMin || pos > mPosMax)
        return false;
    mDefaultPos = pos;
    return true;
}

void SliderBase::applyHeightRatio(int edit, int gap, int slider)
{
    if (edit < 0 || gap < 0 || slider <= 0 || edit + gap + slider > 100)
        return;
    mRatioEdit = edit;
    mRatioGap = gap;
    mRatioSlider = slider;
    relayout();
}

void SliderBase::applyShowMinusInfinity(bool show)
{
    mShowMinusInfinity = show;
    relayout();
    refreshText();
}

void SliderBase::applyFont(const QFont& font)
{
    mFont = font;
    relayout();
    update();
}

double SliderBase::fractionAt(int pos) const
{
    if (mPosMax <= mPosMin)
        return 0.0;
    return std::clamp(double(pos - mPosMin) / double(mPosMax - mPosMin), 0.0, 1.0);
}

int SliderBase::positionAt(double fraction) const
{
    return mPosMin + int(std::lround(std::clamp(fraction, 0.0, 1.0) * (mPosMax - mPosMin)));
}

void SliderBase::userMoveTo(int pos)
{
    pos = std::clamp(pos, mPosMin, mPosMax);
    if (pos == mPos)
        return;
    mPos = pos;
    refreshText();
    update();
    notifyUserChange();
}

void SliderBase::refreshText()
{
    mEdit->setText(textAt(mPos));
}

void SliderBase::editFinished()
{
    int pos = mPos;
    if (parse(mEdit->text().trimmed(), pos))
        userMoveTo(pos);
    refreshText();
    mEdit->selectAll();
}

void SliderBase::relayout()
{
    const bool vertical = mOrientation == Qt::Vertical;
    const int length = vertical ? height() : width();
    const int editLength = length * mRatioEdit / 100;
    const int gapLength = length * mRatioGap / 100;
    const int sliderLength = std::max(1, length * mRatioSlider / 100);
    QRect editRect;
    if (vertical) {
        editRect = QRect(0, 0, width(), editLength);
        mSliderRect = QRect(0, editLength + gapLength, width(), sliderLength);
    } else {
        mSliderRect = QRect(0, 0, sliderLength, height());
        editRect = QRect(sliderLength + gapLength, 0, editLength, height());
    }
    mEdit->setVisible(editLength >= 4);
    mEdit->setGeometry(editRect);

    QString sample;
    const QFontMetrics metrics(mFont);
    for (int p : {mPosMin, mPosMax, mDefaultPos, (mPosMin + mPosMax) / 2}) {
        const QString t = textAt(p);
        if (metrics.horizontalAdvance(t) > metrics.horizontalAdvance(sample))
            sample = t;
    }
    QFont font = mFont;
    const QRect box = editRect.adjusted(3, 2, -3, -2);
    if (box.width() > 0 && box.height() > 0)
        font.setPixelSize(std::max(1, GlobalFont::getSuitablePixelSizeInRect(mFont, sample, box)));
    mEdit->setFont(font);
    update();
}

double SliderBase::travel() const
{
    const QRectF h = handleRect();
    return mOrientation == Qt::Vertical ? std::max(1.0, mSliderRect.height() - h.height())
                                        : std::max(1.0, mSliderRect.width() - h.width());
}

QRectF SliderBase::handleRect() const
{
    const QRectF s = mSliderRect;
    const double f = fractionAt(mPos);
    if (mOrientation == Qt::Vertical) {
        const double h = std::clamp(s.width() * 0.45, 6.0, std::max(6.0, s.height() * 0.2));
        const double w = std::max(4.0, s.width() * 0.8);
        const double y = s.bottom() + 1 - h - f * std::max(0.0, s.height() - h);
        return QRectF(s.center().x() - w / 2, y, w, h);
    }
    const double w = std::clamp(s.height() * 0.6, 6.0, std::max(6.0, s.width() * 0.2));
    const double h = std::max(4.0, s.height() * 0.8);
    const double x = s.left() + f * std::max(0.0, s.width() - w);
    return QRectF(x, s.center().y() - h / 2, w, h);
}

void SliderBase::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool vertical = mOrientation == Qt::Vertical;
    const QRectF s = mSliderRect;
    const QRectF handle = handleRect();
    const QColor fill = isEnabled() ? Theme::Accent : QColor(90, 90, 90);

    // Groove, filled from the low end up to the handle.
    QRectF groove;
    QRectF filled;
    if (vertical) {
        const double g = std::clamp(s.width() * 0.16, 2.0, 6.0);
        groove = QRectF(s.center().x() - g / 2, s.top() + handle.height() / 2, g, s.height() - handle.height());
        filled = QRectF(groove.left(), handle.center().y(), g, groove.bottom() - handle.center().y());
    } else {
        const double g = std::clamp(s.height() * 0.2, 2.0, 6.0);
        groove = QRectF(s.left() + handle.width() / 2, s.center().y() - g / 2, s.width() - handle.width(), g);
        filled = QRectF(groove.left(), groove.top(), handle.center().x() - groove.left(), g);
    }
    p.setPen(QPen(QColor(58, 58, 58), 1));
    p.setBrush(QColor(12, 12, 12));
    p.drawRoundedRect(groove, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(filled, 1.5, 1.5);

    // Handle: a ribbed cap with an index line.
    QLinearGradient cap(handle.topLeft(), vertical ? handle.bottomLeft() : handle.topRight());
    cap.setColorAt(0.0, isEnabled() ? QColor(104, 104, 104) : QColor(70, 70, 70));
    cap.setColorAt(1.0, isEnabled() ? QColor(52, 52, 52) : QColor(44, 44, 44));
    p.setPen(QPen(QColor(12, 12, 12), 1));
    p.setBrush(cap);
    p.drawRoundedRect(handle, 2, 2);
    p.setPen(QPen(isEnabled() ? Theme::TextOn : Theme::TextOff, std::max(1.0, std::min(handle.width(), handle.height()) * 0.12)));
    if (vertical)
        p.drawLine(QPointF(handle.left() + 2, handle.center().y()), QPointF(handle.right() - 2, handle.center().y()));
    else
        p.drawLine(QPointF(handle.center().x(), handle.top() + 2), QPointF(handle.center().x(), handle.bottom() - 2));

    if (hasFocus()) {
        p.setPen(QPen(QColor(67, 207, 124, 110), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(handle.adjusted(-1, -1, 1, 1), 3, 3);
    }
}

void SliderBase::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void SliderBase::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !mSliderRect.contains(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Drags are relative: a click never makes the level jump.
    mDragging = true;
    mDragOrigin = mOrientation == Qt::Vertical ? -event->position().y() : event->position().x();
    mDragFraction = fractionAt(mPos);
    event->accept();
}

void SliderBase::mouseMoveEvent(QMouseEvent* event)
{
    if (!mDragging)
        return;
    const double at = mOrientation == Qt::Vertical ? -event->position().y() : event->position().x();
    userMoveTo(positionAt(mDragFraction + (at - mDragOrigin) / travel()));
}

void SliderBase::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        mDragging = false;
    QWidget::mouseReleaseEvent(event);
}

void SliderBase::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !mSliderRect.contains(event->position().toPoint()))
        return;
    mDragging = false;
    userMoveTo(mDefaultPos);
}

void SliderBase::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    mWheelRest += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = mWheelRest / 120;
    mWheelRest -= notches * 120;
    if (notches != 0)
        userMoveTo(mPos + notches);
    event->accept();
}

void SliderBase::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        userMoveTo(mPos + 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        userMoveTo(mPos - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SliderBase::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

bool SliderBase::eventFilter(QObject* watched, QEvent* event)
{
    // An entry left unfinished shows the current value again.
    if (watched == mEdit && event->type() == QEvent::FocusOut)
        refreshText();
    return QWidget::eventFilter(watched, event);
}

SliderBase1::SliderBase1(Qt::Orientation orientation, QWidget* parent)
    : SliderBase(orientation, parent)
{
}

QString SliderBase1::textAt(int pos) const
{
    if (mShowMinusInfinity && pos == minimumPosition() && minimumPosition() < maximumPosition())
        return QStringLiteral("-∞");
    return QString::number(pos);
}

bool SliderBase::parseEntry(const QString& text, bool& minusInfinity, double& value)
{
    minusInfinity = text == QStringLiteral("-∞") || text.compare("-inf", Qt::CaseInsensitive) == 0;
    if (minusInfinity)
        return true;
    bool ok = false;
    value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value);
}

bool SliderBase1::parse(const QString& text, int& pos) const
{
    bool minusInfinity = false;
    double value = 0.0;
    if (!parseEntry(text, minusInfinity, value))
        return false;
    pos = minusInfinity ? minimumPosition() : int(std::lround(std::clamp(value, -1e9, 1e9)));
    return true;
}

void SliderBase1::notifyUserChange()
{
    emit valueChanged(getValue());
}
