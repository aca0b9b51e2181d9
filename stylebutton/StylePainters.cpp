#include "StylePainters.h"

#include "ButtonFace.h"
#include "ColorMath.h"
#include "DrawSurface.h"
#include "Rounding.h"
#include "SystemColors.h"

namespace StylePainters {

namespace {

std::uint32_t Shift(std::uint32_t colour, float amount) {
    return ColorMath::ShiftColor(colour, amount);
}

void Fill(DrawSurface& s, int l, int t, int r, int b, std::uint32_t colour) {
    s.FillRectangle(colour, PixelRect{l, t, r, b});
}

void Down(DrawSurface& s, int x, int y, int w, int h, std::uint32_t a, std::uint32_t b) {
    s.DrawGradient(x, y, w, h, a, b, 1);
}

void Across(DrawSurface& s, int x, int y, int w, int h, std::uint32_t a, std::uint32_t b) {
    s.DrawGradient(x, y, w, h, a, b, 0);
}

} // namespace

void Paint(DrawSurface& surface, const ButtonFace& face) {
    switch (face.style) {
    case 4:
        PaintGlass(surface, face);
        break;
    default:
        break;
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
    const std::uint32_t C = std::uint32_t(SystemColors::TranslateColor(f.backColor));
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
