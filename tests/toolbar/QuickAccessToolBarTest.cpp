// The quick access toolbar: its rectangles, layout and overflow as values; the real
// strip on a pager with mouse input (overflow window, application icon, full size).
#include <string>

#include "buttons/GlowButtonTestSupport.h"
#include "framework/Exception.h"
#include "framework/Hooks.h"
#include "framework/ImageList.h"
#include "hints/ShortCutHintWindow.h"
#include "paint/OrvLook.h"
#include "toolbar/ControlSelectorPanel.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvDWM.h"
#include "toolbar/OrvQuickAccessToolBar.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvVistaButton.h"

using namespace orv;
using glowtest::ClickAt;
using glowtest::PointAt;

namespace {

// A shown form with a pager and a quick access toolbar on it.
struct TQatFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvToolBarPager* Pager = nullptr;
    TOrvQuickAccessToolBar* Qat = nullptr;
    explicit TQatFixture(int width = 500) {
        SetCursorPos(20, 20);
        Form->SetBounds(80, 80, width, 300);
        Pager = new TOrvToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Qat = new TOrvQuickAccessToolBar(Form.get());
        Qat->SetParent(Pager);
        Form->Show();
        SetForegroundWindow(Form->Handle());
        orvtest::PumpFor(50);
    }
    ~TQatFixture() {
        SetCursorPos(20, 20);
        EXPECT_EQ(ThreadHookLiveCount(), 0) << "no hook is left behind";
    }
    // A glow button dropped on the strip at the far right, so it lands last.
    TOrvGlowButton* Add(int width = 30) {
        auto* b = new TOrvGlowButton(Form.get());
        b->SetBounds(1000, 0, width, 20);
        b->SetParent(Qat);
        return b;
    }
    // The strip at a given width without the pager sizing it (its caption hidden).
    void FreeWidth(int width) {
        Pager->Caption().SetVisible(false);
        Qat->SetBounds(0, 0, width, 25);
    }
};

// Tells whether a watched component was freed.
class TComponentWatch : public TComponent {
public:
    using TComponent::TComponent;
    void Watch(TComponent* c) {
        c->FreeNotification(this);
        FFreed = false;
    }
    bool Freed() const { return FFreed; }
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == TOperation::opRemove) FFreed = true;
    }

private:
    bool FFreed = false;
};

std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(QuickAccessGeometry, RectanglesWithAndWithoutTheScenicFlagAndFullSize) {
    TQuickAccessGeometry g;
    g.Client = {0, 0, 100, 25};
    // Off the scenic mode: 16 pixels (button 14 + gap 2) off the right, 3 off the top.
    EXPECT_EQ(QuickAccessFrameRect(g), (TRect{0, 3, 84, 25}));
    EXPECT_EQ(QuickAccessContentRect(g), (TRect{14, 3, 72, 24})) << "left = 25 div 2 + 2, right - 12, bottom - 1";
    EXPECT_EQ(QuickAccessOverflowButtonRect(g), (TRect{86, 1, 100, 25}));
    g.Scenic = true;
    EXPECT_EQ(QuickAccessFrameRect(g), (TRect{-1, 1, 101, 25}));
    EXPECT_EQ(QuickAccessContentRect(g), (TRect{14, 1, 89, 24}));
    EXPECT_EQ(QuickAccessOverflowButtonRect(g), (TRect{76, 1, 100, 25})) << "10 further in";
    g.FullSize = true;
    g.Client = {0, 0, 400, 25};
    EXPECT_EQ(QuickAccessFrameRect(g), (TRect{0, 0, 400, 25}));
    EXPECT_EQ(QuickAccessContentRect(g), (TRect{4, 0, 396, 24}));
}

