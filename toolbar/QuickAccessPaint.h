#pragma once
// The quick access toolbar's geometry and its three looks, as free routines over values
// (no window): the frame, content and overflow-button rectangles, the full-size strip,
// the capsule of the caption off glass and the frame drawn on glass. All rectangles are
// in the strip's client coordinates.
#include <windows.h>

#include "framework/Types.h"

namespace orv {

class TCanvas;
class TGPGraphics;
class TQATAppearance;

// The narrowest a quick access toolbar gets.
constexpr int kQuickAccessMinWidth = 60;

struct TQuickAccessGeometry {
    TRect Client;
    bool FullSize = false;
    // The process-wide scenic flag.
    bool Scenic = false;
    // Width of the customize and overflow buttons and the gap kept left of them.
    int ButtonWidth = 14;
    int ButtonGap = 2;
};

// The client rectangle; in the caption with the scenic flag one pixel wider on both
// sides and one lower at the top, without it narrowed by the button width and gap and 3
// pixels lower at the top.
TRect QuickAccessFrameRect(const TQuickAccessGeometry& g);
// Where the controls go: the frame with Left 4 (full size) or half the height + 2,
// Right 4 (full size) or 12 in, and Bottom one up.
TRect QuickAccessContentRect(const TQuickAccessGeometry& g);
// The overflow button's place at the right end (10 pixels further in with the scenic flag).
TRect QuickAccessOverflowButtonRect(const TQuickAccessGeometry& g);

// The colours of the capsule's highlights come from the pager caption.
struct TQuickAccessCapsuleColors {
    TColor Color = clWhite;
    TColor ColorTo = 0xC0C0C0;
    TColor BorderColor = 0x808080;
    TColor CaptionColor = clWhite;
    TColor CaptionColorMirror = clWhite;
    // The styler's sharp curve: the concave left end one pixel wider.
    bool SharpCurve = false;
};

// The full-size strip over client: a gradient with an outer frame and an inner
// highlight, or a plain bordered rectangle when FullSizeColorTo is clNone.
void DrawQuickAccessFullSize(TCanvas& canvas, const TRect& client, const TQATAppearance& q, bool scenic);
// The caption look off glass without the scenic flag, drawn into dc, which already holds
// the parent's image behind the strip (client size width x height): the gradient capsule
// with a rounded right end and a concave left end that hugs the application button, its
// outline only at the two ends, and the top and bottom highlights.
void DrawQuickAccessCapsule(HDC dc, int width, int height, const TRect& frame, const TQuickAccessCapsuleColors& c);
// The frame on glass over frame: the two scenic separators, or the grey outline of the
// capsule without the scenic flag.
void DrawQuickAccessGlassFrame(TGPGraphics& g, const TRect& frame, bool scenic);

}  // namespace orv
