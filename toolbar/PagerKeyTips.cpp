// The pager's input: mouse on the caption and the tabs, the wheel, keys while it has the
// focus, Alt accelerators, the Ctrl+F1 thread hook, the hook on its form's window and the
// key tips (keyboard hint mode).
#include <windows.h>

#include <cwctype>

#include "framework/Forms.h"
#include "framework/HintWindow.h"
#include "framework/Hooks.h"
#include "framework/Messages.h"
#include "framework/Screen.h"
#include "hints/ShortCutHintWindow.h"
#include "paint/OrvLook.h"
#include "toolbar/MinimizedRibbonWindow.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvQuickAccessToolBar.h"
#include "toolbar/OrvToolBarPager.h"

namespace orv {

namespace {

constexpr UINT_PTR kKeyTipTimer = 1;
constexpr UINT_PTR kDblClickTimer = 2;
// The MDI buttons' check (PagerMDIButtons.cpp).
constexpr UINT_PTR kMDITimer = 3;
constexpr unsigned kKeyTipTick = 50;
constexpr int kKeyTipHold = 700;
constexpr unsigned kDblClickTime = 600;
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

struct TCtrlF1Hook {
    TOrvToolBarPager* Owner = nullptr;
    std::unique_ptr<TThreadHook> Hook;
};

TCtrlF1Hook& CtrlF1() {
    static TCtrlF1Hook hook;
    return hook;
}

bool KeyIsDown(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

wchar_t Upper(wchar_t c) {
    return static_cast<wchar_t>(std::towupper(c));
}

bool SameKeyText(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

bool StartsWithText(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() && SameKeyText(text.substr(0, prefix.size()), prefix);
}

// The character after a single "&", or 0.
wchar_t Accelerator(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return Upper(caption[i + 1]);
    }
    return 0;
}

bool IsInside(HWND window, TWinControl* control) {
    return window && control->HandleAllocated() && (window == control->Handle() || IsChild(control->Handle(), window));
}

}  // namespace

// --- Ctrl+F1 -----------------------------------------------------------------------------------

TOrvToolBarPager* TOrvToolBarPager::CtrlF1HookOwner() {
    return CtrlF1().Owner;
}

bool PagerCtrlF1HookInstalled() {
    return CtrlF1().Hook != nullptr;
}

void TOrvToolBarPager::InstallCtrlF1Hook(TOrvToolBarPager* owner) {
    TCtrlF1Hook& h = CtrlF1();
    if (h.Hook) return;
    h.Owner = owner;
    h.Hook = std::make_unique<TThreadHook>(WH_GETMESSAGE, [](int, uintptr_t wParam, intptr_t lParam) {
        if (wParam != PM_REMOVE) return false;
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg->message != WM_KEYDOWN || msg->wParam != VK_F1) return false;
        // Not an auto-repeat, Ctrl without Shift and Alt.
        if (msg->lParam & (1 << 30)) return false;
        if (!KeyIsDown(VK_CONTROL) || KeyIsDown(VK_SHIFT) || KeyIsDown(VK_MENU)) return false;
        TOrvToolBarPager* pager = CtrlF1().Owner;
        if (!pager) return false;
        if (pager->GetExpanded())
            pager->Collaps();
        else
            pager->Expand();
        return false;
    });
}

void TOrvToolBarPager::ReleaseCtrlF1Hook() {
    TCtrlF1Hook& h = CtrlF1();
    h.Hook.reset();
    h.Owner = nullptr;
}

// --- the form's window -----------------------------------------------------------------------------

void TOrvToolBarPager::InstallFormHook() {
    if (IsDesigning() || IsDestroying() || FHookedForm) return;
    TForm* form = GetParentForm(this);
    if (!form) return;
    FHookedForm = form;
    form->FreeNotification(this);
    FFormHookId = form->AddMessageHook([this](TMessage& m) { return FormHook(m); });
}

void TOrvToolBarPager::RemoveFormHook() {
    if (FHookedForm && FFormHookId) {
        FHookedForm->RemoveMessageHook(FFormHookId);
        RemoveFreeNotification(FHookedForm);
    }
    FHookedForm = nullptr;
    FFormHookId = 0;
}

bool TOrvToolBarPager::FormHook(TMessage& m) {
    switch (m.Msg) {
        case WM_MOUSEWHEEL: {
            POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
            if (!HandleAllocated()) return false;
            RECT r;
            GetWindowRect(Handle(), &r);
            if (!PtInRect(&r, p)) return false;
            return MouseWheel(0, GET_WHEEL_DELTA_WPARAM(m.WParam), TPoint{p.x, p.y});
        }
        case WM_SIZE:
            if (FAutoMDIButtons) UpdateMDIButtons();
            UpdateGlassRegion();  // maximized or back: the clip's height changes
            [[fallthrough]];
        case WM_MOVE:
            TellWinStyleChildren(kWinStyleUpdateMenu);
            if (FShortCutHintShowing) HideKeyTipWindows(true);
            return false;
        case WM_SYSCOMMAND: {
            WPARAM cmd = m.WParam & 0xFFF0;
            if (cmd == SC_MINIMIZE || cmd == SC_MAXIMIZE || cmd == SC_MOVE || cmd == SC_SIZE)
                if (FShortCutHintShowing) HideKeyTipWindows(true);
            return false;
        }
        case WM_LBUTTONDOWN:
            if (FShortCutHintShowing) HideKeyTipWindows(true);
            return false;
        default:
            return false;
    }
}

// --- mouse -----------------------------------------------------------------------------------------

bool TOrvToolBarPager::OnCaptionArea(TPoint p, bool withTabRow) const {
    TRect caption = GetCaptionRect();
    if (caption.Contains(p)) return TabGroupAtPos(p) < 0;
    if (withTabRow && GetTabRowRect().Contains(p)) return TabAtPos(p) < 0;
    return false;
}

void TOrvToolBarPager::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TPoint p{x, y};
    if (FShortCutHintShowing) HideShortCutHint();
    bool dbl = (shift & ssDouble) != 0;
    int tab = TabAtPos(p);
    FActiveChangedOnDown = false;
    // The system menu: with the scenic flag the empty part of the tab row counts as caption.
    if (button == TMouseButton::mbRight && tab < 0 && OnCaptionArea(p, ScenicRibbonMode)) {
        TellWinStyleChildren(kWinStyleHideMenu);
        ShowSystemMenu(ClientToScreen(p));
        return;
    }
    if (button == TMouseButton::mbLeft) {
        if (tab >= 0) {
            TOrvToolBarPager* self = this;
            (void)self;
            if (dbl) OnTabDblClick(this, tab);
            OnTabClick(this, tab);
            if (tab != FActivePageIndex) {
                if (FPages[tab]->GetTabEnabled() && ChangeActivePage(tab)) {
                    FPages[tab]->StartGlow(gsPush);
                    FActiveChangedOnDown = true;
                    FClickCount = 0;
                }
            } else if (FExpanded) {
                FDownPageIndex = tab;
                InvalidateRect(GetTabRect(tab));
            }
            if (!FExpanded && tab == FActivePageIndex) {
                // Collapsed, the press shows the page in the pop-up, or hides the pop-up
                // that already shows it.
                if (PopupShowing())
                    HideMinimizedRibbon();
                else
                    ShowMinimizedRibbon();
                Invalidate();
            }
        } else if (dbl && GetCaptionRect().Contains(p) && TabGroupAtPos(p) < 0) {
            if (FCaptionButtons & (1 << cbMaximize)) ToggleMaximize();
        } else if (OnCaptionArea(p, FIsAeroVista) && FCanMove && !dbl) {
            // Only on glass does the empty part of the tab row move the window.
            TellWinStyleChildren(kWinStyleHideMenu);
            DoWindowMove();
            return;
        }
    }
    TellWinStyleChildren(kWinStyleHideMenu);
    TCustomControl::MouseDown(button, shift, x, y);
}

