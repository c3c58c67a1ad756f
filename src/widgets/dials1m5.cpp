#include "widgets/dials1m5.h"

#include <QDoubleValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kListTolerance = 1e-6;

} // namespace

DialS1M5::DialS1M5(QWidget* parent)
    : DialSetters<DialS1M5>(parent)
{
    mClampOnSet = true;
    mKeyStepFollowsWheel = false;
    mShowTrack = true;
}

DialS1M5::~DialS1M5() = default;

QLineEdit* DialS1M5::editor() const
{
    return mEditor.data();
}

bool DialS1M5::stepValid(float step) const
{
    if (!std::isfinite(step) || step <= 0.0f)
        return false;
    if (mMode == 1 && mList.size() >= 2)
        return step <= float(mList.size() - 1);
    return step <= mMax - mMin;
}

DialS1M5& DialS1M5::setDragStep(float step)
{
    if (stepValid(step))
        mDragStep = step;
    return *this;
}

DialS1M5& DialS1M5::setWheelStep(float step)
{
    if (stepValid(step))
        mWheelStep = step;
    return *this;
}

DialS1M5& DialS1M5::setKeyStep(float step)
{
    if (stepValid(step))
        mKeyStep = step;
    return *this;
}

DialS1M5& DialS1M5::setMode(int mode)
{
    if (mode < 0 || mode > 2)
        return *this;
    mMode = mode;
    if (mMode == 1 && listMode()) {
        // Index mode keeps the default and the value on entries.
        if (indexOf(mDefault) < 0)
            mDefault = mList[nearestIndex(mDefault)];
        mIndex = nearestIndex(mValue);
        mValue = mList[mIndex];
    }
    refit();
    return *this;
}

DialS1M5& DialS1M5::setValueList(const QList<float>& values)
{
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (!std::isfinite(values[i]) || (i > 0 && !(values[i] > values[i - 1])))
            return *this;
    }
    mList = values;
    mIndex = 0;
    if (mList.isEmpty())
        return *this;
    applyRange(mList.first(), mList.last());
    if (listMode()) {
        mIndex = nearestIndex(mValue);
        if (mMode == 1) {
            mValue = mList[mIndex];
            if (indexOf(mDefault) < 0)
                mDefault = mList[nearestIndex(mDefault)];
        }
    }
    refit();
    return *this;
}

DialS1M5& DialS1M5::showPlusSign(bool show)
{
    mPlusSign = show;
    refit();
    return *this;
}

DialS1M5& DialS1M5::showPlusInf(bool show)
{
    mShowPlusInf = show;
    refit();
    return *this;
}

DialS1M5& DialS1M5::setSuffix(const QString& suffix)
{
    mSuffix = suffix;
    refit();
    return *this;
}

DialS1M5& DialS1M5::setPrecision(int decimals)
{
    if (decimals >= 0 && decimals <= 4) {
        mPrecision = decimals;
        refit();
    }
    return *this;
}

DialS1M5& DialS1M5::setFitText(const QString& text)
{
    mFitText = text;
    refit();
    return *this;
}

DialS1M5& DialS1M5::setEditable(bool editable)
{
    mEditable = editable;
    if (!editable)
        closeEditor();
    return *this;
}

DialS1M5& DialS1M5::setEditorDecimals(int decimals)
{
    if (decimals >= 0 && decimals <= 6)
        mEditorDecimals = decimals;
    return *this;
}

DialS1M5& DialS1M5::setEditorFontScale(double scale)
{
    if (std::isfinite(scale) && scale > 0.0)
        mEditorFontScale = scale;
    return *this;
}

DialS1M5& DialS1M5::setDimmed(bool dimmed)
{
    mDimmed = dimmed;
    if (dimmed)
        closeEditor();
    update();
    return *this;
}

DialS1M5& DialS1M5::setEnable(bool enable)
{
    setEnabled(enable);
    if (!enable)
        closeEditor();
    update();
    return *this;
}

