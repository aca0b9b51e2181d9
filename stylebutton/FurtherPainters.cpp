// The painters of styles 6 to 10, 13 and 15.
#include "PainterKit.h"
#include "Rounding.h"
#include "StylePainters.h"
#include "TemplateData.h"

namespace StylePainters {

using namespace PainterKit;
using ColorMath::AverageColors;

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFF;
} // namespace

void PaintSoftGradient(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    const int h = Rounding::HalfEven(H / 2.0);
    switch (f.state) {
    case 0:
    case 1:
        // A disabled button is painted as a normal one.
        Down(s, 0, 0, W, h, kWhite, C);
        Down(s, 0, h, W, H, C, C);
        s.DrawFrame(1, 1, W - 2, H, kWhite);
        s.DrawFrame(0, 0, W, H, Shift(C, -0.20f));
        s.DrawLine(2, H - 1, W - 2, H - 1, Shift(C, -0.25f));
        break;
    case 2:
        Down(s, 0, 0, W, h, kWhite, Shift(C, -0.10f));
        Down(s, 0, h, W, H, Shift(C, -0.10f), Shift(C, -0.05f));
        s.DrawFrame(1, 1, W - 2, H, kWhite);
        s.DrawFrame(0, 0, W, H, Shift(C, -0.23f));
        s.DrawLine(2, H - 1, W - 2, H - 1, Shift(C, -0.40f));
        break;
    default:
        break;
    }
    DrawCornerDots(s, Shift(C, 0.05f));
    // Around the caption as the last layout left it: this drawing's layout
    // runs after the painter.
    if (f.parentActive && f.showFocusRect && (f.hasFocus || f.displayAsDefault))
        s.DrawFocusRect(f.lastCaptionRect);
}

void PaintBand(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    const int b = Rounding::HalfEven(H / 2.7);
    const int l = Rounding::HalfEven(H - H / 2.7);
    auto downColours = [&] {
        Down(s, 0, 0, W, b, Rgb(0xFFC158), Rgb(0xFFAF51));
        Down(s, 0, b, W, l, Rgb(0xFF8F46), Rgb(0xFFD35F));
    };
    if (f.checked) {
        Down(s, 0, 0, W, b, Rgb(0xFFD9A9), Rgb(0xFFC06F));
        Down(s, 0, b, W, l, Rgb(0xFFAB3F), Rgb(0xFFE175));
        s.DrawFrame(0, 0, W, H, Shift(C, -0.34f));
        if (f.mouseInside) {
            downColours();
            s.DrawFrame(0, 0, W, H, Shift(C, -0.34f));
        }
        return;
    }
    switch (f.state) {
    case 0:
        Fill(s, 0, 0, W, H, C);
        Down(s, 0, 0, W, b, AverageColors(Shift(C, 0.09f), kWhite),
             AverageColors(Shift(C, 0.07f), C));
        Down(s, 0, b, W, l, C, Shift(C, 0.03f));
        break;
    case 1:
        Down(s, 0, 0, W, b, Rgb(0xFFFFE1), Rgb(0xFFEAAC));
        Down(s, 0, b, W, l, Rgb(0xFFD767), Rgb(0xFFE499));
        break;
    case 2:
        downColours();
        break;
    default:
        return;
    }
    s.DrawFrame(0, 0, W, H, Shift(C, -0.34f));
}

void PaintFlatHover(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    if (!f.enabled) {
        Fill(s, 0, 0, W, H, C);
        DrawCornerDots(s, C);
        return;
    }
    switch (f.state) {
    case 0:
        Fill(s, 0, 0, W, H, C); // only the flat face
        return;
    case 1:
        Down(s, 1, 1, W - 2, H - 2, Rgb(0xF1F9FD), Rgb(0xD0ECF8));
        Down(s, 1, Rounding::HalfEven(H / 1.7), W - 2, H - 2, Rgb(0xD0ECF8), Rgb(0xD0ECF8));
        break;
    case 2:
        Down(s, 1, 1, W - 2, H - 2, Rgb(0xB0DEF1), Rgb(0xDBF1F9));
        break;
    default:
        return;
    }
    s.DrawFrame(0, 0, W, H, Rgb(0x619ECA));
    s.DrawFrame(1, 1, W - 2, H - 2, kWhite);
    DrawCornerDots(s, Shift(Rgb(0x619ECA), 0.30f));
}

void PaintToolbar(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    const std::uint32_t T = AverageColors(Shift(C, 0.26f), kWhite);
    if (!f.enabled)
        Down(s, 0, 0, W, H, T, C);
    if (f.checked) {
        Fill(s, 0, 0, W, H, Rgb(0xE1E6E8));
        s.DrawFrame(0, 0, W, H, Shift(Rgb(0x4B4B6F), 0.05f));
        if (f.state == 1) {
            Fill(s, 0, 0, W, H, Rgb(0x98B5E2));
            s.DrawFrame(0, 0, W, H, Rgb(0x316AC5));
        }
        return;
    }
    switch (f.state) {
    case 0:
        Down(s, 0, 0, W, H, T, C);
        break;
    case 1:
        Fill(s, 0, 0, W, H, Rgb(0xC1D2EE));
        s.DrawFrame(0, 0, W, H, Rgb(0x316AC5));
        break;
    case 2:
        Fill(s, 0, 0, W, H, Rgb(0x98B5E2));
        s.DrawFrame(0, 0, W, H, Rgb(0x4B4B6F));
        break;
    default:
        break;
    }
}

