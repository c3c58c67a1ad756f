#include "testsupport.h"
#include "teststrips.h"

#include "effects/effectbase.h"
#include "fields/fieldeffects1m1.h"
#include "fields/fieldmixers1m1.h"
#include "fields/fieldorigins1m1.h"
#include "strips/origin/originbase.h"

#include <memory>

using k93test::AttributeRecorder;
using k93test::Message;

namespace {
struct TestPanel : EffectBase {
    explicit TestPanel(const QString& name) { setObjectName(name); setChannelNameDefault(name); }
    void updateAttribute() override { ++updates; }
    int updates = 0;
};

struct TestOrigin : OriginBase {
    explicit TestOrigin(const QString& name) { setObjectName(name); setChannelNameDefault(name); }
    void updateAttribute() override { ++updates; }
    int updates = 0;
};

// The linked view's events only; the side views follow the count too.
QStringList linkedLog(const TestMixerStrip& strip)
{
    return strip.log.filter(QRegularExpression("^(mute|solo)="));
}

struct Mixer {
    std::unique_ptr<k93test::TempWorkspace> workspace = std::make_unique<k93test::TempWorkspace>();
    FieldMixerS1M1 field;
    std::vector<std::unique_ptr<TestMixerStrip>> strips;

    explicit Mixer(const QStringList& names, bool addition = false)
    {
        field.setAdditionEnabled(addition);
        field.setMixList({"MixA", "MixB", "MixC"});
        field.setVisibleListDefault(names);
        QList<MixerBase*> list;
        for (const QString& name : names) {
            strips.push_back(std::make_unique<TestMixerStrip>("Mixer_" + name, name));
            list << strips.back().get();
        }
        field.setWidgetList(list);
        auto& subject = WorkspaceSubject::instance();
        subject.addObserver(&field);
        subject.loadWorkspace("Field");
    }
    TestMixerStrip& operator[](int i) { return *strips.at(i); }
};
}

class FieldTest : public QObject
{
    Q_OBJECT
private slots:
    void soloCountCrossings()
    {
        Mixer mixer({"S1", "S2", "S3"});
        auto& s1 = mixer[0];
        auto& s2 = mixer[1];
        auto& s3 = mixer[2];

        s1.changeSoloState(true); // 0 -> 1: every strip applies the count
        QCOMPARE(mixer.field.getSoloCount(), 1);
        QCOMPARE(linkedLog(s2), QStringList {"mute=1"});
        QCOMPARE(linkedLog(s3), QStringList {"mute=1"});
        QVERIFY(!s1.mute[0]);

        s2.log.clear();
        s3.log.clear();
        s2.changeSoloState(true); // 1 -> 2: only s2 follows its own solo
        QCOMPARE(mixer.field.getSoloCount(), 2);
        QCOMPARE(linkedLog(s2), (QStringList {"solo=1", "mute=0"}));
        QVERIFY(linkedLog(s3).isEmpty());

        s1.changeSoloState(false); // 2 -> 1
        QCOMPARE(mixer.field.getSoloCount(), 1);
        QVERIFY(linkedLog(s3).isEmpty());
        QVERIFY(s1.mute[0]);

        s1.log.clear();
        s2.changeSoloState(false); // 1 -> 0: saved mutes come back
        QCOMPARE(mixer.field.getSoloCount(), 0);
        QCOMPARE(linkedLog(s3), QStringList {"mute=0"});
        QVERIFY(!s1.mute[0]);
        QVERIFY(!s2.mute[0]);
    }

