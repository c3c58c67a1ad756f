// Grabs the connector's waiting page and every layout page of the K93 window
// into the folder given as first argument.
#include "app/appsettings.h"
#include "app/globalfont.h"
#include "app/workspace.h"
#include "connector/deviceconnector.h"
#include "device/simulatedk93.h"
#include "mainwindow/mainwindow_k93.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <QSettings>
#include <QTemporaryDir>

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
    WorkspaceSubject::instance().setWorkspaceRoot(scratch.path());
    installDeviceBackends({true, 3});
    SimulatedK93::instance().unplug();

    {
        DeviceConnector connector;
        connector.showSeries("Series-K", {{"K93", {"0x152A", "0x3E71"}}});
        QApplication::processEvents();
        connector.grab().save(QDir(folder).filePath("connector_waiting.png"));
    }

    MainWindow_K93 window;
    window.resize(960, 600);
    window.show();
    const QList<QPair<MainWindow_K93::PageID, QString>> pages {
        {MainWindow_K93::PageFactory, "factory"}, {MainWindow_K93::PageMobile, "mobile"},
        {MainWindow_K93::PageLive, "live"}, {MainWindow_K93::PageEasy, "easy"}, {MainWindow_K93::PagePro, "pro"}};
    for (const auto& [id, name] : pages) {
        window.switchLayout(id);
        QApplication::processEvents();
        window.grab().save(QDir(folder).filePath("window_" + name + ".png"));
    }
    return 0;
}
