#include "TestImages.h"

#include "ColorMath.h"

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
