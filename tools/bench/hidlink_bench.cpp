// Frames per second through the HID link, against the simulated K93:
//   send:    encode -> sender queue -> write
//   receive: read -> decode -> emit
// A full-speed HID endpoint carries at most 1000 reports per second.

#include "device/commandtable.h"
#include "device/devicek93.h"
#include "device/simulatedk93.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <cstdio>

namespace {

constexpr double HidLimit = 1000.0;
constexpr int Frames = 200000;

void report(const char* name, qint64 nanoseconds)
{
    const double perSecond = Frames / (double(nanoseconds) / 1e9);
    std::printf("%-8s %9.0f frames/s   HID limit %6.0f/s   x%.0f   %s\n", name, perSecond, HidLimit,
                perSecond / HidLimit, perSecond >= 20 * HidLimit ? "ok (goal x20)" : "BELOW GOAL (x20)");
}

void waitFor(const std::atomic<int>& counter, int target)
{
    while (counter.load() < target)
        QThread::usleep(200);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    SimulatedK93& sim = SimulatedK93::instance();
    sim.setLevelReportInterval(0);

    SimulatedHidHandle handle;
    if (!handle.open(HidHandle::K93VendorId, HidHandle::K93ProductId)) {
        std::fprintf(stderr, "cannot open the simulated K93\n");
        return 1;
    }

    // Send: the heartbeat is not echoed, so only the writing side is measured.
    {
        DeviceK93 device;
        device.setHidHandle(&handle);
        std::atomic<int> written {0};
        QObject::connect(&sim, &SimulatedK93::frameWritten, &sim, [&](DeviceType1::FrameInfo) { ++written; },
                         Qt::DirectConnection);
        device.startDevice();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < Frames; ++i)
            device.in_System_attributeChanged("MainWindow", "HeartBeat", "1");
        waitFor(written, Frames);
        report("send", t.nsecsElapsed());
        device.stopDevice();
        QObject::disconnect(&sim, &SimulatedK93::frameWritten, &sim, nullptr);
        sim.clearWrittenFrames();
    }

    // Receive: the reports wait in the device before the reader starts.
    {
        const quint16 level = CommandTable::find("Mixer_IN12", "LevelLeft")->command;
        for (int i = 0; i < Frames; ++i)
            sim.sendReport(level, -(i % 600));
        DeviceK93 device;
        device.setHidHandle(&handle);
        std::atomic<int> received {0};
        QObject::connect(&device, &DeviceType1::newFrameReceived, &device,
                         [&](DeviceType1::FrameInfo) { ++received; }, Qt::DirectConnection);
        QElapsedTimer t;
        t.start();
        device.startDevice();
        waitFor(received, Frames);
        report("receive", t.nsecsElapsed());
        device.stopDevice();
    }
    handle.close();
    return 0;
}
