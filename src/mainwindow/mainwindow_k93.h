#pragma once

#include "device/devicek93.h"
#include "mainwindow/mainwindowbase.h"

#include <QHash>
#include <QList>

class FieldEffectS1M1;
class FieldMixerS1M1;
class FieldOriginS1M1;
class MixerBase;
class MixerS1M3;
class QLabel;
class QStackedWidget;
class WorkspaceObserver;

// The K93's main window: one page per layout, each with its own workspaces.
// A strip or panel is built in buildPages() into its page's area, registered
// with addPageObserver(), wired to mDevice's slots in wireDevice() and fed
// device reports in wireDispatch().
class MainWindow_K93 : public MainWindowBase
{
    Q_OBJECT
public:
    // Values stored under "K93/PageID".
    enum PageID { PageFactory = 0, PageMobile = 1, PageLive = 2, PageEasy = 3, PagePro = 4 };
    Q_ENUM(PageID)

    explicit MainWindow_K93(QWidget* parent = nullptr, const QString& name = "MainWindow_K93");
    ~MainWindow_K93() override;

    // The one window of the program, for dialogs that size or centre on it.
    static MainWindow_K93* instance();

    PageID currentPage() const { return mCurrentPage; }
    QWidget* page(PageID id) const;
    // Shows the layout, loads its current workspace and remembers it.
    void switchLayout(PageID id);
    static QString workspaceFolder(PageID id);

    DeviceK93& deviceK93() { return mDevice; }

    // Only the current layout's observers are bound to the workspace: the
    // layouts reuse channel keys, and each has its own workspace files.
    void addPageObserver(PageID id, WorkspaceObserver* observer);

    FieldMixerS1M1* fieldMixerLive() const { return mFieldMixerLive; }
    FieldMixerS1M1* fieldMixerPro() const { return mFieldMixerPro; }
    FieldEffectS1M1* fieldEffect() const { return mFieldEffect; }
    // The mixer strip of a channel on a layout ("Mixer_PB12" on PageLive).
    MixerBase* mixerStrip(PageID id, const QString& channel) const;

public slots:
    // Messages of the input strips: their balances weight the IN1/IN2 pair
    // of the Live mixer.
    void in_widgetInput_attributeChanged(QString objectName, QString attribute, QString value);

protected:
    DeviceType1& device() override { return mDevice; }
    void sendSystem(const QString& attribute, const QString& value) override;
    void openLayout(int result) override;
    void rescale(double factor) override;
    QString deviceName() const override { return "K93"; }
    void appSettingsChanged(QString objectName, QString attribute, QString value) override;

private:
    void buildPages();
    void buildMixers();
    void wireMixers();
    void wireDevice();
    void wireDispatch();
    void retranslate();

    DeviceK93 mDevice;
    QStackedWidget* mStack = nullptr;
    QList<QWidget*> mPages;
    QLabel* mFactoryLabel = nullptr;
    QHash<int, QList<WorkspaceObserver*>> mPageObservers;
    FieldMixerS1M1* mFieldMixerLive = nullptr;
    FieldMixerS1M1* mFieldMixerPro = nullptr;
    FieldEffectS1M1* mFieldEffect = nullptr;
    FieldOriginS1M1* mFieldOriginEasyUpper = nullptr;
    FieldOriginS1M1* mFieldOriginEasyLower = nullptr;
    FieldOriginS1M1* mFieldOriginMobileInput = nullptr;
    FieldOriginS1M1* mFieldOriginMobileOutput = nullptr;
    MixerS1M3* mMixerLiveIN12 = nullptr;
    QHash<QString, MixerBase*> mMixersLive;
    QHash<QString, MixerBase*> mMixersPro;
    PageID mCurrentPage = PageFactory;
    QString mLanguage = "English";
};
