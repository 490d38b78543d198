#pragma once
// The base list: the model behind every items container. It owns the items in display
// order and the list appearance (fills and fonts the items paint with), keeps the range
// of items in view and the keyboard focus among items, selects items, moves the
// selection with the arrow keys, hands mouse, hint and key input to the items, draws
// the visible ones, sorts, shows and hides by level, and reports every change through
// OnChange / OnInternalChange. No window: the container sets Width and Height to its
// own size and forwards its input; coordinates are the container's client coordinates.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Graphics.h"
#include "itemlist/GDIPCustomItem.h"
#include "paint/GDIPFill.h"

namespace orv {

class TCustomBaseList;
struct TClassInfo;

enum TItemLevelStatus : uint8_t { hsWithinMainLevel, hsAll };

using TItemCompareEvent = TEvent<TObject*, TCustomItem*, TCustomItem*, int32_t&>;
using TItemDesignTimeSelect = TEvent<TObject*, int32_t>;

// Radio-style groups: an item class that supports it hears when another item of its
// class changed its check.
class IGDIPCheckGroup {
public:
    static constexpr const wchar_t* kIID = L"{BA9B81B1-5DCF-4265-97EA-BF480A4DFF3A}";
    virtual void CheckChanged(TCustomItem* item) = 0;

protected:
    ~IGDIPCheckGroup() = default;
};

// Ten fills and five fonts, owned; a picture container and an image list, referenced
// (the container clears them when they go away).
class TCustomBaseListAppearance : public TPersistent {
public:
    ORV_CLASS_NAME(TCustomBaseListAppearance)
    explicit TCustomBaseListAppearance(TCustomBaseList* owner);
    ~TCustomBaseListAppearance() override;
    TCustomBaseListAppearance(const TCustomBaseListAppearance&) = delete;
    TCustomBaseListAppearance& operator=(const TCustomBaseListAppearance&) = delete;

    // Copies every fill and font and both references, then fires OnChange.
    void Assign(const TPersistent* source) override;

    TGDIPFill& Normal() { return *FNormal; }
    TGDIPFill& ButtonNormal() { return *FButtonNormal; }
    TGDIPFill& Down() { return *FDown; }
    TGDIPFill& ButtonDown() { return *FButtonDown; }
    TGDIPFill& Disabled() { return *FDisabled; }
    TGDIPFill& ButtonDisabled() { return *FButtonDisabled; }
    TGDIPFill& Hovered() { return *FHovered; }
    TGDIPFill& ButtonHovered() { return *FButtonHovered; }
    TGDIPFill& Selected() { return *FSelected; }
    TGDIPFill& ButtonSelected() { return *FButtonSelected; }
    TFont& NormalFont() { return FNormalFont; }
    TFont& DownFont() { return FDownFont; }
    TFont& DisabledFont() { return FDisabledFont; }
    TFont& HoveredFont() { return FHoveredFont; }
    TFont& SelectedFont() { return FSelectedFont; }
    TGDIPPictureContainer* GetPictureContainer() const { return FPictureContainer; }
    void SetPictureContainer(TGDIPPictureContainer* value) { FPictureContainer = value; }
    TImageList* GetImageList() const { return FImageList; }
    void SetImageList(TImageList* value) { FImageList = value; }

    // Every fill in table order (Normal, ButtonNormal, Down, ... ButtonSelected).
    TGDIPFill* Fills(int index) const;
    static constexpr int kFillCount = 10;

    TNotifyEvent OnChange;

protected:
    TPersistent* GetOwner() const override;

private:
    void Changed(TObject*) { OnChange(this); }

