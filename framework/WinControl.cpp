#include "framework/WinControl.h"

#include <windowsx.h>

#include <algorithm>
#include <map>
#include <set>

#include "framework/Application.h"
#include "framework/OffscreenInternal.h"
#include "framework/Screen.h"
#include "framework/SysUtils.h"

namespace orv {

namespace {

// One window procedure serves every class; classes differ only in their class style,
// or copy a system class whose procedure then does the default handling (baseProc).
std::wstring RegisterWindowClass(const TCreateParams& p, WNDPROC& baseProc) {
    static std::map<std::wstring, WNDPROC> registered;
    std::wstring name = p.SystemClass.empty() ? p.WinClassName + L"_" + std::to_wstring(p.ClassStyle)
                                              : L"Orv" + p.SystemClass;
    baseProc = nullptr;
    if (auto it = registered.find(name); it != registered.end()) {
        baseProc = it->second;
        return name;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!p.SystemClass.empty()) {
        if (!GetClassInfoExW(nullptr, p.SystemClass.c_str(), &wc))
            throw EOutOfResources(L"Unknown system window class " + p.SystemClass);
        baseProc = wc.lpfnWndProc;
        wc.cbSize = sizeof(wc);
        wc.hIconSm = nullptr;
    } else {
        wc.style = p.ClassStyle;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    }
    wc.lpfnWndProc = OrvWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw EOutOfResources(L"Cannot register window class " + name);
    registered[name] = baseProc;
    return name;
}

// The name property holds a global atom; the window releases it when it goes.
void TagWindowWithName(HWND window, const std::wstring& name) {
    if (auto old = reinterpret_cast<UINT_PTR>(RemovePropW(window, TWinControl::kComponentNameProp)))
        GlobalDeleteAtom(static_cast<ATOM>(old));
    if (name.empty()) return;
    ATOM atom = GlobalAddAtomW(name.substr(0, 255).c_str());
    if (atom) SetPropW(window, TWinControl::kComponentNameProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
}

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK && msg != WM_MOUSEWHEEL;
}

}  // namespace

LRESULT CALLBACK OrvWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* control = static_cast<TWinControl*>(cs->lpCreateParams);
        // An MDI child's creation data comes wrapped in the client's record.
        if ((cs->dwExStyle & WS_EX_MDICHILD) && cs->lpCreateParams)
            control = reinterpret_cast<TWinControl*>(static_cast<MDICREATESTRUCTW*>(cs->lpCreateParams)->lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
        if (control) {
            control->FHandle = window;
            TagWindowWithName(window, control->GetName());
        }
    }
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!control) return DefWindowProcW(window, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    // Nothing escapes a window procedure: report and carry on.
    try {
        if (!control->DispatchToHooks(m)) control->WndProc(m);
    } catch (...) {
        HandleCallbackException();
    }
    if (msg == WM_NCDESTROY) {
        TagWindowWithName(window, std::wstring());
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (control->FHandle == window) control->FHandle = nullptr;
    }
    return m.Result;
}

