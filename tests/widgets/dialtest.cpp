#include "testsupport.h"

#include "dialinput.h"
#include "widgets/dials1m1.h"
#include "widgets/dials1m3.h"
#include "widgets/dials1m5.h"
#include "widgets/dials1m6.h"
#include "widgets/dialscale.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace dialinput;

namespace {

const QList<float> kQList {0.1f, 0.104f, 0.112f, 0.119f, 0.125f, 0.135f, 0.1405f, 0.1563f, 0.1953f, 0.2f,
                           0.2168f, 0.2293f, 0.2441f, 0.2679f, 0.3052f, 0.3433f, 0.3815f, 0.4239f, 0.4421f,
                           0.4768f, 0.5395f, 0.596f, 0.68f, 0.707f, 0.903f, 1.1642f, 1.3206f, 1.4552f, 1.819f,
                           2.0213f, 2.2737f, 2.412f, 2.5623f, 2.8422f, 3.1452f, 3.5527f, 3.8477f, 4.4409f,
                           4.9865f, 5.5511f, 6.0724f, 6.9389f, 7.7348f, 8.6736f, 10.842f, 13.5525f, 15.0f};

// Exposes the value model of a dial for the monotonicity checks.
struct ProbeS1M6 : DialS1M6 {
    using DialS1M6::fractionOf;
};

QPointF centre(QWidget* w)
{
    return QPointF(w->width() / 2.0, w->height() / 2.0);
}

} // namespace

class DialFamilyTest : public QObject
{
    Q_OBJECT
private slots:
    void constructedState()
    {
        DialS1M1 m1;
        DialS1M5 m5;
        for (DialBase* d : std::initializer_list<DialBase*> {&m1, &m5}) {
            QCOMPARE(d->getMinimum(), 0.0f);
            QCOMPARE(d->getMaximum(), 50.0f);
            QCOMPARE(d->getValue(), 25.0f);
            QCOMPARE(d->getDefault(), 25.0f);
            QCOMPARE(d->getDragStep(), 1.0f);
            QCOMPARE(d->getWheelStep(), 1.0f);
        }
    }

    void programmaticSettersNeverEmit()
    {
        DialS1M1 m1;
        DialS1M3 m3;
        DialS1M5 m5;
        DialS1M6 m6;
        QSignalSpy s1(&m1, &DialBase::valueChanged), s3(&m3, &DialBase::valueChanged),
            s5(&m5, &DialBase::valueChanged), s6(&m6, &DialBase::valueChanged);
        m1.setRange(-10, 10).setDefault(2).setValue(-3).setStep(0.5f).setWheelStep(2).showArc(false).showText(false)
            .setColorBG(Qt::red).setFont(QFont());
        m1.setRange(0, 1); // pulls the value inside
        m3.setRange(0, 100).setDefault(50).setValue(10).setBipolar(true).setColorTrack(Qt::blue).showMinusInf(true);
        m5.setMode(1).setValueList(kQList).setDefault(0.707f).setValue(0.707f).setDragStep(1).setWheelStep(1)
            .setKeyStep(1).setPrecision(3).showPlusSign(true).showPlusInf(true).setSuffix("x").setFitText("00.000")
            .setEditable(true).setEditorDecimals(3).setEditorFontScale(0.8).setDimmed(true).setDimmed(false)
            .setEnable(false).setEnable(true).setColorPointerDisabled(Qt::gray).setValue(99);
        m6.setRange(12, 0, -40, -90).setDefault(0).setValue(-20).showArc(false).showMinusInf(true);
        QCOMPARE(s1.count() + s3.count() + s5.count() + s6.count(), 0);
        QCOMPARE(m1.getValue(), 0.0f);
        QCOMPARE(m5.getValue(), 15.0f);
    }

    void rangeAndDefaultRules()
    {
        DialS1M1 d;
        d.setRange(10, 5); // not ordered: ignored
        QCOMPARE(d.getMinimum(), 0.0f);
        QCOMPARE(d.getMaximum(), 50.0f);
        d.setDefault(40).setRange(-10, 30);
        QCOMPARE(d.getDefault(), -10.0f); // default outside the new range becomes the minimum
        d.setDefault(31).setDefault(-11);
        QCOMPARE(d.getDefault(), -10.0f);
        d.setDefault(12);
        QCOMPARE(d.getDefault(), 12.0f);

        d.setStep(0).setStep(-1).setStep(41).setWheelStep(40.5f);
        QCOMPARE(d.getDragStep(), 1.0f);
        QCOMPARE(d.getWheelStep(), 1.0f);
        d.setStep(40).setWheelStep(0.25f);
        QCOMPARE(d.getDragStep(), 40.0f);
        QCOMPARE(d.getWheelStep(), 0.25f);
    }