void TOrvToolBarPager::CaptionLayerMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    MouseDown(button, shift, x, y);
}

void TOrvToolBarPager::CaptionLayerMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    MouseUp(button, shift, x, y);
}

void TOrvToolBarPager::CaptionLayerDblClick(int x, int y) {
    MouseDown(TMouseButton::mbLeft, ssDouble, x, y);
}

void TOrvToolBarPager::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TPoint p{x, y};
    if (FDownPageIndex >= 0) {
        InvalidateRect(GetTabRect(FDownPageIndex));
        FDownPageIndex = -1;
    }
    if (button == TMouseButton::mbLeft) {
        int tab = TabAtPos(p);
        if (tab >= 0 && !FExpanded && tab != FActivePageIndex) {
            if (TabSelectable(tab)) {
                OnTabClick(this, tab);
                if (ChangeActivePage(tab)) ShowMinimizedRibbon();
            }
        } else if (tab >= 0 && tab == FActivePageIndex && !FActiveChangedOnDown) {
            ++FClickCount;
            StopTimer(kDblClickTimer);
            StartTimer(kDblClickTimer, kDblClickTime);
        } else {
            int group = TabGroupAtPos(p);
            if (group >= 0) {
                int first, last;
                if (FTabGroups->Items(group)->PageRange(FPages.Count(), first, last)) {
                    // The walk stays inside the pages the group really spans.
                    for (int i = first; i <= last; ++i) {
                        if (!TabSelectable(i)) continue;
                        if (i != FActivePageIndex) ChangeActivePage(i);
                        break;
                    }
                }
                OnTabGroupClick(this, group);
            }
        }
        FActiveChangedOnDown = false;
        if (FClickCount > 1 && FHidePagesOnDblClick) {
            StopTimer(kDblClickTimer);
            FClickCount = 0;
            if (FExpanded)
                Collaps();
            else
                Expand();
        }
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TOrvToolBarPager::MouseMove(TShiftState shift, int x, int y) {
    SetHot(TabAtPos(TPoint{x, y}));
    TCustomControl::MouseMove(shift, x, y);
}

void TOrvToolBarPager::MouseLeave() {
    SetHot(-1);
    TCustomControl::MouseLeave();
}

void TOrvToolBarPager::SetHot(int tab) {
    if (tab == FHotPageIndex) return;
    int old = FHotPageIndex;
    FHotPageIndex = tab;
    if (old >= 0 && old < FPages.Count()) {
        TOrvPage* page = FPages[old];
        // The old tab fades out.
        if (page->GlowRunning() && page->GlowState() == gsHover) page->FTimeInc = -20;
        InvalidateRect(GetTabRect(old));
    }
    if (tab >= 0 && FPages[tab]->GetTabEnabled()) {
        FPages[tab]->StartGlow(gsHover);
        InvalidateRect(GetTabRect(tab));
    }
}

void TOrvToolBarPager::ClearHot() {
    if (FHotPageIndex < 0) return;
    int old = FHotPageIndex;
    FHotPageIndex = -1;
    InvalidateRect(GetTabRect(old));
}

bool TOrvToolBarPager::MouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    if (FEnableWheel && FExpanded && !(Focused() && NonActiveMouseWheelOnFocus)) {
        if (delta < 1)
            NextActivePage();
        else
            PrevActivePage();
        return true;
    }
    return TCustomControl::MouseWheel(shift, delta, mousePos);
}

