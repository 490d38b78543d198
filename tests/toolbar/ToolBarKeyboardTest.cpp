// Toolbars on a page driven from the keyboard (arrow keys across the page, key tips
// typed on a focused toolbar, the compact window's clone), key-tip rows, adaptive
// hiding of a docked toolbar, hints of the caption buttons and the hover glow.
#include <gtest/gtest.h>

#include <chrono>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/ClassRegistry.h"
#include "framework/HintWindow.h"
#include "hints/ShortCutHintWindow.h"
#include "toolbar/CompactWindow.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"

using namespace orv;
using namespace glowtest;

namespace {

// A shown form in the foreground with a page of toolbars.
struct TKeyPage {
    TFixture Fixture;
    TOrvPage* Page;
    TKeyPage() {
        Fixture.Form->SetBounds(100, 100, 760, 200);
        Page = new TOrvPage(Fixture.Form.get());
        Page->SetBounds(10, 10, 720, 95);
        Page->SetParent(Fixture.Form.get());
    }
    TOrvToolBar* AddBar() {
        auto* tb = new TOrvToolBar(Fixture.Form.get());
        Page->AddOrvToolBar(tb);
        return tb;
    }
    TOrvGlowButton* AddButton(TOrvToolBar* tb, const std::wstring& keyTip = L"") {
        auto* b = new TOrvGlowButton(Fixture.Form.get());
        b->SetCaption(L"Command");
        b->SetShortCutHint(keyTip);
        b->SetParent(tb);
        return b;
    }
};

// A windowed control counting its paints; the see-through kind publishes Transparent.
class TOpaqueCounter : public TCustomControl {
public:
    ORV_CLASS_NAME(TOpaqueCounter)
    using TCustomControl::TCustomControl;
    int Paints = 0;

protected:
    void Paint() override { ++Paints; }
};

class TSeeThroughCounter : public TOpaqueCounter {
public:
    ORV_CLASS_NAME(TSeeThroughCounter)
    using TOpaqueCounter::TOpaqueCounter;
    bool GetTransparent() const { return true; }
    void SetTransparent(bool) {}
};

HWND Focus() {
    return GetFocus();
}

void Press(WORD key) {
    Keys({key});
    orvtest::PumpFor(30);
}

bool TipShowing(TOrvCustomGlowButton* b) {
    return b->ShortCutHintWindow() && b->ShortCutHintWindow()->IsHintVisible();
}

}  // namespace

// --- arrow keys ------------------------------------------------------------------------------

TEST(ToolBarKeyboard, LeftAndRightCrossThePagesToolBarsAndWrapAtItsEnds) {
    TKeyPage p;
    TOrvToolBar* first = p.AddBar();
    TOrvToolBar* middle = p.AddBar();
    TOrvToolBar* last = p.AddBar();
    TOrvGlowButton* a1 = p.AddButton(first);
    TOrvGlowButton* a2 = p.AddButton(first);
    TOrvGlowButton* off = p.AddButton(middle);
    off->SetEnabled(false);  // the middle toolbar has nothing to focus
    TOrvGlowButton* c1 = p.AddButton(last);
    orvtest::PumpFor(50);

    a1->SetFocus();
    Press(VK_RIGHT);
    EXPECT_EQ(Focus(), a2->Handle()) << "the next control of the same toolbar";
    Press(VK_RIGHT);
    EXPECT_EQ(Focus(), c1->Handle()) << "past the toolbar without focusable controls";
    Press(VK_RIGHT);
    EXPECT_EQ(Focus(), a1->Handle()) << "from the last toolbar to the first";
    Press(VK_LEFT);
    EXPECT_EQ(Focus(), c1->Handle()) << "Left from the first toolbar goes to the last one's last control";
    Press(VK_LEFT);
    EXPECT_EQ(Focus(), a2->Handle());

    // A compact toolbar offers its compact button.
    last->SetCompact(true);
    ASSERT_TRUE(last->IsCompacted());
    orvtest::PumpFor(30);
    a2->SetFocus();
    Press(VK_RIGHT);
    EXPECT_EQ(Focus(), last->CompactButton()->Handle());
}

