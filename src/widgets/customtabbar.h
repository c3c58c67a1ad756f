#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QPushButton;

// A row of exclusive tab buttons placed by a (gap, width) weight list that is
// scaled to the bar's width, or side by side in equal widths without one.
class CustomTabBar : public QWidget
{
    Q_OBJECT
public:
    explicit CustomTabBar(QWidget* parent = nullptr);

    CustomTabBar& addTab(const QString& title);
    CustomTabBar& setCurrentIndex(int index);
    CustomTabBar& setWeights(const QList<int>& weights);
    void updateLayout();

    int count() const { return int(mButtons.size()); }
    int currentIndex() const;
    QPushButton* button(int index) const { return mButtons.value(index); }

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QList<QPushButton*> mButtons;
    QButtonGroup* mGroup = nullptr;
    QList<int> mWeights;
};
