#include "QuickAccessBench.h"
#include "BenchCounts.h"
#include "BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "framework/Hooks.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvQuickAccessToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvToolBarStylers.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kButtons = 8;
// Wide enough for the strip with all eight buttons in the caption; 200 pixels less
// leaves room for none of them, so the narrowing moves them into the overflow one by one.
constexpr int kWideForm = 450;
constexpr int kNarrowSteps = 200;

void SetGlyph(TOrvToolBarButton* button, TColor color) {
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush().SetColor(clWhite);
    glyph.Canvas().FillRect({0, 0, 16, 16});
    glyph.Canvas().Brush().SetColor(color);
    glyph.Canvas().Pen().SetColor(clBlack);
    glyph.Canvas().Rectangle({2, 2, 14, 14});
    glyph.SetTransparentColor(clWhite);
    glyph.SetTransparent(true);
    button->Glyph().Assign(&glyph);
}

}  // namespace

void RunQuickAccessBench() {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(0, 0, kWideForm, 200);
    auto* styler = new TOrvToolBarOfficeStyler(form.get());
    styler->SetStyle(bsOffice2007Luna);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetAlign(TAlign::alNone);  // narrowed by itself, not through its form
    pager->SetBounds(0, 0, kWideForm, 149);
    pager->SetToolBarStyler(styler);
    pager->SetParent(form.get());
    pager->AddOrvPage(L"Home");
    // The capsule is the look off glass without the scenic flag, which an earlier row's
    // Office 2010 style may have left on.
    pager->SetWin7ScenicRibbon(false);
    auto* qat = new TOrvQuickAccessToolBar(form.get());
    qat->SetParent(pager);
    const TColor colors[kButtons] = {0x40C040, 0x40A0F0, 0xC06040, 0x4040E0, 0xC0C040, 0xA040A0, 0x808080, 0x2080FF};
    for (TColor color : colors) {
        auto* b = new TOrvToolBarButton(form.get());
        SetGlyph(b, color);
        b->SetLeft(2000);  // each after the last
        b->SetParent(qat);
    }
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpPending();

    // --- the capsule and its buttons ------------------------------------------------------------
    TBitmap bmp(qat->Width(), qat->Height());
    HDC dc = bmp.Canvas().Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    RECT rc{0, 0, qat->Width(), qat->Height()};
    auto paint = [&] { qat->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); };
    paint();
    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal(), windowsBefore = CountThreadWindows();
    const double fill = MedianMicroseconds(200, [&] { FillRect(dc, &rc, brush.Get()); });
    const double painted = MedianMicroseconds(200, paint);
    for (int i = 0; i < 10000; ++i) paint();
    std::printf(
        "quick access capsule %d x %d off glass, %d of %d buttons on the strip: %.1f us, x FillRect %.1f\n",
        qat->Width(), qat->Height(), qat->ControlList().Count(), kButtons, painted, fill > 0 ? painted / fill : 0.0);
    std::printf("  after 10,000 paints: live GDI %d -> %d, live GDI+ %d -> %d, windows %d -> %d\n", gdiBefore,
                GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows());

    // --- narrowing the pager --------------------------------------------------------------------
    const int wide = pager->Width();
    auto narrow = [&] {
        for (int i = 1; i <= kNarrowSteps; ++i) pager->SetWidth(wide - i);
    };
    auto position = [&] {
        for (int i = 0; i < kNarrowSteps; ++i) qat->PositionControls();
    };
    int hiddenWide = qat->HiddenControlList().Count();
    narrow();
    int hiddenNarrow = qat->HiddenControlList().Count();
    pager->SetWidth(wide);
    PumpPending();
    const double positioned = MedianMicroseconds(20, position);
    // Each run starts from the wide pager; the widening back is not timed.
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> runs;
    for (int r = 0; r < 21; ++r) {
        LARGE_INTEGER start, stop;
        QueryPerformanceCounter(&start);
        narrow();
        QueryPerformanceCounter(&stop);
        runs.push_back(static_cast<double>(stop.QuadPart - start.QuadPart) * 1e6 / frequency.QuadPart);
        pager->SetWidth(wide);
        PumpPending();
    }
    std::nth_element(runs.begin(), runs.begin() + runs.size() / 2, runs.end());
    const double narrowed = runs[runs.size() / 2];
    std::printf(
        "pager narrowed by one pixel %d times (%d -> %d wide, buttons in the overflow %d -> %d): %.0f us, x %d "
        "positioning passes of the strip %.1f\n",
        kNarrowSteps, wide, wide - kNarrowSteps, hiddenWide, hiddenNarrow, narrowed, kNarrowSteps,
        positioned > 0 ? narrowed / positioned : 0.0);
    std::printf("  one step %.0f us (the pager's own re-layout included), 200 positioning passes %.1f us\n",
                narrowed / kNarrowSteps, positioned);

    // --- the overflow window ---------------------------------------------------------------------
    pager->SetWidth(wide - kNarrowSteps);
    PumpPending();
    auto cycle = [&] {
        qat->ShowOverflowWindow();
        PumpPending();
        qat->HideOverflowWindow();
        PumpPending();
    };
    // The first cycle makes the window and its panel, which the strip keeps.
    cycle();
    int lent = 0;
    qat->ShowOverflowWindow();
    const bool shown = qat->OverflowWindowShowing();
    for (int i = 0; i < qat->HiddenControlList().Count(); ++i)
        if (qat->HiddenControlList()[i]->Parent() != qat) ++lent;
    qat->HideOverflowWindow();
    PumpPending();
    gdiBefore = GdiLiveTotal();
    gdipBefore = GdipLiveTotal();
    windowsBefore = CountThreadWindows();
    const int componentsBefore = TComponent::LiveCount(), hooksBefore = ThreadHookLiveCount();
    const double cycled = MedianMicroseconds(200, cycle);
    for (int i = 0; i < 1000; ++i) cycle();
    std::printf("overflow window open and close (%s, %d buttons lent to it): %.0f us, x one paint of the strip %.1f\n",
                shown ? "shown" : "NOT SHOWN", lent, cycled, painted > 0 ? cycled / painted : 0.0);
    std::printf(
        "  after 1,000 cycles: live GDI %d -> %d, live GDI+ %d -> %d, windows %d -> %d, components %d -> %d, hooks "
        "%d -> %d\n\n",
        gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows(), componentsBefore,
        TComponent::LiveCount(), hooksBefore, ThreadHookLiveCount());
}

}  // namespace orvtools
