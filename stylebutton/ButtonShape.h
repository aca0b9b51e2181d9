#pragma once

#include <QRegion>

// The window shape of a button of a style and size. The rounded styles are
// a rectangle one pixel wider and higher than the button with its corners
// cut by a small ellipse, so only the corners at the top left show the cut
// within the button; it is built scan line by scan line, which small
// ellipses need to come out even.
namespace ButtonShape {

QRegion Of(int style, int width, int height);

} // namespace ButtonShape
