#include "ResizeBench.h"
#include "BenchTiming.h"
#include "BenchCounts.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <functional>
#include <vector>

#include "app/ZemForm3.h"
#include "appmenu/OrvPreviewMenu.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Application.h"
#include "framework/Component.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "framework/Units.h"
#include "itemlist/ItemListClasses.h"
#include "paint/OrvGDIP.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"
#include "statusbar/PictureContainer.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvToolBarStylers.h"

using namespace orv;

namespace orvtools {

namespace {

struct TStepTimes {
    double Median = 0, P95 = 0, Worst = 0;
    // Per step, on average: windows made and destroyed, window paints, moves and sizes.
    double Created = 0, Destroyed = 0, Paints = 0, Moves = 0;
    // The step's median split: sizing (with the queue run) and the repaint.
    double Sizing = 0, Repaint = 0;
    // Per step: ribbon layout passes of the pages and positionings of the toolbars.
    double Passes = 0, Positionings = 0;
};

// Ribbon passes (first) and toolbar positionings (second) so far.
using TLayoutCounts = std::function<std::pair<long, long>()>;

// What the window system does for this thread while it lives: where a step's time goes.
struct TWindowTraffic {
    TWindowTraffic() {
        Current() = this;
        FCbt = SetWindowsHookExW(WH_CBT, Cbt, nullptr, GetCurrentThreadId());
        FCall = SetWindowsHookExW(WH_CALLWNDPROC, Call, nullptr, GetCurrentThreadId());
        FGet = SetWindowsHookExW(WH_GETMESSAGE, Get, nullptr, GetCurrentThreadId());
    }
    ~TWindowTraffic() {
        UnhookWindowsHookEx(FCbt);
        UnhookWindowsHookEx(FCall);
        UnhookWindowsHookEx(FGet);
        Current() = nullptr;
    }
    long Created = 0, Destroyed = 0, Paints = 0, Moves = 0;

private:
    static TWindowTraffic*& Current() {
        static TWindowTraffic* current = nullptr;
        return current;
    }
    static void Count(UINT msg) {
        if (msg == WM_PAINT) ++Current()->Paints;
        if (msg == WM_WINDOWPOSCHANGED) ++Current()->Moves;
    }
    static LRESULT CALLBACK Cbt(int code, WPARAM w, LPARAM l) {
        if (code == HCBT_CREATEWND) ++Current()->Created;
        if (code == HCBT_DESTROYWND) ++Current()->Destroyed;
        return CallNextHookEx(nullptr, code, w, l);
    }
    static LRESULT CALLBACK Call(int code, WPARAM w, LPARAM l) {
        if (code == HC_ACTION) Count(reinterpret_cast<CWPSTRUCT*>(l)->message);
        return CallNextHookEx(nullptr, code, w, l);
    }
    static LRESULT CALLBACK Get(int code, WPARAM w, LPARAM l) {
        if (code == HC_ACTION && w == PM_REMOVE) Count(reinterpret_cast<MSG*>(l)->message);
        return CallNextHookEx(nullptr, code, w, l);
    }
    HHOOK FCbt = nullptr, FCall = nullptr, FGet = nullptr;
};

// Widths 1,200 down to 300 and back up in 10-pixel steps, as a pointer dragging the
// window's right edge gives them.
std::vector<int> DragWidths() {
    std::vector<int> widths;
    for (int w = 1200; w >= 300; w -= 10) widths.push_back(w);
    for (int w = 310; w <= 1200; w += 10) widths.push_back(w);
    return widths;
}

// One step: the window takes the width, what the size change queued is handled, then
// the window and all its children repaint at once.
TStepTimes TimeDrag(HWND window, int height, int rounds, const TLayoutCounts& counts = nullptr) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times, sizing, repaint;
    const std::vector<int> widths = DragWidths();
    RECT r{};
    GetWindowRect(window, &r);
    for (int round = 0; round < rounds; ++round)
        for (int w : widths) {
            LARGE_INTEGER start, sized, stop;
            QueryPerformanceCounter(&start);
            SetWindowPos(window, nullptr, r.left, r.top, w, height, SWP_NOZORDER | SWP_NOACTIVATE);
            PumpPending();
            QueryPerformanceCounter(&sized);
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            GdiFlush();
            QueryPerformanceCounter(&stop);
            times.push_back(static_cast<double>(stop.QuadPart - start.QuadPart) * 1e3 / frequency.QuadPart);
            sizing.push_back(static_cast<double>(sized.QuadPart - start.QuadPart) * 1e3 / frequency.QuadPart);
            repaint.push_back(static_cast<double>(stop.QuadPart - sized.QuadPart) * 1e3 / frequency.QuadPart);
        }
    std::sort(times.begin(), times.end());
    TStepTimes t;
    std::sort(sizing.begin(), sizing.end());
    std::sort(repaint.begin(), repaint.end());
    t.Sizing = sizing[sizing.size() / 2];
    t.Repaint = repaint[repaint.size() / 2];
    {
        // One more drag, counted, untimed: the hooks cost time of their own.
        TWindowTraffic traffic;
        std::pair<long, long> before = counts ? counts() : std::pair<long, long>{};
        for (int w : widths) {
            SetWindowPos(window, nullptr, r.left, r.top, w, height, SWP_NOZORDER | SWP_NOACTIVATE);
            PumpPending();
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        double n = static_cast<double>(widths.size());
        t.Created = traffic.Created / n;
        t.Destroyed = traffic.Destroyed / n;
        t.Paints = traffic.Paints / n;
        t.Moves = traffic.Moves / n;
        std::pair<long, long> after = counts ? counts() : std::pair<long, long>{};
        t.Passes = (after.first - before.first) / n;
        t.Positionings = (after.second - before.second) / n;
    }
    t.Median = times[times.size() / 2];
    t.P95 = times[std::min(times.size() - 1, times.size() * 95 / 100)];
    t.Worst = times.back();
    return t;
}

LRESULT CALLBACK BareWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        FillRect(dc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

// The baseline: a bare top-level window that fills its client area on each paint.
TStepTimes TimeBareWindow(int height, int rounds) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BareWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = L"OrvBenchBareWindow";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"bare", WS_OVERLAPPEDWINDOW, 10, 10, 1200, height, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    PumpPending();
    TStepTimes t = TimeDrag(window, height, rounds);
    DestroyWindow(window);
    PumpPending();
    return t;
}

void PrintRow(const char* what, const TStepTimes& t, const TStepTimes& bare) {
    std::printf("live resize, %s, 10-pixel steps: median %.1f ms, p95 %.1f ms\n", what, t.Median, t.P95);
    std::printf("  worst %.1f ms; a bare window the same way: median %.2f ms, p95 %.2f ms (x %.1f at the median)\n",
                t.Worst, bare.Median, bare.P95, bare.Median > 0 ? t.Median / bare.Median : 0.0);
    std::printf("  median sizing %.1f ms, repaint %.1f ms\n", t.Sizing, t.Repaint);
    std::printf("  per step: %.1f windows made, %.1f destroyed, %.1f window paints, %.1f window moves or sizes, "
                "%.2f ribbon passes, %.2f toolbar positionings\n",
                t.Created, t.Destroyed, t.Paints, t.Moves, t.Passes, t.Positionings);
}

std::pair<long, long> PageCounts(TOrvToolBarPager* pager) {
    std::pair<long, long> n{0, 0};
    for (int p = 0; p < pager->PageCount(); ++p) {
        TOrvPage* page = pager->Pages(p);
        n.first += page->LayoutPassCount();
        for (int i = 0; i < page->ToolBarCount(); ++i) n.second += page->ToolBars(i)->PositionCount();
    }
    return n;
}

void AddBar(TForm* form, TOrvPage* page) {
    auto* tb = new TOrvToolBar(form);
    tb->SetCaption(L"Clipboard");
    tb->SetShowCaption(true);
    tb->SetCaptionPosition(cpBottom);
    tb->SetShowRightHandle(false);
    page->AddOrvToolBar(tb);
    for (int i = 0; i < 6; ++i) {
        auto* b = new TOrvGlowButton(form);
        b->SetCaption(L"Command");
        if (i >= 3) b->SetButtonSizeState(bsLabel);
        b->SetMinButtonSizeState(bsLabel);  // captions kept: a narrow page compacts toolbars
        b->SetAutoSize(true);
        b->SetParent(tb);
    }
}

}  // namespace

void RunResizeBench() {
    RegisterUnit(L"Toolbar", RegisterToolbarClasses, nullptr);
    RegisterUnit(L"ItemList", RegisterItemListClasses, nullptr);
    RegisterUnit(L"PictureContainer", html::RegisterPictureContainerClasses, nullptr);
    RegisterUnit(L"StatusBar", RegisterStatusBarClasses, nullptr);
    RegisterUnit(L"AppMenu", RegisterAppMenuClasses, nullptr);
    RegisterUnit(L"Program", RegisterAppClasses, nullptr);
    InitializeUnits();
    // Three timed drags each; fewer through ORV_BENCH_ROUNDS while working on it.
    int kRounds = 3;
    if (const char* rounds = std::getenv("ORV_BENCH_ROUNDS")) kRounds = std::max(1, std::atoi(rounds));
    const TStepTimes bare = TimeBareWindow(606, kRounds);

    {
        // The program's main window, read from its layout; the probe's box answered at once.
        TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
        TOwnedPtr<TZemForm3> form(Make<TZemForm3>(nullptr));
        SetShowMessageHook(old);
        form->SetPosition(TPosition::poDesigned);
        form->SetBounds(10, 10, 1200, form->Height());
        form->Show();
        PumpPending();
        TimeDrag(form->Handle(), form->Height(), 1);  // the first compact of each toolbar
        auto counts = [&] { return PageCounts(form->OrvToolBarPager1); };
        int gdi = GdiLiveTotal(), gdip = GdipLiveTotal(), windows = CountThreadWindows();
        int components = TComponent::LiveCount();
        TStepTimes t = TimeDrag(form->Handle(), form->Height(), kRounds, counts);
        PrintRow("main window", t, bare);
        std::printf("  over %d drags: live GDI %d -> %d, GDI+ %d -> %d, windows %d -> %d, components %d -> %d\n",
                    kRounds, gdi, GdiLiveTotal(), gdip, GdipLiveTotal(), windows, CountThreadWindows(), components,
                    TComponent::LiveCount());
    }
    PumpPending();
    {
        TOwnedPtr<TOrvToolBarOfficeStyler> styler(Make<TOrvToolBarOfficeStyler>(nullptr));
        styler->SetStyle(bsOffice2010Blue);
        TOwnedPtr<TForm> form(Make<TForm>(nullptr));
        form->SetBounds(10, 10, 1200, 240);
        auto* pager = new TOrvToolBarPager(form.get());
        pager->SetParent(form.get());
        pager->SetAlign(TAlign::alTop);
        pager->SetToolBarStyler(styler.get());
        pager->Caption().SetCaption(L"Document1 - Quillan");
        TOrvPage* page = pager->AddOrvPage(L"Home");
        pager->AddOrvPage(L"Insert");
        for (int i = 0; i < 5; ++i) AddBar(form.get(), page);
        page->ArrangeToolBars();
        form->Show();
        PumpPending();
        TimeDrag(form->Handle(), 240, 1);
        auto counts = [&] { return PageCounts(pager); };
        SetWindowPos(form->Handle(), nullptr, 10, 10, 300, 240, SWP_NOZORDER | SWP_NOACTIVATE);
        PumpPending();
        int compacted = 0;
        for (int i = 0; i < page->ToolBarCount(); ++i) compacted += page->ToolBars(i)->IsCompacted() ? 1 : 0;
        std::printf("  (%d of %d toolbars compact at 300 pixels)\n", compacted, page->ToolBarCount());
        SetWindowPos(form->Handle(), nullptr, 10, 10, 1200, 240, SWP_NOZORDER | SWP_NOACTIVATE);
        PumpPending();
        int gdi = GdiLiveTotal(), gdip = GdipLiveTotal(), windows = CountThreadWindows();
        int components = TComponent::LiveCount();
        TStepTimes t = TimeDrag(form->Handle(), 240, kRounds, counts);
        PrintRow("five toolbars", t, bare);
        std::printf("  over %d drags: live GDI %d -> %d, GDI+ %d -> %d, windows %d -> %d, components %d -> %d\n\n",
                    kRounds, gdi, GdiLiveTotal(), gdip, GdipLiveTotal(), windows, CountThreadWindows(), components,
                    TComponent::LiveCount());
    }
    PumpPending();
}

}  // namespace orvtools
