#include "framework/Forms.h"

#include <algorithm>

#include "framework/Application.h"
#include "framework/LayoutReader.h"
#include "framework/SysUtils.h"

namespace orv {

TForm* GetParentForm(const TControl* control) {
    const TControl* c = control;
    while (c && c->Parent()) c = c->Parent();
    return const_cast<TForm*>(dynamic_cast<const TForm*>(c));
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    FVisible = false;
    FParentFont = false;
    FControlStyle = csAcceptsControls | csSetCaption | csDoubleClicks;
    FWidth = 320;
    FHeight = 240;
}

void TForm::AfterConstruction() {
    TWinControl::AfterConstruction();
    ReadLayoutResource(this);
    DoCreate();
}

void TForm::Loaded() {
    TWinControl::Loaded();
    // A stored visible form shows once it is complete, not while it is being read.
    if (FVisible && !Showing()) SetVisible(true);
}

TFrame::TFrame(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    FParentColor = true;
    FWidth = 320;
    FHeight = 240;
}

void TFrame::AfterConstruction() {
    TCustomControl::AfterConstruction();
    ReadLayoutResource(this);
}

TWinControl* GetParentFormOrFrame(const TControl* control) {
    for (const TControl* c = control; c; c = c->Parent())
        if (dynamic_cast<const TForm*>(c) || dynamic_cast<const TFrame*>(c))
            return const_cast<TWinControl*>(static_cast<const TWinControl*>(c));
    return nullptr;
}

void TForm::DoCreate() {
    OnCreate(this);
}

void TForm::BeforeDestruction() {
    Destroying();
    OnDestroy(this);
    TWinControl::BeforeDestruction();
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FActiveControl) FActiveControl = nullptr;
}

void TForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style = WS_CLIPCHILDREN;
    p.ExStyle = 0;
    switch (FBorderStyle) {
        case TFormBorderStyle::bsNone:
            p.Style |= WS_POPUP;
            break;
        case TFormBorderStyle::bsSingle:
        case TFormBorderStyle::bsToolWindow:
            p.Style |= WS_CAPTION | WS_BORDER;
            break;
        case TFormBorderStyle::bsSizeable:
        case TFormBorderStyle::bsSizeToolWin:
            p.Style |= WS_CAPTION | WS_THICKFRAME;
            break;
        case TFormBorderStyle::bsDialog:
            p.Style |= WS_CAPTION | WS_DLGFRAME;
            p.ExStyle |= WS_EX_DLGMODALFRAME;
            break;
    }
    if (FBorderStyle == TFormBorderStyle::bsToolWindow || FBorderStyle == TFormBorderStyle::bsSizeToolWin)
        p.ExStyle |= WS_EX_TOOLWINDOW;
    if (FBorderStyle != TFormBorderStyle::bsNone) {
        if (FBorderIcons & biSystemMenu) p.Style |= WS_SYSMENU;
        if (FBorderStyle != TFormBorderStyle::bsDialog && FBorderStyle != TFormBorderStyle::bsToolWindow &&
            FBorderStyle != TFormBorderStyle::bsSizeToolWin) {
            if (FBorderIcons & biMinimize) p.Style |= WS_MINIMIZEBOX;
            if (FBorderIcons & biMaximize) p.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (FFormStyle == TFormStyle::fsStayOnTop) p.ExStyle |= WS_EX_TOPMOST;
    p.WndParent = nullptr;
    // The first form is the application's window on the taskbar; others stay above it.
    if (Application && Application->MainForm() && Application->MainForm() != this &&
        Application->MainForm()->HandleAllocated())
        p.WndParent = Application->MainForm()->Handle();
    p.WinClassName = L"OrvForm";
}

TRect TForm::FrameInsets() const {
    TCreateParams p;
    const_cast<TForm*>(this)->CreateParams(p);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, p.Style, FALSE, p.ExStyle);
    return {-r.left, -r.top, r.right, r.bottom};
}

TRect TForm::ClientRect() const {
    if (HandleAllocated()) return TWinControl::ClientRect();
    TRect in = FrameInsets();
    int w = FClientWidth >= 0 ? FClientWidth : std::max(0, FWidth - in.Left - in.Right);
    int h = FClientHeight >= 0 ? FClientHeight : std::max(0, FHeight - in.Top - in.Bottom);
    return {0, 0, w, h};
}

void TForm::SetClientWidth(int value) {
    FClientWidth = value;
    if (HandleAllocated())
        ApplyClientSize();
    else {
        TRect in = FrameInsets();
        FWidth = value + in.Left + in.Right;
        Realign();
    }
}

void TForm::SetClientHeight(int value) {
    FClientHeight = value;
    if (HandleAllocated())
        ApplyClientSize();
    else {
        TRect in = FrameInsets();
        FHeight = value + in.Top + in.Bottom;
        Realign();
    }
}

