#include "OptionWindowBench.h"
#include "BenchCounts.h"
#include "BenchTiming.h"

#include <windows.h>

#include <cstdio>

#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "framework/Menus.h"
#include "paint/OrvGDIP.h"
#include "toolbar/ControlSelectorPanel.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"

using namespace orv;

namespace orvtools {

void RunOptionWindowBench() {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(0, 0, 400, 300);
    auto* bar = new TOrvToolBar(form.get());
    bar->SetAutoSize(false);
    bar->SetBounds(8, 8, 120, 26);
    bar->SetParent(form.get());
    bar->SetCaption(L"Standard");
    bar->SetAutoOptionMenu(true);
    auto* menu = new TPopupMenu(form.get());
    bar->SetOptionMenu(menu);
    for (int i = 0; i < 7; ++i) {
        if (i == 3) {
            (new TOrvToolBarSeparator(form.get()))->SetOrvToolBar(bar);
            continue;
        }
        auto* b = new TOrvToolBarButton(form.get());
        b->SetCaption(L"Item " + std::to_wstring(i));
        b->SetShowCaption(true);
        b->SetOrvToolBar(bar);
    }
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpPending();
    auto cycle = [&] {
        bar->ShowOptionWindow();
        bar->HideOptionWindow();
        PumpPending();
    };
    // The first cycle makes the window and its panel, which are kept.
    cycle();
    int hidden = bar->HiddenControlCount();
    bar->ShowOptionWindow();
    int shown = bar->OptionWindow()->ControlSelector()->ControlList().Count();
    bar->HideOptionWindow();
    PumpPending();

    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal(), windowsBefore = CountThreadWindows();
    int componentsBefore = TComponent::LiveCount();
    double positioned = MedianMicroseconds(200, [&] { bar->PositionControls(); });
    double cycled = MedianMicroseconds(200, cycle);
    for (int i = 0; i < 1000; ++i) cycle();
    std::printf(
        "option window open and close (%d hidden controls, %d shown with the separator copy): %.0f us, x one "
        "positioning pass %.1f\n",
        hidden, shown, cycled, positioned > 0 ? cycled / positioned : 0.0);
    std::printf(
        "  after 1,000 cycles: live GDI %d -> %d, live GDI+ %d -> %d, windows %d -> %d, components %d -> %d\n\n",
        gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows(), componentsBefore,
        TComponent::LiveCount());
}

}  // namespace orvtools