TEST(QuickAccessToolBar, AnEmptyStripInTheCaptionIsSixtyWideAndTheCaptionsHeightLessTwo) {
    TQatFixture f;
    EXPECT_EQ(f.Qat->Width(), 60);
    EXPECT_EQ(f.Qat->Height(), f.Pager->Caption().GetHeight() - 2);
    EXPECT_EQ(f.Qat->Top() + f.Qat->Height(), f.Pager->Caption().GetHeight()) << "ends at the caption's bottom";
    // Two buttons of 30: 60 + insets 14 + 12 + button and gap 16 = 102.
    f.Add();
    f.Add();
    EXPECT_EQ(f.Qat->Width(), 102);
    EXPECT_EQ(f.Qat->ControlList().Count(), 2);
    EXPECT_EQ(f.Qat->ControlList()[0]->Left(), 14);
    EXPECT_EQ(f.Qat->ControlList()[1]->Left(), 44);
}

TEST(QuickAccessToolBar, OverflowMovesTheFirstButtonThatPassesTheRightAndAllAfterItToTheHiddenList) {
    TQatFixture f;
    TOrvGlowButton* b[5];
    for (auto*& button : b) button = f.Add();
    // Width 120: content right 120 - 16 - 12 = 92; buttons end at 44, 74, 104, ...
    f.FreeWidth(120);
    ASSERT_EQ(f.Qat->ControlList().Count(), 2);
    EXPECT_EQ(f.Qat->ControlList()[0], b[0]);
    EXPECT_EQ(f.Qat->ControlList()[1], b[1]);
    ASSERT_EQ(f.Qat->HiddenControlList().Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.Qat->HiddenControlList()[i], b[2 + i]) << "in their order";
    for (int i = 2; i < 5; ++i) EXPECT_EQ(b[i]->Top(), -b[i]->Height() - 2) << "out of sight";
    ASSERT_NE(f.Qat->ScrollButton(), nullptr);
    EXPECT_TRUE(f.Qat->ScrollButton()->GetVisible());
    EXPECT_EQ(f.Qat->ScrollButton()->Left(), 120 - 14) << "at the overflow button's place";
    EXPECT_EQ(f.Qat->ScrollButton()->GetArrowStyle(), asDouble);

    // Back one at a time, each only when it fits whole: 74 + 30 needs a right of 104.
    f.FreeWidth(131);
    EXPECT_EQ(f.Qat->HiddenControlList().Count(), 3) << "room 29 of 30";
    f.FreeWidth(132);
    EXPECT_EQ(f.Qat->HiddenControlList().Count(), 2) << "room 30: the first hidden comes back";
    EXPECT_EQ(f.Qat->HiddenControlList()[0], b[3]);
    EXPECT_EQ(b[2]->Left(), 74);
    EXPECT_EQ(b[2]->Top(), 3 + (21 - 20) / 2) << "back in the content rectangle";
    f.FreeWidth(200);
    EXPECT_TRUE(f.Qat->HiddenControlList().Empty());
    EXPECT_EQ(f.Qat->ControlList().Count(), 5);
    EXPECT_FALSE(f.Qat->ScrollButton()->GetVisible()) << "the overflow button goes with the last one back";
}

