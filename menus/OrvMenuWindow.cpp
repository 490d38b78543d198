#include "menus/OrvMenuWindow.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "framework/Application.h"
#include "framework/Forms.h"
#include "framework/Hooks.h"
#include "framework/SysUtils.h"
#include "menus/OrvMenuPainter.h"
#include "menus/OrvMenus.h"

namespace orv::menus {

namespace {

constexpr UINT kMenuOfWindow = 0x01E1;  // MN_GETHMENU: the menu a menu window shows
constexpr const wchar_t* kMenuWindowClass = L"#32768";

struct TTreatedWindow {
    WNDPROC OldProc = nullptr;
    bool Placed = false;      // moved to join its parent
    bool CutPending = false;  // the region follows once the window has its shown size
};

std::map<HWND, TTreatedWindow>& TreatedWindows() {
    static std::map<HWND, TTreatedWindow> windows;
    return windows;
}

std::vector<TOrvMenuCore*>& WatchingMenus() {
    static std::vector<TOrvMenuCore*> menus;
    return menus;
}

std::unique_ptr<TThreadHook>& CreationHook() {
    static std::unique_ptr<TThreadHook> hook;
    return hook;
}

// Menu animation would slide our windows in before they are moved and cut: it is off
// while a watch lives. The switch holds for this login only (nothing is written to the
// user's profile), and the setting comes back when the last watch ends unless someone
// changed it meanwhile (then theirs stands).
bool& AnimationSwitchedOff() {
    static bool switchedOff = false;
    return switchedOff;
}

void PauseMenuAnimation() {
    BOOL on = FALSE;
    if (!SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &on, 0) || !on) return;
    if (SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<PVOID>(FALSE), 0))
        AnimationSwitchedOff() = true;
}

void ResumeMenuAnimation() {
    if (!std::exchange(AnimationSwitchedOff(), false)) return;
    BOOL on = TRUE;
    if (!SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &on, 0) || on) return;
    SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<PVOID>(TRUE), 0);
}

TMenuItem* FindOwner(TMenuItem* item, HMENU menu) {
    if (!item) return nullptr;
    if (item->CurrentHandle() == menu) return item;
    for (int i = 0; i < item->Count(); ++i)
        if (TMenuItem* found = FindOwner(item->Items(i), menu)) return found;
    return nullptr;
}

// The item whose entries menu holds, in a menu some watch is tracking.
TMenuItem* WatchedOwnerOf(HMENU menu) {
    for (TOrvMenuCore* core : WatchingMenus())
        if (TMenuItem* owner = FindOwner(core->StyledMenu().Items(), menu)) return owner;
    return nullptr;
}

// The item's place in its parent's native menu, which holds the visible items only.
int NativeIndex(const TMenuItem& item) {
    TMenuItem* parent = item.Parent();
    int index = 0;
    for (int i = 0; parent && i < parent->Count() && parent->Items(i) != &item; ++i)
        if (parent->Items(i)->GetVisible()) ++index;
    return index;
}

// How far the window showing owner's entries moves from windowLeft, where the system
// put it.
TPoint ShiftFor(const TMenuItem& owner, int windowLeft) {
    if (IsBarItem(owner)) return MenuWindowShift(true, false);
    TMenuItem* parent = owner.Parent();
    if (!parent) return {0, 0};  // a popup menu's own window stays where it was asked to open
    bool opensLeft = false;
    RECT ownerRect;
    if (parent->CurrentHandle() &&
        GetMenuItemRect(nullptr, parent->CurrentHandle(), static_cast<UINT>(NativeIndex(owner)), &ownerRect))
        opensLeft = windowLeft < ownerRect.left;
    return MenuWindowShift(false, opensLeft);
}

