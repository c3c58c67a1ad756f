#include "testsupport.h"

#include "app/appsettings.h"
#include "app/autostartmanager.h"

#include <QCoreApplication>
#include <QFile>

class AutoStartTest : public QObject
{
    Q_OBJECT
private slots:
    void entryLivesInTheTemporaryHome()
    {
        AppSettingsSubject::instance();
        const QString path = AutoStartManager::autostartEntryPath();
        QVERIFY2(path.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")), qPrintable(path));
        QVERIFY(path.endsWith("/autostart/KELSMAR Studio Mixing Desk.desktop"));
    }

    void entryWrittenAndRemoved()
    {
        auto& manager = AutoStartManager::instance();
        const QString path = AutoStartManager::autostartEntryPath();
        QVERIFY(manager.setRunRegistryValue(true));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        file.close();
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains(QString("\nExec=\"%1\"\n").arg(QCoreApplication::applicationFilePath())));

        QVERIFY(manager.setRunRegistryValue(true)); // idempotent
        QVERIFY(manager.setRunRegistryValue(false));
        QVERIFY(!QFile::exists(path));
        QVERIFY(manager.setRunRegistryValue(false));
    }

    void execLineQuotesReservedCharacters()
    {
        const QString entry = AutoStartManager::desktopEntry("/opt/a \"b\"/$c/100%/d\\e");
        QVERIFY(entry.contains("\nExec=\"/opt/a \\\\\"b\\\\\"/\\\\$c/100%%/d\\\\\\\\e\"\n"));
        QVERIFY(!AutoStartManager::desktopEntry("/x\nHidden=true").contains("\nHidden=true"));
    }
};

K93_TEST(AutoStartTest)
#include "autostarttest.moc"
