#pragma once

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

// A distinct colour for each position, so a misplaced pixel shows.
inline std::uint32_t Pattern(int x, int y) {
    return std::uint32_t((x * 37 + 11) & 0xFF) | (std::uint32_t((y * 53 + 7) & 0xFF) << 8) |
           (std::uint32_t((x * 5 + y * 3) & 0xFF) << 16);
}

} // namespace TestImages
