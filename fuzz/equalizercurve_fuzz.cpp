// Feeds arbitrary bytes to the equaliser's FR curve import. A curve that is
// accepted must cover the whole grid with finite levels; one that is refused
// must leave the tool as it was.

#include "equalizer/equalizertool.h"
#include "fuzzinput.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = writeFuzzInput("equalizercurve_fuzz", "csv", data, size);
    if (path.isEmpty())
        return 0;

    EqualizerTool tool;
    const QList<QPointF> before = *tool.getCurve("Target");
    const bool accepted = !tool.importCurve("Target", path).isEmpty();
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
