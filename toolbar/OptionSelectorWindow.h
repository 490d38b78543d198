#pragma once
// TOptionSelectorWindow: the borderless stay-on-top pop-up that shows a toolbar's option
// panel (and, with a customize option in it, the small window of the "Options" entry).
// TOTBPopupWindow: the pop-up of a menu-tree panel (the "Add or Remove Buttons" check
// list and its sub-pop-ups). Both are top-level windows owned by the window of the
// component that made them (never child windows), created hidden at 10 x 10 on first
// use and kept. Losing the activation hides them on a 1 ms timer unless the activation
// went to a pop-up they opened; while shown they keep the owner's caption active.
#include <memory>

#include "framework/PopupForm.h"
#include "toolbar/OrvToolBar.h"

namespace orv {

class TControlSelectorPanel;
class TOptionSelectorPanel;
class TOTBMenuItem;
class TOTBPopupPanel;

// The work area and the bounds of the monitor nearest to a screen point.
TRect WorkAreaAt(TPoint p);
TRect MonitorBoundsAt(TPoint p);
// A pop-up of size opening at `at` (screen): moved up to end 2 pixels above the work
// area's bottom when it would cross it, and put left of leftEdge when it would cross
// the work area's right edge.
TPoint PlaceBeside(TPoint at, int leftEdge, TSize size, const TRect& workArea);
// Where a toolbar whose bounds on the screen are toolBar opens its option window of
// size: under its right end (floating: at its caption, 40 pixels from the right with a
// close button, 20 without), moved up to end 2 pixels above the work area's bottom, and
// when it would leave the monitor against the monitor's right edge (right-docked: left
// of the toolbar).
TPoint PlaceOptionWindow(const TRect& toolBar, TSize size, bool floating, bool showClose, int captionHeight,
                         TDockAlign position, const TRect& workArea, const TRect& monitor);

class TOptionSelectorWindow : public TPopupForm {
public:
    ORV_CLASS_NAME(TOptionSelectorWindow)
    explicit TOptionSelectorWindow(TComponent* owner);

    // The option window of a toolbar with its control selector panel; the toolbar owns
    // it and its window owns the pop-up.
    static TOptionSelectorWindow* CreateForToolBar(TOrvCustomToolBar* toolBar);

    TOrvCustomToolBar* GetOrvToolBar() const { return FOrvToolBar; }
    void SetOrvToolBar(TOrvCustomToolBar* value) { FOrvToolBar = value; }
    TOptionSelectorPanel* GetOptionsPanel() const { return FOptionsPanel; }
    // The panel the window shows (made by the caller, owned by and parented to the window).
    void SetOptionsPanel(TOptionSelectorPanel* value);
    // The panel when it is a control selector, else null.
    TControlSelectorPanel* ControlSelector() const;

    // Fills the control selector from the toolbar and takes the panel's size.
    void FillFromToolBar();
    // As high as the panel's content and as wide as the panel.
    virtual void SetWindowSize();
    // Shows with its top-left at a screen point, taking the activation.
    void ShowAt(TPoint at);
    void HideWindow() { Hide(); }
    void SetVisible(bool value) override;
    bool HideTimerRunning() const { return FHideTimerRunning; }
    // True during a hide whose activation went to an option or pop-up window that owns
    // this one (a click back into it), not elsewhere.
    bool HidingToOwner() const { return FHidingToOwner; }
    void Notification(TComponent* component, TOperation operation) override;

    // After every hide, once the panel gave back what it borrowed.
    TNotifyEvent OnWindowHide;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Activate() override;
    void Deactivate() override;
    void WindowTimer(UINT_PTR id) override;
    // Steps around a hide: before the window goes, and after it went.
    virtual void BeforeHide() {}
    virtual void AfterHide();
    // After a hide by deactivation whose activation went elsewhere.
    virtual void DeActivateHidden() {}
    virtual TWinControl* ContentPanel() const;

    TOrvCustomToolBar* FOrvToolBar = nullptr;
    TOptionSelectorPanel* FOptionsPanel = nullptr;

private:
    void HideTick();

    bool FHideTimerRunning = false;
    bool FHidingToOwner = false;
};

class TOTBPopupWindow : public TOptionSelectorWindow {
public:
    ORV_CLASS_NAME(TOTBPopupWindow)
    explicit TOTBPopupWindow(TComponent* owner);

    TOTBPopupPanel* PopupPanel() const { return FPopupPanel; }
    // The root of the items this window owns (made on first request).
    TOTBMenuItem* Items();
    void SetWindowSize() override;
    void RaiseDeActivateHide();
    void Notification(TComponent* component, TOperation operation) override;

    // After a hide by deactivation whose activation went elsewhere.
    TNotifyEvent OnDeActivateHide;

protected:
    ~TOTBPopupWindow() override;
    void BeforeHide() override;
    void AfterHide() override;
    void DeActivateHidden() override { RaiseDeActivateHide(); }
    TWinControl* ContentPanel() const override;

private:
    TOTBPopupPanel* FPopupPanel;
    std::unique_ptr<TOTBMenuItem> FItems;
};

}  // namespace orv
