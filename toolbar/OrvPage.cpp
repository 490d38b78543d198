#include "toolbar/OrvPage.h"

#include <windows.h>
#include <windowsx.h>

#include "framework/HintWindow.h"
#include "framework/SysUtils.h"
#include "framework/Timer.h"
#include "hints/OrvHintInfo.h"
#include "hints/ShortCutHintWindow.h"
#include "paint/OrvGradients.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvPageScrollButton.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/PagerPaint.h"
#include "toolbar/ToolBarResize.h"

namespace orv {

namespace {

std::function<void()>& BeepFunction() {
    static std::function<void()> beep;
    return beep;
}

constexpr int kScrollButtonWidth = 12;

TPoint CursorScreenPos() {
    POINT p{};
    GetCursorPos(&p);
    return TPoint{p.x, p.y};
}

[[noreturn]] void RaiseInvalidParent(const std::wstring& suffix = L"") {
    throw EInvalidOperation(L"Invalid Parent" + suffix);
}

}  // namespace

void SetKeyTipBeep(std::function<void()> beep) {
    BeepFunction() = std::move(beep);
}

void KeyTipBeep() {
    if (BeepFunction())
        BeepFunction()();
    else
        MessageBeep(0);
}

TOrvPage::TOrvPage(TComponent* owner) : TCustomControl(owner), FOfficeHint(std::make_unique<TOrvHintInfo>()) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    FDoubleBuffered = true;
    FWidth = 300;
    FHeight = 95;
}

void TOrvPage::BeforeDestruction() {
    GiveBackToolBars();
    if (FCloneOf && FCloneOf->FSelfClone == this) FCloneOf->FSelfClone = nullptr;
    HideShortCutHint();
    if (FPager) FPager->RemoveOrvPage(this);
    FPager = nullptr;
    TCustomControl::BeforeDestruction();
}

void TOrvPage::Loaded() {
    TCustomControl::Loaded();
    UpdateAllToolBars();
}

void TOrvPage::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FToolBarStyler) FToolBarStyler = nullptr;
    if (component == FSelfClone) FSelfClone = nullptr;
    if (component == FGlowTimer) FGlowTimer = nullptr;
    if (auto* tb = dynamic_cast<TOrvCustomToolBar*>(component)) {
        FToolBars.Remove(tb);
        FLayoutSteps.clear();
    }
}

// --- parent rules ------------------------------------------------------------------------------

void TOrvPage::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    if (dynamic_cast<TOrvCustomToolBar*>(parent) || (parent && std::wstring(parent->ClassName()) == L"TOrvDockPanel"))
        RaiseInvalidParent();
    if (auto* target = dynamic_cast<TOrvPage*>(parent)) {
        // Dropped on a page: join that page's pager, at that page's place when it is ours.
        TOrvToolBarPager* pager = target->FPager;
        if (!pager) RaiseInvalidParent();
        if (FPager && FPager != pager) RaiseInvalidParent();
        if (FPager == pager) {
            int from = pager->IndexOfPage(this);
            int to = pager->IndexOfPage(target);
            if (to < 0 || to >= pager->PageCount())
                RaiseInvalidParent(L" " + std::to_wstring(from) + L":" + std::to_wstring(to));
            pager->MoveOrvPage(from, to);
            return;
        }
        parent = pager;
    }
    auto* pager = dynamic_cast<TOrvToolBarPager*>(parent);
    if (FPager && FPager != pager) FPager->RemoveOrvPage(this);
    TCustomControl::SetParent(parent);
    if (pager && !IsClone() && pager->IndexOfPage(this) < 0) pager->AddOrvPage(this);
}

void TOrvPage::AttachTo(TOrvToolBarPager* pager) {
    if (FPager == pager) return;
    FPager = pager;
    for (TOrvCustomToolBar* tb : FToolBars)
        if (tb->GetParentStyler()) tb->SetParentStyler(false), tb->SetParentStyler(true);
}

TCustomOrvToolBarStyler* TOrvPage::GetToolBarStyler() const {
    if (FPager) return FPager->CurrentToolBarStyler();
    if (FCloneOf) return FCloneOf->GetToolBarStyler();
    return FToolBarStyler;
}

