#pragma once
// TCollection: an ordered list of owned items (panels, menu items, named pictures). The
// collection owns its items; an item knows its collection and its index, and deleting an
// item takes it out of its collection. Changes are announced through the virtual Update
// (the changed item, or null when the list itself or many items changed); between
// BeginUpdate and EndUpdate they are gathered into one Update(null) at the end.
#include <functional>
#include <string>
#include <vector>

#include "framework/Persistent.h"
#include "framework/SysUtils.h"

namespace orv {

class EListError : public Exception {
    using Exception::Exception;
};

class TCollection;

class TCollectionItem : public TPersistent {
public:
    ORV_CLASS_NAME(TCollectionItem)
    // Adds the item to the end of collection (when given).
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;

    TCollection* Collection() const { return FCollection; }
    // Moves the item to another collection (null: takes it out, the caller then owns it).
    void SetCollection(TCollection* value);
    int GetIndex() const;
    // Moves the item within its collection; the value is clamped to the valid range.
    virtual void SetIndex(int value);
    int ID() const { return FID; }
    virtual std::wstring GetDisplayName() const { return ClassName(); }

protected:
    TPersistent* GetOwner() const override;
    // Announces a change of this item (or of all items) to the collection.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

class TCollection : public TPersistent {
public:
    ORV_CLASS_NAME(TCollection)
    using TItemFactory = std::function<TCollectionItem*(TCollection*)>;

    // factory makes one item added to the collection (its constructor adds it).
    TCollection(TPersistent* owner, TItemFactory factory);
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    // Replaces the items with copies of the source's (each assigned item by item).
    void Assign(const TPersistent* source) override;

    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index out of range.
    TCollectionItem* Items(int index) const;
    TCollectionItem* FindItemID(int id) const;
    int IndexOf(const TCollectionItem* item) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TPersistent* Owner() const { return FOwner; }

protected:
    TPersistent* GetOwner() const override { return FOwner; }
    // Called for every change outside an update: item is the changed item, or null for
    // changes of the list or of several items.
    virtual void Update(TCollectionItem* item);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void ItemChanged(TCollectionItem* item);
    void MoveItem(int from, int to);

    TPersistent* FOwner;
    TItemFactory FFactory;
    std::vector<TCollectionItem*> FItems;
    int FNextID = 0;
    int FUpdateCount = 0;
    bool FPendingChange = false;
};

// A collection of one item class, with typed access.
template <class TItem>
class TTypedCollection : public TCollection {
public:
    explicit TTypedCollection(TPersistent* owner)
        : TCollection(owner, [](TCollection* c) -> TCollectionItem* { return new TItem(c); }) {}
    TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
    TItem* Insert(int index) { return static_cast<TItem*>(TCollection::Insert(index)); }
    TItem* Items(int index) const { return static_cast<TItem*>(TCollection::Items(index)); }
};

}  // namespace orv
