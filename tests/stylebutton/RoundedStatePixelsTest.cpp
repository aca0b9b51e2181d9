// Styles 2 (RoundedRing), 3 (RoundedFlat) and 5 (DropShadow) in every state,
// pixel for pixel from their layers on a 60 x 25 face: the odd height makes
// style 3's half height round to even (12).
#include "ButtonFace.h"
#include "ColorMath.h"
#include "DrawSurface.h"
#include "StylePainters.h"
#include "SystemColors.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <utility>

namespace {

using TestImages::GradientEntry;

using ColorMath::AverageColors;
using StylePainters::Rgb;

constexpr int kW = 60, kH = 25;
// Neither grey nor symmetric, so a swapped channel shows.
constexpr std::uint32_t kFace = Rgb(0xC8B49C);
constexpr std::uint32_t kSurface = Rgb(0x2E8B57); // what Clear paints
constexpr std::uint32_t kAmbient = Rgb(0x6A5ACD); // the window behind the button
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::uint32_t Shift(std::uint32_t c, float a) {
    return ColorMath::ShiftColor(c, a);
}

std::uint32_t Sys(int index) {
    return std::uint32_t(SystemColors::TranslateColor(SystemColors::System(index)));
}

std::uint32_t Inverted(std::uint32_t c) {
    return c ^ 0xFFFFFFu;
}

struct Look {
    int style = 2;
    int state = 0;
    bool enabled = true;
    bool checked = false;
    bool focus = false;
    bool active = true;
    bool focusRect = true;
    bool asDefault = false;
    bool mouseDown = false;
    bool runMode = true;
};

struct Painted {
    DrawSurface s;
    std::optional<std::uint32_t> caption;
};

Painted Paint(const Look& look) {
    ButtonFace f;
    f.width = kW;
    f.height = kH;
    f.style = look.style;
    f.state = look.state;
    f.enabled = look.enabled;
    f.checked = look.checked;
    f.hasFocus = look.focus;
    f.parentActive = look.active;
    f.showFocusRect = look.focusRect;
    f.displayAsDefault = look.asDefault;
    f.mouseDownFlag = look.mouseDown;
    f.mouseInside = look.state == 1;
    f.runMode = look.runMode;
    f.backColor = kFace;
    f.background = kSurface;
    f.ambientBack = kAmbient;
    f.foreColor = Rgb(0x123456); // style 3 must override it
    Painted p;
    p.s.Resize(kW, kH);
    p.s.setBackgroundColor(kSurface);
    p.s.Clear();
    p.caption = StylePainters::Paint(p.s, f);
    return p;
}

using Points = std::initializer_list<std::pair<int, int>>;

// Every listed pixel has the colour.
void ExpectAll(const DrawSurface& s, std::uint32_t colour, Points points) {
    for (auto [x, y] : points)
        EXPECT_EQ(s.Pixel(x, y), colour) << "at " << x << "," << y;
}

void ExpectFrameAndDots(const DrawSurface& s, std::uint32_t frame, std::uint32_t dots) {
    ExpectAll(s, frame, {{0, 0}, {30, 0}, {59, 0}, {0, 12}, {59, 12}, {0, 24}, {30, 24}, {59, 24}});
    ExpectAll(s, dots, {{1, 1}, {58, 1}, {1, 23}, {58, 23}});
}

// Style 2's shaded face: a 25-row face gradient under a 5-row highlight.
std::uint32_t RingFace(int y) {
    return y < 5 ? GradientEntry(Shift(kFace, 0.20f), Shift(kFace, 0.08f), y, 4)
                 : GradientEntry(Shift(kFace, 0.07f), kFace, y, kH - 1);
}

void ExpectRingFrame(const DrawSurface& s) {
    ExpectFrameAndDots(s, Rgb(0x003C74), Shift(Rgb(0x003C74), 0.30f));
}

void ExpectRingDown(const DrawSurface& s) {
    ExpectAll(s, Shift(kFace, -0.05f), {{30, 12}, {30, 3}, {57, 12}});
    // The left column runs over row 2; column 2 ends where the bottom line starts.
    ExpectAll(s, Shift(kFace, -0.16f), {{30, 1}, {57, 1}, {1, 2}, {1, 22}});
    ExpectAll(s, Shift(kFace, -0.10f), {{30, 2}, {57, 2}, {2, 12}, {2, 22}});
    ExpectAll(s, Shift(kFace, 0.07f), {{30, 23}, {57, 23}, {2, 23}});
    ExpectAll(s, Shift(kFace, 0.04f), {{58, 2}, {58, 22}});
    ExpectRingFrame(s);
}

} // namespace

