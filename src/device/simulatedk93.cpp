#include "device/simulatedk93.h"

#include "device/commandtable.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QElapsedTimer>
#include <QMutexLocker>
#include <QQueue>
#include <QWaitCondition>
#include <cmath>
#include <cstring>

namespace {

const quint16 AuthCode = CommandTable::find("MainWindow", "Auth")->command;
const quint16 HeartBeatCode = CommandTable::find("MainWindow", "HeartBeat")->command;

// What the device sends: the sent layout without the report id.
QByteArray deviceReport(quint16 command, qint32 value)
{
    QByteArray r = DeviceType1::encodeFrame(DeviceType1::makeFrame(command, value)).mid(1);
    r.append('\0');
    return r;
}

} // namespace

struct SimulatedK93::Private {
    mutable QMutex mutex;
    QWaitCondition readable;
    QQueue<QByteArray> reports;
    QHash<quint16, qint32> state;
    QList<DeviceType1::FrameInfo> written;
    int authResult = 3;
    int levelIntervalMs = 50;
    bool plugged = true;
    bool hidAvailable = true;
    int openHandles = 0;
    QElapsedTimer clock;
    qint64 nextLevelsAt = 0;

    void queue(quint16 command, qint32 value)
    {
        reports.enqueue(deviceReport(command, value));
        readable.wakeAll();
    }

    // Slow swells with a little flutter, per channel, in tenths of a dB.
    void queueLevels()
    {
        const double t = clock.elapsed() / 1000.0;
        int i = 0;
        for (const CommandTable::Entry* e : CommandTable::levelEntries()) {
            const double phase = i * 0.7;
            const double swell = std::sin(t * (0.6 + 0.05 * (i % 7)) + phase);
            const double flutter = std::sin(t * 11.0 + phase * 3.0) * 0.3;
            const double db = -24.0 + 16.0 * swell + 4.0 * flutter;
            queue(e->command, qint32(std::lround(std::min(db, 0.0) * 10.0)));
            ++i;
        }
    }
};

SimulatedK93::SimulatedK93()
    : d(std::make_unique<Private>())
{
    // The first use may come from the sender thread; the object belongs with
    // the application's other objects.
    if (QCoreApplication* app = QCoreApplication::instance(); app && thread() != app->thread())
        moveToThread(app->thread());
    d->clock.start();
    // Versions as a factory-fresh unit reports them.
    const int firmware[5] = {1, 0, 3, 0, 7};
    for (int i = 0; i < 5; ++i)
        d->state.insert(CommandTable::find("MainWindow", QStringLiteral("FirmwareVersion%1").arg(i + 1))->command,
                        firmware[i]);
    d->state.insert(CommandTable::find("MainWindow", "HardwareVersion")->command, 102);
}

SimulatedK93::~SimulatedK93() = default;

SimulatedK93& SimulatedK93::instance()
{
    static SimulatedK93 device;
    return device;
}

void SimulatedK93::setAuthResult(int result)
{
    QMutexLocker lock(&d->mutex);
    d->authResult = result;
}

int SimulatedK93::authResult() const
{
    QMutexLocker lock(&d->mutex);
    return d->authResult;
}

void SimulatedK93::setLevelReportInterval(int ms)
{
    QMutexLocker lock(&d->mutex);
    d->levelIntervalMs = std::max(0, ms);
    d->nextLevelsAt = d->clock.elapsed();
    d->readable.wakeAll();
}

void SimulatedK93::unplug()
{
    QMutexLocker lock(&d->mutex);
    d->plugged = false;
    d->reports.clear();
    d->readable.wakeAll();
}

void SimulatedK93::plugIn()
{
    QMutexLocker lock(&d->mutex);
    d->plugged = true;
}

bool SimulatedK93::isPlugged() const
{
    QMutexLocker lock(&d->mutex);
    return d->plugged;
}

void SimulatedK93::setHidAvailable(bool available)
{
    QMutexLocker lock(&d->mutex);
    d->hidAvailable = available;
}

bool SimulatedK93::isHidAvailable() const
{
    QMutexLocker lock(&d->mutex);
    return d->hidAvailable;
}

qint32 SimulatedK93::value(quint16 command) const
{
    QMutexLocker lock(&d->mutex);
    return d->state.value(command, 0);
}

bool SimulatedK93::hasValue(quint16 command) const
{
    QMutexLocker lock(&d->mutex);
    return d->state.contains(command);
}

QList<DeviceType1::FrameInfo> SimulatedK93::writtenFrames() const
{
    QMutexLocker lock(&d->mutex);
    return d->written;
}

void SimulatedK93::clearWrittenFrames()
{
    QMutexLocker lock(&d->mutex);
    d->written.clear();
}

void SimulatedK93::sendReport(quint16 command, qint32 value)
{
    QMutexLocker lock(&d->mutex);
    d->state.insert(command, value);
    if (d->plugged && d->openHandles > 0)
        d->queue(command, value);
}

bool SimulatedHidHandle::open(quint16 vendorId, quint16 productId)
{
    auto* d = SimulatedK93::instance().d.get();
    QMutexLocker guard(&mMutex);
    QMutexLocker lock(&d->mutex);
    if (vendorId != K93VendorId || productId != K93ProductId || !d->plugged || !d->hidAvailable)
        return false;
    if (!mOpen) {
        mOpen = true;
        ++d->openHandles;
    }
    d->reports.clear();
    d->nextLevelsAt = d->clock.elapsed();
    return true;
}

