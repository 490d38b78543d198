#include "TestSupport.h"
#include "appmenu/OrvPreviewMenu.h"
#include "buttons/OrvGlowButton.h"
#include "paint/OrvGDIP.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment([] {
        orv::RegisterPaintUnits();
        orv::RegisterUnit(L"Buttons", orv::RegisterButtonsClasses, nullptr);
        orv::RegisterUnit(L"AppMenu", orv::RegisterAppMenuClasses, nullptr);
    }));
