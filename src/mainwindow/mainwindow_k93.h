#pragma once

#include "device/devicek93.h"
#include "mainwindow/mainwindowbase.h"

#include <QList>

class QStackedWidget;
class QLabel;

// The K93's main window: one page per layout, each with its own workspaces.
// A later area adds its members in the constructor, wires their messages to
// mDevice's slots in wireDevice() and its device reports in wireDispatch().
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

protected:
    DeviceType1& device() override { return mDevice; }
    void sendSystem(const QString& attribute, const QString& value) override;
    void openLayout(int result) override;
    void rescale(double factor) override;
    QString deviceName() const override { return "K93"; }
    void appSettingsChanged(QString objectName, QString attribute, QString value) override;

private:
    void buildPages();
    void wireDevice();
    void wireDispatch();
    void retranslate();

    DeviceK93 mDevice;
    QStackedWidget* mStack = nullptr;
    QList<QWidget*> mPages;
    QLabel* mFactoryLabel = nullptr;
    PageID mCurrentPage = PageFactory;
    QString mLanguage = "English";
};
