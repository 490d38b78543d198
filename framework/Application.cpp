#include "framework/Application.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>

#include "framework/HintAction.h"
#include "framework/Screen.h"
#include "framework/Timer.h"

namespace orv {

TApplication* Application = nullptr;

namespace {
TShowMessageHook gShowMessageHook;
TMessageDlgHook gMessageDlgHook;

std::wstring ExecutableTitle() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name = name.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name = name.substr(0, dot);
    return name;
}
}  // namespace

TApplication::TApplication(TComponent* owner) : TComponent(owner), FTitle(ExecutableTitle()) {}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FMainForm) FMainForm = nullptr;
    FReleased.erase(std::remove(FReleased.begin(), FReleased.end(), component), FReleased.end());
    if (component == FHintWindow) {
        FHintWindow = nullptr;
        FHintWindowMadeBy = nullptr;
    }
    if (component == FHintTimer) FHintTimer = nullptr;
    if (component == FHintShownFor) FHintShownFor = nullptr;
    if (component == FHintControl) {
        FHintControl = nullptr;
        if (!IsDestroying()) CancelHint();
    }
}

void TApplication::Run() {
    if (FMainForm) FMainForm->Show();
    while (!FTerminated) HandleMessage();
}

void TApplication::Terminate() {
    if (FTerminated) return;
    FTerminated = true;
    PostQuitMessage(0);
}

bool TApplication::ProcessMessage() {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    if (!PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    FreeReleased();
    return true;
}

bool TApplication::PreTranslate(MSG& msg) {
    if (!FPreTranslateHooks.empty()) {
        // Newest first; a copy, since a hook may remove itself.
        auto hooks = FPreTranslateHooks;
        for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
            if (it->Hook(msg)) return true;
    }
    bool handled = false;
    OnMessage(msg, handled);
    if (handled) return true;
    CheckHintMessage(msg);
    // Ctrl+F4, Ctrl+F6 and the child's system menu keys of an MDI frame.
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (auto* frame = dynamic_cast<TForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT))))
            if (HWND client = frame->ClientHandle(); client && TranslateMDISysAccel(client, &msg)) return true;
    }
    return false;
}

int TApplication::AddPreTranslateHook(TPreTranslateHook hook) {
    int id = FNextHookId++;
    FPreTranslateHooks.push_back({id, std::move(hook)});
    return id;
}

void TApplication::RemovePreTranslateHook(int id) {
    FPreTranslateHooks.erase(std::remove_if(FPreTranslateHooks.begin(), FPreTranslateHooks.end(),
                                            [id](const TPreTranslateEntry& e) { return e.Id == id; }),
                             FPreTranslateHooks.end());
}

void TApplication::HandleMessage() {
    if (ProcessMessage() || FTerminated) return;
    if (Idle() && !FTerminated) WaitMessage();
}

namespace {
// The control under a screen point among this thread's windows (graphic children
// included, disabled ones too: they have hints as well), or null.
TControl* FindControlAt(TPoint screen) {
    HWND window = WindowFromPoint(POINT{screen.X, screen.Y});
    if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return nullptr;
    TWinControl* win = TWinControl::FromHandle(window);
    if (!win) return nullptr;
    TControl* inner = win->ControlAtPos(win->ScreenToClient(screen), true);
    return inner ? inner : win;
}

// The control whose hint applies: the nearest one, going up the parents, that shows
// hints.
TControl* GetHintControl(TControl* control) {
    while (control && !control->GetShowHint()) control = control->Parent();
    return control;
}

// The nearest hint text going up the parents.
std::wstring GetHintOf(const TControl* control) {
    for (; control; control = control->Parent())
        if (!control->GetHint().empty()) return control->GetHint();
    return {};
}

// Roughly the height of the standard arrow's visible part, so the hint clears it.
int CursorHeightMargin() {
    return GetSystemMetrics(SM_CYCURSOR) * 5 / 8;
}
}  // namespace

bool TApplication::Idle() {
    TrackMouseWindow();
    POINT p;
    GetCursorPos(&p);
    TControl* control = FindControlAt({p.x, p.y});
    if (!control && (FHintControl || FHintActive)) CancelHint();
    SetHint(GetLongHint(GetHintOf(control)));
    bool done = true;
    OnIdle(this, done);
    return done;
}

