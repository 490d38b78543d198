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

// The kind of image file, told by the signature at the start of its own bytes (never by a
// name or by what a decoder reports: some decoders call an icon a bitmap).
enum TImageKind { ikUnknown, ikBmp, ikPng, ikJpeg, ikGif, ikTiff, ikIcon, ikEmf, ikWmf };
TImageKind ImageKindOf(const uint8_t* data, size_t size);

// False when the header of a BMP or TIFF places its pixels (the BMP's pixel array, the
// first TIFF directory's strips or tiles) wholly or partly outside the data, or is too
// short to say where they are; such data is not handed to a decoder. True for every other
// kind (the decoder's stream stops at the data's end for those).
bool ImageDataWithinBounds(const uint8_t* data, size_t size);

// Picks the reader by the file name's extension, compared without regard to case
// (".JPG"/".JPEG", ".PNG", ".BMP", ".TIF"/".TIFF", ".GIF"); any other gives 0 x 0.
TImageHeaderSize HeaderSizeForFileName(const std::wstring& fileName, const uint8_t* data, size_t size);

}  // namespace orv
