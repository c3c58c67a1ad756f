#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class QTimer;

// A strip of named, painted buttons reporting "1"/"0" by name. The strip keeps
// its aspect ratio inside the widget, as the panels lay it out over a picture.
class PushButtonGroupBase : public QWidget
{
    Q_OBJECT
public:
    QString getState(const QString& button) const;
    // Shows a state ("1" or "0"; anything else is ignored) and emits like a click only when needEmit.
    virtual PushButtonGroupBase& setState(const QString& button, const QString& state, bool needEmit = false);
    PushButtonGroupBase& setFont(const QFont& font);
    QStringList buttonNames() const;
    QRect buttonRect(const QString& button) const;

signals:
    void stateChanged(QString button, QString state);

protected:
    struct Button {
        Button(QString n, QColor colour)
            : name(std::move(n)), onColour(colour) {}
        QString name;
        QColor onColour;
        int row = 0;
        bool on = false;
        QRect rect;
    };

    PushButtonGroupBase(QWidget* parent, QList<Button> buttons, int columns, QSize minimum);

    int indexOf(const QString& name) const;
    int buttonCount() const { return int(mButtons.size()); }
    void showButton(int index, bool on);
    void toggleAndEmit(int index);
    int buttonAt(const QPoint& pos) const;
    bool isOn(int index) const { return mButtons[index].on; }
    const QString& nameOf(int index) const { return mButtons[index].name; }

    // A click released on a button; the base toggles it.
    virtual void buttonReleased(int index, Qt::MouseButton mouseButton);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void relayout();

    QList<Button> mButtons;
    int mColumns = 1;
    QSize mAspect;
    int mPressed = -1;
    Qt::MouseButton mPressedWith = Qt::NoButton;
};

class PushButtonGroupS1M2 : public PushButtonGroupBase
{
    Q_OBJECT
public:
    explicit PushButtonGroupS1M2(QWidget* parent = nullptr);
};

class PushButtonGroupS1M3 : public PushButtonGroupBase
{
    Q_OBJECT
public:
    explicit PushButtonGroupS1M3(QWidget* parent = nullptr);
};

class PushButtonGroupS1M7 : public PushButtonGroupBase
{
    Q_OBJECT
public:
    explicit PushButtonGroupS1M7(QWidget* parent = nullptr);
};

class PushButtonGroupS1M4 : public PushButtonGroupBase
{
    Q_OBJECT
public:
    explicit PushButtonGroupS1M4(QWidget* parent = nullptr);
};

// Exactly one of "Mic1", "Mic35", "MicHP" is chosen; "0" never unchooses.
class PushButtonGroupS1M9 : public PushButtonGroupBase
{
    Q_OBJECT
public:
    explicit PushButtonGroupS1M9(QWidget* parent = nullptr);
    PushButtonGroupS1M9& setState(const QString& button, const QString& state, bool needEmit = false) override;
protected:
    void buttonReleased(int index, Qt::MouseButton mouseButton) override;
};

// "48V" and "AUTO" toggle at once. "EQ" and "DUCKING" also report single and
// double clicks; a left single click toggles, a double click does not.
class PushButtonGroupS1M11 : public PushButtonGroupBase
{
    Q_OBJECT
public:
    explicit PushButtonGroupS1M11(QWidget* parent = nullptr);
    // The time a single click waits for a second one (the platform's double-click time by default).
    PushButtonGroupS1M11& setDoubleClickInterval(int ms);
    int doubleClickInterval() const;
signals:
    void mouseClickEvent(QString button, QString event);
protected:
    void buttonReleased(int index, Qt::MouseButton mouseButton) override;
private:
    void firePendingSingle();

    QTimer* mSingleTimer;
    int mPendingIndex = -1;
    Qt::MouseButton mPendingButton = Qt::NoButton;
};
