#pragma once
// TCompactWindow: the borderless pop-up that shows the clone of a compacted toolbar
// under its compact button. Owned by the compacted toolbar; owns the clone toolbar.
// A press outside it while it shows hides the window and goes on to whatever lies under
// the pointer (a button, a tab, an edit box, the caption), so one click both closes the
// window and does what it would have done; only a press on the compact button that
// opened it is taken, as that button's click would open the window again.
#include <memory>

#include "framework/Forms.h"
#include "framework/Hooks.h"
#include "framework/RegisteredMessages.h"

namespace orv {

class TOrvCustomToolBar;
class TOrvCustomGlowButton;
class TMinimizedRibbonWindow;

class TCompactWindow : public TForm {
public:
    ORV_CLASS_NAME(TCompactWindow)
    // owner: the compacted toolbar.
    explicit TCompactWindow(TOrvCustomToolBar* owner);

    TOrvCustomToolBar* OrvToolBar() const { return FOrvToolBar; }
    void SetOrvToolBar(TOrvCustomToolBar* value) { FOrvToolBar = value; }
    TOrvCustomToolBar* OwnerToolBar() const { return FOwner; }
    TOrvCustomGlowButton* DropDownButton() const { return FDropDownButton; }
    bool GetHideOnDeActivate() const { return FHideOnDeActivate; }
    void SetHideOnDeActivate(bool value) { FHideOnDeActivate = value; }
    bool HideTimerRunning() const { return FHideTimerRunning; }

    // Sized to the clone, placed under the toolbar inside the work area and shown.
    void ShowUnder(TOrvCustomGlowButton* button);
    // Hides at once.
    void HideWindow();

    // Where the window goes for a toolbar whose bottom-left corner is at anchor
    // (screen), for a window of that size, inside workArea.
    static TPoint PlaceFor(TPoint anchor, TSize size, const TRect& workArea);
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void PaintWindow(HDC dc) override;
    void Deactivate() override;
    void Activate() override;
    void WindowTimer(UINT_PTR id) override;
    void BeforeDestruction() override;

private:
    // Deactivation or a press outside may hide it: hide-on-deactivate set, no menu of
    // the clone open, and the owner's close query agrees.
    bool MayHide();
    void StartHideTimer();
    void HideTick();
    bool MouseHook(uintptr_t message, intptr_t info);

    TOrvCustomToolBar* FOrvToolBar = nullptr;
    TOrvCustomToolBar* FOwner;
    TOrvCustomGlowButton* FDropDownButton = nullptr;
    bool FHideOnDeActivate = true;
    bool FHideTimerRunning = false;
    std::unique_ptr<TThreadHook> FMouseHook;
    // The minimized-ribbon pop-up the page shows in, kept from hiding while this shows,
    // and its own setting to give back.
    TMinimizedRibbonWindow* FRibbon = nullptr;
    bool FRibbonHides = true;
};

}  // namespace orv