TWinControl* TWinControl::FromHandle(HWND window) {
    if (!window) return nullptr;
    WNDPROC proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (proc != OrvWindowProc) return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

void TWinControl::SetName(const std::wstring& value) {
    TControl::SetName(value);
    if (FHandle) TagWindowWithName(FHandle, GetName());
}

void TWinControl::BeforeDestruction() {
    Destroying();
    // Children go first, last child first, while this control is still whole.
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        RemoveControl(child);
        child->Free();
    }
    DestroyHandle();
    TControl::BeforeDestruction();
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

// --- window ---------------------------------------------------------------------------

HWND TWinControl::Handle() {
    if (!FHandle && !FCreatingHandle) {
        // Until the window is whole, children included, showing notices wait (see
        // UpdateShowing); the window is then announced before its children.
        FCreatingHandle = true;
        try {
            CreateWnd();
            if (FHandle) {
                CreateChildHandles();
                CreateHandleDone();
            }
        } catch (...) {
            FCreatingHandle = false;
            throw;
        }
        FCreatingHandle = false;
        if (FHandle) UpdateShowing();
    }
    return FHandle;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = FCaption;
    p.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (FVisible) p.Style |= WS_VISIBLE;
    if (!FEnabled) p.Style |= WS_DISABLED;
    p.X = FLeft;
    p.Y = FTop;
    p.Width = FWidth;
    p.Height = FHeight;
    // CreateWnd makes the parent's window first; asking for the parameters alone
    // never makes one.
    p.WndParent = FParent ? FParent->FHandle : nullptr;
    p.ClassStyle = CS_VREDRAW | CS_HREDRAW | ((FControlStyle & csDoubleClicks) ? CS_DBLCLKS : 0);
    if (FControlStyle & csFramed) p.ExStyle |= WS_EX_CLIENTEDGE;
}

bool TWinControl::IsPopup() const {
    if (FHandle) return !(GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD);
    TCreateParams p;
    const_cast<TWinControl*>(this)->CreateParams(p);
    return !(p.Style & WS_CHILD);
}

void TWinControl::CreateWnd() {
    if (FParent) FParent->HandleNeeded();
    TCreateParams p;
    CreateParams(p);
    if ((p.Style & WS_CHILD) && !p.WndParent)
        throw EInvalidOperation(std::wstring(L"Control '") + GetName().c_str() + L"' has no parent window");
    WNDPROC baseProc = nullptr;
    std::wstring cls = RegisterWindowClass(p, baseProc);
    // The system's procedure answers from the very first message (WM_NCCREATE).
    FDefWndProc = baseProc;
    HWND h = CreateWindowExW(p.ExStyle, cls.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width, p.Height,
                             p.WndParent, nullptr, GetModuleHandleW(nullptr), this);
    if (!h) throw EOutOfResources(L"Error creating window");
    FHandle = h;
}

void TWinControl::CreateChildHandles() {
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (w->FVisible) w->HandleNeeded();
    RestackChildren();
}

void TWinControl::RestackChildren() {
    // Native child windows are stacked to match the list: the last child on top.
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (w->FHandle && !w->IsPopup())
                SetWindowPos(w->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::DestroyWnd() {
    if (FHandle) DestroyWindow(FHandle);
    FHandle = nullptr;
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    FTrackingLeave = false;
    DestroyWnd();
    UpdateShowing();
}

void TWinControl::UpdateShowing() {
    // A window being made is announced once it is whole, and before its children.
    for (const TWinControl* w = this; w; w = w->FParent)
        if (w->FCreatingHandle) return;
    TControl::UpdateShowing();
    // A handler may add or remove controls: each child still here is checked.
    std::vector<TControl*> children = FControls;
    for (TControl* c : children)
        if (IndexOfControl(c) >= 0) c->UpdateShowing();
}

void TWinControl::RecreateWnd() {
    if (!FHandle) return;
    DestroyHandle();
    if (!FParent || FParent->HandleAllocated()) HandleNeeded();
}

// --- children ----------------------------------------------------------------------------

int TWinControl::IndexOfControl(const TControl* control) const {
    auto it = std::find(FControls.begin(), FControls.end(), control);
    return it == FControls.end() ? -1 : static_cast<int>(it - FControls.begin());
}

void TWinControl::InsertControl(TControl* control) {
    if (!control || control->FParent == this) return;
    FControls.push_back(control);
    control->SetParentInternal(this);
    auto* win = dynamic_cast<TWinControl*>(control);
    if (win) FTabList.push_back(win);
    if (control->FParentFont) control->Perform(CM_PARENTFONTCHANGED);
    if (control->FParentColor) control->Perform(CM_PARENTCOLORCHANGED);
    if (control->FParentShowHint) control->Perform(CM_PARENTSHOWHINTCHANGED);
    if (win && win->FHandle && win->IsPopup()) {
        // A pop-up stays top-level and keeps its place: the new parent only owns it.
        TCreateParams p;
        win->CreateParams(p);
        SetWindowLongPtrW(win->FHandle, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(GetAncestor(p.WndParent, GA_ROOT)));
    } else if (win && win->FHandle) {
        // Re-parenting keeps the window (capture and state survive the move). Leaving
        // the old parent parked it hidden: a visible control shows again in the new one.
        if (FHandle) {
            ::SetParent(win->FHandle, FHandle);
            SetWindowPos(win->FHandle, HWND_TOP, win->FLeft, win->FTop, 0, 0,
                         SWP_NOSIZE | SWP_NOACTIVATE | (win->FVisible ? SWP_SHOWWINDOW : 0));
        } else {
            win->DestroyHandle();
        }
    } else if (win && FHandle && win->FVisible) {
        win->HandleNeeded();
        SetWindowPos(win->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
    control->Invalidate();
    if (control->FAlign != TAlign::alNone) Realign();
    control->UpdateShowing();
}

void TWinControl::RemoveControl(TControl* control) {
    int index = IndexOfControl(control);
    if (index < 0) return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
    control->Invalidate();
    if (FCaptureControl == control) FCaptureControl = nullptr;
    if (FMouseControl == control) FMouseControl = nullptr;
    FControls.erase(FControls.begin() + index);
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        auto it = std::find(FTabList.begin(), FTabList.end(), win);
        if (it != FTabList.end()) FTabList.erase(it);
        if (win->FHandle && !control->IsDestroying() && win->IsPopup()) {
            // Unowned, so the old parent's window does not take it along when it goes.
            SetWindowLongPtrW(win->FHandle, GWLP_HWNDPARENT, 0);
        } else if (win->FHandle && !control->IsDestroying()) {
            // Park the window at the top level, hidden, until it gets a new parent.
            ShowWindow(win->FHandle, SW_HIDE);
            ::SetParent(win->FHandle, nullptr);
        }
    }
    control->SetParentInternal(nullptr);
    if (control->FAlign != TAlign::alNone) Realign();
    if (!IsDestroying()) control->UpdateShowing();
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWindowed) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        auto* windowed = dynamic_cast<TWinControl*>(c);
        if (windowed && (!allowWindowed || windowed->IsPopup())) continue;
        if (!c->FVisible || (!c->FEnabled && !allowDisabled)) continue;
        if (!c->BoundsRect().Contains(p)) continue;
        LPARAM pt = MAKELPARAM(p.X - c->FLeft, p.Y - c->FTop);
        if (c->Perform(CM_HITTEST, 0, pt)) return c;
    }
    return nullptr;
}

void TWinControl::SetChildOrder(TControl* child, int order) {
    int index = IndexOfControl(child);
    if (index < 0) return;
    order = std::clamp(order, 0, ControlCount() - 1);
    if (order == index) return;
    FControls.erase(FControls.begin() + index);
    FControls.insert(FControls.begin() + order, child);
    if (auto* w = dynamic_cast<TWinControl*>(child); w && w->FHandle) {
        if (order == ControlCount() - 1) {
            SetWindowPos(w->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        } else {
            RestackChildren();
        }
    }
    child->Invalidate();
}

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::Realign() {
    if (IsLoading() || IsDestroying() || FAlignLevel > 0) return;
    TRect r = ClientRect();
    AdjustClientRect(r);
    ++FAlignLevel;
    try {
        AlignControls(nullptr, r);
    } catch (...) {
        --FAlignLevel;
        throw;
    }
    --FAlignLevel;
}

void TWinControl::AlignControls(TControl*, TRect& r) {
    // Order: top, bottom, left, right, then client; ties go by current position, then
    // by list order (a stable sort keeps it).
    static const TAlign kOrder[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
    for (TAlign align : kOrder) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->FAlign == align && c->FVisible)
                if (auto* w = dynamic_cast<TWinControl*>(c); !w || !w->IsPopup()) list.push_back(c);
        auto key = [align](const TControl* c) {
            switch (align) {
                case TAlign::alTop:
                    return c->FTop;
                case TAlign::alBottom:
                    return -(c->FTop + c->FHeight);
                case TAlign::alLeft:
                    return c->FLeft;
                case TAlign::alRight:
                    return -(c->FLeft + c->FWidth);
                default:
                    return 0;
            }
        };
        std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) { return key(a) < key(b); });
        for (TControl* c : list) {
            int w = std::max(0, r.Width());
            int h = std::max(0, r.Height());
            switch (align) {
                case TAlign::alTop:
                    c->SetBounds(r.Left, r.Top, w, c->FHeight);
                    r.Top += c->FHeight;
                    break;
                case TAlign::alBottom:
                    c->SetBounds(r.Left, r.Bottom - c->FHeight, w, c->FHeight);
                    r.Bottom -= c->FHeight;
                    break;
                case TAlign::alLeft:
                    c->SetBounds(r.Left, r.Top, c->FWidth, h);
                    r.Left += c->FWidth;
                    break;
                case TAlign::alRight:
                    c->SetBounds(r.Right - c->FWidth, r.Top, c->FWidth, h);
                    r.Right -= c->FWidth;
                    break;
                case TAlign::alClient:
                    c->SetBounds(r.Left, r.Top, w, h);
                    break;
                default:
                    break;
            }
        }
    }
}

