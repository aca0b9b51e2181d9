#pragma once

// One event the button raises to its users, with the arguments it carries.
struct ButtonEvent {
    enum Kind {
        Click,
        DblClick,
        MouseEnter,
        MouseLeave,
        MouseMove,
        MouseDown,
        MouseUp,
        KeyDown,
        KeyUp
    };
    Kind kind = Click;
    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt.
    short button = 0;
    short shift = 0;
    float x = 0;
    float y = 0;
    short keyCode = 0;

    bool operator==(const ButtonEvent&) const = default;
};
