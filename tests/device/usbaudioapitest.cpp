#include "testsupport.h"

#include "device/simulatedk93.h"
#include "device/usbaudioapi.h"

namespace {
// The Linux backend with a K93 attached.
class AttachedHidBackend : public HidDriverBackend
{
public:
    QStringList deviceNames() override { return {"K93"}; }
};
} // namespace

class UsbAudioApiTest : public QObject
{
    Q_OBJECT

    SimulatedDriverBackend* mDriver = nullptr;

private slots:
    void init()
    {
        SimulatedK93::instance().plugIn();
        auto driver = std::make_unique<SimulatedDriverBackend>();
        mDriver = driver.get();
        USBAudioAPI::instance().setBackend(std::move(driver));
        QVERIFY(USBAudioAPI::instance().setActiveDevice("K93"));
    }

    void decibelsToTheMixerUnit()
    {
        QCOMPARE(USBAudioAPI::dbToLinear(0.0, -90.0), qint64(33554432));
        QCOMPARE(USBAudioAPI::dbToLinear(12.0, -90.0), qint64(133582599));
        QCOMPARE(USBAudioAPI::dbToLinear(-6.0, -90.0), qint64(16817052));
        QCOMPARE(USBAudioAPI::dbToLinear(-20.0, -90.0), qint64(3355443));
        QCOMPARE(USBAudioAPI::dbToLinear(-90.0, -90.0), qint64(0));
        QCOMPARE(USBAudioAPI::dbToLinear(-120.0, -90.0), qint64(0));
        QCOMPARE(USBAudioAPI::dbToLinear(-89.9, -90.0), qint64(1073));
        // Out of the 64-bit range or not a number: saturate, never undefined.
        QCOMPARE(USBAudioAPI::dbToLinear(400.0, -90.0), std::numeric_limits<qint64>::max());
        QCOMPARE(USBAudioAPI::dbToLinear(std::numeric_limits<double>::infinity(), -90.0),
                 std::numeric_limits<qint64>::max());
        QCOMPARE(USBAudioAPI::dbToLinear(std::numeric_limits<double>::quiet_NaN(), -90.0), qint64(0));
    }

    void mixerUnitToDecibels()
    {
        QCOMPARE(USBAudioAPI::linearToDb(33554432), 0.0);
        QVERIFY(qAbs(USBAudioAPI::linearToDb(133582599) - 12.0) < 1e-6);
        QVERIFY(qAbs(USBAudioAPI::linearToDb(16777216) + 6.0206) < 1e-4);
        QVERIFY(qAbs(USBAudioAPI::linearToDb(3355443) + 20.0) < 1e-5);
        QCOMPARE(USBAudioAPI::linearToDb(0), -90.0);
        QCOMPARE(USBAudioAPI::linearToDb(-1), -90.0);
        QCOMPARE(USBAudioAPI::linearToDb(std::numeric_limits<qint64>::min()), -90.0);
    }

