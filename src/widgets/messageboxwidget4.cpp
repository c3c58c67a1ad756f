#include "widgets/messageboxwidget4.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QVBoxLayout>

namespace {

struct Texts {
    const char* prompt;
    const char* item1;
    const char* item2;
    const char* ok;
    const char* cancel;
};

const QHash<QString, Texts>& textTable()
{
    static const QHash<QString, Texts> table {
        {"English", {"Restore the factory settings?", "Reset device, keep configs 1/2", "Reset device, clear configs 1/2",
                     "Ok", "Cancel"}},
        {"Chinese", {"恢复出厂设置？", "重置设备，保留配置1/2", "重置设备，清除配置1/2", "确定", "取消"}},
    };
    return table;
}

} // namespace

MessageBoxWidget4::MessageBoxWidget4(QWidget* parent)
    : QWidget(parent)
{
    mLabel = new QLabel(this);
    mLabel->setAlignment(Qt::AlignCenter);
    mLabel->setWordWrap(true);
    mItem1 = new QCheckBox(this);
    mItem2 = new QCheckBox(this);
    mGroup = new QButtonGroup(this);
    mGroup->setExclusive(true);
    mGroup->addButton(mItem1);
    mGroup->addButton(mItem2);
    mButtonOk = new QPushButton(this);
    mButtonCancel = new QPushButton(this);
    mButtonOk->setObjectName("ButtonOk");
    mButtonCancel->setObjectName("ButtonCancel");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 8, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(mLabel, 1);
    layout->addWidget(mItem1, 1);
    layout->addWidget(mItem2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addWidget(mButtonCancel);
    buttons->addWidget(mButtonOk);
    layout->addSpacing(6);
    layout->addLayout(buttons, 1);

    applyStyle(14);

    connect(mButtonOk, &QPushButton::clicked, this, [this] { emit attributeChanged(objectName(), "Ok", choice()); });
    connect(mButtonCancel, &QPushButton::clicked, this,
            [this] { emit attributeChanged(objectName(), "Cancel", choice()); });
    setLanguage("English");
}

MessageBoxWidget4& MessageBoxWidget4::setLanguage(const QString& language)
{
    const auto it = textTable().constFind(language);
    if (it == textTable().constEnd())
        return *this;
    mLabel->setText(QString::fromUtf8(it->prompt));
    mItem1->setText(QString::fromUtf8(it->item1));
    mItem2->setText(QString::fromUtf8(it->item2));
    mButtonOk->setText(QString::fromUtf8(it->ok));
    mButtonCancel->setText(QString::fromUtf8(it->cancel));
    return *this;
}

MessageBoxWidget4& MessageBoxWidget4::setFont(const QFont& font)
{
    QWidget::setFont(font);
    for (QWidget* child : findChildren<QWidget*>())
        child->setFont(font);
    return *this;
}

QString MessageBoxWidget4::choice() const
{
    if (mItem1->isChecked())
        return "Item1";
    if (mItem2->isChecked())
        return "Item2";
    return {};
}

void MessageBoxWidget4::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const int row = std::max(12, height() / 9);
    const int side = std::max(10, int(row * 0.6));
    if (side != mIndicatorSide)
        applyStyle(side);
    mButtonOk->setMinimumHeight(row);
    mButtonCancel->setMinimumHeight(row);
}

void MessageBoxWidget4::applyStyle(int indicatorSide)
{
    mIndicatorSide = indicatorSide;
    setStyleSheet(QString("QLabel, QCheckBox { background: transparent; color: rgb(222, 222, 222); }"
                          "QCheckBox::indicator { width: %1px; height: %1px; }"
                          "QCheckBox::indicator:unchecked { image: url(:/Icon/autoStartUnchecked.svg); }"
                          "QCheckBox::indicator:checked { image: url(:/Icon/autoStart.svg); }"
                          "QPushButton { color: rgb(222, 222, 222); background: rgb(66, 66, 66); border: none;"
                          " border-radius: 4px; padding: 4px 12px; }"
                          "QPushButton:hover { background: rgb(67, 207, 124); }")
                      .arg(indicatorSide));
}

void MessageBoxWidget4::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
