// The toolbar pager and its pages on real windows: geometry and tab layout values, page
// changes by mouse and keyboard, collapsing and the pop-up page, key tips, the parent
// rules, and the faults the pager and page must not have.
#include <gtest/gtest.h>

#include "PagerTestSupport.h"
#include "TestSupport.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/ExtCtrls.h"
#include "framework/HintWindow.h"
#include "framework/RegisteredMessages.h"
#include "framework/SysUtils.h"
#include "framework/Timer.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvLook.h"
#include "toolbar/MinimizedRibbonWindow.h"
#include "toolbar/OrvDWM.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvPageScrollButton.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarForm.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/PagerCaptionLayer.h"
#include "toolbar/PagerPaint.h"
#include "hints/ShortCutHintWindow.h"

using namespace orv;
using namespace glowtest;
using namespace pagertest;

namespace {

struct TBeepCounter {
    int Count = 0;
    TBeepCounter() {
        SetKeyTipBeep([this] { ++Count; });
    }
    ~TBeepCounter() { SetKeyTipBeep(nullptr); }
};

int TextWidthOf(const TFont& font, const std::wstring& text) {
    TBitmap bmp(4, 4);
    bmp.Canvas().Font().Assign(&font);
    return bmp.Canvas().TextWidth(text);
}

}  // namespace

// --- values ------------------------------------------------------------------------------------

TEST(PagerValues, PageRectangleWithAndWithoutScenicFlag) {
    TPagerFixture f;
    ASSERT_EQ(149, f.Pager->Height());
    {
        TScenicScope scenic(true);
        f.Pager->UpdateTabs();
        EXPECT_EQ((TRect{0, 53, 600, 148}), f.Pager->GetPageRect()) << "53 from the top, 95 high, pager-wide";
        EXPECT_EQ((TRect{0, 53, 600, 148}), f.Pages[0]->BoundsRect());
    }
    f.Pager->UpdateTabs();
    EXPECT_EQ((TRect{4, 53, 596, 144}), f.Pager->GetPageRect()) << "inset 4 left, right and bottom (plus 1)";
    EXPECT_EQ((TRect{4, 53, 596, 144}), f.Pages[1]->BoundsRect()) << "every page gets the rectangle";
    EXPECT_TRUE(f.Pages[0]->GetVisible());
    EXPECT_FALSE(f.Pages[1]->GetVisible()) << "only the active page shows";
    EXPECT_EQ(L"InternalStyler", f.Pager->InternalToolBarStyler()->GetName());
    EXPECT_EQ(f.Pager->InternalToolBarStyler(), f.Pager->CurrentToolBarStyler()) << "the fallback is the same object";
}

TEST(PagerValues, ShortCaptionsGetTheFiveCharacterAllowance) {
    TPagerFixture f({L"Ab", L"", L"Longer caption"});
    const TFont& font = f.Pager->CurrentToolBarStyler()->TabAppearance().Font();
    int size = font.GetSize();
    int extra = size >= 8 ? size - 8 : 0;
    EXPECT_EQ(TextWidthOf(font, L"Ab") + 5 + extra, f.Pages[0]->TabRealClientWidth);
    EXPECT_EQ(5 + extra, f.Pages[1]->TabRealClientWidth) << "an empty caption counts as five characters";
    EXPECT_EQ(TextWidthOf(font, L"Longer caption") + 14 + extra, f.Pages[2]->TabRealClientWidth);
    f.Pager->SetAntiAlias(aaNone);
    EXPECT_EQ(TextWidthOf(font, L"Ab") + 2, f.Pages[0]->TabRealClientWidth) << "without anti-aliasing: 2";
}

TEST(PagerValues, TabsShrinkWhenNarrowAndGiveTheWidthBack) {
    TPagerFixture f({L"Home page", L"Insert things", L"Page layout", L"References", L"Mailings", L"Review"}, 800);
    auto tabsRight = [&] {
        int right = 0;
        for (int i = 0; i < f.Pager->PageCount(); ++i) right = std::max(right, f.Pager->GetTabRect(i).Right);
        return right;
    };
    EXPECT_EQ(4, f.Pager->CurrentSpacing());
    EXPECT_EQ(4, f.Pager->CurrentTabLeftMargin());
    std::vector<int> full;
    for (TOrvPage* p : f.Pages) full.push_back(p->TabClientWidth);

    // Just too narrow for the full spacing: the spacing goes first.
    int needed = tabsRight() - f.Pager->GetTabAreaRect().Left;
    int areaSlack = f.Pager->Width() - f.Pager->GetTabAreaRect().Width();
    f.Pager->SetWidth(needed + areaSlack - 2);
    EXPECT_EQ(3, f.Pager->CurrentSpacing());
    EXPECT_EQ(4, f.Pager->CurrentTabLeftMargin()) << "margins only after the spacing";
    for (size_t i = 0; i < full.size(); ++i) EXPECT_EQ(full[i], f.Pages[i]->TabClientWidth);

    // Much narrower: margins at 3, tabs cut but never below 24, and everything fits.
    f.Pager->SetWidth(needed + areaSlack - 150);
    EXPECT_EQ(3, f.Pager->CurrentSpacing());
    EXPECT_EQ(3, f.Pager->CurrentTabLeftMargin());
    EXPECT_EQ(3, f.Pager->CurrentTabRightMargin());
    int cut = 0;
    for (size_t i = 0; i < full.size(); ++i) {
        EXPECT_GE(f.Pages[i]->TabClientWidth, 24);
        cut += full[i] - f.Pages[i]->TabClientWidth;
    }
    EXPECT_GT(cut, 0);
    EXPECT_EQ(f.Pager->GetTabAreaRect().Right, tabsRight()) << "cut exactly to the area";

    // Wide again: everything comes back.
    f.Pager->SetWidth(800);
    EXPECT_EQ(4, f.Pager->CurrentSpacing());
    EXPECT_EQ(4, f.Pager->CurrentTabLeftMargin());
    for (size_t i = 0; i < full.size(); ++i) EXPECT_EQ(full[i], f.Pages[i]->TabClientWidth);
}