TEST(QuickAccessToolBar, TheCustomizeButtonHidesDuringOverflowAndShowsInTheWindowAfterTheHiddenButtons) {
    TQatFixture f;
    TOrvGlowButton* b[4];
    for (auto*& button : b) button = f.Add();
    f.FreeWidth(200);
    f.Qat->SetShowCustomizeOption(true);
    TOrvVistaButton* customize = f.Qat->CustomizeButton();
    ASSERT_NE(customize, nullptr);
    EXPECT_TRUE(customize->GetVisible());
    EXPECT_EQ(customize->Left(), 200 - 14) << "at the right end without the scenic flag";
    EXPECT_EQ(customize->Width(), 14);
    EXPECT_EQ(customize->GetScrollArrow(), saBottom);
    EXPECT_EQ(customize->GetArrowStyle(), asWithLine);

    f.FreeWidth(120);
    ASSERT_EQ(f.Qat->HiddenControlList().Count(), 2);
    EXPECT_FALSE(customize->GetVisible()) << "hidden while an overflow exists";

    f.Qat->ShowOverflowWindow();
    ASSERT_NE(f.Qat->OverflowWindow(), nullptr);
    TControlSelectorPanel* panel = f.Qat->OverflowWindowPanel();
    ASSERT_EQ(panel->ControlList().Count(), 3);
    EXPECT_EQ(panel->ControlList()[0], b[2]);
    EXPECT_EQ(panel->ControlList()[1], b[3]);
    EXPECT_EQ(panel->ControlList()[2], customize) << "after the hidden buttons";
    EXPECT_TRUE(customize->GetVisible());
    EXPECT_FALSE(panel->GetShowAddAndRemoveBtn());
    EXPECT_FALSE(panel->ShowsOptions());
    f.Qat->HideOverflowWindow();
    EXPECT_EQ(b[2]->Parent(), f.Qat) << "the borrowed buttons went home";
    EXPECT_EQ(customize->Parent(), f.Qat);
    EXPECT_FALSE(customize->GetVisible()) << "still out of the strip while the overflow lasts";
    EXPECT_EQ(f.Qat->HiddenControlList().Count(), 2);

    f.Qat->SetShowCustomizeOption(false);
    EXPECT_EQ(customize->Width(), 0);
    EXPECT_EQ(customize->Height(), 0);
}

TEST(QuickAccessToolBar, ImageListsChangeTheHeightByTheirDifference) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    auto* qat = new TOrvQuickAccessToolBar(form.get());
    auto* small = new TImageList(form.get());
    small->SetSize(16, 16);
    auto* large = new TImageList(form.get());
    large->SetSize(24, 24);
    EXPECT_EQ(qat->Height(), 25);
    qat->SetImages(small);
    EXPECT_EQ(qat->Height(), 25) << "no previous list: no change";
    qat->SetImages(large);
    EXPECT_EQ(qat->Height(), 33) << "+ 24 - 16";
    qat->SetImages(nullptr);
    EXPECT_EQ(qat->Height(), 9) << "shrinks by the old list's height";
    qat->SetImages(small);
    large->Free();
    EXPECT_EQ(qat->GetImages(), small);
    small->Free();
    EXPECT_EQ(qat->GetImages(), nullptr) << "a freed list is forgotten";
}

TEST(QuickAccessToolBar, EndUpdateWithoutBeginUpdateStaysAtZeroAndLaysOut) {
    TQatFixture f;
    f.Qat->BeginUpdate();
    EXPECT_EQ(f.Qat->UpdateCount(), 1);
    TOrvGlowButton* b = f.Add();
    EXPECT_EQ(b->Left(), 1000) << "nothing is positioned while updating";
    f.Qat->EndUpdate();
    EXPECT_EQ(f.Qat->UpdateCount(), 0);
    EXPECT_EQ(b->Left(), 14);
    f.Qat->EndUpdate();
    EXPECT_EQ(f.Qat->UpdateCount(), 0) << "not below 0";
    b->SetBounds(300, 0, 30, 20);
    f.Qat->EndUpdate();
    EXPECT_EQ(b->Left(), 14) << "a surplus EndUpdate still lays out";
    f.Qat->BeginUpdate();
    EXPECT_EQ(f.Qat->UpdateCount(), 1);
    f.Qat->EndUpdate();

    f.Qat->SetVisible(false);
    f.Qat->BeginUpdate();
    EXPECT_EQ(f.Qat->UpdateCount(), 0) << "BeginUpdate does nothing while hidden";
    f.Qat->EndUpdate();
    EXPECT_EQ(f.Qat->UpdateCount(), 0);
}

