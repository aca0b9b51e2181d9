#include "DrawSurface.h"

#include "ColorMath.h"
#include "SystemColors.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <vector>

using ColorMath::ToQRgb;

namespace {

std::uint32_t Resolve(std::uint32_t colour) {
    return std::uint32_t(SystemColors::TranslateColor(colour));
}

// Nearest-neighbour source index of destination index d when n source
// pixels are stretched over m destination pixels.
inline int SourceIndex(int d, int n, int m) {
    return int(std::int64_t(d) * n / m);
}

} // namespace

DrawSurface::DrawSurface()
    : image_(0, 0, QImage::Format_RGB32),
      backgroundColor_(SystemColors::System(SystemColors::kButtonFace)),
      textColor_(SystemColors::System(SystemColors::kButtonText)), metrics_(font_) {}

void DrawSurface::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == image_.width() && height == image_.height())
        return;
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::black);
}

void DrawSurface::Clear() {
    image_.fill(ToQRgb(Resolve(backgroundColor_)));
}

void DrawSurface::setFont(const QFont& font) {
    font_ = font;
    metrics_ = QFontMetrics(font_);
    fontKey_.clear();
}

const QString& DrawSurface::FontKey() const {
    if (fontKey_.isEmpty())
        fontKey_ = font_.toString();
    return fontKey_;
}

std::uint32_t DrawSurface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return 0xFFFFFFFFu;
    return ColorMath::FromQRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void DrawSurface::SetPixel(int x, int y, std::uint32_t colour) {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return;
    Row(y)[x] = ToQRgb(colour);
}

void DrawSurface::DrawLine(int x1, int y1, int x2, int y2, std::uint32_t colour) {
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const int sx = x2 >= x1 ? 1 : -1;
    const int sy = y2 >= y1 ? 1 : -1;
    const QRgb pixel = ToQRgb(colour);
    const int w = image_.width();
    const int h = image_.height();
    // Most lines of the looks run along a row or a column: a clipped run of
    // pixels from the start point to the one before the end point.
    if (dy == 0 && dx > 0) {
        if (y1 < 0 || y1 >= h)
            return;
        const int first = std::max(sx > 0 ? x1 : x2 + 1, 0);
        const int last = std::min(sx > 0 ? x2 - 1 : x1, w - 1);
        if (first <= last) {
            QRgb* row = Row(y1);
            std::fill(row + first, row + last + 1, pixel);
        }
        return;
    }
    if (dx == 0 && dy > 0) {
        if (x1 < 0 || x1 >= w)
            return;
        const int first = std::max(sy > 0 ? y1 : y2 + 1, 0);
        const int last = std::min(sy > 0 ? y2 - 1 : y1, h - 1);
        if (first > last)
            return;
        QRgb* at = Row(first) + x1;
        const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
        for (int y = first; y <= last; ++y, at += stride)
            *at = pixel;
        return;
    }
    auto plot = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < w && y < h)
            Row(y)[x] = pixel;
    };
    // The minor coordinate of step i is i * minor / major rounded to the
    // nearest whole number, a half rounded back toward the start point.
    if (dx >= dy) {
        for (int i = 0; i < dx; ++i)
            plot(x1 + i * sx, y1 + sy * int((2 * std::int64_t(i) * dy + dx - 1) / (2 * dx)));
    } else {
        for (int i = 0; i < dy; ++i)
            plot(x1 + sx * int((2 * std::int64_t(i) * dx + dy - 1) / (2 * dy)), y1 + i * sy);
    }
}

void DrawSurface::DrawFrame(int x, int y, int width, int height, std::uint32_t colour) {
    if (width < 1 || height < 1)
        return;
    const int right = x + width - 1;
    const int bottom = y + height - 1;
    FillRectangle(colour, {x, y, right + 1, y + 1});
    FillRectangle(colour, {x, bottom, right + 1, bottom + 1});
    FillRectangle(colour, {x, y, x + 1, bottom + 1});
    FillRectangle(colour, {right, y, right + 1, bottom + 1});
}

void DrawSurface::FillRectangle(std::uint32_t colour, const PixelRect& rect) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, image_.width());
    const int bottom = std::min(rect.bottom, image_.height());
    if (left >= right || top >= bottom)
        return;
    const QRgb pixel = ToQRgb(colour);
    for (int y = top; y < bottom; ++y) {
        QRgb* row = Row(y);
        std::fill(row + left, row + right, pixel);
    }
}

