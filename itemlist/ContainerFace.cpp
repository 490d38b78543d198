#include "itemlist/ContainerFace.h"

#include <atomic>

#include "framework/ImageList.h"
#include "paint/GDIPPictureContainer.h"

namespace orv {

namespace {
void Mix(uint64_t& seed, uint64_t value) {
    seed ^= value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2);
}
}  // namespace

uint64_t NextContainerLookVersion() {
    static std::atomic<uint64_t> counter{0};
    return ++counter;
}

uint64_t PictureStampOf(TGDIPPictureContainer* pictures, TImageList* images) {
    uint64_t stamp = 0;
    if (pictures) {
        TPictureCollection& items = pictures->GetItems();
        Mix(stamp, static_cast<uint64_t>(items.Count()));
        for (int i = 0; i < items.Count(); ++i) {
            TPictureItem* item = items.Items(i);
            Mix(stamp, std::hash<std::wstring>{}(item->GetName()));
            Mix(stamp, item->GetPicture().Version());
        }
    }
    if (images) Mix(stamp, images->Version());
    return stamp;
}

}  // namespace orv

std::size_t std::hash<orv::TContainerFaceItems>::operator()(const orv::TContainerFaceItems& items) const noexcept {
    uint64_t seed = items.Entries.size();
    for (const auto& e : items.Entries) {
        orv::Mix(seed, std::hash<const void*>{}(e.Item));
        orv::Mix(seed, (uint64_t(e.State) << 8) | e.StatusState);
    }
    return static_cast<std::size_t>(seed);
}
