#pragma once
// The MDI child buttons of a full-size menu bar: where each one lies and its glyph. The
// buttons themselves are painted and hit-tested by the toolbar (ToolBarMDIButtons.cpp).
#include <cstdint>
#include <vector>

#include "framework/Types.h"

namespace orv {

class TCanvas;

// 0 minimise, 1 restore, 2 close, each kMDIButtonSize square.
constexpr int kMDIButtonSize = 18;
constexpr int kMDIButtonCount = 3;
// While AutoMDIButtons holds, the toolbar looks this often whether the form's active
// child is (still) maximised.
constexpr uintptr_t kMDIWatchTimer = 11;
constexpr unsigned kMDIWatchInterval = 200;

// The button's rectangle on a toolbar of that client size: along the right edge of a
// horizontal toolbar (close at width - 21 - rightInset, vertically centred, the others
// left of it with a pixel between), stacked upwards from height - 21 on a vertical one.
TRect MDIButtonRect(int index, int width, int height, bool horizontal, int rightInset);
// The glyph of button index (a minimise bar, the restore symbol, a cross) centred in r.
void DrawMDIButtonGlyph(TCanvas& canvas, int index, const TRect& r, TColor color);
// The glyph's pixels row by row, '#' set.
const std::vector<const char*>& MDIButtonGlyphRows(int index);

}  // namespace orv
