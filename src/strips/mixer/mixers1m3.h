#pragma once

#include "app/appsettings.h"
#include "app/workspace.h"
#include "strips/mixer/mixersinglefader.h"

// Single-fader strip of the IN1/IN2 pair: each input is spread over the
// mix's two sides by the balance set on that input's own strip.
class MixerS1M3 : public MixerSingleFader, public WorkspaceObserver, public AppSettingsObserver
{
    Q_OBJECT
public:
    explicit MixerS1M3(QWidget* parent = nullptr, const QString& name = QString());

    MixerS1M3& setName(const QString& name);
    MixerS1M3& setFont(const QFont& font);
    MixerS1M3& setChannelNameEditable(bool editable);
    // IN1 and IN2 levels in tenths of a dB.
    MixerS1M3& setVolumeMeterLeft(int level);
    MixerS1M3& setVolumeMeterRight(int level);
    // The input strips' pan, 0 (all left) to 200 (all right), 100 centre.
    MixerS1M3& setBalanceIN1(int balance, bool update);
    MixerS1M3& setBalanceIN2(int balance, bool update);
    // Sends every other mix's gains at once, then the current mix's changes.
    MixerS1M3& updateAllMixGains();

    int getBalanceIN1() const { return mBalanceIN1; }
    int getBalanceIN2() const { return mBalanceIN2; }

    // The strip's own workspace values; application settings go through AppSettingsObserver::value.
    using WorkspaceObserver::value;

    void loadSettings() override { loadStripSettings(); }
    void appSettingsChanged(QString objectName, QString attribute, QString value) override;

protected:
    Gains storedGains(const QString& mix) const override;
    Gains currentGains() const override;

private:
    Gains spread(qint64 g) const;
    void refreshMeters();

    int mBalanceIN1 = 0;
    int mBalanceIN2 = 0;
    int mLevelIN1 = kLevelFloor;
    int mLevelIN2 = kLevelFloor;
};
