#include "DockPanelBench.h"
#include "BenchCounts.h"
#include "BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "paint/OrvGDIP.h"
#include "toolbar/FloatingWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarStylers.h"

using namespace orv;

namespace orvtools {

namespace {

TOrvToolBar* AddBar(TForm* form, TWinControl* parent, int buttons) {
    auto* tb = new TOrvToolBar(form);
    for (int i = 0; i < buttons; ++i) {
        auto* b = new TOrvToolBarButton(form);
        b->SetCaption(L"Item " + std::to_wstring(i + 1));
        b->SetShowCaption(true);
        b->SetOrvToolBar(tb);
    }
    tb->SetParent(parent);
    return tb;
}

}  // namespace

void RunDockPanelBench() {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(0, 0, 1000, 400);
    form->HandleNeeded();  // real windows, so that window counts mean something
    auto* styler = new TOrvToolBarOfficeStyler(form.get());
    styler->SetStyle(bsOffice2003Blue);
    auto* panel = new TOrvDockPanel(form.get());
    panel->SetToolBarStyler(styler);
    panel->SetParent(form.get());
    std::vector<TOrvToolBar*> bars;
    for (int row = 0; row < 3; ++row) {
        for (int k = 0; k < 4; ++k) {
            TOrvToolBar* tb = AddBar(form.get(), panel, 2 + k % 2);
            if (panel->RowCount() <= row) panel->Rows().Add();
            panel->Rows().MoveToolBarToRow(tb, row);
            bars.push_back(tb);
        }
    }
    form->Show();
    PumpPending();

    // The panel's own paint (the dock colour), and the panel with its twelve toolbars.
    TBitmap bmp(panel->Width(), panel->Height());
    HDC dc = bmp.Canvas().Handle();
    TGdiBrush brush(CreateSolidBrush(RGB(200, 220, 240)));
    RECT rc{0, 0, panel->Width(), panel->Height()};
    auto paintPanel = [&] { panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); };
    auto paintAll = [&] {
        paintPanel();
        for (TOrvToolBar* tb : bars) {
            SetViewportOrgEx(dc, tb->Left(), tb->Top(), nullptr);
            tb->PaintTo(dc);
        }
        SetViewportOrgEx(dc, 0, 0, nullptr);
    };
    paintAll();
    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal(), windowsBefore = CountThreadWindows();
    double fill = MedianMicroseconds(200, [&] { FillRect(dc, &rc, brush.Get()); });
    double panelOnly = MedianMicroseconds(200, paintPanel);
    double withBars = MedianMicroseconds(200, paintAll);
    for (int i = 0; i < 10000; ++i) paintAll();
    std::printf(
        "dock panel %d x %d, three rows of four toolbars: the panel %.1f us, x FillRect %.1f; with its "
        "toolbars %.1f us, x FillRect %.1f\n",
        panel->Width(), panel->Height(), panelOnly, fill > 0 ? panelOnly / fill : 0.0, withBars,
        fill > 0 ? withBars / fill : 0.0);
    std::printf("  after 10,000 paints: live GDI %d -> %d, live GDI+ %d -> %d, windows %d -> %d\n", gdiBefore,
                GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows());

    // The second toolbar of the first row moves 6 pixels right (the toolbars after it
    // move along into the row's free room) and back: each request goes through the row.
    TOrvToolBar* moved = bars[1];
    const int home = moved->Left();
    int step = 0;
    auto filtered = [&] {
        for (int i = 0; i < 1000; ++i, ++step)
            moved->SetBounds(home + (step % 2 ? 0 : 6), moved->Top(), moved->Width(), moved->Height());
    };
    // The baseline alone on a form of its own: no aligned neighbours to lay out again.
    TOwnedPtr<TForm> plainForm(Make<TForm>(nullptr));
    plainForm->SetBounds(0, 0, 400, 200);
    plainForm->HandleNeeded();
    TOrvToolBar* loose = AddBar(plainForm.get(), plainForm.get(), 3);
    loose->SetBounds(20, 50, loose->Width(), loose->Height());
    plainForm->Show();
    PumpPending();
    auto plain = [&] {
        for (int i = 0; i < 1000; ++i, ++step)
            loose->SetBounds(20 + (step % 2 ? 0 : 6), 50, loose->Width(), loose->Height());
    };
    double plainTime = MedianMicroseconds(20, plain);
    double filteredTime = MedianMicroseconds(20, filtered);
    const bool follows = moved->Left() == home;
    moved->SetBounds(home + 6, moved->Top(), moved->Width(), moved->Height());
    const bool moves = moved->Left() == home + 6;
    std::printf(
        "1,000 bounds-filter moves of a docked toolbar: %.0f us, x 1,000 plain SetBounds of an undocked "
        "toolbar %.1f (it %s the requests)\n",
        filteredTime, plainTime > 0 ? filteredTime / plainTime : 0.0, follows && moves ? "follows" : "does NOT follow");
    plainForm.reset();

    // Floating out at a point and docking back into the panel.
    TOrvToolBar* traveller = bars[5];
    auto cycle = [&] {
        traveller->SetToolBarFloating({300, 300});
        traveller->Dock(panel);
        PumpPending();
    };
    cycle();
    gdiBefore = GdiLiveTotal();
    gdipBefore = GdipLiveTotal();
    windowsBefore = CountThreadWindows();
    int componentsBefore = TComponent::LiveCount();
    double cycled = MedianMicroseconds(10, cycle);
    for (int i = 0; i < 100; ++i) cycle();
    std::printf("float-and-dock cycle of a toolbar: %.0f us\n", cycled);
    std::printf(
        "  after 100 cycles: live GDI %d -> %d, live GDI+ %d -> %d, windows %d -> %d, components %d -> %d, "
        "rows %d, toolbars %d\n\n",
        gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows(), componentsBefore,
        TComponent::LiveCount(), panel->RowCount(), panel->OrvToolBarCount());
}

}  // namespace orvtools
