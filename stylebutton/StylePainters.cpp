#include "StylePainters.h"

#include "ButtonFace.h"
#include "ColorMath.h"
#include "DrawSurface.h"
#include "PainterKit.h"
#include "Rounding.h"
#include "SystemColors.h"

namespace StylePainters {

using namespace PainterKit;

std::optional<std::uint32_t> Paint(DrawSurface& surface, const ButtonFace& face) {
    switch (face.style) {
    case 3:
        return PaintRoundedFlat(surface, face);
    case 5:
        PaintDropShadow(surface, face);
        break;
    case 0:
    case 1:
    case 11:
    case 12:
        PaintEdged(surface, face);
        break;
    case 2:
        PaintRoundedRing(surface, face);
        break;
    case 4:
        PaintGlass(surface, face);
        break;
    case 6:
        PaintSoftGradient(surface, face);
        break;
    case 7:
        PaintBand(surface, face);
        break;
    case 8:
        PaintFlatHover(surface, face);
        break;
    case 9:
        PaintToolbar(surface, face);
        break;
    case 10:
        PaintGlossStrip(surface, face);
        break;
    case 13:
        PaintOrangeHover(surface, face);
        break;
    case 14:
        PaintTemplate(surface, face);
        break;
    case 15:
        PaintSideShade(surface, face);
        break;
    default:
        break;
    }
    return std::nullopt;
}

void PaintEdged(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    const int style = f.style;
    const PixelRect all{0, 0, W, H};
    if (f.checked) {
        Fill(s, 0, 0, W, H, Shift(C, 0.02f));
        if (style == 12)
            return;
        s.DrawSunkenEdge(all);
        if (style == 0 && f.showFocusRect && f.hasFocus)
            s.DrawFrame(4, 4, W - 7, H - 7, Sys(12));
        return;
    }
    switch (f.state) {
    case 0:
        Fill(s, 0, 0, W, H, C);
        if (style == 0)
            s.DrawRaisedEdge(all);
        else if (style == 1)
            s.DrawThinRaisedEdge(all);
        break;
    case 1:
        Fill(s, 0, 0, W, H, C);
        if (style == 0 || style == 11)
            s.DrawRaisedEdge(all);
        else
            s.DrawThinRaisedEdge(all);
        break;
    case 2:
        Fill(s, 0, 0, W, H, C);
        if (style == 0) {
            s.DrawFrame(1, 1, W - 2, H - 2, Rgb(0xACA899));
            s.DrawFrame(0, 0, W, H, 0x000000);
        } else if (style == 11) {
            s.DrawSunkenEdge(all);
        } else {
            s.DrawFrame(0, 0, W, H, 0xFFFFFF);
            s.DrawFrame(0, 0, W + 1, H + 1, Sys(17)); // only its top and left fall here
        }
        break;
    default:
        break;
    }
    if (!f.hasFocus && !f.displayAsDefault)
        return;
    if (f.showFocusRect && f.runMode && f.parentActive) {
        const int d = style == 0 || style == 11 ? 4 : 3;
        s.DrawFocusRect(PixelRect{d, d, W - d, H - d});
    }
    if (style == 0 && f.state != 2) {
        s.DrawRaisedEdge(PixelRect{0, 0, W - 1, H - 1});
        s.DrawFrame(0, 0, W - 1, H - 1, Sys(12));
        s.DrawFrame(0, 0, W, H, 0x000000);
    }
}

void PaintRoundedRing(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    if (!f.enabled) {
        Fill(s, 0, 0, W, H, Shift(C, 0.03f));
        s.DrawFrame(0, 0, W, H, Shift(C, -0.10f));
        DrawCornerDots(s, Shift(C, 0.20f));
        return;
    }
    // The ring: eight lines, in the hot or the focus colours.
    auto ring = [&](const std::uint32_t(&c)[8]) {
        s.DrawLine(1, 2, W - 2, 2, c[0]);
        s.DrawLine(1, 1, W - 2, 1, c[1]);
        s.DrawLine(1, 1, 1, H - 2, c[2]);
        s.DrawLine(W - 2, 2, W - 2, H - 2, c[3]);
        s.DrawLine(2, 2, 2, H - 3, c[4]);
        s.DrawLine(W - 3, 3, W - 3, H - 3, c[5]);
        s.DrawLine(2, H - 3, W - 2, H - 3, c[6]);
        s.DrawLine(2, H - 2, W - 2, H - 2, c[7]);
    };
    static constexpr std::uint32_t kHot[8] = {Rgb(0xFDD889), Rgb(0xFFF0CF), Rgb(0xF9BD49),
                                              Rgb(0xF9BD49), Rgb(0xFCD27A), Rgb(0xFCD27A),
                                              Rgb(0xF8B330), Rgb(0xE59700)};
    static constexpr std::uint32_t kFocus[8] = {Rgb(0xBCD4F6), Rgb(0xCEE7FF), Rgb(0x8EAFE6),
                                                Rgb(0x8EAFE6), Rgb(0xB8D1F4), Rgb(0xB8D1F4),
                                                Rgb(0x89ADE4), Rgb(0x6982EE)};
    switch (f.state) {
    case 0:
        Down(s, 0, 0, W, H, Shift(C, 0.07f), C);
        Down(s, 0, 0, W, 5, Shift(C, 0.20f), Shift(C, 0.08f));
        s.DrawLine(1, H - 2, W - 2, H - 2, Shift(C, -0.09f));
        s.DrawLine(1, H - 3, W - 2, H - 3, Shift(C, -0.05f));
        s.DrawLine(1, H - 4, W - 2, H - 4, Shift(C, -0.01f));
        s.DrawLine(W - 2, 2, W - 2, H - 2, Shift(C, -0.08f));
        s.DrawLine(1, 1, 1, H - 2, ColorMath::AverageColors(0xFFFFFF, C));
        break;
    case 1:
        Down(s, 0, 0, W, H, Shift(C, 0.07f), C);
        Down(s, 0, 0, W, 5, Shift(C, 0.20f), Shift(C, 0.08f));
        ring(kHot);
        break;
    case 2:
        Fill(s, 0, 0, W, H, Shift(C, -0.05f));
        s.DrawLine(1, 1, W - 2, 1, Shift(C, -0.16f));
        s.DrawLine(1, 2, W - 2, 2, Shift(C, -0.10f));
        s.DrawLine(1, H - 2, W - 2, H - 2, Shift(C, 0.07f));
        s.DrawLine(1, 1, 1, H - 2, Shift(C, -0.16f));
        s.DrawLine(2, 2, 2, H - 2, Shift(C, -0.10f));
        s.DrawLine(W - 2, 2, W - 2, H - 2, Shift(C, 0.04f));
        break;
    default:
        break;
    }
    const bool cue = f.hasFocus || f.displayAsDefault;
    if (f.parentActive && cue && f.state == 0)
        ring(kFocus);
    if (f.parentActive && f.showFocusRect && cue)
        s.DrawFocusRect(PixelRect{2, 2, W - 2, H - 2});
    s.DrawFrame(0, 0, W, H, Rgb(0x003C74));
    DrawCornerDots(s, Shift(Rgb(0x003C74), 0.30f));
}

std::uint32_t PaintRoundedFlat(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    // What the button leaves untouched shows the window behind it, from the
    // next drawing on.
    s.setBackgroundColor(f.ambientBack);
    int state = f.state;
    if (f.checked && f.mouseDownFlag)
        state = 2;
    const std::uint32_t text = Sys(18);
    if (f.checked && state != 2) {
        Fill(s, 0, 0, W, H, Rgb(0xFEFEFE));
        s.DrawFrame(0, 0, W, H, Rgb(0x7A98AF));
        DrawCornerDots(s, Shift(Rgb(0xA0B3C1), -0.20f));
        if (state == 1) {
            s.DrawLine(W - 2, 2, W - 2, H - 2, Rgb(0xF2F0ED));
            s.DrawLine(2, H - 2, W - 2, H - 2, Rgb(0xE4DED8));
            s.DrawLine(1, H - 3, W - 1, H - 3, Rgb(0xEFECE8));
            s.DrawLine(1, H - 4, W - 1, H - 4, Rgb(0xFAF9F8));
        }
        return text;
    }
    const int h = Rounding::HalfEven(H / 2.0);
    switch (state) {
    case 0:
        Fill(s, 0, 0, W, H, C);
        break;
    case 1:
        Down(s, 0, 0, W, h, Rgb(0xFEFEFD), Rgb(0xF4F4EE));
        Down(s, 0, h, W, h, Rgb(0xF4F4EE), Rgb(0xF1F1EA));
        s.DrawLine(W - 2, 2, W - 2, H - 2, Rgb(0xEAE7E0));
        s.DrawLine(W - 3, 2, W - 3, H - 2, Rgb(0xF0F0EA));
        s.DrawLine(0, H - 4, W, H - 4, Rgb(0xEEEDE5));
        s.DrawLine(0, H - 3, W, H - 3, Rgb(0xE4E1D6));
        s.DrawLine(0, H - 2, W, H - 2, Rgb(0xD7D2C6));
        s.DrawFrame(0, 0, W, H, Rgb(0xCECEC3));
        DrawCornerDots(s, Shift(Rgb(0xD4D4C9), -0.05f));
        break;
    case 2:
        Fill(s, 0, 0, W, H, Rgb(0xE5E4DD));
        s.DrawLine(1, 1, W - 2, 1, Shift(Rgb(0xDCDAD1), -0.02f));
        s.DrawLine(1, 2, W - 2, 2, Shift(Rgb(0xE3E1DA), -0.02f));
        s.DrawLine(1, H - 3, W - 2, H - 3, Shift(Rgb(0xE6E5DE), 0.02f));
        s.DrawLine(1, H - 2, W - 2, H - 2, Shift(Rgb(0xEBEAE5), 0.02f));
        s.DrawFrame(0, 0, W, H, Rgb(0x9D9D92));
        DrawCornerDots(s, Shift(Rgb(0xB5B4AB), -0.20f));
        break;
    default:
        break;
    }
    return state == 2 ? 0xFFFFFFu : text;
}

void PaintDropShadow(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t F = f.enabled ? Face(f) : Shift(Face(f), 0.10f);
    s.setBackgroundColor(f.ambientBack);
    if (f.state == 2) {
        Fill(s, 3, 3, W, H, F);
        s.DrawFrame(3, 3, W - 3, H - 3, Shift(F, 0.30f));
    } else {
        s.DrawFrame(6, 6, W - 9, H - 9, Rgb(0x808080));
        s.DrawFrame(5, 5, W - 7, H - 7, Rgb(0xA0A0A0));
        s.DrawFrame(4, 4, W - 5, H - 5, Rgb(0xC0C0C0));
        Fill(s, 0, 0, W - 5, H - 5, F);
        s.DrawFrame(0, 0, W - 4, H - 4, Shift(F, 0.30f));
    }
    if (f.parentActive && f.showFocusRect && (f.hasFocus || f.displayAsDefault)) {
        if (f.state == 2)
            s.DrawFocusRect(PixelRect{6, 6, W - 3, H - 3});
        else
            s.DrawFocusRect(PixelRect{3, 3, W - 6, H - 6});
    }
}

void DrawCornerDots(DrawSurface& s, unsigned colour) {
    const int W = s.Width(), H = s.Height();
    s.SetPixel(1, 1, colour);
    s.SetPixel(1, H - 2, colour);
    s.SetPixel(W - 2, 1, colour);
    s.SetPixel(W - 2, H - 2, colour);
}

void PaintGlass(DrawSurface& s, const ButtonFace& f) {
    const int W = s.Width(), H = s.Height();
    const std::uint32_t C = Face(f);
    const int h = Rounding::HalfEven(H / 2.0);
    const int u = Rounding::HalfEven(H / 2.0 - 2);
    const int l = Rounding::HalfEven(H - H / 2.0 - 1);
    constexpr std::uint32_t kWhite = 0xFFFFFF;

    if (!f.enabled) {
        Fill(s, 0, 0, W, H, Shift(C, 0.03f));
        s.DrawFrame(0, 0, W, H, Shift(C, -0.25f));
        s.DrawFrame(1, 1, W - 2, H - 2, Shift(C, 0.25f));
        DrawCornerDots(s, Shift(C, -0.03f));
        return;
    }
    switch (f.state) {
    case 0: // normal
        Down(s, 1, 1, W - 1, H, Shift(C, 0.05f), C);
        Down(s, 1, h, W - 2, H - 2, Shift(C, -0.02f), Shift(C, -0.15f));
        s.DrawFrame(0, 0, W, H, Rgb(0x707070));
        s.DrawFrame(1, 1, W - 2, H - 2, kWhite);
        break;
    case 1: // hot
        Down(s, 1, 1, W - 2, h, Rgb(0xE4F7FF), Rgb(0xDAF3FF));
        Down(s, 1, h, W - 2, H - 2, Rgb(0xC1E9FF), Rgb(0xAEE1FD));
        Across(s, 1, 3, 5, u, Rgb(0xCDEEFF), Rgb(0xE4F7FF));
        Across(s, 1, h, 5, l, Rgb(0x8FD6FA), Shift(Rgb(0xACE1FD), 0.01f));
        Across(s, W - 6, 3, 5, u, Rgb(0xE4F7FF), Rgb(0xCDEEFF));
        Across(s, W - 6, h, 5, l, Shift(Rgb(0xACE1FD), 0.01f), Rgb(0x8FD6FA));
        s.DrawFrame(0, 0, W, H, Rgb(0x3275A7));
        s.DrawFrame(1, 1, W - 2, H - 2, kWhite);
        break;
    case 2: // down
        Down(s, 1, 1, W - 1, H, Rgb(0xC2E4F6), Rgb(0xC2E4F6));
        Down(s, 1, h, W - 2, H - 2, Rgb(0x9AD2F0), Rgb(0x9AD2F0));
        s.DrawFrame(0, 0, W, H, Rgb(0x1D415C));
        s.DrawLine(1, 1, W - 1, 1, Rgb(0x719CB3));
        s.DrawLine(1, 2, W - 1, 2, Rgb(0xA9C6D6));
        s.DrawLine(1, 3, W - 1, 3, Rgb(0xB9D9EC));
        s.DrawLine(1, 1, 1, Rounding::HalfEven(H / 2.0 - 1), Rgb(0x73B0CF));
        Across(s, 1, 3, 5, u, Shift(Rgb(0x91C8E6), 0.02f), Shift(Rgb(0xC2E4F6), -0.01f));
        Across(s, 1, h, 5, l, Shift(Rgb(0x4EABDC), 0.02f), Shift(Rgb(0x9AD2F0), -0.01f));
        Across(s, W - 6, 3, 5, u, Shift(Rgb(0xC2E4F6), -0.01f), Shift(Rgb(0x91C8E6), 0.02f));
        Across(s, W - 6, h, 5, l, Shift(Rgb(0x9AD2F0), -0.01f), Shift(Rgb(0x4EABDC), 0.02f));
        break;
    default:
        break;
    }
    if (f.parentActive) {
        if ((f.hasFocus || f.displayAsDefault) && f.state == 0) {
            s.DrawFrame(0, 0, W, H, Rgb(0x3275A7));
            s.DrawFrame(1, 1, W - 2, H - 2, Rgb(0x48D8FB));
        }
        if (f.showFocusRect && f.hasFocus)
            s.DrawFocusRect(PixelRect{2, 2, W - 2, H - 2});
    }
    DrawCornerDots(s, Rgb(0x5F96BE));
}

} // namespace StylePainters
