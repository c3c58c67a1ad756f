#include "widgets/menus1m1.h"

#include "app/globalfont.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const char* kRowStyle = "QPushButton { color: rgb(161, 161, 161); background: rgb(46, 46, 46); border: none;"
                        " border-radius: %1px; }"
                        "QPushButton:hover { color: rgb(222, 222, 222); }"
                        "QPushButton:checked { color: rgb(255, 255, 255); background: rgb(67, 207, 124); }";

const char* kPopupStyle = "QMenu { color: rgb(216, 216, 216); background-color: rgb(22, 22, 22);"
                          " border: 1px solid rgb(70, 70, 70); border-radius: 3px; }"
                          "QMenu::item:selected { background-color: rgb(66, 66, 66); }"
                          "QMenu::item:disabled { color: rgb(90, 90, 90); }";

} // namespace

MenuS1M1::MenuS1M1(QWidget* parent, const QString& title)
    : QWidget(parent)
{
    mTitle = new QLabel(title, this);
    mTitle->setAlignment(Qt::AlignCenter);
    mTitle->setMinimumHeight(20);
    mTitle->setStyleSheet("background: transparent; color: rgb(222, 222, 222);");
    mGroup = new QButtonGroup(this);
    mGroup->setExclusive(false);
    setMinimumHeight(50);
}

MenuS1M1& MenuS1M1::addItem(const Item& item, const QList<Item>& subItems)
{
    auto* row = new QPushButton(item.text, this);
    row->setObjectName(item.name);
    row->setCheckable(item.flag);
    row->setMinimumHeight(20);
    row->setFocusPolicy(Qt::NoFocus);
    mGroup->addButton(row);
    mRows.append(row);

    if (subItems.isEmpty()) {
        connect(row, &QPushButton::clicked, this, [this, row](bool checked) {
            const bool value = row->isCheckable() ? checked : true;
            emit attributeChanged(objectName(), row->objectName(), value ? "true" : "false");
        });
    } else {
        auto* menu = new QMenu(this);
        menu->setStyleSheet(kPopupStyle);
        for (const Item& sub : subItems) {
            QAction* action = menu->addAction(sub.text);
            action->setObjectName(sub.name);
            action->setEnabled(sub.flag);
            connect(action, &QAction::triggered, this,
                    [this, row, name = sub.name] { emit attributeChanged(objectName(), row->objectName(), name); });
        }
        connect(menu, &QMenu::aboutToHide, this, [this, row] { uncheck(row); });
        connect(row, &QPushButton::clicked, this, [this, row, menu] { showPopup(row, menu); });
        mPopups.insert(item.name, menu);
    }
    row->show();
    updateLayout();
    return *this;
}

MenuS1M1& MenuS1M1::setItemChecked(const QString& name, bool checked)
{
    QPushButton* row = item(name);
    if (!row || !row->isCheckable())
        return *this;
    if (checked) {
        const QSignalBlocker blocker(row);
        row->setChecked(true);
    } else {
        uncheck(row);
    }
    return *this;
}

MenuS1M1& MenuS1M1::setItemText(const QString& name, const QString& text)
{
    if (QPushButton* row = item(name)) {
        row->setText(text);
        updateLayout();
    }
    return *this;
}

MenuS1M1& MenuS1M1::setTitle(const QString& title)
{
    mTitle->setText(title);
    updateLayout();
    return *this;
}

MenuS1M1& MenuS1M1::setExclusive(bool exclusive)
{
    mGroup->setExclusive(exclusive);
    return *this;
}

MenuS1M1& MenuS1M1::setHeightRatio(int title, int rows)
{
    mTitleRatio = std::max(0, title);
    mRowsRatio = std::max(0, rows);
    updateLayout();
    return *this;
}

MenuS1M1& MenuS1M1::setScaleFactor(double factor)
{
    if (factor > 0)
        mScaleFactor = factor;
    updateLayout();
    return *this;
}

MenuS1M1& MenuS1M1::setPopupSide(PopupSide side)
{
    mPopupSide = side;
    return *this;
}

QPushButton* MenuS1M1::item(const QString& name) const
{
    for (QPushButton* row : mRows) {
        if (row->objectName() == name)
            return row;
    }
    return nullptr;
}

QMenu* MenuS1M1::popup(const QString& name) const
{
    return mPopups.value(name);
}

void MenuS1M1::showPopup(QPushButton* row, QMenu* menu)
{
    QFont font = menu->font();
    font.setPixelSize(row->font().pixelSize() > 0 ? row->font().pixelSize() : font.pixelSize());
    menu->setFont(font);
    const QSize size = menu->sizeHint();
    const QPoint local = mPopupSide == PopupRight ? QPoint(row->width() + 10, 0) : QPoint(-size.width() - 10, 0);
    menu->popup(row->mapToGlobal(local));
}

void MenuS1M1::uncheck(QPushButton* row)
{
    if (!row->isChecked())
        return;
    // An exclusive group refuses to uncheck its checked button.
    const bool exclusive = mGroup->exclusive();
    mGroup->setExclusive(false);
    {
        const QSignalBlocker blocker(row);
        row->setChecked(false);
    }
    mGroup->setExclusive(exclusive);
}

void MenuS1M1::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    updateLayout();
}

void MenuS1M1::updateLayout()
{
    const int w = width();
    const int h = height();
    const int titleHeight = std::max(mTitle->minimumHeight(), h * mTitleRatio / 100);
    mTitle->setGeometry(0, 0, w, titleHeight);
    QFont titleFont = font();
    const int titleSize = std::min(int(GlobalFont::getSuitablePixelSize(titleFont, titleHeight) * mScaleFactor),
                                   GlobalFont::getSuitablePixelSizeInRect(titleFont, mTitle->text(), QRect(0, 0, w * 9 / 10, titleHeight)));
    titleFont.setPixelSize(std::max(GlobalFont::kSmallestSize, titleSize));
    mTitle->setFont(titleFont);
    if (mRows.isEmpty())
        return;

    const int count = int(mRows.size());
    const int top = h - h * mRowsRatio / 100;
    const double slot = double(h - top) / count;
    const int gap = std::max(2, int(slot * 0.12));
    const int rowHeight = std::max(20, int(slot) - gap);
    // One size for every row, small enough for the longest text to fit.
    QFont rowFont = font();
    int rowSize = int(GlobalFont::getSuitablePixelSize(rowFont, rowHeight) * mScaleFactor);
    for (QPushButton* row : std::as_const(mRows))
        rowSize = std::min(rowSize, GlobalFont::getSuitablePixelSizeInRect(rowFont, row->text(), QRect(0, 0, w * 85 / 100, rowHeight)));
    rowFont.setPixelSize(std::max(GlobalFont::kSmallestSize, rowSize));
    const QString style = QString(kRowStyle).arg(std::max(2, rowHeight / 5));
    for (int i = 0; i < count; ++i) {
        QPushButton* row = mRows[i];
        row->setGeometry(0, top + int(i * slot) + gap / 2, w, rowHeight);
        row->setFont(rowFont);
        if (row->styleSheet() != style)
            row->setStyleSheet(style);
    }
}
