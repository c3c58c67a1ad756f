#include "mainwindow/mainwindow_k93.h"

#include "app/workspace.h"
#include "fields/fieldeffects1m1.h"
#include "fields/fieldmixers1m1.h"
#include "fields/fieldorigins1m1.h"
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
        new QVBoxLayout(page);
        mStack->addWidget(page);
        mPages.append(page);
    }
    auto pageLayout = [this](PageID id) { return static_cast<QVBoxLayout*>(page(id)->layout()); };

    mFactoryLabel = new QLabel(page(PageFactory));
    mFactoryLabel->setAlignment(Qt::AlignCenter);
    mFactoryLabel->setWordWrap(true);
    pageLayout(PageFactory)->addWidget(mFactoryLabel);

    mFieldOriginMobileInput = new FieldOriginS1M1(page(PageMobile), "FieldOriginInput");
    mFieldOriginMobileOutput = new FieldOriginS1M1(page(PageMobile), "FieldOriginOutput");
    pageLayout(PageMobile)->addWidget(mFieldOriginMobileInput, 3);
    pageLayout(PageMobile)->addWidget(mFieldOriginMobileOutput, 2);
    addPageObserver(PageMobile, mFieldOriginMobileInput);
    addPageObserver(PageMobile, mFieldOriginMobileOutput);

    mFieldMixerLive = new FieldMixerS1M1(page(PageLive), "FieldMixer");
    mFieldMixerLive->setMixList({"MixA", "MixB", "MixC", "MixD", "MixE"});
    mFieldMixerLive->setAdditionEnabled(true);
    pageLayout(PageLive)->addWidget(mFieldMixerLive, 1);
    addPageObserver(PageLive, mFieldMixerLive);

    mFieldOriginEasyUpper = new FieldOriginS1M1(page(PageEasy), "FieldOriginUpper");
    mFieldOriginEasyLower = new FieldOriginS1M1(page(PageEasy), "FieldOriginLower");
    mFieldOriginEasyUpper->setAdditionEnabled(true);
    mFieldOriginEasyLower->setAdditionEnabled(true);
    pageLayout(PageEasy)->addWidget(mFieldOriginEasyUpper, 1);
    pageLayout(PageEasy)->addWidget(mFieldOriginEasyLower, 1);
    addPageObserver(PageEasy, mFieldOriginEasyUpper);
    addPageObserver(PageEasy, mFieldOriginEasyLower);

    mFieldMixerPro = new FieldMixerS1M1(page(PagePro), "FieldMixer");
    mFieldMixerPro->setMixList({"MixA", "MixB", "MixC"});
    mFieldMixerPro->setAdditionEnabled(true);
    mFieldEffect = new FieldEffectS1M1(page(PagePro), "FieldEffect");
    mFieldEffect->setAdditionEnabled(true);
    pageLayout(PagePro)->addWidget(mFieldMixerPro, 3);
    pageLayout(PagePro)->addWidget(mFieldEffect, 2);
    addPageObserver(PagePro, mFieldMixerPro);
    addPageObserver(PagePro, mFieldEffect);

    buildMixers();

    // An area without strips would only take room from the others.
    for (auto* field : findChildren<FieldBase*>())
        field->setVisible(field->stripCount() > 0);
}

void MainWindow_K93::addPageObserver(PageID id, WorkspaceObserver* observer)
{
    mPageObservers[int(id)].append(observer);
}

void MainWindow_K93::wireDevice()
{
    // Strips, panels and areas connect their attributeChanged to mDevice's slots here.
    wireMixers();
}

void MainWindow_K93::wireDispatch()
{
    // Device reports reach the pages' silent setters here; the mixers' levels
    // are wired in wireMixers().
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
    // Areas before their strips: a strip's load reads its area's mix state.
    for (auto it = mPageObservers.cbegin(); it != mPageObservers.cend(); ++it) {
        for (auto* observer : it.value())
            workspace.removeObserver(observer);
    }
    workspace.addObservers(mPageObservers.value(int(id)));
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