TEST(ToolBarKeyboard, TabAndShiftTabFollowTheTabOrderOfThePagesToolBarsAndTheirButtons) {
    TKeyPage p;
    TOrvToolBar* first = p.AddBar();
    TOrvToolBar* middle = p.AddBar();
    TOrvToolBar* last = p.AddBar();
    TOrvGlowButton* a1 = p.AddButton(first);
    TOrvGlowButton* a2 = p.AddButton(first);
    TOrvGlowButton* notStop = p.AddButton(first);  // no tab stop: Tab passes it by
    TOrvGlowButton* off = p.AddButton(middle);
    off->SetEnabled(false);
    TOrvGlowButton* c1 = p.AddButton(last);
    for (TOrvGlowButton* b : {a1, a2, off, c1}) b->SetTabStop(true);
    a2->SetTabOrder(0);  // within a toolbar, its tab order and not its child order counts
    orvtest::PumpFor(50);

    a2->SetFocus();
    ASSERT_EQ(Focus(), a2->Handle());
    Press(VK_TAB);
    EXPECT_EQ(Focus(), a1->Handle()) << "the next button of the toolbar in tab order";
    Press(VK_TAB);
    EXPECT_EQ(Focus(), c1->Handle()) << "past the button without a tab stop and the disabled one";
    Keys({VK_SHIFT, VK_TAB});
    orvtest::PumpFor(30);
    EXPECT_EQ(Focus(), a1->Handle()) << "Shift+Tab goes back";
    Keys({VK_SHIFT, VK_TAB});
    orvtest::PumpFor(30);
    EXPECT_EQ(Focus(), a2->Handle());
    EXPECT_NE(Focus(), notStop->Handle());

    // The toolbars' tab order is their order on the page.
    last->SetToolBarIndex(0);
    c1->SetFocus();
    Press(VK_TAB);
    EXPECT_EQ(Focus(), a2->Handle()) << "the moved toolbar comes first now";
    Keys({VK_SHIFT, VK_TAB});
    orvtest::PumpFor(30);
    EXPECT_EQ(Focus(), c1->Handle());

    // While key tips show, Tab only hides them.
    a1->SetFocus();
    p.Page->ShowShortCutHintOfToolBars();
    orvtest::PumpFor(30);
    a1->SetFocus();
    Press(VK_TAB);
    EXPECT_FALSE(p.Page->ToolBarShortCutHintShowing());
    EXPECT_EQ(Focus(), a1->Handle()) << "the key hid the tips and moved nothing";
}

TEST(ToolBarKeyboardFaults, LeftAndRightStopAfterOneRoundWhenNothingCanTakeTheFocus) {
    TKeyPage p;
    std::vector<TOrvToolBar*> bars;
    for (int i = 0; i < 3; ++i) {
        bars.push_back(p.AddBar());
        p.AddButton(bars.back())->SetEnabled(false);
        auto* plain = new TOrvToolBarButton(p.Fixture.Form.get());
        plain->SetOrvToolBar(bars.back());  // a graphic control: never focused
    }
    orvtest::PumpFor(50);
    bars[1]->SetFocus();
    ASSERT_EQ(Focus(), bars[1]->Handle());
    auto start = std::chrono::steady_clock::now();
    uint16_t right = VK_RIGHT, left = VK_LEFT;
    EXPECT_FALSE(bars[1]->FocusNeighbour(nullptr, true));
    EXPECT_FALSE(bars[1]->FocusNeighbour(nullptr, false));
    bars[1]->PageKeyDown(bars[1], right, 0);
    bars[1]->PageKeyDown(bars[1], left, 0);
    Press(VK_RIGHT);
    Press(VK_LEFT);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(Focus(), bars[1]->Handle()) << "the focus stays where it was";
}

// --- key tips ----------------------------------------------------------------------------------

