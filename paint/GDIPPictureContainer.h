#pragma once
// TGDIPPictureContainer: a non-visual store of named pictures that lists look up by name
// (without regard to letter case).
#include <cstdint>
#include <string>

#include "framework/Collection.h"
#include "framework/Component.h"
#include "paint/GDIPPicture.h"

namespace orv {

class TPictureItem : public TCollectionItem {
public:
    ORV_CLASS_NAME(TPictureItem)
    explicit TPictureItem(TCollection* collection);

    // Copies Name, Tag and the picture data.
    void Assign(const TPersistent* source) override;
    std::wstring GetDisplayName() const override { return FName; }

    // Owned by the item; assigning copies the picture data.
    TOrvGDIPPicture& GetPicture() { return FPicture; }
    void SetPicture(const TOrvGDIPPicture& value) { FPicture.Assign(&value); }
    const std::wstring& GetName() const { return FName; }
    void SetName(const std::wstring& value);
    int32_t GetTag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }

private:
    void PictureChanged(TObject*) { Changed(false); }

    TOrvGDIPPicture FPicture;
    std::wstring FName;
    int32_t FTag = 0;
};

class TPictureCollection : public TTypedCollection<TPictureItem> {
public:
    ORV_CLASS_NAME(TPictureCollection)
    explicit TPictureCollection(TComponent* owner) : TTypedCollection(owner), FOwner(owner) {}
    TComponent* OwnerComponent() const { return FOwner; }

private:
    TComponent* FOwner;
};

class TGDIPPictureContainer : public TComponent {
public:
    ORV_CLASS_NAME(TGDIPPictureContainer)
    explicit TGDIPPictureContainer(TComponent* owner);

    TPictureCollection& GetItems() { return FItems; }
    void SetItems(const TPictureCollection& value) { FItems.Assign(&value); }
    // The picture of the first item whose name equals name without regard to case; null
    // when none does. An empty name finds an item with an empty name.
    TOrvGDIPPicture* FindPicture(const std::wstring& name);

    // "major.minor.release.build" of the packed version number; writing it does nothing.
    std::wstring GetVersion() const;
    void SetVersion(const std::wstring& /*value*/) {}
    static std::wstring VersionString(uint32_t packed);

private:
    TPictureCollection FItems;
};

}  // namespace orv
