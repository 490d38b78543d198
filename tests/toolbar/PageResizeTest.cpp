// Ribbon resizing on built pages: the passes' order of steps, compact mode and its
// window on the screen, and the faults the passes and compact mode must not have.
#include <gtest/gtest.h>

#include <chrono>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Menus.h"
#include "toolbar/CompactWindow.h"
#include "toolbar/MinimizedRibbonWindow.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/ToolBarResize.h"

using namespace orv;
using namespace glowtest;

namespace {

struct TRibbon {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvPage* Page;
    std::vector<TOrvToolBar*> Bars;
    std::vector<std::vector<TOrvGlowButton*>> Buttons;
    int FullWidth = 0;

    TRibbon(int bars, int buttonsPerBar = 3, TButtonSizeState minState = bsGlyph) {
        Form->SetBounds(50, 50, 900, 200);
        Page = new TOrvPage(Form.get());
        Page->SetBounds(10, 10, 880, 95);
        Page->SetParent(Form.get());
        for (int i = 0; i < bars; ++i) {
            auto* tb = new TOrvToolBar(Form.get());
            Page->AddOrvToolBar(tb);
            Bars.push_back(tb);
            Buttons.emplace_back();
            for (int k = 0; k < buttonsPerBar; ++k) {
                auto* b = new TOrvGlowButton(Form.get());
                b->SetCaption(L"Command " + std::to_wstring(k));
                b->SetMinButtonSizeState(minState);
                b->SetAutoSize(true);
                b->SetParent(tb);
                Buttons.back().push_back(b);
            }
        }
        Page->ArrangeToolBars();
        FullWidth = Bars.back()->Left() + Bars.back()->Width() + 2;
    }
    void SetWidth(int w) { Page->SetWidth(w); }
    std::vector<TButtonSizeState> States(int bar) const {
        std::vector<TButtonSizeState> s;
        for (auto* b : Buttons[bar]) s.push_back(b->GetButtonSizeState());
        return s;
    }
};

using S = std::vector<TButtonSizeState>;

}  // namespace

TEST(RibbonPasses, RightmostGroupFirstThenColumnsToGlyphsThenCompactAndBackLeftmostFirst) {
    TRibbon r(2);
    ASSERT_EQ(r.States(0), (S{bsLarge, bsLarge, bsLarge}));
    r.SetWidth(r.FullWidth - 5);
    EXPECT_EQ(r.States(1), (S{bsLabel, bsLabel, bsLabel})) << "the rightmost group shrinks first";
    EXPECT_EQ(r.States(0), (S{bsLarge, bsLarge, bsLarge}));
    int afterOne = r.Bars[1]->Left() + r.Bars[1]->Width() + 2;
    r.SetWidth(afterOne - 5);
    EXPECT_EQ(r.States(0), (S{bsLabel, bsLabel, bsLabel})) << "then the other group";
    EXPECT_EQ(r.States(1), (S{bsLabel, bsLabel, bsLabel}));
    int afterTwo = r.Bars[1]->Left() + r.Bars[1]->Width() + 2;
    r.SetWidth(afterTwo - 5);
    bool glyphs = r.States(1) == S{bsGlyph, bsGlyph, bsGlyph} || r.States(0) == S{bsGlyph, bsGlyph, bsGlyph};
    EXPECT_TRUE(glyphs) << "columns of label buttons become glyph-only next";
    EXPECT_FALSE(r.Bars[1]->IsCompacted()) << "no compacting while something can shrink";

    // Narrower until something compacts: the rightmost toolbar, once nothing can shrink.
    int w = r.Bars[1]->Left() + r.Bars[1]->Width() + 2;
    while (w > 20 && !r.Bars[0]->IsCompacted() && !r.Bars[1]->IsCompacted()) r.SetWidth(--w);
    EXPECT_TRUE(r.Bars[1]->IsCompacted());
    EXPECT_EQ(r.Bars[1]->Width(), 45);
    EXPECT_EQ(r.States(0), (S{bsGlyph, bsGlyph, bsGlyph})) << "the other toolbar had shrunk completely first";

    r.SetWidth(60);
    EXPECT_TRUE(r.Bars[0]->IsCompacted()) << "then the next";

    r.SetWidth(880);
    EXPECT_FALSE(r.Bars[0]->IsCompacted());
    EXPECT_FALSE(r.Bars[1]->IsCompacted());
    EXPECT_EQ(r.States(0), (S{bsLarge, bsLarge, bsLarge}));
    EXPECT_EQ(r.States(1), (S{bsLarge, bsLarge, bsLarge}));
    EXPECT_EQ(r.Buttons[1][0]->Parent(), r.Bars[1]) << "controls are back on their toolbar";
    EXPECT_EQ(r.Bars[1]->IndexOfToolBarControl(r.Buttons[1][2]), 2) << "in their order";
}

