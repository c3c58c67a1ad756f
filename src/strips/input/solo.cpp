#include "strips/input/solo.h"

Solo::Solo(QWidget* parent)
    : QWidget(parent)
{
}

bool Solo::solo(Side side)
{
    switch (side) {
    case Side::Linked: return getSoloState();
    case Side::Left: return getSoloStateLeft();
    case Side::Right: return getSoloStateRight();
    }
    return false;
}

bool Solo::mute(Side side)
{
    switch (side) {
    case Side::Linked: return getMuteState();
    case Side::Left: return getMuteStateLeft();
    case Side::Right: return getMuteStateRight();
    }
    return false;
}

bool& Solo::savedMute(Side side)
{
    switch (side) {
    case Side::Left: return mMuteSavedLeft;
    case Side::Right: return mMuteSavedRight;
    case Side::Linked: break;
    }
    return mMuteSaved;
}

void Solo::changeSolo(Side side, bool state)
{
    switch (side) {
    case Side::Linked: changeSoloState(state); break;
    case Side::Left: changeSoloStateLeft(state); break;
    case Side::Right: changeSoloStateRight(state); break;
    }
}

void Solo::changeMute(Side side, bool state)
{
    switch (side) {
    case Side::Linked: changeMuteState(state); break;
    case Side::Left: changeMuteStateLeft(state); break;
    case Side::Right: changeMuteStateRight(state); break;
    }
}

void Solo::applySide(Side side)
{
    const bool wanted = soloCount() > 0 ? !solo(side) : savedMute(side);
    if (mute(side) != wanted)
        changeMute(side, wanted);
}

bool Solo::handleSolo(Side side)
{
    // The area counts this before MUTE follows, so a first solo already sees
    // the new count.
    emit soloStateChanged(objectName(), solo(side));
    applySide(side);
    return true;
}

bool Solo::handleMute(Side side)
{
    const bool muted = mute(side);
    if (soloCount() == 0) {
        savedMute(side) = muted;
        return true;
    }
    if (muted != solo(side))
        return false;
    savedMute(side) = muted;
    changeSolo(side, !muted);
    return true;
}

bool Solo::handleSoloChanged() { return handleSolo(Side::Linked); }
bool Solo::handleSoloLeftChanged() { return handleSolo(Side::Left); }
bool Solo::handleSoloRightChanged() { return handleSolo(Side::Right); }
bool Solo::handleMuteChanged() { return handleMute(Side::Linked); }
bool Solo::handleMuteLeftChanged() { return handleMute(Side::Left); }
bool Solo::handleMuteRightChanged() { return handleMute(Side::Right); }

void Solo::applySoloCount()
{
    applySide(Side::Linked);
    applySide(Side::Left);
    applySide(Side::Right);
}

void Solo::loadSoloState(bool linked, bool soloLinked, bool soloLeft, bool soloRight, bool muteLinked, bool muteLeft,
                         bool muteRight)
{
    mLinked = linked;
    mMuteSaved = muteLinked;
    mMuteSavedLeft = muteLeft;
    mMuteSavedRight = muteRight;
    setSoloState(soloLinked);
    setSoloStateLeft(soloLeft);
    setSoloStateRight(soloRight);
    if (soloCount() == 0) {
        setMuteState(muteLinked);
        setMuteStateLeft(muteLeft);
        setMuteStateRight(muteRight);
    } else {
        setMuteState(!soloLinked);
        setMuteStateLeft(!soloLeft);
        setMuteStateRight(!soloRight);
    }
}

void Solo::setLink(bool linked)
{
    mLinked = linked;
    if (linked) {
        if (getSoloState())
            changeSoloState(true);
        if (getSoloStateLeft())
            emit soloStateChanged(objectName(), false);
        if (getSoloStateRight())
            emit soloStateChanged(objectName(), false);
    } else {
        if (getSoloStateLeft())
            changeSoloStateLeft(true);
        if (getSoloStateRight())
            changeSoloStateRight(true);
        if (getSoloState())
            emit soloStateChanged(objectName(), false);
    }
}
