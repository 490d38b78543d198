#include "framework/ImageFormats.h"

#include <string>

namespace orv {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitFields = 3;
constexpr uint32_t kBiAlphaBitFields = 6;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

[[noreturn]] void Invalid(const std::wstring& fault) {
    throw EInvalidGraphic(L"Invalid bitmap: " + fault);
}

[[noreturn]] void InvalidIcon(const std::wstring& fault) {
    throw EInvalidGraphic(L"Invalid icon: " + fault);
}

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A channel described by a bit mask, scaled to 8 bits.
struct TChannel {
    uint32_t Mask = 0;
    int Shift = 0;
    uint32_t Max = 0;
    explicit TChannel(uint32_t mask) : Mask(mask) {
        if (!mask) return;
        while (!((mask >> Shift) & 1)) ++Shift;
        Max = mask >> Shift;
    }
    uint32_t Get(uint32_t pixel) const {
        if (!Mask) return 0;
        uint32_t v = (pixel & Mask) >> Shift;
        return Max == 255 ? v : static_cast<uint32_t>((uint64_t(v) * 255 + Max / 2) / Max);
    }
};

// The parts of an info header that decoding needs.
struct THeader {
    size_t HeaderSize = 0;
    int Width = 0;
    int Height = 0;  // absolute
    bool TopDown = false;
    int BitCount = 0;
    uint32_t Compression = kBiRgb;
    uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    size_t MaskBytes = 0;              // masks stored after a version 3 header
    size_t PaletteCount = 0;
    size_t PaletteEntrySize = 4;
    size_t Stride = 0;
    size_t PixelBytes = 0;
};

// Reads and checks the info header at dib (size bytes available from there).
THeader ReadHeader(const uint8_t* dib, size_t size) {
    THeader h;
    if (size < 4) Invalid(L"the header is truncated");
    h.HeaderSize = U32(dib);
    int64_t width, height;
    int planes;
    if (h.HeaderSize == kCoreHeaderSize) {
        if (size < kCoreHeaderSize) Invalid(L"the header is truncated");
        width = U16(dib + 4);
        height = U16(dib + 6);
        planes = U16(dib + 8);
        h.BitCount = U16(dib + 10);
        // The core header has no colour count: a palette of 3-byte entries, one for
        // every index the depth can hold, follows it.
        h.PaletteEntrySize = 3;
        if (h.BitCount <= 8) h.PaletteCount = size_t(1) << h.BitCount;
    } else if (h.HeaderSize == 40 || h.HeaderSize == 52 || h.HeaderSize == 56 || h.HeaderSize == 108 ||
               h.HeaderSize == 124) {
        if (size < h.HeaderSize) Invalid(L"the header is truncated");
        width = static_cast<int32_t>(U32(dib + 4));
        height = static_cast<int32_t>(U32(dib + 8));
        planes = U16(dib + 12);
        h.BitCount = U16(dib + 14);
        h.Compression = U32(dib + 16);
        uint32_t colorsUsed = U32(dib + 32);
        if (h.BitCount <= 8) {
            if (colorsUsed > 256) Invalid(L"the palette has " + std::to_wstring(colorsUsed) + L" colours");
            h.PaletteCount = colorsUsed ? colorsUsed : (size_t(1) << h.BitCount);
        } else {
            // A palette beside direct colours is only a hint for displays; it is skipped.
            if (colorsUsed > 256) Invalid(L"the palette has " + std::to_wstring(colorsUsed) + L" colours");
            h.PaletteCount = colorsUsed;
        }
        if (h.Compression == kBiBitFields || h.Compression == kBiAlphaBitFields) {
            size_t maskCount = h.Compression == kBiAlphaBitFields ? 4 : 3;
            const uint8_t* masks = dib + kInfoHeaderSize;
            if (h.HeaderSize == kInfoHeaderSize) {
                h.MaskBytes = maskCount * 4;
                if (size < kInfoHeaderSize + h.MaskBytes) Invalid(L"the colour masks are truncated");
            } else if (h.HeaderSize < 56) {
                maskCount = 3;
            } else {
                maskCount = 4;
            }
            for (size_t i = 0; i < maskCount; ++i) h.Masks[i] = U32(masks + 4 * i);
        }
    } else {
        Invalid(L"unknown header size " + std::to_wstring(h.HeaderSize));
    }

    if (planes != 1) Invalid(L"plane count " + std::to_wstring(planes));
    switch (h.BitCount) {
        case 1:
        case 4:
        case 8:
        case 24:
            if (h.Compression != kBiRgb)
                Invalid(L"compression " + std::to_wstring(h.Compression) + L" is not supported");
            break;
        case 16:
        case 32:
            if (h.Compression != kBiRgb && h.Compression != kBiBitFields && h.Compression != kBiAlphaBitFields)
                Invalid(L"compression " + std::to_wstring(h.Compression) + L" is not supported");
            break;
        default:
            Invalid(std::to_wstring(h.BitCount) + L" bits per pixel");
    }
    if (width <= 0 || width > kMaxBitmapSide) Invalid(L"width " + std::to_wstring(width));
    h.TopDown = height < 0;
    if (height < 0) height = -height;
    if (height == 0 || height > kMaxBitmapSide) Invalid(L"height " + std::to_wstring(height));
    if (width * height > kMaxBitmapPixels) Invalid(L"too many pixels");
    h.Width = static_cast<int>(width);
    h.Height = static_cast<int>(height);
    h.Stride = static_cast<size_t>((width * h.BitCount + 31) / 32 * 4);
    h.PixelBytes = h.Stride * static_cast<size_t>(height);
    return h;
}

size_t PaletteBytes(const THeader& h) {
    return h.PaletteCount * h.PaletteEntrySize;
}

// Decodes the pixels at bits (h.PixelBytes bytes, already checked) with the palette at
// palette (h.PaletteCount entries, already checked, may be null when there is none).
TDecodedBitmap DecodePixels(const THeader& h, const uint8_t* palette, const uint8_t* bits) {
    TDecodedBitmap out;
    out.Width = h.Width;
    out.Height = h.Height;
    out.BitsPerPixel = h.BitCount;
    out.Pixels.resize(static_cast<size_t>(h.Width) * h.Height);

    std::vector<uint32_t> colors;
    if (h.BitCount <= 8) {
        colors.assign(size_t(1) << h.BitCount, 0);  // indexes past the palette are black
        for (size_t i = 0; i < h.PaletteCount && i < colors.size(); ++i) {
            const uint8_t* e = palette + i * h.PaletteEntrySize;
            colors[i] = (uint32_t(e[2]) << 16) | (uint32_t(e[1]) << 8) | e[0];
        }
    }
    uint32_t masks[4] = {h.Masks[0], h.Masks[1], h.Masks[2], h.Masks[3]};
    bool bitFields = h.Compression == kBiBitFields || h.Compression == kBiAlphaBitFields;
    if (h.BitCount == 16 && !bitFields) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
        masks[3] = 0;
    }
    TChannel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    out.HasAlpha = h.BitCount == 32 && (!bitFields || masks[3] != 0);

