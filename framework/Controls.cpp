#include "framework/Controls.h"

#include <windowsx.h>

#include "framework/SysUtils.h"
#include "framework/WinControl.h"

namespace orv {

HCURSOR CursorHandle(TCursor cursor) {
    LPCWSTR id = IDC_ARROW;
    switch (cursor) {
        case crCross:
            id = IDC_CROSS;
            break;
        case crIBeam:
            id = IDC_IBEAM;
            break;
        case crSizeNESW:
            id = IDC_SIZENESW;
            break;
        case crSizeNS:
            id = IDC_SIZENS;
            break;
        case crSizeNWSE:
            id = IDC_SIZENWSE;
            break;
        case crSizeWE:
            id = IDC_SIZEWE;
            break;
        case crHourGlass:
            id = IDC_WAIT;
            break;
        case crNo:
            id = IDC_NO;
            break;
        case crHandPoint:
            id = IDC_HAND;
            break;
        case crSizeAll:
            id = IDC_SIZEALL;
            break;
        default:
            break;
    }
    return LoadCursorW(nullptr, id);
}

TShiftState KeysToShiftState(WPARAM keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TShiftState KeyboardShiftState() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

// --- TControlCanvas ------------------------------------------------------------

void TControlCanvas::CreateHandle() {
    if (auto* win = dynamic_cast<TWinControl*>(&FControl)) {
        if (!win->HandleAllocated()) return;
        FWindowDC = std::make_unique<TWindowDC>(win->Handle());
        SetHandle(FWindowDC->Get());
        return;
    }
    TWinControl* parent = FControl.Parent();
    if (!parent || !parent->HandleAllocated()) return;
    FWindowDC = std::make_unique<TWindowDC>(parent->Handle());
    HDC dc = FWindowDC->Get();
    SetWindowOrgEx(dc, -FControl.Left(), -FControl.Top(), nullptr);
    IntersectClipRect(dc, FControl.Left(), FControl.Top(), FControl.Left() + FControl.Width(),
                      FControl.Top() + FControl.Height());
    SetHandle(dc);
}

void TControlCanvas::FreeHandle() {
    if (!FWindowDC) return;
    ReleaseObjects();
    FWindowDC.reset();
}

// --- TControl ---------------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {
    FFont.OnChange = TNotifyEvent::Bind(this, &TControl::FontChanged);
}

void TControl::BeforeDestruction() {
    Destroying();
    if (FParent) FParent->RemoveControl(this);
    TComponent::BeforeDestruction();
}

void TControl::Loaded() {
    TComponent::Loaded();
    RequestAlign();
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* win = dynamic_cast<TWinControl*>(parent)) SetParent(win);
}

void TControl::SetParent(TWinControl* parent) {
    if (FParent == parent) return;
    if (parent == this) throw EInvalidOperation(L"A control cannot have itself as its parent");
    if (FParent) FParent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    bool resized = width != FWidth || height != FHeight;
    Invalidate();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    Invalidate();
    RequestAlign();
    if (resized && !IsLoading()) Resize();
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return {FLeft, FTop};
    TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign value) {
    if (FAlign == value) return;
    FAlign = value;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (FParent && !IsLoading()) FParent->Realign();
}