TEST(RoundedStatesRing, NormalIsTheShadedFaceWithItsBottomLines) {
    const Painted p = Paint({});
    const DrawSurface& s = p.s;
    for (int y : {1, 3, 4, 5, 12, 20})
        EXPECT_EQ(s.Pixel(30, y), RingFace(y)) << y;
    ExpectAll(s, RingFace(10), {{2, 10}, {57, 10}});
    ExpectAll(s, Shift(kFace, -0.01f), {{30, 21}, {57, 21}});
    ExpectAll(s, Shift(kFace, -0.05f), {{30, 22}, {57, 22}});
    ExpectAll(s, Shift(kFace, -0.09f), {{30, 23}, {57, 23}});
    // The right column is drawn over the bottom lines' last pixel.
    ExpectAll(s, Shift(kFace, -0.08f), {{58, 2}, {58, 12}, {58, 22}});
    ExpectAll(s, AverageColors(kWhite, kFace), {{1, 2}, {1, 12}, {1, 22}});
    ExpectRingFrame(s);
    EXPECT_FALSE(p.caption.has_value());
    EXPECT_EQ(s.BackgroundColor(), kSurface);
}

TEST(RoundedStatesRing, HotDrawsTheOrangeRingOverTheShadedFace) {
    const DrawSurface s = Paint({.state = 1}).s;
    ExpectAll(s, Rgb(0xFFF0CF), {{30, 1}, {57, 1}});
    ExpectAll(s, Rgb(0xFDD889), {{30, 2}, {57, 2}});
    ExpectAll(s, Rgb(0xF9BD49), {{1, 2}, {1, 12}, {1, 22}, {58, 2}, {58, 12}, {58, 22}});
    ExpectAll(s, Rgb(0xFCD27A), {{2, 2}, {2, 21}, {57, 3}, {57, 21}});
    ExpectAll(s, Rgb(0xF8B330), {{2, 22}, {30, 22}, {57, 22}});
    ExpectAll(s, Rgb(0xE59700), {{2, 23}, {30, 23}, {57, 23}});
    // No bottom lines when hot: the face gradient shows down to row 21.
    for (int y : {3, 12, 21})
        EXPECT_EQ(s.Pixel(30, y), RingFace(y)) << y;
    ExpectAll(s, RingFace(12), {{3, 12}, {56, 12}});
    ExpectRingFrame(s);
}

TEST(RoundedStatesRing, DownAndCheckedAreTheSunkenBevel) {
    ExpectRingDown(Paint({.state = 2}).s);
    ExpectRingDown(Paint({.state = 2, .checked = true}).s);
}

TEST(RoundedStatesRing, DisabledIgnoresStateAndFocus) {
    for (int state : {0, 1, 2}) {
        SCOPED_TRACE(state);
        const DrawSurface s =
            Paint({.state = state, .enabled = false, .focus = true, .asDefault = true}).s;
        // No ring, no bevel and no dotted rectangle.
        ExpectAll(s, Shift(kFace, 0.03f), {{30, 12}, {30, 1}, {2, 2}, {1, 12}, {58, 22}, {30, 23}});
        ExpectFrameAndDots(s, Shift(kFace, -0.10f), Shift(kFace, 0.20f));
    }
}

