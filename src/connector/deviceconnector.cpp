#include "connector/deviceconnector.h"

#include "app/globalfont.h"
#include "connector/connectiontiming.h"
#include "connector/devicewindow.h"
#include "device/hidhandle.h"
#include "device/usbaudioapi.h"
#include "widgets/theme.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSettings>
#include <QStackedWidget>
#include <QThread>
#include <QVBoxLayout>
#include <QtDebug>
#include <atomic>
#include <memory>

namespace {
struct PageText {
    const char* english;
    const char* chinese;
};

PageText textOf(DeviceConnector::Page page)
{
    switch (page) {
    case DeviceConnector::Page::Waiting:
        return {"Waiting for the device\nConnect the K93 with a USB cable.", "正在等待设备\n请使用USB线连接K93。"};
    case DeviceConnector::Page::Multiple:
        return {"Multiple devices detected\nConnect only one K93 at a time.", "检测到多台设备\n请一次只连接一台K93。"};
    case DeviceConnector::Page::Connecting:
        return {"Connecting to the K93…", "正在连接K93…"};
    case DeviceConnector::Page::Failed:
        return {"Connection failed\nThe device did not answer; trying again shortly.", "连接失败\n设备没有应答，稍后将重试。"};
    }
    return {"", ""};
}

constexpr int kBaseWidth = 360;
constexpr int kBaseHeight = 220;
}

DeviceConnector::DeviceConnector(QWidget* parent)
    : QWidget(parent)
    , AppSettingsObserver("DeviceConnector")
{
    setWindowTitle(QCoreApplication::applicationName());
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString("DeviceConnector { background-color: %1; } QLabel { color: %2; }")
                      .arg(Theme::Window.name(), Theme::TextOn.name()));

    auto* layout = new QVBoxLayout(this);
    mTitle = new QLabel(QCoreApplication::applicationName(), this);
    mTitle->setAlignment(Qt::AlignCenter);
    mTitle->setStyleSheet(QString("color: %1; font-weight: bold;").arg(Theme::Accent.name()));
    layout->addWidget(mTitle);
    mStack = new QStackedWidget(this);
    for (Page page : {Page::Waiting, Page::Multiple, Page::Connecting, Page::Failed}) {
        auto* label = new QLabel(mStack);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        mStack->addWidget(label);
        mPageLabels.insert(page, label);
    }
    layout->addWidget(mStack, 1);

    mTimerConnector.setInterval(ConnectionTiming::pollMs);
    connect(&mTimerConnector, &QTimer::timeout, this, &DeviceConnector::in_mTimerConnector_timeout);
    mTimerFailed.setSingleShot(true);
    connect(&mTimerFailed, &QTimer::timeout, this, &DeviceConnector::in_mTimerFailed_timeout);

    mLanguage = QSettings().value("Language", "English").toString();
    retranslate();
    AppSettingsSubject::instance().addObserver(this);
}

DeviceConnector::~DeviceConnector()
{
    mTimerConnector.stop();
    mTimerFailed.stop();
    if (mOpenThread) {
        mOpenThread->disconnect(this);
        mOpenThread->wait();
        delete mOpenThread;
    }
    if (mMainWindow) {
        mMainWindow->disconnect(this);
        // A window whose nested event loop is still running is deleted by that loop's end.
        if (thread()->loopLevel() > 0)
            mMainWindow->deleteLater();
        else
            delete mMainWindow;
    }
}

void DeviceConnector::registerMainWindowCreator(const QString& device, MainWindowCreator creator)
{
    mMainWindowCreators.insert(device, std::move(creator));
}

void DeviceConnector::showSeries(const QString& series, const DeviceTable& devices)
{
    qInfo().noquote() << "DeviceConnector::showSeries //" << series;
    mSeries = series;
    mDevices = devices;
    showPage(Page::Waiting);
    rescale();
    show();
    startPolling();
}

void DeviceConnector::startPolling()
{
    mTimerConnector.setInterval(ConnectionTiming::pollMs);
    mTimerConnector.start();
    in_mTimerConnector_timeout();
}

void DeviceConnector::showPage(Page page)
{
    mPage = page;
    mStack->setCurrentWidget(mPageLabels.value(page));
}

