#include "toolbar/OrvDockPanel.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/ClassRegistry.h"
#include "framework/Menus.h"
#include "menus/OrvMenus.h"
#include "paint/FaceCache.h"
#include "paint/OrvGradients.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/ToolBarPersistence.h"

namespace orv {

namespace {

// Rows are never thinner than this.
constexpr int kMinRowThickness = 26;

// A toolbar's extent along the row and its room to grow and shrink there, worked on
// locally and laid out once at the end.
struct TSpan {
    int Start;
    int Length;
    int Min;
    int Max;  // 0: no growth room
    int Grow() const { return Max > 0 ? std::max(0, Max - Length) : 0; }
    int Shrink() const { return std::max(0, Length - Min); }
};

int AlongStart(const TOrvCustomToolBar* t, bool horizontal) { return horizontal ? t->Left() : t->Top(); }
int AlongLength(const TOrvCustomToolBar* t, bool horizontal) { return horizontal ? t->Width() : t->Height(); }
int Thickness(const TOrvCustomToolBar* t, bool horizontal) { return horizontal ? t->Height() : t->Width(); }

// Gaps between neighbours (2 pixels of spacing are no gap); negative is an overlap.
struct TRowSpans {
    std::vector<TSpan> S;
    int RowStart;
    int RowEnd;
    int Last() const { return static_cast<int>(S.size()) - 1; }
    int GapAfter(int k) const {
        int next = k < Last() ? S[k + 1].Start : RowEnd;
        return next - S[k].Start - S[k].Length - 2;
    }
    int GapBefore(int k) const {
        int prevEnd = k > 0 ? S[k - 1].Start + S[k - 1].Length : RowStart;
        return S[k].Start - prevEnd - 2;
    }
    void MoveRange(int from, int to, int by) {
        for (int j = from; j <= to; ++j) S[j].Start += by;
    }
    // An overflow a < 0 after toolbar k: into the gaps before it, then shrinking,
    // nearest first.
    int RemoveOverlap(int k, int a) {
        for (int b = k; b >= 0 && a < 0; --b) {
            int d = std::min(GapBefore(b), -a);
            if (d > 0) {
                MoveRange(b, k, -d);
                a += d;
            }
        }
        for (int n = k; n >= 0 && a < 0; --n) {
            int c = std::min(S[n].Shrink(), -a);
            if (c > 0) {
                S[n].Length -= c;
                MoveRange(n + 1, k, -c);
                a += c;
            }
        }
        return a;
    }
};

}  // namespace

// --- row --------------------------------------------------------------------------------

TRowCollectionItem::TRowCollectionItem(TCollection* collection) : TCollectionItem(collection) {}

TOrvDockPanel* TRowCollectionItem::Panel() const {
    auto* rows = static_cast<TRowCollection*>(Collection());
    return rows ? static_cast<TOrvDockPanel*>(rows->Owner()) : nullptr;
}

int TRowCollectionItem::RowStart() const {
    return Panel()->IsHorizontal() ? FRowRect.Left : FRowRect.Top;
}

int TRowCollectionItem::RowEnd() const {
    return Panel()->IsHorizontal() ? FRowRect.Right : FRowRect.Bottom;
}

bool TRowCollectionItem::IsAllowed(const TOrvCustomToolBar* toolBar) const {
    if (!FToolBarList.Empty() && FToolBarList[0]->GetFullSize()) return false;
    return !toolBar->GetFullSize() || FToolBarList.Empty();
}

void TRowCollectionItem::Place(TOrvCustomToolBar* toolBar, int start, int length) const {
    bool horizontal = Panel()->IsHorizontal();
    int cross = horizontal ? FRowRect.Top : FRowRect.Left;
    int thick = Thickness(toolBar, horizontal);
    bool old = toolBar->FAllowBoundChange;
    toolBar->FAllowBoundChange = true;
    try {
        if (horizontal)
            toolBar->SetBounds(start, cross, length, thick);
        else
            toolBar->SetBounds(cross, start, thick, length);
    } catch (...) {
        toolBar->FAllowBoundChange = old;
        throw;
    }
    toolBar->FAllowBoundChange = old;
}

int TRowCollectionItem::AddToolBar(TOrvCustomToolBar* toolBar) {
    if (FToolBarList.Contains(toolBar) || !IsAllowed(toolBar)) return -1;
    bool horizontal = Panel()->IsHorizontal();
    int index = FToolBarList.Add(toolBar);
    toolBar->SetRow(Index());
    if (toolBar->GetFullSize()) {
        Place(toolBar, RowStart() + 2, RowEnd() - RowStart() - 4);
    } else {
        int start = RowStart();
        if (index > 0) {
            TOrvCustomToolBar* prev = FToolBarList[index - 1];
            start = AlongStart(prev, horizontal) + AlongLength(prev, horizontal);
        }
        Place(toolBar, start + 2, AlongLength(toolBar, horizontal));
    }
    Panel()->UpdateRows();
    return index;
}

void TRowCollectionItem::InsertToolBar(TOrvCustomToolBar* toolBar) {
    if (FToolBarList.Contains(toolBar)) return;
    bool horizontal = Panel()->IsHorizontal();
    int start = AlongStart(toolBar, horizontal);
    int at = FToolBarList.Count();
    for (int i = 0; i < FToolBarList.Count(); ++i)
        if (AlongStart(FToolBarList[i], horizontal) > start) {
            at = i;
            break;
        }
    FToolBarList.Insert(at, toolBar);
    toolBar->SetRow(Index());
    Panel()->UpdateRows();
}

void TRowCollectionItem::RemoveToolBar(TOrvCustomToolBar* toolBar, bool deleteIfEmpty) {
    if (FToolBarList.Remove(toolBar) < 0) return;
    if (FToolBarList.Empty() && deleteIfEmpty) {
        static_cast<TRowCollection*>(Collection())->DeleteRow(Index());  // frees this row
        return;
    }
    Arrange();
}

void TRowCollectionItem::Arrange() {
    TOrvDockPanel* panel = Panel();
    if (FToolBarList.Empty() || !panel) return;
    const bool horizontal = panel->IsHorizontal();
    TRowSpans r{{}, RowStart(), RowEnd()};
    for (TOrvCustomToolBar* t : FToolBarList)
        r.S.push_back({AlongStart(t, horizontal), AlongLength(t, horizontal), t->MinLength(), t->MaxLength()});
    const int last = r.Last();

    if (FToolBarList[0]->GetFullSize()) {
        // Alone in its row (IsAllowed keeps others out), the full length less the margins.
        FToolBarList[0]->SetRow(Index());
        Place(FToolBarList[0], r.RowStart + 2, r.RowEnd - r.RowStart - 4);
        return;
    }
    for (int k = 0; k <= last; ++k) {
        int a = r.GapAfter(k);
        if (a > 0) {
            for (int n = k; n >= 0 && a > 0; --n) {
                int c = std::min(r.S[n].Grow(), a);
                if (c > 0) {
                    r.S[n].Length += c;
                    r.MoveRange(n + 1, k, c);
                    a -= c;
                }
            }
            if (horizontal)
                for (int n = k + 1; n <= last && a > 0; ++n) {
                    int c = std::min(r.S[n].Grow(), a);
                    if (c > 0) {
                        r.S[n].Length += c;
                        a -= c;
                    }
                }
        } else if (a < 0) {
            r.RemoveOverlap(k, a);
        }
        // Room before the toolbar goes to the toolbar itself when it could be longer;
        // its far end stays.
        int u = r.S[k].Grow();
        for (int b = k; b >= 0 && u > 0; --b) {
            int d = std::min(r.GapBefore(b), u);
            if (d > 0) {
                r.MoveRange(b, k, -d);
                r.S[k].Length += d;
                u -= d;
            }
        }
    }
    for (int l = 0; l <= last; ++l) {
        if (l == 0 && r.GapBefore(0) < 0) r.S[0].Start -= r.GapBefore(0);
        if (l == last) {
            int a = r.GapAfter(l);
            if (a < 0) r.RemoveOverlap(l, a);
        } else if (r.GapAfter(l) < 0) {
            r.S[l + 1].Start -= r.GapAfter(l);
        }
    }
    for (int k = 0; k <= last; ++k) {
        FToolBarList[k]->SetRow(Index());
        Place(FToolBarList[k], r.S[k].Start, r.S[k].Length);
    }
}

bool TRowCollectionItem::NeedsArrange() const {
    if (FToolBarList.Empty()) return false;
    const bool horizontal = Panel()->IsHorizontal();
    TOrvCustomToolBar* first = FToolBarList[0];
    if (first->GetFullSize())
        return AlongLength(first, horizontal) != RowEnd() - RowStart() - 4 ||
               AlongStart(first, horizontal) != RowStart() + 2;
    TRowSpans r{{}, RowStart(), RowEnd()};
    for (TOrvCustomToolBar* t : FToolBarList)
        r.S.push_back({AlongStart(t, horizontal), AlongLength(t, horizontal), t->MinLength(), t->MaxLength()});
    int sum = 0;
    bool canGrow = false;
    for (int k = 0; k <= r.Last(); ++k) {
        int gap = r.GapBefore(k);
        if (gap < 0) return false;
        sum += gap;
        canGrow = canGrow || r.S[k].Grow() > 0;
    }
    int end = r.GapAfter(r.Last());
    if (end < 0) return false;
    return sum + end > 0 && canGrow;
}

void TRowCollectionItem::AlongRowRequest(TOrvCustomToolBar* toolBar, int& start, int& length) {
    const int i = FToolBarList.IndexOf(toolBar);
    if (i < 0) throw Exception(L"Invalid ToolBar Index");
    TOrvDockPanel* panel = Panel();
    const bool horizontal = panel->IsHorizontal();
    TRowSpans r{{}, RowStart(), RowEnd()};
    for (TOrvCustomToolBar* t : FToolBarList)
        r.S.push_back({AlongStart(t, horizontal), AlongLength(t, horizontal), t->MinLength(), t->MaxLength()});
    const int last = r.Last();
    auto growRoom = [&r](int from, int to) {
        int sum = 0;
        for (int j = from; j <= to; ++j) sum += r.S[j].Grow();
        return sum;
    };
    auto gapsBefore = [&r](int upTo) {
        int sum = 0;
        for (int j = upTo; j >= 0; --j) sum += r.GapBefore(j);
        return sum;
    };
    const int current = r.S[i].Start;

    if (start < current) {
        start = std::max(start, r.RowStart + 2);
        int need = current - start;
        if (i == 0) return;  // the first toolbar takes the raised start and the length
        for (int p = i; p >= 0 && need > 0; --p) {
            int d = std::min(r.GapBefore(p), need);
            if (d > 0) {
                r.MoveRange(p, i, -d);
                need -= d;
            }
        }
        if (need > 0 && r.GapAfter(last) < 1) {
            for (int p = i - 1; p >= 0 && need > 0; --p) {
                int f = std::min({r.S[p].Shrink(), need, growRoom(i, last)});
                need -= f;
                if (f <= 0) continue;
                r.S[p].Length -= f;
                r.MoveRange(p + 1, i - 1, -f);
                for (int q = i; q <= last && f > 0; ++q) {
                    int g = std::min(r.S[q].Grow(), f);
                    if (g <= 0) continue;
                    r.S[q].Length += g;
                    r.MoveRange(i, q, -g);
                    f -= g;
                }
            }
        }
        if (need > 0 && !panel->IsLoading() && r.S[i - 1].Start + 5 >= r.S[i].Start - need) {
            // Dragged onto the neighbour that has nothing left to give: they change places.
            FToolBarList.Exchange(i - 1, i);
            Arrange();
            start = AlongStart(toolBar, horizontal);
            length = AlongLength(toolBar, horizontal);
            return;
        }
    } else if (start > current) {
        int need = start - current;
        for (int p = i; p <= last && need > 0; ++p) {
            int d = std::min(r.GapAfter(p), need);
            if (d > 0) {
                r.MoveRange(i, p, d);
                need -= d;
            }
        }
        if (need > 0 && gapsBefore(i) < 1) {
            need = std::min(need, growRoom(0, i - 1));
            for (int p = last; p >= i && need > 0; --p) {
                int f = std::min(r.S[p].Shrink(), need);
                need -= f;
                if (f <= 0) continue;
                r.S[p].Length -= f;
                r.S[p].Start += f;
                // The requested toolbar moves with the ones between it and the shrunk one.
                r.MoveRange(i, p - 1, f);
                for (int q = i - 1; q >= 0 && f > 0; --q) {
                    int g = std::min(r.S[q].Grow(), f);
                    if (g <= 0) continue;
                    r.S[q].Length += g;
                    r.MoveRange(q + 1, i - 1, g);
                    f -= g;
                }
            }
        }
    } else if (length < r.S[i].Length) {
        if (FToolBarList.Count() == 1) {
            Arrange();
            length = AlongLength(toolBar, horizontal);
        }
        return;
    } else if (length > r.S[i].Length) {
        int extra = length - r.S[i].Length;
        for (int p = i; p <= last && extra > 0; ++p) {
            int d = std::min(r.GapAfter(p), extra);
            if (d > 0) {
                r.MoveRange(i + 1, p, d);
                r.S[i].Length += d;
                extra -= d;
            }
        }
        if (extra > 0 && gapsBefore(i) > 0)
            for (int p = i; p >= 0 && extra > 0; --p) {
                int d = std::min(r.GapBefore(p), extra);
                if (d > 0) {
                    r.MoveRange(p, i, -d);
                    r.S[i].Length += d;
                    extra -= d;
                }
            }
    } else {
        return;
    }
    for (int k = 0; k <= last; ++k)
        if (k != i) Place(FToolBarList[k], r.S[k].Start, r.S[k].Length);
    start = r.S[i].Start;
    length = r.S[i].Length;
}

// --- rows ----------------------------------------------------------------------------------

TRowCollection::TRowCollection(TOrvDockPanel* owner) : TTypedCollection<TRowCollectionItem>(owner), FOwner(owner) {}

TRowCollectionItem* TRowCollection::Add() {
    TRowCollectionItem* row = TTypedCollection::Add();
    FOwner->UpdateRows();
    return row;
}

TRowCollectionItem* TRowCollection::Insert(int index) {
    TRowCollectionItem* row = TTypedCollection::Insert(index);
    FOwner->UpdateRows();
    return row;
}

void TRowCollection::DeleteRow(int index) {
    Delete(index);
    if (FOnDeleteItem) FOnDeleteItem(index);
    FOwner->UpdateRows();
}

int TRowCollection::IsToolBarAlreadyAdded(const TOrvCustomToolBar* toolBar) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->FToolBarList.Contains(toolBar)) return i;
    return -1;
}

