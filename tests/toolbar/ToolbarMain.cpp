#include "TestSupport.h"
#include "buttons/OrvGlowButton.h"
#include "menus/MenusUnits.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvTBXPVS.h"
#include "toolbar/OrvToolBarStylers.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment([] {
        orv::RegisterPaintUnits();
        orv::RegisterUnit(L"Buttons", orv::RegisterButtonsClasses, nullptr);
        orv::RegisterMenusUnits();
        orv::RegisterUnit(L"Toolbar", orv::RegisterToolbarClasses, nullptr);
        orv::RegisterThemeUnit();
    }));
