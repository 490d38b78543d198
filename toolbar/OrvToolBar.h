#pragma once
// TOrvCustomToolBar / TOrvToolBar: the windowed control that holds toolbar controls
// (glow buttons, toolbar buttons, menu buttons, separators, any other control). On a
// page it is a ribbon group (columns of glow buttons, caption bar, hover glow, compact
// mode); docked, floating or fixed it is a classic toolbar with grip and right handle.
// Colours and fonts come from the linked styler, else from the owned internal one.
// Owns its internal styler, persistence record and, while compact, the compact button
// and window (whose clone holds the controls). Links (styler, images, menus) are not owned.
#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "buttons/OrvGlowButton.h"
#include "framework/WinControl.h"
#include "paint/FaceSerials.h"
#include "paint/OrvText.h"
#include "toolbar/DbgList.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBarStyler.h"

namespace orv {

class IToolBarCustomizer;
class TCompactWindow;
class TFloatingWindow;
class TFace;
class TForm;
class TGDIPPicture;
class TImageList;
class TMainMenu;
class TMenuItem;
class TOrvCustomToolBarButton;
class TOrvHintInfo;
class TOptionSelectorWindow;
class TOrvPage;
class TOrvDockPanel;
class TOrvToolBarMenuButton;
class TPopupMenu;
class TRowCollection;
class TRowCollectionItem;
class TThreadHook;

enum TDockAlign { daLeft, daTop, daRight, daBottom };
enum TToolBarState { tsDocked, tsFloating, tsFixed };
enum TCaptionPosition { cpTop, cpBottom };
enum TDockMode { dmAll, dmAllParentDockPanels, dmParentDockPanelOnly };
enum TPersistenceLocation { plRegistry, plIniFile };
using TDockAlignSet = uint8_t;  // bit (1 << TDockAlign)

// Sender, the point in the parent's client coordinates, the same point on the screen.
using TOptionEvent = TEvent<TObject*, TPoint, TPoint>;
using TCompactCloseQueryEvent = TEvent<TObject*, bool&>;

// False paints toolbars directly instead of through the face cache (to compare and measure).
inline bool ToolBarFaceCache = true;

inline bool IsHorizontalAlign(TDockAlign align) {
    return align == daTop || align == daBottom;
}

// Where and whether a component stores its arrangement; the store itself is built
// with the layout persistence. Keeps a reference to its owning component.
class TPersistence : public TPersistent {
public:
    ORV_CLASS_NAME(TPersistence)
    explicit TPersistence(TComponent* owner) : FOwner(owner) {}
    void Assign(const TPersistent* source) override;
    TComponent* OwnerComponent() const { return FOwner; }

    TPersistenceLocation GetLocation() const { return FLocation; }
    void SetLocation(TPersistenceLocation value) { Store(FLocation, value); }
    const std::wstring& GetKey() const { return FKey; }
    void SetKey(const std::wstring& value) { Store(FKey, value); }
    const std::wstring& GetSection() const { return FSection; }
    void SetSection(const std::wstring& value) { Store(FSection, value); }
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value) { Store(FEnabled, value); }
    TNotifyEvent OnChange;

protected:
    TPersistent* GetOwner() const override { return FOwner; }

private:
    template <class V>
    void Store(V& field, const V& value) {
        if (field == value) return;
        field = value;
        if (OnChange) OnChange(this);
    }
    TComponent* FOwner;
    TPersistenceLocation FLocation = plRegistry;
    std::wstring FKey;
    std::wstring FSection;
    bool FEnabled = false;
};

// Key-tip rows of a page toolbar: up to three distinct tops (within 4 pixels counts as
// the same row) of its visible controls in control order, then sorted where the first
// two or the last two are out of order; -1 marks a missing row.
struct TKeyTipRows {
    int Row[3] = {-1, -1, -1};
};
TKeyTipRows CollectKeyTipRows(const std::vector<int>& tops);
// Where the key tip of a glow button standing at top with height goes on a toolbar of
// the given height and caption height (for buttons that leave it to the toolbar).
TShortCutHintPos KeyTipPosForRow(const TKeyTipRows& rows, int top, int height, int toolBarHeight, int captionHeight);

class TOrvCustomToolBar : public TCustomControl, public IToolBarStylerClient, public IToolBarKeyTips {
public:
    ORV_CLASS_NAME(TOrvCustomToolBar)
    explicit TOrvCustomToolBar(TComponent* owner);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Docked in a dock panel, requested bounds go through the panel's rows first.
    void SetBounds(int left, int top, int width, int height) override;
    // Into a dock panel: joins it (a height-locked panel without an accepting row
    // refuses, and the toolbar stays where it is); out of one: leaves it.
    void SetParent(TWinControl* parent) override;
    // A stored layout may put the toolbar in a dock panel (which takes no other controls).
    void SetParentComponent(TComponent* parent) override;