void TRowCollection::MoveToolBarToRow(TOrvCustomToolBar* toolBar, int rowIndex) {
    if (rowIndex < 0 || rowIndex >= Count()) throw Exception(L"Invalid Row Index");
    int from = IsToolBarAlreadyAdded(toolBar);
    TRowCollectionItem* target = Items(rowIndex);
    if (from == rowIndex || !target->IsAllowed(toolBar)) return;
    TRowCollectionItem* old = from >= 0 ? Items(from) : nullptr;
    if (old) old->RemoveToolBar(toolBar, false);
    target->AddToolBar(toolBar);
    if (old && old->ToolBarCount() == 0 && !FOwner->HeightLocked()) DeleteRow(old->Index());
}

void TRowCollection::MoveToNewRow(TOrvCustomToolBar* toolBar, int index) {
    int from = IsToolBarAlreadyAdded(toolBar);
    TRowCollectionItem* old = from >= 0 ? Items(from) : nullptr;
    TRowCollectionItem* row = Insert(index);
    if (old) old->RemoveToolBar(toolBar, false);
    row->AddToolBar(toolBar);
    if (old && old->ToolBarCount() == 0 && !FOwner->HeightLocked()) DeleteRow(old->Index());
}

void TRowCollection::CrossRowRequest(TOrvCustomToolBar* toolBar, int& start, int& thickness) {
    const bool horizontal = FOwner->IsHorizontal();
    int index = IsToolBarAlreadyAdded(toolBar);
    if (index < 0) return;
    auto top = [horizontal](const TRect& r) { return horizontal ? r.Top : r.Left; };
    auto bottom = [horizontal](const TRect& r) { return horizontal ? r.Bottom : r.Right; };
    const TRect R = Items(index)->FRowRect;
    const int n = Items(index)->ToolBarCount();
    const int T = start;
    const bool mayReRow = !FOwner->HeightLocked() || FOwner->IsDesigning();
    if (top(R) - 5 <= T && T <= top(R) - 3 && n >= 2) {
        if (mayReRow) MoveToNewRow(toolBar, index);
    } else if (T < top(R) - 6 && index > 0) {
        for (int j = 0; j < Count(); ++j) {
            if (j == index) continue;
            const TRect other = Items(j)->FRowRect;
            if (top(other) <= T && T < bottom(other)) {
                if (Items(j)->IsAllowed(toolBar))
                    MoveToolBarToRow(toolBar, j);
                else if (mayReRow)
                    MoveToNewRow(toolBar, j);
                break;
            }
        }
    } else if (top(R) + 3 <= T && T <= top(R) + 5 && n >= 2) {
        if (mayReRow) MoveToNewRow(toolBar, index + 1);
    } else if (T > top(R) + 5 && index < Count() - 1) {
        for (int j = index + 1; j < Count(); ++j) {
            if (T < bottom(Items(j)->FRowRect)) {
                if (Items(j)->IsAllowed(toolBar))
                    MoveToolBarToRow(toolBar, j);
                else if (mayReRow)
                    MoveToNewRow(toolBar, j + 1);
                break;
            }
        }
    } else if (FOwner->IsDesigning() && T > top(R) + 5 && index == Count() - 1 && n > 1) {
        // Dragged below the last row at design time: a row of its own at the end.
        MoveToNewRow(toolBar, Count());
    }
    int now = IsToolBarAlreadyAdded(toolBar);
    if (now >= 0) start = top(Items(now)->FRowRect);
    if (thickness != Thickness(toolBar, horizontal)) {
        bool old = toolBar->FAllowBoundChange;
        toolBar->FAllowBoundChange = true;
        if (horizontal)
            toolBar->SetBounds(toolBar->Left(), start, toolBar->Width(), thickness);
        else
            toolBar->SetBounds(start, toolBar->Top(), thickness, toolBar->Height());
        toolBar->FAllowBoundChange = old;
        FOwner->UpdateRows();
    }
}

