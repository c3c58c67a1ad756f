#include "strips/mixer/mixerbase.h"

#include "app/appsettings.h"
#include "app/globalfont.h"
#include "app/workspace.h"
#include "device/usbaudioapi.h"

#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <cmath>

const char* const MixerBase::kGainSuffixes[4] = {"_GainMLCL", "_GainMLCR", "_GainMRCL", "_GainMRCR"};

namespace {
const QString kFrameStyle = "QFrame {   background-color: #161616;   border-radius: %1px;}";
const QString kTitleStyle = "QLineEdit {   color: rgb(161, 161, 161);   background-color: rgb(46, 46, 46);   "
                            "border-radius: 5px;   selection-color: rgb(0, 121, 107);   "
                            "selection-background-color: rgb(224, 247, 250);}";
const QString kTitleStyleSized = "QLineEdit {   color: rgb(161, 161, 161);   background-color: rgb(46, 46, 46);   "
                                 "border-top-left-radius: %1px; border-top-right-radius: %1px;   "
                                 "selection-color: rgb(0, 121, 107);   selection-background-color: rgb(224, 247, 250);}";
const QString kCloseStyle = "QPushButton {   background-color: transparent;   image: url(:/Icon/WidgetCloseBlack.png);}"
                            "QPushButton:hover {   border: 2px solid rgb(46, 46, 46);   border-radius: 3px;}";

QString valueText(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? "1" : "0";
    return value.toString();
}
} // namespace

MixerBase::MixerBase(QWidget* parent)
    : Solo(parent)
{
    connect(this, &Solo::soloStateChanged, this, &MixerBase::in_widgetBase_soloStateChanged, Qt::UniqueConnection);
}

MixerBase::~MixerBase() = default;

MixerBase& MixerBase::setMixCurrent(QString* mix)
{
    mMixCurrent = mix;
    return *this;
}

MixerBase& MixerBase::setMixList(QList<QString>* list)
{
    mMixList = list;
    return *this;
}

MixerBase& MixerBase::setMixSoloState(QHash<QString, int>* counts)
{
    mMixSoloState = counts;
    return *this;
}

MixerBase& MixerBase::setMixVisible(QHash<QString, QString>* lists)
{
    mMixVisible = lists;
    return *this;
}

int MixerBase::getMixSoloState(const QString& mix) const
{
    return mMixSoloState ? qMax(0, mMixSoloState->value(mix, 0)) : 0;
}

QString MixerBase::getMixVisible(const QString& mix) const
{
    return mMixVisible ? mMixVisible->value(mix) : QString();
}

bool MixerBase::listContains(const QString& list, const QString& name)
{
    return !name.isEmpty() && list.contains("|" + name + "|");
}

bool MixerBase::isPresentIn(const QString& mix) const
{
    return listContains(getMixVisible(mix), getChannelNameDefault());
}

MixerBase& MixerBase::setChannelNameDefault(const QString& name)
{
    StripBase::setChannelNameDefault(name);
    return *this;
}

MixerBase& MixerBase::setSaveMirror(bool mirror)
{
    StripBase::setSaveMirror(mirror);
    return *this;
}

MixerBase& MixerBase::setEnableSilent(bool enable)
{
    StripBase::setEnableSilent(enable);
    return *this;
}

MixerBase& MixerBase::setEnable(bool enable)
{
    if (enable != mEnable) {
        // The area's solo count gains or loses this strip's active solos.
        if (mLinked) {
            if (getSoloState())
                in_widgetBase_soloStateChanged(objectName(), enable);
        } else {
            if (getSoloStateLeft())
                in_widgetBase_soloStateChanged(objectName(), enable);
            if (getSoloStateRight())
                in_widgetBase_soloStateChanged(objectName(), enable);
        }
    }
    mEnable = enable;
    if (mSaveMirror && isMixBound())
        emit attributeChanged(objectName(), "Save_" + getMixCurrent() + "_Enable", enable ? "1" : "0");
    updateAttribute();
    return *this;
}

MixerBase& MixerBase::setCloseEnable(bool enable)
{
    StripBase::setCloseEnable(enable);
    return *this;
}

MixerBase& MixerBase::setSendEnable(bool enable)
{
    StripBase::setSendEnable(enable);
    return *this;
}

MixerBase& MixerBase::updateSolo(int count)
{
    Q_UNUSED(count);
    applySoloCount();
    return *this;
}

void MixerBase::loadMixSettings(QString mix)
{
    setSendEnable(false);
    showMix(mix);
    setSendEnable(true);
    // The device holds every mix's gains; the next touch sends all four.
    resetLastSent();
}

void MixerBase::updateAttribute()
{
    if (!mSendEnable)
        return;
    sendChangedGains(mEnable ? currentGains() : Gains {});
}

