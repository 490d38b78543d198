#pragma once
// TBitmap: a 32-bit top-down DIB section with its own canvas (a memory DC that keeps
// the bitmap selected while the canvas is in use). It reads and writes BMP files and
// bitmap resources.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Canvas.h"

struct HINSTANCE__;

namespace orv {

class TBitmap;
class TStream;
struct TDecodedBitmap;

// Pixels are kept as 32 bits in memory in either format. pf24bit: the fourth byte means
// nothing (kept 0) and the bitmap is written with 24 bits per pixel; pf32bit: the fourth
// byte is alpha and is written too.
enum TPixelFormat { pf24bit, pf32bit };

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
    // The key as set: clDefault while it follows the bottom-left pixel (what layouts store).
    TColor GetTransparentColorSetting() const { return FTransparentColor; }

    TPixelFormat GetPixelFormat() const { return FPixelFormat; }
    // To pf24bit clears the fourth bytes; to pf32bit makes every pixel opaque.
    void SetPixelFormat(TPixelFormat value);

    // BMP files (1, 4, 8, 16, 24 and 32 bits per pixel read; 24 or 32 written after the
    // pixel format). Reading starts at the stream's position and ends after the pixels;
    // an empty rest of the stream reads as an empty bitmap. A damaged header raises
    // EInvalidGraphic and leaves the bitmap as it was. An empty bitmap writes nothing.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::wstring& fileName);
    void SaveToFile(const std::wstring& fileName) const;
    // A bitmap resource (RT_BITMAP) of the module; EResNotFound when there is none.
    void LoadFromResourceName(HINSTANCE__* module, const std::wstring& name);
    void LoadFromResourceID(HINSTANCE__* module, int id);
    // The BMP file's bytes, for stored layouts ("Data").
    std::vector<uint8_t> GetData() const;
    void SetData(const std::vector<uint8_t>& data);

private:
    friend class TBitmapCanvas;
    void LoadDecoded(const TDecodedBitmap& decoded);
    TGdiBitmap FHandle;
    uint32_t* FBits = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    TColor FTransparentColor = clDefault;
    TPixelFormat FPixelFormat = pf32bit;
    std::unique_ptr<TBitmapCanvas> FCanvas;
};

}  // namespace orv