void TOrvToolBarPager::DoWindowMove() {
    TForm* form = GetParentForm(this);
    if (!form || !form->HandleAllocated()) return;
    if (form->GetWindowState() == TWindowState::wsMaximized) {
        TRect work = Screen->MonitorFromWindow(form->Handle()).WorkareaRect;
        if (form->Width() >= work.Width() - 10) return;
    }
    SetMouseCapture(false);
    ReleaseCapture();
    SendMessageW(form->Handle(), WM_SYSCOMMAND, kMoveByCaption, 0);
}

void TOrvToolBarPager::ShowSystemMenu(TPoint screen) {
    TForm* form = GetParentForm(this);
    if (!form || !form->HandleAllocated()) return;
    HWND window = form->Handle();
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    int cmd = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.X, screen.Y, 0, window, nullptr);
    if (cmd) PostMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(cmd), 0);
}

void TOrvToolBarPager::HintRequest(TMessage& message, THintInfo& info) {
    if (!FShowTabHint) {
        message.Result = 1;
        return;
    }
    int tab = TabAtPos(info.CursorPos);
    if (tab < 0) return;
    TOrvPage* page = FPages[tab];
    info.CursorRect = GetTabRect(tab);
    if (!page->GetTabHint().empty()) {
        info.HintStr = page->GetTabHint();
        return;
    }
    // Only a tab cut below its caption's width: a tab shrunk by less than its text
    // allowance still shows the whole caption and keeps the pager's hint.
    int room = page->TabWidth - FLayout.LeftMargin - FLayout.RightMargin;
    if (MeasureCaption(tab) > room) info.HintStr = page->GetCaption();
}

void TOrvToolBarPager::WindowTimer(UINT_PTR id) {
    if (id == kKeyTipTimer) {
        KeyTipTick();
    } else if (id == kDblClickTimer) {
        StopTimer(kDblClickTimer);
        FClickCount = 0;
    } else if (id == kMDITimer) {
        UpdateMDIButtons();
    } else {
        TCustomControl::WindowTimer(id);
    }
}

// --- keyboard --------------------------------------------------------------------------------------

