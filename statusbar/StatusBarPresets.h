#pragma once
// The status bar presets as rows of values.
#include "statusbar/OrvOfficeStatusBarStylers.h"

namespace orv {

// A cell the preset leaves unchanged.
constexpr TColor kKeep = 0x7FFFFFFF;

// Columns: BorderColor, Color, ColorTo, ColorMirror, ColorMirrorTo, TextColor, TextColorHot,
// TextColorDown, ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorHot,
// ColorDown, ColorDownTo, ColorMirrorDown, ColorMirrorDownTo, BorderColorDown.
struct TStatusBarLookRow {
    TColor Values[18];
};

struct TStatusBarPresetRow {
    TOfficeStatusBarStyle Style;
    TColor BorderColor;
    TStatusBarLookRow Light;
    TStatusBarLookRow Dark;
};

// The row of a preset; null for psCustom.
const TStatusBarPresetRow* FindStatusBarPreset(TOfficeStatusBarStyle style);

}  // namespace orv
