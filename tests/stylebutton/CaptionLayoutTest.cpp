// Placement of picture and caption, from the layout arithmetic alone.
#include "CaptionLayout.h"

#include <gtest/gtest.h>

using namespace CaptionLayout;

namespace {

Input Base(int w, int h, int tw, int th) {
    Input in;
    in.width = w;
    in.height = h;
    in.textWidth = tw;
    in.textHeight = th;
    return in;
}

Result LayOut(const Input& in) {
    int pw = 0, ph = 0;
    return Compute(in, pw, ph);
}

} // namespace

TEST(CaptionLayoutPlain, CentredCaptionOnA75By25Button) {
    Input in = Base(75, 25, 26, 14);
    const Result r = LayOut(in);
    EXPECT_EQ(r.tx, 37 - 26 / 2);
    EXPECT_EQ(r.ty, 12 - 14 / 2);
    EXPECT_EQ(r.textRect, (PixelRect{r.tx, r.ty, r.tx + 26, r.ty + 14}));
    EXPECT_EQ(r.captionRect, (PixelRect{r.tx - 2, r.ty, r.tx + 26 + 1, r.ty + 14 + 1}));
    EXPECT_EQ(r.px, 0);
    EXPECT_EQ(r.py, 0);
}

TEST(CaptionLayoutPlain, OddWidthsTruncateEachHalf) {
    const Result r = LayOut(Base(75, 25, 27, 15));
    EXPECT_EQ(r.tx, 75 / 2 - 27 / 2); // 37 - 13
    EXPECT_EQ(r.ty, 25 / 2 - 15 / 2); // 12 - 7
}

TEST(CaptionLayoutPlain, DownMovesTheCaptionOneRightAndDown) {
    Input in = Base(75, 25, 26, 14);
    const Result normal = LayOut(in);
    in.state = 2;
    const Result down = LayOut(in);
    EXPECT_EQ(down.textRect,
              (PixelRect{normal.tx + 1, normal.ty + 1, normal.tx + 27, normal.ty + 15}));
    EXPECT_FALSE(down.captionRect.has_value()); // CaptionRect keeps the last one
}

TEST(CaptionLayoutPlain, LeftAndRightAlignmentsWithoutPicture) {
    Input in = Base(100, 30, 40, 12);
    in.captionAlign = CaptionLeft;
    EXPECT_EQ(LayOut(in).tx, 4);
    in.captionAlign = CaptionRight;
    EXPECT_EQ(LayOut(in).tx, 100 - 40 - 4);
    // Other codes keep the column of the picture table: PictureAlign 1 with
    // the 24-pixel box of PictureSize 2.
    in.captionAlign = 3;
    in.pictureSize = Pic24;
    EXPECT_EQ(LayOut(in).tx, std::max(50 - 20 + 12 + 3, 24 + 8));
}

TEST(CaptionLayoutPlain, AccessKeyShiftsTheCaptionBy3) {
    Input in = Base(75, 25, 30, 14);
    const int without = LayOut(in).tx;
    in.hasAccessKey = true;
    EXPECT_EQ(LayOut(in).tx, without + 3);
    in.captionAlign = CaptionLeft;
    EXPECT_EQ(LayOut(in).tx, 4 + 3);
}

namespace {

// A 16 x 16 picture box on a 120 x 40 button, caption 30 x 14.
constexpr int W = 120, H = 40, TW = 30, TH = 14, PW = 16, PH = 16;

Input WithPicture(int pictureAlign, int captionAlign = CaptionCenter) {
    Input in = Base(W, H, TW, TH);
    in.hasPicture = true;
    in.pictureSize = Pic16;
    in.pictureAlign = pictureAlign;
    in.captionAlign = captionAlign;
    return in;
}

void ExpectAt(const Result& r, int px, int py, int tx, int ty) {
    EXPECT_EQ(r.px, px);
    EXPECT_EQ(r.py, py);
    EXPECT_EQ(r.tx, tx);
    EXPECT_EQ(r.ty, ty);
}

} // namespace

