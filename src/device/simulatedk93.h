#pragma once

#include "device/devicetype1.h"
#include "device/hidhandle.h"
#include "device/usbaudioapi.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QStringList>

// A K93 that lives in the program: keeps its state by command code, answers
// "Auth", echoes what it is set to and sends level reports so meters move.
class SimulatedK93 : public QObject
{
    Q_OBJECT
public:
    static SimulatedK93& instance();
    ~SimulatedK93() override;

    // 1, 2 or 3 answer "Auth"; 0 never answers.
    void setAuthResult(int result);
    int authResult() const;
    // Level reports every `ms` milliseconds; 0 stops them.
    void setLevelReportInterval(int ms);

    // Pulling the cable: reads and writes fail and the driver lists nothing.
    void unplug();
    void plugIn();
    bool isPlugged() const;
    // While set, opening the HID interface fails (the factory page's case).
    void setHidAvailable(bool available);
    bool isHidAvailable() const;

    qint32 value(quint16 command) const;
    bool hasValue(quint16 command) const;
    // Every frame the program wrote, in order.
    QList<DeviceType1::FrameInfo> writtenFrames() const;
    void clearWrittenFrames();
    // A report the device sends on its own, as if changed on its panel.
    void sendReport(quint16 command, qint32 value);

signals:
    // Emitted on the writing thread for every frame the program wrote.
    void frameWritten(DeviceType1::FrameInfo frame);

private:
    SimulatedK93();
    friend class SimulatedHidHandle;
    struct Private;
    std::unique_ptr<Private> d;
};

// The HID handle that talks to the simulated K93.
class SimulatedHidHandle : public HidHandle
{
public:
    bool open(quint16 vendorId, quint16 productId) override;
    int read(quint8* buffer, int length, int timeoutMs) override;
    int write(const quint8* data, int length) override;
    void close() override;
    bool isOpen() const override;

private:
    bool mOpen = false;
};

// The driver that goes with the simulated K93: lists "K93" while plugged.
class SimulatedDriverBackend : public DriverBackend
{
public:
    QStringList deviceNames() override;
    QList<unsigned> supportedSampleRates(const QString& device) override;
    QList<unsigned> supportedBufferSizes(const QString& device) override;
    unsigned sampleRate(const QString& device) override;
    unsigned bufferSize(const QString& device) override;
    bool safeMode(const QString& device) override;
    bool setSampleRate(const QString& device, unsigned rate) override;
    bool setBufferSize(const QString& device, unsigned size) override;
    bool setSafeMode(const QString& device, bool on) override;

    // Lets tests make the driver refuse.
    void setRefuse(bool refuse) { mRefuse = refuse; }

private:
    unsigned mRate = 48000;
    unsigned mSize = 256;
    bool mSafe = false;
    bool mRefuse = false;
};

// Command-line selection: "--simulated-device[=N]" picks the simulated K93
// answering N (default 3) and its driver; otherwise the real ones.
struct DeviceOptions {
    bool simulated = false;
    int authResult = 3;
};
DeviceOptions parseDeviceOptions(const QStringList& arguments);
void installDeviceBackends(const DeviceOptions& options);
