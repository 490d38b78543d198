#include "tools/Render/ProgramRender.h"

#include <windows.h>

#include "app/ZemForm3.h"
#include "app/ZemFrame2.h"
#include "appmenu/OrvPreviewMenu.h"
#include "appbutton/FrameWindow.h"
#include "appbutton/OrvShapeButton.h"
#include "framework/Application.h"
#include "framework/Units.h"
#include "itemlist/ItemListClasses.h"
#include "itemlist/OrvPolyList.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"
#include "statusbar/PictureContainer.h"
#include "tools/Render/RenderInput.h"
#include "toolbar/OrvToolBarStylers.h"

namespace orvtools {

using namespace orv;

namespace {

constexpr int kClientWidth = 681, kClientHeight = 606;

// The program's classes, registered once the first picture asks for them.
void EnsureProgramUnits() {
    RegisterUnit(L"Toolbar", RegisterToolbarClasses, nullptr);
    RegisterUnit(L"ItemList", RegisterItemListClasses, nullptr);
    RegisterUnit(L"PictureContainer", html::RegisterPictureContainerClasses, nullptr);
    RegisterUnit(L"StatusBar", RegisterStatusBarClasses, nullptr);
    RegisterUnit(L"AppMenu", RegisterAppMenuClasses, nullptr);
    RegisterUnit(L"Program", RegisterAppClasses, nullptr);
    InitializeUnits();
}

enum TProgramScene { psWindow, psFrame };

// The main window as the program opens it (the probe's box answered at once), placed at
// the screen's top left so the whole window is on the screen; for psFrame "File" is
// pressed with the real pointer and "Menu Item 3" chosen in the frame.
void PaintProgram(TBitmap& bmp, TProgramScene scene) {
    EnsureProgramUnits();
    TShowMessageHook old = SetShowMessageHook([](const std::wstring&) {});
    TOwnedPtr<TZemForm3> form(Make<TZemForm3>(nullptr));
    SetShowMessageHook(old);
    form->SetPosition(TPosition::poDesigned);
    form->SetBounds(10, 10, form->Width(), form->Height());
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump(300);
    if (scene == psFrame) {
        TOrvShapeButton* file = form->OrvShapeButton1;
        MouseTo(file->ClientToScreen(TPoint{file->Width() / 2, file->Height() / 2}));
        MouseButton(true);
        MouseButton(false);
        // The frame window shows 100 ms after the click.
        Pump(400);
        TOrvPolyMenu* menu = form->ZemFrame2->AppMenu1;
        // "Menu Item 3" is the seventh entry, 233 to 273 down the menu.
        MouseTo(menu->ClientToScreen(TPoint{80, 253}));
        MouseButton(true);
        MouseButton(false);
        // The pointer rests on "Menu Item 3 Sub Item 2" so its hover frame shows.
        if (form->ZemFrame2->OrvPolyList3->HandleAllocated())
            MouseTo(form->ZemFrame2->OrvPolyList3->ClientToScreen(TPoint{60, 50}));
        Pump(600);
    }
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (TFrameWindow* window = form->OrvShapeButton1->FrameWindow(); window && window->HandleAllocated())
        RedrawWindow(window->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(100);
    CopyScreen(bmp, form->ClientToScreen(TPoint{0, 0}));
    MouseTo(TPoint{kClientWidth + 60, 300});
    if (scene == psFrame) form->OrvShapeButton1->HideFrame();
    Pump(50);
}

}  // namespace

std::vector<TRenderItem> ProgramRenderItems() {
    return {
        {L"program-window",
         L"The main window as the program opens it: the pager with \"File\", the page's "
         L"captioned toolbar and glow button, the status bar",
         kClientWidth, kClientHeight, 1, [](TBitmap& b) { PaintProgram(b, psWindow); }},
        {L"program-frame",
         L"The main window after \"File\": the backstage frame open over it, \"Menu Item 3\" "
         L"chosen and its list on top, the pointer on its second entry",
         kClientWidth, kClientHeight, 1, [](TBitmap& b) { PaintProgram(b, psFrame); }},
    };
}

}  // namespace orvtools
