#include "TestImages.h"

#include "ColorMath.h"
#include "StylePainters.h"

namespace TestImages {

QImage Opaque(int width, int height, const std::function<std::uint32_t(int, int)>& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, ColorMath::ToQRgb(colour(x, y)));
    return image;
}

QImage WithAlpha(int width, int height, const std::function<std::uint32_t(int, int)>& colour,
                 const std::function<int(int, int)>& alpha) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colour(x, y);
            image.setPixel(x, y,
                           qRgba(ColorMath::RedOf(c), ColorMath::GreenOf(c), ColorMath::BlueOf(c),
                                 alpha(x, y)));
        }
    }
    return image;
}

DrawSurface Filled(int width, int height, std::uint32_t colour) {
    DrawSurface surface;
    surface.Resize(width, height);
    surface.setBackgroundColor(colour);
    surface.Clear();
    return surface;
}

} // namespace TestImages

std::uint32_t TestImages::GradientEntry(std::uint32_t a, std::uint32_t b, int i, int n) {
    std::uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const int ca = int(a >> shift) & 0xFF, cb = int(b >> shift) & 0xFF;
        const int c = n > 0 ? ca + (cb - ca) * i / n : ca / 2 + cb / 2;
        out |= std::uint32_t(c) << shift;
    }
    return out;
}

DrawSurface TestImages::PaintedFace(const ButtonFace& face, std::uint32_t cleared) {
    DrawSurface s;
    s.Resize(face.width, face.height);
    s.setBackgroundColor(cleared);
    s.Clear();
    StylePainters::Paint(s, face);
    return s;
}