TEST(ToolBarKeyTips, TypedCharactersNarrowTheTipsAndAFullMatchClicksOnce) {
    TKeyPage p;
    TOrvToolBar* tb = p.AddBar();
    TOrvGlowButton* paste = p.AddButton(tb, L"FP");
    TOrvGlowButton* format = p.AddButton(tb, L"FO");
    TOrvGlowButton* copy = p.AddButton(tb, L"C");
    int pasted = 0, formatted = 0;
    paste->OnClick = [&](TObject*) { ++pasted; };
    format->OnClick = [&](TObject*) { ++formatted; };
    orvtest::PumpFor(50);

    p.Page->ShowShortCutHintOfToolBars();
    orvtest::PumpFor(30);
    EXPECT_TRUE(TipShowing(paste));
    EXPECT_TRUE(TipShowing(copy));
    tb->SetFocus();
    Press('F');
    EXPECT_TRUE(p.Page->ToolBarShortCutHintShowing()) << "two tips still begin with F";
    EXPECT_TRUE(TipShowing(paste));
    EXPECT_FALSE(TipShowing(copy)) << "C no longer matches";
    Press('O');
    EXPECT_EQ(formatted, 1);
    EXPECT_EQ(pasted, 0);
    EXPECT_FALSE(p.Page->ToolBarShortCutHintShowing()) << "a match ends key-tip mode";
    EXPECT_FALSE(TipShowing(paste));
    EXPECT_EQ(Focus(), format->Handle()) << "the matched button has the focus";

    // Escape leaves key-tip mode without clicking.
    p.Page->ShowShortCutHintOfToolBars();
    tb->SetFocus();
    Press(VK_ESCAPE);
    EXPECT_FALSE(p.Page->ToolBarShortCutHintShowing());
    EXPECT_FALSE(TipShowing(paste));
    EXPECT_EQ(formatted + pasted, 1);
}

TEST(ToolBarKeyTips, TheCompactButtonsTipOpensTheWindowWhoseCloneTakesTheNextKeys) {
    TKeyPage p;
    TOrvToolBar* tb = p.AddBar();
    TOrvGlowButton* bold = p.AddButton(tb, L"B");
    TOrvGlowButton* italic = p.AddButton(tb, L"I");
    int bolds = 0, italics = 0;
    bold->OnClick = [&](TObject*) { ++bolds; };
    italic->OnClick = [&](TObject*) { ++italics; };
    tb->SetCompactShortCutHint(L"ZF");
    tb->SetCompact(true);
    ASSERT_TRUE(tb->IsCompacted());
    orvtest::PumpFor(50);

    p.Page->ShowShortCutHintOfToolBars();
    EXPECT_TRUE(TipShowing(tb->CompactButton()));
    tb->SetFocus();
    Press('Z');
    Press('F');
    TCompactWindow* window = tb->CompactWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->GetVisible()) << "the compact button's tip opens its window";
    EXPECT_TRUE(tb->SelfClone()->CloneKeyTipsShowing());
    EXPECT_TRUE(TipShowing(bold)) << "the clone shows the tips of the buttons it holds";
    tb->SelfClone()->SetFocus();
    orvtest::PumpFor(30);
    Press('I');
    EXPECT_EQ(italics, 1);
    EXPECT_EQ(bolds, 0);
    EXPECT_FALSE(TipShowing(bold));

    // Arrows move among the clone's buttons; Escape without a pager closes the window.
    italic->SetFocus();
    Press(VK_RIGHT);
    EXPECT_EQ(Focus(), bold->Handle()) << "round the clone's buttons";
    Press(VK_ESCAPE);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !window->GetVisible(); }, 1000));
    EXPECT_EQ(Focus(), tb->CompactButton()->Handle());
}

