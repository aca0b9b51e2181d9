#pragma once

#include <QRect>

// A rectangle of surface pixels as the painters write it: right and bottom
// are exclusive, so (0, 0, W, H) is the whole surface.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