TEST(QuickAccessToolBar, EndUpdateOfAStripHiddenWhileUpdatingThawsItAndKeepsItHidden) {
    TQatFixture f;
    f.Add();
    f.Qat->BeginUpdate();
    f.Qat->BeginUpdate();
    f.Qat->SetVisible(false);
    f.Qat->EndUpdate();
    f.Qat->EndUpdate();
    EXPECT_EQ(f.Qat->UpdateCount(), 0) << "counted down while hidden";
    EXPECT_FALSE(IsWindowVisible(f.Qat->Handle())) << "redrawing on does not show the hidden strip";
    f.Qat->SetVisible(true);
    TOrvGlowButton* late = f.Add();
    EXPECT_EQ(late->Left(), 44) << "the strip lays out again: it is not frozen";
    EXPECT_TRUE(IsWindowVisible(f.Qat->Handle()));
}

TEST(QuickAccessToolBar, KeyTipsMatchIgnoringCaseHideWhatNoLongerMatchesAndActivateAFullMatch) {
    TQatFixture f;
    TOrvGlowButton* ab = f.Add();
    TOrvGlowButton* ac = f.Add();
    TOrvGlowButton* x = f.Add();
    TOrvGlowButton* off = f.Add();
    ab->SetShortCutHint(L"AB");
    ac->SetShortCutHint(L"AC");
    x->SetShortCutHint(L"X");
    off->SetShortCutHint(L"AD");
    off->SetEnabled(false);
    int clicks = 0, offClicks = 0;
    ac->OnClick = [&](TObject*) { ++clicks; };
    off->OnClick = [&](TObject*) { ++offClicks; };
    f.Qat->ShowShortCutHints();
    EXPECT_NE(ab->ShortCutHintWindow(), nullptr);
    EXPECT_NE(x->ShortCutHintWindow(), nullptr);
    EXPECT_EQ(off->ShortCutHintWindow(), nullptr) << "a disabled button shows no tip";

    int remaining = 0;
    EXPECT_FALSE(f.Qat->MatchShortCutHint(L"a", remaining));
    EXPECT_EQ(remaining, 3) << "AB, AC and AD still start with it";
    EXPECT_TRUE(ab->ShortCutHintWindow() && ab->ShortCutHintWindow()->IsHintVisible());
    EXPECT_TRUE(!x->ShortCutHintWindow() || !x->ShortCutHintWindow()->IsHintVisible()) << "X no longer matches";

    remaining = 0;
    EXPECT_TRUE(f.Qat->MatchShortCutHint(L"ad", remaining)) << "a full match of a disabled button still ends it";
    EXPECT_EQ(offClicks, 0);
    remaining = 0;
    EXPECT_TRUE(f.Qat->MatchShortCutHint(L"aC", remaining));
    EXPECT_EQ(clicks, 1) << "the matching button clicked";
    EXPECT_EQ(f.Qat->MatchShortCutHint(L"Q"), IToolBarKeyTips::kmNone);
    EXPECT_EQ(f.Qat->MatchShortCutHint(L"A"), IToolBarKeyTips::kmCandidate);
    f.Qat->HideShortCutHints();
}

TEST(QuickAccessToolBar, OnlyAPagerIsAValidParent) {
    TQatFixture f;
    EXPECT_EQ(MessageOf([&] { f.Qat->SetParent(f.Form.get()); }), "Invalid Parent");
    EXPECT_EQ(f.Qat->Parent(), f.Pager) << "the parent is not changed";
    auto* loose = new TOrvQuickAccessToolBar(f.Form.get());
    EXPECT_EQ(MessageOf([&] { loose->SetParent(nullptr); }), "no error");
    EXPECT_EQ(MessageOf([&] { loose->SetParent(f.Pager); }), "no error");
    EXPECT_EQ(f.Pager->QuickAccessToolBar(), loose) << "the pager knows the last one inserted";
}