// --- panel ---------------------------------------------------------------------------------

TOrvDockPanel::TOrvDockPanel(TComponent* owner) : TCustomControl(owner) {
    FInternalToolBarStyler = new TOrvToolBarOfficeStyler(this);
    FInternalToolBarStyler->SetName(L"InternalStyler");
    FInternalToolBarStyler->SetSubComponent(true);
    FCurrentToolBarStyler = FInternalToolBarStyler;
    FInternalToolBarStyler->AddControl(this);
    FDoubleBuffered = true;
    FColor = FCurrentToolBarStyler->DockColor().GetColor();
    FRows.FOnDeleteItem = [this](int index) { RowDeleted(index); };
    FPersistence.OnChange = [this](TObject* sender) { PersistenceChanged(sender); };
    FWidth = 100;
    FHeight = FMinimumSize;
    TControl::SetAlign(TAlign::alTop);
}

TOrvDockPanel::~TOrvDockPanel() = default;

void TOrvDockPanel::BeforeDestruction() {
    // Saved while every toolbar is still in its row; a store that refuses (a read-only
    // file) must not keep the program from closing, so the save is skipped then.
    if (FPersistence.GetEnabled() && !IsDesigning()) SkipOnStoreError([this] { SaveToolBarsPosition(); });
    FUpdatingRows = true;  // toolbars leaving now re-arrange nothing
    if (FToolBarStyler && FToolBarStyler != FInternalToolBarStyler) FToolBarStyler->RemoveControl(this);
    TCustomControl::BeforeDestruction();
}

