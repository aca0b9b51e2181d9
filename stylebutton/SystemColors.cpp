#include "SystemColors.h"

namespace SystemColors {

namespace {

constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

// The default desktop colour scheme, by system colour index.
constexpr std::uint32_t kTable[kCount] = {
    rgb(0xC8, 0xC8, 0xC8), //  0 scroll bar
    rgb(0x00, 0x00, 0x00), //  1 desktop
    rgb(0x99, 0xB4, 0xD1), //  2 active caption
    rgb(0xBF, 0xCD, 0xDB), //  3 inactive caption
    rgb(0xF0, 0xF0, 0xF0), //  4 menu
    rgb(0xFF, 0xFF, 0xFF), //  5 window background
    rgb(0x64, 0x64, 0x64), //  6 window frame
    rgb(0x00, 0x00, 0x00), //  7 menu text
    rgb(0x00, 0x00, 0x00), //  8 window text
    rgb(0x00, 0x00, 0x00), //  9 caption text
    rgb(0xB4, 0xB4, 0xB4), // 10 active border
    rgb(0xF4, 0xF7, 0xFC), // 11 inactive border
    rgb(0xAB, 0xAB, 0xAB), // 12 application workspace
    rgb(0x33, 0x99, 0xFF), // 13 highlight
    rgb(0xFF, 0xFF, 0xFF), // 14 highlight text
    rgb(0xF0, 0xF0, 0xF0), // 15 button face
    rgb(0xA0, 0xA0, 0xA0), // 16 button shadow
    rgb(0x6D, 0x6D, 0x6D), // 17 grey text
    rgb(0x00, 0x00, 0x00), // 18 button text
    rgb(0x00, 0x00, 0x00), // 19 inactive caption text
    rgb(0xFF, 0xFF, 0xFF), // 20 3-D highlight
    rgb(0x69, 0x69, 0x69), // 21 3-D dark shadow
    rgb(0xE3, 0xE3, 0xE3), // 22 3-D light
    rgb(0x00, 0x00, 0x00), // 23 tooltip text
    rgb(0xFF, 0xFF, 0xE1), // 24 tooltip background
    rgb(0x00, 0x00, 0x00), // 25 (unused)
    rgb(0x00, 0x66, 0xCC), // 26 hot-tracked item
    rgb(0xB9, 0xD1, 0xEA), // 27 active caption gradient
    rgb(0xD7, 0xE4, 0xF2), // 28 inactive caption gradient
    rgb(0x33, 0x99, 0xFF), // 29 menu highlight
    rgb(0xF0, 0xF0, 0xF0), // 30 menu bar
};

} // namespace

std::uint32_t SystemColor(int index) {
    return index >= 0 && index < kCount ? kTable[index] : 0xFFFFFFFFu;
}

std::int32_t TranslateColor(std::uint32_t colour, int /*palette*/) {
    if (colour & kSystemFlag) {
        const std::uint32_t index = colour & ~kSystemFlag;
        if (index >= std::uint32_t(kCount))
            return -1;
        return std::int32_t(kTable[index]);
    }
    if (colour > 0x00FFFFFFu)
        return -1; // neither a system colour nor 0x00BBGGRR
    return std::int32_t(colour);
}

} // namespace SystemColors
