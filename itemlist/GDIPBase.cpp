#include "itemlist/GDIPBase.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

#include "framework/ClassRegistry.h"
#include "framework/Forms.h"
#include "framework/HintWindow.h"
#include "framework/WinControl.h"

namespace orv {

// --- TCustomBaseListAppearance -------------------------------------------------------------

TCustomBaseListAppearance::TCustomBaseListAppearance(TCustomBaseList* owner) : FOwner(owner) {
    for (auto* fill : {&FNormal, &FButtonNormal, &FDown, &FButtonDown, &FDisabled, &FButtonDisabled, &FHovered,
                       &FButtonHovered, &FSelected, &FButtonSelected}) {
        *fill = std::make_unique<TGDIPFill>();
        (*fill)->OnChange = TNotifyEvent::Bind(this, &TCustomBaseListAppearance::Changed);
    }
    for (TFont* font : {&FNormalFont, &FDownFont, &FDisabledFont, &FHoveredFont, &FSelectedFont})
        font->OnChange = TNotifyEvent::Bind(this, &TCustomBaseListAppearance::Changed);
}

TCustomBaseListAppearance::~TCustomBaseListAppearance() = default;

TPersistent* TCustomBaseListAppearance::GetOwner() const {
    return FOwner;
}

TGDIPFill* TCustomBaseListAppearance::Fills(int index) const {
    const std::unique_ptr<TGDIPFill>* fills[] = {&FNormal,   &FButtonNormal,   &FDown,    &FButtonDown,
                                                 &FDisabled, &FButtonDisabled, &FHovered, &FButtonHovered,
                                                 &FSelected, &FButtonSelected};
    return index >= 0 && index < kFillCount ? fills[index]->get() : nullptr;
}

void TCustomBaseListAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TCustomBaseListAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    for (int i = 0; i < kFillCount; ++i) Fills(i)->Assign(s->Fills(i));
    FNormalFont.Assign(&s->FNormalFont);
    FDownFont.Assign(&s->FDownFont);
    FDisabledFont.Assign(&s->FDisabledFont);
    FHoveredFont.Assign(&s->FHoveredFont);
    FSelectedFont.Assign(&s->FSelectedFont);
    FPictureContainer = s->FPictureContainer;
    FImageList = s->FImageList;
    OnChange(this);
}

// --- TCustomListObjects --------------------------------------------------------------------

TCustomListObjects::~TCustomListObjects() {
    Clear();
}

int TCustomListObjects::IndexOf(const TCustomItem* item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TCustomListObjects::Notify() {
    if (FList && FList->UpdateCount() == 0) UpdateIndexes();
}

void TCustomListObjects::Add(TCustomItem* item) {
    FItems.push_back(item);
    Notify();
}

void TCustomListObjects::Insert(int index, TCustomItem* item) {
    // Out of range appends: the caller's item is never left without a list.
    if (index < 0 || index > Count()) index = Count();
    FItems.insert(FItems.begin() + index, item);
    Notify();
}

void TCustomListObjects::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    TCustomItem* item = FItems[static_cast<size_t>(index)];
    FItems.erase(FItems.begin() + index);
    item->Free();
    Notify();
}

bool TCustomListObjects::Extract(TCustomItem* item) {
    int index = IndexOf(item);
    if (index < 0) return false;
    FItems.erase(FItems.begin() + index);
    Notify();
    return true;
}

void TCustomListObjects::Clear() {
    // Taken out one at a time from the end, so an item's destruction notice finds a
    // list without it.
    while (!FItems.empty()) {
        TCustomItem* item = FItems.back();
        FItems.pop_back();
        item->Free();
    }
}

void TCustomListObjects::Move(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
    TCustomItem* item = FItems[static_cast<size_t>(from)];
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + to, item);
}

