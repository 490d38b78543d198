#include "framework/Screen.h"

#include <algorithm>

#include "framework/Forms.h"
#include "framework/SystemFont.h"

namespace orv {

TScreen* Screen = nullptr;

namespace {

TRect FromRECT(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TRect SystemWorkArea() {
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return FromRECT(r);
}

// Callbacks are named functions: the platform's calling convention differs from a
// lambda's on 32-bit targets.
BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM param) {
    reinterpret_cast<std::vector<HMONITOR>*>(param)->push_back(monitor);
    return TRUE;
}

int CALLBACK CollectFontName(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM param) {
    // Vertical variants ("@Face") are not separate faces for the user.
    if (lf->lfFaceName[0] != L'@') reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(lf->lfFaceName);
    return 1;
}

std::vector<HMONITOR> EnumMonitors() {
    std::vector<HMONITOR> list;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&list));
    return list;
}

TMonitor Describe(HMONITOR handle) {
    TMonitor m;
    if (!handle) return m;
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(handle, &info)) return m;
    m.Handle = handle;
    m.Primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    m.BoundsRect = FromRECT(info.rcMonitor);
    m.WorkareaRect = FromRECT(info.rcWork);
    std::vector<HMONITOR> all = EnumMonitors();
    auto it = std::find(all.begin(), all.end(), handle);
    m.MonitorNum = it == all.end() ? -1 : static_cast<int>(it - all.begin());
    return m;
}

DWORD MonitorFlag(TMonitorDefaultTo defaultTo) {
    switch (defaultTo) {
        case TMonitorDefaultTo::mdNull:
            return MONITOR_DEFAULTTONULL;
        case TMonitorDefaultTo::mdPrimary:
            return MONITOR_DEFAULTTOPRIMARY;
        default:
            return MONITOR_DEFAULTTONEAREST;
    }
}

}  // namespace

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
    RefreshFonts();
}

// --- monitors -----------------------------------------------------------------------------

int TScreen::MonitorCount() const {
    return static_cast<int>(EnumMonitors().size());
}

TMonitor TScreen::Monitors(int index) const {
    std::vector<HMONITOR> all = EnumMonitors();
    return Describe(all.at(static_cast<size_t>(index)));
}

TMonitor TScreen::PrimaryMonitor() const {
    return Describe(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

TMonitor TScreen::MonitorFromPoint(TPoint point, TMonitorDefaultTo defaultTo) const {
    return Describe(::MonitorFromPoint(POINT{point.X, point.Y}, MonitorFlag(defaultTo)));
}

TMonitor TScreen::MonitorFromRect(const TRect& rect, TMonitorDefaultTo defaultTo) const {
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    return Describe(::MonitorFromRect(&r, MonitorFlag(defaultTo)));
}

TMonitor TScreen::MonitorFromWindow(HWND window, TMonitorDefaultTo defaultTo) const {
    return Describe(::MonitorFromWindow(window, MonitorFlag(defaultTo)));
}

int TScreen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::WorkAreaRect() const {
    return SystemWorkArea();
}

TRect TScreen::DesktopRect() const {
    int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return Bounds(x, y, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

int TScreen::PixelsPerInch() const {
    return ScreenPixelsPerInch();
}

// --- fonts --------------------------------------------------------------------------------

void TScreen::RefreshFonts() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        AssignLogFont(FMenuFont, metrics.lfMenuFont);
        AssignLogFont(FMessageFont, metrics.lfMessageFont);
        // Hints and status lines share the system's status font.
        AssignLogFont(FHintFont, metrics.lfStatusFont);
    }
    FMenuFont.SetColor(clMenuText);
    FMessageFont.SetColor(clWindowText);
    FHintFont.SetColor(clInfoText);
}

const std::vector<std::wstring>& TScreen::Fonts() {
    if (!FFonts.empty()) return FFonts;
    HDC dc = GetDC(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &query, CollectFontName, reinterpret_cast<LPARAM>(&FFonts), 0);
    ReleaseDC(nullptr, dc);
    std::sort(FFonts.begin(), FFonts.end());
    FFonts.erase(std::unique(FFonts.begin(), FFonts.end()), FFonts.end());
    return FFonts;
}

// --- cursor -------------------------------------------------------------------------------

void TScreen::SetCursor(TCursor value) {
    if (FCursor == value) return;
    FCursor = value;
    if (value != crDefault) {
        ::SetCursor(CursorHandle(value));
        return;
    }
    // Back to the controls' own cursors: let the window under the pointer choose again.
    POINT p;
    GetCursorPos(&p);
    if (HWND window = WindowFromPoint(p)) {
        if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
            SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                         MAKELPARAM(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), WM_MOUSEMOVE));
    }
}

// --- forms --------------------------------------------------------------------------------

TForm* TScreen::ActiveForm() const {
    HWND active = GetActiveWindow();
    return dynamic_cast<TForm*>(TWinControl::FromHandle(active));
}

TWinControl* TScreen::ActiveControl() const {
    TForm* form = ActiveForm();
    if (!form) return nullptr;
    HWND focus = GetFocus();
    // The focus may sit in an MDI child, which belongs to the active frame's window.
    if (!focus || GetAncestor(focus, GA_ROOT) != form->Handle()) return nullptr;
    TWinControl* control = TWinControl::FromHandle(focus);
    return control == form ? nullptr : control;
}

void TScreen::AddForm(TForm* form) {
    if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TScreen::RemoveForm(TForm* form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}

}  // namespace orv
