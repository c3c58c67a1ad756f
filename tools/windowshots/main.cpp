// Grabs the connector's waiting page and every layout page of the K93 window,
// connected to the simulated K93 so that its meters move, into the folder
// given as first argument.
#include "app/appsettings.h"
#include "app/globalfont.h"
#include "app/workspace.h"
#include "connector/deviceconnector.h"
#include "device/simulatedk93.h"
#include "mainwindow/mainwindow_k93.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char* argv[])
{
    AppSettingsSubject::instance();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    GlobalFont::initialize();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("screenshots");
    QDir().mkpath(folder);

    // Nothing of the user's: settings and workspaces in a temporary folder.
    QTemporaryDir scratch;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
    AppSettingsSubject::prepareStore();
    QSettings().setValue("ScaleFactor", 1.0);
    WorkspaceSubject::instance().setWorkspaceRoot(scratch.path());
    installDeviceBackends({true, 2});
    auto& device = SimulatedK93::instance();

    DeviceConnector connector;
    connector.registerMainWindowCreator("K93", []() -> DeviceWindow* { return new MainWindow_K93; });
    device.unplug();
    connector.showSeries("Series-K", {{"K93", {"0x152A", "0x3E71"}}});
    QTest::qWait(100);
    connector.grab().save(QDir(folder).filePath("connector_waiting.png"));

    device.plugIn();
    auto* window = [&]() -> MainWindow_K93* {
        for (int i = 0; i < 100; ++i) {
            auto* w = qobject_cast<MainWindow_K93*>(connector.mainWindow());
            if (w && w->isHandshakeDone())
                return w;
            QTest::qWait(50);
        }
        return nullptr;
    }();
    if (!window) {
        qWarning("window_shots: the simulated device did not connect");
        return 1;
    }
    window->resize(1280, 720);
    const QList<QPair<MainWindow_K93::PageID, QString>> pages {
        {MainWindow_K93::PageLive, "live"}, {MainWindow_K93::PagePro, "pro"},
        {MainWindow_K93::PageMobile, "mobile"}, {MainWindow_K93::PageEasy, "easy"},
        {MainWindow_K93::PageFactory, "factory"}};
    for (const auto& [id, name] : pages) {
        window->switchLayout(id);
        QTest::qWait(600); // a few level reports
        window->grab().save(QDir(folder).filePath("window_" + name + ".png"));
    }
    return 0;
}
