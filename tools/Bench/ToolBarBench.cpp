#include "ToolBarBench.h"
#include "BenchTiming.h"
#include "BenchCounts.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"

using namespace orv;

namespace orvtools {

namespace {

TOrvToolBar* AddBar(TForm* form, TOrvPage* page, int large, int small, bool transparent = false) {
    auto* tb = new TOrvToolBar(form);
    tb->SetCaption(L"Clipboard");
    tb->SetShowCaption(true);
    tb->SetCaptionPosition(cpBottom);
    tb->SetShowRightHandle(false);
    page->AddOrvToolBar(tb);
    for (int i = 0; i < large + small; ++i) {
        auto* b = new TOrvGlowButton(form);
        b->SetCaption(L"Command");
        if (i >= large) b->SetButtonSizeState(bsLabel);
        b->SetAutoSize(true);
        b->SetTransparent(transparent);
        b->SetParent(tb);
    }
    return tb;
}

}  // namespace

void RunToolBarBench() {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(0, 0, 1000, 200);
    form->HandleNeeded();  // real windows for the controls, so that window counts mean something
    auto* page = new TOrvPage(form.get());
    page->SetBounds(0, 0, 980, 95);
    page->SetParent(form.get());
    // Opaque glow buttons, then transparent ones as a ribbon shows them (their faces kept
    // over the toolbar's).
    for (bool transparent : {false, true}) {
        TOrvToolBar* tb = AddBar(form.get(), page, 0, 7, transparent);
        page->ArrangeToolBars();

        TBitmap bmp(tb->Width(), tb->Height());
        HDC dc = bmp.Canvas().Handle();
        TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
        RECT rc{0, 0, tb->Width(), tb->Height()};
        auto paint = [&] {
            tb->PaintTo(dc);
            for (int i = 0; i < tb->ControlCount(); ++i) {
                TControl* c = tb->Controls(i);
                SetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
                c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
            }
            SetViewportOrgEx(dc, 0, 0, nullptr);
        };
        // The first paint keeps the faces of the toolbar and its buttons in the shared face
        // cache (one DIB section each): counted from there, and once more with the cache dropped.
        SharedFaceCache().Clear();
        int gdiCold = GdiLiveTotal();
        paint();
        int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal(), windowsBefore = CountThreadWindows();
        std::size_t facesBefore = SharedFaceCache().Count();
        double fill = MedianMicroseconds(200, [&] { FillRect(dc, &rc, brush.Get()); });
        double painted = MedianMicroseconds(200, paint);
        for (int i = 0; i < 10000; ++i) paint();
        std::printf("page toolbar %d x %d, caption and seven %s glow buttons: %.1f us, x FillRect %.1f\n", tb->Width(),
                    tb->Height(), transparent ? "transparent" : "opaque", painted, fill > 0 ? painted / fill : 0.0);
        std::printf(
            "  after 10,000 paints: live GDI %d -> %d, live GDI+ %d -> %d, windows %d -> %d, cached faces %zu -> %zu\n",
            gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows(), facesBefore,
            SharedFaceCache().Count());
        SharedFaceCache().Clear();
        std::printf("  live GDI %d before the first paint, %d with the face cache dropped\n", gdiCold, GdiLiveTotal());

        tb->Free();
    }
    for (int i = 0; i < 5; ++i) AddBar(form.get(), page, 3, 3);
    page->ArrangeToolBars();
    auto position = [&] {
        for (int i = 0; i < page->ToolBarCount(); ++i) page->ToolBars(i)->PositionControls();
        page->ArrangeToolBars();
    };
    // What the windows post on the way (the compact windows come and go) is handled as an
    // application's message loop would, so nothing piles up over the cycles.
    auto pump = [] {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    };
    auto cycle = [&] {
        page->SetWidth(60);
        page->SetWidth(980);
        pump();
    };
    cycle();
    int gdiBefore = GdiLiveTotal();
    int gdipBefore = GdipLiveTotal();
    int componentsBefore = TComponent::LiveCount();
    int windowsBefore = CountThreadWindows();
    auto compacted = [&] {
        int n = 0;
        for (int i = 0; i < page->ToolBarCount(); ++i) n += page->ToolBars(i)->IsCompacted() ? 1 : 0;
        return n;
    };
    page->SetWidth(60);
    int compactNarrow = compacted();
    page->SetWidth(980);
    int compactWide = compacted();
    double positioned = MedianMicroseconds(50, position);
    double cycled = MedianMicroseconds(20, cycle);
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < 1000; ++i) cycle();
    QueryPerformanceCounter(&stop);
    double mean = static_cast<double>(stop.QuadPart - start.QuadPart) * 1e6 / frequency.QuadPart / 1000;
    std::printf(
        "shrink-and-grow cycle of five toolbars: %.0f us (mean of 1,000: %.0f us), x one positioning pass %.1f\n",
        cycled, mean, positioned > 0 ? cycled / positioned : 0.0);
    std::printf("  compacted toolbars: %d of %d at 60 pixels, %d at 980\n", compactNarrow, page->ToolBarCount(),
                compactWide);
    std::printf(
        "  after 1,000 cycles: live GDI %d -> %d, live GDI+ %d -> %d, windows %d -> %d, components %d -> %d\n\n",
        gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows(), componentsBefore,
        TComponent::LiveCount());
}

}  // namespace orvtools