void TOrvPage::SetToolBarStyler(TCustomOrvToolBarStyler* value) {
    if (FToolBarStyler == value) return;
    if (FToolBarStyler) RemoveFreeNotification(FToolBarStyler);
    FToolBarStyler = value;
    if (value) value->FreeNotification(this);
    // Toolbars that follow their parent's styler take the new one.
    for (TOrvCustomToolBar* tb : FToolBars)
        if (tb->GetParentStyler()) tb->SetParentStyler(false), tb->SetParentStyler(true);
    Invalidate();
}

void TOrvPage::SetAutoPosition(bool value) {
    if (FAutoPosition == value) return;
    FAutoPosition = value;
    ArrangeToolBars();
}

// --- tab data ----------------------------------------------------------------------------------------

void TOrvPage::TabChanged(bool relayout) {
    if (FPager) FPager->PageChanged(this, relayout);
}

void TOrvPage::SetImageIndex(int value) {
    if (FImageIndex == value) return;
    FImageIndex = value;
    TabChanged(true);
}

void TOrvPage::SetTabVisible(bool value) {
    if (FTabVisible == value) return;
    FTabVisible = value;
    if (!value)
        for (TOrvCustomToolBar* tb : FToolBars) tb->HideCompactWindow();
    TabChanged(true);
}

void TOrvPage::SetTabEnabled(bool value) {
    if (FTabEnabled == value) return;
    FTabEnabled = value;
    TabChanged(true);
}

int TOrvPage::GetPageIndex() const {
    return FPager ? FPager->IndexOfPage(this) : -1;
}

void TOrvPage::SetPageIndex(int value) {
    if (!FPager) return;
    int from = FPager->IndexOfPage(this);
    if (from < 0 || value < 0 || value >= FPager->PageCount() || value == from) return;
    FPager->MoveOrvPage(from, value);
}

// --- key tips -------------------------------------------------------------------------------------

void TOrvPage::ShowShortCutHint() {
    if (!FPager || !FTabVisible || !FTabEnabled) return;
    FShortCutHintWindow = FPager->ShowPageKeyTip(this);
}

void TOrvPage::HideShortCutHint() {
    TShortCutHintWindow* window = std::exchange(FShortCutHintWindow, nullptr);
    if (window && FPager) FPager->HidePageKeyTip(window);
}

void TOrvPage::ShowShortCutHintOfToolBars() {
    if (!FToolBarKeyTipsShowing && HandleAllocated()) SetMouseCapture(true);
    for (TOrvCustomToolBar* tb : FToolBars)
        if (tb->GetVisible() && tb->GetEnabled()) SendKeyTipRequest(tb, true);
    FToolBarKeyTipsShowing = true;
    FTypedKeys.clear();
}

void TOrvPage::HideShortCutHintOfToolBars() {
    bool was = FToolBarKeyTipsShowing;
    if (GetMouseCapture()) SetMouseCapture(false);
    for (TOrvCustomToolBar* tb : FToolBars)
        if (tb->GetVisible()) SendKeyTipRequest(tb, false);
    FToolBarKeyTipsShowing = false;
    FTypedKeys.clear();
    if (was) OnToolBarKeyTipsHidden(this);
}

void TOrvPage::TypeToolBarKeyTip(wchar_t ch) {
    FTypedKeys += ch;
    bool candidate = false;
    // Toolbars are asked in child order.
    for (int i = 0; i < ControlCount(); ++i) {
        auto* tb = dynamic_cast<TOrvCustomToolBar*>(Controls(i));
        if (!tb || !tb->GetVisible()) continue;
        auto* matcher = dynamic_cast<IToolBarKeyTips*>(tb);
        if (!matcher) continue;
        IToolBarKeyTips::TMatch m = matcher->MatchShortCutHint(FTypedKeys);
        if (m == IToolBarKeyTips::kmMatched) return;
        if (m == IToolBarKeyTips::kmCandidate) candidate = true;
    }
    if (candidate) return;
    FToolBarKeyTipsShowing = false;
    KeyTipBeep();
}

