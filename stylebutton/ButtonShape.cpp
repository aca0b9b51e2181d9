#include "ButtonShape.h"

#include <vector>

namespace ButtonShape {

namespace {

// How far each top row of a corner ellipse of this size stands in from the
// rectangle's side; the bottom rows mirror them.
std::vector<int> CornerInsets(int ellipse) {
    switch (ellipse) {
    case 3:
    case 4:
        return {1};
    case 18:
        return {6, 4, 3, 2, 1, 1};
    default:
        return {};
    }
}

} // namespace

QRegion Of(int style, int width, int height) {
    int ellipse = 0;
    if (style == 2 || style == 4 || style == 6 || style == 8)
        ellipse = 3;
    else if (style == 3 || style == 10)
        ellipse = 4;
    else if (style == 14)
        ellipse = 18;
    const std::vector<int> insets = CornerInsets(ellipse);
    if (insets.empty() || width <= 0 || height <= 0)
        return QRegion(0, 0, width, height);
    // The rounded rectangle from (0, 0) to (width + 1, height + 1).
    const int w = width + 1, h = height + 1;
    QRegion shape;
    for (int y = 0; y < h; ++y) {
        int inset = 0;
        if (y < int(insets.size()))
            inset = insets[size_t(y)];
        else if (h - 1 - y < int(insets.size()))
            inset = insets[size_t(h - 1 - y)];
        shape += QRect(inset, y, w - 2 * inset, 1);
    }
    return shape & QRegion(0, 0, width, height);
}

} // namespace ButtonShape
