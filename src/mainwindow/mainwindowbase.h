#pragma once

#include "app/appsettings.h"
#include "connector/devicewindow.h"
#include "device/devicetype1.h"

#include <QHash>
#include <QTimer>
#include <array>
#include <functional>

// Base of the family's main windows: handshake, heartbeat and online timers,
// and the dispatch of device frames by area to the pages' setters.
class MainWindowBase : public DeviceWindow, public AppSettingsObserver
{
    Q_OBJECT
public:
    using Handler = std::function<void(qint32 value)>;

    MainWindowBase(QWidget* parent, const QString& name);
    ~MainWindowBase() override;

    void connectDevice(bool hidOpened) override;
    int handshakeResult() const { return mHandshakeResult; }
    bool isHandshakeDone() const { return mHandshakeDone; }

    // Registers the setter that shows one device report; the command comes
    // from the command table.
    void addDispatch(const QString& channel, const QString& attribute, Handler handler);
    void addDispatch(quint16 command, Handler handler);

    void appSettingsChanged(QString objectName, QString attribute, QString value) override;

protected:
    // The subclass's device object; a direct member of the subclass.
    virtual DeviceType1& device() = 0;
    virtual void sendSystem(const QString& attribute, const QString& value) = 0;
    // Opens the layout for a handshake result (1, 2, 3 or -1).
    virtual void openLayout(int result) = 0;
    virtual void rescale(double factor) = 0;
    virtual QString deviceName() const = 0;

    void dispatchFrame(const DeviceType1::FrameInfo& frame);

private slots:
    void in_mDevice_newFrameReceived(DeviceType1::FrameInfo frame);
    void in_mDevice_deviceDisconnected();
    void in_mTimerAuth_timeout();
    void in_mTimerHeartBeat_timeout();
    void in_mTimerOnline_timeout();

private:
    void finishHandshake(int result);
    void reportDisconnected();

    std::array<QHash<quint16, Handler>, 16> mDispatch;
    QTimer mTimerAuth;
    QTimer mTimerHeartBeat;
    QTimer mTimerOnline;
    int mAuthTicks = 0;
    int mHandshakeResult = 0;
    bool mHandshakeDone = false;
    bool mDisconnected = false;
};
