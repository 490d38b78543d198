#pragma once
// Pictures and image-list images on GDI+, with the colour keys the component families
// expect. A missing picture, list, surface or canvas draws nothing.
#include "framework/Canvas.h"

namespace orv {

class TGPGraphics;
class TImageList;
class TCustomGDIPPicture;

// The image drawn from the list (with its enabled look) in its natural size; the
// colour of its bottom-left pixel is transparent. Index -1 draws nothing.
void DrawImageListImage(TGPGraphics* graphics, TPoint origin, TImageList* imageList, int imageIndex, bool enabled);
// Toolbar-family form: with no surface, an anti-aliased one is made for the canvas.
void DrawImageListImage(TGPGraphics* graphics, TCanvas* canvas, TPoint origin, TImageList* imageList, int imageIndex,
                        bool enabled);

// The list's image drawn disabled (greyed, as TImageList::Draw draws it) at (x, y) of dc,
// from a face kept in the shared face cache per list, version and index: the grey image
// is made once, then blended by its alpha. Nothing for an index out of range.
void DrawImageListDisabled(HDC dc, TImageList& imageList, int x, int y, int imageIndex);

// Natural (pixel) size, whatever resolution the picture is tagged with. A bitmap picture
// (told by its data's own header, never by the decoder's report) is keyed by its
// bottom-left pixel; other kinds (PNG, JPEG, GIF, icons) use their own transparency.
void DrawPictureAt(TGPGraphics* graphics, TPoint origin, TCustomGDIPPicture* picture);
// A bitmap picture of either picture class goes through a classic bitmap (automatic
// transparency) stretched into rect on the canvas; other kinds are scaled into rect on the
// surface.
void DrawPictureStretched(TGPGraphics* graphics, TCanvas* canvas, const TRect& rect, TCustomGDIPPicture* picture);
// Toolbar family: with transparent set and a kind other than PNG the top-left pixel is
// the key; drawn in natural (pixel) size. Makes its own anti-aliased surface when only a
// canvas is given.
void DrawGraphicAt(TGPGraphics* graphics, TCanvas* canvas, TPoint origin, TCustomGDIPPicture* graphic,
                   bool transparent);

}  // namespace orv
