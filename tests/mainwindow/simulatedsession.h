#pragma once

#include "testsupport.h"

#include "app/workspace.h"
#include "connector/connectiontiming.h"
#include "connector/deviceconnector.h"
#include "device/commandtable.h"
#include "device/simulatedk93.h"
#include "mainwindow/mainwindow_k93.h"

#include <memory>

// The program's connection against the simulated K93, with a settings store
// and workspace tree of its own and every interval shortened.
struct SimulatedSession {
    k93test::TempSettings settings;
    QTemporaryDir workspaceRoot;

    SimulatedSession()
    {
        WorkspaceSubject::instance().setWorkspaceRoot(workspaceRoot.path());
        ConnectionTiming::pollMs = 10;
        ConnectionTiming::authMs = 10;
        ConnectionTiming::heartbeatMs = 50;
        ConnectionTiming::onlineMs = 10;
        ConnectionTiming::failedReturnMs = 50;
        ConnectionTiming::driverPollMs = 10;
        installDeviceBackends({true, 3});
        auto& device = SimulatedK93::instance();
        device.setLevelReportInterval(0);
        device.setHidAvailable(true);
        device.plugIn();
        device.clearWrittenFrames();
    }

    ~SimulatedSession()
    {
        QTest::qWait(0);
        ConnectionTiming::restoreDefaults();
        WorkspaceSubject::instance().setWorkspaceRoot(QString());
    }

    static std::unique_ptr<DeviceConnector> makeConnector()
    {
        auto connector = std::make_unique<DeviceConnector>();
        connector->registerMainWindowCreator("K93", []() -> DeviceWindow* { return new MainWindow_K93; });
        connector->showSeries("Series-K", {{"K93", {"0x152A", "0x3E71"}}});
        return connector;
    }

    // The connector's window once its handshake has ended, else null.
    static MainWindow_K93* connectedWindow(DeviceConnector& connector)
    {
        auto* window = qobject_cast<MainWindow_K93*>(connector.mainWindow());
        return window && window->isHandshakeDone() ? window : nullptr;
    }

    static quint16 commandOf(const QString& channel, const QString& attribute)
    {
        const auto* entry = CommandTable::find(channel, attribute);
        return entry ? entry->command : 0;
    }
};
