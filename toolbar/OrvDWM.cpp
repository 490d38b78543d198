#include "toolbar/OrvDWM.h"

#include "paint/OrvEnvironment.h"
#include "toolbar/OrvTBXPVS.h"

namespace orv {

namespace {

using TDefWindowProc = BOOL(WINAPI*)(HWND, UINT, WPARAM, LPARAM, LRESULT*);
using TExtendFrame = HRESULT(WINAPI*)(HWND, const TDwmMargins*);
using TIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);

// The library is loaded once and kept for the run; each entry is looked up at its first
// call. A renamed library (tests) drops what was looked up.
struct TDwmLibrary {
    std::wstring Name = L"DWMAPI.DLL";
    HMODULE Module = nullptr;
    bool Tried = false;
    bool DefTried = false, ExtendTried = false, EnabledTried = false;
    TDefWindowProc Def = nullptr;
    TExtendFrame Extend = nullptr;
    TIsCompositionEnabled Enabled = nullptr;
};

TDwmLibrary& Dwm() {
    static TDwmLibrary library;
    return library;
}

HMODULE DwmModule() {
    TDwmLibrary& dwm = Dwm();
    if (!dwm.Tried) {
        dwm.Tried = true;
        dwm.Module = LoadLibraryW(dwm.Name.c_str());
    }
    return dwm.Module;
}

template <typename T>
T Lookup(bool& tried, T& entry, const char* name) {
    if (!tried) {
        tried = true;
        if (HMODULE module = DwmModule())
            entry = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
    return entry;
}

TGlassOverride gGlassOverride = TGlassOverride::goNone;

}  // namespace

BOOL OrvDwmDefWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    TDwmLibrary& dwm = Dwm();
    auto call = Lookup(dwm.DefTried, dwm.Def, "DwmDefWindowProc");
    return call ? call(window, msg, wParam, lParam, result) : FALSE;
}

HRESULT OrvDwmExtendFrameIntoClientArea(HWND window, const TDwmMargins& margins) {
    TDwmLibrary& dwm = Dwm();
    auto call = Lookup(dwm.ExtendTried, dwm.Extend, "DwmExtendFrameIntoClientArea");
    if (!call) return E_NOTIMPL;
    // The same four ints, in the platform's order.
    return call(window, &margins);
}

HRESULT OrvDwmIsCompositionEnabled(BOOL* enabled) {
    TDwmLibrary& dwm = Dwm();
    auto call = Lookup(dwm.EnabledTried, dwm.Enabled, "DwmIsCompositionEnabled");
    return call ? call(enabled) : E_NOTIMPL;
}

bool DwmCompositionEnabled() {
    if (!WindowsVersionAtLeast(6, 0)) return false;
    BOOL enabled = FALSE;
    return SUCCEEDED(OrvDwmIsCompositionEnabled(&enabled)) && enabled;
}

bool WindowsVersionAtLeast(DWORD major, DWORD minor) {
    using TRtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    static const OSVERSIONINFOW version = [] {
        OSVERSIONINFOW v{};
        v.dwOSVersionInfoSize = sizeof(v);
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        auto get =
            ntdll ? reinterpret_cast<TRtlGetVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                  : nullptr;
        if (get) get(&v);
        return v;
    }();
    return version.dwMajorVersion > major || (version.dwMajorVersion == major && version.dwMinorVersion >= minor);
}

bool GlassCondition(bool designing) {
    if (gGlassOverride != TGlassOverride::goNone) return gGlassOverride == TGlassOverride::goOn;
    return !designing && VisualStylesAvailable() && IsVistaOrLater() && ThemeIsActive() && DwmCompositionEnabled();
}

void SetDwmLibraryName(const std::wstring& name) {
    TDwmLibrary& dwm = Dwm();
    if (dwm.Module) FreeLibrary(dwm.Module);
    dwm = TDwmLibrary{};
    if (!name.empty()) dwm.Name = name;
}

void SetGlassOverride(TGlassOverride value) {
    gGlassOverride = value;
}

}  // namespace orv
