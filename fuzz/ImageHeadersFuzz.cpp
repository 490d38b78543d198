// Fuzzes the picture header readers and the pixel bounds test: any bytes give a size that
// is either 0 x 0 or positive in both directions, never a read outside the data (the
// sanitizers watch), and the kind test agrees with the readers on signatures.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "paint/ImageHeaders.h"

namespace {
void CheckSize(const orv::TImageHeaderSize& size) {
    const bool none = size.Width == 0 && size.Height == 0;
    const bool some = size.Width > 0 && size.Height > 0;
    if (!none && !some) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckSize(orv::JpegHeaderSize(data, size));
    CheckSize(orv::PngHeaderSize(data, size));
    CheckSize(orv::BmpHeaderSize(data, size));
    CheckSize(orv::TiffHeaderSize(data, size));
    CheckSize(orv::GifHeaderSize(data, size));
    for (const wchar_t* name : {L"a.jpg", L"a.JPEG", L"a.png", L"a.bmp", L"a.tif", L"a.TIFF", L"a.gif", L"a.ico"})
        CheckSize(orv::HeaderSizeForFileName(name, data, size));

    // A reader only finds a size where the data carries its format's signature.
    const orv::TImageKind kind = orv::ImageKindOf(data, size);
    if (orv::JpegHeaderSize(data, size).Width > 0 && kind != orv::ikJpeg) std::abort();
    if (orv::PngHeaderSize(data, size).Width > 0 && kind != orv::ikPng) std::abort();
    if (orv::BmpHeaderSize(data, size).Width > 0 && kind != orv::ikBmp) std::abort();
    if (orv::GifHeaderSize(data, size).Width > 0 && kind != orv::ikGif) std::abort();
    if (orv::TiffHeaderSize(data, size).Width > 0 && kind != orv::ikTiff) std::abort();
    // Kinds the bounds test does not examine are always handed on.
    const bool inside = orv::ImageDataWithinBounds(data, size);
    if (!inside && kind != orv::ikBmp && kind != orv::ikTiff) std::abort();
    return 0;
}
