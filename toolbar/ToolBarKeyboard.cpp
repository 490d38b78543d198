// Keyboard of toolbars on a page and in the compact window: key tips (showing them,
// their rows, matching typed text), arrow keys across the page's toolbars, and the
// keys of the clone in the compact window.
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "framework/Forms.h"
#include "framework/HintWindow.h"
#include "toolbar/CompactWindow.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"

namespace orv {

namespace {

wchar_t UpperChar(wchar_t c) {
    return static_cast<wchar_t>(reinterpret_cast<uintptr_t>(CharUpperW(reinterpret_cast<LPWSTR>(uintptr_t{c}))));
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (UpperChar(text[i]) != UpperChar(prefix[i])) return false;
    return true;
}

// A letter or digit typed as a key tip character (keypad digits count as digits); 0 else.
wchar_t KeyTipChar(uint16_t key) {
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return static_cast<wchar_t>(L'0' + key - VK_NUMPAD0);
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return static_cast<wchar_t>(key);
    return 0;
}

// Glow buttons of a toolbar: its own children, and those inside its windowed children.
void CollectGlowButtons(const TWinControl* parent, std::vector<TOrvCustomGlowButton*>& out) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(c)) {
            out.push_back(glow);
        } else if (auto* win = dynamic_cast<TWinControl*>(c)) {
            if (!dynamic_cast<THintWindow*>(win)) CollectGlowButtons(win, out);
        }
    }
}

bool NearRow(int row, int top) {
    return row >= 0 && std::abs(row - top) <= 4;
}

// Clicks a button the keyboard chose: focus, repaint, then the click (which may free
// the toolbar that asked; nothing may follow it).
void PressFromKeyboard(TOrvCustomGlowButton* glow) {
    glow->SetFocus();
    glow->Repaint();
    if (glow->GetStyle() == bsCheck) glow->SetDown(!glow->GetDown());
    glow->Click();
}

// Tab from a glow button that asked for every key (so that the toolbar sees them) is
// still the form's: its tab order runs through the page's toolbars in their order and
// through each toolbar's controls in theirs.
void TabAsDialogKey(TObject* sender, uint16_t& key, TShiftState shift) {
    auto* control = dynamic_cast<TControl*>(static_cast<TObject*>(sender));
    if (!control) return;
    TWinControl* top = control->Parent();
    if (!top) return;
    while (top->Parent()) top = top->Parent();
    key = 0;
    top->Perform(CM_DIALOGKEY, VK_TAB, shift);
}

}  // namespace

// --- key-tip rows ------------------------------------------------------------------------

TKeyTipRows CollectKeyTipRows(const std::vector<int>& tops) {
    TKeyTipRows rows;
    int found = 0;
    for (int top : tops) {
        if (top < 0 || found == 3) continue;
        bool known = false;
        for (int i = 0; i < found; ++i) known = known || NearRow(rows.Row[i], top);
        if (!known) rows.Row[found++] = top;
    }
    if (rows.Row[1] > 0 && rows.Row[1] < rows.Row[0]) std::swap(rows.Row[0], rows.Row[1]);
    if (rows.Row[1] > 0 && rows.Row[2] > 0 && rows.Row[2] < rows.Row[1]) std::swap(rows.Row[1], rows.Row[2]);
    return rows;
}

TShortCutHintPos KeyTipPosForRow(const TKeyTipRows& rows, int top, int height, int toolBarHeight, int captionHeight) {
    if (height >= toolBarHeight - captionHeight - 15) return shpBottom;
    bool third = rows.Row[2] >= 0;
    if (rows.Row[0] > 0 && NearRow(rows.Row[0], top)) return third ? shpTopLeft : shpAboveTopLeft;
    if (NearRow(rows.Row[1], top)) return third ? shpLeft : shpBelowBottomLeft;
    return shpBottomLeft;
}

void TOrvCustomToolBar::UpdateKeyTipRows() {
    std::vector<int> tops;
    for (TControl* c : FOTBControls)
        if (c->GetVisible()) tops.push_back(c->Top());
    FKeyTipRows = CollectKeyTipRows(tops);
}

void TOrvCustomToolBar::KeyTipPosHook(TObject* sender, TButtonSizeState, TShortCutHintPos& pos) {
    if (pos != shpAuto) return;
    auto* c = static_cast<TControl*>(sender);
    pos = KeyTipPosForRow(FKeyTipRows, c->Top(), c->Height(), FHeight, FCaptionHeight);
}

// --- showing and matching ------------------------------------------------------------------

