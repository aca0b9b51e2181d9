#pragma once

#include "ButtonFace.h"
#include "DrawSurface.h"
#include "StylePicture.h"

#include <QImage>
#include <cstdint>
#include <functional>

// Small pictures and surfaces built pixel by pixel for the drawing tests.
namespace TestImages {

// An opaque image whose pixel (x, y) is colour(x, y), a 0x00BBGGRR value.
QImage Opaque(int width, int height, const std::function<std::uint32_t(int, int)>& colour);

// An image with alpha: pixel (x, y) has colour(x, y) and alpha(x, y).
QImage WithAlpha(int width, int height, const std::function<std::uint32_t(int, int)>& colour,
                 const std::function<int(int, int)>& alpha);

// A surface of the given size filled with one colour.
DrawSurface Filled(int width, int height, std::uint32_t colour);

// Entry i of the table a gradient of n steps from a to b is drawn from:
// each channel moves by (difference * i) / n, truncated toward zero; with
// no steps at all it is the sum of the halves. Written out here so that the
// looks are checked against the arithmetic, not against the gradient code.
std::uint32_t GradientEntry(std::uint32_t a, std::uint32_t b, int i, int n);

// The face's style painted over a surface of its size cleared to a colour.
DrawSurface PaintedFace(const ButtonFace& face, std::uint32_t cleared);

// A distinct colour for each position, so a misplaced pixel shows.
inline std::uint32_t Pattern(int x, int y) {
    return std::uint32_t((x * 37 + 11) & 0xFF) | (std::uint32_t((y * 53 + 7) & 0xFF) << 8) |
           (std::uint32_t((x * 5 + y * 3) & 0xFF) << 16);
}

} // namespace TestImages
