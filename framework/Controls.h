#pragma once
// TControl: a visual component with bounds inside its parent. A control without a
// window of its own (TGraphicControl) paints on its parent's canvas and gets its mouse
// messages routed from the parent's window; TWinControl (WinControl.h) has a window.
#include <memory>
#include <string>

#include "framework/ActnList.h"
#include "framework/Canvas.h"
#include "framework/Component.h"
#include "framework/Messages.h"

namespace orv {

class TWinControl;
class TControl;
class TPopupMenu;

enum TControlStyleFlag : uint32_t {
    csAcceptsControls = 1 << 0,
    csCaptureMouse = 1 << 1,
    csClickEvents = 1 << 2,
    csFramed = 1 << 3,
    csSetCaption = 1 << 4,
    csOpaque = 1 << 5,
    csDoubleClicks = 1 << 6,
    csParentBackground = 1 << 7,
    csCustomPaint = 1 << 8,
};
using TControlStyle = uint32_t;

// Cursor ids: 0 keeps the default; the negatives map to the system cursors.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
HCURSOR CursorHandle(TCursor cursor);

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
// Shift, wheel delta (120 a notch, positive away from the user), the pointer in screen
// coordinates, and handled.
using TMouseWheelEvent = TEvent<TObject*, TShiftState, int, TPoint, bool&>;
// The point in client coordinates ({-1, -1} from the keyboard); setting handled keeps
// the pop-up menu closed.
using TContextPopupEvent = TEvent<TObject*, TPoint, bool&>;

TShiftState KeysToShiftState(WPARAM keys);
TShiftState KeyboardShiftState();

// Canvas of a control outside a paint: a window DC for a windowed control, the parent's
// DC moved and clipped to the control for a graphic one. Held until FreeHandle.
class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl& control) : FControl(control) {}
    ~TControlCanvas() override { FreeHandle(); }
    void FreeHandle();
    // The DC a paint lent to the canvas, or null (none, or the canvas's own window DC).
    HDC LentHandle() { return HandleAllocated() && !FWindowDC ? Handle() : nullptr; }

protected:
    void CreateHandle() override;

private:
    TControl& FControl;
    std::unique_ptr<TWindowDC> FWindowDC;
};

// Lends a paint DC to a control's canvas for one paint; the canvas lets go of it (and
// of the pens, brushes and fonts it made) when the scope ends, also on an exception.
// Scopes nest (a control painted again inside its own paint, as parent backgrounds
// do): the inner one hands the outer paint's DC back.
class TCanvasPaintScope {
public:
    TCanvasPaintScope(TControlCanvas& canvas, HDC dc) : FCanvas(canvas), FOuter(canvas.LentHandle()) {
        FCanvas.FreeHandle();
        FCanvas.SetHandle(dc);
    }
    ~TCanvasPaintScope() { FCanvas.SetHandle(FOuter); }
    TCanvasPaintScope(const TCanvasPaintScope&) = delete;
    TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

private:
    TControlCanvas& FCanvas;
    HDC FOuter;
};

class TControl : public TComponent {
public:
    ORV_CLASS_NAME(TControl)
    explicit TControl(TComponent* owner);

