#pragma once

#include "PixelRect.h"
#include "StylePicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstddef>
#include <cstdint>

// The button's own drawing surface: an image the painters write pixel by
// pixel, with the exact coverage the looks depend on (half-open lines, frames
// inside their rectangle, integer gradients). The widget only copies it to
// the screen. Colours given to the primitives are resolved 0x00BBGGRR values;
// the surface colour and text colour may still name system colours.
class DrawSurface {
public:
    DrawSurface();

    // Keeps the pixels when the size is unchanged; a new size starts blank.
    void Resize(int width, int height);
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }

    // The colour Clear paints: the button-face system colour unless a style
    // sets the container's background.
    std::uint32_t BackgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(std::uint32_t colour) { backgroundColor_ = colour; }
    void Clear();

    std::uint32_t TextColor() const { return textColor_; }
    void setTextColor(std::uint32_t colour) { textColor_ = colour; }
    const QFont& Font() const { return font_; }
    void setFont(const QFont& font);
    // The font as QFont::toString writes it: two faces compare by it.
    const QString& FontKey() const;

    std::uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t colour);
    // Sets each pixel p at (x0 + p.column, y0 + p.row) to p.colour, as many
    // SetPixel calls would, in one access to the image for all of them.
    template <class Entry> void SetPixels(int x0, int y0, const Entry* pixels, std::size_t count);

    // Start point drawn, end point not; sloped lines step like Bresenham's,
    // a tie going to the side of the start point.
    void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t colour);
    // One-pixel outline inside (x, y, x + width, y + height).
    void DrawFrame(int x, int y, int width, int height, std::uint32_t colour);
    void FillRectangle(std::uint32_t colour, const PixelRect& rect);
    // Direction 0 left to right, 1 top to bottom, 2 top-left to bottom-right,
    // 3 bottom-left to top-right; any other direction paints the block black.
    void DrawGradient(int x, int y, int width, int height, std::uint32_t colourA,
                      std::uint32_t colourB, int direction);

    // The dotted focus outline: inverts every other pixel of the rectangle's
    // border (those with x + y even), so drawing it twice restores the pixels.
    void DrawFocusRect(const PixelRect& rect);
    void DrawRaisedEdge(const PixelRect& rect);
    void DrawSunkenEdge(const PixelRect& rect);
    void DrawThinRaisedEdge(const PixelRect& rect);

    // Copies the top-left width x height pixels of a picture unscaled (a
    // smaller box crops it), skipping pixels equal to maskColor when asked.
    void DrawBitmap(const StylePicture& picture, int x, int y, int width, int height, bool useMask,
                    std::uint32_t maskColor);
    // Draws a picture scaled to width x height, blended by its alpha.
    void DrawIcon(const StylePicture& picture, int x, int y, int width, int height);
    // The greyed picture of a disabled button, stretched to the rectangle
    // (-1 = the picture's own size): the mask ANDed in, then the grey image
    // ORed over it. Returns whether it drew.
    bool DrawDisabledPicture(const StylePicture& picture, int x, int y, int width = -1,
                             int height = -1);

    // Width and height of a text in the surface font; "&" marks count.
    QSize MeasureText(const QString& text) const;
    // One line at the rectangle's top-left, clipped to it; "&x" underlines x
    // and "&&" draws one ampersand.
    void DrawText(const QString& text, const PixelRect& rect, std::uint32_t colour);

private:
    void DrawEdgeRing(const PixelRect& rect, std::uint32_t topLeft, std::uint32_t bottomRight);
    QRgb* Row(int y) { return reinterpret_cast<QRgb*>(image_.scanLine(y)); }

    QImage image_;
    std::uint32_t backgroundColor_;
    std::uint32_t textColor_;
    QFont font_;
    QFontMetrics metrics_;
    mutable QString fontKey_; // made when first asked for
};

template <class Entry>
void DrawSurface::SetPixels(int x0, int y0, const Entry* pixels, std::size_t count) {
    if (image_.isNull())
        return;
    const int w = image_.width();
    const int h = image_.height();
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (std::size_t i = 0; i < count; ++i) {
        const int x = x0 + int(pixels[i].column);
        const int y = y0 + int(pixels[i].row);
        if (x < 0 || y < 0 || x >= w || y >= h)
            continue;
        const std::uint32_t c = pixels[i].colour;
        reinterpret_cast<QRgb*>(bits + y * stride)[x] =
            qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
    }
}
