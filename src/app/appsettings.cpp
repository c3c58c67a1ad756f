#include "app/appsettings.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
bool gSubjectAlive = false;
constexpr int kResetFlag = 6;
}

AppSettingsSubject::AppSettingsSubject()
{
    QCoreApplication::setOrganizationName("KELSMAR");
    QCoreApplication::setOrganizationDomain("kelsmar.com");
    QCoreApplication::setApplicationName("KELSMAR Studio Mixing Desk");
    gSubjectAlive = true;
}

AppSettingsSubject::~AppSettingsSubject()
{
    gSubjectAlive = false;
}

AppSettingsSubject& AppSettingsSubject::instance()
{
    static AppSettingsSubject subject;
    return subject;
}

void AppSettingsSubject::prepareStore()
{
    instance();
    QSettings settings;
    if (settings.value("ResetFlag").toInt() != kResetFlag) {
        settings.clear();
        settings.setValue("ResetFlag", kResetFlag);
    }
    const QList<QPair<QString, QVariant>> defaults {
        {"Language", QStringLiteral("English")},
        {"ScaleFactor", 1.5},
        {"FollowSystemScale", true},
        {"AutoStartOnBoot", true},
        {"AutoCheckForUpdates", true},
        {"AutoSaveWorkspace", true},
    };
    for (const auto& [key, value] : defaults) {
        if (!settings.contains(key))
            settings.setValue(key, value);
    }
    settings.sync();
}

AppSettingsSubject& AppSettingsSubject::addObserver(AppSettingsObserver* observer)
{
    if (observer && !mObservers.contains(observer))
        mObservers.append(observer);
    return *this;
}

AppSettingsSubject& AppSettingsSubject::addObservers(const QList<AppSettingsObserver*>& observers)
{
    for (auto* observer : observers)
        addObserver(observer);
    return *this;
}

void AppSettingsSubject::removeObserver(AppSettingsObserver* observer)
{
    mObservers.removeAll(observer);
}

bool AppSettingsSubject::hasObserver(const AppSettingsObserver* observer) const
{
    return mObservers.contains(const_cast<AppSettingsObserver*>(observer));
}

void AppSettingsSubject::notify(const QString& attribute, const QString& value)
{
    // An observer may create or delete others while it is notified.
    const auto observers = mObservers;
    for (auto* observer : observers) {
        if (mObservers.contains(observer))
            observer->appSettingsChanged(QString(), attribute, value);
    }
}

void AppSettingsSubject::changeLanguage(const QString& language)
{
    QSettings().setValue("Language", language);
    emit attributeChanged("AppSettings", "ModifyLanguage", language);
    emit attributeChanged("AppSettings", "ChangeLanguage", "1");
    notify("Language", language);
    emit attributeChanged("AppSettings", "ChangeLanguage", "0");
}

void AppSettingsSubject::changeScaleFactor(const QString& factor)
{
    QSettings().setValue("ScaleFactor", factor);
    emit attributeChanged("AppSettings", "ModifyScaleFactor", factor);
    emit attributeChanged("AppSettings", "ChangeScaleFactor", "1");
    notify("ScaleFactor", factor);
    emit attributeChanged("AppSettings", "ChangeScaleFactor", "0");
}

AppSettingsObserver::AppSettingsObserver(const QString& name)
    : mObserverName(name)
{
}

AppSettingsObserver::~AppSettingsObserver()
{
    if (gSubjectAlive)
        AppSettingsSubject::instance().removeObserver(this);
}

QVariant AppSettingsObserver::value(const QString& key) const
{
    QSettings settings;
    return settings.contains(key) ? settings.value(key) : QVariant();
}