void TWinControl::Broadcast(TMessage& m) {
    for (size_t i = 0; i < FControls.size(); ++i) {
        TControl* c = FControls[i];
        c->WndProc(m);
        if (m.Result) return;
        if (auto* w = dynamic_cast<TWinControl*>(c)) {
            w->Broadcast(m);
            if (m.Result) return;
        }
    }
}

// --- geometry and state -------------------------------------------------------------------

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    bool resized = width != FWidth || height != FHeight;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (FHandle) {
        SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RequestAlign();
    if (resized && !IsLoading()) {
        Realign();
        Resize();
    }
}

void TWinControl::UpdateBoundsFromWindow() {
    RECT wr;
    GetWindowRect(FHandle, &wr);
    if (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) {
        HWND parent = GetParent(FHandle);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&wr), 2);
    }
    int w = wr.right - wr.left, h = wr.bottom - wr.top;
    bool resized = w != FWidth || h != FHeight;
    bool moved = wr.left != FLeft || wr.top != FTop;
    if (!resized && !moved) return;
    FLeft = wr.left;
    FTop = wr.top;
    FWidth = w;
    FHeight = h;
    if (resized) {
        Realign();
        if (!IsLoading()) Resize();
    }
}

TRect TWinControl::ClientRect() const {
    if (FHandle) {
        RECT rc;
        GetClientRect(FHandle, &rc);
        return {rc.left, rc.top, rc.right, rc.bottom};
    }
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
    if (FHandle) {
        POINT p{0, 0};
        ::ClientToScreen(FHandle, &p);
        return {p.x, p.y};
    }
    if (FParent && IsPopup()) return {FLeft, FTop};
    return TControl::ClientOrigin();
}

