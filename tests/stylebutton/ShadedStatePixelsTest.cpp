// Glass, GlossStrip, OrangeHover and SideShade in every state, pixel for
// pixel: each layer is probed where it shows, the expected colours worked
// out from the colour arithmetic rather than by painting a second time.
#include "ButtonFace.h"
#include "ColorMath.h"
#include "DrawSurface.h"
#include "PixelRect.h"
#include "StylePainters.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

using TestImages::GradientEntry;

using ColorMath::AverageColors;
using StylePainters::Rgb;

// Channels all different, so a swapped channel shows.
constexpr std::uint32_t kFace = Rgb(0xD6CCB4);
// Nothing any of these styles paints comes out this green.
constexpr std::uint32_t kSurface = Rgb(0x12AB34);
constexpr std::uint32_t kWhite = 0xFFFFFFu;
using Points = std::initializer_list<std::pair<int, int>>;
// An odd height: H / 2 = 12.5 rounds to 12, H / 2 + 1 = 13.5 to 14.
constexpr int kW = 60, kH = 25;

std::uint32_t Shift(std::uint32_t c, float amount) {
    return ColorMath::ShiftColor(c, amount);
}

std::uint32_t Inverted(std::uint32_t c) {
    return c ^ 0xFFFFFFu;
}

ButtonFace Face(int style, int state) {
    ButtonFace f;
    f.width = kW;
    f.height = kH;
    f.style = style;
    f.state = state;
    f.backColor = kFace;
    f.background = kSurface;
    f.ambientBack = Rgb(0x5A0F77);
    return f;
}

DrawSurface Paint(const ButtonFace& f) {
    return TestImages::PaintedFace(f, f.background);
}

DrawSurface Paint(int style, int state) {
    return Paint(Face(style, state));
}

ButtonFace Focused(int style, int state) {
    ButtonFace f = Face(style, state);
    f.hasFocus = true;
    f.parentActive = true;
    f.showFocusRect = true;
    return f;
}

// None of these styles leaves a pixel of the cleared surface showing.
void ExpectFullyPainted(const DrawSurface& s) {
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            ASSERT_NE(s.Pixel(x, y), kSurface) << x << "," << y;
}

void ExpectOuterFrame(const DrawSurface& s, std::uint32_t colour) {
    for (auto [x, y] :
         Points{{0, 0}, {30, 0}, {59, 0}, {0, 12}, {59, 12}, {0, 24}, {30, 24}, {59, 24}})
        EXPECT_EQ(s.Pixel(x, y), colour) << x << "," << y;
}

void ExpectDots(const DrawSurface& s, std::uint32_t colour) {
    for (auto [x, y] : Points{{1, 1}, {1, 23}, {58, 1}, {58, 23}})
        EXPECT_EQ(s.Pixel(x, y), colour) << x << "," << y;
}

// Glass: h = 12, strips u = round(10.5) = 10 and l = round(11.5) = 12 rows.
const std::uint32_t kGlassTop = Shift(kFace, 0.05f), kGlassLow = Shift(kFace, -0.02f),
                    kGlassBottom = Shift(kFace, -0.15f);

} // namespace

TEST(ShadedStatesGlass, NormalLayers) {
    const DrawSurface s = Paint(4, 0);
    ExpectFullyPainted(s);
    ExpectOuterFrame(s, Rgb(0x707070));
    for (auto [x, y] : Points{{1, 10}, {58, 10}, {30, 1}, {30, 23}})
        EXPECT_EQ(s.Pixel(x, y), kWhite) << x << "," << y;
    ExpectDots(s, Rgb(0x5F96BE));
    // Upper face from row 1 over 25 rows, lower face from row 12 over 23.
    EXPECT_EQ(s.Pixel(30, 2), GradientEntry(kGlassTop, kFace, 1, 24));
    EXPECT_EQ(s.Pixel(2, 11), GradientEntry(kGlassTop, kFace, 10, 24));
    EXPECT_EQ(s.Pixel(30, 12), kGlassLow);
    EXPECT_EQ(s.Pixel(57, 17), GradientEntry(kGlassLow, kGlassBottom, 5, 22));
    EXPECT_EQ(s.Pixel(30, 22), GradientEntry(kGlassLow, kGlassBottom, 10, 22));
}

