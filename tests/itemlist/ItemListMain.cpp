#include "TestSupport.h"
#include "itemlist/ItemListClasses.h"
#include "paint/OrvGDIP.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment([] {
        orv::RegisterPaintUnits();
        orv::RegisterUnit(L"ItemList", orv::RegisterItemListClasses, nullptr);
    }));
