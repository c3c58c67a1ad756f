#include "testsupport.h"

#include "dialinput.h"
#include "widgets/hsliders2m1.h"
#include "widgets/vsliders1m1.h"
#include "widgets/vsliders1m2.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace dialinput;

namespace {

struct ProbeS1M2 : VSliderS1M2 {
    using VSliderS1M2::fractionAt;
};

QPointF middle(const QRect& r)
{
    return QPointF(r.center());
}

void typeInto(SliderBase& slider, const QString& text)
{
    slider.edit()->setText(text);
    QTest::keyClick(slider.edit(), Qt::Key_Return);
}

} // namespace

class FaderFamilyTest : public QObject
{
    Q_OBJECT
private slots:
    void programmaticSettersNeverEmit()
    {
        VSliderS1M1 m1;
        VSliderS1M2 m2;
        HSliderS2M1 h;
        QSignalSpy s1(&m1, &VSliderS1M1::valueChanged), s2(&m2, &VSliderS1M2::valueChanged),
            sh(&h, &HSliderS2M1::valueChanged);
        m1.setRange(-90, 12).setDefaultValue(0).setHeightRatio(5, 4, 89).setShowMinusInfinity(true).setValue(-20)
            .setFont(QFont());
        m1.setRange(0, 10); // pulls the value inside
        m2.setRange(0, -10, -20, -30).setDefaultValue(0).setHeightRatio(6, 4, 90).setShowMinusInfinity(true)
            .setValue(-12.5f).setFont(QFont());
        h.setRange(0, 88).setDefaultValue(26).setValue(30);
        QCOMPARE(s1.count() + s2.count() + sh.count(), 0);
        QCOMPARE(m1.getValue(), 0);
        QCOMPARE(m2.getValue(), -12.5f);
        QCOMPARE(h.getValue(), 30);
    }

    void wholeValueRules()
    {
        HSliderS2M1 h;
        QCOMPARE(h.getMinimum(), -50);
        QCOMPARE(h.getMaximum(), 50);
        QCOMPARE(h.getDefault(), 0);
        QCOMPARE(h.getValue(), 0);

        VSliderS1M1 v;
        v.setRange(-90, 12).setDefaultValue(0);
        v.setRange(10, 5); // not ordered: ignored
        QCOMPARE(v.getMinimum(), -90);
        v.setDefaultValue(20); // outside: ignored
        QCOMPARE(v.getDefault(), 0);
        v.setValue(40);
        QCOMPARE(v.getValue(), 12); // device values are clamped, not dropped
        v.setRange(-90, -10);
        QCOMPARE(v.getDefault(), -90);
        QCOMPARE(v.getValue(), -10);

        v.setShowMinusInfinity(true).setValue(-90);
        QCOMPARE(v.text(), QString("-∞"));
        v.setValue(-89);
        QCOMPARE(v.text(), QString("-89"));
        v.setShowMinusInfinity(false).setValue(-90);
        QCOMPARE(v.text(), QString("-90"));
    }

    void userInputEmitsOnlyOnChange()
    {
        VSliderS1M1 v;
        v.resize(40, 300);
        v.setRange(-90, 12).setDefaultValue(0).setValue(-10);
        QSignalSpy spy(&v, &VSliderS1M1::valueChanged);

        wheel(&v, 120);
        QCOMPARE(v.getValue(), -9);
        wheel(&v, 60);
        QCOMPARE(spy.count(), 1);
        wheel(&v, -180);
        QCOMPARE(v.getValue(), -10);
        key(&v, Qt::Key_Up);
        key(&v, Qt::Key_Right);
        key(&v, Qt::Key_Down);
        QCOMPARE(v.getValue(), -9);
        key(&v, Qt::Key_Left);
        QCOMPARE(spy.count(), 6);

        spy.clear();
        const QPointF at = middle(v.sliderRect());
        drag(&v, at, at - QPointF(0, 60));
        QVERIFY(spy.count() > 0);
        QVERIFY(v.getValue() > -10);
        QCOMPARE(spy.last().at(0).toInt(), v.getValue());

        spy.clear();
        doubleClick(&v, at);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(v.getValue(), 0);
        doubleClick(&v, at);
        QCOMPARE(spy.count(), 1);

        v.setValue(12);
        spy.clear();
        key(&v, Qt::Key_Up);
        wheel(&v, 120);
        QCOMPARE(spy.count(), 0);
    }

    void horizontalFollowsTheMouseSideways()
    {
        HSliderS2M1 h;
        h.resize(200, 20);
        QSignalSpy spy(&h, &HSliderS2M1::valueChanged);
        const QPointF at = middle(h.sliderRect());
        drag(&h, at, at + QPointF(40, 0));
        QVERIFY(h.getValue() > 0);
        const int count = int(spy.count());
        QVERIFY(count > 0);
        drag(&h, at, at + QPointF(0, 40)); // vertical movement does nothing
        QCOMPARE(spy.count(), count);
        key(&h, Qt::Key_Left);
        QCOMPARE(spy.count(), count + 1);
    }

