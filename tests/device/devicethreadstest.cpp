#include "testsupport.h"

#include "device/devicek93.h"
#include "device/hidhandle.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QQueue>
#include <QWaitCondition>
#include <atomic>

namespace {

// A scripted HID device: reads block on a wait condition until a report is
// pushed or the time-out passes; writes can be slowed down or made to fail.
class FakeHidHandle : public HidHandle
{
public:
    bool open(quint16, quint16) override
    {
        QMutexLocker lock(&mLock);
        mOpen = true;
        return true;
    }
    int read(quint8* buffer, int length, int timeoutMs) override
    {
        QMutexLocker lock(&mLock);
        QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            if (!mOpen || mFailReads)
                return -1;
            if (!mReports.isEmpty()) {
                const QByteArray r = mReports.dequeue();
                const int n = std::min(length, int(r.size()));
                memcpy(buffer, r.constData(), size_t(n));
                return n;
            }
            if (!mReadable.wait(&mLock, deadline))
                return 0;
        }
    }
    int write(const quint8* data, int length) override
    {
        if (writeDelayMs > 0)
            QThread::msleep(ulong(writeDelayMs));
        QMutexLocker lock(&mLock);
        if (!mOpen || mFailWrites)
            return -1;
        mWritten.append(QByteArray(reinterpret_cast<const char*>(data), length));
        return length;
    }
    void close() override
    {
        QMutexLocker lock(&mLock);
        mOpen = false;
        ++closeCount;
        mReadable.wakeAll();
    }
    bool isOpen() const override
    {
        QMutexLocker lock(&mLock);
        return mOpen;
    }

    void push(const QByteArray& report)
    {
        QMutexLocker lock(&mLock);
        mReports.enqueue(report);
        mReadable.wakeAll();
    }
    void failReads()
    {
        QMutexLocker lock(&mLock);
        mFailReads = true;
        mReadable.wakeAll();
    }
    void failWrites()
    {
        QMutexLocker lock(&mLock);
        mFailWrites = true;
    }
    QList<QByteArray> written() const
    {
        QMutexLocker lock(&mLock);
        return mWritten;
    }

    std::atomic<int> writeDelayMs {0};
    std::atomic<int> closeCount {0};

private:
    mutable QMutex mLock;
    QWaitCondition mReadable;
    QQueue<QByteArray> mReports;
    QList<QByteArray> mWritten;
    bool mOpen = false;
    bool mFailReads = false;
    bool mFailWrites = false;
};

QByteArray received(quint16 command, qint32 value)
{
    return DeviceType1::encodeFrame(DeviceType1::makeFrame(command, value)).mid(1) + QByteArray(1, '\0');
}

} // namespace

class DeviceThreadsTest : public QObject
{
    Q_OBJECT

    FakeHidHandle* mHandle = nullptr;
    DeviceK93* mDevice = nullptr;

private slots:
    void init()
    {
        mHandle = new FakeHidHandle;
        mHandle->open(HidHandle::K93VendorId, HidHandle::K93ProductId);
        mDevice = new DeviceK93;
        mDevice->setHidHandle(mHandle);
    }
    void cleanup()
    {
        delete mDevice;
        delete mHandle;
    }

    void startNeedsAnOpenHandle()
    {
        DeviceK93 device;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no open HID handle"));
        QVERIFY(!device.startDevice());
        mHandle->close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no open HID handle"));
        QVERIFY(!mDevice->startDevice());
    }

    void senderEndsOnTheExitEntry()
    {
        FrameSender sender;
        sender.setHidHandle(mHandle);
        sender.start();
        sender.enqueue("one");
        sender.enqueue("two");
        sender.enqueue(FrameSender::ExitEntry);
        QVERIFY(sender.wait(5000));
        QCOMPARE(mHandle->written(), (QList<QByteArray> {"one", "two"}));
    }

    void framesGoOutAndComeInOnTheGuiThread()
    {
        QVERIFY(mDevice->startDevice());
        mDevice->sendCommand(0x2101, -7);
        QTRY_COMPARE(mHandle->written().size(), 1);
        QCOMPARE(mHandle->written().first(), DeviceType1::encodeFrame(DeviceType1::makeFrame(0x2101, -7)));

        QList<DeviceType1::FrameInfo> frames;
        QThread* receivedOn = nullptr;
        QObject context;
        connect(mDevice, &DeviceType1::newFrameReceived, &context, [&](DeviceType1::FrameInfo f) {
            receivedOn = QThread::currentThread();
            frames.append(f);
        });
        mHandle->push(received(0x3111, -250));
        mHandle->push(QByteArray(16, 'x'));      // wrong markers
        mHandle->push(received(0x3111, 5).left(12)); // short
        mHandle->push(received(0x6101, 3));
        QTRY_COMPARE(frames.size(), 2);
        QCOMPARE(receivedOn, QThread::currentThread());
        QCOMPARE(frames[0], DeviceType1::makeFrame(0x3111, -250));
        QCOMPARE(frames[1], DeviceType1::makeFrame(0x6101, 3));
    }

