#pragma once

#include <QColor>
#include <QComboBox>

// Combo box whose current text sits in a read-only line edit with the
// alignment given at construction; a click anywhere opens the list.
class ComboBoxS1M3 : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBoxS1M3(QWidget* parent = nullptr, int alignment = Qt::AlignLeft | Qt::AlignVCenter);

    ComboBoxS1M3& setArrowScale(double factor);
    ComboBoxS1M3& setTextColor(const QColor& color);
    ComboBoxS1M3& setFont(const QFont& font);
    double getArrowScale() const { return mArrowScale; }

public slots:
    // Selects the item with that text; a text that is no item changes nothing,
    // where the editable base would show it without selecting anything.
    void setCurrentText(const QString& text);

    QColor getTextColor() const { return mTextColor; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    // The settings pages scroll: a wheel turned over a combo must scroll the
    // page, not change a device setting on the way.
    void wheelEvent(QWheelEvent* e) override;

private:
    void restyle();

    double mArrowScale = 1.0;
    QColor mTextColor {222, 222, 222};
    QString mStyle;
};
