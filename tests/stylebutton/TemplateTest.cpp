// The three pixel templates of style 14: their data and their drawing.
#include "ButtonFace.h"
#include "DrawSurface.h"
#include "StylePainters.h"
#include "TemplateData.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using StylePainters::Rgb;
using TemplateData::Patch;
using TemplateData::Template;

struct Expected {
    const Template* t;
    std::size_t topLeft, bottomLeft, topRight, bottomRight, total, outside;
    int topRows, bottomRows;
};

const Expected kTemplates[] = {
    {&TemplateData::kNormal, 212, 172, 210, 155, 749, 34, 13, 11},
    {&TemplateData::kHot, 176, 213, 174, 197, 760, 32, 11, 13},
    {&TemplateData::kDown, 176, 213, 174, 197, 760, 32, 11, 13},
};

// The pixels of a patch in the order they are drawn must never repeat a
// place, and must stay inside the patch's columns and rows.
void ExpectWellFormed(const Patch& p, int rows) {
    std::set<std::pair<int, int>> seen;
    int lastRow = -1, lastColumn = -1;
    for (std::size_t i = 0; i < p.count; ++i) {
        const auto& px = p.pixels[i];
        EXPECT_LE(px.column, 17);
        EXPECT_LT(px.row, rows);
        EXPECT_TRUE(seen.insert({px.column, px.row}).second)
            << int(px.column) << "," << int(px.row);
        // Rows from the top, left to right within a row.
        EXPECT_TRUE(px.row > lastRow || (px.row == lastRow && px.column > lastColumn));
        lastRow = px.row;
        lastColumn = px.column;
    }
}

DrawSurface Paint(int state, bool focus = false, std::uint32_t back = 0xE3E3E3) {
    ButtonFace f;
    f.width = 75;
    f.height = 25;
    f.style = 14;
    f.state = state;
    f.backColor = back;
    f.hasFocus = focus;
    f.parentActive = true;
    DrawSurface s;
    s.Resize(75, 25);
    s.setBackgroundColor(0x8000000F);
    s.Clear();
    StylePainters::Paint(s, f);
    return s;
}

} // namespace

TEST(Template, PatchCountsBoundsOrderAndPixelsOutside) {
    for (const Expected& e : kTemplates) {
        EXPECT_EQ(e.t->topLeft.count, e.topLeft);
        EXPECT_EQ(e.t->bottomLeft.count, e.bottomLeft);
        EXPECT_EQ(e.t->topRight.count, e.topRight);
        EXPECT_EQ(e.t->bottomRight.count, e.bottomRight);
        EXPECT_EQ(e.t->topLeft.count + e.t->bottomLeft.count + e.t->topRight.count +
                      e.t->bottomRight.count,
                  e.total);
        EXPECT_EQ(e.t->bottomRows, e.bottomRows);
        ExpectWellFormed(e.t->topLeft, e.topRows);
        ExpectWellFormed(e.t->topRight, e.topRows);
        ExpectWellFormed(e.t->bottomLeft, e.bottomRows);
        ExpectWellFormed(e.t->bottomRight, e.bottomRows);
        // At x = W (a right patch's column 17) or y = H (a bottom patch's
        // last row) a pixel falls outside the surface.
        std::size_t outside = 0;
        for (const Patch* p : {&e.t->bottomLeft, &e.t->topRight, &e.t->bottomRight})
            for (std::size_t i = 0; i < p->count; ++i) {
                const bool right = p != &e.t->bottomLeft;
                const bool bottom = p != &e.t->topRight;
                if ((right && p->pixels[i].column == 17) ||
                    (bottom && p->pixels[i].row == e.bottomRows - 1))
                    ++outside;
            }
        EXPECT_EQ(outside, e.outside);
    }
}

TEST(Template, TheGivenRowsFillsAndLines) {
    EXPECT_EQ(TemplateData::kNormal.fill, Rgb(0xE8E7EA));
    EXPECT_EQ(TemplateData::kHot.fill, Rgb(0x6AA6E2));
    EXPECT_EQ(TemplateData::kDown.fill, Rgb(0x6A9BCC));
    EXPECT_EQ(TemplateData::kNormal.left[1], Rgb(0xA0A0A0));
    EXPECT_EQ(TemplateData::kHot.right[14], Rgb(0x14357C));
    EXPECT_EQ(TemplateData::kDown.top[0], Rgb(0x0A093C));
    EXPECT_EQ(TemplateData::kNormal.bottom[9], Rgb(0x545454));
    // Row 0 of the normal top-left patch: x 6 to 17 as given.
    const std::uint32_t row0[] = {0xFEFEFE, 0xE6E6E6, 0xACACAC, 0x7A7A7A, 0x6C6C6C, 0x6B6B6B,
                                  0x6F6F6F, 0x6F6F71, 0x707072, 0x666867, 0x6B6D6C, 0x6A6967};
    const Patch& p = TemplateData::kNormal.topLeft;
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(p.pixels[i].row, 0);
        EXPECT_EQ(p.pixels[i].column, 6 + i);
        EXPECT_EQ(p.pixels[i].colour, Rgb(row0[i])) << i;
    }
    EXPECT_EQ(p.pixels[12].column, 5); // row 1 starts at x = 5
    EXPECT_EQ(p.pixels[12].colour, Rgb(0xEFEFEF));
    EXPECT_EQ(TemplateData::kHot.topLeft.pixels[7].colour, Rgb(0x050636));   // x = 13
    EXPECT_EQ(TemplateData::kDown.topLeft.pixels[11].colour, Rgb(0x0A093C)); // x = 17
}

