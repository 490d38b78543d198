#include "app/Program.h"

#include <windows.h>

#include <exception>

#include "app/ZemForm3.h"
#include "appmenu/OrvPreviewMenu.h"
#include "appbutton/OrvShapeButton.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Application.h"
#include "framework/SysUtils.h"
#include "framework/Units.h"
#include "itemlist/ItemListClasses.h"
#include "menus/MenusUnits.h"
#include "paint/OrvGDIP.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"
#include "statusbar/PictureContainer.h"
#include "toolbar/OrvTBXPVS.h"
#include "toolbar/OrvToolBarStylers.h"

namespace {

TErrorBoxHook& ErrorBoxHook() {
    static TErrorBoxHook hook;
    return hook;
}

void RegisterProgramUnits() {
    orv::RegisterFrameworkUnits();
    orv::RegisterPaintUnits();
    orv::RegisterMenusUnits();
    orv::RegisterUnit(L"Buttons", orv::RegisterButtonsClasses, nullptr);
    orv::RegisterUnit(L"AppButton", orv::RegisterShapeButtonClasses, nullptr);
    orv::RegisterUnit(L"Toolbar", orv::RegisterToolbarClasses, nullptr);
    orv::RegisterThemeUnit();
    orv::RegisterUnit(L"ItemList", orv::RegisterItemListClasses, nullptr);
    orv::RegisterUnit(L"PictureContainer", orv::html::RegisterPictureContainerClasses, nullptr);
    orv::RegisterUnit(L"StatusBar", orv::RegisterStatusBarClasses, nullptr);
    orv::RegisterUnit(L"AppMenu", orv::RegisterAppMenuClasses, nullptr);
    orv::RegisterUnit(L"Program", RegisterAppClasses, nullptr);
}

}  // namespace

TErrorBoxHook SetErrorBoxHook(TErrorBoxHook hook) {
    TErrorBoxHook old = std::move(ErrorBoxHook());
    ErrorBoxHook() = std::move(hook);
    return old;
}

void ShowErrorBox(const std::wstring& message) {
    if (ErrorBoxHook()) {
        ErrorBoxHook()(message);
        return;
    }
    std::wstring title = orv::Application ? orv::Application->Title() : L"Quillan";
    MessageBoxW(nullptr, message.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

int RunProgram(const std::function<void()>& createMainWindow) {
    RegisterProgramUnits();
    int exitCode = 0;
    try {
        orv::InitializeUnits();
        orv::Application->Initialize();
        createMainWindow();
        orv::Application->Run();
    } catch (const orv::Exception& e) {
        ShowErrorBox(e.Message());
        exitCode = 1;
    } catch (const std::exception& e) {
        ShowErrorBox(orv::FromUtf8(e.what()));
        exitCode = 1;
    } catch (...) {
        ShowErrorBox(L"The program stopped on an unknown error.");
        exitCode = 1;
    }
    // Whatever happened, forms and components go before the library's own shut-down.
    orv::FinalizeUnits();
    return exitCode;
}
