#pragma once

#include "ButtonFace.h"
#include "ColorMath.h"
#include "DrawSurface.h"
#include "SystemColors.h"

// The short forms the painters are written in: shifted colours, fills and
// gradients by their edges, system colours and the face colour.
namespace PainterKit {

inline std::uint32_t Shift(std::uint32_t colour, float amount) {
    return ColorMath::ShiftColor(colour, amount);
}

inline void Fill(DrawSurface& s, int l, int t, int r, int b, std::uint32_t colour) {
    s.FillRectangle(colour, PixelRect{l, t, r, b});
}

inline void Down(DrawSurface& s, int x, int y, int w, int h, std::uint32_t a, std::uint32_t b) {
    s.DrawGradient(x, y, w, h, a, b, 1);
}

inline void Across(DrawSurface& s, int x, int y, int w, int h, std::uint32_t a, std::uint32_t b) {
    s.DrawGradient(x, y, w, h, a, b, 0);
}

inline std::uint32_t Sys(int index) {
    return std::uint32_t(SystemColors::TranslateColor(SystemColors::System(index)));
}

inline std::uint32_t Face(const ButtonFace& f) {
    return std::uint32_t(SystemColors::TranslateColor(f.backColor));
}

} // namespace PainterKit
