// Styles 6 to 10, 13 and 15 at the points their layers decide.
#include "ButtonFace.h"
#include "ButtonShape.h"
#include "ColorMath.h"
#include "DrawSurface.h"
#include "StylePainters.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using ColorMath::AverageColors;
using StylePainters::Rgb;
constexpr std::uint32_t kFace = 0xE3E3E3;
constexpr int kW = 60, kH = 24;

std::uint32_t Shift(std::uint32_t c, float a) {
    return ColorMath::ShiftColor(c, a);
}

ButtonFace Face(int style, int state) {
    ButtonFace f;
    f.width = kW;
    f.height = kH;
    f.style = style;
    f.state = state;
    f.backColor = kFace;
    f.background = 0x8000000F;
    f.parentActive = true;
    f.showFocusRect = true;
    return f;
}

DrawSurface Paint(const ButtonFace& f) {
    DrawSurface s;
    s.Resize(f.width, f.height);
    s.setBackgroundColor(f.background);
    s.Clear();
    StylePainters::Paint(s, f);
    return s;
}

DrawSurface Paint(int style, int state) {
    return Paint(Face(style, state));
}

} // namespace

TEST(FurtherPainters, FlatHoverIsOnlyTheFlatFaceUntilHovered) {
    const DrawSurface normal = Paint(8, 0);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            ASSERT_EQ(normal.Pixel(x, y), kFace) << x << "," << y;
    const DrawSurface hot = Paint(8, 1);
    EXPECT_EQ(hot.Pixel(0, 5), Rgb(0x619ECA));
    EXPECT_EQ(hot.Pixel(1, 1), Shift(Rgb(0x619ECA), 0.30f));
    EXPECT_EQ(hot.Pixel(20, 20), Rgb(0xD0ECF8)); // below H / 1.7
}

TEST(FurtherPainters, ToolbarAndBandKeepARectangularShape) {
    EXPECT_EQ(ButtonShape::Of(7, kW, kH), QRegion(0, 0, kW, kH));
    EXPECT_EQ(ButtonShape::Of(9, kW, kH), QRegion(0, 0, kW, kH));
    const DrawSurface hot = Paint(9, 1);
    EXPECT_EQ(hot.Pixel(0, 0), Rgb(0x316AC5));
    EXPECT_EQ(hot.Pixel(10, 10), Rgb(0xC1D2EE));
}

TEST(FurtherPainters, ACheckedBandShowsTheDownColoursOnlyUnderThePointer) {
    ButtonFace f = Face(7, 2);
    f.checked = true;
    EXPECT_EQ(Paint(f).Pixel(20, 0), Shift(kFace, -0.34f)); // the frame
    // b = round(24 / 2.7) = 9: row 1 is entry 1 of 8 of the upper band.
    auto entry = [](std::uint32_t a, std::uint32_t b, int i, int steps) {
        std::uint32_t out = 0;
        for (int shift : {0, 8, 16}) {
            const int ca = int(a >> shift) & 0xFF, cb = int(b >> shift) & 0xFF;
            out |= std::uint32_t(ca + (cb - ca) * i / steps) << shift;
        }
        return out;
    };
    EXPECT_EQ(Paint(f).Pixel(20, 1), entry(Rgb(0xFFD9A9), Rgb(0xFFC06F), 1, 8));
    f.mouseInside = true;
    EXPECT_EQ(Paint(f).Pixel(20, 1), entry(Rgb(0xFFC158), Rgb(0xFFAF51), 1, 8));
}

TEST(FurtherPainters, OrangeHoverFramesInNavyWhenCheckedOrNotNormal) {
    const std::uint32_t navy = Rgb(0x000080);
    EXPECT_NE(Paint(13, 0).Pixel(0, 5), navy);
    EXPECT_EQ(Paint(13, 1).Pixel(0, 5), navy);
    EXPECT_EQ(Paint(13, 2).Pixel(0, 5), navy);
    ButtonFace f = Face(13, 0);
    f.checked = true;
    EXPECT_EQ(Paint(f).Pixel(0, 5), navy);
}