TEST(ShadedStatesGlass, HotBodyStripsAndFrames) {
    const DrawSurface s = Paint(4, 1);
    ExpectFullyPainted(s);
    ExpectOuterFrame(s, Rgb(0x3275A7));
    for (auto [x, y] : Points{{1, 7}, {1, 20}, {58, 7}, {30, 1}, {30, 23}, {3, 23}})
        EXPECT_EQ(s.Pixel(x, y), kWhite) << x << "," << y; // over body and strips
    ExpectDots(s, Rgb(0x5F96BE));
    // The body: 12 rows of 11 steps, then 23 rows of 22 steps from row 12.
    const std::uint32_t a = Rgb(0xE4F7FF), b = Rgb(0xDAF3FF);
    EXPECT_EQ(s.Pixel(30, 2), GradientEntry(a, b, 1, 11));
    EXPECT_EQ(s.Pixel(3, 2), GradientEntry(a, b, 1, 11)); // above the strips
    EXPECT_EQ(s.Pixel(6, 5), GradientEntry(a, b, 4, 11)); // beside them
    EXPECT_EQ(s.Pixel(30, 11), GradientEntry(a, b, 10, 11));
    const std::uint32_t c = Rgb(0xC1E9FF), d = Rgb(0xAEE1FD);
    EXPECT_EQ(s.Pixel(30, 12), c);
    EXPECT_EQ(s.Pixel(6, 15), GradientEntry(c, d, 3, 22));
    EXPECT_EQ(s.Pixel(53, 22), GradientEntry(c, d, 10, 22));
    // Left strips, columns 1 to 5: upper rows 3 to 11, the lower one from
    // row 12 (it overpaints the upper strip's last row).
    const std::uint32_t e = Rgb(0xCDEEFF), g = Rgb(0x8FD6FA), k = Shift(Rgb(0xACE1FD), 0.01f);
    EXPECT_EQ(s.Pixel(2, 3), GradientEntry(e, a, 1, 4));
    EXPECT_EQ(s.Pixel(3, 7), GradientEntry(e, a, 2, 4));
    EXPECT_EQ(s.Pixel(5, 11), a);
    EXPECT_EQ(s.Pixel(2, 12), GradientEntry(g, k, 1, 4));
    EXPECT_EQ(s.Pixel(4, 17), GradientEntry(g, k, 3, 4));
    EXPECT_EQ(s.Pixel(5, 22), k);
    // Right strips, columns 54 to 58, mirrored.
    EXPECT_EQ(s.Pixel(54, 3), a);
    EXPECT_EQ(s.Pixel(57, 8), GradientEntry(a, e, 3, 4));
    EXPECT_EQ(s.Pixel(54, 12), k);
    EXPECT_EQ(s.Pixel(57, 22), GradientEntry(k, g, 3, 4));
}

TEST(ShadedStatesGlass, DownFaceLinesAndStrips) {
    const DrawSurface s = Paint(4, 2);
    ExpectFullyPainted(s);
    ExpectOuterFrame(s, Rgb(0x1D415C));
    EXPECT_EQ(s.Pixel(59, 1), Rgb(0x1D415C)); // the top lines stop short of it
    ExpectDots(s, Rgb(0x5F96BE));
    EXPECT_EQ(s.Pixel(30, 1), Rgb(0x719CB3));
    EXPECT_EQ(s.Pixel(57, 1), Rgb(0x719CB3));
    EXPECT_EQ(s.Pixel(30, 2), Rgb(0xA9C6D6));
    EXPECT_EQ(s.Pixel(58, 2), Rgb(0xA9C6D6));
    EXPECT_EQ(s.Pixel(6, 3), Rgb(0xB9D9EC));
    EXPECT_EQ(s.Pixel(53, 3), Rgb(0xB9D9EC));
    // The left line shows only above the strip drawn over it.
    EXPECT_EQ(s.Pixel(1, 2), Rgb(0x73B0CF));
    EXPECT_EQ(s.Pixel(30, 4), Rgb(0xC2E4F6));
    EXPECT_EQ(s.Pixel(30, 11), Rgb(0xC2E4F6));
    EXPECT_EQ(s.Pixel(30, 12), Rgb(0x9AD2F0));
    EXPECT_EQ(s.Pixel(30, 23), Rgb(0x9AD2F0));
    const std::uint32_t a = Shift(Rgb(0x91C8E6), 0.02f), b = Shift(Rgb(0xC2E4F6), -0.01f);
    const std::uint32_t c = Shift(Rgb(0x4EABDC), 0.02f), d = Shift(Rgb(0x9AD2F0), -0.01f);
    EXPECT_EQ(s.Pixel(1, 3), a);
    EXPECT_EQ(s.Pixel(3, 7), GradientEntry(a, b, 2, 4));
    EXPECT_EQ(s.Pixel(5, 11), b);
    EXPECT_EQ(s.Pixel(1, 12), c);
    EXPECT_EQ(s.Pixel(3, 18), GradientEntry(c, d, 2, 4));
    EXPECT_EQ(s.Pixel(5, 23), d);
    EXPECT_EQ(s.Pixel(54, 3), b);
    EXPECT_EQ(s.Pixel(58, 11), a);
    EXPECT_EQ(s.Pixel(54, 12), d);
    EXPECT_EQ(s.Pixel(57, 23), GradientEntry(d, c, 3, 4));
}

