// The menu bar of a toolbar: menu buttons made from a main menu (merging another one
// into it), the tracking of their menus (a temporary styled popup holding the item's
// sub-items, a message filter that moves between buttons), the keyboard menu mode
// started with Alt, and the MDI child buttons of a full-size bar.
#include "toolbar/ToolBarMenuBar.h"

#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cwctype>

#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "framework/Hooks.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/SystemFont.h"
#include "menus/OrvMenus.h"
#include "paint/OrvText.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBarMenuButton.h"
#include "toolbar/ToolBarMDIButtons.h"

namespace orv {

namespace {

// Posted to the toolbar: the open menu closed (wParam: kClosedBy... flags); the hot
// button drops its menu (from the menu mode's keys, outside the hook's call).
constexpr UINT kMenuClosedMessage = WM_ORV_FIRST + 0x60;
constexpr UINT kMenuDropMessage = WM_ORV_FIRST + 0x61;
constexpr WPARAM kClosedByEscape = 1;
constexpr WPARAM kClosedByAlt = 2;

// FMenuItemTimer: makes a switched-to button without a menu hot once the menu is gone.
constexpr UINT_PTR kMenuItemTimer = 10;

// The one menu of a menu bar that shows at a time.
struct TOpenMenu {
    TOrvCustomToolBar* ToolBar = nullptr;
    int ButtonIndex = -1;
    bool FirstMessageSeen = false;
    bool Escaped = false;
    bool AltPressed = false;
    TPoint LastPointer{-1, -1};
};
TOpenMenu gOpenMenu;

bool HasVisibleItem(const TMenuItem* root) {
    for (int i = 0; i < root->Count(); ++i)
        if (root->Items(i)->GetVisible()) return true;
    return false;
}

// The menu a button opens: its drop-down menu, or its item when that has sub-items.
bool HasMenu(const TOrvCustomToolBarButton* b) {
    if (b->GetDropDownMenu()) return true;
    TMenuItem* item = b->GetMenuItem();
    return item && HasVisibleItem(item);
}

// The menu windows of this thread that show, with their menus.
struct TShownMenu {
    HWND Window;
    HMENU Menu;
};
BOOL CALLBACK CollectMenuWindow(HWND window, LPARAM data) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (IsWindowVisible(window) && std::wstring(name) == L"#32768") {
        auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
        if (menu) reinterpret_cast<std::vector<TShownMenu>*>(data)->push_back({window, menu});
    }
    return TRUE;
}

int HighlightedItem(HMENU menu) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
    return -1;
}

