#include "testsupport.h"

#include "device/commandtable.h"
#include "device/devicek93.h"
#include "device/simulatedk93.h"

namespace {
quint16 code(const char* channel, const char* attribute)
{
    return CommandTable::find(channel, attribute)->command;
}
} // namespace

// The simulated K93 through the real device object and its threads.
class SimulatedK93Test : public QObject
{
    Q_OBJECT

    SimulatedHidHandle* mHandle = nullptr;
    DeviceK93* mDevice = nullptr;
    QList<DeviceType1::FrameInfo> mFrames;

    QList<DeviceType1::FrameInfo> framesWithCode(quint16 command) const
    {
        QList<DeviceType1::FrameInfo> result;
        for (const auto& f : mFrames)
            if (f.command == command)
                result.append(f);
        return result;
    }

private slots:
    void init()
    {
        SimulatedK93& sim = SimulatedK93::instance();
        sim.plugIn();
        sim.setHidAvailable(true);
        sim.setAuthResult(3);
        sim.setLevelReportInterval(0);
        sim.clearWrittenFrames();
        mFrames.clear();
        mHandle = new SimulatedHidHandle;
        QVERIFY(mHandle->openWithRetries(HidHandle::K93VendorId, HidHandle::K93ProductId, 3, 1));
        mDevice = new DeviceK93;
        mDevice->setHidHandle(mHandle);
        connect(mDevice, &DeviceType1::newFrameReceived, this, [this](DeviceType1::FrameInfo f) { mFrames.append(f); });
        QVERIFY(mDevice->startDevice());
    }
    void cleanup()
    {
        delete mDevice;
        mHandle->close();
        delete mHandle;
    }

    void answersTheHandshakeWithItsResult()
    {
        SimulatedK93::instance().setAuthResult(2);
        mDevice->in_System_attributeChanged("MainWindow", "Auth", "1");
        QTRY_COMPARE(framesWithCode(code("MainWindow", "Auth")).size(), 1);
        QCOMPARE(framesWithCode(code("MainWindow", "Auth")).first().value, 2);
        // ...and then tells its versions.
        QTRY_COMPARE(framesWithCode(code("MainWindow", "HardwareVersion")).size(), 1);
        QCOMPARE(framesWithCode(code("MainWindow", "FirmwareVersion5")).size(), 1);
    }

    void resultZeroNeverAnswers()
    {
        SimulatedK93::instance().setAuthResult(0);
        mDevice->in_System_attributeChanged("MainWindow", "Auth", "1");
        mDevice->in_System_attributeChanged("MainWindow", "HeartBeat", "1");
        QTRY_COMPARE(SimulatedK93::instance().writtenFrames().size(), 2);
        QTest::qWait(50);
        QVERIFY(mFrames.isEmpty());
        QCOMPARE(SimulatedK93::instance().writtenFrames().size(), 2);
    }

    void echoesWhatItIsSetTo()
    {
        mDevice->in_fieldInput_attributeChanged("Input_IN1", "GAIN", "-25");
        mDevice->in_fieldEffect_attributeChanged("Effect_Reverb", "Width", "0.29");
        QTRY_COMPARE(mFrames.size(), 2);
        QCOMPARE(mFrames[0], DeviceType1::makeFrame(code("Input_IN1", "GAIN"), -25));
        QCOMPARE(mFrames[1], DeviceType1::makeFrame(code("Effect_Reverb", "Width"), 29));
        QCOMPARE(SimulatedK93::instance().value(code("Input_IN1", "GAIN")), -25);
        QVERIFY(SimulatedK93::instance().hasValue(code("Effect_Reverb", "Width")));
    }

    void reportsChangesMadeOnThePanel()
    {
        SimulatedK93::instance().sendReport(0x4602, -18);
        QTRY_COMPARE(mFrames.size(), 1);
        QCOMPARE(mFrames[0], DeviceType1::makeFrame(0x4602, -18));
    }

    void levelReportsMoveTheMeters()
    {
        SimulatedK93::instance().setLevelReportInterval(5);
        const quint16 left = code("Mixer_IN12", "LevelLeft");
        QTRY_VERIFY(framesWithCode(left).size() >= 3);
        QSet<qint32> seen;
        for (const auto& f : framesWithCode(left)) {
            QVERIFY(f.value <= 0 && f.value >= -600);
            seen.insert(f.value);
        }
        QVERIFY(seen.size() >= 2);
        QVERIFY(!framesWithCode(code("Input_IN1", "Level")).isEmpty());
        QVERIFY(!framesWithCode(code("Output_HP", "LevelRight")).isEmpty());
        SimulatedK93::instance().setLevelReportInterval(0);
    }

    void unplugGivesOneDisconnectAndEmptiesTheDriverList()
    {
        QSignalSpy disconnected(mDevice, &DeviceType1::deviceDisconnected);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("read failed"));
        SimulatedK93::instance().unplug();
        QVERIFY(disconnected.wait(5000));
        QVERIFY(!mHandle->isOpen());
        SimulatedDriverBackend driver;
        QVERIFY(driver.deviceNames().isEmpty());
        QVERIFY(!mHandle->open(HidHandle::K93VendorId, HidHandle::K93ProductId));
        QTest::qWait(20);
        QCOMPARE(disconnected.size(), 1);
        SimulatedK93::instance().plugIn();
        QCOMPARE(driver.deviceNames(), QStringList {"K93"});
    }

    void openFailsWhileHidIsUnavailable()
    {
        SimulatedK93::instance().setHidAvailable(false);
        SimulatedHidHandle other;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed to open 152a:3e71 after 3 tries"));
        QVERIFY(!other.openWithRetries(HidHandle::K93VendorId, HidHandle::K93ProductId, 3, 0));
        SimulatedK93::instance().setHidAvailable(true);
        QVERIFY(!other.open(0x1234, HidHandle::K93ProductId));
        QVERIFY(other.open(HidHandle::K93VendorId, HidHandle::K93ProductId));
        other.close();
    }

    void commandLineSwitch()
    {
        QVERIFY(!parseDeviceOptions({"k93"}).simulated);
        const DeviceOptions plain = parseDeviceOptions({"k93", "--simulated-device"});
        QVERIFY(plain.simulated);
        QCOMPARE(plain.authResult, 3);
        QCOMPARE(parseDeviceOptions({"k93", "--simulated-device=1"}).authResult, 1);
        QCOMPARE(parseDeviceOptions({"k93", "--simulated-device=0"}).authResult, 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("must be 0 to 3"));
        const DeviceOptions bad = parseDeviceOptions({"k93", "--simulated-device=7"});
        QVERIFY(bad.simulated);
        QCOMPARE(bad.authResult, 3);
    }
};

K93_TEST(SimulatedK93Test)
#include "simulatedk93test.moc"
