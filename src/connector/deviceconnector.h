#pragma once

#include "app/appsettings.h"

#include <QHash>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class DeviceWindow;
class QLabel;
class QStackedWidget;
class QThread;

// Detects the device by polling the driver, creates its main window, opens
// the HID interface and owns the window until it fails or disconnects.
class DeviceConnector : public QWidget, public AppSettingsObserver
{
    Q_OBJECT
public:
    enum class Page { Waiting, Multiple, Connecting, Failed };
    using MainWindowCreator = std::function<DeviceWindow*()>;
    // Device name -> vendor and product id texts ("0x152A", "0x3E71").
    using DeviceTable = QMap<QString, QPair<QString, QString>>;

    explicit DeviceConnector(QWidget* parent = nullptr);
    ~DeviceConnector() override;

    void registerMainWindowCreator(const QString& device, MainWindowCreator creator);
    void showSeries(const QString& series, const DeviceTable& devices);

    Page currentPage() const { return mPage; }
    DeviceWindow* mainWindow() const { return mMainWindow; }
    bool isPolling() const { return mTimerConnector.isActive(); }

    void appSettingsChanged(QString objectName, QString attribute, QString value) override;

private slots:
    void in_mTimerConnector_timeout();
    void in_mTimerFailed_timeout();
    void in_mMainWindow_attributeChanged(QString objectName, QString attribute, QString value);

private:
    void showPage(Page page);
    void startPolling();
    void connectToDevice(const QString& device);
    void onHidOpenFinished(bool opened);
    void releaseMainWindow();
    void retranslate();
    void rescale();

    QHash<QString, MainWindowCreator> mMainWindowCreators;
    DeviceTable mDevices;
    QString mSeries;
    QString mConnectingDevice;
    QPointer<DeviceWindow> mMainWindow;
    QPointer<QThread> mOpenThread;
    QTimer mTimerConnector;
    QTimer mTimerFailed;
    Page mPage = Page::Waiting;
    QString mLanguage = "English";

    QStackedWidget* mStack = nullptr;
    QLabel* mTitle = nullptr;
    QHash<Page, QLabel*> mPageLabels;
};