void MixerBase::in_widgetBase_soloStateChanged(QString objectName, bool state)
{
    emit attributeChanged(objectName, "Solo", state ? "1" : "0");
}

// ---- gain laws -------------------------------------------------------------

int MixerBase::clampLevel(int tenthsDb)
{
    return qBound(kLevelFloor, tenthsDb, kLevelClip);
}

int MixerBase::clampFader(int db)
{
    return qBound(kFaderMin, db, kFaderMax);
}

qint32 MixerBase::dbToLinear(double db)
{
    // From about +36.1 dB the gain no longer fits 32 bits, and far above
    // that the device layer's own conversion would overflow.
    static const double ceilingDb = 20.0 * std::log10(double(INT_MAX) / 33554432.0);
    if (std::isnan(db))
        return 0;
    if (db >= ceilingDb)
        return INT_MAX;
    const qint64 linear = USBAudioAPI::dbToLinear(db, kFloorDb);
    return qint32(qBound(qint64(0), linear, qint64(INT_MAX)));
}

qint32 MixerBase::balanceGain(qint32 linear, float balance, bool intoRight)
{
    if (!std::isfinite(balance))
        balance = 0.0f;
    balance = qBound(0.0f, balance, 100.0f);
    const float f = float(linear);
    const float share = intoRight ? balance : 100.0f - balance;
    const float product = f * share;
    const float result = product / 100.0f;
    // A float just below 2^31 may round up to it; keep within the 32-bit range.
    if (result >= 2147483648.0f)
        return INT_MAX;
    return qint32(result);
}

qint32 MixerBase::weightedGain(qint64 linear, int balance, bool intoRight)
{
    balance = qBound(0, balance, 200);
    const qint64 share = intoRight ? balance : 200 - balance;
    return qint32(qBound(qint64(INT_MIN), linear * share / 200, qint64(INT_MAX)));
}

MixerBase::Gains MixerBase::stereoGains(const StereoInput& left, const StereoInput& right)
{
    auto side = [](const StereoInput& input, bool intoRight) -> qint32 {
        if (input.muted)
            return 0;
        const qint32 gain = balanceGain(dbToLinear(clampFader(input.faderDb)), input.balance, intoRight);
        return input.anti ? -gain : gain;
    };
    return {side(left, false), side(right, false), side(left, true), side(right, true)};
}

std::array<int, 2> MixerBase::stereoMeterGains(int levelLeft, int levelRight, const StereoInput& left,
    const StereoInput& right)
{
    levelLeft = clampLevel(levelLeft);
    levelRight = clampLevel(levelRight);
    auto faderOf = [](const StereoInput& input) { return input.muted ? kFaderMin : clampFader(input.faderDb); };
    auto balanceOf = [](const StereoInput& input) {
        return std::isfinite(input.balance) ? qBound(0.0f, input.balance, 100.0f) : 0.0f;
    };
    const float linLeft = float(USBAudioAPI::dbToLinear(levelLeft / 10.0 + faderOf(left), kFloorDb));
    const float linRight = float(USBAudioAPI::dbToLinear(levelRight / 10.0 + faderOf(right), kFloorDb));
    const float balLeft = balanceOf(left);
    const float balRight = balanceOf(right);
    const float outLeft = linLeft * (100.0f - balLeft) / 100.0f + linRight * (100.0f - balRight) / 100.0f;
    const float outRight = linLeft * balLeft / 100.0f + linRight * balRight / 100.0f;
    return {int(USBAudioAPI::linearToDb(qint64(outLeft)) - levelLeft / 10.0),
        int(USBAudioAPI::linearToDb(qint64(outRight)) - levelRight / 10.0)};
}

int MixerBase::titlePointSize(int fitted)
{
    int size = fitted - 3;
    if (size >= 8 && size <= 11)
        size -= 1;
    else if (size >= 12 && size <= 16)
        size -= 2;
    else if (size >= 17 && size <= 21)
        size -= 3;
    return qMax(1, size - 1);
}

// ---- the parts every strip shows -------------------------------------------

