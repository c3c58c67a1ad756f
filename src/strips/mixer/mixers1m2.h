#pragma once

#include "app/appsettings.h"
#include "app/workspace.h"
#include "strips/mixer/mixersinglefader.h"

// Single-fader strip: the left signal goes to the mix's left side and the
// right signal to its right side, both at the fader's gain.
class MixerS1M2 : public MixerSingleFader, public WorkspaceObserver, public AppSettingsObserver
{
    Q_OBJECT
public:
    explicit MixerS1M2(QWidget* parent = nullptr, const QString& name = QString());

    MixerS1M2& setName(const QString& name);
    MixerS1M2& setFont(const QFont& font);
    MixerS1M2& setChannelNameEditable(bool editable);
    // Device levels in tenths of a dB (1 marks clipping).
    MixerS1M2& setVolumeMeterLeft(int level);
    MixerS1M2& setVolumeMeterRight(int level);

    // The strip's own workspace values; application settings go through AppSettingsObserver::value.
    using WorkspaceObserver::value;

    void loadSettings() override { loadStripSettings(); }
    void appSettingsChanged(QString objectName, QString attribute, QString value) override;

protected:
    Gains storedGains(const QString& mix) const override;
    Gains currentGains() const override;
};
