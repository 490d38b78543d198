#include "PagerBench.h"
#include "BenchTiming.h"

#include <windows.h>

#include <cstdio>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvToolBarStylers.h"
#include "tools/Render/PagerRender.h"

using namespace orv;

namespace orvtools {

void RunPagerBench() {
    TOwnedPtr<TOrvToolBarOfficeStyler> styler(Make<TOrvToolBarOfficeStyler>(nullptr));
    styler->SetStyle(bsOffice2010Blue);
    TPagerSceneOptions options;
    options.Grouped = true;
    const TPagerPaintState scene = PagerScene(styler.get(), options);

    TBitmap bmp(options.Width, options.Height);
    TCanvas& canvas = bmp.Canvas();
    HDC dc = canvas.Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    RECT rc{0, 0, options.Width, options.Height};
    auto paint = [&] { PaintPager(canvas, scene); };
    paint();
    const int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
    const double fill = MedianMicroseconds(200, [&] { FillRect(dc, &rc, brush.Get()); });
    const double painted = MedianMicroseconds(200, paint);
    SharedFaceCache().ResetCounters();
    for (int i = 0; i < 10000; ++i) paint();
    std::printf("pager %d x %d, five tabs and one tab group, off glass: %.1f us, x FillRect %.1f\n", options.Width,
                options.Height, painted, fill > 0 ? painted / fill : 0.0);
    std::printf("  after 10,000 paints: live GDI %d -> %d, live GDI+ %d -> %d, face cache hits %zu, misses %zu\n\n",
                gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), SharedFaceCache().Hits(),
                SharedFaceCache().Misses());
}

}  // namespace orvtools