TEST(Template, DrawingTakesTheTemplateOfTheStateAndNotTheBackColour) {
    const DrawSurface normal = Paint(0);
    EXPECT_EQ(normal.Pixel(30, 12), Rgb(0xE8E7EA)); // the fill
    EXPECT_EQ(normal.Pixel(30, 0), Rgb(0x6A6967));  // the top line of row 0
    EXPECT_EQ(normal.Pixel(1, 12), Rgb(0xA0A0A0));  // the left line x = 1
    EXPECT_EQ(normal.Pixel(9, 0), Rgb(0x7A7A7A));   // the patch
    EXPECT_EQ(normal.Pixel(30, 23), Rgb(0x545454)); // the bottom line y = H - 2
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 75; ++x)
            ASSERT_EQ(Paint(0, false, 0x102030).Pixel(x, y), normal.Pixel(x, y));
    EXPECT_EQ(Paint(1).Pixel(30, 12), Rgb(0x6AA6E2));
    EXPECT_EQ(Paint(2).Pixel(30, 12), Rgb(0x6A9BCC));
    // Focused in the active window: the hot template, and down when pressed.
    EXPECT_EQ(Paint(0, true).Pixel(30, 12), Rgb(0x6AA6E2));
    EXPECT_EQ(Paint(2, true).Pixel(30, 12), Rgb(0x6A9BCC));
}

namespace {

// The whole surface as the four steps of a template build it: the cleared
// colour, the inner fill, the corner patches in order, then the edge lines,
// whose end points are left out.
QImage Built(const Template& t, int W, int H, std::uint32_t cleared) {
    DrawSurface s;
    s.Resize(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            s.SetPixel(x, y, x >= 4 && x < W - 4 && y >= 4 && y < H - 4 ? t.fill : cleared);
    const int bottom = H - (t.bottomRows - 1);
    const std::pair<const Patch*, std::pair<int, int>> patches[] = {
        {&t.topLeft, {0, 0}},
        {&t.bottomLeft, {0, bottom}},
        {&t.topRight, {W - 17, 0}},
        {&t.bottomRight, {W - 17, bottom}}};
    for (const auto& [p, at] : patches)
        for (std::size_t i = 0; i < p->count; ++i)
            s.SetPixel(at.first + p->pixels[i].column, at.second + p->pixels[i].row,
                       p->pixels[i].colour);
    for (int x = 0; x <= 17; ++x)
        for (int y = 11; y <= H - 11; ++y)
            s.SetPixel(x, y, t.left[x]);
    for (int i = 0; i < 17; ++i)
        for (int y = 11; y <= H - 11; ++y)
            s.SetPixel(W - 17 + i, y, t.right[i]);
    for (int y = 0; y <= 11; ++y)
        for (int x = 17; x <= W - 18; ++x)
            s.SetPixel(x, y, t.top[y]);
    for (int i = 0; i <= 11; ++i)
        for (int x = 17; x <= W - 18; ++x)
            s.SetPixel(x, H - 11 + i, t.bottom[i]);
    return s.Image();
}

struct Case {
    int state;
    bool checked, focus, enabled, active, isDefault;
    const Template* shown;
};

} // namespace

TEST(Template, EveryStateAndCueShowsItsWholeTemplate) {
    const Template* normal = &TemplateData::kNormal;
    const Template* hot = &TemplateData::kHot;
    const Template* down = &TemplateData::kDown;
    const Case cases[] = {
        {0, false, false, true, true, false, normal},
        {1, false, false, true, true, false, hot},
        {2, false, false, true, true, false, down},
        {0, false, false, false, true, false, normal}, // no disabled look of its own
        {1, false, false, false, true, false, hot},
        {0, true, false, true, true, false, down}, // a checked toggle is down
        {1, true, true, true, true, false, down},
        {0, false, true, true, true, false, hot},    // focused
        {0, false, false, true, true, true, hot},    // the default button
        {2, false, true, true, true, false, down},   // pressed while focused
        {0, false, true, true, false, false, normal} // focused in a window at the back
    };
    constexpr std::uint32_t kCleared = 0x203040;
    for (const int h : {25, 40}) {
        for (const Case& c : cases) {
            ButtonFace f;
            f.width = 90;
            f.height = h;
            f.style = 14;
            f.state = c.state;
            f.checked = c.checked;
            f.hasFocus = c.focus;
            f.enabled = c.enabled;
            f.parentActive = c.active;
            f.displayAsDefault = c.isDefault;
            f.backColor = 0x0000FF;
            f.ambientBack = 0x405060;
            DrawSurface s;
            s.Resize(90, h);
            s.setBackgroundColor(kCleared);
            s.Clear();
            StylePainters::Paint(s, f);
            EXPECT_EQ(s.Image(), Built(*c.shown, 90, h, kCleared))
                << "height " << h << ", state " << c.state << (c.checked ? " checked" : "")
                << (c.focus ? " focused" : "") << (c.enabled ? "" : " disabled");
            // What the template leaves shows the window behind from the next drawing on.
            EXPECT_EQ(s.BackgroundColor(), 0x405060u);
        }
    }
}
