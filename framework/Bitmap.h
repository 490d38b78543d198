#pragma once
// TBitmap: a 32-bit top-down DIB section with its own canvas (a memory DC that keeps
// the bitmap selected while the canvas is in use).
#include <cstdint>
#include <memory>

#include "framework/Canvas.h"

namespace orv {

class TBitmap;

class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : FBitmap(bitmap) {}
    ~TBitmapCanvas() override { FreeHandle(); }
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    TBitmap& FBitmap;
    TGdiMemoryDC FDC;
    HGDIOBJ FOldBitmap = nullptr;
};

class TBitmap : public TGraphic {
public:
    ORV_CLASS_NAME(TBitmap)
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    void Assign(const TPersistent* source) override;
    void Draw(TCanvas& canvas, const TRect& rect) override;
    bool Empty() const override { return FWidth == 0 || FHeight == 0; }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetSize(int width, int height);

    TCanvas& Canvas();
    HBITMAP Handle() const { return FHandle.Get(); }
    // Row y of 0x00RRGGBB / 0xAARRGGBB pixels (top-down), or null when empty.
    uint32_t* ScanLine(int y);
    // Pixel as a TColor (0x00BBGGRR), read straight from memory.
    TColor PixelColor(int x, int y) const;

    // With Transparent set, pixels of this colour are not drawn; clDefault takes the
    // bottom-left pixel's colour.
    TColor GetTransparentColor() const;
    void SetTransparentColor(TColor value);

private:
    friend class TBitmapCanvas;
    TGdiBitmap FHandle;
    uint32_t* FBits = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    TColor FTransparentColor = clDefault;
    std::unique_ptr<TBitmapCanvas> FCanvas;
};

}  // namespace orv
