#include "paint/ImageHeaders.h"

#include <cwctype>
#include <limits>
#include <optional>

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
    size_t Position() const { return FPos; }
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

TImageKind ImageKindOf(const uint8_t* data, size_t size) {
    if (!data) return ikUnknown;
    if (StartsWith(data, size, "BM", 2)) return ikBmp;
    if (StartsWith(data, size, "\x89PNG\r\n\x1A\n", 8)) return ikPng;
    if (StartsWith(data, size, "\xFF\xD8\xFF", 3)) return ikJpeg;
    if (StartsWith(data, size, "GIF87a", 6) || StartsWith(data, size, "GIF89a", 6)) return ikGif;
    if (StartsWith(data, size, "II*\0", 4) || StartsWith(data, size, "MM\0*", 4)) return ikTiff;
    // Icons and cursors share one layout: reserved 0, type 1 or 2, a non-zero image count.
    if (size >= 6 && data[0] == 0 && data[1] == 0 && (data[2] == 1 || data[2] == 2) && data[3] == 0 &&
        (data[4] | data[5]) != 0)
        return ikIcon;
    // An enhanced metafile starts with its header record (type 1) and signs it at offset 40.
    if (StartsWith(data, size, "\x01\0\0\0", 4) && size >= 44 && StartsWith(data + 40, size - 40, " EMF", 4))
        return ikEmf;
    // A placeable metafile, or a bare one: type 1 (memory) or 2 (disk), header of 9 words.
    if (StartsWith(data, size, "\xD7\xCD\xC6\x9A", 4) || StartsWith(data, size, "\x01\0\x09\0", 4) ||
        StartsWith(data, size, "\x02\0\x09\0", 4))
        return ikWmf;
    return ikUnknown;
}

namespace {

// Whether [offset, offset + length) lies inside size bytes, without overflow.
bool RangeInside(uint64_t offset, uint64_t length, size_t size) {
    return offset <= size && length <= size - offset;
}

bool BmpPixelsInside(const uint8_t* data, size_t size) {
    TByteReader r(data, size);
    uint32_t offset = 0, headerSize = 0;
    if (!r.Seek(10) || !r.LE32(offset) || !r.LE32(headerSize)) return false;
    uint32_t width = 0, height = 0, bitCount = 0, compression = 0, imageSize = 0;
    if (headerSize == 12) {
        uint32_t planes = 0;
        if (!r.LE16(width) || !r.LE16(height) || !r.LE16(planes) || !r.LE16(bitCount)) return false;
    } else {
        uint32_t planes = 0;
        if (headerSize < 40 || !r.LE32(width) || !r.LE32(height) || !r.LE16(planes) || !r.LE16(bitCount) ||
            !r.LE32(compression) || !r.LE32(imageSize))
            return false;
    }
    if (offset >= size) return false;
    int64_t w = headerSize == 12 ? width : static_cast<int32_t>(width);
    int64_t h = headerSize == 12 ? height : static_cast<int32_t>(height);
    if (h < 0) h = -h;
    if (w <= 0 || h <= 0) return true;  // nothing to place; the decoder refuses it on its own
    // Compressed pixels (run lengths, embedded JPEG or PNG): the stated size must fit.
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed) return RangeInside(offset, imageSize, size);
    if (bitCount == 0 || bitCount > 64) return true;  // not a layout we can measure
    // Rows are padded to four bytes; a last row without its padding is still whole.
    const uint64_t rowBytes = (static_cast<uint64_t>(w) * bitCount + 7) / 8;
    const uint64_t stride = (rowBytes + 3) / 4 * 4;
    const uint64_t room = size - offset;
    if (rowBytes > room) return false;
    return static_cast<uint64_t>(h - 1) <= (room - rowBytes) / stride;
}

// The values of one TIFF entry (SHORT or LONG), inline or at the offset it names.
class TTiffValues {
public:
    TTiffValues(const uint8_t* data, size_t size, bool little) : FData(data), FSize(size), FLittle(little) {}
    // Reads the entry at the reader's position; false for a malformed entry.
    bool ReadEntry(TByteReader& r, uint32_t& tag) {
        uint32_t type = 0, count = 0;
        if (!U16(r, tag) || !U16(r, type) || !U32(r, count)) return false;
        FType = type;
        FCount = count;
        FValueField = r.Position();
        if (!r.Skip(4)) return false;
        const uint64_t width = type == 3 ? 2 : type == 4 ? 4 : 0;
        if (width == 0) return true;  // not a kind of value we use
        FBytes = width * count;
        if (FBytes <= 4) {
            FValues = FValueField;
            return true;
        }
        TByteReader at(FData, FSize);
        uint32_t position = 0;
        if (!at.Seek(FValueField) || !U32(at, position)) return false;
        FValues = position;
        return RangeInside(FValues, FBytes, FSize);
    }
    uint32_t Count() const { return (FType == 3 || FType == 4) ? FCount : 0; }
    bool Value(uint32_t index, uint64_t& value) const {
        TByteReader at(FData, FSize);
        uint32_t v = 0;
        if (!at.Seek(FValues + index * (FType == 3 ? 2u : 4u))) return false;
        if (!(FType == 3 ? U16(at, v) : U32(at, v))) return false;
        value = v;
        return true;
    }

private:
    bool U16(TByteReader& r, uint32_t& v) const { return FLittle ? r.LE16(v) : r.BE16(v); }
    bool U32(TByteReader& r, uint32_t& v) const { return FLittle ? r.LE32(v) : r.BE32(v); }
    const uint8_t* FData;
    size_t FSize;
    bool FLittle;
    uint32_t FType = 0, FCount = 0;
    size_t FValueField = 0;
    uint64_t FValues = 0, FBytes = 0;
};

// The first directory's strips or tiles, each with its byte count, must lie in the data.
bool TiffPiecesInside(const uint8_t* data, size_t size) {
    const bool little = data[0] == 'I';
    TByteReader r(data, size);
    uint32_t directory = 0, entries = 0;
    if (!r.Seek(4) || !(little ? r.LE32(directory) : r.BE32(directory))) return false;
    if (!r.Seek(directory) || !(little ? r.LE16(entries) : r.BE16(entries))) return false;
    TTiffValues values(data, size, little);
    std::optional<TTiffValues> offsets, counts;
    for (uint32_t i = 0; i < entries; ++i) {
        uint32_t tag = 0;
        if (!values.ReadEntry(r, tag)) return false;
        if (tag == 273 || tag == 324) offsets = values;  // strip or tile offsets
        if (tag == 279 || tag == 325) counts = values;   // their byte counts
    }
    if (!offsets) return true;
    for (uint32_t i = 0; i < offsets->Count(); ++i) {
        uint64_t offset = 0, length = 1;  // without counts, at least the first byte
        if (!offsets->Value(i, offset)) return false;
        if (counts && i < counts->Count() && !counts->Value(i, length)) return false;
        if (!RangeInside(offset, length, size)) return false;
    }
    return true;
}

}  // namespace

bool ImageDataWithinBounds(const uint8_t* data, size_t size) {
    switch (ImageKindOf(data, size)) {
        case ikBmp:
            return BmpPixelsInside(data, size);
        case ikTiff:
            return TiffPiecesInside(data, size);
        default:
            return true;
    }
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