    void outsideValuesIgnoredOrClamped()
    {
        DialS1M1 m1;
        DialS1M3 m3;
        DialS1M6 m6;
        m1.setValue(60).setValue(-1).setValue(qQNaN());
        m3.setValue(51);
        m6.setRange(12, 12, -90, -90).setValue(-20).setValue(13).setValue(-91);
        QCOMPARE(m1.getValue(), 25.0f);
        QCOMPARE(m3.getValue(), 25.0f);
        QCOMPARE(m6.getValue(), -20.0f);

        DialS1M5 m5;
        m5.setValue(60);
        QCOMPARE(m5.getValue(), 50.0f);
        m5.setValue(-5);
        QCOMPARE(m5.getValue(), 0.0f);
        m5.setValue(qQNaN());
        QCOMPARE(m5.getValue(), 0.0f);
    }

    void userInputEmitsOnlyOnChange()
    {
        DialS1M1 d;
        d.resize(80, 80);
        QSignalSpy spy(&d, &DialBase::valueChanged);

        wheel(&d, 120);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toFloat(), 26.0f);
        wheel(&d, 60); // half a notch waits for the other half
        QCOMPARE(spy.count(), 1);
        wheel(&d, 60);
        QCOMPARE(d.getValue(), 27.0f);
        wheel(&d, -240);
        QCOMPARE(d.getValue(), 25.0f);
        QCOMPARE(spy.count(), 3);

        key(&d, Qt::Key_Up);
        key(&d, Qt::Key_Right);
        QCOMPARE(d.getValue(), 27.0f);
        key(&d, Qt::Key_Down);
        key(&d, Qt::Key_Left);
        key(&d, Qt::Key_Left);
        QCOMPARE(d.getValue(), 24.0f);
        QCOMPARE(spy.count(), 8);

        spy.clear();
        drag(&d, centre(&d), centre(&d) - QPointF(0, 40));
        QVERIFY(spy.count() > 0);
        QVERIFY(d.getValue() > 24.0f);
        for (const auto& args : spy) // every emission is a whole drag step
            QCOMPARE(args.at(0).toFloat(), std::round(args.at(0).toFloat()));
        const float up = d.getValue();
        spy.clear();
        drag(&d, centre(&d), centre(&d) + QPointF(0, 40));
        QVERIFY(d.getValue() < up);

        spy.clear();
        doubleClick(&d, centre(&d));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(d.getValue(), 25.0f);
        doubleClick(&d, centre(&d)); // already at the default
        QCOMPARE(spy.count(), 1);