    void activeDevice()
    {
        USBAudioAPI& api = USBAudioAPI::instance();
        QVERIFY(api.isActiveDeviceConnected());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("device not found"));
        QVERIFY(!api.setActiveDevice("K94"));
        QCOMPARE(api.getActiveDevice(), QString("K93"));
        SimulatedK93::instance().unplug();
        QVERIFY(!api.isActiveDeviceConnected());
        QCOMPARE(api.getSampleRateOfActiveDevice(), 0u);
        QVERIFY(api.getSupportedSampleRatesOfActiveDevice().isEmpty());
        SimulatedK93::instance().plugIn();
        QCOMPARE(api.getSupportedSampleRatesOfActiveDevice().first(), 44100u);
        QCOMPARE(api.getSupportedBufferSizesOfActiveDevice().last(), 2048u);
    }

    void sampleRateSetter()
    {
        USBAudioAPI& api = USBAudioAPI::instance();
        QTest::failOnWarning(QRegularExpression("USBAudioAPI::setSampleRateOfActiveDevice"));
        QVERIFY(api.setSampleRateOfActiveDevice(96000));
        QCOMPARE(api.getSampleRateOfActiveDevice(), 96000u);
        QVERIFY(!api.setSampleRateOfActiveDevice(12345)); // not listed: no log
        QCOMPARE(api.getSampleRateOfActiveDevice(), 96000u);
    }

    void sampleRateRefused()
    {
        mDriver->setRefuse(true);
        QTest::ignoreMessage(QtWarningMsg, "USBAudioAPI::setSampleRateOfActiveDevice //failed to set sample rate");
        QVERIFY(!USBAudioAPI::instance().setSampleRateOfActiveDevice(44100));
    }

    void bufferSizeAndSafeMode()
    {
        USBAudioAPI& api = USBAudioAPI::instance();
        QVERIFY(api.setBufferSizeOfActiveDevice(64));
        QCOMPARE(api.getBufferSizeOfActiveDevice(), 64u);
        QVERIFY(!api.setBufferSizeOfActiveDevice(100));
        QVERIFY(api.setSafeModeOfActiveDevice(true));
        QVERIFY(api.getSafeModeOfActiveDevice());

        mDriver->setRefuse(true);
        QTest::ignoreMessage(QtWarningMsg,
                             "USBAudioAPI::setBufferSizeOfActiveDevice //failed to set asio buffer preferred size");
        QVERIFY(!api.setBufferSizeOfActiveDevice(128));
        QTest::ignoreMessage(QtWarningMsg,
                             "USBAudioAPI::setSafeModeOfActiveDevice //failed to set asio buffer preferred size");
        QVERIFY(!api.setSafeModeOfActiveDevice(false));

        SimulatedK93::instance().unplug();
        QTest::ignoreMessage(QtWarningMsg,
                             "USBAudioAPI::setBufferSizeOfActiveDevice //failed to get asio instance details");
        QVERIFY(!api.setBufferSizeOfActiveDevice(128));
        QTest::ignoreMessage(QtWarningMsg, "USBAudioAPI::setSafeModeOfActiveDevice //failed to get asio instance details");
        QVERIFY(!api.setSafeModeOfActiveDevice(false));
    }

    void linuxBackendHasNoRateControl()
    {
        USBAudioAPI& api = USBAudioAPI::instance();
        api.setBackend(std::make_unique<AttachedHidBackend>());
        QVERIFY(api.isActiveDeviceConnected());
        QVERIFY(api.getSupportedSampleRatesOfActiveDevice().isEmpty());
        QTest::ignoreMessage(QtWarningMsg, "USBAudioAPI::setSampleRateOfActiveDevice //failed to set sample rate");
        QVERIFY(!api.setSampleRateOfActiveDevice(48000));
        QTest::ignoreMessage(QtWarningMsg, "USBAudioAPI::setBufferSizeOfActiveDevice //failed to get asio instance info");
        QVERIFY(!api.setBufferSizeOfActiveDevice(256));
        QTest::ignoreMessage(QtWarningMsg, "USBAudioAPI::setSafeModeOfActiveDevice //failed to get asio instance info");
        QVERIFY(!api.setSafeModeOfActiveDevice(true));
    }

    void pollerReportsOnlyChanges()
    {
        DriverPoller& poller = DriverPoller::instance();
        QCOMPARE(poller.interval(), 500);
        poller.setInterval(5);
        k93test::AttributeRecorder rec(&poller);
        poller.start();
        // The first poll runs at once.
        const QList<k93test::Message> first {{"", "SampleRate", "48000"}, {"", "BufferSize", "256"}, {"", "SafeMode", "0"}};
        QCOMPARE(rec.messages(), first);
        QTest::qWait(40);
        QCOMPARE(rec.count(), 3);

        mDriver->setSampleRate("K93", 192000);
        QTRY_COMPARE(rec.count(), 4);
        QCOMPARE(rec.messages().last(), (k93test::Message {"", "SampleRate", "192000"}));
        mDriver->setSafeMode("K93", true);
        QTRY_COMPARE(rec.count(), 5);
        QCOMPARE(rec.messages().last(), (k93test::Message {"", "SafeMode", "1"}));
        QTest::qWait(30);
        QCOMPARE(rec.count(), 5);

        // A stop forgets what was seen: the next start reports everything.
        poller.stop();
        QVERIFY(!poller.isActive());
        rec.clear();
        poller.start();
        QCOMPARE(rec.count(), 3);
        poller.stop();
        poller.setInterval(500);
    }
};

K93_TEST(UsbAudioApiTest)
#include "usbaudioapitest.moc"
