#include "app/workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtDebug>

namespace {
bool gWorkspaceSubjectAlive = false;
}

WorkspaceSubject::WorkspaceSubject()
{
    gWorkspaceSubjectAlive = true;
}

WorkspaceSubject::~WorkspaceSubject()
{
    gWorkspaceSubjectAlive = false;
    for (auto* observer : std::as_const(mObservers))
        observer->mSubject = nullptr;
}

WorkspaceSubject& WorkspaceSubject::instance()
{
    static WorkspaceSubject subject;
    return subject;
}

WorkspaceSubject& WorkspaceSubject::addObserver(WorkspaceObserver* observer)
{
    if (!observer)
        return *this;
    observer->mSubject = this;
    if (!mObservers.contains(observer))
        mObservers.append(observer);
    return *this;
}

WorkspaceSubject& WorkspaceSubject::addObservers(const QList<WorkspaceObserver*>& observers)
{
    for (auto* observer : observers)
        addObserver(observer);
    return *this;
}

void WorkspaceSubject::removeObserver(WorkspaceObserver* observer)
{
    if (!observer)
        return;
    mObservers.removeAll(observer);
    observer->mSubject = nullptr;
}

bool WorkspaceSubject::hasObserver(const WorkspaceObserver* observer) const
{
    return mObservers.contains(const_cast<WorkspaceObserver*>(observer));
}

QString WorkspaceSubject::defaultWorkspaceRoot()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void WorkspaceSubject::setWorkspaceRoot(const QString& root)
{
    mRoot = root;
}

QString WorkspaceSubject::workspaceRoot() const
{
    return mRoot.isEmpty() ? defaultWorkspaceRoot() : mRoot;
}

void WorkspaceSubject::setWorkspaceInfo(const QString& device, const QString& folder, const QString& prefix)
{
    mDevice = device;
    mFolder = folder;
    mPrefix = prefix;
}

bool WorkspaceSubject::hasWorkspaceInfo() const
{
    return !mDevice.isEmpty() && !mFolder.isEmpty();
}

QString WorkspaceSubject::workspaceFolder() const
{
    return QDir(workspaceRoot()).filePath(QString("Workspace/%1/%2").arg(mDevice, mFolder));
}

QString WorkspaceSubject::workspaceFilePath(const QString& name) const
{
    return QDir(workspaceFolder()).filePath(mPrefix + name + ".ini");
}

QString WorkspaceSubject::temporaryCopyPath() const
{
    const QString base = QString("%1_%2_%3_%4")
                             .arg(QCoreApplication::applicationPid())
                             .arg(mDevice, mFolder, QFileInfo(mFile).fileName());
    return QDir(QDir::tempPath()).filePath(base);
}

bool WorkspaceSubject::openSettings(const QString& path)
{
    mSettings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return mSettings->status() == QSettings::NoError;
}

bool WorkspaceSubject::copyFileAtomically(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        qWarning() << "WorkspaceSubject::copyFileAtomically //cannot read" << from;
        return false;
    }
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly)) {
        qWarning() << "WorkspaceSubject::copyFileAtomically //cannot write" << to;
        return false;
    }
    target.write(source.readAll());
    return target.commit();
}

