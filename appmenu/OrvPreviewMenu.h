#pragma once
// TOrvPreviewMenu: the application menu. A non-visual component holding a column of
// items (each with sub-items shown on the right), the menu's own sub-items shown while
// no item is selected, and a row of push buttons at the bottom. It shows them in a
// pop-up window (OrvPreviewMenuPanel.h) made on first show and reused; its colours come
// from a styler, its internal one when none is linked.
#include <memory>
#include <string>

#include "appmenu/PreviewMenuItems.h"
#include "appmenu/PreviewMenuRecords.h"
#include "buttons/GlowButtonPainter.h"
#include "framework/Component.h"

namespace orv {

class TCanvas;
class TImageList;
class TGDIPPicture;
class TPreviewMenuWindow;
class TOrvPreviewMenuPanel;

using TPreviewButtonClickEvent = TEvent<TObject*, int>;
using TPreviewItemClickEvent = TEvent<TObject*, int>;
using TPreviewSubItemClickEvent = TEvent<TObject*, int, int>;
using TPreviewDrawItemEvent = TEvent<TObject*, TCanvas&, int, TRect>;
using TPreviewDrawSubItemEvent = TEvent<TObject*, TCanvas&, int, int, TRect>;
using TPreviewDrawFrameTopEvent = TEvent<TObject*, TCanvas&, TRect>;

// Whether the system offers the Vista locale interface, as ShowMenu asks it (the older
// systems get the invisible flash first); tests put their own answer in.
extern bool (*PreviewMenuHasVistaLocale)();

// Margins of the panel around its two columns; they follow the scenic-ribbon look.
struct TPreviewFrameMetrics {
    int Margin;
    int TopHeight;
    int BottomHeight;
};

class TOrvPreviewMenu : public TComponent {
public:
    ORV_CLASS_NAME(TOrvPreviewMenu)
    explicit TOrvPreviewMenu(TComponent* owner);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Assign(const TPersistent*) override {}

    // --- showing ------------------------------------------------------------------------
    // Shows the window with its top-left corner at a screen point.
    void ShowMenu(int x, int y);
    void HideMenu();
    bool MenuVisible() const;
    // Builds and lays out the window when needed; the window's size.
    TSize MenuSize();
    void ShowShortCutHints();
    void HideShortCutHints();
    // Forwards to the styler's style interface when it has one.
    void ChangeStyle(bool aWin7, int aStyle);
    // The look of the application button on the top frame (the picture by reference).
    void SetMenuButtonAppearance(TColor borderColor, TColor innerBorderColor, TColor color, TColor colorTo,
                                 TColor colorMirror, TColor colorMirrorTo, TColor shapeColor, bool defaultShape,
                                 TGDIPPicture* picture, const std::wstring& text, const TFont* font);
    int GetVersionNr() const { return 0x01000000; }

    TPreviewFrameMetrics FrameMetrics() const;
    TOrvCustomPreviewMenuStyler& CurrentStyler() const { return *FCurrentStyler; }
    TOrvCustomPreviewMenuStyler& InternalStyler() const { return *FInternalStyler; }
    TPreviewMenuWindow* Window() const { return FPreviewMenuWindow; }
    TOrvPreviewMenuPanel* Panel() const { return FOrvPreviewMenuPanel; }
    bool MenuShowing() const { return FMenuShowing; }
    // An item's caption or enabled state changed: repaint it where it shows.
    void ItemChanged(int index);
    // The menu watches the owner of a button look it was handed, so it can drop it.
    void WatchMenuButtonOwner(TComponent* owner);