TEST(RibbonPasses, WideningExpandsTheLeftmostPageCompactedToolBarFirst) {
    TRibbon r(3, 3, bsLarge);
    r.SetWidth(60);
    for (auto* tb : r.Bars) ASSERT_TRUE(tb->IsCompacted());
    // Room for exactly one expanded toolbar: the leftmost one comes back.
    r.SetWidth(r.FullWidth - r.Bars[0]->Width() - 20);
    int expanded = 0;
    for (auto* tb : r.Bars) expanded += tb->IsCompacted() ? 0 : 1;
    EXPECT_FALSE(r.Bars[0]->IsCompacted());
    EXPECT_TRUE(r.Bars[2]->IsCompacted());
    EXPECT_GE(expanded, 1);
}

TEST(RibbonPasses, LargeOnlyButtonsCompactAtOnceAndAPinnedToolBarStaysCompact) {
    TRibbon r(2, 3, bsLarge);
    r.SetWidth(r.FullWidth - 5);
    EXPECT_TRUE(r.Bars[1]->IsCompacted()) << "nothing may shrink: compacted at once";
    EXPECT_EQ(r.States(1), (S{bsLarge, bsLarge, bsLarge}));
    EXPECT_FALSE(r.Bars[0]->IsCompacted());

    TRibbon p(2);
    p.Bars[0]->SetCompact(true);
    EXPECT_TRUE(p.Bars[0]->IsCompacted());
    p.SetWidth(870);
    p.SetWidth(880);
    EXPECT_TRUE(p.Bars[0]->IsCompacted()) << "the growing pass never expands a pinned toolbar";
    p.Bars[0]->SetCompact(false);
    EXPECT_FALSE(p.Bars[0]->IsCompacted());
}

// --- mended faults -----------------------------------------------------------------------------

TEST(RibbonFaults, PassesEndWhenEverythingIsCompactAndStillTooNarrow) {
    TRibbon r(3);
    auto start = std::chrono::steady_clock::now();
    r.SetWidth(10);
    r.Page->UpdateAllToolBars();
    r.SetWidth(12);
    auto spent = std::chrono::steady_clock::now() - start;
    for (auto* tb : r.Bars) EXPECT_TRUE(tb->IsCompacted());
    EXPECT_LT(spent, std::chrono::seconds(10));
    EXPECT_LT(FreeRoom(r.Page->ToolBarList(), 10), 0) << "still too narrow, and the pass ended";
}

TEST(RibbonFaults, StepsNeverLookBelowControlZero) {
    TRibbon r(1, 2);
    int kind = -1;
    EXPECT_NO_THROW(r.Bars[0]->ShrinkStep(false, kind)) << "a pair at 1 and 0 has no control at -1";
    EXPECT_EQ(kind, 1);
    EXPECT_GT(r.Bars[0]->ShrinkStep(true, kind), 0);
    EXPECT_EQ(r.States(0), (S{bsLabel, bsLabel}));
    EXPECT_NO_THROW(r.Bars[0]->GrowStep(true, kind));
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(r.States(0), (S{bsLarge, bsLarge}));
}

TEST(RibbonFaults, UnnamedToolBarsCompactSideBySideAndNamedOnesNameTheirWindows) {
    TRibbon r(2, 3, bsLarge);
    EXPECT_NO_THROW(r.SetWidth(40));
    EXPECT_TRUE(r.Bars[0]->IsCompacted());
    EXPECT_TRUE(r.Bars[1]->IsCompacted());
    EXPECT_TRUE(r.Bars[0]->CompactWindow()->GetName().empty());

    TRibbon n(1, 3, bsLarge);
    n.Bars[0]->SetName(L"Clipboard");
    n.SetWidth(30);
    ASSERT_TRUE(n.Bars[0]->IsCompacted());
    EXPECT_EQ(n.Bars[0]->CompactWindow()->GetName(), L"Clipboard_CompactWindow");
    EXPECT_EQ(n.Bars[0]->SelfClone()->GetName(), L"Clipboard_SelfClone");
}