TEST(ToolBarKeyTips, TheCompactButtonIsDownWhileItsTipKeepsTheWindowOpenAsAfterAPress) {
    TKeyPage p;
    TOrvToolBar* tb = p.AddBar();
    TOrvGlowButton* bold = p.AddButton(tb, L"B");
    tb->SetCompactShortCutHint(L"Z");
    tb->SetCompact(true);
    ASSERT_TRUE(tb->IsCompacted());
    TOrvCustomGlowButton* compact = tb->CompactButton();
    orvtest::PumpFor(50);

    // The mouse first: what the key tip must match.
    ClickAt(compact, 20, 20);
    orvtest::PumpFor(50);
    ASSERT_TRUE(tb->CompactWindow()->GetVisible());
    EXPECT_TRUE(compact->GetDown()) << "a press leaves the compact button down";
    tb->HideCompactWindow();
    EXPECT_FALSE(compact->GetDown()) << "hiding the window raises it";

    p.Page->ShowShortCutHintOfToolBars();
    tb->SetFocus();
    Press('Z');
    ASSERT_TRUE(tb->CompactWindow()->GetVisible()) << "the tip opens the window";
    EXPECT_TRUE(compact->GetDown()) << "and leaves the button down";
    tb->SelfClone()->SetFocus();
    orvtest::PumpFor(30);
    Press(VK_ESCAPE);  // the clone's tips go
    bold->SetFocus();
    Press(VK_ESCAPE);  // no pager: the window closes
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !tb->CompactWindow()->GetVisible(); }, 1000));
    EXPECT_FALSE(compact->GetDown()) << "closed from the keyboard, it is up again";
}

TEST(ToolBarKeyTips, RowsAreCollectedSortedAndGiveEachButtonItsPlace) {
    TKeyTipRows rows = CollectKeyTipRows({2, 3, 22, 24, 42, 70});
    EXPECT_EQ(rows.Row[0], 2);
    EXPECT_EQ(rows.Row[1], 22) << "3 is within 4 pixels of row 1";
    EXPECT_EQ(rows.Row[2], 42) << "three rows at most";
    rows = CollectKeyTipRows({22, 2});
    EXPECT_EQ(rows.Row[0], 2) << "rows 1 and 2 exchanged";
    EXPECT_EQ(rows.Row[1], 22);
    EXPECT_EQ(rows.Row[2], -1);
    rows = CollectKeyTipRows({2, 42, 22});
    EXPECT_EQ(rows.Row[1], 22) << "rows 2 and 3 exchanged";
    EXPECT_EQ(rows.Row[2], 42);
    EXPECT_EQ(CollectKeyTipRows({-5, 7}).Row[0], 7) << "controls above the toolbar count for nothing";

    TKeyTipRows three = CollectKeyTipRows({2, 22, 42});
    TKeyTipRows two = CollectKeyTipRows({2, 22});
    EXPECT_EQ(KeyTipPosForRow(three, 2, 66, 85, 16), shpBottom) << "66 >= 85 - 16 - 15";
    EXPECT_EQ(KeyTipPosForRow(three, 4, 20, 85, 16), shpTopLeft);
    EXPECT_EQ(KeyTipPosForRow(two, 4, 20, 85, 16), shpAboveTopLeft);
    EXPECT_EQ(KeyTipPosForRow(three, 21, 20, 85, 16), shpLeft);
    EXPECT_EQ(KeyTipPosForRow(two, 21, 20, 85, 16), shpBelowBottomLeft);
    EXPECT_EQ(KeyTipPosForRow(three, 42, 20, 85, 16), shpBottomLeft);

    // On a page toolbar the hook places an automatic tip from the rows of its columns.
    TKeyPage p;
    TOrvToolBar* tb = p.AddBar();
    std::vector<TOrvGlowButton*> small;
    for (int i = 0; i < 3; ++i) {
        auto* b = new TOrvGlowButton(p.Fixture.Form.get());
        b->SetButtonSizeState(bsLabel);
        b->SetBounds(0, 0, 50, 20);
        b->SetShortCutHint(L"K");
        b->SetShortCutHintPos(shpAuto);
        b->SetParent(tb);  // one column: tops 2, 22 and 42
        small.push_back(b);
    }
    tb->ShowKeyTips(true);
    TShortCutHintPos pos = shpAuto;
    small[1]->OnGetShortCutHintPos(small[1], bsLabel, pos);
    EXPECT_EQ(pos, shpLeft) << "the middle button of a three-row column";
    pos = shpTop;
    small[1]->OnGetShortCutHintPos(small[1], bsLabel, pos);
    EXPECT_EQ(pos, shpTop) << "a button that chose its place keeps it";
    tb->ShowKeyTips(false);
}

