#include "statusbar/GifFrames.h"

#include <cstring>

namespace orv {

namespace {

// A cursor over the data that refuses to read past its end.
class TReader {
public:
    TReader(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
    size_t Position() const { return FPos; }
    bool Byte(int& value) {
        if (FPos >= FSize) return false;
        value = FData[FPos++];
        return true;
    }
    bool Word(int& value) {
        if (FSize - FPos < 2 || FPos > FSize) return false;
        value = FData[FPos] | (FData[FPos + 1] << 8);
        FPos += 2;
        return true;
    }
    bool Skip(size_t count) {
        if (count > FSize - FPos) return false;
        FPos += count;
        return true;
    }
    // Data sub-blocks up to and including the zero-length terminator.
    bool SkipSubBlocks() {
        for (;;) {
            int length;
            if (!Byte(length)) return false;
            if (length == 0) return true;
            if (!Skip(static_cast<size_t>(length))) return false;
        }
    }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FPos = 0;
};

size_t ColorTableBytes(int packed) {
    return (packed & 0x80) ? 3u * (2u << (packed & 7)) : 0u;
}

}  // namespace

TGifInfo ScanGifFrames(const uint8_t* data, size_t size) {
    TGifInfo info;
    if (!data || size < 4 || std::memcmp(data, "GIF8", 4) != 0) return info;
    info.IsGif = true;
    TReader r(data, size);
    int width, height, packed, ignored;
    if (!r.Skip(6) || !r.Word(width) || !r.Word(height) || !r.Byte(packed) || !r.Byte(ignored) || !r.Byte(ignored))
        return info;
    info.ScreenWidth = width;
    info.ScreenHeight = height;
    if (!r.Skip(ColorTableBytes(packed))) return info;
    info.HeaderEnd = r.Position();

    TGifFrame pending;
    bool hasControl = false;
    for (;;) {
        const size_t blockStart = r.Position();
        int introducer;
        if (!r.Byte(introducer) || introducer == 0x3B) break;
        if (introducer == 0x21) {
            int label, blockSize;
            if (!r.Byte(label) || !r.Byte(blockSize)) break;
            if (label == 0xF9 && blockSize == 4) {
                int flags, delay, index, terminator;
                if (!r.Byte(flags) || !r.Word(delay) || !r.Byte(index) || !r.Byte(terminator)) break;
                if (terminator != 0 && !r.SkipSubBlocks()) break;
                pending = {};
                pending.Start = blockStart;
                pending.Delay = delay;
                pending.Transparent = (flags & 1) != 0;
                pending.TransparentIndex = index;
                pending.Disposal = (flags >> 2) & 7;
                hasControl = true;
            } else {
                if (!r.Skip(static_cast<size_t>(blockSize)) || !r.SkipSubBlocks()) break;
            }
            continue;
        }
        if (introducer != 0x2C) break;  // not a GIF block: the rest is not trusted
        int left, top, w, h, imagePacked, minCodeSize;
        if (!r.Word(left) || !r.Word(top) || !r.Word(w) || !r.Word(h) || !r.Byte(imagePacked)) break;
        if (!r.Skip(ColorTableBytes(imagePacked)) || !r.Byte(minCodeSize) || !r.SkipSubBlocks()) break;
        if (hasControl) {
            pending.Left = left;
            pending.Top = top;
            pending.Width = w;
            pending.Height = h;
            pending.End = r.Position();
            info.Frames.push_back(pending);
        }
        hasControl = false;
    }
    return info;
}

std::vector<uint8_t> GifFrameBytes(const uint8_t* data, size_t size, const TGifInfo& info, size_t index) {
    if (!data || index >= info.Frames.size()) return {};
    const TGifFrame& frame = info.Frames[index];
    if (info.HeaderEnd > size || frame.Start > frame.End || frame.End > size) return {};
    std::vector<uint8_t> bytes(data, data + info.HeaderEnd);
    bytes.insert(bytes.end(), data + frame.Start, data + frame.End);
    bytes.push_back(0x3B);
    return bytes;
}

}  // namespace orv
