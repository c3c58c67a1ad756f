#include "app/appsettings.h"
#include "app/globalfont.h"

#include <QApplication>
#include <QMainWindow>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    AppSettingsSubject::instance();
    QApplication app(argc, argv);
    QApplication::setApplicationVersion("1.5.0");
    QApplication::setStyle(QStyleFactory::keys().contains("windowsvista") ? "windowsvista" : "Fusion");
    AppSettingsSubject::prepareStore();
    GlobalFont::initialize();

    QMainWindow window;
    window.setWindowTitle(QApplication::applicationName());
    window.setStyleSheet("background-color: rgb(31,31,31); color: rgb(161,161,161);");
    window.resize(960, 600);
    window.show();
    return app.exec();
}