bool TWinControl::Showing() const {
    if (FHandle) return IsWindowVisible(FHandle) != FALSE;
    return false;
}

void TWinControl::SetVisible(bool value) {
    if (FVisible == value) return;
    FVisible = value;
    if (value && !FHandle && FParent && FParent->HandleAllocated()) {
        HandleNeeded();
        FParent->RestackChildren();
    }
    // Also right after the window was made: a pop-up's parameters may leave it hidden.
    if (FHandle) ShowWindow(FHandle, value ? SW_SHOWNOACTIVATE : SW_HIDE);
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    UpdateShowing();
    if (FParent) {
        if (FAlign != TAlign::alNone) RequestAlign();
        FParent->Perform(CM_CHILDVISIBLECHANGED, reinterpret_cast<WPARAM>(this), value ? 1 : 0);
    }
}

void TWinControl::SetEnabled(bool value) {
    if (FEnabled == value) return;
    FEnabled = value;
    if (FHandle) EnableWindow(FHandle, value);
    Perform(CM_ENABLEDCHANGED);
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == this) throw EInvalidOperation(L"A control cannot have itself as its parent");
    for (TWinControl* p = parent; p; p = p->FParent)
        if (p == this) throw EInvalidOperation(L"A control cannot be placed inside itself");
    TControl::SetParent(parent);
}

void TWinControl::SetDoubleBuffered(bool value) {
    if (FDoubleBuffered == value) return;
    FDoubleBuffered = value;
    Invalidate();
}

int TWinControl::GetTabOrder() const {
    if (!FParent) return -1;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (ComponentState() & csReading) {
        FPendingTabOrder = value;
        return;
    }
    if (!FParent) return;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    value = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::ApplyPendingTabOrders() {
    // A stored tab order is a slot among all windowed children, as GetTabOrder reports it
    // and the writer stores it. Children without one (internal windows, or ones stored
    // without) fill the free slots in their present order; stored ones beyond the end
    // come last in their order.
    std::vector<TWinControl*> stored;
    std::vector<TWinControl*> rest;
    for (TWinControl* w : FTabList) (w->FPendingTabOrder >= 0 ? stored : rest).push_back(w);
    if (stored.empty()) return;
    std::stable_sort(stored.begin(), stored.end(),
                     [](TWinControl* a, TWinControl* b) { return a->FPendingTabOrder < b->FPendingTabOrder; });
    FTabList.clear();
    size_t s = 0, r = 0;
    while (s < stored.size() || r < rest.size()) {
        const bool slotTaken =
            s < stored.size() && (r == rest.size() || stored[s]->FPendingTabOrder <= static_cast<int>(FTabList.size()));
        FTabList.push_back(slotTaken ? stored[s++] : rest[r++]);
    }
    for (TWinControl* w : stored) w->FPendingTabOrder = -1;
}

// --- painting -------------------------------------------------------------------------------

void TWinControl::Invalidate() {
    if (!FHandle) return;
    ::InvalidateRect(FHandle, nullptr, (FControlStyle & csOpaque) ? FALSE : TRUE);
    InvalidateBackgroundChildren(ClientRect());
}

void TWinControl::InvalidateBackgroundChildren(const TRect& r) {
    for (TControl* c : FControls) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w || !w->FHandle || !w->FVisible || !(w->FControlStyle & csParentBackground)) continue;
        TRect b = w->BoundsRect();
        if (r.Right <= b.Left || b.Right <= r.Left || r.Bottom <= b.Top || b.Bottom <= r.Top) continue;
        w->InvalidateRect(r.Offset(-b.Left, -b.Top), true);
    }
}