DialS1M5& DialS1M5::setColorPointerDisabled(const QColor& color)
{
    mColorPointerDisabled = color;
    update();
    return *this;
}

int DialS1M5::indexOf(float value) const
{
    for (qsizetype i = 0; i < mList.size(); ++i)
        if (std::fabs(double(mList[i]) - double(value)) <= kListTolerance)
            return int(i);
    return -1;
}

int DialS1M5::nearestIndex(double value) const
{
    const auto it = std::lower_bound(mList.begin(), mList.end(), value, [](float e, double v) { return e < v; });
    const int upper = int(it - mList.begin());
    if (upper <= 0)
        return 0;
    if (upper >= mList.size())
        return int(mList.size() - 1);
    return value - mList[upper - 1] <= mList[upper] - value ? upper - 1 : upper;
}

// Fractional list position of a value, so that the pointer follows the list
// (a power table sweeps evenly) and off-list values land between entries.
double DialS1M5::indexPosition(double value) const
{
    if (value <= mList.first())
        return 0.0;
    if (value >= mList.last())
        return double(mList.size() - 1);
    const auto it = std::upper_bound(mList.begin(), mList.end(), value, [](double v, float e) { return v < e; });
    const int hi = int(it - mList.begin());
    const double a = mList[hi - 1], b = mList[hi];
    return (hi - 1) + (value - a) / (b - a);
}

double DialS1M5::fractionOf(float value) const
{
    if (!listMode())
        return DialBase::fractionOf(value);
    if (mMode == 1 && std::fabs(double(mList[mIndex]) - value) <= kListTolerance)
        return double(mIndex) / (mList.size() - 1);
    return indexPosition(value) / (mList.size() - 1);
}

float DialS1M5::valueAtFraction(double fraction) const
{
    if (!listMode())
        return DialBase::valueAtFraction(fraction);
    const double pos = std::clamp(fraction, 0.0, 1.0) * (mList.size() - 1);
    const int lo = std::min(int(pos), int(mList.size() - 2));
    return clampToRange(mList[lo] + (pos - lo) * (double(mList[lo + 1]) - mList[lo]));
}

float DialS1M5::steppedFrom(float value, int steps, float step) const
{
    if (!listMode() || steps == 0)
        return DialBase::steppedFrom(value, steps, step);
    const int last = int(mList.size() - 1);
    int index;
    if (mMode == 1) {
        const int entries = std::max(1, int(std::lround(step))) * std::abs(steps);
        int from = std::fabs(double(mList[mIndex]) - value) <= kListTolerance ? mIndex : -1;
        if (from >= 0) {
            index = from + (steps > 0 ? entries : -entries);
        } else if (steps > 0) {
            // Off the list: the first entry in the direction counts as one step.
            index = int(std::upper_bound(mList.begin(), mList.end(), value) - mList.begin()) + entries - 1;
        } else {
            index = int(std::lower_bound(mList.begin(), mList.end(), value) - mList.begin()) - entries;
        }
    } else {
        index = nearestIndex(double(value) + double(steps) * step);
        // A step smaller than the gap between entries still moves one entry.
        if (steps > 0 && !(mList[std::clamp(index, 0, last)] > value))
            index = int(std::upper_bound(mList.begin(), mList.end(), value) - mList.begin());
        else if (steps < 0 && !(mList[std::clamp(index, 0, last)] < value))
            index = int(std::lower_bound(mList.begin(), mList.end(), value) - mList.begin()) - 1;
    }
    return clampToRange(mList[std::clamp(index, 0, last)]);
}

float DialS1M5::draggedTo(double fraction) const
{
    if (!listMode())
        return DialBase::draggedTo(fraction);
    const int last = int(mList.size() - 1);
    int index = int(std::lround(std::clamp(fraction, 0.0, 1.0) * last));
    if (mMode == 1) {
        const double step = std::max(1.0, std::round(double(mDragStep)));
        index = int(std::round(index / step) * step);
    }
    return clampToRange(mList[std::clamp(index, 0, last)]);
}