TEST(RoundedStatesRing, FocusedShowsTheBlueRingAndTheDottedRectangleInset2) {
    const DrawSurface s = Paint({.focus = true}).s;
    ExpectAll(s, Rgb(0xCEE7FF), {{30, 1}});
    ExpectAll(s, Rgb(0x8EAFE6), {{1, 12}, {58, 12}});
    ExpectAll(s, Rgb(0x6982EE), {{30, 23}});
    // The dotted outline covers rows 2 and 22 and columns 2 and 57, and
    // inverts the pixels whose x + y is even.
    ExpectAll(s, Inverted(Rgb(0xBCD4F6)), {{30, 2}});
    ExpectAll(s, Rgb(0xBCD4F6), {{31, 2}, {57, 2}});
    ExpectAll(s, Inverted(Rgb(0xB8D1F4)), {{2, 2}, {2, 12}, {57, 13}});
    ExpectAll(s, Rgb(0xB8D1F4), {{2, 13}, {57, 12}});
    ExpectAll(s, Inverted(Rgb(0x89ADE4)), {{2, 22}, {30, 22}});
    ExpectAll(s, Rgb(0x89ADE4), {{31, 22}, {57, 22}});
    // The normal layers stay under the ring.
    ExpectAll(s, Shift(kFace, -0.01f), {{30, 21}});
    ExpectAll(s, RingFace(3), {{3, 3}});
    ExpectRingFrame(s);

    // The default button gets the same, and nothing here depends on run
    // mode; without the dotted rectangle the ring is left as it is.
    EXPECT_EQ(Paint({.asDefault = true}).s.Image(), s.Image());
    EXPECT_EQ(Paint({.focus = true, .runMode = false}).s.Image(), s.Image());
    const DrawSurface ringOnly = Paint({.focus = true, .focusRect = false}).s;
    ExpectAll(ringOnly, Rgb(0xBCD4F6), {{30, 2}});
    ExpectAll(ringOnly, Rgb(0xB8D1F4), {{2, 12}});
}

TEST(RoundedStatesRing, FocusCuesNeedAnActiveWindowAndTheRingTheNormalState) {
    EXPECT_EQ(Paint({.focus = true, .active = false}).s.Image(), Paint({}).s.Image());

    const DrawSurface hot = Paint({.state = 1, .focus = true}).s;
    ExpectAll(hot, Rgb(0xFFF0CF), {{30, 1}});
    ExpectAll(hot, Inverted(Rgb(0xFDD889)), {{30, 2}});
    ExpectAll(hot, Rgb(0xFDD889), {{31, 2}});

    const DrawSurface down = Paint({.state = 2, .focus = true}).s;
    ExpectAll(down, Inverted(Shift(kFace, -0.10f)), {{30, 2}, {2, 12}});
    ExpectAll(down, Shift(kFace, -0.10f), {{31, 2}});
    ExpectAll(down, Shift(kFace, -0.16f), {{30, 1}});
}

TEST(RoundedStatesFlat, NormalIsOneFlatFaceOnTheAmbientSurface) {
    const Painted p = Paint({.style = 3});
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            ASSERT_EQ(p.s.Pixel(x, y), kFace) << x << "," << y;
    EXPECT_EQ(p.caption, std::optional(Sys(18)));
    EXPECT_EQ(p.s.BackgroundColor(), kAmbient);
}

