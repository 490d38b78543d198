#pragma once
// Ribbon resizing: the three passes a page runs over its toolbars when its width
// changes. Each pass is a function of the toolbars (in page order), the page width and
// an arrange callback that places the toolbars again after every change; the toolbar
// steps themselves (ShrinkStep, GrowStep) are members of the toolbar.
#include <functional>

#include "toolbar/DbgList.h"

namespace orv {

class TOrvCustomToolBar;

using TArrangeToolBars = std::function<void()>;

// Room left right of the last visible toolbar (page width - its right edge - 2).
int FreeRoom(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth);

// The page became narrower or a toolbar became visible: shrink steps, then compacting
// the rightmost candidate, until the toolbars fit or nothing is left to do.
void ShrinkPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange);
// The page became wider or a toolbar was hidden: expand the leftmost page-compacted
// toolbar when it fits, else grow steps that fit.
void GrowPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange);
// After loading and when a toolbar's Compact changes.
void UpdateAllPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange);

// The most steps a pass takes; a pass that would need more stops (a guard, since each
// applied step must change a finite number of buttons).
constexpr int kMaxPassSteps = 1000;

}  // namespace orv
