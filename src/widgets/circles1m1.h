#pragma once

#include <QWidget>

// Countdown and status circle: idle ring, a progress arc over the full scale
// while counting, a tick when done and a cross on error.
class CircleS1M1 : public QWidget
{
    Q_OBJECT
public:
    enum State { Idle = 0, Counting = 1, Done = 2, Error = 3 };
    static constexpr float kFullScale = 15.0f;

    explicit CircleS1M1(QWidget* parent = nullptr);

    CircleS1M1& setState(int state);
    CircleS1M1& setValue(float value);
    int getState() const { return mState; }
    float getValue() const { return mValue; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int mState = Idle;
    float mValue = 0;
};
