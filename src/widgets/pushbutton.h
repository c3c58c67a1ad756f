#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

// Rows of painted toggle and selector buttons. A variant is a table of buttons;
// each button either toggles on its own or belongs to an exclusive set.
class PushButtonBase : public QWidget
{
    Q_OBJECT
public:
    enum Kind { Toggle, Solo, Mute, Exclusive };

    int buttonCount() const { return int(mButtons.size()); }
    bool isButtonOn(int id) const;
    QString buttonText(int id) const;
    // Where a button is drawn, so that tests and callers can click it.
    QRect buttonRect(int id) const;

protected:
    struct Button {
        Button(QString t, Kind k = Toggle, int r = 0, int set = -1)
            : text(std::move(t)), kind(k), row(r), exclusiveSet(set) {}
        QString text;
        Kind kind = Toggle;
        int row = 0;
        int exclusiveSet = -1; // buttons sharing a set number deselect each other
        bool on = false;
        QRect rect;
    };

    PushButtonBase(QWidget* parent, QList<Button> buttons);

    // Shows a state without signal; in an exclusive set, on selects the button.
    void showState(int id, bool on);
    // Acts as a click: shows the state and emits once, changed or not.
    void clickState(int id, bool on);
    void applyWidthRatio(int percent);
    void applyFont(const QFont& font);

    virtual void emitButton(int id, bool state) = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void relayout();
    int buttonAt(const QPoint& pos) const;

    QList<Button> mButtons;
    int mWidthRatio = 0; // 0: a button fills its cell
    int mPressed = -1;
};

class PushButtonS1M2 : public PushButtonBase
{
    Q_OBJECT
public:
    enum ButtonID { SOLO = 0, MUTE };
    Q_ENUM(ButtonID)
    explicit PushButtonS1M2(QWidget* parent = nullptr);
    PushButtonS1M2& setWidthRatio(int percent) { applyWidthRatio(percent); return *this; }
    PushButtonS1M2& setFont(const QFont& font) { applyFont(font); return *this; }
    PushButtonS1M2& setStateSOLO(bool state) { showState(SOLO, state); return *this; }
    PushButtonS1M2& setStateMUTE(bool state) { showState(MUTE, state); return *this; }
    PushButtonS1M2& setStateSOLOAndEmit(bool state) { clickState(SOLO, state); return *this; }
    PushButtonS1M2& setStateMUTEAndEmit(bool state) { clickState(MUTE, state); return *this; }
    bool getStateSOLO() const { return isButtonOn(SOLO); }
    bool getStateMUTE() const { return isButtonOn(MUTE); }
signals:
    void buttonStateChanged(PushButtonS1M2::ButtonID button, bool state);
protected:
    void emitButton(int id, bool state) override { emit buttonStateChanged(ButtonID(id), state); }
};

class PushButtonS1M4 : public PushButtonBase
{
    Q_OBJECT
public:
    enum ButtonID { IN1 = 0, IN2, IN12, OFF, NC1, NC2, NC3 };
    Q_ENUM(ButtonID)
    explicit PushButtonS1M4(QWidget* parent = nullptr);
    PushButtonS1M4& setFont(const QFont& font) { applyFont(font); return *this; }
    PushButtonS1M4& setStateIN1(bool state = true) { showState(IN1, state); return *this; }
    PushButtonS1M4& setStateIN2(bool state = true) { showState(IN2, state); return *this; }
    PushButtonS1M4& setStateIN12(bool state = true) { showState(IN12, state); return *this; }
    PushButtonS1M4& setStateOFF(bool state = true) { showState(OFF, state); return *this; }
    PushButtonS1M4& setStateNC1(bool state = true) { showState(NC1, state); return *this; }
    PushButtonS1M4& setStateNC2(bool state = true) { showState(NC2, state); return *this; }
    PushButtonS1M4& setStateNC3(bool state = true) { showState(NC3, state); return *this; }
signals:
    void buttonStateChanged(PushButtonS1M4::ButtonID button, bool state);
protected:
    void emitButton(int id, bool state) override { emit buttonStateChanged(ButtonID(id), state); }
};

class PushButtonS1M5 : public PushButtonBase
{
    Q_OBJECT
public:
    enum ButtonID { NC = 0, IN1, IN2, IN12, OFF, STU, LIVE, HALL };
    Q_ENUM(ButtonID)
    explicit PushButtonS1M5(QWidget* parent = nullptr);
    PushButtonS1M5& setFont(const QFont& font) { applyFont(font); return *this; }
    PushButtonS1M5& setStateNC(bool state = true) { showState(NC, state); return *this; }
    PushButtonS1M5& setStateIN1(bool state = true) { showState(IN1, state); return *this; }
    PushButtonS1M5& setStateIN2(bool state = true) { showState(IN2, state); return *this; }
    PushButtonS1M5& setStateIN12(bool state = true) { showState(IN12, state); return *this; }
    PushButtonS1M5& setStateOFF(bool state = true) { showState(OFF, state); return *this; }
    PushButtonS1M5& setStateSTU(bool state = true) { showState(STU, state); return *this; }
    PushButtonS1M5& setStateLIVE(bool state = true) { showState(LIVE, state); return *this; }
    PushButtonS1M5& setStateHALL(bool state = true) { showState(HALL, state); return *this; }
signals:
    void buttonStateChanged(PushButtonS1M5::ButtonID button, bool state);
protected:
    void emitButton(int id, bool state) override { emit buttonStateChanged(ButtonID(id), state); }
};

