#include "testsupport.h"

#include "device/commandtable.h"
#include "device/devicek93.h"

#include <QSet>

using CommandTable::Area;

class CommandTableTest : public QObject
{
    Q_OBJECT
private slots:
    void codesAndNamesAreUnique()
    {
        QSet<quint16> codes;
        QSet<QString> names;
        for (const CommandTable::Entry& e : CommandTable::entries()) {
            QVERIFY2(e.command != 0, qPrintable(e.channel + " " + e.attribute));
            QVERIFY2(!codes.contains(e.command), qPrintable(QString::number(e.command, 16)));
            codes.insert(e.command);
            const QString name = e.channel + '/' + e.attribute;
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            QCOMPARE(CommandTable::find(e.command), &e);
            QCOMPARE(CommandTable::find(e.channel, e.attribute), &e);
        }
    }

    void codesSitInTheirChannelsArea()
    {
        for (const CommandTable::Entry& e : CommandTable::entries()) {
            Area expected;
            if (e.channel == "MainWindow" || e.channel == "K93_PrivateWidget7")
                expected = Area::System;
            else if (e.channel.startsWith("Input_"))
                expected = Area::Inputs;
            else if (e.channel.startsWith("Mixer_"))
                expected = Area::Mixer;
            else if (e.channel.startsWith("Loopback_"))
                expected = Area::Loopback;
            else if (e.channel.startsWith("Output_"))
                expected = Area::Outputs;
            else if (e.channel.startsWith("EQ_IN"))
                expected = Area::InputEqualizer;
            else if (e.channel.startsWith("EQ_HP"))
                expected = Area::HeadphoneEqualizer;
            else
                expected = Area::Effects;
            QVERIFY2(CommandTable::areaOf(e.command) == expected, qPrintable(e.channel + " " + e.attribute));
        }
    }

    void compressorUsesTheDevicesCodes()
    {
        const QStringList attributes {"Switch", "Threshold", "Ratio", "Attack", "Release", "Gain", "GainAuto", "Mix"};
        for (int i = 0; i < attributes.size(); ++i)
            QCOMPARE(CommandTable::find("Compressor", attributes[i])->command, quint16(0x4601 + i));
        for (quint16 c = 0x4601; c <= 0x460D; ++c)
            QVERIFY(CommandTable::find(c) != nullptr);
    }

    void reportsTheWindowDispatches()
    {
        for (const char* ch : {"Mixer_IN12", "Mixer_FX", "Mixer_PB910", "Input_AUX", "Output_HP", "Loopback_LB12"}) {
            QVERIFY(CommandTable::find(ch, "LevelLeft"));
            QVERIFY(CommandTable::find(ch, "LevelRight"));
        }
        QVERIFY(CommandTable::find("Input_IN1", "Level"));
        QVERIFY(CommandTable::find("Input_IN2", "Level"));
        for (int i = 1; i <= 5; ++i)
            QVERIFY(CommandTable::find("MainWindow", QStringLiteral("FirmwareVersion%1").arg(i)));
        QVERIFY(CommandTable::find("MainWindow", "HardwareVersion"));
        // Meter reports are the ones the simulated device sends.
        for (const CommandTable::Entry* e : CommandTable::levelEntries())
            QVERIFY(e->attribute.startsWith("Level"));
        QVERIFY(CommandTable::levelEntries().size() >= 30);
    }

    void valueKinds_data()
    {
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("width rounds") << "Effect_Reverb" << "Width" << "0.29" << 29;
        QTest::newRow("width example") << "Effect_Reverb" << "Width" << "0.65" << 65;
        QTest::newRow("width above") << "Effect_Reverb" << "Width" << "1.5" << 100;
        QTest::newRow("width below") << "Effect_Reverb" << "Width" << "-0.2" << 0;
        QTest::newRow("integer negative") << "Input_IN1" << "GAIN" << "-12" << -12;
        QTest::newRow("integer clamps") << "Mixer_AUX" << "MixA_GainMLCL" << "99999999999" << 2147483647;
        QTest::newRow("switch text") << "Input_IN1" << "48V" << "true" << 1;
        QTest::newRow("switch off") << "Input_IN1" << "MUTE" << "Off" << 0;
        QTest::newRow("tenths") << "Compressor" << "Ratio" << "13.5" << 135;
        QTest::newRow("ratio at maximum") << "Compressor" << "Ratio" << "1e+06" << 10000000;
        QTest::newRow("float rounds") << "Compressor" << "Threshold" << "-30.6" << -31;
        QTest::newRow("thousandths") << "EQ_HP@3" << "Q" << "0.707" << 707;
        QTest::newRow("choice text") << "Effect_NC" << "NoiseReductionType" << "NC2" << 30;
        QTest::newRow("choice number") << "Effect_Reverb" << "ReverbType" << "4" << 4;
        QTest::newRow("mic") << "Input_IN2" << "MIC" << "MicHP" << 2;
        QTest::newRow("display mode") << "K93_PrivateWidget7" << "DisplayMode" << "Pro audio mode" << 3;
    }
    void valueKinds()
    {
        QFETCH(QString, channel);
        QFETCH(QString, attribute);
        QFETCH(QString, text);
        QFETCH(int, value);
        const auto e = CommandTable::encode(channel, attribute, text);
        QVERIFY(e.has_value());
        QCOMPARE(e->command, CommandTable::find(channel, attribute)->command);
        QCOMPARE(e->value, value);
    }

