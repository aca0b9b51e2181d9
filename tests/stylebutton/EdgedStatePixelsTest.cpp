// Styles 0, 1, 11 and 12 in every state, pixel for pixel from the layers each
// state draws: the face, the 3-D edges, the down frames, the dotted focus
// outline and the Standard button's default frame.
#include "ButtonFace.h"
#include "ColorMath.h"
#include "DrawSurface.h"
#include "PixelRect.h"
#include "StylePainters.h"
#include "SystemColors.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using StylePainters::Rgb;

constexpr int kW = 60;
constexpr int kH = 24;
constexpr std::uint32_t kFace = Rgb(0xCDC3B1);
// Neither is drawn by these styles, so a pixel left alone shows up as one.
constexpr std::uint32_t kSurface = Rgb(0x13579B);
constexpr std::uint32_t kAmbient = Rgb(0x2468AC);
constexpr std::uint32_t kBlack = 0x000000u;
constexpr std::uint32_t kWhite = 0xFFFFFFu;

enum Style { Standard = 0, ThinEdge = 1, HotEdge = 11, HotThinEdge = 12 };
enum State { Normal = 0, Hot = 1, Down = 2 };
constexpr int kStyles[] = {Standard, ThinEdge, HotEdge, HotThinEdge};
constexpr int kStates[] = {Normal, Hot, Down};

std::uint32_t Sys(int index) {
    return std::uint32_t(SystemColors::TranslateColor(SystemColors::System(index)));
}

std::uint32_t Lighter() {
    return ColorMath::ShiftColor(kFace, 0.02f);
}

std::uint32_t Inverted(std::uint32_t colour) {
    return colour ^ 0xFFFFFFu;
}

ButtonFace Face(int style, int state, bool focus = false) {
    ButtonFace f;
    f.width = kW;
    f.height = kH;
    f.style = style;
    f.state = state;
    f.backColor = kFace;
    f.background = kSurface;
    f.ambientBack = kAmbient;
    f.hasFocus = focus;
    f.parentActive = true;
    f.showFocusRect = true;
    return f;
}

DrawSurface Paint(const ButtonFace& f) {
    return TestImages::PaintedFace(f, kSurface);
}

