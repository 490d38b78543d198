#pragma once
// Painting routines of the application button (the shape button), also used by the
// application menu: the classic rectangle face (only the top-right corner rounded, glass
// halves, inner highlight, fading side strips), the Office 2010 rectangle, the orb and
// the small menu glyph. All draw on a GDI+ surface the caller made; they keep nothing.
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

// The Office 2010 rectangle on (x, y, width, height): both top corners rounded, the fill
// in thirds (Color to ColorTo, ColorTo, ColorTo to Color), inner and outer outline and a
// white bottom glow of glowAlpha (60 normal and disabled, 110 hot, 0 down).
void DrawShapeButtonOffice2010Rect(TGPGraphics& graphics, float x, float y, float width, float height,
                                   const TShapeButtonColors& colors, int glowAlpha);

// The round orb on (x, y, width, height): translucent rim, gradient body, two highlight
// ellipses, the shine and an inner outline.
void DrawShapeButtonOrb(TGPGraphics& graphics, float x, float y, float width, float height,
                        const TShapeButtonColors& colors);

// The 28 x 12 menu glyph centred in (x, y, width, height), in color.
void DrawShapeButtonMenuGlyph(TGPGraphics& graphics, float x, float y, float width, float height, TColor color);

}  // namespace orv
