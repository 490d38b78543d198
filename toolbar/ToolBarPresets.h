#pragma once
// The named presets of the toolbar styler as data: for each style, the cells of its
// row, each a property path of the styler (as published, "TabAppearance.ColorHot") and
// a value (a colour, an enumeration ordinal, an integer or a Boolean as 0/1).
#include <cstdint>
#include <vector>

#include "framework/Types.h"
#include "toolbar/OrvStyleIF.h"

namespace orv {

enum TToolBarStyle {
    bsOffice2003Blue,
    bsOffice2003Silver,
    bsOffice2003Olive,
    bsOffice2003Classic,
    bsOffice2007Luna,
    bsOffice2007Obsidian,
    bsWindowsXP,
    bsWhidbeyStyle,
    bsCustom,
    bsOffice2007Silver,
    bsOfficeXP,
    bsWindowsVista,
    bsWindows7,
    bsTerminal,
    bsOffice2010Blue,
    bsOffice2010Silver,
    bsOffice2010Black,
};
constexpr int kToolBarStyleCount = 17;

struct TPresetCell {
    const wchar_t* Path;
    int64_t Value;
};

// The pager caption's text colours every style starts from (the Office 2007 looks set
// their own).
constexpr TColor kPagerCaptionTextColor = 0x808080;
constexpr TColor kPagerCaptionTextColorExtended = 0xFF0000;
// The contrast every colour a row chooses keeps with the text drawn on it.
constexpr double kMinTextContrast = 4.5;

// The shared style a toolbar style is broadcast as (bsOfficeXP as tsWindowsXP).
TZemStyle ZemStyleOf(TToolBarStyle style);
// The styles whose glow buttons take the warm Office 2003 state colours first.
bool UsesWarmGlow(TToolBarStyle style);
// The cells of a style's own row, in writing order; empty for bsCustom. bsWindows7 has
// two rows, chosen by scenic (the scenic ribbon mode).
std::vector<TPresetCell> ToolBarPresetRow(TToolBarStyle style, bool scenic);
// The warm glow state colours (hot, down, checked) of the Office 2003 looks.
const std::vector<TPresetCell>& WarmGlowCells();

}  // namespace orv
