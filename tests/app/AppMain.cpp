// Library start-up and shut-down around the whole program test run.
#include "TestSupport.h"
#include "app/ZemForm3.h"
#include "appmenu/OrvPreviewMenu.h"
#include "itemlist/ItemListClasses.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"
#include "statusbar/PictureContainer.h"
#include "appbutton/OrvShapeButton.h"
#include "buttons/OrvGlowButton.h"
#include "menus/MenusUnits.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvToolBarStylers.h"

static ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new orvtest::TLibraryEnvironment([] {
        orv::RegisterPaintUnits();
        orv::RegisterMenusUnits();
        orv::RegisterUnit(L"Buttons", orv::RegisterButtonsClasses, nullptr);
        orv::RegisterUnit(L"AppButton", orv::RegisterShapeButtonClasses, nullptr);
        orv::RegisterUnit(L"Toolbar", orv::RegisterToolbarClasses, nullptr);
        orv::RegisterUnit(L"ItemList", orv::RegisterItemListClasses, nullptr);
        orv::RegisterUnit(L"PictureContainer", orv::html::RegisterPictureContainerClasses, nullptr);
        orv::RegisterUnit(L"StatusBar", orv::RegisterStatusBarClasses, nullptr);
        orv::RegisterUnit(L"AppMenu", orv::RegisterAppMenuClasses, nullptr);
        orv::RegisterUnit(L"Program", RegisterAppClasses, nullptr);
    }));
