#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

class AppSettingsObserver;

// Program-wide application settings: language and scale factor reach every
// registered observer through here.
class AppSettingsSubject : public QObject
{
    Q_OBJECT
public:
    static AppSettingsSubject& instance();

    // Wipes the store unless "ResetFlag" is 6, then writes every missing default.
    static void prepareStore();

    AppSettingsSubject& addObserver(AppSettingsObserver* observer);
    AppSettingsSubject& addObservers(const QList<AppSettingsObserver*>& observers);
    void removeObserver(AppSettingsObserver* observer);
    bool hasObserver(const AppSettingsObserver* observer) const;

    void changeLanguage(const QString& language);
    void changeScaleFactor(const QString& factor);

    void setMainWindow(QWidget* window) { mMainWindow = window; }
    QWidget* getMainWindow() const { return mMainWindow; }

signals:
    void attributeChanged(QString objectName, QString attribute, QString value);

private:
    AppSettingsSubject();
    ~AppSettingsSubject() override;
    void notify(const QString& attribute, const QString& value);

    QPointer<QWidget> mMainWindow;
    QList<AppSettingsObserver*> mObservers;
};

// Mixed into widgets that follow language and scale-factor changes.
class AppSettingsObserver
{
public:
    explicit AppSettingsObserver(const QString& name = QString());
    virtual ~AppSettingsObserver();
    AppSettingsObserver(const AppSettingsObserver&) = delete;
    AppSettingsObserver& operator=(const AppSettingsObserver&) = delete;

    void setObserverName(const QString& name) { mObserverName = name; }
    QString getObserverName() const { return mObserverName; }

    virtual QVariant value(const QString& key) const;
    virtual void appSettingsChanged(QString objectName, QString attribute, QString value) = 0;

private:
    QString mObserverName;
};