void TCustomListObjects::QuickSort(int lo, int hi, const std::function<int(TCustomItem*, TCustomItem*)>& compare) {
    // Every scan is bounded by [lo, hi], so a comparer that is no strict order still
    // ends and never reads past the list.
    while (lo < hi) {
        int i = lo, j = hi;
        TCustomItem* pivot = FItems[static_cast<size_t>((lo + hi) / 2)];
        do {
            while (i < hi && compare(FItems[static_cast<size_t>(i)], pivot) < 0) ++i;
            while (j > lo && compare(FItems[static_cast<size_t>(j)], pivot) > 0) --j;
            if (i <= j) {
                std::swap(FItems[static_cast<size_t>(i)], FItems[static_cast<size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (lo < j) QuickSort(lo, j, compare);
        lo = i;
    }
}

void TCustomListObjects::SortListItems(const std::function<int(TCustomItem*, TCustomItem*)>& compare) {
    if (Count() > 1) QuickSort(0, Count() - 1, compare);
}

void TCustomListObjects::UpdateIndexes() {
    for (int i = 0; i < Count(); ++i) {
        TCustomItem* item = FItems[static_cast<size_t>(i)];
        item->ApplyIndex(i);
        if (FList) FList->AssignEvents(item);
    }
}

// --- TSubClassList --------------------------------------------------------------------------

void TSubClassList::Execute(const std::wstring& baseClass) {
    FClasses = TClassRegistry::DerivedFrom(baseClass);
}

// --- TCustomBaseList: construction and content ------------------------------------------------

TCustomBaseList::TCustomBaseList(TComponent* owner)
    : FAppearance(std::make_unique<TCustomBaseListAppearance>(this)),
      FItems(std::make_unique<TCustomListObjects>(this)),
      FOwnerComponent(owner) {
    FAppearance->OnChange = TNotifyEvent::Bind(this, &TCustomBaseList::AppearanceChanged);
}

TCustomBaseList::~TCustomBaseList() {
    FAppearance.reset();
    // Inside an update: no per-item change reaches the container.
    BeginUpdate();
    FItems->Clear();
    --FUpdateCount;
}

TCustomItem* TCustomBaseList::AddItem(TCustomItem* it) {
    BeginUpdate();
    AssignEvents(it);
    FItems->Add(it);
    EndUpdate();
    return it;
}

TCustomItem* TCustomBaseList::InsertItem(int index, TCustomItem* it) {
    BeginUpdate();
    AssignEvents(it);
    FItems->Insert(index, it);
    EndUpdate();
    return it;
}

void TCustomBaseList::RemoveItem(int index) {
    if (!ValidIndex(index)) return;
    FItems->Delete(index);
    Changed();
}

TCustomItem* TCustomBaseList::ConvertItem(TCustomItem* it, const std::wstring& itemClass) {
    const TClassInfo* info = TClassRegistry::Find(itemClass);
    if (!it || !info || !info->Create || !info->InheritsFrom(L"TCustomItem")) return nullptr;
    BeginUpdate();
    auto* created = dynamic_cast<TCustomItem*>(info->Create(FOwnerComponent));
    if (!created) {
        EndUpdate();
        return nullptr;
    }
    created->AfterConstruction();
    int oldIndex = FItems->IndexOf(it);
    AddItem(created);
    created->Assign(it);
    FItems->Extract(it);
    it->Free();
    // Moved from where it actually is (found by identity) into the old item's place.
    if (oldIndex >= 0) FItems->Move(FItems->IndexOf(created), std::min(oldIndex, FItems->Count() - 1));
    FItems->UpdateIndexes();
    EndUpdate();
    return created;
}

void TCustomBaseList::AssignEvents(TCustomItem* it) {
    if (!it) return;
    it->OnInternalIndexChange = TItemIndexEvent::Bind(this, &TCustomBaseList::DoItemIndexChange);
    it->OnInternalRefresh = TNotifyEvent::Bind(this, &TCustomBaseList::DoItemRefresh);
    it->OnChange = TNotifyEvent::Bind(this, &TCustomBaseList::DoItemChanged);
    it->OnGlobalCheckChanged = TItemCheckEvent::Bind(this, &TCustomBaseList::DoGlobalCheckChanged);
    it->OnInternalItemSelect = TItemSelectEvent::Bind(this, &TCustomBaseList::DoItemSelect);
    it->OnInternalItemDeSelect = TItemSelectEvent::Bind(this, &TCustomBaseList::DoItemDeSelect);
    it->OnInternalFocus = TItemEvent::Bind(this, &TCustomBaseList::DoItemFocus);
    it->OnInternalDestroy = TItemEvent::Bind(this, &TCustomBaseList::DoItemDestroy);
}

void TCustomBaseList::AssignList(const TCustomListObjects& source) {
    BeginUpdate();
    FItems->Clear();
    for (TCustomItem* s : source.Entries()) {
        TCustomItem* it = s->CreateNewItem(FOwnerComponent);
        it->Assign(s);
        AssignEvents(it);
        FItems->Add(it);
    }
    --FUpdateCount;
    FItems->UpdateIndexes();
}

void TCustomBaseList::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TCustomBaseList*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    AssignList(*s->FItems);
    FAppearance->Assign(s->FAppearance.get());
    FMultiSelect = s->FMultiSelect;
    Changed();
}

void TCustomBaseList::SetItems(const TCustomListObjects& value) {
    AssignList(value);
    Changed();
}

void TCustomBaseList::SetAppearance(const TCustomBaseListAppearance& value) {
    FAppearance->Assign(&value);
    Changed();
}

void TCustomBaseList::SetMultiSelect(bool value) {
    if (FMultiSelect == value) return;
    FMultiSelect = value;
    Changed();
}

void TCustomBaseList::SetWidth(int32_t value) {
    if (FWidth == value) return;
    FWidth = value;
    Changed();
}

void TCustomBaseList::SetHeight(int32_t value) {
    if (FHeight == value) return;
    FHeight = value;
    Changed();
}

void TCustomBaseList::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) Changed();
}

void TCustomBaseList::Changed() {
    if (FUpdateCount > 0) return;
    OnChange(this);
    OnInternalChange(this);
}

void TCustomBaseList::RefreshObjects() {
    if (FUpdateCount > 0) return;
    OnRefresh(this);
    OnInternalRefresh(this);
}

void TCustomBaseList::AppearanceChanged(TObject*) {
    Changed();
}

// --- visible range and hit tests -----------------------------------------------------------------

bool TCustomBaseList::ItemInRectangle(const TCustomItem* it, const TRect& r) const {
    TRect b = Bounds(it->GetX(), it->GetY(), it->GetWidth(), it->GetHeight());
    return std::max(b.Left, r.Left) < std::min(b.Right, r.Right) &&
           std::max(b.Top, r.Top) < std::min(b.Bottom, r.Bottom);
}

int TCustomBaseList::GetFirstVisibleIndex() const {
    TRect view{0, 0, FWidth, FHeight};
    for (int i = 0; i < FItems->Count(); ++i)
        if (ItemInRectangle(FItems->Items(i), view)) return i;
    return 0;
}

int TCustomBaseList::GetLastVisibleIndex() const {
    TRect view{0, 0, FWidth, FHeight};
    for (int i = FItems->Count() - 1; i >= 0; --i)
        if (ItemInRectangle(FItems->Items(i), view)) return i;
    return -1;
}

void TCustomBaseList::UpdateVisibleIndexes() {
    FFirstVisible = GetFirstVisibleIndex();
    FLastVisible = GetLastVisibleIndex();
}

TCustomItem* TCustomBaseList::ItemAtXY(int pX, int pY) const {
    for (TCustomItem* it : FItems->Entries())
        if (it->IsItemAtXY(pX, pY)) return it;
    return nullptr;
}

TItemInteraction TCustomBaseList::ItemInteractionAtXY(int pX, int pY) const {
    int first = std::max(0, FirstVisibleIdx());
    int last = std::min(LastVisibleIdx(), FItems->Count() - 1);
    // Later items lie on top: the topmost wins.
    for (int i = last; i >= first; --i) {
        TCustomItem* it = FItems->Items(i);
        if (!it->GetVisible() || !it->GetEnabled() || it->GetReadOnly()) continue;
        TItemInteractionType type = it->GetItemInteraction(pX, pY);
        if (type != itNone) return {it, type};
    }
    return {};
}

// --- counting queries -----------------------------------------------------------------------------

bool TCustomBaseList::IsItemSelectable(const TCustomItem* it) const {
    return it && it->GetSelectable() && it->GetVisible() && it->GetEnabled() && !it->GetReadOnly();
}

bool TCustomBaseList::IsItemFocusable(const TCustomItem* it) const {
    return it && it->GetTabStop() && it->GetVisible() && it->GetEnabled() && !it->GetReadOnly() && it->IsFocusable();
}

template <class P>
int TCustomBaseList::FirstIndexWhere(P pred) const {
    for (int i = 0; i < FItems->Count(); ++i)
        if (pred(FItems->Items(i))) return i;
    return -1;
}

template <class P>
int TCustomBaseList::LastIndexWhere(P pred) const {
    for (int i = FItems->Count() - 1; i >= 0; --i)
        if (pred(FItems->Items(i))) return i;
    return -1;
}

int TCustomBaseList::GetCountSelectableItems() const {
    int n = 0;
    for (TCustomItem* it : FItems->Entries()) n += IsItemSelectable(it) ? 1 : 0;
    return n;
}

int TCustomBaseList::GetCountFocusableItems() const {
    int n = 0;
    for (TCustomItem* it : FItems->Entries()) n += IsItemFocusable(it) ? 1 : 0;
    return n;
}

int TCustomBaseList::MinSelectableItemIndex() const {
    return FirstIndexWhere([this](TCustomItem* it) { return IsItemSelectable(it); });
}

int TCustomBaseList::MaxSelectableItemIndex() const {
    int i = LastIndexWhere([this](TCustomItem* it) { return IsItemSelectable(it); });
    return i >= 0 ? i : FItems->Count() - 1;
}

int TCustomBaseList::MinFocusableItemIndex() const {
    return FirstIndexWhere([this](TCustomItem* it) { return IsItemFocusable(it); });
}

int TCustomBaseList::MaxFocusableItemIndex() const {
    int i = LastIndexWhere([this](TCustomItem* it) { return IsItemFocusable(it); });
    return i >= 0 ? i : FItems->Count() - 1;
}

int TCustomBaseList::MaxRowIndex() const {
    int m = -1;
    for (TCustomItem* it : FItems->Entries())
        if (it->GetVisible()) m = std::max(m, it->GetRowIndex());
    return m;
}

int TCustomBaseList::MaxColIndex() const {
    int m = -1;
    for (TCustomItem* it : FItems->Entries())
        if (it->GetVisible()) m = std::max(m, it->GetColumnIndex());
    return m;
}

int TCustomBaseList::MinSelectableRowIndex() const {
    int i = MinSelectableItemIndex();
    return i >= 0 ? FItems->Items(i)->GetRowIndex() : -1;
}

int TCustomBaseList::MinSelectableColIndex() const {
    int i = MinSelectableItemIndex();
    return i >= 0 ? FItems->Items(i)->GetColumnIndex() : -1;
}

int TCustomBaseList::MaxSelectableRowIndex() const {
    int i = LastIndexWhere([this](TCustomItem* it) { return IsItemSelectable(it); });
    return i >= 0 ? FItems->Items(i)->GetRowIndex() : -1;
}

int TCustomBaseList::MaxSelectableColIndex() const {
    int i = LastIndexWhere([this](TCustomItem* it) { return IsItemSelectable(it); });
    return i >= 0 ? FItems->Items(i)->GetColumnIndex() : -1;
}

TCustomItem* TCustomBaseList::ItemAtRowCol(int row, int col) const {
    for (TCustomItem* it : FItems->Entries())
        if (it->GetVisible() && it->GetRowIndex() == row && it->GetColumnIndex() == col) return it;
    return nullptr;
}

TCustomItem* TCustomBaseList::MaxRowItem() const {
    TCustomItem* best = nullptr;
    for (TCustomItem* it : FItems->Entries())
        if (it->GetVisible() && (!best || it->GetRowIndex() >= best->GetRowIndex())) best = it;
    return best ? ItemAtRowCol(best->GetRowIndex(), best->GetColumnIndex()) : nullptr;
}

TCustomItem* TCustomBaseList::MaxColumnItem() const {
    TCustomItem* best = nullptr;
    for (TCustomItem* it : FItems->Entries())
        if (it->GetVisible() && (!best || it->GetColumnIndex() >= best->GetColumnIndex())) best = it;
    return best ? ItemAtRowCol(best->GetRowIndex(), best->GetColumnIndex()) : nullptr;
}

TCustomItem* TCustomBaseList::MaxBoxRowItem() const {
    TCustomItem* best = nullptr;
    for (TCustomItem* it : FItems->Entries())
        if (it->GetVisible() && it->GetY() > 0 && (!best || it->GetY() > best->GetY())) best = it;
    return best;
}

TCustomItem* TCustomBaseList::MaxBoxColumnItem() const {
    TCustomItem* best = nullptr;
    for (TCustomItem* it : FItems->Entries())
        if (it->GetVisible() && it->GetX() > 0 && (!best || it->GetX() > best->GetX())) best = it;
    return best;
}

std::vector<TCustomItem*> TCustomBaseList::GetItemsByTag(int32_t tag) const {
    std::vector<TCustomItem*> result;
    for (TCustomItem* it : FItems->Entries())
        if (it->GetTag() == tag) result.push_back(it);
    return result;
}

TItemAppearance TCustomBaseList::GetItemAppearance() {
    TCustomBaseListAppearance& a = *FAppearance;
    TItemAppearance r;
    r.Normal = &a.Normal();
    r.Down = &a.Down();
    r.Disabled = &a.Disabled();
    r.Hover = &a.Hovered();
    r.Selected = &a.Selected();
    r.ButtonNormal = &a.ButtonNormal();
    r.ButtonDown = &a.ButtonDown();
    r.ButtonDisabled = &a.ButtonDisabled();
    r.ButtonHover = &a.ButtonHovered();
    r.ButtonSelected = &a.ButtonSelected();
    r.NormalFont = &a.NormalFont();
    r.DownFont = &a.DownFont();
    r.DisabledFont = &a.DisabledFont();
    r.HoverFont = &a.HoveredFont();
    r.SelectedFont = &a.SelectedFont();
    r.PictureContainer = a.GetPictureContainer();
    r.ImageList = a.GetImageList();
    r.FocusedItem = FocusedItemIndex;
    return r;
}

std::wstring TCustomBaseList::GetItemClassByCustomName(const std::wstring& customName) {
    auto upper = [](std::wstring s) {
        for (wchar_t& c : s) c = static_cast<wchar_t>(std::towupper(c));
        return s;
    };
    std::wstring wanted = upper(customName);
    TSubClassList classes;
    classes.Execute(L"TCustomItem");
    for (const TClassInfo* info : classes.Classes()) {
        if (!info->Create) continue;
        // A temporary instance tells its display name.
        TComponent* probe = info->Create(nullptr);
        auto* item = dynamic_cast<TCustomItem*>(probe);
        std::wstring name = item ? item->CustomClassName() : std::wstring();
        probe->Free();
        if (item && upper(name) == wanted) return info->Name;
    }
    return L"TCustomItem";
}

// --- selection and focus ----------------------------------------------------------------------------

void TCustomBaseList::ResetItemStatus() {
    for (TCustomItem* it : std::vector<TCustomItem*>(FItems->Entries())) it->SetState(isNormal);
}

void TCustomBaseList::ClearItemState() {
    int last = std::min(LastVisibleIdx(), FItems->Count() - 1);
    for (int i = std::max(0, FirstVisibleIdx()); i <= last; ++i) FItems->Items(i)->ClearItemState();
}

void TCustomBaseList::SelectItem(int index) {
    ResetItemStatus();
    if (GetCountSelectableItems() == 0) return;
    index = std::clamp(index, 0, FItems->Count() - 1);
    TCustomItem* it = FItems->Items(index);
    if (!IsItemSelectable(it)) return;
    it->SetState(isSelected);
    if (it->GetTabStop()) FocusedItemIndex = it->GetIndex();
}

void TCustomBaseList::UnSelectItem(int index) {
    if (GetCountSelectableItems() == 0) return;
    index = std::clamp(index, 0, FItems->Count() - 1);
    TCustomItem* it = FItems->Items(index);
    if (!IsItemSelectable(it)) return;
    it->SetState(isNormal);
    if (it->GetTabStop()) FocusedItemIndex = it->GetIndex();
}

TCustomItem* TCustomBaseList::SelectedItem() const {
    for (TCustomItem* it : FItems->Entries())
        if (it->GetState() == isSelected) return it;
    return nullptr;
}

void TCustomBaseList::FocusNextItem(bool backwards) {
    if (GetCountFocusableItems() == 0) return;
    int n = FItems->Count();
    int i = FocusedItemIndex;
    do {
        i = backwards ? (i - 1 < 0 ? n - 1 : i - 1) : (i + 1 > n - 1 ? 0 : i + 1);
    } while (i == -1 || !IsItemFocusable(FItems->Items(i)));
    FocusedItemIndex = i;
}

void TCustomBaseList::DoEnter() {
    if (GetCountFocusableItems() == 0) return;
    if (!ValidIndex(FocusedItemIndex)) {
        FocusedItemIndex = -1;
        FocusNextItem(false);
        FItems->Items(FocusedItemIndex)->FirstTab(false);
    } else if (TCustomItem* it = FItems->Items(FocusedItemIndex); it->GetTabStop() && IsItemFocusable(it)) {
        it->FirstTab(false);
    } else {
        FocusNextItem(false);
        FItems->Items(FocusedItemIndex)->FirstTab(false);
    }
    Changed();
}

void TCustomBaseList::DoExit() {
    for (TCustomItem* it : FItems->Entries()) it->ResetTab();
    Changed();
}

void TCustomBaseList::DoWMKeyDown(TMessage& message) {
    if (message.WParam != VK_TAB) return;
    bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (GetCountFocusableItems() == 0 || !ValidIndex(FocusedItemIndex)) return;
    TCustomItem* focused = FItems->Items(FocusedItemIndex);
    if (!focused->ProcessTab(backwards)) return;
    bool leaves = (!backwards && FocusedItemIndex == MaxFocusableItemIndex()) ||
                  (backwards && FocusedItemIndex == MinFocusableItemIndex());
    if (leaves) {
        TWinControl* owner = TCustomItem::GetCustomControlOwner(FOwnerComponent);
        TWinControl* host = owner ? owner->Parent() : nullptr;
        while (host && !dynamic_cast<TForm*>(host) && !dynamic_cast<TFrame*>(host)) host = host->Parent();
        if (!host) return;
        TWinControl* next = host->FindNextControl(owner, !backwards, false);
        if (next && next != owner && next->GetVisible() && next->GetTabStop()) {
            next->SetFocus();
            FocusedItemIndex = MinFocusableItemIndex();
        }
        return;
    }
    FocusNextItem(backwards);
    if (FItems->Items(FocusedItemIndex)->FirstTab(backwards)) FocusNextItem(backwards);
    Changed();
}

// --- keys ---------------------------------------------------------------------------------------------

void TCustomBaseList::ProcessKeyBox(uint16_t key, int& itemIndex) const {
    int mn = MinSelectableItemIndex();
    int mx = MaxSelectableItemIndex();
    switch (key) {
        case VK_END:
            itemIndex = mx;
            break;
        case VK_HOME:
            itemIndex = mn;
            break;
        case VK_LEFT:
        case VK_UP:
            itemIndex = itemIndex >= mn ? itemIndex - 1 : mx;
            break;
        case VK_RIGHT:
        case VK_DOWN:
            itemIndex = itemIndex <= mx ? itemIndex + 1 : mn;
            break;
        default:
            break;
    }
}

void TCustomBaseList::DoKeyDownBox(TObject* /*sender*/, uint16_t& key, TShiftState /*shift*/) {
    if (key < VK_PRIOR || key > VK_DOWN) return;
    TCustomItem* selected = SelectedItem();
    int itemIndex = selected ? selected->GetIndex() : -1;
    int old = itemIndex;
    ProcessKeyBox(key, itemIndex);
    if (GetCountSelectableItems() == 0) return;
    TCustomItem* candidate = ValidIndex(itemIndex) ? FItems->Items(itemIndex) : nullptr;
    // Unselectable items are skipped; the bound keeps a list of only gaps from spinning.
    for (int guard = 0; (!candidate || !IsItemSelectable(candidate)) && guard <= 2 * FItems->Count() + 2; ++guard) {
        if (key == VK_PRIOR || key == VK_NEXT) break;
        ProcessKeyBox(key, itemIndex);
        if (ValidIndex(itemIndex)) candidate = FItems->Items(itemIndex);
    }
    if (candidate && IsItemSelectable(candidate) && candidate->GetIndex() != old) SelectItem(candidate->GetIndex());
}

void TCustomBaseList::ProcessKeyGrid(uint16_t key, int& row, int& col) const {
    int maxRow = MaxRowIndex();
    int maxCol = MaxColIndex();
    switch (key) {
        case VK_END:
            row = MaxSelectableRowIndex();
            col = MaxSelectableColIndex();
            break;
        case VK_HOME:
            row = MinSelectableRowIndex();
            col = MinSelectableColIndex();
            break;
        case VK_LEFT:
            if (--col < 0) {
                if (--row < 0) row = maxRow;
                col = maxCol;
            }
            break;
        case VK_UP:
            if (--row < 0) {
                if (--col < 0) col = maxCol;
                row = maxRow;
            }
            break;
        case VK_RIGHT:
            if (++col > maxCol) {
                if (++row > maxRow) row = 0;
                col = 0;
            }
            break;
        case VK_DOWN:
            if (++row > maxRow) {
                if (++col > maxCol) col = 0;
                row = 0;
            }
            break;
        default:
            break;
    }
    row = std::clamp(row, 0, std::max(0, maxRow));
    col = std::clamp(col, 0, std::max(0, maxCol));
}

void TCustomBaseList::DoKeyDownGrid(TObject* /*sender*/, uint16_t& key, TShiftState /*shift*/) {
    if (key < VK_PRIOR || key > VK_DOWN) return;
    TCustomItem* selected = SelectedItem();
    int row = selected ? selected->GetRowIndex() : -1;
    int col = selected ? selected->GetColumnIndex() : -1;
    int old = selected ? selected->GetIndex() : -1;
    ProcessKeyGrid(key, row, col);
    if (GetCountSelectableItems() == 0) return;
    TCustomItem* candidate = ItemAtRowCol(row, col);
    bool paging = key == VK_PRIOR || key == VK_NEXT;
    int cells = (MaxRowIndex() + 1) * (MaxColIndex() + 1);
    for (int guard = 0; !paging && (!candidate || !IsItemSelectable(candidate)) && guard <= 2 * cells + 2; ++guard) {
        ProcessKeyGrid(key, row, col);
        if (TCustomItem* at = ItemAtRowCol(row, col)) candidate = at;
    }
    if (candidate && IsItemSelectable(candidate) && candidate->GetIndex() != old) SelectItem(candidate->GetIndex());
}

void TCustomBaseList::DoKeyDown(TObject* sender, uint16_t& key, TShiftState shift) {
    if (ValidIndex(FocusedItemIndex)) FItems->Items(FocusedItemIndex)->DoKeyDown(sender, key, shift);
}

void TCustomBaseList::DoKeyUp(TObject* sender, uint16_t& key, TShiftState shift) {
    if (ValidIndex(FocusedItemIndex)) FItems->Items(FocusedItemIndex)->DoKeyUp(sender, key, shift);
}

// --- mouse, hints and other input ---------------------------------------------------------------------

namespace {

// The items of the visible range, taken before any item runs (a handler may change the list).
std::vector<TCustomItem*> VisibleRange(const TCustomListObjects& items, int first, int last) {
    std::vector<TCustomItem*> result;
    last = std::min(last, items.Count() - 1);
    for (int i = std::max(0, first); i <= last; ++i) result.push_back(items.Items(i));
    return result;
}

}  // namespace

void TCustomBaseList::DoMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int pX, int pY) {
    TItemInteraction i = ItemInteractionAtXY(pX, pY);
    TItemAppearance a = GetItemAppearance();
    for (TCustomItem* it : VisibleRange(*FItems, FirstVisibleIdx(), LastVisibleIdx()))
        it->DoMouseDown(sender, button, shift, pX, pY, i, a);
}

