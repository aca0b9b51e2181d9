// Styles 0, 1, 11, 12 and 2, pixel for pixel from their layers.
#include "ButtonFace.h"
#include "ColorMath.h"
#include "DrawSurface.h"
#include "StyleButton.h"
#include "StylePainters.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

namespace {

using StylePainters::Rgb;
constexpr std::uint32_t kFace = 0xE3E3E3;

std::uint32_t Sys(int index) {
    return std::uint32_t(SystemColors::TranslateColor(SystemColors::System(index)));
}

struct Look {
    int style = 0;
    int state = 0;
    bool checked = false, focus = false, enabled = true, active = true;
};

DrawSurface Paint(const Look& look, int w = 60, int h = 24) {
    ButtonFace f;
    f.width = w;
    f.height = h;
    f.style = look.style;
    f.state = look.state;
    f.checked = look.checked;
    f.enabled = look.enabled;
    f.backColor = kFace;
    f.hasFocus = look.focus;
    f.parentActive = look.active;
    f.showFocusRect = true;
    DrawSurface s;
    s.Resize(w, h);
    s.setBackgroundColor(0x8000000F);
    s.Clear();
    StylePainters::Paint(s, f);
    return s;
}

} // namespace

TEST(Edged, StandardHasTheRaisedEdgeAndHotEdgeOnlyUnderThePointer) {
    const DrawSurface standard = Paint({0, 0});
    EXPECT_EQ(standard.Pixel(0, 0), Sys(22));
    EXPECT_EQ(standard.Pixel(1, 1), Sys(20));
    EXPECT_EQ(standard.Pixel(59, 23), Sys(21));
    EXPECT_EQ(standard.Pixel(58, 22), Sys(16));
    EXPECT_EQ(standard.Pixel(30, 12), kFace);

    EXPECT_EQ(Paint({11, 0}).Pixel(0, 0), kFace); // flat until hovered
    EXPECT_EQ(Paint({11, 1}).Pixel(0, 0), Sys(22));
    EXPECT_EQ(Paint({12, 1}).Pixel(0, 0), Sys(20)); // the thin edge
    EXPECT_EQ(Paint({12, 1}).Pixel(59, 23), Sys(16));
    EXPECT_EQ(Paint({1, 0}).Pixel(1, 1), kFace); // one ring only
}

TEST(Edged, DownLooks) {
    const DrawSurface standard = Paint({0, 2});
    EXPECT_EQ(standard.Pixel(0, 5), 0x000000u);
    EXPECT_EQ(standard.Pixel(1, 5), Rgb(0xACA899));
    const DrawSurface thin = Paint({1, 2});
    EXPECT_EQ(thin.Pixel(0, 5), Sys(17));    // the larger frame's left side
    EXPECT_EQ(thin.Pixel(59, 5), 0xFFFFFFu); // its right side falls beyond
    const DrawSurface hot = Paint({11, 2});
    EXPECT_EQ(hot.Pixel(0, 0), Sys(16)); // sunken
    EXPECT_EQ(hot.Pixel(59, 23), Sys(20));
}

TEST(Edged, CheckedTogglesAndTheFocusAndDefaultCues) {
    const std::uint32_t lighter = ColorMath::ShiftColor(kFace, 0.02f);
    const DrawSurface standard = Paint({0, 0, true, true});
    EXPECT_EQ(standard.Pixel(30, 12), lighter);
    EXPECT_EQ(standard.Pixel(0, 0), Sys(16));  // sunken
    EXPECT_EQ(standard.Pixel(4, 10), Sys(12)); // the solid frame, no dotted one
    EXPECT_EQ(standard.Pixel(5, 10), lighter);
    const DrawSurface hotThin = Paint({12, 0, true, true});
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(hotThin.Pixel(x, y), lighter) << x << "," << y;

    // Focused: the dotted rectangle inset 4 while the window is active, and
    // the default frame whether it is or not.
    const DrawSurface focused = Paint({0, 0, false, true});
    const DrawSurface inactive = Paint({0, 0, false, true, true, false});
    EXPECT_EQ(focused.Pixel(59, 23), 0x000000u);
    EXPECT_EQ(focused.Pixel(58, 22), Sys(12));
    EXPECT_EQ(inactive.Pixel(59, 23), 0x000000u);
    EXPECT_EQ(focused.Pixel(4, 4), kFace ^ 0xFFFFFFu);
    EXPECT_EQ(inactive.Pixel(4, 4), kFace);
}

TEST(RoundedRing, ShadedFaceRingsAndFrame) {
    const DrawSurface normal = Paint({2, 0});
    EXPECT_EQ(normal.Pixel(0, 5), Rgb(0x003C74));
    EXPECT_EQ(normal.Pixel(1, 1), ColorMath::ShiftColor(Rgb(0x003C74), 0.30f));
    EXPECT_EQ(normal.Pixel(1, 10), ColorMath::AverageColors(0xFFFFFF, kFace));
    EXPECT_EQ(normal.Pixel(20, 22), ColorMath::ShiftColor(kFace, -0.09f));
    const DrawSurface hot = Paint({2, 1});
    EXPECT_EQ(hot.Pixel(5, 2), Rgb(0xFDD889));
    EXPECT_EQ(hot.Pixel(5, 1), Rgb(0xFFF0CF));
    EXPECT_EQ(hot.Pixel(20, 22), Rgb(0xE59700));
    const DrawSurface focused = Paint({2, 0, false, true});
    EXPECT_EQ(focused.Pixel(5, 1), Rgb(0xCEE7FF));
    const DrawSurface off = Paint({2, 0, false, false, false});
    EXPECT_EQ(off.Pixel(20, 12), ColorMath::ShiftColor(kFace, 0.03f));
    EXPECT_EQ(off.Pixel(0, 12), ColorMath::ShiftColor(kFace, -0.10f));
}

TEST(RoundedFlat, ChoosesItsCaptionColourAndShowsTheWindowBehindIt) {
    StyleButton b;
    b.resize(60, 24);
    b.setButtonStyle(3);
    b.setCaption("");
    b.setForeColor(0x123456);
    b.Redraw();
    (void)b.Surface();
    EXPECT_EQ(b.ForeColor(), Sys(18));
    b.setButtonState(StyleButton::Down);
    b.Redraw();
    EXPECT_EQ(b.Surface().Pixel(0, 5), Rgb(0x9D9D92));
    EXPECT_EQ(b.ForeColor(), 0xFFFFFFu);
    EXPECT_EQ(b.Surface().BackgroundColor(), b.Ambient().backColor);
}

TEST(DropShadow, AThreeStepShadowThatTheDownFaceLeaves) {
    const DrawSurface normal = Paint({5, 0});
    EXPECT_EQ(normal.Pixel(56, 12), Rgb(0x808080)); // W - 4
    EXPECT_EQ(normal.Pixel(57, 12), Rgb(0xA0A0A0));
    EXPECT_EQ(normal.Pixel(58, 12), Rgb(0xC0C0C0));
    EXPECT_EQ(normal.Pixel(59, 12), Sys(15)); // the last column keeps the surface colour
    EXPECT_EQ(normal.Pixel(20, 10), kFace);
    EXPECT_EQ(normal.Pixel(0, 10), ColorMath::ShiftColor(kFace, 0.30f));
    const DrawSurface down = Paint({5, 2});
    EXPECT_EQ(down.Pixel(3, 10), ColorMath::ShiftColor(kFace, 0.30f)); // moved 3 right
    EXPECT_EQ(down.Pixel(1, 10), Sys(15));
    EXPECT_EQ(down.Pixel(58, 12), kFace); // no shadow
}
