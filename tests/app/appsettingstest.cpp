#include "testsupport.h"

#include "app/appsettings.h"

#include <QSettings>

using k93test::AttributeRecorder;
using k93test::Message;

namespace {
struct RecordingObserver : AppSettingsObserver {
    explicit RecordingObserver(QStringList* log, QString name)
        : AppSettingsObserver(name), mLog(log) {}
    void appSettingsChanged(QString objectName, QString attribute, QString value) override
    {
        *mLog << QString("%1:%2:%3:%4").arg(getObserverName(), objectName, attribute, value);
    }
    QStringList* mLog;
};

// Removes a later observer while it is being notified.
struct RemovingObserver : AppSettingsObserver {
    AppSettingsObserver* victim = nullptr;
    int calls = 0;
    void appSettingsChanged(QString, QString, QString) override
    {
        ++calls;
        AppSettingsSubject::instance().removeObserver(victim);
    }
};
}

class AppSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void defaultsAreWrittenAndKept()
    {
        k93test::TempSettings store;
        AppSettingsSubject::prepareStore();
        QSettings settings;
        QCOMPARE(settings.value("ResetFlag").toInt(), 6);
        QCOMPARE(settings.value("Language").toString(), QString("English"));
        QCOMPARE(settings.value("ScaleFactor").toDouble(), 1.5);
        for (const char* key : {"FollowSystemScale", "AutoStartOnBoot", "AutoCheckForUpdates", "AutoSaveWorkspace"})
            QVERIFY2(settings.value(key).toBool(), key);

        // A second start keeps what the user chose.
        settings.setValue("Language", "Chinese");
        settings.remove("AutoSaveWorkspace");
        AppSettingsSubject::prepareStore();
        QCOMPARE(QSettings().value("Language").toString(), QString("Chinese"));
        QCOMPARE(QSettings().value("AutoSaveWorkspace").toBool(), true);
    }

    void wrongResetFlagWipesEveryKey()
    {
        k93test::TempSettings store;
        {
            QSettings settings;
            settings.setValue("ResetFlag", 5);
            settings.setValue("Language", "Chinese");
            settings.setValue("K93/PageID", 3);
        }
        AppSettingsSubject::prepareStore();
        QSettings settings;
        QVERIFY(!settings.contains("K93/PageID"));
        QCOMPARE(settings.value("Language").toString(), QString("English"));
        QCOMPARE(settings.value("ResetFlag").toInt(), 6);
    }

    void languageChangeOrder()
    {
        k93test::TempSettings store;
        auto& subject = AppSettingsSubject::instance();
        QStringList log;
        RecordingObserver first(&log, "first");
        RecordingObserver second(&log, "second");
        subject.addObserver(&first).addObservers({&second, &first});
        AttributeRecorder recorder(&subject);

        // Observers run between the "1" and the "0" message.
        connect(&subject, &AppSettingsSubject::attributeChanged, this, [&](QString, QString attribute, QString value) {
            log << attribute + "=" + value;
        });
        subject.changeLanguage("Chinese");
        disconnect(&subject, nullptr, this, nullptr);

        QCOMPARE(recorder.messages(), (QList<Message> {
            {"AppSettings", "ModifyLanguage", "Chinese"},
            {"AppSettings", "ChangeLanguage", "1"},
            {"AppSettings", "ChangeLanguage", "0"},
        }));
        QCOMPARE(log, (QStringList {"ModifyLanguage=Chinese", "ChangeLanguage=1",
                                    "first::Language:Chinese", "second::Language:Chinese",
                                    "ChangeLanguage=0"}));
        QCOMPARE(QSettings().value("Language").toString(), QString("Chinese"));
        QCOMPARE(first.value("Language").toString(), QString("Chinese"));
        QVERIFY(!first.value("NoSuchKey").isValid());
    }

    void scaleFactorChangeOrder()
    {
        k93test::TempSettings store;
        auto& subject = AppSettingsSubject::instance();
        QStringList log;
        RecordingObserver observer(&log, "only");
        subject.addObserver(&observer);
        AttributeRecorder recorder(&subject);
        subject.changeScaleFactor("1.25");
        QCOMPARE(recorder.messages(), (QList<Message> {
            {"AppSettings", "ModifyScaleFactor", "1.25"},
            {"AppSettings", "ChangeScaleFactor", "1"},
            {"AppSettings", "ChangeScaleFactor", "0"},
        }));
        QCOMPARE(log, QStringList {"only::ScaleFactor:1.25"});
        QCOMPARE(QSettings().value("ScaleFactor").toFloat(), 1.25f);
    }

    void observersLeaveWhenDestroyedOrRemovedMidNotification()
    {
        k93test::TempSettings store;
        auto& subject = AppSettingsSubject::instance();
        QStringList log;
        RemovingObserver remover;
        {
            RecordingObserver shortLived(&log, "gone");
            subject.addObserver(&shortLived);
            QVERIFY(subject.hasObserver(&shortLived));
        }
        RecordingObserver victim(&log, "victim");
        remover.victim = &victim;
        subject.addObserver(&remover).addObserver(&victim);
        subject.changeLanguage("English");
        QCOMPARE(remover.calls, 1);
        QVERIFY(log.isEmpty());
        subject.removeObserver(&remover);
    }

    void mainWindowReferenceDoesNotDangle()
    {
        auto& subject = AppSettingsSubject::instance();
        QCOMPARE(subject.getMainWindow(), nullptr);
        auto* window = new QWidget;
        subject.setMainWindow(window);
        QCOMPARE(subject.getMainWindow(), window);
        delete window;
        QCOMPARE(subject.getMainWindow(), nullptr);
    }
};

K93_TEST(AppSettingsTest)
#include "appsettingstest.moc"