void TCustomBaseList::DoMouseMove(TObject* sender, TShiftState shift, int pX, int pY) {
    TItemInteraction i = ItemInteractionAtXY(pX, pY);
    TItemAppearance a = GetItemAppearance();
    for (TCustomItem* it : VisibleRange(*FItems, FirstVisibleIdx(), LastVisibleIdx()))
        it->DoMouseMove(sender, shift, pX, pY, i, a);
}

void TCustomBaseList::DoMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int pX, int pY) {
    TItemInteraction i = ItemInteractionAtXY(pX, pY);
    TItemAppearance a = GetItemAppearance();
    for (TCustomItem* it : VisibleRange(*FItems, FirstVisibleIdx(), LastVisibleIdx()))
        if (FItems->IndexOf(it) >= 0) it->DoMouseUp(sender, button, shift, pX, pY, i, a);
}

void TCustomBaseList::DoDblClick(TObject* sender, TPoint pos) {
    TItemInteraction i = ItemInteractionAtXY(pos.X, pos.Y);
    TItemAppearance a = GetItemAppearance();
    for (TCustomItem* it : VisibleRange(*FItems, FirstVisibleIdx(), LastVisibleIdx()))
        if (FItems->IndexOf(it) >= 0) it->DoDblClick(sender, i, a);
}