void DrawSurface::DrawGradient(int x, int y, int width, int height, std::uint32_t colourA,
                               std::uint32_t colourB, int direction) {
    if (width < 1 || height < 1)
        return;
    const int ra = ColorMath::RedOf(colourA), ga = ColorMath::GreenOf(colourA),
              ba = ColorMath::BlueOf(colourA);
    const int rb = ColorMath::RedOf(colourB), gb = ColorMath::GreenOf(colourB),
              bb = ColorMath::BlueOf(colourB);
    const int dr = rb - ra, dg = gb - ga, db = bb - ba;
    int steps = 0;
    switch (direction) {
    case 0:
        steps = width - 1;
        break;
    case 1:
        steps = height - 1;
        break;
    default:
        steps = width + height - 2;
        break;
    }
    std::vector<QRgb> table(std::size_t(steps) + 1);
    if (steps > 0) {
        for (int i = 0; i <= steps; ++i)
            table[std::size_t(i)] =
                qRgb(ra + dr * i / steps, ga + dg * i / steps, ba + db * i / steps);
    } else {
        // A single entry halves both ends separately, so two equal odd
        // channels lose one (white with itself gives #FEFEFE).
        table[0] = qRgb(ra / 2 + rb / 2, ga / 2 + gb / 2, ba / 2 + bb / 2);
    }

    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + width, image_.width());
    const int bottom = std::min(y + height, image_.height());
    // A block wholly beside or above the surface leaves nothing to draw.
    if (left >= right || top >= bottom)
        return;
    const QRgb black = qRgb(0, 0, 0);
    for (int row = top; row < bottom; ++row) {
        QRgb* out = Row(row);
        const int py = row - y;
        switch (direction) {
        case 0:
            std::copy(table.begin() + (left - x), table.begin() + (right - x), out + left);
            break;
        case 1:
            std::fill(out + left, out + right, table[std::size_t(py)]);
            break;
        case 2:
            std::copy(table.begin() + (left - x + py), table.begin() + (right - x + py),
                      out + left);
            break;
        case 3: {
            const int shift = height - 1 - py;
            std::copy(table.begin() + (left - x + shift), table.begin() + (right - x + shift),
                      out + left);
            break;
        }
        default:
            std::fill(out + left, out + right, black);
            break;
        }
    }
}

void DrawSurface::DrawFocusRect(const PixelRect& rect) {
    if (rect.IsEmpty())
        return;
    const int w = image_.width();
    const int h = image_.height();
    auto invert = [&](int x, int y) {
        if (((x + y) & 1) == 0 && x >= 0 && y >= 0 && x < w && y < h)
            Row(y)[x] ^= 0x00FFFFFFu;
    };
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    // Each border pixel exactly once, so a second call undoes the first.
    for (int x = rect.left; x <= right; ++x) {
        invert(x, rect.top);
        if (bottom != rect.top)
            invert(x, bottom);
    }
    for (int y = rect.top + 1; y < bottom; ++y) {
        invert(rect.left, y);
        if (right != rect.left)
            invert(right, y);
    }
}

void DrawSurface::DrawEdgeRing(const PixelRect& rect, std::uint32_t topLeft,
                               std::uint32_t bottomRight) {
    if (rect.IsEmpty())
        return;
    const std::uint32_t light = Resolve(topLeft);
    const std::uint32_t dark = Resolve(bottomRight);
    // Top and left stop one short; bottom and right run the full length and
    // own the top-right and bottom-left corners.
    FillRectangle(light, {rect.left, rect.top, rect.right - 1, rect.top + 1});
    FillRectangle(light, {rect.left, rect.top, rect.left + 1, rect.bottom - 1});
    FillRectangle(dark, {rect.left, rect.bottom - 1, rect.right, rect.bottom});
    FillRectangle(dark, {rect.right - 1, rect.top, rect.right, rect.bottom});
}

void DrawSurface::DrawRaisedEdge(const PixelRect& rect) {
    using namespace SystemColors;
    DrawEdgeRing(rect, System(k3DLight), System(k3DDarkShadow));
    DrawEdgeRing({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1},
                 System(k3DHighlight), System(kButtonShadow));
}

void DrawSurface::DrawSunkenEdge(const PixelRect& rect) {
    using namespace SystemColors;
    DrawEdgeRing(rect, System(kButtonShadow), System(k3DHighlight));
    DrawEdgeRing({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1},
                 System(k3DDarkShadow), System(k3DLight));
}

void DrawSurface::DrawThinRaisedEdge(const PixelRect& rect) {
    using namespace SystemColors;
    DrawEdgeRing(rect, System(k3DHighlight), System(kButtonShadow));
}