    // --- docking ------------------------------------------------------------------------------
    // The panel the toolbar is docked in now (null when not docked) and the one it was
    // docked in last.
    TOrvDockPanel* CurrentDock() const { return FCurrentDock; }
    TOrvDockPanel* LastDock() const { return FLastDock; }
    // Re-parents the toolbar into the panel.
    void Dock(TOrvDockPanel* panel);
    TOrvDockPanel* GetOrvDockPanel() const { return FCurrentDock; }
    void SetOrvDockPanel(TOrvDockPanel* panel) { Dock(panel); }
    // Floats the toolbar in a window of its own with the window's top-left at point
    // (screen); nothing on a page, in a compact window or when it floats already.
    void SetToolBarFloating(TPoint point);
    // The window the toolbar floats in (owned by the toolbar's owner; freed on docking).
    TFloatingWindow* FloatingWindow() const { return FFloatingWindow; }
    // After docking: the toolbar and the panel it docked into.
    TEvent<TObject*, TOrvDockPanel*> OnDocked;
    TNotifyEvent OnUnDocked;
    // Asked before a drag pulls the toolbar out of its dock; false keeps it docked.
    TEvent<TObject*, bool&> OnCanFloat;
    // What the caption's close button does: with AutoDockOnClose back into the last
    // dock, else the window and the toolbar hide and OnClose follows.
    void CloseFloating();
    // A drag by the grip or the floating caption runs (a modal loop of its own).
    bool Dragging() const { return FDragging; }

    // --- stored position (ToolBarPersistence.cpp) -----------------------------------------
    // Writes the floating place (while floating) and the visibility of every named
    // control to the Persistence store; a docked toolbar that was stored floating is
    // stored with its state now. Runs at destruction by itself; store errors raise.
    void SavePosition();
    // Floats the toolbar where it was stored floating and applies the stored visibility
    // of its named controls; reads everything before it changes anything. Runs once per
    // toolbar (in Loaded, or earlier from its dock panel's restore).
    void LoadPosition();
    bool PositionLoaded() const { return FPositionLoaded; }
    // The floating window's screen position while floating, else Left and Top. (The
    // point comes out through the argument: GetPosition() is the dock side.)
    void GetPosition(TPoint& point) const;

    // --- control registration (toolbar controls call these) ---------------------------
    void AddToolBarControl(TControl* control);
    void InsertToolBarControl(int index, TControl* control);
    void RemoveToolBarControl(TControl* control);
    void MoveToolBarControl(int from, int to);
    int IndexOfToolBarControl(const TControl* control) const { return FOTBControls.IndexOf(control); }
    int GetToolBarControlCount() const { return FOTBControls.Count(); }
    TControl* ToolBarControls(int index) const { return FOTBControls.Items(index); }
    // Front of the recently used list; a control hidden for lack of room comes back.
    void MoveUpInRUList(TControl* control);
    // After a toolbar control's click: closes popups, recently used list, re-positions.
    void AfterButtonClick(TControl* control);
    // A grouped button went down: tells the parent's controls (when there is a parent),
    // then the option window panel. Every listener hears it even without a parent.
    void BroadcastButtonPressed(int groupIndex, TControl* sender);
    // A child changed size in a way positioning must see.
    void ControlResized(TControl* control);
    // Controls hidden for lack of room, most recently hidden last.
    const TDbgList<TControl>& HiddenControls() const { return FLUHidedControls; }
    // Recently used order, most recent first.
    const TDbgList<TControl>& RecentlyUsedControls() const { return FRUControls; }

    // --- keyboard on a page -----------------------------------------------------------------
    // Key tips of the glow buttons (and of those inside windowed children); a compact
    // toolbar shows its compact button's.
    void ShowKeyTips(bool show);
    TMatch MatchShortCutHint(const std::wstring& typed) override;
    // The focusable controls in tab order (a compact toolbar: its compact button).
    std::vector<TWinControl*> FocusableControls() const;
    // Left (forward false) or Right from control (null: the toolbar itself) across the
    // page's toolbars; false when nothing could take the focus.
    bool FocusNeighbour(TWinControl* from, bool forward);
    // The key-down of the toolbar and of its glow buttons while on a page or in the
    // compact window.
    void PageKeyDown(TObject* sender, uint16_t& key, TShiftState shift);
    // In a clone: its own key tips show (opened through the compact button's key tip).
    bool CloneKeyTipsShowing() const { return FCloneKeyTips; }

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

    // --- placement ------------------------------------------------------------------------
    TDockAlign GetPosition() const { return FPosition; }
    void SetPosition(TDockAlign value);
    bool IsHorizontal() const { return IsHorizontalAlign(FPosition); }
    TToolBarState GetToolBarState() const { return FToolBarState; }
    void SetToolBarState(TToolBarState value);
    // On a page, or inside a compact window (both count as "page" for layout).
    bool OnPage() const;
    TOrvPage* Page() const;
    bool InCompactWindow() const;
    // Re-positions the controls and updates the size (nothing while loading/updating).
    void PositionControls();
    // Preferred length and thickness without applying them.
    TSize PreferredSize();
    int MaxLength() const { return FMaxLength; }
    // The shortest length: 60, or the longest control with its margins when that is more.
    int MinLength() const { return FMinLength; }
    // Thickness when docked without a caption bar (the row height when floating).
    int SizeAtDock() const { return FSizeAtDock; }
    // Rows the controls of a floating toolbar take (FloatingRows, fewer when they fit).
    int FloatingRowCount() const { return FFloatingRowCount; }
    // The size a floating toolbar takes with FloatingRows = rows (kept between 1 and one
    // control a row); nothing changes.
    TSize FloatingSizeFor(int rows) const;
    // The nearest row count from the current rows, more (step > 0) or fewer (step < 0),
    // that gives the floating toolbar another shape; 0 when there is none.
    int NextFloatingRows(int step) const;

