#pragma once
// TOrvPage: one page of the tabbed toolbar. Holds a row of toolbars that it places side
// by side (x from 3, 3 pixels apart, top 3, page height - 6 high) and makes room for
// them when its width changes: the ribbon passes of ToolBarResize.h shrink the glow
// buttons and compact the rightmost toolbars, and take that back when it grows.
// On a pager it also carries its tab's data (caption, image, visibility, hint, key tip,
// glow animation), paints its background from the pager's styler and, while the pager
// is collapsed, lends its toolbars to a clone in the pager's pop-up window.
// The toolbars are its children (owned by whoever made them); the list only orders them.
#include <functional>
#include <memory>
#include <string>

#include "buttons/OrvGlowButton.h"
#include "framework/WinControl.h"
#include "toolbar/DbgList.h"
#include "toolbar/PagerLayout.h"
#include "toolbar/ToolBarResize.h"

namespace orv {

class TOrvCustomToolBar;
class TCustomOrvToolBarStyler;
class TOrvToolBarPager;
class TOrvHintInfo;
class TOrvPageScrollButton;
class TShortCutHintWindow;
class TTimer;

// What a page asks of its toolbars in key-tip mode. A toolbar that does not implement it
// is told to show and hide its key tips through the framework's key-tip request only.
class IToolBarKeyTips {
public:
    enum TMatch { kmNone, kmCandidate, kmMatched };
    // Typed is the page's buffer; a toolbar hides the tips that no longer start with it.
    virtual TMatch MatchShortCutHint(const std::wstring& typed) = 0;

protected:
    ~IToolBarKeyTips() = default;
};

// The system sound the pager and its pages make for a key that matches no key tip. Tests
// replace it; an empty function restores MessageBeep.
void SetKeyTipBeep(std::function<void()> beep);
void KeyTipBeep();

class TOrvPage : public TCustomControl {
public:
    ORV_CLASS_NAME(TOrvPage)
    explicit TOrvPage(TComponent* owner);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Raises "Invalid Parent" in a dock panel or toolbar; on a page or pager it joins
    // that pager (see the .cpp for the moving rules).
    void SetParent(TWinControl* parent) override;

    // --- toolbar management -----------------------------------------------------------------
    // A new toolbar owned by the page's owner, caption "Untitled", added at the end.
    TOrvCustomToolBar* CreateOrvToolBar();
    void AddOrvToolBar(TOrvCustomToolBar* toolBar);
    void InsertOrvToolBar(int index, TOrvCustomToolBar* toolBar);
    void RemoveOrvToolBar(TOrvCustomToolBar* toolBar);
    int IndexOfOrvToolBar(const TOrvCustomToolBar* toolBar) const { return FToolBars.IndexOf(toolBar); }
    void MoveOrvToolBar(int fromIndex, int toIndex);
    int ToolBarCount() const { return FToolBars.Count(); }
    TOrvCustomToolBar* ToolBars(int index) const { return FToolBars.Items(index); }
    const TDbgList<TOrvCustomToolBar>& ToolBarList() const { return FToolBars; }
    // The update-all pass, then the arrangement.
    void UpdateAllToolBars();
    // Places the visible toolbars (AutoPosition, not while loading, not re-entrantly).
    void ArrangeToolBars();
    // A toolbar was shown (true) or hidden: shrink or grow, then arrange.
    void ToolBarVisibilityChanged(bool shown);
    // The first visible toolbar that can take the focus, or null.
    TOrvCustomToolBar* FirstFocusableToolBar() const;

    bool GetAutoPosition() const { return FAutoPosition; }
    void SetAutoPosition(bool value);
    // A styler of its own for a page without a pager; on a pager the pager's styler wins.
    TCustomOrvToolBarStyler* GetToolBarStyler() const;
    void SetToolBarStyler(TCustomOrvToolBarStyler* value);

    // --- tab data -------------------------------------------------------------------------------
    TOrvToolBarPager* Pager() const { return FPager; }
    // The pager this page belongs to, through the page it stands for when it is the
    // collapsed pager's pop-up clone (which no pager lists).
    TOrvToolBarPager* OwningPager() const { return FPager ? FPager : (FCloneOf ? FCloneOf->FPager : nullptr); }
    // Caption: the control's caption; a change re-lays out the pager's tabs.
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    const std::wstring& GetTabHint() const { return FTabHint; }
    void SetTabHint(const std::wstring& value) { FTabHint = value; }
    bool GetTabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    bool GetTabEnabled() const { return FTabEnabled; }
    void SetTabEnabled(bool value);
    TOrvHintInfo& OfficeHint() { return *FOfficeHint; }
    int GetPageIndex() const;
    void SetPageIndex(int value);
    const std::wstring& GetShortCutHint() const { return FShortCutHint; }
    void SetShortCutHint(const std::wstring& value) { FShortCutHint = value; }
    TShortCutHintPos GetShortCutHintPos() const { return FShortCutHintPos; }
    void SetShortCutHintPos(TShortCutHintPos value) { FShortCutHintPos = value; }