TEST(ShadedStatesGlass, DisabledLooksTheSameInEveryStateAndShowsNoCue) {
    const DrawSurface s = Paint([] {
        ButtonFace f = Focused(4, 0);
        f.enabled = false;
        return f;
    }());
    ExpectOuterFrame(s, Shift(kFace, -0.25f));
    for (auto [x, y] : Points{{1, 10}, {58, 10}, {30, 1}, {30, 23}})
        EXPECT_EQ(s.Pixel(x, y), Shift(kFace, 0.25f)) << x << "," << y;
    EXPECT_EQ(s.Pixel(2, 2), Shift(kFace, 0.03f)); // not inverted
    EXPECT_EQ(s.Pixel(30, 12), Shift(kFace, 0.03f));
    ExpectDots(s, Shift(kFace, -0.03f));
    for (int state : {0, 1, 2}) {
        ButtonFace f = Face(4, state);
        f.enabled = false;
        EXPECT_EQ(Paint(f).Image(), s.Image()) << state;
    }
}

TEST(ShadedStatesGlass, CheckedIsDrawnDown) {
    ButtonFace f = Face(4, 2);
    f.checked = true;
    const DrawSurface s = Paint(f);
    EXPECT_EQ(s.Pixel(0, 12), Rgb(0x1D415C));
    EXPECT_EQ(s.Pixel(30, 1), Rgb(0x719CB3));
    EXPECT_EQ(s.Image(), Paint(4, 2).Image());
}

TEST(ShadedStatesGlass, FocusGivesTheDoubleFrameAndTheDottedRectangle) {
    const DrawSurface s = Paint(Focused(4, 0));
    ExpectOuterFrame(s, Rgb(0x3275A7));
    for (auto [x, y] : Points{{1, 10}, {58, 10}, {30, 1}, {30, 23}})
        EXPECT_EQ(s.Pixel(x, y), Rgb(0x48D8FB)) << x << "," << y;
    ExpectDots(s, Rgb(0x5F96BE)); // drawn last, over the cyan frame
    // Dotted outline on columns 2 and 57, rows 2 and 22: x + y even inverted.
    EXPECT_EQ(s.Pixel(2, 2), Inverted(GradientEntry(kGlassTop, kFace, 1, 24)));
    EXPECT_EQ(s.Pixel(3, 2), GradientEntry(kGlassTop, kFace, 1, 24));
    EXPECT_EQ(s.Pixel(57, 3), Inverted(GradientEntry(kGlassTop, kFace, 2, 24)));
    EXPECT_EQ(s.Pixel(57, 4), GradientEntry(kGlassTop, kFace, 3, 24));
    EXPECT_EQ(s.Pixel(2, 20), Inverted(GradientEntry(kGlassLow, kGlassBottom, 8, 22)));
    EXPECT_EQ(s.Pixel(30, 22), Inverted(GradientEntry(kGlassLow, kGlassBottom, 10, 22)));
    EXPECT_EQ(s.Pixel(31, 22), GradientEntry(kGlassLow, kGlassBottom, 10, 22));
    EXPECT_EQ(s.Pixel(3, 3), GradientEntry(kGlassTop, kFace, 2, 24)); // inside it

    // The run mode does not enter into it.
    ButtonFace editing = Focused(4, 0);
    editing.runMode = false;
    EXPECT_EQ(Paint(editing).Image(), s.Image());

    // Without the dotted rectangle the double frame stays.
    ButtonFace noRect = Focused(4, 0);
    noRect.showFocusRect = false;
    const DrawSurface framed = Paint(noRect);
    EXPECT_EQ(framed.Pixel(1, 10), Rgb(0x48D8FB));
    EXPECT_EQ(framed.Pixel(2, 2), GradientEntry(kGlassTop, kFace, 1, 24));

    // In an inactive window the focused button looks normal.
    ButtonFace inactive = Focused(4, 0);
    inactive.parentActive = false;
    EXPECT_EQ(Paint(inactive).Image(), Paint(4, 0).Image());
}

