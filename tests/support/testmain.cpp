// Runs the test classes of one folder: all of them, or the one named first on
// the command line (the rest of the line goes to Qt Test).
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // No test may touch the real user's folders.
    QTemporaryDir home;
    const QByteArray base = home.path().toUtf8();
    QDir(home.path()).mkpath("config");
    QDir(home.path()).mkpath("data");
    QDir(home.path()).mkpath("cache");
    QDir(home.path()).mkpath("runtime");
    QFile::setPermissions(home.path() + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", base);
    qputenv("XDG_CONFIG_HOME", base + "/config");
    qputenv("XDG_DATA_HOME", base + "/data");
    qputenv("XDG_CACHE_HOME", base + "/cache");
    qputenv("XDG_RUNTIME_DIR", base + "/runtime");

    QApplication app(argc, argv);
    k93test::TempSettings settings;

    auto& tests = k93test::registry();
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    QString only;
    if (args.size() > 1 && tests.count(args.at(1))) {
        only = args.at(1);
        args.removeAt(1);
    } else if (args.size() > 1 && args.at(1) == "--list") {
        for (const auto& [name, factory] : tests)
            std::printf("%s\n", qPrintable(name));
        return 0;
    }

    int failures = 0;
    for (const auto& [name, factory] : tests) {
        if (!only.isEmpty() && name != only)
            continue;
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}
