// A styled popup menu drawn item by item through the same measuring and drawing the
// owner-draw messages use: icon bar, a selected item with its shortcut, a checked item,
// a separator, a sub-menu arrow, a disabled item and a caption with notes. And screen
// shots of real menu windows: sub-menus opening either way, a menu bar's drop-down.
#include "tools/Render/MenuRender.h"

#include <windows.h>

#include <algorithm>
#include <functional>

#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/SystemFont.h"
#include "menus/OrvMenuPainter.h"
#include "menus/OrvMenus.h"

using namespace orv;
using namespace orv::menus;

namespace orvtools {

namespace {

void PaintStyledPopup(TBitmap& bitmap) {
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    TMenuItem* open = menu->AddItem(L"&Open");
    open->SetShortCut(ShortCut('O', ssCtrl));
    menu->AddItem(L"Word wrap")->SetChecked(true);
    menu->AddItem(L"-");
    TMenuItem* more = menu->AddItem(L"More");
    auto* child = new TMenuItem(menu.get());
    child->SetCaption(L"Child");
    more->Add(child);
    menu->AddItem(L"Disabled")->SetEnabled(false);
    menu->AddItem(L"Notes\nwith a second line");

    TCanvas& canvas = bitmap.Canvas();
    int width = 0;
    std::vector<int> heights;
    for (int i = 0; i < menu->Items()->Count(); ++i) {
        int w = 0, h = 0;
        InitRecordFont(canvas.Font(), TSystemFont::Menu);
        menu->Items(i)->MeasureItem(canvas, w, h);
        width = std::max(width, w);
        heights.push_back(h);
    }
    width = std::min(width + 17, bitmap.Width() - 4);  // the window's cut-off pixels
    int y = 2;
    for (int i = 0; i < menu->Items()->Count(); ++i) {
        TMenuItem* item = menu->Items(i);
        TOwnerDrawState state = item == open ? odSelected : 0;
        if (!item->GetEnabled()) state |= odDisabled | odGrayed;
        if (item->GetChecked()) state |= odChecked;
        InitRecordFont(canvas.Font(), TSystemFont::Menu);
        item->AdvancedDrawItem(canvas, Bounds(2, y, width, heights[static_cast<size_t>(i)]), state, false);
        y += heights[static_cast<size_t>(i)];
    }
    canvas.Brush().SetColor(menu->CurrentMenuStyler()->GetMenuBorderColor());
    canvas.FrameRect({1, 1, 2 + width - 17 + 1, y + 1});
}

// --- real menu windows: opened on the screen, sub-menus opened with the mouse, the
// picture is what the screen then shows.

// Steps run one by one on a timer (the menu loop dispatches it) a quarter second apart.
std::vector<std::function<void()>> gSteps;
size_t gNextStep = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR id, DWORD) {
    if (gNextStep >= gSteps.size()) {
        KillTimer(nullptr, id);
        return;
    }
    gSteps[gNextStep++]();
}

void StartSteps(std::vector<std::function<void()>> steps) {
    gSteps = std::move(steps);
    gNextStep = 0;
    SetTimer(nullptr, 0, 250, RunStep);
}

bool StepsDone() {
    return gNextStep >= gSteps.size();
}

// Clicks an entry of a native menu (window: the form of a menu bar, else null).
void ClickEntry(HMENU menu, int index, HWND window = nullptr) {
    RECT r{};
    if (!GetMenuItemRect(window, menu, static_cast<UINT>(index), &r)) return;
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT in[2]{};
    in[0].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1] = in[0];
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

void CaptureScreen(TBitmap& bitmap, int left, int top) {
    // The pointer rests on the last opened item; it would hide part of it.
    SetCursorPos(0, GetSystemMetrics(SM_CYSCREEN) - 1);
    TWindowDC screen(nullptr);
    BitBlt(bitmap.Canvas().Handle(), 0, 0, bitmap.Width(), bitmap.Height(), screen.Get(), left, top, SRCCOPY);
}

TMenuItem* AddChild(TMenuItem* parent, const std::wstring& caption) {
    auto* item = new TMenuItem(parent->GetParentMenu());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

// A popup with a two-level sub-menu and a side bar in every level, opened at the left
// of the screen (sub-menus open to the right) or at its right edge (to the left).
void PaintRealSubMenus(TBitmap& bitmap, bool atRightEdge) {
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    menu->AddItem(L"&Open")->SetShortCut(ShortCut('O', ssCtrl));
    TMenuItem* more = menu->AddItem(L"More");
    menu->AddItem(L"-");
    menu->AddItem(L"Close");
    TMenuItem* deeper = AddChild(more, L"Deeper");
    AddChild(more, L"Word wrap")->SetChecked(true);
    AddChild(more, L"Disabled")->SetEnabled(false);
    AddChild(deeper, L"Deepest item");
    AddChild(deeper, L"Notes\nwith a second line");
    AddChild(deeper, L"Last");
    TSideBar& sideBar = menu->CurrentMenuStyler()->SideBar();
    sideBar.SetVisible(true);
    sideBar.SetVisibleIn(viAnyLevel);
    sideBar.Background().SetColor(0x8B5A2B);
    int left = atRightEdge ? GetSystemMetrics(SM_CXSCREEN) - bitmap.Width() : 0;
    StartSteps({[&] { ClickEntry(menu->Handle(), 1); }, [&] { ClickEntry(more->Handle(), 0); },
                [&] {
                    CaptureScreen(bitmap, left, 0);
                    EndMenu();
                }});
    menu->Popup(atRightEdge ? left + bitmap.Width() - 150 : 10, 10);
}

void PaintRealSubMenusRight(TBitmap& bitmap) {
    PaintRealSubMenus(bitmap, false);
}

void PaintRealSubMenusLeft(TBitmap& bitmap) {
    PaintRealSubMenus(bitmap, true);
}

// A form's styled menu bar with the first item's drop-down (side bar in it) and a
// sub-menu of the drop-down open.
void PaintRealMenuBar(TBitmap& bitmap) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(0, 0, bitmap.Width(), bitmap.Height());
    auto* menu = Make<TOrvMainMenu>(form.get());
    TMenuItem* file = menu->AddItem(L"&File");
    AddChild(file, L"&New");
    TMenuItem* recent = AddChild(file, L"Recent files");
    AddChild(file, L"-");
    AddChild(file, L"E&xit");
    for (const wchar_t* name : {L"One.txt", L"Two.txt", L"Three.txt"}) AddChild(recent, name);
    TMenuItem* edit = menu->AddItem(L"&Edit");
    AddChild(edit, L"Copy");
    menu->AddItem(L"&Help");
    TSideBar& sideBar = menu->CurrentMenuStyler()->SideBar();
    sideBar.SetVisible(true);
    sideBar.SetCaption(L"Files");
    sideBar.Background().SetColor(0x8B5A2B);
    sideBar.Background().SetColorTo(0xE0C090);
    form->Show();
    menu->Refresh();
    HWND window = form->Handle();
    StartSteps({[&] { ClickEntry(GetMenu(window), 0, window); }, [&] { ClickEntry(file->Handle(), 1); },
                [&] {
                    CaptureScreen(bitmap, 0, 0);
                    EndMenu();
                }});
    // The bar's menu loop runs inside the dispatch of the click.
    for (DWORD start = GetTickCount(); !StepsDone() && GetTickCount() - start < 5000;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace

std::vector<TRenderItem> MenuRenderItems() {
    return {{L"StyledPopupMenu", L"styled popup menu items: selected, checked, separator, sub-menu, disabled, notes",
             220, 170, 2, PaintStyledPopup},
            {L"RealSubMenusRight",
             L"screen shot: real popup, sub-menu and deeper sub-menu opening to the right, side bar at every level",
             560, 150, 2, PaintRealSubMenusRight},
            {L"RealSubMenusLeft", L"screen shot: the same at the right screen edge, sub-menus opening to the left", 560,
             150, 2, PaintRealSubMenusLeft},
            {L"RealMenuBar", L"screen shot: a form's styled menu bar, the first item's drop-down and its sub-menu", 420,
             200, 2, PaintRealMenuBar}};
}

}  // namespace orvtools
