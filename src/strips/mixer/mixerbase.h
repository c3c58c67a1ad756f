#pragma once

#include "strips/input/solo.h"
#include "strips/input/stripbase.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <array>
#include <climits>

class AppSettingsObserver;
class QFrame;
class QLineEdit;
class QPushButton;
class QTimer;
class WorkspaceObserver;

// Base of every mixer strip. The owning mixer area shares its current mix,
// mix list, per-mix solo counts and per-mix visible lists by pointer.
// Everything the strips have in common lives here: the store-then-send
// protocol, the workspace load skeleton, the gain laws, the title and the
// hover close button; a strip supplies its keys, its view of one mix and
// the gains of its controls.
class MixerBase : public Solo, public StripBase
{
    Q_OBJECT
public:
    // Matrix gains in the order MLCL, MLCR, MRCL, MRCR.
    using Gains = std::array<qint32, 4>;
    static constexpr qint32 kUnsent = INT_MIN;
    static constexpr double kFloorDb = -90.0;
    static constexpr int kFaderMin = -90;
    static constexpr int kFaderMax = 12;
    static constexpr int kLevelFloor = -900;
    static constexpr int kLevelClip = 1;
    static const char* const kGainSuffixes[4];

    explicit MixerBase(QWidget* parent = nullptr);
    ~MixerBase() override;

    MixerBase& setMixCurrent(QString* mix);
    MixerBase& setMixList(QList<QString>* list);
    MixerBase& setMixSoloState(QHash<QString, int>* counts);
    MixerBase& setMixVisible(QHash<QString, QString>* lists);
    int getMixSoloState(const QString& mix) const;
    QString getMixVisible(const QString& mix) const;
    // Empty while no area has bound the strip.
    QString getMixCurrent() const { return mMixCurrent ? *mMixCurrent : QString(); }
    QList<QString> getMixList() const { return mMixList ? *mMixList : QList<QString>(); }
    bool isMixBound() const { return mMixCurrent && mMixList; }
    // Exact-name membership of a visible list "|A|B|": "IN" is not in "|OTG IN|".
    static bool listContains(const QString& list, const QString& name);
    bool isPresentIn(const QString& mix) const;

    MixerBase& setChannelNameDefault(const QString& name) override;
    MixerBase& setSaveMirror(bool mirror) override;
    MixerBase& setEnableSilent(bool enable) override;
    MixerBase& setEnable(bool enable) override;
    MixerBase& setCloseEnable(bool enable) override;
    MixerBase& setSendEnable(bool enable) override;
    MixerBase& updateSolo(int count);

    // Shows a mix's stored values after the area switched to it; sends nothing.
    virtual void loadMixSettings(QString mix);

    // The gain laws. Device and workspace values are clamped first, so no
    // input can produce an undefined conversion or an inverted gain.
    static int clampLevel(int tenthsDb);
    static int clampFader(int db);
    // 10^(dB/20) x 2^25 truncated; 0 at or below -90 dB; at most INT32_MAX.
    static qint32 dbToLinear(double db);
    // The stereo strips' law: 32-bit float product and quotient, balance 0..100.
    static qint32 balanceGain(qint32 linear, float balance, bool intoRight);
    // The IN1/IN2 strip's law: 64-bit integer product, balance 0..200.
    static qint32 weightedGain(qint64 linear, int balance, bool intoRight);
    struct StereoInput {
        int faderDb = 0;
        float balance = 0.0f;
        bool muted = false;
        bool anti = false;
    };
    static Gains stereoGains(const StereoInput& left, const StereoInput& right);
    // Post-fader gains (whole dB) of the mix's two sides for the stereo strips' meters.
    static std::array<int, 2> stereoMeterGains(int levelLeft, int levelRight, const StereoInput& left,
        const StereoInput& right);
    // The title's point size from the size fitted to its height (never below 1).
    static int titlePointSize(int fitted);

    Gains lastSentGains() const { return mLastSent; }
    QTimer* hoverTimer() const { return mTimer; }
    QLineEdit* titleEdit() const { return mTitle; }
    QPushButton* closeButton() const { return mClose; }

public slots:
    // Sends the current mix's gains that changed since they were last sent.
    virtual void updateAttribute();
    void in_widgetBase_soloStateChanged(QString objectName, bool state);
    void in_mTimer_timeout();
    void on_pushButtonClose_clicked();
    void on_lineEdit_textChanged(const QString& text);
    void on_lineEdit_editingFinished();

signals:
    void attributeChanged(QString objectName, QString attribute, QString value);

protected:
    struct KeySpec {
        QString suffix;
        QVariant defaultValue;
        bool isBool = false;
    };

    // What a strip supplies. The defaults suit a strip without a workspace.
    virtual QList<KeySpec> mixKeys() const { return {}; }
    virtual void showMix(const QString& mix) { Q_UNUSED(mix); }
    // The gains of a mix that is not shown, from its stored values with that
    // mix's solo situation applied; only asked for mixes the strip is in.
    virtual Gains storedGains(const QString& mix) const
    {
        Q_UNUSED(mix);
        return {};
    }
    // The gains of the shown controls for the current mix.
    virtual Gains currentGains() const { return {}; }

    // Builds the frame, the title and the close button on the strip.
    QFrame* buildStrip(WorkspaceObserver* store, AppSettingsObserver* appStore, const QString& formName,
        QSize minimum);
    void setStripName(const QString& name);
    void setStripFont(const QFont& font);
    void setTitleEditable(bool editable);
    // Title, close button, title font and corner radius for the strip's size.
    void layoutTitle(int titleHeight, double radiusFactor);
    void fitTitleFont();

    QString mixKey(const QString& suffix) const { return getMixCurrent() + suffix; }
    QVariant stored(const QString& key) const;
    bool storedBool(const QString& key) const { return stored(key).toBool(); }
    int storedFader(const QString& key) const { return clampFader(stored(key).toInt()); }
    float storedBalance(const QString& key, float max) const;
    // While the mix has an active solo a side is muted unless it is soloed.
    bool storedMuted(const QString& mix, const QString& soloSuffix, const QString& muteSuffix) const;
    void save(const QString& key, const QVariant& value);
    // The SOLO and MUTE buttons of one side. Solo reaches the device only
    // through the MUTE changes it causes; the gains follow MUTE as shown, even
    // when the solo rules keep it unsaved.
    void soloButtonChanged(Side side, bool on);
    void muteButtonChanged(Side side, bool on);
    // The workspace load shared by all strips.
    void loadStripSettings();
    void resetLastSent() { mLastSent.fill(kUnsent); }
    void sendChangedGains(const Gains& gains);
    // Emits a mix's four gains whatever the send flag and the cache.
    void emitGains(const QString& mix, const Gains& gains);

    bool eventFilter(QObject* watched, QEvent* event) override;

    QFont mFont;
    int mTitlePointSize = 9;

private:
    void mirrorMix(const QString& mix, bool enabled);
    void writeMissingDefaults(bool fresh);
    void checkCursorOverTitle();
    void checkHoverLeft();

    QString* mMixCurrent = nullptr;
    QList<QString>* mMixList = nullptr;
    QHash<QString, int>* mMixSoloState = nullptr;
    QHash<QString, QString>* mMixVisible = nullptr;

    WorkspaceObserver* mStore = nullptr;
    AppSettingsObserver* mAppStore = nullptr;
    QTimer* mTimer = nullptr;
    QLineEdit* mTitle = nullptr;
    QPushButton* mClose = nullptr;
    QFrame* mFrame = nullptr;
    Gains mLastSent {kUnsent, kUnsent, kUnsent, kUnsent};
};
