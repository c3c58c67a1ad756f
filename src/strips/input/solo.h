#pragma once

#include <QString>
#include <QWidget>

// Solo and mute bookkeeping shared by the input and mixer strips. While any
// strip of an area is soloed, every other strip is muted; the device hears
// solo only through MUTE.
class Solo : public QWidget
{
    Q_OBJECT
public:
    // The linked pair and the two sides of a stereo strip.
    enum Side { Linked = 0, Left, Right };
    static QString sideSuffix(Side side) { return side == Left ? "Left" : side == Right ? "Right" : ""; }

    explicit Solo(QWidget* parent);

    virtual void setSoloState(bool state) = 0;
    virtual void setSoloStateLeft(bool state) = 0;
    virtual void setSoloStateRight(bool state) = 0;
    virtual void setMuteState(bool state) = 0;
    virtual void setMuteStateLeft(bool state) = 0;
    virtual void setMuteStateRight(bool state) = 0;
    virtual void changeSoloState(bool state) = 0;
    virtual void changeSoloStateLeft(bool state) = 0;
    virtual void changeSoloStateRight(bool state) = 0;
    virtual void changeMuteState(bool state) = 0;
    virtual void changeMuteStateLeft(bool state) = 0;
    virtual void changeMuteStateRight(bool state) = 0;
    virtual bool getSoloState() = 0;
    virtual bool getSoloStateLeft() = 0;
    virtual bool getSoloStateRight() = 0;
    virtual bool getMuteState() = 0;
    virtual bool getMuteStateLeft() = 0;
    virtual bool getMuteStateRight() = 0;

    // The area's solo count of the current mix; null reads as 0.
    void setSoloCounter(const int* count) { mSoloCount = count; }
    int soloCount() const { return mSoloCount ? qMax(0, *mSoloCount) : 0; }
    bool isLinked() const { return mLinked; }

    bool handleSoloChanged();
    bool handleSoloLeftChanged();
    bool handleSoloRightChanged();
    bool handleMuteChanged();
    bool handleMuteLeftChanged();
    bool handleMuteRightChanged();
    bool handleSolo(Side side);
    bool handleMute(Side side);
    void applySoloCount();
    void loadSoloState(bool linked, bool solo, bool soloLeft, bool soloRight, bool mute, bool muteLeft, bool muteRight);
    void setLink(bool linked);

signals:
    void soloStateChanged(QString objectName, bool state);

protected:
    const int* mSoloCount = nullptr;
    bool mLinked = false;
    bool mMuteSaved = false;
    bool mMuteSavedLeft = false;
    bool mMuteSavedRight = false;

private:
    void applySide(Side side);
    bool solo(Side side);
    bool mute(Side side);
    bool& savedMute(Side side);
    void changeSolo(Side side, bool state);
    void changeMute(Side side, bool state);
};
