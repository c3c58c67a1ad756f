#pragma once

#include <QMutex>
#include <QtGlobal>
#include <memory>

// The one seam to the device's HID interface: hidapi for the real K93, or the
// simulated K93. Nothing outside src/device/ includes hidapi.
class HidHandle
{
public:
    virtual ~HidHandle() = default;

    // One attempt to open the first device with these ids.
    virtual bool open(quint16 vendorId, quint16 productId) = 0;
    // Up to `tries` attempts, `intervalMs` apart (201 and 10 for the K93).
    bool openWithRetries(quint16 vendorId, quint16 productId, int tries = 201, int intervalMs = 10);
    // Bytes read (up to length), 0 on time-out, -1 on failure (device gone).
    virtual int read(quint8* buffer, int length, int timeoutMs) = 0;
    // Bytes written, -1 on failure.
    virtual int write(const quint8* data, int length) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // The program's one handle; defaults to the hidapi implementation.
    static HidHandle& instance();
    static void setInstance(std::unique_ptr<HidHandle> handle);

    static constexpr quint16 K93VendorId = 0x152A;
    static constexpr quint16 K93ProductId = 0x3E71;

protected:
    QMutex mMutex; // taken to close, so no read or write sees a half-closed handle
};

// hidapi (hidraw) implementation.
class HidApiHandle : public HidHandle
{
public:
    HidApiHandle();
    ~HidApiHandle() override;
    bool open(quint16 vendorId, quint16 productId) override;
    int read(quint8* buffer, int length, int timeoutMs) override;
    int write(const quint8* data, int length) override;
    void close() override;
    bool isOpen() const override;

    static bool initLibrary();
    static void exitLibrary();
    // True when hidapi enumerates a device with these ids.
    static bool isPresent(quint16 vendorId, quint16 productId);
    // How many such devices are attached (one device has several interfaces).
    static int deviceCount(quint16 vendorId, quint16 productId);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
