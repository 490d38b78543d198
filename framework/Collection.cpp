#include "framework/Collection.h"

#include <algorithm>

namespace orv {

// --- TCollectionItem ---------------------------------------------------------------------

TCollectionItem::TCollectionItem(TCollection* collection) {
    SetCollection(collection);
}

TCollectionItem::~TCollectionItem() {
    if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* value) {
    if (FCollection == value) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (value) value->InsertItem(this);
}

int TCollectionItem::GetIndex() const {
    return FCollection ? FCollection->IndexOf(this) : -1;
}

void TCollectionItem::SetIndex(int value) {
    if (!FCollection) return;
    int current = GetIndex();
    value = std::clamp(value, 0, FCollection->Count() - 1);
    if (current == value) return;
    FCollection->MoveItem(current, value);
    Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const {
    return FCollection;
}

void TCollectionItem::Changed(bool allItems) {
    if (FCollection) FCollection->ItemChanged(allItems ? nullptr : this);
}

// --- TCollection ---------------------------------------------------------------------------

TCollection::TCollection(TPersistent* owner, TItemFactory factory) : FOwner(owner), FFactory(std::move(factory)) {}

TCollection::~TCollection() {
    // No change announcements while dying: the owner may be half gone.
    ++FUpdateCount;
    while (!FItems.empty()) delete FItems.back();
}

void TCollection::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : other->FItems) Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    FPendingChange = true;
    EndUpdate();
}

TCollectionItem* TCollection::Add() {
    // The item joins the list from its base constructor: the change is announced only
    // once the item is whole, so Update never reads a half-made item.
    BeginUpdate();
    TCollectionItem* item = nullptr;
    try {
        item = FFactory(this);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return item;
}

TCollectionItem* TCollection::Insert(int index) {
    BeginUpdate();
    TCollectionItem* item = nullptr;
    try {
        item = Add();
        item->SetIndex(index);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return item;
}

void TCollection::Delete(int index) {
    delete Items(index);
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty()) delete FItems.back();
    EndUpdate();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError(L"List index out of bounds (" + IntToStr(index) + L")");
    return FItems[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : FItems)
        if (item->FID == id) return item;
    return nullptr;
}

int TCollection::IndexOf(const TCollectionItem* item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0 && FPendingChange) {
        FPendingChange = false;
        Update(nullptr);
    }
}

void TCollection::Update(TCollectionItem* /*item*/) {}

void TCollection::Changed() {
    ItemChanged(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end()) return;
    FItems.erase(it);
    item->FCollection = nullptr;
    Changed();
}

void TCollection::ItemChanged(TCollectionItem* item) {
    if (FUpdateCount > 0) {
        FPendingChange = true;
        return;
    }
    Update(item);
}

void TCollection::MoveItem(int from, int to) {
    TCollectionItem* item = FItems[static_cast<size_t>(from)];
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + to, item);
}

}  // namespace orv