    void stopReturnsPromptlyWithFramesQueued()
    {
        mHandle->writeDelayMs = 2;
        QVERIFY(mDevice->startDevice());
        for (int i = 0; i < 5000; ++i) // ten seconds of writes at this pace
            mDevice->sendCommand(0x3111, i);
        QTRY_VERIFY(!mHandle->written().isEmpty());
        QElapsedTimer t;
        t.start();
        mDevice->stopDevice();
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
        QVERIFY(mDevice->isFinished());
        QVERIFY(mDevice->sender().isFinished());
        QVERIFY(mHandle->written().size() < 5000);
        mDevice->stopDevice(); // twice is harmless
        QVERIFY(mDevice->isStopped());
    }

    void aReadFailureGivesExactlyOneDisconnect()
    {
        QSignalSpy disconnected(mDevice, &DeviceType1::deviceDisconnected);
        QVERIFY(mDevice->startDevice());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("read failed"));
        mHandle->failReads();
        QVERIFY(disconnected.wait(5000));
        QVERIFY(mDevice->wait(5000));
        QVERIFY(mDevice->isStopped());
        QVERIFY(!mHandle->isOpen());
        QCOMPARE(mHandle->closeCount.load(), 1);
        mDevice->stopDevice();
        QTest::qWait(20);
        QCOMPARE(disconnected.size(), 1);
        QVERIFY(mDevice->sender().isFinished());
    }

    void aStopIsNotADisconnect()
    {
        QSignalSpy disconnected(mDevice, &DeviceType1::deviceDisconnected);
        QVERIFY(mDevice->startDevice());
        mDevice->stopDevice();
        mHandle->close(); // what the owner does after a stop
        QTest::qWait(20);
        QCOMPARE(disconnected.size(), 0);
    }

    void aWriteFailureEndsOnlyTheSender()
    {
        QSignalSpy failed(mDevice, &DeviceType1::sendFailed);
        QVERIFY(mDevice->startDevice());
        mHandle->failWrites();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("write failed"));
        mDevice->sendCommand(0x1002, 1);
        QVERIFY(mDevice->sender().wait(5000));
        QCOMPARE(failed.size(), 1);
        QVERIFY(mDevice->isRunning());
        mDevice->stopDevice();
    }

    void framesQueuedWhileStoppedGoOutOnTheNextStart()
    {
        mDevice->sendCommand(0x2101, 1); // before the first start
        QVERIFY(mDevice->startDevice());
        QTRY_COMPARE(mHandle->written().size(), 1);
        mDevice->stopDevice();
        mDevice->sendCommand(0x2101, 2);
        QVERIFY(mDevice->startDevice()); // the stop's exit entry must not end this run
        mDevice->sendCommand(0x2101, 3);
        QTRY_COMPARE(mHandle->written().size(), 3);
        QCOMPARE(DeviceType1::decodeFrame(mHandle->written()[1].mid(1) + '\0')->value, 2);
        QCOMPARE(DeviceType1::decodeFrame(mHandle->written()[2].mid(1) + '\0')->value, 3);
        QVERIFY(mDevice->sender().isRunning());
    }

    void destroyingARunningDeviceStopsIt()
    {
        auto* device = new DeviceK93;
        device->setHidHandle(mHandle);
        QVERIFY(device->startDevice());
        for (int i = 0; i < 100; ++i)
            device->sendCommand(0x3111, i);
        delete device; // must neither hang nor crash
        QVERIFY(true);
    }
};

// Without a K93 attached: the hidapi handle must fail cleanly, never crash.
class HidApiHandleTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(HidApiHandle::initLibrary()); }
    void cleanupTestCase() { HidApiHandle::exitLibrary(); }

    void aClosedHandleFailsEveryCall()
    {
        HidApiHandle handle;
        QVERIFY(!handle.isOpen());
        quint8 buffer[16] = {};
        QCOMPARE(handle.read(buffer, 16, 0), -1);
        QCOMPARE(handle.write(buffer, 16), -1);
        handle.close();
        handle.close();
        // No device has this id pair.
        QVERIFY(!handle.open(0xFFFE, 0xFFFE));
        QVERIFY(!HidApiHandle::isPresent(0xFFFE, 0xFFFE));
        QCOMPARE(HidApiHandle::deviceCount(0xFFFE, 0xFFFE), 0);
    }

    void theProgramsHandleCanBeReplaced()
    {
        QVERIFY(dynamic_cast<HidApiHandle*>(&HidHandle::instance()));
        HidHandle::setInstance(std::make_unique<FakeHidHandle>());
        QVERIFY(dynamic_cast<FakeHidHandle*>(&HidHandle::instance()));
        HidHandle::setInstance(nullptr);
        QVERIFY(dynamic_cast<HidApiHandle*>(&HidHandle::instance()));
    }
};

K93_TEST(DeviceThreadsTest)
K93_TEST(HidApiHandleTest)
#include "devicethreadstest.moc"
