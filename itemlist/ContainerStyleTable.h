#pragma once
// The items container's style presets as data: one row per named style, each cell the
// colours of one fill (Color / ColorTo / ColorMirror / ColorMirrorTo / BorderColor).
#include "framework/Types.h"
#include "buttons/ZemStyle.h"

namespace orv {

// A value the preset leaves as it is.
constexpr TColor kStyleKeep = 0x7F7F7F7F;

struct TStyleFillColors {
    TColor Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor;
};

struct TContainerStyleRow {
    TZemStyle Style;
    TColor FillColor, FillColorTo, FillBorderColor;
    TStyleFillColors Normal, Hovered, Selected, Disabled;
    TColor DisabledFontColor;
    TStyleFillColors Down;
    bool NormalSolid;  // Normal's GradientType becomes gtSolid
};

// Every style but tsCustom, in ordinal order.
const TContainerStyleRow* ContainerStyleRow(TZemStyle style);
int ContainerStyleRowCount();
const TContainerStyleRow& ContainerStyleRowAt(int index);

}  // namespace orv