double DialS1M5::dragSteps() const
{
    if (mMode == 1 && listMode())
        return (mList.size() - 1) / std::max(1.0, std::round(double(mDragStep)));
    return DialBase::dragSteps();
}

bool DialS1M5::acceptsDefault(float value) const
{
    return mMode != 1 || mList.isEmpty() || indexOf(value) >= 0;
}

void DialS1M5::storeValue(float value)
{
    mValue = value;
    if (listMode()) {
        const int i = indexOf(value);
        if (i >= 0)
            mIndex = i;
    }
}

void DialS1M5::rangeChanged()
{
    if (mIndex >= mList.size())
        mIndex = 0;
}

QString DialS1M5::textFor(float value) const
{
    if (mShowPlusInf && mMax > mMin && value >= mMax)
        return QStringLiteral("∞") + mSuffix;
    if (mShowMinusInf && mMax > mMin && value <= mMin)
        return QStringLiteral("-∞") + mSuffix;
    QString text = QString::number(double(value), 'f', mPrecision);
    bool zero = true;
    for (QChar c : text)
        if (c.isDigit() && c != '0')
            zero = false;
    if (zero && text.startsWith('-'))
        text.remove(0, 1);
    else if (!zero && mPlusSign && value > 0)
        text.prepend('+');
    return text + mSuffix;
}

void DialS1M5::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && mEditable && !mDimmed && isEnabled()) {
        openEditor();
        event->accept();
        return;
    }
    DialBase::mousePressEvent(event);
}

void DialS1M5::openEditor()
{
    if (mEditor)
        return;
    auto* edit = new QLineEdit(this);
    mEditor = edit;
    edit->setObjectName("DialS1M5Editor");
    edit->setAlignment(Qt::AlignCenter);
    edit->setFrame(false);
    edit->setStyleSheet("QLineEdit { background: rgb(22,22,22); color: rgb(222,222,222); border: 1px solid rgb(67,207,124); }");
    QFont font = mTextFont;
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * mEditorFontScale))));
    edit->setFont(font);

    // The C locale: a decimal point everywhere, no group separators.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    auto* validator = new QDoubleValidator(double(mMin), double(mMax), mEditorDecimals, edit);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(c);
    edit->setValidator(validator);
    edit->setText(c.toString(double(mValue), 'f', mEditorDecimals));

    const QRectF dial = dialRect();
    const QRectF box = textRect();
    const double w = std::max(box.width(), dial.width() * 0.8);
    const double h = std::max(box.height(), double(edit->fontMetrics().height() + 4));
    edit->setGeometry(QRectF(dial.center().x() - w / 2, dial.center().y() - h / 2, w, h).toAlignedRect());
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::returnPressed, this, &DialS1M5::acceptEditor);
    edit->show();
    edit->selectAll();
    edit->setFocus(Qt::PopupFocusReason);
}

void DialS1M5::acceptEditor()
{
    if (!mEditor)
        return;
    QString text = mEditor->text().trimmed();
    int pos = 0;
    const bool acceptable = mEditor->validator()->validate(text, pos) == QValidator::Acceptable;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!acceptable || !ok || !std::isfinite(value) || value < mMin || value > mMax) {
        // Left open, so the user sees the entry was refused and can correct it.
        mEditor->selectAll();
        return;
    }
    closeEditor();
    applyValue(float(value));
    emit valueChanged(mValue);
}

void DialS1M5::closeEditor()
{
    if (!mEditor)
        return;
    QLineEdit* edit = mEditor;
    mEditor = nullptr;
    const bool hadFocus = edit->hasFocus();
    edit->removeEventFilter(this);
    edit->hide();
    edit->deleteLater();
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
}

bool DialS1M5::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mEditor) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            closeEditor();
            return true;
        }
        if (event->type() == QEvent::FocusOut) {
            closeEditor();
            return false;
        }
    }
    return DialBase::eventFilter(watched, event);
}
