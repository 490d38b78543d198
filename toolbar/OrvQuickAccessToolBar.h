#pragma once
// TOrvQuickAccessToolBar: the small strip of command controls (glow buttons, toolbar
// buttons, toolbar menu buttons) that lives only on a toolbar pager: in its caption bar
// right of the application button, or (full size) across the pager's width below the
// pages. It lays its controls out left to right, moves those that do not fit into an
// overflow list shown in a drop-down option window, offers a customize button with a
// drop-down menu, shows the application's small icon in the scenic mode and takes part in
// the pager's key tips. Colours come from the pager's current styler.
//
// Owns: its customize, overflow and reference buttons, the application icon, the
// overflow window (with its panel) and its two lists. Its controls belong to whoever made
// them; image lists and the drop-down menu are links. Coordinates: client coordinates of
// the strip.
#include <cstdint>
#include <memory>
#include <string>

#include "buttons/OrvGlowButton.h"
#include "framework/WinControl.h"
#include "toolbar/DbgList.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarStyler.h"
#include "toolbar/OrvVistaButton.h"
#include "toolbar/QuickAccessPaint.h"

namespace orv {

class TControlSelectorPanel;
class TImageList;
class TOptionSelectorWindow;
class TOrvToolBarPager;
class TOrvVistaButton;
class TPopupMenu;

// The application icon on the strip; its class keeps it out of layouts and counts.
class TAppIconGlowButton : public TOrvGlowButton {
public:
    ORV_CLASS_NAME(TAppIconGlowButton)
    explicit TAppIconGlowButton(TComponent* owner);
};

class TOrvCustomQuickAccessToolBar : public TCustomControl,
                                     public IQuickAccessToolBar,
                                     public IToolBarStylerClient,
                                     public IToolBarKeyTips {
public:
    ORV_CLASS_NAME(TOrvCustomQuickAccessToolBar)
    explicit TOrvCustomQuickAccessToolBar(TComponent* owner);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Only a pager or no parent; anything else raises "Invalid Parent" and changes
    // nothing. Moving a strip on glass to a pager off a toolbar form ends glass for good.
    void SetParent(TWinControl* parent) override;
    // Followed by the size the pager gives and the overflow check.
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool value) override;

    // --- controls ------------------------------------------------------------------------
    // Makes the strip the control's parent when it is not already.
    void AddToolBarControl(TControl* control);
    // The framework's removal; a control in the overflow also leaves the hidden list and
    // the overflow panel.
    void RemoveControl(TControl* control);
    // Frees every control of the strip and of the overflow (not its own buttons).
    void Clear();
    void HideOverflowWindow();
    // Redrawing off while visible; EndUpdate switches it back on at the outermost level
    // (also while hidden, keeping the strip hidden) and lays out again.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // --- used by the pager ---------------------------------------------------------------
    bool GetFullSize() const { return FFullSize; }
    void SetFullSize(bool value);
    // The pager changed its size or caption: take the place it gives and check the overflow.
    void PagerChanged();
    void ApplyStylerChange(int code) override;
    void ToolBarStylerDestroying(TCustomOrvToolBarStyler*) override {}
    void ShowShortCutHints();
    void HideShortCutHints();
    // Case-insensitive: an exact match activates its button (when enabled and visible)
    // and answers true; other buttons whose hint no longer starts with typed hide their
    // tip, the rest count in remaining.
    bool MatchShortCutHint(const std::wstring& typed, int& remaining);
    TMatch MatchShortCutHint(const std::wstring& typed) override;

    // --- layout ----------------------------------------------------------------------------
    void UpdateControlList();
    void UpdateSize();
    void PositionControls(bool updateSize = false);
    void CheckOverflow();
    void UpdateAppIcon();
    void ApplyStylerToControls();
    // Control list rebuilt, size, positions, overflow.
    void FullReLayout();
    // The width the controls, the overflow and the insets ask for.
    int NeededWidth(int height) const;
    TQuickAccessGeometry Geometry() const;
    TRect FrameRect() const { return QuickAccessFrameRect(Geometry()); }
    TRect ContentRect() const { return QuickAccessContentRect(Geometry()); }
    TRect OverflowButtonRect() const { return QuickAccessOverflowButtonRect(Geometry()); }