    TCustomBaseList* FOwner;
    std::unique_ptr<TGDIPFill> FNormal, FButtonNormal, FDown, FButtonDown, FDisabled, FButtonDisabled, FHovered,
        FButtonHovered, FSelected, FButtonSelected;
    TFont FNormalFont, FDownFont, FDisabledFont, FHoveredFont, FSelectedFont;
    TGDIPPictureContainer* FPictureContainer = nullptr;
    TImageList* FImageList = nullptr;
};

// The items of a list in display order. Owns its entries: an item removed from it is
// freed. Outside an update of the list, every insertion and removal renumbers.
class TCustomListObjects {
public:
    explicit TCustomListObjects(TCustomBaseList* list) : FList(list) {}
    ~TCustomListObjects();
    TCustomListObjects(const TCustomListObjects&) = delete;
    TCustomListObjects& operator=(const TCustomListObjects&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    TCustomItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
    TCustomItem* operator[](int index) const { return Items(index); }
    int IndexOf(const TCustomItem* item) const;
    void Add(TCustomItem* item);
    // Index outside [0, Count]: appended.
    void Insert(int index, TCustomItem* item);
    // Frees the item at index; nothing for an index out of range.
    void Delete(int index);
    // Takes the item out without freeing it; false when it is not in the list.
    bool Extract(TCustomItem* item);
    // Frees every item.
    void Clear();
    void Move(int from, int to);
    // Quicksort (middle pivot, not stable) with compare(a, b) < 0 putting a first.
    void SortListItems(const std::function<int(TCustomItem*, TCustomItem*)>& compare);
    // Index = position for every entry (without events), and each item wired to the list.
    void UpdateIndexes();
    TCustomBaseList* List() const { return FList; }
    const std::vector<TCustomItem*>& Entries() const { return FItems; }

private:
    void Notify();
    void QuickSort(int lo, int hi, const std::function<int(TCustomItem*, TCustomItem*)>& compare);
    TCustomBaseList* FList;
    std::vector<TCustomItem*> FItems;
};

// The registered item classes (TCustomItem descendants, TCustomItem itself excluded).
class TSubClassList {
public:
    void Execute(const std::wstring& baseClass);
    const std::vector<const TClassInfo*>& Classes() const { return FClasses; }

private:
    std::vector<const TClassInfo*> FClasses;
};

class TCustomBaseList : public TPersistent {
public:
    ORV_CLASS_NAME(TCustomBaseList)
    explicit TCustomBaseList(TComponent* owner);
    ~TCustomBaseList() override;
    TCustomBaseList(const TCustomBaseList&) = delete;
    TCustomBaseList& operator=(const TCustomBaseList&) = delete;

    // --- published --------------------------------------------------------------------
    TCustomListObjects& Items() { return *FItems; }
    const TCustomListObjects& Items() const { return *FItems; }
    void SetItems(const TCustomListObjects& value);
    TCustomBaseListAppearance& Appearance() { return *FAppearance; }
    void SetAppearance(const TCustomBaseListAppearance& value);
    bool GetMultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    TNotifyEvent OnRefresh;
    TNotifyEvent OnChange;

    // --- public -------------------------------------------------------------------------
    int32_t GetWidth() const { return FWidth; }
    void SetWidth(int32_t value);
    int32_t GetHeight() const { return FHeight; }
    void SetHeight(int32_t value);
    int32_t FocusedItemIndex = 0;
    TNotifyEvent OnInternalChange;
    TNotifyEvent OnInternalRefresh;
    TItemSelectEvent OnItemSelect;
    TItemSelectEvent OnItemDeSelect;
    TItemCompareEvent OnItemCompare;
    TItemEvent OnItemDestroy;
    TNotifyEvent OnNotifyItemDestroy;
    TNotifyEvent OnNotifyListDestroy;
    TNotifyEvent OnNotifyItemChange;
    TItemDesignTimeSelect OnNotifyItemDesignTimeSelect;

    // --- content ---------------------------------------------------------------------------
    TCustomItem* AddItem(TCustomItem* it);
    TCustomItem* InsertItem(int index, TCustomItem* it);
    void RemoveItem(int index);
    // Replaces it by a new item of itemClass (a registered class name) copied from it,
    // in its place; it is freed. Returns the new item (null for an unknown class).
    TCustomItem* ConvertItem(TCustomItem* it, const std::wstring& itemClass);
    void AssignEvents(TCustomItem* it);
    void AssignList(const TCustomListObjects& source);
    void Assign(const TPersistent* source) override;
    void SetOwnerComponent(TComponent* owner) { FOwnerComponent = owner; }
    TComponent* GetOwnerComponent() const { return FOwnerComponent; }
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    void Changed();
    void RefreshObjects();
    void UpdateVisibleIndexes();

