// Feeds arbitrary bytes to the equaliser's filter-parameter import (text and
// list format). Whatever the file holds, the tool keeps its filter names and
// every filter stays finite and inside the band controls' ranges.

#include "equalizer/equalizertool.h"
#include "fuzzinput.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = writeFuzzInput("equalizerfilters_fuzz", "txt", data, size);
    if (path.isEmpty())
        return 0;

    EqualizerTool tool;
    QList<EqualizerTool::BandData> bands;
    for (int i = 1; i <= 4; ++i) {
        EqualizerTool::BandData band;
        band.name = QString::number(i);
        band.enabled = true;
        band.frequency = 100.0 * i;
        bands.append(band);
    }
    tool.setBandData(bands, 48000.0);
    const QStringList names = tool.getFilterNames();
    tool.importBandData(path);

    if (tool.getFilterNames() != names || tool.getBandData().size() != names.size())
        std::abort();
    if (!std::isfinite(tool.getPreGain()))
        std::abort();
    for (const EqualizerTool::BandData& band : tool.getBandData()) {
        if (band.type < 0 || band.type > 4 || !(std::abs(band.gain) <= 12.0) || !(band.frequency >= 20.0)
            || !(band.frequency <= 22000.0) || !(band.q >= 0.1) || !(band.q <= 15.0))
            std::abort();
    }
    for (const QPointF& point : *tool.getCurve("Combined")) {
        if (!std::isfinite(point.y()))
            std::abort();
    }
    return 0;
}