std::string Where(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

void At(const DrawSurface& s, int x, int y, std::uint32_t colour, const char* what) {
    EXPECT_EQ(s.Pixel(x, y), colour) << what << " at " << Where(x, y);
}

// Every pixel of the rectangle, reported once with the first miss.
void ExpectFilled(const DrawSurface& s, const PixelRect& r, std::uint32_t colour,
                  const char* what) {
    int misses = 0;
    std::string first;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (s.Pixel(x, y) != colour && misses++ == 0)
                first = Where(x, y);
    EXPECT_EQ(misses, 0) << what << ", first miss at " << first;
}

// One edge ring: top and left stop one short of the far corner, which the
// bottom and right sides own.
void ExpectRing(const DrawSurface& s, const PixelRect& r, std::uint32_t light, std::uint32_t dark,
                const char* what) {
    const int mx = (r.left + r.right) / 2, my = (r.top + r.bottom) / 2;
    At(s, r.left, r.top, light, what);
    At(s, mx, r.top, light, what);
    At(s, r.right - 2, r.top, light, what);
    At(s, r.left, my, light, what);
    At(s, r.left, r.bottom - 2, light, what);
    At(s, r.right - 1, r.top, dark, what);
    At(s, r.left, r.bottom - 1, dark, what);
    At(s, mx, r.bottom - 1, dark, what);
    At(s, r.right - 1, my, dark, what);
    At(s, r.right - 1, r.bottom - 1, dark, what);
}

void ExpectRaised(const DrawSurface& s, const PixelRect& r) {
    ExpectRing(s, r, Sys(22), Sys(21), "raised outer ring");
    ExpectRing(s, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, Sys(20), Sys(16),
               "raised inner ring");
}

void ExpectSunken(const DrawSurface& s) {
    ExpectRing(s, {0, 0, kW, kH}, Sys(16), Sys(20), "sunken outer ring");
    ExpectRing(s, {1, 1, kW - 1, kH - 1}, Sys(21), Sys(22), "sunken inner ring");
}

// Corners and side middles of frame (x, y, w, h) that fall on the surface.
void ExpectFrame(const DrawSurface& s, int x, int y, int w, int h, std::uint32_t colour,
                 const char* what) {
    const int r = x + w - 1, b = y + h - 1, mx = x + w / 2, my = y + h / 2;
    const int points[][2] = {{x, y}, {r, y}, {x, b}, {r, b}, {mx, y}, {mx, b}, {x, my}, {r, my}};
    for (const auto& p : points)
        if (p[0] < kW && p[1] < kH)
            At(s, p[0], p[1], colour, what);
}

// The white frame, with the grey one a pixel larger showing only top and left.
void ExpectThinDown(const DrawSurface& s) {
    ExpectFrame(s, 0, 0, kW + 1, kH + 1, Sys(17), "grey frame");
    At(s, kW - 1, 0, Sys(17), "grey frame top, clipped");
    At(s, 0, kH - 1, Sys(17), "grey frame left");
    At(s, kW - 1, 1, kWhite, "white frame right");
    At(s, kW - 1, kH / 2, kWhite, "white frame right");
    At(s, kW - 1, kH - 1, kWhite, "white frame corner");
    At(s, 1, kH - 1, kWhite, "white frame bottom");
    At(s, kW / 2, kH - 1, kWhite, "white frame bottom");
}

// The layers a state draws before any focus cue, and the face inside them.
void ExpectLook(const DrawSurface& s, int style, int state) {
    const bool raised = (style == Standard && state != Down) || (style == HotEdge && state == Hot);
    const bool thin =
        (style == ThinEdge && state != Down) || (style == HotThinEdge && state == Hot);
    if (raised)
        ExpectRaised(s, {0, 0, kW, kH});
    else if (thin)
        ExpectRing(s, {0, 0, kW, kH}, Sys(20), Sys(16), "thin raised edge");
    else if (state == Down && style == Standard) {
        ExpectFrame(s, 0, 0, kW, kH, kBlack, "black frame");
        ExpectFrame(s, 1, 1, kW - 2, kH - 2, Rgb(0xACA899), "grey frame");
    } else if (state == Down && style == HotEdge)
        ExpectSunken(s);
    else if (state == Down)
        ExpectThinDown(s);
    else
        ExpectFrame(s, 0, 0, kW, kH, kFace, "flat face");
    const int inset = raised || state == Down ? 2 : 1;
    At(s, inset, inset, kFace, "face");
    At(s, kW - 1 - inset, kH - 1 - inset, kFace, "face");
    At(s, kW / 2, kH / 2, kFace, "face");
}

int Inset(int style) {
    return style == Standard || style == HotEdge ? 4 : 3;
}

// The border of the focus rectangle over the plain face: inverted where
// x + y is even when dotted, untouched otherwise.
void ExpectFocusBorder(const DrawSurface& s, int style, bool dotted) {
    const int d = Inset(style);
    int misses = 0;
    std::string first;
    for (int y = d; y < kH - d; ++y)
        for (int x = d; x < kW - d; ++x) {
            if (x != d && x != kW - d - 1 && y != d && y != kH - d - 1)
                continue;
            const bool flipped = dotted && (x + y) % 2 == 0;
            if (s.Pixel(x, y) != (flipped ? Inverted(kFace) : kFace) && misses++ == 0)
                first = Where(x, y);
        }
    EXPECT_EQ(misses, 0) << (dotted ? "dotted" : "no") << " focus rectangle, first miss at "
                         << first;
    ExpectFilled(s, {d + 1, d + 1, kW - d - 1, kH - d - 1}, kFace, "inside the focus rectangle");
}

// Raised edge and two frames one pixel short of the right and bottom, under
// the black outline of the whole button.
void ExpectDefaultFrame(const DrawSurface& s) {
    ExpectFrame(s, 0, 0, kW, kH, kBlack, "black outline");
    At(s, kW - 2, 1, Sys(12), "default frame right");
    At(s, kW - 2, kH / 2, Sys(12), "default frame right");
    At(s, kW - 2, kH - 2, Sys(12), "default frame corner");
    At(s, 1, kH - 2, Sys(12), "default frame bottom");
    At(s, kW / 2, kH - 2, Sys(12), "default frame bottom");
    ExpectRing(s, {1, 1, kW - 2, kH - 2}, Sys(20), Sys(16), "default inner ring");
    At(s, kW - 3, kH - 3, Sys(16), "default inner ring corner");
    ExpectFilled(s, {2, 2, kW - 3, 4}, kFace, "face above the focus rectangle");
}

} // namespace