void TCustomBaseList::DoCMHintShow(TMessage& message) {
    THintInfo* info = HintInfoOf(message);
    if (!info) return;
    TItemInteraction i = ItemInteractionAtXY(info->CursorPos.X, info->CursorPos.Y);
    for (TCustomItem* it : VisibleRange(*FItems, FirstVisibleIdx(), LastVisibleIdx())) it->DoCMHintShow(message, i);
}

void TCustomBaseList::DoCMMouseLeave(TMessage& message) {
    for (TCustomItem* it : VisibleRange(*FItems, FirstVisibleIdx(), LastVisibleIdx())) it->DoCMMouseLeave(message);
}

void TCustomBaseList::DoCMDialogChar(TMessage& message) {
    for (TCustomItem* it : VisibleRange(*FItems, FirstVisibleIdx(), LastVisibleIdx())) it->DoCMDialogChar(message);
}

// --- sorting, levels, key tips, drawing -----------------------------------------------------------------

void TCustomBaseList::Sort() {
    BeginUpdate();
    FItems->SortListItems([this](TCustomItem* a, TCustomItem* b) {
        int32_t result = 0;
        if (OnItemCompare) {
            OnItemCompare(this, a, b, result);
            return static_cast<int>(result);
        }
        // Locale-aware and case-sensitive: items group by their class's display name.
        std::wstring na = a->CustomClassName(), nb = b->CustomClassName();
        return CompareStringW(LOCALE_USER_DEFAULT, 0, na.c_str(), -1, nb.c_str(), -1) - CSTR_EQUAL;
    });
    FItems->UpdateIndexes();
    EndUpdate();
}

