#include "testsupport.h"

#include "widgets/pushbutton.h"

#include <QSignalSpy>
#include <QTest>

namespace {
void click(PushButtonBase& w, int id)
{
    QTest::mouseClick(&w, Qt::LeftButton, {}, w.buttonRect(id).center());
}

template <class W>
void showSized(W& w, QSize size)
{
    w.resize(size);
    w.show();
}
}

class PushButtonTest : public QObject
{
    Q_OBJECT
private slots:
    void silentSettersShowWithoutSignal()
    {
        PushButtonS1M2 w;
        QSignalSpy spy(&w, &PushButtonS1M2::buttonStateChanged);
        w.setStateSOLO(true).setStateMUTE(true);
        QVERIFY(w.getStateSOLO());
        QVERIFY(w.getStateMUTE());
        w.setStateMUTE(false);
        QVERIFY(!w.getStateMUTE());
        QCOMPARE(spy.count(), 0);

        PushButtonS1M9 m9;
        QSignalSpy spy9(&m9, &PushButtonS1M9::buttonStateChanged);
        m9.setState48V(true).setStateMUTE(true);
        QVERIFY(m9.getState48V() && m9.getStateMUTE());
        QCOMPARE(spy9.count(), 0);
    }

    void andEmitActsAsClickEvenWithoutChange()
    {
        PushButtonS1M6 w;
        QSignalSpy spy(&w, &PushButtonS1M6::buttonStateChanged);
        w.setStateMUTERightAndEmit(true);
        w.setStateMUTERightAndEmit(true);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).value<PushButtonS1M6::ButtonID>(), PushButtonS1M6::MUTERight);
        QCOMPARE(spy.at(1).at(1).toBool(), true);
        QVERIFY(w.getStateMUTERight());
        QVERIFY(!w.getStateMUTELeft() && !w.getStateSOLOLeft() && !w.getStateSOLORight());

        PushButtonS1M7 m7;
        QSignalSpy spy7(&m7, &PushButtonS1M7::buttonStateChanged);
        m7.setStateMUTEAndEmit(false);
        QCOMPARE(spy7.count(), 1);
        QCOMPARE(spy7.at(0).at(1).toBool(), false);
    }

    void clickTogglesAndEmitsOnce()
    {
        PushButtonS1M2 w;
        showSized(w, {120, 30});
        QSignalSpy spy(&w, &PushButtonS1M2::buttonStateChanged);
        click(w, PushButtonS1M2::MUTE);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<PushButtonS1M2::ButtonID>(), PushButtonS1M2::MUTE);
        QVERIFY(w.getStateMUTE());
        click(w, PushButtonS1M2::MUTE);
        QCOMPARE(spy.count(), 2);
        QVERIFY(!w.getStateMUTE());

        // A press that leaves the button before release is no click.
        QTest::mousePress(&w, Qt::LeftButton, {}, w.buttonRect(PushButtonS1M2::SOLO).center());
        QTest::mouseRelease(&w, Qt::LeftButton, {}, w.buttonRect(PushButtonS1M2::MUTE).center());
        QCOMPARE(spy.count(), 2);
    }

    void exclusiveRowsEmitOnlyForTheChosenButton()
    {
        PushButtonS1M4 w;
        showSized(w, {200, 60});
        w.setStateIN1().setStateOFF();
        QSignalSpy spy(&w, &PushButtonS1M4::buttonStateChanged);
        click(w, PushButtonS1M4::IN12);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<PushButtonS1M4::ButtonID>(), PushButtonS1M4::IN12);
        QVERIFY(w.isButtonOn(PushButtonS1M4::IN12));
        QVERIFY(!w.isButtonOn(PushButtonS1M4::IN1));
        QVERIFY(w.isButtonOn(PushButtonS1M4::OFF)); // the other row is untouched

        click(w, PushButtonS1M4::IN12); // already chosen
        QCOMPARE(spy.count(), 1);

        w.setStateNC3();
        QVERIFY(w.isButtonOn(PushButtonS1M4::NC3) && !w.isButtonOn(PushButtonS1M4::OFF));
        QCOMPARE(spy.count(), 1);
    }

    void microphoneChoiceIsExclusiveBesidesToggles()
    {
        PushButtonS1M8 w;
        showSized(w, {180, 60});
        w.setStateMic1().setState48V(true);
        w.setStateMicHP();
        QVERIFY(w.isButtonOn(PushButtonS1M8::MicHP));
        QVERIFY(!w.isButtonOn(PushButtonS1M8::Mic1));
        QVERIFY(w.getState48V());

        QSignalSpy spy(&w, &PushButtonS1M8::buttonStateChanged);
        click(w, PushButtonS1M8::Mic35);
        click(w, PushButtonS1M8::P48V);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).value<PushButtonS1M8::ButtonID>(), PushButtonS1M8::Mic35);
        QCOMPARE(spy.at(1).at(0).value<PushButtonS1M8::ButtonID>(), PushButtonS1M8::P48V);
        QCOMPARE(spy.at(1).at(1).toBool(), false);
        QVERIFY(!w.isButtonOn(PushButtonS1M8::MicHP));

        PushButtonS1M5 m5;
        m5.setStateIN2().setStateLIVE().setStateHALL();
        QVERIFY(m5.isButtonOn(PushButtonS1M5::IN2) && m5.isButtonOn(PushButtonS1M5::HALL));
        QVERIFY(!m5.isButtonOn(PushButtonS1M5::LIVE));
    }

    void buttonIdsTravelThroughQueuedSignals()
    {
        PushButtonS1M2 w;
        QObject receiver;
        QList<PushButtonS1M2::ButtonID> got;
        connect(&w, &PushButtonS1M2::buttonStateChanged, &receiver,
            [&](PushButtonS1M2::ButtonID id, bool) { got.append(id); }, Qt::QueuedConnection);
        w.setStateSOLOAndEmit(true);
        QVERIFY(got.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(got, QList<PushButtonS1M2::ButtonID> {PushButtonS1M2::SOLO});
        QVERIFY(QMetaType::fromType<PushButtonS1M8::ButtonID>().isRegistered());
        QCOMPARE(QMetaEnum::fromType<PushButtonS1M8::ButtonID>().valueToKey(PushButtonS1M8::MUTE), "MUTE");
    }

    void widthRatioSizesButtons()
    {
        PushButtonS1M7 w;
        showSized(w, {100, 30});
        w.setWidthRatio(50);
        QCOMPARE(w.buttonRect(PushButtonS1M7::MUTE).width(), 50);
        w.setWidthRatio(500); // clamped to the widget
        QCOMPARE(w.buttonRect(PushButtonS1M7::MUTE).width(), 100);
        PushButtonS1M2 two;
        showSized(two, {200, 30});
        two.setWidthRatio(38);
        QCOMPARE(two.buttonRect(PushButtonS1M2::SOLO).width(), 76);
        QVERIFY(!two.buttonRect(PushButtonS1M2::SOLO).intersects(two.buttonRect(PushButtonS1M2::MUTE)));
    }
};

K93_TEST(PushButtonTest)
#include "pushbuttontest.moc"