TEST(RibbonFaults, ToolBarDestroyedWhileCompactFreesEachControlOnce) {
    int before = TComponent::LiveCount();
    {
        TRibbon r(2, 3, bsLarge);
        r.SetWidth(40);
        ASSERT_TRUE(r.Bars[1]->IsCompacted());
        r.Bars[1]->Free();  // its controls are back on it before the clone and window go
        r.Bars.pop_back();
        EXPECT_FALSE(r.Bars[0]->IsCompacted() && r.Bars[0]->SelfClone() == nullptr);
    }
    EXPECT_EQ(TComponent::LiveCount(), before);
}

// --- on the screen -----------------------------------------------------------------------------------

TEST(CompactWindowOnScreen, OpensUnderTheButtonInsideTheWorkAreaAndAClickElsewherePressesOnce) {
    TRibbon r(2, 3, bsLarge);
    r.Form->Show();
    SetForegroundWindow(r.Form->Handle());
    orvtest::PumpFor(50);
    std::vector<TRect> places;
    for (auto* b : r.Buttons[1]) places.push_back(b->BoundsRect());
    // Narrowing a page of buttons that stay large compacts the rightmost toolbar.
    r.SetWidth(r.FullWidth - 5);
    ASSERT_TRUE(r.Bars[1]->IsCompacted());
    EXPECT_EQ(r.Bars[1]->Width(), 45);
    TOrvCustomGlowButton* compact = r.Bars[1]->CompactButton();
    ASSERT_NE(compact, nullptr);
    EXPECT_EQ(compact->Width(), 45);
    EXPECT_EQ(compact->Height(), r.Bars[1]->Height());

    ClickAt(compact, 20, 20);
    orvtest::PumpFor(100);
    TCompactWindow* window = r.Bars[1]->CompactWindow();
    EXPECT_TRUE(compact->GetDown()) << "the compact button is down while its window shows";
    ASSERT_TRUE(window->GetVisible());
    TPoint corner = r.Bars[1]->ClientToScreen({0, r.Bars[1]->Height() + 1});
    EXPECT_EQ(window->Top(), corner.Y) << "one pixel under the toolbar";
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(window->Left() + window->Width(), work.right);
    EXPECT_EQ(r.Buttons[1][0]->Parent(), r.Bars[1]->SelfClone()) << "the controls live in the clone";

    int clicks = 0;
    TOrvGlowButton* other = r.Buttons[0][0];
    other->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(other, 10, 10);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !window->GetVisible() && clicks > 0; }, 2000));
    orvtest::PumpFor(100);
    EXPECT_FALSE(window->GetVisible());
    EXPECT_EQ(clicks, 1) << "the click that closed the window pressed the button once";
    EXPECT_FALSE(compact->GetDown());

    // Leaving compact mode restores the controls at their places and in their order.
    r.SetWidth(880);
    EXPECT_FALSE(r.Bars[1]->IsCompacted());
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(r.Buttons[1][k]->Parent(), r.Bars[1]);
        EXPECT_EQ(r.Bars[1]->IndexOfToolBarControl(r.Buttons[1][k]), k);
    }
    for (int k = 0; k < 3; ++k) EXPECT_EQ(r.Buttons[1][k]->BoundsRect(), places[k]) << "button " << k;
    EXPECT_TRUE(r.Buttons[1][0]->Showing());
}