void TWinControl::Update() {
    if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::EraseBackground(HDC dc) {
    if ((FControlStyle & csParentBackground) && FParent) {
        DrawParentBackground(dc);
        return;
    }
    RECT rc;
    TRect r = ClientRect();
    rc = {r.Left, r.Top, r.Right, r.Bottom};
    TGdiBrush brush(CreateSolidBrush(ToColorRef(FColor)));
    ::FillRect(dc, &rc, brush.Get());
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintBeneath(const TControl* child, HDC dc) {
    EraseBackground(dc);
    PaintWindow(dc);
    // Graphic children always lie beneath windowed ones.
    PaintControls(dc, dynamic_cast<const TWinControl*>(child) ? nullptr : child);
}

void TWinControl::PaintControls(HDC dc, const TControl* below) {
    for (TControl* c : FControls) {
        if (c == below) break;
        if (dynamic_cast<TWinControl*>(c) || !c->FVisible) continue;
        RECT clip{c->FLeft, c->FTop, c->FLeft + c->FWidth, c->FTop + c->FHeight};
        if (!RectVisible(dc, &clip)) continue;
        TSaveDCGuard saved(dc);
        IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
        POINT org;
        GetWindowOrgEx(dc, &org);
        SetWindowOrgEx(dc, org.x - c->FLeft, org.y - c->FTop, nullptr);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void TWinControl::HandlePaint(TMessage& m) {
    HDC given = reinterpret_cast<HDC>(m.WParam);
    if (given) {
        // Asked to paint into someone's DC: no buffer, and no background unless the
        // control always starts from its parent's.
        if (FControlStyle & csParentBackground) EraseBackground(given);
        PaintWindow(given);
        PaintControls(given);
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(FHandle, &ps);
    if (!dc) return;
    if (FDoubleBuffered) {
        TRect cr = ClientRect();
        if (cr.Width() > 0 && cr.Height() > 0) {
            TGdiMemoryDC mem(detail::CreateOffscreenDC(dc));
            TGdiBitmap bitmap(mem ? detail::CreateOffscreenBitmap(dc, cr.Width(), cr.Height()) : nullptr);
            if (!mem || !bitmap) {
                // No buffer to be had (the handles ran out): straight onto the screen, in
                // the buffer's order, so the window still shows whole.
                EraseBackground(dc);
                PaintWindow(dc);
                PaintControls(dc);
            } else {
                TSelectGuard select(mem.Get(), bitmap.Get());
                IntersectClipRect(mem.Get(), ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
                EraseBackground(mem.Get());
                PaintWindow(mem.Get());
                PaintControls(mem.Get());
                BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                       ps.rcPaint.bottom - ps.rcPaint.top, mem.Get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
            }
        }
    } else {
        PaintWindow(dc);
        PaintControls(dc);
    }
    EndPaint(FHandle, &ps);
}

// --- focus and keyboard ---------------------------------------------------------------------

bool TWinControl::CanFocus() const {
    for (const TWinControl* c = this; c; c = c->FParent)
        if (!c->FVisible || !c->FEnabled) return false;
    return true;
}

bool TWinControl::Focused() const {
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
    if (!CanFocus()) return;
    ::SetFocus(Handle());
}

namespace {
void CollectTabOrder(const TWinControl* parent, std::vector<TWinControl*>& out, const std::vector<TWinControl*>& tabs) {
    for (TWinControl* w : tabs) {
        out.push_back(w);
        std::vector<TWinControl*> childTabs;
        for (int i = 0; i < w->ControlCount(); ++i)
            if (auto* cw = dynamic_cast<TWinControl*>(w->Controls(i))) childTabs.push_back(cw);
        // Children keep their own tab order; ControlCount order is the fallback.
        std::stable_sort(childTabs.begin(), childTabs.end(),
                         [](TWinControl* a, TWinControl* b) { return a->GetTabOrder() < b->GetTabOrder(); });
        CollectTabOrder(w, out, childTabs);
    }
    (void)parent;
}
}  // namespace

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
    std::vector<TWinControl*> all;
    CollectTabOrder(this, all, FTabList);
    if (all.empty()) return nullptr;
    int n = static_cast<int>(all.size());
    int start = -1;
    for (int i = 0; i < n; ++i)
        if (all[static_cast<size_t>(i)] == current) start = i;
    for (int step = 1; step <= n; ++step) {
        int i = start < 0 ? (forward ? step - 1 : n - step) : ((start + (forward ? step : -step)) % n + n) % n;
        TWinControl* c = all[static_cast<size_t>(i)];
        if (c == current) continue;
        if (!c->CanFocus()) continue;
        if (checkTabStop && !c->FTabStop) continue;
        // Containers with focusable children pass the focus on; plain ones take it.
        return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
    OnKeyDown(this, key, shift);
}
void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
    OnKeyUp(this, key, shift);
}
void TWinControl::KeyPress(wchar_t& key) {
    OnKeyPress(this, key);
}
void TWinControl::DoEnter() {
    OnEnter(this);
}
void TWinControl::DoExit() {
    OnExit(this);
}

void TWinControl::HandleKey(TMessage& m) {
    TShiftState shift = KeyboardShiftState();
    if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN) {
        uint16_t key = static_cast<uint16_t>(m.WParam);
        KeyDown(key, shift);
        if (key == 0) return;
        // Keys this control does not want become dialog keys of its form.
        LRESULT code = Perform(WM_GETDLGCODE, m.WParam, 0);
        bool wanted =
            (code & DLGC_WANTALLKEYS) || (key == VK_TAB && (code & DLGC_WANTTAB)) ||
            ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) && (code & DLGC_WANTARROWS));
        // The platform turns the context-menu key into a request by itself; Shift+F10
        // only through the default handling our keys never reach.
        if (key == VK_F10 && (shift & ssShift) && !(shift & (ssCtrl | ssAlt))) {
            SendMessageW(FHandle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(FHandle), -1);
            return;
        }
        bool dialogKey = key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN ||
                         key == VK_RETURN || key == VK_ESCAPE || key == VK_MENU || key == VK_F10;
        if (dialogKey && !wanted) {
            TWinControl* top = this;
            while (top->FParent) top = top->FParent;
            if (top->Perform(CM_DIALOGKEY, key, shift)) return;
        }
        if (m.Msg == WM_SYSKEYDOWN) DefaultHandler(m);
        return;
    }
    if (m.Msg == WM_KEYUP || m.Msg == WM_SYSKEYUP) {
        uint16_t key = static_cast<uint16_t>(m.WParam);
        KeyUp(key, shift);
        if (key != 0 && m.Msg == WM_SYSKEYUP) DefaultHandler(m);
        return;
    }
    if (m.Msg == WM_CHAR) {
        wchar_t ch = static_cast<wchar_t>(m.WParam);
        KeyPress(ch);
        return;
    }
    if (m.Msg == WM_SYSCHAR) {
        TWinControl* top = this;
        while (top->FParent) top = top->FParent;
        if (top->Perform(CM_DIALOGCHAR, m.WParam, m.LParam)) return;
        DefaultHandler(m);
    }
}

// --- mouse -----------------------------------------------------------------------------------

void TWinControl::UpdateMouseControl(TControl* control) {
    if (FMouseControl == control) return;
    TControl* old = FMouseControl;
    FMouseControl = control;
    if (old) old->Perform(CM_MOUSELEAVE);
    if (control) control->Perform(CM_MOUSEENTER);
}

void TWinControl::RouteMouse(TMessage& m) {
    // The application's hint follows the pointer and ends on a click.
    if (Application) Application->HintMouseMessage(this, m);
    if (m.Msg == WM_MOUSEMOVE && !FTrackingLeave) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, FHandle, 0};
        if (TrackMouseEvent(&tme)) FTrackingLeave = true;
        Perform(CM_MOUSEENTER);
    }
    TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* target = FCaptureControl;
    if (target && GetCapture() != FHandle) {
        FCaptureControl = nullptr;
        target = nullptr;
    }
    if (!target) target = ControlAtPos(p, false);
    if (m.Msg == WM_MOUSEMOVE) UpdateMouseControl(FCaptureControl ? FCaptureControl : ControlAtPos(p, false));
    if (target) {
        TMessage child = m;
        child.LParam = MAKELPARAM(p.X - target->FLeft, p.Y - target->FTop);
        // Without double clicks, a second press is just a press.
        if (!(target->FControlStyle & csDoubleClicks)) {
            if (child.Msg == WM_LBUTTONDBLCLK) child.Msg = WM_LBUTTONDOWN;
            if (child.Msg == WM_RBUTTONDBLCLK) child.Msg = WM_RBUTTONDOWN;
            if (child.Msg == WM_MBUTTONDBLCLK) child.Msg = WM_MBUTTONDOWN;
        }
        target->WndProc(child);
        m.Result = child.Result;
        return;
    }
    TControl::WndProc(m);
}

