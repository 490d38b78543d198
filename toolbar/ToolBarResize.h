#pragma once
// Ribbon resizing: the three passes a page runs over its toolbars when its width
// changes. Each pass is a function of the toolbars (in page order), the page width and
// an arrange callback that places the toolbars again after every change; the toolbar
// steps themselves (ShrinkStep, GrowStep) are members of the toolbar.
#include <functional>
#include <utility>
#include <vector>

#include "buttons/OrvGlowButton.h"
#include "toolbar/DbgList.h"

namespace orv {

class TOrvCustomToolBar;

using TArrangeToolBars = std::function<void()>;

// One step a shrinking pass applied, kept so that growing undoes the steps in reverse:
// each width then ends with the layout a fresh pass from the full width gives it, however
// the width was reached. The right edges (of the last toolbar) before and after the step
// tell whether the step still fits and whether the page still is as the step left it.
struct TRibbonStep {
    TOrvCustomToolBar* Bar = nullptr;
    bool Compact = false;
    std::vector<std::pair<TOrvCustomGlowButton*, TButtonSizeState>> Before;  // buttons the step changed
    int RightBefore = 0;
    int RightAfter = 0;
};
using TRibbonHistory = std::vector<TRibbonStep>;

// Room left right of the last visible toolbar (page width - its right edge - 2).
int FreeRoom(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth);

// The page became narrower or a toolbar became visible: shrink steps, then compacting
// the rightmost candidate, until the toolbars fit or nothing is left to do.
// With a history the applied steps are recorded.
void ShrinkPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange,
                TRibbonHistory* history = nullptr);
// The page became wider or a toolbar was hidden: expand the leftmost page-compacted
// toolbar when it fits, else grow steps that fit. With a history the recorded steps are
// undone first, newest first, while the layout before each fits; the plain pass runs only
// when the history is used up or no longer matches the page (it is then cleared).
void GrowPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange,
              TRibbonHistory* history = nullptr);
// After loading and when a toolbar's Compact changes.
void UpdateAllPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange);

// The most steps a pass takes; a pass that would need more stops (a guard, since each
// applied step must change a finite number of buttons).
constexpr int kMaxPassSteps = 1000;

}  // namespace orv