    // --- published ---------------------------------------------------------------------------
    const std::wstring& GetCustomizeHint() const { return FCustomizeHint; }
    void SetCustomizeHint(const std::wstring& value);
    TImageList* GetImages() const { return FImages; }
    void SetImages(TImageList* value);
    TImageList* GetDisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TImageList* value);
    bool GetShowCustomizeOption() const { return FShowCustomizeOption; }
    void SetShowCustomizeOption(bool value);
    TPopupMenu* GetDropDownPopupMenu() const { return FDropDownPopupMenu; }
    void SetDropDownPopupMenu(TPopupMenu* value);
    TNotifyEvent OnCustomizeClick;

    // --- state read by the pager, tests and the renderer ----------------------------------------
    TOrvToolBarPager* Pager() const;
    // The pager's current styler, null without a pager.
    TCustomOrvToolBarStyler* Styler() const;
    const TDbgList<TControl>& ControlList() const { return FCtrlList; }
    const TDbgList<TControl>& HiddenControlList() const { return FHiddenCtrlList; }
    TOrvVistaButton* CustomizeButton() const { return FCustomizeButton; }
    TOrvVistaButton* ScrollButton() const { return FScrollButton; }
    TOptionSelectorWindow* OverflowWindow() const { return FOverflowWindow; }
    TControlSelectorPanel* OverflowWindowPanel() const { return FOverflowWindowPanel; }
    TAppIconGlowButton* AppIcon() const { return Fapp; }
    TOrvGlowButton* RefGlowButton() const { return FRefGlowButton; }
    bool IsAeroVista() const { return FIsAeroVista; }
    bool RefToggle() const { return FRef; }
    // A visible toolbar button, menu button or glow button other than the icon and the
    // reference button.
    bool CommandControlVisible() const;
    // Fills the overflow window and shows it under the strip's right end.
    void ShowOverflowWindow();
    bool OverflowWindowShowing() const;
    // Invalidates the reference button (or the first child that is not a Vista button)
    // so the glass is drawn again.
    void GlassRefresh();

    // --- IQuickAccessToolBar -------------------------------------------------------------------
    TWinControl* QuickAccessControl() override { return this; }
    bool AddQuickAccessControl(TControl*) override { return true; }
    void RemoveQuickAccessControl(TControl* control) override;
    TCustomOrvToolBarStyler* QuickAccessStyler() override { return Styler(); }
    TImageList* QuickAccessImages() override { return FImages; }
    TImageList* QuickAccessDisabledImages() override { return FDisabledImages; }
    bool OnAeroGlass() override { return FIsAeroVista; }
    bool FullSize() override { return FFullSize; }
    bool FormMaximized() override;
    void CloseOverflowWindow() override { HideOverflowWindow(); }
    void ButtonPressed(int groupIndex, TControl* sender) override;

protected:
    ~TOrvCustomQuickAccessToolBar() override;
    void BeforeDestruction() override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    void EraseBackground(HDC dc) override;
    void AlignControls(TControl* control, TRect& rect) override;

private:
    bool Excluded(const TControl* control) const;
    void ChildInserted(TControl* control);
    void ChildRemoved(TControl* control);
    void SetupCustomizeButton();
    void CustomizeClick(TObject* sender);
    void MakeVistaButton(TOrvVistaButton*& field, TArrowStyle style, TScrollArrow arrow);
    void ShowScrollButton();
    void FillOverflowWindow();
    void OverflowWindowHidden();
    void AppIconClick(TObject* sender);
    void ApplyImagesToControls(bool rebuildShades);
    void PaintGlass(HDC dc);
    void PaintCaption(HDC dc);
    void VisibilityChanged(bool visible);

    uint32_t FAppButtonTime = 0;
    TAppIconGlowButton* Fapp = nullptr;
    bool FFullSize = false;
    bool FShowCustomizeOption = false;
    TDbgList<TControl> FCtrlList;
    TDbgList<TControl> FHiddenCtrlList;
    bool FInternalUpdatingControlPos = false;
    bool FInternalUpdatingSize = false;
    TOrvVistaButton* FCustomizeButton = nullptr;
    TOrvVistaButton* FScrollButton = nullptr;
    TOptionSelectorWindow* FOverflowWindow = nullptr;
    TControlSelectorPanel* FOverflowWindowPanel = nullptr;
    TImageList* FDisabledImages = nullptr;
    TImageList* FImages = nullptr;
    int FButtonWidth = 14;
    int FButtonGap = 2;
    TPopupMenu* FDropDownPopupMenu = nullptr;
    int FUpdateCount = 0;
    std::wstring FCustomizeHint;
    bool FIsAeroVista = false;
    TOrvGlowButton* FRefGlowButton = nullptr;
    bool FRef = false;
    bool FVisibleChanged = false;
    // The child the framework is taking off the strip right now (still in its list).
    TControl* FRemoving = nullptr;
    // Controls are being lent to the overflow panel.
    bool FLending = false;
    // Cleared when the strip goes: a handler run from a click may free it.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

class TOrvQuickAccessToolBar : public TOrvCustomQuickAccessToolBar {
public:
    ORV_CLASS_NAME(TOrvQuickAccessToolBar)
    using TOrvCustomQuickAccessToolBar::TOrvCustomQuickAccessToolBar;
};

// Registers the quick access toolbar for stored layouts (the toolbar unit calls it).
void RegisterQuickAccessToolBarClasses();

}  // namespace orv