TEST(EdgedStatesLooks, EachStyleInEachStateWithoutFocus) {
    for (int style : kStyles)
        for (int state : kStates) {
            SCOPED_TRACE("style " + std::to_string(style) + " state " + std::to_string(state));
            const DrawSurface s = Paint(Face(style, state));
            ExpectLook(s, style, state);
            ExpectFocusBorder(s, style, false);
        }
}

TEST(EdgedStatesLooks, HoverStylesAreFlatUntilHovered) {
    for (int style : {HotEdge, HotThinEdge})
        ExpectFilled(Paint(Face(style, Normal)), {0, 0, kW, kH}, kFace, "flat face");
}

TEST(EdgedStatesLooks, AnotherStateLeavesTheClearedSurface) {
    for (int style : kStyles)
        ExpectFilled(Paint(Face(style, 3)), {0, 0, kW, kH}, kSurface, "cleared surface");
}

TEST(EdgedStatesDisabled, PaintsTheSameAsEnabled) {
    for (int style : kStyles)
        for (int state : kStates)
            for (bool focus : {false, true})
                for (bool checked : {false, true}) {
                    ButtonFace f = Face(style, state, focus);
                    f.checked = checked;
                    const QImage enabled = Paint(f).Image();
                    f.enabled = false;
                    EXPECT_TRUE(Paint(f).Image() == enabled)
                        << "style " << style << " state " << state << " focus " << focus
                        << " checked " << checked;
                }
}

TEST(EdgedStatesChecked, StandardIsLighterAndSunkenWhateverTheState) {
    for (int state : kStates) {
        ButtonFace f = Face(Standard, state);
        f.checked = true;
        const DrawSurface s = Paint(f);
        ExpectSunken(s);
        ExpectFilled(s, {2, 2, kW - 2, kH - 2}, Lighter(), "lighter face");
    }
}

TEST(EdgedStatesChecked, FocusedStandardShowsASolidFrameAndNoDottedOne) {
    for (bool active : {true, false}) {
        ButtonFace f = Face(Standard, Normal, true);
        f.checked = true;
        f.parentActive = active;
        const DrawSurface s = Paint(f);
        ExpectSunken(s);
        ExpectFrame(s, 4, 4, kW - 7, kH - 7, Sys(12), "solid focus frame");
        // The dotted rectangle's right and bottom sides, at columns and rows
        // the solid frame does not reach.
        ExpectFilled(s, {5, 5, kW - 4, kH - 4}, Lighter(), "inside the solid frame");
        ExpectFilled(s, {2, 2, kW - 2, 4}, Lighter(), "between edge and frame");
    }
}

TEST(EdgedStatesChecked, StandardNeedsFocusAndShowFocusRectForTheSolidFrame) {
    ButtonFace noRect = Face(Standard, Normal, true);
    noRect.checked = true;
    noRect.showFocusRect = false;
    ButtonFace defaultOnly = Face(Standard, Normal);
    defaultOnly.checked = true;
    defaultOnly.displayAsDefault = true;
    for (const ButtonFace& f : {noRect, defaultOnly}) {
        const DrawSurface s = Paint(f);
        ExpectSunken(s);
        ExpectFilled(s, {2, 2, kW - 2, kH - 2}, Lighter(), "lighter face, no frame");
    }
}