void TApplication::TrackMouseWindow() {
    // The platform misses some leaves (the pointer jumping to another application, a
    // native modal loop); tell the window the pointer was last reported in.
    if (!FMouseWindow) return;
    POINT p;
    GetCursorPos(&p);
    HWND under = WindowFromPoint(p);
    if (under == FMouseWindow || GetCapture()) return;
    HWND left = FMouseWindow;
    FMouseWindow = nullptr;
    if (IsWindow(left) && TWinControl::FromHandle(left)) SendMessageW(left, WM_MOUSELEAVE, 0, 0);
}

// --- hints -------------------------------------------------------------------------------

void TApplication::SetShowHint(bool value) {
    if (FShowHint == value) return;
    FShowHint = value;
    if (!value) CancelHint();
}

namespace {
// Offers an action to a window's visible controls, depth first in child order, until
// one takes it.
bool OfferToControls(TWinControl* parent, TBasicAction* action) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (!control->GetVisible()) continue;
        if (control->ExecuteAction(action)) return true;
        if (auto* win = dynamic_cast<TWinControl*>(control); win && OfferToControls(win, action)) return true;
    }
    return false;
}

// The form's focused control first, then the form, then its controls.
bool OfferToForm(TForm* form, TBasicAction* action) {
    if (TWinControl* focused = form->ActiveControl(); focused && focused->ExecuteAction(action)) return true;
    return form->ExecuteAction(action) || OfferToControls(form, action);
}
}  // namespace

// A handler of OnHint takes the hint over; without one the hint goes round as a hint
// action: the active form's controls, then the main form's (a status bar with AutoHint
// shows it).
void TApplication::SetHint(const std::wstring& value) {
    if (FHint == value) return;
    FHint = value;
    if (OnHint) {
        OnHint(this);
        return;
    }
    TOwnedPtr<THintAction> action(Make<THintAction>(nullptr));
    action->Hint = value;
    TForm* active = Screen ? Screen->ActiveForm() : nullptr;
    if (active && OfferToForm(active, action.get())) return;
    if (FMainForm && FMainForm != active) OfferToForm(FMainForm, action.get());
}

void TApplication::SetHintWindowClass(THintWindowClass value) {
    if (!value) value = &HintWindowClassOf<THintWindow>;
    FHintWindowClass = value;
}

void TApplication::SetHintControlLink(TControl* control) {
    if (FHintControl == control) return;
    if (FHintControl && FHintControl != FHintShownFor) RemoveFreeNotification(FHintControl);
    FHintControl = control;
    if (control) FreeNotification(control);
}

void TApplication::SetHintShownFor(TControl* control) {
    if (FHintShownFor == control) return;
    if (FHintShownFor && FHintShownFor != FHintControl) RemoveFreeNotification(FHintShownFor);
    FHintShownFor = control;
    if (control) FreeNotification(control);
}

THintWindow* TApplication::NeedHintWindow(THintWindowClass windowClass) {
    if (!windowClass) windowClass = FHintWindowClass;
    if (FHintWindow && FHintWindowMadeBy == windowClass) return FHintWindow;
    if (FHintWindow) {
        THintWindow* old = FHintWindow;
        FHintWindow = nullptr;
        old->Free();
    }
    FHintWindow = windowClass(this);
    FHintWindowMadeBy = windowClass;
    return FHintWindow;
}

void TApplication::StartHintTimer(int ms, THintTimerType type) {
    if (!FHintTimer) {
        FHintTimer = new TTimer(this);
        FHintTimer->SetEnabled(false);
        FHintTimer->OnTimer = TNotifyEvent::Bind(this, &TApplication::HintTimerExpired);
    }
    FHintTimer->SetEnabled(false);
    FHintTimer->SetInterval(static_cast<unsigned>(std::max(ms, 1)));
    FHintTimerType = type;
    FHintTimer->SetEnabled(true);
}

void TApplication::StopHintTimer() {
    FHintTimerType = THintTimerType::htNone;
    if (FHintTimer) FHintTimer->SetEnabled(false);
}

void TApplication::HintTimerExpired(TObject*) {
    THintTimerType type = FHintTimerType;
    StopHintTimer();
    if (type == THintTimerType::htShow || type == THintTimerType::htReshow) {
        POINT p;
        GetCursorPos(&p);
        ActivateHint({p.x, p.y});
    } else if (type == THintTimerType::htHide) {
        HideHint();
    }
}