void TCustomBaseList::SetLevelVisible(int startIndex, int level, TItemLevelStatus status, bool visible) {
    BeginUpdate();
    for (int i = std::max(0, startIndex); i < FItems->Count(); ++i) {
        TCustomItem* it = FItems->Items(i);
        if (status == hsWithinMainLevel && it->GetLevel() == level - 1) break;
        if (it->GetLevel() == level) it->SetVisible(visible);
    }
    EndUpdate();
}

void TCustomBaseList::HideItemsByLevel(int startIndex, int level, TItemLevelStatus status) {
    SetLevelVisible(startIndex, level, status, false);
}

void TCustomBaseList::ShowItemsByLevel(int startIndex, int level, TItemLevelStatus status) {
    SetLevelVisible(startIndex, level, status, true);
}

void TCustomBaseList::ShowShortCutHints() {
    for (TCustomItem* it : VisibleRange(*FItems, FirstVisibleIdx(), LastVisibleIdx())) it->ShowShortCutHint();
}

void TCustomBaseList::HideShortCutHints() {
    for (TCustomItem* it : FItems->Entries()) it->HideShortCutHint();
}

void TCustomBaseList::DrawItems(TGPGraphics& g, bool focused) {
    TItemAppearance a = GetItemAppearance();
    a.Focus = focused;
    for (TCustomItem* it : VisibleRange(*FItems, FirstVisibleIdx(), LastVisibleIdx()))
        if (it->GetVisible()) it->Draw(g, a);
}

