// What a button draws: caption placement and colour, the picture chosen for
// each state, cropped bitmaps, scaled icons and the greyed look.
#include "ColorMath.h"
#include "StyleButton.h"
#include "TestImages.h"

#include <QFont>
#include <gtest/gtest.h>

using TestImages::Pattern;

namespace {

constexpr std::uint32_t kFace = 0xF0F0F0; // the cleared surface: button face

// A 75 x 25 button of the given style with the windows' 宋体 at 9.75 points.
void Prepare(StyleButton& b, int style, const QString& caption) {
    b.resize(75, 25);
    QFont font("宋体");
    font.setPointSizeF(9.75);
    b.setFont(font);
    b.setButtonStyle(style);
    b.setCaption(caption);
}

// The smallest rectangle holding every pixel that differs from the face,
// inside the two rings a painter's edges take.
PixelRect Inked(const DrawSurface& s) {
    PixelRect r{s.Width(), s.Height(), 0, 0};
    for (int y = 2; y < s.Height() - 2; ++y)
        for (int x = 2; x < s.Width() - 2; ++x)
            if (s.Pixel(x, y) != kFace) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return r;
}

bool Contains(const PixelRect& outer, const PixelRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool HasPixel(const DrawSurface& s, std::uint32_t colour) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Pixel(x, y) == colour)
                return true;
    return false;
}

std::uint32_t Grey(std::uint32_t c) {
    using namespace ColorMath;
    const int g = (BlueOf(c) + GreenOf(c) + RedOf(c)) / 3;
    return FromChannels(g, g, g);
}

// The block at (x, y) shows colour(i, j) at its pixel (x + i, y + j).
void ExpectBlock(const DrawSurface& s, int x, int y, int w, int h,
                 const std::function<std::uint32_t(int, int)>& colour) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            ASSERT_EQ(s.Pixel(x + i, y + j), colour(i, j)) << "at " << i << "," << j;
}

PicturePtr Bitmap(int w, int h, const std::function<std::uint32_t(int, int)>& colour = Pattern) {
    return StylePicture::FromImage(TestImages::Opaque(w, h, colour));
}

PicturePtr Icon(
    int w, int h, const std::function<std::uint32_t(int, int)>& colour,
    const std::function<int(int, int)>& alpha = [](int, int) { return 255; }) {
    return StylePicture::FromImage(TestImages::WithAlpha(w, h, colour, alpha));
}

} // namespace

TEST(ButtonCaption, TwoLettersCentredOnA75By25Button) {
    StyleButton b;
    Prepare(b, 0, "OK");
    const QSize text = b.Surface().MeasureText("OK");
    const int tx = 37 - text.width() / 2, ty = 12 - text.height() / 2;
    EXPECT_EQ(b.CaptionRect(),
              (PixelRect{tx - 2, ty, tx + text.width() + 1, ty + text.height() + 1}));
    const PixelRect ink = Inked(b.Surface());
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_TRUE(Contains({tx, ty, tx + text.width(), ty + text.height()}, ink));
}

TEST(ButtonCaption, DownMovesTheCaptionOnePixelRightAndDown) {
    StyleButton b;
    Prepare(b, 0, "OK");
    const QImage normal = b.Surface().Image();
    const PixelRect caption = b.CaptionRect();
    b.setButtonState(StyleButton::Down);
    b.Redraw();
    const PixelRect ink = Inked(b.Surface());
    // Inside the edges the face is the same, moved; the edges differ.
    for (int y = 3; y < 23; ++y)
        for (int x = 3; x < 73; ++x) {
            const std::uint32_t before = ColorMath::FromQRgb(normal.pixel(x - 1, y - 1));
            ASSERT_EQ(b.Surface().Pixel(x, y), before) << x << "," << y;
        }
    EXPECT_FALSE(ink.IsEmpty());
    EXPECT_EQ(b.CaptionRect(), caption); // kept from the last layout not down
}

