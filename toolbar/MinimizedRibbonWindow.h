#pragma once
// TMinimizedRibbonWindow: the pop-up that shows the active page of a collapsed pager
// under its tabs. Owned by the pager; it holds a clone of the page (owned by the window)
// to which the page lends its toolbars while the window shows. Hiding, closing or
// freeing the window gives the toolbars back before the clone goes.
#include "framework/Forms.h"

namespace orv {

class TOrvPage;
class TOrvToolBarPager;

class TMinimizedRibbonWindow : public TForm {
public:
    ORV_CLASS_NAME(TMinimizedRibbonWindow)
    explicit TMinimizedRibbonWindow(TOrvToolBarPager* pager);

    // Clones page (height: the pager's expanded page height), sizes itself to it and
    // shows at the screen point.
    void ShowPage(TOrvPage* page, int pageHeight, TPoint screen);
    // Hides the window and gives the toolbars back.
    void HideWindow();
    TOrvPage* ClonePage() const { return FClone; }
    TOrvPage* SourcePage() const { return FPage; }
    bool GetHideOnDeActivate() const { return FHideOnDeActivate; }
    void SetHideOnDeActivate(bool value) { FHideOnDeActivate = value; }
    bool HideTimerRunning() const { return FHideTimerRunning; }
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void BeforeDestruction() override;
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void PaintWindow(HDC dc) override;
    void Activate() override;
    void Deactivate() override;
    void WindowTimer(UINT_PTR id) override;
    void DoClose(TCloseAction& action) override;

private:
    void GiveBack();

    TOrvToolBarPager* FPager;
    TOrvPage* FPage = nullptr;
    TOrvPage* FClone = nullptr;
    bool FHideOnDeActivate = true;
    bool FHideTimerRunning = false;
};

}  // namespace orv
