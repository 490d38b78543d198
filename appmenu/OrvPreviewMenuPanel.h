#pragma once
// The application menu's pop-up window and the panel that fills it. The panel lays the
// menu model out, paints it in the styler's colours and handles mouse, keyboard, key
// tips, sub-item paging and pop-up sub-menus. The window is owned by the menu's owner;
// the panel by the window. Coordinates are the panel's client coordinates.
#include <memory>
#include <string>
#include <vector>

#include "appmenu/PreviewMenuFace.h"
#include "appmenu/PreviewMenuLayout.h"
#include "framework/Forms.h"
#include "framework/PopupForm.h"
#include "framework/WinControl.h"

namespace orv {

class TOrvPreviewMenu;
class TOrvPreviewMenuPanel;
class TOrvGlowButton;
class TOrvHintInfo;
class TTimer;
class TThreadHook;
class TPopupMenu;
class TOrvPreviewSubMenuItems;
class TSelectionAppearance;
struct TGlowColorSet;

// The borderless pop-up: hides itself when it loses the activation.
class TPreviewMenuWindow : public TPopupForm {
public:
    ORV_CLASS_NAME(TPreviewMenuWindow)
    explicit TPreviewMenuWindow(TComponent* owner);

    TOrvPreviewMenuPanel* GetPreviewMenuPanel() const { return FPreviewMenuPanel; }
    void SetPreviewMenuPanel(TOrvPreviewMenuPanel* value) { FPreviewMenuPanel = value; }
    // The window shape: square with the scenic look, else 4 x 4 rounded corners.
    void ApplyRegion();
    void SetVisible(bool value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    LRESULT DialogCode() override { return 131; }
    void KeyDown(uint16_t& key, TShiftState shift) override;

private:
    TOrvPreviewMenuPanel* FPreviewMenuPanel = nullptr;
};

// The base panel: lays out nothing and passes input on.
class TOrvCustomPreviewMenuPanel : public TCustomControl {
public:
    ORV_CLASS_NAME(TOrvCustomPreviewMenuPanel)
    explicit TOrvCustomPreviewMenuPanel(TComponent* owner);
    virtual void InitializeAndUpdate() {}
    TNotifyEvent FOnShouldHide;

protected:
    LRESULT DialogCode() override { return 131; }
    TComponent* FOwner;
    bool FShowBorder = false;
};

// Paging state of the sub-item list.
class TMenuItemScroller {
public:
    int GetMin() const { return FMin; }
    void SetMin(int value) {
        if (value <= FMax) FMin = value;
    }
    int GetMax() const { return FMax; }
    void SetMax(int value) {
        if (value >= FMin) FMax = value;
    }
    int GetPosition() const { return FPosition; }
    void SetPosition(int value) { FPosition = value; }
    bool CanGoBack() const { return FPosition > FMin; }
    bool CanGoForward() const { return FPosition < FMax; }
    bool Visible() const { return CanGoBack() || CanGoForward(); }

private:
    int FMin = 0;
    int FMax = 0;
    int FPosition = 0;
};

// What lies under a point of the panel.
enum TPreviewHitKind { phNone, phItem, phSubItem, phScrollUp, phScrollDown, phMenuButton };
struct TPreviewHit {
    TPreviewHitKind Kind = phNone;
    int Index = -1;         // collection index of the item or sub-item
    bool DropDown = false;  // over the drop-down part of a split item
};

class TOrvPreviewMenuPanel : public TOrvCustomPreviewMenuPanel {
public:
    ORV_CLASS_NAME(TOrvPreviewMenuPanel)
    explicit TOrvPreviewMenuPanel(TComponent* owner);
    ~TOrvPreviewMenuPanel() override;

    TOrvPreviewMenu* Menu() const { return FOrvPreviewMenu; }
    void SetMenu(TOrvPreviewMenu* value) { FOrvPreviewMenu = value; }
    void InitializeAndUpdate() override;

    // --- geometry (panel client coordinates) -------------------------------------------------
    TRect LeftFrameRect() const { return FLeftFrameRect; }
    TRect RightFrameRect() const { return FRightFrameRect; }
    int ItemHeight() const { return FItemHeight; }
    int SubMenuItemHeight() const { return FSubMenuItemHeight; }
    int SubMenuCaptionHeight() const { return FSubMenuCaptionHeight; }
    // Rectangle of an item or sub-item by collection index; empty when not shown.
    TRect ItemRect(int index) const;
    TRect SubItemRect(int index) const;
    TPreviewHit HitTest(TPoint p) const;
    TPreviewPaging Paging() const { return FPaging; }
    TMenuItemScroller& SubMenuScroller() { return FSubMenuScroller; }
    TRect ScrollUpRect() const;
    TRect ScrollDownRect() const;
    // The box of a key tip of an item, its drop-down part or a sub-item.
    TRect ItemTipRect(int index, bool dropDown);
    TRect SubItemTipRect(int index);