void DrawSurface::DrawBitmap(const StylePicture& picture, int x, int y, int width, int height,
                             bool useMask, std::uint32_t maskColor) {
    if (!picture.IsDrawable())
        return;
    const QImage& source = picture.Image();
    const int columns = std::min(width, source.width());
    const int rows = std::min(height, source.height());
    // The mask colour is compared as stored: a system-colour value never
    // equals a pixel.
    const bool masked = useMask && maskColor <= 0x00FFFFFFu;
    const QRgb mask = ToQRgb(maskColor) & 0x00FFFFFFu;
    for (int sy = 0; sy < rows; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= image_.height())
            continue;
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        QRgb* out = Row(ty);
        for (int sx = 0; sx < columns; ++sx) {
            const int tx = x + sx;
            if (tx < 0 || tx >= image_.width())
                continue;
            const QRgb pixel = in[sx] & 0x00FFFFFFu;
            if (masked && pixel == mask)
                continue;
            out[tx] = pixel | 0xFF000000u;
        }
    }
}

void DrawSurface::DrawIcon(const StylePicture& picture, int x, int y, int width, int height) {
    if (!picture.IsDrawable() || width < 1 || height < 1)
        return;
    const QImage& source = picture.Image();
    const bool alpha = picture.kind() == StylePicture::Kind::Icon;
    for (int dy = 0; dy < height; ++dy) {
        const int ty = y + dy;
        if (ty < 0 || ty >= image_.height())
            continue;
        const QRgb* in = reinterpret_cast<const QRgb*>(
            source.constScanLine(SourceIndex(dy, source.height(), height)));
        QRgb* out = Row(ty);
        for (int dx = 0; dx < width; ++dx) {
            const int tx = x + dx;
            if (tx < 0 || tx >= image_.width())
                continue;
            const QRgb s = in[SourceIndex(dx, source.width(), width)];
            const int a = alpha ? qAlpha(s) : 255;
            if (a == 255) {
                out[tx] = s | 0xFF000000u;
            } else if (a > 0) {
                const QRgb d = out[tx];
                auto mix = [a](int sc, int dc) { return (sc * a + dc * (255 - a) + 127) / 255; };
                out[tx] =
                    qRgb(mix(qRed(s), qRed(d)), mix(qGreen(s), qGreen(d)), mix(qBlue(s), qBlue(d)));
            }
        }
    }
}

bool DrawSurface::DrawDisabledPicture(const StylePicture& picture, int x, int y, int width,
                                      int height) {
    if (!picture.IsDrawable())
        return false;
    const QImage& source = picture.Image();
    const int sw = source.width();
    const int sh = source.height();
    if (width == -1)
        width = sw;
    if (height == -1)
        height = sh;
    if (width < 1 || height < 1 || sw < 1 || sh < 1)
        return false;
    const bool icon = picture.kind() == StylePicture::Kind::Icon;
    for (int dy = 0; dy < height; ++dy) {
        const int ty = y + dy;
        if (ty < 0 || ty >= image_.height())
            continue;
        const int sy = SourceIndex(dy, sh, height);
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        QRgb* out = Row(ty);
        for (int dx = 0; dx < width; ++dx) {
            const int tx = x + dx;
            if (tx < 0 || tx >= image_.width())
                continue;
            const int sx = SourceIndex(dx, sw, width);
            // An icon's colour image is black where its mask is white
            // (transparent); a bitmap has an all-black mask.
            const bool opaque = !icon || picture.IsOpaqueAt(sx, sy);
            const QRgb maskPixel = opaque ? 0u : 0x00FFFFFFu;
            const QRgb colour = opaque ? in[sx] : 0u;
            const int grey = (qBlue(colour) + qGreen(colour) + qRed(colour)) / 3;
            const QRgb greyPixel = qRgb(grey, grey, grey) & 0x00FFFFFFu;
            out[tx] = ((out[tx] & maskPixel) | greyPixel) | 0xFF000000u;
        }
    }
    return true;
}

QSize DrawSurface::MeasureText(const QString& text) const {
    return QSize(metrics_.horizontalAdvance(text), metrics_.height());
}

void DrawSurface::DrawText(const QString& text, const PixelRect& rect, std::uint32_t colour) {
    if (text.isEmpty() || rect.IsEmpty() || image_.isNull())
        return;
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(QColor::fromRgb(ToQRgb(colour)));
    painter.setClipRect(rect.ToQRect());
    painter.drawText(rect.ToQRect(),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     text);
}