TEST(QuickAccessToolBar, NarrowingThePagerFillsTheOverflowAndAClickInTheWindowRunsTheButtonAndClosesIt) {
    TQatFixture f(700);
    TOrvGlowButton* b[8];
    int clicks[8] = {};
    for (int i = 0; i < 8; ++i) {
        b[i] = f.Add(40);
        b[i]->OnClick = [&clicks, i](TObject*) { ++clicks[i]; };
    }
    orvtest::PumpFor(30);
    EXPECT_TRUE(f.Qat->HiddenControlList().Empty()) << "700 wide: all fit";
    f.Form->SetBounds(80, 80, 330, 300);
    orvtest::PumpFor(30);
    ASSERT_FALSE(f.Qat->HiddenControlList().Empty()) << "narrowed: an overflow";
    const int hidden = f.Qat->HiddenControlList().Count();
    TControl* first = f.Qat->HiddenControlList()[0];
    const TRect content = f.Qat->ContentRect();
    for (TControl* c : f.Qat->ControlList()) EXPECT_LE(c->Left() + c->Width(), content.Right);
    EXPECT_EQ(f.Qat->HiddenControlList()[hidden - 1], b[7]) << "the last button is hidden";

    TOrvVistaButton* scroll = f.Qat->ScrollButton();
    ASSERT_TRUE(scroll && scroll->GetVisible());
    ClickAt(f.Qat, scroll->Left() + scroll->Width() / 2, scroll->Top() + scroll->Height() / 2);
    orvtest::PumpFor(50);
    TOptionSelectorWindow* window = f.Qat->OverflowWindow();
    ASSERT_TRUE(window && window->GetVisible()) << "the overflow button's press opened the window";
    EXPECT_EQ(GetAncestor(window->Handle(), GA_PARENT), GetDesktopWindow()) << "a top-level pop-up";
    EXPECT_EQ(window->Owner(), f.Qat) << "the strip's pop-up";
    EXPECT_EQ(GetWindow(window->Handle(), GW_OWNER), f.Form->Handle()) << "owned through the strip's window";
    EXPECT_EQ(f.Qat->OverflowWindowPanel()->ControlList().Count(), hidden);
    TPoint under = f.Pager->ClientToScreen({f.Qat->Left() + f.Qat->Width() - 12, f.Qat->Top() + f.Qat->Height() + 1});
    EXPECT_EQ(window->Left(), under.X);
    EXPECT_EQ(window->Top(), under.Y);
    EXPECT_EQ(first->Parent(), f.Qat->OverflowWindowPanel());

    int index = 0;
    while (b[index] != first) ++index;
    ClickAt(first, first->Width() / 2, first->Height() / 2);
    orvtest::PumpFor(50);
    EXPECT_EQ(clicks[index], 1) << "the button in the window ran";
    EXPECT_FALSE(window->GetVisible()) << "and closed the window";
    EXPECT_EQ(first->Parent(), f.Qat) << "home again";
    EXPECT_FALSE(scroll->GetDown());
    EXPECT_EQ(f.Qat->HiddenControlList().Count(), hidden);
}

TEST(QuickAccessToolBar, FreeingTheStripWhileItsOverflowShowsFreesTheBorrowedButtonsWithIt) {
    TOwnedPtr<TComponentWatch> watchOwner(Make<TComponentWatch>(nullptr));
    TComponentWatch& watch = *watchOwner;
    {
        TQatFixture f;
        TOrvGlowButton* b[4];
        for (auto*& button : b) button = f.Add();
        f.FreeWidth(120);
        ASSERT_EQ(f.Qat->HiddenControlList().Count(), 2);
        f.Qat->ShowOverflowWindow();
        ASSERT_EQ(b[3]->Parent(), f.Qat->OverflowWindowPanel());
        watch.Watch(b[3]);
        f.Qat->Free();
        EXPECT_TRUE(watch.Freed()) << "went home first and was freed with the strip, not left without a parent";
    }
}