TEST(RoundedStatesFlat, HotIsTwoPaleGradientsSplitAtRoundedHalfHeight) {
    const Painted p = Paint({.style = 3, .state = 1});
    const DrawSurface& s = p.s;
    // h = round(12.5) = 12: rows 0-11 and 12-23, each a table of 12 entries.
    const std::uint32_t top = Rgb(0xFEFEFD), mid = Rgb(0xF4F4EE), low = Rgb(0xF1F1EA);
    for (int y : {1, 6, 11})
        EXPECT_EQ(s.Pixel(30, y), GradientEntry(top, mid, y, 11)) << y;
    for (int y : {12, 13, 20})
        EXPECT_EQ(s.Pixel(30, y), GradientEntry(mid, low, y - 12, 11)) << y;
    ExpectAll(s, mid, {{56, 12}});
    ExpectAll(s, GradientEntry(top, mid, 1, 11), {{57, 1}});
    ExpectAll(s, Rgb(0xEAE7E0), {{58, 2}, {58, 12}});
    ExpectAll(s, Rgb(0xF0F0EA), {{57, 2}, {57, 12}});
    // The full-width rows are drawn over both columns, the frame over them.
    ExpectAll(s, Rgb(0xEEEDE5), {{30, 21}, {58, 21}});
    ExpectAll(s, Rgb(0xE4E1D6), {{30, 22}, {57, 22}});
    ExpectAll(s, Rgb(0xD7D2C6), {{30, 23}, {57, 23}});
    ExpectFrameAndDots(s, Rgb(0xCECEC3), Shift(Rgb(0xD4D4C9), -0.05f));
    ExpectAll(s, Rgb(0xCECEC3), {{0, 21}, {59, 23}});
    EXPECT_EQ(p.caption, std::optional(Sys(18)));
    EXPECT_EQ(s.BackgroundColor(), kAmbient);
}

TEST(RoundedStatesFlat, DownIsGreyWithAWhiteCaption) {
    const Painted p = Paint({.style = 3, .state = 2});
    const DrawSurface& s = p.s;
    // The lines end one short of column 58.
    ExpectAll(s, Rgb(0xE5E4DD), {{30, 12}, {30, 3}, {30, 21}, {58, 2}, {58, 22}});
    ExpectAll(s, Shift(Rgb(0xDCDAD1), -0.02f), {{30, 1}, {57, 1}});
    ExpectAll(s, Shift(Rgb(0xE3E1DA), -0.02f), {{1, 2}, {57, 2}});
    ExpectAll(s, Shift(Rgb(0xE6E5DE), 0.02f), {{1, 22}, {57, 22}});
    ExpectAll(s, Shift(Rgb(0xEBEAE5), 0.02f), {{30, 23}, {57, 23}});
    ExpectFrameAndDots(s, Rgb(0x9D9D92), Shift(Rgb(0xB5B4AB), -0.20f));
    EXPECT_EQ(p.caption, std::optional(kWhite));
    EXPECT_EQ(s.BackgroundColor(), kAmbient);
}

TEST(RoundedStatesFlat, CheckedIsNearWhiteAndHotAddsItsEdgeLines) {
    const std::uint32_t frame = Rgb(0x7A98AF), dots = Shift(Rgb(0xA0B3C1), -0.20f);
    const Painted normal = Paint({.style = 3, .checked = true});
    ExpectAll(normal.s, Rgb(0xFEFEFE), {{30, 12}, {58, 12}, {30, 23}, {58, 21}});
    ExpectFrameAndDots(normal.s, frame, dots);
    EXPECT_EQ(normal.caption, std::optional(Sys(18)));
    EXPECT_EQ(normal.s.BackgroundColor(), kAmbient);

    const Painted hot = Paint({.style = 3, .state = 1, .checked = true});
    const DrawSurface& s = hot.s;
    ExpectAll(s, Rgb(0xFEFEFE), {{30, 20}, {57, 12}});
    ExpectAll(s, Rgb(0xF2F0ED), {{58, 2}, {58, 12}});
    ExpectAll(s, Rgb(0xE4DED8), {{2, 23}, {57, 23}});
    // Rows 21 and 22 run from column 1 to 58, over the right column.
    ExpectAll(s, Rgb(0xEFECE8), {{1, 22}, {58, 22}});
    ExpectAll(s, Rgb(0xFAF9F8), {{1, 21}, {58, 21}});
    ExpectAll(s, frame, {{59, 22}, {0, 21}});
    ExpectFrameAndDots(s, frame, dots); // the lines miss the dots
    EXPECT_EQ(hot.caption, std::optional(Sys(18)));
    EXPECT_EQ(s.BackgroundColor(), kAmbient);
}