TEST(CompactWindowOnScreen, ACloseQuerySayingNoKeepsItOpenItsCornerSizesAndHidingRepaintsTheMenuBar) {
    TRibbon r(2, 3, bsLarge);
    auto* bar = new TMainMenu(r.Form.get());
    auto* item = new TMenuItem(r.Form.get());
    item->SetCaption(L"File");
    bar->Items()->Add(item);
    bar->SetForm(r.Form.get());
    r.Form->Show();
    SetForegroundWindow(r.Form->Handle());
    orvtest::PumpFor(50);
    r.SetWidth(r.FullWidth - 5);
    ASSERT_TRUE(r.Bars[1]->IsCompacted());
    bool allow = false;
    int asked = 0, clicks = 0;
    r.Bars[1]->OnCompactCloseQuery = [&](TObject*, bool& canClose) {
        ++asked;
        canClose = allow;
    };
    TOrvGlowButton* other = r.Buttons[0][0];
    other->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(r.Bars[1]->CompactButton(), 20, 20);
    orvtest::PumpFor(100);
    TCompactWindow* window = r.Bars[1]->CompactWindow();
    ASSERT_TRUE(window->GetVisible());

    // The lower-right 10 x 10 pixels size the window.
    POINT corner{window->Width() - 5, window->Height() - 5}, middle{window->Width() / 2, 5};
    ClientToScreen(window->Handle(), &corner);
    ClientToScreen(window->Handle(), &middle);
    EXPECT_EQ(SendMessageW(window->Handle(), WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT);
    EXPECT_NE(SendMessageW(window->Handle(), WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)), HTBOTTOMRIGHT);

    ClickAt(other, 10, 10);
    orvtest::PumpFor(200);
    EXPECT_GE(asked, 1);
    EXPECT_TRUE(window->GetVisible()) << "the close query kept it open";
    EXPECT_EQ(clicks, 1) << "and the click reached its button directly";

    allow = true;
    int resizes = 0;
    r.Form->OnResize = [&](TObject*) { ++resizes; };
    int height = r.Form->Height();
    ClickAt(other, 10, 10);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !window->GetVisible() && clicks == 2; }, 2000));
    EXPECT_TRUE(orvtest::PumpUntil([&] { return resizes >= 2; }, 1000))
        << "the form with a menu bar goes one pixel higher and back once the window hid";
    EXPECT_EQ(r.Form->Height(), height);
}

TEST(CompactWindowOnScreen, APressOutsideClosesTheWindowAndReachesWhateverLiesUnderThePointer) {
    TRibbon r(2, 3, bsLarge);
    // A classic toolbar button on the left toolbar and a system edit box on the form.
    auto* classic = new TOrvToolBarButton(r.Form.get());
    classic->SetCaption(L"Bold");
    classic->SetShowCaption(true);
    classic->SetParent(r.Bars[0]);
    r.Page->ArrangeToolBars();
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 120, 150, 24, r.Form->Handle(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    r.Form->Show();
    SetForegroundWindow(r.Form->Handle());
    orvtest::PumpFor(50);
    r.SetWidth(r.Bars[1]->Left() + r.Bars[1]->Width() - 3);
    ASSERT_TRUE(r.Bars[1]->IsCompacted());
    ASSERT_FALSE(r.Bars[0]->IsCompacted());
    TCompactWindow* window = r.Bars[1]->CompactWindow();
    auto open = [&] {
        ClickAt(r.Bars[1]->CompactButton(), 20, 20);
        return orvtest::PumpUntil([&] { return window->GetVisible(); }, 1000);
    };

    int clicks = 0;
    classic->OnClick = [&](TObject*) { ++clicks; };
    ASSERT_TRUE(open());
    ClickAt(classic, classic->Width() / 2, classic->Height() / 2);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !window->GetVisible(); }, 1000));
    orvtest::PumpFor(100);
    EXPECT_EQ(clicks, 1) << "the toolbar button under the pointer was pressed by the same click";

    ASSERT_TRUE(open());
    POINT inEdit{20, 12};
    ClientToScreen(edit, &inEdit);
    SetCursorPos(inEdit.x, inEdit.y);
    orvtest::PumpFor(30);
    LeftDown();
    LeftUp();
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !window->GetVisible(); }, 1000));
    orvtest::PumpFor(50);
    EXPECT_EQ(GetFocus(), edit) << "the edit box took the focus from the click";

    // The compact button itself closes its window (and does not open it again).
    ASSERT_TRUE(open());
    ClickAt(r.Bars[1]->CompactButton(), 20, 20);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !window->GetVisible(); }, 1000));
    orvtest::PumpFor(150);
    EXPECT_FALSE(window->GetVisible());
    DestroyWindow(edit);
}

