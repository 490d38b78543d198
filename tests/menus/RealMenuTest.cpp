#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "menus/OrvMenuPainter.h"
#include "menus/OrvMenus.h"

using namespace orv;
using namespace orv::menus;

namespace {

struct TShot {
    TBitmap Screen;
    HWND MenuWindow = nullptr;
    RECT MenuRect{};
    RECT FirstItem{};
    HMENU Menu = nullptr;
    bool Taken = false;
};
TShot* gShot = nullptr;

void CALLBACK TakeShot(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (!gShot) return;
    gShot->MenuWindow = FindWindowW(L"#32768", nullptr);
    if (gShot->MenuWindow) {
        GetWindowRect(gShot->MenuWindow, &gShot->MenuRect);
        GetMenuItemRect(nullptr, gShot->Menu, 0, &gShot->FirstItem);
    }
    gShot->Screen.SetSize(400, 300);
    TWindowDC screen(nullptr);
    BitBlt(gShot->Screen.Canvas().Handle(), 0, 0, 400, 300, screen.Get(), 0, 0, SRCCOPY);
    gShot->Taken = true;
    EndMenu();
}

}  // namespace

TEST(StyledMenuWindow, RealPopupMenuIsDrawnByTheStyler) {
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    menu->AddItem(L"&Open")->SetShortCut(ShortCut('O', ssCtrl));
    TMenuItem* checked = menu->AddItem(L"Word wrap");
    checked->SetChecked(true);
    menu->AddItem(L"-");
    TMenuItem* more = menu->AddItem(L"More");
    auto* child = new TMenuItem(menu.get());
    child->SetCaption(L"Child");
    more->Add(child);
    menu->AddItem(L"Disabled")->SetEnabled(false);
    menu->AddItem(L"Notes\nwith a second line");

    TShot shot;
    shot.Menu = menu->Handle();
    gShot = &shot;
    SetTimer(nullptr, 0, 500, TakeShot);
    menu->Popup(40, 40);
    gShot = nullptr;
    ASSERT_TRUE(shot.Taken);
    ASSERT_NE(shot.MenuWindow, nullptr);
    RECT r = shot.MenuRect;
    // The window lost its 17 pixels on the right (region) and is framed in the
    // border colour.
    TCustomOrvMenuStyler* s = menu->CurrentMenuStyler();
    EXPECT_EQ(shot.Screen.PixelColor(r.left + 1, r.top + 10), s->GetMenuBorderColor());
    EXPECT_EQ(shot.Screen.PixelColor(r.left + 2, r.top + 10), s->Background().GetColor());
    EXPECT_EQ(shot.Screen.PixelColor(r.right - 2 - kMenuWindowCut, r.top + 10), s->GetMenuBorderColor());
    // The icon bar band at the items' left edge starts in its first colour; the
    // first item (not selected) shows the background right of it.
    RECT item = shot.FirstItem;
    ASSERT_GT(item.right, item.left);
    EXPECT_EQ(shot.Screen.PixelColor(item.left, item.top + 2), s->IconBar().GetColor());
    EXPECT_EQ(shot.Screen.PixelColor(item.left + 26, item.top + 1), s->Background().GetColor());
}

TEST(StyledMenuWindow, ChoosingAnItemRunsItsClick) {
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    int clicked = 0;
    menu->AddItem(L"First", [&](TObject*) { ++clicked; });
    menu->AddItem(L"Second", [&](TObject*) { clicked += 10; });
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        HWND window = FindWindowW(L"#32768", nullptr);
        PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    });
    menu->Popup(60, 60);
    EXPECT_EQ(clicked, 10);
}

TEST(StyledMainMenu, HookFollowsTheFormAndGoesWithTheMenu) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    TOwnedPtr<TForm> other(Make<TForm>(nullptr));
    form->SetBounds(0, 0, 300, 200);
    form->Show();
    auto* menu = Make<TOrvMainMenu>(form.get());
    TMenuItem* file = menu->AddItem(L"&File");
    auto* open = new TMenuItem(form.get());
    open->SetCaption(L"Open");
    file->Add(open);
    EXPECT_EQ(menu->GetForm(), form.get());
    EXPECT_NE(menu->FormHookId(), 0);
    EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
    // Hooked at the latest when the bar measures its items (or by Refresh).
    menu->Refresh();
    EXPECT_TRUE(static_cast<bool>(open->OnAdvancedDrawItem));
    EXPECT_TRUE(static_cast<bool>(file->OnMeasureItem));
    orvtest::PumpFor(100);

    other->Show();
    menu->SetForm(other.get());
    EXPECT_EQ(GetMenu(form->Handle()), nullptr) << "the bar left the old form";
    EXPECT_EQ(GetMenu(other->Handle()), menu->Handle());
    menu->Free();
    EXPECT_EQ(GetMenu(other->Handle()), nullptr);
    // Without their hooks, the forms' menu messages reach nothing of the freed
    // menu.
    SendMessageW(other->Handle(), WM_INITMENUPOPUP, 0, 0);
    SendMessageW(form->Handle(), WM_INITMENUPOPUP, 0, 0);
    MEASUREITEMSTRUCT mis{ODT_MENU, 0, 0, 0, 0, 0};
    SendMessageW(other->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ(mis.itemWidth, 0u);
}
