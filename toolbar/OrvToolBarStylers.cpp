#include "toolbar/OrvToolBarStylers.h"

#include <windows.h>

#include "framework/SysUtils.h"
#include "paint/OrvLook.h"
#include "toolbar/ToolBarStylerPaths.h"

namespace orv {

TOrvToolBarOfficeStyler::TOrvToolBarOfficeStyler(TComponent* owner) : TCustomOrvToolBarStyler(owner) {
    FNotifier =
        TNotifierWindow::AttachTo(this, TNotifyEvent::Bind(this, &TOrvToolBarOfficeStyler::NotifierThemeChange));
}

void TOrvToolBarOfficeStyler::Notification(TComponent* component, TOperation operation) {
    // The notifier is a child of the form as well, which may free it first.
    if (operation == TOperation::opRemove && component == FNotifier) FNotifier = nullptr;
    TCustomOrvToolBarStyler::Notification(component, operation);
}

void TOrvToolBarOfficeStyler::Loaded() {
    TCustomOrvToolBarStyler::Loaded();
    if (!IsDesigning()) ThemeChanged();
}

void TOrvToolBarOfficeStyler::SetStyle(TToolBarStyle value) {
    if (FStyle == value) return;
    ApplyStyle(value);
}

void TOrvToolBarOfficeStyler::SetComponentStyle(TZemStyle style) {
    switch (style) {
        case tsCustom:
            return;
        case tsWhidbey:
            SetStyle(bsWhidbeyStyle);
            return;
        case tsOffice2007Silver:
            SetStyle(bsOffice2007Silver);
            return;
        case tsWindowsVista:
            SetStyle(bsWindowsVista);
            return;
        case tsWindows7:
            SetStyle(bsWindows7);
            return;
        case tsTerminal:
            SetStyle(bsTerminal);
            return;
        case tsOffice2010Blue:
            SetStyle(bsOffice2010Blue);
            return;
        case tsOffice2010Silver:
            SetStyle(bsOffice2010Silver);
            return;
        case tsOffice2010Black:
            SetStyle(bsOffice2010Black);
            return;
        default:
            SetStyle(static_cast<TToolBarStyle>(style));
            return;  // tsOffice2003Blue .. tsWindowsXP
    }
}

void TOrvToolBarOfficeStyler::ApplyStyle(TToolBarStyle value) {
    FStyle = value;
    BroadcastStyle(ZemStyleOf(value));
    // Every change code the preset causes reaches the linked controls once, at the end.
    BeginUpdate();
    try {
        // The part every style shares.
        SetZemStyle(tsCustom);
        SetSysButtonColor(0);
        PagerCaption().SetTextColor(kPagerCaptionTextColor);
        PagerCaption().SetTextColorExtended(kPagerCaptionTextColorExtended);
        PagerCaption().Font().SetSize(10);
        SetQatSharpCurve(false);
        if (TabAppearance().GetSystemFont()) InitRecordFont(TabAppearance().Font(), TSystemFont::Face);
        if (PagerCaption().GetSystemFont()) InitRecordFont(PagerCaption().Font(), TSystemFont::Face);
        if (GroupAppearance().GetSystemFont()) InitRecordFont(GroupAppearance().Font(), TSystemFont::Face);
        if (ButtonAppearance().GetSystemFont()) InitRecordFont(ButtonAppearance().CaptionFont(), TSystemFont::Face);
        if (GetSystemFont()) {
            InitRecordFont(Font(), TSystemFont::Face);
            InitRecordFont(CaptionFont(), TSystemFont::Face);
        }

        if (UsesWarmGlow(value)) {
            for (const TPresetCell& cell : WarmGlowCells()) SetStylerValue(*this, cell.Path, cell.Value);
            CompactGlowButtonAppearance().Assign(&GlowButtonAppearance());
        }

        std::vector<TPresetCell> row = ToolBarPresetRow(value, ScenicRibbonMode);
        for (const TPresetCell& cell : row) SetStylerValue(*this, cell.Path, cell.Value);
        if (!row.empty()) {
            CompactGlowButtonAppearance().Assign(&GlowButtonAppearance());
            // Tab groups show the row's own tabs, pages and captions.
            TGroupAppearance& group = GroupAppearance();
            group.TabAppearance().Assign(&TabAppearance());
            group.PageAppearance().Assign(&PageAppearance());
            group.CaptionAppearance().Assign(&CaptionAppearance());
            TToolBarAppearance& bar = group.ToolBarAppearance();
            bar.Color().SetColor(PageAppearance().GetColor());
            bar.Color().SetColorTo(PageAppearance().GetColorMirrorTo());
            bar.SetBorderColor(PageAppearance().GetBorderColor());
            bar.ColorHot().SetColor(PageAppearance().GetColor());
            bar.ColorHot().SetColorTo(ColorHot().Mirror().GetColorMirrorTo());
        }

        if (IsOffice2010Style(ZemStyleOf(value))) {
            TGroupAppearance& group = GroupAppearance();
            group.SetTextColor(clWhite);
            group.SetColor(0x46C0FF);
            group.SetColorTo(0x46C0FF);
            group.SetColorMirror(0x46C0FF);
            group.SetColorMirrorTo(0x46C0FF);
            group.SetGradient(ggVertical);
            group.SetGradientMirror(ggVertical);
            group.SetBorderColor(0x1475FF);
            group.TabAppearance().SetBorderColorHot(0x1475FF);
            group.TabAppearance().SetBorderColorSelected(0x1475FF);
            group.TabAppearance().SetBorderColorSelectedHot(0x1475FF);
        }
        BroadcastChange(scStyle);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// --- theme adaptation ---------------------------------------------------------------

TToolBarStyle ToolBarStyleForTheme(bool themeActive, const std::wstring& colorScheme) {
    if (!themeActive) return bsOffice2003Classic;
    if (SameText(colorScheme, L"NormalColor")) return bsOffice2003Blue;
    if (SameText(colorScheme, L"HomeStead")) return bsOffice2003Olive;
    if (SameText(colorScheme, L"Metallic")) return bsOffice2003Silver;
    return bsOffice2003Classic;
}

TToolBarStyle TOrvToolBarOfficeStyler::ThemeStyle() {
    using TIsThemeActive = BOOL(WINAPI*)();
    using TGetCurrentThemeName = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    bool active = false;
    std::wstring scheme;
    if (HMODULE theme = LoadLibraryW(L"uxtheme.dll")) {
        auto isActive =
            reinterpret_cast<TIsThemeActive>(reinterpret_cast<void*>(GetProcAddress(theme, "IsThemeActive")));
        auto getName = reinterpret_cast<TGetCurrentThemeName>(
            reinterpret_cast<void*>(GetProcAddress(theme, "GetCurrentThemeName")));
        if (isActive && getName && isActive()) {
            wchar_t file[MAX_PATH] = {}, color[MAX_PATH] = {}, size[MAX_PATH] = {};
            if (SUCCEEDED(getName(file, MAX_PATH, color, MAX_PATH, size, MAX_PATH))) {
                active = true;
                scheme = color;
            }
        }
        FreeLibrary(theme);
    }
    return ToolBarStyleForTheme(active, scheme);
}

void TOrvToolBarOfficeStyler::ThemeChanged() {
    if (GetAutoThemeAdapt()) SetStyle(ThemeStyle());
}

}  // namespace orv
