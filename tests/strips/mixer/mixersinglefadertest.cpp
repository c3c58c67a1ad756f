#include "testarea.h"
#include "testsupport.h"

#include "app/workspace.h"
#include "strips/mixer/mixers1m2.h"
#include "strips/mixer/mixers1m3.h"
#include "widgets/pushbuttongroup.h"
#include "widgets/volumemeter.h"
#include "widgets/vsliders1m1.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

using k93test::Message;

namespace {
constexpr int kZeroDb = 33554432;
constexpr int kPlus12 = 133582599;

// Records every key written, in order, and still writes it.
template <class Strip>
class KeyLog : public Strip
{
public:
    using Strip::Strip;
    QStringList keys;
    void setValue(const QString& key, const QVariant& value) override
    {
        keys << key;
        Strip::setValue(key, value);
    }
};

QList<Message> gains(const k93test::AttributeRecorder& recorder)
{
    QList<Message> result;
    for (const Message& m : recorder.messages()) {
        if (m.attribute.contains("_Gain"))
            result << m;
    }
    return result;
}

QList<Message> four(const QString& object, const QString& mix, qint64 a, qint64 b, qint64 c, qint64 d)
{
    return {{object, mix + "_GainMLCL", QString::number(a)}, {object, mix + "_GainMLCR", QString::number(b)},
        {object, mix + "_GainMRCL", QString::number(c)}, {object, mix + "_GainMRCR", QString::number(d)}};
}

void moveFader(MixerSingleFader& strip, int db)
{
    strip.fader()->setValue(db);
    emit strip.fader()->valueChanged(db);
}

void click(MixerSingleFader& strip, const QString& button, bool on)
{
    strip.buttonGroup()->setState(button, on ? "1" : "0", true);
}
} // namespace

class MixerSingleFaderTest : public QObject
{
    Q_OBJECT

private slots:
    void gainLawNumbers()
    {
        QCOMPARE(MixerBase::dbToLinear(0), kZeroDb);
        QCOMPARE(MixerBase::dbToLinear(12), kPlus12);
        QCOMPARE(MixerBase::dbToLinear(-90), 0);
        QCOMPARE(MixerBase::dbToLinear(-200), 0);
        // Beyond the 32-bit range the gain saturates instead of wrapping negative.
        QCOMPARE(MixerBase::dbToLinear(400), INT_MAX);
        // The 32-bit float law rounds +12 dB to a multiple of 8.
        QCOMPARE(MixerBase::balanceGain(kPlus12, 0, false), 133582600);
        QCOMPARE(MixerBase::balanceGain(kZeroDb, 50, false), 16777216);
        QCOMPARE(MixerBase::balanceGain(kZeroDb, 50, true), 16777216);
        QCOMPARE(MixerBase::balanceGain(kZeroDb, 100, false), 0);
        QCOMPARE(MixerBase::balanceGain(kZeroDb, 250, true), kZeroDb); // clamped balance
        QCOMPARE(MixerBase::balanceGain(kZeroDb, std::numeric_limits<float>::quiet_NaN(), false), kZeroDb);
        // The IN1/IN2 law truncates 64-bit products.
        QCOMPARE(MixerBase::weightedGain(33554433, 100, false), 16777216);
        QCOMPARE(MixerBase::weightedGain(kPlus12, 1, true), qint32(qint64(kPlus12) / 200));
        QCOMPARE(MixerBase::weightedGain(kZeroDb, -5, false), kZeroDb);
        QCOMPARE(MixerBase::clampLevel(-5000), -900);
        QCOMPARE(MixerBase::clampLevel(300), 1);
        QCOMPARE(MixerBase::titlePointSize(1), 1);
        QCOMPARE(MixerBase::titlePointSize(14), 9); // 11 -> 10 -> 9
        QCOMPARE(MixerBase::titlePointSize(30), 26);
    }

