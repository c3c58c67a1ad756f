#include "device/hidhandle.h"

#include <QDebug>
#include <QMutexLocker>
#include <QReadWriteLock>
#include <QSet>
#include <QThread>
#include <QVarLengthArray>

#include <hidapi.h>

#include <algorithm>

bool HidHandle::openWithRetries(quint16 vendorId, quint16 productId, int tries, int intervalMs)
{
    for (int i = 0; i < tries; ++i) {
        if (open(vendorId, productId))
            return true;
        if (i + 1 < tries)
            QThread::msleep(ulong(std::max(0, intervalMs)));
    }
    qWarning().noquote() << QStringLiteral("HidHandle::openWithRetries //failed to open %1:%2 after %3 tries")
                                .arg(vendorId, 4, 16, QLatin1Char('0'))
                                .arg(productId, 4, 16, QLatin1Char('0'))
                                .arg(tries);
    return false;
}

namespace {
std::unique_ptr<HidHandle>& instanceSlot()
{
    static std::unique_ptr<HidHandle> handle;
    return handle;
}
} // namespace

HidHandle& HidHandle::instance()
{
    auto& slot = instanceSlot();
    if (!slot)
        slot = std::make_unique<HidApiHandle>();
    return *slot;
}

void HidHandle::setInstance(std::unique_ptr<HidHandle> handle)
{
    instanceSlot() = std::move(handle);
}

struct HidApiHandle::Private {
    // Reads and writes share the lock so that they run side by side; close
    // takes it exclusively, so neither sees a half-closed device.
    QReadWriteLock lock;
    hid_device* device = nullptr;
};

HidApiHandle::HidApiHandle()
    : d(std::make_unique<Private>())
{
}

HidApiHandle::~HidApiHandle()
{
    close();
}

bool HidApiHandle::open(quint16 vendorId, quint16 productId)
{
    QMutexLocker guard(&mMutex);
    QWriteLocker lock(&d->lock);
    if (d->device) {
        hid_close(d->device);
        d->device = nullptr;
    }
    d->device = hid_open(vendorId, productId, nullptr);
    return d->device != nullptr;
}

int HidApiHandle::read(quint8* buffer, int length, int timeoutMs)
{
    QReadLocker lock(&d->lock);
    if (!d->device)
        return -1;
    const int n = hid_read_timeout(d->device, buffer, size_t(std::max(0, length)), timeoutMs);
    return n < 0 ? -1 : n;
}

int HidApiHandle::write(const quint8* data, int length)
{
    QReadLocker lock(&d->lock);
    if (!d->device || length <= 0)
        return -1;
#ifdef Q_OS_LINUX
    // hidraw sends exactly what it is given; the device expects a whole report.
    constexpr int fullReport = 1 + 16;
    if (length < fullReport) {
        QVarLengthArray<quint8, fullReport> padded(fullReport);
        std::fill(padded.begin(), padded.end(), quint8(0));
        std::copy(data, data + length, padded.begin());
        const int n = hid_write(d->device, padded.constData(), fullReport);
        return n < 0 ? -1 : std::min(n, length);
    }
#endif
    const int n = hid_write(d->device, data, size_t(length));
    return n < 0 ? -1 : n;
}

void HidApiHandle::close()
{
    QMutexLocker guard(&mMutex);
    QWriteLocker lock(&d->lock);
    if (d->device) {
        hid_close(d->device);
        d->device = nullptr;
    }
}

bool HidApiHandle::isOpen() const
{
    QReadLocker lock(&d->lock);
    return d->device != nullptr;
}

bool HidApiHandle::initLibrary()
{
    if (hid_init() != 0) {
        qWarning() << "HidApiHandle::initLibrary //hid_init failed";
        return false;
    }
    return true;
}

void HidApiHandle::exitLibrary()
{
    hid_exit();
}

bool HidApiHandle::isPresent(quint16 vendorId, quint16 productId)
{
    return deviceCount(vendorId, productId) > 0;
}

int HidApiHandle::deviceCount(quint16 vendorId, quint16 productId)
{
    hid_device_info* list = hid_enumerate(vendorId, productId);
    // One device shows one entry per HID interface; its serial number tells
    // devices apart.
    QSet<QString> serials;
    int withoutSerial = 0;
    for (hid_device_info* i = list; i; i = i->next) {
        if (i->serial_number && *i->serial_number)
            serials.insert(QString::fromWCharArray(i->serial_number));
        else
            withoutSerial = 1;
    }
    hid_free_enumeration(list);
    return int(serials.size()) + (serials.isEmpty() ? withoutSerial : 0);
}
