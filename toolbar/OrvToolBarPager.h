#pragma once
// TOrvToolBarPager: the tabbed command bar at the top of a window. A caption bar, a row
// of tabs and the active page (TOrvPage) with its toolbars; tab groups, caption buttons,
// help and expand/collapse buttons, the collapsed state with its pop-up window, key tips,
// keyboard and wheel page switching. Colours come from the linked styler, else from the
// pager's own preset styler.
//
// Owns: its caption, tab settings, tab groups, persistence record, option pictures, the
// internal and fallback stylers, the caption/help/scroll buttons, the caption layer, the
// minimized-ribbon window and the key-tip windows. Pages are children (owned by whoever
// made them); the page list only orders them (list order = tab order).
// All rectangles are pager client coordinates.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/Event.h"
#include "framework/WinControl.h"
#include "paint/FaceSerials.h"
#include "paint/OrvText.h"
#include "toolbar/DbgList.h"
#include "toolbar/OrvStyleIF.h"
#include "toolbar/OrvToolBarForm.h"
#include "toolbar/OrvToolBarStyler.h"
#include "toolbar/PagerCaptionLayer.h"
#include "toolbar/PagerLayout.h"
#include "toolbar/PagerSettings.h"

namespace orv {

class TCanvas;
class TCaptionLayer;
class TFace;
class TGDIPPicture;
class TImageList;
class TMinimizedRibbonWindow;
class TOrvCustomGlowButton;
class TOrvCustomQuickAccessToolBar;
class TOrvGlowButton;
class TOrvHintInfo;
class TOrvPage;
class TOrvPageScrollButton;
class TOrvToolBarOfficeStyler;
struct TParentBackgroundQuery;
class TPersistence;
class TPopupMenu;
class TShortCutHintWindow;
class TThreadHook;
class TTimer;
struct THintInfo;
struct TPagerPaintState;

enum TCaptionButton { cbClose, cbMinimize, cbMaximize };
using TCaptionButtons = uint8_t;  // bit (1 << TCaptionButton)
constexpr TCaptionButtons kAllCaptionButtons = (1 << cbClose) | (1 << cbMinimize) | (1 << cbMaximize);

// Sender, FromPage, ToPage, var AllowChange.
using TTabChangingEvent = TEvent<TObject*, int, int, bool&>;
// Sender, page index.
using TTabEvent = TEvent<TObject*, int>;
// Sender, tab group index.
using TTabGroupEvent = TEvent<TObject*, int>;

class TOrvToolBarPager : public TCustomControl,
                         public IToolBarStylerClient,
                         public IToolBarStylerPager,
                         public IOrvToolBarFormPager,
                         public ICaptionLayerHost {
public:
    ORV_CLASS_NAME(TOrvToolBarPager)
    explicit TOrvToolBarPager(TComponent* owner);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Raises "Invalid Parent" inside a dock panel, toolbar, pager or page.
    void SetParent(TWinControl* parent) override;

    // --- pages ----------------------------------------------------------------------------
    int AddOrvPage(TOrvPage* page);
    // A new page owned by the pager's owner with that caption, added at the end.
    TOrvPage* AddOrvPage(const std::wstring& caption);
    void RemoveOrvPage(TOrvPage* page);
    void MoveOrvPage(int fromIndex, int toIndex);
    int IndexOfPage(const TOrvPage* page) const { return FPages.IndexOf(page); }
    int PageCount() const { return FPages.Count(); }
    // Raises "Index out of bounds in list read access" past the end.
    TOrvPage* Pages(int index) const { return FPages.Items(index); }

    TOrvPage* GetActivePage() const;
    void SetActivePage(TOrvPage* page);
    int GetActivePageIndex() const { return FActivePageIndex; }
    // Selects even a page whose tab is disabled.
    void SetActivePageIndex(int index);
    void NextActivePage();
    void PrevActivePage();
    // With wrap-around, to the next page whose tab is visible and enabled.
    void SelectNextPage(bool goForward);

    // --- collapse ---------------------------------------------------------------------------
    void Expand();
    void Collaps();
    bool GetExpanded() const { return FExpanded; }
    int ExpandedHeight() const { return FExpandedHeight; }
    TMinimizedRibbonWindow* MinimizedRibbonWindow() const { return FMinimizedRibbonWindow; }
    bool PopupShowing() const;
    void ShowMinimizedRibbon();
    void HideMinimizedRibbon();

    // --- stored state (ToolBarPersistence.cpp) --------------------------------------------
    // "Minimized" and "ShowQATBelow" in the Persistence store; nothing while Enabled is
    // off or Key or Section is empty. Restoring only collapses and moves the quick access
    // toolbar below: a stored 0 undoes neither. Store errors raise (the destruction-time
    // save and the Loaded-time restore skip themselves on one).
    void SaveState();
    void LoadState();

    // --- key tips ----------------------------------------------------------------------------
    void ShowShortCutHint();
    void HideShortCutHint();
    bool ShortCutHintShowing() const { return FShortCutHintShowing; }
    // The tab key tip windows shown now (owned by the pager).
    const std::vector<TShortCutHintWindow*>& ShortCutHintWindows() const { return FHintWindows; }
    // The page asks for a window for its tab key tip (placed by its ShortCutHintPos).
    TShortCutHintWindow* ShowPageKeyTip(TOrvPage* page);
    void HidePageKeyTip(TShortCutHintWindow* window);
    const std::wstring& TypedKeys() const { return FTypedKeys; }

    // --- misc operations --------------------------------------------------------------------
    void ShapeButtonRefreshed();
    // The process-wide glow animation interval (ms) of pages and glow buttons.
    static void SetGlowSpeed(unsigned speed);
    static std::wstring GetVersionNr();
    std::wstring GetVersion() const { return GetVersionNr(); }
    void ApplyStylerChange(int code) override;
    void ToolBarStylerDestroying(TCustomOrvToolBarStyler* styler) override;
    // Tabs measured and laid out again, pages given the page rectangle.
    void UpdateTabs();

    // --- published properties ---------------------------------------------------------------
    TAntiAlias GetAntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(TAntiAlias value);
    bool GetAutoMDIButtons() const { return FAutoMDIButtons; }
    void SetAutoMDIButtons(bool value);
    bool GetCanMove() const { return FCanMove; }
    void SetCanMove(bool value) { FCanMove = value; }
    TOrvPageCaption& Caption() { return *FCaption; }
    const TOrvPageCaption& Caption() const { return *FCaption; }
    TCaptionButtons GetCaptionButtons() const { return FCaptionButtons; }
    void SetCaptionButtons(TCaptionButtons value);
    TImageList* GetImages() const { return FImages; }
    void SetImages(TImageList* value);
    TImageList* GetDisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TImageList* value);
    bool GetHidePagesOnDblClick() const { return FHidePagesOnDblClick; }
    void SetHidePagesOnDblClick(bool value) { FHidePagesOnDblClick = value; }
    bool GetEnableWheel() const { return FEnableWheel; }
    void SetEnableWheel(bool value) { FEnableWheel = value; }
    TTabGroups& TabGroups() { return *FTabGroups; }
    const TTabGroups& TabGroups() const { return *FTabGroups; }
    TOTBTabSettings& TabSettings() { return *FTabSettings; }
    const TOTBTabSettings& TabSettings() const { return *FTabSettings; }
    TPersistence& Persistence() { return *FPersistence; }
    TCustomOrvToolBarStyler* GetToolBarStyler() const { return FToolBarStyler; }
    void SetToolBarStyler(TCustomOrvToolBarStyler* value);
    bool GetShowHelpButton() const { return FShowHelpButton; }
    void SetShowHelpButton(bool value);
    bool GetShowExpandCollapsButton() const { return FShowExpandCollapsButton; }
    void SetShowExpandCollapsButton(bool value);
    bool GetShowNonSelectedTabs() const { return FShowNonSelectedTabs; }
    void SetShowNonSelectedTabs(bool value);
    bool GetShowTabHint() const { return FShowTabHint; }
    void SetShowTabHint(bool value) { FShowTabHint = value; }
    TOrvHintInfo& OfficeHint() { return *FOfficeHint; }
    int GetPageLeftMargin() const { return FPageLeftMargin; }
    void SetPageLeftMargin(int value);
    int GetPageRightMargin() const { return FPageRightMargin; }
    void SetPageRightMargin(int value);
    TGDIPPicture& OptionPicture() { return *FOptionPicture; }
    TGDIPPicture& OptionDisabledPicture() { return *FOptionDisabledPicture; }
    bool GetWin7ScenicRibbon() const;
    void SetWin7ScenicRibbon(bool value) override;
    bool GetMinimizeApp() const { return FMinimizeApp; }
    void SetMinimizeApp(bool value) { FMinimizeApp = value; }
    // Unpublished: a focused pager leaves the wheel alone.
    bool NonActiveMouseWheelOnFocus = false;