void PaintGlossStrip(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    // Row 5 keeps the fill colour between the strip and the body.
    switch (f.state) {
    case 0:
        Fill(s, 0, 0, W, H, C);
        Down(s, 0, 0, W, 5, Shift(AverageColors(C, kWhite), 0.10f), C);
        Down(s, 0, 6, W, H - 1, Shift(C, -0.05f), AverageColors(kWhite, Shift(C, 0.10f)));
        s.DrawFrame(0, 0, W, H, Shift(C, -0.33f));
        break;
    case 1: {
        const std::uint32_t lit = Shift(C, 0.05f);
        Fill(s, 0, 0, W, H, lit);
        Down(s, 0, 0, W, 5, Shift(AverageColors(lit, kWhite), 0.15f), lit);
        Down(s, 0, 6, W, H - 1, C, AverageColors(kWhite, Shift(C, 0.15f)));
        s.DrawFrame(0, 0, W, H, Shift(C, -0.28f));
        break;
    }
    case 2:
        Fill(s, 0, 0, W, H, Shift(C, -0.03f));
        Down(s, 0, 0, W, 5, Shift(AverageColors(C, kWhite), 0.10f), C);
        Down(s, 0, 6, W, H - 1, Shift(C, -0.08f), AverageColors(kWhite, Shift(C, 0.07f)));
        s.DrawFrame(0, 0, W, H, Shift(C, -0.36f));
        break;
    default:
        break;
    }
    DrawCornerDots(s, Shift(C, -0.50f));
}

void PaintOrangeHover(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    const std::uint32_t kNavy = Rgb(0x000080);
    if (f.checked) {
        if (f.mouseInside)
            Down(s, 0, 0, W, H, Rgb(0xFE914E), Rgb(0xFFD38E));
        else
            Down(s, 0, 0, W, H, Rgb(0xFFD58C), Rgb(0xFFAD55));
        s.DrawFrame(0, 0, W, H, kNavy);
        return;
    }
    const int h = Rounding::HalfEven(H / 2.0);
    switch (f.state) {
    case 0:
        Down(s, 0, 0, W, h, Shift(C, 0.05f), C);
        Down(s, 0, h, W, Rounding::HalfEven(H / 2.0 + 1), Shift(C, -0.01f), Shift(C, -0.13f));
        break;
    case 1:
        Down(s, 0, 0, W, H, Rgb(0xFFF4CC), Rgb(0xFFD091));
        break;
    case 2:
        Down(s, 0, 0, W, H, Rgb(0xFE914E), Rgb(0xFFD38E));
        break;
    default:
        break;
    }
    if (f.state != 0)
        s.DrawFrame(0, 0, W, H, kNavy);
}

namespace {

void DrawTemplate(DrawSurface& s, const TemplateData::Template& t) {
    const int W = s.Width(), H = s.Height();
    Fill(s, 4, 4, W - 4, H - 4, t.fill);
    const int bottom = H - (t.bottomRows - 1);
    auto patch = [&](const TemplateData::Patch& p, int x0, int y0) {
        s.SetPixels(x0, y0, p.pixels, p.count);
    };
    patch(t.topLeft, 0, 0);
    patch(t.bottomLeft, 0, bottom);
    patch(t.topRight, W - 17, 0);
    patch(t.bottomRight, W - 17, bottom);
    // The lines come after the patches and win where they overlap them.
    for (int x = 0; x <= 17; ++x)
        s.DrawLine(x, 11, x, H - 10, t.left[x]);
    for (int i = 0; i < 17; ++i)
        s.DrawLine(W - 17 + i, 11, W - 17 + i, H - 10, t.right[i]);
    for (int y = 0; y <= 11; ++y)
        s.DrawLine(17, y, W - 17, y, t.top[y]);
    for (int i = 0; i <= 11; ++i)
        s.DrawLine(17, H - 11 + i, W - 17, H - 11 + i, t.bottom[i]);
}

} // namespace

void PaintTemplate(DrawSurface& s, const ButtonFace& f) {
    int state = f.checked ? 2 : f.state;
    if (f.parentActive && (f.displayAsDefault || f.hasFocus))
        state = state == 2 ? 2 : 1;
    s.setBackgroundColor(f.ambientBack);
    switch (state) {
    case 0:
        DrawTemplate(s, TemplateData::kNormal);
        break;
    case 1:
        DrawTemplate(s, TemplateData::kHot);
        break;
    case 2:
        DrawTemplate(s, TemplateData::kDown);
        break;
    default:
        break;
    }
}

void PaintSideShade(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    const int state = f.checked ? 2 : f.state;
    switch (state) {
    case 0:
    case 1:
        Across(s, 0, 0, W, H, C, Shift(C, 0.08f));
        break;
    case 2:
        Across(s, 0, 0, W, H, Shift(C, -0.05f), Shift(C, 0.03f));
        break;
    default:
        break;
    }
    s.DrawFrame(0, 0, W, H, Rgb(0x7E807D));
    if ((f.hasFocus || f.displayAsDefault) && f.showFocusRect && f.runMode && f.parentActive)
        s.DrawFocusRect(PixelRect{3, 3, W - 3, H - 3});
}

} // namespace StylePainters
