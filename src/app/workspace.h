#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;
class WorkspaceObserver;

// Owns the current workspace file of the current layout. Observers never hold
// the settings object itself: it is replaced on every load and mode switch.
class WorkspaceSubject : public QObject
{
    Q_OBJECT
public:
    static WorkspaceSubject& instance();

    WorkspaceSubject& addObserver(WorkspaceObserver* observer);
    WorkspaceSubject& addObservers(const QList<WorkspaceObserver*>& observers);
    void removeObserver(WorkspaceObserver* observer);
    bool hasObserver(const WorkspaceObserver* observer) const;

    // The folder that holds the "Workspace" tree.
    void setWorkspaceRoot(const QString& root);
    QString workspaceRoot() const;
    static QString defaultWorkspaceRoot();

    void setWorkspaceInfo(const QString& device, const QString& folder, const QString& prefix);
    bool hasWorkspaceInfo() const;
    QString workspaceFolder() const;
    QString workspaceFilePath(const QString& name) const;

    // Opens (creating when new) the named workspace of the current folder and
    // reloads every observer.
    bool loadWorkspace(const QString& name);
    void closeWorkspace();
    // Writes pending changes; in mode 1 this is when the file itself changes.
    bool saveWorkspace();

    QSettings* currentSettings() const { return mSettings.get(); }
    QString currentWorkspaceFile() const { return mFile; }
    QString currentWorkspaceName() const { return mName; }

    void modifyWorkspacePreprocessing(int mode);
    int workspaceMode() const { return mMode; }

signals:
    void attributeChanged(QString objectName, QString attribute, QString value);

private:
    WorkspaceSubject();
    ~WorkspaceSubject() override;
    QString temporaryCopyPath() const;
    bool openSettings(const QString& path);
    static bool copyFileAtomically(const QString& from, const QString& to);

    QList<WorkspaceObserver*> mObservers;
    std::unique_ptr<QSettings> mSettings;
    QString mRoot;
    QString mDevice;
    QString mFolder;
    QString mPrefix;
    QString mName;
    QString mFile;
    int mMode = 0;
};

// Mixed into every stateful widget: its values live in the group named like
// the widget in the current workspace.
class WorkspaceObserver
{
public:
    explicit WorkspaceObserver(const QString& name = QString());
    virtual ~WorkspaceObserver();
    WorkspaceObserver(const WorkspaceObserver&) = delete;
    WorkspaceObserver& operator=(const WorkspaceObserver&) = delete;

    void setObserverName(const QString& name) { mObserverName = name; }
    QString getObserverName() const { return mObserverName; }

    virtual void setValue(const QString& key, const QVariant& value);
    virtual QVariant value(const QString& key) const;
    virtual void loadSettings() = 0;

    // True once the group holds the marker key named like the group.
    bool hasWorkspaceMarker() const;
    bool isWorkspaceBound() const { return mSubject != nullptr; }
    // The current workspace file, or null while unbound or none is open.
    QSettings* workspaceSettings() const;

private:
    friend class WorkspaceSubject;
    QString mObserverName;
    WorkspaceSubject* mSubject = nullptr;
};