TEST(PagerValues, TabScrollerAndItsButtons) {
    std::vector<std::wstring> names;
    for (int i = 0; i < 20; ++i) names.push_back(L"Tab number " + std::to_wstring(i));
    TPagerFixture f({}, 500);
    for (auto& n : names) f.Pages.push_back(f.Pager->AddOrvPage(n));
    const TTabScroller& s = f.Pager->TabScroller();
    ASSERT_TRUE(s.Visible);
    EXPECT_GT(s.Max, 0);
    EXPECT_EQ(0, s.Position);
    ASSERT_NE(nullptr, f.Pager->RightScrollButton());
    EXPECT_TRUE(f.Pager->RightScrollButton()->GetVisible());
    EXPECT_TRUE(!f.Pager->LeftScrollButton() || !f.Pager->LeftScrollButton()->GetVisible());
    EXPECT_EQ(12, f.Pager->RightScrollButton()->Width());
    EXPECT_EQ(f.Pager->GetTabAreaRect().Height() - 5, f.Pager->RightScrollButton()->Height());
    int firstLeft = f.Pager->GetTabRect(1).Left;

    ClickAt(f.Pager->RightScrollButton(), 6, 6);
    EXPECT_EQ(1, s.Position) << "one tab per click";
    EXPECT_EQ(f.Pager->GetTabAreaRect().Left, f.Pager->GetTabRect(1).Left) << "the second tab starts the row";
    EXPECT_LT(f.Pager->GetTabRect(1).Left, firstLeft);
    ASSERT_NE(nullptr, f.Pager->LeftScrollButton());
    EXPECT_TRUE(f.Pager->LeftScrollButton()->GetVisible());
    f.Pager->SetWidth(5000);
    EXPECT_FALSE(s.Visible) << "room for all: no scroller";
}

TEST(PagerValues, GroupRectanglesNextToTheCaptionButtons) {
    TPagerFixture f({L"One", L"Two", L"Three", L"Four"}, 400);
    ASSERT_NE(nullptr, f.Pager->MinButton());
    int buttonsLeft = f.Pager->CaptionButtonsLeft();
    EXPECT_EQ(400 - 4 - 16 - 2 - 2 * 18, buttonsLeft);
    auto* g = static_cast<TTabGroupItem*>(f.Pager->TabGroups().Add());
    g->SetTabIndexStart(1);
    g->SetTabIndexEnd(2);
    TRect r;
    bool edge = false;
    ASSERT_TRUE(f.Pager->GetTabGroupRect(0, r, edge));
    EXPECT_EQ(f.Pager->GetCaptionRect().Top, r.Top);
    EXPECT_EQ(f.Pager->GetTabRect(1).Left - 2, r.Left) << "widened by spacing div 2";
    EXPECT_EQ(f.Pager->GetTabRect(2).Right + 2, r.Right);
    EXPECT_TRUE(edge);
    // Pushed right until the group lies under the caption buttons: no rectangle.
    f.Pager->SetPageLeftMargin(buttonsLeft - f.Pager->GetTabRect(1).Left + f.Pager->GetPageLeftMargin() + 10);
    EXPECT_FALSE(f.Pager->GetTabGroupRect(0, r, edge));
}

// --- real windows: pages -----------------------------------------------------------------------

TEST(PagerInput, ChangingVetoAndDisabledTabs) {
    TPagerFixture f;
    int changes = 0;
    bool allow = false;
    std::vector<std::pair<int, int>> asked;
    f.Pager->OnChanging = [&](TObject*, int from, int to, bool& ok) {
        asked.emplace_back(from, to);
        ok = allow;
    };
    f.Pager->OnChange = [&](TObject*) { ++changes; };
    f.ClickTab(1);
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ((std::pair<int, int>{0, 1}), asked[0]);
    EXPECT_EQ(0, f.Pager->GetActivePageIndex()) << "vetoed";
    EXPECT_EQ(0, changes);
    allow = true;
    f.ClickTab(1);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    EXPECT_EQ(1, changes);
    EXPECT_TRUE(f.Pages[1]->GetVisible());
    EXPECT_FALSE(f.Pages[0]->GetVisible());

    f.Pages[2]->SetTabEnabled(false);
    f.ClickTab(2);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex()) << "a disabled tab ignores the mouse";
    f.Pager->SetActivePageIndex(2);
    EXPECT_EQ(2, f.Pager->GetActivePageIndex()) << "but not the program";

    // Next/Prev skip disabled tabs without wrapping; SelectNextPage wraps.
    f.Pager->SetActivePageIndex(0);
    f.Pager->NextActivePage();
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    f.Pager->NextActivePage();
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    f.Pager->SelectNextPage(true);
    EXPECT_EQ(0, f.Pager->GetActivePageIndex());
    f.Pager->SelectNextPage(false);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());

    // Hiding the active tab leaves the page active.
    f.Pages[1]->SetTabVisible(false);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    EXPECT_EQ(-1, f.Pager->GetTabRect(1).Left);
}

