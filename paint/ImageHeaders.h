#pragma once
// Natural image size read from the first bytes of an image file, without decoding it.
// The bytes come from outside: every read is bounds-checked, and a short, truncated or
// inconsistent header gives 0 x 0. No Windows header, so it also builds natively.
#include <cstddef>
#include <cstdint>
#include <string>

namespace orv {

struct TImageHeaderSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TImageHeaderSize&, const TImageHeaderSize&) = default;
};

TImageHeaderSize JpegHeaderSize(const uint8_t* data, size_t size);
TImageHeaderSize PngHeaderSize(const uint8_t* data, size_t size);
TImageHeaderSize BmpHeaderSize(const uint8_t* data, size_t size);
TImageHeaderSize TiffHeaderSize(const uint8_t* data, size_t size);
TImageHeaderSize GifHeaderSize(const uint8_t* data, size_t size);

// Picks the reader by the file name's extension, compared without regard to case
// (".JPG"/".JPEG", ".PNG", ".BMP", ".TIF"/".TIFF", ".GIF"); any other gives 0 x 0.
TImageHeaderSize HeaderSizeForFileName(const std::wstring& fileName, const uint8_t* data, size_t size);

}  // namespace orv