    for (int y = 0; y < h.Height; ++y) {
        const uint8_t* row = bits + static_cast<size_t>(h.TopDown ? y : h.Height - 1 - y) * h.Stride;
        uint32_t* dest = out.Pixels.data() + static_cast<size_t>(y) * h.Width;
        for (int x = 0; x < h.Width; ++x) {
            uint32_t p;
            switch (h.BitCount) {
                case 1:
                    p = colors[(row[x >> 3] >> (7 - (x & 7))) & 1];
                    break;
                case 4:
                    p = colors[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
                    break;
                case 8:
                    p = colors[row[x]];
                    break;
                case 16: {
                    uint32_t v = U16(row + 2 * x);
                    p = (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
                    break;
                }
                case 24:
                    p = (uint32_t(row[3 * x + 2]) << 16) | (uint32_t(row[3 * x + 1]) << 8) | row[3 * x];
                    break;
                default: {
                    uint32_t v = U32(row + 4 * x);
                    if (bitFields)
                        p = (alpha.Get(v) << 24) | (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
                    else
                        p = v;  // B, G, R and the fourth byte as stored
                    break;
                }
            }
            dest[x] = p;
        }
    }
    return out;
}

}  // namespace

size_t BmpFileExtent(const uint8_t* data, size_t size) {
    if (size < kBmpFileHeaderSize + 4) Invalid(L"the file is truncated");
    if (data[0] != 'B' || data[1] != 'M') Invalid(L"no BM signature");
    uint32_t offBits = U32(data + 10);
    THeader h = ReadHeader(data + kBmpFileHeaderSize, size - kBmpFileHeaderSize);
    size_t headersEnd = kBmpFileHeaderSize + h.HeaderSize + h.MaskBytes;
    if (offBits < headersEnd) Invalid(L"the pixel offset " + std::to_wstring(offBits) + L" lies inside the headers");
    size_t paletteEnd = headersEnd + (h.BitCount <= 8 ? PaletteBytes(h) : 0);
    size_t pixelsEnd = static_cast<size_t>(offBits) + h.PixelBytes;
    return pixelsEnd > paletteEnd ? pixelsEnd : paletteEnd;
}

TDecodedBitmap DecodeBmpFile(const uint8_t* data, size_t size) {
    size_t extent = BmpFileExtent(data, size);
    if (extent > size)
        Invalid(L"the file is truncated (" + std::to_wstring(size) + L" of " + std::to_wstring(extent) + L" bytes)");
    const uint8_t* dib = data + kBmpFileHeaderSize;
    THeader h = ReadHeader(dib, size - kBmpFileHeaderSize);
    const uint8_t* palette = dib + h.HeaderSize + h.MaskBytes;
    return DecodePixels(h, palette, data + U32(data + 10));
}

TDecodedBitmap DecodeDib(const uint8_t* data, size_t size) {
    THeader h = ReadHeader(data, size);
    size_t paletteAt = h.HeaderSize + h.MaskBytes;
    size_t bitsAt = paletteAt + PaletteBytes(h);
    if (bitsAt > size || size - bitsAt < h.PixelBytes)
        Invalid(L"the pixels are truncated (" + std::to_wstring(size) + L" of " +
                std::to_wstring(bitsAt + h.PixelBytes) + L" bytes)");
    return DecodePixels(h, data + paletteAt, data + bitsAt);
}

std::vector<uint8_t> EncodeBmpFile(int width, int height, const uint32_t* pixels, int bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32) Invalid(std::to_wstring(bitsPerPixel) + L" bits per pixel");
    if (width <= 0 || height <= 0) Invalid(L"an empty bitmap cannot be written");
    size_t stride = (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4;
    size_t pixelBytes = stride * static_cast<size_t>(height);
    uint32_t offBits = static_cast<uint32_t>(kBmpFileHeaderSize + kInfoHeaderSize);
    std::vector<uint8_t> out;
    out.reserve(offBits + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(offBits + pixelBytes));
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));  // bottom-up
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bitsPerPixel));
    Put32(out, kBiRgb);
    Put32(out, static_cast<uint32_t>(pixelBytes));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const uint32_t* row = pixels + static_cast<size_t>(y) * width;
        size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            uint32_t p = row[x];
            out.push_back(static_cast<uint8_t>(p));
            out.push_back(static_cast<uint8_t>(p >> 8));
            out.push_back(static_cast<uint8_t>(p >> 16));
            if (bitsPerPixel == 32) out.push_back(static_cast<uint8_t>(p >> 24));
        }
        out.resize(start + stride, 0);
    }
    return out;
}

