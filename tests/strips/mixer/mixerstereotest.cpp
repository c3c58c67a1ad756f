#include "testarea.h"
#include "testsupport.h"

#include "app/workspace.h"
#include "strips/mixer/mixers1m4.h"
#include "widgets/dials1m5.h"
#include "widgets/pushbuttongroup.h"
#include "widgets/volumemeter.h"
#include "widgets/vsliders1m1.h"

#include <QPushButton>
#include <QSettings>

using k93test::Message;

namespace {
constexpr int kZeroDb = 33554432;
constexpr int kHalf = 16777216;

class LoggedS1M4 : public MixerS1M4
{
public:
    using MixerS1M4::MixerS1M4;
    QStringList keys;
    void setValue(const QString& key, const QVariant& value) override
    {
        keys << key;
        MixerS1M4::setValue(key, value);
    }
};

QList<Message> four(const QString& object, const QString& mix, qint64 a, qint64 b, qint64 c, qint64 d)
{
    return {{object, mix + "_GainMLCL", QString::number(a)}, {object, mix + "_GainMLCR", QString::number(b)},
        {object, mix + "_GainMRCL", QString::number(c)}, {object, mix + "_GainMRCR", QString::number(d)}};
}

QStringList perMixKeys(const QString& mix)
{
    QStringList keys;
    for (const char* suffix : {"_Link", "_BalanceLinkedLeft", "_BalanceLinkedRight", "_BalanceUnlinkLeft",
             "_BalanceUnlinkRight", "_ANTI", "_ANTILeft", "_ANTIRight", "_GAIN", "_GAINLeft", "_GAINRight", "_SOLO",
             "_SOLOLeft", "_SOLORight", "_MUTE", "_MUTELeft", "_MUTERight"})
        keys << mix + suffix;
    return keys;
}

void moveFader(VSliderS1M1* fader, int db)
{
    fader->setValue(db);
    emit fader->valueChanged(db);
}

void turnDial(DialS1M5* dial, float value)
{
    dial->setValue(value);
    emit dial->valueChanged(value);
}

// A strip bound to a fresh workspace and a test area, loaded once.
struct Bench {
    explicit Bench(const QStringList& mixes = {"MixA", "MixB"}, const QString& current = QString(),
        bool linkDefault = true)
        : area(mixes, current)
    {
        strip.setName("Mixer_AUX");
        strip.setChannelNameDefault("AUX");
        strip.setLinkDefault(linkDefault);
        area.bind({&strip});
        WorkspaceSubject::instance().addObserver(&strip);
    }
    k93test::TempWorkspace workspace;
    LoggedS1M4 strip;
    TestMixerArea area;
};
} // namespace

class MixerStereoTest : public QObject
{
    Q_OBJECT

private slots:
    void firstLoadKeysAndMessages()
    {
        Bench bench({"MixA", "MixB", "MixC"}, "MixB");
        bench.area.mixVisible["MixC"] = "|OTG IN|"; // "AUX" absent, and no substring match on "IN"-like names
        k93test::AttributeRecorder recorder(&bench.strip);
        bench.strip.loadSettings();

        QStringList expectedKeys {"Mixer_AUX", "ChannelName"};
        expectedKeys += perMixKeys("MixA") + perMixKeys("MixB") + perMixKeys("MixC");
        QCOMPARE(bench.strip.keys, expectedKeys);
        QList<Message> expected = four("Mixer_AUX", "MixA", kZeroDb, 0, 0, kZeroDb);
        expected += four("Mixer_AUX", "MixC", 0, 0, 0, 0);
        expected += four("Mixer_AUX", "MixB", kZeroDb, 0, 0, kZeroDb);
        QCOMPARE(recorder.messages(), expected);
        QVERIFY(!bench.strip.linkedFader()->isHidden());
        QVERIFY(bench.strip.leftFader()->isHidden());
        QCOMPARE(bench.strip.dialLeftWidget()->getValue(), 0.0f);
        QCOMPARE(bench.strip.dialRightWidget()->getValue(), 100.0f);
    }

    void unlinkedDefaultForTheInputPair()
    {
        Bench bench({"MixA", "MixB"}, "MixA", false);
        bench.strip.setName("Mixer_IN12");
        bench.strip.setChannelNameDefault("IN");
        bench.area.bind({&bench.strip});
        bench.area.mixVisible["MixB"] = "|OTG IN|IN|";
        k93test::AttributeRecorder recorder(&bench.strip);
        bench.strip.loadSettings();
        QCOMPARE(bench.strip.value("MixA_Link").toBool(), false);
        QList<Message> expected = four("Mixer_IN12", "MixB", kHalf, kHalf, kHalf, kHalf);
        expected += four("Mixer_IN12", "MixA", kHalf, kHalf, kHalf, kHalf);
        QCOMPARE(recorder.messages(), expected);
        QVERIFY(!bench.strip.leftFader()->isHidden());
        QVERIFY(bench.strip.linkedFader()->isHidden());
    }

