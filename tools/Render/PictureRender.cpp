#include "PictureRender.h"

#include <cstring>

#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvPictureDraw.h"

using namespace orv;

namespace orvtools {

namespace {

// 10 x 10 PNG, solid azure, tagged 72 dpi: drawn by its resolution it would cover 13 x 13.
const std::vector<uint8_t> kPng72Dpi = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00,
    0x0A, 0x00, 0x00, 0x00, 0x0A, 0x08, 0x02, 0x00, 0x00, 0x00, 0x02, 0x50, 0x58, 0xEA, 0x00, 0x00, 0x00, 0x09, 0x70,
    0x48, 0x59, 0x73, 0x00, 0x00, 0x0B, 0x13, 0x00, 0x00, 0x0B, 0x13, 0x01, 0x00, 0x9A, 0x9C, 0x18, 0x00, 0x00, 0x00,
    0x11, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0x60, 0x68, 0xF8, 0x8F, 0x0F, 0x8D, 0x4A, 0x63, 0x43, 0x00, 0x38,
    0x54, 0x95, 0x9D, 0x8F, 0x8D, 0xBB, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82,
};

// A 16 x 16 glyph on a magenta background (the bitmap's key colour).
void PaintGlyph(TBitmap& glyph) {
    TCanvas& c = glyph.Canvas();
    c.Brush().SetColor(clFuchsia);
    c.FillRect({0, 0, 16, 16});
    c.Brush().SetColor(0x2F7FD0);
    c.Pen().SetColor(0x1F4F90);
    c.Ellipse({1, 1, 15, 15});
    c.Brush().SetColor(clWhite);
    c.FillRect({7, 4, 9, 12});
}

// The same glyph as a 32-bit icon: magenta becomes fully transparent, the rest opaque.
std::vector<uint8_t> IconBytes(TBitmap& glyph) {
    const int size = 16;
    const uint32_t pixels = size * size * 4, mask = size * 4;  // AND rows are padded to 4 bytes
    const uint32_t image = 40 + pixels + mask;
    std::vector<uint8_t> bytes(6 + 16 + image, 0);
    auto put16 = [&](size_t at, uint32_t v) { bytes[at] = v & 0xFF, bytes[at + 1] = (v >> 8) & 0xFF; };
    auto put32 = [&](size_t at, uint32_t v) { put16(at, v & 0xFFFF), put16(at + 2, v >> 16); };
    put16(2, 1);  // icon
    put16(4, 1);  // one image
    bytes[6] = size, bytes[7] = size;
    put16(10, 1), put16(12, 32), put32(14, image), put32(18, 22);
    put32(22, 40), put32(26, size), put32(30, size * 2), put16(34, 1), put16(36, 32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            uint32_t p = glyph.ScanLine(size - 1 - y)[x] & 0xFFFFFF;
            put32(62 + (y * size + x) * 4, p == 0xFF00FF ? 0 : (p | 0xFF000000u));
        }
    return bytes;
}

void Frame(TBitmap& b, int x, int y, int w, int h) {
    b.Canvas().Pen().SetColor(clRed);
    b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    b.Canvas().Rectangle(x - 1, y - 1, x + w + 1, y + h + 1);
}

void PaintPictures(TBitmap& b) {
    b.Canvas().Brush().SetColor(0xF0D9C2);
    b.Canvas().FillRect({0, 0, b.Width(), b.Height()});
    TBitmap glyph(16, 16);
    PaintGlyph(glyph);
    TGDIPPicture bmp;
    bmp.SetData(BmpFileBytes(glyph));
    TOrvGDIPPicture orvBmp;
    orvBmp.SetData(BmpFileBytes(glyph));
    TGDIPPicture icon;
    icon.SetData(IconBytes(glyph));
    TGDIPPicture png;
    png.SetData(kPng72Dpi);
    {
        TGPGraphics g(b.Canvas().Handle());
        DrawPictureAt(&g, {4, 4}, &png);    // 10 x 10 inside its frame
        DrawPictureAt(&g, {22, 4}, &bmp);   // keyed by its bottom-left magenta
        DrawPictureAt(&g, {42, 4}, &icon);  // its own alpha, never keyed
        DrawGraphicAt(&g, nullptr, {62, 4}, &bmp, true);
        DrawPictureStretched(&g, &b.Canvas(), {4, 26, 36, 58}, &bmp);
        DrawPictureStretched(&g, &b.Canvas(), {42, 26, 74, 58}, &orvBmp);
    }
    Frame(b, 4, 4, 10, 10);
    Frame(b, 4, 26, 32, 32);
    Frame(b, 42, 26, 32, 32);
}

}  // namespace

std::vector<TRenderItem> PictureRenderItems() {
    return {
        {L"Pictures",
         L"top: 72 dpi PNG at its 10 x 10 pixel size (red frame), keyed BMP, icon with alpha, toolbar-keyed BMP; "
         L"bottom: a BMP stretched to 32 x 32 by each picture class",
         80, 62, 6, PaintPictures},
    };
}

}  // namespace orvtools
