#pragma once
// Painting routines of the application button (the shape button) that other
// components share: the classic rectangle face (only the top-right corner rounded,
// glass halves, inner highlight, fading side strips) and the small menu glyph. Both
// draw on a GDI+ surface the caller made; they keep nothing.
#include "framework/Types.h"

namespace orv {

class TGPGraphics;

struct TShapeButtonColors {
    TColor BorderColor = clNone;
    TColor InnerBorderColor = clNone;
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor ColorMirror = clNone;
    TColor ColorMirrorTo = clNone;
};

// The classic rectangle face on (x, y, width, height); radius rounds the top-right corner
// (0 draws all corners square).
void DrawShapeButtonClassicRect(TGPGraphics& graphics, float x, float y, float width, float height,
                                const TShapeButtonColors& colors, float radius = 3);

// The 28 x 12 menu glyph centred in (x, y, width, height), in color.
void DrawShapeButtonMenuGlyph(TGPGraphics& graphics, float x, float y, float width, float height, TColor color);

}  // namespace orv