void TOrvPage::KeyDown(uint16_t& key, TShiftState shift) {
    if (FToolBarKeyTipsShowing) {
        bool letterOrDigit =
            (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9);
        if (letterOrDigit) {
            wchar_t ch = key >= VK_NUMPAD0 ? static_cast<wchar_t>(L'0' + key - VK_NUMPAD0) : static_cast<wchar_t>(key);
            TypeToolBarKeyTip(ch);
            key = 0;
            return;
        }
        uint16_t k = key;
        key = 0;
        HideShortCutHintOfToolBars();
        // Escape steps back to the tab key tips.
        if (k == VK_ESCAPE && FPager) FPager->ShowShortCutHint();
        return;
    }
    TCustomControl::KeyDown(key, shift);
}

// --- glow -------------------------------------------------------------------------------------------

bool TOrvPage::GlowRunning() const {
    return FGlowTimer && FGlowTimer->GetEnabled();
}

void TOrvPage::StartGlow(TGlowState state) {
    if (!FPager || state == gsNone) return;
    if (!FGlowTimer) {
        FGlowTimer = new TTimer(this);
        FGlowTimer->SetEnabled(false);
        FGlowTimer->OnTimer = [this](TObject* s) { GlowTick(s); };
    }
    FGlowState = state;
    FTimeInc = 20;
    if (state == gsPush) FStepPush = 0;
    FGlowTimer->SetInterval(GlowSpeed);
    FGlowTimer->SetEnabled(true);
}

void TOrvPage::StopGlow() {
    // Stopped, not freed: this may run inside the timer's own tick.
    if (FGlowTimer) FGlowTimer->SetEnabled(false);
    FGlowState = gsNone;
}

void TOrvPage::GlowTick(TObject*) {
    if (!FPager) {
        StopGlow();
        return;
    }
    TOrvToolBarPager* pager = FPager;
    if (FGlowState == gsHover) {
        FStepHover += FTimeInc;
        if (FTimeInc > 0 && FStepHover > 100) {
            FStepHover = 120;
            if (pager->TabAtPos(pager->ScreenToClient(CursorScreenPos())) != GetPageIndex()) {
                FTimeInc = -20;
                if (pager->FHotPageIndex == GetPageIndex()) pager->ClearHot();
            }
        } else if (FTimeInc < 0 && FStepHover < 0) {
            FStepHover = -20;
            StopGlow();
            pager->PageGlowTick(this);
            return;
        }
    } else if (FGlowState == gsPush) {
        FStepPush += FTimeInc;
        if (FStepPush > 100 || FStepPush < 0) {
            FStepPush = std::clamp(FStepPush, 0, 100);
            StopGlow();
            pager->PageGlowTick(this);
            return;
        }
    } else {
        StopGlow();
        return;
    }
    pager->PageGlowTick(this);
}

// --- toolbar management ------------------------------------------------------------------------

TOrvCustomToolBar* TOrvPage::CreateOrvToolBar() {
    auto* tb = new TOrvToolBar(Owner());
    tb->SetCaption(L"Untitled");
    AddOrvToolBar(tb);
    return tb;
}

void TOrvPage::AddOrvToolBar(TOrvCustomToolBar* toolBar) {
    InsertOrvToolBar(FToolBars.Count(), toolBar);
}

void TOrvPage::InsertOrvToolBar(int index, TOrvCustomToolBar* toolBar) {
    if (!toolBar) return;
    if (!FToolBars.Contains(toolBar)) FToolBars.Insert(std::clamp(index, 0, FToolBars.Count()), toolBar);
    toolBar->FreeNotification(this);
    if (toolBar->Parent() != this) toolBar->SetParent(this);
    ArrangeToolBars();
}

void TOrvPage::RemoveOrvToolBar(TOrvCustomToolBar* toolBar) {
    // While lent to the clone the toolbars keep their place in this list.
    if (FSelfClone && toolBar->Parent() == FSelfClone) return;
    if (FToolBars.Remove(toolBar) < 0) return;
    if (!IsDestroying()) ArrangeToolBars();
}

