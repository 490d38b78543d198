#include "statusbar/GifFrames.h"

#include <algorithm>
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

void TGifComposer::Reset() {
    FScreen = {};
    FBefore = {};
    FIndex = SIZE_MAX;
}

const TGifImage* TGifComposer::Compose(const TGifInfo& info, size_t index, const TFrameDecoder& decode) {
    const int w = info.ScreenWidth, h = info.ScreenHeight;
    if (index >= info.Frames.size() || w <= 0 || h <= 0 || static_cast<int64_t>(w) * h > kMaxGifComposedPixels)
        return nullptr;
    size_t next = 0;
    if (FIndex != SIZE_MAX && FIndex <= index && FScreen.Width == w && FScreen.Height == h) {
        if (FIndex == index) return &FScreen;
        next = FIndex + 1;
    } else {
        FScreen = {w, h, std::vector<uint32_t>(static_cast<size_t>(w) * static_cast<size_t>(h), 0u)};
        FBefore = {};
        FIndex = SIZE_MAX;
    }
    for (size_t i = next; i <= index; ++i) {
        if (i > 0) Dispose(info.Frames[i - 1]);
        if (info.Frames[i].Disposal == 3)
            FBefore = FScreen;
        else
            FBefore = {};
        Draw(info.Frames[i], decode ? decode(i) : TGifImage{});
        FIndex = i;
    }
    return &FScreen;
}

void TGifComposer::Dispose(const TGifFrame& frame) {
    if (frame.Disposal == 3 && FBefore.Width == FScreen.Width && FBefore.Height == FScreen.Height) {
        FScreen = std::move(FBefore);
        FBefore = {};
        return;
    }
    if (frame.Disposal != 2) return;
    const int right = std::min(frame.Left + frame.Width, FScreen.Width);
    const int bottom = std::min(frame.Top + frame.Height, FScreen.Height);
    for (int y = std::max(frame.Top, 0); y < bottom; ++y)
        for (int x = std::max(frame.Left, 0); x < right; ++x)
            FScreen.Pixels[static_cast<size_t>(y) * static_cast<size_t>(FScreen.Width) + static_cast<size_t>(x)] = 0;
}

void TGifComposer::Draw(const TGifFrame& frame, const TGifImage& image) {
    if (image.Width <= 0 || image.Height <= 0 ||
        image.Pixels.size() < static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height))
        return;
    // A screen-sized image holds the frame at its offset; any other is the frame itself.
    const bool screenSized = image.Width == FScreen.Width && image.Height == FScreen.Height &&
                             (image.Width != frame.Width || image.Height != frame.Height);
    const int right = std::min({frame.Left + frame.Width, FScreen.Width,
                                screenSized ? image.Width : frame.Left + image.Width});
    const int bottom = std::min({frame.Top + frame.Height, FScreen.Height,
                                 screenSized ? image.Height : frame.Top + image.Height});
    for (int y = std::max(frame.Top, 0); y < bottom; ++y)
        for (int x = std::max(frame.Left, 0); x < right; ++x) {
            const int sx = screenSized ? x : x - frame.Left;
            const int sy = screenSized ? y : y - frame.Top;
            const uint32_t pixel =
                image.Pixels[static_cast<size_t>(sy) * static_cast<size_t>(image.Width) + static_cast<size_t>(sx)];
            if (pixel >> 24)
                FScreen.Pixels[static_cast<size_t>(y) * static_cast<size_t>(FScreen.Width) + static_cast<size_t>(x)] =
                    pixel;
        }
}

}  // namespace orv
