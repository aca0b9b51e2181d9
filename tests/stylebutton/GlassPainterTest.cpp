// Style 4, Glass, pixel for pixel from its layers: the gradients, frames,
// strips and corner dots at the coordinates and colours the style gives.
#include "ButtonFace.h"
#include "ButtonShape.h"
#include "ColorMath.h"
#include "DrawSurface.h"
#include "StylePainters.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

namespace {

using StylePainters::Rgb;
constexpr std::uint32_t kFace = 0xE3E3E3;

std::uint32_t Shift(std::uint32_t c, float a) {
    return ColorMath::ShiftColor(c, a);
}

// Entry i of a gradient of `steps` + 1 entries from a to b, channel by
// channel, truncating toward zero.
std::uint32_t Entry(std::uint32_t a, std::uint32_t b, int i, int steps) {
    auto ch = [&](int shift) {
        const int ca = int(a >> shift) & 0xFF, cb = int(b >> shift) & 0xFF;
        return std::uint32_t(ca + (cb - ca) * i / steps) << shift;
    };
    return ch(0) | ch(8) | ch(16);
}

DrawSurface Paint(int w, int h, int state, bool enabled = true, bool focus = false) {
    DrawSurface s;
    ButtonFace f;
    f.width = w;
    f.height = h;
    f.style = 4;
    f.state = state;
    f.enabled = enabled;
    f.backColor = kFace;
    f.background = 0x8000000F;
    f.hasFocus = focus;
    f.parentActive = true;
    f.showFocusRect = true;
    s.Resize(w, h);
    s.setBackgroundColor(f.background);
    s.Clear();
    StylePainters::PaintGlass(s, f);
    return s;
}

} // namespace

TEST(Glass, NormalAtHeight25) {
    // h = round(12.5) = 12.
    const DrawSurface s = Paint(75, 25, 0);
    EXPECT_EQ(s.Pixel(0, 0), Rgb(0x707070));
    EXPECT_EQ(s.Pixel(74, 24), Rgb(0x707070));
    EXPECT_EQ(s.Pixel(1, 5), 0xFFFFFFu);
    EXPECT_EQ(s.Pixel(73, 5), 0xFFFFFFu);
    EXPECT_EQ(s.Pixel(1, 1), Rgb(0x5F96BE)); // the dots
    EXPECT_EQ(s.Pixel(73, 23), Rgb(0x5F96BE));
    // The upper gradient from row 1 over 25 rows; row 5 is its entry 4.
    EXPECT_EQ(s.Pixel(10, 5), Entry(Shift(kFace, 0.05f), kFace, 4, 24));
    EXPECT_EQ(s.Pixel(10, 11), Entry(Shift(kFace, 0.05f), kFace, 10, 24));
    // The lower one from row 12 over 23 rows; row 20 is its entry 8.
    EXPECT_EQ(s.Pixel(10, 12), Shift(kFace, -0.02f));
    EXPECT_EQ(s.Pixel(10, 20), Entry(Shift(kFace, -0.02f), Shift(kFace, -0.15f), 8, 22));
}