void TOrvPage::MoveOrvToolBar(int fromIndex, int toIndex) {
    FToolBars.Move(fromIndex, toIndex);
    ArrangeToolBars();
}

TOrvCustomToolBar* TOrvPage::FirstFocusableToolBar() const {
    for (TOrvCustomToolBar* tb : FToolBars)
        if (tb->GetVisible() && tb->Parent() && tb->CanFocus()) return tb;
    return nullptr;
}

void TOrvPage::WndProc(TMessage& message) {
    if (message.Msg == WM_NCHITTEST) {
        // Along the form's edges the form answers: the pointer resizes it there.
        TCustomControl::WndProc(message);
        if (message.Result == HTCLIENT &&
            InToolBarFormResizeZone(this, {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)}))
            message.Result = HTTRANSPARENT;
        return;
    }
    if (message.Msg == CM_CONTROLCHANGE) {
        // A toolbar child joins the list (at the end) or leaves it; toolbars on their way
        // to or from the clone keep their place.
        auto* tb = dynamic_cast<TOrvCustomToolBar*>(reinterpret_cast<TControl*>(message.WParam));
        if (tb && !FSelfClone) {
            if (message.LParam) {
                if (!FToolBars.Contains(tb)) {
                    FToolBars.Add(tb);
                    tb->FreeNotification(this);
                }
            } else if (!FCloneOf) {
                FToolBars.Remove(tb);
            }
        }
    }
    if (message.Msg == CM_TEXTCHANGED) TabChanged(true);
    TCustomControl::WndProc(message);
    // Shown by other ways than a tab switch (the pager expanding): the put-off pass runs.
    if (message.Msg == CM_VISIBLECHANGED && message.WParam && FPassPending) LayOutForShow();
    if (message.Msg == CM_CONTROLCHANGE && !IsDestroying()) ArrangeToolBars();
}

// --- arrangement and passes -------------------------------------------------------------------------

void TOrvPage::ArrangeToolBars() {
    if (!FAutoPosition || IsLoading() || FArranging || IsDestroying()) return;
    FArranging = true;
    int h = FHeight - 6;
    int total = 3;
    for (TOrvCustomToolBar* tb : FToolBars)
        if (tb->GetVisible() && tb->Width() > 0) total += tb->Width() + 3;
    UpdateToolBarScroller(total);
    int x = 3;
    if (FScroller.Visible) {
        // The toolbars scrolled away lie left of the page.
        int skipped = 0;
        for (TOrvCustomToolBar* tb : FToolBars) {
            if (skipped >= FScroller.Position) break;
            if (!tb->GetVisible() || tb->Width() <= 0) continue;
            x -= tb->Width() + 3;
            ++skipped;
        }
        if (FScroller.Position > 0) x += kScrollButtonWidth;
    }
    bool inPopup = FCloneOf != nullptr;
    for (TOrvCustomToolBar* tb : FToolBars) {
        if (!tb->GetVisible() || tb->Width() <= 0) continue;
        if (tb->Left() != x || tb->Top() != 3 || tb->Height() != h) tb->SetBounds(x, 3, tb->Width(), h);
        if (auto* button = tb->CompactButton())
            if (button->Height() != h || inPopup) button->SetBounds(0, 0, button->Width(), h);
        x += tb->Width() + 3;
    }
    FArranging = false;
}

