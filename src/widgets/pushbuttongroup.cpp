#include "widgets/pushbuttongroup.h"

#include "widgets/buttonface.h"
#include "widgets/theme.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {
bool parseState(const QString& state, bool* on)
{
    if (state == QLatin1String("1"))
        *on = true;
    else if (state == QLatin1String("0"))
        *on = false;
    else
        return false;
    return true;
}

QString stateText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}
}

PushButtonGroupBase::PushButtonGroupBase(QWidget* parent, QList<Button> buttons, int columns, QSize minimum)
    : QWidget(parent)
    , mButtons(std::move(buttons))
    , mColumns(std::max(1, columns))
    , mAspect(minimum)
{
    setMinimumSize(minimum);
    relayout();
}

int PushButtonGroupBase::indexOf(const QString& name) const
{
    for (int i = 0; i < mButtons.size(); ++i)
        if (mButtons[i].name == name)
            return i;
    return -1;
}

QString PushButtonGroupBase::getState(const QString& button) const
{
    const int index = indexOf(button);
    return stateText(index >= 0 && mButtons[index].on);
}

PushButtonGroupBase& PushButtonGroupBase::setState(const QString& button, const QString& state, bool needEmit)
{
    const int index = indexOf(button);
    bool on = false;
    if (index < 0 || !parseState(state, &on))
        return *this;
    showButton(index, on);
    if (needEmit)
        emit stateChanged(button, stateText(on));
    return *this;
}

PushButtonGroupBase& PushButtonGroupBase::setFont(const QFont& font)
{
    QWidget::setFont(font);
    update();
    return *this;
}

QStringList PushButtonGroupBase::buttonNames() const
{
    QStringList names;
    for (const Button& b : mButtons)
        names.append(b.name);
    return names;
}

QRect PushButtonGroupBase::buttonRect(const QString& button) const
{
    const int index = indexOf(button);
    return index >= 0 ? mButtons[index].rect : QRect();
}

void PushButtonGroupBase::showButton(int index, bool on)
{
    if (mButtons[index].on == on)
        return;
    mButtons[index].on = on;
    update(mButtons[index].rect);
}

void PushButtonGroupBase::toggleAndEmit(int index)
{
    showButton(index, !mButtons[index].on);
    emit stateChanged(mButtons[index].name, stateText(mButtons[index].on));
}

void PushButtonGroupBase::buttonReleased(int index, Qt::MouseButton mouseButton)
{
    if (mouseButton == Qt::LeftButton)
        toggleAndEmit(index);
}

int PushButtonGroupBase::buttonAt(const QPoint& pos) const
{
    for (int i = 0; i < mButtons.size(); ++i)
        if (mButtons[i].rect.contains(pos))
            return i;
    return -1;
}

void PushButtonGroupBase::relayout()
{
    // The strip keeps the aspect of its minimum size, centred in the widget.
    QSize strip = mAspect.scaled(size(), Qt::KeepAspectRatio);
    if (strip.isEmpty())
        strip = size();
    const QRect area(QPoint((width() - strip.width()) / 2, (height() - strip.height()) / 2), strip);
    const int count = int(mButtons.size());
    const int rows = (count + mColumns - 1) / mColumns;
    const int gap = std::max(2, std::min(area.width(), area.height()) / 12);
    const int cellW = (area.width() - gap * (mColumns - 1)) / mColumns;
    const int cellH = (area.height() - gap * (rows - 1)) / std::max(1, rows);
    for (int i = 0; i < count; ++i) {
        const int row = i / mColumns;
        const int column = i % mColumns;
        mButtons[i].rect = QRect(area.left() + column * (cellW + gap), area.top() + row * (cellH + gap),
            std::max(1, cellW), std::max(1, cellH));
    }
}

void PushButtonGroupBase::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Button& b : mButtons)
        paintButtonFace(painter, font(), b.rect, b.name, b.on, b.onColour, 0.25);
}

void PushButtonGroupBase::resizeEvent(QResizeEvent*)
{
    relayout();
}

void PushButtonGroupBase::mousePressEvent(QMouseEvent* event)
{
    mPressed = buttonAt(event->position().toPoint());
    mPressedWith = event->button();
}

void PushButtonGroupBase::mouseReleaseEvent(QMouseEvent* event)
{
    const int pressed = mPressed;
    const Qt::MouseButton with = mPressedWith;
    mPressed = -1;
    mPressedWith = Qt::NoButton;
    if (pressed < 0 || with != event->button() || buttonAt(event->position().toPoint()) != pressed)
        return;
    buttonReleased(pressed, with);
}

PushButtonGroupS1M2::PushButtonGroupS1M2(QWidget* parent)
    : PushButtonGroupBase(parent, {{"SOLO", Theme::Solo}, {"MUTE", Theme::Mute}}, 2, QSize(60, 20))
{
}

