#include "testsupport.h"
#include "teststrips.h"

#include <QSignalSpy>

using Emissions = QList<QList<QVariant>>;

class SoloTest : public QObject
{
    Q_OBJECT

    int mCount = 0;

private slots:
    void init() { mCount = 0; }

    void soloWithoutOthersRestoresSavedMute()
    {
        TestMixerStrip strip("S");
        strip.setSoloCounter(&mCount);
        strip.loadSoloState(true, false, false, false, true, false, false);
        QCOMPARE(strip.mute[0], true);
        QSignalSpy spy(&strip, &Solo::soloStateChanged);

        // The first solo of the area: the count is still 0 when MUTE is checked.
        strip.solo[0] = true;
        QVERIFY(strip.handleSoloChanged());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant> {"S", true}));
        QVERIFY(strip.log.isEmpty()); // MUTE equals the saved mute

        strip.mute[0] = false;
        QVERIFY(strip.handleSoloChanged());
        QCOMPARE(strip.log, QStringList {"mute=1"});
    }

    void soloWhileCountedSetsMuteOpposite()
    {
        TestMixerStrip strip("S");
        strip.setSoloCounter(&mCount);
        mCount = 1;
        strip.solo[0] = true;
        strip.mute[0] = true;
        QSignalSpy spy(&strip, &Solo::soloStateChanged);
        QVERIFY(strip.handleSoloChanged());
        QCOMPARE(strip.log, QStringList {"mute=0"});
        QCOMPARE(spy.count(), 1);

        strip.log.clear();
        strip.solo[0] = false;
        QVERIFY(strip.handleSoloChanged());
        QCOMPARE(strip.log, QStringList {"mute=1"});
        QCOMPARE(spy.last().at(1).toBool(), false);
    }

    void muteRowsOfTheTruthTable()
    {
        TestMixerStrip strip("S");
        strip.setSoloCounter(&mCount);

        // No solo anywhere: the mute is remembered.
        strip.mute[0] = true;
        QVERIFY(strip.handleMuteChanged());
        QVERIFY(strip.savedMute());
        QVERIFY(strip.log.isEmpty());

        // Others soloed: muting a soloed strip withdraws its solo.
        mCount = 1;
        strip.mute[0] = true;
        strip.solo[0] = true;
        QSignalSpy spy(&strip, &Solo::soloStateChanged);
        QVERIFY(strip.handleMuteChanged());
        QCOMPARE(strip.solo[0], false);
        QCOMPARE(strip.log, QStringList {"solo=0"});
        QCOMPARE(spy.count(), 1);

        // Unmuting a strip while others are soloed solos it.
        strip.log.clear();
        strip.mute[0] = false;
        strip.solo[0] = false;
        QVERIFY(strip.handleMuteChanged());
        QCOMPARE(strip.solo[0], true);
        QVERIFY(!strip.savedMute());
        QCOMPARE(strip.log, QStringList {"solo=1"});

        // MUTE differs from SOLO: refused and not saved.
        strip.log.clear();
        strip.mute[0] = true;
        strip.solo[0] = false;
        QVERIFY(!strip.handleMuteChanged());
        QVERIFY(!strip.savedMute());
        QVERIFY(strip.log.isEmpty());
    }

    void applySoloCountPerSide()
    {
        TestMixerStrip strip("S", "S", false);
        strip.setSoloCounter(&mCount);
        strip.loadSoloState(false, false, true, false, false, false, true);
        QCOMPARE(strip.mute[2], true);

        mCount = 1;
        strip.applySoloCount();
        // Linked side: not soloed -> muted; left soloed -> stays unmuted; right already muted.
        QCOMPARE(strip.log, (QStringList {"mute=1"}));
        QCOMPARE(strip.mute[1], false);

        strip.log.clear();
        mCount = 0;
        strip.applySoloCount();
        QCOMPARE(strip.log, (QStringList {"mute=0"}));
        QCOMPARE(strip.mute[2], true); // saved mute of the right side
    }

    void loadSoloStateIsSilent()
    {
        TestMixerStrip strip("S");
        strip.setSoloCounter(&mCount);
        QSignalSpy spy(&strip, &Solo::soloStateChanged);
        mCount = 2;
        strip.loadSoloState(false, true, false, true, true, true, false);
        QVERIFY(!strip.isLinked());
        QCOMPARE(spy.count(), 0);
        QVERIFY(strip.log.isEmpty());
        QCOMPARE(strip.mute[0], false); // opposite of SOLO while counted
        QCOMPARE(strip.mute[1], true);
        QCOMPARE(strip.mute[2], false);
        QVERIFY(strip.savedMute());
        QVERIFY(strip.savedMuteLeft());

        mCount = 0;
        strip.loadSoloState(true, true, false, true, true, true, false);
        QCOMPARE(strip.mute[0], true); // the saved mutes while nobody solos
        QCOMPARE(strip.mute[2], false);
    }

    void linkingMovesSolosBetweenViews()
    {
        TestMixerStrip strip("S", "S", false);
        strip.setSoloCounter(&mCount);
        mCount = 2;
        strip.solo[0] = true;
        strip.solo[1] = true;
        strip.solo[2] = true;
        QSignalSpy spy(&strip, &Solo::soloStateChanged);

        strip.setLink(true);
        QVERIFY(strip.isLinked());
        // The linked solo is re-applied, each side solo withdrawn.
        QCOMPARE(strip.log.value(0), QString("solo=1"));
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0).at(1).toBool(), true);
        QCOMPARE(spy.at(1).at(1).toBool(), false);
        QCOMPARE(spy.at(2).at(1).toBool(), false);

        spy.clear();
        strip.log.clear();
        strip.setLink(false);
        QCOMPARE(strip.log.value(0), QString("soloL=1"));
        QVERIFY(strip.log.contains("soloR=1"));
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.last().at(1).toBool(), false);
    }

    void unboundCountReadsZero()
    {
        TestMixerStrip strip("S");
        QCOMPARE(strip.soloCount(), 0);
        strip.mute[0] = true;
        QVERIFY(strip.handleMuteChanged());
        QCOMPARE(strip.getMixSoloState("MixA"), 0);
        QCOMPARE(strip.getMixCurrent(), QString());
        strip.setEnable(true); // no mix bound: no mirror, no crash
        QCOMPARE(strip.updates, 1);
    }
};

K93_TEST(SoloTest)
#include "solotest.moc"