    // --- what painting needs (Part of the state, read-only) ----------------------------------
    // The linked styler, else the pager's own preset styler; never null.
    TCustomOrvToolBarStyler* CurrentToolBarStyler() const;
    TCustomOrvToolBarStyler* InternalToolBarStyler() const { return FInternalStyler; }
    TPagerGeometry Geometry() const;
    TRect GetCaptionRect() const;
    TRect GetTabRowRect() const;
    TRect GetTabAreaRect() const;
    TRect GetPageRect() const;
    // Empty (all -1) for an out-of-range index or a hidden tab.
    TRect GetTabRect(int index) const;
    // The tab group's rectangle (caption top to tab bottom, widened by the spacing);
    // false when it has none. rightEdge tells whether its right edge line is drawn.
    bool GetTabGroupRect(int group, TRect& rect, bool& rightEdge) const;
    // All -1 without a quick access toolbar or a place for it.
    TRect GetQuickAccessRect() const;
    int TabAtPos(TPoint p) const;
    // Index of the tab group whose caption part (above the tab row) holds p, or -1.
    int TabGroupAtPos(TPoint p) const;
    int HotIndex() const { return FHotPageIndex; }
    int DownIndex() const { return FDownPageIndex; }
    const TTabScroller& TabScroller() const { return FTabScroller; }
    int CurrentSpacing() const { return FLayout.Spacing; }
    int CurrentTabLeftMargin() const { return FLayout.LeftMargin; }
    int CurrentTabRightMargin() const { return FLayout.RightMargin; }
    int CurrentGroupTabLeftMargin() const { return FLayout.GroupLeftMargin; }
    int CurrentGroupTabRightMargin() const { return FLayout.GroupRightMargin; }
    TOrvPageScrollButton* LeftScrollButton() const { return FLeftScrollButton; }
    TOrvPageScrollButton* RightScrollButton() const { return FRightScrollButton; }
    TOrvGlowButton* CloseButton() const { return FCloseButton; }
    TOrvGlowButton* MaxButton() const { return FMaxButton; }
    TOrvGlowButton* MinButton() const { return FMinButton; }
    TOrvGlowButton* HelpButton() const { return FHelpButton; }
    TOrvGlowButton* ExpandCollapsButton() const { return FExpandCollapsButton; }
    // The MDI buttons: 0 minimize, 1 restore, 2 close; null until first needed.
    TOrvGlowButton* MDIButton(int index) const { return index >= 0 && index < 3 ? FMDIButtons[index] : nullptr; }
    // Shows the MDI buttons while AutoMDIButtons is on (outside design time), the parent
    // form is an MDI form with border icons and its active child is maximized; hides them
    // otherwise. Also run by a 200 ms check while AutoMDIButtons is on.
    void UpdateMDIButtons();
    TCaptionLayer* CaptionLayer() const { return FCaptionLayer; }
    TOrvCustomQuickAccessToolBar* QuickAccessToolBar() const { return FQuickAccessToolBar; }
    // The quick access toolbar shows full size below the pages: setting it grows or
    // shrinks the pager by the strip's height (when the strip shows).
    bool GetShowQATBelow() const;
    void SetShowQATBelow(bool value);
    TWinControl* ApplicationButton() const;
    // The left of the leftmost visible caption button, -1 when none shows.
    int CaptionButtonsLeft() const;
    // What the painter is given.
    TPagerPaintState PaintState() const;
    // The glass caption (and groups) drawn on the caption layer or the caption rectangle.
    bool PaintGlassCaption();
    // The pager sits on glass (its own glass mode).
    bool IsAeroVista() const { return FIsAeroVista; }
    // On glass, Office 2010 look and scenic flag, not designing.
    bool GlassLook() const;
    // The glass look and the form not maximized (unless the maximized Windows 7 case).
    bool GlassDrawing() const;
    bool TabBackgroundShaded() const { return FTabBackgroundShaded; }
    bool IsWin7() const { return FIsWin7; }
    // The parent form is maximized.
    bool FormMaximized() const;