void DeviceConnector::in_mTimerConnector_timeout()
{
    if (mMainWindow || mOpenThread)
        return;
    const QStringList names = USBAudioAPI::instance().getDeviceNames();
    QString found;
    for (auto it = mDevices.cbegin(); it != mDevices.cend(); ++it) {
        const auto count = names.count(it.key());
        if (count > 1) {
            showPage(Page::Multiple);
            return;
        }
        if (count == 1 && found.isEmpty() && mMainWindowCreators.contains(it.key()))
            found = it.key();
    }
    if (found.isEmpty()) {
        showPage(Page::Waiting);
        return;
    }
    connectToDevice(found);
}

void DeviceConnector::connectToDevice(const QString& device)
{
    mTimerConnector.stop();
    mConnectingDevice = device;
    showPage(Page::Connecting);

    bool vendorOk = false, productOk = false;
    const auto ids = mDevices.value(device);
    const quint16 vendor = ids.first.toUShort(&vendorOk, 0);
    const quint16 product = ids.second.toUShort(&productOk, 0);
    if (!vendorOk || !productOk) {
        qWarning().noquote() << "DeviceConnector::connectToDevice //invalid ids of" << device;
        onHidOpenFinished(false);
        return;
    }
    // Opening retries for up to two seconds: keep the window responsive.
    auto opened = std::make_shared<std::atomic<bool>>(false);
    mOpenThread = QThread::create([opened, vendor, product]() {
        opened->store(HidHandle::instance().openWithRetries(vendor, product));
    });
    connect(mOpenThread, &QThread::finished, this, [this, opened]() {
        mOpenThread->deleteLater();
        mOpenThread = nullptr;
        onHidOpenFinished(opened->load());
    });
    mOpenThread->start();
}

void DeviceConnector::onHidOpenFinished(bool opened)
{
    const auto creator = mMainWindowCreators.value(mConnectingDevice);
    DeviceWindow* window = creator ? creator() : nullptr;
    if (!window) {
        qWarning().noquote() << "DeviceConnector::onHidOpenFinished //no main window for" << mConnectingDevice;
        if (opened)
            HidHandle::instance().close();
        showPage(Page::Waiting);
        startPolling();
        return;
    }
    mMainWindow = window;
    connect(window, &DeviceWindow::attributeChanged, this, &DeviceConnector::in_mMainWindow_attributeChanged);
    window->connectDevice(opened);
}

void DeviceConnector::releaseMainWindow()
{
    if (!mMainWindow)
        return;
    mMainWindow->disconnect(this);
    mMainWindow->hide();
    mMainWindow->deleteLater();
    mMainWindow = nullptr;
}

void DeviceConnector::in_mMainWindow_attributeChanged(QString objectName, QString attribute, QString value)
{
    Q_UNUSED(objectName);
    if (attribute == "AuthResult" && value == "Success") {
        hide();
    } else if (attribute == "AuthResult" && value == "Failed") {
        releaseMainWindow();
        showPage(Page::Failed);
        show();
        mTimerFailed.start(ConnectionTiming::failedReturnMs);
    } else if (attribute == "Disconnected" && value == "1") {
        releaseMainWindow();
        showPage(Page::Waiting);
        rescale();
        show();
        startPolling();
    }
}

void DeviceConnector::in_mTimerFailed_timeout()
{
    showPage(Page::Waiting);
    startPolling();
}

void DeviceConnector::appSettingsChanged(QString objectName, QString attribute, QString value)
{
    Q_UNUSED(objectName);
    if (attribute == "Language" && (value == "English" || value == "Chinese")) {
        mLanguage = value;
        retranslate();
    } else if (attribute == "ScaleFactor") {
        rescale();
    }
}

void DeviceConnector::retranslate()
{
    const bool chinese = mLanguage == "Chinese";
    for (auto it = mPageLabels.cbegin(); it != mPageLabels.cend(); ++it) {
        const PageText text = textOf(it.key());
        it.value()->setText(QString::fromUtf8(chinese ? text.chinese : text.english));
    }
}

void DeviceConnector::rescale()
{
    double factor = QSettings().value("ScaleFactor", 1.0).toDouble();
    if (!(factor >= 0.5 && factor <= 4.0))
        factor = 1.0;
    resize(int(kBaseWidth * factor), int(kBaseHeight * factor));
    QFont font = GlobalFont::getFont();
    font.setPixelSize(qMax(8, int(14 * factor)));
    for (auto* label : std::as_const(mPageLabels))
        label->setFont(font);
    font.setPixelSize(qMax(8, int(16 * factor)));
    mTitle->setFont(font);
}