    // --- styler ----------------------------------------------------------------------------
    TCustomOrvToolBarStyler* GetToolBarStyler() const { return FToolBarStyler; }
    void SetToolBarStyler(TCustomOrvToolBarStyler* value);
    // The linked or parent styler, else the internal one; never null.
    TCustomOrvToolBarStyler* CurrentToolBarStyler() const { return FCurrentToolBarStyler; }
    TCustomOrvToolBarStyler* InternalToolBarStyler() const { return FInternalToolBarStyler; }
    // The button appearance toolbar buttons paint with when they follow the styler.
    TButtonAppearance& ButtonAppearance() { return FCurrentToolBarStyler->ButtonAppearance(); }
    void ApplyStylerChange(int code) override;
    // A glow button gets the styler's glow look, a style-interface control its style
    // (the toolbar's own controls and those of its containers).
    void ApplyStylerTo(TControl* control);
    void ToolBarStylerDestroying(TCustomOrvToolBarStyler* styler) override;

    // --- menu bar (ToolBarMenuBar.cpp) ------------------------------------------------
    // A toolbar with a Menu shows one menu button per top-level item of it, opens their
    // sub-menus as styled popups, lets pointer and arrow keys move between them and
    // runs the keyboard menu mode (Alt).
    bool InMenuLoop() const { return FInMenuLoop; }
    bool MenuFocused() const { return FMenuFocused; }
    TControl* HotControl() const { return FHotControl; }
    // A control became hot (pointer or menu mode); in the menu mode the one hot before
    // loses its tracking hot mark.
    void SetHotControl(TControl* control);
    // Opens the drop-down menu or menu item of a menu button (modal until it closes);
    // false when no menu was shown.
    virtual bool OpenControlMenu(TControl* button);
    bool MenuDropped() const { return FMenuDropped; }
    // Closes the option window and any menu the toolbar opened.
    void ClosePopups();
    // Every menu button mirrors its item again; re-creates the buttons when an item of
    // the menu has none.
    void UpdateMenu();
    // Merges the top-level items of another main menu into the bar (null: unmerges);
    // nothing without a Menu, for the bar's own menu or the one already merged.
    void MergeMenu(TMainMenu* menu);
    // Takes the merged menu's items out again (menu must be the merged one).
    void UnmergeMenu(TMainMenu* menu);
    TMainMenu* MergedMenu() const { return FMergedMenu; }
    // Entries for MDI children in the form's window menu, owned by the toolbar: added
    // (or renamed), removed (by form, or by caption when form is null), all removed.
    void AddMDIChildMenu(TForm* form, const std::wstring& caption);
    void RemoveMDIChildMenu(TForm* form, const std::wstring& caption);
    void RemoveAllMDIChildMenu();
    // The keyboard menu mode: button (or, when null, the first menu button that can
    // take it) becomes hot, a given button drops its menu; with a Menu it runs the
    // application's messages until the mode ends. True when an item was chosen with
    // Enter. While it runs, asking again moves the mode to button.
    bool MenuLoop(TOrvToolBarMenuButton* button = nullptr);
    // Ends the keyboard menu mode (releases its hook and the mouse).
    void LeaveMenuMode();
    // The button whose menu shows, and the one that showed a menu last.
    TOrvCustomToolBarButton* MenuButton() const { return FMenuButton; }
    TOrvCustomToolBarButton* LastMenuButton() const { return FLastMenuButton; }
    // The temporary popup holding the open menu item's sub-items (null while none shows).
    TPopupMenu* TempMenu() const { return FTempMenu; }
    // The MDI child buttons (0 minimise, 1 restore, 2 close): shown, and where.
    bool MDIButtonsVisible() const;
    TRect GetMDIButtonRect(int index) const;

    // --- option window --------------------------------------------------------------------
    // Fills the option window with the controls hidden for lack of room and its command
    // items and shows it under the toolbar's right end (nothing when it would be empty);
    // hides it when it shows. The right handle's press comes here.
    virtual void ShowOptionWindow();
    virtual void HideOptionWindow();
    // Made on first use; owned by the toolbar.
    TOptionSelectorWindow* OptionWindow() const { return FOptionWindow; }
    bool OptionWindowShowing() const;
    // While the option window borrows controls or gives them back, their moves between
    // the toolbar and it are no registration changes.
    void BeginLendControls() { ++FLendingControls; }
    void EndLendControls() { --FLendingControls; }
    bool LendingControls() const { return FLendingControls > 0; }
    // The customizer linked to the toolbar (not owned; it unlinks itself before it goes).
    IToolBarCustomizer* GetCustomizer() const { return FCustomizer; }
    void SetCustomizer(IToolBarCustomizer* value) { FCustomizer = value; }
    // Opens the customizer's dialog (nothing without a customizer).
    void ShowCustomizer();

