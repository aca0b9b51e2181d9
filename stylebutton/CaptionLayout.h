#pragma once

#include "PixelRect.h"

#include <optional>

// Where the picture and the caption of a button go. Pure arithmetic on the
// button's size, the caption's measured size and the alignment codes, so it
// is the same on every machine and can be checked without a window.
namespace CaptionLayout {

enum PictureSizeCode { PicOwnSize = 0, Pic16 = 1, Pic24 = 2, Pic32 = 3 };
enum CaptionAlignCode { CaptionLeft = 0, CaptionCenter = 1, CaptionRight = 2 };
enum PictureAlignCode {
    PicLeftEdge = 0,
    PicLeftOfCaption = 1,
    PicRightEdge = 2,
    PicRightOfCaption = 3,
    PicCenter = 4,
    PicTopEdge = 5,
    PicAboveCaption = 6,
    PicBottomEdge = 7,
    PicBelowCaption = 8,
};

struct Input {
    int width = 0;      // W, inner width in pixels
    int height = 0;     // H
    int textWidth = 0;  // tw, "&" marks counted
    int textHeight = 0; // th
    bool hasAccessKey = false;
    bool hasPicture = false; // a picture object is set, even an empty one
    int ownWidth = 0;        // the picture's own size in pixels, for PicOwnSize
    int ownHeight = 0;
    int pictureSize = PicOwnSize;
    int pictureAlign = PicLeftOfCaption;
    int captionAlign = CaptionCenter;
    int style = 0;
    int state = 0; // 0 normal, 1 hot, 2 down
};

struct Result {
    int px = 0; // picture top-left
    int py = 0;
    int tx = 0; // caption top-left
    int ty = 0;
    PixelRect textRect;                   // where the caption is drawn
    std::optional<PixelRect> captionRect; // a new CaptionRect, when this layout sets one
};

// Lays out for one redraw. pictureWidth and pictureHeight are the button's
// kept picture box: set from PictureSize 0..3, left as they were for other
// codes, and shrunk (for later redraws too) when the box does not fit.
Result Compute(const Input& in, int& pictureWidth, int& pictureHeight);

} // namespace CaptionLayout
