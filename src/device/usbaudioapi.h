#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

// Stands in for the vendor's USB audio driver API, which these machines lack.
class DriverBackend
{
public:
    virtual ~DriverBackend() = default;
    virtual QStringList deviceNames() = 0;
    virtual QList<unsigned> supportedSampleRates(const QString& device) = 0;
    virtual QList<unsigned> supportedBufferSizes(const QString& device) = 0;
    virtual unsigned sampleRate(const QString& device) = 0;
    virtual unsigned bufferSize(const QString& device) = 0;
    virtual bool safeMode(const QString& device) = 0;
    // Return false when the driver refuses.
    virtual bool setSampleRate(const QString& device, unsigned rate) = 0;
    virtual bool setBufferSize(const QString& device, unsigned size) = 0;
    virtual bool setSafeMode(const QString& device, bool on) = 0;
};

// Linux: finds the K93 through HID enumeration; the class driver offers no
// sample-rate, buffer-size or safe-mode control, so the lists are empty and
// the setters refuse.
class HidDriverBackend : public DriverBackend
{
public:
    QStringList deviceNames() override;
    QList<unsigned> supportedSampleRates(const QString&) override { return {}; }
    QList<unsigned> supportedBufferSizes(const QString&) override { return {}; }
    unsigned sampleRate(const QString&) override { return 0; }
    unsigned bufferSize(const QString&) override { return 0; }
    bool safeMode(const QString&) override { return false; }
    bool setSampleRate(const QString&, unsigned) override { return false; }
    bool setBufferSize(const QString&, unsigned) override { return false; }
    bool setSafeMode(const QString&, bool) override { return false; }
};

// Driver layer: device names, sample rate, buffer size, safe mode, and the
// mixer gain unit conversions (2^25 is 0 dB).
class USBAudioAPI
{
public:
    static USBAudioAPI& instance();

    static qint64 dbToLinear(double db, double floor);
    static double linearToDb(qint64 value);

    // Defaults to the hidapi-enumeration backend.
    void setBackend(std::unique_ptr<DriverBackend> backend);
    DriverBackend* backend() const { return mBackend.get(); }

    QStringList getDeviceNames() const;
    bool setActiveDevice(const QString& name);
    QString getActiveDevice() const { return mActiveDevice; }
    bool isActiveDeviceConnected() const;

    QList<unsigned> getSupportedSampleRatesOfActiveDevice() const;
    QList<unsigned> getSupportedBufferSizesOfActiveDevice() const;
    unsigned getSampleRateOfActiveDevice() const;
    unsigned getBufferSizeOfActiveDevice() const;
    bool getSafeModeOfActiveDevice() const;

    bool setSampleRateOfActiveDevice(unsigned rate);
    bool setBufferSizeOfActiveDevice(unsigned size);
    bool setSafeModeOfActiveDevice(bool on);

private:
    USBAudioAPI();
    std::unique_ptr<DriverBackend> mBackend;
    QString mActiveDevice;
};

// Polls the driver once at start and every 500 ms; reports only changes.
class DriverPoller : public QObject
{
    Q_OBJECT
public:
    static DriverPoller& instance();
    ~DriverPoller() override;
    void start();
    void stop();
    bool isActive() const;
    void setInterval(int ms);
    int interval() const;

signals:
    // ("SampleRate" | "BufferSize" | "SafeMode", decimal text)
    void attributeChanged(QString attribute, QString value);

private:
    DriverPoller();
    void poll();
    struct Private;
    std::unique_ptr<Private> d;
};
