#include "ButtonFace.h"

#include "CaptionLayout.h"
#include "StylePainters.h"
#include "SystemColors.h"
#include "Twips.h"

ButtonFace::Layout ButtonFace::DrawInto(DrawSurface& surface) const {
    using namespace CaptionLayout;
    surface.Resize(width, height);
    surface.Clear();
    // Styles without a painter show the cleared surface under the caption.
    const std::uint32_t cleared = surface.BackgroundColor();
    std::optional<std::uint32_t> chosenFore = StylePainters::Paint(surface, *this);
    if (surface.BackgroundColor() != cleared) {
        // The style paints on the window's own colour, which it has only now
        // set; the gaps it leaves must show that colour from this drawing on.
        surface.Clear();
        chosenFore = StylePainters::Paint(surface, *this);
    }

    Layout out{pictureWidth, pictureHeight, std::nullopt, chosenFore};
    const QSize text = surface.MeasureText(caption);
    Input in;
    in.width = surface.Width();
    in.height = surface.Height();
    in.textWidth = text.width();
    in.textHeight = text.height();
    in.hasAccessKey = hasAccessKey;
    in.hasPicture = picture != nullptr;
    if (picture) {
        in.ownWidth = Twips::HimetricToPixels(picture->HimetricWidth());
        in.ownHeight = Twips::HimetricToPixels(picture->HimetricHeight());
    }
    in.pictureSize = pictureSize;
    in.pictureAlign = pictureAlign;
    in.captionAlign = captionAlign;
    in.style = style;
    in.state = state;
    const Result r = Compute(in, out.pictureWidth, out.pictureHeight);
    out.captionRect = r.captionRect;

    if (picture && picture->IsDrawable()) {
        // The hover picture counts only when it is of the same kind.
        const StylePicture& hover =
            pictureHover && pictureHover->kind() == picture->kind() ? *pictureHover : *picture;
        const bool active = state == 1 || state == 2; // hot or down
        const int w = out.pictureWidth, h = out.pictureHeight;
        if (!enabled) {
            surface.DrawDisabledPicture(*picture, r.px, r.py, w, h);
        } else if (picture->kind() == StylePicture::Kind::Bitmap) {
            const StylePicture& shown = checked || active ? hover : *picture;
            surface.DrawBitmap(shown, r.px, r.py, w, h, useMaskColor, maskColor);
        } else {
            surface.DrawIcon(active ? hover : *picture, r.px, r.py, w, h);
            if (checked)
                surface.DrawIcon(hover, r.px, r.py, w, h);
        }
    }

    const std::uint32_t colour = std::uint32_t(SystemColors::TranslateColor(
        enabled ? chosenFore.value_or(foreColor) : SystemColors::System(SystemColors::kGrayText)));
    surface.DrawText(caption, r.textRect, colour);
    return out;
}
