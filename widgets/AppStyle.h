#pragma once

// The look of the windows: the classic Windows style that the program's
// frames, lists and scroll bars were designed in. It is also far cheaper to
// paint than the default style, whose frames are drawn from scaled pixmaps.
namespace AppStyle {

// Sets the application's style once; safe to call again, and a no-op
// before the application object exists.
void install();

} // namespace AppStyle