void TOrvPage::UpdateToolBarScroller(int totalWidth) {
    // Scrolling only applies to a page of a pager.
    int oldMax = FScroller.Max;
    if (!FPager || totalWidth <= FWidth || FToolBars.Empty()) {
        FScroller = TTabScroller{};
    } else {
        int room = FWidth - 2 * kScrollButtonWidth;
        int width = totalWidth;
        int k = 0;
        for (TOrvCustomToolBar* tb : FToolBars) {
            if (width <= room) break;
            if (!tb->GetVisible() || tb->Width() <= 0) continue;
            width -= tb->Width() + 3;
            ++k;
        }
        FScroller.Max = k;
        FScroller.Visible = k > 0;
        FScroller.Position = std::clamp(FScroller.Position, 0, k);
    }
    (void)oldMax;
    bool showLeft = FScroller.Visible && FScroller.Position > 0;
    bool showRight = FScroller.Visible && FScroller.Position < FScroller.Max;
    auto place = [this](TOrvPageScrollButton*& button, bool show, bool left) {
        if (!show) {
            if (button) button->SetVisible(false);
            return;
        }
        if (!button) {
            button = new TOrvPageScrollButton(this);
            button->SetScrollArrow(left ? saLeft : saRight);
            button->OnClick = [this, left](TObject*) { ScrollToolBars(left ? -1 : 1); };
            button->SetParent(this);
        }
        if (TCustomOrvToolBarStyler* styler = GetToolBarStyler())
            button->Appearance().Assign(&styler->CompactGlowButtonAppearance());
        button->SetBounds(left ? 0 : FWidth - kScrollButtonWidth, 0, kScrollButtonWidth, FHeight);
        button->SetVisible(true);
        button->BringToFront();
    };
    place(FLeftScroll, showLeft, true);
    place(FRightScroll, showRight, false);
}

void TOrvPage::ScrollToolBars(int delta) {
    int position = std::clamp(FScroller.Position + delta, 0, FScroller.Max);
    if (position == FScroller.Position) return;
    FScroller.Position = position;
    ArrangeToolBars();
}

void TOrvPage::UpdateAllToolBars() {
    if (IsLoading() || FRunningPass) return;
    FRunningPass = true;
    ++FLayoutPasses;
    FLayoutSteps.clear();
    try {
        UpdateAllPass(FToolBars, FWidth, [this] { ArrangeToolBars(); });
    } catch (...) {
        FRunningPass = false;
        throw;
    }
    FRunningPass = false;
    FLastWidth = FWidth;
    FPassPending = false;
}

void TOrvPage::ToolBarVisibilityChanged(bool shown) {
    if (IsLoading() || FRunningPass || IsDestroying()) return;
    FRunningPass = true;
    ++FLayoutPasses;
    FLayoutSteps.clear();
    try {
        if (shown)
            ShrinkPass(FToolBars, FWidth, [this] { ArrangeToolBars(); });
        else
            GrowPass(FToolBars, FWidth, [this] { ArrangeToolBars(); });
    } catch (...) {
        FRunningPass = false;
        throw;
    }
    FRunningPass = false;
    ArrangeToolBars();
}

void TOrvPage::Resize() {
    TCustomControl::Resize();
    if (IsLoading() || FRunningPass || IsDestroying()) return;
    // A hidden page of a pager lays out once, when it is shown.
    if (FPager && !GetVisible()) {
        FPassPending = true;
        return;
    }
    WidthPass();
}

void TOrvPage::LayOutForShow() {
    if (IsLoading() || FRunningPass || IsDestroying()) return;
    WidthPass();
}

void TOrvPage::WidthPass() {
    int last = FLastWidth;
    FLastWidth = FWidth;
    FPassPending = false;
    FRunningPass = true;
    ++FLayoutPasses;
    try {
        // With no width known before (a page made in code), the room decides the direction.
        bool narrower = last < 0 ? FreeRoom(FToolBars, FWidth) <= 0 : FWidth < last;
        if (narrower)
            ShrinkPass(FToolBars, FWidth, [this] { ArrangeToolBars(); }, &FLayoutSteps);
        else if (FWidth > last)
            GrowPass(FToolBars, FWidth, [this] { ArrangeToolBars(); }, &FLayoutSteps);
    } catch (...) {
        FRunningPass = false;
        throw;
    }
    FRunningPass = false;
    ArrangeToolBars();
}

// --- cloning -------------------------------------------------------------------------------------

