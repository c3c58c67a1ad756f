#include "widgets/customtabbar.h"

#include "app/globalfont.h"

#include <QButtonGroup>
#include <QPushButton>
#include <cmath>

CustomTabBar::CustomTabBar(QWidget* parent)
    : QWidget(parent)
    , mGroup(new QButtonGroup(this))
{
    mGroup->setExclusive(true);
}

CustomTabBar& CustomTabBar::addTab(const QString& title)
{
    auto* button = new QPushButton(title, this);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    mGroup->addButton(button);
    connect(button, &QPushButton::clicked, this, [this, button] { setCurrentIndex(int(mButtons.indexOf(button))); });
    mButtons.append(button);
    button->show();
    updateLayout();
    if (mButtons.size() == 1) {
        button->setChecked(true);
        emit currentChanged(0);
    }
    return *this;
}

CustomTabBar& CustomTabBar::setCurrentIndex(int index)
{
    if (index < 0 || index >= mButtons.size())
        return *this;
    for (int i = 0; i < mButtons.size(); ++i)
        mButtons[i]->setChecked(i == index);
    emit currentChanged(index);
    return *this;
}

CustomTabBar& CustomTabBar::setWeights(const QList<int>& weights)
{
    mWeights = weights;
    updateLayout();
    return *this;
}

int CustomTabBar::currentIndex() const
{
    for (int i = 0; i < mButtons.size(); ++i) {
        if (mButtons[i]->isChecked())
            return i;
    }
    return -1;
}

void CustomTabBar::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    updateLayout();
}

void CustomTabBar::updateLayout()
{
    if (mButtons.isEmpty())
        return;
    const int count = int(mButtons.size());
    const int h = height();

    long long sum = 0;
    for (int w : mWeights)
        sum += std::max(0, w);
    // Scaled in floating point: a whole-number factor is 0 on any bar narrower
    // than the weights' sum and would collapse every tab.
    const bool weighted = mWeights.size() >= 2 * count && sum > 0;
    if (weighted) {
        const double scale = double(width()) / double(sum);
        double x = 0;
        for (int i = 0; i < count; ++i) {
            x += std::max(0, mWeights[2 * i]) * scale;
            const int left = int(std::lround(x));
            x += std::max(0, mWeights[2 * i + 1]) * scale;
            mButtons[i]->setGeometry(left, 0, int(std::lround(x)) - left, h);
        }
    } else {
        const double step = double(width()) / count;
        for (int i = 0; i < count; ++i) {
            const int left = int(std::lround(i * step));
            mButtons[i]->setGeometry(left, 0, int(std::lround((i + 1) * step)) - left, h);
        }
    }

    QFont buttonFont = font();
    buttonFont.setPixelSize(std::max(GlobalFont::kSmallestSize, GlobalFont::getSuitablePixelSize(buttonFont, int(h * 0.75))));
    for (QPushButton* button : mButtons)
        button->setFont(buttonFont);
}
