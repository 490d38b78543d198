#pragma once
// Colour-keyed glyphs drawn smaller or larger than their pixels. A classic transparent
// stretch mixes the key colour into the glyph's edge (a fringe in the key's hue); here the
// key becomes transparency first and the scaling averages premultiplied pixels, so only
// the glyph's own colours reach its edge.
#include "framework/Bitmap.h"

namespace orv {

class TImageList;
class TCustomGDIPPicture;

// source with every pixel of colour key transparent, scaled into rect of the canvas.
void DrawKeyedScaled(TCanvas& canvas, const TRect& rect, TBitmap& source, TColor key);

// The list's image as the list draws it (greyed when not enabled) on a magenta ground,
// whose bottom-left pixel is then the key. False for a missing list or index.
bool ListImageBitmap(TImageList* list, int index, bool enabled, TBitmap& out);
// A bitmap-kind picture's pixels in its natural size (an image with an alpha channel
// would lose it). False when it does not decode.
bool PictureBitmap(const TCustomGDIPPicture& picture, TBitmap& out);

// The bottom-left pixel's colour, the key of list images and bitmap pictures.
TColor BottomLeftColor(const TBitmap& bitmap);

}  // namespace orv