QFrame* MixerBase::buildStrip(WorkspaceObserver* store, AppSettingsObserver* appStore, const QString& formName,
    QSize minimum)
{
    mStore = store;
    mAppStore = appStore;
    if (objectName().isEmpty())
        setObjectName(formName);
    setWindowTitle("Form");
    setMinimumSize(minimum);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* grid = new QGridLayout(this);
    grid->setObjectName("gridLayout");
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    mFrame = new QFrame(this);
    mFrame->setObjectName("frame");
    mFrame->setFrameShape(QFrame::StyledPanel);
    mFrame->setFrameShadow(QFrame::Raised);
    mFrame->setStyleSheet(kFrameStyle.arg(8));
    grid->addWidget(mFrame, 0, 0);

    mClose = new QPushButton(this);
    mClose->setObjectName("pushButtonClose");
    mClose->setStyleSheet(kCloseStyle);
    mClose->setFocusPolicy(Qt::NoFocus);
    mClose->setAttribute(Qt::WA_Hover);
    mClose->hide();
    mClose->installEventFilter(this);

    mTitle = new QLineEdit(mFrame);
    mTitle->setObjectName("lineEdit");
    mTitle->setAlignment(Qt::AlignCenter);
    mTitle->setStyleSheet(kTitleStyle);
    mTitle->setAttribute(Qt::WA_Hover);
    mTitle->installEventFilter(this);

    mTimer = new QTimer(this);
    mTimer->setObjectName("mTimer");
    mTimer->setSingleShot(true);
    mTimer->setInterval(100);
    installEventFilter(this);
    resize(minimumSize());

    connect(mTimer, &QTimer::timeout, this, &MixerBase::in_mTimer_timeout, Qt::UniqueConnection);
    connect(mTitle, &QLineEdit::textChanged, this, &MixerBase::on_lineEdit_textChanged);
    connect(mTitle, &QLineEdit::editingFinished, this, &MixerBase::on_lineEdit_editingFinished);
    connect(mClose, &QPushButton::clicked, this, &MixerBase::on_pushButtonClose_clicked);
    return mFrame;
}

void MixerBase::setStripName(const QString& name)
{
    setObjectName(name);
    if (mStore)
        mStore->setObserverName(name);
    if (mAppStore)
        mAppStore->setObserverName(name);
}

void MixerBase::setStripFont(const QFont& font)
{
    mFont = font;
}

void MixerBase::setTitleEditable(bool editable)
{
    // Read-only rather than disabled: the title must still report hovering
    // for the close button.
    mTitle->setReadOnly(!editable);
    mTitle->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
}

void MixerBase::layoutTitle(int titleHeight, double radiusFactor)
{
    const int w = width();
    mTitle->setGeometry(0, 0, w, titleHeight);
    const int c = titleHeight / 2;
    mClose->setGeometry(int(w - 1.3 * c), (titleHeight - c) / 2, c, c);
    mTitlePointSize = titlePointSize(GlobalFont::getSuitablePointSize(mFont, titleHeight));
    fitTitleFont();
    const int radius = int(w * radiusFactor);
    mFrame->setStyleSheet(kFrameStyle.arg(radius));
    mTitle->setStyleSheet(kTitleStyleSized.arg(radius));
}

// ---- store and send --------------------------------------------------------

QVariant MixerBase::stored(const QString& key) const
{
    return mStore ? mStore->value(key) : QVariant();
}

float MixerBase::storedBalance(const QString& key, float max) const
{
    const float value = stored(key).toFloat();
    return std::isfinite(value) ? qBound(0.0f, value, max) : 0.0f;
}

bool MixerBase::storedMuted(const QString& mix, const QString& soloSuffix, const QString& muteSuffix) const
{
    if (getMixSoloState(mix) != 0)
        return !storedBool(mix + soloSuffix);
    return storedBool(mix + muteSuffix);
}

void MixerBase::save(const QString& key, const QVariant& value)
{
    if (mStore)
        mStore->setValue(key, value);
    if (mSaveMirror)
        emit attributeChanged(objectName(), "Save_" + key, valueText(value));
}

void MixerBase::soloButtonChanged(Side side, bool on)
{
    if (handleSolo(side))
        save(mixKey("_SOLO" + sideSuffix(side)), on);
}

void MixerBase::muteButtonChanged(Side side, bool on)
{
    if (handleMute(side))
        save(mixKey("_MUTE" + sideSuffix(side)), on);
    updateAttribute();
}

void MixerBase::sendChangedGains(const Gains& gains)
{
    const QString mix = getMixCurrent();
    for (int i = 0; i < 4; ++i) {
        if (gains[i] == mLastSent[i])
            continue;
        mLastSent[i] = gains[i];
        emit attributeChanged(objectName(), mix + kGainSuffixes[i], QString::number(gains[i]));
    }
}

void MixerBase::emitGains(const QString& mix, const Gains& gains)
{
    for (int i = 0; i < 4; ++i)
        emit attributeChanged(objectName(), mix + kGainSuffixes[i], QString::number(gains[i]));
}

void MixerBase::mirrorMix(const QString& mix, bool enabled)
{
    emit attributeChanged(objectName(), "Save_" + mix + "_Enable", enabled ? "1" : "0");
    for (const KeySpec& spec : mixKeys()) {
        const QVariant value = stored(mix + spec.suffix);
        emit attributeChanged(objectName(), "Save_" + mix + spec.suffix,
            spec.isBool ? (value.toBool() ? "1" : "0") : value.toString());
    }
}