    void unmatchedSoloWithdrawalIsIgnored()
    {
        Mixer mixer({"S1"});
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("solo withdrawn"));
        mixer.field.in_widgetList_attributeChanged("Mixer_S1", "Solo", "0");
        QCOMPARE(mixer.field.getSoloCount(), 0);
        QCOMPARE(mixer[0].soloCount(), 0);
    }

    void mixSwitchIsSilentAndKeepsCountsPerMix()
    {
        Mixer mixer({"S1", "S2"});
        AttributeRecorder recorder(&mixer.field);
        mixer[0].changeSoloState(true);
        QCOMPARE(mixer.field.getSoloCount(), 1);
        const int updatesBefore = mixer[1].updates;
        recorder.clear();

        mixer.field.setMixCurrent("MixB");
        QCOMPARE(mixer.field.getMixCurrent(), QString("MixB"));
        QCOMPARE(mixer[0].getMixCurrent(), QString("MixB"));
        QCOMPARE(mixer.field.getSoloCount(), 0);
        QCOMPARE(mixer[0].soloCount(), 0);
        QCOMPARE(mixer[0].getMixSoloState("MixA"), 1);
        QCOMPARE(mixer[0].loadedMixes, QStringList {"MixB"});
        QCOMPARE(mixer[1].loadedMixes, QStringList {"MixB"});
        QCOMPARE(mixer[1].updates, updatesBefore);
        QVERIFY(recorder.messages().isEmpty());

        mixer.field.setMixCurrent("MixA");
        QCOMPARE(mixer.field.getSoloCount(), 1);
        QCOMPARE(mixer[1].soloCount(), 1);

        // The counts survive a reload of the workspace.
        WorkspaceSubject::instance().loadWorkspace("Field");
        QCOMPARE(mixer.field.getSoloCount(), 1);
        QCOMPARE(mixer.field.getSoloCount("MixB"), 0);
    }

    void mixSwitchShowsThatMixsVisibleList()
    {
        Mixer mixer({"S1", "S2"}, true);
        mixer.field.show();
        mixer[1].setEnable(true);
        mixer.field.in_mWidgetListAll_attributeChanged("S2", "Hide", "1");
        QVERIFY(mixer[1].isHidden());
        QCOMPARE(mixer.field.getVisibleList("MixA"), QString("|S1|"));

        mixer.field.setMixCurrent("MixB");
        QVERIFY(!mixer[1].isHidden());
        QVERIFY(mixer[1].getEnable());
        mixer.field.setMixCurrent("MixA");
        QVERIFY(mixer[1].isHidden());
        QVERIFY(!mixer[1].getEnable());
    }

    void hideAndAddBack()
    {
        Mixer mixer({"S1", "Playback 1/2", "S3"}, true);
        mixer.field.show();
        auto& strip = mixer[1];
        QVERIFY(strip.getCloseEnable());
        strip.setEnable(true);
        AttributeRecorder recorder(&mixer.field);

        // "Hide" carries the default channel name, not the channel key.
        emit strip.attributeChanged("Playback 1/2", "Hide", "1");
        QVERIFY(strip.isHidden());
        QVERIFY(!strip.getEnable());
        QCOMPARE(mixer.field.hiddenNames(), QStringList {"Playback 1/2"});
        QCOMPARE(recorder.messages(), (QList<Message> {{"FieldMixer", "Visible", "|S1|S3|"}}));

        recorder.clear();
        mixer.field.in_mWidgetAddition_attributeChanged("WidgetAddition", "Playback 1/2", "1");
        QVERIFY(!strip.isHidden());
        QVERIFY(strip.getEnable());
        QVERIFY(mixer.field.hiddenNames().isEmpty());
        QCOMPARE(recorder.messages(), (QList<Message> {{"FieldMixer", "Visible", "|S1|Playback 1/2|S3|"}}));

        // Other messages pass through towards the device.
        recorder.clear();
        emit strip.attributeChanged("Mixer_Playback 1/2", "MixA_GainMLCL", "0");
        QCOMPARE(recorder.count(), 1);
    }

    void hidingASoloedStripWithdrawsItsSolo()
    {
        Mixer mixer({"S1", "S2"}, true);
        mixer[0].setEnable(true);
        mixer[0].changeSoloState(true);
        QCOMPARE(mixer.field.getSoloCount(), 1);
        mixer.field.in_mWidgetListAll_attributeChanged("S1", "Hide", "1");
        QCOMPARE(mixer.field.getSoloCount(), 0);
        QVERIFY(!mixer[1].mute[0]);
    }

    void visibleListsMatchWholeNames()
    {
        QVERIFY(FieldBase::listContains("|OTG IN|AUX|", "OTG IN"));
        QVERIFY(!FieldBase::listContains("|OTG IN|AUX|", "IN"));
        QVERIFY(!FieldBase::listContains("|OTG IN|", ""));
        QCOMPARE(FieldBase::makeList({"IN", "OTG IN"}), QString("|IN|OTG IN|"));
        QCOMPARE(FieldBase::makeList({}), QString("|"));

        k93test::TempWorkspace workspace;
        FieldEffectS1M1 field;
        TestPanel in("IN"), otg("OTG IN");
        field.setWidgetList({&in, &otg});
        field.setVisibleList({"OTG IN"});
        QVERIFY(!in.getEnable());
        QVERIFY(otg.getEnable());
        QCOMPARE(in.updates + otg.updates, 0); // silent
    }

    void effectAreaKeepsItsListInTheWorkspace()
    {
        k93test::TempWorkspace workspace;
        FieldEffectS1M1 field;
        TestPanel nc("NC"), comp("Compressor"), reverb("Reverb");
        field.setAdditionEnabled(true);
        field.setWidgetList({&nc, &comp, &reverb});
        field.setVisibleListDefault({"NC", "Compressor", "Reverb"});
        WorkspaceSubject::instance().addObserver(&field);
        WorkspaceSubject::instance().loadWorkspace("Effects");
        QVERIFY(nc.getEnable() && comp.getEnable() && reverb.getEnable());
        QVERIFY(comp.getCloseEnable());

        AttributeRecorder recorder(&field);
        emit comp.attributeChanged("Compressor", "Hide", "1");
        emit reverb.attributeChanged("Reverb", "Resize", "");
        QCOMPARE(recorder.messages(), (QList<Message> {{"FieldEffect", "Visible", "|NC|Reverb|"}}));
        QCOMPARE(comp.updates, 1); // setEnable(false) reports the panel

        WorkspaceSubject::instance().loadWorkspace("Other");
        QVERIFY(comp.getEnable());
        WorkspaceSubject::instance().loadWorkspace("Effects");
        QVERIFY(!comp.getEnable());
        QCOMPARE(field.getVisibleList(), QString("|NC|Reverb|"));
    }

    void originAreaWithoutAdditionNeverOffersClosing()
    {
        k93test::TempWorkspace workspace;
        FieldOriginS1M1 field;
        TestOrigin a("IN 1"), b("HP OUT");
        field.setWidgetList({&a, &b});
        field.setVisibleListDefault({"IN 1", "HP OUT"});
        QVERIFY(!a.getCloseEnable());
        QVERIFY(a.getEnable() && b.getEnable());
    }
};

K93_TEST(FieldTest)
#include "fieldtest.moc"
