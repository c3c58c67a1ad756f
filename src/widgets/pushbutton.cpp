#include "widgets/pushbutton.h"

#include "widgets/buttonface.h"
#include "widgets/theme.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
QColor onColour(PushButtonBase::Kind kind)
{
    switch (kind) {
    case PushButtonBase::Solo: return Theme::Solo;
    case PushButtonBase::Mute: return Theme::Mute;
    default: return Theme::Accent;
    }
}
}

PushButtonBase::PushButtonBase(QWidget* parent, QList<Button> buttons)
    : QWidget(parent)
    , mButtons(std::move(buttons))
{
    int rows = 0;
    for (const Button& b : mButtons)
        rows = std::max(rows, b.row + 1);
    setMinimumSize(24, 14 * rows);
    relayout();
}

bool PushButtonBase::isButtonOn(int id) const
{
    return id >= 0 && id < mButtons.size() && mButtons[id].on;
}

QString PushButtonBase::buttonText(int id) const
{
    return id >= 0 && id < mButtons.size() ? mButtons[id].text : QString();
}

QRect PushButtonBase::buttonRect(int id) const
{
    return id >= 0 && id < mButtons.size() ? mButtons[id].rect : QRect();
}

void PushButtonBase::showState(int id, bool on)
{
    if (id < 0 || id >= mButtons.size())
        return;
    Button& button = mButtons[id];
    if (button.exclusiveSet >= 0 && on) {
        for (Button& other : mButtons) {
            if (other.exclusiveSet == button.exclusiveSet && &other != &button && other.on) {
                other.on = false;
                update(other.rect);
            }
        }
    }
    if (button.on != on) {
        button.on = on;
        update(button.rect);
    }
}

void PushButtonBase::clickState(int id, bool on)
{
    if (id < 0 || id >= mButtons.size())
        return;
    showState(id, on);
    emitButton(id, on);
}

void PushButtonBase::applyWidthRatio(int percent)
{
    mWidthRatio = std::clamp(percent, 0, 100);
    relayout();
    update();
}

void PushButtonBase::applyFont(const QFont& font)
{
    QWidget::setFont(font);
    update();
}

void PushButtonBase::relayout()
{
    int rows = 0;
    for (const Button& b : mButtons)
        rows = std::max(rows, b.row + 1);
    if (rows == 0)
        return;
    const int gap = std::max(2, height() / 20);
    const int rowHeight = std::max(1, (height() - gap * (rows - 1)) / rows);
    for (int row = 0; row < rows; ++row) {
        QList<Button*> inRow;
        for (Button& b : mButtons)
            if (b.row == row)
                inRow.append(&b);
        const int count = int(inRow.size());
        const int cellWidth = width() / std::max(1, count);
        const int top = row * (rowHeight + gap);
        for (int i = 0; i < count; ++i) {
            int w = mWidthRatio > 0 ? width() * mWidthRatio / 100 : cellWidth - gap;
            w = std::clamp(w, 1, std::max(1, cellWidth));
            const int left = i * cellWidth + (cellWidth - w) / 2;
            inRow[i]->rect = QRect(left, top, w, rowHeight);
        }
    }
}

int PushButtonBase::buttonAt(const QPoint& pos) const
{
    for (int i = 0; i < mButtons.size(); ++i)
        if (mButtons[i].rect.contains(pos))
            return i;
    return -1;
}

void PushButtonBase::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Button& b : mButtons) {
        if (!b.rect.isEmpty())
            paintButtonFace(painter, font(), b.rect, b.text, b.on, onColour(b.kind), 0.2);
    }
}

void PushButtonBase::resizeEvent(QResizeEvent*)
{
    relayout();
}

void PushButtonBase::mousePressEvent(QMouseEvent* event)
{
    mPressed = event->button() == Qt::LeftButton ? buttonAt(event->position().toPoint()) : -1;
}

void PushButtonBase::mouseReleaseEvent(QMouseEvent* event)
{
    const int pressed = mPressed;
    mPressed = -1;
    if (event->button() != Qt::LeftButton || pressed < 0 || buttonAt(event->position().toPoint()) != pressed)
        return;
    const Button& button = mButtons[pressed];
    if (button.exclusiveSet >= 0) {
        // Re-choosing the chosen entry is no change; the deselected entry stays silent.
        if (!button.on)
            clickState(pressed, true);
        return;
    }
    clickState(pressed, !button.on);
}

PushButtonS1M2::PushButtonS1M2(QWidget* parent)
    : PushButtonBase(parent, {{"SOLO", Solo}, {"MUTE", Mute}})
{
    qRegisterMetaType<ButtonID>();
    applyWidthRatio(40);
}

PushButtonS1M4::PushButtonS1M4(QWidget* parent)
    : PushButtonBase(parent, {{"IN 1", Exclusive, 0, 0}, {"IN 2", Exclusive, 0, 0}, {"IN 1+2", Exclusive, 0, 0},
                                 {"OFF", Exclusive, 1, 1}, {"NC1", Exclusive, 1, 1}, {"NC2", Exclusive, 1, 1},
                                 {"NC3", Exclusive, 1, 1}})
{
    qRegisterMetaType<ButtonID>();
}

PushButtonS1M5::PushButtonS1M5(QWidget* parent)
    : PushButtonBase(parent, {{"NC", Exclusive, 0, 0}, {"IN 1", Exclusive, 0, 0}, {"IN 2", Exclusive, 0, 0},
                                 {"IN 1+2", Exclusive, 0, 0}, {"OFF", Exclusive, 1, 1}, {"STU", Exclusive, 1, 1},
                                 {"LIVE", Exclusive, 1, 1}, {"HALL", Exclusive, 1, 1}})
{
    qRegisterMetaType<ButtonID>();
}

PushButtonS1M6::PushButtonS1M6(QWidget* parent)
    : PushButtonBase(parent, {{"SOLO", Solo, 0}, {"SOLO", Solo, 0}, {"MUTE", Mute, 1}, {"MUTE", Mute, 1}})
{
    qRegisterMetaType<ButtonID>();
    applyWidthRatio(40);
}

PushButtonS1M7::PushButtonS1M7(QWidget* parent)
    : PushButtonBase(parent, {{"MUTE", Mute}})
{
    qRegisterMetaType<ButtonID>();
}

PushButtonS1M8::PushButtonS1M8(QWidget* parent)
    : PushButtonBase(parent, {{"Mic1", Exclusive, 0, 0}, {"Mic35", Exclusive, 0, 0}, {"MicHP", Exclusive, 0, 0},
                                 {"48V", Toggle, 1}, {"MUTE", Mute, 1}})
{
    qRegisterMetaType<ButtonID>();
}

PushButtonS1M9::PushButtonS1M9(QWidget* parent)
    : PushButtonBase(parent, {{"48V", Toggle}, {"MUTE", Mute}})
{
    qRegisterMetaType<ButtonID>();
}
