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

// The group changes state inside one update, so the toolbar positions its controls once
// for the step rather than once for each button that changed its size.
void ApplyStates(TOrvCustomToolBar* toolBar, std::vector<TOrvCustomGlowButton*>& group, TButtonSizeState state) {
    toolBar->BeginUpdate();
    try {
        SetStates(group, state);
    } catch (...) {
        toolBar->EndUpdate();
        throw;
    }
    toolBar->EndUpdate();
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

int RightEdge(const TDbgList<TOrvCustomToolBar>& toolBars) {
    auto listed = Listed(toolBars);
    return listed.empty() ? 0 : listed.back()->Left() + listed.back()->Width();
}

std::vector<std::pair<TOrvCustomGlowButton*, TButtonSizeState>> ButtonStates(TOrvCustomToolBar* toolBar) {
    std::vector<std::pair<TOrvCustomGlowButton*, TButtonSizeState>> states;
    for (int i = 0; i < toolBar->ControlCount(); ++i)
        if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(toolBar->Controls(i)))
            states.push_back({glow, glow->GetButtonSizeState()});
    return states;
}

void Shrink(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange,
            bool updateAll, TRibbonHistory* history) {
    for (int steps = 0; steps < kMaxPassSteps; ++steps) {
        arrange();
        int need = -FreeRoom(toolBars, pageWidth);
        if (need <= 0) return;
        auto candidates = Candidates(toolBars);
        if (candidates.empty()) return;  // all compact and still too narrow: nothing left
        TChoice chosen = ChooseShrink(candidates, need, updateAll);
        TRibbonStep step;
        step.RightBefore = RightEdge(toolBars);
        if (chosen.Bar) {
            step.Bar = chosen.Bar;
            if (history) step.Before = ButtonStates(chosen.Bar);
            int kind = 0;
            chosen.Bar->ShrinkStep(true, kind);
        } else {
            step.Bar = candidates.back();
            step.Compact = true;
            candidates.back()->EnterCompact(true, !updateAll);
        }
        if (!history) continue;
        // Only the buttons the step changed are kept.
        std::erase_if(step.Before, [](const std::pair<TOrvCustomGlowButton*, TButtonSizeState>& b) {
            return b.first->GetButtonSizeState() == b.second;
        });
        arrange();
        step.RightAfter = RightEdge(toolBars);
        history->push_back(std::move(step));
    }
}

// Undoes the newest recorded step when the layout before it fits the width; false when
// it does not fit, or the history no longer matches the page (then it is cleared).
bool UndoStep(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange,
              TRibbonHistory& history) {
    arrange();
    const TRibbonStep& step = history.back();
    bool matches = RightEdge(toolBars) == step.RightAfter && toolBars.Contains(step.Bar) &&
                   step.Bar->IsCompacted() == step.Compact;
    if (matches && !step.Compact) {
        for (const auto& [button, state] : step.Before)
            if (button->Parent() != step.Bar) matches = false;
    }
    if (!matches) {
        history.clear();
        return false;
    }
    if (pageWidth - step.RightBefore - 2 < 0) return false;
    TOrvCustomToolBar* bar = step.Bar;
    if (step.Compact) {
        bar->LeaveCompact();
    } else {
        bar->BeginUpdate();
        try {
            for (const auto& [button, state] : step.Before) button->SetButtonSizeState(state);
        } catch (...) {
            bar->EndUpdate();
            throw;
        }
        bar->EndUpdate();
    }
    int expected = step.RightBefore;
    history.pop_back();
    arrange();
    if (RightEdge(toolBars) != expected) history.clear();  // something else moved: start afresh
    return true;
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

void ShrinkPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange,
                TRibbonHistory* history) {
    Shrink(toolBars, pageWidth, arrange, false, history);
}

void GrowPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange,
              TRibbonHistory* history) {
    if (history) {
        for (int steps = 0; steps < kMaxPassSteps && !history->empty(); ++steps)
            if (!UndoStep(toolBars, pageWidth, arrange, *history)) break;
        // Steps recorded and still not undone: the width is theirs.
        if (!history->empty()) return;
    }
    Grow(toolBars, pageWidth, arrange, false);
}

void UpdateAllPass(const TDbgList<TOrvCustomToolBar>& toolBars, int pageWidth, const TArrangeToolBars& arrange) {
    arrange();
    if (FreeRoom(toolBars, pageWidth) <= 0)
        Shrink(toolBars, pageWidth, arrange, true, nullptr);
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
            ApplyStates(this, group, bsLabel);
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
            ApplyStates(this, group, bsGlyph);
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
            ApplyStates(this, group, bsLabel);
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
            ApplyStates(this, group, bsLarge);
        }
        return gain;
    }
    return 0;
}

}  // namespace orv