    void firstLoadWritesDefaultsInOrderAndSendsEveryMix()
    {
        k93test::TempWorkspace workspace;
        KeyLog<MixerS1M2> strip(nullptr, "Mixer_AUX");
        strip.setChannelNameDefault("AUX");
        TestMixerArea area({"MixA", "MixB", "MixC"}, "MixB");
        area.bind({&strip});
        area.mixVisible["MixC"] = "|OTG IN|"; // absent from C
        WorkspaceSubject::instance().addObserver(&strip);
        k93test::AttributeRecorder recorder(&strip);

        strip.loadSettings();

        QCOMPARE(strip.keys, (QStringList {"Mixer_AUX", "ChannelName", "MixA_GAIN", "MixA_SOLO", "MixA_MUTE",
                                 "MixB_GAIN", "MixB_SOLO", "MixB_MUTE", "MixC_GAIN", "MixC_SOLO", "MixC_MUTE"}));
        QCOMPARE(strip.titleEdit()->text(), QString("AUX"));
        QList<Message> expected = four("Mixer_AUX", "MixA", kZeroDb, 0, 0, kZeroDb);
        expected += four("Mixer_AUX", "MixC", 0, 0, 0, 0);
        expected += four("Mixer_AUX", "MixB", kZeroDb, 0, 0, kZeroDb);
        QCOMPARE(recorder.messages(), expected);
        QVERIFY(strip.getSendEnable());

        // A second load finds the marker and writes nothing.
        strip.keys.clear();
        strip.loadSettings();
        QVERIFY(strip.keys.isEmpty());
    }

    void loadAppliesEachMixsSoloAndMirrorsWhenAsked()
    {
        k93test::TempWorkspace workspace;
        MixerS1M2 strip(nullptr, "Mixer_BT");
        strip.setChannelNameDefault("BT").setSaveMirror(true);
        TestMixerArea area({"MixA", "MixB"}, "MixB");
        area.bind({&strip});
        WorkspaceSubject::instance().addObserver(&strip);
        strip.loadSettings();
        strip.setValue("MixA_GAIN", 12);
        strip.setValue("MixA_MUTE", false);
        strip.setValue("MixA_SOLO", false);
        area.mixSolo["MixA"] = 1; // another strip is soloed in A
        k93test::AttributeRecorder recorder(&strip);

        strip.loadSettings();

        QCOMPARE(gains(recorder).mid(0, 4), four("Mixer_BT", "MixA", 0, 0, 0, 0));
        const QList<Message> all = recorder.messages();
        QCOMPARE(all.at(0), (Message {"Mixer_BT", "Save_MixA_Enable", "1"}));
        QCOMPARE(all.at(1), (Message {"Mixer_BT", "Save_MixA_GAIN", "12"}));
        QCOMPARE(all.at(2), (Message {"Mixer_BT", "Save_MixA_SOLO", "0"}));
        QCOMPARE(all.at(3), (Message {"Mixer_BT", "Save_MixA_MUTE", "0"}));
        QVERIFY(all.contains(Message {"Mixer_BT", "Save_ChannelName", "BT"}));

        // Soloed in A, the stored gain passes.
        strip.setValue("MixA_SOLO", true);
        recorder.clear();
        strip.loadSettings();
        QCOMPARE(gains(recorder).mid(0, 4), four("Mixer_BT", "MixA", kPlus12, 0, 0, kPlus12));
    }

    void faderMuteAndDisableSendOnlyChanges()
    {
        k93test::TempWorkspace workspace;
        MixerS1M2 strip(nullptr, "Mixer_FX");
        strip.setChannelNameDefault("FX");
        TestMixerArea area({"MixA", "MixB"});
        area.bind({&strip});
        WorkspaceSubject::instance().addObserver(&strip);
        strip.loadSettings();
        k93test::AttributeRecorder recorder(&strip);

        moveFader(strip, 12);
        // MLCR and MRCR stay 0 and are not sent again.
        QCOMPARE(recorder.messages(), (QList<Message> {{"Mixer_FX", "MixA_GainMLCL", QString::number(kPlus12)},
                                          {"Mixer_FX", "MixA_GainMRCR", QString::number(kPlus12)}}));
        QCOMPARE(strip.value("MixA_GAIN").toInt(), 12);

        recorder.clear();
        moveFader(strip, -90);
        QCOMPARE(gains(recorder).size(), 2);
        QCOMPARE(gains(recorder).at(0).value, QString("0"));

        moveFader(strip, 0);
        recorder.clear();
        click(strip, "MUTE", true);
        QCOMPARE(gains(recorder).size(), 2);
        QVERIFY(strip.value("MixA_MUTE").toBool());

        recorder.clear();
        click(strip, "MUTE", false);
        strip.setEnable(false);
        QCOMPARE(gains(recorder).size(), 4); // unmute sends two, disabling zeros them again
        recorder.clear();
        strip.updateAttribute();
        QCOMPARE(recorder.count(), 0);
    }