TEST(RoundedStatesFlat, CheckedWithTheMouseDownIsTheDownLook) {
    const Painted down = Paint({.style = 3, .state = 2});
    for (int state : {0, 1}) {
        const Painted p = Paint({.style = 3, .state = state, .checked = true, .mouseDown = true});
        EXPECT_EQ(p.s.Image(), down.s.Image()) << state;
        EXPECT_EQ(p.caption, std::optional(kWhite)) << state;
    }
    // A checked face in state down is down too; the flag alone changes nothing.
    EXPECT_EQ(Paint({.style = 3, .state = 2, .checked = true}).s.Image(), down.s.Image());
    const Painted flag = Paint({.style = 3, .mouseDown = true});
    EXPECT_EQ(flag.s.Image(), Paint({.style = 3}).s.Image());
    EXPECT_EQ(flag.caption, std::optional(Sys(18)));
}

TEST(RoundedStatesFlat, HasNoDisabledLookAndNoFocusCue) {
    for (int state : {0, 1, 2})
        for (bool checked : {false, true}) {
            SCOPED_TRACE(testing::Message() << state << " " << checked);
            const Painted plain = Paint({.style = 3, .state = state, .checked = checked});
            const Painted off =
                Paint({.style = 3, .state = state, .enabled = false, .checked = checked});
            const Painted focused = Paint(
                {.style = 3, .state = state, .checked = checked, .focus = true, .asDefault = true});
            EXPECT_EQ(off.s.Image(), plain.s.Image());
            EXPECT_EQ(off.caption, plain.caption);
            EXPECT_EQ(focused.s.Image(), plain.s.Image());
            EXPECT_EQ(off.s.BackgroundColor(), kAmbient);
        }
}

namespace {

// Style 5's gaps: the last column and row and the corners beside the shadow
// when raised; the top rows and left columns when down.
constexpr Points kRaisedGaps = {{59, 10}, {59, 24}, {20, 24}, {57, 3}, {56, 0}, {3, 21}, {0, 24}};
constexpr Points kDownGaps = {{0, 0}, {2, 12}, {30, 2}, {59, 2}, {2, 24}};

// Outside the down state: the face at (0, 0) and the three shadow rings.
void ExpectShadowRaised(const DrawSurface& s, std::uint32_t f) {
    ExpectAll(s, f, {{20, 10}, {54, 19}});
    ExpectAll(s, Shift(f, 0.30f), {{0, 0}, {55, 0}, {55, 10}, {0, 20}, {20, 20}, {55, 20}});
    ExpectAll(s, Rgb(0x808080), {{56, 6}, {56, 10}, {56, 21}, {20, 21}, {6, 21}});
    ExpectAll(s, Rgb(0xA0A0A0), {{56, 5}, {57, 6}, {57, 10}, {57, 22}, {20, 22}, {5, 21}});
    ExpectAll(s, Rgb(0xC0C0C0), {{56, 4}, {58, 5}, {58, 10}, {58, 23}, {20, 23}, {4, 21}});
    EXPECT_EQ(s.BackgroundColor(), kAmbient);
}

// Down: the face moved 3 pixels right and down, no shadow.
void ExpectShadowDown(const DrawSurface& s, std::uint32_t f) {
    ExpectAll(s, Shift(f, 0.30f), {{3, 3}, {3, 12}, {30, 3}, {59, 12}, {30, 24}, {59, 24}});
    ExpectAll(s, f, {{4, 4}, {30, 12}, {58, 23}});
    EXPECT_EQ(s.BackgroundColor(), kAmbient);
}

} // namespace

TEST(RoundedStatesShadow, NormalAndHotShowTheThreeStepShadow) {
    const Painted normal = Paint({.style = 5});
    ExpectShadowRaised(normal.s, kFace);
    EXPECT_FALSE(normal.caption.has_value());
    const Painted hot = Paint({.style = 5, .state = 1});
    ExpectShadowRaised(hot.s, kFace);
    EXPECT_EQ(hot.s.Image(), normal.s.Image());
}

