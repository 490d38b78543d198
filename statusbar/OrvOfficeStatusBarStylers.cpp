#include "statusbar/OrvOfficeStatusBarStylers.h"

#include <windows.h>

#include "framework/SysUtils.h"
#include "statusbar/StatusBarPresets.h"
#include "toolbar/OrvToolBarStyler.h"

namespace orv {

using enum TOfficeStatusBarStyle;

namespace {

void ApplyLook(statusbar::TVistaBackground& look, const TStatusBarLookRow& row) {
    using L = statusbar::TVistaBackground;
    using TSetter = void (L::*)(TColor);
    static constexpr TSetter kColumns[18] = {
        &L::SetBorderColor,       &L::SetColor,          &L::SetColorTo,        &L::SetColorMirror,
        &L::SetColorMirrorTo,     &L::SetTextColor,      &L::SetTextColorHot,   &L::SetTextColorDown,
        &L::SetColorHot,          &L::SetColorHotTo,     &L::SetColorMirrorHot, &L::SetColorMirrorHotTo,
        &L::SetBorderColorHot,    &L::SetColorDown,      &L::SetColorDownTo,    &L::SetColorMirrorDown,
        &L::SetColorMirrorDownTo, &L::SetBorderColorDown};
    for (int i = 0; i < 18; ++i)
        if (row.Values[i] != kKeep) (look.*kColumns[i])(row.Values[i]);
}

TColorSchemeReader& SchemeReader() {
    static TColorSchemeReader reader;
    return reader;
}

// The colour scheme of the active visual style; false when styles are off or missing.
bool SystemColorScheme(std::wstring& scheme) {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&version)) return false;
#pragma GCC diagnostic pop
    if (version.dwMajorVersion < 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion < 1)) return false;
    using TIsThemeActive = BOOL(WINAPI*)();
    using TGetCurrentThemeName = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    bool themed = false;
    if (HMODULE theme = LoadLibraryW(L"uxtheme.dll")) {
        auto isActive =
            reinterpret_cast<TIsThemeActive>(reinterpret_cast<void*>(GetProcAddress(theme, "IsThemeActive")));
        auto getName = reinterpret_cast<TGetCurrentThemeName>(
            reinterpret_cast<void*>(GetProcAddress(theme, "GetCurrentThemeName")));
        if (isActive && getName && isActive()) {
            wchar_t file[MAX_PATH] = {}, color[MAX_PATH] = {}, size[MAX_PATH] = {};
            if (SUCCEEDED(getName(file, MAX_PATH, color, MAX_PATH, size, MAX_PATH))) {
                themed = true;
                scheme = color;
            }
        }
        FreeLibrary(theme);
    }
    return themed;
}

}  // namespace

void ApplyStatusBarPreset(TCustomOrvOfficeStatusBarStyler& styler, TOfficeStatusBarStyle style) {
    const TStatusBarPresetRow* row = FindStatusBarPreset(style);
    if (!row) return;
    styler.SetBorderColor(row->BorderColor);
    ApplyLook(styler.PanelAppearanceLight(), row->Light);
    ApplyLook(styler.PanelAppearanceDark(), row->Dark);
}

TOfficeStatusBarStyle StatusBarStyleForScheme(bool themed, const std::wstring& colorScheme) {
    if (!themed) return psWindowsXP;
    if (SameText(colorScheme, L"NormalColor")) return psOffice2003Blue;
    if (SameText(colorScheme, L"HomeStead")) return psOffice2003Olive;
    if (SameText(colorScheme, L"Metallic")) return psOffice2003Silver;
    return psWindowsXP;
}

void SetStatusBarColorSchemeReader(TColorSchemeReader reader) {
    SchemeReader() = std::move(reader);
}

TOrvOfficeStatusBarOfficeStyler::TOrvOfficeStatusBarOfficeStyler(TComponent* owner)
    : TCustomOrvOfficeStatusBarStyler(owner) {
    // psWindowsXP first, so every cell a preset leaves open has a value.
    ApplyStyle(psWindowsXP);
    ApplyStyle(psOffice2003Blue);
    FNotifier = TNotifierWindow::AttachTo(
        this, TNotifyEvent::Bind(this, &TOrvOfficeStatusBarOfficeStyler::NotifierThemeChange));
}

void TOrvOfficeStatusBarOfficeStyler::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component == FNotifier) FNotifier = nullptr;
    TCustomOrvOfficeStatusBarStyler::Notification(component, operation);
}

void TOrvOfficeStatusBarOfficeStyler::Loaded() {
    TCustomOrvOfficeStatusBarStyler::Loaded();
    if (!IsDesigning()) ThemeChanged();
}

void TOrvOfficeStatusBarOfficeStyler::SetStyle(TOfficeStatusBarStyle value) {
    if (FStyle == value) return;
    ApplyStyle(value);
}

void TOrvOfficeStatusBarOfficeStyler::ApplyStyle(TOfficeStatusBarStyle value) {
    FStyle = value;
    ApplyStatusBarPreset(*this, value);
    Change();
}

void TOrvOfficeStatusBarOfficeStyler::SetComponentStyle(TZemStyle style) {
    SetStyle(static_cast<TOfficeStatusBarStyle>(static_cast<int>(style)));
}

void TOrvOfficeStatusBarOfficeStyler::ThemeChanged() {
    if (!GetAutoThemeAdapt()) return;
    std::wstring scheme;
    bool themed = SchemeReader() ? SchemeReader()(scheme) : SystemColorScheme(scheme);
    SetStyle(StatusBarStyleForScheme(themed, scheme));
}

}  // namespace orv