    // --- state ----------------------------------------------------------------------------------
    int ItemIndex() const { return FItemIndex; }
    int ItemHot() const { return FItemHot; }
    int ItemDown() const { return FItemDown; }
    int SubMenuItem() const { return FSubMenuItem; }
    int SubMenuItemHot() const { return FSubMenuItemHot; }
    int TopSubMenuItem() const { return FTopSubMenuItem; }
    int ButtonHot() const { return FButtonHot; }
    bool KeyTipsShowing() const { return FShortCutItemHintShowing || FShortCutSubMenuItemHintShowing; }
    bool ButtonPartHot() const { return FButtonPartHot; }
    bool DropDownPartHot() const { return FDropDownPartHot; }
    TPopupMenu* SubMenuPopup() const { return FSubMenuPopup; }
    // Typed key-tip characters that matched no tip (each one beeped).
    int KeyTipMisses() const { return FKeyTipMisses; }
    const std::vector<TOrvGlowButton*>& ButtonList() const { return FButtonList; }
    // The sub-item list shown now (an item's, or the menu's own).
    TOrvPreviewSubMenuItems* ShownSubItems() const;

    // --- operations used by the menu --------------------------------------------------------------
    void ShowAllItemKeyTips();
    void HideAllKeyTips();
    void InvalidateItem(int index);
    void InvalidateSubItem(int index);
    // Makes an item hot; from the keyboard the right area follows at once.
    void SetItemHot(int index, bool byKeyboard);
    void SetSubItemHot(int index);
    // Pages the sub-items one page back or forward (sliding).
    void ScrollSubItems(bool forward);
    // Marks an item pressed, as a press on it does until the release (-1: none).
    void SetItemDown(int index);
    // Something the panel paints changed outside its own state (an item's caption or
    // enabled state, the application button's colours): the kept face is not reused.
    // A new look version; the faces of the old one are dropped, as nothing asks for them again.
    void LookChanged();

    // Paints the panel into a canvas directly (also used by tests and the renderer); the
    // window's own paint copies a kept face of the same picture where it can.
    void PaintTo(TCanvas& canvas);
    // True when the window paint goes through the face cache (no draw handlers).
    bool FaceCacheable() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(wchar_t& key) override;
    void DoEnter() override;
    void WndProc(TMessage& message) override;
    void BeforeDestruction() override;

private:
    // Measures.
    void MeasureItems(int& height, int& naturalWidth);
    TSize MeasureSubItems(TOrvPreviewSubMenuItems& list, int spacing, const std::wstring& caption, int fixedHeight,
                          int& captionHeight);
    void SelectSubList(int item);
    void ResetPaging();
    int VisiblePosOfItem(int index) const;
    int VisiblePosOfSubItem(int index) const;
    bool ItemList() const { return FSubMenuItem >= 0; }

    // Input.
    void ClickItem(int index);
    void ClickSubItem(int index);
    void ClickButton(int index);
    void HideMenuNow();
    int NextItem(int from, bool forward) const;
    int NextSubItem(int from, bool forward) const;
    void MouseTimerTick(TObject*);
    void LoadOfficeHint(TOrvHintInfo* hint);
    void TypeKeyTip(wchar_t c);
    bool ItemHasTip(int index) const;
    std::wstring ItemTipText(int index) const;
    void OpenSubMenuPopup(int index);
    void CloseSubMenuPopup();
    void ShowSubItemKeyTips();
    // Painting (PreviewMenuPaint.cpp).
    void PaintFrame(TCanvas& canvas);
    void PaintItem(TCanvas& canvas, int index);
    void PaintSubArea(TCanvas& canvas);
    void PaintSubItem(TCanvas& canvas, int index);
    void PaintScrollArrow(TCanvas& canvas, bool up);
    void PaintKeyTip(TCanvas& canvas, const TRect& box, const std::wstring& text);
    TRect SubListClip() const;
    TPreviewPanelFace FaceKey() const;

    TOrvPreviewMenu* FOrvPreviewMenu = nullptr;
    uint64_t FLookVersion = NextPreviewPanelLookVersion();
    TRect FLeftFrameRect;
    TRect FRightFrameRect;
    int FItemIndex = -1;
    int FItemHot = -1;
    int FItemDown = -1;
    int FItemHeight = 12;
    int FImageSpace = 4;
    int FLineSpace = 2;
    std::vector<TOrvGlowButton*> FButtonList;
    int FSubMenuItem = -1;
    int FSubMenuItemHeight = 12;
    int FSubMenuItemHot = -1;
    int FSubMenuItemDown = -1;
    int FSubMenuCaptionHeight = 0;
    TPopupMenu* FSubMenuPopup = nullptr;
    std::unique_ptr<TOrvHintInfo> FOfficeHint;
    bool FShortCutItemHintShowing = false;
    bool FShortCutSubMenuItemHintShowing = false;
    std::vector<int> FSubItemTips;  // sub-items whose key tip shows
    std::wstring FShortCutChars;
    bool FButtonPartHot = false;
    bool FDropDownPartHot = false;
    TTimer* FMouseTimer;
    bool FMouseSetHot = false;
    int FMouseItemHot = -1;
    TMenuItemScroller FSubMenuScroller;
    TPreviewPaging FPaging;
    int FSubMenuVisibleItemCount = 0;
    int FTopSubMenuItem = 0;
    bool FSubMenuScollUpHot = false;
    bool FSubMenuScollUpDown = false;
    bool FSubMenuScollDownHot = false;
    bool FSubMenuScollDownDown = false;
    bool FSubMenuScrolling = false;
    int FButtonHot = -1;
    TRect FPopupOverlapRect{-1, -1, -1, -1};
    bool FShowingPopupMenu = false;
    bool FInternalHideSubMenuPopup = false;
    bool FIgnoreMouseDown = false;
    bool FInternalClick = false;
    std::unique_ptr<TThreadHook> FPopupFilter;
    bool FFocusFromButton = false;
    int FKeyTipMisses = 0;
};

}  // namespace orv