void TApplication::HintMouseMessage(TWinControl* window, const TMessage& m) {
    if (!window || !window->HandleAllocated()) return;
    if (m.Msg != WM_MOUSEMOVE) {
        CancelHint();
        return;
    }
    FMouseWindow = window->Handle();
    TPoint screen = window->ClientToScreen({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    TControl* inner = window->ControlAtPos(window->ScreenToClient(screen), true);
    TControl* control = FShowHint ? GetHintControl(inner ? inner : window) : nullptr;
    if (!control) {
        CancelHint();
        return;
    }
    if (control == FHintControl && FHintCursorRect.Contains(screen)) return;
    bool wasActive = FHintActive;
    int pause = wasActive ? FHintShortPause : FHintPause;
    control->Perform(CM_HINTSHOWPAUSE, wasActive ? 1 : 0, reinterpret_cast<LPARAM>(&pause));
    SetHintControlLink(control);
    HideHint();
    FHintActive = wasActive;
    StartHintTimer(pause, THintTimerType::htShow);
}

void TApplication::ActivateHint(TPoint cursorPos) {
    StopHintTimer();
    TControl* under = GetHintControl(FindControlAt(cursorPos));
    if (!FHintControl) SetHintControlLink(under);
    if (!FShowHint || !FHintControl || FHintControl != under) {
        CancelHint();
        return;
    }
    TControl* control = FHintControl;
    THintInfo info;
    info.HintControl = control;
    info.HintWindowClass = FHintWindowClass;
    info.HintPos = {cursorPos.X, cursorPos.Y + CursorHeightMargin()};
    TRect work = Screen ? Screen->MonitorFromPoint(cursorPos).WorkareaRect : TRect{0, 0, 0, 0};
    info.HintMaxWidth = work.IsEmpty() ? GetSystemMetrics(SM_CXSCREEN) : work.Width();
    info.HintColor = FHintColor;
    info.CursorRect = {0, 0, control->Width(), control->Height()};
    info.CursorPos = control->ScreenToClient(cursorPos);
    info.HintStr = GetShortHint(GetHintOf(control));
    info.ReshowTimeout = 0;
    info.HideTimeout = FHintHidePause;
    bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    if (canShow) OnShowHint(info.HintStr, canShow, info);
    // A handler may have freed the control (the free notice cleared the link).
    if (FHintControl != control) return;
    FHintActive = canShow;
    if (canShow && !info.HintStr.empty()) {
        THintWindow* window = NeedHintWindow(info.HintWindowClass);
        TRect r = window->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
        r = r.Offset(info.HintPos.X, info.HintPos.Y);
        // No room below: above the pointer instead.
        if (!work.IsEmpty() && r.Bottom > work.Bottom) r = r.Offset(0, cursorPos.Y - r.Height() - r.Top);
        TPoint topLeft = control->ClientToScreen({info.CursorRect.Left, info.CursorRect.Top});
        TPoint bottomRight = control->ClientToScreen({info.CursorRect.Right, info.CursorRect.Bottom});
        FHintCursorRect = {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
        TControl* shownFor = info.HintControl ? info.HintControl : control;
        window->SetColor(info.HintColor);
        window->SetHintControl(shownFor);
        window->ActivateHintData(r, info.HintStr, info.HintData);
        SetHintShownFor(control);
        control->Perform(CM_HINTSHOWN, 0, reinterpret_cast<LPARAM>(&info));
        if (FHintControl != control) return;
        if (info.ReshowTimeout > 0)
            StartHintTimer(info.ReshowTimeout, THintTimerType::htReshow);
        else if (info.HideTimeout > 0)
            StartHintTimer(info.HideTimeout, THintTimerType::htHide);
        return;
    }
    if (info.ReshowTimeout > 0)
        StartHintTimer(info.ReshowTimeout, THintTimerType::htReshow);
    else
        CancelHint();
}

void TApplication::HideHint() {
    if (FHintWindow && FHintWindow->IsHintVisible()) FHintWindow->HideHint();
    FHintActive = false;
    if (TControl* shownFor = FHintShownFor) {
        SetHintShownFor(nullptr);
        shownFor->Perform(CM_HINTHIDDEN);
    }
}

void TApplication::CancelHint() {
    StopHintTimer();
    HideHint();
    SetHintControlLink(nullptr);
    FHintCursorRect = {};
    FHintActive = false;
}

void TApplication::CheckHintMessage(const MSG& msg) {
    if (!FHintControl && !FHintActive) return;
    UINT m = msg.message;
    bool ends = m == WM_KEYDOWN || m == WM_SYSKEYDOWN || m == WM_ACTIVATEAPP || m == WM_NCMOUSEMOVE ||
                (m > WM_MOUSEMOVE && m <= WM_MOUSELAST) || (m >= WM_NCLBUTTONDOWN && m <= WM_NCMBUTTONDBLCLK);
    if (ends) CancelHint();
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleException(const std::exception& e) {
    if (OnException) {
        OnException(this, e);
        return;
    }
    std::fprintf(stderr, "Unhandled exception: %s\n", e.what());
    OutputDebugStringA(e.what());
}

void HandleCallbackException() noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& e) {
            if (Application) {
                Application->HandleException(e);
            } else {
                std::fprintf(stderr, "Unhandled exception: %s\n", e.what());
            }
        } catch (...) {
            const std::runtime_error unknown("unknown exception");
            if (Application) {
                Application->HandleException(unknown);
            } else {
                std::fprintf(stderr, "Unhandled exception: %s\n", unknown.what());
            }
        }
    } catch (...) {
        // The report failed (OnException raised): nothing more can be said safely.
        std::fputs("Unhandled exception while reporting an exception\n", stderr);
    }
}

void TApplication::ReleaseLater(TForm* form) {
    if (std::find(FReleased.begin(), FReleased.end(), form) == FReleased.end()) FReleased.push_back(form);
}

void TApplication::FreeReleased() {
    while (!FReleased.empty()) {
        TForm* f = FReleased.back();
        FReleased.pop_back();
        f->Free();
    }
}

TShowMessageHook SetShowMessageHook(TShowMessageHook hook) {
    TShowMessageHook old = std::move(gShowMessageHook);
    gShowMessageHook = std::move(hook);
    return old;
}

TMessageDlgHook SetMessageDlgHook(TMessageDlgHook hook) {
    TMessageDlgHook old = std::move(gMessageDlgHook);
    gMessageDlgHook = std::move(hook);
    return old;
}

void ShowMessage(const std::wstring& text) {
    if (gShowMessageHook) {
        gShowMessageHook(text);
        return;
    }
    std::wstring title = Application ? Application->Title() : ExecutableTitle();
    if (gMessageDlgHook) {
        gMessageDlgHook({text, title, TMsgDlgType::mtCustom, mbOK});
        return;
    }
    // No owner: the box needs no visible window (it can come before the main form shows),
    // and task-modal keeps every window of the program from taking input meanwhile.
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
}

namespace {
// The answer Escape gives.
int EscapeResult(TMsgDlgButtons buttons) {
    if (buttons & mbCancel) return mrCancel;
    if (buttons & mbNo) return mrNo;
    if (buttons & mbOK) return mrOk;
    if (buttons & mbAbort) return mrAbort;
    if (buttons & mbIgnore) return mrIgnore;
    return mrCancel;
}

UINT MessageBoxButtons(TMsgDlgButtons b) {
    if ((b & mbYes) && (b & mbNo)) return (b & mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    if (b & (mbAbort | mbIgnore)) return MB_ABORTRETRYIGNORE;
    if ((b & mbRetry) && (b & mbCancel)) return MB_RETRYCANCEL;
    if (b & mbCancel) return MB_OKCANCEL;
    return MB_OK;
}

UINT MessageBoxIcon(TMsgDlgType type) {
    switch (type) {
        case TMsgDlgType::mtWarning:
            return MB_ICONWARNING;
        case TMsgDlgType::mtError:
            return MB_ICONERROR;
        case TMsgDlgType::mtInformation:
            return MB_ICONINFORMATION;
        case TMsgDlgType::mtConfirmation:
            return MB_ICONQUESTION;
        default:
            return 0;
    }
}
}  // namespace

int MessageDlg(const std::wstring& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    std::wstring title = Application ? Application->Title() : ExecutableTitle();
    if (gMessageDlgHook) return gMessageDlgHook({text, title, type, buttons});
    if (gShowMessageHook) {
        gShowMessageHook(text);
        return EscapeResult(buttons);
    }
    if (Application) Application->CancelHint();
    // The box's button ids are the modal results (IDYES is mrYes ...).
    return MessageBoxW(nullptr, text.c_str(), title.c_str(),
                       MessageBoxButtons(buttons) | MessageBoxIcon(type) | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace orv
