#include "device/devicetype1.h"

#include "device/hidhandle.h"

#include <QDebug>
#include <QMutexLocker>

const QByteArray FrameSender::ExitEntry = QByteArrayLiteral("--##--<<__EXIT__>>--##--");

namespace {
const int frameInfoTypeId = qRegisterMetaType<DeviceType1::FrameInfo>("DeviceType1::FrameInfo");
}

FrameSender::FrameSender(QObject* parent)
    : QThread(parent)
{
}

void FrameSender::enqueue(const QByteArray& report)
{
    QMutexLocker lock(&mMutex);
    mQueue.enqueue(report);
    mCondition.wakeOne();
}

int FrameSender::pendingCount() const
{
    QMutexLocker lock(&mMutex);
    return int(mQueue.size());
}

QList<QByteArray> FrameSender::pendingReports() const
{
    QMutexLocker lock(&mMutex);
    return QList<QByteArray>(mQueue.cbegin(), mQueue.cend());
}

void FrameSender::requestExit()
{
    QMutexLocker lock(&mMutex);
    // The device is going away: frames still queued would only delay the stop.
    mQueue.clear();
    mQueue.enqueue(ExitEntry);
    mCondition.wakeOne();
}

void FrameSender::clear()
{
    QMutexLocker lock(&mMutex);
    mQueue.clear();
}

void FrameSender::dropExitEntries()
{
    QMutexLocker lock(&mMutex);
    mQueue.removeIf([](const QByteArray& r) { return r == ExitEntry; });
}

void FrameSender::run()
{
    for (;;) {
        QByteArray report;
        {
            QMutexLocker lock(&mMutex);
            while (mQueue.isEmpty())
                mCondition.wait(&mMutex);
            report = mQueue.dequeue();
        }
        if (report == ExitEntry)
            return;
        if (!mHandle)
            continue;
        const int written = mHandle->write(reinterpret_cast<const quint8*>(report.constData()), int(report.size()));
        if (written < 0) {
            qWarning() << "FrameSender::run //write failed";
            emit writeFailed();
            return;
        }
    }
}

QByteArray DeviceType1::encodeFrame(const FrameInfo& frame)
{
    QByteArray r(ReportSize, '\0');
    auto* b = reinterpret_cast<quint8*>(r.data());
    b[0] = 0x00;
    b[1] = 0x22;
    b[2] = 0x33;
    b[3] = frame.header[0];
    b[4] = frame.header[1];
    b[5] = frame.header[2];
    b[6] = quint8(frame.command >> 8);
    b[7] = quint8(frame.command);
    const auto v = quint32(frame.value);
    b[8] = quint8(v >> 24);
    b[9] = quint8(v >> 16);
    b[10] = quint8(v >> 8);
    b[11] = quint8(v);
    b[14] = 'f';
    b[15] = 'w';
    return r;
}

std::optional<DeviceType1::FrameInfo> DeviceType1::decodeFrame(const QByteArray& report)
{
    if (report.size() != ReportSize)
        return std::nullopt;
    const auto* b = reinterpret_cast<const quint8*>(report.constData());
    if (b[0] != 0x22 || b[1] != 0x33)
        return std::nullopt;
    FrameInfo f;
    f.header = {b[2], b[3], b[4]};
    f.command = quint16((b[5] << 8) | b[6]);
    if (f.command == 0)
        return std::nullopt;
    f.value = qint32((quint32(b[7]) << 24) | (quint32(b[8]) << 16) | (quint32(b[9]) << 8) | quint32(b[10]));
    return f;
}

DeviceType1::FrameInfo DeviceType1::makeFrame(quint16 command, qint32 value)
{
    FrameInfo f;
    f.command = command;
    f.value = value;
    return f;
}

DeviceType1::DeviceType1(QObject* parent)
    : QThread(parent)
{
    Q_UNUSED(frameInfoTypeId);
    connect(&mSender, &FrameSender::writeFailed, this, &DeviceType1::sendFailed, Qt::DirectConnection);
}

DeviceType1::~DeviceType1()
{
    stopDevice();
}

void DeviceType1::setHidHandle(HidHandle* handle)
{
    mHandle = handle;
    mSender.setHidHandle(handle);
}

bool DeviceType1::startDevice()
{
    if (isRunning() || mSender.isRunning())
        return !mStop.load();
    if (!mHandle || !mHandle->isOpen()) {
        qWarning() << "DeviceType1::startDevice //no open HID handle";
        return false;
    }
    mSender.dropExitEntries();
    mSender.setHidHandle(mHandle);
    mStop.store(false);
    mSender.start(QThread::InheritPriority);
    start(QThread::InheritPriority);
    return true;
}

void DeviceType1::stopDevice()
{
    mStop.store(true);
    if (mSender.isRunning())
        mSender.requestExit();
    mSender.quit();
    quit();
    mSender.wait();
    wait();
}

void DeviceType1::sendFrame(const FrameInfo& frame)
{
    mSender.enqueue(encodeFrame(frame));
}

void DeviceType1::run()
{
    HidHandle* handle = mHandle;
    quint8 buffer[ReportSize];
    while (!mStop.load()) {
        const int n = handle->read(buffer, ReportSize, ReadTimeoutMs);
        if (n < 0) {
            // Only the first to set the flag reports: a stop racing the failure stays silent.
            if (!mStop.exchange(true)) {
                handle->close();
                qWarning() << "DeviceType1::run //read failed, device disconnected";
                emit deviceDisconnected();
            }
            return;
        }
        if (n == 0)
            continue;
        const auto frame = decodeFrame(QByteArray(reinterpret_cast<const char*>(buffer), n));
        if (frame && !mStop.load())
            emit newFrameReceived(*frame);
    }
}
