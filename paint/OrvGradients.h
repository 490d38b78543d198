#pragma once
// Gradient fills: the stepped band gradient on the classic device context (with the
// variants the component families use), the two-part vista gradient built on it, and
// the GDI+ fills (glow halves, mirrored gradient, alpha gradient).
#include <windows.h>

#include "framework/Canvas.h"
#include "framework/Types.h"

namespace orv {

class TGPGraphics;

enum TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };
// Direction of the toolbar family (the styled menus have their own, opposite type).
enum TGradientDirection { gdHorizontal, gdVertical };

enum TGradientVariant {
    gvPlain,
    // Right (horizontal) or Bottom (vertical) one pixel in, so the bands end inside.
    gvInsetFarEdge,
    // Vertical bands of a one-pixel-wide rectangle are drawn as pen lines.
    gvThinVertical,
};

// Steps bands from fromColor towards toColor (band 0 is fromColor, the last one stops
// a step short of toColor); horizontal changes colour left to right. Bands overlap by a
// pixel and the last may reach one pixel past the far edge (gvPlain). The canvas pen
// and brush are left at the last band's colour.
void DrawGradient(TCanvas& canvas, TColor fromColor, TColor toColor, int steps, const TRect& rect, bool horizontal,
                  TGradientVariant variant = gvPlain);

// Upper part to Top + splitOffset, lower part below (the lower owns the seam row), both
// 40-step inset gradients; then an anti-aliased border unless borderColor is clNone.
void DrawVistaGradient(TCanvas& canvas, const TRect& rect, int splitOffset, TColor topFromColor, TColor topToColor,
                       TColor bottomFromColor, TColor bottomToColor, TColor borderColor, int cornerRadius);

// One half of a glow fill on the caller's surface. The rectangle's Right and Bottom
// are used as the fill's width and height (callers pass the control's own
// coordinates), so the fill runs to the control's far edges.
void DrawGDIPGradient(TGPGraphics& graphics, const TRect& rect, TColor colorA, TColor colorB, TGDIPGradient gradient,
                      bool upperPart);

// The toolbar family's mirrored gradient: upper half color -> colorTo, lower half
// colorMirror -> colorMirrorTo, optional (rounded) border. One GDI+ surface per call.
// The canvas brush is left clear.
void DrawMirroredGradient(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo, TColor colorMirror,
                          TColor colorMirrorTo, TColor borderColor, TGDIPGradient gradient,
                          TGDIPGradient gradientMirror, bool rounded);

// Vertical translucent gradient on a surface made for dc.
void DrawAlphaGradient(HDC dc, const TRect& rect, TColor topColor, TColor bottomColor, uint8_t topAlpha,
                       uint8_t bottomAlpha);
void DrawAlphaGradient(HDC dc, const TRect& rect, TColor color, uint8_t topAlpha, uint8_t bottomAlpha);

}  // namespace orv
