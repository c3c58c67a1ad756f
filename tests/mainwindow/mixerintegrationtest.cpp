#include "simulatedsession.h"

#include "device/usbaudioapi.h"
#include "strips/mixer/mixerbase.h"
#include "widgets/volumemeter.h"
#include "widgets/vsliders1m1.h"

#include <QSettings>

namespace {
quint16 commandOf(const QString& channel, const QString& attribute)
{
    return SimulatedSession::commandOf(channel, attribute);
}
}

// The running program against the simulated K93: a fader moved on screen
// changes the device, and the device's level reports move the meters.
class MixerIntegrationTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatedSession> mSession;
    std::unique_ptr<DeviceConnector> mConnector;

    MainWindow_K93* connectWindow(int result)
    {
        SimulatedK93::instance().setAuthResult(result);
        mConnector = SimulatedSession::makeConnector();
        (void)QTest::qWaitFor([this]() { return SimulatedSession::connectedWindow(*mConnector) != nullptr; }, 5000);
        return SimulatedSession::connectedWindow(*mConnector);
    }

private slots:
    void init() { mSession = std::make_unique<SimulatedSession>(); }
    void cleanup()
    {
        mConnector.reset();
        mSession.reset();
    }

    void faderMovesTheDevice_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("page");
        QTest::newRow("live") << 2 << int(MainWindow_K93::PageLive);
        QTest::newRow("pro") << 3 << int(MainWindow_K93::PagePro);
    }
    void faderMovesTheDevice()
    {
        QFETCH(int, result);
        QFETCH(int, page);
        MainWindow_K93* window = connectWindow(result);
        QVERIFY(window);
        QCOMPARE(int(window->currentPage()), page);
        auto* strip = window->mixerStrip(MainWindow_K93::PageID(page), "Mixer_PB12");
        QVERIFY(strip);

        // The workspace load told the device every mix's gains: 0 dB, left to left.
        const quint16 gainLL = commandOf("Mixer_PB12", "MixA_GainMLCL");
        const quint16 gainRL = commandOf("Mixer_PB12", "MixA_GainMLCR");
        QTRY_COMPARE(SimulatedK93::instance().value(gainLL), 33554432);
        QTRY_COMPARE(SimulatedK93::instance().value(commandOf("Mixer_PB12", "MixC_GainMRCR")), 33554432);
        QCOMPARE(SimulatedK93::instance().value(gainRL), 0);

        auto* fader = strip->findChild<VSliderS1M1*>("widgetLinkedVSlider");
        QVERIFY(fader);
        fader->setFocus();
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(fader, Qt::Key_Down);
        // -6 dB: 10^(-6/20) x 2^25, through a 32-bit float on the stereo strip.
        const qint64 linear = USBAudioAPI::dbToLinear(-6.0, -90.0);
        const qint32 expected = page == MainWindow_K93::PagePro ? qint32(float(linear)) : qint32(linear);
        QTRY_COMPARE(SimulatedK93::instance().value(gainLL), expected);
        QCOMPARE(SimulatedK93::instance().value(gainRL), 0);
    }

    void levelReportsMoveTheMeters()
    {
        MainWindow_K93* window = connectWindow(2);
        QVERIFY(window);
        auto* strip = window->mixerStrip(MainWindow_K93::PageLive, "Mixer_AUX");
        auto* meter = strip->findChild<VolumeMeterS1M4*>("widgetLinkedMeterLeft");
        QVERIFY(meter);
        SimulatedK93::instance().sendReport(commandOf("Mixer_AUX", "LevelLeft"), -234);
        QTRY_COMPARE(meter->shownDb(VolumeMeterS1M4::OriginBar), -24);
    }
};

K93_TEST(MixerIntegrationTest)
#include "mixerintegrationtest.moc"