    // --- published -------------------------------------------------------------------------
#define ORV_TB_VALUE(Type, Name) \
    Type Get##Name() const {     \
        return F##Name;          \
    }                            \
    void Set##Name(Type value);
    ORV_TB_VALUE(bool, AllowFloating)
    ORV_TB_VALUE(TAntiAlias, AntiAlias)
    ORV_TB_VALUE(bool, AutoArrangeButtons)
    ORV_TB_VALUE(bool, AutoDockOnClose)
    ORV_TB_VALUE(bool, AutoOptionMenu)
    ORV_TB_VALUE(bool, AutoPositionControls)
    ORV_TB_VALUE(bool, AutoSize)
    ORV_TB_VALUE(bool, Locked)
    ORV_TB_VALUE(int, CaptionHeight)
    ORV_TB_VALUE(TCaptionPosition, CaptionPosition)
    ORV_TB_VALUE(TTextAlignment, CaptionAlignment)
    ORV_TB_VALUE(int, CompactImageIndex)
    ORV_TB_VALUE(bool, ShowCaption)
    ORV_TB_VALUE(bool, ShowRightHandle)
    ORV_TB_VALUE(bool, ShowClose)
    ORV_TB_VALUE(bool, ShowOptionIndicator)
    ORV_TB_VALUE(TDockAlignSet, DockableTo)
    ORV_TB_VALUE(TDockMode, DockMode)
    ORV_TB_VALUE(bool, FullSize)
    ORV_TB_VALUE(bool, ParentStyler)
    ORV_TB_VALUE(bool, ParentOptionPicture)
    ORV_TB_VALUE(bool, HideOnEmpty)
    ORV_TB_VALUE(int, FloatingRows)
    ORV_TB_VALUE(int, Row)