namespace {

// The pointer rests on a tab until the framework's hint shows; its text, or empty when
// none came within the time.
std::wstring TabHintShown(TPagerFixture& f, int tab) {
    Application->CancelHint();
    SetCursorPos(20, 20);
    orvtest::PumpFor(40);
    TRect r = f.Pager->GetTabRect(tab);
    PointAt(f.Pager, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    bool shown =
        orvtest::PumpUntil([] { return Application->HintWindow() && Application->HintWindow()->IsHintVisible(); }, 600);
    std::wstring text = shown ? Application->HintWindow()->GetCaption() : L"";
    Application->CancelHint();
    return text;
}

}  // namespace

TEST(PagerInput, TabHintsGiveTheTabHintOrTheCaptionOfAShrunkTab) {
    TPagerFixture f({L"Home", L"Insert", L"A rather long caption", L"Another long caption"});
    struct TPauses {
        TPauses() {
            Application->SetHintPause(60);
            Application->SetHintShortPause(20);
            Application->SetHintHidePause(0);
        }
        ~TPauses() {
            Application->CancelHint();
            Application->SetHintPause(500);
            Application->SetHintShortPause(50);
            Application->SetHintHidePause(2500);
        }
    } pauses;
    f.Pager->SetShowHint(true);
    f.Pager->SetHint(L"Pager hint");
    f.Pages[1]->SetTabHint(L"Insert a table");

    EXPECT_EQ(L"", TabHintShown(f, 0)) << "ShowTabHint off: the pager shows no hint at all";
    f.Pager->SetShowTabHint(true);
    EXPECT_EQ(L"Pager hint", TabHintShown(f, 0)) << "a caption that fits: the pager's own hint";
    EXPECT_EQ(L"Insert a table", TabHintShown(f, 1));
    EXPECT_EQ(L"Pager hint", TabHintShown(f, 2)) << "not shrunk yet";

    // Narrow enough that the long tabs are cut below their text.
    const TFont& font = f.Pager->CurrentToolBarStyler()->TabAppearance().Font();
    f.Pager->SetWidth(f.Pager->GetTabRect(2).Left + 100 + (f.Pager->Width() - f.Pager->GetTabAreaRect().Right));
    ASSERT_LT(f.Pager->GetTabRect(2).Width() - 6, TextWidthOf(font, L"A rather long caption"));
    EXPECT_EQ(L"A rather long caption", TabHintShown(f, 2)) << "a shrunk tab shows its caption";
    EXPECT_EQ(L"Insert a table", TabHintShown(f, 1)) << "the tab hint still wins";
}

TEST(PagerInput, PageOperationsKeepTheActivePage) {
    TPagerFixture f({L"A", L"B", L"C"});
    f.Pager->SetActivePageIndex(2);
    f.Pager->MoveOrvPage(2, 0);
    EXPECT_EQ(0, f.Pager->IndexOfPage(f.Pages[2]));
    EXPECT_EQ(f.Pages[2], f.Pager->GetActivePage());
    f.Pages[2]->SetPageIndex(1);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    f.Pager->RemoveOrvPage(f.Pages[0]);
    EXPECT_EQ(2, f.Pager->PageCount());
    EXPECT_EQ(f.Pages[2], f.Pager->GetActivePage());
    f.Pages[1]->Free();
    EXPECT_EQ(1, f.Pager->PageCount()) << "a freed page leaves the pager";
    EXPECT_EQ(f.Pages[2], f.Pager->GetActivePage());
}

TEST(PagerInput, InvalidParents) {
    TPagerFixture f;
    auto* other = new TOrvToolBarPager(f.Form.get());
    try {
        other->SetParent(f.Pages[0]);
        ADD_FAILURE() << "a pager on a page";
    } catch (const Exception& e) {
        EXPECT_EQ(L"Invalid Parent", e.Message());
    }
    EXPECT_EQ(nullptr, other->Parent()) << "the parent stays";
    auto* tb = f.AddToolBar(f.Pages[0], 100);
    auto* stray = new TOrvPage(f.Form.get());
    EXPECT_THROW(stray->SetParent(tb), EInvalidOperation);
    // Dropped on a page of the pager: joins the pager; on another page of it: moves there.
    stray->SetParent(f.Pages[1]);
    EXPECT_EQ(f.Pager, stray->Parent());
    EXPECT_EQ(3, f.Pager->IndexOfPage(stray));
    stray->SetParent(f.Pages[0]);
    EXPECT_EQ(0, f.Pager->IndexOfPage(stray));
    other->SetParent(f.Form.get());
    auto* foreign = other->AddOrvPage(L"Foreign");
    try {
        stray->SetParent(foreign);
        ADD_FAILURE() << "a page of another pager";
    } catch (const Exception& e) {
        EXPECT_EQ(L"Invalid Parent", e.Message());
    }
}

TEST(PagerInput, CaptionButtonsFollowTheSet) {
    TPagerFixture f;
    f.Pager->SetCaptionButtons(1 << cbMinimize);
    ASSERT_NE(nullptr, f.Pager->MaxButton());
    EXPECT_TRUE(f.Pager->MinButton()->GetVisible());
    EXPECT_TRUE(f.Pager->MinButton()->GetEnabled());
    EXPECT_TRUE(f.Pager->MaxButton()->GetVisible()) << "shown beside the minimize button";
    EXPECT_FALSE(f.Pager->MaxButton()->GetEnabled());
    EXPECT_FALSE(f.Pager->CloseButton()->GetVisible());
    EXPECT_EQ(600 - 4 - 16 - 2, f.Pager->CloseButton()->Left());
    EXPECT_EQ(4, f.Pager->CloseButton()->Top());
    EXPECT_GE(f.Pager->Caption().RightIndent, 600 - f.Pager->MinButton()->Left());
    f.Pager->SetCaptionButtons(0);
    EXPECT_EQ(nullptr, f.Pager->CloseButton());

    f.Pager->SetCaptionButtons(kAllCaptionButtons);
    int clicks = 0;
    f.Pager->OnCloseButtonClick = [&](TObject* s) {
        EXPECT_EQ(f.Pager->CloseButton(), s);
        ++clicks;
    };
    ClickAt(f.Pager->CloseButton(), 8, 8);
    EXPECT_EQ(1, clicks);
}

TEST(PagerInput, ToolBarsInThePopupShowThePagersOptionIndicator) {
    TPagerFixture f;
    auto* tb = f.AddToolBar(f.Pages[0], 120);
    tb->SetCaption(L"Clipboard");
    tb->SetShowCaption(true);
    tb->SetCaptionPosition(cpBottom);
    tb->SetShowRightHandle(false);
    ASSERT_FALSE(f.Pager->OptionPicture().Empty());
    auto paint = [&] {
        auto bmp = std::make_unique<TBitmap>(tb->Width(), tb->Height());
        tb->PaintTo(bmp->Canvas().Handle());
        return bmp;
    };
    // The indicator's pixels that the picture changes, against the same toolbar without it.
    auto pictureMarks = [&](const TBitmap& with, const TBitmap& without) {
        TRect r = tb->GetOptionIndicatorRect();
        int marks = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) marks += with.PixelColor(x, y) != without.PixelColor(x, y);
        return marks;
    };
    ASSERT_GT(tb->GetOptionIndicatorRect().Width(), 0);
    auto onPage = paint();
    tb->SetParentOptionPicture(false);  // its own picture is empty
    auto bare = paint();
    tb->SetParentOptionPicture(true);
    const int pageMarks = pictureMarks(*onPage, *bare);
    ASSERT_GT(pageMarks, 0) << "on the page the pager's picture shows";

