#include "MenuBarBench.h"
#include "BenchCounts.h"
#include "BenchTiming.h"

#include <windows.h>

#include <cstdio>

#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "framework/Hooks.h"
#include "framework/Menus.h"
#include "menus/OrvMenus.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarMenuButton.h"

using namespace orv;

namespace orvtools {

void RunMenuBarBench() {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(0, 0, 500, 300);
    auto* menu = Make<TOrvMainMenu>(form.get());
    for (const wchar_t* top : {L"&File", L"&Edit", L"&View"}) {
        TMenuItem* item = menu->AddItem(top);
        for (const wchar_t* sub : {L"First", L"Second", L"-", L"Third"}) {
            auto* child = new TMenuItem(form.get());
            child->SetCaption(sub);
            item->Add(child);
        }
    }
    auto* bar = new TOrvToolBar(form.get());
    bar->SetParent(form.get());
    bar->SetBounds(0, 0, 300, 26);
    bar->SetMenu(menu);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpPending();
    std::vector<TControl*> buttons;
    for (int i = 0; i < bar->GetToolBarControlCount(); ++i) buttons.push_back(bar->ToolBarControls(i));
    int next = 0;
    // The Escape waits in the queue: the menu's own loop takes it at once and closes.
    auto cycle = [&] {
        PostMessageW(bar->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        bar->OpenControlMenu(buttons[static_cast<size_t>(next++ % static_cast<int>(buttons.size()))]);
        PumpPending();
    };
    // One round over the buttons first: what the menus keep once made is made then.
    for (size_t i = 0; i < buttons.size(); ++i) cycle();
    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal(), windowsBefore = CountThreadWindows();
    int componentsBefore = TComponent::LiveCount(), hooksBefore = ThreadHookLiveCount();
    double positioned = MedianMicroseconds(200, [&] { bar->PositionControls(); });
    double cycled = MedianMicroseconds(200, cycle);
    for (int i = 0; i < 1000; ++i) cycle();
    std::printf("menu bar menu open and close (%d buttons, 4 items each): %.0f us, x one positioning pass %.1f\n",
                static_cast<int>(buttons.size()), cycled, positioned > 0 ? cycled / positioned : 0.0);
    std::printf(
        "  after 1,000 cycles: live GDI %d -> %d, live GDI+ %d -> %d, windows %d -> %d, components %d -> %d, hooks "
        "%d -> %d\n\n",
        gdiBefore, GdiLiveTotal(), gdipBefore, GdipLiveTotal(), windowsBefore, CountThreadWindows(), componentsBefore,
        TComponent::LiveCount(), hooksBefore, ThreadHookLiveCount());
}

}  // namespace orvtools
