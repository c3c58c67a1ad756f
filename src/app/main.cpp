#include "app/appsettings.h"
#include "app/globalfont.h"
#include "connector/deviceconnector.h"
#include "device/hidhandle.h"
#include "device/simulatedk93.h"
#include "mainwindow/mainwindow_k93.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    AppSettingsSubject::instance();
    QApplication app(argc, argv);
    QApplication::setApplicationVersion("1.5.0");
    QApplication::setStyle(QStyleFactory::keys().contains("windowsvista") ? "windowsvista" : "Fusion");
    AppSettingsSubject::prepareStore();
    GlobalFont::initialize();

    // "--simulated-device[=N]" runs against the simulated K93 answering N.
    installDeviceBackends(parseDeviceOptions(app.arguments()));
    HidApiHandle::initLibrary();

    int result = 0;
    {
        DeviceConnector connector;
        connector.registerMainWindowCreator("K93", []() -> DeviceWindow* { return new MainWindow_K93; });
        connector.showSeries("Series-K", {{"K93", {"0x152A", "0x3E71"}}});
        result = app.exec();
    }
    HidApiHandle::exitLibrary();
    return result;
}
