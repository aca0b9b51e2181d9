// Pixel coverage of the primitives: lines, frames, fills, gradients, the
// focus rectangle and the 3-D edges.
#include "DrawSurface.h"
#include "ColorMath.h"
#include "SystemColors.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <utility>

namespace {

constexpr std::uint32_t kBack = 0x102030;
constexpr std::uint32_t kInk = 0x00C0FF;

using Points = std::set<std::pair<int, int>>;

// Every pixel of the surface is ink exactly where expected, else background.
void ExpectCoverage(const DrawSurface& s, const std::function<bool(int, int)>& inked,
                    std::uint32_t ink = kInk, std::uint32_t back = kBack) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            ASSERT_EQ(s.Pixel(x, y), inked(x, y) ? ink : back) << "at " << x << "," << y;
}

// The classic integer Bresenham walk, stopping before the end point; a tie
// keeps the minor coordinate (stays on the start point's side).
Points Bresenham(int x1, int y1, int x2, int y2) {
    Points out;
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    if (dx >= dy) {
        int err = 2 * dy - dx, y = y1;
        for (int i = 0; i < dx; ++i) {
            out.insert({x1 + i * sx, y});
            if (err > 0) {
                y += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
        }
    } else {
        int err = 2 * dx - dy, x = x1;
        for (int i = 0; i < dy; ++i) {
            out.insert({x, y1 + i * sy});
            if (err > 0) {
                x += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
        }
    }
    return out;
}

std::uint32_t Sys(int index) {
    return std::uint32_t(SystemColors::TranslateColor(SystemColors::System(index)));
}

} // namespace

TEST(DrawLine, HorizontalLineLeavesOutItsEndPoint) {
    DrawSurface s = TestImages::Filled(12, 8, kBack);
    s.DrawLine(0, 5, 10, 5, kInk);
    ExpectCoverage(s, [](int x, int y) { return y == 5 && x <= 9; });
}

TEST(DrawLine, ReversedAndVerticalLinesDrawTheirStartPoint) {
    DrawSurface s = TestImages::Filled(12, 12, kBack);
    s.DrawLine(10, 2, 3, 2, kInk);
    s.DrawLine(1, 11, 1, 4, kInk);
    ExpectCoverage(s, [](int x, int y) {
        return (y == 2 && x >= 4 && x <= 10) || (x == 1 && y >= 5 && y <= 11);
    });
}

TEST(DrawLine, ZeroLengthLineDrawsNothing) {
    DrawSurface s = TestImages::Filled(5, 5, kBack);
    s.DrawLine(2, 2, 2, 2, kInk);
    ExpectCoverage(s, [](int, int) { return false; });
}

TEST(DrawLine, SlopedLinesFollowBresenham) {
    const int ends[][4] = {{0, 0, 7, 3}, {0, 0, 2, 1}, {1, 9, 9, 4}, {9, 9, 0, 0}, {2, 0, 5, 9},
                           {9, 1, 0, 6}, {8, 9, 3, 0}, {0, 3, 9, 3}, {4, 4, 7, 6}, {0, 0, 6, 4}};
    for (const auto& e : ends) {
        DrawSurface s = TestImages::Filled(10, 10, kBack);
        s.DrawLine(e[0], e[1], e[2], e[3], kInk);
        const Points want = Bresenham(e[0], e[1], e[2], e[3]);
        SCOPED_TRACE(testing::Message() << e[0] << "," << e[1] << " -> " << e[2] << "," << e[3]);
        ExpectCoverage(s, [&](int x, int y) { return want.count({x, y}) > 0; });
    }
}

TEST(DrawLine, IsClippedToTheSurface) {
    DrawSurface s = TestImages::Filled(6, 6, kBack);
    s.DrawLine(-3, 2, 9, 2, kInk);
    ExpectCoverage(s, [](int, int y) { return y == 2; });
}

TEST(DrawLine, RowsAndColumnsEitherWayAndPartlyOffTheSurfaceCoverTheWalkedPixels) {
    const int ends[][4] = {{-4, 3, 5, 3},  {5, 3, -4, 3}, {2, 1, 12, 1},  {12, 1, 2, 1},
                           {3, -5, 3, 4},  {3, 4, 3, -5}, {0, 2, 0, 14},  {7, 14, 7, 2},
                           {-3, 2, -1, 2}, {9, 2, 20, 2}, {2, -6, 2, -1}, {2, 8, 2, 12},
                           {1, 6, 1, 7},   {1, 7, 1, 6},  {8, 0, 9, 0},   {9, 0, 8, 0}};
    for (const auto& e : ends) {
        DrawSurface s = TestImages::Filled(10, 8, kBack);
        s.DrawLine(e[0], e[1], e[2], e[3], kInk);
        const Points want = Bresenham(e[0], e[1], e[2], e[3]);
        SCOPED_TRACE(testing::Message() << e[0] << "," << e[1] << " -> " << e[2] << "," << e[3]);
        ExpectCoverage(s, [&](int x, int y) { return want.count({x, y}) > 0; });
    }
}

TEST(SetPixels, SetsWhatSetPixelWouldAndNothingOffTheSurface) {
    struct P {
        int column, row;
        std::uint32_t colour;
    };
    const P pixels[] = {{0, 0, 0x0000FF}, {3, 1, 0x00FF00}, {9, 9, 0xFF0000}, {-8, 0, 0x111111},
                        {2, 5, 0x222222}, {5, 2, 0x333333}, {3, 1, 0x444444}};
    DrawSurface batch = TestImages::Filled(8, 6, kBack);
    DrawSurface single = TestImages::Filled(8, 6, kBack);
    batch.SetPixels(2, 1, pixels, std::size(pixels));
    for (const P& p : pixels)
        single.SetPixel(2 + p.column, 1 + p.row, p.colour);
    EXPECT_EQ(batch.Image(), single.Image());
    EXPECT_EQ(batch.Pixel(5, 2), 0x444444u); // the later of two wins
    EXPECT_EQ(batch.Pixel(2, 1), 0x0000FFu);
    EXPECT_EQ(batch.Pixel(4, 6 - 1), kBack);
}

TEST(SetPixels, WritesOnlyItsOwnCopyOfASharedImage) {
    struct P {
        int column, row;
        std::uint32_t colour;
    } const one[] = {{1, 1, 0x0000FF}};
    DrawSurface s = TestImages::Filled(4, 4, kBack);
    const QImage before = s.Image();
    s.SetPixels(0, 0, one, 1);
    EXPECT_EQ(ColorMath::FromQRgb(before.pixel(1, 1)), kBack);
    EXPECT_EQ(s.Pixel(1, 1), 0x0000FFu);
}

TEST(DrawFrame, CoversTheOuterColumnsAndRowsInsideItsRectangle) {
    DrawSurface s = TestImages::Filled(10, 10, kBack);
    s.DrawFrame(2, 3, 5, 4, kInk);
    // Columns 2 and 6, rows 3 and 6.
    ExpectCoverage(s, [](int x, int y) {
        const bool inX = x >= 2 && x <= 6, inY = y >= 3 && y <= 6;
        return (inY && (x == 2 || x == 6)) || (inX && (y == 3 || y == 6));
    });
}

TEST(DrawFrame, SurfaceSizedFrameIsTheBorder) {
    DrawSurface s = TestImages::Filled(7, 5, kBack);
    s.DrawFrame(0, 0, 7, 5, kInk);
    ExpectCoverage(s, [](int x, int y) { return x == 0 || y == 0 || x == 6 || y == 4; });
}

TEST(DrawFrame, EmptyRectangleDrawsNothing) {
    DrawSurface s = TestImages::Filled(6, 6, kBack);
    s.DrawFrame(1, 1, 0, 4, kInk);
    s.DrawFrame(1, 1, 4, -2, kInk);
    ExpectCoverage(s, [](int, int) { return false; });
}

TEST(FillRectangle, RightAndBottomAreExclusive) {
    DrawSurface s = TestImages::Filled(8, 8, kBack);
    s.FillRectangle(kInk, {1, 2, 4, 7});
    ExpectCoverage(s, [](int x, int y) { return x >= 1 && x < 4 && y >= 2 && y < 7; });
}

TEST(FillRectangle, ClipsAndIgnoresEmptyRectangles) {
    DrawSurface s = TestImages::Filled(5, 5, kBack);
    s.FillRectangle(kInk, {-3, 3, 20, 20});
    s.FillRectangle(kInk, {4, 0, 2, 2}); // right < left
    ExpectCoverage(s, [](int, int y) { return y >= 3; });
}

TEST(SetPixel, WritesOnePixelAndIgnoresOutside) {
    DrawSurface s = TestImages::Filled(4, 4, kBack);
    s.SetPixel(3, 1, kInk);
    s.SetPixel(4, 1, kInk);
    s.SetPixel(-1, 0, kInk);
    ExpectCoverage(s, [](int x, int y) { return x == 3 && y == 1; });
}

// ---- gradients ----

namespace {

// Channel c of the gradient table entry i of n steps from a to b.
int Entry(int a, int b, int i, int n) {
    return a + (b - a) * i / n; // C++ division truncates toward zero
}

std::uint32_t TableEntry(std::uint32_t a, std::uint32_t b, int i, int n) {
    using namespace ColorMath;
    return FromChannels(Entry(RedOf(a), RedOf(b), i, n), Entry(GreenOf(a), GreenOf(b), i, n),
                        Entry(BlueOf(a), BlueOf(b), i, n));
}

} // namespace

TEST(DrawGradient, WidthOrHeightBelowOneDrawsNothing) {
    DrawSurface s = TestImages::Filled(6, 6, kBack);
    s.DrawGradient(1, 1, 0, 4, 0xFFFFFF, 0x000000, 0);
    s.DrawGradient(1, 1, 4, 0, 0xFFFFFF, 0x000000, 1);
    s.DrawGradient(1, 1, -2, 3, 0xFFFFFF, 0x000000, 2);
    ExpectCoverage(s, [](int, int) { return false; });
}

TEST(DrawGradient, WidthOneAcrossPaintsTheHalvedSum) {
    DrawSurface s = TestImages::Filled(5, 6, kBack);
    // Each channel halved separately before adding: 0x0B/2 + 0x03/2 = 5 + 1.
    s.DrawGradient(2, 1, 1, 4, 0x0C0A0B, 0x040203, 0);
    const std::uint32_t halved =
        ColorMath::FromChannels(0x0B / 2 + 0x03 / 2, 0x0A / 2 + 0x02 / 2, 0x0C / 2 + 0x04 / 2);
    ExpectCoverage(
        s, [](int x, int y) { return x == 2 && y >= 1 && y < 5; }, halved);
}

TEST(DrawGradient, SingleEntryOfWhiteWithItselfLosesOne) {
    DrawSurface s = TestImages::Filled(3, 3, kBack);
    s.DrawGradient(0, 0, 3, 1, 0xFFFFFF, 0xFFFFFF, 1);
    ExpectCoverage(
        s, [](int, int y) { return y == 0; }, 0xFEFEFE);
}

TEST(DrawGradient, AcrossRunsFromAToBOverTheColumns) {
    const std::uint32_t a = 0x00FF10, b = 0x40000A;
    DrawSurface s = TestImages::Filled(9, 4, kBack);
    s.DrawGradient(1, 1, 7, 2, a, b, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool in = x >= 1 && x < 8 && y >= 1 && y < 3;
            ASSERT_EQ(s.Pixel(x, y), in ? TableEntry(a, b, x - 1, 6) : kBack) << x << "," << y;
        }
    EXPECT_EQ(s.Pixel(1, 1), a);
    EXPECT_EQ(s.Pixel(7, 2), b);
}

TEST(DrawGradient, DownPutsAInTheTopRowAndBInTheBottomRow) {
    const std::uint32_t a = 0xF0F0F0, b = 0x203040;
    DrawSurface s = TestImages::Filled(4, 7, kBack);
    s.DrawGradient(0, 0, 4, 7, a, b, 1);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(s.Pixel(x, y), TableEntry(a, b, y, 6));
    EXPECT_EQ(s.Pixel(2, 0), a);
    EXPECT_EQ(s.Pixel(2, 6), b);
}

TEST(DrawGradient, DiagonalThreeByTwoUsesFourEntries) {
    // Falling channels check the truncation toward zero: red 10 -> 0 over 3
    // steps gives 10, 7, 4, 0 (not 10, 6, 3, 0).
    const std::uint32_t a = ColorMath::FromChannels(10, 0, 200);
    const std::uint32_t b = ColorMath::FromChannels(0, 100, 50);
    DrawSurface s = TestImages::Filled(3, 2, kBack);
    s.DrawGradient(0, 0, 3, 2, a, b, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            ASSERT_EQ(s.Pixel(x, y), TableEntry(a, b, x + y, 3));
    EXPECT_EQ(s.Pixel(0, 0), a);
    EXPECT_EQ(s.Pixel(2, 1), b);
    EXPECT_EQ(ColorMath::RedOf(s.Pixel(1, 0)), 7);
    EXPECT_EQ(ColorMath::RedOf(s.Pixel(2, 0)), 4);
}

TEST(DrawGradient, Direction3RunsFromBottomLeftToTopRight) {
    const std::uint32_t a = 0x000000, b = 0x0000FF;
    DrawSurface s = TestImages::Filled(4, 3, kBack);
    s.DrawGradient(0, 0, 4, 3, a, b, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(s.Pixel(x, y), TableEntry(a, b, x + (3 - 1 - y), 5));
    EXPECT_EQ(s.Pixel(0, 2), a);
    EXPECT_EQ(s.Pixel(3, 0), b);
}

TEST(DrawGradient, UnknownDirectionPaintsTheBlockBlack) {
    DrawSurface s = TestImages::Filled(5, 5, kBack);
    s.DrawGradient(1, 1, 3, 2, 0xFFFFFF, 0xFFFFFF, 7);
    ExpectCoverage(
        s, [](int x, int y) { return x >= 1 && x < 4 && y >= 1 && y < 3; }, 0);
}

TEST(DrawGradient, BlockPartlyOutsideIsClippedNotShifted) {
    const std::uint32_t a = 0x000000, b = 0x00008C;
    DrawSurface s = TestImages::Filled(4, 2, kBack);
    s.DrawGradient(-3, 0, 8, 2, a, b, 0);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(s.Pixel(x, 1), TableEntry(a, b, x + 3, 7));
}

// ---- focus rectangle and edges ----

TEST(DrawFocusRect, InvertsEveryOtherBorderPixel) {
    DrawSurface s = TestImages::Filled(9, 7, kBack);
    s.DrawFocusRect({1, 1, 8, 6});
    const std::uint32_t inverted = kBack ^ 0xFFFFFF;
    ExpectCoverage(
        s,
        [](int x, int y) {
            const bool border = (x >= 1 && x <= 7 && (y == 1 || y == 5)) ||
                                (y >= 1 && y <= 5 && (x == 1 || x == 7));
            return border && (x + y) % 2 == 0;
        },
        inverted);
}

TEST(DrawFocusRect, DrawingTwiceRestoresThePixels) {
    DrawSurface s = TestImages::Filled(10, 10, kBack);
    s.DrawGradient(0, 0, 10, 10, 0x000000, 0xFFFFFF, 2);
    const QImage before = s.Image();
    s.DrawFocusRect({2, 2, 8, 8});
    EXPECT_NE(s.Image(), before);
    s.DrawFocusRect({2, 2, 8, 8});
    EXPECT_EQ(s.Image(), before);
    // Rectangles one pixel high or wide too.
    s.DrawFocusRect({1, 4, 9, 5});
    s.DrawFocusRect({6, 1, 7, 9});
    s.DrawFocusRect({1, 4, 9, 5});
    s.DrawFocusRect({6, 1, 7, 9});
    EXPECT_EQ(s.Image(), before);
}

TEST(DrawEdges, RaisedEdgeHasTwoRingsLightTopLeft) {
    DrawSurface s = TestImages::Filled(8, 6, kBack);
    s.DrawRaisedEdge({0, 0, 8, 6});
    using namespace SystemColors;
    const std::uint32_t light = Sys(k3DLight), dark = Sys(k3DDarkShadow);
    const std::uint32_t high = Sys(k3DHighlight), shadow = Sys(kButtonShadow);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            std::uint32_t want = kBack;
            if (x == 7 || y == 5)
                want = dark; // outer bottom and right, full length
            else if (x == 0 || y == 0)
                want = light;
            else if (x == 6 || y == 4)
                want = shadow;
            else if (x == 1 || y == 1)
                want = high;
            ASSERT_EQ(s.Pixel(x, y), want) << x << "," << y;
        }
}

TEST(DrawEdges, SunkenEdgeSwapsTheColours) {
    DrawSurface s = TestImages::Filled(6, 6, kBack);
    s.DrawSunkenEdge({0, 0, 6, 6});
    using namespace SystemColors;
    EXPECT_EQ(s.Pixel(0, 0), Sys(kButtonShadow));
    EXPECT_EQ(s.Pixel(4, 0), Sys(kButtonShadow));
    EXPECT_EQ(s.Pixel(5, 0), Sys(k3DHighlight));
    EXPECT_EQ(s.Pixel(0, 5), Sys(k3DHighlight));
    EXPECT_EQ(s.Pixel(1, 1), Sys(k3DDarkShadow));
    EXPECT_EQ(s.Pixel(4, 1), Sys(k3DLight));
    EXPECT_EQ(s.Pixel(1, 4), Sys(k3DLight));
    EXPECT_EQ(s.Pixel(2, 2), kBack);
}

TEST(DrawEdges, ThinRaisedEdgeIsOneRing) {
    DrawSurface s = TestImages::Filled(7, 6, kBack);
    s.DrawThinRaisedEdge({1, 1, 6, 5});
    using namespace SystemColors;
    const std::uint32_t high = Sys(k3DHighlight), shadow = Sys(kButtonShadow);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x) {
            std::uint32_t want = kBack;
            const bool inside = x >= 1 && x <= 5 && y >= 1 && y <= 4;
            if (inside && (x == 5 || y == 4))
                want = shadow;
            else if (inside && (x == 1 || y == 1))
                want = high;
            ASSERT_EQ(s.Pixel(x, y), want) << x << "," << y;
        }
}

// ---- any coordinates ----

TEST(DrawGradient, ABlockWhollyBesideTheSurfaceDrawsNothing) {
    for (int direction = 0; direction <= 4; ++direction) {
        DrawSurface s = TestImages::Filled(24, 20, kBack);
        s.DrawGradient(-8, 2, 1, 1, 0x000000, 0xFFFFFF, direction);
        s.DrawGradient(30, 1, 1, 1, 0x000000, 0xFFFFFF, direction);
        s.DrawGradient(2, -9, 3, 4, 0x000000, 0xFFFFFF, direction);
        s.DrawGradient(2, 25, 3, 4, 0x000000, 0xFFFFFF, direction);
        s.DrawGradient(24, 0, 5, 20, 0x000000, 0xFFFFFF, direction);
        ExpectCoverage(s, [](int, int) { return false; });
    }
}

TEST(Primitives, AnyCoordinatesAndSizesStayInsideTheirBlockAndTheSurface) {
    // Random calls, sizes from zero up and blocks partly or wholly off the
    // surface; run under AddressSanitizer too. A call may change only the
    // pixels of its own block.
    std::srand(7);
    auto rnd = [](int lo, int hi) { return lo + std::rand() % (hi - lo + 1); };
    for (int round = 0; round < 3000; ++round) {
        const int w = rnd(0, 30), h = rnd(0, 30);
        DrawSurface s = TestImages::Filled(w, h, kBack);
        const int x = rnd(-40, 40), y = rnd(-40, 40);
        const int bw = rnd(-3, 45), bh = rnd(-3, 45);
        int left = x, top = y, right = x + bw, bottom = y + bh; // the block, exclusive
        switch (round % 6) {
        case 0:
            s.DrawGradient(x, y, bw, bh, kInk, 0xFFFFFF, rnd(0, 4));
            break;
        case 1:
            s.FillRectangle(kInk, PixelRect{x, y, x + bw, y + bh});
            break;
        case 2:
            s.DrawFrame(x, y, bw, bh, kInk);
            break;
        case 3: {
            const int x2 = rnd(-40, 70), y2 = rnd(-40, 70);
            s.DrawLine(x, y, x2, y2, kInk);
            left = std::min(x, x2), top = std::min(y, y2);
            right = std::max(x, x2) + 1, bottom = std::max(y, y2) + 1;
            break;
        }
        case 4:
            s.DrawFocusRect(PixelRect{x, y, x + bw, y + bh});
            break;
        default:
            s.DrawRaisedEdge(PixelRect{x, y, x + bw, y + bh});
            s.DrawSunkenEdge(PixelRect{x, y, x + bw, y + bh});
            s.DrawThinRaisedEdge(PixelRect{x, y, x + bw, y + bh});
            break;
        }
        for (int py = 0; py < s.Height(); ++py)
            for (int px = 0; px < s.Width(); ++px)
                if (px < left || px >= right || py < top || py >= bottom) {
                    ASSERT_EQ(s.Pixel(px, py), kBack)
                        << "round " << round << " at " << px << "," << py;
                }
    }
}
