#pragma once

// Shared by the file-import fuzz targets: the input goes into a scratch file
// that the importer reads, and the importers' log lines are silenced.

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

inline void fuzzQuiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// The path of the written file, empty when it could not be written.
inline QString writeFuzzInput(const char* stem, const char* suffix, const uint8_t* data, size_t size)
{
    static const bool silenced = [] {
        qInstallMessageHandler(fuzzQuiet);
        return true;
    }();
    (void)silenced;
    const QString path =
        QDir::temp().filePath(QStringLiteral("%1_%2.%3").arg(QString::fromLatin1(stem)).arg(QCoreApplication::applicationPid()).arg(QString::fromLatin1(suffix)));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}