void TOrvCustomToolBar::ShowKeyTips(bool show) {
    if (show) UpdateKeyTipRows();
    std::vector<TOrvCustomGlowButton*> buttons;
    CollectGlowButtons(this, buttons);
    for (TOrvCustomGlowButton* glow : buttons) {
        bool can = glow->GetVisible() && glow->GetEnabled() && !glow->GetShortCutHint().empty();
        if (show && can)
            glow->ShowShortCutHint();
        else
            glow->HideShortCutHint();
    }
    if (!show) FCloneKeyTips = false;
}

IToolBarKeyTips::TMatch TOrvCustomToolBar::MatchShortCutHint(const std::wstring& typed) {
    std::vector<TOrvCustomGlowButton*> buttons;
    CollectGlowButtons(this, buttons);
    TOrvCustomGlowButton* matched = nullptr;
    int candidates = 0;
    for (TOrvCustomGlowButton* glow : buttons) {
        const std::wstring& hint = glow->GetShortCutHint();
        if (hint.empty()) continue;
        if (!StartsWithNoCase(hint, typed)) {
            glow->HideShortCutHint();
            continue;
        }
        if (hint.size() == typed.size() && glow->GetVisible() && glow->CanFocus()) {
            if (!matched) matched = glow;
        } else {
            ++candidates;
        }
    }
    if (!matched) return candidates > 0 ? kmCandidate : kmNone;

    // The clone answers for the compact window: its page is the compacted toolbar's.
    TOrvCustomToolBar* owner = FIsClone ? FSelfClone : this;
    TOrvPage* page = owner ? owner->Page() : nullptr;
    TOrvToolBarPager* pager = page ? page->Pager() : nullptr;
    if (matched == FCompactBtn) {
        // The page stays in key-tip mode: the other tips go, the window opens and its
        // clone shows the tips of the buttons it holds.
        if (page)
            for (TOrvCustomToolBar* tb : page->ToolBarList()) SendKeyTipRequest(tb, false);
        if (!FCompactWindow || !FCompactWindow->GetVisible()) {
            // Down as after a press of the mouse; hiding the window raises it again.
            FCompactBtn->SetDown(true);
            OpenCompactWindow();
        }
        if (TOrvCustomToolBar* clone = FSelfClone) {
            clone->FCloneTyped.clear();
            clone->ShowKeyTips(true);
            clone->FCloneKeyTips = true;
            clone->SetFocus();
        }
        return kmMatched;
    }
    ShowKeyTips(false);
    if (page) page->HideShortCutHintOfToolBars();
    if (pager) pager->HideShortCutHint();
    PressFromKeyboard(matched);
    return kmMatched;
}

// --- arrow keys ------------------------------------------------------------------------------

std::vector<TWinControl*> TOrvCustomToolBar::FocusableControls() const {
    std::vector<TWinControl*> list;
    if (FCompactBtn) {
        if (FCompactBtn->CanFocus()) list.push_back(FCompactBtn);
        return list;
    }
    std::vector<TWinControl*> tabs;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(Controls(i))) tabs.push_back(w);
    std::stable_sort(tabs.begin(), tabs.end(),
                     [](TWinControl* a, TWinControl* b) { return a->GetTabOrder() < b->GetTabOrder(); });
    for (TWinControl* w : tabs) {
        bool skipped = dynamic_cast<THintWindow*>(w) || dynamic_cast<TOrvToolBarContainer*>(w) ||
                       dynamic_cast<TNotifierWindow*>(w);
        if (!skipped && w->CanFocus()) list.push_back(w);
    }
    return list;
}

bool TOrvCustomToolBar::FocusNeighbour(TWinControl* from, bool forward) {
    std::vector<TWinControl*> own = FocusableControls();
    auto at = std::find(own.begin(), own.end(), from);
    if (at != own.end()) {
        if (forward && at + 1 != own.end()) {
            (*(at + 1))->SetFocus();
            return true;
        }
        if (!forward && at != own.begin()) {
            (*(at - 1))->SetFocus();
            return true;
        }
    } else if (forward && !own.empty()) {
        // From the toolbar itself Right enters its first control.
        own.front()->SetFocus();
        return true;
    }
    TOrvPage* page = Page();
    if (!page) return false;
    const TDbgList<TOrvCustomToolBar>& bars = page->ToolBarList();
    int n = bars.Count();
    int self = bars.IndexOf(this);
    if (self < 0 || n == 0) return false;
    // One round over the page at most, ending at this toolbar again (its own first or
    // last control): with no focusable control anywhere the key does nothing.
    for (int step = 1; step <= n; ++step) {
        int i = ((self + (forward ? step : -step)) % n + n) % n;
        TOrvCustomToolBar* tb = bars[i];
        if (!tb->GetVisible()) continue;
        std::vector<TWinControl*> list = tb->FocusableControls();
        if (list.empty()) continue;
        (forward ? list.front() : list.back())->SetFocus();
        return true;
    }
    return false;
}

