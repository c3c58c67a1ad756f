#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <map>

class QSettings;

namespace k93test {

using Factory = std::function<QObject*()>;
std::map<QString, Factory>& registry();
struct Registrar {
    Registrar(const char* name, Factory factory);
};

// A settings store of its own in a temporary folder, emptied at construction.
class TempSettings
{
public:
    TempSettings();
    ~TempSettings();
    QString path() const { return mDir.path(); }

private:
    QTemporaryDir mDir;
};

// A fresh workspace file in a temporary folder, loaded into the workspace
// subject; closed again on destruction.
class TempWorkspace
{
public:
    explicit TempWorkspace(const QString& folder = "Live", const QString& name = "Test");
    ~TempWorkspace();
    QString root() const { return mDir.path(); }
    QString filePath() const;
    QSettings* settings() const;
    // Reads a key straight from the file on disk, bypassing the subject.
    QVariant valueOnDisk(const QString& group, const QString& key) const;

private:
    QTemporaryDir mDir;
};

struct Message {
    QString object;
    QString attribute;
    QString value;
    bool operator==(const Message&) const = default;
};
char* toString(const Message& message);

// Keeps every attributeChanged message of an object in order. Works with the
// three-argument form and with the two-argument form (object left empty).
class AttributeRecorder : public QObject
{
    Q_OBJECT
public:
    explicit AttributeRecorder(QObject* source);
    const QList<Message>& messages() const { return mMessages; }
    QList<Message> withAttribute(const QString& attribute) const;
    int count() const { return int(mMessages.size()); }
    void clear() { mMessages.clear(); }

public slots:
    void record3(QString object, QString attribute, QString value);
    void record2(QString attribute, QString value);

private:
    QList<Message> mMessages;
};

} // namespace k93test

#define K93_TEST(Class) \
    static k93test::Registrar k93testRegistrar##Class(#Class, []() -> QObject* { return new Class; });
