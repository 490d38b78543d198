#include "StatusBarBench.h"
#include "BenchTiming.h"

#include <windows.h>

#include <cstdio>

#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "paint/OrvGDIP.h"
#include "statusbar/OrvOfficeStatusBar.h"
#include "tools/Render/StatusBarRender.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kRuns = 500;

void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

void RunStatusBarBench() {
    TStatusBarScene scene;
    TBitmap bitmap(681, 19);
    HDC dc = bitmap.Canvas().Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    double fill = MedianMicroseconds(kRuns, [&] {
        RECT r{0, 0, 681, 19};
        FillRect(dc, &r, brush.Get());
    });
    double bar = MedianMicroseconds(kRuns, [&] { scene.Paint(dc); });
    std::printf("Status bar 681 x 19 (HTML panel with bold text and an anchor, a gauge); median of %d runs\n", kRuns);
    std::printf("%-44s %12s %12s\n", "routine", "median us", "x FillRect");
    std::printf("%-44s %12.2f %12.1f\n", "FillRect of the bar's area (baseline)", fill, 1.0);
    std::printf("%-44s %12.2f %12.1f\n", "status bar repaint", bar, fill > 0 ? bar / fill : 0.0);
    // The same with classic text output: how much of the repaint the smoothed text takes.
    scene.Bar().SetAntiAlias(aaNone);
    double classic = MedianMicroseconds(kRuns, [&] { scene.Paint(dc); });
    scene.Bar().SetAntiAlias(aaClearType);
    std::printf("%-44s %12.2f %12.1f\n", "status bar repaint, AntiAlias aaNone", classic,
                fill > 0 ? classic / fill : 0.0);

    // A clock panel on a shown bar: ticks with the same clock text paint nothing.
    TStatusBarSystemCalls calls;
    calls.Now = [](SYSTEMTIME& t) { t = SYSTEMTIME{2024, 3, 2, 5, 9, 7, 58, 0}; };
    SetStatusBarSystemCalls(calls);
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(0, 0, 700, 120);
    auto* shown = new TOrvOfficeStatusBar(form.get());
    shown->SetParent(form.get());
    TOrvOfficeStatusPanel* clock = shown->Panels().Add();
    clock->SetStyle(psTime);
    clock->SetTimeFormat(L"h:mm:ss");
    form->Show();
    shown->TimerTick();
    PumpPending();
    UpdateWindow(shown->Handle());
    int paints = shown->PaintCount();
    for (int i = 0; i < 1000; ++i) shown->TimerTick();
    PumpPending();
    UpdateWindow(shown->Handle());
    std::printf("1,000 ticks with an unchanged clock text: %d paints\n", shown->PaintCount() - paints);

    const int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
    for (int i = 0; i < 10000; ++i) scene.Paint(dc);
    for (int i = 0; i < 10000; ++i) scene.Bar().TimerTick();
    std::printf(
        "10,000 paints and 10,000 ticks: live GDI objects before %d, after %d; live GDI+ objects before %d, "
        "after %d\n\n",
        gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal());
    SetStatusBarSystemCalls({});
}

}  // namespace orvtools