TOrvPage* TOrvPage::CloneInto(TWinControl* window, int height) {
    if (FSelfClone) return FSelfClone;
    auto* clone = new TOrvPage(window);
    clone->FCloneOf = this;
    clone->SetCaption(GetCaption());
    clone->SetFont(Font());
    clone->SetShowHint(GetShowHint());
    clone->SetHint(GetHint());
    clone->SetAnchors(GetAnchors());
    clone->SetBounds(2, 0, FWidth, height);
    FSelfClone = clone;
    clone->FreeNotification(this);
    FSavedAutoPosition = FAutoPosition;
    FAutoPosition = false;
    clone->FToolBars.AssignList(FToolBars);
    clone->SetParent(window);
    for (TOrvCustomToolBar* tb : FToolBars) tb->SetParent(clone);
    clone->ArrangeToolBars();
    return clone;
}

void TOrvPage::GiveBackToolBars() {
    TOrvPage* clone = FSelfClone;
    if (!clone) return;
    // Every toolbar is back on this page before the clone goes, so none is freed with it.
    for (TOrvCustomToolBar* tb : FToolBars)
        if (tb->Parent() == clone) tb->SetParent(this);
    clone->FToolBars.Clear();
    FSelfClone = nullptr;
    clone->FCloneOf = nullptr;
    clone->Free();
    FAutoPosition = FSavedAutoPosition;
    if (!IsDestroying()) {
        // Nudge the width so the ribbon passes run again.
        int w = FWidth;
        SetBounds(FLeft, FTop, w - 1, FHeight);
        SetBounds(FLeft, FTop, w, FHeight);
        ArrangeToolBars();
    }
}

// --- painting ------------------------------------------------------------------------------------

void TOrvPage::Paint() {
    TCanvas& c = Canvas();
    TCustomOrvToolBarStyler* styler = GetToolBarStyler();
    if (!styler) {
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(GetColor());
        c.FillRect(TRect{0, 0, FWidth, FHeight});
        return;
    }
    TPageBackgroundPaint p;
    p.Width = FWidth;
    p.Height = FHeight;
    p.PageAppearance = &styler->PageAppearance();
    p.TabBorderColor = styler->TabAppearance().GetBorderColor();
    p.RoundEdges = styler->GetRoundEdges();
    p.Scenic = ScenicRibbonMode;
    TOrvToolBarPager* pager = OwningPager();
    if (pager) {
        const TOrvPage* tabPage = FCloneOf ? FCloneOf : this;
        int index = pager->IndexOfPage(tabPage);
        bool active = index >= 0 && index == pager->GetActivePageIndex();
        p.GlassDrawing = pager->IsAeroVista() && pager->GlassDrawing();
        p.OnGlassLook = pager->GlassLook() && pager->IsAeroVista();
        int group = active ? pager->TabGroups().GroupOfPage(index) : -1;
        if (group >= 0) {
            TTabGroupItem* item = pager->TabGroups().Items(group);
            p.Group = item->GetDefaultAppearance() ? &styler->GroupAppearance() : &item->GroupAppearance();
        }
        TRect tab = active ? pager->GetTabRect(index) : TRect{-1, -1, -1, -1};
        if (active && !FCloneOf && pager->TabSettings().GetHeight() > 0 && tab.Right > tab.Left) {
            int shift = PagerEdgeInset(ScenicRibbonMode) + pager->GetPageLeftMargin();
            p.TabLeft = tab.Left - shift;
            p.TabRight = tab.Right - shift;
        }
        if (active && !FCloneOf && p.RoundEdges && !p.Scenic && pager->HandleAllocated()) {
            // The corner pixels take the pager's pixels just outside the page: from its kept
            // backdrop (no tab reaches the page's corners), else from its window.
            const int l = FLeft, t = FTop, w = FWidth, h = FHeight;
            const TPoint at[6] = {{l - 1, t - 1}, {l + 1, t - 1}, {l - 1, t},
                                  {l - 1, t + h}, {l + w + 1, t}, {l + w + 1, t + h}};
            if (!PagerBackdropPixels(pager->PaintState(), at, p.CornerPixels, 6)) {
                HDC dc = GetDC(pager->Handle());
                for (int i = 0; i < 6; ++i) p.CornerPixels[i] = static_cast<TColor>(GetPixel(dc, at[i].X, at[i].Y));
                ReleaseDC(pager->Handle(), dc);
            }
        }
    }
    PaintPageBackground(c, p, GetColor());
}

}  // namespace orv
