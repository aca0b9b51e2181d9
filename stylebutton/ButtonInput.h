#pragma once

#include "ButtonInputHost.h"

// The button's input rules: mouse, keys, focus and the activation of its
// window turned into its visual state and the events it raises. Plain
// calls, one per thing that happened, so they run without any window; the
// widget forwards Qt's events here and draws what the state says.
class ButtonInput {
public:
    enum State { Normal = 0, Hot = 1, Down = 2 };

    explicit ButtonInput(ButtonInputHost& host) : host_(host) {}

    // A move of the pointer that reached the button, reported after the
    // button handled it; the first one since the pointer came enters.
    void PointerMoved();
    // The pointer has left the button.
    void PointerLeft();
    // The window holding the button became active or inactive.
    void WindowActivation(bool active);

    // overOwnWindow: the pointer is over the button itself, not only sent
    // to it because the button holds the mouse.
    void MouseMove(short button, short shift, float x, float y, bool overOwnWindow);
    void MouseDown(short button, short shift, float x, float y);
    void MouseUp(short button, short shift, float x, float y);
    // A second left press in quick succession, reported instead of a press.
    void DblClick();
    // Key codes: 13 Enter, 32 space, 37 to 40 the arrows (left, up, right,
    // down). An automatic repeat raises the key again but changes nothing.
    void KeyDown(short keyCode, short shift, bool autoRepeat = false);
    void KeyUp(short keyCode, short shift, bool autoRepeat = false);
    // The access key, or 13 and 27 for a default or cancel button.
    void AccessKeyPress(short keyAscii);
    void GotFocus();
    void LostFocus();

    int ButtonState() const { return buttonState_; }
    void setButtonState(int state) { buttonState_ = state; }
    bool MouseInside() const { return mouseInside_; }
    bool MouseDownFlag() const { return mouseDownFlag_; }
    bool SpaceDownFlag() const { return spaceDownFlag_; }
    bool HasFocus() const { return hasFocus_; }
    bool ParentActive() const { return parentActive_; }
    void setParentActive(bool active) { parentActive_ = active; }
    short LastButton() const { return lastButton_; }
    short LastShift() const { return lastShift_; }
    float LastX() const { return lastX_; }
    float LastY() const { return lastY_; }

private:
    void Raise(ButtonEvent::Kind kind, short button = 0, short shift = 0, float x = 0, float y = 0);

    ButtonInputHost& host_;
    int buttonState_ = Normal;
    bool mouseInside_ = false;
    bool mouseDownFlag_ = false;
    bool spaceDownFlag_ = false;
    // The space went down here, so its release belongs to this button.
    bool spacePressedHere_ = false;
    bool hasFocus_ = false;
    bool parentActive_ = false;
    short lastButton_ = 0;
    short lastShift_ = 0;
    float lastX_ = 0;
    float lastY_ = 0;
};