std::wstring TOrvDockPanel::GetVersion() const {
    return L"1.0.0.0";
}

void TOrvDockPanel::SetParent(TWinControl* parent) {
    if (dynamic_cast<TOrvDockPanel*>(parent) || dynamic_cast<TOrvCustomToolBar*>(parent))
        throw Exception(L"Invalid Parent");
    TCustomControl::SetParent(parent);
}

void TOrvDockPanel::Loaded() {
    TCustomControl::Loaded();
    // Stored toolbars come without rows: each gets a row of its own in (top, left) order
    // (left, top for vertical docks), then its stored place again, which merges it into
    // the row its stored cross position falls into.
    const bool horizontal = IsHorizontal();
    std::vector<std::pair<TOrvCustomToolBar*, TPoint>> order;
    for (TOrvCustomToolBar* t : FToolBars)
        if (t->GetVisible()) order.push_back({t, {t->Left(), t->Top()}});
    std::stable_sort(order.begin(), order.end(), [horizontal](const auto& a, const auto& b) {
        return horizontal ? std::pair(a.second.Y, a.second.X) < std::pair(b.second.Y, b.second.X)
                          : std::pair(a.second.X, a.second.Y) < std::pair(b.second.X, b.second.Y);
    });
    for (auto& [toolBar, stored] : order) {
        if (FRows.IsToolBarAlreadyAdded(toolBar) >= 0) continue;
        FRows.Add()->AddToolBar(toolBar);
        toolBar->SetBounds(stored.X, stored.Y, toolBar->Width(), toolBar->Height());
    }
    // A damaged or unreadable store must not keep the program from starting: the
    // restore reads before it changes anything, so skipping it leaves the layout's rows.
    if (FPersistence.GetEnabled() && !IsDesigning()) SkipOnStoreError([this] { LoadToolBarsPosition(); });
    FPropertiesLoaded = true;
    UpdateRows();
}

