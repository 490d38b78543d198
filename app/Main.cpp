// Program entry: library start-up, the main window, the message loop, shut-down.
#include <windows.h>

#include "app/ZemForm3.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Application.h"
#include "framework/Units.h"
#include "menus/MenusUnits.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvToolBarStylers.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    orv::RegisterFrameworkUnits();
    orv::RegisterPaintUnits();
    orv::RegisterMenusUnits();
    orv::RegisterUnit(L"Buttons", orv::RegisterButtonsClasses, nullptr);
    orv::RegisterUnit(L"Toolbar", orv::RegisterToolbarClasses, nullptr);
    orv::RegisterUnit(L"Program", RegisterAppClasses, nullptr);
    orv::InitializeUnits();
    orv::Application->Initialize();
    orv::Application->CreateForm<TZemForm3>();
    orv::Application->Run();
    orv::FinalizeUnits();
    return 0;
}
