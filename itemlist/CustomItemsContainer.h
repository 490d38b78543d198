#pragma once
// The items container: the scrolling window that shows a base list. It lays the items
// out (one column, a grid of fixed columns or rows, or free positions), sizes them to
// its width or height, scrolls with scroll bars or round on-canvas handles, paints its
// fill, border sides, the items, a drop marker and the handles with GDI+, turns mouse,
// keyboard, hint and focus messages into list calls, reorders items by drag and drop,
// shows item key tips, and answers the style interfaces. It owns its list, fill,
// margins and handle appearance; items are created with the container as owner.
#include <cstdint>
#include <memory>
#include <string>

// The platform's headers before the style interface: ChangeMenu is one of their macros,
// so the interface and this class must both see it (include this header before any
// other that brings in the style interface).
#include <windows.h>
// clang-format off
#include "toolbar/OrvStyleIF.h"
#include "framework/DragDrop.h"
#include "framework/Margins.h"
#include "framework/ScrollingWinControl.h"
#include "itemlist/ContainerFace.h"
#include "itemlist/GDIPBase.h"
// TBorderStyle (bsNone, bsSingle) is the glow button's.
#include "buttons/GlowButtonPainter.h"
// clang-format on

namespace orv {

enum TAutoSizeMode : uint8_t { asmControl, asmItems, asmNone };
enum TAutoSizeType : uint8_t { astWidth, astHeight, astBoth };
enum TListBorderMode : uint8_t { bmNormal, bmTransition };
enum TListBorderType : uint8_t {
    btNormalLeft,
    btNormalTop,
    btNormalRight,
    btNormalBottom,
    btGradientLeft,
    btGradientTop,
    btGradientRight,
    btGradientBottom
};
// A set of TListBorderType: bit n for ordinal n.
using TListBorderTypes = uint8_t;
constexpr TListBorderTypes BorderBit(TListBorderType t) {
    return static_cast<TListBorderTypes>(1u << t);
}
constexpr TListBorderTypes kAllNormalBorders =
    BorderBit(btNormalLeft) | BorderBit(btNormalTop) | BorderBit(btNormalRight) | BorderBit(btNormalBottom);
enum TScrollType : uint8_t { stScrollers, stHandles };
enum TContainerConnection : uint8_t { ccLeft, ccTop, ccRight, ccBottom };
enum TContainerMode : uint8_t { cmNoBorder, cmNormalBorder, cmGradientBorder };
enum THandleKind : uint8_t { hkLeft, hkTop, hkRight, hkBottom };

// Sets a flag for its lifetime (re-entry guards of the passes).
class TFlagGuard {
public:
    explicit TFlagGuard(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TFlagGuard() { FFlag = false; }
    TFlagGuard(const TFlagGuard&) = delete;
    TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
    bool& FFlag;
};

using TDrawEvent = TEvent<TObject*, TGPGraphics&, TGPRectF>;
using TScrollEvent = TEvent<TObject*, int>;
using TExpandEvent = TEvent<TObject*, TCustomItem*, bool>;

// Look of the round scroll handles. Owned by the container.
class THandleAppearance : public TPersistent {
public:
    ORV_CLASS_NAME(THandleAppearance)
    void Assign(const TPersistent* source) override;
    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor GetArrowColor() const { return FArrowColor; }
    void SetArrowColor(TColor value);
    uint8_t GetOpacity() const { return FOpacity; }
    void SetOpacity(uint8_t value);
    int32_t GetSize() const { return FSize; }
    void SetSize(int32_t value);
    TNotifyEvent OnChange;

private:
    template <class T>
    void Store(T& field, T value) {
        if (field == value) return;
        field = value;
        OnChange(this);
    }
    TColor FColor = 0xC0C0C0;
    TColor FBorderColor = 0xC0C0C0;
    TColor FArrowColor = 0x000000;
    uint8_t FOpacity = 200;
    int32_t FSize = 35;
};

// A scrolling window that paints through Paint on its own control canvas.
class TScrollContainer : public TScrollingWinControl {
public:
    ORV_CLASS_NAME(TScrollContainer)
    explicit TScrollContainer(TComponent* owner);
    ~TScrollContainer() override;
    TCanvas& Canvas() { return *FCanvas; }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

class TCustomItemsContainer : public TScrollContainer,
                              public IWinStyle,
                              public IGDIPExpand,
                              public IGDIPAnchor,
                              public IPictureContainerSupport,
                              public IGDIPBase,
                              public IZemStyle,
                              public IDragTarget {
public:
    ORV_CLASS_NAME(TCustomItemsContainer)
    explicit TCustomItemsContainer(TComponent* owner);

    // --- content ------------------------------------------------------------------------
    // itemClass: a registered item class name; null when unknown.
    TCustomItem* AddItem(const std::wstring& itemClass);
    TCustomItem* InsertItem(int index, const std::wstring& itemClass);
    template <class T>
    T* AddItem() {
        return static_cast<T*>(FList->AddItem(Make<T>(this)));
    }
    template <class T>
    T* InsertItem(int index) {
        return static_cast<T*>(FList->InsertItem(index, Make<T>(this)));
    }
    void RemoveItem(int index) { FList->RemoveItem(index); }
    void ClearItems();
    int ItemCount() const { return FList->Items().Count(); }
    TCustomItem* Items(int index) const { return FList->Items().Items(index); }
    void SelectItem(int index) { FList->SelectItem(index); }
    void UnSelectItem(int index) { FList->UnSelectItem(index); }
    void VisualizeItem(int index, bool allowScrollItem, bool allowSelectItem);
    void ScrollToItem(int index);
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    void Assign(const TPersistent* source) override;
    void ApplyDefaultItemStyle();
    void SetComponentStyle(TZemStyle style) override;
    void ConnectContainer(TCustomItemsContainer* container, TContainerConnection connection, TContainerMode mode);
    // A copy of it (same class) added to the list; null without it.
    TCustomItem* AddDropItem(TCustomItem* it);
    TCustomItem* DropItem() const { return FDropItem; }
    // Where the drop marker lies while an item is dragged over another (client
    // coordinates): a line half the spacing before the target, across it when the dragged
    // item lies above or below, along its left side otherwise. False when none shows.
    bool DropMarkerLine(TGPPointF& from, TGPPointF& to) const;
    TCustomItem* SelectedDragDropItem() const { return FDragItem; }
    void ShowShortCutHints();
    void HideShortCutHints();
    bool ShortCutHintsShown() const { return FShortCutHintShowing; }
    TCanvas& GetCanvas() { return Canvas(); }

    // --- painting steps (g covers the client area) ----------------------------------------
    void Draw(TGPGraphics& g);
    void DrawBackGround(TGPGraphics& g);
    void DrawItems(TGPGraphics& g);
    void DrawDragLine(TGPGraphics& g, const TGPRectF& r);
    void DrawHandles(TGPGraphics& g);
    // The box of a handle (Size x Size) and whether it is shown now.
    TGPRectF HandleRect(THandleKind kind) const;
    bool HandleShown(THandleKind kind) const;

    // --- IWinStyle -------------------------------------------------------------------------
    void ChangeStyle(bool aWin7, int aStyle) override;
    void ChangeMenu(TColor aColor) override;
    void UpdateMenu() override {}
    void HideMenu() override {}
    void ShowMenuShortCuts() override { ShowShortCutHints(); }
    void HideMenuShortCuts() override { HideShortCutHints(); }

    // --- other interfaces --------------------------------------------------------------------
    void Expand(TCustomItem* item, bool expand) override;
    void Anchor(const std::wstring& anchor) override;
    void FillPictureNames(const std::function<void(const std::wstring&)>& proc) override;
    void GetPictures(TPictureContainerList& list) override;
    void ReadItem(TLayoutReader* reader, TCustomItem* item) override;
    void AttachItem(TComponent* parent, TCustomItem* item) override;
    void ReadItem(TComponent* item) override { OfferItemToContainer(this, item); }
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    void DragDrop(TObject* source, int x, int y) override;

    // --- properties ------------------------------------------------------------------------------
    TAutoSizeMode GetAutoSizeMode() const { return FAutoSizeMode; }
    void SetAutoSizeMode(TAutoSizeMode value) { Store(FAutoSizeMode, value); }
    TAutoSizeType GetAutoSizeType() const { return FAutoSizeType; }
    void SetAutoSizeType(TAutoSizeType value) { Store(FAutoSizeType, value); }
    TCustomBaseList& List() { return *FList; }
    void SetList(const TCustomBaseList& value) {
        FList->Assign(&value);
        WatchAppearanceLinks();
    }
    TGDIPFill& Fill() { return *FFill; }
    void SetFill(const TGDIPFill& value) { FFill->Assign(&value); }
    int32_t GetHorizontalSpacing() const { return FHorizontalSpacing; }
    void SetHorizontalSpacing(int32_t value) { Store(FHorizontalSpacing, value); }
    int32_t GetVerticalSpacing() const { return FVerticalSpacing; }
    void SetVerticalSpacing(int32_t value) { Store(FVerticalSpacing, value); }
    TMargins& ListMargins() { return FListMargins; }
    void SetListMargins(const TMargins& value) { FListMargins.Assign(&value); }
    bool GetReorder() const { return FReorder; }
    void SetReorder(bool value) { Store(FReorder, value); }
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { Store(FReadOnly, value); }
    int32_t GetColumns() const { return FColumns; }
    void SetColumns(int32_t value);
    int32_t GetRows() const { return FRows; }
    void SetRows(int32_t value);
    bool GetShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value) { Store(FShowFocus, value); }
    TListBorderMode GetBorderMode() const { return FBorderMode; }
    void SetBorderMode(TListBorderMode value) { Store(FBorderMode, value); }
    TListBorderTypes GetBorderTypes() const { return FBorderTypes; }
    void SetBorderTypes(TListBorderTypes value) { Store(FBorderTypes, value); }
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // The 3-D look: a bsSingle border is a sunken client edge with it, a plain line without.
    bool GetCtl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    TGDIPPictureContainer* GetPictureContainer() const { return FList->Appearance().GetPictureContainer(); }
    void SetPictureContainer(TGDIPPictureContainer* value);
    TImageList* GetImageList() const { return FList->Appearance().GetImageList(); }
    void SetImageList(TImageList* value);
    std::wstring GetVersion() const;
    void SetVersion(const std::wstring& /*value*/) {}
    bool GetDragLine() const { return FDragLine; }
    void SetDragLine(bool value) { Store(FDragLine, value); }
    TColor GetDragLineColor() const { return FDragLineColor; }
    void SetDragLineColor(TColor value) { Store(FDragLineColor, value); }
    THandleAppearance& HandleAppearance() { return FHandleAppearance; }
    void SetHandleAppearance(const THandleAppearance& value) { FHandleAppearance.Assign(&value); }
    TScrollType GetScrollType() const { return FScrollType; }
    void SetScrollType(TScrollType value) { Store(FScrollType, value); }
    bool GetThumbTracking() const { return FThumbTracking; }
    void SetThumbTracking(bool value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TTextRenderingHint GetTextRendering() const { return FTextRendering; }
    void SetTextRendering(TTextRenderingHint value) { Store(FTextRendering, value); }
    bool GetIsMainMenu() const { return FIsMainMenu; }
    void SetIsMainMenu(bool value) { Store(FIsMainMenu, value); }

    TDrawEvent OnStartDraw;
    TDrawEvent OnEndDraw;
    TNotifyEvent OnChange;
    TNotifyEvent OnInternalChange;
    TItemCompareEvent OnItemCompare;
    TItemSelectEvent OnItemSelect;
    TItemSelectEvent OnItemDeSelect;
    TScrollEvent OnVerticalScroll;
    TScrollEvent OnHorizontalScroll;
    TExpandEvent OnInternalExpand;

    // The change pass (also run by every setter).
    void DoChange();
    int HorizontalPosition() const { return FHorzPos; }
    int VerticalPosition() const { return FVertPos; }
    bool VerticalScrollActive() const { return FVertActive; }
    bool HorizontalScrollActive() const { return FHorzActive; }
    void SetVerticalPosition(int value);
    void SetHorizontalPosition(int value);

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void GetChildren(std::vector<TComponent*>& children) const override;

protected:
    void BeforeDestruction() override;
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool MouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void WindowTimer(UINT_PTR id) override;
    LRESULT DialogCode() override;
    void ScrollPositionChanged(TScrollBarKind kind) override;

private:
    template <class T>
    void Store(T& field, T value) {
        if (field == value) return;
        field = value;
        DoChange();
    }
    // Whether a paint may come from the face cache, and the paint's description.
    bool FaceCacheable() const;
    TContainerFace FaceKey() const;
    void ListPass();
    void GridPass();
    void PositionPass();
    void ScrollBarPass();
    int ShadowSize() const;
    void HandleScroll(THandleKind kind);
    void ClearHandles(bool pressedOnly);
    void ListChanged(TObject*) { DoChange(); }
    void ListRefresh(TObject*);
    void PartChanged(TObject*) { DoChange(); }
    void HandleAppearanceChanged(TObject*);
    void ListItemSelect(TObject* sender, TCustomItem* item, bool& allow) { OnItemSelect(sender, item, allow); }
    void ListItemDeSelect(TObject* sender, TCustomItem* item, bool& allow) { OnItemDeSelect(sender, item, allow); }
    void ListItemCompare(TObject* sender, TCustomItem* a, TCustomItem* b, int32_t& result);
    void StartDragging();
    // Free notifications follow the picture container and image list of the appearance.
    void WatchAppearanceLinks();

    std::unique_ptr<TCustomBaseList> FList;
    std::unique_ptr<TGDIPFill> FFill;
    TMargins FListMargins;
    THandleAppearance FHandleAppearance;
    TAutoSizeMode FAutoSizeMode = asmItems;
    TAutoSizeType FAutoSizeType = astWidth;
    int32_t FHorizontalSpacing = 5;
    int32_t FVerticalSpacing = 5;
    bool FReorder = true;
    bool FReadOnly = false;
    int32_t FColumns = 1;
    int32_t FRows = 0;
    bool FShowFocus = true;
    TListBorderMode FBorderMode = bmNormal;
    TListBorderTypes FBorderTypes = kAllNormalBorders;
    TBorderStyle FBorderStyle = bsNone;
    bool FCtl3D = true;
    bool FDragLine = true;
    TColor FDragLineColor = 0x0000FF;
    TScrollType FScrollType = stScrollers;
    bool FThumbTracking = true;
    bool FTransparent = false;
    TTextRenderingHint FTextRendering = TextRenderingHintClearTypeGridFit;
    bool FIsMainMenu = false;

    int FHorzPos = 0, FVertPos = 0, FPrevHorzPos = 0, FPrevVertPos = 0;
    bool FHorzActive = false, FVertActive = false;
    int FUpdateCount = 0;
    bool FInListPass = false, FInPositionPass = false;
    bool FMouseDown = false, FDragging = false, FPressedOnItem = false;
    TPoint FPressPoint{0, 0};
    TCustomItem* FDragItem = nullptr;
    TCustomItem* FDropItem = nullptr;
    bool FDropMarker = false;
    bool FHandlePressed[4] = {false, false, false, false};
    bool FHandleHovered[4] = {false, false, false, false};
    int FRepeatTicks = 0;
    std::wstring FTypedHint;
    bool FShortCutHintShowing = false;
    TCursor FSavedCursor = crDefault;
    bool FSettingAnchorCursor = false;
    bool FDragTimerOn = false;
    bool FChanging = false;
    TComponent* FWatchedPictures = nullptr;
    TComponent* FWatchedImages = nullptr;
    uint64_t FLookVersion = NextContainerLookVersion();
};

}  // namespace orv
