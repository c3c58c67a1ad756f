// The mixers of "Live streaming mode" and "Pro audio mode".
#include "mainwindow/mainwindow_k93.h"

#include "app/globalfont.h"
#include "fields/fieldmixers1m1.h"
#include "strips/mixer/mixers1m2.h"
#include "strips/mixer/mixers1m3.h"
#include "strips/mixer/mixers1m4.h"

namespace {
struct MixerChannel {
    const char* name;
    const char* defaultName;
};

// In the order the mixer areas show them.
constexpr MixerChannel kLiveChannels[] = {
    {"Mixer_IN12", "IN"},           {"Mixer_AUX", "AUX"},           {"Mixer_BT", "BT"},
    {"Mixer_OTGIN", "OTG IN"},      {"Mixer_FX", "FX"},             {"Mixer_PB12", "Playback 1/2"},
    {"Mixer_PB34", "Playback 3/4"}, {"Mixer_PB56", "Playback 5/6"}, {"Mixer_PB78", "Playback 7/8"},
    {"Mixer_PB910", "Playback 9/10"},
};
constexpr MixerChannel kProChannels[] = {
    {"Mixer_IN12", "IN"},           {"Mixer_AUX", "AUX"},           {"Mixer_BT", "BT"},
    {"Mixer_OTGIN", "OTG IN"},      {"Mixer_PB12", "Playback 1/2"}, {"Mixer_PB34", "Playback 3/4"},
    {"Mixer_PB56", "Playback 5/6"}, {"Mixer_PB78", "Playback 7/8"}, {"Mixer_PB910", "Playback 9/10"},
};

// The strip classes share no level setter: try each in turn.
template <class... Strips>
void showLevel(MixerBase* strip, bool left, int level)
{
    auto tryOne = [&](auto* typed) {
        if (!typed)
            return false;
        if (left)
            typed->setVolumeMeterLeft(level);
        else
            typed->setVolumeMeterRight(level);
        return true;
    };
    (tryOne(qobject_cast<Strips*>(strip)) || ...);
}

template <class Strip>
Strip* configured(Strip* strip, const MixerChannel& channel)
{
    strip->setName(channel.name);
    strip->setChannelNameDefault(channel.defaultName);
    strip->setSaveMirror(false);
    strip->setFont(GlobalFont::getFont());
    strip->setChannelNameEditable(false);
    AppSettingsSubject::instance().addObserver(strip);
    return strip;
}
}

void MainWindow_K93::buildMixers()
{
    QList<MixerBase*> live;
    QStringList liveNames;
    for (const auto& channel : kLiveChannels) {
        MixerBase* strip = nullptr;
        if (QLatin1String(channel.name) == QLatin1String("Mixer_IN12"))
            strip = mMixerLiveIN12 = configured(new MixerS1M3, channel);
        else
            strip = configured(new MixerS1M2, channel);
        live << strip;
        liveNames << channel.defaultName;
        mMixersLive.insert(channel.name, strip);
    }
    mFieldMixerLive->setWidgetList(live);
    mFieldMixerLive->setVisibleListDefault(liveNames);

    QList<MixerBase*> pro;
    QStringList proNames;
    for (const auto& channel : kProChannels) {
        auto* strip = configured(new MixerS1M4, channel);
        if (QLatin1String(channel.name) == QLatin1String("Mixer_IN12"))
            strip->setLinkDefault(false);
        pro << strip;
        proNames << channel.defaultName;
        mMixersPro.insert(channel.name, strip);
    }
    mFieldMixerPro->setWidgetList(pro);
    mFieldMixerPro->setVisibleListDefault(proNames);

    // The areas load before their strips.
    for (auto* strip : std::as_const(live))
        addPageObserver(PageLive, dynamic_cast<WorkspaceObserver*>(strip));
    for (auto* strip : std::as_const(pro))
        addPageObserver(PagePro, dynamic_cast<WorkspaceObserver*>(strip));
}

MixerBase* MainWindow_K93::mixerStrip(PageID id, const QString& channel) const
{
    if (id == PageLive)
        return mMixersLive.value(channel);
    if (id == PagePro)
        return mMixersPro.value(channel);
    return nullptr;
}

void MainWindow_K93::wireMixers()
{
    connect(mFieldMixerLive, &FieldBase::attributeChanged, &mDevice, &DeviceK93::in_fieldMixer_attributeChanged);
    connect(mFieldMixerPro, &FieldBase::attributeChanged, &mDevice, &DeviceK93::in_fieldMixer_attributeChanged);

    // Levels go to the strip of the layout on screen.
    for (const auto& channel : kLiveChannels) {
        const QString name = channel.name;
        addDispatch(name, "LevelLeft", [this, name](qint32 level) {
            showLevel<MixerS1M2, MixerS1M3, MixerS1M4>(mixerStrip(mCurrentPage, name), true, level);
        });
        addDispatch(name, "LevelRight", [this, name](qint32 level) {
            showLevel<MixerS1M2, MixerS1M3, MixerS1M4>(mixerStrip(mCurrentPage, name), false, level);
        });
    }
}

void MainWindow_K93::in_widgetInput_attributeChanged(QString objectName, QString attribute, QString value)
{
    if (!attribute.startsWith("Balance") || !mMixerLiveIN12)
        return;
    bool ok = false;
    const int balance = value.toInt(&ok);
    if (!ok)
        return;
    if (objectName == "Input_IN1")
        mMixerLiveIN12->setBalanceIN1(balance, attribute == "Balance");
    else if (objectName == "Input_IN2")
        mMixerLiveIN12->setBalanceIN2(balance, attribute == "Balance");
}