    void editEntries()
    {
        VSliderS1M1 v;
        v.setRange(-90, 12).setDefaultValue(0).setShowMinusInfinity(true).setValue(0);
        QSignalSpy spy(&v, &VSliderS1M1::valueChanged);
        typeInto(v, "-12");
        QCOMPARE(v.getValue(), -12);
        typeInto(v, "-12"); // unchanged
        typeInto(v, "abc"); // not a number: the shown value comes back
        QCOMPARE(v.text(), QString("-12"));
        typeInto(v, "99");
        QCOMPARE(v.getValue(), 12);
        typeInto(v, "-∞");
        QCOMPARE(v.getValue(), -90);
        QCOMPARE(spy.count(), 3);

        VSliderS1M2 m2;
        m2.setRange(0, -10, -20, -30).setValue(0);
        QSignalSpy spy2(&m2, &VSliderS1M2::valueChanged);
        typeInto(m2, "-7.3");
        QCOMPARE(m2.getValue(), -7.5f);
        QCOMPARE(m2.text(), QString("-7.5"));
        QCOMPARE(spy2.count(), 1);
    }

    void halfDbScale()
    {
        VSliderS1M2 m2;
        m2.resize(40, 300);
        m2.setRange(0, 0, -60, -60).setDefaultValue(0).setValue(-6.3f);
        QCOMPARE(m2.minimumPosition(), -120);
        QCOMPARE(m2.maximumPosition(), 0);
        QCOMPARE(m2.getValue(), -6.5f);
        QSignalSpy spy(&m2, &VSliderS1M2::valueChanged);
        key(&m2, Qt::Key_Up);
        QCOMPARE(m2.getValue(), -6.0f);
        wheel(&m2, -240);
        QCOMPARE(m2.getValue(), -7.0f);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.last().at(0).toFloat(), -7.0f);
        m2.setValue(5);
        QCOMPARE(m2.getValue(), 0.0f);
        m2.setDefaultValue(-61); // outside: ignored
        QCOMPARE(m2.getDefault(), 0.0f);

        // A new scale keeps the value where it is in dB, not in positions.
        m2.setValue(-6);
        m2.setRange(9, -10, -52, -90);
        QCOMPARE(m2.getValue(), -6.0f);
        QCOMPARE(m2.getDefault(), 0.0f);
        QCOMPARE(m2.getMaximum(), 9.0f);
        QCOMPARE(m2.getMinimum(), -90.0f);
        m2.setRange(0, -10, -20, -30);
        QCOMPARE(m2.getDefault(), 0.0f);
        m2.setRange(-1, -10, -20, -30);
        QCOMPARE(m2.getDefault(), -30.0f);
        m2.setShowMinusInfinity(true).setValue(-40);
        QCOMPARE(m2.text(), QString("-∞"));
    }

    void degenerateScalesDoNotDivideByZero()
    {
        ProbeS1M2 m2;
        m2.resize(30, 111);
        m2.setRange(0, -10, -20, -30);
        for (auto points : {std::array<int, 4> {0, 0, -60, -60}, {0, 0, -90, -90}, {0, -10, -89, -89}}) {
            m2.setRange(points[0], points[1], points[2], points[3]);
            QCOMPARE(m2.getMaximum(), float(points[0]));
            QCOMPARE(m2.getMinimum(), float(points[3]));
            double last = -1.0;
            for (int p = m2.minimumPosition(); p <= m2.maximumPosition(); ++p) {
                const double f = m2.fractionAt(p);
                QVERIFY(std::isfinite(f));
                QVERIFY(f > last);
                last = f;
            }
            QVERIFY(!m2.grab().isNull());
        }
        m2.setRange(-60, -60, -60, -60); // spans nothing: ignored
        m2.setRange(0, 5, -10, -20); // not ordered: ignored
        QCOMPARE(m2.getMaximum(), 0.0f);
        QCOMPARE(m2.getMinimum(), -89.0f);

        VSliderS1M1 flat;
        flat.resize(30, 100);
        flat.setRange(3, 3);
        QSignalSpy spy(&flat, &VSliderS1M1::valueChanged);
        key(&flat, Qt::Key_Up);
        drag(&flat, middle(flat.sliderRect()), middle(flat.sliderRect()) - QPointF(0, 30));
        QCOMPARE(spy.count(), 0);
        QVERIFY(!flat.grab().isNull());
    }
};

K93_TEST(FaderFamilyTest)
#include "vslidertest.moc"
