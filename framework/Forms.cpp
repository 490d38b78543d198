#include "framework/Forms.h"

#include <algorithm>

#include "framework/Application.h"
#include "framework/LayoutReader.h"
#include "framework/Menus.h"
#include "framework/Screen.h"
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
    FIcon.OnChange = [this](TObject*) { ApplyIcon(); };
    if (Screen) Screen->AddForm(this);
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
    if (Screen) Screen->RemoveForm(this);
    TWinControl::BeforeDestruction();
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FActiveControl) FActiveControl = nullptr;
    if (component == FWindowMenu) FWindowMenu = nullptr;
    if (component == FPopupParent) {
        FPopupParent = nullptr;
        // Owned windows die with their owner: move to the default owner first.
        if (HandleAllocated() && !IsDestroying())
            SetWindowLongPtrW(FHandle, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(OwnerWindow()));
    }
}

HWND TForm::OwnerWindow() {
    // Owners are top-level windows; the platform takes a child's for it only when the
    // window is made. Only windows that exist: CreateWnd makes the owner's first.
    auto rootOf = [](TWinControl* c) { return c->HandleAllocated() ? GetAncestor(c->Handle(), GA_ROOT) : nullptr; };
    if (FPopupParent && !FPopupParent->IsDestroying()) return rootOf(FPopupParent);
    if (FParent) return rootOf(FParent);
    // The first form is the application's window on the taskbar; others stay above it.
    if (Application && Application->MainForm() && Application->MainForm() != this &&
        Application->MainForm()->HandleAllocated())
        return Application->MainForm()->Handle();
    return nullptr;
}

void TForm::SetPopupParent(TWinControl* value) {
    if (FPopupParent == value) return;
    if (value == this) throw EInvalidOperation(L"A form cannot own itself");
    if (FPopupParent) RemoveFreeNotification(FPopupParent);
    FPopupParent = value;
    if (value) FreeNotification(value);
    if (HandleAllocated() && FFormStyle != TFormStyle::fsMDIChild) {
        if (value) value->HandleNeeded();
        SetWindowLongPtrW(FHandle, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(OwnerWindow()));
    }
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
    p.WndParent = OwnerWindow();
    p.WinClassName = L"OrvForm";
    if (FFormStyle == TFormStyle::fsMDIChild) {
        TForm* frame = MDIParentForm();
        p.Style |= WS_CHILD | WS_CLIPSIBLINGS;
        p.Style &= ~static_cast<DWORD>(WS_POPUP);
        p.ExStyle |= WS_EX_MDICHILD;
        p.WndParent = frame ? frame->ClientHandle() : nullptr;
        if (FPosition == TPosition::poDefault || FPosition == TPosition::poDefaultPosOnly) p.X = p.Y = CW_USEDEFAULT;
    }
}

void TForm::CreateWnd() {
    if (FPopupParent) FPopupParent->HandleNeeded();
    if (FFormStyle == TFormStyle::fsMDIChild) {
        TForm* frame = MDIParentForm();
        if (!frame) throw EInvalidOperation(L"Cannot create form. No MDI forms are currently active");
        frame->HandleNeeded();
    }
    TWinControl::CreateWnd();
    if (FFormStyle != TFormStyle::fsMDIForm) return;
    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = FWindowMenu ? FWindowMenu->Handle() : nullptr;
    ccs.idFirstChild = 0xFF00;  // above every menu command id
    TRect r = ClientRect();
    FClientHandle = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                    WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, r.Left, r.Top,
                                    r.Width(), r.Height(), FHandle, nullptr, GetModuleHandleW(nullptr), &ccs);
    if (!FClientHandle) throw EOutOfResources(L"Error creating the MDI client window");
    // Controls aligned before the window existed keep their place: the client window
    // takes only what they leave, beneath them.
    Realign();
}

