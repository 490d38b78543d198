#include "FillBench.h"
#include "BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "paint/GDIPFill.h"
#include "paint/OrvGDIP.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kRuns = 1000;
constexpr int kLeakFills = 10000;
constexpr int kWidth = 160;
constexpr int kHeight = 35;

}  // namespace

void RunFillBench() {
    TGDIPFill fill;
    fill.SetColor(0xFAF0E6);
    fill.SetColorTo(0xF0D9C2);
    fill.SetColorMirror(0xE4C8A8);
    fill.SetColorMirrorTo(0xD6A87C);
    fill.SetBorderColor(0xB99D7F);
    fill.SetRounding(3);
    fill.SetGlow(gmGradient);

    TBitmap bitmap(kWidth, kHeight);
    HDC dc = bitmap.Canvas().Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    RECT rc{0, 0, kWidth, kHeight};
    const TGPRectF area{0, 0, kWidth, kHeight};
    double baseline = MedianMicroseconds(kRuns, [&] { FillRect(dc, &rc, brush.Get()); });
    // The surface is the caller's: one per paint, made outside what is measured.
    TGPGraphics g(dc);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    double t = MedianMicroseconds(kRuns, [&] { fill.Fill(&g, area); });
    std::printf("\nfill, %d x %d, median of %d fills on one surface; FillRect baseline %.2f us\n", kWidth, kHeight,
                kRuns, baseline);
    std::printf("%-34s %12s %10s\n", "fill", "median us", "x FillRect");
    std::printf("%-34s %12.2f %10.1f\n", "two parts, r3, border, glow", t, baseline > 0 ? t / baseline : 0.0);

    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
    long surfacesBefore = GdipMadeCount(TGdipKind::Graphics);
    for (int i = 0; i < kLeakFills; ++i) fill.Fill(&g, area);
    std::printf(
        "%d fills: live GDI objects before %d, after %d; live GDI+ objects before %d, after %d; "
        "surfaces made %ld\n",
        kLeakFills, gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(),
        GdipMadeCount(TGdipKind::Graphics) - surfacesBefore);
}

}  // namespace orvtools