TEST(ShadedStatesGlass, TheDefaultButtonGetsTheDoubleFrameButNoDottedRectangle) {
    ButtonFace f = Focused(4, 0);
    f.hasFocus = false;
    f.displayAsDefault = true;
    const DrawSurface s = Paint(f);
    EXPECT_EQ(s.Pixel(0, 12), Rgb(0x3275A7));
    EXPECT_EQ(s.Pixel(58, 12), Rgb(0x48D8FB));
    EXPECT_EQ(s.Pixel(2, 2), GradientEntry(kGlassTop, kFace, 1, 24));
    EXPECT_EQ(s.Pixel(30, 22), GradientEntry(kGlassLow, kGlassBottom, 10, 22));
}

TEST(ShadedStatesGlass, HotAndDownKeepTheirFramesButShowTheDottedRectangle) {
    const DrawSurface hot = Paint(Focused(4, 1));
    EXPECT_EQ(hot.Pixel(0, 12), Rgb(0x3275A7));
    EXPECT_EQ(hot.Pixel(1, 10), kWhite);
    EXPECT_EQ(hot.Pixel(30, 2), Inverted(GradientEntry(Rgb(0xE4F7FF), Rgb(0xDAF3FF), 1, 11)));
    EXPECT_EQ(hot.Pixel(2, 4), Inverted(GradientEntry(Rgb(0xCDEEFF), Rgb(0xE4F7FF), 1, 4)));
    EXPECT_EQ(hot.Pixel(2, 5), GradientEntry(Rgb(0xCDEEFF), Rgb(0xE4F7FF), 1, 4));

    const DrawSurface down = Paint(Focused(4, 2));
    EXPECT_EQ(down.Pixel(0, 12), Rgb(0x1D415C));
    EXPECT_EQ(down.Pixel(2, 2), Inverted(Rgb(0xA9C6D6)));
    EXPECT_EQ(down.Pixel(3, 2), Rgb(0xA9C6D6));
    EXPECT_EQ(down.Pixel(30, 22), Inverted(Rgb(0x9AD2F0)));
}

TEST(ShadedStatesGlossStrip, EachStateStripRowFiveBodyAndFrame) {
    struct Look {
        std::uint32_t fill, stripTop, stripEnd, bodyTop, bodyEnd, frame;
    };
    const Look looks[] = {
        {kFace, Shift(AverageColors(kFace, kWhite), 0.10f), kFace, Shift(kFace, -0.05f),
         AverageColors(kWhite, Shift(kFace, 0.10f)), Shift(kFace, -0.33f)},
        {Shift(kFace, 0.05f), Shift(AverageColors(Shift(kFace, 0.05f), kWhite), 0.15f),
         Shift(kFace, 0.05f), kFace, AverageColors(kWhite, Shift(kFace, 0.15f)),
         Shift(kFace, -0.28f)},
        {Shift(kFace, -0.03f), Shift(AverageColors(kFace, kWhite), 0.10f), kFace,
         Shift(kFace, -0.08f), AverageColors(kWhite, Shift(kFace, 0.07f)), Shift(kFace, -0.36f)},
    };
    for (int state : {0, 1, 2}) {
        SCOPED_TRACE(state);
        const Look& k = looks[state];
        const DrawSurface s = Paint(10, state);
        ExpectFullyPainted(s);
        ExpectOuterFrame(s, k.frame);
        ExpectDots(s, Shift(kFace, -0.50f));
        // Strip rows 0 to 4 in four steps, its last row the end colour.
        EXPECT_EQ(s.Pixel(2, 1), GradientEntry(k.stripTop, k.stripEnd, 1, 4));
        EXPECT_EQ(s.Pixel(30, 3), GradientEntry(k.stripTop, k.stripEnd, 3, 4));
        EXPECT_EQ(s.Pixel(30, 4), k.stripEnd);
        EXPECT_EQ(s.Pixel(30, 5), k.fill);
        EXPECT_EQ(s.Pixel(58, 5), k.fill);
        // The body is H - 1 rows high from row 6: 23 steps, cut off at row 24.
        EXPECT_EQ(s.Pixel(30, 6), k.bodyTop);
        EXPECT_EQ(s.Pixel(1, 15), GradientEntry(k.bodyTop, k.bodyEnd, 9, 23));
        EXPECT_EQ(s.Pixel(30, 23), GradientEntry(k.bodyTop, k.bodyEnd, 17, 23));
    }
}

