#include "mainwindow/mainwindowbase.h"

#include "connector/connectiontiming.h"
#include "device/commandtable.h"
#include "device/hidhandle.h"
#include "device/usbaudioapi.h"

#include <QSettings>
#include <QtDebug>

MainWindowBase::MainWindowBase(QWidget* parent, const QString& name)
    : DeviceWindow(parent)
    , AppSettingsObserver(name)
{
    setObjectName(name);
    qRegisterMetaType<DeviceType1::FrameInfo>("DeviceType1::FrameInfo");
    connect(&mTimerAuth, &QTimer::timeout, this, &MainWindowBase::in_mTimerAuth_timeout);
    connect(&mTimerHeartBeat, &QTimer::timeout, this, &MainWindowBase::in_mTimerHeartBeat_timeout);
    connect(&mTimerOnline, &QTimer::timeout, this, &MainWindowBase::in_mTimerOnline_timeout);
}

MainWindowBase::~MainWindowBase()
{
    mTimerAuth.stop();
    mTimerHeartBeat.stop();
    mTimerOnline.stop();
    if (AppSettingsSubject::instance().getMainWindow() == this)
        AppSettingsSubject::instance().setMainWindow(nullptr);
}

void MainWindowBase::connectDevice(bool hidOpened)
{
    if (!hidOpened) {
        finishHandshake(-1);
        return;
    }
    DeviceType1& dev = device();
    dev.setHidHandle(&HidHandle::instance());
    connect(&dev, &DeviceType1::newFrameReceived, this, &MainWindowBase::in_mDevice_newFrameReceived, Qt::QueuedConnection);
    connect(&dev, &DeviceType1::deviceDisconnected, this, &MainWindowBase::in_mDevice_deviceDisconnected, Qt::QueuedConnection);
    if (!dev.startDevice()) {
        qWarning() << "MainWindowBase::connectDevice //the device did not start";
        finishHandshake(0);
        return;
    }
    mAuthTicks = 0;
    sendSystem("Auth", "1");
    mTimerAuth.start(ConnectionTiming::authMs);
}

void MainWindowBase::in_mTimerAuth_timeout()
{
    if (++mAuthTicks >= ConnectionTiming::authTicks) {
        finishHandshake(0);
        return;
    }
    sendSystem("Auth", "1");
}

void MainWindowBase::finishHandshake(int result)
{
    if (mHandshakeDone)
        return;
    mTimerAuth.stop();
    if (result != -1 && (result < 1 || result > 3)) {
        if (result != 0)
            qWarning() << "MainWindowBase::finishHandshake //unknown handshake result" << result;
        result = 0;
    }
    mHandshakeDone = true;
    mHandshakeResult = result;
    if (result == 0) {
        emit attributeChanged("", "AuthResult", "Failed");
        return;
    }

    QSettings settings;
    auto& subject = AppSettingsSubject::instance();
    subject.changeLanguage(settings.value("Language", "English").toString());
    subject.changeScaleFactor(settings.value("ScaleFactor", 1.5).toString());
    subject.setMainWindow(this);
    USBAudioAPI::instance().setActiveDevice(deviceName());

    openLayout(result);
    if (result != -1) {
        DriverPoller::instance().setInterval(ConnectionTiming::driverPollMs);
        DriverPoller::instance().start();
        sendSystem("HeartBeat", "1");
        mTimerHeartBeat.start(ConnectionTiming::heartbeatMs);
    } else {
        mTimerOnline.start(ConnectionTiming::onlineMs);
    }
    show();
    emit attributeChanged("", "AuthResult", "Success");
}

void MainWindowBase::in_mTimerHeartBeat_timeout()
{
    sendSystem("HeartBeat", "1");
}

void MainWindowBase::in_mTimerOnline_timeout()
{
    if (!USBAudioAPI::instance().isActiveDeviceConnected())
        reportDisconnected();
}

void MainWindowBase::in_mDevice_deviceDisconnected()
{
    reportDisconnected();
}

void MainWindowBase::reportDisconnected()
{
    if (mDisconnected)
        return;
    mDisconnected = true;
    disconnect(&device(), &DeviceType1::newFrameReceived, this, &MainWindowBase::in_mDevice_newFrameReceived);
    mTimerAuth.stop();
    mTimerHeartBeat.stop();
    mTimerOnline.stop();
    DriverPoller::instance().stop();
    emit attributeChanged("", "Disconnected", "1");
}

void MainWindowBase::in_mDevice_newFrameReceived(DeviceType1::FrameInfo frame)
{
    if (mDisconnected)
        return;
    if (!mHandshakeDone) {
        const auto* entry = CommandTable::find(frame.command);
        if (entry && entry->channel == "MainWindow" && entry->attribute == "Auth")
            finishHandshake(frame.value);
        return;
    }
    dispatchFrame(frame);
}

void MainWindowBase::addDispatch(const QString& channel, const QString& attribute, Handler handler)
{
    const auto* entry = CommandTable::find(channel, attribute);
    if (!entry) {
        qWarning().noquote() << "MainWindowBase::addDispatch //no command for" << channel << attribute;
        return;
    }
    addDispatch(entry->command, std::move(handler));
}

void MainWindowBase::addDispatch(quint16 command, Handler handler)
{
    mDispatch[command >> 12].insert(command, std::move(handler));
}

void MainWindowBase::dispatchFrame(const DeviceType1::FrameInfo& frame)
{
    const auto& table = mDispatch[frame.command >> 12];
    if (auto it = table.constFind(frame.command); it != table.constEnd())
        (*it)(frame.value);
}

void MainWindowBase::appSettingsChanged(QString objectName, QString attribute, QString value)
{
    Q_UNUSED(objectName);
    if (attribute == "ScaleFactor") {
        bool ok = false;
        const double factor = value.toDouble(&ok);
        if (ok && factor >= 0.5 && factor <= 4.0)
            rescale(factor);
    }
}