void TOrvDockPanel::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FToolBarStyler) {
        FToolBarStyler = nullptr;
        FCurrentToolBarStyler = FInternalToolBarStyler;
        if (!IsDestroying()) ApplyStylerChange(scStyle);
    }
    if (auto* toolBar = dynamic_cast<TOrvCustomToolBar*>(component)) ForgetToolBar(toolBar);
}

void TOrvDockPanel::ForgetToolBar(TOrvCustomToolBar* toolBar) {
    // Out of both lists whatever its row index says, and out of any row that holds it.
    FToolBars.Remove(toolBar);
    FHiddenToolBars.Remove(toolBar);
    int row = FRows.IsToolBarAlreadyAdded(toolBar);
    if (row >= 0 && !IsDestroying())
        FRows.Items(row)->RemoveToolBar(toolBar, !HeightLocked());
    else if (row >= 0)
        FRows.Items(row)->FToolBarList.Remove(toolBar);
    if (toolBar->FCurrentDock == this) toolBar->FCurrentDock = nullptr;
}

void TOrvDockPanel::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_CONTROLCHANGE:
            if (auto* toolBar = dynamic_cast<TOrvCustomToolBar*>(reinterpret_cast<TControl*>(message.WParam))) {
                if (message.LParam)
                    Join(toolBar);
                else
                    Leave(toolBar);
            }
            break;
        case CM_CHILDVISIBLECHANGED:
            if (auto* toolBar = dynamic_cast<TOrvCustomToolBar*>(reinterpret_cast<TControl*>(message.WParam)))
                if (FToolBars.Contains(toolBar)) ToolBarVisibleChanged(toolBar, message.LParam != 0);
            break;
        default:
            break;
    }
    TCustomControl::WndProc(message);
}

bool TOrvDockPanel::CanJoin(const TOrvCustomToolBar* toolBar) const {
    if (!HeightLocked()) return true;
    for (int i = 0; i < FRows.Count(); ++i)
        if (FRows.Items(i)->IsAllowed(toolBar)) return true;
    return false;
}

