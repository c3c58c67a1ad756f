#include "testsupport.h"

#include "app/workspace.h"
#include "device/simulatedk93.h"
#include "fields/fieldeffects1m1.h"
#include "fields/fieldmixers1m1.h"
#include "mainwindow/mainwindow_k93.h"

#include <QSettings>

class LayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void onlyTheCurrentLayoutIsBoundToTheWorkspace()
    {
        k93test::TempSettings settings;
        QTemporaryDir root;
        WorkspaceSubject::instance().setWorkspaceRoot(root.path());
        installDeviceBackends({true, 3});
        MainWindow_K93 window;

        window.switchLayout(MainWindow_K93::PageLive);
        QVERIFY(window.fieldMixerLive()->isWorkspaceBound());
        QVERIFY(!window.fieldMixerPro()->isWorkspaceBound());
        QVERIFY(!window.fieldEffect()->isWorkspaceBound());
        const QString live = WorkspaceSubject::instance().currentWorkspaceFile();

        window.switchLayout(MainWindow_K93::PagePro);
        QVERIFY(!window.fieldMixerLive()->isWorkspaceBound());
        QVERIFY(window.fieldMixerPro()->isWorkspaceBound());
        QVERIFY(window.fieldEffect()->isWorkspaceBound());
        QCOMPARE(QSettings().value("K93/PageID").toInt(), int(MainWindow_K93::PagePro));

        // Each layout's areas wrote their own mixes into their own file.
        WorkspaceSubject::instance().saveWorkspace();
        QSettings liveFile(live, QSettings::IniFormat);
        QVERIFY(liveFile.contains("FieldMixer/MixE_Visible"));
        QSettings proFile(WorkspaceSubject::instance().currentWorkspaceFile(), QSettings::IniFormat);
        QVERIFY(proFile.contains("FieldMixer/MixC_Visible"));
        QVERIFY(!proFile.contains("FieldMixer/MixD_Visible"));

        window.switchLayout(MainWindow_K93::PageFactory);
        QVERIFY(!window.fieldMixerPro()->isWorkspaceBound());
        QCOMPARE(WorkspaceSubject::instance().currentSettings(), nullptr);
        QCOMPARE(QSettings().value("K93/PageID").toInt(), int(MainWindow_K93::PagePro));
    }
};

K93_TEST(LayoutTest)
#include "layouttest.moc"
