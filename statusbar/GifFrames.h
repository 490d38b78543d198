#pragma once
// The frames of an animated GIF, found by walking its blocks. Every read is checked against
// the data: a truncated or malformed file gives the frames complete before the fault. No
// platform header: this unit also builds natively, where it is fuzzed.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace orv {

struct TGifFrame {
    size_t Start = 0;  // offset of the frame's graphic control extension
    size_t End = 0;    // just past its image data
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Delay = 0;  // hundredths of a second
    bool Transparent = false;
    int TransparentIndex = 0;
    int Disposal = 0;
};

struct TGifInfo {
    bool IsGif = false;  // the data starts with "GIF8"
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    size_t HeaderEnd = 0;  // header, screen descriptor and global colour table
    std::vector<TGifFrame> Frames;
};

// Frames are the images that follow a graphic control extension (block size 4). An
// incomplete block or image descriptor ends the count.
TGifInfo ScanGifFrames(const uint8_t* data, size_t size);

// The bytes that show frame index (0-based) alone: the header, that frame's blocks and the
// trailer. Empty when the index is not a frame of info.
std::vector<uint8_t> GifFrameBytes(const uint8_t* data, size_t size, const TGifInfo& info, size_t index);

// A picture as 32-bit pixels 0xAARRGGBB, rows from the top; alpha is 0 (clear) or 255.
struct TGifImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
};

// Screens larger than this many pixels are not composed (their frames show alone).
constexpr int64_t kMaxGifComposedPixels = 2048 * 2048;

// The logical screen of an animated GIF as its frames build it up: a frame is drawn over
// the frames before it (its clear pixels leave what lies beneath), and each frame is taken
// away before the next as its disposal says (2: its area cleared, 3: the screen put back as
// it was before it). Stepping on by one frame draws one frame; going back starts again at
// the first.
class TGifComposer {
public:
    // A frame decoded alone: an image of the frame's size, or of the screen's size with the
    // frame at its offset. An empty image draws nothing.
    using TFrameDecoder = std::function<TGifImage(size_t index)>;

    // The screen showing frame index (0-based) of info; null when index is not a frame or
    // the screen is empty or too large.
    const TGifImage* Compose(const TGifInfo& info, size_t index, const TFrameDecoder& decode);
    void Reset();

private:
    void Dispose(const TGifFrame& frame);
    void Draw(const TGifFrame& frame, const TGifImage& image);

    TGifImage FScreen;
    TGifImage FBefore;            // the screen before the last frame, when that frame restores it
    size_t FIndex = SIZE_MAX;     // the frame FScreen shows
};

}  // namespace orv