TEST(CaptionLayoutTable, EveryPictureAlignWithCentredCaption) {
    const int midY = (H - PH) / 2, capY = H / 2 - TH / 2;
    ExpectAt(LayOut(WithPicture(0)), 4, midY, std::max(W / 2 - TW / 2 + PW / 2, PW + 8), capY);
    ExpectAt(LayOut(WithPicture(1)), std::max((W - PW - TW) / 2, 4), midY,
             std::max(W / 2 - TW / 2 + PW / 2 + 3, PW + 8), capY);
    // PicRightEdge with a centred caption re-centres it.
    ExpectAt(LayOut(WithPicture(2)), W - PW - 4, midY, W / 2 - TW / 2, capY);
    ExpectAt(LayOut(WithPicture(3)), std::min((W - PW + TW) / 2, W - PW - 4), midY,
             W / 2 - TW / 2 - PW / 2 - 3, capY);
    ExpectAt(LayOut(WithPicture(4)), (W - PW) / 2, midY, W / 2 - TW / 2, capY);
    ExpectAt(LayOut(WithPicture(5)), (W - PW) / 2, 4, W / 2 - TW / 2, H / 2 + PH / 2 - TH / 2 + 2);
    ExpectAt(LayOut(WithPicture(6)), (W - PW) / 2, std::max((H - TH - PH) / 2, 4), W / 2 - TW / 2,
             H / 2 + PH / 2 - TH / 2 + 2);
    ExpectAt(LayOut(WithPicture(7)), (W - PW) / 2, H - PH - 4, W / 2 - TW / 2,
             H / 2 - PH / 2 - TH / 2 - 2);
    ExpectAt(LayOut(WithPicture(8)), (W - PW) / 2, std::min((H - PH + TH) / 2, H - PH - 4),
             W / 2 - TW / 2, H / 2 - PH / 2 - TH / 2 - 2);
}

TEST(CaptionLayoutTable, PictureAlign9PutsPictureAt1And1) {
    ExpectAt(LayOut(WithPicture(9)), 1, 1, 0, 0);
    ExpectAt(LayOut(WithPicture(9, CaptionLeft)), 1, 1, 4, 0);
    ExpectAt(LayOut(WithPicture(9, CaptionRight)), 1, 1, W - TW - 4, 0);
}

TEST(CaptionLayoutTable, RightOfCaptionFallsBackWhenTheCaptionWouldStartLeftOfZero) {
    Input in = WithPicture(3);
    in.width = 40;
    in.textWidth = 36;
    // 20 - 18 - 8 - 3 < 0, so W - tw - 4 - pw.
    EXPECT_EQ(LayOut(in).tx, 40 - 36 - 4 - PW);
}

TEST(CaptionLayoutTable, CaptionLeftWithPicture) {
    ExpectAt(LayOut(WithPicture(0, CaptionLeft)), 4, (H - PH) / 2, PW + 8, H / 2 - TH / 2);
    ExpectAt(LayOut(WithPicture(1, CaptionLeft)), 4, (H - PH) / 2, PW + 8, H / 2 - TH / 2);
    EXPECT_EQ(LayOut(WithPicture(2, CaptionLeft)).tx, 4);
    const Result r3 = LayOut(WithPicture(3, CaptionLeft));
    EXPECT_EQ(r3.tx, 4);
    EXPECT_EQ(r3.px, TW + 4);
    EXPECT_EQ(LayOut(WithPicture(5, CaptionLeft)).tx, 4);
}

TEST(CaptionLayoutTable, CaptionTooWideForPicRightEdgeAndCaptionLeft) {
    Input in = WithPicture(2, CaptionLeft);
    in.width = 60;
    in.textWidth = 40; // W - tw - 4 - pw = 0, below 4
    EXPECT_EQ(LayOut(in).tx, 60 - 40 - 4 - PW);
}

TEST(CaptionLayoutTable, CaptionRightWithPicture) {
    EXPECT_EQ(LayOut(WithPicture(0, CaptionRight)).tx, std::max(W - TW - 4, PW + 4));
    const Result r1 = LayOut(WithPicture(1, CaptionRight));
    EXPECT_EQ(r1.tx, W - TW - 4);
    EXPECT_EQ(r1.px, W - TW - 4 - PW - 4);
    EXPECT_EQ(LayOut(WithPicture(2, CaptionRight)).tx, W - TW - 4 - PW);
    const Result r3 = LayOut(WithPicture(3, CaptionRight));
    EXPECT_EQ(r3.px, W - PW - 4);
    EXPECT_EQ(r3.tx, W - TW - 4 - PW);
    EXPECT_EQ(LayOut(WithPicture(6, CaptionRight)).tx, W - TW - 4);
}

