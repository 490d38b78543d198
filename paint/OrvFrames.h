#pragma once
// Outlines drawn on the caller's GDI+ surface (the caller sets anti-aliasing). Boxes
// are (x, y, w, h) with the far edges at x + w and y + h inclusive; unless a pen is
// passed, the outline is a 1-pixel pen of the colour.
#include "framework/Types.h"

namespace orv {

class TGPGraphics;
class TGPPen;

// The rounded path when radius is not 0, else a plain rectangle.
void DrawRoundRectFrame(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int radius);
// The rounded path with a dotted pen (focus rectangles).
void DrawDottedRoundRectFrame(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int radius);
void AddRoundRectOutline(TGPGraphics& graphics, const TGPPen& pen, int x, int y, int w, int h, int radius);
void AddRectOutline(TGPGraphics& graphics, const TGPPen& pen, int x, int y, int w, int h);

// Frames of buttons in a group: the first (rounded on the left), middle and last
// (rounded on the right), with separators between them. The glow button's frames
// shorten their right separator by 2 pixels at each end in scenic ribbon mode
// (followScenicMode); the toolbar family's frames always draw it full height.
void DrawGroupFrameLeft(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int radius,
                        bool followScenicMode = true);
void DrawGroupFrameMiddle(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int radius, bool emphasized,
                          bool followScenicMode = true);
void DrawGroupFrameRight(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int radius, bool emphasized);

}  // namespace orv
