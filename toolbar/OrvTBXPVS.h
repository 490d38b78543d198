#pragma once
// Visual-styles entry points: the library is loaded at start-up under one lock and its
// entries resolved in a fixed order; a load count keeps it until the last release.
// Missing entries answer E_NOTIMPL (or a neutral value) instead of failing.
#include <windows.h>

namespace orv {

using HTHEME_ = HANDLE;

// The entries resolved at load, in their order.
enum class TThemeEntry {
    OpenThemeData,
    CloseThemeData,
    DrawThemeBackground,
    DrawThemeText,
    GetThemeBackgroundContentRect,
    GetThemeBackgroundExtent,
    GetThemeTextExtent,
    GetThemeTextMetrics,
    GetThemeBackgroundRegion,
    HitTestThemeBackground,
    DrawThemeEdge,
    DrawThemeIcon,
    IsThemePartDefined,
    IsThemeBackgroundPartiallyTransparent,
    GetThemeColor,
    GetThemeMetric,
    GetThemeString,
    GetThemeBool,
    GetThemeInt,
    GetThemeEnumValue,
    GetThemePosition,
    GetThemeFont,
    GetThemeRect,
    GetThemeMargins,
    GetThemeIntList,
    SetWindowTheme,
    GetThemeFilename,
    GetThemeSysColor,
    GetThemeSysColorBrush,
    GetThemeSysBool,
    GetThemeSysSize,
    GetThemeSysFont,
    GetThemeSysString,
    GetThemeSysInt,
    IsThemeActive,
    IsAppThemed,
    GetWindowTheme,
    EnableThemeDialogTexture,
    IsThemeDialogTextureEnabled,
    GetThemeAppProperties,
    SetThemeAppProperties,
    GetCurrentThemeName,
    GetThemeDocumentationProperty,
    DrawThemeParentBackground,
    EnableTheming,
    Count
};
const char* ThemeEntryName(TThemeEntry entry);

// Load and release, counted; the first load loads the library and resolves every entry,
// the release that brings the count to zero frees it and forgets them.
bool LoadThemeLibrary();
void ReleaseThemeLibrary();
int ThemeLibraryLoadCount();
// The entry's address, or null when the library or the entry is missing.
FARPROC ThemeEntryAddress(TThemeEntry entry);

// Typed calls used by the toolbar form and pager.
HTHEME_ OrvOpenThemeData(HWND window, const wchar_t* classList);
HRESULT OrvCloseThemeData(HTHEME_ theme);
HRESULT OrvGetThemeSysFont(HTHEME_ theme, int fontId, LOGFONTW* font);
bool ThemeIsActive();
// Resolved at its first call; E_NOTIMPL where the platform lacks it. options points to
// the platform's text-option record.
HRESULT OrvDrawThemeTextEx(HTHEME_ theme, HDC dc, int part, int state, const wchar_t* text, int length, DWORD flags,
                           RECT* rect, const void* options);

// Registers the start-up load and the shut-down release with the library's units.
void RegisterThemeUnit();

}  // namespace orv