TEST(CompactWindowOnScreen, APressOnAnotherTabClosesTheWindowAndSwitchesThePage) {
    SetCursorPos(20, 20);
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    form->SetBounds(60, 60, 640, 300);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetAlign(TAlign::alNone);
    pager->SetBounds(0, 0, 600, 149);
    pager->SetParent(form.get());
    TOrvPage* home = pager->AddOrvPage(L"Home");
    pager->AddOrvPage(L"Insert");
    auto* tb = new TOrvToolBar(form.get());
    home->AddOrvToolBar(tb);
    for (int i = 0; i < 3; ++i) {
        auto* b = new TOrvGlowButton(form.get());
        b->SetCaption(L"Command");
        b->SetParent(tb);
    }
    form->Show();
    SetForegroundWindow(form->Handle());
    orvtest::PumpFor(60);
    ASSERT_EQ(pager->GetActivePageIndex(), 0);
    tb->SetCompact(true);
    ASSERT_TRUE(tb->IsCompacted());
    ClickAt(tb->CompactButton(), 20, 20);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return tb->CompactWindow()->GetVisible(); }, 1000));

    TRect tab = pager->GetTabRect(1);
    ClickAt(pager, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !tb->CompactWindow()->GetVisible(); }, 1000));
    EXPECT_TRUE(orvtest::PumpUntil([&] { return pager->GetActivePageIndex() == 1; }, 1000))
        << "the press on the tab switched the page";
    SetCursorPos(20, 20);
}

TEST(CompactWindowOnScreen, OpenedFromTheMinimizedRibbonItLeavesThatPopupShowing) {
    SetCursorPos(20, 20);
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    form->SetBounds(60, 60, 640, 300);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetAlign(TAlign::alNone);
    pager->SetBounds(0, 0, 600, 149);
    pager->SetParent(form.get());
    TOrvPage* page = pager->AddOrvPage(L"Home");
    auto* tb = new TOrvToolBar(form.get());
    page->AddOrvToolBar(tb);
    for (int i = 0; i < 3; ++i) {
        auto* b = new TOrvGlowButton(form.get());
        b->SetCaption(L"Command");
        b->SetParent(tb);
    }
    form->Show();
    SetForegroundWindow(form->Handle());
    orvtest::PumpFor(60);
    TRect tab = pager->GetTabRect(0);
    auto clickTab = [&] { ClickAt(pager, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2); };
    clickTab();
    clickTab();  // a double click collapses
    ASSERT_FALSE(pager->GetExpanded());
    clickTab();
    ASSERT_TRUE(pager->PopupShowing());
    ASSERT_EQ(tb->Parent(), page->SelfClone());
    tb->SetCompact(true);
    ASSERT_TRUE(tb->IsCompacted());
    orvtest::PumpFor(50);

    ClickAt(tb->CompactButton(), 20, 20);
    orvtest::PumpFor(300);
    EXPECT_TRUE(tb->CompactWindow()->GetVisible());
    EXPECT_TRUE(pager->PopupShowing()) << "the pop-up it lives in did not hide for it";
    EXPECT_FALSE(pager->MinimizedRibbonWindow()->GetHideOnDeActivate());
    tb->HideCompactWindow();
    EXPECT_TRUE(pager->MinimizedRibbonWindow()->GetHideOnDeActivate()) << "given back when the window hides";
    pager->HideMinimizedRibbon();
    SetCursorPos(20, 20);
}

TEST(CompactWindowPlacement, StaysInsideTheWorkAreaOnTheRight) {
    TRect work{0, 0, 1024, 740};
    EXPECT_EQ(TCompactWindow::PlaceFor({100, 200}, {300, 90}, work), (TPoint{100, 200}));
    EXPECT_EQ(TCompactWindow::PlaceFor({900, 200}, {300, 90}, work), (TPoint{724, 200}));
}

