#include "ToolBarButtonBench.h"
#include "BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/ToolBarButtonFace.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kRuns = 1000;
constexpr int kLeakPaints = 10000;
constexpr int kWidth = 48, kHeight = 22;

}  // namespace

void RunToolBarButtonBench() {
    // The buttons on a toolbar, as a program has them: a button at rest shows the
    // toolbar's pixels, and its face is kept composed over the toolbar's kept face.
    TOwnedPtr<TForm> host(Make<TForm>(nullptr));
    host->SetBounds(0, 0, 500, 300);
    host->HandleNeeded();
    auto* bar = new TOrvToolBar(host.get());
    bar->SetParent(host.get());
    bar->SetBounds(0, 0, 400, 26);
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect({0, 0, 16, 16});
    glyph.Canvas().Brush().SetColor(0x2F7FD0);
    glyph.Canvas().Ellipse({1, 1, 15, 15});
    int left = 0;
    auto make = [&]() {
        auto* b = new TOrvToolBarButton(host.get());
        b->SetParent(bar);
        b->SetAutoSize(false);
        b->SetBounds(left, 2, kWidth, kHeight);
        left += kWidth + 2;
        b->SetCaption(L"Print");
        b->SetShowCaption(true);
        b->Glyph().Assign(&glyph);
        return b;
    };
    TOrvToolBarButton* idle = make();
    TOrvToolBarButton* hot = make();
    hot->Perform(CM_MOUSEENTER);
    TOrvToolBarButton* gradient = make();
    gradient->SetParentStyler(false);  // its own appearance, not the toolbar's
    gradient->Appearance().SetColorHotTo(0xE0A070);
    gradient->Perform(CM_MOUSEENTER);
    TOrvToolBarButton* checked = make();
    checked->SetGroupIndex(1);
    checked->SetDown(true);
    TOrvToolBarButton* disabled = make();
    disabled->SetEnabled(false);

    TBitmap bitmap(kWidth, kHeight);
    HDC dc = bitmap.Canvas().Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    RECT rc{0, 0, kWidth, kHeight};
    struct TRow {
        const char* Name;
        TOrvToolBarButton* Button;
    };
    const TRow rows[] = {{"toolbar button idle", idle},
                         {"toolbar button hot", hot},
                         {"toolbar button hot, gradient", gradient},
                         {"toolbar button checked", checked},
                         {"toolbar button disabled", disabled}};
    constexpr int kRows = static_cast<int>(std::size(rows));
    for (const TRow& r : rows) r.Button->PaintTo(dc);  // first paints build shades and faces

    double baseline = MedianMicroseconds(kRuns, [&] { FillRect(dc, &rc, brush.Get()); });
    std::printf(
        "\ntoolbar button paint, %d x %d with glyph and caption, median of %d paints; FillRect baseline %.2f us\n",
        kWidth, kHeight, kRuns, baseline);
    std::printf("%-34s %12s %10s\n", "state", "median us", "x FillRect");
    for (const TRow& r : rows) {
        double t = MedianMicroseconds(kRuns, [&] { r.Button->PaintTo(dc); });
        std::printf("%-34s %12.2f %10.1f\n", r.Name, t, baseline > 0 ? t / baseline : 0.0);
    }
    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
    for (int i = 0; i < kLeakPaints; ++i) rows[i % kRows].Button->PaintTo(dc);
    std::printf("%d paints: live GDI objects before %d, after %d; live GDI+ objects before %d, after %d\n", kLeakPaints,
                gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal());
    // The same buttons drawn at every paint, as before their faces were kept.
    ToolButtonFaceCache = false;
    for (const TRow& r : rows) {
        double t = MedianMicroseconds(kRuns, [&] { r.Button->PaintTo(dc); });
        std::printf("%-34s %12.2f %10.1f\n", (std::string(r.Name) + ", drawn").c_str(), t,
                    baseline > 0 ? t / baseline : 0.0);
    }
    ToolButtonFaceCache = true;
}

}  // namespace orvtools