// --- docked toolbars ---------------------------------------------------------------------------

TEST(ToolBarAdaptiveHiding, TheLeastRecentlyUsedGoFirstAndComeBackWhenUsed) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    form->SetBounds(50, 50, 500, 100);
    auto* tb = new TOrvToolBar(form.get());
    tb->InternalToolBarStyler()->SetDragGripStyle(dsNone);  // controls from x = 2
    tb->SetAutoSize(false);
    tb->SetBounds(0, 0, 400, 26);
    tb->SetParent(form.get());
    std::vector<TOrvGlowButton*> b;
    for (int i = 0; i < 4; ++i) {
        auto* g = new TOrvGlowButton(form.get());
        g->SetBounds(0, 0, 40, 22);
        g->SetParent(tb);
        b.push_back(g);
    }
    auto* separator = new TOrvToolBarSeparator(form.get());
    separator->SetOrvToolBar(tb);
    tb->MoveToolBarControl(4, 3);  // b0 b1 b2 | b3
    ASSERT_EQ(tb->HiddenControlCount(), 0);

    // 2 + 3 x 40 + 10 + 40 = 172 fits in front of the 14-pixel handle at 186.
    tb->SetWidth(186);
    EXPECT_EQ(tb->HiddenControlCount(), 0);
    tb->SetWidth(185);
    ASSERT_EQ(tb->HiddenControlCount(), 2) << "b3 went, and its separator with its group";
    EXPECT_TRUE(tb->HiddenControls().Contains(b[3]));
    EXPECT_TRUE(tb->HiddenControls().Contains(separator));
    EXPECT_GT(b[3]->Top(), tb->Height()) << "a hidden control is moved off the toolbar";

    // Using b3 brings it back (with its separator) and the next least recently used goes.
    tb->MoveUpInRUList(b[3]);
    EXPECT_FALSE(tb->HiddenControls().Contains(b[3]));
    EXPECT_FALSE(tb->HiddenControls().Contains(separator));
    EXPECT_TRUE(tb->HiddenControls().Contains(b[2]));
    EXPECT_EQ(tb->RecentlyUsedControls()[0], b[3]);

    tb->SetWidth(400);
    EXPECT_EQ(tb->HiddenControlCount(), 0) << "room again: everything comes back";
}

TEST(ToolBarControls, ASeparatorOnAPageToolBarDoesNotSizeItself) {
    TKeyPage p;
    TOrvToolBar* onPage = p.AddBar();
    auto* s1 = new TOrvToolBarSeparator(p.Fixture.Form.get());
    s1->SetOrvToolBar(onPage);
    EXPECT_FALSE(s1->GetAutoSize());

    auto* plain = new TOrvToolBar(p.Fixture.Form.get());
    plain->SetParent(p.Fixture.Form.get());
    auto* s2 = new TOrvToolBarSeparator(p.Fixture.Form.get());
    s2->SetOrvToolBar(plain);
    EXPECT_TRUE(s2->GetAutoSize());
}