TEST(ButtonCaption, AccessKeyMarkShiftsByThreeAndIsNotDrawn) {
    StyleButton b;
    Prepare(b, 0, "&Save");
    const QSize text = b.Surface().MeasureText("&Save");
    EXPECT_EQ(b.CaptionRect().left + 2, 37 - text.width() / 2 + 3);
    StyleButton plain;
    Prepare(plain, 0, "a&&b"); // a doubled mark gives no key and no shift
    EXPECT_EQ(plain.CaptionRect().left + 2, 37 - plain.Surface().MeasureText("a&&b").width() / 2);
}

TEST(ButtonCaption, DrawnInForeColorOrGreyWhenDisabled) {
    StyleButton b;
    Prepare(b, 0, "■■");
    b.setForeColor(0x0000FF);
    EXPECT_TRUE(HasPixel(b.Surface(), 0x0000FF));
    b.setEnabled(false);
    EXPECT_TRUE(HasPixel(b.Surface(), 0x6D6D6D)); // grey text
    EXPECT_FALSE(HasPixel(b.Surface(), 0x0000FF));
}

TEST(ButtonCaption, StyleWithoutPainterShowsClearedFaceAndCaption) {
    StyleButton b;
    Prepare(b, 16, "■");
    b.setBackColor(0x00FF00); // a face colour no painter uses yet
    EXPECT_EQ(b.Surface().Pixel(0, 0), kFace);
    EXPECT_EQ(b.Surface().Pixel(74, 24), kFace);
    EXPECT_TRUE(HasPixel(b.Surface(), 0x000000));
}

TEST(ButtonPicture, BitmapWithPictureSize1ShowsItsTopLeft16By16) {
    StyleButton b;
    Prepare(b, 0, "");
    b.setPicture(Bitmap(32, 32));
    b.setPictureSize(1);
    b.setPictureAlign(4);
    const int px = (75 - 16) / 2, py = (25 - 16) / 2;
    ExpectBlock(b.Surface(), px, py, 16, 16, Pattern);
    EXPECT_EQ(Inked(b.Surface()), (PixelRect{px, py, px + 16, py + 16}));
}

TEST(ButtonPicture, IconWithPictureSize1IsScaledTo16By16) {
    StyleButton b;
    Prepare(b, 0, "");
    b.setPicture(Icon(32, 32, Pattern));
    b.setPictureSize(1);
    b.setPictureAlign(4);
    const int px = (75 - 16) / 2, py = (25 - 16) / 2;
    ExpectBlock(b.Surface(), px, py, 16, 16, [](int x, int y) { return Pattern(x * 2, y * 2); });
}

TEST(ButtonPicture, FortyPixelPictureIsShrunkTo21AndCropped) {
    StyleButton b;
    Prepare(b, 0, "");
    b.setPictureAlign(4);
    b.setPicture(Bitmap(16, 40));
    EXPECT_EQ(b.PictureHeight(), 21);
    EXPECT_EQ(b.PictureWidth(), 16);
    const int px = (75 - 16) / 2; // py: (25 - 40) / 2 raised to 1
    ExpectBlock(b.Surface(), px, 1, 16, 21, Pattern);
    EXPECT_EQ(b.Surface().Pixel(px, 22), kFace);
}

TEST(ButtonPicture, MaskColourOnlyWhenAskedFor) {
    StyleButton b;
    Prepare(b, 0, "");
    auto colour = [](int x, int y) { return x < 8 ? 0xE0E0E0u : Pattern(x, y); };
    b.setPicture(Bitmap(16, 16, colour));
    b.setPictureSize(1);
    b.setPictureAlign(4);
    const int px = 29, py = 4;
    EXPECT_EQ(b.Surface().Pixel(px, py), 0xE0E0E0u);
    b.setUseMaskColor(true);
    ExpectBlock(b.Surface(), px, py, 16, 16,
                [&](int x, int y) { return x < 8 ? kFace : Pattern(x, y); });
}

