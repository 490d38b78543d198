#pragma once
// TOrvPreviewMenuOfficeStyler: the ready-made colour source of the application menu.
// Its Style applies one of seventeen presets (tables in PreviewMenuPresets.cpp); a
// preset is a one-time assignment that later edits of single colours outlive.
#include "appmenu/PreviewMenuRecords.h"
#include "buttons/ZemStyle.h"
#include "toolbar/OrvStyleIF.h"

namespace orv {

enum TPreviewMenuStyle {
    psOffice2003Blue,
    psOffice2003Silver,
    psOffice2003Olive,
    psOffice2003Classic,
    psOffice2007Luna,
    psOffice2007Obsidian,
    psWindowsXP,
    psWhidbeyStyle,
    psCustom,
    psOfficeXP,
    psOffice2007Silver,
    psWindowsVista,
    psWindows7,
    psTerminal,
    psOffice2010Blue,
    psOffice2010Silver,
    psOffice2010Black,
};

class TOrvPreviewMenuOfficeStyler : public TOrvCustomPreviewMenuStyler, public IZemStyle, public IWinStyle {
public:
    ORV_CLASS_NAME(TOrvPreviewMenuOfficeStyler)
    explicit TOrvPreviewMenuOfficeStyler(TComponent* owner);

    TPreviewMenuStyle GetStyle() const { return FStyle; }
    // Applies the preset, also when it is the current style (restores edited colours).
    void SetStyle(TPreviewMenuStyle value);

    void SetComponentStyle(TZemStyle style) override;
    // psWindows7 when aWin7, else psOffice2007Luna; the style number is not used.
    void ChangeStyle(bool aWin7, int aStyle) override;
    void ChangeMenu(TColor) override {}
    void UpdateMenu() override {}
    void HideMenu() override {}
    void ShowMenuShortCuts() override {}
    void HideMenuShortCuts() override {}

private:
    TPreviewMenuStyle FStyle = psOffice2003Blue;
};

// Writes the preset's colours into a styler (steps common reset, group blocks, own
// values, text colours); psCustom changes nothing. The scenic-ribbon flag picks the
// psWindows7 variant.
void ApplyPreviewMenuPreset(TOrvCustomPreviewMenuStyler& styler, TPreviewMenuStyle style);

}  // namespace orv