TEST(Glass, HotHasSideStripsAndDownItsDarkerFace) {
    // u = round(10.5) = 10, l = round(11.5) = 12.
    const DrawSurface hot = Paint(75, 25, 1);
    EXPECT_EQ(hot.Pixel(0, 10), Rgb(0x3275A7));
    EXPECT_EQ(hot.Pixel(3, 3), Entry(Rgb(0xCDEEFF), Rgb(0xE4F7FF), 2, 4)); // left strip, upper
    EXPECT_EQ(hot.Pixel(3, 12), Entry(Rgb(0x8FD6FA), Shift(Rgb(0xACE1FD), 0.01f), 2, 4));
    EXPECT_EQ(hot.Pixel(70, 3), Entry(Rgb(0xE4F7FF), Rgb(0xCDEEFF), 1, 4)); // right strip
    EXPECT_EQ(hot.Pixel(3, 13), Entry(Rgb(0x8FD6FA), Shift(Rgb(0xACE1FD), 0.01f), 2, 4));
    EXPECT_EQ(hot.Pixel(30, 22), Entry(Rgb(0xC1E9FF), Rgb(0xAEE1FD), 10, 22));
    EXPECT_EQ(hot.Pixel(30, 1), 0xFFFFFFu);
    EXPECT_EQ(hot.Pixel(30, 2), Entry(Rgb(0xE4F7FF), Rgb(0xDAF3FF), 1, 11));

    const DrawSurface down = Paint(75, 25, 2);
    EXPECT_EQ(down.Pixel(0, 0), Rgb(0x1D415C));
    EXPECT_EQ(down.Pixel(30, 1), Rgb(0x719CB3));
    EXPECT_EQ(down.Pixel(30, 2), Rgb(0xA9C6D6));
    EXPECT_EQ(down.Pixel(30, 3), Rgb(0xB9D9EC));
    EXPECT_EQ(down.Pixel(30, 8), Rgb(0xC2E4F6));
    EXPECT_EQ(down.Pixel(30, 15), Rgb(0x9AD2F0));
    EXPECT_EQ(down.Pixel(1, 10),
              Entry(Shift(Rgb(0x91C8E6), 0.02f), Shift(Rgb(0xC2E4F6), -0.01f), 0, 4));
    EXPECT_EQ(down.Pixel(74, 1), Rgb(0x1D415C)); // the lines end before the last column
    EXPECT_EQ(down.Pixel(1, 2), Rgb(0x73B0CF));
}

TEST(Glass, AtHeightFourThereAreNoSideStrips) {
    const DrawSurface s = Paint(40, 4, 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 40; ++x) {
            const std::uint32_t p = s.Pixel(x, y);
            EXPECT_TRUE(p == Rgb(0x3275A7) || p == 0xFFFFFFu || p == Rgb(0x5F96BE))
                << x << "," << y;
        }
}

TEST(Glass, DisabledFocusedAndTheShape) {
    const DrawSurface off = Paint(75, 25, 0, false);
    EXPECT_EQ(off.Pixel(0, 0), Shift(kFace, -0.25f));
    EXPECT_EQ(off.Pixel(1, 5), Shift(kFace, 0.25f));
    EXPECT_EQ(off.Pixel(10, 10), Shift(kFace, 0.03f));
    EXPECT_EQ(off.Pixel(1, 1), Shift(kFace, -0.03f));

    // Focused while its window is active: blue and cyan double frame, and
    // the dotted rectangle inverting every other pixel inside it.
    const DrawSurface focused = Paint(75, 25, 0, true, true);
    EXPECT_EQ(focused.Pixel(0, 7), Rgb(0x3275A7));
    EXPECT_EQ(focused.Pixel(1, 7), Rgb(0x48D8FB));
    const DrawSurface plain = Paint(75, 25, 0);
    EXPECT_EQ(focused.Pixel(2, 2), plain.Pixel(2, 2) ^ 0xFFFFFFu);
    EXPECT_EQ(focused.Pixel(3, 2), plain.Pixel(3, 2));

    // The shape: a rectangle a pixel larger, its corners cut by a 3 x 3
    // ellipse; within the button only the top-left pixel goes.
    const QRegion shape = ButtonShape::Of(4, 75, 25);
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    for (QPoint p : {QPoint(1, 0), QPoint(0, 1), QPoint(74, 0), QPoint(0, 24), QPoint(74, 24)})
        EXPECT_TRUE(shape.contains(p)) << p.x() << "," << p.y();
    EXPECT_EQ(ButtonShape::Of(0, 75, 25), QRegion(0, 0, 75, 25));
    EXPECT_EQ(ButtonShape::Of(16, 75, 25), QRegion(0, 0, 75, 25));
}