    // --- IOrvToolBarFormPager ------------------------------------------------------------------
    TColor FormBorderColor() const override;
    int GlassTabHeight() const override;
    bool ScenicLook() const override;
    void EnterHideState() override;
    void LeaveHideState() override;
    bool InHideState() const override { return FHideState; }
    void GlassChanged(bool onGlass) override;
    // The form's size came from the platform (a default size, a sizeable tool window):
    // the pager spans its parent's client width and lays itself out for it.
    void SizeToForm() override;
    TWinControl* PagerControl() override { return this; }

    // --- ICaptionLayerHost ----------------------------------------------------------------------
    void CaptionLayerMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void CaptionLayerMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CaptionLayerDblClick(int x, int y) override;

    // --- IToolBarStylerPager ---------------------------------------------------------------------
    void Office2010LookChanged() override;
    void StyleBroadcastDone() override;

    // --- events -----------------------------------------------------------------------------------
    TNotifyEvent OnCloseButtonClick;
    TNotifyEvent OnMinButtonClick;
    TNotifyEvent OnMaxButtonClick;
    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;
    TTabEvent OnTabClick;
    TTabEvent OnTabDblClick;
    TTabGroupEvent OnTabGroupClick;
    TNotifyEvent OnExpand;
    TNotifyEvent OnCollaps;
    TNotifyEvent OnHelpClick;