TEST(ShadedStatesGlossStrip, CheckedIsDownAndNeitherDisabledNorFocusChangesIt) {
    ButtonFace checked = Face(10, 2);
    checked.checked = true;
    EXPECT_EQ(Paint(checked).Image(), Paint(10, 2).Image());
    for (int state : {0, 1, 2}) {
        ButtonFace f = Focused(10, state);
        f.displayAsDefault = true;
        EXPECT_EQ(Paint(f).Image(), Paint(10, state).Image()) << state;
        f.enabled = false;
        EXPECT_EQ(Paint(f).Image(), Paint(10, state).Image()) << state;
    }
}

TEST(ShadedStatesOrangeHover, NormalHasTwoFaceGradientsAndNoFrame) {
    const DrawSurface s = Paint(13, 0);
    ExpectFullyPainted(s);
    const std::uint32_t top = Shift(kFace, 0.05f);
    EXPECT_EQ(s.Pixel(0, 0), top);
    EXPECT_EQ(s.Pixel(59, 0), top);
    EXPECT_EQ(s.Pixel(0, 5), GradientEntry(top, kFace, 5, 11));
    EXPECT_EQ(s.Pixel(30, 11), kFace);
    // The lower one starts at row 12 and is 14 rows high, so the last row
    // shown is entry 12 of 13, not its end colour.
    const std::uint32_t low = Shift(kFace, -0.01f), end = Shift(kFace, -0.13f);
    EXPECT_EQ(s.Pixel(30, 12), low);
    EXPECT_EQ(s.Pixel(59, 18), GradientEntry(low, end, 6, 13));
    EXPECT_EQ(s.Pixel(0, 24), GradientEntry(low, end, 12, 13));
    EXPECT_EQ(s.Pixel(30, 24), GradientEntry(low, end, 12, 13));
}

TEST(ShadedStatesOrangeHover, HotAndDownAreOneGradientInANavyFrame) {
    const std::uint32_t colours[][2] = {{Rgb(0xFFF4CC), Rgb(0xFFD091)},
                                        {Rgb(0xFE914E), Rgb(0xFFD38E)}};
    for (int state : {1, 2}) {
        SCOPED_TRACE(state);
        const auto [a, b] = colours[state - 1];
        const DrawSurface s = Paint(13, state);
        ExpectFullyPainted(s);
        ExpectOuterFrame(s, Rgb(0x000080));
        EXPECT_EQ(s.Pixel(30, 1), GradientEntry(a, b, 1, 24));
        EXPECT_EQ(s.Pixel(1, 12), GradientEntry(a, b, 12, 24));
        EXPECT_EQ(s.Pixel(58, 23), GradientEntry(a, b, 23, 24));
    }
}

TEST(ShadedStatesOrangeHover, CheckedFollowsThePointerInsideIt) {
    ButtonFace f = Face(13, 2);
    f.checked = true;
    const DrawSurface away = Paint(f);
    ExpectOuterFrame(away, Rgb(0x000080));
    EXPECT_EQ(away.Pixel(30, 1), GradientEntry(Rgb(0xFFD58C), Rgb(0xFFAD55), 1, 24));
    EXPECT_EQ(away.Pixel(30, 23), GradientEntry(Rgb(0xFFD58C), Rgb(0xFFAD55), 23, 24));
    // The press flag does not matter, only the pointer being inside.
    f.mouseDownFlag = true;
    EXPECT_EQ(Paint(f).Image(), away.Image());
    f.mouseInside = true;
    const DrawSurface inside = Paint(f);
    ExpectOuterFrame(inside, Rgb(0x000080));
    EXPECT_EQ(inside.Pixel(30, 1), GradientEntry(Rgb(0xFE914E), Rgb(0xFFD38E), 1, 24));
    EXPECT_EQ(inside.Pixel(30, 23), GradientEntry(Rgb(0xFE914E), Rgb(0xFFD38E), 23, 24));
    // An unchecked face ignores the pointer.
    ButtonFace normal = Face(13, 0);
    normal.mouseInside = true;
    normal.mouseDownFlag = true;
    EXPECT_EQ(Paint(normal).Image(), Paint(13, 0).Image());
}

