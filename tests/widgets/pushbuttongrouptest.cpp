#include "testsupport.h"

#include "widgets/pushbuttongroup.h"

#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
void click(PushButtonGroupBase& w, const QString& name, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(&w, button, {}, w.buttonRect(name).center());
}

// Both signals of a group in the order they came.
struct Recorder {
    QStringList events;
    void attach(PushButtonGroupS1M11& g)
    {
        QObject::connect(&g, &PushButtonGroupBase::stateChanged,
            [this](const QString& b, const QString& s) { events << "state " + b + " " + s; });
        QObject::connect(&g, &PushButtonGroupS1M11::mouseClickEvent,
            [this](const QString& b, const QString& e) { events << "mouse " + b + " " + e; });
    }
};
}

class PushButtonGroupTest : public QObject
{
    Q_OBJECT
private slots:
    void setStateEmitsOnlyWhenAsked()
    {
        PushButtonGroupS1M3 g;
        QSignalSpy spy(&g, &PushButtonGroupBase::stateChanged);
        g.setState("ANTI", "1", false).setState("MUTE", "1");
        QCOMPARE(g.getState("ANTI"), QString("1"));
        QCOMPARE(g.getState("SOLO"), QString("0"));
        QCOMPARE(spy.count(), 0);

        g.setState("MUTE", "1", true); // no change, still one signal
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant> {"MUTE", "1"}));

        g.setState("NOPE", "1", true);
        g.setState("SOLO", "yes", true);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(g.getState("SOLO"), QString("0"));
        QCOMPARE(g.getState("NOPE"), QString("0"));
        QCOMPARE(PushButtonGroupS1M7().buttonNames(), (QStringList {"ANTI", "SOLO", "MUTE"}));
        QCOMPARE(PushButtonGroupS1M2().buttonNames(), (QStringList {"SOLO", "MUTE"}));
    }

    void clickTogglesAndReports()
    {
        PushButtonGroupS1M4 g;
        g.resize(80, 40);
        g.show();
        QSignalSpy spy(&g, &PushButtonGroupBase::stateChanged);
        click(g, "MUTE");
        click(g, "MUTE", Qt::RightButton); // only the left button toggles
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant> {"MUTE", "1"}));
        QCOMPARE(g.getState("MUTE"), QString("1"));
    }

    void stripKeepsItsAspectAndMinimum()
    {
        PushButtonGroupS1M2 g;
        QVERIFY(g.minimumWidth() > 0 && g.minimumHeight() > 0);
        g.resize(300, 20);
        g.show();
        const QRect solo = g.buttonRect("SOLO");
        const QRect mute = g.buttonRect("MUTE");
        QVERIFY(solo.left() > 50); // centred, not stretched over 300 pixels
        QVERIFY(mute.right() < 250);
        QCOMPARE(solo.height(), mute.height());
    }

    void microphoneSelectorEmitsOnlyOnChange()
    {
        PushButtonGroupS1M9 g;
        g.resize(180, 40);
        g.show();
        QSignalSpy spy(&g, &PushButtonGroupBase::stateChanged);
        g.setState("Mic35", "1", false);
        QCOMPARE(g.getState("Mic35"), QString("1"));
        QCOMPARE(g.getState("Mic1"), QString("0"));
        g.setState("Mic35", "1", true); // unchanged
        g.setState("Mic35", "0", true); // cannot leave the choice empty
        QCOMPARE(spy.count(), 0);
        QCOMPARE(g.getState("Mic35"), QString("1"));
        g.setState("MicHP", "1", true);
        QCOMPARE(spy.count(), 1);

        click(g, "Mic1");
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1), (QList<QVariant> {"Mic1", "1"}));
        click(g, "Mic1");
        QCOMPARE(spy.count(), 2);
        QCOMPARE(g.getState("MicHP"), QString("0"));
    }

    void clickKindsOfEqAndDucking()
    {
        PushButtonGroupS1M11 g;
        g.setDoubleClickInterval(40);
        g.resize(160, 80);
        g.show();
        Recorder r;
        r.attach(g);

        click(g, "48V");
        click(g, "AUTO");
        QCOMPARE(r.events, (QStringList {"state 48V 1", "state AUTO 1"}));
        r.events.clear();

        click(g, "EQ", Qt::RightButton);
        QVERIFY(r.events.isEmpty()); // waits for a possible second click
        QTRY_COMPARE_WITH_TIMEOUT(r.events, (QStringList {"mouse EQ RightButtonSingle"}), 2000);
        QCOMPARE(g.getState("EQ"), QString("0"));
        r.events.clear();

        click(g, "DUCKING");
        QTRY_COMPARE_WITH_TIMEOUT(r.events.size(), 2, 2000);
        QCOMPARE(r.events, (QStringList {"mouse DUCKING LeftButtonSingle", "state DUCKING 1"}));
        r.events.clear();

        g.setDoubleClickInterval(2000);
        click(g, "EQ");
        click(g, "EQ");
        QCOMPARE(r.events, (QStringList {"mouse EQ LeftButtonDouble"}));
        QCOMPARE(g.getState("EQ"), QString("0"));
        r.events.clear();

        // A click elsewhere ends the wait of the first one at once.
        click(g, "EQ", Qt::MiddleButton);
        click(g, "DUCKING", Qt::RightButton);
        QCOMPARE(r.events, (QStringList {"mouse EQ MiddleButtonSingle"}));
        click(g, "DUCKING", Qt::RightButton);
        QCOMPARE(r.events, (QStringList {"mouse EQ MiddleButtonSingle", "mouse DUCKING RightButtonDouble"}));
    }

    void panelBackgroundsAreRealPictures()
    {
        for (const char* name : {"PBG2_0", "PBG2_1", "PBG3_0", "PBG3_1", "PBG5_0", "PBG5_2", "PBG5_3", "PBG8_1",
                 "PBG8_5", "PBG8_8", "PBG8_10"}) {
            const QImage image(QString(":/Image/PushButtonGroup/%1.png").arg(name));
            QVERIFY2(!image.isNull(), name);
        }
    }

    void pendingClickDiesWithTheWidget()
    {
        auto* g = new PushButtonGroupS1M11;
        g->setDoubleClickInterval(20);
        g->resize(160, 80);
        g->show();
        int events = 0;
        QObject::connect(g, &PushButtonGroupS1M11::mouseClickEvent, [&] { ++events; });
        click(*g, "EQ");
        delete g;
        QTest::qWait(60);
        QCOMPARE(events, 0);
    }
};

K93_TEST(PushButtonGroupTest)
#include "pushbuttongrouptest.moc"