int SimulatedHidHandle::read(quint8* buffer, int length, int timeoutMs)
{
    auto* d = SimulatedK93::instance().d.get();
    QMutexLocker lock(&d->mutex);
    QDeadlineTimer deadline(std::max(0, timeoutMs));
    for (;;) {
        if (!mOpen || !d->plugged)
            return -1;
        if (d->levelIntervalMs > 0 && d->clock.elapsed() >= d->nextLevelsAt) {
            d->queueLevels();
            d->nextLevelsAt = d->clock.elapsed() + d->levelIntervalMs;
        }
        if (!d->reports.isEmpty()) {
            const QByteArray r = d->reports.dequeue();
            const int n = std::min(length, int(r.size()));
            std::memcpy(buffer, r.constData(), size_t(n));
            return n;
        }
        if (deadline.hasExpired())
            return 0;
        QDeadlineTimer wake = deadline;
        if (d->levelIntervalMs > 0)
            wake = std::min(deadline, QDeadlineTimer(std::max<qint64>(0, d->nextLevelsAt - d->clock.elapsed())));
        d->readable.wait(&d->mutex, wake);
    }
}

int SimulatedHidHandle::write(const quint8* data, int length)
{
    SimulatedK93& device = SimulatedK93::instance();
    auto* d = device.d.get();
    if (length < 1)
        return -1;
    // The program writes the report id first; the rest is a device report.
    QByteArray body(reinterpret_cast<const char*>(data) + 1, length - 1);
    body.append(QByteArray(std::max<qsizetype>(0, DeviceType1::ReportSize - body.size()), '\0'));
    const auto frame = DeviceType1::decodeFrame(body.left(DeviceType1::ReportSize));
    {
        QMutexLocker lock(&d->mutex);
        if (!mOpen || !d->plugged)
            return -1;
        if (!frame)
            return length;
        d->written.append(*frame);
        if (frame->command == AuthCode) {
            if (d->authResult != 0) {
                d->queue(AuthCode, d->authResult);
                // A device that has accepted the program tells it its versions.
                for (int i = 1; i <= 5; ++i) {
                    const quint16 c = CommandTable::find("MainWindow", QStringLiteral("FirmwareVersion%1").arg(i))->command;
                    d->queue(c, d->state.value(c));
                }
                const quint16 hw = CommandTable::find("MainWindow", "HardwareVersion")->command;
                d->queue(hw, d->state.value(hw));
            }
        } else if (frame->command != HeartBeatCode) {
            d->state.insert(frame->command, frame->value);
            d->queue(frame->command, frame->value);
        }
    }
    emit device.frameWritten(*frame);
    return length;
}

void SimulatedHidHandle::close()
{
    auto* d = SimulatedK93::instance().d.get();
    QMutexLocker guard(&mMutex);
    QMutexLocker lock(&d->mutex);
    if (mOpen) {
        mOpen = false;
        --d->openHandles;
    }
    d->readable.wakeAll();
}

bool SimulatedHidHandle::isOpen() const
{
    auto* d = SimulatedK93::instance().d.get();
    QMutexLocker lock(&d->mutex);
    return mOpen && d->plugged;
}

QStringList SimulatedDriverBackend::deviceNames()
{
    return SimulatedK93::instance().isPlugged() ? QStringList {QStringLiteral("K93")} : QStringList();
}

QList<unsigned> SimulatedDriverBackend::supportedSampleRates(const QString&)
{
    return {44100, 48000, 88200, 96000, 176400, 192000};
}

QList<unsigned> SimulatedDriverBackend::supportedBufferSizes(const QString&)
{
    return {32, 64, 128, 256, 512, 1024, 2048};
}

unsigned SimulatedDriverBackend::sampleRate(const QString&)
{
    return mRate;
}

unsigned SimulatedDriverBackend::bufferSize(const QString&)
{
    return mSize;
}

bool SimulatedDriverBackend::safeMode(const QString&)
{
    return mSafe;
}

bool SimulatedDriverBackend::setSampleRate(const QString&, unsigned rate)
{
    if (mRefuse)
        return false;
    mRate = rate;
    return true;
}

bool SimulatedDriverBackend::setBufferSize(const QString&, unsigned size)
{
    if (mRefuse)
        return false;
    mSize = size;
    return true;
}

bool SimulatedDriverBackend::setSafeMode(const QString&, bool on)
{
    if (mRefuse)
        return false;
    mSafe = on;
    return true;
}

DeviceOptions parseDeviceOptions(const QStringList& arguments)
{
    DeviceOptions options;
    const QString flag = QStringLiteral("--simulated-device");
    for (const QString& arg : arguments) {
        if (arg == flag) {
            options.simulated = true;
        } else if (arg.startsWith(flag + '=')) {
            options.simulated = true;
            bool ok = false;
            const int result = arg.mid(flag.size() + 1).toInt(&ok);
            if (ok && result >= 0 && result <= 3)
                options.authResult = result;
            else
                qWarning().noquote() << "parseDeviceOptions //handshake result must be 0 to 3, using"
                                     << options.authResult << "instead of" << arg.mid(flag.size() + 1);
        }
    }
    return options;
}

void installDeviceBackends(const DeviceOptions& options)
{
    if (options.simulated) {
        SimulatedK93::instance().setAuthResult(options.authResult);
        HidHandle::setInstance(std::make_unique<SimulatedHidHandle>());
        USBAudioAPI::instance().setBackend(std::make_unique<SimulatedDriverBackend>());
    } else {
        HidHandle::setInstance(std::make_unique<HidApiHandle>());
        USBAudioAPI::instance().setBackend(std::make_unique<HidDriverBackend>());
    }
}
