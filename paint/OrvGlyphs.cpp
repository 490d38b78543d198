#include "paint/OrvGlyphs.h"

namespace orv {

namespace {

struct TGlyphPixel {
    int Dx, Dy;
};

// The down-pointing arrow; the right-pointing one swaps the offsets.
constexpr TGlyphPixel kArrowBody[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {1, 1}, {2, 1}, {3, 1}, {2, 2}};
constexpr TGlyphPixel kArrowHighlight[] = {{0, 1}, {4, 1}, {1, 2}, {3, 2}, {2, 3}};

template <size_t N>
void SetPixels(TCanvas& canvas, TPoint origin, const TGlyphPixel (&pixels)[N], TColor color, bool transpose) {
    for (const TGlyphPixel& p : pixels) {
        int dx = transpose ? p.Dy : p.Dx, dy = transpose ? p.Dx : p.Dy;
        canvas.SetPixel(origin.X + dx, origin.Y + dy, color);
    }
}

}  // namespace

void DrawDropDownArrow(TCanvas& canvas, TPoint origin, TColor color, TColor highlightColor, bool pointsDown) {
    SetPixels(canvas, origin, kArrowBody, color, !pointsDown);
    SetPixels(canvas, origin, kArrowHighlight, highlightColor, !pointsDown);
    canvas.Pen().SetColor(color);
}

void DrawSmallArrow(TCanvas& canvas, TPoint origin, TColor color) {
    SetPixels(canvas, origin, kArrowBody, color, false);
}

}  // namespace orv