TEST(ToolBarHints, CloseAndOptionButtonsShowTheirOwnHints) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* tb = new TOrvToolBar(form.get());
    tb->SetAutoSize(false);
    tb->SetParent(form.get());
    tb->SetBounds(0, 0, 200, 60);
    tb->SetHint(L"Own");
    tb->SetHintCloseButton(L"Close it");
    tb->SetHintOptionButton(L"Options");
    auto ask = [&](int x, int y) {
        THintInfo info;
        info.HintStr = L"Own";
        info.CursorPos = {x, y};
        tb->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        return info.HintStr;
    };
    tb->SetToolBarState(tsFloating);
    // Caption 16 high: close button (183, 1)-(199, 15), option button 2 pixels left of it.
    EXPECT_EQ(ask(190, 8), L"Close it");
    EXPECT_EQ(ask(172, 8), L"Options");
    EXPECT_EQ(ask(100, 8), L"Own");
    tb->SetHintCloseButton(L"");
    EXPECT_EQ(ask(190, 8), L"Own") << "an empty text leaves the toolbar's own hint";

    // Docked with a bottom caption and no right handle: the caption option indicator.
    tb->SetToolBarState(tsDocked);
    tb->SetShowCaption(true);
    tb->SetCaptionPosition(cpBottom);
    tb->SetShowRightHandle(false);
    EXPECT_EQ(ask(192, 52), L"Options") << "indicator (185, 46)-(199, 59)";
    EXPECT_EQ(ask(150, 52), L"Own");
}

// --- hover glow ----------------------------------------------------------------------------------

TEST(ToolBarHoverGlow, EnteringRunsTheGlowUpAndLeavingRunsItDownThenItStops) {
    TKeyPage p;
    TOrvToolBar* tb = p.AddBar();
    tb->InternalToolBarStyler()->ColorHot().SetColor(0x00C0FF);
    p.AddButton(tb);
    SetCursorPos(5, 5);
    orvtest::PumpFor(50);
    ASSERT_FALSE(tb->GlowRunning());

    PointAt(tb, tb->Width() - 4, tb->Height() - 4);
    EXPECT_TRUE(tb->Hot());
    EXPECT_TRUE(orvtest::PumpUntil([&] { return tb->GlowRunning(); }, 500)) << "the glow starts on entering";
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !tb->GlowRunning(); }, 2000)) << "and stops";
    EXPECT_GT(tb->StepHover(), 100) << "it stopped past the top";

    PointAt(p.Page, p.Page->Width() - 5, 5);  // onto the page, off every toolbar
    EXPECT_FALSE(tb->Hot());
    EXPECT_TRUE(orvtest::PumpUntil([&] { return tb->GlowRunning(); }, 500)) << "leaving runs it down";
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !tb->GlowRunning(); }, 2000));
    EXPECT_LT(tb->StepHover(), 0) << "it stopped past the bottom";
}

TEST(ToolBarHoverGlow, ControlsPublishingTransparentRepaintWithTheGlowOpaqueOnesDoNot) {
    if (!TClassRegistry::Find(L"TSeeThroughCounter"))
        TClassBuilder<TSeeThroughCounter>(L"TSeeThroughCounter", L"TCustomControl")
            .Bool(L"Transparent", &TSeeThroughCounter::GetTransparent, &TSeeThroughCounter::SetTransparent);
    TKeyPage p;
    TOrvToolBar* tb = p.AddBar();
    tb->InternalToolBarStyler()->ColorHot().SetColor(0x00C0FF);
    auto* see = new TSeeThroughCounter(p.Fixture.Form.get());
    auto* opaque = new TOpaqueCounter(p.Fixture.Form.get());
    for (TOpaqueCounter* c : {static_cast<TOpaqueCounter*>(see), opaque}) {
        c->SetBounds(0, 0, 30, 30);
        c->SetParent(tb);
    }
    SetCursorPos(5, 5);
    orvtest::PumpFor(100);
    see->Paints = opaque->Paints = 0;

    PointAt(tb, tb->Width() - 4, tb->Height() - 4);  // below both controls
    ASSERT_TRUE(orvtest::PumpUntil([&] { return tb->GlowRunning(); }, 500));
    ASSERT_TRUE(orvtest::PumpUntil([&] { return !tb->GlowRunning(); }, 2000));
    orvtest::PumpFor(50);
    EXPECT_GE(see->Paints, 3) << "repainted over the changing background on the ticks";
    EXPECT_EQ(opaque->Paints, 0) << "a control with its own background is left alone";
}