TEST(EdgedStatesChecked, ThinEdgeAndHotEdgeAreSunkenWithNoFocusCue) {
    // The widget hands these styles a checked toggle as down.
    for (int style : {ThinEdge, HotEdge})
        for (bool focus : {false, true}) {
            SCOPED_TRACE("style " + std::to_string(style) + " focus " + std::to_string(focus));
            ButtonFace f = Face(style, Down, focus);
            f.checked = true;
            const DrawSurface s = Paint(f);
            ExpectSunken(s);
            ExpectFilled(s, {2, 2, kW - 2, kH - 2}, Lighter(), "lighter face");
        }
}

TEST(EdgedStatesChecked, HotThinEdgeIsOnlyTheLighterFace) {
    for (bool focus : {false, true}) {
        ButtonFace f = Face(HotThinEdge, Down, focus);
        f.checked = true;
        f.displayAsDefault = focus;
        ExpectFilled(Paint(f), {0, 0, kW, kH}, Lighter(), "lighter face only");
    }
}

TEST(EdgedStatesFocus, DottedRectangleInsetFourOrThreeInEveryState) {
    for (int style : kStyles)
        for (int state : kStates) {
            SCOPED_TRACE("style " + std::to_string(style) + " state " + std::to_string(state));
            const DrawSurface s = Paint(Face(style, state, true));
            ExpectFocusBorder(s, style, true);
            if (style != Standard || state == Down)
                ExpectLook(s, style, state);
        }
}

TEST(EdgedStatesFocus, TheDefaultButtonGetsItToo) {
    for (int style : kStyles) {
        ButtonFace f = Face(style, Normal);
        f.displayAsDefault = true;
        ExpectFocusBorder(Paint(f), style, true);
    }
}

TEST(EdgedStatesFocus, NoDottedRectangleInAnInactiveWindowOrOutsideRunMode) {
    for (int style : kStyles)
        for (int state : kStates) {
            SCOPED_TRACE("style " + std::to_string(style) + " state " + std::to_string(state));
            ButtonFace inactive = Face(style, state, true);
            inactive.parentActive = false;
            ButtonFace editing = Face(style, state, true);
            editing.runMode = false;
            ButtonFace noRect = Face(style, state, true);
            noRect.showFocusRect = false;
            const QImage unfocused = Paint(Face(style, state)).Image();
            for (const ButtonFace& f : {inactive, editing, noRect}) {
                const DrawSurface s = Paint(f);
                ExpectFocusBorder(s, style, false);
                // Only the Standard default frame tells it from no focus.
                if (style != Standard || state == Down) {
                    EXPECT_TRUE(s.Image() == unfocused);
                }
            }
        }
}

TEST(EdgedStatesDefaultFrame, FocusedOrDefaultStandardWhenNotDown) {
    for (int state : {Normal, Hot})
        for (bool active : {true, false})
            for (bool focus : {true, false}) {
                SCOPED_TRACE("state " + std::to_string(state) + " active " +
                             std::to_string(active) + " focus " + std::to_string(focus));
                ButtonFace f = Face(Standard, state, focus);
                f.displayAsDefault = !focus;
                f.parentActive = active;
                const DrawSurface s = Paint(f);
                ExpectDefaultFrame(s);
                ExpectFocusBorder(s, Standard, active);
            }
}

TEST(EdgedStatesDefaultFrame, AlsoOutsideRunModeButNotWhileDown) {
    ButtonFace editing = Face(Standard, Normal, true);
    editing.runMode = false;
    ExpectDefaultFrame(Paint(editing));

    const DrawSurface down = Paint(Face(Standard, Down, true));
    ExpectLook(down, Standard, Down);
    At(down, kW - 2, kH - 2, Rgb(0xACA899), "grey frame, not the default frame");
    At(down, 1, kH - 2, Rgb(0xACA899), "grey frame, not the default ring");
    At(down, kW - 3, kH - 3, kFace, "face, not the default ring");
    At(down, kW - 3, 1, Rgb(0xACA899), "grey frame, not the default ring");

    // The other styles never draw it.
    for (int style : {ThinEdge, HotEdge, HotThinEdge}) {
        ButtonFace f = Face(style, Normal, true);
        f.parentActive = false;
        EXPECT_TRUE(Paint(f).Image() == Paint(Face(style, Normal)).Image()) << "style " << style;
    }
}
