#pragma once

#include "widgets/dialbase.h"

#include <QList>
#include <QPointer>

class QLineEdit;

// Rotary dial with value modes: 0 continuous, 1 an index into the value list
// (steps count entries), 2 continuous snapped to the list. Without a list
// every mode behaves as mode 0. Right-click opens an in-place editor.
class DialS1M5 : public DialSetters<DialS1M5>
{
    Q_OBJECT
public:
    explicit DialS1M5(QWidget* parent = nullptr);
    ~DialS1M5() override;

    DialS1M5& setDragStep(float step);
    DialS1M5& setStep(float step) { return setDragStep(step); }
    DialS1M5& setWheelStep(float step);
    DialS1M5& setKeyStep(float step);
    DialS1M5& setMode(int mode);
    // Ignored unless strictly increasing; min and max become its ends.
    DialS1M5& setValueList(const QList<float>& values);
    DialS1M5& showPlusSign(bool show);
    DialS1M5& showPlusInf(bool show);
    DialS1M5& setSuffix(const QString& suffix);
    DialS1M5& setPrecision(int decimals);
    DialS1M5& setFitText(const QString& text);
    DialS1M5& setEditable(bool editable);
    DialS1M5& setEditorDecimals(int decimals);
    DialS1M5& setEditorFontScale(double scale);
    DialS1M5& setDimmed(bool dimmed);
    DialS1M5& setEnable(bool enable);
    DialS1M5& setColorPointerDisabled(const QColor& color);

    int getMode() const { return mMode; }
    int getListIndex() const { return mIndex; }
    QList<float> getValueList() const { return mList; }
    bool isDimmed() const { return mDimmed; }
    // The open in-place editor, or null.
    QLineEdit* editor() const;

protected:
    double fractionOf(float value) const override;
    float valueAtFraction(double fraction) const override;
    float steppedFrom(float value, int steps, float step) const override;
    float draggedTo(double fraction) const override;
    bool acceptsDefault(float value) const override;
    double dragSteps() const override;
    void storeValue(float value) override;
    void rangeChanged() override;
    QString textFor(float value) const override;

    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool listMode() const { return mMode != 0 && mList.size() >= 2; }
    int indexOf(float value) const;
    int nearestIndex(double value) const;
    double indexPosition(double value) const;
    bool stepValid(float step) const;
    void openEditor();
    void acceptEditor();
    void closeEditor();

    int mMode = 0;
    QList<float> mList;
    int mIndex = 0;
    bool mPlusSign = false;
    QString mSuffix;
    int mPrecision = 0;
    bool mEditable = false;
    int mEditorDecimals = 0;
    double mEditorFontScale = 1.0;
    QPointer<QLineEdit> mEditor;
};