    // Page callbacks (TOrvPage).
    void PageChanged(TOrvPage* page, bool relayout);
    void PageGlowTick(TOrvPage* page);

protected:
    void BeforeDestruction() override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    bool MouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoExit() override;
    void WindowTimer(UINT_PTR id) override;
    void CreateHandleDone() override;

private:
    enum { kWinStyleChangeStyle, kWinStyleHideMenu, kWinStyleUpdateMenu };
    static TOrvToolBarPager* CtrlF1HookOwner();
    static void InstallCtrlF1Hook(TOrvToolBarPager* owner);
    static void ReleaseCtrlF1Hook();
    bool ChangeActivePage(int index);
    void SetHot(int tab);
    // On the caption bar outside the tab groups' captions, or (withTabRow) on the empty
    // part of the tab row.
    bool OnCaptionArea(TPoint p, bool withTabRow) const;
    void HintRequest(TMessage& message, THintInfo& info);
    int MeasureCaption(int tab) const;
    void PlaceButtons();
    TOrvGlowButton* MakeButton(TNotifyEvent click);
    bool FormStateNotNormal() const;
    bool FirstPaintStateChanged();
    int ClonePageHeight() const;
    friend class TOrvPage;
    friend class TMinimizedRibbonWindow;
    friend struct TPagerInput;

    bool TabSelectable(int index) const;
    void MeasureTabs();
    void LayoutTabsNow();
    void PlacePages();
    void UpdateScrollButtons();
    void ScrollTabs(int delta);
    void UpdateCaptionButtons();
    void UpdateHelpButtons();
    void UpdateExpandCollapsPicture();
    void UpdateCaptionLayer();
    void FreeCaptionButtons();
    void CaptionButtonClick(TObject* sender);
    void MDIButtonClick(int index);
    void PlaceMDIButtons();
    void SettingsChanged(TObject*);
    void GlassSettingChanged(TObject*);
    void InstallFormHook();
    void RemoveFormHook();
    bool FormHook(TMessage& message);
    void DoWindowMove();
    void ShowSystemMenu(TPoint screen);
    void ToggleMaximize();
    void TellWinStyleChildren(int op);
    bool HandleDialogKey(TMessage& m);
    bool HandleDialogChar(wchar_t ch);
    void KeyTipTick();
    void TypeKeyTip(wchar_t ch);
    void HideKeyTipWindows(bool withToolBarTips);
    void ApplyGlass(bool onGlass);
    // A styled popup menu takes the current styler's menu styler.
    void ApplyPopupMenuStyler();
    void UpdateGlassRegion();
    void ClearHot();
    bool BackgroundKeyFor(TParentBackgroundQuery& query);

