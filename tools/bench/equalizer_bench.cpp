// Times the work one drag event triggers: the full equaliser response of ten
// bands and one compressor curve refresh, each against a 1 ms budget.

#include "effects/compressortool.h"
#include "equalizer/equalizertool.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr double BudgetMicroseconds = 1000.0;

template<typename Work>
double microsecondsPerRun(int runs, Work work)
{
    work(); // warm up
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        work(i);
    return timer.nsecsElapsed() / 1000.0 / runs;
}

void report(const char* name, double micros)
{
    std::printf("%-44s %9.2f us   budget %6.0f us   %5.1f %%\n", name, micros, BudgetMicroseconds,
                100.0 * micros / BudgetMicroseconds);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);

    EqualizerTool equalizer;
    QList<EqualizerTool::BandData> bands;
    for (int i = 1; i <= 10; ++i) {
        EqualizerTool::BandData band;
        band.name = QString::number(i);
        band.enabled = true;
        band.type = (i - 1) % 5;
        band.frequency = 31.25 * (1 << (i - 1));
        band.gain = (i % 2 ? 3.0 : -3.0);
        band.q = 0.707;
        bands.append(band);
    }
    std::printf("grid: %lld points\n", static_cast<long long>(equalizer.getFrequencies().size()));

    report("equaliser: 10 bands x grid, all redesigned", microsecondsPerRun(2000, [&](int i = 0) {
               bands[i % 10].gain = (i % 24) - 12.0;
               equalizer.setBandData(bands, 48000.0);
           }));
    report("equaliser: one band changed", microsecondsPerRun(2000, [&](int i = 0) {
               bands[3].frequency = 200.0 + i % 1000;
               equalizer.setBandData({bands[3]}, 48000.0);
           }));
    report("equaliser: pre-gain changed", microsecondsPerRun(2000, [&](int i = 0) {
               equalizer.setPreGain((i % 20) - 10.0);
           }));

    CompressorTool compressor;
    compressor.setThreshold(-30);
    compressor.setRatio({4.0, 1.0});
    compressor.setMix(100);
    report("compressor: curve refresh", microsecondsPerRun(100000, [&](int i = 0) {
               compressor.setInputLevel(-600 + i % 600);
           }));
    return 0;
}
