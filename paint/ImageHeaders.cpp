#include "paint/ImageHeaders.h"

#include <cwctype>
#include <limits>

namespace orv {

namespace {
// A bounds-checked reader: every read fails once the data is exhausted.
class TByteReader {
public:
    TByteReader(const uint8_t* data, size_t size) : FData(data), FSize(data ? size : 0) {}
    bool Seek(size_t position) {
        if (position > FSize) return false;
        FPos = position;
        return true;
    }
    bool Skip(size_t count) { return count <= FSize - FPos && Seek(FPos + count); }
    bool U8(uint32_t& v) {
        if (FPos >= FSize) return false;
        v = FData[FPos++];
        return true;
    }
    bool BE16(uint32_t& v) { return Bytes(2, false, v); }
    bool BE32(uint32_t& v) { return Bytes(4, false, v); }
    bool LE16(uint32_t& v) { return Bytes(2, true, v); }
    bool LE32(uint32_t& v) { return Bytes(4, true, v); }

private:
    bool Bytes(size_t n, bool littleEndian, uint32_t& v) {
        if (n > FSize - FPos) return false;
        v = 0;
        for (size_t i = 0; i < n; ++i) {
            uint32_t b = FData[FPos + (littleEndian ? n - 1 - i : i)];
            v = (v << 8) | b;
        }
        FPos += n;
        return true;
    }
    const uint8_t* FData;
    size_t FSize;
    size_t FPos = 0;
};

bool StartsWith(const uint8_t* data, size_t size, const char* signature, size_t length) {
    if (!data || size < length) return false;
    for (size_t i = 0; i < length; ++i)
        if (data[i] != static_cast<uint8_t>(signature[i])) return false;
    return true;
}

// Sizes beyond a signed 32-bit value are not images we can draw: treat them as garbage.
TImageHeaderSize Sized(int64_t width, int64_t height) {
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    if (width <= 0 || height <= 0 || width > kMax || height > kMax) return {};
    return {static_cast<int>(width), static_cast<int>(height)};
}
}  // namespace

TImageHeaderSize JpegHeaderSize(const uint8_t* data, size_t size) {
    if (!StartsWith(data, size, "\xFF\xD8", 2)) return {};
    TByteReader r(data, size);
    r.Seek(2);
    uint32_t b = 0;
    if (!r.U8(b)) return {};
    while (b == 0xFF) {
        uint32_t code = 0;
        if (!r.U8(code)) return {};
        while (code == 0xFF)  // fill bytes before a marker code
            if (!r.U8(code)) return {};
        if (code >= 0xC0 && code <= 0xC2) {
            uint32_t height = 0, width = 0;
            if (!r.Skip(3) || !r.BE16(height) || !r.BE16(width)) return {};
            return Sized(width, height);
        }
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7)) {
            if (!r.U8(b)) return {};
            continue;
        }
        uint32_t length = 0;
        if (!r.BE16(length) || length < 2 || !r.Skip(length - 2) || !r.U8(b)) return {};
    }
    return {};
}

TImageHeaderSize PngHeaderSize(const uint8_t* data, size_t size) {
    if (!StartsWith(data, size, "\x89PNG\r\n\x1A\n", 8)) return {};
    // The first chunk must be IHDR; its width and height are big-endian 32-bit values.
    if (size < 24 || !StartsWith(data + 12, size - 12, "IHDR", 4)) return {};
    TByteReader r(data, size);
    uint32_t width = 0, height = 0;
    if (!r.Seek(16) || !r.BE32(width) || !r.BE32(height)) return {};
    return Sized(width, height);
}

TImageHeaderSize BmpHeaderSize(const uint8_t* data, size_t size) {
    if (!StartsWith(data, size, "BM", 2)) return {};
    TByteReader r(data, size);
    uint32_t headerSize = 0;
    if (!r.Seek(14) || !r.LE32(headerSize)) return {};
    if (headerSize == 12) {  // the old core header holds 16-bit sizes
        uint32_t width = 0, height = 0;
        if (!r.LE16(width) || !r.LE16(height)) return {};
        return Sized(width, height);
    }
    if (headerSize < 40) return {};
    uint32_t width = 0, height = 0;
    if (!r.LE32(width) || !r.LE32(height)) return {};
    // A negative height marks a top-down bitmap; a negative width is nonsense.
    int64_t h = static_cast<int32_t>(height);
    return Sized(static_cast<int32_t>(width), h < 0 ? -h : h);
}

TImageHeaderSize TiffHeaderSize(const uint8_t* data, size_t size) {
    if (!StartsWith(data, size, "II*\0", 4)) return {};  // little-endian files only
    TByteReader r(data, size);
    uint32_t directory = 0, count = 0;
    if (!r.Seek(4) || !r.LE32(directory) || !r.Seek(directory) || !r.LE16(count)) return {};
    int64_t width = -1, height = -1;
    for (uint32_t i = 0; i < count && (width < 0 || height < 0); ++i) {
        uint32_t tag = 0, type = 0, n = 0, value = 0;
        if (!r.LE16(tag) || !r.LE16(type) || !r.LE32(n) || !r.LE32(value)) return {};
        // A SHORT value sits in the low half of the value field; the rest is padding.
        if (type == 3) value &= 0xFFFF;
        int64_t v = static_cast<int32_t>(value);
        if (v < 0) v = -v;
        if (tag == 256) width = v;
        if (tag == 257) height = v;
    }
    return Sized(width, height);
}

TImageHeaderSize GifHeaderSize(const uint8_t* data, size_t size) {
    if (!StartsWith(data, size, "GIF87a", 6) && !StartsWith(data, size, "GIF89a", 6)) return {};
    TByteReader r(data, size);
    uint32_t width = 0, height = 0;  // the logical screen
    if (!r.Seek(6) || !r.LE16(width) || !r.LE16(height)) return {};
    return Sized(width, height);
}

TImageHeaderSize HeaderSizeForFileName(const std::wstring& fileName, const uint8_t* data, size_t size) {
    size_t dot = fileName.find_last_of(L'.');
    size_t slash = fileName.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && slash > dot)) return {};
    std::wstring ext;
    for (wchar_t c : fileName.substr(dot)) ext += static_cast<wchar_t>(std::towupper(c));
    if (ext == L".JPG" || ext == L".JPEG") return JpegHeaderSize(data, size);
    if (ext == L".PNG") return PngHeaderSize(data, size);
    if (ext == L".BMP") return BmpHeaderSize(data, size);
    if (ext == L".TIF" || ext == L".TIFF") return TiffHeaderSize(data, size);
    if (ext == L".GIF") return GifHeaderSize(data, size);
    return {};
}

}  // namespace orv