    void mixSwitchSendsNothingUntilTouched()
    {
        k93test::TempWorkspace workspace;
        MixerS1M2 strip(nullptr, "Mixer_PB12");
        strip.setChannelNameDefault("Playback 1/2");
        TestMixerArea area({"MixA", "MixB"});
        area.bind({&strip});
        WorkspaceSubject::instance().addObserver(&strip);
        strip.loadSettings();
        strip.setValue("MixB_GAIN", -6);
        k93test::AttributeRecorder recorder(&strip);

        area.switchMix("MixB");
        QCOMPARE(recorder.count(), 0);
        QCOMPARE(strip.fader()->getValue(), -6);

        moveFader(strip, -5);
        const qint32 g = MixerBase::dbToLinear(-5);
        QCOMPARE(recorder.messages(), four("Mixer_PB12", "MixB", g, 0, 0, g));
        QCOMPARE(strip.value("MixB_GAIN").toInt(), -5);
        QCOMPARE(strip.value("MixA_GAIN").toInt(), 0);
    }

    void soloThroughTheAreaMutesTheOthers()
    {
        k93test::TempWorkspace workspace;
        MixerS1M2 aux(nullptr, "Mixer_AUX");
        MixerS1M2 bt(nullptr, "Mixer_BT");
        aux.setChannelNameDefault("AUX");
        bt.setChannelNameDefault("BT");
        TestMixerArea area({"MixA"});
        area.bind({&aux, &bt});
        WorkspaceSubject::instance().addObserver(&aux).addObserver(&bt);
        aux.loadSettings();
        bt.loadSettings();
        k93test::AttributeRecorder auxLog(&aux);
        k93test::AttributeRecorder btLog(&bt);

        click(aux, "SOLO", true);
        QCOMPARE(area.soloCount, 1);
        QCOMPARE(auxLog.withAttribute("Solo"), (QList<Message> {{"Mixer_AUX", "Solo", "1"}}));
        QVERIFY(gains(auxLog).isEmpty()); // the soloed strip's gains stay
        QCOMPARE(gains(btLog), (QList<Message> {{"Mixer_BT", "MixA_GainMLCL", "0"}, {"Mixer_BT", "MixA_GainMRCR", "0"}}));
        QVERIFY(bt.getMuteState());
        QVERIFY(aux.value("MixA_SOLO").toBool());
        QVERIFY(!bt.value("MixA_MUTE").toBool()); // the saved mute is kept

        // Unmuting the muted neighbour solos it.
        click(bt, "MUTE", false);
        QVERIFY(bt.getSoloState());
        QCOMPARE(area.soloCount, 2);

        click(aux, "SOLO", false);
        click(bt, "SOLO", false);
        QCOMPARE(area.soloCount, 0);
        QVERIFY(!aux.getMuteState());
        QVERIFY(!bt.getMuteState());
    }

    void titleIsTrimmedOnceAndNeverLeftEmpty()
    {
        k93test::TempWorkspace workspace;
        MixerS1M2 strip(nullptr, "Mixer_AUX");
        strip.setChannelNameDefault("AUX");
        WorkspaceSubject::instance().addObserver(&strip);
        int changes = 0;
        connect(strip.titleEdit(), &QLineEdit::textChanged, this, [&changes] { ++changes; });

        const QString longName(20000, QChar('W'));
        strip.titleEdit()->setText(longName);
        const QString kept = strip.titleEdit()->text();
        QVERIFY(!kept.isEmpty());
        QVERIFY(kept.size() < 40);
        QCOMPARE(changes, 1); // cut in one step

        strip.titleEdit()->clear();
        emit strip.titleEdit()->editingFinished();
        QCOMPARE(strip.titleEdit()->text(), QString("AUX"));
        QCOMPARE(strip.value("ChannelName").toString(), QString("AUX"));
    }

    void closeButtonOnlyWhenEnabledAndCloseEnabled()
    {
        MixerS1M2 strip(nullptr, "Mixer_PB34");
        strip.setChannelNameDefault("Playback 3/4");
        QEvent enter(QEvent::HoverEnter);
        strip.setEnableSilent(true);
        QCoreApplication::sendEvent(strip.titleEdit(), &enter);
        QVERIFY(!strip.hoverTimer()->isActive());

        // A title the user may not edit still brings the close button.
        strip.setChannelNameEditable(false).setCloseEnable(true);
        QVERIFY(strip.titleEdit()->isReadOnly());
        QCoreApplication::sendEvent(strip.titleEdit(), &enter);
        QVERIFY(strip.hoverTimer()->isActive());
        QCOMPARE(strip.hoverTimer()->interval(), 100);
        strip.hoverTimer()->stop();
        strip.in_mTimer_timeout();
        QVERIFY(!strip.closeButton()->isHidden());

        k93test::AttributeRecorder recorder(&strip);
        strip.closeButton()->click();
        QCOMPARE(recorder.messages(), (QList<Message> {{"Playback 3/4", "Hide", "1"}}));
        QVERIFY(strip.closeButton()->isHidden());
    }

