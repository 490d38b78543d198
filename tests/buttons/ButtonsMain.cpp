#include "TestSupport.h"
#include "buttons/OrvGlowButton.h"
#include "paint/OrvGDIP.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment([] {
        orv::RegisterPaintUnits();
        orv::RegisterUnit(L"Buttons", orv::RegisterButtonsClasses, nullptr);
    }));
