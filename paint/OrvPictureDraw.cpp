#include "paint/OrvPictureDraw.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <tuple>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"

namespace orv {

namespace {

// Natural size at origin, the colour of pixel (keyX, keyY) transparent.
void DrawKeyed(TGPGraphics& graphics, TGPImage& image, TPoint origin, int keyX, int keyY) {
    int w = image.GetWidth(), h = image.GetHeight();
    ARGB key = 0;
    image.GetPixel(keyX, keyY, key);
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key);
    graphics.DrawImage(image,
                       MakeRect(static_cast<float>(origin.X), static_cast<float>(origin.Y), static_cast<float>(w),
                                static_cast<float>(h)),
                       0, 0, static_cast<float>(w), static_cast<float>(h), UnitPixel, &attributes);
}

// Natural size is the pixel size: drawing at a point would scale by the image's stored
// resolution (a 10 x 10 picture tagged 72 dpi would cover 13 x 13 pixels).
void DrawNatural(TGPGraphics& graphics, TGPImage& image, TPoint origin) {
    graphics.DrawImageRect(image, origin.X, origin.Y, image.GetWidth(), image.GetHeight());
}

// The caller's surface, or one made for the canvas (anti-aliased) for this call only.
class TSurfaceFor {
public:
    TSurfaceFor(TGPGraphics* graphics, TCanvas* canvas) : FGraphics(graphics) {
        if (!FGraphics && canvas && canvas->Handle()) {
            FOwn.emplace(canvas->Handle());
            FOwn->SetSmoothingMode(SmoothingModeAntiAlias);
            FGraphics = &*FOwn;
        }
    }
    TGPGraphics* Get() const { return FGraphics; }

private:
    std::optional<TGPGraphics> FOwn;
    TGPGraphics* FGraphics;
};

}  // namespace

void DrawImageListImage(TGPGraphics* graphics, TPoint origin, TImageList* imageList, int imageIndex, bool enabled) {
    if (!graphics || !imageList || imageIndex < 0 || imageIndex >= imageList->Count()) return;
    TBitmap offscreen(imageList->GetWidth(), imageList->GetHeight());
    // Magenta behind the image: the bottom-left key then never eats a black glyph.
    offscreen.Canvas().Brush().SetColor(clFuchsia);
    offscreen.Canvas().FillRect({0, 0, offscreen.Width(), offscreen.Height()});
    imageList->Draw(offscreen.Canvas(), 0, 0, imageIndex, enabled);
    const std::vector<uint8_t> bytes = BmpFileBytes(offscreen);
    auto decoded = DecodeImage(bytes.data(), bytes.size());
    if (decoded) DrawKeyed(*graphics, decoded->Image, origin, 0, offscreen.Height() - 1);
}

void DrawImageListImage(TGPGraphics* graphics, TCanvas* canvas, TPoint origin, TImageList* imageList, int imageIndex,
                        bool enabled) {
    if (!imageList || imageIndex < 0) return;
    TSurfaceFor surface(graphics, canvas);
    DrawImageListImage(surface.Get(), origin, imageList, imageIndex, enabled);
}

namespace {

// The greyed image of one list entry.
struct TGreyedImageFace {
    const void* List = nullptr;
    uint64_t Version = 0;
    int Index = 0;
    int Width = 0, Height = 0;
    auto Tie() const { return std::tie(List, Version, Index, Width, Height); }
};

// The pixels of the DIB section dc paints on: magenta made transparent, the rest opaque.
void KeyOutMagenta(HDC dc, int w, int h) {
    GdiFlush();
    DIBSECTION dib{};
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    if (!bitmap || GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib) || !dib.dsBm.bmBits) return;
    if (dib.dsBm.bmBitsPixel != 32 || dib.dsBm.bmWidth != w || std::abs(dib.dsBm.bmHeight) != h) return;
    auto* bits = static_cast<uint32_t*>(dib.dsBm.bmBits);
    for (std::size_t i = 0, n = static_cast<std::size_t>(w) * h; i < n; ++i)
        bits[i] = (bits[i] & 0xFFFFFFu) == 0xFF00FFu ? 0u : 0xFF000000u | bits[i];
}

}  // namespace

void DrawImageListDisabled(HDC dc, TImageList& list, int x, int y, int index) {
    if (!dc || index < 0 || index >= list.Count()) return;
    const int w = list.GetWidth(), h = list.GetHeight();
    auto face = SharedFaceCache().Get(TGreyedImageFace{&list, list.Version(), index, w, h}, w, h,
                                      [&list, index, w, h](TFace&, HDC faceDC) {
                                          // Over magenta, which no grey equals: what stays magenta
                                          // is left out, the rest is opaque.
                                          TCanvas canvas;
                                          canvas.SetHandle(faceDC);
                                          canvas.Brush().SetColor(clFuchsia);
                                          canvas.FillRect({0, 0, w, h});
                                          list.Draw(canvas, 0, 0, index, false);
                                          canvas.SetHandle(nullptr);
                                          KeyOutMagenta(faceDC, w, h);
                                      });
    if (face && !face->Empty()) {
        face->AlphaBlit(dc, x, y);
        return;
    }
    TCanvas canvas;  // no face to be had (the handles ran out): greyed now
    canvas.SetHandle(dc);
    list.Draw(canvas, x, y, index, false);
    canvas.SetHandle(nullptr);
}

void DrawPictureAt(TGPGraphics* graphics, TPoint origin, TCustomGDIPPicture* picture) {
    if (!graphics || !picture || picture->Empty()) return;
    auto decoded = picture->Decode();
    if (!decoded) return;
    TGPImage& image = decoded->Image;
    if (picture->Kind() == ikBmp)
        DrawKeyed(*graphics, image, origin, 0, image.GetHeight() - 1);
    else
        DrawNatural(*graphics, image, origin);
}

void DrawPictureStretched(TGPGraphics* graphics, TCanvas* canvas, const TRect& rect, TCustomGDIPPicture* picture) {
    if (!picture || picture->Empty()) return;
    if (picture->Kind() == ikBmp) {
        // Through a classic bitmap with automatic transparency, stretched, whichever
        // picture class holds it.
        if (canvas) picture->DrawBitmapKind(*canvas, rect, true);
        return;
    }
    if (!graphics) return;
    if (auto decoded = picture->Decode())
        graphics->DrawImageRect(decoded->Image, rect.Left, rect.Top, rect.Width(), rect.Height());
}

void DrawGraphicAt(TGPGraphics* graphics, TCanvas* canvas, TPoint origin, TCustomGDIPPicture* graphic,
                   bool transparent) {
    if (!graphic || graphic->Empty()) return;
    TSurfaceFor surface(graphics, canvas);
    if (!surface.Get()) return;
    auto decoded = graphic->Decode();
    if (!decoded) return;
    if (transparent && graphic->Kind() != ikPng)
        DrawKeyed(*surface.Get(), decoded->Image, origin, 0, 0);
    else
        DrawNatural(*surface.Get(), decoded->Image, origin);
}

}  // namespace orv