TEST(RoundedStatesShadow, DownAndCheckedMoveTheFace) {
    ExpectShadowDown(Paint({.style = 5, .state = 2}).s, kFace);
    ExpectShadowDown(Paint({.style = 5, .state = 2, .checked = true}).s, kFace);
}

TEST(RoundedStatesShadow, DisabledLightensTheFaceInEveryState) {
    const std::uint32_t f = Shift(kFace, 0.10f);
    ExpectShadowRaised(Paint({.style = 5, .enabled = false}).s, f);
    ExpectShadowRaised(Paint({.style = 5, .state = 1, .enabled = false}).s, f);
    ExpectShadowDown(Paint({.style = 5, .state = 2, .enabled = false}).s, f);
}

TEST(RoundedStatesShadow, UntouchedPixelsShowTheWindowBehind) {
    // The painter alone switches the surface colour to the window's and
    // leaves the clearing it came after as it was.
    const DrawSurface alone = Paint({.style = 5}).s;
    EXPECT_EQ(alone.BackgroundColor(), kAmbient);
    ExpectAll(alone, kSurface, kRaisedGaps);
    // A button's drawing shows the window in the gaps from the first drawing on.
    for (bool enabled : {true, false})
        for (int state : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << state << " " << enabled);
            ButtonFace f;
            f.width = kW;
            f.height = kH;
            f.style = 5;
            f.state = state;
            f.enabled = enabled;
            f.backColor = kFace;
            f.ambientBack = kAmbient;
            DrawSurface s;
            s.setBackgroundColor(kSurface);
            f.DrawInto(s);
            EXPECT_EQ(s.BackgroundColor(), kAmbient);
            ExpectAll(s, kAmbient, state == 2 ? kDownGaps : kRaisedGaps);
            DrawSurface again = s;
            f.DrawInto(again);
            EXPECT_EQ(again.Image(), s.Image());
        }
}

TEST(RoundedStatesShadow, DottedRectangleFollowsTheFace) {
    // Raised: (3, 3, 54, 19), rows 3 and 18, columns 3 and 53.
    const DrawSurface s = Paint({.style = 5, .focus = true}).s;
    ExpectAll(s, Inverted(kFace), {{3, 3}, {53, 3}, {53, 11}, {4, 18}});
    ExpectAll(s, kFace, {{4, 3}, {53, 10}, {54, 11}, {3, 18}, {4, 19}, {20, 10}});
    ExpectAll(s, Rgb(0x808080), {{56, 10}});

    // Down: (6, 6, 57, 22), rows 6 and 21, columns 6 and 56.
    const DrawSurface down = Paint({.style = 5, .state = 2, .focus = true}).s;
    ExpectAll(down, Inverted(kFace), {{6, 6}, {56, 6}, {7, 21}, {55, 21}});
    ExpectAll(down, kFace, {{7, 6}, {56, 7}, {56, 21}, {57, 21}, {5, 5}});

    const DrawSurface off = Paint({.style = 5, .enabled = false, .focus = true}).s;
    ExpectAll(off, Inverted(Shift(kFace, 0.10f)), {{3, 3}});
}

TEST(RoundedStatesShadow, DottedRectangleNeedsFocusOrDefaultAndAnActiveWindow) {
    const Painted plain = Paint({.style = 5});
    const Painted focused = Paint({.style = 5, .focus = true});
    EXPECT_EQ(Paint({.style = 5, .asDefault = true}).s.Image(), focused.s.Image());
    EXPECT_EQ(Paint({.style = 5, .focus = true, .runMode = false}).s.Image(), focused.s.Image());
    EXPECT_EQ(Paint({.style = 5, .focus = true, .active = false}).s.Image(), plain.s.Image());
    EXPECT_EQ(Paint({.style = 5, .focus = true, .focusRect = false}).s.Image(), plain.s.Image());
    EXPECT_NE(focused.s.Image(), plain.s.Image());
}