class PushButtonS1M6 : public PushButtonBase
{
    Q_OBJECT
public:
    enum ButtonID { SOLOLeft = 0, SOLORight, MUTELeft, MUTERight };
    Q_ENUM(ButtonID)
    explicit PushButtonS1M6(QWidget* parent = nullptr);
    PushButtonS1M6& setWidthRatio(int percent) { applyWidthRatio(percent); return *this; }
    PushButtonS1M6& setFont(const QFont& font) { applyFont(font); return *this; }
    PushButtonS1M6& setStateSOLOLeft(bool state) { showState(SOLOLeft, state); return *this; }
    PushButtonS1M6& setStateSOLORight(bool state) { showState(SOLORight, state); return *this; }
    PushButtonS1M6& setStateMUTELeft(bool state) { showState(MUTELeft, state); return *this; }
    PushButtonS1M6& setStateMUTERight(bool state) { showState(MUTERight, state); return *this; }
    PushButtonS1M6& setStateSOLOLeftAndEmit(bool state) { clickState(SOLOLeft, state); return *this; }
    PushButtonS1M6& setStateSOLORightAndEmit(bool state) { clickState(SOLORight, state); return *this; }
    PushButtonS1M6& setStateMUTELeftAndEmit(bool state) { clickState(MUTELeft, state); return *this; }
    PushButtonS1M6& setStateMUTERightAndEmit(bool state) { clickState(MUTERight, state); return *this; }
    bool getStateSOLOLeft() const { return isButtonOn(SOLOLeft); }
    bool getStateSOLORight() const { return isButtonOn(SOLORight); }
    bool getStateMUTELeft() const { return isButtonOn(MUTELeft); }
    bool getStateMUTERight() const { return isButtonOn(MUTERight); }
signals:
    void buttonStateChanged(PushButtonS1M6::ButtonID button, bool state);
protected:
    void emitButton(int id, bool state) override { emit buttonStateChanged(ButtonID(id), state); }
};

class PushButtonS1M7 : public PushButtonBase
{
    Q_OBJECT
public:
    enum ButtonID { MUTE = 0 };
    Q_ENUM(ButtonID)
    explicit PushButtonS1M7(QWidget* parent = nullptr);
    PushButtonS1M7& setWidthRatio(int percent) { applyWidthRatio(percent); return *this; }
    PushButtonS1M7& setFont(const QFont& font) { applyFont(font); return *this; }
    PushButtonS1M7& setStateMUTE(bool state) { showState(MUTE, state); return *this; }
    PushButtonS1M7& setStateMUTEAndEmit(bool state) { clickState(MUTE, state); return *this; }
    bool getStateMUTE() const { return isButtonOn(MUTE); }
signals:
    void buttonStateChanged(PushButtonS1M7::ButtonID button, bool state);
protected:
    void emitButton(int id, bool state) override { emit buttonStateChanged(ButtonID(id), state); }
};

// An identifier cannot start with a digit: the 48V button is P48V.
class PushButtonS1M8 : public PushButtonBase
{
    Q_OBJECT
public:
    enum ButtonID { Mic1 = 0, Mic35, MicHP, P48V, MUTE };
    Q_ENUM(ButtonID)
    explicit PushButtonS1M8(QWidget* parent = nullptr);
    PushButtonS1M8& setFont(const QFont& font) { applyFont(font); return *this; }
    PushButtonS1M8& setStateMic1(bool state = true) { showState(Mic1, state); return *this; }
    PushButtonS1M8& setStateMic35(bool state = true) { showState(Mic35, state); return *this; }
    PushButtonS1M8& setStateMicHP(bool state = true) { showState(MicHP, state); return *this; }
    PushButtonS1M8& setState48V(bool state) { showState(P48V, state); return *this; }
    PushButtonS1M8& setStateMUTE(bool state) { showState(MUTE, state); return *this; }
    PushButtonS1M8& setStateMUTEAndEmit(bool state) { clickState(MUTE, state); return *this; }
    bool getState48V() const { return isButtonOn(P48V); }
    bool getStateMUTE() const { return isButtonOn(MUTE); }
signals:
    void buttonStateChanged(PushButtonS1M8::ButtonID button, bool state);
protected:
    void emitButton(int id, bool state) override { emit buttonStateChanged(ButtonID(id), state); }
};

class PushButtonS1M9 : public PushButtonBase
{
    Q_OBJECT
public:
    enum ButtonID { P48V = 0, MUTE };
    Q_ENUM(ButtonID)
    explicit PushButtonS1M9(QWidget* parent = nullptr);
    PushButtonS1M9& setFont(const QFont& font) { applyFont(font); return *this; }
    PushButtonS1M9& setState48V(bool state) { showState(P48V, state); return *this; }
    PushButtonS1M9& setStateMUTE(bool state) { showState(MUTE, state); return *this; }
    PushButtonS1M9& setStateMUTEAndEmit(bool state) { clickState(MUTE, state); return *this; }
    bool getState48V() const { return isButtonOn(P48V); }
    bool getStateMUTE() const { return isButtonOn(MUTE); }
signals:
    void buttonStateChanged(PushButtonS1M9::ButtonID button, bool state);
protected:
    void emitButton(int id, bool state) override { emit buttonStateChanged(ButtonID(id), state); }
};

Q_DECLARE_METATYPE(PushButtonS1M2::ButtonID)
Q_DECLARE_METATYPE(PushButtonS1M4::ButtonID)
Q_DECLARE_METATYPE(PushButtonS1M5::ButtonID)
Q_DECLARE_METATYPE(PushButtonS1M6::ButtonID)
Q_DECLARE_METATYPE(PushButtonS1M7::ButtonID)
Q_DECLARE_METATYPE(PushButtonS1M8::ButtonID)
Q_DECLARE_METATYPE(PushButtonS1M9::ButtonID)
