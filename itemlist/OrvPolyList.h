#pragma once
// The two items containers a layout uses: TOrvPolyList publishes the container's
// properties; TOrvPolyMenu is a poly list that follows the application button's colour
// and Office 2010 style (IsMainMenu, true from construction).
#include "itemlist/CustomItemsContainer.h"

namespace orv {

class TOrvPolyList : public TCustomItemsContainer {
public:
    ORV_CLASS_NAME(TOrvPolyList)
    explicit TOrvPolyList(TComponent* owner) : TCustomItemsContainer(owner) {}
};

class TOrvPolyMenu : public TOrvPolyList {
public:
    ORV_CLASS_NAME(TOrvPolyMenu)
    explicit TOrvPolyMenu(TComponent* owner) : TOrvPolyList(owner) { SetIsMainMenu(true); }
};

// The container, list and appearance classes for stored layouts.
void RegisterPolyListClasses();

}  // namespace orv