void TOrvCustomToolBar::KeyDown(uint16_t& key, TShiftState shift) {
    if (OnPage()) PageKeyDown(this, key, shift);
    if (key != 0) TCustomControl::KeyDown(key, shift);
}

void TOrvCustomToolBar::PageKeyDown(TObject* sender, uint16_t& key, TShiftState shift) {
    if (FIsClone) {
        CloneKeyDown(sender, key, shift);
        return;
    }
    TOrvPage* page = Page();
    if (!page) return;
    TOrvToolBarPager* pager = page->OwningPager();
    if (page->IsClone() && sender == this && !page->ToolBarShortCutHintShowing()) {
        // The page shown in the collapsed pager's pop-up, the toolbar itself focused.
        if (key == VK_ESCAPE) {
            key = 0;
            if (pager && pager->PopupShowing()) pager->HideMinimizedRibbon();
            return;
        }
        if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
            key = 0;
            std::vector<TOrvCustomGlowButton*> buttons;
            CollectGlowButtons(this, buttons);
            for (TOrvCustomGlowButton* glow : buttons)
                if (glow->CanFocus()) {
                    glow->SetFocus();
                    break;
                }
            return;
        }
    }
    if (page->ToolBarShortCutHintShowing()) {
        if (wchar_t ch = KeyTipChar(key)) {
            key = 0;
            page->TypeToolBarKeyTip(ch);  // may click a button that frees this toolbar
            return;
        }
        uint16_t k = key;
        key = 0;
        page->HideShortCutHintOfToolBars();
        if (k == VK_ESCAPE && pager) pager->ShowShortCutHint();
        if ((k == VK_ESCAPE || k == VK_UP) && pager) pager->SetFocus();
        return;
    }
    switch (key) {
        case VK_LEFT:
        case VK_RIGHT: {
            TWinControl* from = sender == this ? nullptr : dynamic_cast<TWinControl*>(static_cast<TControl*>(sender));
            bool forward = key == VK_RIGHT;
            key = 0;
            FocusNeighbour(from, forward);
            break;
        }
        case VK_UP:
        case VK_ESCAPE:
            if (pager) {
                key = 0;
                pager->SetFocus();
            }
            break;
        case VK_TAB:
            if (sender != this) TabAsDialogKey(sender, key, shift);
            break;
        default:
            break;
    }
}

void TOrvCustomToolBar::CloneKeyDown(TObject* sender, uint16_t& key, TShiftState shift) {
    TOrvCustomToolBar* owner = FSelfClone;
    if (!owner) return;
    TOrvPage* page = owner->Page();
    TOrvToolBarPager* pager = page ? page->Pager() : nullptr;
    if (FCloneKeyTips) {
        if (wchar_t ch = KeyTipChar(key)) {
            key = 0;
            FCloneTyped += ch;
            TMatch m = MatchShortCutHint(FCloneTyped);  // a match clicks: nothing after it
            if (m == kmNone) {
                ShowKeyTips(false);
                KeyTipBeep();
            }
            return;
        }
        uint16_t k = key;
        ShowKeyTips(false);
        if (k == VK_ESCAPE) {
            key = 0;
            if (TOrvCustomGlowButton* button = owner->CompactButton()) button->SetFocus();
            if (page) page->HideShortCutHintOfToolBars();
            return;
        }
    }
    switch (key) {
        case VK_ESCAPE:
        case VK_UP:
            key = 0;
            if (pager) {
                pager->SetFocus();
            } else {
                owner->HideCompactWindow();
                if (TOrvCustomGlowButton* button = owner->CompactButton()) button->SetFocus();
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_DOWN: {
            if (sender != this && key != VK_DOWN) {
                // Among the clone's own controls, round and round.
                std::vector<TWinControl*> own = FocusableControls();
                auto at = std::find(own.begin(), own.end(), static_cast<TControl*>(sender));
                if (at != own.end()) {
                    int n = static_cast<int>(own.size());
                    int i = static_cast<int>(at - own.begin()) + (key == VK_RIGHT ? 1 : -1);
                    key = 0;
                    own[static_cast<size_t>((i + n) % n)]->SetFocus();
                    break;
                }
            }
            key = 0;
            std::vector<TOrvCustomGlowButton*> buttons;
            CollectGlowButtons(this, buttons);
            for (TOrvCustomGlowButton* glow : buttons)
                if (glow->CanFocus()) {
                    glow->SetFocus();
                    break;
                }
            break;
        }
        case VK_TAB:
            if (sender != this) TabAsDialogKey(sender, key, shift);
            break;
        default:
            break;
    }
}

}  // namespace orv
