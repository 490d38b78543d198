#include "toolbar/OrvTBXPVS.h"

#include <array>

#include "framework/Units.h"

namespace orv {

namespace {

constexpr int kEntryCount = static_cast<int>(TThemeEntry::Count);

const std::array<const char*, kEntryCount> kEntryNames = {"OpenThemeData",
                                                          "CloseThemeData",
                                                          "DrawThemeBackground",
                                                          "DrawThemeText",
                                                          "GetThemeBackgroundContentRect",
                                                          "GetThemeBackgroundExtent",
                                                          "GetThemeTextExtent",
                                                          "GetThemeTextMetrics",
                                                          "GetThemeBackgroundRegion",
                                                          "HitTestThemeBackground",
                                                          "DrawThemeEdge",
                                                          "DrawThemeIcon",
                                                          "IsThemePartDefined",
                                                          "IsThemeBackgroundPartiallyTransparent",
                                                          "GetThemeColor",
                                                          "GetThemeMetric",
                                                          "GetThemeString",
                                                          "GetThemeBool",
                                                          "GetThemeInt",
                                                          "GetThemeEnumValue",
                                                          "GetThemePosition",
                                                          "GetThemeFont",
                                                          "GetThemeRect",
                                                          "GetThemeMargins",
                                                          "GetThemeIntList",
                                                          "SetWindowTheme",
                                                          "GetThemeFilename",
                                                          "GetThemeSysColor",
                                                          "GetThemeSysColorBrush",
                                                          "GetThemeSysBool",
                                                          "GetThemeSysSize",
                                                          "GetThemeSysFont",
                                                          "GetThemeSysString",
                                                          "GetThemeSysInt",
                                                          "IsThemeActive",
                                                          "IsAppThemed",
                                                          "GetWindowTheme",
                                                          "EnableThemeDialogTexture",
                                                          "IsThemeDialogTextureEnabled",
                                                          "GetThemeAppProperties",
                                                          "SetThemeAppProperties",
                                                          "GetCurrentThemeName",
                                                          "GetThemeDocumentationProperty",
                                                          "DrawThemeParentBackground",
                                                          "EnableTheming"};

// Several components may load the library; one critical section guards the count.
struct TThemeLibrary {
    TThemeLibrary() { InitializeCriticalSection(&Lock); }
    ~TThemeLibrary() { DeleteCriticalSection(&Lock); }
    CRITICAL_SECTION Lock;
    HMODULE Module = nullptr;
    int Count = 0;
    std::array<FARPROC, kEntryCount> Entries{};
    bool TextExTried = false;
    FARPROC TextEx = nullptr;
};

TThemeLibrary& Library() {
    static TThemeLibrary library;
    return library;
}

class TLockGuard {
public:
    explicit TLockGuard(CRITICAL_SECTION& lock) : FLock(lock) { EnterCriticalSection(&FLock); }
    ~TLockGuard() { LeaveCriticalSection(&FLock); }
    TLockGuard(const TLockGuard&) = delete;
    TLockGuard& operator=(const TLockGuard&) = delete;

private:
    CRITICAL_SECTION& FLock;
};

template <typename T>
T Entry(TThemeEntry entry) {
    return reinterpret_cast<T>(reinterpret_cast<void*>(ThemeEntryAddress(entry)));
}

}  // namespace

const char* ThemeEntryName(TThemeEntry entry) {
    int index = static_cast<int>(entry);
    return index >= 0 && index < kEntryCount ? kEntryNames[index] : "";
}

bool LoadThemeLibrary() {
    TThemeLibrary& lib = Library();
    TLockGuard guard(lib.Lock);
    if (lib.Count++ == 0) {
        lib.Module = LoadLibraryW(L"UXTHEME.DLL");
        for (int i = 0; i < kEntryCount; ++i)
            lib.Entries[i] = lib.Module ? GetProcAddress(lib.Module, kEntryNames[i]) : nullptr;
    }
    return lib.Module != nullptr;
}

void ReleaseThemeLibrary() {
    TThemeLibrary& lib = Library();
    TLockGuard guard(lib.Lock);
    if (lib.Count == 0) return;
    if (--lib.Count > 0) return;
    if (lib.Module) FreeLibrary(lib.Module);
    lib.Module = nullptr;
    lib.Entries.fill(nullptr);
    lib.TextExTried = false;
    lib.TextEx = nullptr;
}

int ThemeLibraryLoadCount() {
    TThemeLibrary& lib = Library();
    TLockGuard guard(lib.Lock);
    return lib.Count;
}

FARPROC ThemeEntryAddress(TThemeEntry entry) {
    int index = static_cast<int>(entry);
    if (index < 0 || index >= kEntryCount) return nullptr;
    TThemeLibrary& lib = Library();
    TLockGuard guard(lib.Lock);
    return lib.Entries[index];
}

HTHEME_ OrvOpenThemeData(HWND window, const wchar_t* classList) {
    auto call = Entry<HTHEME_(WINAPI*)(HWND, LPCWSTR)>(TThemeEntry::OpenThemeData);
    return call ? call(window, classList) : nullptr;
}

HRESULT OrvCloseThemeData(HTHEME_ theme) {
    auto call = Entry<HRESULT(WINAPI*)(HTHEME_)>(TThemeEntry::CloseThemeData);
    return call ? call(theme) : E_NOTIMPL;
}

HRESULT OrvGetThemeSysFont(HTHEME_ theme, int fontId, LOGFONTW* font) {
    auto call = Entry<HRESULT(WINAPI*)(HTHEME_, int, LOGFONTW*)>(TThemeEntry::GetThemeSysFont);
    return call ? call(theme, fontId, font) : E_NOTIMPL;
}

bool ThemeIsActive() {
    auto call = Entry<BOOL(WINAPI*)()>(TThemeEntry::IsThemeActive);
    return call && call();
}

HRESULT OrvDrawThemeTextEx(HTHEME_ theme, HDC dc, int part, int state, const wchar_t* text, int length, DWORD flags,
                           RECT* rect, const void* options) {
    using TCall = HRESULT(WINAPI*)(HTHEME_, HDC, int, int, LPCWSTR, int, DWORD, RECT*, const void*);
    TThemeLibrary& lib = Library();
    FARPROC address = nullptr;
    {
        TLockGuard guard(lib.Lock);
        if (!lib.TextExTried && lib.Module) {
            lib.TextExTried = true;
            lib.TextEx = GetProcAddress(lib.Module, "DrawThemeTextEx");
        }
        address = lib.TextEx;
    }
    if (!address) return E_NOTIMPL;
    return reinterpret_cast<TCall>(reinterpret_cast<void*>(address))(theme, dc, part, state, text, length, flags, rect,
                                                                     options);
}

void RegisterThemeUnit() {
    if (UnitRegistered(L"OrvTBXPVS")) return;
    RegisterUnit(
        L"OrvTBXPVS", [] { LoadThemeLibrary(); }, [] { ReleaseThemeLibrary(); });
}

}  // namespace orv