    void linkKeepsEachViewsBalances()
    {
        Bench bench;
        bench.strip.loadSettings();
        turnDial(bench.strip.dialLeftWidget(), 30);
        QCOMPARE(bench.strip.value("MixA_BalanceLinkedLeft").toFloat(), 30.0f);
        QCOMPARE(bench.strip.value("MixA_BalanceUnlinkLeft").toInt(), 50);

        k93test::AttributeRecorder recorder(&bench.strip);
        bench.strip.linkButton()->click();
        QVERIFY(!bench.strip.isLinked());
        QCOMPARE(bench.strip.value("MixA_Link").toBool(), false);
        QCOMPARE(bench.strip.dialLeftWidget()->getValue(), 50.0f);
        QCOMPARE(bench.strip.dialLeftWidget()->getDefault(), 50.0f);
        QCOMPARE(bench.strip.dialRightWidget()->getValue(), 50.0f);
        QCOMPARE(recorder.messages(), four("Mixer_AUX", "MixA", kHalf, kHalf, kHalf, kHalf));
        QVERIFY(bench.strip.linkButton()->styleSheet().contains("rgb(60, 60, 60)"));

        turnDial(bench.strip.dialRightWidget(), 37.5f);
        QCOMPARE(bench.strip.value("MixA_BalanceUnlinkRight").toFloat(), 37.5f);
        QCOMPARE(bench.strip.value("MixA_BalanceLinkedRight").toInt(), 100);

        bench.strip.linkButton()->click();
        QCOMPARE(bench.strip.dialLeftWidget()->getValue(), 30.0f);
        QCOMPARE(bench.strip.dialRightWidget()->getValue(), 100.0f);
        QCOMPARE(bench.strip.dialRightWidget()->getDefault(), 100.0f);

        // A fractional stored balance is shown and used as it is.
        bench.strip.linkButton()->click();
        QCOMPARE(bench.strip.dialRightWidget()->getValue(), 37.5f);
    }

    void polarityNegatesPerSide()
    {
        Bench bench;
        bench.strip.loadSettings();
        k93test::AttributeRecorder recorder(&bench.strip);
        bench.strip.group1()->setState("ANTI", "1", true);
        QVERIFY(bench.strip.value("MixA_ANTI").toBool());
        QCOMPARE(recorder.messages(), (QList<Message> {{"Mixer_AUX", "MixA_GainMLCL", QString::number(-kZeroDb)},
                                          {"Mixer_AUX", "MixA_GainMRCR", QString::number(-kZeroDb)}}));

        // At -90 dB nothing is left to invert.
        recorder.clear();
        moveFader(bench.strip.linkedFader(), -90);
        QCOMPARE(recorder.messages(), (QList<Message> {{"Mixer_AUX", "MixA_GainMLCL", "0"}, {"Mixer_AUX", "MixA_GainMRCR", "0"}}));

        bench.strip.linkButton()->click();
        recorder.clear();
        bench.strip.group2()->setState("ANTI", "1", true);
        QCOMPARE(recorder.messages(), (QList<Message> {{"Mixer_AUX", "MixA_GainMLCL", QString::number(-kHalf)},
                                          {"Mixer_AUX", "MixA_GainMRCL", QString::number(-kHalf)}}));

        // The stored linked ANTI comes back with the load.
        bench.strip.linkButton()->click();
        recorder.clear();
        moveFader(bench.strip.linkedFader(), 0);
        bench.strip.loadSettings();
        QCOMPARE(bench.strip.group1()->getState("ANTI"), QString("1"));
        QCOMPARE(recorder.messages().mid(recorder.count() - 4),
            four("Mixer_AUX", "MixA", -kZeroDb, 0, 0, -kZeroDb));
    }

    void unlinkedMuteSilencesOneInput()
    {
        Bench bench;
        bench.strip.loadSettings();
        bench.strip.linkButton()->click();
        moveFader(bench.strip.rightFader(), 12);
        k93test::AttributeRecorder recorder(&bench.strip);
        bench.strip.group2()->setState("MUTE", "1", true);
        QCOMPARE(recorder.messages(), (QList<Message> {{"Mixer_AUX", "MixA_GainMLCL", "0"}, {"Mixer_AUX", "MixA_GainMRCL", "0"}}));
        QVERIFY(bench.strip.value("MixA_MUTELeft").toBool());

        // +12 dB at balance 0 passes through a 32-bit float: a multiple of 8.
        bench.strip.linkButton()->click();
        recorder.clear();
        moveFader(bench.strip.linkedFader(), 12);
        QCOMPARE(recorder.messages().first(), (Message {"Mixer_AUX", "MixA_GainMLCL", "133582600"}));
    }