TEST(FurtherPainters, SideShadeCheckedTakesTheDownGradient) {
    ButtonFace f = Face(15, 0);
    f.checked = true;
    const DrawSurface checked = Paint(f);
    EXPECT_EQ(checked.Pixel(0, 0), Rgb(0x7E807D));
    EXPECT_EQ(checked.Pixel(1, 5), Paint(15, 2).Pixel(1, 5));
    EXPECT_NE(checked.Pixel(1, 5), Paint(15, 0).Pixel(1, 5));
}

TEST(FurtherPainters, GlossStripRowFiveAndItsFrames) {
    EXPECT_EQ(Paint(10, 0).Pixel(20, 5), kFace);
    EXPECT_EQ(Paint(10, 1).Pixel(20, 5), Shift(kFace, 0.05f));
    EXPECT_EQ(Paint(10, 2).Pixel(20, 5), Shift(kFace, -0.03f));
    EXPECT_EQ(Paint(10, 1).Pixel(0, 10), Shift(kFace, -0.28f));
    EXPECT_EQ(Paint(10, 0).Pixel(0, 10), Shift(kFace, -0.33f));
    EXPECT_EQ(Paint(10, 2).Pixel(0, 10), Shift(kFace, -0.36f));
    EXPECT_EQ(Paint(10, 0).Pixel(1, 1), Shift(kFace, -0.50f));
}

TEST(FurtherPainters, SoftGradientsBottomLineAndItsFocusAroundTheLastCaption) {
    EXPECT_EQ(Paint(6, 0).Pixel(10, kH - 1), Shift(kFace, -0.25f));
    EXPECT_EQ(Paint(6, 1).Pixel(10, kH - 1), Shift(kFace, -0.25f));
    EXPECT_EQ(Paint(6, 2).Pixel(10, kH - 1), Shift(kFace, -0.40f));
    EXPECT_EQ(Paint(6, 0).Pixel(1, 10), 0xFFFFFFu); // the white frame down the side
    ButtonFace f = Face(6, 0);
    f.hasFocus = true;
    f.lastCaptionRect = PixelRect{20, 6, 40, 18};
    const DrawSurface focused = Paint(f), plain = Paint(6, 0);
    EXPECT_EQ(focused.Pixel(20, 6), plain.Pixel(20, 6) ^ 0xFFFFFFu);
    EXPECT_EQ(focused.Pixel(21, 6), plain.Pixel(21, 6));
    EXPECT_EQ(focused.Pixel(10, 10), plain.Pixel(10, 10));
}

TEST(Painters, EveryStyleAtAnySizeAndStateStaysOnItsSurface) {
    // Sizes from nothing up, every state and cue: run under
    // AddressSanitizer too, where a write beside the surface is reported.
    // No painter keeps anything between drawings: the same face twice gives
    // the same pixels.
    std::srand(3);
    for (int round = 0; round < 2000; ++round) {
        ButtonFace f = Face(std::rand() % 18, std::rand() % 4);
        f.width = std::rand() % 45;
        f.height = std::rand() % 45;
        f.enabled = std::rand() % 4 != 0;
        f.checked = std::rand() % 3 == 0;
        f.hasFocus = std::rand() % 2 == 0;
        f.parentActive = std::rand() % 2 == 0;
        f.mouseInside = std::rand() % 2 == 0;
        f.mouseDownFlag = std::rand() % 2 == 0;
        f.displayAsDefault = std::rand() % 5 == 0;
        f.lastCaptionRect = PixelRect{std::rand() % 60 - 10, std::rand() % 60 - 10,
                                      std::rand() % 60 - 10, std::rand() % 60 - 10};
        const DrawSurface once = Paint(f), twice = Paint(f);
        ASSERT_EQ(once.Image(), twice.Image())
            << "style " << f.style << " " << f.width << "x" << f.height;
    }
}