    void unreadableValuesSendNothing_data()
    {
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << "Input_IN1" << "GAIN" << "abc";
        QTest::newRow("integer with fraction") << "Input_IN1" << "GAIN" << "1.5";
        QTest::newRow("empty") << "Input_IN1" << "GAIN" << "";
        QTest::newRow("width") << "Effect_Reverb" << "Width" << "wide";
        QTest::newRow("not a number") << "Compressor" << "Threshold" << "nan";
        QTest::newRow("switch") << "Input_IN1" << "MUTE" << "2";
        QTest::newRow("choice") << "Effect_NC" << "NoiseReductionType" << "NC9";
    }
    void unreadableValuesSendNothing()
    {
        QFETCH(QString, channel);
        QFETCH(QString, attribute);
        QFETCH(QString, text);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^CommandTable::encode //unreadable value"));
        QVERIFY(!CommandTable::encode(channel, attribute, text).has_value());
    }

    void unknownAndSaveAttributesSendNothingSilently()
    {
        QTest::failOnWarning(QRegularExpression(".*"));
        QVERIFY(!CommandTable::encode("Input_IN1", "Save_GAIN", "3").has_value());
        QVERIFY(!CommandTable::encode("Input_IN1", "Solo", "1").has_value());
        QVERIFY(!CommandTable::encode("Nowhere", "GAIN", "1").has_value());
    }

    void valueTextReadsBack()
    {
        for (const CommandTable::Entry& e : CommandTable::entries()) {
            for (qint32 v : {0, 1, 29, 135, 707}) {
                if (e.kind == CommandTable::ValueKind::Switch && v > 1)
                    continue;
                if (e.kind == CommandTable::ValueKind::Percent && v > 100)
                    continue;
                const auto back = CommandTable::parseValue(e, CommandTable::valueText(e, v));
                QVERIFY2(back && *back == v, qPrintable(e.channel + " " + e.attribute + " " + QString::number(v)));
            }
        }
    }
};

// The slots, seen through what they queue for the sender.
class DeviceK93SlotsTest : public QObject
{
    Q_OBJECT

    DeviceK93* mDevice = nullptr;

    QList<DeviceType1::FrameInfo> take()
    {
        QList<DeviceType1::FrameInfo> frames;
        for (const QByteArray& r : mDevice->sender().pendingReports()) {
            const auto f = DeviceType1::decodeFrame(r.mid(1) + QByteArray(1, '\0'));
            if (f)
                frames.append(*f);
        }
        mDevice->sender().clear();
        return frames;
    }

    static quint16 code(const char* channel, const char* attribute)
    {
        const auto* e = CommandTable::find(channel, attribute);
        return e ? e->command : 0;
    }

    void expectOne(quint16 command, qint32 value)
    {
        const auto frames = take();
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0].command, command);
        QCOMPARE(frames[0].value, value);
    }

