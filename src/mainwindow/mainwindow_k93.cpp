#include "mainwindow/mainwindow_k93.h"

#include "app/workspace.h"
#include "device/hidhandle.h"
#include "widgets/theme.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QSettings>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QtDebug>

namespace {
QPointer<MainWindow_K93> gInstance;

constexpr int kBaseWidth = 960;
constexpr int kBaseHeight = 600;

struct LayoutInfo {
    MainWindow_K93::PageID id;
    const char* folder;
    const char* objectName;
};
constexpr LayoutInfo kLayouts[] = {
    {MainWindow_K93::PageFactory, "", "PageFcty"},
    {MainWindow_K93::PageMobile, "Mble", "PageMble"},
    {MainWindow_K93::PageLive, "Live", "PageLive"},
    {MainWindow_K93::PageEasy, "Tyro", "PageTyro"},
    {MainWindow_K93::PagePro, "Prof", "PageProf"},
};
}

MainWindow_K93::MainWindow_K93(QWidget* parent, const QString& name)
    : MainWindowBase(parent, name)
{
    gInstance = this;
    setWindowTitle(QCoreApplication::applicationName());
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString("MainWindow_K93 { background-color: %1; } QLabel { color: %2; }")
                      .arg(Theme::Window.name(), Theme::TextOff.name()));
    buildPages();
    wireDevice();
    wireDispatch();
    mLanguage = QSettings().value("Language", "English").toString();
    retranslate();
    AppSettingsSubject::instance().addObserver(this);
}

MainWindow_K93::~MainWindow_K93()
{
    // Stop the threads before the handle goes: a read failure has already
    // closed it, a failed handshake has not.
    mDevice.stopDevice();
    HidHandle::instance().close();
    WorkspaceSubject::instance().closeWorkspace();
}

MainWindow_K93* MainWindow_K93::instance()
{
    return gInstance;
}

void MainWindow_K93::buildPages()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    mStack = new QStackedWidget(this);
    layout->addWidget(mStack);
    for (const auto& info : kLayouts) {
        auto* page = new QWidget(mStack);
        page->setObjectName(info.objectName);
        auto* pageLayout = new QVBoxLayout(page);
        if (info.id == PageFactory) {
            mFactoryLabel = new QLabel(page);
            mFactoryLabel->setAlignment(Qt::AlignCenter);
            mFactoryLabel->setWordWrap(true);
            pageLayout->addWidget(mFactoryLabel);
        }
        mStack->addWidget(page);
        mPages.append(page);
    }
}

void MainWindow_K93::wireDevice()
{
    // Strips, panels and areas connect their attributeChanged to mDevice's slots here.
}

void MainWindow_K93::wireDispatch()
{
    // Device reports reach the pages' silent setters here, e.g.
    // addDispatch("Mixer_IN12", "LevelLeft", [this](qint32 v) { ... });
}

QWidget* MainWindow_K93::page(PageID id) const
{
    return mPages.value(int(id));
}

QString MainWindow_K93::workspaceFolder(PageID id)
{
    for (const auto& info : kLayouts) {
        if (info.id == id)
            return info.folder;
    }
    return QString();
}

void MainWindow_K93::switchLayout(PageID id)
{
    mCurrentPage = id;
    mStack->setCurrentWidget(page(id));
    auto& workspace = WorkspaceSubject::instance();
    if (id == PageFactory) {
        workspace.closeWorkspace();
        return;
    }
    workspace.setWorkspaceInfo(deviceName(), workspaceFolder(id), QString());
    const bool autoSave = QSettings().value("AutoSaveWorkspace", true).toBool();
    workspace.modifyWorkspacePreprocessing(autoSave ? 0 : 1);
    workspace.loadWorkspace("Default");
    QSettings().setValue("K93/PageID", int(id));
}

void MainWindow_K93::openLayout(int result)
{
    switch (result) {
    case -1:
        switchLayout(PageFactory);
        break;
    case 1:
        switchLayout(PageMobile);
        break;
    case 3:
        switchLayout(PagePro);
        break;
    default: {
        const int stored = QSettings().value("K93/PageID", int(PageLive)).toInt();
        const bool valid = stored >= PageMobile && stored <= PagePro;
        switchLayout(valid ? PageID(stored) : PageLive);
        break;
    }
    }
}

void MainWindow_K93::sendSystem(const QString& attribute, const QString& value)
{
    mDevice.in_System_attributeChanged("MainWindow", attribute, value);
}

void MainWindow_K93::rescale(double factor)
{
    resize(int(kBaseWidth * factor), int(kBaseHeight * factor));
}

void MainWindow_K93::appSettingsChanged(QString objectName, QString attribute, QString value)
{
    if (attribute == "Language" && (value == "English" || value == "Chinese")) {
        mLanguage = value;
        retranslate();
    }
    MainWindowBase::appSettingsChanged(objectName, attribute, value);
}

void MainWindow_K93::retranslate()
{
    mFactoryLabel->setText(mLanguage == "Chinese"
                               ? QString::fromUtf8("固件恢复模式\n设备正在等待固件更新。")
                               : QString("Firmware recovery\nThe device is waiting for a firmware update."));
}