TEST(ButtonPicture, HotShowsTheHoverPictureOfTheSameKind) {
    StyleButton b;
    Prepare(b, 0, "");
    b.setPictureAlign(4);
    b.setPictureSize(1);
    b.setPicture(Bitmap(16, 16, [](int, int) { return 0x0000FFu; }));
    b.setPictureHover(Bitmap(16, 16, [](int, int) { return 0x00FF00u; }));
    EXPECT_EQ(b.Surface().Pixel(30, 5), 0x0000FFu);
    b.setButtonState(StyleButton::Hot);
    b.Redraw();
    EXPECT_EQ(b.Surface().Pixel(30, 5), 0x00FF00u);
}

TEST(ButtonPicture, IconHoverOfABitmapIsNeverShown) {
    StyleButton b;
    Prepare(b, 0, "");
    b.setPictureAlign(4);
    b.setPictureSize(1);
    b.setPicture(Bitmap(16, 16, [](int, int) { return 0x0000FFu; }));
    b.setPictureHover(Icon(16, 16, [](int, int) { return 0x00FF00u; }));
    for (int state : {0, 1, 2}) {
        b.setButtonState(state);
        b.Redraw();
        EXPECT_EQ(b.Surface().Pixel(30 + (state == 2), 5 + (state == 2)), 0x0000FFu) << state;
    }
}

TEST(ButtonPicture, CheckedToggleShowsTheHoverPictureWhileNormal) {
    StyleButton b;
    Prepare(b, 0, "");
    b.setPictureAlign(4);
    b.setPictureSize(1);
    b.setPicture(Bitmap(16, 16, [](int, int) { return 0x0000FFu; }));
    b.setPictureHover(Bitmap(16, 16, [](int, int) { return 0x00FF00u; }));
    b.setCheckBoxMode(true);
    b.setValue(true);
    EXPECT_EQ(b.ButtonState(), StyleButton::Normal); // style 0 is not forced down
    EXPECT_EQ(b.Surface().Pixel(30, 5), 0x00FF00u);
}

TEST(ButtonPicture, CheckedIconDrawsTheHoverOverThePicture) {
    StyleButton b;
    Prepare(b, 0, "");
    b.setPictureAlign(4);
    b.setPictureSize(1);
    b.setPicture(Icon(16, 16, [](int, int) { return 0x0000FFu; }));
    // The hover icon covers only the left half.
    b.setPictureHover(Icon(
        16, 16, [](int, int) { return 0x00FF00u; }, [](int x, int) { return x < 8 ? 255 : 0; }));
    b.setCheckBoxMode(true);
    b.setValue(true);
    const int px = 29, py = 4;
    ExpectBlock(b.Surface(), px, py, 16, 16,
                [](int x, int) { return x < 8 ? 0x00FF00u : 0x0000FFu; });
}

TEST(ButtonPicture, DisabledGreysTheMainPictureOnly) {
    StyleButton b;
    Prepare(b, 0, "");
    b.setPictureAlign(4);
    b.setPictureSize(1);
    b.setPicture(Bitmap(16, 16));
    b.setPictureHover(Bitmap(16, 16, [](int, int) { return 0x00FF00u; }));
    b.setEnabled(false);
    b.setButtonState(StyleButton::Hot);
    b.Redraw();
    ExpectBlock(b.Surface(), 29, 4, 16, 16, [](int x, int y) { return Grey(Pattern(x, y)); });
}

TEST(ButtonPicture, PictureAndCaptionSideBySide) {
    StyleButton b;
    Prepare(b, 0, "■■");
    b.resize(120, 40);
    b.setPicture(Bitmap(16, 16, [](int, int) { return 0x0000FFu; }));
    b.setPictureSize(1); // PictureAlign 1: picture left of the caption
    const QSize text = b.Surface().MeasureText("■■");
    const int px = std::max((120 - 16 - text.width()) / 2, 4), py = (40 - 16) / 2;
    const int tx = std::max(60 - text.width() / 2 + 8 + 3, 24);
    ExpectBlock(b.Surface(), px, py, 16, 16, [](int, int) { return 0x0000FFu; });
    EXPECT_EQ(b.CaptionRect().left, tx - 2);
}
