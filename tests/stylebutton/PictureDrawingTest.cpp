// Pictures on the surface: cropped bitmaps with a mask colour, scaled icons
// with their transparency, and the greyed picture of a disabled button.
#include "ColorMath.h"
#include "DrawSurface.h"
#include "Rounding.h"
#include "StylePicture.h"
#include "TestImages.h"
#include "Twips.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using ColorMath::BlueOf;
using ColorMath::FromChannels;
using ColorMath::GreenOf;
using ColorMath::RedOf;
using TestImages::Pattern;

namespace {

constexpr std::uint32_t kBack = 0x445566;

std::uint32_t Grey(std::uint32_t c) {
    const int g = (BlueOf(c) + GreenOf(c) + RedOf(c)) / 3;
    return FromChannels(g, g, g);
}

} // namespace

TEST(StylePicture, KindFollowsTheAlphaChannel) {
    const auto bitmap = StylePicture::FromImage(TestImages::Opaque(4, 4, Pattern));
    const auto icon =
        StylePicture::FromImage(TestImages::WithAlpha(4, 4, Pattern, [](int, int) { return 255; }));
    EXPECT_EQ(bitmap->kind(), StylePicture::Kind::Bitmap);
    EXPECT_EQ(icon->kind(), StylePicture::Kind::Icon);
    EXPECT_EQ(StylePicture::Empty()->kind(), StylePicture::Kind::Empty);
    EXPECT_FALSE(StylePicture::Empty()->IsDrawable());
}

TEST(StylePicture, LoadsFilesByReferenceAndKeepsTheSource) {
    QTemporaryDir dir;
    const QString png = dir.filePath("arrow.png");
    ASSERT_TRUE(TestImages::Opaque(40, 16, Pattern).save(png));
    const auto picture = StylePicture::Load(png);
    EXPECT_EQ(picture->kind(), StylePicture::Kind::Bitmap);
    EXPECT_EQ(picture->Source(), png);
    // Stored in hundredths of a millimetre, and back to the same pixels.
    EXPECT_EQ(picture->HimetricWidth(), Rounding::HalfEven(40 * 2540 / 96.0));
    EXPECT_EQ(Twips::HimetricToPixels(picture->HimetricWidth()), 40);
    EXPECT_EQ(Twips::HimetricToPixels(picture->HimetricHeight()), 16);

    const auto missing = StylePicture::Load(dir.filePath("missing.png"));
    EXPECT_EQ(missing->kind(), StylePicture::Kind::Empty);
    EXPECT_EQ(missing->Source(), dir.filePath("missing.png"));
    EXPECT_EQ(StylePicture::Load(dir.filePath("logo.wmf"))->kind(), StylePicture::Kind::Other);
}

TEST(DrawBitmap, SmallerBoxCropsTheTopLeftCorner) {
    const auto picture = StylePicture::FromImage(TestImages::Opaque(32, 32, Pattern));
    DrawSurface s = TestImages::Filled(40, 40, kBack);
    s.DrawBitmap(*picture, 3, 5, 16, 16, false, 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool in = x >= 3 && x < 19 && y >= 5 && y < 21;
            ASSERT_EQ(s.Pixel(x, y), in ? Pattern(x - 3, y - 5) : kBack) << x << "," << y;
        }
}

TEST(DrawBitmap, MaskColourPixelsLetTheFaceShowThrough) {
    const std::uint32_t mask = 0xE0E0E0;
    auto colour = [](int x, int y) { return (x + y) % 3 == 0 ? 0xE0E0E0u : Pattern(x, y); };
    const auto picture = StylePicture::FromImage(TestImages::Opaque(6, 5, colour));
    DrawSurface masked = TestImages::Filled(8, 8, kBack);
    masked.DrawBitmap(*picture, 1, 1, 6, 5, true, mask);
    DrawSurface opaque = TestImages::Filled(8, 8, kBack);
    opaque.DrawBitmap(*picture, 1, 1, 6, 5, false, mask);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            ASSERT_EQ(masked.Pixel(x + 1, y + 1), colour(x, y) == mask ? kBack : colour(x, y));
            ASSERT_EQ(opaque.Pixel(x + 1, y + 1), colour(x, y));
        }
}