int TOrvDockPanel::Join(TOrvCustomToolBar* toolBar) {
    if (FToolBars.Contains(toolBar)) return FRows.IsToolBarAlreadyAdded(toolBar);
    TRowCollectionItem* row = nullptr;
    if (HeightLocked()) {
        // Toward the docked edge's far side first.
        const bool backward = FDockAlign == daLeft || FDockAlign == daTop;
        for (int k = 0; k < FRows.Count() && !row; ++k) {
            TRowCollectionItem* candidate = FRows.Items(backward ? FRows.Count() - 1 - k : k);
            if (candidate->IsAllowed(toolBar)) row = candidate;
        }
        if (!row) return -1;
    }
    toolBar->SetPosition(FDockAlign);
    toolBar->PositionControls();  // its own length before the row takes it
    toolBar->FCurrentDock = this;
    toolBar->FLastDock = this;
    toolBar->FreeNotification(this);
    FToolBars.Add(toolBar);
    toolBar->Persistence().SetEnabled(FPersistence.GetEnabled());
    toolBar->Persistence().SetKey(FPersistence.GetKey());
    toolBar->Persistence().SetLocation(FPersistence.GetLocation());
    if (!toolBar->GetVisible()) {
        FHiddenToolBars.Add(toolBar);
        return -1;
    }
    if (IsLoading()) return -1;
    if (!row) row = FRows.Add();
    row->AddToolBar(toolBar);
    return row->Index();
}

void TOrvDockPanel::Leave(TOrvCustomToolBar* toolBar) {
    if (!FToolBars.Contains(toolBar) && FRows.IsToolBarAlreadyAdded(toolBar) < 0) return;
    if (IsLoading()) {
        FToolBars.Remove(toolBar);
        FHiddenToolBars.Remove(toolBar);
        if (toolBar->FCurrentDock == this) toolBar->FCurrentDock = nullptr;
        return;
    }
    ForgetToolBar(toolBar);
}

void TOrvDockPanel::ToolBarVisibleChanged(TOrvCustomToolBar* toolBar, bool visible) {
    if (!visible) {
        if (!FHiddenToolBars.Contains(toolBar)) FHiddenToolBars.Add(toolBar);
        int row = FRows.IsToolBarAlreadyAdded(toolBar);
        if (row >= 0) FRows.Items(row)->RemoveToolBar(toolBar, !HeightLocked());
        return;
    }
    FHiddenToolBars.Remove(toolBar);
    if (IsLoading() || FRows.IsToolBarAlreadyAdded(toolBar) >= 0) return;
    int index = toolBar->GetRow();
    if (index >= 0 && index < FRows.Count() && FRows.Items(index)->IsAllowed(toolBar)) {
        FRows.Items(index)->InsertToolBar(toolBar);
        return;
    }
    if (HeightLocked() && FRows.Count() > 0 && FRows.Items(FRows.Count() - 1)->AddToolBar(toolBar) >= 0) return;
    FRows.Add()->AddToolBar(toolBar);
}

void TOrvDockPanel::ToolBarFullSizeChanged(TOrvCustomToolBar* toolBar) {
    int row = FRows.IsToolBarAlreadyAdded(toolBar);
    if (row < 0) return;
    if (!toolBar->GetFullSize()) {
        UpdateRows();
        return;
    }
    // A full-size toolbar has a row of its own, made where its row was.
    FRows.Items(row)->RemoveToolBar(toolBar, false);
    TRowCollectionItem* own = FRows.Insert(row);
    own->AddToolBar(toolBar);
    int old = row + 1;
    if (FRows.Items(old)->ToolBarCount() == 0 && !HeightLocked()) FRows.DeleteRow(old);
    own->Arrange();
}

void TOrvDockPanel::ToolBarResized(TOrvCustomToolBar*) {
    UpdateRows();
}

void TOrvDockPanel::RowDeleted(int index) {
    // Toolbars of the rows after it move up one index.
    for (int i = index; i < FRows.Count(); ++i)
        for (TOrvCustomToolBar* t : FRows.Items(i)->FToolBarList) t->SetRow(i);
}

void TOrvDockPanel::UpdateRows() {
    if (FUpdatingRows || IsDestroying()) return;
    FUpdatingRows = true;
    try {
        const bool horizontal = IsHorizontal();
        int t = 1;
        for (int i = 0; i < FRows.Count(); ++i) {
            TRowCollectionItem* row = FRows.Items(i);
            int thick = kMinRowThickness;
            for (TOrvCustomToolBar* bar : row->FToolBarList) thick = std::max(thick, Thickness(bar, horizontal));
            row->FRowRect = horizontal ? TRect{FOffSetX, t, FWidth - 1, t + thick + 1}
                                       : TRect{t, FOffSetX, t + thick + 1, FHeight - 1};
            row->Arrange();
            t += thick + 1;
        }
        SizeToRows();
    } catch (...) {
        FUpdatingRows = false;
        throw;
    }
    FUpdatingRows = false;
    Invalidate();
}

