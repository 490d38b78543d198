#include "FaceCacheBench.h"
#include "BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "paint/FaceCache.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kFaces = 1000;

struct TBenchFace {
    int Number = 0;
    auto Tie() const { return std::tie(Number); }
};

}  // namespace

void RunFaceCacheBench() {
    TFaceCache cache;
    TBitmap target(40, 20);
    HDC dc = target.Canvas().Handle();
    auto fill = [](TFace& face, HDC faceDC) {
        RECT rc{0, 0, face.Width(), face.Height()};
        FillRect(faceDC, &rc, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    };
    // One face shown first, so the shared blit surface exists in both counts.
    cache.Get(TBenchFace{-1}, 40, 20, fill)->Blit(dc, 0, 0);
    cache.Clear();
    const int gdiBefore = GdiLiveTotal();
    const DWORD processBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    double microseconds = MedianMicroseconds(1, [&] {
        for (int i = 0; i < kFaces; ++i) cache.Get(TBenchFace{i}, 40, 20, fill)->Blit(dc, 0, 0);
    });
    std::printf("\nface cache, %d faces of 40 x 20 made and shown in %.0f us (kept: %zu, %zu bytes)\n", kFaces,
                microseconds, cache.Count(), cache.Bytes());
    std::printf("face cache with 1,000 faces: live GDI %d -> %d (process GDI objects %lu -> %lu)\n", gdiBefore,
                GdiLiveTotal(), static_cast<unsigned long>(processBefore),
                static_cast<unsigned long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)));
}

}  // namespace orvtools
