#include "TestSupport.h"
#include "appbutton/OrvShapeButton.h"
#include "appmenu/OrvPreviewMenu.h"
#include "buttons/OrvGlowButton.h"
#include "menus/MenusUnits.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvToolBarStylers.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment([] {
        orv::RegisterPaintUnits();
        orv::RegisterUnit(L"Buttons", orv::RegisterButtonsClasses, nullptr);
        orv::RegisterMenusUnits();
        orv::RegisterUnit(L"Toolbar", orv::RegisterToolbarClasses, nullptr);
        orv::RegisterUnit(L"AppMenu", orv::RegisterAppMenuClasses, nullptr);
        orv::RegisterUnit(L"AppButton", orv::RegisterShapeButtonClasses, nullptr);
    }));