void TOrvDockPanel::SizeToRows() {
    if (HeightLocked()) return;
    const bool horizontal = IsHorizontal();
    int size = FMinimumSize;
    if (FRows.Count() > 0) {
        TRect last = FRows.Items(FRows.Count() - 1)->FRowRect;
        size = horizontal ? last.Bottom + FOffSetY : last.Right + FOffSetX;
    }
    switch (FDockAlign) {
        case daTop:
            if (FHeight != size) SetBounds(FLeft, FTop, FWidth, size);
            break;
        case daLeft:
            if (FWidth != size) SetBounds(FLeft, FTop, size, FHeight);
            break;
        case daBottom:
            // Grows upward: the bottom edge stays.
            if (FHeight < size)
                SetBounds(FLeft, FTop - (size - FHeight), FWidth, size);
            else if (FHeight != size)
                SetBounds(FLeft, FTop, FWidth, size);
            break;
        case daRight:
            if (FWidth < size)
                SetBounds(FLeft - (size - FWidth), FTop, size, FHeight);
            else if (FWidth != size)
                SetBounds(FLeft, FTop, size, FHeight);
            break;
    }
}

void TOrvDockPanel::Resize() {
    TCustomControl::Resize();
    UpdateRows();
}

void TOrvDockPanel::ArrangeToolBars() {
    const bool horizontal = IsHorizontal();
    for (int i = 0; i < FRows.Count(); ++i) {
        TRowCollectionItem* row = FRows.Items(i);
        row->Arrange();
        int next = row->RowStart() + 2;
        for (TOrvCustomToolBar* t : row->FToolBarList) {
            if (!t->GetVisible()) continue;
            row->Place(t, next, AlongLength(t, horizontal));
            next += AlongLength(t, horizontal) + 2;
        }
    }
}

void TOrvDockPanel::ArrangeRowsIfNeeded() {
    for (int i = 0; i < FRows.Count(); ++i)
        if (FRows.Items(i)->NeedsArrange()) FRows.Items(i)->Arrange();
}

void TOrvDockPanel::FilterBounds(TOrvCustomToolBar* toolBar, int& left, int& top, int& width, int& height) {
    if (IsLoading() || !toolBar->GetVisible() || FRows.IsToolBarAlreadyAdded(toolBar) < 0) return;
    if (IsHorizontal()) {
        FRows.CrossRowRequest(toolBar, top, height);
        int row = FRows.IsToolBarAlreadyAdded(toolBar);
        if (row >= 0) FRows.Items(row)->AlongRowRequest(toolBar, left, width);
    } else {
        FRows.CrossRowRequest(toolBar, left, width);
        int row = FRows.IsToolBarAlreadyAdded(toolBar);
        if (row >= 0) FRows.Items(row)->AlongRowRequest(toolBar, top, height);
    }
}

// --- published -------------------------------------------------------------------------

void TOrvDockPanel::SetAlign(TDockAlign value) {
    if (FDockAlign == value) return;
    FDockAlign = value;
    static constexpr TAlign kAligns[] = {TAlign::alLeft, TAlign::alTop, TAlign::alRight, TAlign::alBottom};
    TControl::SetAlign(kAligns[value]);
    for (TOrvCustomToolBar* t : FToolBars) t->SetPosition(value);
    UpdateRows();
}

void TOrvDockPanel::SetMinimumSize(int value) {
    if (value <= 0 || value == FMinimumSize) return;
    FMinimumSize = value;
    UpdateRows();
}

void TOrvDockPanel::SetUseRunTimeHeight(bool value) {
    if (FUseRunTimeHeight == value) return;
    FUseRunTimeHeight = value;
    UpdateRows();
}

void TOrvDockPanel::SetToolBarStyler(TCustomOrvToolBarStyler* value) {
    if (value == FToolBarStyler) return;
    if (FToolBarStyler && FToolBarStyler != FInternalToolBarStyler) {
        FToolBarStyler->RemoveControl(this);
        FToolBarStyler->RemoveFreeNotification(this);
    }
    FToolBarStyler = value;
    if (value) {
        value->AddControl(this);
        value->FreeNotification(this);
    }
    FCurrentToolBarStyler = value ? value : FInternalToolBarStyler;
    if (!IsLoading() && !IsDestroying())
        for (TOrvCustomToolBar* t : FToolBars) {
            // Re-applies ParentStyler against the new styler, then lays out again.
            bool parentStyler = t->GetParentStyler();
            t->SetParentStyler(!parentStyler);
            t->SetParentStyler(parentStyler);
            t->PositionControls();
        }
    ApplyStylerChange(scStyle);
}

void TOrvDockPanel::ApplyStylerChange(int code) {
    SetColor(FCurrentToolBarStyler->DockColor().GetColor());
    if (code == scMenuStyler) ApplyPopupMenuStyler();
    Invalidate();
}

void TOrvDockPanel::ToolBarStylerDestroying(TCustomOrvToolBarStyler* styler) {
    if (styler == FToolBarStyler) FToolBarStyler = nullptr;
    if (styler == FCurrentToolBarStyler) {
        FCurrentToolBarStyler = FInternalToolBarStyler;
        if (!IsDestroying()) ApplyStylerChange(scStyle);
    }
}