void TOrvToolBarPager::KeyDown(uint16_t& key, TShiftState shift) {
    if (key == VK_ESCAPE) {
        HideShortCutHint();
        if (TWinControl* parent = Parent())
            if (TWinControl* before = parent->FindNextControl(this, false, true); before && before != this)
                before->SetFocus();
        key = 0;
        return;
    }
    if (key == VK_LEFT || key == VK_RIGHT) {
        HideShortCutHint();
        SelectNextPage(key == VK_RIGHT);
        key = 0;
        return;
    }
    if (key == VK_DOWN) {
        if (TOrvPage* page = GetActivePage())
            if (TOrvCustomToolBar* tb = page->FirstFocusableToolBar()) {
                HideShortCutHint();
                tb->SetFocus();
            }
        key = 0;
        return;
    }
    if (FShortCutHintShowing && key != VK_MENU && key != VK_F10 && key != VK_SHIFT && key != VK_CONTROL) {
        wchar_t ch = 0;
        if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
            ch = static_cast<wchar_t>(L'0' + key - VK_NUMPAD0);
        else if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
            ch = static_cast<wchar_t>(key);
        if (ch) {
            TypeKeyTip(ch);
            key = 0;
            return;
        }
    }
    TCustomControl::KeyDown(key, shift);
}

void TOrvToolBarPager::KeyUp(uint16_t& key, TShiftState shift) {
    if (key == VK_MENU) FAltHeld = false;
    TCustomControl::KeyUp(key, shift);
}

void TOrvToolBarPager::DoExit() {
    TCustomControl::DoExit();
    // Key tips end when the focus leaves the pager and everything in it.
    if (FShortCutHintShowing && !IsInside(GetFocus(), this)) HideShortCutHint();
}

bool TOrvToolBarPager::HandleDialogKey(TMessage& m) {
    WPARAM key = m.WParam;
    if (key != VK_MENU && key != VK_F10) return false;
    if (FKeyTipArmed) {
        // The held key repeats.
        m.Result = 1;
        return true;
    }
    if (FShortCutHintShowing) {
        if (FAltHeld) {
            m.Result = 1;
            return true;
        }
        HideShortCutHint();
        m.Result = 1;
        return true;
    }
    if (!FTabStop || !GetActivePage() || !CanFocus()) return false;
    FFocusBeforeKeyTips = GetFocus();
    FAltHeld = key == VK_MENU;
    FKeyTipArmed = true;
    FAltHeldTime = 0;
    StartTimer(kKeyTipTimer, kKeyTipTick);
    m.Result = 1;
    return true;
}

bool TOrvToolBarPager::HandleDialogChar(wchar_t ch) {
    // An accelerator typed with Alt held disarms the key tips.
    FKeyTipArmed = false;
    StopTimer(kKeyTipTimer);
    if (!CanFocus()) return false;
    wchar_t up = Upper(ch);
    for (int i = 0; i < FPages.Count(); ++i) {
        TOrvPage* page = FPages[i];
        if (!page->GetTabVisible() || Accelerator(page->GetCaption()) != up) continue;
        SetActivePageIndex(i);
        return true;
    }
    return false;
}

void TOrvToolBarPager::KeyTipTick() {
    if (!FKeyTipArmed) {
        StopTimer(kKeyTipTimer);
        return;
    }
    bool alt = (GetAsyncKeyState(VK_MENU) & 0x8000) != 0;
    bool f10 = (GetAsyncKeyState(VK_F10) & 0x8000) != 0;
    bool show = false;
    if (!alt && !f10) {
        FAltHeld = false;
        show = true;
    } else if (alt) {
        FAltHeldTime += static_cast<int>(kKeyTipTick);
        show = FAltHeldTime >= kKeyTipHold;
    }
    if (!show) return;
    StopTimer(kKeyTipTimer);
    FKeyTipArmed = false;
    if (TOrvPage* page = GetActivePage())
        if (page->ToolBarShortCutHintShowing()) page->HideShortCutHintOfToolBars();
    ShowShortCutHint();
}

// --- key tips ------------------------------------------------------------------------------------

void TOrvToolBarPager::ShowShortCutHint() {
    TForm* form = GetParentForm(this);
    if (!form || !form->HandleAllocated() || GetActiveWindow() != form->Handle()) return;
    if (!Focused()) SetFocus();
    SetMouseCapture(true);
    for (TOrvPage* page : FPages)
        if (page->GetTabVisible() && page->GetTabEnabled() && !page->GetShortCutHint().empty())
            page->ShowShortCutHint();
    if (FQuickAccessToolBar) SendKeyTipRequest(FQuickAccessToolBar, true);
    FTypedKeys.clear();
    if (TWinControl* app = ApplicationButton()) SendKeyTipRequest(app, true);
    FShortCutHintShowing = true;
}

void TOrvToolBarPager::HideShortCutHint() {
    HideKeyTipWindows(false);
}