    void singleFaderMetersFollowFaderAndMute()
    {
        MixerS1M2 strip;
        QCOMPARE(strip.objectName(), QString("MixerS1M2"));
        strip.fader()->setValue(-10);
        strip.setVolumeMeterLeft(-200);
        QCOMPARE(strip.meterLeft()->shownDb(VolumeMeterS1M4::OriginBar), -20);
        QCOMPARE(strip.meterLeft()->shownDb(VolumeMeterS1M4::GainedBar), -30);
        strip.setMuteState(true);
        strip.setVolumeMeterRight(-99999);
        QCOMPARE(strip.meterRight()->shownDb(VolumeMeterS1M4::GainedBar), -90);
    }

    void in12SpreadsEachInputByItsBalance()
    {
        k93test::TempWorkspace workspace;
        MixerS1M3 strip(nullptr, "Mixer_IN12");
        strip.setChannelNameDefault("IN");
        TestMixerArea area({"MixA", "MixB", "MixC"});
        area.bind({&strip});
        WorkspaceSubject::instance().addObserver(&strip);
        strip.setBalanceIN1(100, false).setBalanceIN2(100, false);
        strip.loadSettings();
        strip.setValue("MixB_GAIN", 1);
        k93test::AttributeRecorder recorder(&strip);
        strip.loadSettings();
        const qint32 g1 = MixerBase::dbToLinear(1);
        QCOMPARE(recorder.messages().mid(0, 4), four("Mixer_IN12", "MixB", g1 / 2, g1 / 2, g1 / 2, g1 / 2));
        QCOMPARE(recorder.messages().mid(8, 4), four("Mixer_IN12", "MixA", kZeroDb / 2, kZeroDb / 2, kZeroDb / 2, kZeroDb / 2));

        // Without update the balance waits for the next change.
        recorder.clear();
        strip.setBalanceIN1(0, false);
        QCOMPARE(recorder.count(), 0);
        strip.setBalanceIN2(200, true);
        QList<Message> expected = four("Mixer_IN12", "MixB", g1, 0, 0, g1);
        expected += four("Mixer_IN12", "MixC", kZeroDb, 0, 0, kZeroDb);
        QCOMPARE(recorder.messages().mid(0, 8), expected);
        // The current mix sends what changed: all four here.
        QCOMPARE(recorder.messages().mid(8), four("Mixer_IN12", "MixA", kZeroDb, 0, 0, kZeroDb));

        QCOMPARE(strip.setBalanceIN1(999, false).getBalanceIN1(), 200);
    }

    void in12MetersSumBothInputs()
    {
        MixerS1M3 strip;
        QCOMPARE(strip.objectName(), QString("MixerS1M3"));
        strip.setBalanceIN1(0, false).setBalanceIN2(200, false);
        strip.setVolumeMeterLeft(-200).setVolumeMeterRight(-5000);
        QCOMPARE(strip.meterLeft()->shownDb(VolumeMeterS1M4::OriginBar), -20);
        QCOMPARE(strip.meterLeft()->shownDb(VolumeMeterS1M4::GainedBar), -20);
        QCOMPARE(strip.meterRight()->shownDb(VolumeMeterS1M4::OriginBar), -90);
        // Both inputs centred: each side gets half of each, -6 dB.
        strip.setBalanceIN1(100, false).setBalanceIN2(100, false);
        strip.setVolumeMeterRight(-200);
        QCOMPARE(strip.meterLeft()->shownDb(VolumeMeterS1M4::GainedBar), -20);
        strip.setMuteState(true);
        strip.setVolumeMeterLeft(-200);
        QCOMPARE(strip.meterLeft()->shownDb(VolumeMeterS1M4::GainedBar), -90);
    }
};

K93_TEST(MixerSingleFaderTest)
#include "mixersinglefadertest.moc"
