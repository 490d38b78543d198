#pragma once
// Small arrow glyphs set pixel by pixel on the classic canvas; (origin) is the glyph's
// top-left pixel.
#include "framework/Canvas.h"

namespace orv {

// A 5-pixel triangle with a one-pixel embossed edge in highlightColor, pointing down or
// (mirrored in the diagonal) right. The canvas pen is left at color.
void DrawDropDownArrow(TCanvas& canvas, TPoint origin, TColor color, TColor highlightColor, bool pointsDown);
// A solid down-pointing 5-pixel triangle without highlight.
void DrawSmallArrow(TCanvas& canvas, TPoint origin, TColor color);

}  // namespace orv