#undef ORV_TB_VALUE
    // On only outside the pager, for a FullSize toolbar with a Menu whose form exists.
    bool GetAutoMDIButtons() const;
    void SetAutoMDIButtons(bool value);
    void SetCaption(const std::wstring& value);
    const std::wstring& GetCaption() const {
        return TControl::GetCaption();
    }
    TFont& CaptionFont() {
        return FCaptionFont;
    }
    const std::wstring& GetCompactCaption() const {
        return FCompactCaption;
    }
    void SetCompactCaption(const std::wstring& value);
    const std::wstring& GetCompactShortCutHint() const {
        return FCompactShortCutHint;
    }
    void SetCompactShortCutHint(const std::wstring& value) {
        FCompactShortCutHint = value;
    }
    TGDIPPicture& CompactPicture() {
        return *FCompactPicture;
    }
    TGDIPPicture& OptionPicture() {
        return *FOptionPicture;
    }
    TGDIPPicture& OptionDisabledPicture() {
        return *FOptionDisabledPicture;
    }
    const std::wstring& GetHintOptionButton() const {
        return FHintOptionButton;
    }
    void SetHintOptionButton(const std::wstring& value) {
        FHintOptionButton = value;
    }
    const std::wstring& GetHintCloseButton() const {
        return FHintCloseButton;
    }
    void SetHintCloseButton(const std::wstring& value) {
        FHintCloseButton = value;
    }
    const std::wstring& GetTextAutoOptionMenu() const {
        return FTextAutoOptionMenu;
    }
    void SetTextAutoOptionMenu(const std::wstring& value) {
        FTextAutoOptionMenu = value;
    }
    const std::wstring& GetTextOptionMenu() const {
        return FTextOptionMenu;
    }
    void SetTextOptionMenu(const std::wstring& value) {
        FTextOptionMenu = value;
    }
    TImageList* GetImages() const {
        return FImages;
    }
    void SetImages(TImageList* value);
    TImageList* GetDisabledImages() const {
        return FDisabledImages;
    }
    void SetDisabledImages(TImageList* value);
    TMainMenu* GetMenu() const {
        return FMenu;
    }
    void SetMenu(TMainMenu* value);
    TPopupMenu* GetOptionMenu() const {
        return FOptionMenu;
    }
    void SetOptionMenu(TPopupMenu* value);
    TOrvHintInfo& OfficeHint() {
        return *FOfficeHint;
    }
    TPersistence& Persistence() {
        return FPersistence;
    }
    int GetToolBarIndex() const;
    void SetToolBarIndex(int value);
    std::wstring GetVersion() const {
        return L"1.0.0.0";
    }

    TOptionEvent OnOptionClick;
    TNotifyEvent OnClose;
    TCompactCloseQueryEvent OnCompactCloseQuery;

    // --- ribbon resizing and compact mode (ToolBarResize.h) ----------------------------
    bool GetCompact() const {
        return FCompact;
    }
    // Pins compact mode (true) or releases it; the page then updates all toolbars.
    void SetCompact(bool value);
    bool IsCompacted() const {
        return FCompactBtn != nullptr;
    }
    bool CompactedByPage() const {
        return FCompactedByPage;
    }
    bool CompactSmallest() const {
        return FCompactSmallest;
    }
    // Width and kind (ShrinkStep: 1 large->label, 0 label->glyph; GrowStep: 1
    // glyph->label, 2 label->large); apply makes the change and re-positions.
    int ShrinkStep(bool apply, int& kind);
    int GrowStep(bool apply, int& kind);
    void EnterCompact(bool byPage, bool smallest);
    void LeaveCompact();
    void HideCompactWindow();
    TOrvCustomGlowButton* CompactButton() const {
        return FCompactBtn;
    }
    TCompactWindow* CompactWindow() const {
        return FCompactWindow;
    }
    // In a compacted toolbar the clone; in the clone the toolbar it stands for.
    TOrvCustomToolBar* SelfClone() const {
        return FSelfClone;
    }
    // Opens the compact window under the compact button (the button's click).
    void OpenCompactWindow();
    // Width the toolbar would take expanded (its clone's, shrunk completely once unless
    // it was compacted at its smallest).
    int ExpandedWidth();
    static constexpr int kCompactMinWidth = 45;
    // How many times the controls were positioned (PositionControls ran through), for
    // the live-resize bench and tests: a toolbar whose size did not change is left alone.
    int PositionCount() const {
        return FPositionCount;
    }

    // --- painting pieces (callable with a given state, for docked and floating looks) ----
    TRect GetCaptionRect() const;
    TRect GetOptionIndicatorRect() const;
    TRect GetRightHandleRect() const;
    // The close and option buttons of the floating caption (empty when not shown).
    TRect GetCloseButtonRect() const;
    TRect GetOptionButtonRect() const;
    bool ShowingOptionIndicator() const;
    // Hover glow state.
    bool Hot() const {
        return FHot;
    }
    int StepHover() const {
        return FStepHover;
    }
    bool GlowRunning() const {
        return FGlowRunning;
    }
    // The focus is on the toolbar or on a control in it.
    bool Active() const {
        return FActive;
    }
    bool OptionHot() const {
        return FOptionHot;
    }
    bool OptionDown() const {
        return FOptionDown;
    }
    // Controls hidden for lack of room (the right handle's chevron shows when any).
    int HiddenControlCount() const {
        return FLUHidedControls.Count();
    }
    // Paints the whole toolbar face into dc (client coordinates): a copy of the kept face
    // unless the styler's background is transparent.
    void PaintTo(HDC dc);
    // Answers a transparent child's background query (see TParentBackgroundQuery) with
    // the serial of the kept face when that face alone lies beneath the rectangle.
    bool BackgroundKeyFor(TParentBackgroundQuery& query);
    bool RightHandleHot() const {
        return FRightHandleHot;
    }
    bool RightHandleDown() const {
        return FRightHandleDown;
    }
    void SetRightHandleState(bool hot, bool down);
    // Marks of the floating caption's close and option buttons.
    bool CloseButtonHot() const {
        return FCloseHot;
    }
    bool CloseButtonDown() const {
        return FCloseDown;
    }
    bool OptionButtonHot() const {
        return FFloatOptionHot;
    }
    bool OptionButtonDown() const {
        return FFloatOptionDown;
    }
    // The fill of a floating caption button in that state (clNone: none).
    TColor CaptionButtonFill(bool hot, bool down) const;

protected:
    ~TOrvCustomToolBar() override;
    void BeforeDestruction() override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void WindowTimer(UINT_PTR id) override;
    void Resize() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void AlignControls(TControl* control, TRect& rect) override;

