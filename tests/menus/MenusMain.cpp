#include "TestSupport.h"
#include "menus/MenusUnits.h"
#include "paint/OrvGDIP.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment([] {
        orv::RegisterPaintUnits();
        orv::RegisterMenusUnits();
    }));
