#pragma once
// The BMP and ICO byte formats, without the platform. Decoding is bounds-checked: a
// header that lies about sizes or offsets raises EInvalidGraphic naming the fault, and
// nothing outside the given bytes is ever read.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/SysUtils.h"

namespace orv {

class EInvalidGraphic : public Exception {
    using Exception::Exception;
};

// Largest bitmap accepted: 32768 pixels a side and 64 M pixels in all.
constexpr int kMaxBitmapSide = 32768;
constexpr int64_t kMaxBitmapPixels = int64_t(1) << 26;

// A decoded bitmap: pixels top-down as 0xAARRGGBB. Sources without alpha give alpha 0.
struct TDecodedBitmap {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;   // as stored in the source
    bool HasAlpha = false;  // 32 bits per pixel: the fourth byte was kept
    std::vector<uint32_t> Pixels;
};

constexpr size_t kBmpFileHeaderSize = 14;

// A BMP file: file header, info header, masks, palette, pixels. BI_RGB at 1, 4, 8, 16,
// 24 and 32 bits and BI_BITFIELDS at 16 and 32 bits; core, version 3, 4 and 5 headers.
TDecodedBitmap DecodeBmpFile(const uint8_t* data, size_t size);
// A packed DIB as bitmap resources store it: the same without the file header, the pixels
// right after the palette.
TDecodedBitmap DecodeDib(const uint8_t* data, size_t size);
// From the first bytes of a BMP file (file header and info header at least, else
// EInvalidGraphic): how many bytes the whole file takes, up to the end of its pixels.
size_t BmpFileExtent(const uint8_t* data, size_t size);
// A BMP file of 24 or 32 bits per pixel (BI_RGB, rows bottom-up) from top-down 0xAARRGGBB
// pixels; 32 bits keep the alpha byte.
std::vector<uint8_t> EncodeBmpFile(int width, int height, const uint32_t* pixels, int bitsPerPixel);

// One image of an ICO file; sizes of 0 in the file mean 256.
struct TIconEntry {
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
    uint32_t Offset = 0;
    uint32_t Size = 0;
};
constexpr size_t kIconDirSize = 6;
constexpr size_t kIconDirEntrySize = 16;
// The directory of an ICO file, every image checked to lie inside the data.
std::vector<TIconEntry> ParseIconFile(const uint8_t* data, size_t size);
// From the first bytes of an ICO file (its directory at least, else EInvalidGraphic): how
// many bytes the whole file takes, up to the end of its last image.
size_t IconFileExtent(const uint8_t* data, size_t size);

}  // namespace orv