// The innermost menu that shows (the one the keys act on) and its highlighted item.
struct TSelection {
    HMENU Menu = nullptr;
    int Item = -1;
    bool HasSubMenu = false;
    bool Enabled = false;
};
TSelection CurrentSelection() {
    std::vector<TShownMenu> shown;
    EnumThreadWindows(GetCurrentThreadId(), CollectMenuWindow, reinterpret_cast<LPARAM>(&shown));
    TSelection s;
    for (const TShownMenu& m : shown) {
        int item = HighlightedItem(m.Menu);
        HMENU sub = item >= 0 ? GetSubMenu(m.Menu, item) : nullptr;
        // A menu whose highlighted item's sub-menu shows is not the innermost one.
        bool parent =
            sub && std::any_of(shown.begin(), shown.end(), [sub](const TShownMenu& o) { return o.Menu == sub; });
        if (parent) continue;
        s.Menu = m.Menu;
        s.Item = item;
        s.HasSubMenu = sub != nullptr;
        s.Enabled =
            item >= 0 && !(GetMenuState(m.Menu, static_cast<UINT>(item), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
        break;
    }
    return s;
}

// Nothing escapes the cleanup of an open menu: it runs while an exception unwinds.
template <class F>
void Guarded(F&& f) noexcept {
    try {
        f();
    } catch (...) {
        HandleCallbackException();
    }
}

}  // namespace

// --- values ----------------------------------------------------------------------------------

TPoint MenuBarPopupPoint(TDockAlign side, const TRect& button, TSize menu, const TRect& monitor, bool rightToLeft) {
    switch (side) {
        case daLeft:
            return {button.Right, button.Top + 1};
        case daRight:
            return {button.Left - menu.cx, button.Top + 1};
        default: {
            TPoint p{rightToLeft ? button.Right : button.Left, button.Bottom};
            // The monitor's bottom edge, not its height: monitors need not start at 0.
            if (monitor.Bottom < p.Y + menu.cy + 10) p.Y = p.Y - button.Height() - menu.cy - 4;
            if (monitor.Right < p.X + menu.cx + 52) p.X = monitor.Right - menu.cx - 52;
            return p;
        }
    }
}

std::vector<int> MenuButtonOrder(const std::vector<int>& groupIndexes) {
    std::vector<int> order(groupIndexes.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    for (size_t pos = 0; pos < order.size(); ++pos) {
        size_t best = pos;
        if (groupIndexes[static_cast<size_t>(order[pos])] != 0) {
            for (size_t j = pos + 1; j < order.size(); ++j) {
                int gi = groupIndexes[static_cast<size_t>(order[j])];
                if (gi == 0) break;
                if (gi < groupIndexes[static_cast<size_t>(order[best])]) best = j;
            }
        }
        if (best == pos) continue;
        int moved = order[best];
        order.erase(order.begin() + static_cast<std::ptrdiff_t>(best));
        order.insert(order.begin() + static_cast<std::ptrdiff_t>(pos), moved);
    }
    return order;
}

int WrappingSearch(int count, int from, bool forward, const std::function<bool(int)>& accept) {
    if (count <= 0) return -1;
    int i = from < 0 || from >= count ? (forward ? -1 : count) : from;
    // One round: every entry is asked once, from itself last.
    for (int step = 0; step < count; ++step) {
        i += forward ? 1 : -1;
        if (i >= count) i = 0;
        if (i < 0) i = count - 1;
        if (accept(i)) return i;
    }
    return -1;
}

// --- menu buttons ---------------------------------------------------------------------------------

void TOrvCustomToolBar::SetMenu(TMainMenu* value) {
    if (FMenu == value) return;
    FMergedMenu = nullptr;
    FMenu = value;
    if (value) {
        value->FreeNotification(this);
        // The bar shows the menu: the form does not show it a second time.
        if (value->GetForm()) value->SetForm(nullptr);
    }
    if (!IsLoading()) CreateMenuButtons();
    UpdateMenuFormHook();
    UpdateMDIWatch();
}

std::vector<TOrvToolBarMenuButton*> TOrvCustomToolBar::MenuButtons() const {
    std::vector<TOrvToolBarMenuButton*> buttons;
    for (TControl* c : FOTBControls)
        if (auto* b = dynamic_cast<TOrvToolBarMenuButton*>(c)) buttons.push_back(b);
    return buttons;
}

TOrvToolBarMenuButton* TOrvCustomToolBar::AddMenuButton(TMenuItem* item) {
    auto* button = new TOrvToolBarMenuButton(this);
    button->SetParent(this);
    button->SetShowCaption(true);
    button->SetMenuItem(item);
    button->SetToolBarCreated(true);
    button->SetAutoSize(true);
    button->AdjustSize();
    return button;
}

void TOrvCustomToolBar::FreeMenuButtons(bool mergedOnly) {
    for (TOrvToolBarMenuButton* b : MenuButtons())
        if (mergedOnly ? b->GetMerged() : b->GetToolBarCreated()) b->Free();
}

void TOrvCustomToolBar::CreateMenuButtons() {
    if (IsDestroying()) return;
    BeginUpdate();
    try {
        FreeMenuButtons(false);
        FMergedMenu = nullptr;
        if (FMenu)
            for (int i = 0; i < FMenu->ItemCount(); ++i) AddMenuButton(FMenu->Items(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if (FMenu) SetImages(FMenu->GetImages());
}

void TOrvCustomToolBar::UpdateMenu() {
    if (!FMenu || IsDestroying()) return;
    std::vector<TOrvToolBarMenuButton*> buttons = MenuButtons();
    for (TOrvToolBarMenuButton* b : buttons) {
        TMenuItem* item = b->GetMenuItem();
        TMenu* menu = item ? item->GetParentMenu() : nullptr;
        if (menu && (menu == FMenu || menu == FMergedMenu)) b->ReadMenuItem();
    }
    // An item of the bar has a button of its own, or one a merged item of its group took.
    auto covered = [&](TMenuItem* item) {
        for (TOrvToolBarMenuButton* b : buttons) {
            if (b->GetMenuItem() == item) return true;
            if (b->GetMerged() && item->GetGroupIndex() != 0 && b->GetMenuItem() &&
                b->GetMenuItem()->GetGroupIndex() == item->GetGroupIndex())
                return true;
        }
        return false;
    };
    for (int i = 0; i < FMenu->ItemCount(); ++i) {
        if (!covered(FMenu->Items(i))) {
            CreateMenuButtons();
            return;
        }
    }
    PositionControls();
}

void TOrvCustomToolBar::MergeMenu(TMainMenu* menu) {
    if (!FMenu) return;
    if (!menu) {
        if (FMergedMenu) UnmergeMenu(FMergedMenu);
        return;
    }
    if (menu == FMenu || menu == FMergedMenu) return;
    if (FMergedMenu) UnmergeMenu(FMergedMenu);
    FMergedMenu = menu;
    menu->FreeNotification(this);
    BeginUpdate();
    try {
        for (int i = 0; i < menu->ItemCount(); ++i) {
            TMenuItem* item = menu->Items(i);
            TOrvToolBarMenuButton* target = nullptr;
            if (item->GetGroupIndex() != 0) {
                for (TOrvToolBarMenuButton* b : MenuButtons()) {
                    TMenuItem* own = b->GetMenuItem();
                    if (!b->GetMerged() && own && own->GetParentMenu() == FMenu &&
                        own->GetGroupIndex() == item->GetGroupIndex()) {
                        target = b;
                        break;
                    }
                }
            }
            if (target)
                target->SetMenuItem(item);
            else
                target = AddMenuButton(item);
            target->SetMerged(true);
        }
        OrderMenuButtons();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TOrvCustomToolBar::UnmergeMenu(TMainMenu* menu) {
    if (!menu || menu != FMergedMenu) return;
    FMergedMenu = nullptr;
    FreeMenuButtons(true);
    UpdateMenu();
}

void TOrvCustomToolBar::OrderMenuButtons() {
    std::vector<TOrvToolBarMenuButton*> buttons = MenuButtons();
    std::vector<int> groups;
    std::vector<int> slots;
    for (TOrvToolBarMenuButton* b : buttons) {
        TMenuItem* item = b->GetMenuItem();
        groups.push_back(item ? item->GetGroupIndex() : 0);
        slots.push_back(FOTBControls.IndexOf(b));
    }
    std::vector<int> order = MenuButtonOrder(groups);
    for (size_t k = 0; k < order.size(); ++k) FOTBControls.SetItems(slots[k], buttons[static_cast<size_t>(order[k])]);
    PositionControls();
}

// --- hot marks and the neighbours of a button ----------------------------------------------------

bool TOrvCustomToolBar::TakesMenuHot(const TControl* control, bool menuButtonsOnly) const {
    if (!dynamic_cast<const TOrvCustomToolBarButton*>(control)) return false;
    if (menuButtonsOnly && !dynamic_cast<const TOrvToolBarMenuButton*>(control)) return false;
    if (!control->GetVisible() || !control->GetEnabled()) return false;
    // Hidden for lack of room counts only where nothing is hidden for it.
    return FToolBarState != tsDocked || !FLUHidedControls.Contains(control);
}

TOrvToolBarMenuButton* TOrvCustomToolBar::FirstMenuButton() const {
    for (TControl* c : FOTBControls)
        if (TakesMenuHot(c, true)) return static_cast<TOrvToolBarMenuButton*>(c);
    return nullptr;
}

TOrvCustomToolBarButton* TOrvCustomToolBar::NeighbourButton(TOrvCustomToolBarButton* from, bool forward,
                                                            bool menuButtonsOnly) const {
    int at = from ? FOTBControls.IndexOf(from) : -1;
    int next = WrappingSearch(FOTBControls.Count(), at, forward,
                              [&](int i) { return TakesMenuHot(FOTBControls[i], menuButtonsOnly); });
    return next < 0 ? nullptr : static_cast<TOrvCustomToolBarButton*>(FOTBControls[next]);
}

TOrvToolBarMenuButton* TOrvCustomToolBar::MnemonicButton(wchar_t ch) const {
    for (TControl* c : FOTBControls) {
        if (!TakesMenuHot(c, true)) continue;
        THotKeyText hot = StripHotKeyMarkers(c->GetCaption());
        if (hot.AcceleratorIndex < 0) continue;
        wchar_t key = hot.Text[static_cast<size_t>(hot.AcceleratorIndex)];
        if (std::towupper(static_cast<wint_t>(key)) == std::towupper(static_cast<wint_t>(ch)))
            return static_cast<TOrvToolBarMenuButton*>(c);
    }
    return nullptr;
}

void TOrvCustomToolBar::SetHotControl(TControl* control) {
    if (FHotControl == control) return;
    // In the menu mode the hot mark moves: the pointer leaving does not take it away.
    if (FInMenuLoop && FMenuFocused)
        if (auto* old = dynamic_cast<TOrvCustomToolBarButton*>(FHotControl)) old->SetPropHot(false);
    FHotControl = control;
}

void TOrvCustomToolBar::SetMenuHot(TOrvCustomToolBarButton* button) {
    if (auto* old = dynamic_cast<TOrvCustomToolBarButton*>(FHotControl); old && old != button) old->SetPropHot(false);
    FHotControl = button;
    if (button) button->SetPropHot(true);
}

// --- tracking a button's menu ------------------------------------------------------------------------

bool TOrvCustomToolBar::OpenControlMenu(TControl* control) {
    auto* button = dynamic_cast<TOrvCustomToolBarButton*>(control);
    if (!button || FMenuDropped || IsDestroying() || IsLoading() || !HandleAllocated()) return false;
    TPopupMenu* menu = button->GetDropDownMenu();
    TMenuItem* item = menu ? nullptr : button->GetMenuItem();
    if (!menu && !item) return false;
    std::shared_ptr<bool> alive = FMenuBarAlive;
    FMenuButton = button;
    if (item) {
        // Its click lets the item update its sub-items (or is the command of an item
        // without any); it may free the item, the button or the whole toolbar.
        item->Click();
        if (!*alive) return false;
        if (FMenuButton != button || button->GetMenuItem() != item) {
            FMenuButton = nullptr;
            return false;
        }
    }

    // From here the hooks, the moved sub-items and the temporary menu are undone however
    // the menu ends: closed, an item's click raising, the popup raising.
    struct TCleanup {
        TOrvCustomToolBar* Bar;
        std::shared_ptr<bool> Alive;
        WPARAM ClosedBy = 0;
        bool Shown = false;
        ~TCleanup() {
            if (!*Alive) return;
            TOrvCustomToolBar* bar = Bar;
            Guarded([bar] { bar->FMenuHook.reset(); });
            if (gOpenMenu.ToolBar == bar) gOpenMenu = TOpenMenu{};
            Guarded([bar] {
                if (TPopupMenu* temp = bar->FTempMenu) {
                    TMenuItem* home = bar->FButtonMenu;
                    TMenuItem* root = temp->Items();
                    while (home && root->Count() > 0) {
                        TMenuItem* sub = root->Items(0);
                        root->Remove(sub);
                        home->Add(sub);
                    }
                    bar->FTempMenu = nullptr;
                    bar->FButtonMenu = nullptr;
                    temp->Free();
                }
            });
            bar->FMenuDropped = false;
            bar->FMenuButton = nullptr;
            if (Shown && bar->HandleAllocated()) PostMessageW(bar->Handle(), kMenuClosedMessage, ClosedBy, 0);
        }
    } cleanup{this, alive};

    if (item) {
        auto* temp = new TOrvPopupMenu(this);
        FTempMenu = temp;
        FButtonMenu = item;
        item->FreeNotification(this);
        TMenu* parentMenu = item->GetParentMenu();
        if (parentMenu) temp->SetImages(parentMenu->GetImages());
        if (auto* styled = dynamic_cast<TOrvMainMenu*>(parentMenu))
            temp->SetDisabledImages(styled->GetDisabledImages());
        while (item->Count() > 0) {
            TMenuItem* sub = item->Items(0);
            item->Remove(sub);
            temp->Items()->Add(sub);
        }
        menu = temp;
    }
    if (auto* styled = dynamic_cast<TOrvPopupMenu*>(menu)) {
        styled->SetMenuStyler(FCurrentToolBarStyler->CurrentOrvMenuStyler());
        styled->HookItems();
    }
    // The press that got here leaves no mouse mode behind.
    FCaptureChangeCancels = false;
    if (GetCapture() == Handle()) ReleaseCapture();

    if (menu->Items()->Count() > 0 && FMenu) {
        gOpenMenu = TOpenMenu{};
        gOpenMenu.ToolBar = this;
        gOpenMenu.ButtonIndex = FOTBControls.IndexOf(button);
        FMenuHook = std::make_unique<TThreadHook>(WH_MSGFILTER, [this](int code, uintptr_t, intptr_t lParam) {
            return code == MSGF_MENU && MenuLoopMessage(*reinterpret_cast<const MSG*>(lParam));
        });
        if (auto* hot = dynamic_cast<TOrvCustomToolBarButton*>(FHotControl)) hot->SetPropHot(false);
        FHotControl = nullptr;
    }
    if (!HasVisibleItem(menu->Items())) return false;

    TPoint at = MenuPopupPoint(button, menu);
    auto* menuButton = dynamic_cast<TOrvToolBarMenuButton*>(button);
    if (menuButton) menuButton->SetMenuDisplayed(true);
    FLastMenuButton = button;
    FMenuDropped = true;
    cleanup.Shown = true;
    button->Repaint();
    menu->SetPopupComponent(button);
    menu->Popup(at.X, at.Y);
    if (!*alive) return true;
    if (gOpenMenu.ToolBar == this)
        cleanup.ClosedBy = (gOpenMenu.Escaped ? kClosedByEscape : 0) | (gOpenMenu.AltPressed ? kClosedByAlt : 0);
    return true;
}

TPoint TOrvCustomToolBar::MenuPopupPoint(TOrvCustomToolBarButton* button, TPopupMenu* menu) {
    // The widest item and the summed height of the visible ones, as the menu measures them.
    int width = 0, height = 0, count = 0;
    {
        TWindowDC dc(nullptr);
        TCanvas canvas;
        canvas.SetHandle(dc.Get());
        InitRecordFont(canvas.Font(), TSystemFont::Menu);
        for (int i = 0; i < menu->Items()->Count(); ++i) {
            TMenuItem* item = menu->Items()->Items(i);
            ++count;
            if (!item->GetVisible()) continue;
            int w = 0, h = 0;
            item->MeasureItem(canvas, w, h);
            width = std::max(width, w);
            height += h;
        }
        canvas.SetHandle(nullptr);
    }
    if (FPosition == daBottom) height = GetSystemMetrics(SM_CYMENU) * count;
    TPoint topLeft = button->ClientToScreen({0, 0});
    TRect screen = Bounds(topLeft.X, topLeft.Y, button->Width(), button->Height());
    TRect monitor = MonitorBoundsAt({screen.Left, screen.Bottom});
    return MenuBarPopupPoint(FPosition, screen, {width, height}, monitor, menu->IsRightToLeft());
}

void TOrvCustomToolBar::SwitchMenuTo(TOrvCustomToolBarButton* button) {
    if (!button || button == FMenuButton) return;
    FNextMenuHotButton = button;
    EndMenu();
}

bool TOrvCustomToolBar::MenuLoopMessage(const MSG& msg) {
    if (gOpenMenu.ToolBar != this) return false;
    if (!gOpenMenu.FirstMessageSeen) {
        gOpenMenu.FirstMessageSeen = true;
        // The menu opens with its first item selected.
        PostMessageW(Handle(), WM_KEYDOWN, VK_DOWN, 0);
    }
    auto* open = FMenuButton;
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            WPARAM key = msg.wParam;
            bool rightToLeft = FTempMenu && FTempMenu->IsRightToLeft();
            if (rightToLeft && (key == VK_LEFT || key == VK_RIGHT)) key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
            TSelection s = CurrentSelection();
            HMENU top = FTempMenu ? FTempMenu->Items()->CurrentHandle() : nullptr;
            switch (key) {
                case VK_RETURN:
                    if (s.Item >= 0 && s.Enabled && !s.HasSubMenu) FMenuResult = true;
                    return false;
                case VK_ESCAPE:
                    if (!top || s.Menu == top) gOpenMenu.Escaped = true;
                    return false;
                case VK_RIGHT:
                    if (s.HasSubMenu) return false;
                    SwitchMenuTo(NeighbourButton(open, true, true));
                    return true;
                case VK_LEFT:
                    if (top && s.Menu != top) return false;
                    SwitchMenuTo(NeighbourButton(open, false, true));
                    return true;
                case VK_MENU:
                    gOpenMenu.AltPressed = true;
                    EndMenu();
                    return true;
                default:
                    return false;
            }
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN: {
            TPoint p{msg.pt.x, msg.pt.y};
            bool moved = !(p == gOpenMenu.LastPointer);
            gOpenMenu.LastPointer = p;
            if (msg.message == WM_MOUSEMOVE && !moved) return false;
            if (WindowFromPoint(POINT{p.X, p.Y}) != Handle()) return false;
            auto* target = dynamic_cast<TOrvToolBarMenuButton*>(ControlAtPos(ScreenToClient(p), false));
            if (!target || !TakesMenuHot(target, true)) return false;
            if (target == open) {
                // A click on the open button closes its menu (and does not open it again).
                if (msg.message != WM_LBUTTONDOWN) return false;
                EndMenu();
                return true;
            }
            SwitchMenuTo(target);
            return msg.message == WM_LBUTTONDOWN;
        }
        default:
            return false;
    }
}

void TOrvCustomToolBar::MenuClosed(WPARAM closedBy) {
    TOrvCustomToolBarButton* last = FLastMenuButton;
    if (last) {
        POINT sp;
        GetCursorPos(&sp);
        TPoint p = last->ScreenToClient({sp.x, sp.y});
        // Closed by clicking the button: its press ends here, so it does not open again.
        if (!FNextMenuHotButton && last->ClientRect().Contains(p)) last->Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.X, p.Y));
        if (auto* menuButton = dynamic_cast<TOrvToolBarMenuButton*>(last)) menuButton->MenuClosed();
        last->Invalidate();
    }
    if (TOrvCustomToolBarButton* next = FNextMenuHotButton) {
        if (HasMenu(next)) {
            FNextMenuHotButton = nullptr;
            if (FInMenuLoop) FCaptureChangeCancels = false;
            SetMenuHot(next);
            if (auto* menuButton = dynamic_cast<TOrvToolBarMenuButton*>(next))
                menuButton->DoDropDown();
            else
                next->CheckMenuDropdown();
        } else {
            // A button without a menu only becomes hot: it runs on Enter or a click.
            StartTimer(kMenuItemTimer, 1);
        }
        return;
    }
    if (!FInMenuLoop) return;
    if ((closedBy & kClosedByEscape) && !(closedBy & kClosedByAlt)) {
        // Escape leaves the menu, not the menu mode.
        SetCapture(Handle());
        FCaptureChangeCancels = true;
        if (last && TakesMenuHot(last, false)) SetMenuHot(last);
        return;
    }
    LeaveMenuMode();
}

// --- keyboard menu mode ------------------------------------------------------------------------------

bool TOrvCustomToolBar::MenuLoop(TOrvToolBarMenuButton* button) {
    if (button && !TakesMenuHot(button, true)) return false;
    if (FInMenuLoop) {
        if (button) {
            SetMenuHot(button);
            PostMenuDrop();
        }
        return false;
    }
    return RunMenuLoop(button ? static_cast<TOrvCustomToolBarButton*>(button) : FirstMenuButton(), button != nullptr);
}

bool TOrvCustomToolBar::RunMenuLoop(TOrvCustomToolBarButton* hot, bool drop) {
    // Nothing that could take the mode: it is not entered (no hook, no capture).
    if (!hot || FInMenuLoop || IsDestroying() || !HandleAllocated()) return false;
    ClosePopups();
    FInMenuLoop = true;
    FMenuFocused = true;
    FMenuResult = false;
    SetCapture(Handle());
    FCaptureChangeCancels = true;
    FKeyboardHook = std::make_unique<TThreadHook>(WH_KEYBOARD, [this](int code, uintptr_t wParam, intptr_t lParam) {
        // The open menu takes its own keys.
        if (code != HC_ACTION || FMenuDropped) return false;
        bool down = (static_cast<uintptr_t>(lParam) & 0x80000000u) == 0;
        return MenuModeKey(static_cast<uint16_t>(wParam), down);
    });
    SetMenuHot(hot);
    if (drop) PostMenuDrop();
    if (!FMenu) return false;
    std::shared_ptr<bool> alive = FMenuBarAlive;
    try {
        while (*alive && FInMenuLoop && !(Application && Application->Terminated())) {
            if (Application) {
                Application->HandleMessage();
            } else {
                MSG msg;
                if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    } catch (...) {
        if (*alive) LeaveMenuMode();
        throw;
    }
    if (!*alive) return false;
    bool result = FMenuResult;
    LeaveMenuMode();
    return result;
}

void TOrvCustomToolBar::LeaveMenuMode() {
    bool was = FInMenuLoop || FMenuFocused || FKeyboardHook;
    FInMenuLoop = false;
    FMenuFocused = false;
    FCaptureChangeCancels = false;
    FKeyboardHook.reset();
    if (!was) return;
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
    if (auto* hot = dynamic_cast<TOrvCustomToolBarButton*>(FHotControl)) hot->SetPropHot(false);
    FHotControl = nullptr;
    if (FMenuDropped) EndMenu();
}

void TOrvCustomToolBar::PostMenuDrop() {
    if (HandleAllocated()) PostMessageW(Handle(), kMenuDropMessage, 0, 0);
}

void TOrvCustomToolBar::DropHotMenu() {
    auto* button = dynamic_cast<TOrvCustomToolBarButton*>(FHotControl);
    if (!button || FMenuDropped) return;
    if (HasMenu(button)) {
        FCaptureChangeCancels = false;
        if (auto* menuButton = dynamic_cast<TOrvToolBarMenuButton*>(button))
            menuButton->DoDropDown();
        else
            button->CheckMenuDropdown();
        return;
    }
    // A button without a menu runs: the mode ends with an item chosen. Its click (or its
    // item's) may free this toolbar: nothing of it is used afterwards.
    if (FInMenuLoop) {
        FMenuResult = true;
        LeaveMenuMode();
    }
    if (auto* menuButton = dynamic_cast<TOrvToolBarMenuButton*>(button); menuButton && menuButton->GetMenuItem())
        OpenControlMenu(menuButton);
    else
        button->Click();
}

bool TOrvCustomToolBar::MenuModeKey(uint16_t key, bool down) {
    auto* hot = dynamic_cast<TOrvCustomToolBarButton*>(FHotControl);
    if (!down) return true;
    switch (key) {
        case VK_MENU:
        case VK_F10:
        case VK_ESCAPE:
            LeaveMenuMode();
            return true;
        case VK_RETURN:
        case VK_DOWN:
            PostMenuDrop();
            return true;
        case VK_LEFT:
        case VK_RIGHT: {
            bool forward = key == VK_RIGHT;
            if (FMenu && FMenu->IsRightToLeft()) forward = !forward;
            if (TOrvCustomToolBarButton* next = NeighbourButton(hot, forward, false)) SetMenuHot(next);
            return true;
        }
        case VK_SHIFT:
        case VK_CONTROL:
            return true;
        default: {
            auto ch = static_cast<wchar_t>(MapVirtualKeyW(key, MAPVK_VK_TO_CHAR) & 0xFFFF);
            if (ch == 0) return true;
            if (TOrvToolBarMenuButton* b = MnemonicButton(ch)) {
                SetMenuHot(b);
                PostMenuDrop();
            }
            return true;
        }
    }
}

// --- the form: Alt, and its moves while the MDI buttons are on -------------------------------------

TForm* TOrvCustomToolBar::MenuForm() const {
    // A floating toolbar's window is a form of its own: the dock panel's form counts.
    if (TOrvDockPanel* dock = FCurrentDock ? FCurrentDock : FLastDock)
        if (TForm* form = GetParentForm(dock)) return form;
    return GetParentForm(this);
}

void TOrvCustomToolBar::UpdateMenuFormHook() {
    TForm* wanted = nullptr;
    if (!IsDestroying() && (FMenu || FAutoMDIButtons)) wanted = MenuForm();
    if (wanted == FMenuFormHooked) return;
    if (FMenuFormHooked && FMenuFormHookId) FMenuFormHooked->RemoveMessageHook(FMenuFormHookId);
    FMenuFormHooked = wanted;
    FMenuFormHookId = 0;
    if (!wanted) return;
    wanted->FreeNotification(this);
    FMenuFormHookId = wanted->AddMessageHook([this](TMessage& m) { return MenuFormMessage(m); });
}

bool TOrvCustomToolBar::MenuFormMessage(TMessage& m) {
    if (m.Msg == WM_WINDOWPOSCHANGED && FMDIWatchOn) Invalidate();
    if (m.Msg != WM_SYSCOMMAND || (m.WParam & 0xFFF0) != SC_KEYMENU) return false;
    auto ch = static_cast<wchar_t>(m.LParam);
    // Alt+Space and Alt+- are the system menus'.
    if (ch == L' ' || ch == L'-') return false;
    // The release of the Alt that ended the mode asks again while the request that
    // started it is still being answered: that one is the mode's own, not a new one.
    if (FInKeyMenu) {
        m.Result = 0;
        return true;
    }
    if (!FMenu || !GetEnabled() || !Showing() || FInMenuLoop || GetCapture()) return false;
    TOrvToolBarMenuButton* button = nullptr;
    if (ch) {
        button = MnemonicButton(ch);
        if (!button) return false;
    } else if (!FirstMenuButton()) {
        return false;
    }
    m.Result = 0;
    std::shared_ptr<bool> alive = FMenuBarAlive;
    FInKeyMenu = true;
    try {
        MenuLoop(button);
    } catch (...) {
        if (*alive) FInKeyMenu = false;
        throw;
    }
    if (*alive) FInKeyMenu = false;
    return true;
}

// --- lifetime -----------------------------------------------------------------------------------------

void TOrvCustomToolBar::MenuBarLoaded() {
    if (FMenu) {
        if (FMenu->GetForm()) FMenu->SetForm(nullptr);
        CreateMenuButtons();
    }
    UpdateMenuFormHook();
    UpdateMDIWatch();
}

void TOrvCustomToolBar::MenuBarParentChanged() {
    UpdateMenuFormHook();
    UpdateMDIWatch();
}

void TOrvCustomToolBar::MenuBarNotification(TComponent* component) {
    if (component == FMenu && !IsDestroying()) {
        FMenu = nullptr;
        FMergedMenu = nullptr;
        FreeMenuButtons(false);
        UpdateMenuFormHook();
    }
    if (component == FMergedMenu) {
        FMergedMenu = nullptr;
        if (!IsDestroying()) {
            FreeMenuButtons(true);
            UpdateMenu();
        }
    }
    if (component == FTempMenu) FTempMenu = nullptr;
    if (component == FButtonMenu) FButtonMenu = nullptr;
    if (component == FMenuButton) FMenuButton = nullptr;
    if (component == FLastMenuButton) FLastMenuButton = nullptr;
    if (component == FNextMenuHotButton) FNextMenuHotButton = nullptr;
    if (component == FMDISeparator) FMDISeparator = nullptr;
    if (component == FMenuFormHooked) {
        FMenuFormHooked = nullptr;
        FMenuFormHookId = 0;
    }
    for (size_t i = 0; i < FMDIChildEntries.size(); ++i) {
        TMDIChildEntry e = FMDIChildEntries[i];
        if (e.Form != component && e.Item != component) continue;
        FMDIChildEntries.erase(FMDIChildEntries.begin() + static_cast<std::ptrdiff_t>(i));
        if (e.Item != component) e.Item->Free();
        break;
    }
}

void TOrvCustomToolBar::MenuBarDestroying() {
    *FMenuBarAlive = false;
    LeaveMenuMode();
    if (FMenuDropped) EndMenu();
    FMenuHook.reset();
    if (gOpenMenu.ToolBar == this) gOpenMenu = TOpenMenu{};
    // Sub-items go home before the temporary menu goes with this toolbar.
    if (FTempMenu && FButtonMenu) {
        TMenuItem* root = FTempMenu->Items();
        while (root->Count() > 0) {
            TMenuItem* sub = root->Items(0);
            root->Remove(sub);
            FButtonMenu->Add(sub);
        }
    }
    if (FMenuFormHooked && FMenuFormHookId) FMenuFormHooked->RemoveMessageHook(FMenuFormHookId);
    FMenuFormHooked = nullptr;
    FMenuFormHookId = 0;
    RemoveAllMDIChildMenu();
}

void TOrvCustomToolBar::ClosePopups() {
    HideOptionWindow();
    if (FMenuDropped) EndMenu();
}

bool TOrvCustomToolBar::MenuBarMessage(TMessage& m) {
    switch (m.Msg) {
        case kMenuClosedMessage:
            MenuClosed(m.WParam);
            return true;
        case kMenuDropMessage:
            DropHotMenu();
            return true;
        case WM_TIMER:
            if (m.WParam == kMenuItemTimer) {
                StopTimer(kMenuItemTimer);
                TOrvCustomToolBarButton* next = FNextMenuHotButton;
                FNextMenuHotButton = nullptr;
                if (!next || !TakesMenuHot(next, false)) return true;
                if (!FInMenuLoop) {
                    // Reached from an open menu: the bar goes on in the menu mode, where
                    // Enter runs the button and the arrows move on.
                    RunMenuLoop(next, false);
                    return true;
                }
                SetMenuHot(next);
                SetCapture(Handle());
                FCaptureChangeCancels = true;
                return true;
            }
            if (m.WParam == kMDIWatchTimer) {
                MDIWatchTick();
                return true;
            }
            return false;
        case CM_SHOWINGCHANGED:
            UpdateMDIWatch();
            return false;
        case WM_CAPTURECHANGED:
            if (FInMenuLoop && FCaptureChangeCancels && reinterpret_cast<HWND>(m.LParam) != Handle()) LeaveMenuMode();
            return false;
        case CM_MOUSELEAVE:
            if (FMDIDown < 0) SetMDIMarks(-1, -1);
            return false;
        default:
            break;
    }
    if (m.Msg != WM_LBUTTONDOWN && m.Msg != WM_RBUTTONDOWN && m.Msg != WM_MBUTTONDOWN && m.Msg != WM_LBUTTONUP &&
        m.Msg != WM_MOUSEMOVE)
        return false;
    TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    bool inside = ClientRect().Contains(p);
    if (m.Msg != WM_LBUTTONUP && m.Msg != WM_MOUSEMOVE && FMenuFocused && !inside) {
        // A click outside ends the menu mode.
        LeaveMenuMode();
        return true;
    }
    return MDIButtonMouse(m, p);
}

}  // namespace orv