PushButtonGroupS1M3::PushButtonGroupS1M3(QWidget* parent)
    : PushButtonGroupBase(parent, {{"ANTI", Theme::Accent}, {"SOLO", Theme::Solo}, {"MUTE", Theme::Mute}}, 3,
          QSize(90, 20))
{
}

PushButtonGroupS1M7::PushButtonGroupS1M7(QWidget* parent)
    : PushButtonGroupBase(parent, {{"ANTI", Theme::Accent}, {"SOLO", Theme::Solo}, {"MUTE", Theme::Mute}}, 1,
          QSize(30, 60))
{
}

PushButtonGroupS1M4::PushButtonGroupS1M4(QWidget* parent)
    : PushButtonGroupBase(parent, {{"MUTE", Theme::Mute}}, 1, QSize(40, 20))
{
}

PushButtonGroupS1M9::PushButtonGroupS1M9(QWidget* parent)
    : PushButtonGroupBase(parent, {{"Mic1", Theme::Accent}, {"Mic35", Theme::Accent}, {"MicHP", Theme::Accent}},
          3, QSize(90, 20))
{
    showButton(0, true);
}

PushButtonGroupS1M9& PushButtonGroupS1M9::setState(const QString& button, const QString& state, bool needEmit)
{
    const int index = indexOf(button);
    if (index < 0 || state != QLatin1String("1") || isOn(index))
        return *this;
    for (int i = 0; i < buttonCount(); ++i)
        showButton(i, i == index);
    if (needEmit)
        emit stateChanged(button, stateText(true));
    return *this;
}

void PushButtonGroupS1M9::buttonReleased(int index, Qt::MouseButton mouseButton)
{
    if (mouseButton == Qt::LeftButton)
        setState(nameOf(index), stateText(true), true);
}

PushButtonGroupS1M11::PushButtonGroupS1M11(QWidget* parent)
    : PushButtonGroupBase(parent,
          {{"48V", Theme::Accent}, {"AUTO", Theme::Accent}, {"EQ", Theme::Accent}, {"DUCKING", Theme::Accent}}, 2,
          QSize(80, 40))
    , mSingleTimer(new QTimer(this))
{
    mSingleTimer->setSingleShot(true);
    mSingleTimer->setInterval(QApplication::doubleClickInterval());
    connect(mSingleTimer, &QTimer::timeout, this, &PushButtonGroupS1M11::firePendingSingle);
}

PushButtonGroupS1M11& PushButtonGroupS1M11::setDoubleClickInterval(int ms)
{
    mSingleTimer->setInterval(std::max(1, ms));
    return *this;
}

int PushButtonGroupS1M11::doubleClickInterval() const
{
    return mSingleTimer->interval();
}

namespace {
QString eventName(Qt::MouseButton button, bool isDouble)
{
    const char* side = button == Qt::LeftButton ? "Left" : button == Qt::RightButton ? "Right" : "Middle";
    return QString::fromLatin1("%1Button%2").arg(QLatin1String(side), isDouble ? "Double" : "Single");
}
}

void PushButtonGroupS1M11::buttonReleased(int index, Qt::MouseButton mouseButton)
{
    const QString& name = nameOf(index);
    if (name != QLatin1String("EQ") && name != QLatin1String("DUCKING")) {
        PushButtonGroupBase::buttonReleased(index, mouseButton);
        return;
    }
    if (mouseButton != Qt::LeftButton && mouseButton != Qt::RightButton && mouseButton != Qt::MiddleButton)
        return;
    if (mSingleTimer->isActive() && mPendingIndex == index && mPendingButton == mouseButton) {
        mSingleTimer->stop();
        mPendingIndex = -1;
        mPendingButton = Qt::NoButton;
        emit mouseClickEvent(name, eventName(mouseButton, true));
        return;
    }
    // A different button or mouse button ends the wait of the earlier click first.
    if (mSingleTimer->isActive()) {
        mSingleTimer->stop();
        const QPointer<PushButtonGroupS1M11> self(this);
        firePendingSingle();
        if (!self)
            return;
    }
    mPendingIndex = index;
    mPendingButton = mouseButton;
    mSingleTimer->start();
}

void PushButtonGroupS1M11::firePendingSingle()
{
    const int index = mPendingIndex;
    const Qt::MouseButton button = mPendingButton;
    mPendingIndex = -1;
    mPendingButton = Qt::NoButton;
    if (index < 0)
        return;
    // A receiver may run a nested event loop or close the panel.
    const QPointer<PushButtonGroupS1M11> self(this);
    emit mouseClickEvent(nameOf(index), eventName(button, false));
    if (self && button == Qt::LeftButton)
        toggleAndEmit(index);
}