void TOrvDockPanel::ApplyPopupMenuStyler() {
    if (auto* styled = dynamic_cast<TOrvPopupMenu*>(GetPopupMenu()))
        styled->SetMenuStyler(FCurrentToolBarStyler->CurrentOrvMenuStyler());
}

void TOrvDockPanel::PersistenceChanged(TObject*) {
    // Every docked toolbar, hidden ones included, stores where the panel does.
    for (TOrvCustomToolBar* t : FToolBars) {
        t->Persistence().SetEnabled(FPersistence.GetEnabled());
        t->Persistence().SetKey(FPersistence.GetKey());
        t->Persistence().SetLocation(FPersistence.GetLocation());
    }
}

// --- painting --------------------------------------------------------------------------

namespace {

// What the dock background depends on; the styler announces changes of its background
// picture (AnnounceFaceChange), the rest is here.
struct TDockFace {
    const void* Styler = nullptr;
    int Width = 0;
    int Height = 0;
    TColor Color = 0;
    TColor ColorTo = 0;
    int Steps = 0;
    int Direction = 0;
    bool Picture = false;
    int Display = 0;
    auto Tie() const { return std::tie(Styler, Width, Height, Color, ColorTo, Steps, Direction, Picture, Display); }
};

}  // namespace

void TOrvDockPanel::Paint() {
    // The dock colour is painted once per size and look and kept in the face cache.
    const TRect client = ClientRect();
    TCustomOrvToolBarStyler& s = *FCurrentToolBarStyler;
    if (ToolBarFaceCache && client.Width() > 0 && client.Height() > 0) {
        TDockFace k;
        k.Styler = &s;
        k.Width = client.Width();
        k.Height = client.Height();
        k.Color = s.DockColor().GetColor();
        k.ColorTo = s.DockColor().GetColorTo();
        k.Steps = s.DockColor().GetSteps();
        k.Direction = s.DockColor().GetDirection();
        k.Picture = !s.BackGround().Empty();
        k.Display = s.GetBackGroundDisplay();
        auto face = SharedFaceCache().Get(k, k.Width, k.Height, [this, client](TFace&, HDC dc) {
            TCanvas canvas;
            canvas.SetHandle(dc);
            PaintDock(canvas, client);
            canvas.SetHandle(nullptr);
        });
        if (face && !face->Empty()) {
            face->Blit(Canvas().Handle(), 0, 0);
            return;
        }
    }
    PaintDock(Canvas(), client);
}

void TOrvDockPanel::PaintDock(TCanvas& canvas, const TRect& client) {
    TGradientBackground& dock = FCurrentToolBarStyler->DockColor();
    if (dock.GetColorTo() == clNone) {
        canvas.Brush().SetColor(dock.GetColor());
        canvas.Pen().SetColor(dock.GetColor());
        canvas.Rectangle(client);
    } else {
        DrawGradient(canvas, dock.GetColor(), dock.GetColorTo(), dock.GetSteps(), client,
                     dock.GetDirection() == gdHorizontal, gvInsetFarEdge);
    }
    TBitmap& picture = FCurrentToolBarStyler->BackGround();
    if (picture.Empty()) return;
    const int w = picture.Width(), h = picture.Height();
    switch (FCurrentToolBarStyler->GetBackGroundDisplay()) {
        case bdTile:
            for (int y = 1; y < client.Height() - 2; y += h)
                for (int x = 1; x < client.Width() - 2; x += w) canvas.Draw(x, y, picture);
            break;
        case bdCenter:
            canvas.Draw((client.Width() - w) / 2, (client.Height() - h) / 2, picture);
            break;
        case bdStretch:
            canvas.StretchDraw({2, 2, client.Width() - 2, client.Height() - 2}, picture);
            break;
    }
}

// --- stored layouts ----------------------------------------------------------------------

void RegisterDockPanelClasses() {
    if (TClassRegistry::Find(L"TOrvDockPanel")) return;
    static const TEnumInfo kDockAlignIdents{{L"daLeft", L"daTop", L"daRight", L"daBottom"}};
    using D = TOrvDockPanel;
    TClassBuilder<D>(L"TOrvDockPanel", L"TCustomControl")
        .Factory()
        .Enum(L"Align", &D::GetAlign, &D::SetAlign, kDockAlignIdents)
        .Int(L"MinimumSize", &D::GetMinimumSize, &D::SetMinimumSize)
        .Bool(L"LockHeight", &D::GetLockHeight, &D::SetLockHeight)
        .Bool(L"UseRunTimeHeight", &D::GetUseRunTimeHeight, &D::SetUseRunTimeHeight)
        .Object(L"Persistence", [](D* d) -> TPersistence& { return d->Persistence(); })
        .Component<TCustomOrvToolBarStyler>(L"ToolBarStyler", &D::GetToolBarStyler, &D::SetToolBarStyler)
        .String(L"Version", &D::GetVersion, &D::SetVersion);
}

}  // namespace orv
