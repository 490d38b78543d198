#include "StatusBarBench.h"
#include "BenchTiming.h"

#include <windows.h>

#include <cstdio>

#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "paint/OrvGDIP.h"
#include "statusbar/OrvOfficeStatusBar.h"
#include "statusbar/StatusBarFace.h"
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
    std::printf("FillRect of the bar's area (baseline): %.2f us\n", fill);
    std::printf("status bar steady repaint: %.1f x FillRect\n", fill > 0 ? bar / fill : 0.0);
    // Every panel drawn at every paint, as before the panels kept their faces; and the same
    // with classic text output (how much of that the smoothed text takes).
    StatusBarFaceCache = false;
    double direct = MedianMicroseconds(kRuns, [&] { scene.Paint(dc); });
    scene.Bar().SetAntiAlias(aaNone);
    double classic = MedianMicroseconds(kRuns, [&] { scene.Paint(dc); });
    scene.Bar().SetAntiAlias(aaClearType);
    StatusBarFaceCache = true;
    std::printf("status bar repaint, panels drawn: %.1f x FillRect; AntiAlias aaNone: %.1f x FillRect\n",
                fill > 0 ? direct / fill : 0.0, fill > 0 ? classic / fill : 0.0);

    // A clock panel on a shown bar beside the scene's panels: ticks with the same clock text
    // paint nothing; a tick with a new text repaints the clock's panel only.
    int seconds = 9 * 3600;
    TStatusBarSystemCalls calls;
    calls.Now = [&seconds](SYSTEMTIME& t) {
        t = SYSTEMTIME{2024,
                       3,
                       2,
                       5,
                       static_cast<WORD>(seconds / 3600 % 24),
                       static_cast<WORD>(seconds / 60 % 60),
                       static_cast<WORD>(seconds % 60),
                       0};
    };
    SetStatusBarSystemCalls(calls);
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBounds(0, 0, 700, 120);
    form->SetClientWidth(681);
    auto* shown = new TOrvOfficeStatusBar(form.get());
    shown->SetParent(form.get());
    shown->SetStyler(scene.Bar().GetStyler());
    shown->Panels().Assign(&scene.Bar().Panels());
    shown->Panels().Items(3)->SetWidth(80);
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
    // One panel's paint: the clock's rectangle of the bar painted directly.
    const TRect clockRect = shown->PanelRect(shown->Panels().Count() - 1);
    TBitmap panelBitmap(681, 19);
    HDC panelDC = panelBitmap.Canvas().Handle();
    StatusBarFaceCache = false;
    double panel = MedianMicroseconds(kRuns, [&] {
        ++seconds;
        shown->TimerTick();
        ValidateRect(shown->Handle(), nullptr);
        SaveDC(panelDC);
        IntersectClipRect(panelDC, clockRect.Left, clockRect.Top, clockRect.Right, clockRect.Bottom);
        shown->Perform(WM_PAINT, reinterpret_cast<WPARAM>(panelDC), 0);
        RestoreDC(panelDC, -1);
    });
    StatusBarFaceCache = true;
    double tick = MedianMicroseconds(kRuns, [&] {
        ++seconds;
        shown->TimerTick();
        UpdateWindow(shown->Handle());
    });
    std::printf("a tick that changes the clock text: %.2f x one panel's paint (%.1f us against %.1f us)\n",
                panel > 0 ? tick / panel : 0.0, tick, panel);

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
