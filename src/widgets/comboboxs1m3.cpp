#include "widgets/comboboxs1m3.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QWheelEvent>

ComboBoxS1M3::ComboBoxS1M3(QWidget* parent, int alignment)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setReadOnly(true);
    lineEdit()->setAlignment(Qt::Alignment(alignment));
    // Clicks fall through the line edit to the combo, which opens the list.
    lineEdit()->setAttribute(Qt::WA_TransparentForMouseEvents);
    lineEdit()->setFocusPolicy(Qt::NoFocus);
    restyle();
}

ComboBoxS1M3& ComboBoxS1M3::setArrowScale(double factor)
{
    if (factor > 0 && factor != mArrowScale) {
        mArrowScale = factor;
        restyle();
    }
    return *this;
}

ComboBoxS1M3& ComboBoxS1M3::setTextColor(const QColor& color)
{
    mTextColor = color;
    restyle();
    return *this;
}

ComboBoxS1M3& ComboBoxS1M3::setFont(const QFont& font)
{
    QComboBox::setFont(font);
    lineEdit()->setFont(font);
    view()->setFont(font);
    return *this;
}

void ComboBoxS1M3::setCurrentText(const QString& text)
{
    const int index = findText(text);
    if (index >= 0)
        setCurrentIndex(index);
}

void ComboBoxS1M3::resizeEvent(QResizeEvent* e)
{
    QComboBox::resizeEvent(e);
    restyle();
}

void ComboBoxS1M3::restyle()
{
    const int h = std::max(12, height());
    const int arrow = std::max(4, int(h * 0.4 * mArrowScale));
    const int dropDown = std::max(8, int(h * 0.8 * mArrowScale));
    const int scrollBar = std::max(4, int(10 * mArrowScale));
    const QString color = QString("rgb(%1, %2, %3)").arg(mTextColor.red()).arg(mTextColor.green()).arg(mTextColor.blue());
    const QString style =
        QString("QComboBox { color: %1; background: rgb(46, 46, 46); border: none; border-radius: %2px; padding: 0px %3px; }"
                "QComboBox QLineEdit { color: %1; background: transparent; border: none; }"
                "QComboBox::drop-down { border: none; width: %4px; }"
                "QComboBox::down-arrow { image: url(:/Icon/ComboBoxArrow.svg); width: %5px; height: %5px; }"
                "QComboBox QAbstractItemView { color: %1; background: rgb(31, 31, 31); border: 1px solid rgb(70, 70, 70);"
                " selection-background-color: rgb(66, 66, 66); outline: none; }"
                "QComboBox QScrollBar:vertical { width: %6px; background: rgb(31, 31, 31); }"
                "QComboBox QScrollBar::handle:vertical { background: rgb(90, 90, 90); border-radius: %7px; }")
            .arg(color)
            .arg(std::max(2, h / 5))
            .arg(std::max(2, h / 6))
            .arg(dropDown)
            .arg(arrow)
            .arg(scrollBar)
            .arg(scrollBar / 2);
    if (style != mStyle) {
        mStyle = style;
        setStyleSheet(style);
    }
}

void ComboBoxS1M3::wheelEvent(QWheelEvent* e)
{
    e->ignore();
}
