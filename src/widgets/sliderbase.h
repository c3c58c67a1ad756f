#pragma once

#include <QFont>
#include <QWidget>

class QLineEdit;

// Shared body of the faders: a value edit beside a drawn slider whose value
// is a whole position in [minimum, maximum]. Variants map positions to their
// values and scale (whole dB, half dB on a piecewise scale).
class SliderBase : public QWidget
{
    Q_OBJECT
public:
    int position() const { return mPos; }
    int minimumPosition() const { return mPosMin; }
    int maximumPosition() const { return mPosMax; }
    int defaultPosition() const { return mDefaultPos; }
    QString text() const;
    QLineEdit* edit() const { return mEdit; }
    QRect sliderRect() const { return mSliderRect; }
    QSize sizeHint() const override;

protected:
    SliderBase(Qt::Orientation orientation, QWidget* parent);

    // Ignored when lo > hi; the default and the position are pulled inside.
    bool applyPositionRange(int lo, int hi);
    void applyPosition(int pos);
    bool applyDefaultPosition(int pos);
    void applyHeightRatio(int edit, int gap, int slider);
    void applyShowMinusInfinity(bool show);
    void applyFont(const QFont& font);

    // 0 at the bottom (left), 1 at the top (right).
    virtual double fractionAt(int pos) const;
    virtual int positionAt(double fraction) const;
    virtual QString textAt(int pos) const = 0;
    // Turns typed text into a position; false when it is not a number.
    virtual bool parse(const QString& text, int& pos) const = 0;
    // A typed entry: "-∞" or "-inf" for the minimum, else a finite number in
    // the C locale. False when it is neither.
    static bool parseEntry(const QString& text, bool& minusInfinity, double& value);
    virtual void notifyUserChange() = 0;

    void userMoveTo(int pos);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    bool mShowMinusInfinity = false;

private:
    void relayout();
    void refreshText();
    void editFinished();
    QRectF handleRect() const;
    double travel() const;

    Qt::Orientation mOrientation;
    int mPosMin = 0;
    int mPosMax = 100;
    int mPos = 0;
    int mDefaultPos = 0;
    int mRatioEdit = 12;
    int mRatioGap = 3;
    int mRatioSlider = 85;
    QFont mFont;
    QLineEdit* mEdit = nullptr;
    QRect mSliderRect;
    bool mDragging = false;
    double mDragOrigin = 0.0;
    double mDragFraction = 0.0;
    int mWheelRest = 0;
};

// Faders with whole values (positions are the values themselves).
class SliderBase1 : public SliderBase
{
    Q_OBJECT
public:
    int getValue() const { return position(); }
    int getDefault() const { return defaultPosition(); }
    int getMinimum() const { return minimumPosition(); }
    int getMaximum() const { return maximumPosition(); }

signals:
    void valueChanged(int value);

protected:
    SliderBase1(Qt::Orientation orientation, QWidget* parent);
    QString textAt(int pos) const override;
    bool parse(const QString& text, int& pos) const override;
    void notifyUserChange() override;
};

// The whole-value setters, returning the fader itself so calls chain.
template <class Self>
class SliderSetters1 : public SliderBase1
{
public:
    // Ignored when min > max.
    Self& setRange(int min, int max) { applyPositionRange(min, max); return self(); }
    // Ignored outside the range.
    Self& setDefaultValue(int value) { applyDefaultPosition(value); return self(); }
    // Clamped to the range; never emits.
    Self& setValue(int value) { applyPosition(value); return self(); }
    Self& setHeightRatio(int edit, int gap, int slider) { applyHeightRatio(edit, gap, slider); return self(); }
    Self& setShowMinusInfinity(bool show) { applyShowMinusInfinity(show); return self(); }
    Self& setFont(const QFont& font) { applyFont(font); return self(); }

protected:
    using SliderBase1::SliderBase1;
    Self& self() { return static_cast<Self&>(*this); }
};