void MixerBase::writeMissingDefaults(bool fresh)
{
    if (!mStore)
        return;
    if (fresh) {
        mStore->setValue(mStore->getObserverName(), true);
        mStore->setValue("ChannelName", getChannelNameDefault());
    }
    const QList<KeySpec> keys = mixKeys();
    for (const QString& mix : getMixList()) {
        for (const KeySpec& spec : keys) {
            // A group that has the marker but misses a key (the mix list grew)
            // gets the default too, else a right balance would read 0.
            if (fresh || !mStore->value(mix + spec.suffix).isValid())
                mStore->setValue(mix + spec.suffix, spec.defaultValue);
        }
    }
    if (!fresh && !mStore->value("ChannelName").isValid())
        mStore->setValue("ChannelName", getChannelNameDefault());
}

void MixerBase::loadStripSettings()
{
    resetLastSent();
    setSendEnable(false);
    const QString current = getMixCurrent();
    const QList<QString> mixes = getMixList();
    writeMissingDefaults(!(mStore && mStore->hasWorkspaceMarker()));

    QString title = stored("ChannelName").toString();
    if (title.isEmpty())
        title = getChannelNameDefault();
    mTitle->setText(title);

    for (const QString& mix : mixes) {
        if (mix == current)
            continue;
        const bool present = isPresentIn(mix);
        const Gains gains = present ? storedGains(mix) : Gains {};
        if (mSaveMirror)
            mirrorMix(mix, present);
        emitGains(mix, gains);
    }

    showMix(current);
    if (mSaveMirror) {
        emit attributeChanged(objectName(), "Save_ChannelName", mTitle->text());
        mirrorMix(current, mEnable);
    }
    setSendEnable(true);
    updateAttribute();
}

// ---- title and hover close button -------------------------------------------

void MixerBase::in_mTimer_timeout()
{
    mClose->show();
    mClose->raise();
}

void MixerBase::on_pushButtonClose_clicked()
{
    // The area finds the strip by its default channel name.
    emit attributeChanged(getChannelNameDefault(), "Hide", "1");
    mClose->hide();
}

void MixerBase::fitTitleFont()
{
    // The size follows the title's height; a long name must still show whole
    // in a narrow strip.
    QFont font = mFont;
    int size = mTitlePointSize;
    font.setPointSize(size);
    const int room = mTitle->width() - 8;
    while (size > 1 && !GlobalFont::isWidthSuitable(font, mTitle->text(), room))
        font.setPointSize(--size);
    mTitle->setFont(font);
}

void MixerBase::on_lineEdit_textChanged(const QString& text)
{
    QFont font = mTitle->font();
    font.setPointSize(5);
    const int room = minimumWidth() - 6;
    if (GlobalFont::isWidthSuitable(font, text, room)) {
        fitTitleFont();
        return;
    }
    // The longest fitting prefix, found at once: cutting one character per
    // change would recurse once per character of a long pasted name.
    qsizetype lo = 0;
    qsizetype hi = text.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (GlobalFont::isWidthSuitable(font, text.left(mid), room))
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo > 0 && text.at(lo - 1).isHighSurrogate())
        --lo;
    const QSignalBlocker blocker(mTitle);
    mTitle->setText(text.left(lo));
    fitTitleFont();
}

void MixerBase::on_lineEdit_editingFinished()
{
    if (mTitle->text().isEmpty()) {
        const QSignalBlocker blocker(mTitle);
        mTitle->setText(getChannelNameDefault());
        fitTitleFont();
    }
    mTitle->clearFocus();
    save("ChannelName", mTitle->text());
}

void MixerBase::checkHoverLeft()
{
    if (!mTitle->underMouse() && !mClose->underMouse()) {
        mTimer->stop();
        mClose->hide();
    }
}

void MixerBase::checkCursorOverTitle()
{
    if (mTitle->rect().contains(mTitle->mapFromGlobal(QCursor::pos())))
        mTimer->start();
}

bool MixerBase::eventFilter(QObject* watched, QEvent* event)
{
    if (!mTitle || !mClose || !mEnable || !mCloseEnable)
        return Solo::eventFilter(watched, event);
    const bool titleOrClose = watched == mTitle || watched == mClose;
    switch (event->type()) {
    case QEvent::HoverEnter:
        if (titleOrClose) {
            if (mClose->isHidden())
                mTimer->start();
            return true;
        }
        break;
    case QEvent::HoverLeave:
        if (titleOrClose)
            QTimer::singleShot(0, this, &MixerBase::checkHoverLeft);
        break;
    case QEvent::MouseButtonPress:
        if (watched == mTitle && mTitle->isEnabled() && !mTitle->isReadOnly()) {
            mTimer->stop();
            mClose->hide();
        }
        break;
    case QEvent::Move:
        if (watched == this)
            QTimer::singleShot(0, this, &MixerBase::checkCursorOverTitle);
        break;
    default:
        break;
    }
    return Solo::eventFilter(watched, event);
}