    f.Pager->Collaps();
    f.Pager->ShowMinimizedRibbon();
    ASSERT_TRUE(f.Pager->PopupShowing());
    ASSERT_EQ(f.Pages[0]->SelfClone(), tb->Parent());
    auto inPopup = paint();
    tb->SetParentOptionPicture(false);
    bare = paint();
    tb->SetParentOptionPicture(true);
    EXPECT_EQ(pictureMarks(*inPopup, *bare), pageMarks) << "the pop-up shows the same picture";
    f.Pager->HideMinimizedRibbon();
    f.Pager->Expand();
}

TEST(PagerInput, DoubleClickCollapsesAndTheTabShowsThePopup) {
    TPagerFixture f;
    auto* tb = f.AddToolBar(f.Pages[0], 120);
    int collapses = 0, expands = 0;
    f.Pager->OnCollaps = [&](TObject*) { ++collapses; };
    f.Pager->OnExpand = [&](TObject*) { ++expands; };
    f.ClickTab(0);
    f.ClickTab(0);
    ASSERT_FALSE(f.Pager->GetExpanded()) << "two clicks within 600 ms on the active tab";
    EXPECT_EQ(1, collapses);
    EXPECT_EQ(53, f.Pager->Height()) << "caption and tab row";
    EXPECT_EQ(149, f.Pager->ExpandedHeight());
    EXPECT_FALSE(f.Pages[0]->GetVisible());

    f.ClickTab(0);
    ASSERT_TRUE(f.Pager->PopupShowing());
    TOrvPage* clone = f.Pages[0]->SelfClone();
    ASSERT_NE(nullptr, clone);
    EXPECT_EQ(clone, tb->Parent()) << "the toolbars are lent to the clone";
    EXPECT_EQ(149 - 27 - 26 - 4 - 1, clone->Height());
    TPoint at = f.Pager->ClientToScreen({f.Pager->GetPageRect().Left - 2, f.Pager->GetTabRowRect().Bottom});
    EXPECT_EQ(at.X, f.Pager->MinimizedRibbonWindow()->Left());
    EXPECT_EQ(at.Y, f.Pager->MinimizedRibbonWindow()->Top());

    f.Pager->HideMinimizedRibbon();
    EXPECT_EQ(f.Pages[0], tb->Parent()) << "closing gives them back";
    EXPECT_EQ(nullptr, f.Pages[0]->SelfClone());
    EXPECT_EQ(0, f.Pages[0]->IndexOfOrvToolBar(tb));

    // A click on another tab activates it and shows it in the pop-up.
    f.ClickTab(1);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    EXPECT_TRUE(f.Pager->PopupShowing());
    f.Pager->Expand();
    EXPECT_FALSE(f.Pager->PopupShowing());
    EXPECT_EQ(149, f.Pager->Height());
    EXPECT_EQ(1, expands);
    EXPECT_EQ(f.Pages[0], tb->Parent());
}

TEST(PagerInput, ThePopupHidesOnAPressOutsideItAndOnItsTab) {
    TPagerFixture f;
    auto* tb = f.AddToolBar(f.Pages[0], 120);
    f.Pager->Collaps();
    orvtest::PumpFor(50);
    auto popupShown = [&] {
        orvtest::PumpFor(700);  // past the double-click time: the next click is a single one
        f.ClickTab(0);
        return f.Pager->PopupShowing();
    };

    // A press on the form below the pager (outside the pop-up).
    ASSERT_TRUE(popupShown());
    orvtest::PumpFor(50);
    ASSERT_TRUE(f.Pager->PopupShowing()) << "the pop-up stays while nothing else is pressed";
    ClickAt(f.Form.get(), f.Form->ClientWidth() - 10, f.Form->ClientHeight() - 10);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !f.Pager->PopupShowing(); }, 1000)) << "a press on the form";
    EXPECT_EQ(f.Pages[0], tb->Parent()) << "the toolbars went back";

    // A press on another window of the program.
    TOwnedPtr<TForm> other(Make<TForm>(nullptr));
    other->SetBounds(700, 60, 200, 150);
    other->Show();
    orvtest::PumpFor(50);
    ASSERT_TRUE(popupShown());
    ClickAt(other.get(), 100, 70);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !f.Pager->PopupShowing(); }, 1000)) << "a press on another window";
    other->Hide();
    SetForegroundWindow(f.Form->Handle());

    // A press on its own tab, and on the caption bar's free part of the row.
    ASSERT_TRUE(popupShown());
    orvtest::PumpFor(700);
    f.ClickTab(0);
    EXPECT_FALSE(f.Pager->PopupShowing()) << "a press on the shown page's tab";
    EXPECT_FALSE(f.Pager->GetExpanded()) << "a single click, not a double one";
    ASSERT_TRUE(popupShown());
    const TRect row = f.Pager->GetTabRowRect();
    ClickAt(f.Pager, f.Pager->Width() - 60, (row.Top + row.Bottom) / 2);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !f.Pager->PopupShowing(); }, 1000)) << "a press on the tab row";

    // A press on another tab shows that page in the pop-up instead.
    ASSERT_TRUE(popupShown());
    f.ClickTab(1);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    EXPECT_TRUE(f.Pager->PopupShowing());
    EXPECT_EQ(f.Pages[1], f.Pager->MinimizedRibbonWindow()->SourcePage());
}

