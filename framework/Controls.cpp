#include "framework/Controls.h"

#include <windowsx.h>

#include "framework/ActionLinking.h"
#include "framework/Menus.h"
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
    FActionLink.reset();
    TComponent::BeforeDestruction();
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FPopupMenu) FPopupMenu = nullptr;
    // A freed action has already cut the link from its side.
    if (FActionLink && (!FActionLink->GetAction() || component == FActionLink->GetAction())) FActionLink.reset();
}

void TControl::Loaded() {
    TComponent::Loaded();
    RequestAlign();
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

void TControl::SetParentComponent(TComponent* parent) {
    if (!parent) return;
    auto* win = dynamic_cast<TWinControl*>(parent);
    // Only a window can hold a control: beneath anything else it would be made without
    // a parent and never shown.
    if (!win)
        throw EInvalidOperation(L"Control '" + GetName() + L"' cannot be placed in '" + parent->GetName() + L"': a " +
                                parent->ClassName() + L" is not a windowed control");
    // Only containers take children from a stored layout; code may still place
    // internal children anywhere.
    if (!(win->ControlStyle() & csAcceptsControls))
        throw EInvalidOperation(L"Control '" + GetName() + L"' cannot be placed in '" + win->GetName() + L"': a " +
                                win->ClassName() + L" does not accept controls");
    SetParent(win);
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
    InvalidateOwnArea();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    InvalidateOwnArea();
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
    InvalidateOwnArea();
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    InvalidateOwnArea();
    UpdateShowing();
    if (FParent) {
        if (FAlign != TAlign::alNone) RequestAlign();
        FParent->Perform(CM_CHILDVISIBLECHANGED, reinterpret_cast<WPARAM>(this), value ? 1 : 0);
    }
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::UpdateShowing() {
    // Controls going away with a parent that is being freed are told nothing.
    for (const TControl* c = this; c; c = c->FParent)
        if (c->IsDestroying()) return;
    bool showing = Showing();
    if (showing == FShowingSent) return;
    FShowingSent = showing;
    Perform(CM_SHOWINGCHANGED, showing ? 1 : 0);
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
    if (value) Perform(CM_PARENTSHOWHINTCHANGED);
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

// A graphic control that is not opaque shows its parent through: the parent repaints
// the area from its background up.
void TControl::Invalidate() {
    if (FParent && FVisible) FParent->InvalidateRect(BoundsRect(), !(FControlStyle & csOpaque));
}

// Moving or hiding uncovers the parent whatever the control paints.
void TControl::InvalidateOwnArea() {
    if (FParent && FVisible) FParent->InvalidateRect(BoundsRect(), true);
}

void TControl::InvalidateRect(const TRect& r, bool erase) {
    auto* self = dynamic_cast<TWinControl*>(this);
    if (self) {
        if (!self->HandleAllocated()) return;
        RECT rc{r.Left, r.Top, r.Right, r.Bottom};
        ::InvalidateRect(self->FHandle, &rc, erase ? TRUE : FALSE);
        self->InvalidateBackgroundChildren(r);
        return;
    }
    if (FParent && FVisible) FParent->InvalidateRect(r.Offset(FLeft, FTop), erase || !(FControlStyle & csOpaque));
}

void TControl::DrawParentBackground(HDC dc) {
    DrawParentBackgroundClipped(dc, nullptr, nullptr);
}

void TControl::DrawParentBackground(HDC dc, const TRect& rect) {
    DrawParentBackgroundClipped(dc, &rect, nullptr);
}

void TControl::DrawParentBackground(HDC dc, HRGN region) {
    DrawParentBackgroundClipped(dc, nullptr, region);
}

void TControl::DrawParentBackgroundClipped(HDC dc, const TRect* rect, HRGN region) {
    if (!FParent || !dc || FDrawingParentBackground) return;
    FDrawingParentBackground = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FDrawingParentBackground};
    TSaveDCGuard saved(dc);
    // Clip in this control's coordinates while they are still the DC's logical ones.
    TRect r = rect ? *rect : ClientRect();
    IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    if (region) {
        // Regions clip in device coordinates: move a copy to where our (0, 0) lands.
        TGdiRegion clip(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(clip.Get(), region, nullptr, RGN_COPY);
        POINT origin{0, 0};
        LPtoDP(dc, &origin, 1);
        OffsetRgn(clip.Get(), origin.x, origin.y);
        ExtSelectClipRgn(dc, clip.Get(), RGN_AND);
    }
    // From our client origin to the parent's (a framed window's edge included).
    TPoint own = ClientOrigin(), parent = FParent->ClientOrigin();
    POINT org;
    GetWindowOrgEx(dc, &org);
    SetWindowOrgEx(dc, org.x + own.X - parent.X, org.y + own.Y - parent.Y, nullptr);
    FParent->PaintBeneath(this, dc);
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
    TBasicAction* action = GetAction();
    if (OnClick && (!action || OnClick != action->OnExecute))
        OnClick(this);
    else if (action)
        FActionLink->Execute(this);
    else
        OnClick(this);
}

bool TControl::MouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    bool handled = false;
    OnMouseWheel(this, shift, delta, mousePos, handled);
    return handled;
}

// --- action and pop-up menu ----------------------------------------------------------

std::unique_ptr<TControlActionLink> TControl::CreateActionLink() {
    return std::make_unique<TControlActionLink>(this);
}

void TControl::SetAction(TBasicAction* value) {
    RelinkAction(*this, FActionLink, value, [this] { return CreateActionLink(); },
                 [this](TObject* sender, bool checkDefaults) { ActionChange(sender, checkDefaults); });
}

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
    auto* a = dynamic_cast<TCustomAction*>(sender);
    if (!a) return;
    if (!checkDefaults || FCaption.empty()) SetCaption(a->GetCaption());
    if (!checkDefaults || FEnabled) SetEnabled(a->GetEnabled());
    if (!checkDefaults || FHint.empty()) SetHint(a->GetHint());
    if (!checkDefaults || FVisible) SetVisible(a->GetVisible());
    if (!checkDefaults || FHelpContext == 0) SetHelpContext(a->GetHelpContext());
    if (!checkDefaults || !OnClick) OnClick = a->OnExecute;
}

void TControl::SetPopupMenu(TPopupMenu* value) {
    if (FPopupMenu == value) return;
    if (FPopupMenu) RemoveFreeNotification(FPopupMenu);
    FPopupMenu = value;
    if (FPopupMenu) FreeNotification(FPopupMenu);
}

bool TControl::HandleContextMenu(LPARAM screenPoint) {
    TPoint at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    bool fromKeyboard = at.X == -1 && at.Y == -1;
    bool handled = false;
    OnContextPopup(this, fromKeyboard ? at : ScreenToClient(at), handled);
    if (handled) return true;
    TPopupMenu* menu = FPopupMenu;
    if (!menu || !menu->GetAutoPopup()) return false;
    // From the keyboard the menu opens at the control.
    if (fromKeyboard) at = ClientToScreen({0, 0});
    menu->SetPopupComponent(this);
    menu->Popup(at.X, at.Y);
    return true;
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
            // A change passes on down the tree (a windowed control tells its children), as
            // colour and font do.
            if (FParentShowHint && FParent && FShowHint != FParent->GetShowHint()) {
                FShowHint = FParent->GetShowHint();
                Perform(CM_SHOWHINTCHANGED);
            }
            return;
        case CM_HITTEST:
            m.Result = 1;
            return;
        case WM_CONTEXTMENU:
            // Not taken: a windowed control's default passes it to the parent window.
            if (HandleContextMenu(m.LParam)) {
                m.Result = 1;
                return;
            }
            break;
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