private slots:
    void init() { mDevice = new DeviceK93; }
    void cleanup() { delete mDevice; }

    void mixerNamesWithAndWithoutMix()
    {
        mDevice->in_fieldMixer_attributeChanged("Mixer_AUX", "MixD_GainMRCL", "33554432");
        expectOne(code("Mixer_AUX", "MixD_GainMRCL"), 33554432);

        mDevice->in_fieldMixer_attributeChanged("Mixer_PB12", "GainMLCR", "16777216");
        const auto frames = take();
        QCOMPARE(frames.size(), 3);
        QCOMPARE(frames[0].command, code("Mixer_PB12", "MixA_GainMLCR"));
        QCOMPARE(frames[1].command, code("Mixer_PB12", "MixB_GainMLCR"));
        QCOMPARE(frames[2].command, code("Mixer_PB12", "MixC_GainMLCR"));
        for (const auto& f : frames)
            QCOMPARE(f.value, 16777216);
    }

    void messagesThatAreNotCommandsSendNothing()
    {
        for (const char* a : {"Save_MixA_GAIN", "Solo", "Hide", "Resize", "MixA_GAIN", "ChannelName"})
            mDevice->in_fieldMixer_attributeChanged("Mixer_IN12", a, "1");
        for (const char* a : {"Save_GAIN", "EQ", "DUCKING", "Show", "Hide", "Solo"})
            mDevice->in_fieldInput_attributeChanged("Input_IN1", a, "Show");
        for (const char* a : {"NCType", "Save_Width", "Show", "Bypass", "Threshold"})
            mDevice->in_fieldEffect_attributeChanged("Effect_Compressor", a, "1");
        for (const char* a : {"Save", "Load", "Professional", "RouterManuals", "Save_DuckingSwitch"})
            mDevice->in_Others_attributeChanged("ConfigMenuTyro", a, "1");
        mDevice->in_Others_attributeChanged("ConfigMenuLive", "DuckingSwitch", "1");
        mDevice->in_Compressor_attributeChanged("Compressor", "Show", "1");
        mDevice->in_Ducking_attributeChanged("Ducking", "Save_Threshold", "-20");
        for (const char* a : {"ModifyLanguage", "StateTarget", "TargetFile", "Expanded", "FilteredType"})
            mDevice->in_Equalizer_attributeChanged("EQ_HP", a, "1");
        mDevice->in_EffectIntegration_attributeChanged("Effect_Integration", "Show", "");
        mDevice->in_System_attributeChanged("MainWindow", "AuthResult", "Success");
        QVERIFY(take().isEmpty());
    }

    void effectSlotEncodesByAttribute()
    {
        mDevice->in_fieldEffect_attributeChanged("Effect_Reverb", "Width", "0.29");
        expectOne(code("Effect_Reverb", "Width"), 29);
        mDevice->in_fieldEffect_attributeChanged("Effect_NC", "NoiseReduction", "42");
        expectOne(code("Effect_NC", "NoiseReduction"), 42);
        // The Easy-mode effect panel changes the same device functions.
        mDevice->in_fieldEffect_attributeChanged("Effect", "ReverbType", "HALL");
        expectOne(code("Effect_Reverb", "ReverbType"), 4);
        mDevice->in_EffectIntegration_attributeChanged("Effect_Integration", "DryWet", "30");
        expectOne(code("Effect_Reverb", "DryWet"), 30);
        mDevice->in_EffectIntegration_attributeChanged("Effect_Integration", "MuteFX", "1");
        expectOne(code("Effect_Integration", "MuteFX"), 1);
        mDevice->in_EffectIntegration_attributeChanged("Effect_Integration", "OtgLevel", "-12");
        expectOne(code("Effect_Integration", "OtgLevel"), -12);
    }

    void unreadableValueSendsNoFrame()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unreadable value"));
        mDevice->in_fieldInput_attributeChanged("Input_IN1", "GAIN", "loud");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unreadable value"));
        mDevice->in_fieldEffect_attributeChanged("Effect_Reverb", "Width", "");
        QVERIFY(take().isEmpty());
    }

    void everyOtherSlotGoesThroughTheTable()
    {
        mDevice->in_Compressor_attributeChanged("Compressor", "Ratio", "4.5");
        expectOne(0x4603, 45);
        mDevice->in_Compressor_attributeChanged("Compressor", "GainAuto", "1");
        expectOne(0x4607, 1);
        mDevice->in_Others_attributeChanged("ConfigMenuTyro", "DuckingSwitch", "1");
        expectOne(code("Ducking", "DuckingSwitch"), 1);
        mDevice->in_fieldInput_attributeChanged("Input_IN2", "48V", "1");
        expectOne(code("Input_IN2", "48V"), 1);
        mDevice->in_fieldInput_attributeChanged("Input_IN1", "MIC", "Mic35");
        expectOne(code("Input_IN1", "MIC"), 1);
        mDevice->in_fieldOutput_attributeChanged("Output_OTGOUT", "GAIN", "-20");
        expectOne(code("Output_OTGOUT", "GAIN"), -20);
        mDevice->in_fieldLoopback_attributeChanged("Loopback_B", "GAINRight", "-6");
        expectOne(code("Loopback_B", "GAINRight"), -6);
        mDevice->in_System_attributeChanged("MainWindow", "Auth", "1");
        expectOne(code("MainWindow", "Auth"), 1);
        mDevice->in_System_attributeChanged("MainWindow", "HeartBeat", "1");
        expectOne(code("MainWindow", "HeartBeat"), 1);
        mDevice->in_Equalizer_attributeChanged("EQ_IN2@4", "Freq", "1026");
        expectOne(code("EQ_IN2@4", "Freq"), 1026);
        mDevice->in_Equalizer_attributeChanged("EQ_HP@10", "Gain", "-3.5");
        expectOne(code("EQ_HP@10", "Gain"), -35);
        mDevice->in_Equalizer_attributeChanged("EQ_HP", "Switch", "0");
        expectOne(code("EQ_HP", "Switch"), 0);
        mDevice->in_Equalizer_attributeChanged("EQ_IN1", "Gain", "-90");
        expectOne(code("EQ_IN1", "Gain"), -900);
        mDevice->in_Equalizer_attributeChanged("EQ_HP", "GainOutputLeft", "-50");
        expectOne(code("EQ_HP", "GainOutputLeft"), -500);
        mDevice->in_Ducking_attributeChanged("Ducking", "Threshold", "-20");
        expectOne(code("Ducking", "Threshold"), -20);
        mDevice->in_DeviceSettings_attributeChanged("K93_PrivateWidget7", "Brightness", "Bright");
        expectOne(code("K93_PrivateWidget7", "Brightness"), 2);
        mDevice->in_DeviceSettings_attributeChanged("K93_PrivateWidget7", "UsbCCharging", "Disabled");
        expectOne(code("K93_PrivateWidget7", "UsbCCharging"), 2);
    }
};

K93_TEST(CommandTableTest)
K93_TEST(DeviceK93SlotsTest)
#include "commandtabletest.moc"
