#pragma once

#include "Rounding.h"

// Unit conversions: window and control sizes are kept in twips (15 to a
// pixel at 96 dpi) and picture sizes in hundredths of a millimetre.
namespace Twips {

constexpr int kPerPixel = 15;
// The smallest outer width and height of a button (14.67 pixels).
constexpr int kMinimumSize = 220;

inline int ToPixels(int twips) {
    return Rounding::HalfEven(double(twips) / kPerPixel);
}
inline int FromPixels(int pixels) {
    return pixels * kPerPixel;
}

inline int HimetricToPixels(int himetric) {
    return Rounding::HalfEven(double(himetric) * 96.0 / 2540.0);
}
inline int PixelsToHimetric(int pixels) {
    return Rounding::HalfEven(double(pixels) * 2540.0 / 96.0);
}

} // namespace Twips
