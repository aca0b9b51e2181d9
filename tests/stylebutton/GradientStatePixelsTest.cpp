// Styles 6 to 9 (SoftGradient, Band, FlatHover, Toolbar) in every state,
// every pixel of the surface against the layers the style lists. The face
// colour has three different channels, some of which clip when lightened, so
// a swapped channel or a wrong clamp shows.
#include "ButtonFace.h"
#include "ColorMath.h"
#include "DrawSurface.h"
#include "StylePainters.h"
#include "SystemColors.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using TestImages::GradientEntry;

using ColorMath::AverageColors;
using StylePainters::Rgb;

constexpr std::uint32_t kFace = Rgb(0xE0C8B0);
constexpr std::uint32_t kSurface = Rgb(0x13579B); // never part of any of these looks
constexpr std::uint32_t kAmbient = Rgb(0x2A7F3C);
constexpr std::uint32_t kWhite = 0xFFFFFF;
// H = 25 makes every fractional size interesting: H / 2 = 12.5 rounds to
// 12, H / 2.7 = 9.26 to 9, H - H / 2.7 = 15.74 to 16, H / 1.7 = 14.71 to 15.
constexpr int kW = 60, kH = 25;
constexpr int kHalf = 12, kBand = 9, kLower = 16, kPale = 15;

std::uint32_t Shift(std::uint32_t c, float a) {
    return ColorMath::ShiftColor(c, a);
}

using Model = std::function<std::uint32_t(int x, int y)>;

bool OnBorder(int x, int y) {
    return x == 0 || y == 0 || x == kW - 1 || y == kH - 1;
}
bool OnDot(int x, int y) {
    return (x == 1 || x == kW - 2) && (y == 1 || y == kH - 2);
}

ButtonFace Face(int style, int state) {
    ButtonFace f;
    f.width = kW;
    f.height = kH;
    f.style = style;
    f.state = state;
    f.backColor = kFace;
    f.background = kSurface;
    f.ambientBack = kAmbient;
    return f;
}

DrawSurface Paint(const ButtonFace& f) {
    return TestImages::PaintedFace(f, kSurface);
}

// Every pixel against the model; the first few misses are named.
void ExpectLook(const ButtonFace& f, const Model& want) {
    const DrawSurface s = Paint(f);
    int misses = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (s.Pixel(x, y) != want(x, y) && ++misses <= 4)
                ADD_FAILURE() << "style " << f.style << " state " << f.state << " pixel (" << x
                              << ", " << y << "): want " << std::hex << want(x, y) << ", got "
                              << s.Pixel(x, y);
    EXPECT_EQ(misses, 0) << "style " << f.style << " state " << f.state;
}

// The platform's dotted focus rectangle over a look: the pixels of the
// rectangle's border with x + y even are inverted.
Model WithFocus(Model look, PixelRect r) {
    return [=](int x, int y) {
        const bool border = x >= r.left && x < r.right && y >= r.top && y < r.bottom &&
                            (x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1);
        return border && (x + y) % 2 == 0 ? look(x, y) ^ kWhite : look(x, y);
    };
}

// SoftGradient: the upper gradient over rows 0 to 11, the lower one from
// row 12 over H rows (so only its first 13 entries of 25 show), the white
// frame whose bottom falls below the surface, the outer frame, the bottom
// line from x = 2 to W - 3, and the dots last.
Model SoftGradient(bool down) {
    const std::uint32_t upper = down ? Shift(kFace, -0.10f) : kFace;
    const std::uint32_t lowerA = down ? Shift(kFace, -0.10f) : kFace;
    const std::uint32_t lowerB = down ? Shift(kFace, -0.05f) : kFace;
    const std::uint32_t outer = Shift(kFace, down ? -0.23f : -0.20f);
    const std::uint32_t bottom = Shift(kFace, down ? -0.40f : -0.25f);
    const std::uint32_t dot = Shift(kFace, 0.05f);
    return [=](int x, int y) {
        if (OnDot(x, y))
            return dot;
        if (y == kH - 1 && x >= 2 && x < kW - 2)
            return bottom;
        if (OnBorder(x, y))
            return outer;
        if (x == 1 || x == kW - 2 || y == 1)
            return kWhite;
        if (y < kHalf)
            return GradientEntry(kWhite, upper, y, kHalf - 1);
        return GradientEntry(lowerA, lowerB, y - kHalf, kH - 1);
    };
}

