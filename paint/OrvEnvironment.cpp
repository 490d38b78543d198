#include "paint/OrvEnvironment.h"

#include <windows.h>
#include <shlwapi.h>

namespace orv {

bool VisualStylesAvailable() {
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    if (!comctl) comctl = LoadLibraryW(L"comctl32.dll");
    if (!comctl) return false;
    auto getVersion =
        reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")));
    if (!getVersion) return false;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof(info);
    if (FAILED(getVersion(&info))) return false;
    return info.dwMajorVersion > 5;
}

bool CompositionEnabled() {
    using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    // Looked up once; the library stays loaded for the run.
    static TDwmIsCompositionEnabled isEnabled = [] {
        HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
        return dwm ? reinterpret_cast<TDwmIsCompositionEnabled>(
                         reinterpret_cast<void*>(GetProcAddress(dwm, "DwmIsCompositionEnabled")))
                   : nullptr;
    }();
    BOOL enabled = FALSE;
    return isEnabled && SUCCEEDED(isEnabled(&enabled)) && enabled;
}

bool IsVistaOrLater() {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel && GetProcAddress(kernel, "GetLocaleInfoEx") != nullptr;
}

}  // namespace orv