namespace {

// Closes the system menu as soon as it shows and tells that it did.
class TSystemMenuCloser {
public:
    TSystemMenuCloser() {
        Seen() = false;
        FTimer = SetTimer(nullptr, 0, 15, &Tick);
    }
    ~TSystemMenuCloser() { KillTimer(nullptr, FTimer); }
    static bool& Seen() {
        static bool seen = false;
        return seen;
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu && IsWindowVisible(menu)) {
            Seen() = true;
            EndMenu();
        }
    }
    UINT_PTR FTimer;
};

// The scenic flag for one test.
struct TScenic {
    bool Saved = ScenicRibbonMode;
    TScenic() { ScenicRibbonMode = true; }
    ~TScenic() { ScenicRibbonMode = Saved; }
};

}  // namespace

TEST(QuickAccessToolBar, TheIconOpensTheSystemMenuAndAQuickSecondClickClosesTheFormThroughTheCloseQuery) {
    TScenic scenic;
    TQatFixture f;
    f.Qat->UpdateAppIcon();
    TAppIconGlowButton* icon = f.Qat->AppIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->GetVisible());
    EXPECT_EQ(icon->Parent(), f.Qat);
    EXPECT_EQ(icon->BoundsRect(), Bounds(0, 5, 16, 16));
    EXPECT_EQ(f.Qat->ControlList().IndexOf(icon), -1) << "the icon is no command control";
    int queries = 0;
    bool allow = false;
    f.Form->OnCloseQuery = [&](TObject*, bool& canClose) {
        ++queries;
        canClose = allow;
    };
    {
        TSystemMenuCloser closer;
        ClickAt(icon, 8, 8);
        orvtest::PumpFor(30);
        EXPECT_TRUE(TSystemMenuCloser::Seen()) << "the first click opened the system menu";
    }
    EXPECT_EQ(queries, 0);
    ClickAt(icon, 8, 8);
    orvtest::PumpFor(50);
    EXPECT_EQ(queries, 1) << "the quick second click asked the close query";
    EXPECT_TRUE(f.Form->GetVisible()) << "which kept the form open";

    orvtest::PumpFor(350);
    {
        TSystemMenuCloser closer;
        ClickAt(icon, 8, 8);
        orvtest::PumpFor(30);
        EXPECT_TRUE(TSystemMenuCloser::Seen()) << "after 300 ms a click opens the menu again";
    }
    allow = true;
    ClickAt(icon, 8, 8);
    orvtest::PumpFor(50);
    EXPECT_EQ(queries, 2);
    EXPECT_FALSE(f.Form->GetVisible()) << "closed";
}

TEST(QuickAccessToolBar, AQuickSecondClickOnTheMainFormsIconAsksTheCloseQueryAndAVetoKeepsTheProgramRunning) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    TScenic scenic;
    TOwnedPtr<TForm> form(Application->CreateForm<TForm>());
    ASSERT_EQ(Application->MainForm(), form.get());
    form->SetBounds(80, 80, 500, 300);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetParent(form.get());
    auto* qat = new TOrvQuickAccessToolBar(form.get());
    qat->SetParent(pager);
    form->Show();
    SetForegroundWindow(form->Handle());
    orvtest::PumpFor(50);
    qat->UpdateAppIcon();
    int queries = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) {
        ++queries;
        canClose = false;
    };
    {
        TSystemMenuCloser closer;
        ClickAt(qat->AppIcon(), 8, 8);
        orvtest::PumpFor(30);
    }
    ClickAt(qat->AppIcon(), 8, 8);
    orvtest::PumpFor(50);
    EXPECT_EQ(queries, 1);
    EXPECT_FALSE(Application->Terminated()) << "the veto keeps the program running";
    EXPECT_TRUE(form->GetVisible());
    form.reset();
    SetCursorPos(20, 20);
}