// The window loses its outermost pixel and the 17 measured pixels on the right.
void CutMenuWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    // The system owns the region once it is set.
    HRGN region = CreateRectRgn(1, 1, r.right - r.left - 1 - kMenuWindowCut, r.bottom - r.top - 1);
    if (region && !SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

void ReleaseMenuWindow(HWND window) {
    auto& windows = TreatedWindows();
    auto it = windows.find(window);
    if (it == windows.end()) return;
    WNDPROC old = it->second.OldProc;
    bool cut = it->second.Placed;
    windows.erase(it);
    if (cut) SetWindowRgn(window, nullptr, FALSE);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
}

// Moves a window that is about to show to join its parent; false when it shows no
// watched menu (it is then let go).
bool PlaceShowingWindow(HWND window, WINDOWPOS& pos) {
    auto menu = reinterpret_cast<HMENU>(SendMessageW(window, kMenuOfWindow, 0, 0));
    TMenuItem* owner = menu ? WatchedOwnerOf(menu) : nullptr;
    if (!owner) return false;
    RECT r;
    GetWindowRect(window, &r);
    int x = (pos.flags & SWP_NOMOVE) ? r.left : pos.x;
    int y = (pos.flags & SWP_NOMOVE) ? r.top : pos.y;
    TPoint shift = ShiftFor(*owner, x);
    if (shift.X != 0 || shift.Y != 0) {
        pos.x = x + shift.X;
        pos.y = y + shift.Y;
        pos.flags &= ~SWP_NOMOVE;
    }
    return true;
}

LRESULT TreatMenuWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& windows = TreatedWindows();
    auto it = windows.find(window);
    if (it == windows.end()) return DefWindowProcW(window, msg, wParam, lParam);
    WNDPROC old = it->second.OldProc;
    switch (msg) {
        case WM_WINDOWPOSCHANGING: {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (it->second.Placed || !pos || !(pos->flags & SWP_SHOWWINDOW)) break;
            if (!PlaceShowingWindow(window, *pos)) {
                ReleaseMenuWindow(window);
                break;
            }
            TTreatedWindow& treated = windows[window];
            treated.Placed = true;
            treated.CutPending = true;
            break;
        }
        case WM_WINDOWPOSCHANGED: {
            LRESULT result = CallWindowProcW(old, window, msg, wParam, lParam);
            auto again = windows.find(window);
            if (again != windows.end() && again->second.CutPending) {
                again->second.CutPending = false;
                CutMenuWindow(window);
            }
            return result;
        }
        case WM_ERASEBKGND:
            if (it->second.Placed) return 1;  // the items paint everything
            break;
        case WM_SHOWWINDOW:
            if (!wParam) ReleaseMenuWindow(window);
            break;
        case WM_CLOSE:
        case WM_DESTROY:
        case WM_NCDESTROY:
            ReleaseMenuWindow(window);
            break;
        default:
            break;
    }
    return CallWindowProcW(old, window, msg, wParam, lParam);
}

// Nothing may unwind into the system's menu loop: report and let the menu window go on.
LRESULT CALLBACK StyledMenuWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        return TreatMenuWindowMessage(window, msg, wParam, lParam);
    } catch (...) {
        HandleCallbackException();
    }
    auto& windows = TreatedWindows();
    auto it = windows.find(window);
    return it != windows.end() ? CallWindowProcW(it->second.OldProc, window, msg, wParam, lParam)
                               : DefWindowProcW(window, msg, wParam, lParam);
}

bool Subclass(HWND window) {
    auto& windows = TreatedWindows();
    if (windows.count(window)) return true;
    auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (!old) return false;
    windows[window] = {old};
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StyledMenuWindowProc));
    return true;
}

// Every menu window made on this thread while a watch lives is seen before it shows.
bool WindowCreated(int code, uintptr_t wParam, intptr_t) {
    if (code != HCBT_CREATEWND) return false;
    auto window = reinterpret_cast<HWND>(wParam);
    wchar_t name[16] = {};
    if (GetClassNameW(window, name, 16) && std::wstring(name) == kMenuWindowClass) Subclass(window);
    return false;
}

