#pragma once

#include "ButtonEvent.h"

// What the input rules need from the button they drive: its drawing, its
// events, the mouse and the focus, and a few of its properties.
class ButtonInputHost {
public:
    virtual ~ButtonInputHost() = default;

    // Draws the button in its current state.
    virtual void Redraw() = 0;
    virtual void Raise(const ButtonEvent& event) = 0;
    // Takes the mouse for the button, unless the button holds it already.
    virtual void CaptureMouse() = 0;
    // Passes the focus to the next (or the previous) control of the window.
    virtual void MoveFocus(bool forward) = 0;
    // Lets what is waiting run once, so a redraw shows before a click acts.
    virtual void ProcessPendingEvents() = 0;
    virtual bool Enabled() const = 0;
    virtual bool CheckBoxMode() const = 0;
    // Toggles Value and gives its new value.
    virtual bool ToggleValue() = 0;
    // The size of the drawn surface.
    virtual int ControlWidth() const = 0;
    virtual int ControlHeight() const = 0;
};
