#include "app/autostartmanager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtDebug>

AutoStartManager& AutoStartManager::instance()
{
    static AutoStartManager manager;
    return manager;
}

QString AutoStartManager::autostartEntryPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath("autostart/" + QCoreApplication::applicationName() + ".desktop");
}

namespace {
// Quoting of the Exec key: reserved characters escaped inside double quotes,
// then every backslash doubled once more for the string value itself.
QString quotedExec(const QString& path)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
        if (c == '%')
            quoted += '%'; // a lone % would start a field code
    }
    quoted.replace("\\", "\\\\");
    return '"' + quoted + '"';
}

QString sanitizedLine(QString text)
{
    text.replace('\n', ' ');
    text.replace('\r', ' ');
    return text;
}
}

QString AutoStartManager::desktopEntry(const QString& executable)
{
    return QString("[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=%1\n"
                   "Exec=%2\n"
                   "Terminal=false\n"
                   "X-GNOME-Autostart-enabled=true\n")
        .arg(sanitizedLine(QCoreApplication::applicationName()), quotedExec(sanitizedLine(executable)));
}

bool AutoStartManager::setRunRegistryValue(bool enabled)
{
#ifdef Q_OS_WIN
    QSettings run("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", QSettings::NativeFormat);
    const QString name = QCoreApplication::applicationName();
    if (enabled)
        run.setValue(name, QString("\"%1\"").arg(QDir::toNativeSeparators(QCoreApplication::applicationFilePath())));
    else
        run.remove(name);
    run.sync();
    return run.status() == QSettings::NoError;
#else
    const QString path = autostartEntryPath();
    if (!enabled) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            qWarning() << "AutoStartManager::setRunRegistryValue //cannot remove" << path;
            return false;
        }
        return true;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        qWarning() << "AutoStartManager::setRunRegistryValue //cannot create" << QFileInfo(path).absolutePath();
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "AutoStartManager::setRunRegistryValue //cannot write" << path;
        return false;
    }
    file.write(desktopEntry(QCoreApplication::applicationFilePath()).toUtf8());
    return file.commit();
#endif
}
