#include "toolbar/OTBMenuItem.h"

#include <algorithm>

#include "toolbar/DbgList.h"

namespace orv {

TOTBMenuItem* TOTBMenuItem::Add() {
    FItems.push_back(std::make_unique<TOTBMenuItem>(this));
    return FItems.back().get();
}

void TOTBMenuItem::Clear() {
    FItems.clear();
}

void TOTBMenuItem::RemoveItem(int index) {
    if (index < 0 || index >= Count()) RaiseListWriteError();
    FItems.erase(FItems.begin() + index);
}

TOTBMenuItem* TOTBMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) RaiseListReadError();
    return FItems[static_cast<size_t>(index)].get();
}

int TOTBMenuItem::IndexOf(const TOTBMenuItem* item) const {
    auto it = std::find_if(FItems.begin(), FItems.end(), [item](const auto& p) { return p.get() == item; });
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TOTBMenuItem::ForgetObject(const TControl* object) {
    if (FObjects == object) FObjects = nullptr;
    for (auto& child : FItems) child->ForgetObject(object);
}

}  // namespace orv