    TDbgList<TOrvPage> FPages;
    int FActivePageIndex = -1;
    int FHotPageIndex = -1;
    int FDownPageIndex = -1;
    int FHintPageIndex = -1;
    TAntiAlias FAntiAlias = aaClearType;
    bool FAutoMDIButtons = false;
    bool FCanMove = true;
    std::unique_ptr<TOrvPageCaption> FCaption;
    TCaptionButtons FCaptionButtons = kAllCaptionButtons;
    TImageList* FImages = nullptr;
    TImageList* FDisabledImages = nullptr;
    bool FHidePagesOnDblClick = true;
    bool FEnableWheel = true;
    std::unique_ptr<TTabGroups> FTabGroups;
    std::unique_ptr<TOTBTabSettings> FTabSettings;
    std::unique_ptr<TPersistence> FPersistence;
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
    std::unique_ptr<TGDIPPicture> FOptionPicture;
    std::unique_ptr<TGDIPPicture> FOptionDisabledPicture;
    TCustomOrvToolBarStyler* FToolBarStyler = nullptr;
    TCustomOrvToolBarStyler* FCurrentStyler = nullptr;
    TCustomOrvToolBarStyler* FInternalStyler = nullptr;
    TOrvToolBarOfficeStyler* FOwnStyler = nullptr;
    bool FShowHelpButton = true;
    bool FShowExpandCollapsButton = false;
    bool FShowNonSelectedTabs = false;
    bool FShowTabHint = false;
    int FPageLeftMargin = 0;
    int FPageRightMargin = 0;
    bool FMinimizeApp = true;
    int FMDIButtonWidth = 16;
    int FMDIButtonSpacing = 2;

    // Tab layout.
    TTabLayout FLayout;
    TTabScroller FTabScroller;
    TOrvPageScrollButton* FLeftScrollButton = nullptr;
    TOrvPageScrollButton* FRightScrollButton = nullptr;

    // Children.
    TOrvGlowButton* FCloseButton = nullptr;
    TOrvGlowButton* FMaxButton = nullptr;
    TOrvGlowButton* FMinButton = nullptr;
    TOrvGlowButton* FHelpButton = nullptr;
    TOrvGlowButton* FExpandCollapsButton = nullptr;
    TOrvGlowButton* FMDIButtons[3] = {nullptr, nullptr, nullptr};
    // The resource the expand/collapse button shows now (one of three literals).
    const wchar_t* FExpandCollapsPicture = nullptr;
    bool FMDITimerOn = false;
    TCaptionLayer* FCaptionLayer = nullptr;
    TOrvCustomQuickAccessToolBar* FQuickAccessToolBar = nullptr;
    TMinimizedRibbonWindow* FMinimizedRibbonWindow = nullptr;
    int FSavedRightIndent = 0;
    // Backdrop faces told to transparent children and the serials that name them.
    TFaceSerials FBackdropKeys;

    // State.
    bool FExpanded = true;
    int FExpandedHeight = 149;
    bool FHideState = false;
    int FHeightBeforeHide = 0;
    bool FQuickAccessWasVisible = false;
    bool FAppButtonWasVisible = false;
    bool FActiveChangedOnDown = false;
    bool FIsAeroVista = false;
    // The glass clip last given to the window.
    struct {
        bool Set = false;
        int Width = 0;
        int Height = 0;
        bool MaximizedShaded = false;
    } FGlassRegion;
    bool FIsWin7 = false;
    bool FTabBackgroundShaded = false;
    bool FPropertiesLoaded = false;
    bool FFirstPaint = true;
    // The pager window holds the focus (WM_SETFOCUS and WM_KILLFOCUS).
    bool FHasFocus = false;
    TWindowState FLastFormState = TWindowState::wsNormal;
    int FClickCount = 0;
    bool FDblClickTimerOn = false;
    TWinControl* FHookedForm = nullptr;
    int FFormHookId = 0;

    // Key tips.
    bool FShortCutHintShowing = false;
    bool FAltHeld = false;
    bool FKeyTipArmed = false;
    int FAltHeldTime = 0;
    HWND FFocusBeforeKeyTips = nullptr;
    std::wstring FTypedKeys;
    std::vector<TShortCutHintWindow*> FHintWindows;
};

// The Ctrl+F1 hook of the thread, installed by the first pager that finished loading.
bool PagerCtrlF1HookInstalled();

// Registers the pager, its records and the page for stored layouts (safe to call again).
void RegisterToolBarPagerClasses();

}  // namespace orv