TEST(DrawBitmap, SystemColourMaskMatchesNothing) {
    const auto picture =
        StylePicture::FromImage(TestImages::Opaque(3, 3, [](int, int) { return 0xF0F0F0u; }));
    DrawSurface s = TestImages::Filled(3, 3, kBack);
    s.DrawBitmap(*picture, 0, 0, 3, 3, true, 0x8000000F);
    EXPECT_EQ(s.Pixel(1, 1), 0xF0F0F0u);
}

TEST(DrawIcon, ScalesByNearestPixelAndKeepsTransparency) {
    // Transparent on the diagonal.
    const auto icon = StylePicture::FromImage(
        TestImages::WithAlpha(4, 4, Pattern, [](int x, int y) { return x == y ? 0 : 255; }));
    DrawSurface s = TestImages::Filled(10, 10, kBack);
    s.DrawIcon(*icon, 1, 2, 8, 8);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            std::uint32_t want = kBack;
            if (x >= 1 && x < 9 && y >= 2 && y < 10) {
                const int sx = (x - 1) / 2, sy = (y - 2) / 2;
                want = sx == sy ? kBack : Pattern(sx, sy);
            }
            ASSERT_EQ(s.Pixel(x, y), want) << x << "," << y;
        }
}

TEST(DrawIcon, ScalesDownToItsBox) {
    const auto icon = StylePicture::FromImage(
        TestImages::WithAlpha(32, 32, Pattern, [](int, int) { return 255; }));
    DrawSurface s = TestImages::Filled(16, 16, kBack);
    s.DrawIcon(*icon, 0, 0, 16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(s.Pixel(x, y), Pattern(x * 2, y * 2));
}

TEST(DrawIcon, PartlyTransparentPixelsBlend) {
    const auto icon = StylePicture::FromImage(TestImages::WithAlpha(
        1, 1, [](int, int) { return 0xFFFFFFu; }, [](int, int) { return 51; }));
    DrawSurface s = TestImages::Filled(1, 1, 0x000000);
    s.DrawIcon(*icon, 0, 0, 1, 1);
    // 255 * 51 / 255 = 51 in every channel.
    EXPECT_EQ(s.Pixel(0, 0), FromChannels(51, 51, 51));
}

TEST(DrawDisabledPicture, GreyedBitmapCoversItsWholeRectangle) {
    const auto bitmap = StylePicture::FromImage(TestImages::Opaque(5, 4, Pattern));
    DrawSurface s = TestImages::Filled(9, 8, kBack);
    EXPECT_TRUE(s.DrawDisabledPicture(*bitmap, 2, 3)); // own size
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool in = x >= 2 && x < 7 && y >= 3 && y < 7;
            ASSERT_EQ(s.Pixel(x, y), in ? Grey(Pattern(x - 2, y - 3)) : kBack) << x << "," << y;
        }
}

TEST(DrawDisabledPicture, GreyedIconLeavesTheBackgroundWhereTransparent) {
    auto alpha = [](int x, int y) { return (x + 2 * y) % 3 == 0 ? 0 : 255; };
    const auto icon = StylePicture::FromImage(TestImages::WithAlpha(6, 6, Pattern, alpha));
    DrawSurface s = TestImages::Filled(8, 8, kBack);
    EXPECT_TRUE(s.DrawDisabledPicture(*icon, 1, 1, 6, 6));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(s.Pixel(x + 1, y + 1), alpha(x, y) == 0 ? kBack : Grey(Pattern(x, y)));
}

TEST(DrawDisabledPicture, StretchesToTheGivenSize) {
    const auto bitmap = StylePicture::FromImage(TestImages::Opaque(2, 2, Pattern));
    DrawSurface s = TestImages::Filled(4, 4, kBack);
    EXPECT_TRUE(s.DrawDisabledPicture(*bitmap, 0, 0, 4, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(s.Pixel(x, y), Grey(Pattern(x / 2, y / 2)));
}

TEST(DrawDisabledPicture, OtherKindsAreNotDrawn) {
    DrawSurface s = TestImages::Filled(4, 4, kBack);
    EXPECT_FALSE(s.DrawDisabledPicture(*StylePicture::Empty(), 0, 0, 4, 4));
    const auto bitmap = StylePicture::FromImage(TestImages::Opaque(2, 2, Pattern));
    EXPECT_FALSE(s.DrawDisabledPicture(*bitmap, 0, 0, 0, 4));
    EXPECT_EQ(s.Pixel(1, 1), kBack);
}
