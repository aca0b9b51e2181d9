#include "ButtonInput.h"

namespace {

constexpr short kLeft = 1;
constexpr short kAlt = 4;
constexpr short kEnter = 13;
constexpr short kEscape = 27;
constexpr short kSpace = 32;

} // namespace

void ButtonInput::Raise(ButtonEvent::Kind kind, short button, short shift, float x, float y) {
    ButtonEvent event;
    event.kind = kind;
    event.button = button;
    event.shift = shift;
    event.x = x;
    event.y = y;
    host_.Raise(event);
}

void ButtonInput::PointerMoved() {
    if (mouseInside_)
        return;
    mouseInside_ = true;
    if (!spaceDownFlag_)
        buttonState_ = Hot;
    host_.Redraw();
    Raise(ButtonEvent::MouseEnter);
}

void ButtonInput::PointerLeft() {
    mouseInside_ = false;
    // A held space keeps the button down wherever the pointer goes.
    if (spaceDownFlag_)
        return;
    if (host_.Enabled())
        buttonState_ = Normal;
    host_.Redraw();
    Raise(ButtonEvent::MouseLeave);
}

void ButtonInput::WindowActivation(bool active) {
    parentActive_ = active;
    // Some window systems report the activation that a click into a window
    // at the back brings only after the press: a button still held stays down.
    const bool held = active && mouseDownFlag_ && mouseInside_;
    if (!active) {
        // Whatever was held is let go when the window goes to the back.
        mouseDownFlag_ = false;
        spaceDownFlag_ = false;
        spacePressedHere_ = false;
        hasFocus_ = false;
    }
    buttonState_ = held ? Down : Normal;
    host_.Redraw();
}

void ButtonInput::MouseMove(short button, short shift, float x, float y, bool overOwnWindow) {
    // Moves reach a button that holds the mouse wherever the pointer is;
    // each one outside it counts as leaving (the next reported move enters
    // again).
    if (!overOwnWindow) {
        mouseInside_ = false;
        Raise(ButtonEvent::MouseLeave);
    }
    if (mouseInside_) {
        if (mouseDownFlag_)
            buttonState_ = Down;
        else if (!spaceDownFlag_)
            buttonState_ = Hot;
        host_.Redraw();
    }
    Raise(ButtonEvent::MouseMove, button, shift, x, y);
}

void ButtonInput::MouseDown(short button, short shift, float x, float y) {
    lastButton_ = button;
    lastShift_ = shift;
    lastX_ = x;
    lastY_ = y;
    if (button != kLeft)
        return;
    hasFocus_ = true;
    mouseDownFlag_ = true;
    if (mouseInside_)
        buttonState_ = Down;
    host_.Redraw();
    Raise(ButtonEvent::MouseDown, button, shift, x, y);
}

void ButtonInput::MouseUp(short button, short shift, float x, float y) {
    if (button == kLeft) {
        mouseDownFlag_ = false;
        // Column 0 and row 0 do not count as inside.
        if (x > 0 && y > 0 && x < host_.ControlWidth() && y < host_.ControlHeight()) {
            if (host_.CheckBoxMode())
                host_.ToggleValue();
            host_.Redraw();
            Raise(ButtonEvent::Click);
        }
        // The state stays until the next move or the pointer leaving.
    }
    Raise(ButtonEvent::MouseUp, button, shift, x, y);
}

void ButtonInput::DblClick() {
    if (lastButton_ != kLeft)
        return;
    host_.CaptureMouse();
    buttonState_ = Down;
    host_.Redraw();
    // The second press presses the button again, so its release clicks again.
    MouseDown(lastButton_, lastShift_, lastX_, lastY_);
    Raise(ButtonEvent::DblClick);
}

void ButtonInput::KeyDown(short keyCode, short shift, bool autoRepeat) {
    switch (keyCode) {
    case kEnter:
        Raise(ButtonEvent::Click);
        break;
    case kSpace:
        if (!mouseDownFlag_) {
            if (shift == kAlt)
                return; // Alt+space opens the window's menu
            // A held space repeats; the button went down on the first one,
            // and a toggle must not flicker.
            if (!autoRepeat) {
                spaceDownFlag_ = true;
                if (host_.CheckBoxMode()) {
                    host_.ToggleValue();
                } else if (buttonState_ != Down) {
                    buttonState_ = Down;
                    host_.Redraw();
                }
            }
        }
        spacePressedHere_ = true;
        // The mouse stays with the button until the space is released.
        host_.CaptureMouse();
        break;
    case 37:
    case 38:
        host_.MoveFocus(false);
        break;
    case 39:
    case 40:
        host_.MoveFocus(true);
        break;
    default:
        break;
    }
    ButtonEvent event;
    event.kind = ButtonEvent::KeyDown;
    event.keyCode = keyCode;
    event.shift = shift;
    host_.Raise(event);
}

void ButtonInput::KeyUp(short keyCode, short shift, bool autoRepeat) {
    // A space that went down on another control clicks nothing here.
    if (keyCode != kSpace || autoRepeat || !spacePressedHere_)
        return;
    spacePressedHere_ = false;
    const bool click = !(mouseInside_ && mouseDownFlag_);
    buttonState_ = !mouseInside_ ? Normal : mouseDownFlag_ ? Down : Hot;
    host_.Redraw();
    if (click)
        Raise(ButtonEvent::Click);
    ButtonEvent event;
    event.kind = ButtonEvent::KeyUp;
    event.keyCode = keyCode;
    event.shift = shift;
    host_.Raise(event);
    spaceDownFlag_ = false;
    mouseDownFlag_ = false;
}

void ButtonInput::AccessKeyPress(short keyAscii) {
    if (!host_.Enabled())
        return;
    if (spaceDownFlag_) {
        spaceDownFlag_ = false;
        mouseDownFlag_ = false;
    }
    if (host_.CheckBoxMode()) {
        // As a window's default or cancel button a toggle does nothing.
        if (keyAscii == kEnter || keyAscii == kEscape)
            return;
        if (!host_.ToggleValue())
            buttonState_ = Normal;
        host_.Redraw();
    }
    host_.ProcessPendingEvents();
    Raise(ButtonEvent::Click);
}

void ButtonInput::GotFocus() {
    hasFocus_ = true;
    // The focus can come after the press that brought it (see above).
    if (mouseInside_)
        buttonState_ = mouseDownFlag_ ? Down : Hot;
    else if (!mouseDownFlag_)
        buttonState_ = Normal;
    // The focus cues show at once, also when the focus came by the keyboard.
    host_.Redraw();
}

void ButtonInput::LostFocus() {
    hasFocus_ = false;
    mouseDownFlag_ = false;
    spaceDownFlag_ = false;
    spacePressedHere_ = false;
    buttonState_ = parentActive_ && mouseInside_ ? Hot : Normal;
    host_.Redraw();
}
