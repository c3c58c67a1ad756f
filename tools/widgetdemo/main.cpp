// Shows every control of the widget library on the dark theme.
//   widget_demo [--scale 1.5] [--screenshots <folder>]
// With --screenshots each page is grabbed to <folder>/<page>_<scale>.png and
// the program exits.
#include "demopage.h"

#include "app/appsettings.h"
#include "app/globalfont.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>

QList<QPair<QString, DemoPage::Factory>>& DemoPage::pages()
{
    static QList<QPair<QString, Factory>> list;
    return list;
}

DemoPage::DemoPage(const QString& title, Factory factory)
{
    pages().append({title, std::move(factory)});
}

int main(int argc, char* argv[])
{
    AppSettingsSubject::instance();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    GlobalFont::initialize();

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption scaleOption("scale", "Scale factor of the pages.", "factor", "1.0");
    QCommandLineOption shotOption("screenshots", "Grab every page into this folder and exit.", "folder");
    parser.addOption(scaleOption);
    parser.addOption(shotOption);
    parser.process(app);
    const double scale = parser.value(scaleOption).toDouble() > 0 ? parser.value(scaleOption).toDouble() : 1.0;

    QTabWidget tabs;
    tabs.setWindowTitle("Widget library");
    tabs.setStyleSheet("QTabWidget::pane { border: none; } QWidget#DemoPage { background-color: rgb(31,31,31); }"
                       "QTabBar::tab { background: rgb(22,22,22); color: rgb(161,161,161); padding: 6px 14px; }"
                       "QTabBar::tab:selected { color: rgb(222,222,222); }");
    auto pages = DemoPage::pages();
    std::sort(pages.begin(), pages.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [title, factory] : pages) {
        QWidget* page = factory();
        page->setObjectName("DemoPage");
        page->setAttribute(Qt::WA_StyledBackground);
        tabs.addTab(page, title);
    }
    tabs.resize(int(900 * scale), int(600 * scale));
    tabs.show();

    if (parser.isSet(shotOption)) {
        const QString folder = parser.value(shotOption);
        QDir().mkpath(folder);
        QTimer::singleShot(0, [&]() {
            for (int i = 0; i < tabs.count(); ++i) {
                tabs.setCurrentIndex(i);
                QApplication::processEvents();
                const QString name = tabs.tabText(i).toLower().replace(' ', '_');
                tabs.grab().save(QDir(folder).filePath(QString("%1_%2.png").arg(name).arg(scale)));
            }
            app.quit();
        });
    }
    return app.exec();
}
