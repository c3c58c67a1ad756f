#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QMutex>
#include <QQueue>
#include <QThread>
#include <QWaitCondition>
#include <array>
#include <atomic>
#include <optional>

class HidHandle;

// Takes encoded reports from the GUI thread and writes them to the HID handle.
// Owned by the device object; ends when it takes the exit entry.
class FrameSender : public QThread
{
    Q_OBJECT
public:
    static const QByteArray ExitEntry; // "--##--<<__EXIT__>>--##--"

    explicit FrameSender(QObject* parent = nullptr);
    void setHidHandle(HidHandle* handle) { mHandle = handle; }
    void enqueue(const QByteArray& report);
    int pendingCount() const;
    // The reports not yet written, oldest first.
    QList<QByteArray> pendingReports() const;
    // Drops what is queued and queues the exit entry, so that the sender
    // ends after the write in progress.
    void requestExit();
    void clear();
    // Forgets an exit entry that a stop left behind, keeping the frames.
    void dropExitEntries();

signals:
    // A write failed; the sender has ended.
    void writeFailed();

protected:
    void run() override;

private:
    mutable QMutex mMutex;
    QWaitCondition mCondition;
    QQueue<QByteArray> mQueue;
    HidHandle* mHandle = nullptr;
};

// Family base of the HID device objects: the object itself is the reader
// thread; it owns the sender thread.
class DeviceType1 : public QThread
{
    Q_OBJECT
public:
    struct FrameInfo {
        std::array<quint8, 3> header {};
        quint16 command = 0;
        qint32 value = 0;
        bool operator==(const FrameInfo&) const = default;
    };
    static constexpr int ReportSize = 16;
    // How long one read blocks before the reader looks at its stop flag.
    static constexpr int ReadTimeoutMs = 50;

    // 16 bytes: report id 0x00, 0x22 0x33, header, command and value
    // big-endian, 0x00 0x00, "fw".
    static QByteArray encodeFrame(const FrameInfo& frame);
    // A received report has no report id; anything malformed gives nothing.
    static std::optional<FrameInfo> decodeFrame(const QByteArray& report);
    static FrameInfo makeFrame(quint16 command, qint32 value);

    explicit DeviceType1(QObject* parent = nullptr);
    ~DeviceType1() override;

    void setHidHandle(HidHandle* handle);
    HidHandle* hidHandle() const { return mHandle; }
    // Starts the reader and the sender; false without an open handle.
    bool startDevice();
    // Sets the stop flag, queues the exit entry, quits and waits for both.
    void stopDevice();
    bool isStopped() const { return mStop.load(); }

    void sendFrame(const FrameInfo& frame);
    void sendCommand(quint16 command, qint32 value) { sendFrame(makeFrame(command, value)); }
    FrameSender& sender() { return mSender; }

signals:
    // Emitted on the reader thread; connect with a queued connection.
    void newFrameReceived(DeviceType1::FrameInfo frame);
    // A read failed: the handle is closed and the reader has ended. Once.
    void deviceDisconnected();
    void sendFailed();

protected:
    void run() override;

private:
    HidHandle* mHandle = nullptr;
    FrameSender mSender;
    std::atomic<bool> mStop {true};
};

Q_DECLARE_METATYPE(DeviceType1::FrameInfo)
