#pragma once
// TOrvOfficeStatusBarOfficeStyler: the ready-made status bar styler. It fills its border
// colour and both panel looks from sixteen named presets, follows the desktop's colour
// scheme when AutoThemeAdapt is on, and takes shared styles through IZemStyle.
#include <functional>
#include <string>

#include "buttons/ZemStyle.h"
#include "statusbar/OrvOfficeStatusBar.h"

namespace orv {

class TNotifierWindow;

// Scoped: the application menu's presets use the same names.
enum class TOfficeStatusBarStyle {
    psOffice2003Blue,
    psOffice2003Silver,
    psOffice2003Olive,
    psOffice2003Classic,
    psOffice2007Luna,
    psOffice2007Obsidian,
    psWindowsXP,
    psWhidbey,
    psCustom,
    psOffice2007Silver,
    psWindowsVista,
    psWindows7,
    psTerminal,
    psOffice2010Blue,
    psOffice2010Silver,
    psOffice2010Black
};

// Writes a preset's values into a styler; psCustom writes nothing. Cells the preset
// leaves open keep their values.
void ApplyStatusBarPreset(TCustomOrvOfficeStatusBarStyler& styler, TOfficeStatusBarStyle style);

// The desktop's colour scheme mapped to a preset: "NormalColor" psOffice2003Blue,
// "HomeStead" psOffice2003Olive, "Metallic" psOffice2003Silver; any other scheme, an older
// system or visual styles off psWindowsXP.
TOfficeStatusBarStyle StatusBarStyleForScheme(bool themed, const std::wstring& colorScheme);

// Where the styler reads the scheme: themed is false when visual styles are off or the
// system predates them. Tests replace it; empty uses the system's.
using TColorSchemeReader = std::function<bool(std::wstring& colorScheme)>;
void SetStatusBarColorSchemeReader(TColorSchemeReader reader);

class TOrvOfficeStatusBarOfficeStyler : public TCustomOrvOfficeStatusBarStyler, public IZemStyle {
public:
    ORV_CLASS_NAME(TOrvOfficeStatusBarOfficeStyler)
    explicit TOrvOfficeStatusBarOfficeStyler(TComponent* owner);

    TOfficeStatusBarStyle GetStyle() const { return FStyle; }
    // Applies the preset; nothing when value is the current style (so re-selecting it
    // does not restore edited values).
    void SetStyle(TOfficeStatusBarStyle value);
    void SetComponentStyle(TZemStyle style) override;

    // With AutoThemeAdapt: the preset of the desktop's colour scheme.
    void ThemeChanged();
    TNotifierWindow* NotifierWindow() const { return FNotifier; }
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ApplyStyle(TOfficeStatusBarStyle value);
    void NotifierThemeChange(TObject*) { ThemeChanged(); }
    TOfficeStatusBarStyle FStyle = TOfficeStatusBarStyle::psOffice2003Blue;
    TNotifierWindow* FNotifier = nullptr;
};

// Registers the status bar classes for stored layouts (safe to call again).
void RegisterStatusBarClasses();

}  // namespace orv