bool WorkspaceSubject::loadWorkspace(const QString& name)
{
    if (!hasWorkspaceInfo() || name.isEmpty()) {
        qWarning() << "WorkspaceSubject::loadWorkspace //workspace info is empty";
        return false;
    }
    if (mSettings)
        closeWorkspace();

    const QString path = workspaceFilePath(name);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        qWarning() << "WorkspaceSubject::loadWorkspace //cannot create" << QFileInfo(path).absolutePath();
        return false;
    }
    mFile = path;
    mName = name;
    if (!openSettings(path)) {
        qWarning() << "WorkspaceSubject::loadWorkspace //cannot read" << path;
        mSettings.reset();
        mFile.clear();
        mName.clear();
        return false;
    }
    if (!mSettings->childGroups().contains("ConfigFileHeader")) {
        mSettings->beginGroup("ConfigFileHeader");
        mSettings->setValue("Device", mDevice);
        mSettings->setValue("Folder", mFolder);
        mSettings->setValue("Version", QCoreApplication::applicationVersion());
        mSettings->endGroup();
        mSettings->sync();
    }
    if (mMode == 1) {
        mSettings.reset();
        QFile::remove(temporaryCopyPath());
        if (!QFile::copy(mFile, temporaryCopyPath()) || !openSettings(temporaryCopyPath())) {
            qWarning() << "WorkspaceSubject::loadWorkspace //cannot make the temporary copy";
            openSettings(mFile);
        }
    }

    // Observers may add or remove observers while they load.
    const auto observers = mObservers;
    for (auto* observer : observers) {
        if (mObservers.contains(observer))
            observer->loadSettings();
    }
    return true;
}

void WorkspaceSubject::closeWorkspace()
{
    if (!mSettings)
        return;
    mSettings->sync();
    if (mMode == 1) {
        // Unsaved edits of an auto-save-off session are discarded by design.
        const QString copy = mSettings->fileName();
        mSettings.reset();
        QFile::remove(copy);
    }
    mSettings.reset();
    mFile.clear();
    mName.clear();
}

bool WorkspaceSubject::saveWorkspace()
{
    if (!mSettings)
        return false;
    mSettings->sync();
    if (mMode == 1)
        return copyFileAtomically(mSettings->fileName(), mFile);
    return mSettings->status() == QSettings::NoError;
}

void WorkspaceSubject::modifyWorkspacePreprocessing(int mode)
{
    if (!hasWorkspaceInfo()) {
        qWarning() << "WorkspaceSubject::modifyWorkspacePreprocessing //workspace info is empty";
        return;
    }
    if (mode == mMode || (mode != 0 && mode != 1))
        return;
    if (!mSettings) {
        mMode = mode;
        return;
    }
    mSettings->sync();
    if (mode == 1) {
        const QString copy = temporaryCopyPath();
        QFile::remove(copy);
        if (!QFile::copy(mFile, copy)) {
            qWarning() << "WorkspaceSubject::modifyWorkspacePreprocessing //cannot copy" << mFile;
            return;
        }
        openSettings(copy);
    } else {
        const QString copy = mSettings->fileName();
        mSettings.reset();
        if (!copyFileAtomically(copy, mFile)) {
            // Keep editing the copy rather than lose it.
            openSettings(copy);
            return;
        }
        QFile::remove(copy);
        openSettings(mFile);
    }
    mMode = mode;
}

WorkspaceObserver::WorkspaceObserver(const QString& name)
    : mObserverName(name)
{
}

WorkspaceObserver::~WorkspaceObserver()
{
    if (mSubject && gWorkspaceSubjectAlive)
        mSubject->removeObserver(this);
}

QSettings* WorkspaceObserver::workspaceSettings() const
{
    return mSubject ? mSubject->currentSettings() : nullptr;
}

void WorkspaceObserver::setValue(const QString& key, const QVariant& value)
{
    QSettings* settings = workspaceSettings();
    if (!settings || key.isEmpty())
        return;
    settings->beginGroup(mObserverName);
    settings->setValue(key, value);
    settings->endGroup();
}

QVariant WorkspaceObserver::value(const QString& key) const
{
    QSettings* settings = workspaceSettings();
    if (!settings || key.isEmpty())
        return QVariant();
    settings->beginGroup(mObserverName);
    QVariant result = settings->contains(key) ? settings->value(key) : QVariant();
    settings->endGroup();
    return result;
}

bool WorkspaceObserver::hasWorkspaceMarker() const
{
    QSettings* settings = workspaceSettings();
    if (!settings || mObserverName.isEmpty())
        return false;
    settings->beginGroup(mObserverName);
    const bool marked = settings->contains(mObserverName);
    settings->endGroup();
    return marked;
}