        d.setValue(50);
        spy.clear();
        wheel(&d, 120);
        key(&d, Qt::Key_Up);
        QCOMPARE(spy.count(), 0); // pinned at the maximum
    }

    void userStepsSnapToTheGrid()
    {
        DialS1M1 d;
        d.setRange(0, 1).setStep(0.05f).setWheelStep(0.05f).setDefault(0.7f).setValue(0);
        for (int i = 0; i < 20; ++i)
            wheel(&d, 120);
        QCOMPARE(d.getValue(), 1.0f);
        d.setValue(0.7f);
        key(&d, Qt::Key_Down);
        QCOMPARE(d.text(), QString("0.65"));
        QCOMPARE(d.getValue(), 0.65f);

        // A value set off the grid steps to the neighbouring grid points.
        d.setValue(0.72f);
        key(&d, Qt::Key_Down);
        QCOMPARE(d.getValue(), 0.7f);
        d.setValue(0.72f);
        key(&d, Qt::Key_Up);
        QCOMPARE(d.getValue(), 0.75f);
    }

    void dimmedBlocksTheMouseOnly()
    {
        DialS1M5 d;
        d.resize(80, 80);
        d.setDimmed(true);
        QSignalSpy spy(&d, &DialBase::valueChanged);
        wheel(&d, 120);
        drag(&d, centre(&d), centre(&d) - QPointF(0, 40));
        d.setValue(10);
        doubleClick(&d, centre(&d));
        QCOMPARE(spy.count(), 0);
        key(&d, Qt::Key_Up);
        QCOMPARE(spy.count(), 1);
    }

    void listModeStepsByEntries()
    {
        DialS1M5 d;
        d.setMode(1).setValueList(kQList).setDefault(0.707f).setValue(0.707f);
        QCOMPARE(d.getMinimum(), 0.1f);
        QCOMPARE(d.getMaximum(), 15.0f);
        QCOMPARE(d.getListIndex(), 23);
        QSignalSpy spy(&d, &DialBase::valueChanged);
        key(&d, Qt::Key_Up);
        QCOMPARE(d.getValue(), 0.903f);
        QCOMPARE(d.getListIndex(), 24);
        wheel(&d, -120);
        QCOMPARE(d.getValue(), 0.707f);
        d.setWheelStep(3);
        wheel(&d, 120);
        QCOMPARE(d.getListIndex(), 26);
        QCOMPARE(spy.count(), 3);

        // Steps count entries: 46 is the most there is.
        d.setKeyStep(47);
        QCOMPARE(d.getKeyStep(), 1.0f);
        d.setKeyStep(46);
        QCOMPARE(d.getKeyStep(), 46.0f);

        // The default must be an entry.
        d.setDefault(0.5f);
        QCOMPARE(d.getDefault(), 0.707f);
        d.setDefault(0.68f);
        QCOMPARE(d.getDefault(), 0.68f);

        // setValue moves the position only onto a matching entry.
        d.setValue(2.0213f);
        QCOMPARE(d.getListIndex(), 29);
        d.setValue(2.1f);
        QCOMPARE(d.getListIndex(), 29);
        QCOMPARE(d.getValue(), 2.1f);
        d.setValue(200);
        QCOMPARE(d.getValue(), 15.0f);
        QCOMPARE(d.getListIndex(), 46);
        QCOMPARE(spy.count(), 3);
    }

    void listsThatCannotServeAreRefused()
    {
        DialS1M5 d;
        d.setValueList({1, 3, 2}); // unsorted
        QVERIFY(d.getValueList().isEmpty());
        QCOMPARE(d.getMaximum(), 50.0f);
        d.setValueList({1, 1, 2}); // not strictly increasing
        QVERIFY(d.getValueList().isEmpty());

        // Mode 1 without a list, or with an empty one, stays continuous.
        d.setMode(1).setValue(10);
        key(&d, Qt::Key_Up);
        QCOMPARE(d.getValue(), 11.0f);
        d.setValueList({});
        key(&d, Qt::Key_Up);
        QCOMPARE(d.getValue(), 12.0f);
        d.setMode(3);
        QCOMPARE(d.getMode(), 1);
    }

    void snappedModeNeverSticks()
    {
        DialS1M5 d;
        d.setMode(2).setValueList({1, 2, 4, 8, 16, 32}).setValue(4);
        key(&d, Qt::Key_Up); // a step of 1 would snap back to 4
        QCOMPARE(d.getValue(), 8.0f);
        key(&d, Qt::Key_Down);
        key(&d, Qt::Key_Down);
        QCOMPARE(d.getValue(), 2.0f);
        d.setValue(5); // continuous: kept between entries
        QCOMPARE(d.getValue(), 5.0f);
        key(&d, Qt::Key_Down);
        QCOMPARE(d.getValue(), 4.0f);
    }

    void valueText()
    {
        DialS1M5 d;
        d.setRange(-12, 12).setPrecision(1).showPlusSign(true).setSuffix("dB").setValue(4.5f);
        QCOMPARE(d.text(), QString("+4.5dB"));
        d.setValue(-0.01f);
        QCOMPARE(d.text(), QString("0.0dB"));
        d.setValue(0);
        QCOMPARE(d.text(), QString("0.0dB"));
        d.setPrecision(5); // ignored
        d.setValue(-3);
        QCOMPARE(d.text(), QString("-3.0dB"));
        d.setSuffix(":1").showPlusSign(false).setValue(12).showPlusInf(true);
        QCOMPARE(d.text(), QString("∞:1"));

        DialS1M3 m3;
        m3.setRange(-90, 12).showMinusInf(true).setValue(-90);
        QCOMPARE(m3.text(), QString("-∞"));
        m3.setValue(-89);
        QCOMPARE(m3.text(), QString("-89"));
    }

    void editorAcceptsInRangeEntries()
    {
        DialS1M5 d;
        d.resize(90, 90);
        d.setRange(-12, 12).setEditable(true).setEditorDecimals(1).setValue(0);
        QSignalSpy spy(&d, &DialBase::valueChanged);

        mouse(&d, QEvent::MouseButtonPress, centre(&d), Qt::RightButton, Qt::RightButton);
        QLineEdit* editor = d.editor();
        QVERIFY(editor);
        editor->clear();
        QTest::keyClicks(editor, "-7.5");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(d.getValue(), -7.5f);
        QVERIFY(!d.editor());

        // An accepted entry emits even when it does not change the value.
        mouse(&d, QEvent::MouseButtonPress, centre(&d), Qt::RightButton, Qt::RightButton);
        editor = d.editor();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("-7.5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.last().at(0).toFloat(), -7.5f);
    }

    void editorRejectsOtherEntries()
    {
        DialS1M5 d;
        d.resize(90, 90);
        d.setRange(-12, 12).setEditable(true).setEditorDecimals(1).setValue(3);
        QSignalSpy spy(&d, &DialBase::valueChanged);
        mouse(&d, QEvent::MouseButtonPress, centre(&d), Qt::RightButton, Qt::RightButton);
        QPointer<QLineEdit> editor = d.editor();
        QVERIFY(editor);
        for (const char* text : {"40", "-13", "1,5", "abc", ""}) {
            editor->setText(text);
            QTest::keyClick(editor, Qt::Key_Return);
            QCOMPARE(spy.count(), 0);
            QCOMPARE(d.getValue(), 3.0f);
            QVERIFY(d.editor()); // stays open for a correction
        }
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!d.editor());
        QCOMPARE(spy.count(), 0);

        // Not editable, dimmed or disabled: no editor.
        d.setDimmed(true);
        mouse(&d, QEvent::MouseButtonPress, centre(&d), Qt::RightButton, Qt::RightButton);
        QVERIFY(!d.editor());
        d.setDimmed(false).setEditable(false);
        mouse(&d, QEvent::MouseButtonPress, centre(&d), Qt::RightButton, Qt::RightButton);
        QVERIFY(!d.editor());
    }

    void degenerateRangesDrawAndMapMonotonically()
    {
        ProbeS1M6 zones;
        zones.setRange(12, 12, -90, -90).setValue(0);
        QCOMPARE(zones.getMaximum(), 12.0f);
        QCOMPARE(zones.getMinimum(), -90.0f);
        double last = -1.0;
        for (int v = -90; v <= 12; ++v) {
            const double f = zones.fractionOf(float(v));
            QVERIFY(std::isfinite(f));
            QVERIFY(f > last);
            last = f;
        }
        QCOMPARE(zones.fractionOf(-90), 0.0);
        QCOMPARE(zones.fractionOf(12), 1.0);
        zones.setRange(0, 5, -10, -20); // not ordered: ignored
        QCOMPARE(zones.getMaximum(), 12.0f);
        zones.setRange(3, 3, 3, 3); // spans nothing: ignored
        QCOMPARE(zones.getMinimum(), -90.0f);

        zones.resize(60, 60);
        zones.setValue(-90);
        key(&zones, Qt::Key_Up);
        QCOMPARE(zones.getValue(), -89.0f);
        QVERIFY(!zones.grab().isNull());

        DialS1M1 flat;
        flat.resize(50, 50);
        flat.setRange(5, 5);
        QCOMPARE(flat.getValue(), 5.0f);
        QSignalSpy spy(&flat, &DialBase::valueChanged);
        wheel(&flat, 120);
        drag(&flat, centre(&flat), centre(&flat) - QPointF(0, 30));
        key(&flat, Qt::Key_Down);
        QCOMPARE(spy.count(), 0);
        QVERIFY(!flat.grab().isNull());

        DialS1M5 tiny;
        tiny.resize(1, 1);
        tiny.setValueList({2.0f});
        QVERIFY(!tiny.grab().isNull());
    }

    void scaleSegments()
    {
        DialScale scale;
        QVERIFY(!scale.set(0, 5, -10, -20));
        QVERIFY(!scale.set(-60, -60, -60, -60));
        QVERIFY(!scale.set(0, qQNaN(), -10, -20));
        for (auto points : {std::array<int, 4> {0, 0, -60, -60}, {0, 0, -90, -90}, {0, -10, -89, -89},
                            {12, 12, -90, -90}, {9, -10, -52, -90}, {0, -10, -20, -30}}) {
            QVERIFY(scale.set(points[0], points[1], points[2], points[3]));
            double last = -1.0;
            for (double v = points[3]; v <= points[0]; v += 0.5) {
                const double f = scale.fraction(v);
                QVERIFY2(f > last, qPrintable(QString("%1 at %2").arg(f).arg(v)));
                QVERIFY(std::fabs(scale.valueAt(f) - v) < 1e-9);
                last = f;
            }
            QCOMPARE(scale.fraction(points[0] + 5), 1.0);
            QCOMPARE(scale.fraction(points[3] - 5), 0.0);
        }
        // Each non-empty segment takes an equal share.
        scale.set(0, -10, -89, -89);
        QCOMPARE(scale.fraction(-10), 0.5);
        scale.set(9, -10, -52, -90);
        QVERIFY(std::fabs(scale.fraction(-52) - 1.0 / 3) < 1e-12);
    }
};

K93_TEST(DialFamilyTest)
#include "dialtest.moc"