TEST(RibbonPasses, NarrowingAndWideningAgainAndAgainEndsWhereItStarted) {
    // Five groups of three large and three label-size buttons, as the bench cycles them.
    TRibbon r(5, 6);
    for (auto& bar : r.Buttons)
        for (int k = 3; k < 6; ++k) bar[k]->SetButtonSizeState(bsLabel);
    r.SetWidth(3000);  // room for every button at its largest
    const S allLarge(6, bsLarge);
    for (int i = 0; i < 5; ++i) ASSERT_EQ(r.States(i), allLarge) << "the label-size ones grew";
    const int wide = r.Bars.back()->Left() + r.Bars.back()->Width() + 10;
    r.SetWidth(wide);
    std::vector<TRect> bounds;
    for (auto* tb : r.Bars) bounds.push_back(tb->BoundsRect());
    for (int round = 0; round < 3; ++round) {
        auto start = std::chrono::steady_clock::now();
        r.SetWidth(60);
        for (auto* tb : r.Bars) EXPECT_TRUE(tb->IsCompacted()) << "round " << round;
        r.SetWidth(wide);
        auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        EXPECT_LT(spent.count(), 3000) << "round " << round;
        for (int i = 0; i < 5; ++i) {
            EXPECT_FALSE(r.Bars[i]->IsCompacted()) << "round " << round << " toolbar " << i;
            EXPECT_EQ(r.States(i), allLarge) << "round " << round << " toolbar " << i;
            EXPECT_EQ(r.Bars[i]->BoundsRect(), bounds[i]) << "round " << round << " toolbar " << i;
        }
    }
}

TEST(RibbonPasses, APageMadeInCodeGrowsItsButtonsWhenItsFirstWidthGivesRoom) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* page = new TOrvPage(form.get());  // 300 wide, never resized yet
    page->SetParent(form.get());
    auto* tb = new TOrvToolBar(form.get());
    page->AddOrvToolBar(tb);
    std::vector<TOrvGlowButton*> b;
    for (int i = 0; i < 3; ++i) {
        auto* g = new TOrvGlowButton(form.get());
        g->SetCaption(L"Command");
        g->SetButtonSizeState(bsLabel);
        g->SetAutoSize(true);
        g->SetParent(tb);
        b.push_back(g);
    }
    ASSERT_EQ(b[2]->GetButtonSizeState(), bsLabel);
    page->SetWidth(900);  // the first width change, and a wider one
    for (auto* g : b) EXPECT_EQ(g->GetButtonSizeState(), bsLarge) << "room for the large buttons: they grow";
}

TEST(RibbonFaults, UpdatingAllToolBarsGrowsTheStepThatFitsWhenALargerOneDoesNot) {
    // Two toolbars of one label-size column each; growing either to large buttons is a
    // gain of the same kind, the right one's (long captions) much larger than the left's.
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    form->SetBounds(50, 50, 1100, 200);
    auto* page = new TOrvPage(form.get());
    page->SetBounds(10, 10, 1000, 95);  // its width before any toolbar: no pass grows later
    page->SetParent(form.get());
    std::vector<std::vector<TOrvGlowButton*>> buttons(2);
    const wchar_t* captions[2] = {L"Cut", L"Format the whole selection"};
    for (int t = 0; t < 2; ++t) {
        auto* tb = new TOrvToolBar(form.get());
        page->AddOrvToolBar(tb);
        for (int k = 0; k < 3; ++k) {
            auto* b = new TOrvGlowButton(form.get());
            b->SetCaption(captions[t]);
            b->SetMinButtonSizeState(bsLabel);
            b->SetButtonSizeState(bsLabel);
            b->SetAutoSize(true);
            b->SetParent(tb);
            buttons[t].push_back(b);
        }
    }
    page->ArrangeToolBars();
    auto gain = [&](int t) {
        int large = 0, label = 0;
        for (auto* b : buttons[t]) {
            large += b->GetSizeForState(bsLarge).cx;
            label = std::max(label, b->Width());
        }
        return large - label;
    };
    for (auto& bar : buttons)
        for (auto* b : bar) ASSERT_EQ(b->GetButtonSizeState(), bsLabel);
    TOrvCustomToolBar* right = page->ToolBars(1);
    const int free = gain(0) + 1;
    ASSERT_LT(free, gain(1)) << "the right toolbar's step must not fit";
    page->SetWidth(right->Left() + right->Width() + 2 + free);  // narrower, still room: no pass
    ASSERT_EQ(FreeRoom(page->ToolBarList(), page->Width()), free);
    for (auto* b : buttons[0]) ASSERT_EQ(b->GetButtonSizeState(), bsLabel);

    page->UpdateAllToolBars();
    for (auto* b : buttons[0]) EXPECT_EQ(b->GetButtonSizeState(), bsLarge) << "the step that fits grew";
    for (auto* b : buttons[1]) EXPECT_EQ(b->GetButtonSizeState(), bsLabel) << "the one that does not fit stayed";
    EXPECT_GT(FreeRoom(page->ToolBarList(), page->Width()), 0);
}
