#include "testarea.h"
#include "testsupport.h"

#include "app/workspace.h"
#include "strips/mixer/mixers1m1.h"
#include "widgets/dials1m3.h"
#include "widgets/vsliders1m1.h"

#include <QMetaType>
#include <QPushButton>
#include <memory>

using k93test::Message;

class MixerS1M1Test : public QObject
{
    Q_OBJECT

    static QList<Message> four(const QString& mix, qint64 a, qint64 b, qint64 c, qint64 d)
    {
        return {{"Mixer_X", mix + "_GainMLCL", QString::number(a)}, {"Mixer_X", mix + "_GainMLCR", QString::number(b)},
            {"Mixer_X", mix + "_GainMRCL", QString::number(c)}, {"Mixer_X", mix + "_GainMRCR", QString::number(d)}};
    }

private slots:
    void builtThroughItsMetaType()
    {
        std::unique_ptr<QObject> made(MixerS1M1::staticMetaObject.newInstance());
        auto* strip = qobject_cast<MixerS1M1*>(made.get());
        QVERIFY(strip);
        QCOMPARE(strip->objectName(), QString("MixerS1M1"));
        QVERIFY(strip->getLinkDefault());
        QVERIFY(strip->linkedFader()->isHidden());
        QVERIFY(strip->leftFader()->isHidden());
        QVERIFY(QMetaType::fromName("MixerS1M1*").isValid());
        QCOMPARE(strip->lastSentGains()[0], MixerBase::kUnsent);
    }

    void stereoLawWithoutPolarity()
    {
        k93test::TempWorkspace workspace;
        MixerS1M1 strip;
        strip.setName("Mixer_X");
        strip.setChannelNameDefault("X");
        TestMixerArea area({"MixA", "MixB"});
        area.bind({&strip});
        WorkspaceSubject::instance().addObserver(&strip);
        k93test::AttributeRecorder recorder(&strip);
        strip.loadSettings();
        QCOMPARE(recorder.messages(), four("MixB", 33554432, 0, 0, 33554432) + four("MixA", 33554432, 0, 0, 33554432));
        QVERIFY(!strip.value("MixA_ANTI").isValid());
        QCOMPARE(strip.value("MixB_BalanceUnlinkLeft").toInt(), 50);

        strip.linkButton()->click();
        QVERIFY(strip.linkButton()->styleSheet().contains("border: 2px solid gray"));
        recorder.clear();
        strip.group2()->setStateMUTELeftAndEmit(true);
        QCOMPARE(recorder.messages(), (QList<Message> {{"Mixer_X", "MixA_GainMLCL", "0"}, {"Mixer_X", "MixA_GainMRCL", "0"}}));
        QVERIFY(strip.value("MixA_MUTELeft").toBool());

        // SOLO alone sends no gains.
        recorder.clear();
        strip.group2()->setStateSOLORightAndEmit(true);
        QCOMPARE(recorder.messages(), (QList<Message> {{"Mixer_X", "Solo", "1"}}));
        QVERIFY(strip.value("MixA_SOLORight").toBool());

        // Twice Link returns to the linked balances.
        strip.dialLeftWidget()->setValue(20);
        emit strip.dialLeftWidget()->valueChanged(20);
        QCOMPARE(strip.value("MixA_BalanceUnlinkLeft").toFloat(), 20.0f);
        strip.linkButton()->click();
        QCOMPARE(strip.dialLeftWidget()->getValue(), 0.0f);
        QCOMPARE(strip.dialRightWidget()->getValue(), 100.0f);
    }
};

K93_TEST(MixerS1M1Test)
#include "mixers1m1test.moc"