private:
    friend class TCompactWindow;
    friend class TOrvDockPanel;
    friend class TRowCollection;
    friend class TRowCollectionItem;
    void PaintDragGrip(TCanvas& canvas);
    void PaintRightHandle(TCanvas& canvas);
    void PaintOptionIndicator(TCanvas& canvas);
    // The option picture the indicator shows now (own or the pager's; disabled look).
    TGDIPPicture* OptionPictureToPaint() const;
    // The kept face of the toolbar's own paint; null when it paints directly.
    std::shared_ptr<const TFace> KeptFace();
    void RegisterChild(TControl* control);
    void UnregisterChild(TControl* control);
    void HookGlowButton(TOrvCustomGlowButton* button);
    void PositionPageControls(int x0, int y0);
    void PositionFlow();
    void PositionLine(int x0, int y0);
    void PositionFloating();
    // The visible controls a floating toolbar places in its rows.
    std::vector<TControl*> FloatingControls() const;
    // FMinLength and FSizeAtDock from the visible controls.
    void UpdateLengths();
    void UpdateSize();
    void UpdateFloatingSize();
    void ApplyStylerToControls();
    // Styled drop-down and option menus take the styler's current menu styler.
    void ApplyMenuStyler();
    void RelayoutContainers();
    // On a page the columns decide a separator's height, not the separator.
    void SeparatorsOffAutoSize();
    void SetActive(bool value);
    // The look of the tab group whose page is active and holds this toolbar; null when
    // the toolbar is not on such a page.
    const TGroupAppearance* ActiveGroupLook() const;
    // The hover rule: hot, or active and enabled on a page.
    bool HotLook() const;
    // Scenic mode on a page of a pager whose glass drawing is active: the glass border.
    bool GlassBorder() const;
    void UpdateCurrentStyler();
    void StartGlow(int step);
    void GlowTick();
    void OptionTick();
    void InvalidateWithBackgroundControls();
    void ArrangeAdaptive();
    void CompactButtonClick(TObject*);
    void KeyTipPosHook(TObject* sender, TButtonSizeState, TShortCutHintPos& pos);
    void UpdateKeyTipRows();
    void CloneKeyDown(TObject* sender, uint16_t& key, TShiftState shift);
    // The hint of the floating close or option button, or of the option indicator.
    void HintRequest(TMessage& message);
    bool HideForRoom(int length);
    void ButtonSizeHook(TObject* sender, int& width, int& height);
    // The option window went hidden: the toolbar lays out again.
    void OptionWindowHidden();
    void ReturnControlsFromClone();
    void ChangeInPage();
    int GripX0() const;
    int ControlsY0() const;
    // The paint itself (background, caption, grip, right handle, indicator, border), into
    // dc in client coordinates.
    void DrawToolBar(HDC dc);

    // --- menu bar (ToolBarMenuBar.cpp) ------------------------------------------------
    TOrvToolBarMenuButton* AddMenuButton(TMenuItem* item);
    void CreateMenuButtons();
    // Frees the menu buttons this toolbar made (only those of a merged menu: merged).
    void FreeMenuButtons(bool mergedOnly);
    void OrderMenuButtons();
    std::vector<TOrvToolBarMenuButton*> MenuButtons() const;
    // May the control be made hot by the menu mode (hidden for lack of room counts only
    // on a floating or fixed toolbar)?
    bool TakesMenuHot(const TControl* control, bool menuButtonsOnly) const;
    TOrvToolBarMenuButton* FirstMenuButton() const;
    // The next (or previous) button after from that may take the hot mark, wrapping
    // once round; null when none.
    TOrvCustomToolBarButton* NeighbourButton(TOrvCustomToolBarButton* from, bool forward, bool menuButtonsOnly) const;
    TOrvToolBarMenuButton* MnemonicButton(wchar_t ch) const;
    void SetMenuHot(TOrvCustomToolBarButton* button);
    void PostMenuDrop();
    void DropHotMenu();
    // The open menu closed: release over its button, marks cleared, the next button.
    void MenuClosed(WPARAM closedBy);
    // Closes the open menu and opens button's next.
    void SwitchMenuTo(TOrvCustomToolBarButton* button);
    // The message filter of the open menu and the keyboard redirect of the menu mode;
    // true consumes the message.
    bool MenuLoopMessage(const MSG& msg);
    // The menu mode with hot as the hot button (its menu dropped when drop is set).
    bool RunMenuLoop(TOrvCustomToolBarButton* hot, bool drop);
    bool MenuModeKey(uint16_t key, bool down);
    TPoint MenuPopupPoint(TOrvCustomToolBarButton* button, TPopupMenu* menu);
    // WndProc's share: the menu bar's posted messages, timers, the MDI buttons' mouse,
    // the menu mode's clicks outside; true when handled.
    bool MenuBarMessage(TMessage& message);
    void MenuBarLoaded();
    void MenuBarNotification(TComponent* component);
    void MenuBarParentChanged();
    void MenuBarDestroying();
    void UpdateMenuFormHook();
    bool MenuFormMessage(TMessage& message);
    TForm* MenuForm() const;
    bool InPager() const;
    // The form's maximised active MDI child while the MDI buttons apply, else null.
    TForm* MaximizedMDIChild() const;
    int MDIButtonAt(TPoint p) const;
    void SetMDIMarks(int hot, int down);
    void MDIButtonClick(int index);
    void UpdateMDIWatch();
    void MDIWatchTick();
    // The MDI buttons' share of the mouse (p in client coordinates); true when taken.
    bool MDIButtonMouse(TMessage& message, TPoint p);
    void PaintMDIButtons(TCanvas& canvas);

    TDbgList<TControl> FOTBControls;
    TDbgList<TControl> FRUControls;
    TDbgList<TControl> FLUHidedControls;
    TDbgList<TControl> FSeqControlList;
    TCustomOrvToolBarStyler* FToolBarStyler = nullptr;
    TCustomOrvToolBarStyler* FCurrentToolBarStyler = nullptr;
    TCustomOrvToolBarStyler* FInternalToolBarStyler = nullptr;
    TPersistence FPersistence{this};
    std::unique_ptr<TGDIPPicture> FCompactPicture, FOptionPicture, FOptionDisabledPicture;
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
    TFont FCaptionFont;
    TImageList* FImages = nullptr;
    TImageList* FDisabledImages = nullptr;
    TMainMenu* FMenu = nullptr;
    TPopupMenu* FOptionMenu = nullptr;

    bool FAllowFloating = true;
    TAntiAlias FAntiAlias = aaClearType;
    bool FAutoArrangeButtons = true;
    bool FAutoDockOnClose = false;
    bool FAutoMDIButtons = false;
    bool FAutoOptionMenu = false;
    bool FAutoPositionControls = true;
    bool FAutoSize = true;
    bool FLocked = false;
    int FCaptionHeight = 16;
    TCaptionPosition FCaptionPosition = cpTop;
    TTextAlignment FCaptionAlignment = TTextAlignment::taLeftJustify;
    std::wstring FCompactCaption;
    int FCompactImageIndex = -1;
    std::wstring FCompactShortCutHint;
    bool FShowCaption = false;
    std::wstring FHintOptionButton, FHintCloseButton;
    bool FShowRightHandle = true;
    bool FShowClose = true;
    bool FShowOptionIndicator = true;
    TDockAlignSet FDockableTo = 0x0F;
    TDockMode FDockMode = dmAll;
    bool FFullSize = false;
    std::wstring FTextAutoOptionMenu = L"Add or Remove Buttons";
    std::wstring FTextOptionMenu = L"Options";
    bool FParentStyler = true;
    bool FParentOptionPicture = true;
    bool FHideOnEmpty = false;
    int FFloatingRows = 1;
    int FRow = 0;
    TDockAlign FPosition = daTop;
    TToolBarState FToolBarState = tsDocked;
    TOrvDockPanel* FCurrentDock = nullptr;
    TOrvDockPanel* FLastDock = nullptr;
    // Set while a dock panel places the toolbar: its bounds pass unfiltered.
    bool FAllowBoundChange = false;
    TFloatingWindow* FFloatingWindow = nullptr;
    // The stored position was restored (once per toolbar).
    bool FPositionLoaded = false;
    // Hides and shows the floating window with the form of the last dock (every 40 ms).
    static constexpr UINT_PTR kFloatTimer = 500;
    void FloatTick();
    // Leaving a floating window for a dock: the timer stops, the docked thickness
    // comes back, the window goes.
    void EndFloating();

    // --- dragging (ToolBarDrag.cpp) ---------------------------------------------------------
    // A dock panel the drag may drop the toolbar into and its screen rectangle, reaching
    // 15 pixels further into the form than the panel.
    struct TDockCandidate {
        TOrvDockPanel* Panel;
        TRect Rect;
    };
    // Where a press starts a drag: the grip of an unlocked docked toolbar, the caption
    // (outside its buttons) of a floating one.
    bool StartsDrag(TPoint p) const;
    // Tracks the pointer with the capture until the button goes up, the capture goes or
    // a quit message comes (posted again for the outer loop). pressed: toolbar client.
    void DragLoop(TPoint pressed);
    void DragMove(TPoint screen);
    // Docked: moves through the rows; true when the pointer pulled the toolbar out.
    bool DragDocked(TPoint screen);
    // Pulled out or floating: docks into a candidate under the pointer, else floats.
    void DockOrFloat(TPoint screen);
    void CollectDockCandidates();
    void CollectDockCandidatesIn(TWinControl* root, bool panelsOnly);
    void AddDockCandidate(TOrvDockPanel* panel);
    // The corner squares at the far end, so that the rounded end repaints.
    void InvalidateFarEndCorners();
    // The floating caption's buttons under p (marks, repaint).
    void SetCaptionButtonMarks(bool closeHot, bool closeDown, bool optionHot, bool optionDown);
    bool FDragging = false;
    int FOldMouseX = 0;
    int FOldMouseY = 0;
    std::vector<TDockCandidate> FDockCandidates;
    bool FCloseHot = false;
    bool FCloseDown = false;
    bool FFloatOptionHot = false;
    bool FFloatOptionDown = false;
    // The close button was released over it: the toolbar closes once the release is done.
    bool FClosePending = false;

    int FDragGripWidth = 7;
    static constexpr int kMinLength = 60;
    int FSizeAtDock = 26;
    int FMinLength = kMinLength;
    int FMaxLength = kMinLength;
    int FFloatingRowCount = 1;
    // The length the toolbar was last given from outside (a dock row, a caller's
    // SetBounds): an auto-sized toolbar hides controls only when this is too short.
    int FGivenLength = INT_MAX;
    int FUpdateCount = 0;
    // Kept faces told to transparent children and the serials that name them.
    TFaceSerials FFaceSerials;
    bool FInternalControlPositioning = false;
    bool FPositioning = false;
    int FPositionCount = 0;

    TOptionSelectorWindow* FOptionWindow = nullptr;  // owned (a component of this toolbar)
    IToolBarCustomizer* FCustomizer = nullptr;
    int FLendingControls = 0;

    bool FInMenuLoop = false;
    bool FMenuFocused = false;
    bool FMenuDropped = false;
    TControl* FHotControl = nullptr;
    // Menu bar: the merged menu; the temporary popup of the open menu item (owned) and
    // the item whose sub-items it holds; the open, last and next buttons.
    TMainMenu* FMergedMenu = nullptr;
    TPopupMenu* FTempMenu = nullptr;
    TMenuItem* FButtonMenu = nullptr;
    TOrvCustomToolBarButton* FMenuButton = nullptr;
    TOrvCustomToolBarButton* FLastMenuButton = nullptr;
    TOrvCustomToolBarButton* FNextMenuHotButton = nullptr;
    bool FMenuResult = false;
    bool FCaptureChangeCancels = false;
    // The form's request for the menu mode is being answered (the mode runs in it).
    bool FInKeyMenu = false;
    // The open menu's message filter and the menu mode's keyboard redirect.
    std::unique_ptr<TThreadHook> FMenuHook;
    std::unique_ptr<TThreadHook> FKeyboardHook;
    TForm* FMenuFormHooked = nullptr;
    int FMenuFormHookId = 0;
    // MDI buttons: the child they act on, shown, hot and pressed (-1: none).
    TForm* FMDIChildForm = nullptr;
    bool FMDIButtonsVisible = false;
    int FMDIHot = -1;
    int FMDIDown = -1;
    bool FMDIWatchOn = false;
    struct TMDIChildEntry {
        TForm* Form;
        TMenuItem* Item;
    };
    std::vector<TMDIChildEntry> FMDIChildEntries;
    TMenuItem* FMDISeparator = nullptr;
    // Cleared when the toolbar goes: a menu's click may free it while its menu shows.
    std::shared_ptr<bool> FMenuBarAlive = std::make_shared<bool>(true);

    // Hover glow of page toolbars and the option indicator's own glow.
    bool FHot = false;
    bool FActive = false;
    bool FGlowRunning = false;
    int FStepHover = 0;
    int FTimeInc = 20;
    bool FOptionHot = false;
    bool FOptionDown = false;
    bool FOptionTimerRunning = false;
    int FOptionStepHover = 0;
    int FOptionStepPush = 0;
    int FOptionHoverInc = 0;
    int FOptionPushInc = 0;
    bool FRightHandleHot = false;
    bool FRightHandleDown = false;
    TKeyTipRows FKeyTipRows;
    bool FCloneKeyTips = false;
    std::wstring FCloneTyped;

    // Compact mode.
    bool FCompact = false;
    bool FCompactedByPage = false;
    bool FCompactSmallest = false;
    TOrvCustomGlowButton* FCompactBtn = nullptr;
    TCompactWindow* FCompactWindow = nullptr;
    TOrvCustomToolBar* FSelfClone = nullptr;
    // Kept hidden after leaving compact mode and taken up again at the next compact.
    TOrvCustomGlowButton* FSpareCompactBtn = nullptr;
    TCompactWindow* FSpareCompactWindow = nullptr;
    TOrvCustomToolBar* FSpareClone = nullptr;
    bool FIsClone = false;
    bool FOldAutoPosition = true;
    bool FOldAutoSize = true;
    bool FOldAutoArrangeButtons = true;
    bool FCloneShrunk = false;
    struct TSavedPlace {
        TControl* Control;
        TRect Bounds;
    };
    std::vector<TSavedPlace> FSavedPlaces;
    // The controls and their sizes as the last positioning left them.
    std::vector<std::pair<const TControl*, TSize>> FPlacedSizes;
};