    // --- queries ---------------------------------------------------------------------------
    int FirstVisibleIdx() const { return FItems->Count() ? FFirstVisible : 0; }
    int LastVisibleIdx() const { return FItems->Count() ? FLastVisible : -1; }
    int GetFirstVisibleIndex() const;
    int GetLastVisibleIndex() const;
    bool ItemInRectangle(const TCustomItem* it, const TRect& displayRect) const;
    TCustomItem* ItemAtXY(int pX, int pY) const;
    TItemInteraction ItemInteractionAtXY(int pX, int pY) const;
    TCustomItem* SelectedItem() const;
    bool IsItemSelectable(const TCustomItem* it) const;
    bool IsItemFocusable(const TCustomItem* it) const;
    int GetCountSelectableItems() const;
    int GetCountFocusableItems() const;
    int MinSelectableItemIndex() const;
    int MaxSelectableItemIndex() const;
    int MinFocusableItemIndex() const;
    int MaxFocusableItemIndex() const;
    int RowCount() const { return MaxRowIndex() + 1; }
    int ColumnCount() const { return MaxColIndex() + 1; }
    int MaxRowIndex() const;
    int MaxColIndex() const;
    int MinSelectableRowIndex() const;
    int MinSelectableColIndex() const;
    int MaxSelectableRowIndex() const;
    int MaxSelectableColIndex() const;
    TCustomItem* ItemAtRowCol(int row, int col) const;
    TCustomItem* MaxRowItem() const;
    TCustomItem* MaxColumnItem() const;
    TCustomItem* MaxBoxRowItem() const;
    TCustomItem* MaxBoxColumnItem() const;
    std::vector<TCustomItem*> GetItemsByTag(int32_t tag) const;
    TItemAppearance GetItemAppearance();
    // The registered item class whose display name matches (case-insensitively);
    // "TCustomItem" when none does.
    static std::wstring GetItemClassByCustomName(const std::wstring& customName);

    // --- commands ----------------------------------------------------------------------------
    void SelectItem(int index);
    void UnSelectItem(int index);
    void ResetItemStatus();
    void ClearItemState();
    void FocusNextItem(bool backwards);
    void Sort();
    void HideItemsByLevel(int startIndex, int level, TItemLevelStatus status);
    void ShowItemsByLevel(int startIndex, int level, TItemLevelStatus status);
    void ShowShortCutHints();
    void HideShortCutHints();
    void DrawItems(TGPGraphics& g, bool focused);

    // --- input from the container -------------------------------------------------------------
    void DoMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int pX, int pY);
    void DoMouseMove(TObject* sender, TShiftState shift, int pX, int pY);
    void DoMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int pX, int pY);
    void DoDblClick(TObject* sender, TPoint pos);
    void DoCMHintShow(TMessage& message);
    void DoCMMouseLeave(TMessage& message);
    void DoCMDialogChar(TMessage& message);
    void DoKeyDown(TObject* sender, uint16_t& key, TShiftState shift);
    void DoKeyUp(TObject* sender, uint16_t& key, TShiftState shift);
    void DoKeyDownBox(TObject* sender, uint16_t& key, TShiftState shift);
    void DoKeyDownGrid(TObject* sender, uint16_t& key, TShiftState shift);
    void ProcessKeyBox(uint16_t key, int& itemIndex) const;
    void ProcessKeyGrid(uint16_t key, int& selRow, int& selCol) const;
    // The tab key; shift down goes backwards.
    void DoWMKeyDown(TMessage& message);
    void DoEnter();
    void DoExit();

    // --- handlers hooked into every item -------------------------------------------------------
    void DoItemIndexChange(TObject* sender, TCustomItem* item, int oldIndex, int newIndex);
    void DoItemRefresh(TObject* sender);
    void DoItemChanged(TObject* sender);
    void DoGlobalCheckChanged(TObject* sender, TCustomItem* item, bool checked);
    void DoItemSelect(TObject* sender, TCustomItem* item, bool& allow);
    void DoItemDeSelect(TObject* sender, TCustomItem* item, bool& allow);
    void DoItemFocus(TObject* sender, TCustomItem* item);
    void DoItemDestroy(TObject* sender, TCustomItem* item);
    void AppearanceChanged(TObject* sender);

protected:
    TPersistent* GetOwner() const override { return FOwnerComponent; }

private:
    template <class P>
    int FirstIndexWhere(P pred) const;
    template <class P>
    int LastIndexWhere(P pred) const;
    bool ValidIndex(int index) const { return index >= 0 && index < FItems->Count(); }
    void SetLevelVisible(int startIndex, int level, TItemLevelStatus status, bool visible);

    std::unique_ptr<TCustomBaseListAppearance> FAppearance;
    std::unique_ptr<TCustomListObjects> FItems;
    bool FMultiSelect = false;
    int32_t FWidth = 150;
    int32_t FHeight = 200;
    int FFirstVisible = 0;
    int FLastVisible = -1;
    int FUpdateCount = 0;
    bool FCheckPropagating = false;
    TComponent* FOwnerComponent;
};

}  // namespace orv
