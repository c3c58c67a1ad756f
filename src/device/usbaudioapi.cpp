#include "device/usbaudioapi.h"

#include "device/hidhandle.h"

#include <QDebug>
#include <QTimer>
#include <cmath>
#include <limits>

namespace {
constexpr double ZeroDbLinear = 33554432.0; // 2^25
}

QStringList HidDriverBackend::deviceNames()
{
    QStringList names;
    const int count = HidApiHandle::deviceCount(HidHandle::K93VendorId, HidHandle::K93ProductId);
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("K93");
    return names;
}

USBAudioAPI::USBAudioAPI()
    : mBackend(std::make_unique<HidDriverBackend>())
{
}

USBAudioAPI& USBAudioAPI::instance()
{
    static USBAudioAPI api;
    return api;
}

qint64 USBAudioAPI::dbToLinear(double db, double floor)
{
    if (std::isnan(db) || db <= floor)
        return 0;
    // Converting a double beyond the 64-bit range is undefined: saturate.
    const double linear = std::trunc(std::pow(10.0, db / 20.0) * ZeroDbLinear);
    if (!(linear < 9.2e18))
        return std::numeric_limits<qint64>::max();
    return qint64(linear);
}

double USBAudioAPI::linearToDb(qint64 value)
{
    if (value <= 0)
        return -90.0;
    return 20.0 * std::log10(double(value) / ZeroDbLinear);
}

void USBAudioAPI::setBackend(std::unique_ptr<DriverBackend> backend)
{
    mBackend = std::move(backend);
}

QStringList USBAudioAPI::getDeviceNames() const
{
    return mBackend ? mBackend->deviceNames() : QStringList();
}

bool USBAudioAPI::setActiveDevice(const QString& name)
{
    if (!getDeviceNames().contains(name)) {
        qWarning().noquote() << "USBAudioAPI::setActiveDevice //device not found:" << name;
        return false;
    }
    mActiveDevice = name;
    return true;
}

bool USBAudioAPI::isActiveDeviceConnected() const
{
    return !mActiveDevice.isEmpty() && getDeviceNames().contains(mActiveDevice);
}

QList<unsigned> USBAudioAPI::getSupportedSampleRatesOfActiveDevice() const
{
    return isActiveDeviceConnected() ? mBackend->supportedSampleRates(mActiveDevice) : QList<unsigned>();
}

QList<unsigned> USBAudioAPI::getSupportedBufferSizesOfActiveDevice() const
{
    return isActiveDeviceConnected() ? mBackend->supportedBufferSizes(mActiveDevice) : QList<unsigned>();
}

unsigned USBAudioAPI::getSampleRateOfActiveDevice() const
{
    return isActiveDeviceConnected() ? mBackend->sampleRate(mActiveDevice) : 0;
}

unsigned USBAudioAPI::getBufferSizeOfActiveDevice() const
{
    return isActiveDeviceConnected() ? mBackend->bufferSize(mActiveDevice) : 0;
}

bool USBAudioAPI::getSafeModeOfActiveDevice() const
{
    return isActiveDeviceConnected() && mBackend->safeMode(mActiveDevice);
}

bool USBAudioAPI::setSampleRateOfActiveDevice(unsigned rate)
{
    const QList<unsigned> rates = getSupportedSampleRatesOfActiveDevice();
    if (!rates.isEmpty() && !rates.contains(rate))
        return false;
    // An empty list means the driver offers no control: that is a refusal too.
    if (rates.isEmpty() || !mBackend->setSampleRate(mActiveDevice, rate)) {
        qWarning() << "USBAudioAPI::setSampleRateOfActiveDevice //failed to set sample rate";
        return false;
    }
    return true;
}

bool USBAudioAPI::setBufferSizeOfActiveDevice(unsigned size)
{
    if (!isActiveDeviceConnected()) {
        qWarning() << "USBAudioAPI::setBufferSizeOfActiveDevice //failed to get asio instance details";
        return false;
    }
    const QList<unsigned> sizes = mBackend->supportedBufferSizes(mActiveDevice);
    if (sizes.isEmpty()) {
        qWarning() << "USBAudioAPI::setBufferSizeOfActiveDevice //failed to get asio instance info";
        return false;
    }
    if (!sizes.contains(size))
        return false;
    if (!mBackend->setBufferSize(mActiveDevice, size)) {
        qWarning() << "USBAudioAPI::setBufferSizeOfActiveDevice //failed to set asio buffer preferred size";
        return false;
    }
    return true;
}

bool USBAudioAPI::setSafeModeOfActiveDevice(bool on)
{
    if (!isActiveDeviceConnected()) {
        qWarning() << "USBAudioAPI::setSafeModeOfActiveDevice //failed to get asio instance details";
        return false;
    }
    if (mBackend->supportedBufferSizes(mActiveDevice).isEmpty()) {
        qWarning() << "USBAudioAPI::setSafeModeOfActiveDevice //failed to get asio instance info";
        return false;
    }
    if (!mBackend->setSafeMode(mActiveDevice, on)) {
        // The driver's own wording for this step.
        qWarning() << "USBAudioAPI::setSafeModeOfActiveDevice //failed to set asio buffer preferred size";
        return false;
    }
    return true;
}

struct DriverPoller::Private {
    QTimer* timer = nullptr;
    qint64 sampleRate = -1;
    qint64 bufferSize = -1;
    qint64 safeMode = -1;

    void reset() { sampleRate = bufferSize = safeMode = -1; }
};

DriverPoller::DriverPoller()
    : d(std::make_unique<Private>())
{
    d->timer = new QTimer(this);
    d->timer->setInterval(500);
    connect(d->timer, &QTimer::timeout, this, &DriverPoller::poll);
}

DriverPoller::~DriverPoller() = default;

DriverPoller& DriverPoller::instance()
{
    static DriverPoller poller;
    return poller;
}

void DriverPoller::start()
{
    if (d->timer->isActive())
        return;
    poll();
    d->timer->start();
}

void DriverPoller::stop()
{
    d->timer->stop();
    d->reset();
}

bool DriverPoller::isActive() const
{
    return d->timer->isActive();
}

void DriverPoller::setInterval(int ms)
{
    d->timer->setInterval(ms);
}

int DriverPoller::interval() const
{
    return d->timer->interval();
}

void DriverPoller::poll()
{
    USBAudioAPI& api = USBAudioAPI::instance();
    if (!api.isActiveDeviceConnected())
        return;
    const qint64 rate = api.getSampleRateOfActiveDevice();
    const qint64 size = api.getBufferSizeOfActiveDevice();
    const qint64 safe = api.getSafeModeOfActiveDevice() ? 1 : 0;
    if (rate != d->sampleRate) {
        d->sampleRate = rate;
        emit attributeChanged("SampleRate", QString::number(rate));
    }
    if (size != d->bufferSize) {
        d->bufferSize = size;
        emit attributeChanged("BufferSize", QString::number(size));
    }
    if (safe != d->safeMode) {
        d->safeMode = safe;
        emit attributeChanged("SafeMode", QString::number(safe));
    }
}
