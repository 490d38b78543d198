#pragma once
// Drawing helpers and small types of the styled menus: the one-pixel-line
// gradient that can span a whole menu while painting one item's slice of it,
// separator bands, picture placement, and shortcut texts in the keyboard's own
// key names.
#include <string>

#include "framework/Canvas.h"
#include "framework/Menus.h"
#include "framework/SysUtils.h"

namespace orv::menus {

// A colour of an appearance record read or written by an index outside its
// group.
class EInvalidPropertyIndex : public Exception {
public:
    explicit EInvalidPropertyIndex(int index);
};

// The menus' own direction type (its order differs from the toolbar family's).
enum TGradientDirection { gdVertical, gdHorizontal };
enum TGradientType { gtLeft, gtRight, gtBoth };

// Colour of line i of n from c1 to c2: each channel c1 + (c2 - c1) * i / n,
// truncated.
TColor GradientLineColor(TColor c1, TColor c2, int i, int n);

// A gradient over span in one-pixel lines (gdVertical: one row per line),
// painting only the part inside clip, with the colours computed from the whole
// span. Equal colours or a clNone end paint a solid fill in c1; a span of no
// extent (in the gradient's direction) fills the whole clip in c1. A clNone c1
// paints nothing.
void DrawSpanGradient(TCanvas& canvas, TColor c1, TColor c2, TGradientDirection direction, const TRect& span,
                      const TRect& clip);
inline void DrawSpanGradient(TCanvas& canvas, TColor c1, TColor c2, TGradientDirection direction, const TRect& rect) {
    DrawSpanGradient(canvas, c1, c2, direction, rect, rect);
}

// A separator band inside rect (its long side along the rect), inset by margin
// at both ends: solid in colorTo over the middle, fading from color at the
// chosen end over gradientWidth pixels (gtBoth: half that at each end). Without
// colorTo or gradientWidth a plain band in color. vertical: the band runs top
// to bottom.
void DrawSeparatorBand(TCanvas& canvas, const TRect& rect, int margin, int gradientWidth, TGradientType type,
                       TColor color, TColor colorTo, bool vertical);

enum TBackgroundPosition {
    bpTopLeft,
    bpTopRight,
    bpBottomLeft,
    bpBottomRight,
    bpTopCenter,
    bpBottomCenter,
    bpTiled,
    bpStretched,
    bpCenter,
    bpXY
};
// Top-left corner of a picture placed in area (tiled and stretched start at the
// area's top-left; bpXY at the offsets).
TPoint BackgroundPicturePosition(TBackgroundPosition position, const TRect& area, int offsetX, int offsetY,
                                 int pictureWidth, int pictureHeight);

// Shortcut text in the keyboard layout's key names: modifiers as alt, control,
// shift in front of the key, each followed by "+"; F1..F24 spelled out.
std::wstring IntlShortCutText(TShortCut shortCut);
// The text a menu item shows for its shortcut.
std::wstring MenuShortCutText(TShortCut shortCut, bool intlKeybShortCuts);
// A key name as the keyboard layout gives it, first letter kept, the rest in
// lower case, the letter after "(" in upper case.
std::wstring KeyboardKeyName(uint16_t virtualKey);

}  // namespace orv::menus
