#pragma once

#include <cstdint>
#include <optional>

class DrawSurface;
struct ButtonFace;

// The painters of the button styles: plain functions over the drawing
// surface, chosen by the face's style. Each paints the face's state from
// scratch over the cleared surface; the caption and picture come after.
namespace StylePainters {

// Runs the painter of the face's style; a style without one leaves the
// cleared surface. Returns the caption colour a style chooses for itself.
std::optional<std::uint32_t> Paint(DrawSurface& surface, const ButtonFace& face);

// Styles 0, 1, 11 and 12 (Standard, ThinEdge, HotEdge, HotThinEdge): a
// face with the platform's 3-D edges, shown always or only under the pointer.
void PaintEdged(DrawSurface& surface, const ButtonFace& face);
// Style 2, RoundedRing: a shaded face, an orange ring when hot and a blue
// one when focused.
void PaintRoundedRing(DrawSurface& surface, const ButtonFace& face);
// Style 3, RoundedFlat: a flat face, a pale gradient when hot and grey when
// down; it chooses its own caption colour.
std::uint32_t PaintRoundedFlat(DrawSurface& surface, const ButtonFace& face);
// Style 5, DropShadow: a face with a three-step grey shadow, moved 3 pixels
// when down.
void PaintDropShadow(DrawSurface& surface, const ButtonFace& face);
// Style 4, Glass: a two-tone face with gradient side strips, blue when hot
// and down.
void PaintGlass(DrawSurface& surface, const ButtonFace& face);

// Styles 6 to 10, 13 and 15: SoftGradient, Band, FlatHover, Toolbar,
// GlossStrip, OrangeHover and SideShade.
void PaintSoftGradient(DrawSurface& surface, const ButtonFace& face);
void PaintBand(DrawSurface& surface, const ButtonFace& face);
void PaintFlatHover(DrawSurface& surface, const ButtonFace& face);
void PaintToolbar(DrawSurface& surface, const ButtonFace& face);
void PaintGlossStrip(DrawSurface& surface, const ButtonFace& face);
void PaintOrangeHover(DrawSurface& surface, const ButtonFace& face);
void PaintSideShade(DrawSurface& surface, const ButtonFace& face);

// Style 14, Template: one of three fixed pixel templates of a glossy pill,
// grey, light blue (hot, focused or default) and darker blue (down).
void PaintTemplate(DrawSurface& surface, const ButtonFace& face);

// Sets the four pixels one in from each corner, which soften the corners of
// a rounded shape.
void DrawCornerDots(DrawSurface& surface, unsigned colour);

// #RRGGBB written red first, as the colour value 0x00BBGGRR.
constexpr unsigned Rgb(unsigned rrggbb) {
    return ((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF);
}

} // namespace StylePainters
