#pragma once
// The frames of an animated GIF, found by walking its blocks. Every read is checked against
// the data: a truncated or malformed file gives the frames complete before the fault. No
// platform header: this unit also builds natively, where it is fuzzed.
#include <cstddef>
#include <cstdint>
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

}  // namespace orv
