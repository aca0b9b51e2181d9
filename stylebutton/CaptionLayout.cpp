#include "CaptionLayout.h"

#include <algorithm>

namespace CaptionLayout {

namespace {

constexpr int kDown = 2;

bool PressesIn(int style) {
    return style == 0 || style == 1 || style == 3 || style == 8;
}

} // namespace

Result Compute(const Input& in, int& pictureWidth, int& pictureHeight) {
    const int W = in.width;
    const int H = in.height;
    const int tw = in.textWidth;
    const int th = in.textHeight;

    switch (in.pictureSize) {
    case PicOwnSize:
        pictureWidth = in.ownWidth;
        pictureHeight = in.ownHeight;
        break;
    case Pic16:
        pictureWidth = pictureHeight = 16;
        break;
    case Pic24:
        pictureWidth = pictureHeight = 24;
        break;
    case Pic32:
        pictureWidth = pictureHeight = 32;
        break;
    default:
        break; // keeps the box of the last layout
    }
    int pw = pictureWidth;
    int ph = pictureHeight;

    // All halvings truncate toward zero, as C++ integer division does.
    int px = 0, py = 0, tx = 0, ty = 0;
    switch (in.pictureAlign) {
    case PicLeftEdge:
        px = 4;
        py = (H - ph) / 2;
        tx = std::max(W / 2 - tw / 2 + pw / 2, pw + 8);
        ty = H / 2 - th / 2;
        break;
    case PicLeftOfCaption:
        px = std::max((W - pw - tw) / 2, 4);
        py = (H - ph) / 2;
        tx = std::max(W / 2 - tw / 2 + pw / 2 + 3, pw + 8);
        ty = H / 2 - th / 2;
        break;
    case PicRightEdge:
        px = W - pw - 4;
        py = (H - ph) / 2;
        tx = W - tw - 4 - pw;
        ty = H / 2 - th / 2;
        break;
    case PicRightOfCaption:
        px = std::min((W - pw + tw) / 2, W - pw - 4);
        py = (H - ph) / 2;
        tx = W / 2 - tw / 2 - pw / 2 - 3;
        if (tx < 0)
            tx = W - tw - 4 - pw;
        ty = H / 2 - th / 2;
        break;
    case PicCenter:
        px = (W - pw) / 2;
        py = (H - ph) / 2;
        tx = W / 2 - tw / 2;
        ty = H / 2 - th / 2;
        break;
    case PicTopEdge:
        px = (W - pw) / 2;
        py = 4;
        tx = W / 2 - tw / 2;
        ty = H / 2 + ph / 2 - th / 2 + 2;
        break;
    case PicAboveCaption:
        px = (W - pw) / 2;
        py = std::max((H - th - ph) / 2, 4);
        tx = W / 2 - tw / 2;
        ty = H / 2 + ph / 2 - th / 2 + 2;
        break;
    case PicBottomEdge:
        px = (W - pw) / 2;
        py = H - ph - 4;
        tx = W / 2 - tw / 2;
        ty = H / 2 - ph / 2 - th / 2 - 2;
        break;
    case PicBelowCaption:
        px = (W - pw) / 2;
        py = std::min((H - ph + th) / 2, H - ph - 4);
        tx = W / 2 - tw / 2;
        ty = H / 2 - ph / 2 - th / 2 - 2;
        break;
    default:
        break;
    }

    px = std::max(px, 1);
    py = std::max(py, 1);

    // A box that does not fit shrinks; the position computed with the old
    // size stays, and the smaller box is kept for later redraws.
    if (W < px + pw)
        pictureWidth = pw = W - 8;
    if (H < py + ph)
        pictureHeight = ph = H - 4;

    if (in.hasPicture) {
        switch (in.captionAlign) {
        case CaptionLeft:
            switch (in.pictureAlign) {
            case PicLeftEdge:
                tx = pw + 8;
                break;
            case PicLeftOfCaption:
                px = 4;
                tx = pw + 8;
                break;
            case PicRightEdge:
                tx = tx >= 4 ? 4 : W - tw - 4 - pw;
                break;
            case PicRightOfCaption:
                tx = 4;
                px = tw + 4;
                break;
            default:
                tx = 4;
                break;
            }
            break;
        case CaptionCenter:
            if (in.pictureAlign == PicRightEdge)
                tx = tx >= 0 ? W / 2 - tw / 2 : W - tw - 4 - pw;
            break;
        case CaptionRight:
            switch (in.pictureAlign) {
            case PicLeftEdge:
                tx = std::max(W - tw - 4, pw + 4);
                break;
            case PicLeftOfCaption:
                tx = W - tw - 4;
                px = tx - pw - 4;
                break;
            case PicRightEdge:
                tx = W - tw - 4 - pw;
                break;
            case PicRightOfCaption:
                px = W - pw - 4;
                tx = W - tw - 4 - pw;
                break;
            default:
                tx = W - tw - 4;
                break;
            }
            break;
        default:
            break;
        }
    } else {
        switch (in.captionAlign) {
        case CaptionLeft:
            tx = 4;
            break;
        case CaptionCenter:
            tx = W / 2 - tw / 2;
            break;
        case CaptionRight:
            tx = W - tw - 4;
            break;
        default:
            break;
        }
        px = py = 0;
        ty = H / 2 - th / 2;
    }

    // The "&" is measured but not drawn; this keeps such captions centred.
    if (in.hasAccessKey)
        tx += 3;

    const bool down = in.state == kDown;
    if (PressesIn(in.style) && down) {
        px += 1;
        py += 1;
    } else if (in.style == 5) {
        px += down ? 2 : -1;
        py += down ? 2 : -1;
    }

    Result r;
    r.px = px;
    r.py = py;
    r.tx = tx;
    r.ty = ty;
    if (down && PressesIn(in.style)) {
        r.textRect = {tx + 1, ty + 1, tx + tw + 1, ty + th + 1};
    } else if (down && in.style == 5) {
        r.textRect = {tx + 1, ty + 2, tx + tw + 1, ty + th + 1};
    } else if (in.style == 14) {
        r.textRect = {tx, ty - 1, tx + tw, ty + th - 1};
    } else if (!down && in.style == 5) {
        r.textRect = {tx - 2, ty - 2, tx + tw - 2, ty + th - 2};
    } else {
        r.textRect = {tx, ty, tx + tw, ty + th};
        if (!down)
            r.captionRect = PixelRect{tx - 2, ty, tx + tw + 1, ty + th + 1};
    }
    return r;
}

} // namespace CaptionLayout
