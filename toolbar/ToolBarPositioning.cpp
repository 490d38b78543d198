// Positioning and sizing of TOrvCustomToolBar: the ribbon-group columns on a page, the
// flow layout of a page toolbar that does not size itself, the line of a docked or fixed
// toolbar, the rows of a floating one; adaptive hiding of docked controls for lack of
// room; the preferred, full, minimum and docked lengths; the dock side and state changes.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "toolbar/FloatingWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"

namespace orv {

namespace {

bool IsSeparator(const TControl* c) {
    return std::wstring(c->ClassName()) == L"TOrvToolBarSeparator";
}

}  // namespace

// --- adaptive hiding ---------------------------------------------------------------------------

void TOrvCustomToolBar::ArrangeAdaptive() {
    if (FUpdateCount > 0) return;
    PositionControls();
}

bool TOrvCustomToolBar::HideForRoom(int length) {
    // Docked toolbars only; everything else shows every control.
    bool adaptive = FAutoArrangeButtons && !FFullSize && !OnPage() && FToolBarState == tsDocked && !FCompactBtn;
    if (!adaptive) {
        bool had = !FLUHidedControls.Empty();
        FLUHidedControls.Clear();
        return had;
    }
    bool horizontal = IsHorizontal();
    auto along = [horizontal](TControl* c) { return horizontal ? c->Width() : c->Height(); };
    auto shown = [this](TControl* c) { return c->GetVisible() && !FLUHidedControls.Contains(c); };
    int grip = GripX0();
    // The room ends where the right-hand part starts (the handle, or its 4-pixel edge).
    int handle = FShowRightHandle ? 14 : 4;
    int used = 0;
    for (TControl* c : FOTBControls)
        if (shown(c)) used += along(c);
    int before = FLUHidedControls.Count();
    // The far edge reaching into the right handle: the least recently used go first.
    while (grip + used > length - handle) {
        TControl* victim = nullptr;
        for (int i = FRUControls.Count() - 1; i >= 0 && !victim; --i)
            if (shown(FRUControls[i]) && !IsSeparator(FRUControls[i])) victim = FRUControls[i];
        if (!victim) break;
        FLUHidedControls.Add(victim);
        used -= along(victim);
        // A separator whose group is now hidden entirely goes with it.
        for (int i = 0; i < FOTBControls.Count(); ++i) {
            TControl* sep = FOTBControls[i];
            if (!IsSeparator(sep) || !shown(sep)) continue;
            bool any = false, allHidden = true;
            for (int k = i + 1; k < FOTBControls.Count() && !IsSeparator(FOTBControls[k]); ++k) {
                if (!FOTBControls[k]->GetVisible()) continue;
                any = true;
                allHidden = allHidden && FLUHidedControls.Contains(FOTBControls[k]);
            }
            if (any && allHidden) {
                FLUHidedControls.Add(sep);
                used -= along(sep);
            }
        }
    }
    // Room again: the most recently hidden comes back while it fits in front of the handle.
    if (FLUHidedControls.Count() == before) {
        while (!FLUHidedControls.Empty()) {
            TControl* last = FLUHidedControls[FLUHidedControls.Count() - 1];
            // One the option window shows stays there until the window hides.
            if (last->Parent() != this) break;
            if (length - handle - grip - used < along(last)) break;
            FLUHidedControls.Delete(FLUHidedControls.Count() - 1);
            used += along(last);
        }
    }
    return FLUHidedControls.Count() != before;
}

// --- positioning and sizing ------------------------------------------------------------------------

int TOrvCustomToolBar::GripX0() const {
    bool noGrip = OnPage() || FCurrentToolBarStyler->GetDragGripStyle() == dsNone;
    return noGrip || FToolBarState == tsFloating ? 2 : FDragGripWidth + 2;
}

int TOrvCustomToolBar::ControlsY0() const {
    if (FToolBarState == tsFloating) return FCaptionHeight + 2;
    return !FShowCaption || FCaptionPosition == cpBottom ? 2 : FCaptionHeight + 2;
}

void TOrvCustomToolBar::PositionControls() {
    if (IsLoading() || FUpdateCount > 0 || FPositioning || IsDestroying() || !FCurrentToolBarStyler) return;
    bool floating = FToolBarState == tsFloating;
    if (!FAutoPositionControls && !FAutoSize) return;
    FPositioning = true;
    FInternalControlPositioning = true;
    ++FPositionCount;
    try {
        // An auto-sized toolbar grows to its controls unless it was given less room.
        HideForRoom(FAutoSize ? FGivenLength : IsHorizontal() ? FWidth : FHeight);
        UpdateLengths();
        FFloatingRowCount = 1;
        if (FAutoPositionControls && floating) {
            PositionFloating();
        } else if (FAutoPositionControls) {
            if (OnPage() && !FAutoSize)
                PositionFlow();
            else if (OnPage() && IsHorizontal())
                PositionPageControls(GripX0(), ControlsY0());
            else
                PositionLine(GripX0(), ControlsY0());
        }
        UpdateSize();
    } catch (...) {
        FPositioning = false;
        FInternalControlPositioning = false;
        throw;
    }
    FPositioning = false;
    FInternalControlPositioning = false;
    FPlacedSizes.clear();
    for (TControl* c : FOTBControls) FPlacedSizes.push_back({c, {c->Width(), c->Height()}});
    Invalidate();
}

void TOrvCustomToolBar::AlignControls(TControl* control, TRect& rect) {
    TCustomControl::AlignControls(control, rect);
    // A control that sized itself since the last positioning (a glow button changing its
    // size state or caption) moves the ones after it: re-position. Positioning's own
    // moves come back here while it runs and are skipped.
    if (FPositioning || FUpdateCount > 0 || IsLoading() || IsDestroying()) return;
    bool changed = FPlacedSizes.size() != static_cast<size_t>(FOTBControls.Count());
    for (size_t i = 0; !changed && i < FPlacedSizes.size(); ++i) {
        TControl* c = FOTBControls[static_cast<int>(i)];
        changed = FPlacedSizes[i].first != c || FPlacedSizes[i].second != TSize{c->Width(), c->Height()};
    }
    if (changed) PositionControls();
}

void TOrvCustomToolBar::PositionFlow() {
    // A control that does not fit goes one of its own heights lower, right of the
    // earlier controls taller than it: small controls stack beside a tall one.
    int x = 2, y = 0;
    std::vector<TControl*> placed;
    for (TControl* c : FOTBControls) {
        if (!c->GetVisible()) continue;
        if (FWidth - x - 2 < c->Width() && !placed.empty()) {
            y += c->Height();
            x = 2;
            for (TControl* p : placed)
                if (p->Height() > c->Height()) x = std::max(x, p->Left() + p->Width());
        }
        if (c->Left() != x || c->Top() != y) c->SetBounds(x, y, c->Width(), c->Height());
        placed.push_back(c);
        x += c->Width();
    }
}

void TOrvCustomToolBar::PositionPageControls(int x0, int y0) {
    // Ribbon group: small glow buttons stack three to a column; anything else stands alone.
    int nextX = x0, colX = x0, colWidth = 0, inColumn = 0, y = y0;
    for (TControl* c : FOTBControls) {
        if (!c->GetVisible()) {
            c->SetBounds(c->Left(), FHeight + 2, c->Width(), c->Height());
            continue;
        }
        auto* glow = dynamic_cast<TOrvCustomGlowButton*>(c);
        if (glow && glow->GetButtonSizeState() != bsLarge) {
            if (inColumn == 0) {
                colX = nextX;
                colWidth = 0;
                y = y0;
            }
            if (c->Left() != colX || c->Top() != y) c->SetBounds(colX, y, c->Width(), c->Height());
            y += c->Height();
            if (c->Width() > colWidth) {
                nextX += c->Width() - colWidth;
                colWidth = c->Width();
            }
            if (++inColumn == 3) inColumn = 0;
        } else {
            inColumn = 0;
            // The size hook's height for large auto-sized buttons, also after the page
            // changed this toolbar's height.
            int h = glow && glow->GetAutoSize() ? FHeight - FCaptionHeight - 5 : c->Height();
            if (c->Left() != nextX || c->Top() != y0 || c->Height() != h) c->SetBounds(nextX, y0, c->Width(), h);
            nextX += c->Width();
        }
    }
}

void TOrvCustomToolBar::PositionLine(int x0, int y0) {
    bool horizontal = IsHorizontal() || FToolBarState == tsFloating;
    int pos = x0;
    for (TControl* c : FOTBControls) {
        bool hidden = FLUHidedControls.Contains(c);
        if (!c->GetVisible() || hidden) {
            if (c->Parent() == this) {
                if (horizontal)
                    c->SetBounds(c->Left(), FHeight + 2, c->Width(), c->Height());
                else
                    c->SetBounds(FWidth + 2, c->Top(), c->Width(), c->Height());
            }
            continue;
        }
        if (horizontal) {
            if (c->Left() != pos || c->Top() != y0) c->SetBounds(pos, y0, c->Width(), c->Height());
            pos += c->Width();
        } else {
            if (c->Left() != y0 || c->Top() != pos) c->SetBounds(y0, pos, c->Width(), c->Height());
            pos += c->Height();
        }
    }
}

void TOrvCustomToolBar::UpdateLengths() {
    // A page sets its toolbars' height; a compact toolbar keeps what it had.
    if (OnPage() || FCompactBtn) return;
    bool along = IsHorizontal() || FToolBarState == tsFloating;
    int longest = 0, thickest = 0;
    for (TControl* c : FOTBControls) {
        if (!c->GetVisible()) continue;
        longest = std::max(longest, along ? c->Width() : c->Height());
        if (!IsSeparator(c)) thickest = std::max(thickest, along ? c->Height() : c->Width());
    }
    // Never so short that the longest control sticks out of a floating row.
    FMinLength = std::max(kMinLength, 2 + longest + 2);
    FSizeAtDock = std::max(26, thickest + 4);
}

namespace {

// Where a floating toolbar's controls wrap for a row count, and the rows that result.
struct TFloatingWrap {
    int Width = 0;
    int Rows = 1;
};

// From the widest control with its margins (or the minimum length) the width grows by
// 10 until the controls wrap into no more rows than asked; it then gives back the room
// every row leaves unused, so the rows wrap exactly as they did. rows must be at least 1,
// or no width would ever do.
TFloatingWrap SearchFloatingWidth(const std::vector<int>& widths, int rows, int minLength) {
    int widest = 0;
    for (int w : widths) widest = std::max(widest, w);
    TFloatingWrap result;
    result.Width = std::max(widest + 4, minLength);
    for (;;) {
        int count = 1, x = 2, slack = INT_MAX;
        for (int w : widths) {
            if (x > 2 && result.Width - x - 2 < w) {
                slack = std::min(slack, result.Width - x - 2);
                ++count;
                x = 2;
            }
            x += w;
        }
        if (count > rows) {
            result.Width += 10;
            continue;
        }
        result.Rows = count;
        // The last row counts too: a narrower width must still hold it.
        if (count >= 2) result.Width -= std::min(slack, result.Width - x - 2);
        return result;
    }
}

}  // namespace

std::vector<TControl*> TOrvCustomToolBar::FloatingControls() const {
    std::vector<TControl*> shown;
    for (TControl* c : FOTBControls)
        if (c->Parent() == this && c->GetVisible()) shown.push_back(c);  // not lent to the option window
    return shown;
}

TSize TOrvCustomToolBar::FloatingSizeFor(int rows) const {
    std::vector<int> widths;
    int sum = 0;
    for (TControl* c : FloatingControls()) {
        widths.push_back(c->Width());
        sum += c->Width();
    }
    rows = std::max(1, std::min(rows, static_cast<int>(widths.size())));
    TFloatingWrap wrap;
    if (rows > 1) wrap = SearchFloatingWidth(widths, rows, FMinLength);
    // One row: FMinLength at least; several: the bounding width of the rows.
    int width = wrap.Rows > 1 ? wrap.Width : std::max(FMinLength, 2 + sum + 2);
    return {width, FCaptionHeight + wrap.Rows * FSizeAtDock};
}

int TOrvCustomToolBar::NextFloatingRows(int step) const {
    if (step == 0) return 0;
    const int limit = std::max(1, static_cast<int>(FloatingControls().size()));
    const TSize now{FWidth, FHeight};
    // A count that wraps the controls as the current one does is passed over.
    for (int rows = FFloatingRowCount + (step > 0 ? 1 : -1); rows >= 1 && rows <= limit; rows += step > 0 ? 1 : -1)
        if (FloatingSizeFor(rows) != now) return rows;
    return 0;
}

void TOrvCustomToolBar::PositionFloating() {
    // Left to right under the caption; with several rows the controls wrap, each row
    // FSizeAtDock lower.
    std::vector<TControl*> shown = FloatingControls();
    for (TControl* c : FOTBControls)
        if (c->Parent() == this && !c->GetVisible()) c->SetBounds(c->Left(), FHeight + 2, c->Width(), c->Height());
    // Between one row and one control a row.
    FFloatingRows = std::max(1, std::min(FFloatingRows, static_cast<int>(shown.size())));
    int wrap = INT_MAX;
    if (FFloatingRows > 1) {
        // An auto-sized toolbar takes the width the rows need; otherwise its own width decides.
        if (!FAutoSize) {
            wrap = FWidth;
        } else {
            std::vector<int> widths;
            for (TControl* c : shown) widths.push_back(c->Width());
            wrap = SearchFloatingWidth(widths, FFloatingRows, FMinLength).Width;
        }
    }
    const int y0 = FCaptionHeight + 2;
    int x = 2, row = 0;
    for (TControl* c : shown) {
        if (x > 2 && wrap - x - 2 < c->Width()) {
            ++row;
            x = 2;
        }
        int y = y0 + row * FSizeAtDock;
        if (c->Left() != x || c->Top() != y) c->SetBounds(x, y, c->Width(), c->Height());
        x += c->Width();
    }
    FFloatingRowCount = row + 1;
}

void TOrvCustomToolBar::UpdateFloatingSize() {
    // The bounding size of the rows (one row: at least FMinLength wide), a caption and
    // FSizeAtDock per row high.
    int right = 0, sum = 0;
    for (TControl* c : FloatingControls()) {
        right = std::max(right, c->Left() + c->Width());
        sum += c->Width();
    }
    FMaxLength = std::max(FMinLength, 2 + sum + 2);
    int w = FFloatingRowCount > 1 ? right + 2 : std::max(FMinLength, right + 2);
    int h = FCaptionHeight + FFloatingRowCount * FSizeAtDock;
    if (w != FWidth || h != FHeight) TCustomControl::SetBounds(FLeft, FTop, w, h);
    if (auto* window = dynamic_cast<TFloatingWindow*>(Parent())) window->UpdateSize();
}

TSize TOrvCustomToolBar::PreferredSize() {
    bool horizontal = IsHorizontal() || FToolBarState == tsFloating;
    int indicator = FToolBarState == tsFloating ? 2 : (FShowRightHandle ? 14 : 4);
    int lastEdge = -1, sum = 0, thick = 0, visible = 0;
    for (TControl* c : FOTBControls) {
        if (!c->GetVisible()) continue;
        // The full length counts the controls hidden for lack of room as well.
        sum += horizontal ? c->Width() : c->Height();
        if (FLUHidedControls.Contains(c)) continue;
        ++visible;
        lastEdge = std::max(lastEdge, horizontal ? c->Left() + c->Width() : c->Top() + c->Height());
        if (!IsSeparator(c)) thick = std::max(thick, horizontal ? c->Height() : c->Width());
    }
    int length;
    if (FOTBControls.Empty())
        length = FMinLength;
    else if (visible == 0)
        length = 15;
    else
        length = lastEdge;
    length += indicator;
    int full = GripX0() + sum + indicator;
    if (OnPage() || length >= full) full = length;
    FMaxLength = full;
    if (OnPage() && FHideOnEmpty && visible == 0) length = 0;
    int thickness = std::max(26, thick + 4) + (FShowCaption ? FCaptionHeight : 0);
    return horizontal ? TSize{length, thickness} : TSize{thickness, length};
}

void TOrvCustomToolBar::UpdateSize() {
    if (!FAutoSize || FFullSize || FCompactBtn) return;
    if (FToolBarState == tsFloating) {
        UpdateFloatingSize();
        return;
    }
    TSize size = PreferredSize();
    // A page gives its toolbars their height; elsewhere the toolbar takes its thickness.
    bool page = OnPage();
    int w = size.cx, h = page && IsHorizontal() ? FHeight : size.cy;
    if (!page) {
        // Between its preferred and its full length a docked toolbar keeps the length it
        // was given (controls hidden for lack of room leave that room to the handle).
        bool horizontal = IsHorizontal();
        int preferred = horizontal ? size.cx : size.cy;
        int now = horizontal ? FWidth : FHeight;
        int length = now < preferred || now > FMaxLength ? preferred : now;
        // A dock panel placing the toolbar decides its length.
        if (FCurrentDock && FAllowBoundChange) length = now;
        (horizontal ? w : h) = length;
    }
    if (InCompactWindow() && FSelfClone) h = FSelfClone->Height();
    if (w == FWidth && h == FHeight) return;
    bool widthChanged = w != FWidth;
    TCustomControl::SetBounds(FLeft, FTop, w, h);
    if (widthChanged)
        if (auto* page = Page()) page->ArrangeToolBars();
    if (FCurrentDock && !FAllowBoundChange) FCurrentDock->ToolBarResized(this);
}

void TOrvCustomToolBar::SetPosition(TDockAlign value) {
    if (FPosition == value) return;
    FPosition = value;
    FGivenLength = INT_MAX;  // given along the other axis
    bool horizontal = IsHorizontalAlign(value);
    // A toolbar whose size is given from outside (AutoSize off) keeps its bounds.
    auto setLength = [&] {
        if (!FAutoSize) return;
        if (horizontal)
            TCustomControl::SetBounds(FLeft, FTop, FMaxLength, FSizeAtDock);
        else
            TCustomControl::SetBounds(FLeft, FTop, FSizeAtDock, FMaxLength);
    };
    // The new side's shape first, so the controls size themselves against its thickness;
    // every toolbar control turns with the toolbar, and it positions once afterwards.
    ++FUpdateCount;
    setLength();
    try {
        for (TControl* c : FOTBControls)
            if (auto* control = dynamic_cast<TOrvCustomToolBarControl*>(c)) control->SetPosition(value);
    } catch (...) {
        --FUpdateCount;
        throw;
    }
    --FUpdateCount;
    // The longest the toolbar can be on the new side: grip part, every visible control
    // along the new axis, the right handle's part.
    bool bareGrip = OnPage() || FToolBarState == tsFloating;
    int length = bareGrip ? 2 : FDragGripWidth + 2;
    for (TControl* c : FOTBControls)
        if (c->GetVisible()) length += horizontal ? c->Width() : c->Height();
    length += FShowRightHandle ? 14 : 4;
    FMaxLength = std::max(FMinLength, length);
    setLength();
    PositionControls();
}

void TOrvCustomToolBar::SetToolBarState(TToolBarState value) {
    if (FToolBarState == value) return;
    FToolBarState = value;
    FGivenLength = INT_MAX;
    if (value == tsFloating) FLocked = false;
    // Controls that size to the toolbar (to a floating row, or to the docked thickness)
    // size again, then the toolbar positions once.
    ++FUpdateCount;
    try {
        for (TControl* c : FOTBControls)
            if (auto* control = dynamic_cast<TOrvCustomToolBarControl*>(c)) control->HostShapeChanged();
    } catch (...) {
        --FUpdateCount;
        throw;
    }
    --FUpdateCount;
    PositionControls();
}

}  // namespace orv