TEST(CaptionLayoutBox, PictureSizeCodesSetTheBox) {
    Input in = WithPicture(4);
    in.ownWidth = 20;
    in.ownHeight = 10;
    int pw = 0, ph = 0;
    for (auto [code, w, h] : {std::tuple{0, 20, 10}, {1, 16, 16}, {2, 24, 24}, {3, 32, 32}}) {
        in.pictureSize = code;
        Compute(in, pw, ph);
        EXPECT_EQ(pw, w) << code;
        EXPECT_EQ(ph, h) << code;
    }
    in.pictureSize = 7; // keeps the last box
    Compute(in, pw, ph);
    EXPECT_EQ(pw, 32);
}

TEST(CaptionLayoutBox, FortyPixelPictureOn25PixelButtonShrinksTo21) {
    Input in = WithPicture(1);
    in.width = 75;
    in.height = 25;
    in.pictureSize = PicOwnSize;
    in.ownWidth = 16;
    in.ownHeight = 40;
    int pw = 0, ph = 0;
    const Result r = Compute(in, pw, ph);
    EXPECT_EQ(ph, 21);
    EXPECT_EQ(pw, 16);
    // The position computed with 40 stays: (25 - 40) / 2 = -7, raised to 1.
    EXPECT_EQ(r.py, 1);
}

TEST(CaptionLayoutBox, ShrunkenBoxIsKeptForLaterCodesOutsideTheTable) {
    Input in = WithPicture(0);
    in.width = 30;
    in.pictureSize = Pic32; // 4 + 32 > 30
    int pw = 0, ph = 0;
    Compute(in, pw, ph);
    EXPECT_EQ(pw, 30 - 8);
    in.pictureSize = 5;
    Compute(in, pw, ph);
    EXPECT_EQ(pw, 30 - 8);
    in.pictureSize = Pic16;
    Compute(in, pw, ph);
    EXPECT_EQ(pw, 16);
}

TEST(CaptionLayoutPress, PictureOffsetsByStyleAndState) {
    Input in = WithPicture(4);
    const Result normal = LayOut(in);
    for (int style : {0, 1, 3, 8}) {
        in.style = style;
        in.state = 2;
        const Result down = LayOut(in);
        EXPECT_EQ(down.px, normal.px + 1) << style;
        EXPECT_EQ(down.py, normal.py + 1) << style;
    }
    in.style = 5;
    in.state = 2;
    EXPECT_EQ(LayOut(in).px, normal.px + 2);
    in.state = 1;
    EXPECT_EQ(LayOut(in).px, normal.px - 1);
    EXPECT_EQ(LayOut(in).py, normal.py - 1);
    in.style = 4;
    in.state = 2;
    EXPECT_EQ(LayOut(in).px, normal.px); // Glass does not move its picture
}

TEST(CaptionLayoutPress, CaptionRectanglesByStyleAndState) {
    Input in = Base(75, 25, 26, 14);
    const int tx = 37 - 13, ty = 12 - 7;
    in.style = 5;
    in.state = 2;
    EXPECT_EQ(LayOut(in).textRect, (PixelRect{tx + 1, ty + 2, tx + 27, ty + 15}));
    in.state = 0;
    Result r = LayOut(in);
    EXPECT_EQ(r.textRect, (PixelRect{tx - 2, ty - 2, tx + 24, ty + 12}));
    EXPECT_FALSE(r.captionRect.has_value());
    in.style = 14;
    for (int state : {0, 2}) {
        in.state = state;
        r = LayOut(in);
        EXPECT_EQ(r.textRect, (PixelRect{tx, ty - 1, tx + 26, ty + 13}));
        EXPECT_FALSE(r.captionRect.has_value());
    }
    in.style = 4;
    in.state = 2;
    r = LayOut(in);
    EXPECT_EQ(r.textRect, (PixelRect{tx, ty, tx + 26, ty + 14}));
    EXPECT_FALSE(r.captionRect.has_value());
    in.state = 1;
    EXPECT_EQ(LayOut(in).captionRect, (PixelRect{tx - 2, ty, tx + 27, ty + 15}));
}