void FrameMenuWindow(HWND window, TCustomOrvMenuStyler& styler, const TMenuItem& item) {
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    int width = windowRect.right - windowRect.left;
    int height = windowRect.bottom - windowRect.top;
    HDC windowDC = GetWindowDC(window);
    if (!windowDC) return;
    TRect outer{1, 1, width - 1 - kMenuWindowCut, height - 1};
    auto frame = [&](const TRect& r, TColor color) {
        if (color == clNone) return;
        TGdiBrush brush(CreateSolidBrush(ToColorRef(color)));
        RECT rr{r.Left, r.Top, r.Right, r.Bottom};
        FrameRect(windowDC, &rr, brush.Get());
    };
    frame(outer, styler.GetMenuBorderColor());
    frame(outer.Inflate(-1, -1), styler.Background().GetColor());
    // A drop-down joins its bar item: no border under the item.
    TMenuItem* parent = item.Parent();
    if (parent && IsBarItem(*parent)) {
        auto* main = dynamic_cast<TMainMenu*>(parent->GetParentMenu());
        if (main && main->GetForm() && main->GetForm()->HandleAllocated()) {
            HWND form = main->GetForm()->Handle();
            HMENU bar = GetMenu(form);
            int index = -1;
            for (int i = 0, n = GetMenuItemCount(bar); i < n; ++i)
                if (GetMenuItemID(bar, i) == parent->Command() || GetSubMenu(bar, i) == parent->CurrentHandle())
                    index = i;
            RECT itemRect;
            if (index >= 0 && GetMenuItemRect(form, bar, static_cast<UINT>(index), &itemRect)) {
                int left = itemRect.left - windowRect.left + 1;
                int right = itemRect.right - windowRect.left - 1;
                if (right > left && styler.Background().GetColor() != clNone) {
                    TGdiBrush brush(CreateSolidBrush(ToColorRef(styler.Background().GetColor())));
                    RECT line{std::max(left, outer.Left), outer.Top, std::min(right, outer.Right), outer.Top + 1};
                    FillRect(windowDC, &line, brush.Get());
                }
            }
        }
    }
    ReleaseDC(window, windowDC);
}

}  // namespace

TMenuWindowWatch::TMenuWindowWatch(TOrvMenuCore& core) : FCore(core) {
    if (WatchingMenus().empty()) PauseMenuAnimation();
    if (!CreationHook()) {
        try {
            CreationHook() = std::make_unique<TThreadHook>(WH_CBT, WindowCreated);
        } catch (const Exception&) {
            // The windows are then treated when their first item is drawn.
        }
    }
    WatchingMenus().push_back(&core);
}

TMenuWindowWatch::~TMenuWindowWatch() {
    auto& menus = WatchingMenus();
    auto it = std::find(menus.rbegin(), menus.rend(), &FCore);
    if (it != menus.rend()) menus.erase(std::next(it).base());
    if (menus.empty()) {
        CreationHook().reset();
        ResumeMenuAnimation();
    }
}

TPoint MenuWindowShift(bool barDropDown, bool opensLeft) {
    if (barDropDown) return {-1, -2};
    // The 17 cut-off pixels are made up towards the parent; the 3-pixel nudge goes away
    // from it on either side, so the parent's border and its selected item stay clear.
    return {opensLeft ? kMenuWindowCut - 3 : -kMenuWindowCut + 3, 0};
}

void AfterMenuItemDrawn(HWND window, TCustomOrvMenuStyler& styler, const TMenuItem& item) {
    auto& windows = TreatedWindows();
    auto it = windows.find(window);
    if ((it == windows.end() || !it->second.Placed) && Subclass(window)) {
        windows[window].Placed = true;
        CutMenuWindow(window);
        if (TMenuItem* owner = item.Parent()) {
            RECT r;
            GetWindowRect(window, &r);
            TPoint shift = ShiftFor(*owner, r.left);
            if (shift.X != 0 || shift.Y != 0)
                SetWindowPos(window, nullptr, r.left + shift.X, r.top + shift.Y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        // What was drawn so far went to the old place.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    FrameMenuWindow(window, styler, item);
}

TRect MenuAreaFromItems(HWND window, const TMenuItem& item, const TRect& itemRect) {
    TMenuItem* parent = item.Parent();
    HMENU menu = parent ? parent->CurrentHandle() : nullptr;
    RECT self;
    if (!window || !menu || !GetMenuItemRect(nullptr, menu, static_cast<UINT>(NativeIndex(item)), &self)) return {};
    // The system's rectangles are on the screen; itemRect is the same item where the
    // drawing goes.
    int dx = self.left - itemRect.Left;
    int dy = self.top - itemRect.Top;
    bool any = false;
    RECT area{};
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        RECT r;
        if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r) || r.right <= r.left || r.bottom <= r.top)
            continue;
        if (!any)
            area = r;
        else
            UnionRect(&area, &area, &r);
        any = true;
    }
    if (!any) return {};
    return {area.left - dx, area.top - dy, area.right - dx - kMenuWindowCut, area.bottom - dy};
}

int TreatedMenuWindowCount() {
    return static_cast<int>(TreatedWindows().size());
}

}  // namespace orv::menus
