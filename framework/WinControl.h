#pragma once
// TWinControl: a control with a window of its own. Windows are made lazily (when the
// control first shows, or when Handle() is asked for); one window procedure dispatches
// every message to the owning control's virtual WndProc. The control list is the
// authority on stacking order: later children are above earlier ones.
#include <functional>
#include <memory>
#include <vector>

#include "framework/Controls.h"

namespace orv {

struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    UINT ClassStyle = 0;
    std::wstring WinClassName = L"OrvWindow";
    // When set, the window is of a class derived from this system class (BUTTON, EDIT,
    // LISTBOX, COMBOBOX): our procedure sees every message first and the system's
    // procedure does the default handling.
    std::wstring SystemClass;
};

using TKeyEvent = TEvent<TObject*, uint16_t&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, wchar_t&>;

// A hook sees a control's messages before the control; returning true consumes one.
using TMessageHook = std::function<bool(TMessage&)>;

class TWinControl : public TControl {
public:
    ORV_CLASS_NAME(TWinControl)
    explicit TWinControl(TComponent* owner);

    // --- window ---------------------------------------------------------------------
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    void RecreateWnd();
    void DestroyHandle();
    static TWinControl* FromHandle(HWND window);
    // Every window of ours carries its component's name as the window property
    // kComponentNameProp: a global atom of the name, so tools in other processes (the
    // end-to-end driver, accessibility tools) can tell the windows apart.
    static constexpr const wchar_t* kComponentNameProp = L"OrvComponentName";
    void SetName(const std::wstring& value) override;
    // True when the control's window is (or will be made) a top-level pop-up rather
    // than a child window. A pop-up with a parent stays in the parent's control list,
    // but the parent's window only owns it: its Left and Top are screen coordinates,
    // and the parent neither aligns, clips nor paints it.
    bool IsPopup() const;
    void UpdateShowing() override;

    // --- children ------------------------------------------------------------------
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(static_cast<size_t>(index)); }
    int IndexOfControl(const TControl* control) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The topmost visible child at a client point (graphic children only unless
    // allowWindowed), or null.
    TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWindowed = false) const;
    // Moves a child in the list (and, for windowed children, the native stacking order).
    void SetChildOrder(TControl* child, int order);
    // The children in list (stacking) order, for the layout writer.
    void GetChildren(std::vector<TComponent*>& children) const override {
        children.insert(children.end(), FControls.begin(), FControls.end());
    }
    // Re-runs alignment of the children now (no-op while loading or already aligning).
    void Realign();
    virtual void AdjustClientRect(TRect& rect) const;

    // --- geometry and state -------------------------------------------------------------
    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetVisible(bool value) override;
    bool Showing() const override;
    void SetEnabled(bool value) override;
    void SetParent(TWinControl* parent) override;

    bool GetDoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value);
    bool GetTabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    // The control's slot in its parent's tab list, which holds every windowed child
    // (internal ones too); -1 without a parent.
    int GetTabOrder() const;
    // While a layout is read, the value is kept and applied once all siblings exist
    // (ApplyPendingTabOrders): the control takes that slot, siblings without a stored
    // value fill the others, and values beyond the count put it last.
    void SetTabOrder(int value);
    void ApplyPendingTabOrders();

    // --- painting -------------------------------------------------------------------------
    void Invalidate() override;
    void Update() override;
    // Paints the graphic children into dc (the parent's coordinates), in list order;
    // with below, only those stacked beneath that child.
    void PaintControls(HDC dc, const TControl* below = nullptr);

    // --- focus and keyboard ----------------------------------------------------------------
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // The next focusable windowed control after current in tab order within this one.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    // --- timers and hooks -------------------------------------------------------------------
    void StartTimer(UINT_PTR id, UINT intervalMs);
    void StopTimer(UINT_PTR id);
    int AddMessageHook(TMessageHook hook);
    void RemoveMessageHook(int id);

    // Sends message to every child (recursively) until one sets a non-zero Result.
    void Broadcast(TMessage& message);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    void Loaded() override;

protected:
    void BeforeDestruction() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Called after the window exists and its children have theirs.
    virtual void CreateHandleDone() {}
    // Paints the control's own content into dc (client coordinates).
    virtual void PaintWindow(HDC dc);
    // The background under the content: the parent's (csParentBackground) or the colour.
    virtual void EraseBackground(HDC dc);
    virtual void AlignControls(TControl* control, TRect& rect);
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(wchar_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void WindowTimer(UINT_PTR /*id*/) {}
    virtual LRESULT DialogCode() { return 0; }

    void UpdateBoundsFromWindow();
    bool DispatchToHooks(TMessage& message);

    HWND FHandle = nullptr;
    // The system class's procedure of a window made from one (TCreateParams::SystemClass).
    WNDPROC FDefWndProc = nullptr;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    TControl* FCaptureControl = nullptr;
    TControl* FMouseControl = nullptr;
    bool FDoubleBuffered = false;
    bool FTabStop = false;
    bool FTrackingLeave = false;
    int FAlignLevel = 0;
    bool FCreatingHandle = false;
    int FPendingTabOrder = -1;

private:
    friend class TControl;
    friend LRESULT CALLBACK OrvWindowProc(HWND, UINT, WPARAM, LPARAM);
    // What this control shows beneath child, painted into dc (this control's client
    // coordinates): background, own content and the graphic children below child.
    void PaintBeneath(const TControl* child, HDC dc);
    // Children painted on this control's background repaint where rect (client
    // coordinates) meets them.
    void InvalidateBackgroundChildren(const TRect& rect);
    void RouteMouseWheel(TMessage& m);
    void HandlePaint(TMessage& m);
    void RouteMouse(TMessage& m);
    void UpdateMouseControl(TControl* control);
    void HandleKey(TMessage& m);
    void RestackChildren();
    void CreateChildHandles();
    struct THookEntry {
        int Id;
        TMessageHook Hook;
    };
    std::vector<THookEntry> FHooks;
    int FNextHookId = 1;
};

// A windowed control that paints itself through Paint on its own canvas.
class TCustomControl : public TWinControl {
public:
    ORV_CLASS_NAME(TCustomControl)
    explicit TCustomControl(TComponent* owner);
    TCanvas& Canvas() { return *FCanvas; }

protected:
    ~TCustomControl() override;
    virtual void Paint();
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

LRESULT CALLBACK OrvWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace orv