TEST(QuickAccessToolBar, FullSizeWithTheScenicFlagPutsTheIconOnTheFormAndTheStripBelowThePages) {
    TScenic scenic;
    TQatFixture f;
    f.Add();
    f.Qat->UpdateAppIcon();
    const int pagerHeight = f.Pager->Height();
    const int q = f.Pager->Caption().GetHeight() - 2;
    f.Pager->SetShowQATBelow(true);
    EXPECT_TRUE(f.Pager->GetShowQATBelow());
    EXPECT_EQ(f.Pager->Height(), pagerHeight + q) << "the pager grows by the strip's height";
    EXPECT_EQ(f.Qat->BoundsRect(), (TRect{2, f.Pager->Height() - q, f.Pager->Width() - 2, f.Pager->Height()}));
    EXPECT_EQ(f.Pager->GetPageRect().Bottom, f.Pager->Height() - q - 1) << "the page ends above it (edge inset 0)";
    TAppIconGlowButton* icon = f.Qat->AppIcon();
    EXPECT_EQ(icon->Parent(), f.Form.get()) << "the icon moves to the form";
    EXPECT_EQ(icon->BoundsRect(), Bounds(6, 7, 16, 16));
    EXPECT_EQ(f.Qat->ControlList()[0]->Left(), 4) << "full size: no room kept for the icon";

    f.Qat->SetVisible(false);
    EXPECT_EQ(f.Pager->Height(), pagerHeight) << "hiding the full-size strip gives the height back";
    f.Qat->SetVisible(true);
    EXPECT_EQ(f.Pager->Height(), pagerHeight + q);
    f.Pager->SetShowQATBelow(false);
    EXPECT_EQ(f.Pager->Height(), pagerHeight);
    EXPECT_EQ(icon->Parent(), f.Qat) << "back in the caption";
    EXPECT_EQ(icon->BoundsRect(), Bounds(0, 5, 16, 16));
}

TEST(QuickAccessToolBar, OnGlassAReferenceButtonIsInvalidatedEveryOtherPaintUntilAMoveOffAToolBarForm) {
    SetGlassOverride(TGlassOverride::goOn);
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(80, 80, 400, 300);
    auto* qat = new TOrvQuickAccessToolBar(form.get());
    SetGlassOverride(TGlassOverride::goNone);
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetParent(form.get());
    qat->SetParent(pager);
    EXPECT_TRUE(qat->IsAeroVista()) << "a first parent keeps glass";
    EXPECT_TRUE(qat->IsAeroVista());
    ASSERT_NE(qat->RefGlowButton(), nullptr);
    EXPECT_EQ(qat->RefGlowButton()->BoundsRect(), Bounds(0, 0, 1, 1));
    EXPECT_TRUE(qat->ControlStyle() & csParentBackground);
    EXPECT_FALSE(qat->GetDoubleBuffered());
    EXPECT_EQ(qat->ControlList().IndexOf(qat->RefGlowButton()), -1);
    const bool first = qat->RefToggle();
    TBitmap bmp(60, 25);
    qat->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp.Canvas().Handle()), 0);
    EXPECT_NE(qat->RefToggle(), first);
    qat->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp.Canvas().Handle()), 0);
    EXPECT_EQ(qat->RefToggle(), first) << "it alternates";

    auto* other = new TOrvToolBarPager(form.get());
    other->SetParent(form.get());
    qat->SetParent(other);
    EXPECT_FALSE(qat->IsAeroVista()) << "moved to a pager off a toolbar form: glass off for good";
    EXPECT_FALSE(qat->ControlStyle() & csParentBackground);
    EXPECT_TRUE(qat->GetDoubleBuffered());
}

TEST(QuickAccessToolBar, ButtonsAddedWhileAnOverflowExistsJoinItAtTheEndInTheirOrder) {
    TQatFixture f;
    f.FreeWidth(120);
    TOrvGlowButton* b[5];
    for (auto*& button : b) button = f.Add();
    ASSERT_EQ(f.Qat->HiddenControlList().Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.Qat->HiddenControlList()[i], b[2 + i]);
    f.FreeWidth(200);
    ASSERT_EQ(f.Qat->ControlList().Count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.Qat->ControlList()[i], b[i]) << "back in the order they were added";
}