// --- handlers hooked into every item ------------------------------------------------------------------------

void TCustomBaseList::DoItemIndexChange(TObject* /*sender*/, TCustomItem* item, int oldIndex, int newIndex) {
    int count = FItems->Count();
    if (count == 0) return;
    int to = std::clamp(newIndex, 0, count - 1);
    item->ApplyIndex(to);
    // The entry moves from where it is; a stale old index is only a hint.
    int from = FItems->IndexOf(item);
    if (from < 0) from = oldIndex;
    FItems->Move(from, to);
    FItems->UpdateIndexes();
    Changed();
}

void TCustomBaseList::DoItemRefresh(TObject*) {
    RefreshObjects();
}

void TCustomBaseList::DoItemChanged(TObject*) {
    Changed();
}

void TCustomBaseList::DoGlobalCheckChanged(TObject* /*sender*/, TCustomItem* item, bool /*checked*/) {
    if (FCheckPropagating || !item) return;
    FCheckPropagating = true;
    for (TCustomItem* other : std::vector<TCustomItem*>(FItems->Entries())) {
        if (other == item || std::wstring(other->ClassName()) != item->ClassName()) continue;
        if (auto* group = dynamic_cast<IGDIPCheckGroup*>(other)) group->CheckChanged(item);
    }
    FCheckPropagating = false;
}

void TCustomBaseList::DoItemSelect(TObject* sender, TCustomItem* item, bool& allow) {
    if (item->GetTabStop()) FocusedItemIndex = item->GetIndex();
    OnItemSelect(sender, item, allow);
}

void TCustomBaseList::DoItemDeSelect(TObject* sender, TCustomItem* item, bool& allow) {
    OnItemDeSelect(sender, item, allow);
}

void TCustomBaseList::DoItemFocus(TObject* /*sender*/, TCustomItem* item) {
    if (!IsItemFocusable(item)) return;
    FocusedItemIndex = item->GetIndex();
    item->FirstTab(false);
    Changed();
}

void TCustomBaseList::DoItemDestroy(TObject* sender, TCustomItem* item) {
    OnItemDestroy(sender, item);
}

}  // namespace orv
