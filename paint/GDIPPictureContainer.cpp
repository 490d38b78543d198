#include "paint/GDIPPictureContainer.h"

namespace orv {

namespace {
// major in the top byte, then minor, release, build.
constexpr uint32_t kVersion = (1u << 24) | (0u << 16) | (0u << 8) | 0u;
}  // namespace

TPictureItem::TPictureItem(TCollection* collection) : TCollectionItem(collection) {
    FPicture.OnChange = TNotifyEvent::Bind(this, &TPictureItem::PictureChanged);
}

void TPictureItem::Assign(const TPersistent* source) {
    if (auto* item = dynamic_cast<const TPictureItem*>(source)) {
        if (item == this) return;
        FName = item->FName;
        FTag = item->FTag;
        FPicture.Assign(&item->FPicture);
        return;
    }
    TCollectionItem::Assign(source);
}

void TPictureItem::SetName(const std::wstring& value) {
    if (FName == value) return;
    FName = value;
    Changed(false);
}

TGDIPPictureContainer::TGDIPPictureContainer(TComponent* owner) : TComponent(owner), FItems(this) {}

TOrvGDIPPicture* TGDIPPictureContainer::FindPicture(const std::wstring& name) {
    const std::wstring key = UpperCase(name);
    for (int i = 0; i < FItems.Count(); ++i) {
        TPictureItem* item = FItems.Items(i);
        if (UpperCase(item->GetName()) == key) return &item->GetPicture();
    }
    return nullptr;
}

std::wstring TGDIPPictureContainer::GetVersion() const {
    return VersionString(kVersion);
}

std::wstring TGDIPPictureContainer::VersionString(uint32_t packed) {
    return IntToStr(packed >> 24) + L"." + IntToStr((packed >> 16) & 0xFF) + L"." + IntToStr((packed >> 8) & 0xFF) +
           L"." + IntToStr(packed & 0xFF);
}

}  // namespace orv
