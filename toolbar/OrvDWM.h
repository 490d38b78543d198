#pragma once
// Desktop-composition entry points, looked up on first use so the library also runs
// where the composition library or one of its entries is missing (E_NOTIMPL then), and
// the one place that decides whether a toolbar form and its pager draw on glass.
#include <windows.h>

#include <string>

namespace orv {

// Frame extension into the client area, in pixels.
// Laid out as the platform's margin record.
struct TDwmMargins {
    int Left = 0;
    int Right = 0;
    int Top = 0;
    int Bottom = 0;
};

// FALSE (and result untouched) when the entry point is missing.
BOOL OrvDwmDefWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
HRESULT OrvDwmExtendFrameIntoClientArea(HWND window, const TDwmMargins& margins);
HRESULT OrvDwmIsCompositionEnabled(BOOL* enabled);
// Windows 6 or later, the query succeeds and reports composition on.
bool DwmCompositionEnabled();

// The platform's version (from the kernel, not from the compatibility layer).
bool WindowsVersionAtLeast(DWORD major, DWORD minor);

// The glass condition shared by the toolbar form and the pager: visual styles, Vista or
// later, themes on, composition on and not designing.
bool GlassCondition(bool designing);

// Test seams. The composition library is looked up again under another name (an empty
// name restores the real one); the glass override forces the condition on or off.
enum class TGlassOverride { goNone, goOff, goOn };
void SetDwmLibraryName(const std::wstring& name);
void SetGlassOverride(TGlassOverride value);

}  // namespace orv