void TWinControl::RouteMouseWheel(TMessage& m) {
    TShiftState shift = KeysToShiftState(GET_KEYSTATE_WPARAM(m.WParam));
    int delta = GET_WHEEL_DELTA_WPARAM(m.WParam);
    TPoint at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    // The focused control of this window's tree hears it first, then its parents.
    auto topOf = [](TWinControl* c) {
        while (c->FParent) c = c->FParent;
        return c;
    };
    TWinControl* start = this;
    if (TWinControl* focused = FromHandle(GetFocus()); focused && topOf(focused) == topOf(this)) start = focused;
    // Windows, not pointers: a handler may free a control of the chain.
    std::vector<HWND> chain;
    for (TWinControl* c = start; c; c = c->FParent)
        if (c->FHandle) chain.push_back(c->FHandle);
    m.Result = 0;
    for (HWND window : chain) {
        TWinControl* c = FromHandle(window);
        if (!c || c->MouseWheel(shift, delta, at)) return;
    }
    // Never the platform's default: it would pass the turn to the parent window, which
    // would route it again.
}

// --- timers and hooks ------------------------------------------------------------------------

void TWinControl::StartTimer(UINT_PTR id, UINT intervalMs) {
    ::SetTimer(Handle(), id, intervalMs, nullptr);
}

