#include "toolbar/OptionSelectorWindow.h"

#include <windowsx.h>

#include "framework/Screen.h"
#include "toolbar/ControlSelectorPanel.h"
#include "toolbar/OTBMenuItem.h"
#include "toolbar/OTBPopupPanel.h"

namespace orv {

namespace {

constexpr UINT_PTR kHideTimer = 1;

bool OwnedBy(HWND window, HWND owner) {
    for (HWND h = GetWindow(window, GW_OWNER); h; h = GetWindow(h, GW_OWNER))
        if (h == owner) return true;
    return false;
}

}  // namespace

TRect WorkAreaAt(TPoint p) {
    if (Screen) {
        TMonitor monitor = Screen->MonitorFromPoint(p);
        if (monitor.IsValid()) return monitor.WorkareaRect;
    }
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
}

TRect MonitorBoundsAt(TPoint p) {
    if (Screen) {
        TMonitor monitor = Screen->MonitorFromPoint(p);
        if (monitor.IsValid()) return monitor.BoundsRect;
    }
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TPoint PlaceBeside(TPoint at, int leftEdge, TSize size, const TRect& workArea) {
    TPoint p = at;
    if (p.Y + size.cy > workArea.Bottom) p.Y = workArea.Bottom - 2 - size.cy;
    if (p.X + size.cx > workArea.Right) p.X = leftEdge - size.cx;
    return p;
}

TPoint PlaceOptionWindow(const TRect& toolBar, TSize size, bool floating, bool showClose, int captionHeight,
                         TDockAlign position, const TRect& workArea, const TRect& monitor) {
    TPoint p = floating ? TPoint{toolBar.Right - (showClose ? 40 : 20), toolBar.Top + captionHeight - 2}
                        : TPoint{toolBar.Right - 12, toolBar.Bottom + 1};
    if (p.Y + size.cy > workArea.Bottom) p.Y = workArea.Bottom - 2 - size.cy;
    if (p.X + size.cx > monitor.Right) p.X = position == daRight ? toolBar.Left - size.cx : monitor.Right - size.cx;
    return p;
}

// --- TOptionSelectorWindow -----------------------------------------------------------------------

TOptionSelectorWindow::TOptionSelectorWindow(TComponent* owner) : TPopupForm(owner) {
    SetBounds(0, 0, 10, 10);
}

TOptionSelectorWindow* TOptionSelectorWindow::CreateForToolBar(TOrvCustomToolBar* toolBar) {
    auto* window = new TOptionSelectorWindow(toolBar);
    window->SetOrvToolBar(toolBar);
    auto* panel = new TControlSelectorPanel(window);
    panel->SetParent(window);
    panel->SetOrvToolBar(toolBar);
    window->SetOptionsPanel(panel);
    return window;
}

void TOptionSelectorWindow::CreateParams(TCreateParams& params) {
    TPopupForm::CreateParams(params);
    params.ExStyle |= WS_EX_TOOLWINDOW;
}

void TOptionSelectorWindow::SetOptionsPanel(TOptionSelectorPanel* value) {
    if (FOptionsPanel == value) return;
    FOptionsPanel = value;
    if (!value) return;
    value->FreeNotification(this);
    value->SetBounds(0, 0, value->Width(), value->Height());
    value->OnShouldHide = [this](TObject*) { HideWindow(); };
}

TControlSelectorPanel* TOptionSelectorWindow::ControlSelector() const {
    return dynamic_cast<TControlSelectorPanel*>(FOptionsPanel);
}

void TOptionSelectorWindow::Notification(TComponent* component, TOperation operation) {
    TPopupForm::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FOptionsPanel) FOptionsPanel = nullptr;
}

TWinControl* TOptionSelectorWindow::ContentPanel() const {
    return FOptionsPanel;
}

void TOptionSelectorWindow::FillFromToolBar() {
    if (TControlSelectorPanel* panel = ControlSelector()) panel->FillFromToolBar(FOrvToolBar);
    SetWindowSize();
}

void TOptionSelectorWindow::SetWindowSize() {
    if (!FOptionsPanel) return;
    FOptionsPanel->SetBounds(0, 0, FOptionsPanel->Width(), FOptionsPanel->Height());
    SetBounds(FLeft, FTop, FOptionsPanel->Width(), FOptionsPanel->GetVisibleHeight());
}

void TOptionSelectorWindow::ShowAt(TPoint at) {
    SetBounds(at.X, at.Y, FWidth, FHeight);
    Show();
}

void TOptionSelectorWindow::SetVisible(bool value) {
    bool wasVisible = GetVisible();
    if (!value && wasVisible) BeforeHide();
    if (!value && FHideTimerRunning) {
        StopTimer(kHideTimer);
        FHideTimerRunning = false;
    }
    TPopupForm::SetVisible(value);
    if (!value && wasVisible) AfterHide();
}

void TOptionSelectorWindow::AfterHide() {
    if (FOptionsPanel) FOptionsPanel->WindowHidden();
    if (OnWindowHide) OnWindowHide(this);
}

void TOptionSelectorWindow::WndProc(TMessage& message) {
    // Pop-ups going with their owner pass the activation along while their panels are
    // already off them: nothing may be focused or hidden then.
    if (message.Msg == WM_ACTIVATE && IsDestroying()) {
        DefaultHandler(message);
        return;
    }
    if (message.Msg == WM_NCHITTEST) {
        // The bottom-right corner is a sizing grip.
        POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
        if (HandleAllocated()) ::ScreenToClient(FHandle, &p);
        if (p.x >= FWidth - kSelectorSizingCorner && p.y >= FHeight - kSelectorSizingCorner && p.x < FWidth &&
            p.y < FHeight) {
            message.Result = HTBOTTOMRIGHT;
            return;
        }
    }
    TPopupForm::WndProc(message);
}

void TOptionSelectorWindow::Activate() {
    TPopupForm::Activate();
    // Windows going with their owner pass the activation around: nothing to focus then.
    if (IsDestroying()) return;
    TWinControl* panel = ContentPanel();
    if (panel && panel->Parent() == this && !panel->IsDestroying() && panel->CanFocus()) panel->SetFocus();
    // The owner's top-level window keeps drawing its caption active.
    HWND root = nullptr;
    if (FOrvToolBar && FOrvToolBar->HandleAllocated())
        root = GetAncestor(FOrvToolBar->Handle(), GA_ROOT);
    else if (auto* owner = dynamic_cast<TWinControl*>(PopupOwner()); owner && owner->HandleAllocated())
        root = GetAncestor(owner->Handle(), GA_ROOT);
    if (root && root != FHandle) SendMessageW(root, WM_NCACTIVATE, TRUE, 0);
}

void TOptionSelectorWindow::Deactivate() {
    TPopupForm::Deactivate();
    if (IsDestroying() || !GetHideOnDeActivate() || !GetVisible() || FHideTimerRunning) return;
    FHideTimerRunning = true;
    StartTimer(kHideTimer, 1);
}

void TOptionSelectorWindow::WindowTimer(UINT_PTR id) {
    if (id == kHideTimer)
        HideTick();
    else
        TPopupForm::WindowTimer(id);
}

void TOptionSelectorWindow::HideTick() {
    StopTimer(kHideTimer);
    FHideTimerRunning = false;
    if (!GetVisible()) return;
    HWND active = GetActiveWindow();
    // Back to this window, or on to a pop-up it opened: it stays.
    if (active && (active == FHandle || OwnedBy(active, FHandle))) return;
    bool toOwner = false;
    for (HWND h = GetWindow(FHandle, GW_OWNER); h && !toOwner; h = GetWindow(h, GW_OWNER)) {
        if (!dynamic_cast<TOptionSelectorWindow*>(FromHandle(h))) break;
        toOwner = h == active;
    }
    FHidingToOwner = toOwner;
    Hide();
    FHidingToOwner = false;
    if (!toOwner) DeActivateHidden();
}

// --- TOTBPopupWindow -----------------------------------------------------------------------------

TOTBPopupWindow::TOTBPopupWindow(TComponent* owner) : TOptionSelectorWindow(owner) {
    FPopupPanel = new TOTBPopupPanel(this);
    FPopupPanel->SetParent(this);
    FPopupPanel->SetBounds(0, 0, 10, 10);
}

TOTBPopupWindow::~TOTBPopupWindow() = default;

TOTBMenuItem* TOTBPopupWindow::Items() {
    if (!FItems) FItems = std::make_unique<TOTBMenuItem>();
    return FItems.get();
}

TWinControl* TOTBPopupWindow::ContentPanel() const {
    return FPopupPanel;
}

void TOTBPopupWindow::SetWindowSize() {
    if (!FPopupPanel) return;
    FPopupPanel->SetBounds(0, 0, FPopupPanel->Width(), FPopupPanel->Height());
    SetBounds(FLeft, FTop, FPopupPanel->Width(), FPopupPanel->Height());
}

void TOTBPopupWindow::BeforeHide() {
    // Its sub-pop-up goes first.
    if (FPopupPanel) FPopupPanel->CloseSubPopup();
}

void TOTBPopupWindow::AfterHide() {
    if (FPopupPanel) FPopupPanel->WindowHidden();
    TOptionSelectorWindow::AfterHide();
}

void TOTBPopupWindow::RaiseDeActivateHide() {
    if (OnDeActivateHide) OnDeActivateHide(this);
}

void TOTBPopupWindow::Notification(TComponent* component, TOperation operation) {
    TOptionSelectorWindow::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FPopupPanel) FPopupPanel = nullptr;
    if (FItems)
        if (auto* control = dynamic_cast<TControl*>(component)) FItems->ForgetObject(control);
}

}  // namespace orv
