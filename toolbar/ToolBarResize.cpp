// The toolbar steps of ribbon resizing and the page passes that choose among them.
#include "toolbar/ToolBarResize.h"

#include <algorithm>
#include <vector>

#include "paint/OrvLook.h"
#include "toolbar/OrvToolBar.h"

namespace orv {

namespace {

// An auto-sized, visible glow button standing at state that may go to the next state
// in the given direction; null otherwise (and for any index below 0).
TOrvCustomGlowButton* Qualifying(const TDbgList<TControl>& controls, int index, TButtonSizeState state, bool shrink) {
    if (index < 0 || index >= controls.Count()) return nullptr;
    auto* glow = dynamic_cast<TOrvCustomGlowButton*>(controls[index]);
    if (!glow || !glow->GetAutoSize() || !glow->GetVisible() || glow->GetButtonSizeState() != state) return nullptr;
    bool may = shrink ? glow->GetMinButtonSizeState() < state : glow->GetMaxButtonSizeState() > state;
    return may ? glow : nullptr;
}

int MaxWidth(const std::vector<TOrvCustomGlowButton*>& group) {
    int w = 0;
    for (auto* g : group) w = std::max(w, g->Width());
    return w;
}

int MaxWidthIn(std::vector<TOrvCustomGlowButton*>& group, TButtonSizeState state) {
    int w = 0;
    for (auto* g : group) w = std::max(w, g->GetSizeForState(state).cx);
    return w;
}

// Up to three qualifying buttons ending at index (index, index - 1, index - 2), with the
// same left edge when column is set.
std::vector<TOrvCustomGlowButton*> Group(const TDbgList<TControl>& controls, int index, TButtonSizeState state,
                                         bool shrink, bool column) {
    std::vector<TOrvCustomGlowButton*> group;
    for (int i = index; i >= 0 && i > index - 3; --i) {
        auto* glow = Qualifying(controls, i, state, shrink);
        if (!glow) break;
        if (column && !group.empty() && glow->Left() != group.front()->Left()) break;
        group.push_back(glow);
    }
    return group;
}

void SetStates(std::vector<TOrvCustomGlowButton*>& group, TButtonSizeState state) {
    for (auto* g : group) g->SetButtonSizeState(state);
}

// The visible toolbars ordered by left edge, each once.
std::vector<TOrvCustomToolBar*> Listed(const TDbgList<TOrvCustomToolBar>& toolBars) {
    std::vector<TOrvCustomToolBar*> list;
    for (TOrvCustomToolBar* tb : toolBars)
        if (tb->GetVisible() && std::find(list.begin(), list.end(), tb) == list.end()) list.push_back(tb);
    std::stable_sort(list.begin(), list.end(),
                     [](TOrvCustomToolBar* a, TOrvCustomToolBar* b) { return a->Left() < b->Left(); });
    return list;
}

std::vector<TOrvCustomToolBar*> Candidates(const TDbgList<TOrvCustomToolBar>& toolBars) {
    std::vector<TOrvCustomToolBar*> list;
    for (TOrvCustomToolBar* tb : Listed(toolBars))
        if (!tb->IsCompacted() && !tb->IsLoading()) list.push_back(tb);
    return list;
}

struct TChoice {
    TOrvCustomToolBar* Bar = nullptr;
    int Amount = 0;
    int Kind = -1;
};

TChoice ChooseShrink(const std::vector<TOrvCustomToolBar*>& candidates, int need, bool updateAll) {
    TChoice chosen;
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
        int kind = -1;
        int saved = (*it)->ShrinkStep(false, kind);
        if (saved <= 0) continue;
        bool replace = !chosen.Bar || (kind == chosen.Kind && saved < chosen.Amount) || (chosen.Kind == 0 && kind == 1);
        if (updateAll && chosen.Bar && kind == chosen.Kind && chosen.Amount < need) replace = true;
        if (replace) chosen = {*it, saved, kind};
    }
    return chosen;
}

// The plain pass picks the largest gain and drops it when it does not fit; updating all
// toolbars looks only at gains that fit, so a small step still grows when a large one
// elsewhere cannot.
TChoice ChooseGrow(const std::vector<TOrvCustomToolBar*>& candidates, int free, bool updateAll) {
    TChoice chosen;
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
        int kind = -1;
        int gain = (*it)->GrowStep(false, kind);
        if (gain <= 0 || (updateAll && gain >= free)) continue;
        bool replace = !chosen.Bar || (kind == chosen.Kind && gain > chosen.Amount) || (chosen.Kind == 2 && kind == 1);
        if (replace) chosen = {*it, gain, kind};
    }
    if (chosen.Bar && chosen.Amount >= free) chosen = {};
    return chosen;
}

void Shrink(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange,
            bool updateAll) {
    for (int steps = 0; steps < kMaxPassSteps; ++steps) {
        arrange();
        int need = -FreeRoom(toolBars, pageWidth);
        if (need <= 0) return;
        auto candidates = Candidates(toolBars);
        if (candidates.empty()) return;  // all compact and still too narrow: nothing left
        TChoice chosen = ChooseShrink(candidates, need, updateAll);
        if (chosen.Bar) {
            int kind = 0;
            chosen.Bar->ShrinkStep(true, kind);
        } else {
            candidates.back()->EnterCompact(true, !updateAll);
        }
    }
}

