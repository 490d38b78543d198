#pragma once
// TOrvToolBarOfficeStyler: the toolbar styler applications place on a form. It publishes
// every value of its base, fills them from a named preset through Style, can follow the
// desktop theme (AutoThemeAdapt), takes shared styles through IZemStyle, and saves its
// colour set to a text file and loads it back.
#include <string>

#include "toolbar/OrvToolBarStyler.h"
#include "toolbar/ToolBarPresets.h"

namespace orv {

class TOrvToolBarOfficeStyler : public TCustomOrvToolBarStyler, public IZemStyle {
public:
    ORV_CLASS_NAME(TOrvToolBarOfficeStyler)
    explicit TOrvToolBarOfficeStyler(TComponent* owner);

    TToolBarStyle GetStyle() const { return FStyle; }
    // Applies the preset of value (nothing when it is the current style).
    virtual void SetStyle(TToolBarStyle value);
    void SetComponentStyle(TZemStyle style) override;

    // Raises "Cannot Create <file>" when the file cannot be written.
    void SaveToFile(const std::wstring& fileName);
    // Raises "Cannot open file <file>" when the file cannot be read, EConvertError
    // naming the line at the first missing or malformed value (the values read before
    // it stay applied).
    void LoadFromFile(const std::wstring& fileName);

    // The style that follows the desktop theme now (see ToolBarStyleForTheme).
    static TToolBarStyle ThemeStyle();
    // Theme adaptation: applies ThemeStyle() when AutoThemeAdapt is on.
    void ThemeChanged();

    TNotifierWindow* NotifierWindow() const { return FNotifier; }
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ApplyStyle(TToolBarStyle value);
    void NotifierThemeChange(TObject*) { ThemeChanged(); }

    TToolBarStyle FStyle = bsCustom;
    TNotifierWindow* FNotifier = nullptr;
};

// The colour scheme of the active desktop theme mapped to a toolbar style: "NormalColor"
// bsOffice2003Blue, "HomeStead" bsOffice2003Olive, "Metallic" bsOffice2003Silver, any
// other scheme or no active theme bsOffice2003Classic.
TToolBarStyle ToolBarStyleForTheme(bool themeActive, const std::wstring& colorScheme);

// Registers the toolbar classes for stored layouts (safe to call again).
void RegisterToolbarClasses();

}  // namespace orv
