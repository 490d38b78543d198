#include "TestSupport.h"
#include "paint/OrvGDIP.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"
#include "statusbar/PictureContainer.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment([] {
        orv::RegisterPaintUnits();
        orv::RegisterUnit(L"PictureContainer", orv::html::RegisterPictureContainerClasses, nullptr);
        orv::RegisterUnit(L"StatusBar", orv::RegisterStatusBarClasses, nullptr);
    }));