void TWinControl::StopTimer(UINT_PTR id) {
    if (FHandle) ::KillTimer(FHandle, id);
}

int TWinControl::AddMessageHook(TMessageHook hook) {
    int id = FNextHookId++;
    FHooks.push_back({id, std::move(hook)});
    return id;
}

void TWinControl::RemoveMessageHook(int id) {
    FHooks.erase(std::remove_if(FHooks.begin(), FHooks.end(), [id](const THookEntry& e) { return e.Id == id; }),
                 FHooks.end());
}

bool TWinControl::DispatchToHooks(TMessage& m) {
    if (FHooks.empty()) return false;
    // Newest first; a copy, since a hook may remove itself.
    auto hooks = FHooks;
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
        if (it->Hook(m)) return true;
    return false;
}

// --- window procedure ---------------------------------------------------------------------------

void TWinControl::WndProc(TMessage& m) {
    if (IsMouseMessage(m.Msg)) {
        HWND window = FHandle;
        RouteMouse(m);
        // The platform makes a context-menu request of an unhandled right release;
        // ours are all handled, so ask here (unless the release freed the control).
        if (m.Msg == WM_RBUTTONUP && IsWindow(window)) {
            POINT sp{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
            ::ClientToScreen(window, &sp);
            SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(sp.x, sp.y));
        }
        return;
    }
    switch (m.Msg) {
        case WM_PAINT:
            HandlePaint(m);
            return;
        case WM_COMMAND:
        case WM_DRAWITEM: {
            // A child window's notice goes to its control.
            auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
            HWND child = m.Msg == WM_COMMAND ? reinterpret_cast<HWND>(m.LParam)
                         : draw->CtlType == ODT_MENU ? nullptr
                                                     : draw->hwndItem;
            TWinControl* c = child && child != FHandle ? FromHandle(child) : nullptr;
            if (c) {
                m.Result = c->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
                return;
            }
            break;
        }
        case WM_ERASEBKGND:
            // A double-buffered paint erases into its buffer.
            if (!FDoubleBuffered) EraseBackground(reinterpret_cast<HDC>(m.WParam));
            m.Result = 1;
            return;
        case WM_MOUSEWHEEL:
            RouteMouseWheel(m);
            return;
        case WM_CONTEXTMENU:
            // A right click on a graphic child is the child's first (not one passed up
            // from a windowed child, which may lie over a graphic one).
            if (reinterpret_cast<HWND>(m.WParam) == FHandle &&
                (GET_X_LPARAM(m.LParam) != -1 || GET_Y_LPARAM(m.LParam) != -1)) {
                TPoint p = ScreenToClient({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
                if (TControl* c = ControlAtPos(p, false))
                    if (c->Perform(WM_CONTEXTMENU, m.WParam, m.LParam)) {
                        m.Result = 1;
                        return;
                    }
            }
            break;
        case WM_WINDOWPOSCHANGED: {
            UINT flags = reinterpret_cast<WINDOWPOS*>(m.LParam)->flags;
            DefaultHandler(m);
            if (!(flags & SWP_NOSIZE) || !(flags & SWP_NOMOVE)) UpdateBoundsFromWindow();
            if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) UpdateShowing();
            return;
        }
        case WM_MOUSELEAVE:
            FTrackingLeave = false;
            UpdateMouseControl(nullptr);
            Perform(CM_MOUSELEAVE);
            return;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(m.WParam) == FHandle && LOWORD(m.LParam) == HTCLIENT) {
                POINT sp;
                GetCursorPos(&sp);
                TPoint p = ScreenToClient({sp.x, sp.y});
                TControl* c = FCaptureControl ? FCaptureControl : ControlAtPos(p, false);
                TCursor cursor = c && c->FCursor != crDefault ? c->FCursor : FCursor;
                // The screen's cursor, while set, overrides every control's.
                if (Screen && Screen->GetCursor() != crDefault) cursor = Screen->GetCursor();
                ::SetCursor(CursorHandle(cursor == crDefault ? crArrow : cursor));
                m.Result = TRUE;
                return;
            }
            DefaultHandler(m);
            return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_SYSCHAR:
            HandleKey(m);
            return;
        case WM_GETDLGCODE:
            m.Result = DialogCode();
            return;
        case WM_SETFOCUS: {
            DefaultHandler(m);
            TWinControl* top = this;
            while (top->FParent) top = top->FParent;
            top->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
            DoEnter();
            return;
        }
        case WM_KILLFOCUS:
            DefaultHandler(m);
            DoExit();
            return;
        case WM_TIMER:
            WindowTimer(m.WParam);
            return;
        case WM_CAPTURECHANGED:
            if (FCaptureControl) {
                TControl* c = FCaptureControl;
                FCaptureControl = nullptr;
                c->Perform(WM_CAPTURECHANGED);
            }
            TControl::WndProc(m);
            return;
        case CM_FOCUSCHANGED: {
            // Every control of the window hears which control now has the focus.
            for (size_t i = 0; i < FControls.size(); ++i) FControls[i]->WndProc(m);
            m.Result = 0;
            return;
        }
        case CM_FONTCHANGED:
            Invalidate();
            for (size_t i = 0; i < FControls.size(); ++i) FControls[i]->Perform(CM_PARENTFONTCHANGED);
            return;
        case CM_COLORCHANGED:
            Invalidate();
            for (size_t i = 0; i < FControls.size(); ++i) FControls[i]->Perform(CM_PARENTCOLORCHANGED);
            return;
        case CM_SHOWHINTCHANGED:
            for (size_t i = 0; i < FControls.size(); ++i) FControls[i]->Perform(CM_PARENTSHOWHINTCHANGED);
            return;
        case CM_TEXTCHANGED:
            if (FHandle) SetWindowTextW(FHandle, FCaption.c_str());
            Invalidate();
            return;
        case CM_ENABLEDCHANGED:
            Invalidate();
            return;
        case CM_DIALOGKEY:
            if (m.WParam == VK_TAB) {
                TWinControl* focused = FromHandle(GetFocus());
                SelectNext(focused, !(m.LParam & ssShift), true);
                m.Result = 1;
                return;
            }
            Broadcast(m);
            return;
        case CM_DIALOGCHAR:
            Broadcast(m);
            return;
        default:
            break;
    }
    TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x100) return;
    if (m.Msg >= CN_BASE && m.Msg < CN_BASE + 0x400) return;
    if (FHandle && FDefWndProc)
        m.Result = CallWindowProcW(FDefWndProc, FHandle, m.Msg, m.WParam, m.LParam);
    else if (FHandle)
        m.Result = DefWindowProcW(FHandle, m.Msg, m.WParam, m.LParam);
}

// --- TCustomControl ------------------------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(*this)) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(HDC dc) {
    TCanvasPaintScope scope(*FCanvas, dc);
    Paint();
}

}  // namespace orv