size_t IconFileExtent(const uint8_t* data, size_t size) {
    if (size < kIconDirSize) InvalidIcon(L"the file is truncated");
    if (U16(data) != 0 || U16(data + 2) != 1) InvalidIcon(L"not an icon file");
    size_t count = U16(data + 4);
    if (count == 0) InvalidIcon(L"no images");
    size_t extent = kIconDirSize + count * kIconDirEntrySize;
    if (extent > size) InvalidIcon(L"the directory is truncated");
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = data + kIconDirSize + i * kIconDirEntrySize;
        uint64_t end = uint64_t(U32(e + 12)) + U32(e + 8);
        if (end > UINT32_MAX) InvalidIcon(L"image " + std::to_wstring(i + 1) + L" lies outside the file");
        if (end > extent) extent = static_cast<size_t>(end);
    }
    return extent;
}

std::vector<TIconEntry> ParseIconFile(const uint8_t* data, size_t size) {
    if (size < kIconDirSize) InvalidIcon(L"the file is truncated");
    if (U16(data) != 0 || U16(data + 2) != 1) InvalidIcon(L"not an icon file");
    size_t count = U16(data + 4);
    if (count == 0) InvalidIcon(L"no images");
    size_t directoryEnd = kIconDirSize + count * kIconDirEntrySize;
    if (directoryEnd > size) InvalidIcon(L"the directory is truncated");
    std::vector<TIconEntry> entries;
    entries.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = data + kIconDirSize + i * kIconDirEntrySize;
        TIconEntry entry;
        entry.Width = e[0] ? e[0] : 256;
        entry.Height = e[1] ? e[1] : 256;
        entry.BitCount = U16(e + 6);
        entry.Size = U32(e + 8);
        entry.Offset = U32(e + 12);
        if (entry.Size == 0 || entry.Offset < directoryEnd || entry.Offset > size || size - entry.Offset < entry.Size)
            InvalidIcon(L"image " + std::to_wstring(i + 1) + L" lies outside the file");
        entries.push_back(entry);
    }
    return entries;
}

}  // namespace orv
