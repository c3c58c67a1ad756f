#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

// Shared state, drawing and user input of every rotary dial. The thin
// variants pick which setters they publish (through DialSetters) and may
// replace the value model (value lists, gain zones) through the virtuals.
class DialBase : public QWidget
{
    Q_OBJECT
public:
    float getValue() const { return mValue; }
    float getDefault() const { return mDefault; }
    float getMinimum() const { return mMin; }
    float getMaximum() const { return mMax; }
    float getDragStep() const { return mDragStep; }
    float getWheelStep() const { return mWheelStep; }
    float getKeyStep() const { return mKeyStepFollowsWheel ? mWheelStep : mKeyStep; }
    QString text() const { return textFor(mValue); }
    QSize sizeHint() const override { return {60, 60}; }

signals:
    void valueChanged(float value);

protected:
    explicit DialBase(QWidget* parent);

    bool applyRange(float min, float max);
    bool applyDefault(float value);
    bool applyValue(float value);
    bool applyStep(float& slot, float step);
    void applyFont(const QFont& font);
    void refit();

    // Value model; the defaults are linear over [min, max].
    virtual double fractionOf(float value) const;
    virtual float valueAtFraction(double fraction) const;
    virtual float steppedFrom(float value, int steps, float step) const;
    virtual float draggedTo(double fraction) const;
    virtual bool acceptsDefault(float value) const;
    // How many drag steps the whole sweep holds; sets the drag travel.
    virtual double dragSteps() const;
    // Every stored value passes here, so variants can keep derived state.
    virtual void storeValue(float value) { mValue = value; }
    virtual void rangeChanged() {}
    virtual QString textFor(float value) const;
    virtual QString fitSample() const;
    float snapToGrid(double value, float step) const;
    float clampToRange(double value) const;
    void userSet(float value);
    void userStep(int steps, float step);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

    QRectF dialRect() const;
    QRectF textRect() const;

    float mMin = 0.0f;
    float mMax = 50.0f;
    float mValue = 25.0f;
    float mDefault = 25.0f;
    float mDragStep = 1.0f;
    float mWheelStep = 1.0f;
    float mKeyStep = 1.0f;
    bool mKeyStepFollowsWheel = true;
    bool mClampOnSet = false;
    bool mShowArc = true;
    bool mShowText = true;
    bool mShowTrack = false;
    bool mBipolar = false;
    bool mShowMinusInf = false;
    bool mShowPlusInf = false;
    bool mDimmed = false;
    QColor mColorBG {Qt::transparent};
    QColor mColorTrack {58, 58, 58};
    QColor mColorArc;
    QColor mColorPointer;
    QColor mColorPointerDisabled {81, 81, 81};
    QFont mFont;
    QFont mTextFont;
    QString mFitText;

private:
    bool mDragging = false;
    QPointF mDragOrigin;
    double mDragFraction = 0.0;
    int mWheelRest = 0;
};

// The setters every dial publishes, returning the dial itself so calls chain.
template <class Self>
class DialSetters : public DialBase
{
public:
    Self& setRange(float min, float max) { applyRange(min, max); return self(); }
    Self& setDefault(float value) { applyDefault(value); return self(); }
    Self& setValue(float value) { applyValue(value); return self(); }
    Self& setStep(float step) { applyStep(mDragStep, step); return self(); }
    Self& setWheelStep(float step) { applyStep(mWheelStep, step); return self(); }
    Self& showArc(bool show) { mShowArc = show; update(); return self(); }
    Self& showText(bool show) { mShowText = show; update(); return self(); }
    Self& showMinusInf(bool show) { mShowMinusInf = show; refit(); return self(); }
    Self& setBipolar(bool bipolar) { mBipolar = bipolar; update(); return self(); }
    Self& setColorBG(const QColor& color) { mColorBG = color; update(); return self(); }
    Self& setColorTrack(const QColor& color) { mColorTrack = color; update(); return self(); }
    Self& setFont(const QFont& font) { applyFont(font); return self(); }

protected:
    using DialBase::DialBase;
    Self& self() { return static_cast<Self&>(*this); }
};