bool ExpandCompacted(const TDbgList<TOrvCustomToolBar>& toolBars, int free, bool& found) {
    // Only the leftmost toolbar the page compacted is looked at; pinned ones never.
    found = false;
    for (TOrvCustomToolBar* tb : Listed(toolBars)) {
        if (!tb->IsCompacted() || !tb->CompactedByPage() || tb->GetCompact()) continue;
        found = true;
        int margin = ScenicRibbonMode ? 0 : 4;
        if (free >= tb->ExpandedWidth() + margin - TOrvCustomToolBar::kCompactMinWidth) {
            tb->LeaveCompact();
            return true;
        }
        return false;
    }
    return false;
}

void Grow(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange, bool updateAll) {
    for (int steps = 0; steps < kMaxPassSteps; ++steps) {
        arrange();
        int free = FreeRoom(toolBars, pageWidth);
        if (free <= 0) return;
        bool found = false;
        if (ExpandCompacted(toolBars, free, found)) continue;
        if (found) return;
        TChoice chosen = ChooseGrow(Candidates(toolBars), free, updateAll);
        if (!chosen.Bar) return;  // repeats only after a change
        int kind = 0;
        chosen.Bar->GrowStep(true, kind);
    }
}

}  // namespace

int FreeRoom(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth) {
    auto listed = Listed(toolBars);
    int right = 0;
    if (!listed.empty()) right = listed.back()->Left() + listed.back()->Width();
    return pageWidth - right - 2;
}

void ShrinkPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange) {
    Shrink(toolBars, pageWidth, arrange, false);
}

void GrowPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange) {
    Grow(toolBars, pageWidth, arrange, false);
}

void UpdateAllPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange) {
    arrange();
    if (FreeRoom(toolBars, pageWidth) <= 0)
        Shrink(toolBars, pageWidth, arrange, true);
    else
        Grow(toolBars, pageWidth, arrange, true);
    arrange();
}

// --- toolbar steps -------------------------------------------------------------------------------

int TOrvCustomToolBar::ShrinkStep(bool apply, int& kind) {
    kind = -1;
    if (!FAutoPositionControls || !FAutoSize || !OnPage() || IsCompacted()) return 0;
    const TDbgList<TControl>& controls = FOTBControls;
    // Kind 1: three large buttons become one column of label-size buttons.
    for (int n = controls.Count() - 1; n >= 1; --n) {
        if (!Qualifying(controls, n, bsLarge, true) || !Qualifying(controls, n - 1, bsLarge, true)) continue;
        auto group = Group(controls, n, bsLarge, true, false);
        int oldSum = 0;
        for (auto* g : group) oldSum += g->Width();
        int saved = oldSum - MaxWidthIn(group, bsLabel);
        kind = 1;
        if (apply) {
            SetStates(group, bsLabel);
            PositionControls();
        }
        return saved;
    }
    // Kind 0: a column of label-size buttons becomes glyph-only.
    for (int d = controls.Count() - 1; d >= 1; --d) {
        if (!Qualifying(controls, d, bsLabel, true) || !Qualifying(controls, d - 1, bsLabel, true)) continue;
        auto group = Group(controls, d, bsLabel, true, true);
        int saved = MaxWidth(group) - MaxWidthIn(group, bsGlyph);
        kind = 0;
        if (apply) {
            SetStates(group, bsGlyph);
            PositionControls();
        }
        return saved;
    }
    return 0;
}

int TOrvCustomToolBar::GrowStep(bool apply, int& kind) {
    kind = -1;
    if (!FAutoPositionControls || !FAutoSize || !OnPage() || IsCompacted()) return 0;
    const TDbgList<TControl>& controls = FOTBControls;
    // Kind 1: a glyph-only column back to label size.
    for (int n = controls.Count() - 1; n >= 1; --n) {
        if (!Qualifying(controls, n, bsGlyph, false) || !Qualifying(controls, n - 1, bsGlyph, false)) continue;
        auto group = Group(controls, n, bsGlyph, false, true);
        int gain = MaxWidthIn(group, bsLabel) - MaxWidth(group);
        kind = 1;
        if (apply) {
            SetStates(group, bsLabel);
            PositionControls();
        }
        return gain;
    }
    // Kind 2: a label-size column back to large buttons side by side.
    for (int d = controls.Count() - 1; d >= 1; --d) {
        if (!Qualifying(controls, d, bsLabel, false) || !Qualifying(controls, d - 1, bsLabel, false)) continue;
        auto group = Group(controls, d, bsLabel, false, false);
        int newSum = 0;
        for (auto* g : group) newSum += g->GetSizeForState(bsLarge).cx;
        int gain = newSum - MaxWidth(group);
        kind = 2;
        if (apply) {
            SetStates(group, bsLarge);
            PositionControls();
        }
        return gain;
    }
    return 0;
}

}  // namespace orv
