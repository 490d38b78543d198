// Ribbon resizing on built pages: the passes' order of steps, compact mode and its
// window on the screen, and the faults the passes and compact mode must not have.
#include <gtest/gtest.h>

#include <chrono>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "toolbar/CompactWindow.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
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
    EXPECT_LT(r.Buttons[1][0]->Left(), r.Buttons[1][1]->Left());
    EXPECT_LT(r.Buttons[1][1]->Left(), r.Buttons[1][2]->Left());
}

TEST(CompactWindowPlacement, StaysInsideTheWorkAreaOnTheRight) {
    TRect work{0, 0, 1024, 740};
    EXPECT_EQ(TCompactWindow::PlaceFor({100, 200}, {300, 90}, work), (TPoint{100, 200}));
    EXPECT_EQ(TCompactWindow::PlaceFor({900, 200}, {300, 90}, work), (TPoint{724, 200}));
}
