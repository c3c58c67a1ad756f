#include "testsupport.h"

#include "widgets/circles1m1.h"

#include <limits>

class CircleS1M1Test : public QObject
{
    Q_OBJECT
private slots:
    void stateAndValueStayInRange()
    {
        CircleS1M1 circle;
        QCOMPARE(circle.getState(), 0);
        circle.setState(1).setValue(12);
        QCOMPARE(circle.getState(), 1);
        QCOMPARE(circle.getValue(), 12.0f);
        circle.setState(4).setState(-1);
        QCOMPARE(circle.getState(), 1);
        circle.setValue(99);
        QCOMPARE(circle.getValue(), CircleS1M1::kFullScale);
        circle.setValue(-3);
        QCOMPARE(circle.getValue(), 0.0f);
        circle.setValue(std::numeric_limits<float>::quiet_NaN());
        QCOMPARE(circle.getValue(), 0.0f);
        // Every state paints without trouble.
        circle.resize(60, 60);
        for (int state : {0, 1, 2, 3})
            QVERIFY(!circle.setState(state).grab().isNull());
    }
};

K93_TEST(CircleS1M1Test)
#include "circles1m1test.moc"
