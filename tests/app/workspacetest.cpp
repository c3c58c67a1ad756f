#include "testsupport.h"

#include "app/workspace.h"

#include <QFile>
#include <QSettings>

namespace {
struct Strip : WorkspaceObserver {
    explicit Strip(const QString& name) : WorkspaceObserver(name) {}
    void loadSettings() override
    {
        ++loads;
        seen = value("Level").toInt();
        marked = hasWorkspaceMarker();
    }
    int loads = 0;
    int seen = 0;
    bool marked = false;
};

// Adds a new observer from inside its own load.
struct Spawner : WorkspaceObserver {
    Spawner() : WorkspaceObserver("Spawner") {}
    void loadSettings() override
    {
        if (!child) {
            child = std::make_unique<Strip>("Child");
            WorkspaceSubject::instance().addObserver(child.get());
        }
    }
    std::unique_ptr<Strip> child;
};
}

class WorkspaceTest : public QObject
{
    Q_OBJECT
private slots:
    void unboundObserverStoresNothing()
    {
        k93test::TempWorkspace workspace;
        Strip strip("Mixer_IN12");
        strip.setValue("Level", 5);
        QVERIFY(!strip.value("Level").isValid());
        QVERIFY(!strip.isWorkspaceBound());
        QCOMPARE(workspace.settings()->childGroups(), QStringList {"ConfigFileHeader"});
    }

    void boundObserverReadsAndWritesItsGroup()
    {
        k93test::TempWorkspace workspace;
        Strip strip("Mixer_IN12");
        auto& subject = WorkspaceSubject::instance().addObserver(&strip);
        QCOMPARE(&subject, &WorkspaceSubject::instance());
        QVERIFY(!strip.hasWorkspaceMarker());
        strip.setValue("Mixer_IN12", true);
        strip.setValue("Level", 7);
        strip.setValue("", 1); // an empty key stores nothing
        QVERIFY(strip.hasWorkspaceMarker());
        QCOMPARE(strip.value("Level").toInt(), 7);
        QVERIFY(!strip.value("Missing").isValid());
        QVERIFY(!strip.value("").isValid());
        QCOMPARE(workspace.valueOnDisk("Mixer_IN12", "Level").toInt(), 7);
        QVERIFY(!workspace.valueOnDisk("Mixer_IN12", "").isValid());

        // Renaming moves the observer to another group.
        strip.setObserverName("Mixer_AUX");
        QVERIFY(!strip.value("Level").isValid());
        QVERIFY(!strip.hasWorkspaceMarker());
        strip.setValue("Level", 3);
        QCOMPARE(workspace.valueOnDisk("Mixer_AUX", "Level").toInt(), 3);
        QCOMPARE(workspace.valueOnDisk("Mixer_IN12", "Level").toInt(), 7);
    }

    void removedOrDestroyedObserversAreUnbound()
    {
        k93test::TempWorkspace workspace;
        auto& subject = WorkspaceSubject::instance();
        Strip kept("Kept");
        {
            Strip gone("Gone");
            subject.addObserver(&gone).addObserver(&kept);
            QVERIFY(subject.hasObserver(&gone));
        }
        QVERIFY(subject.hasObserver(&kept));
        subject.removeObserver(&kept);
        QVERIFY(!kept.isWorkspaceBound());
        kept.setValue("Level", 1);
        QVERIFY(!workspace.valueOnDisk("Kept", "Level").isValid());
        // Reloading after the destruction must not touch the dead observer.
        QVERIFY(subject.loadWorkspace("Other"));
    }

    void switchingWorkspacesReloadsEveryObserver()
    {
        k93test::TempWorkspace workspace("Live", "First");
        auto& subject = WorkspaceSubject::instance();
        Strip a("A"), b("B");
        subject.addObservers({&a, &b});
        a.setValue("Level", 1);
        b.setValue("Level", 2);
        const QString first = workspace.filePath();

        QVERIFY(subject.loadWorkspace("Second"));
        QCOMPARE(a.loads, 1);
        QCOMPARE(b.loads, 1);
        QCOMPARE(a.seen, 0);
        a.setValue("Level", 10);

        // Each layout has its own folder.
        subject.setWorkspaceInfo("K93", "Prof", QString());
        QVERIFY(subject.loadWorkspace("First"));
        QVERIFY(subject.currentWorkspaceFile().contains("/Workspace/K93/Prof/"));
        QCOMPARE(a.seen, 0);

        subject.setWorkspaceInfo("K93", "Live", QString());
        QVERIFY(subject.loadWorkspace("First"));
        QCOMPARE(subject.currentWorkspaceFile(), first);
        QCOMPARE(a.loads, 3);
        QCOMPARE(a.seen, 1);
        QCOMPARE(b.seen, 2);

        QSettings header(first, QSettings::IniFormat);
        QCOMPARE(header.value("ConfigFileHeader/Device").toString(), QString("K93"));
    }

    void observerAddedDuringLoadIsBoundButNotCalledTwice()
    {
        k93test::TempWorkspace workspace;
        Spawner spawner;
        WorkspaceSubject::instance().addObserver(&spawner);
        QVERIFY(WorkspaceSubject::instance().loadWorkspace("Again"));
        QVERIFY(spawner.child);
        QVERIFY(spawner.child->isWorkspaceBound());
        QCOMPARE(spawner.child->loads, 0);
    }

    void editingModeRoundTrip()
    {
        k93test::TempWorkspace workspace;
        auto& subject = WorkspaceSubject::instance();
        Strip strip("Mixer_IN12");
        subject.addObserver(&strip);
        strip.setValue("Level", 1);

        subject.modifyWorkspacePreprocessing(1);
        QCOMPARE(subject.workspaceMode(), 1);
        QVERIFY(subject.currentSettings()->fileName() != workspace.filePath());
        strip.setValue("Level", 2);
        QCOMPARE(strip.value("Level").toInt(), 2);
        QCOMPARE(workspace.valueOnDisk("Mixer_IN12", "Level").toInt(), 1);

        subject.modifyWorkspacePreprocessing(1); // unchanged: nothing happens
        QCOMPARE(workspace.valueOnDisk("Mixer_IN12", "Level").toInt(), 1);

        const QString copy = subject.currentSettings()->fileName();
        subject.modifyWorkspacePreprocessing(0);
        QCOMPARE(subject.workspaceMode(), 0);
        QCOMPARE(subject.currentSettings()->fileName(), workspace.filePath());
        QCOMPARE(workspace.valueOnDisk("Mixer_IN12", "Level").toInt(), 2);
        QVERIFY(!QFile::exists(copy));

        // Saving in mode 1 writes the file and keeps editing the copy.
        subject.modifyWorkspacePreprocessing(1);
        strip.setValue("Level", 3);
        QVERIFY(subject.saveWorkspace());
        QCOMPARE(workspace.valueOnDisk("Mixer_IN12", "Level").toInt(), 3);
        QCOMPARE(subject.workspaceMode(), 1);
    }

    void editingModeWithoutInformationOnlyLogs()
    {
        auto& subject = WorkspaceSubject::instance();
        subject.closeWorkspace();
        subject.setWorkspaceInfo(QString(), QString(), QString());
        QTest::ignoreMessage(QtWarningMsg, "WorkspaceSubject::modifyWorkspacePreprocessing //workspace info is empty");
        subject.modifyWorkspacePreprocessing(1);
        QCOMPARE(subject.workspaceMode(), 0);
    }
};

K93_TEST(WorkspaceTest)
#include "workspacetest.moc"