    // Kept by the pager's tab layout.
    int TabLeft = 0;
    int TabWidth = 0;
    int TabClientWidth = 0;
    int TabRealClientWidth = 0;

    // --- tab key tip -----------------------------------------------------------------------------
    // Only with a pager and a visible, enabled tab; the pager supplies the window.
    void ShowShortCutHint();
    void HideShortCutHint();
    TShortCutHintWindow* ShortCutHintWindow() const { return FShortCutHintWindow; }

    // --- toolbar key tips -------------------------------------------------------------------------
    void ShowShortCutHintOfToolBars();
    void HideShortCutHintOfToolBars();
    bool ToolBarShortCutHintShowing() const { return FToolBarKeyTipsShowing; }
    // Appends ch to the typed buffer and lets the toolbars match it; beeps when none
    // matched and none is still a candidate.
    void TypeToolBarKeyTip(wchar_t ch);
    const std::wstring& TypedKeys() const { return FTypedKeys; }

    // --- tab glow ------------------------------------------------------------------------------
    void StartGlow(TGlowState state);
    void StopGlow();
    TGlowState GlowState() const { return FGlowState; }
    int StepHover() const { return FStepHover; }
    int StepPush() const { return FStepPush; }
    int TimeInc() const { return FTimeInc; }
    bool GlowRunning() const;
    // The animation's timer: made on first use, stopped (not freed) when a run ends.
    TTimer* GlowTimer() const { return FGlowTimer; }

    // --- cloning for the collapsed pager --------------------------------------------------------
    // A clone page in window holding this page's toolbars; GiveBack returns them.
    TOrvPage* CloneInto(TWinControl* window, int height);
    void GiveBackToolBars();
    TOrvPage* SelfClone() const { return FSelfClone; }
    bool IsClone() const { return FCloneOf != nullptr; }
    TOrvPage* CloneOf() const { return FCloneOf; }

    // --- toolbar scrolling --------------------------------------------------------------------------
    const TTabScroller& ToolBarScroller() const { return FScroller; }
    TOrvPageScrollButton* LeftScrollButton() const { return FLeftScroll; }
    TOrvPageScrollButton* RightScrollButton() const { return FRightScroll; }
    void ScrollToolBars(int delta);

    // --- layout passes -------------------------------------------------------------------------
    // How many ribbon passes (shrinking, growing or updating all toolbars) ran: one per
    // size change, none while the page is a hidden page of a pager.
    int LayoutPassCount() const { return FLayoutPasses; }
    // The pass a hidden page put off (its width changed while hidden), run once as the
    // page is shown; the pager calls it on a tab switch.
    void LayOutForShow();
    // A toolbar's controls changed outside the passes: growing no longer undoes the
    // recorded shrinking steps but runs the plain pass.
    void ForgetLayoutSteps() { FLayoutSteps.clear(); }

    TNotifyEvent OnToolBarKeyTipsHidden;

protected:
    void BeforeDestruction() override;
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;

private:
    friend class TOrvToolBarPager;
    void AttachTo(TOrvToolBarPager* pager);
    void GlowTick(TObject*);
    void TabChanged(bool relayout);
    void UpdateToolBarScroller(int totalWidth);
    void WidthPass();

    TOrvToolBarPager* FPager = nullptr;
    TDbgList<TOrvCustomToolBar> FToolBars;
    TCustomOrvToolBarStyler* FToolBarStyler = nullptr;
    bool FAutoPosition = true;
    bool FArranging = false;
    bool FRunningPass = false;
    int FLastWidth = -1;
    int FLayoutPasses = 0;
    // A size change arrived while the pass could wait: hidden, or the form's edge being dragged.
    bool FPassPending = false;
    TRibbonHistory FLayoutSteps;

    int FImageIndex = -1;
    std::wstring FTabHint;
    bool FTabVisible = true;
    bool FTabEnabled = true;
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
    std::wstring FShortCutHint;
    TShortCutHintPos FShortCutHintPos = shpBottom;
    TShortCutHintWindow* FShortCutHintWindow = nullptr;

    bool FToolBarKeyTipsShowing = false;
    std::wstring FTypedKeys;

    TTimer* FGlowTimer = nullptr;
    TGlowState FGlowState = gsNone;
    int FTimeInc = 0;
    int FStepHover = 0;
    int FStepPush = 0;

    TOrvPage* FSelfClone = nullptr;
    TOrvPage* FCloneOf = nullptr;
    bool FSavedAutoPosition = true;

    TTabScroller FScroller;
    int FFirstToolBar = 0;
    TOrvPageScrollButton* FLeftScroll = nullptr;
    TOrvPageScrollButton* FRightScroll = nullptr;
};

}  // namespace orv