void TControl::SetVisible(bool value) {
    if (FVisible == value) return;
    Invalidate();
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    Invalidate();
    if (FParent) {
        if (FAlign != TAlign::alNone) RequestAlign();
        FParent->Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(this), 0);
    }
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool value) {
    if (FEnabled == value) return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::wstring& value) {
    if (FCaption == value) return;
    FCaption = value;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetShowHint(bool value) {
    FParentShowHint = false;
    if (FShowHint == value) return;
    FShowHint = value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
    if (FParentShowHint == value) return;
    FParentShowHint = value;
    if (value && FParent) FShowHint = FParent->GetShowHint();
}

void TControl::SetColor(TColor value) {
    FParentColor = false;
    if (FColor == value) return;
    FColor = value;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
    if (FParentColor == value) return;
    FParentColor = value;
    if (value && FParent) {
        FColor = FParent->GetColor();
        Perform(CM_COLORCHANGED);
    }
}

void TControl::SetParentFont(bool value) {
    if (FParentFont == value) return;
    FParentFont = value;
    if (value) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged(TObject*) {
    if (!FSettingParentFont) FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::Invalidate() {
    if (FParent && FVisible) FParent->InvalidateRect(BoundsRect());
}

void TControl::InvalidateRect(const TRect& r) {
    auto* self = dynamic_cast<TWinControl*>(this);
    if (self) {
        if (!self->HandleAllocated()) return;
        RECT rc{r.Left, r.Top, r.Right, r.Bottom};
        ::InvalidateRect(self->FHandle, &rc, FALSE);
        return;
    }
    if (FParent && FVisible) FParent->InvalidateRect(r.Offset(FLeft, FTop));
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::BringToFront() {
    if (FParent) FParent->SetChildOrder(this, FParent->ControlCount() - 1);
}

void TControl::SendToBack() {
    if (FParent) FParent->SetChildOrder(this, 0);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.Result;
}

bool TControl::GetMouseCapture() const {
    if (auto* self = dynamic_cast<const TWinControl*>(this)) return self->FHandle && GetCapture() == self->FHandle;
    return FParent && FParent->FCaptureControl == this && FParent->FHandle && GetCapture() == FParent->FHandle;
}

void TControl::SetMouseCapture(bool value) {
    if (GetMouseCapture() == value) return;
    if (auto* self = dynamic_cast<TWinControl*>(this)) {
        if (value)
            SetCapture(self->Handle());
        else
            ReleaseCapture();
        return;
    }
    if (!FParent) return;
    if (value) {
        FParent->FCaptureControl = this;
        SetCapture(FParent->Handle());
    } else {
        FParent->FCaptureControl = nullptr;
        ReleaseCapture();
    }
}

void TControl::Click() {
    OnClick(this);
}
void TControl::DblClick() {
    OnDblClick(this);
}
void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
    OnMouseDown(this, b, s, x, y);
}
void TControl::MouseMove(TShiftState s, int x, int y) {
    OnMouseMove(this, s, x, y);
}
void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
    OnMouseUp(this, b, s, x, y);
}
void TControl::MouseEnter() {
    OnMouseEnter(this);
}
void TControl::MouseLeave() {
    OnMouseLeave(this);
}
void TControl::Resize() {
    OnResize(this);
}
void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouseMessage(TMessage& m) {
    int x = GET_X_LPARAM(m.LParam);
    int y = GET_Y_LPARAM(m.LParam);
    TShiftState shift = KeysToShiftState(m.WParam);
    switch (m.Msg) {
        case WM_MOUSEMOVE:
            MouseMove(shift, x, y);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (FControlStyle & csCaptureMouse) SetMouseCapture(true);
            if (FControlStyle & csClickEvents) FClicked = true;
            if (m.Msg == WM_LBUTTONDBLCLK) {
                shift |= ssDouble;
                DblClick();
            }
            MouseDown(TMouseButton::mbLeft, shift, x, y);
            break;
        case WM_LBUTTONUP: {
            // Release first, click last: the click handler may free this control.
            bool clicked = FClicked;
            FClicked = false;
            MouseUp(TMouseButton::mbLeft, shift, x, y);
            if (FControlStyle & csCaptureMouse) SetMouseCapture(false);
            if (clicked && ClientRect().Contains({x, y})) Click();
            return;
        }
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            MouseDown(TMouseButton::mbRight, shift | (m.Msg == WM_RBUTTONDBLCLK ? ssDouble : 0), x, y);
            break;
        case WM_RBUTTONUP:
            MouseUp(TMouseButton::mbRight, shift, x, y);
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            MouseDown(TMouseButton::mbMiddle, shift | (m.Msg == WM_MBUTTONDBLCLK ? ssDouble : 0), x, y);
            break;
        case WM_MBUTTONUP:
            MouseUp(TMouseButton::mbMiddle, shift, x, y);
            break;
        default:
            break;
    }
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_MBUTTONUP:
            if (!FEnabled && m.Msg != WM_MOUSEMOVE) return;
            HandleMouseMessage(m);
            return;
        case WM_CAPTURECHANGED:
            FClicked = false;
            break;
        case CM_MOUSEENTER:
            if (!FMouseInControl) {
                FMouseInControl = true;
                MouseEnter();
            }
            return;
        case CM_MOUSELEAVE:
            if (FMouseInControl) {
                FMouseInControl = false;
                MouseLeave();
            }
            return;
        case CM_ENABLEDCHANGED:
        case CM_TEXTCHANGED:
        case CM_COLORCHANGED:
            Invalidate();
            return;
        case CM_FONTCHANGED:
            Invalidate();
            return;
        case CM_PARENTFONTCHANGED:
            if (FParentFont && FParent) {
                FSettingParentFont = true;
                FFont.Assign(&FParent->Font());
                FSettingParentFont = false;
            }
            return;
        case CM_PARENTCOLORCHANGED:
            if (FParentColor && FParent) {
                FColor = FParent->GetColor();
                Perform(CM_COLORCHANGED);
            }
            return;
        case CM_PARENTSHOWHINTCHANGED:
            if (FParentShowHint && FParent) FShowHint = FParent->GetShowHint();
            return;
        case CM_HITTEST:
            m.Result = 1;
            return;
        default:
            break;
    }
    DefaultHandler(m);
}

// --- TGraphicControl --------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TControlCanvas>(*this)) {
    FParentColor = true;
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PaintTo(HDC dc) {
    TCanvasPaintScope scope(*FCanvas, dc);
    Paint();
}

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        PaintTo(reinterpret_cast<HDC>(m.WParam));
        return;
    }
    TControl::WndProc(m);
}

}  // namespace orv
