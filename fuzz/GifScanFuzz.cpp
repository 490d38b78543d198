// Fuzzes the GIF frame scan: any bytes give frames that lie inside the data, in order, and
// the bytes built for each frame hold the header, that frame and the trailer only.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "statusbar/GifFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    orv::TGifInfo info = orv::ScanGifFrames(data, size);
    if (!info.IsGif && !info.Frames.empty()) std::abort();
    size_t previousEnd = info.HeaderEnd;
    for (size_t i = 0; i < info.Frames.size(); ++i) {
        const orv::TGifFrame& f = info.Frames[i];
        if (f.Start < previousEnd || f.End <= f.Start || f.End > size) std::abort();
        previousEnd = f.End;
        std::vector<uint8_t> bytes = orv::GifFrameBytes(data, size, info, i);
        if (bytes.size() != info.HeaderEnd + (f.End - f.Start) + 1 || bytes.back() != 0x3B) std::abort();
    }
    if (!orv::GifFrameBytes(data, size, info, info.Frames.size()).empty()) std::abort();
    return 0;
}
