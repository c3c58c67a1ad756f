// Feeds arbitrary bytes to the equaliser's FR curve import. A curve that is
// accepted must cover the whole grid with finite levels; one that is refused
// must leave the tool as it was.

#include "equalizer/equalizertool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

QString scratchPath()
{
    static const QString path =
        QDir::temp().filePath(QStringLiteral("equalizercurve_fuzz_%1.csv").arg(QCoreApplication::applicationPid()));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool initialised = [] {
        qInstallMessageHandler(quiet);
        return true;
    }();
    (void)initialised;

    QFile file(scratchPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    EqualizerTool tool;
    const QList<QPointF> before = *tool.getCurve("Target");
    const bool accepted = !tool.importCurve("Target", file.fileName()).isEmpty();
    const QList<QPointF>& target = *tool.getCurve("Target");
    if (!accepted) {
        if (target != before)
            std::abort();
        return 0;
    }
    if (target.size() != tool.getFrequencies().size())
        std::abort();
    for (const char* name : {"Target", "TargetRaw", "SourceCompensated", "FilteredCompensated"}) {
        for (const QPointF& point : *tool.getCurve(name)) {
            if (!std::isfinite(point.y()))
                std::abort();
        }
    }
    return 0;
}