void TOrvToolBarPager::HideKeyTipWindows(bool withToolBarTips) {
    bool was = FShortCutHintShowing;
    FKeyTipArmed = false;
    if (HandleAllocated()) StopTimer(kKeyTipTimer);
    if (GetMouseCapture()) SetMouseCapture(false);
    for (TOrvPage* page : FPages) page->HideShortCutHint();
    std::vector<TShortCutHintWindow*> windows;
    windows.swap(FHintWindows);
    for (TShortCutHintWindow* w : windows) w->Free();
    if (withToolBarTips)
        if (TOrvPage* page = GetActivePage()) page->HideShortCutHintOfToolBars();
    if (FQuickAccessToolBar) SendKeyTipRequest(FQuickAccessToolBar, false);
    if (was)
        if (TWinControl* app = ApplicationButton()) SendKeyTipRequest(app, false);
    FShortCutHintShowing = false;
    FTypedKeys.clear();
}

TShortCutHintWindow* TOrvToolBarPager::ShowPageKeyTip(TOrvPage* page) {
    int index = FPages.IndexOf(page);
    TRect tab = GetTabRect(index);
    if (index < 0 || tab.Right <= tab.Left) return nullptr;
    auto* window = new TShortCutHintWindow(this);
    window->SetVisible(false);
    window->SetColor(clWhite);
    window->SetColorTo(CurrentToolBarStyler()->GlowButtonAppearance().GetColor());
    FHintWindows.push_back(window);
    TRect need = window->CalcHintRect(0, page->GetShortCutHint(), nullptr);
    TPoint origin = ClientToScreen(TPoint{tab.Left, tab.Top});
    TPoint at = origin;
    TabKeyTipPosition(page->GetShortCutHintPos(), tab, origin, TSize{need.Width(), need.Height()}, at);
    window->ActivateHint(Bounds(at.X, at.Y, need.Width(), need.Height()), page->GetShortCutHint());
    return window;
}

void TOrvToolBarPager::HidePageKeyTip(TShortCutHintWindow* window) {
    auto it = std::find(FHintWindows.begin(), FHintWindows.end(), window);
    if (it == FHintWindows.end()) return;
    FHintWindows.erase(it);
    window->Free();
}

void TOrvToolBarPager::TypeKeyTip(wchar_t ch) {
    FTypedKeys += Upper(ch);
    bool candidate = false;
    for (int i = 0; i < FPages.Count(); ++i) {
        TOrvPage* page = FPages[i];
        const std::wstring& hint = page->GetShortCutHint();
        if (hint.empty()) continue;
        if (SameKeyText(hint, FTypedKeys)) {
            HideShortCutHint();
            if (!TabSelectable(i)) return;
            SetActivePageIndex(i);
            if (FActivePageIndex != i) return;
            if (FExpanded) {
                if (TOrvCustomToolBar* tb = page->FirstFocusableToolBar()) tb->SetFocus();
                page->ShowShortCutHintOfToolBars();
            } else {
                if (!PopupShowing()) ShowMinimizedRibbon();
                if (TOrvPage* clone = page->SelfClone()) {
                    if (TOrvCustomToolBar* tb = clone->FirstFocusableToolBar()) tb->SetFocus();
                    clone->ShowShortCutHintOfToolBars();
                }
            }
            return;
        }
        if (StartsWithText(hint, FTypedKeys))
            candidate = true;
        else
            page->HideShortCutHint();
    }
    bool quickCandidate = false;
    if (auto* qat = dynamic_cast<IToolBarKeyTips*>(FQuickAccessToolBar)) {
        IToolBarKeyTips::TMatch m = qat->MatchShortCutHint(FTypedKeys);
        if (m == IToolBarKeyTips::kmMatched) {
            HWND back = FFocusBeforeKeyTips;
            HideShortCutHint();
            TForm* form = GetParentForm(this);
            if (back && !IsInside(back, this) && form && IsInside(GetFocus(), form)) ::SetFocus(back);
            return;
        }
        quickCandidate = m == IToolBarKeyTips::kmCandidate;
    }
    if (auto* app = dynamic_cast<IToolBarKeyTips*>(ApplicationButton())) {
        IToolBarKeyTips::TMatch m = app->MatchShortCutHint(FTypedKeys);
        if (m == IToolBarKeyTips::kmMatched) {
            HideShortCutHint();
            return;
        }
        if (m == IToolBarKeyTips::kmCandidate) candidate = true;
    }
    bool tipVisible = false;
    for (TOrvPage* page : FPages)
        if (page->ShortCutHintWindow()) tipVisible = true;
    if (!candidate) KeyTipBeep();
    if (!tipVisible && !quickCandidate) HideShortCutHint();
}

}  // namespace orv