TEST(PagerInput, CtrlF1TogglesTheFirstLoadedPager) {
    TPagerFixture f;
    f.Pager->Loaded();
    ASSERT_TRUE(PagerCtrlF1HookInstalled());
    f.Pages[0]->SetFocus();
    Keys({VK_CONTROL, VK_F1});
    EXPECT_FALSE(f.Pager->GetExpanded());
    Keys({VK_F1});
    EXPECT_FALSE(f.Pager->GetExpanded()) << "F1 alone does nothing";
    Keys({VK_CONTROL, VK_SHIFT, VK_F1});
    EXPECT_FALSE(f.Pager->GetExpanded()) << "not with Shift";
    Keys({VK_CONTROL, VK_F1});
    EXPECT_TRUE(f.Pager->GetExpanded());
    f.Pager->Free();
    EXPECT_FALSE(PagerCtrlF1HookInstalled()) << "removed with its pager";
}

TEST(PagerInput, WheelSwitchesPagesWhileExpanded) {
    TPagerFixture f;
    f.Pager->SetFocus();
    PointAt(f.Pager, 100, 100);
    auto wheel = [](int delta) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        input.mi.mouseData = static_cast<DWORD>(delta);
        SendInput(1, &input, sizeof(INPUT));
        orvtest::PumpFor(40);
    };
    wheel(-120);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    wheel(-120);
    wheel(-120);
    EXPECT_EQ(2, f.Pager->GetActivePageIndex()) << "no wrap";
    wheel(120);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    f.Pager->Collaps();
    wheel(120);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex()) << "collapsed: the wheel does nothing";
}

TEST(PagerInput, NarrowToolBarFormShrinksThePager) {
    SetCursorPos(20, 20);
    TOwnedPtr<TOrvToolBarForm> form(Make<TOrvToolBarForm>(nullptr));
    form->SetBounds(60, 60, 500, 300);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetParent(form.get());
    pager->AddOrvPage(L"Home");
    form->Show();
    orvtest::PumpFor(50);
    EXPECT_EQ(149, pager->Height());
    form->SetWidth(250);
    orvtest::PumpFor(50);
    EXPECT_TRUE(pager->InHideState());
    EXPECT_EQ(27, pager->Height());
    form->SetWidth(500);
    orvtest::PumpFor(50);
    EXPECT_FALSE(pager->InHideState());
    EXPECT_EQ(149, pager->Height());
}

namespace {

// A child of the pager that listens to the style and menu protocol; its class name is
// the application button's, in other letters, so the pager also posts it the glass mode.
class TWinStyleProbe : public TCustomControl, public IWinStyle {
public:
    ORV_CLASS_NAME(TORVSHAPEBUTTON)
    using TCustomControl::TCustomControl;
    void ChangeStyle(bool aWin7, int aStyle) override { Styles.emplace_back(aWin7, aStyle); }
    void ChangeMenu(TColor) override {}
    void UpdateMenu() override { ++Updates; }
    void HideMenu() override { ++Hides; }
    void ShowMenuShortCuts() override {}
    void HideMenuShortCuts() override {}
    std::vector<std::pair<bool, int>> Styles;
    std::vector<WPARAM> GlassPosts;
    int Updates = 0;
    int Hides = 0;

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == RegisteredMessage(L"TBSetAeroVista")) GlassPosts.push_back(m.WParam);
        TCustomControl::WndProc(m);
    }
};

}  // namespace

TEST(PagerInput, ChildrenHearTheScenicSwitchPressesHostMovesAndTheGlassMode) {
    TScenicScope scenic(false);
    TPagerFixture f;
    auto* probe = new TWinStyleProbe(f.Form.get());
    probe->SetBounds(2, 2, 40, 20);
    probe->SetParent(f.Pager);
    ASSERT_EQ(probe, f.Pager->ApplicationButton()) << "found by class name, whatever the case";
    f.Pager->Loaded();  // as after reading a layout
    orvtest::PumpFor(30);

    f.Pager->SetWin7ScenicRibbon(true);
    ASSERT_EQ(1u, probe->Styles.size());
    EXPECT_EQ((std::pair<bool, int>{true, -1}), probe->Styles[0]) << "no linked styler: style -1";
    TOwnedPtr<TOrvToolBarOfficeStyler> styler(Make<TOrvToolBarOfficeStyler>(nullptr));
    styler->SetStyle(bsOffice2010Silver);
    f.Pager->SetToolBarStyler(styler.get());
    f.Pager->SetWin7ScenicRibbon(false);
    ASSERT_FALSE(probe->Styles.empty());
    EXPECT_EQ((std::pair<bool, int>{false, static_cast<int>(tsOffice2010Silver)}), probe->Styles.back());

    f.ClickTab(1);
    EXPECT_EQ(1, probe->Hides) << "a press in the pager hides the menu";
    int updates = probe->Updates;
    f.Form->SetBounds(f.Form->Left() + 10, f.Form->Top(), f.Form->Width(), f.Form->Height());
    orvtest::PumpFor(30);
    EXPECT_GT(probe->Updates, updates) << "the hosting window moved";

    SetGlassOverride(TGlassOverride::goOn);
    f.Pager->GlassChanged(true);
    SetGlassOverride(TGlassOverride::goOff);
    f.Pager->GlassChanged(false);
    SetGlassOverride(TGlassOverride::goNone);
    orvtest::PumpFor(30);
    EXPECT_EQ((std::vector<WPARAM>{1, 0}), probe->GlassPosts);
    f.Pager->SetToolBarStyler(nullptr);
}