void TForm::DestroyWnd() {
    if (FHandle && FFormStyle == TFormStyle::fsMDIChild) {
        // Through the client, so it updates its window list and activates the next child.
        HWND client = GetParent(FHandle);
        if (client && IsWindow(client)) SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(FHandle), 0);
        if (FHandle && IsWindow(FHandle)) DestroyWindow(FHandle);
        FHandle = nullptr;
        return;
    }
    TWinControl::DestroyWnd();
    FClientHandle = nullptr;
}

void TForm::DefaultHandler(TMessage& m) {
    if (FHandle && !(m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x100)) {
        if (FClientHandle) {
            m.Result = DefFrameProcW(FHandle, FClientHandle, m.Msg, m.WParam, m.LParam);
            // The frame's default sizing gives the client window the whole client area
            // (also when a child is maximised and the frame only changed its frame):
            // the aligned controls take their part back.
            if (m.Msg == WM_SIZE) Realign();
            return;
        }
        if (FFormStyle == TFormStyle::fsMDIChild && (GetWindowLongW(FHandle, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
            m.Result = DefMDIChildProcW(FHandle, m.Msg, m.WParam, m.LParam);
            return;
        }
    }
    TWinControl::DefaultHandler(m);
}

void TForm::AlignControls(TControl* control, TRect& rect) {
    TWinControl::AlignControls(control, rect);
    // The client window takes what the aligned controls leave.
    if (FClientHandle)
        SetWindowPos(FClientHandle, HWND_BOTTOM, rect.Left, rect.Top, std::max(0, rect.Width()),
                     std::max(0, rect.Height()), SWP_NOACTIVATE);
}

// --- MDI -------------------------------------------------------------------------------------

TForm* TForm::MDIParentForm() const {
    auto isFrame = [](const TComponent* c) {
        auto* f = dynamic_cast<const TForm*>(c);
        return f && f->FFormStyle == TFormStyle::fsMDIForm && !f->IsDestroying();
    };
    if (isFrame(Owner())) return static_cast<TForm*>(Owner());
    if (Application && isFrame(Application->MainForm())) return Application->MainForm();
    if (Screen)
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (isFrame(Screen->Forms(i))) return Screen->Forms(i);
    return nullptr;
}

std::vector<TForm*> TForm::MDIChildList() const {
    std::vector<TForm*> list;
    if (!FClientHandle) return list;
    for (HWND h = GetWindow(FClientHandle, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (auto* f = dynamic_cast<TForm*>(FromHandle(h)))
            if (f->FFormStyle == TFormStyle::fsMDIChild && !f->IsDestroying()) list.push_back(f);
    return list;
}

int TForm::MDIChildCount() const {
    return static_cast<int>(MDIChildList().size());
}

TForm* TForm::MDIChildren(int index) const {
    return MDIChildList().at(static_cast<size_t>(index));
}

TForm* TForm::ActiveMDIChild() const {
    if (!FClientHandle) return nullptr;
    auto* active = reinterpret_cast<HWND>(SendMessageW(FClientHandle, WM_MDIGETACTIVE, 0, 0));
    auto* f = dynamic_cast<TForm*>(FromHandle(active));
    return f && !f->IsDestroying() ? f : nullptr;
}

bool TForm::ActiveMDIChildMaximized() const {
    if (!FClientHandle) return false;
    BOOL maximized = FALSE;
    SendMessageW(FClientHandle, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    return maximized != FALSE;
}

void TForm::Cascade() {
    if (FClientHandle) SendMessageW(FClientHandle, WM_MDICASCADE, 0, 0);
}

void TForm::Tile(TTileMode mode) {
    if (FClientHandle)
        SendMessageW(FClientHandle, WM_MDITILE, mode == TTileMode::tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL,
                     0);
}

void TForm::ArrangeIcons() {
    if (FClientHandle) SendMessageW(FClientHandle, WM_MDIICONARRANGE, 0, 0);
}

void TForm::Next() {
    if (FClientHandle) SendMessageW(FClientHandle, WM_MDINEXT, 0, 0);
}

void TForm::Previous() {
    if (FClientHandle) SendMessageW(FClientHandle, WM_MDINEXT, 0, 1);
}

void TForm::SetWindowMenu(TMenuItem* value) {
    if (FWindowMenu == value) return;
    if (FWindowMenu) RemoveFreeNotification(FWindowMenu);
    FWindowMenu = value;
    if (value) FreeNotification(value);
    UpdateWindowMenu();
}

void TForm::UpdateWindowMenu() {
    if (!FClientHandle || !FWindowMenu) return;
    SendMessageW(FClientHandle, WM_MDISETMENU, reinterpret_cast<WPARAM>(GetMenu(FHandle)),
                 reinterpret_cast<LPARAM>(FWindowMenu->Handle()));
    DrawMenuBar(FHandle);
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
    ApplyIcon();
    SetWindowTextW(FHandle, FCaption.c_str());
}

void TForm::ApplyIcon() {
    if (FIcon.Empty()) {
        FSmallIcon.SetData({});
    } else {
        FSmallIcon.SetRequestedSize(GetSystemMetrics(SM_CXSMICON));
        FSmallIcon.SetData(FIcon.GetData());
    }
    if (!FHandle) return;
    // Without an icon of its own the program's icon resource, when it has one, marks
    // the window (a shared handle: nobody frees it).
    HICON bigIcon = FIcon.Handle();
    HICON smallIcon = FSmallIcon.Handle();
    if (!bigIcon) bigIcon = smallIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
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
    TFormStyle old = FFormStyle;
    FFormStyle = value;
    if (!HandleAllocated()) return;
    // The MDI styles live in the kind of window: make it again.
    auto isMDI = [](TFormStyle s) { return s == TFormStyle::fsMDIForm || s == TFormStyle::fsMDIChild; };
    if (isMDI(old) || isMDI(value)) {
        bool visible = IsWindowVisible(FHandle) != FALSE;
        DestroyHandle();
        if (visible) {
            FVisible = false;
            SetVisible(true);
        }
        return;
    }
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
        bool activate = !FShowNoActivate;
        FShowNoActivate = false;
        if (!IsWindowVisible(FHandle)) {
            static const int kShow[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
            int show = kShow[static_cast<int>(FWindowState)];
            if (!activate) show = FWindowState == TWindowState::wsMinimized ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE;
            ShowWindow(FHandle, show);
            OnShow(this);
        }
        if (!activate) {
            // Above its owner and the other windows, still without the activation.
            SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        } else if (FFormStyle == TFormStyle::fsMDIChild) {
            SendMessageW(GetParent(FHandle), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(FHandle), 0);
        } else {
            SetForegroundWindow(FHandle);
        }
        return;
    }
    if (!FVisible) return;
    FVisible = false;
    if (HandleAllocated() && IsWindowVisible(FHandle)) {
        ShowWindow(FHandle, SW_HIDE);
        OnHide(this);
    }
}

void TForm::ShowNoActivate() {
    if (IsLoading()) {
        FVisible = true;
        return;
    }
    FShowNoActivate = true;
    SetVisible(true);
    FShowNoActivate = false;
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
    // An MDI child is minimized by default (it cannot hide in its frame's client).
    TCloseAction action = TCloseAction::caHide;
    if (FFormStyle == TFormStyle::fsMDIChild)
        action = (FBorderIcons & biMinimize) ? TCloseAction::caMinimize : TCloseAction::caNone;
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
        case WM_MDIACTIVATE:
            // Sent to the child losing and to the one gaining the activation.
            DefaultHandler(m);
            if (reinterpret_cast<HWND>(m.LParam) == FHandle)
                Activate();
            else if (reinterpret_cast<HWND>(m.WParam) == FHandle)
                Deactivate();
            if (reinterpret_cast<HWND>(m.LParam) == FHandle || !m.LParam)
                if (TForm* frame = MDIParentForm()) frame->OnActiveMDIChildChange(frame);
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