// Band: the upper band over rows 0 to 8, the lower over rows 9 to 24, and
// the frame in C - 0.34.
Model Band(std::uint32_t ua, std::uint32_t ub, std::uint32_t la, std::uint32_t lb) {
    const std::uint32_t frame = Shift(kFace, -0.34f);
    return [=](int x, int y) {
        if (OnBorder(x, y))
            return frame;
        if (y < kBand)
            return GradientEntry(ua, ub, y, kBand - 1);
        return GradientEntry(la, lb, y - kBand, kLower - 1);
    };
}
Model BandNormal() {
    return Band(AverageColors(Shift(kFace, 0.09f), kWhite),
                AverageColors(Shift(kFace, 0.07f), kFace), kFace, Shift(kFace, 0.03f));
}
Model BandHot() {
    return Band(Rgb(0xFFFFE1), Rgb(0xFFEAAC), Rgb(0xFFD767), Rgb(0xFFE499));
}
Model BandDown() {
    return Band(Rgb(0xFFC158), Rgb(0xFFAF51), Rgb(0xFF8F46), Rgb(0xFFD35F));
}

Model Flat(std::uint32_t c) {
    return [=](int, int) { return c; };
}

// FlatHover hot and down: a gradient from row 1 over H - 2 rows (entry
// y - 1 of 23), in the hot look solid pale blue from row 15 on, the blue
// frame, the white frame one in, the dots.
Model FlatHover(bool hot) {
    const std::uint32_t blue = Rgb(0x619ECA), dot = Shift(Rgb(0x619ECA), 0.30f);
    return [=](int x, int y) {
        if (OnBorder(x, y))
            return blue;
        if (OnDot(x, y))
            return dot;
        if (x == 1 || x == kW - 2 || y == 1 || y == kH - 2)
            return kWhite;
        if (hot)
            return y >= kPale ? Rgb(0xD0ECF8)
                              : GradientEntry(Rgb(0xF1F9FD), Rgb(0xD0ECF8), y - 1, kH - 3);
        return GradientEntry(Rgb(0xB0DEF1), Rgb(0xDBF1F9), y - 1, kH - 3);
    };
}

Model Framed(std::uint32_t frame, std::uint32_t inside) {
    return [=](int x, int y) { return OnBorder(x, y) ? frame : inside; };
}
Model ToolbarNormal(std::uint32_t face) {
    const std::uint32_t top = AverageColors(Shift(face, 0.26f), kWhite);
    return [=](int, int y) { return GradientEntry(top, face, y, kH - 1); };
}

} // namespace

TEST(GradientStatesSoftGradient, HotIsTheNormalLookAndDownIsDarker) {
    ExpectLook(Face(6, 0), SoftGradient(false));
    ExpectLook(Face(6, 1), SoftGradient(false));
    ExpectLook(Face(6, 2), SoftGradient(true));
    // The bottom line stops before W - 2, and the frame keeps x = 1.
    const DrawSurface down = Paint(Face(6, 2));
    EXPECT_EQ(down.Pixel(kW - 3, kH - 1), Shift(kFace, -0.40f));
    EXPECT_EQ(down.Pixel(kW - 2, kH - 1), Shift(kFace, -0.23f));
    EXPECT_EQ(down.Pixel(1, kH - 1), Shift(kFace, -0.23f));
    // Row 12 starts the lower gradient, row 11 ends the upper one.
    EXPECT_EQ(down.Pixel(30, 11), Shift(kFace, -0.10f));
    EXPECT_EQ(down.Pixel(30, 12), Shift(kFace, -0.10f));
    EXPECT_EQ(down.Pixel(30, 23),
              GradientEntry(Shift(kFace, -0.10f), Shift(kFace, -0.05f), 11, 24));
}

TEST(GradientStatesSoftGradient, DisabledAndCheckedHaveNoLookOfTheirOwn) {
    for (int state : {0, 1}) {
        ButtonFace f = Face(6, state);
        f.enabled = false;
        ExpectLook(f, SoftGradient(false));
    }
    ButtonFace checked = Face(6, 2);
    checked.checked = true;
    ExpectLook(checked, SoftGradient(true));
}

