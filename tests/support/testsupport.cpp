#include "testsupport.h"

#include "app/appsettings.h"
#include "app/workspace.h"

#include <QSettings>

namespace k93test {

std::map<QString, Factory>& registry()
{
    static std::map<QString, Factory> tests;
    return tests;
}

Registrar::Registrar(const char* name, Factory factory)
{
    registry().emplace(QString::fromLatin1(name), std::move(factory));
}

TempSettings::TempSettings()
{
    AppSettingsSubject::instance(); // sets organisation and application
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, mDir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, mDir.path() + "/system");
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, mDir.path() + "/system");
    QSettings().clear();
}

TempSettings::~TempSettings()
{
    QSettings().sync();
}

TempWorkspace::TempWorkspace(const QString& folder, const QString& name)
{
    auto& subject = WorkspaceSubject::instance();
    subject.closeWorkspace();
    subject.setWorkspaceRoot(mDir.path());
    subject.setWorkspaceInfo("K93", folder, QString());
    subject.loadWorkspace(name);
}

TempWorkspace::~TempWorkspace()
{
    auto& subject = WorkspaceSubject::instance();
    subject.closeWorkspace();
    subject.modifyWorkspacePreprocessing(0);
    subject.setWorkspaceRoot(QString());
}

QString TempWorkspace::filePath() const
{
    return WorkspaceSubject::instance().currentWorkspaceFile();
}

QSettings* TempWorkspace::settings() const
{
    return WorkspaceSubject::instance().currentSettings();
}

QVariant TempWorkspace::valueOnDisk(const QString& group, const QString& key) const
{
    if (auto* current = settings())
        current->sync();
    QSettings file(filePath(), QSettings::IniFormat);
    return file.value(group + "/" + key);
}

char* toString(const Message& message)
{
    const QString text = QString("(\"%1\", \"%2\", \"%3\")").arg(message.object, message.attribute, message.value);
    return qstrdup(text.toUtf8().constData());
}

AttributeRecorder::AttributeRecorder(QObject* source)
{
    const QMetaObject* meta = source->metaObject();
    if (meta->indexOfSignal("attributeChanged(QString,QString,QString)") >= 0)
        connect(source, SIGNAL(attributeChanged(QString,QString,QString)), this, SLOT(record3(QString,QString,QString)));
    if (meta->indexOfSignal("attributeChanged(QString,QString)") >= 0)
        connect(source, SIGNAL(attributeChanged(QString,QString)), this, SLOT(record2(QString,QString)));
}

QList<Message> AttributeRecorder::withAttribute(const QString& attribute) const
{
    QList<Message> result;
    for (const auto& message : mMessages) {
        if (message.attribute == attribute)
            result.append(message);
    }
    return result;
}

void AttributeRecorder::record3(QString object, QString attribute, QString value)
{
    mMessages.append({object, attribute, value});
}

void AttributeRecorder::record2(QString attribute, QString value)
{
    mMessages.append({QString(), attribute, value});
}

} // namespace k93test