class TOrvToolBar : public TOrvCustomToolBar {
public:
    ORV_CLASS_NAME(TOrvToolBar)
    using TOrvCustomToolBar::TOrvCustomToolBar;
};

// Hosts controls for a toolbar; paints the parent's background and an etched frame.
class TOrvToolBarContainer : public TCustomControl {
public:
    ORV_CLASS_NAME(TOrvToolBarContainer)
    explicit TOrvToolBarContainer(TComponent* owner);

    // Aligns and keeps the children inside again and repaints (after a styler change).
    void Relayout();
    // The toolbar's styler look for one child (glow look, style, toolbar link).
    void ApplyToolBarTo(TControl* control);

    TOrvCustomToolBar* GetOrvToolBar() const { return FOrvToolBar; }
    void SetOrvToolBar(TOrvCustomToolBar* value);
    TColor GetLineColor() const { return FLineColor; }
    void SetLineColor(TColor value);
    bool GetLine3D() const { return FLine3D; }
    void SetLine3D(bool value);
    bool GetParentStyler() const { return FParentStyler; }
    void SetParentStyler(bool value);
    int GetMargins() const { return FMargins; }
    void SetMargins(int value);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { FAutoSize = value; }
    TGradientBackground& Color() { return FColor; }
    TOrvHintInfo& OfficeHint() { return *FOfficeHint; }
    void AdjustClientRect(TRect& rect) const override;
    // Keeps every child inside the margins.
    void KeepChildrenInside();
    void Notification(TComponent* component, TOperation operation) override;

protected:
    ~TOrvToolBarContainer() override;
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    TOrvCustomToolBar* FOrvToolBar = nullptr;
    TGradientBackground FColor;
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
    TColor FLineColor = clBtnShadow;
    bool FLine3D = true;
    bool FParentStyler = true;
    int FMargins = 0;
    bool FAutoSize = false;
    bool FKeeping = false;
};

// Registers the toolbar, its container, persistence record and the page for stored layouts.
void RegisterToolBarPageClasses();

}  // namespace orv