void TForm::ApplyClientSize() {
    if (FClientWidth < 0 && FClientHeight < 0) return;
    RECT wr, cr;
    GetWindowRect(FHandle, &wr);
    GetClientRect(FHandle, &cr);
    int w = wr.right - wr.left, h = wr.bottom - wr.top;
    if (FClientWidth >= 0) w += FClientWidth - cr.right;
    if (FClientHeight >= 0) h += FClientHeight - cr.bottom;
    FClientWidth = FClientHeight = -1;
    SetBounds(FLeft, FTop, w, h);
}

void TForm::ApplyPosition() {
    if (FPositioned) return;
    FPositioned = true;
    if (FPosition == TPosition::poScreenCenter || FPosition == TPosition::poDesktopCenter) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        int x = work.left + ((work.right - work.left) - FWidth) / 2;
        int y = work.top + ((work.bottom - work.top) - FHeight) / 2;
        SetBounds(std::max<int>(x, work.left), std::max<int>(y, work.top), FWidth, FHeight);
    }
}

void TForm::CreateHandleDone() {
    ApplyClientSize();
    // The program's icon resource, when it has one, marks its windows.
    if (HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON")) {
        SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    SetWindowTextW(FHandle, FCaption.c_str());
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    RecreateWnd();
}

void TForm::SetBorderIcons(TBorderIcons value) {
    if (FBorderIcons == value) return;
    FBorderIcons = value;
    RecreateWnd();
}

void TForm::SetFormStyle(TFormStyle value) {
    if (FFormStyle == value) return;
    FFormStyle = value;
    if (HandleAllocated())
        SetWindowPos(FHandle, value == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowState TForm::GetWindowState() const {
    if (HandleAllocated()) {
        if (IsIconic(FHandle)) return TWindowState::wsMinimized;
        if (IsZoomed(FHandle)) return TWindowState::wsMaximized;
        return TWindowState::wsNormal;
    }
    return FWindowState;
}

void TForm::SetWindowState(TWindowState value) {
    FWindowState = value;
    if (HandleAllocated() && IsWindowVisible(FHandle)) {
        static const int kShow[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
        ShowWindow(FHandle, kShow[static_cast<int>(value)]);
    }
}

bool TForm::Showing() const {
    return HandleAllocated() && IsWindowVisible(FHandle);
}

void TForm::SetVisible(bool value) {
    if (IsLoading()) {
        FVisible = value;
        return;
    }
    if (value) {
        FVisible = true;
        HandleNeeded();
        ApplyPosition();
        if (!IsWindowVisible(FHandle)) {
            static const int kShow[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
            ShowWindow(FHandle, kShow[static_cast<int>(FWindowState)]);
            OnShow(this);
        }
        SetForegroundWindow(FHandle);
        return;
    }
    if (!FVisible) return;
    FVisible = false;
    if (HandleAllocated() && IsWindowVisible(FHandle)) {
        ShowWindow(FHandle, SW_HIDE);
        OnHide(this);
    }
}

void TForm::SetActiveControl(TWinControl* control) {
    if (FActiveControl == control) return;
    FActiveControl = control;
    if (control && HandleAllocated() && GetActiveWindow() == FHandle) control->SetFocus();
}

bool TForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::DoClose(TCloseAction& action) {
    OnClose(this, action);
}

void TForm::Close() {
    if (FInModal) {
        FModalResult = 2;  // cancel
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == TCloseAction::caMinimize)
        SetWindowState(TWindowState::wsMinimized);
    else
        Hide();
    if (action == TCloseAction::caFree && Application) Application->ReleaseLater(this);
}

namespace {
// Modal loops disable the thread's other visible windows (and enable them again after).
BOOL CALLBACK DisableTaskWindow(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}
}  // namespace

int TForm::ShowModal() {
    if (FInModal) throw EInvalidOperation(L"Cannot make a visible window modal");
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), DisableTaskWindow, reinterpret_cast<LPARAM>(&disabled));
    FModalResult = 0;
    FInModal = true;
    Show();
    while (FModalResult == 0 && Application && !Application->Terminated()) Application->HandleMessage();
    FInModal = false;
    for (HWND h : disabled) EnableWindow(h, TRUE);
    Hide();
    return FModalResult;
}

void TForm::Activate() {
    OnActivate(this);
}
void TForm::Deactivate() {
    OnDeactivate(this);
}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_CLOSE:
            Close();
            return;
        case WM_ACTIVATE:
            DefaultHandler(m);
            if (LOWORD(m.WParam) != WA_INACTIVE) {
                if (FActiveControl && FActiveControl->CanFocus()) FActiveControl->SetFocus();
                Activate();
            } else {
                Deactivate();
            }
            return;
        case CM_FOCUSCHANGED: {
            auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
            if (focused != this) FActiveControl = focused;
            TWinControl::WndProc(m);
            return;
        }
        default:
            break;
    }
    TWinControl::WndProc(m);
}

}  // namespace orv