TEST(ShadedStatesOrangeHover, NeitherDisabledNorFocusChangesIt) {
    for (int state : {0, 1, 2}) {
        ButtonFace f = Focused(13, state);
        f.displayAsDefault = true;
        EXPECT_EQ(Paint(f).Image(), Paint(13, state).Image()) << state;
        f.enabled = false;
        EXPECT_EQ(Paint(f).Image(), Paint(13, state).Image()) << state;
    }
}

TEST(ShadedStatesSideShade, StatesAreLeftToRightGradientsInAGreyFrame) {
    const DrawSurface normal = Paint(15, 0), down = Paint(15, 2);
    for (const DrawSurface* s : {&normal, &down}) {
        ExpectFullyPainted(*s);
        ExpectOuterFrame(*s, Rgb(0x7E807D));
    }
    const std::uint32_t light = Shift(kFace, 0.08f);
    EXPECT_EQ(normal.Pixel(1, 12), GradientEntry(kFace, light, 1, 59));
    EXPECT_EQ(normal.Pixel(30, 1), GradientEntry(kFace, light, 30, 59));
    EXPECT_EQ(normal.Pixel(58, 23), GradientEntry(kFace, light, 58, 59));
    EXPECT_EQ(Paint(15, 1).Image(), normal.Image()); // hot is the same face
    const std::uint32_t a = Shift(kFace, -0.05f), b = Shift(kFace, 0.03f);
    EXPECT_EQ(down.Pixel(1, 1), GradientEntry(a, b, 1, 59));
    EXPECT_EQ(down.Pixel(30, 12), GradientEntry(a, b, 30, 59));
    EXPECT_EQ(down.Pixel(58, 23), GradientEntry(a, b, 58, 59));
}

TEST(ShadedStatesSideShade, CheckedIsAlwaysDownAndDisabledChangesNothing) {
    const DrawSurface down = Paint(15, 2);
    for (int state : {0, 1, 2}) {
        ButtonFace f = Face(15, state);
        f.checked = true;
        EXPECT_EQ(Paint(f).Image(), down.Image()) << state;
        ButtonFace off = Face(15, state);
        off.enabled = false;
        EXPECT_EQ(Paint(off).Image(), Paint(15, state).Image()) << state;
    }
}

TEST(ShadedStatesSideShade, DottedRectangleInsetThree) {
    const std::uint32_t light = Shift(kFace, 0.08f);
    auto plain = [&](int x) { return GradientEntry(kFace, light, x, 59); };
    const DrawSurface s = Paint(Focused(15, 0));
    ExpectOuterFrame(s, Rgb(0x7E807D));
    // Columns 3 and 56, rows 3 and 21.
    EXPECT_EQ(s.Pixel(3, 3), Inverted(plain(3)));
    EXPECT_EQ(s.Pixel(4, 3), plain(4));
    EXPECT_EQ(s.Pixel(56, 4), Inverted(plain(56)));
    EXPECT_EQ(s.Pixel(56, 5), plain(56));
    EXPECT_EQ(s.Pixel(3, 21), Inverted(plain(3)));
    EXPECT_EQ(s.Pixel(31, 21), Inverted(plain(31)));
    EXPECT_EQ(s.Pixel(30, 21), plain(30));
    EXPECT_EQ(s.Pixel(2, 2), plain(2));   // outside it
    EXPECT_EQ(s.Pixel(57, 3), plain(57)); // outside it
    EXPECT_EQ(s.Pixel(4, 4), plain(4));   // inside it

    const std::uint32_t a = Shift(kFace, -0.05f), b = Shift(kFace, 0.03f);
    EXPECT_EQ(Paint(Focused(15, 2)).Pixel(3, 3), Inverted(GradientEntry(a, b, 3, 59)));

    ButtonFace byDefault = Focused(15, 0);
    byDefault.hasFocus = false;
    byDefault.displayAsDefault = true;
    EXPECT_EQ(Paint(byDefault).Image(), s.Image());

    // Each condition missing leaves the plain face.
    const DrawSurface unfocused = Paint(15, 0);
    ButtonFace f = Focused(15, 0);
    f.runMode = false;
    EXPECT_EQ(Paint(f).Image(), unfocused.Image());
    f = Focused(15, 0);
    f.parentActive = false;
    EXPECT_EQ(Paint(f).Image(), unfocused.Image());
    f = Focused(15, 0);
    f.showFocusRect = false;
    EXPECT_EQ(Paint(f).Image(), unfocused.Image());
}