TEST(PagerInput, APagerMadeInCodeHearsItsFormMoveAndSizeWithoutALayout) {
    TScenicScope scenic(false);
    TPagerFixture f;  // made in code: no Loaded runs
    auto* probe = new TWinStyleProbe(f.Form.get());
    probe->SetBounds(2, 2, 40, 20);
    probe->SetParent(f.Pager);
    ASSERT_EQ(probe, f.Pager->ApplicationButton());
    orvtest::PumpFor(30);

    int updates = probe->Updates;
    f.Form->SetBounds(f.Form->Left() + 10, f.Form->Top(), f.Form->Width(), f.Form->Height());
    orvtest::PumpFor(30);
    EXPECT_GT(probe->Updates, updates) << "moved by SetBounds";
    updates = probe->Updates;
    SetWindowPos(f.Form->Handle(), nullptr, 90, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    orvtest::PumpFor(30);
    EXPECT_GT(probe->Updates, updates) << "moved by the system";
    updates = probe->Updates;
    SetWindowPos(f.Form->Handle(), nullptr, 0, 0, 660, 320, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    orvtest::PumpFor(30);
    EXPECT_GT(probe->Updates, updates) << "sized by the system";

    // Key tips showing go when the form moves.
    f.Pager->ShowShortCutHint();
    orvtest::PumpFor(30);
    ASSERT_TRUE(f.Pager->ShortCutHintShowing());
    SetWindowPos(f.Form->Handle(), nullptr, 60, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    orvtest::PumpFor(30);
    EXPECT_FALSE(f.Pager->ShortCutHintShowing());
}

TEST(PagerInput, APagerOnAPanelPlacedOnAFormLaterHooksThatForm) {
    TScenicScope scenic(false);
    SetCursorPos(20, 20);
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(60, 60, 640, 300);
    auto* panel = new TPanel(form.get());
    panel->SetBounds(0, 0, 620, 200);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetParent(panel);  // no form above it yet
    pager->AddOrvPage(L"Home");
    auto* probe = new TWinStyleProbe(form.get());
    probe->SetBounds(2, 2, 40, 20);
    probe->SetParent(pager);
    panel->SetParent(form.get());
    form->Show();
    orvtest::PumpFor(60);
    int updates = probe->Updates;
    form->SetBounds(form->Left() + 10, form->Top(), form->Width(), form->Height());
    orvtest::PumpFor(30);
    EXPECT_GT(probe->Updates, updates);
}

TEST(PagerGlass, TheCaptionLayerCoversTheCaptionTheFrameButtonsShowAndTheCornerIsClippedFree) {
    SetCursorPos(20, 20);
    SetGlassOverride(TGlassOverride::goOn);
    TOwnedPtr<TOrvToolBarForm> form(Make<TOrvToolBarForm>(nullptr));
    form->SetBounds(60, 60, 640, 320);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetParent(form.get());
    pager->Caption().SetCaption(L"Document1 - Quillan");
    pager->AddOrvPage(L"Home");
    form->Show();
    orvtest::PumpFor(60);
    SetGlassOverride(TGlassOverride::goNone);
    ASSERT_TRUE(pager->IsAeroVista());

    TCaptionLayer* layer = pager->CaptionLayer();
    ASSERT_NE(nullptr, layer);
    EXPECT_TRUE(layer->GetVisible());
    EXPECT_EQ((TRect{0, 0, pager->Width(), 28}), layer->BoundsRect()) << "the caption rectangle: 27 + 1 high";
    EXPECT_EQ(L"Document1 - Quillan", layer->GetText());
    pager->Caption().SetCaption(L"Other");
    EXPECT_EQ(L"Other", layer->GetText()) << "the caption follows";
    for (TOrvGlowButton* b : {pager->CloseButton(), pager->MaxButton(), pager->MinButton()})
        EXPECT_TRUE(!b || !b->GetVisible()) << "the frame's own buttons show on glass";

    // The window leaves the top-right 100 x 18 to the frame's buttons.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(pager->Handle(), region));
    const int w = pager->Width();
    EXPECT_FALSE(PtInRegion(region, w - 50, 5));
    EXPECT_FALSE(PtInRegion(region, w - 99, 17));
    EXPECT_TRUE(PtInRegion(region, w - 101, 5));
    EXPECT_TRUE(PtInRegion(region, w - 50, 19));
    EXPECT_TRUE(PtInRegion(region, 10, 5));
    // Narrower: the free corner moves with the right edge.
    form->SetWidth(form->Width() - 120);
    orvtest::PumpFor(30);
    const int narrow = pager->Width();
    ASSERT_LT(narrow, w - 100);
    ASSERT_NE(ERROR, GetWindowRgn(pager->Handle(), region));
    EXPECT_FALSE(PtInRegion(region, narrow - 50, 5));
    EXPECT_TRUE(PtInRegion(region, narrow - 101, 5));
    DeleteObject(region);

    SetGlassOverride(TGlassOverride::goOff);
    form->UpdateGlass();
    SetGlassOverride(TGlassOverride::goNone);
    EXPECT_FALSE(pager->IsAeroVista());
    EXPECT_FALSE(layer->GetVisible());
    HRGN none = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, GetWindowRgn(pager->Handle(), none)) << "no region off glass";
    DeleteObject(none);
    ASSERT_NE(nullptr, pager->CloseButton());
    EXPECT_TRUE(pager->CloseButton()->GetVisible());
}

// --- key tips ------------------------------------------------------------------------------------

namespace {

struct TKeyTipFixture : TPagerFixture {
    TKeyTipFixture() : TPagerFixture({L"&Home", L"&Insert", L"&View"}) {
        f().Pages[0]->SetShortCutHint(L"H");
        f().Pages[1]->SetShortCutHint(L"NA");
        f().Pages[2]->SetShortCutHint(L"NB");
        // Something else on the form has the focus, as in a program.
        Edit = new TOrvGlowButton(Form.get());
        Edit->SetBounds(10, 200, 80, 30);
        Edit->SetParent(Form.get());
        Edit->SetFocus();
        orvtest::PumpFor(30);
    }
    TPagerFixture& f() { return *this; }
    TOrvGlowButton* Edit;
    int VisibleTips() {
        int n = 0;
        for (TOrvPage* p : Pages)
            if (p->ShortCutHintWindow() && p->ShortCutHintWindow()->GetVisible()) ++n;
        return n;
    }
};

}  // namespace

TEST(PagerKeyTips, AltReleasedHeldAndAccelerators) {
    TKeyTipFixture f;
    Keys({VK_MENU});
    orvtest::PumpUntil([&] { return f.Pager->ShortCutHintShowing(); }, 500);
    ASSERT_TRUE(f.Pager->ShortCutHintShowing()) << "Alt pressed and released";
    EXPECT_EQ(3, f.VisibleTips());
    EXPECT_TRUE(f.Pager->Focused());
    EXPECT_TRUE(f.Pager->PaintState().Tabs[0].State.PagerFocused) << "the focused pager's active tab looks hot";
    // Placed centred under the tab's bottom edge (shpBottom).
    TShortCutHintWindow* w = f.Pages[0]->ShortCutHintWindow();
    TRect tab = f.Pager->GetTabRect(0);
    TPoint origin = f.Pager->ClientToScreen({tab.Left, tab.Top});
    EXPECT_EQ(origin.X + (tab.Width() - w->Width()) / 2, w->Left());
    EXPECT_EQ(origin.Y + tab.Height() - w->Height() / 2, w->Top());
    Keys({VK_MENU});
    orvtest::PumpFor(100);
    EXPECT_FALSE(f.Pager->ShortCutHintShowing()) << "Alt again hides them";
    EXPECT_EQ(0, f.VisibleTips());

    // Held: they show at 700 ms while Alt is still down.
    f.Edit->SetFocus();
    EXPECT_FALSE(f.Pager->PaintState().Tabs[0].State.PagerFocused) << "the focus went elsewhere";
    Key(VK_MENU, false);
    orvtest::PumpFor(450);
    EXPECT_FALSE(f.Pager->ShortCutHintShowing());
    orvtest::PumpUntil([&] { return f.Pager->ShortCutHintShowing(); }, 800);
    EXPECT_TRUE(f.Pager->ShortCutHintShowing());
    EXPECT_LT(GetAsyncKeyState(VK_MENU), 0) << "still held";
    Key(VK_MENU, true);
    orvtest::PumpFor(50);
    f.Pager->HideShortCutHint();

    // Alt with a caption's accelerator: that page, no key tips.
    f.Edit->SetFocus();
    orvtest::PumpFor(30);
    Keys({VK_MENU, 'V'});
    orvtest::PumpFor(200);
    EXPECT_EQ(2, f.Pager->GetActivePageIndex());
    EXPECT_FALSE(f.Pager->ShortCutHintShowing());
}

TEST(PagerKeyboard, ArrowsWrapDownEntersThePageAndEscapeGoesBack) {
    TKeyTipFixture f;
    TOrvToolBar* tb = f.AddToolBar(f.Pages[0], 120);
    f.Edit->SetTabStop(true);
    f.Pager->SetFocus();
    orvtest::PumpFor(30);
    ASSERT_TRUE(f.Pager->Focused());
    Keys({VK_RIGHT});
    EXPECT_EQ(1, f.Pager->GetActivePageIndex());
    Keys({VK_LEFT});
    Keys({VK_LEFT});
    EXPECT_EQ(2, f.Pager->GetActivePageIndex()) << "Left from the first page wraps to the last";
    Keys({VK_RIGHT});
    EXPECT_EQ(0, f.Pager->GetActivePageIndex()) << "and Right wraps back";

    f.Pager->ShowShortCutHint();
    ASSERT_TRUE(f.Pager->ShortCutHintShowing());
    Keys({VK_DOWN});
    EXPECT_TRUE(tb->Focused()) << "Down: the page's first toolbar takes the focus";
    EXPECT_FALSE(f.Pager->ShortCutHintShowing());

    f.Pager->SetFocus();
    f.Pager->ShowShortCutHint();
    Keys({VK_ESCAPE});
    EXPECT_FALSE(f.Pager->ShortCutHintShowing());
    EXPECT_TRUE(f.Edit->Focused()) << "Escape: the control before the pager in the tab order";
}

TEST(PagerKeyTips, TwoLetterTipsAndTheBeep) {
    TKeyTipFixture f;
    TBeepCounter beep;
    auto* tb = f.AddToolBar(f.Pages[2], 100);
    (void)tb;
    f.Pager->ShowShortCutHint();
    ASSERT_TRUE(f.Pager->ShortCutHintShowing());
    Keys({'N'});
    EXPECT_TRUE(f.Pager->ShortCutHintShowing());
    EXPECT_EQ(nullptr, f.Pages[0]->ShortCutHintWindow()) << "H does not start with N";
    EXPECT_NE(nullptr, f.Pages[1]->ShortCutHintWindow());
    EXPECT_NE(nullptr, f.Pages[2]->ShortCutHintWindow());
    EXPECT_EQ(0, beep.Count);
    Keys({'B'});
    EXPECT_FALSE(f.Pager->ShortCutHintShowing());
    EXPECT_EQ(2, f.Pager->GetActivePageIndex());
    EXPECT_TRUE(f.Pages[2]->ToolBarShortCutHintShowing()) << "the page's toolbars show theirs";
    EXPECT_EQ(0, beep.Count);
    f.Pages[2]->HideShortCutHintOfToolBars();

    f.Pager->ShowShortCutHint();
    Keys({'Q'});
    EXPECT_EQ(1, beep.Count) << "nothing starts with Q";
    EXPECT_FALSE(f.Pager->ShortCutHintShowing()) << "no tip left: the mode ends";
}

// --- regressions -----------------------------------------------------------------------------------

TEST(PagerRegression, GroupRangeBeyondThePagesIsClamped) {
    TPagerFixture f({L"One", L"Two", L"Three"});
    auto* g = static_cast<TTabGroupItem*>(f.Pager->TabGroups().Add());
    g->SetCaption(L"Group");
    g->SetTabIndexStart(0);
    g->SetTabIndexEnd(10);
    f.Pages[0]->SetTabEnabled(false);
    f.Pager->SetActivePageIndex(2);
    TRect r;
    bool edge;
    ASSERT_TRUE(f.Pager->GetTabGroupRect(0, r, edge));
    EXPECT_EQ(f.Pager->GetTabRect(2).Right + 2, r.Right);
    int clicked = -1;
    f.Pager->OnTabGroupClick = [&](TObject*, int group) { clicked = group; };
    ClickAt(f.Pager, r.Left + 10, r.Top + 10);
    EXPECT_EQ(0, clicked);
    EXPECT_EQ(1, f.Pager->GetActivePageIndex()) << "the group's first enabled page";
    auto snapshot = Snapshot(f.Pager);
    EXPECT_EQ(0, f.Pager->TabGroups().GroupOfPage(2));

    auto* reversed = static_cast<TTabGroupItem*>(f.Pager->TabGroups().Add());
    reversed->SetTabIndexStart(2);
    reversed->SetTabIndexEnd(1);
    EXPECT_FALSE(f.Pager->GetTabGroupRect(1, r, edge));
}

TEST(PagerRegression, NoFocusForAPageWithoutToolBars) {
    TKeyTipFixture f;
    f.Pager->ShowShortCutHint();
    Keys({'H'});
    EXPECT_EQ(0, f.Pager->GetActivePageIndex());
    EXPECT_TRUE(f.Pages[0]->ToolBarShortCutHintShowing());
    f.Pages[0]->HideShortCutHintOfToolBars();
    f.Pager->Collaps();
    f.ClickTab(0);
    ASSERT_TRUE(f.Pager->PopupShowing());
    orvtest::PumpFor(50);
    EXPECT_TRUE(f.Pager->PopupShowing()) << "the empty clone takes no focus and the window stays";
}

TEST(PagerValues, GlowSpeedIsTheIntervalOfTheNextTabGlow) {
    TPagerFixture f;
    EXPECT_EQ(30u, GlowSpeed) << "at start";
    TOrvToolBarPager::SetGlowSpeed(45);
    f.Pages[1]->StartGlow(gsHover);
    ASSERT_NE(nullptr, f.Pages[1]->GlowTimer());
    EXPECT_EQ(45u, f.Pages[1]->GlowTimer()->GetInterval());
    f.Pages[1]->StopGlow();
    TOrvToolBarPager::SetGlowSpeed(30);
}

TEST(PagerRegression, GlowTimerIsStoppedNotFreedInItsTick) {
    TPagerFixture f;
    TOrvPage* page = f.Pages[1];
    page->StartGlow(gsPush);
    TTimer* timer = page->GlowTimer();
    ASSERT_NE(nullptr, timer);
    int components = TComponent::LiveCount();
    int running = TTimer::LiveTimers();
    orvtest::PumpUntil([&] { return !page->GlowRunning(); }, 2000);
    ASSERT_FALSE(page->GlowRunning());
    EXPECT_EQ(gsNone, page->GlowState());
    EXPECT_EQ(timer, page->GlowTimer()) << "the same timer, stopped";
    EXPECT_FALSE(timer->GetEnabled());
    EXPECT_EQ(components, TComponent::LiveCount()) << "not freed in its tick";
    EXPECT_EQ(running - 1, TTimer::LiveTimers());
    page->StartGlow(gsHover);
    EXPECT_EQ(timer, page->GlowTimer()) << "reused by the next run";
    EXPECT_TRUE(page->GlowRunning());
}

TEST(PagerRegression, FormClosedWhileThePopupShowsFreesEachToolBarOnce) {
    int liveBefore = TComponent::LiveCount();
    {
        TPagerFixture f;
        auto* a = f.AddToolBar(f.Pages[0], 100);
        auto* b = f.AddToolBar(f.Pages[0], 80);
        (void)a;
        (void)b;
        f.Pager->Collaps();
        f.ClickTab(0);
        ASSERT_TRUE(f.Pager->PopupShowing());
        f.Form->Close();
        orvtest::PumpFor(30);
    }
    orvtest::PumpFor(30);
    EXPECT_EQ(liveBefore, TComponent::LiveCount());
}