TEST(GradientStatesSoftGradient, FocusRectangleAroundTheLastCaptionInEveryState) {
    const PixelRect caption{20, 6, 41, 19};
    for (int state : {0, 1, 2}) {
        ButtonFace f = Face(6, state);
        f.lastCaptionRect = caption;
        f.parentActive = true;
        f.showFocusRect = true;
        f.hasFocus = true;
        ExpectLook(f, WithFocus(SoftGradient(state == 2), caption));
        f.hasFocus = false;
        f.displayAsDefault = true;
        ExpectLook(f, WithFocus(SoftGradient(state == 2), caption));
    }
    ButtonFace f = Face(6, 0);
    f.lastCaptionRect = caption;
    f.parentActive = true;
    f.showFocusRect = true;
    f.hasFocus = true;
    const DrawSurface focused = Paint(f);
    EXPECT_EQ(focused.Pixel(20, 6), GradientEntry(kWhite, kFace, 6, 11) ^ kWhite);
    EXPECT_EQ(focused.Pixel(21, 6), GradientEntry(kWhite, kFace, 6, 11));
    EXPECT_EQ(focused.Pixel(40, 18), kFace ^ kWhite);
    EXPECT_EQ(focused.Pixel(41, 18), kFace);
    // Only the active window's focused or default button gets it; the run
    // mode plays no part for this style.
    f.runMode = false;
    ExpectLook(f, WithFocus(SoftGradient(false), caption));
    f.runMode = true;
    f.parentActive = false;
    ExpectLook(f, SoftGradient(false));
    f.parentActive = true;
    f.showFocusRect = false;
    ExpectLook(f, SoftGradient(false));
    f.showFocusRect = true;
    f.hasFocus = false;
    ExpectLook(f, SoftGradient(false));
}

TEST(GradientStatesBand, EachStateHasItsBands) {
    ExpectLook(Face(7, 0), BandNormal());
    ExpectLook(Face(7, 1), BandHot());
    ExpectLook(Face(7, 2), BandDown());
    // Row 9 is the first of the lower band, row 8 the last of the upper.
    const DrawSurface hot = Paint(Face(7, 1));
    EXPECT_EQ(hot.Pixel(30, 8), Rgb(0xFFEAAC));
    EXPECT_EQ(hot.Pixel(30, 9), Rgb(0xFFD767));
    EXPECT_EQ(hot.Pixel(30, 23), GradientEntry(Rgb(0xFFD767), Rgb(0xFFE499), 14, 15));
}

TEST(GradientStatesBand, DisabledAndFocusChangeNothing) {
    const Model looks[] = {BandNormal(), BandHot(), BandDown()};
    for (int state : {0, 1, 2}) {
        ButtonFace f = Face(7, state);
        f.enabled = false;
        ExpectLook(f, looks[state]);
        f.enabled = true;
        f.hasFocus = f.displayAsDefault = f.parentActive = f.showFocusRect = true;
        f.lastCaptionRect = PixelRect{20, 6, 41, 19};
        ExpectLook(f, looks[state]);
    }
}

TEST(GradientStatesBand, CheckedIsOrangeAndTakesTheDownColoursUnderThePointer) {
    const Model away = Band(Rgb(0xFFD9A9), Rgb(0xFFC06F), Rgb(0xFFAB3F), Rgb(0xFFE175));
    ButtonFace f = Face(7, 2);
    f.checked = true;
    ExpectLook(f, away);
    f.mouseDownFlag = true; // the pressed flag is not what it looks at
    ExpectLook(f, away);
    f.mouseInside = true;
    ExpectLook(f, BandDown());
    f.enabled = false;
    ExpectLook(f, BandDown());
    // Unchecked, the pointer flag has no say: the state alone decides.
    ButtonFace normal = Face(7, 0);
    normal.mouseInside = true;
    ExpectLook(normal, BandNormal());
    ButtonFace hot = Face(7, 1);
    hot.mouseInside = false;
    ExpectLook(hot, BandHot());
}