    // --- parent and geometry -------------------------------------------------
    TWinControl* Parent() const { return FParent; }
    // May throw before anything changed when the parent is not acceptable.
    virtual void SetParent(TWinControl* parent);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    virtual void SetBounds(int left, int top, int width, int height);
    virtual TRect ClientRect() const { return {0, 0, FWidth, FHeight}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign GetAlign() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors GetAnchors() const { return FAnchors; }
    void SetAnchors(TAnchors value) { FAnchors = value; }

    // --- state -------------------------------------------------------------------
    bool GetVisible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to the top-level window showing.
    virtual bool Showing() const;
    // Sends CM_SHOWINGCHANGED when Showing() is no longer what the control last heard; a
    // windowed control then does the same for its children, so every descendant hears of
    // an ancestor's change. The framework calls it wherever showing may have changed.
    virtual void UpdateShowing();
    bool GetEnabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value);
    const std::wstring& GetHint() const { return FHint; }
    void SetHint(const std::wstring& value) { FHint = value; }
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool GetParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor value) { FCursor = value; }

    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    bool GetParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont.Assign(&value); }
    bool GetParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    // csOpaque: the control paints every pixel, so invalidating it asks for no erase.
    // csParentBackground (windowed): paints start from the parent's background.
    // csAcceptsControls: a stored layout may nest controls in it. csFramed (windowed):
    // a sunken client edge. Changing the style of a window takes effect when it is made.
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }

    // --- action, pop-up menu, help ---------------------------------------------------
    // The linked action (not owned): its caption, enabled, hint, visible, help context
    // and execute handler follow to the control while the control's values still match.
    TBasicAction* GetAction() const { return FActionLink ? FActionLink->GetAction() : nullptr; }
    void SetAction(TBasicAction* value);
    // Opened by a right click on the control or the context-menu key (not owned).
    TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);
    int GetHelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }

    // --- painting --------------------------------------------------------------------
    virtual void Invalidate();
    // rect in this control's coordinates; erase repaints what lies behind it first.
    void InvalidateRect(const TRect& rect, bool erase = false);
    // Paints what lies behind this control into dc, whose logical origin is this
    // control's top-left (any window or viewport origin the DC already has is kept):
    // the parent's background and content, and the graphic siblings stacked beneath
    // it. Clipped to the control, or to rect or region (this control's coordinates).
    // Straight into dc, no buffer; a call nested in another one for the same control
    // paints nothing, so a parent that paints its children cannot recurse.
    void DrawParentBackground(HDC dc);
    void DrawParentBackground(HDC dc, const TRect& rect);
    void DrawParentBackground(HDC dc, HRGN region);
    virtual void Update();
    void Repaint();
    void BringToFront();
    void SendToBack();

    // --- messages ----------------------------------------------------------------------
    // Delivers a message synchronously to this control's WndProc, window or not.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& message);
    bool GetMouseCapture() const;
    void SetMouseCapture(bool value);
    bool MouseInControl() const { return FMouseInControl; }

    // Runs the click: OnClick when it is set and is not the action's own handler,
    // otherwise the action (with this control as its action component). May free
    // this control.
    virtual void Click();
    virtual void DblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TMouseWheelEvent OnMouseWheel;
    TContextPopupEvent OnContextPopup;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void BeforeDestruction() override;

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // A wheel turn routed to this control (the focused one, then its parents in
    // turn); true when handled. The base asks OnMouseWheel.
    virtual bool MouseWheel(TShiftState shift, int delta, TPoint mousePos);
    virtual void Resize();
    // Copies the action's values; with checkDefaults only into values still at their
    // defaults (an action linked while a layout is read).
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    // The link SetAction makes; subclasses return one that follows more values.
    virtual std::unique_ptr<TControlActionLink> CreateActionLink();
    TControlActionLink* ActionLink() const { return FActionLink.get(); }
    // Called by the default message handling; the base does nothing.
    virtual void DefaultHandler(TMessage& message);
    // Asks the parent to re-run alignment after this control changed.
    void RequestAlign();

    void SetParentInternal(TWinControl* parent) { FParent = parent; }
    friend class TWinControl;

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = TAlign::alNone;
    TAnchors FAnchors = akLeft | akTop;
    bool FVisible = true;
    bool FEnabled = true;
    std::wstring FCaption;
    std::wstring FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TColor FColor = clBtnFace;
    bool FParentColor = false;
    TFont FFont;
    bool FParentFont = true;
    TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    bool FMouseInControl = false;
    bool FClicked = false;
    int FHelpContext = 0;

private:
    void HandleMouseMessage(TMessage& m);
    void FontChanged(TObject*);
    // True when the request was taken (handler or menu); the menu may free this control.
    bool HandleContextMenu(LPARAM screenPoint);
    void DrawParentBackgroundClipped(HDC dc, const TRect* rect, HRGN region);
    void InvalidateOwnArea();
    bool FSettingParentFont = false;
    bool FDrawingParentBackground = false;
    bool FShowingSent = false;  // the state the last CM_SHOWINGCHANGED told
    std::unique_ptr<TControlActionLink> FActionLink;
    TPopupMenu* FPopupMenu = nullptr;
};

// A control without a window that paints through Paint on its parent's canvas.
class TGraphicControl : public TControl {
public:
    ORV_CLASS_NAME(TGraphicControl)
    explicit TGraphicControl(TComponent* owner);
    TCanvas& Canvas() { return *FCanvas; }
    // Paints into a DC whose origin is at the control's top-left (parent painting).
    void PaintTo(HDC dc);

protected:
    ~TGraphicControl() override;
    virtual void Paint() {}
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

}  // namespace orv