    void soloThroughTheAreaMutesNeighbours()
    {
        Bench bench;
        MixerS1M4 other(nullptr, "Mixer_BT");
        other.setChannelNameDefault("BT");
        bench.area.bind({&bench.strip, &other});
        WorkspaceSubject::instance().addObserver(&other);
        bench.strip.loadSettings();
        other.loadSettings();
        k93test::AttributeRecorder mine(&bench.strip);
        k93test::AttributeRecorder theirs(&other);

        bench.strip.group1()->setState("SOLO", "1", true);
        QCOMPARE(mine.messages(), (QList<Message> {{"Mixer_AUX", "Solo", "1"}}));
        QCOMPARE(theirs.messages(), (QList<Message> {{"Mixer_BT", "MixA_GainMLCL", "0"}, {"Mixer_BT", "MixA_GainMRCR", "0"}}));

        // Unlinking moves the solo to the sides: withdrawn from the pair, re-applied nowhere.
        mine.clear();
        bench.strip.linkButton()->click();
        QCOMPARE(mine.withAttribute("Solo"), (QList<Message> {{"Mixer_AUX", "Solo", "0"}}));
        QCOMPARE(bench.area.soloCount, 0);
        QVERIFY(!other.getMuteState());

        // Disabling an unlinked strip with both sides soloed withdraws two solos.
        bench.strip.group2()->setState("SOLO", "1", true);
        bench.strip.group3()->setState("SOLO", "1", true);
        QCOMPARE(bench.area.soloCount, 2);
        mine.clear();
        bench.strip.setEnable(false);
        QCOMPARE(mine.withAttribute("Solo").size(), 2);
        QCOMPARE(bench.area.soloCount, 0);
    }

    void loadAppliesEachMixsSoloPerSide()
    {
        Bench bench({"MixA", "MixB"});
        bench.strip.loadSettings();
        bench.strip.setValue("MixB_Link", false);
        bench.strip.setValue("MixB_SOLOLeft", true);
        bench.area.mixSolo["MixB"] = 1;
        k93test::AttributeRecorder recorder(&bench.strip);
        bench.strip.loadSettings();
        // The right side is not soloed in a soloed mix: its gains are 0.
        QCOMPARE(recorder.messages().mid(0, 4), four("Mixer_AUX", "MixB", kHalf, 0, kHalf, 0));
    }

    void mixSwitchShowsAndSendsNothing()
    {
        Bench bench;
        bench.strip.loadSettings();
        bench.strip.setValue("MixB_Link", false);
        bench.strip.setValue("MixB_GAINLeft", -6);
        k93test::AttributeRecorder recorder(&bench.strip);
        bench.area.switchMix("MixB");
        QCOMPARE(recorder.count(), 0);
        QVERIFY(!bench.strip.isLinked());
        QCOMPARE(bench.strip.leftFader()->getValue(), -6);
        moveFader(bench.strip.rightFader(), 0);
        const qint32 g = MixerBase::balanceGain(MixerBase::dbToLinear(-6), 50, false);
        QCOMPARE(recorder.messages(), four("Mixer_AUX", "MixB", g, kHalf, g, kHalf));
        QCOMPARE(bench.strip.value("MixA_GAINRight").toInt(), 0);
    }

    void missingKeyOfAMarkedGroupGetsItsDefault()
    {
        Bench bench;
        bench.strip.loadSettings();
        QSettings* settings = WorkspaceSubject::instance().currentSettings();
        settings->remove("Mixer_AUX/MixB_BalanceLinkedRight");
        settings->setValue("Mixer_AUX/MixA_BalanceLinkedLeft", 500); // out of range in the file
        bench.strip.keys.clear();
        k93test::AttributeRecorder recorder(&bench.strip);
        bench.strip.loadSettings();
        QCOMPARE(bench.strip.keys, QStringList {"MixB_BalanceLinkedRight"});
        QCOMPARE(bench.strip.value("MixB_BalanceLinkedRight").toInt(), 100);
        QCOMPARE(recorder.messages().mid(0, 4), four("Mixer_AUX", "MixB", kZeroDb, 0, 0, kZeroDb));
        QCOMPARE(bench.strip.dialLeftWidget()->getValue(), 100.0f);
    }

    void postFaderMeters()
    {
        Bench bench;
        bench.strip.loadSettings();
        bench.strip.setVolumeMeterLeft(-200).setVolumeMeterRight(-200);
        QCOMPARE(bench.strip.linkedMeterLeft()->shownDb(VolumeMeterS1M4::GainedBar), -20);
        QCOMPARE(bench.strip.linkedMeterRight()->shownDb(VolumeMeterS1M4::GainedBar), -20);

        bench.strip.linkButton()->click();
        bench.strip.setVolumeMeterLeft(-200).setVolumeMeterRight(-5000);
        // Left input at -20 dB, half of it on the right side: -26 dB on a -90 input, shown as -27.
        const std::array<int, 2> gains = MixerBase::stereoMeterGains(-200, -900,
            {0, 50, false, false}, {0, 50, false, false});
        QCOMPARE(gains[1], 63);
        QCOMPARE(bench.strip.unlinkMeter()->shownDb(VolumeMeterS1M3::RightGained), -27);

        // Both faders at -90: the post-fader bars sit at the floor.
        moveFader(bench.strip.leftFader(), -90);
        moveFader(bench.strip.rightFader(), -90);
        bench.strip.setVolumeMeterLeft(0);
        QCOMPARE(bench.strip.unlinkMeter()->shownDb(VolumeMeterS1M3::LeftGained), -90);
    }
};

K93_TEST(MixerStereoTest)
#include "mixerstereotest.moc"