TEST(GradientStatesFlatHover, FlatUntilHoveredThenFramedGradients) {
    ExpectLook(Face(8, 0), Flat(kFace));
    ExpectLook(Face(8, 1), FlatHover(true));
    ExpectLook(Face(8, 2), FlatHover(false));
    // Rows 14 and 15 either side of round(H / 1.7).
    const DrawSurface hot = Paint(Face(8, 1));
    EXPECT_EQ(hot.Pixel(30, 14), GradientEntry(Rgb(0xF1F9FD), Rgb(0xD0ECF8), 13, 22));
    EXPECT_EQ(hot.Pixel(30, 15), Rgb(0xD0ECF8));
    EXPECT_EQ(hot.Pixel(1, 1), Shift(Rgb(0x619ECA), 0.30f));
    ButtonFace inside = Face(8, 0);
    inside.mouseInside = true; // hovering is the state's business
    ExpectLook(inside, Flat(kFace));
}

TEST(GradientStatesFlatHover, DisabledIsFlatWithFaceColouredDotsInEveryState) {
    for (int state : {0, 1, 2}) {
        ButtonFace f = Face(8, state);
        f.enabled = false;
        ExpectLook(f, Flat(kFace));
        f.checked = true;
        ExpectLook(f, Flat(kFace));
    }
}

TEST(GradientStatesFlatHover, CheckedIsDrawnDownAndFocusChangesNothing) {
    ButtonFace f = Face(8, 2);
    f.checked = true;
    ExpectLook(f, FlatHover(false));
    const Model looks[] = {Flat(kFace), FlatHover(true), FlatHover(false)};
    for (int state : {0, 1, 2}) {
        ButtonFace g = Face(8, state);
        g.hasFocus = g.displayAsDefault = g.parentActive = g.showFocusRect = true;
        g.lastCaptionRect = PixelRect{20, 6, 41, 19};
        ExpectLook(g, looks[state]);
    }
}

TEST(GradientStatesToolbar, NormalGradientAndFlatFramedHotAndDown) {
    ExpectLook(Face(9, 0), ToolbarNormal(kFace));
    ExpectLook(Face(9, 1), Framed(Rgb(0x316AC5), Rgb(0xC1D2EE)));
    ExpectLook(Face(9, 2), Framed(Rgb(0x4B4B6F), Rgb(0x98B5E2)));
    const DrawSurface normal = Paint(Face(9, 0));
    EXPECT_EQ(normal.Pixel(0, 0), AverageColors(Shift(kFace, 0.26f), kWhite));
    EXPECT_EQ(normal.Pixel(kW - 1, kH - 1), kFace);
    // A system colour as the face goes through the colour table first.
    ButtonFace system = Face(9, 0);
    system.backColor = SystemColors::System(SystemColors::kButtonFace);
    ExpectLook(system, ToolbarNormal(std::uint32_t(SystemColors::TranslateColor(
                           SystemColors::System(SystemColors::kButtonFace)))));
}

TEST(GradientStatesToolbar, CheckedKeepsItsStateAndDrawsItsOwnLook) {
    const Model checked = Framed(Shift(Rgb(0x4B4B6F), 0.05f), Rgb(0xE1E6E8));
    ButtonFace f = Face(9, 0);
    f.checked = true;
    ExpectLook(f, checked);
    f.state = 2;
    ExpectLook(f, checked);
    f.state = 1;
    ExpectLook(f, Framed(Rgb(0x316AC5), Rgb(0x98B5E2)));
    f.mouseInside = f.mouseDownFlag = true;
    ExpectLook(f, Framed(Rgb(0x316AC5), Rgb(0x98B5E2)));
}

TEST(GradientStatesToolbar, DisabledGradientIsCoveredByEveryStateAndFocusChangesNothing) {
    const Model looks[] = {ToolbarNormal(kFace), Framed(Rgb(0x316AC5), Rgb(0xC1D2EE)),
                           Framed(Rgb(0x4B4B6F), Rgb(0x98B5E2))};
    for (int state : {0, 1, 2}) {
        ButtonFace f = Face(9, state);
        f.enabled = false;
        ExpectLook(f, looks[state]);
        f.enabled = true;
        f.hasFocus = f.displayAsDefault = f.parentActive = f.showFocusRect = true;
        f.lastCaptionRect = PixelRect{20, 6, 41, 19};
        ExpectLook(f, looks[state]);
    }
    ButtonFace checked = Face(9, 0);
    checked.checked = true;
    checked.enabled = false;
    ExpectLook(checked, Framed(Shift(Rgb(0x4B4B6F), 0.05f), Rgb(0xE1E6E8)));
}
