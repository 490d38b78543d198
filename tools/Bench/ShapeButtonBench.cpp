#include "ShapeButtonBench.h"
#include "BenchTiming.h"
#include "BenchCounts.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "appbutton/FrameWindow.h"
#include "appbutton/OrvShapeButton.h"
#include "framework/Bitmap.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvStyleIF.h"
#include "toolbar/OrvToolBarPager.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kRuns = 1000;
constexpr int kLeakPaints = 10000;
constexpr int kCycles = 100;

}  // namespace

void RunShapeButtonBench() {
    bool savedScenic = ScenicRibbonMode, savedOffice = Office2010Look;
    ScenicRibbonMode = true;
    Office2010Look = true;
    TOwnedPtr<TForm> host(Make<TForm>(nullptr));
    host->SetBounds(0, 0, 681, 606);
    auto* pager = new TOrvToolBarPager(host.get());
    pager->SetParent(host.get());
    pager->SetBounds(0, 0, 681, 149);
    auto make = [&]() {
        auto* b = new TOrvShapeButton(host.get());
        b->SetParent(pager);
        b->SetBounds(0, 30, 55, 24);
        b->Appearance().SetShape(TOrvButtonShape::bsRectangle);
        b->SetText(L"File");
        b->Font().SetColor(clWhite);
        return b;
    };
    ScenicRibbonMode = true;
    Office2010Look = true;
    TOrvShapeButton* normal = make();
    TOrvShapeButton* hot = make();
    hot->Perform(CM_MOUSEENTER);
    TOrvShapeButton* down = make();
    down->SetStyle(tasCheck);
    down->SetDown(true);
    TOrvShapeButton* disabled = make();
    disabled->SetEnabled(false);

    // Shown, so the counts below include real windows.
    host->Show();
    PumpPending();
    // The pump let the hover timer see the pointer outside: hot again, and no pump until
    // the rows are timed.
    hot->Perform(CM_MOUSEENTER);
    if (hot->CurrentLook() != slHot || down->CurrentLook() != slDown || disabled->CurrentLook() != slDisabled)
        std::printf("shape button bench: a button is not in the look its row names\n");
    TBitmap bitmap(55, 24);
    HDC dc = bitmap.Canvas().Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    RECT rc{0, 0, 55, 24};
    auto paint = [dc](TOrvShapeButton* b) { b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); };
    struct TRow {
        const char* Name;
        TOrvShapeButton* Button;
    };
    const TRow rows[] = {{"shape button normal", normal},
                         {"shape button hot", hot},
                         {"shape button down", down},
                         {"shape button disabled", disabled}};
    for (const TRow& r : rows) paint(r.Button);

    double baseline = MedianMicroseconds(kRuns, [&] { FillRect(dc, &rc, brush.Get()); });
    std::printf("\nshape button paint, 55 x 24 Office 2010 rectangle \"File\" on a pager, median of %d paints;\n",
                kRuns);
    std::printf("FillRect baseline %.2f us. steady: the kept face copied (keyed by the pager's backdrop);\n", baseline);
    std::printf("direct: drawn without the face cache\n");
    std::printf("%-26s %10s %10s %10s %10s\n", "look", "steady us", "x Fill", "direct us", "x Fill");
    auto ratio = [baseline](double t) { return baseline > 0 ? t / baseline : 0.0; };
    for (const TRow& r : rows) {
        double steady = MedianMicroseconds(kRuns, [&] { paint(r.Button); });
        ShapeButtonFaceCache = false;
        double direct = MedianMicroseconds(kRuns, [&] { paint(r.Button); });
        ShapeButtonFaceCache = true;
        std::printf("%-26s %10.2f %10.1f %10.2f %10.1f\n", r.Name, steady, ratio(steady), direct, ratio(direct));
    }
    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal(), windowsBefore = CountThreadWindows();
    for (int i = 0; i < kLeakPaints; ++i) paint(rows[i % 4].Button);
    std::printf(
        "%d paints: live GDI objects before %d, after %d; live GDI+ objects before %d, after %d; windows "
        "before %d, after %d\n",
        kLeakPaints, gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows());

    // The frame: a panel with a left column and a client area of four rows.
    auto* frame = new TPanel(host.get());
    frame->SetParent(host.get());
    frame->SetBounds(48, 176, 574, 395);
    auto* left = new TPanel(host.get());
    left->SetParent(frame);
    left->SetAlign(TAlign::alLeft);
    left->SetWidth(161);
    for (int i = 0; i < 4; ++i) {
        auto* row = new TPanel(host.get());
        row->SetParent(frame);
        row->SetAlign(TAlign::alTop);
        row->SetHeight(35);
        row->SetCaption(L"Sub item " + std::to_wstring(i + 1));
    }
    normal->SetFrame(frame);
    PumpPending();
    // The pager's own styler announced its look when it was made: the frame needs both flags.
    ScenicRibbonMode = true;
    Office2010Look = true;
    auto open = [&] {
        normal->Click();
        normal->ShowMenuOrFrame();
        RedrawWindow(normal->FrameWindow()->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    auto close = [&] {
        normal->HideFrame();
        PumpPending();
    };
    open();
    if (!normal->FrameWindow() || !normal->FrameWindow()->GetVisible()) {
        std::printf("frame window did not open\n");
        ScenicRibbonMode = savedScenic;
        Office2010Look = savedOffice;
        return;
    }
    close();
    double repaint = 0;
    {
        open();
        repaint = MedianMicroseconds(200, [&] {
            RedrawWindow(normal->FrameWindow()->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        });
        close();
    }
    // Only the tick is timed: the click before it and the hide after it are not.
    double opening = 0;
    {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        std::vector<double> times;
        for (int i = 0; i < 200; ++i) {
            normal->Click();
            LARGE_INTEGER start, stop;
            QueryPerformanceCounter(&start);
            normal->ShowMenuOrFrame();
            RedrawWindow(normal->FrameWindow()->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            GdiFlush();
            QueryPerformanceCounter(&stop);
            times.push_back(static_cast<double>(stop.QuadPart - start.QuadPart) * 1e6 / frequency.QuadPart);
            close();
        }
        std::nth_element(times.begin(), times.begin() + 100, times.end());
        opening = times[100];
    }
    std::printf(
        "frame window open (the show timer's tick to the end of the frame's first paint): %.0f us, %.1f x one "
        "repaint of the shown frame (%.0f us)\n",
        opening, repaint > 0 ? opening / repaint : 0.0, repaint);
    int windows = CountThreadWindows();
    gdiBefore = GdiLiveTotal();
    gdipBefore = GdipLiveTotal();
    for (int i = 0; i < kCycles; ++i) {
        open();
        close();
    }
    std::printf(
        "%d open and close cycles: live GDI objects before %d, after %d; GDI+ before %d, after %d; windows "
        "before %d, after %d\n",
        kCycles, gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windows, CountThreadWindows());
    ScenicRibbonMode = savedScenic;
    Office2010Look = savedOffice;
}

}  // namespace orvtools
