// Fuzzes the GIF frame scan: any bytes give frames that lie inside the data, in order, and
// the bytes built for each frame hold the header, that frame and the trailer only. The
// composer then builds every frame's screen, in order and once more going back, from frame
// images of any size the data suggests.
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

    // Frame images: the frame's size, the screen's, or a small odd one, from the data.
    auto decode = [&](size_t i) {
        const orv::TGifFrame& f = info.Frames[i];
        orv::TGifImage image;
        const int choice = static_cast<int>(data[f.Start % size] % 3);
        image.Width = choice == 0 ? f.Width : choice == 1 ? info.ScreenWidth : 3;
        image.Height = choice == 0 ? f.Height : choice == 1 ? info.ScreenHeight : 2;
        if (static_cast<int64_t>(image.Width) * image.Height > 1 << 16) return orv::TGifImage{};
        image.Pixels.assign(static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height), 0xFF102030u);
        for (size_t p = 0; p < image.Pixels.size(); p += 3) image.Pixels[p] = 0;
        return image;
    };
    if (static_cast<int64_t>(info.ScreenWidth) * info.ScreenHeight <= 1 << 16) {
        orv::TGifComposer composer;
        for (size_t i = 0; i < info.Frames.size() && i < 64; ++i) {
            const orv::TGifImage* screen = composer.Compose(info, i, decode);
            if (!screen) {
                if (info.ScreenWidth > 0 && info.ScreenHeight > 0) std::abort();
                break;
            }
            if (screen->Pixels.size() != static_cast<size_t>(info.ScreenWidth) * static_cast<size_t>(info.ScreenHeight))
                std::abort();
        }
        if (!info.Frames.empty()) composer.Compose(info, 0, decode);
    }
    return 0;
}