    // --- published ------------------------------------------------------------------------
    TAntiAlias GetAntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(TAntiAlias value) { FAntiAlias = value; }
    TButtonCollection& Buttons() { return *FButtons; }
    int GetButtonSpacing() const { return FButtonSpacing; }
    void SetButtonSpacing(int value) { FButtonSpacing = value; }
    int GetButtonHeight() const { return FButtonHeight; }
    void SetButtonHeight(int value) { FButtonHeight = value; }
    TOrvPreviewMenuItems& MenuItems() { return *FMenuItems; }
    int GetMenuSpacing() const { return FMenuSpacing; }
    void SetMenuSpacing(int value) { FMenuSpacing = value; }
    TImageList* GetMenuImages() const { return FMenuImages; }
    void SetMenuImages(TImageList* value) { LinkImages(FMenuImages, value); }
    TImageList* GetMenuDisabledImages() const { return FMenuDisabledImages; }
    void SetMenuDisabledImages(TImageList* value) { LinkImages(FMenuDisabledImages, value); }
    int GetMenuWidth() const { return FMenuWidth; }
    void SetMenuWidth(int value) { FMenuWidth = value; }
    const std::wstring& GetMenuText() const { return FMenuText; }
    void SetMenuText(const std::wstring& value) { FMenuText = value; }
    TFont& MenuFont() { return FMenuFont; }
    int GetSubMenuWidth() const { return FSubMenuWidth; }
    void SetSubMenuWidth(int value) { FSubMenuWidth = value; }
    TOrvPreviewSubMenuItems& SubMenuItems() { return *FSubMenuItems; }
    const std::wstring& GetSubMenuCaption() const { return FSubMenuCaption; }
    void SetSubMenuCaption(const std::wstring& value) { FSubMenuCaption = value; }
    int GetSubMenuItemHeight() const { return FSubMenuItemHeight; }
    void SetSubMenuItemHeight(int value) {
        if (value >= 0) FSubMenuItemHeight = value;
    }
    const std::wstring& GetWideSubMenuCaption() const { return FWideSubMenuCaption; }
    void SetWideSubMenuCaption(const std::wstring& value) { FWideSubMenuCaption = value; }
    int GetSubMenuItemSpacing() const { return FSubMenuItemSpacing; }
    void SetSubMenuItemSpacing(int value) { FSubMenuItemSpacing = value; }
    TImageList* GetSubMenuImages() const { return FSubMenuImages; }
    void SetSubMenuImages(TImageList* value) { LinkImages(FSubMenuImages, value); }
    TImageList* GetSubMenuDisabledImages() const { return FSubMenuDisabledImages; }
    void SetSubMenuDisabledImages(TImageList* value) { LinkImages(FSubMenuDisabledImages, value); }
    TImageList* GetButtonImages() const { return FButtonImages; }
    void SetButtonImages(TImageList* value) { LinkImages(FButtonImages, value); }
    TImageList* GetButtonDisabledImages() const { return FButtonDisabledImages; }
    void SetButtonDisabledImages(TImageList* value) { LinkImages(FButtonDisabledImages, value); }
    TOrvCustomPreviewMenuStyler* GetStyler() const { return FStyler; }
    void SetStyler(TOrvCustomPreviewMenuStyler* value);
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }

    TPreviewButtonClickEvent OnButtonClick;
    TPreviewItemClickEvent OnMenuItemClick;
    TPreviewSubItemClickEvent OnSubMenuItemClick;
    TPreviewDrawItemEvent OnMenuDrawItem;
    TPreviewDrawSubItemEvent OnSubMenuDrawItem;
    // Public, not stored: the application button takes these over when linked.
    TPreviewDrawFrameTopEvent OnDrawButtonFrameTop;
    TNotifyEvent OnPreviewHide;

    // --- the application button's look (SetMenuButtonAppearance) -------------------------
    TColor FMenuButtonBorderColor = clNone;
    TColor FMenuButtonInnerBorderColor = clNone;
    TColor FMenuButtonColor = clNone;
    TColor FMenuButtonColorTo = clNone;
    TColor FMenuButtonColorMirror = clNone;
    TColor FMenuButtonColorMirrorTo = clNone;
    TColor FMenuShapeColor = clNone;
    bool FMenuDefaultShape = false;
    TGDIPPicture* FMenuPicture = nullptr;

    // Registers an action link of one of the items for the action's destruction notice.
    void WatchAction(TBasicAction* action);
    bool FEditorCreated = false;

protected:
    void BeforeDestruction() override;

private:
    void LinkImages(TImageList*& field, TImageList* value);
    void EnsureWindow();
    void ForgetAction(TBasicAction* action);
    void ApplyActionDefaults();

    TComponent* FOwner;
    TOrvCustomPreviewMenuStyler* FInternalStyler;
    TOrvCustomPreviewMenuStyler* FCurrentStyler;
    TOrvCustomPreviewMenuStyler* FStyler = nullptr;
    TPreviewMenuWindow* FPreviewMenuWindow = nullptr;
    TOrvPreviewMenuPanel* FOrvPreviewMenuPanel = nullptr;
    TComponent* FMenuButtonOwner = nullptr;
    int FTopFrameHeight = 16;
    int FOffSetX = 10;
    bool FMenuShowing = false;
    bool FFlashing = false;

    TAntiAlias FAntiAlias = aaClearType;
    std::unique_ptr<TButtonCollection> FButtons;
    int FButtonSpacing = 4;
    int FButtonHeight = 25;
    std::unique_ptr<TOrvPreviewMenuItems> FMenuItems;
    int FMenuSpacing = 8;
    TImageList* FMenuImages = nullptr;
    TImageList* FMenuDisabledImages = nullptr;
    int FMenuWidth = 0;
    std::wstring FMenuText;
    TFont FMenuFont;
    int FSubMenuWidth = 0;
    std::unique_ptr<TOrvPreviewSubMenuItems> FSubMenuItems;
    std::wstring FSubMenuCaption;
    int FSubMenuItemHeight = 0;
    std::wstring FWideSubMenuCaption;
    int FSubMenuItemSpacing = 0;
    TImageList* FSubMenuImages = nullptr;
    TImageList* FSubMenuDisabledImages = nullptr;
    TImageList* FButtonImages = nullptr;
    TImageList* FButtonDisabledImages = nullptr;
    bool FShowHint = false;
};

void RegisterAppMenuClasses();

}  // namespace orv
