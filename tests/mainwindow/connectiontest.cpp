#include "simulatedsession.h"

#include "device/usbaudioapi.h"

#include <QPointer>
#include <QSettings>
#include <QStackedWidget>

namespace {
quint16 systemCommand(const char* attribute)
{
    return SimulatedSession::commandOf("MainWindow", attribute);
}

int countWritten(quint16 command)
{
    int count = 0;
    for (const auto& frame : SimulatedK93::instance().writtenFrames())
        count += frame.command == command;
    return count;
}

class TwoDevicesDriver : public SimulatedDriverBackend
{
public:
    QStringList deviceNames() override { return {"K93", "Other", "K93"}; }
};
}

class ConnectionTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatedSession> mSession;

    static std::unique_ptr<DeviceConnector> makeConnector() { return SimulatedSession::makeConnector(); }
    static MainWindow_K93* connectedWindow(DeviceConnector& c) { return SimulatedSession::connectedWindow(c); }

private slots:
    void init() { mSession = std::make_unique<SimulatedSession>(); }
    void cleanup() { mSession.reset(); }

    void eachHandshakeResultOpensItsLayout_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("page");
        QTest::newRow("mobile") << 1 << 0 << int(MainWindow_K93::PageMobile);
        QTest::newRow("stored easy") << 2 << int(MainWindow_K93::PageEasy) << int(MainWindow_K93::PageEasy);
        QTest::newRow("nothing stored") << 2 << 0 << int(MainWindow_K93::PageLive);
        QTest::newRow("pro") << 3 << 0 << int(MainWindow_K93::PagePro);
    }
    void eachHandshakeResultOpensItsLayout()
    {
        QFETCH(int, result);
        QFETCH(int, stored);
        QFETCH(int, page);
        if (stored)
            QSettings().setValue("K93/PageID", stored);
        SimulatedK93::instance().setAuthResult(result);

        auto connector = makeConnector();
        QTRY_VERIFY(connectedWindow(*connector));
        auto* window = connectedWindow(*connector);
        QCOMPARE(window->handshakeResult(), result);
        QCOMPARE(int(window->currentPage()), page);
        QVERIFY(window->isVisible());
        QVERIFY(!connector->isVisible());
        QCOMPARE(AppSettingsSubject::instance().getMainWindow(), window);
        QCOMPARE(MainWindow_K93::instance(), window);
        QCOMPARE(QSettings().value("K93/PageID").toInt(), page);
        const QString folder = MainWindow_K93::workspaceFolder(MainWindow_K93::PageID(page));
        QVERIFY(WorkspaceSubject::instance().currentWorkspaceFile().contains("/Workspace/K93/" + folder + "/"));
    }

    void heartbeatKeepsGoingAndUnplugReturnsToWaiting()
    {
        SimulatedK93::instance().setAuthResult(3);
        auto connector = makeConnector();
        QTRY_VERIFY(connectedWindow(*connector));
        QPointer<MainWindow_K93> window = connectedWindow(*connector);
        const quint16 heartbeat = systemCommand("HeartBeat");
        QVERIFY(heartbeat != 0);
        QTRY_VERIFY(countWritten(heartbeat) >= 4);

        SimulatedK93::instance().unplug();
        QTRY_COMPARE(connector->currentPage(), DeviceConnector::Page::Waiting);
        QVERIFY(connector->isVisible());
        QVERIFY(connector->isPolling());
        QTRY_VERIFY(window.isNull());
        QCOMPARE(AppSettingsSubject::instance().getMainWindow(), nullptr);

        // Plugging back in connects again.
        SimulatedK93::instance().plugIn();
        QTRY_VERIFY(connectedWindow(*connector));
    }

    void silentDeviceFailsAfterTenTicks()
    {
        ConnectionTiming::failedReturnMs = 60000;
        SimulatedK93::instance().setAuthResult(0);
        auto connector = makeConnector();
        QTRY_COMPARE(connector->currentPage(), DeviceConnector::Page::Failed);
        QCOMPARE(connector->mainWindow(), nullptr);
        QVERIFY(!connector->isPolling());
        // Sent once on connecting and on each tick before the tenth.
        QCOMPARE(countWritten(systemCommand("Auth")), 10);
        QCOMPARE(countWritten(systemCommand("HeartBeat")), 0);
    }

    void failurePageReturnsToWaitingAndTriesAgain()
    {
        ConnectionTiming::failedReturnMs = 300;
        SimulatedK93::instance().setAuthResult(0);
        auto connector = makeConnector();
        QTRY_COMPARE(connector->currentPage(), DeviceConnector::Page::Failed);
        SimulatedK93::instance().setAuthResult(3);
        QTRY_VERIFY(connectedWindow(*connector));
    }

    void unavailableHidOpensTheFactoryPage()
    {
        SimulatedK93::instance().setHidAvailable(false);
        auto connector = makeConnector();
        QTRY_VERIFY_WITH_TIMEOUT(connectedWindow(*connector), 10000);
        auto* window = connectedWindow(*connector);
        QCOMPARE(window->handshakeResult(), -1);
        QCOMPARE(window->currentPage(), MainWindow_K93::PageFactory);
        QVERIFY(!QSettings().contains("K93/PageID"));

        // The online timer notices the device leaving the driver's list.
        SimulatedK93::instance().unplug();
        QTRY_COMPARE(connector->currentPage(), DeviceConnector::Page::Waiting);
        QCOMPARE(connector->mainWindow(), nullptr);
    }

    void twoDevicesShowTheMultiplePage()
    {
        USBAudioAPI::instance().setBackend(std::make_unique<TwoDevicesDriver>());
        auto connector = makeConnector();
        QCOMPARE(connector->currentPage(), DeviceConnector::Page::Multiple);
        QTest::qWait(50);
        QCOMPARE(connector->mainWindow(), nullptr);
        QCOMPARE(countWritten(systemCommand("Auth")), 0);
    }

    void destroyingTheConnectorDeletesTheWindow()
    {
        SimulatedK93::instance().setAuthResult(3);
        auto connector = makeConnector();
        QTRY_VERIFY(connectedWindow(*connector));
        QPointer<DeviceWindow> window = connector->mainWindow();
        connector.reset();
        QVERIFY(window.isNull());
    }
};

K93_TEST(ConnectionTest)
#include "connectiontest.moc"
