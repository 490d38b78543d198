#include "framework/Units.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/Application.h"
#include "framework/Clipbrd.h"
#include "framework/FrameworkClasses.h"
#include "framework/RegisteredMessages.h"
#include "framework/Screen.h"

namespace orv {

namespace {
struct TUnitStep {
    std::wstring Name;
    std::function<void()> Initialize;
    std::function<void()> Finalize;
    bool Done = false;
};
std::vector<TUnitStep>& Steps() {
    static std::vector<TUnitStep> steps;
    return steps;
}
}  // namespace

void RegisterUnit(const std::wstring& name, std::function<void()> initialize, std::function<void()> finalize) {
    if (UnitRegistered(name)) return;
    Steps().push_back({name, std::move(initialize), std::move(finalize), false});
}

bool UnitRegistered(const std::wstring& name) {
    for (auto& s : Steps())
        if (s.Name == name) return true;
    return false;
}

void InitializeUnits() {
    for (auto& s : Steps()) {
        if (s.Done) continue;
        if (s.Initialize) s.Initialize();
        s.Done = true;
    }
    if (!Screen) Screen = new TScreen(nullptr);
    if (!Application) Application = new TApplication(nullptr);
}

void FinalizeUnits() {
    if (Application) {
        TApplication* app = Application;
        app->Free();
        Application = nullptr;
    }
    // After the forms, which leave its list as they go.
    if (Screen) {
        TScreen* screen = Screen;
        Screen = nullptr;
        screen->Free();
    }
    auto& steps = Steps();
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (!it->Done) continue;
        if (it->Finalize) it->Finalize();
        it->Done = false;
    }
}

void RegisterFrameworkUnits() {
    RegisterUnit(
        L"Controls",
        [] {
            INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
            InitCommonControlsEx(&icc);
            RegisterFrameworkClasses();
        },
        nullptr);
    RegisterMessageUnits();
    // The clipboard's hidden window goes with the other windows.
    RegisterUnit(L"Clipbrd", nullptr, [] { Clipboard().ReleaseWindow(); });
}

}  // namespace orv
