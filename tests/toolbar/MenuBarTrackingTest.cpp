// A menu bar driven by real input: the open menu (a temporary popup holding the item's
// sub-items), moving to the next button by pointer and keys, the place of the menu near
// the monitor's edges, the keyboard menu mode, and the cleanup when something raises.
#include "MenuBarTestSupport.h"
#include "framework/Exception.h"
#include "framework/SystemFont.h"

using namespace orv;
using namespace menubartest;

using Captions = std::vector<std::wstring>;

namespace {

// File (Open, Recent > A B, Save), Edit (Copy, Paste), Help without sub-items.
struct TThreeMenus : TMenuBar {
    TMenuItem* File;
    TMenuItem* Edit;
    TMenuItem* Help;
    TMenuItem* Recent;
    int Opened = 0;
    int HelpRuns = 0;
    explicit TThreeMenus(TRect bounds = {100, 100, 600, 400}) : TMenuBar(bounds) {
        File = Top(L"&File");
        Edit = Top(L"&Edit");
        Help = Top(L"&Help");
        Help->OnClick = [this](TObject*) { ++HelpRuns; };
        Sub(File, L"Open", [this](TObject*) { ++Opened; });
        Recent = Sub(File, L"Recent");
        Sub(Recent, L"A");
        Sub(Recent, L"B");
        Sub(File, L"Save");
        Sub(Edit, L"Copy");
        Sub(Edit, L"Paste");
        Bar->SetMenu(Menu);
        Show();
    }
    TOrvToolBarMenuButton* Button(int i) const { return Buttons()[static_cast<size_t>(i)]; }
    std::vector<std::wstring> Shown() const {
        return Bar->TempMenu() ? Items(Bar->TempMenu()->Items()) : std::vector<std::wstring>{};
    }
};

}  // namespace

TEST_F(MenuBarTest, PressingAButtonShowsItsSubItemsWithTheFirstSelectedAndPutsThemBack) {
    TThreeMenus m;
    Captions shown, fileWhileOpen;
    bool window = false, displayed = false;
    int hooks = 0;
    TScript script({[&] {
                        shown = m.Shown();
                        fileWhileOpen = TMenuBar::Items(m.File);
                        window = ShownMenuWindow() != nullptr;
                        displayed = m.Button(0)->GetMenuDisplayed();
                        hooks = ThreadHookLiveCount();
                    },
                    // The first item was selected when the menu opened: Enter runs it.
                    [] { Tap(VK_RETURN); }});
    Click(m.Button(0), 6, 6);
    m.WaitClosed();
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(window);
    EXPECT_EQ(shown, (Captions{L"Open", L"Recent", L"Save"}));
    EXPECT_TRUE(fileWhileOpen.empty()) << "moved into the temporary menu";
    EXPECT_TRUE(displayed);
    EXPECT_GE(hooks, 1);
    EXPECT_EQ(m.Opened, 1);
    EXPECT_EQ(TMenuBar::Items(m.File), (Captions{L"Open", L"Recent", L"Save"})) << "back home, in order";
    EXPECT_EQ(m.Bar->TempMenu(), nullptr);
    EXPECT_FALSE(m.Button(0)->GetMenuDisplayed());
    EXPECT_EQ(m.Bar->LastMenuButton(), m.Button(0));
}

TEST_F(MenuBarTest, MovingThePointerOverTheNextButtonSwitchesMenus) {
    TThreeMenus m;
    Captions first, second, fileHome;
    TOrvCustomToolBarButton* open = nullptr;
    bool fileDisplayed = true, window = false;
    TOrvToolBarMenuButton* edit = m.Button(1);
    TScript script({[&] { first = m.Shown(); }, [&] { MoveTo(edit, edit->Width() / 2, edit->Height() / 2); }, [] {},
                    [&] {
                        second = m.Shown();
                        open = m.Bar->MenuButton();
                        fileHome = TMenuBar::Items(m.File);
                        fileDisplayed = m.Button(0)->GetMenuDisplayed();
                        window = ShownMenuWindow() != nullptr;
                    },
                    [] { Tap(VK_ESCAPE); }});
    Click(m.Button(0), 6, 6);
    orvtest::PumpUntil([&] { return script.Done(); }, 4000);
    m.WaitClosed();
    EXPECT_EQ(first, (Captions{L"Open", L"Recent", L"Save"}));
    EXPECT_EQ(second, (Captions{L"Copy", L"Paste"}));
    EXPECT_EQ(open, edit);
    EXPECT_EQ(fileHome, (Captions{L"Open", L"Recent", L"Save"})) << "the first menu's items went home";
    EXPECT_FALSE(fileDisplayed);
    EXPECT_TRUE(window);
    EXPECT_EQ(TMenuBar::Items(m.Edit), (Captions{L"Copy", L"Paste"}));
    EXPECT_EQ(m.Opened, 0) << "switching chose nothing";
}

TEST_F(MenuBarTest, RightOnAnItemWithoutSubMenuMovesOnAndLeftOnTheTopLevelMovesBack) {
    TThreeMenus m;
    std::vector<TOrvCustomToolBarButton*> open;
    auto record = [&] { open.push_back(m.Bar->MenuButton()); };
    TScript script({record, [] { Tap(VK_RIGHT); },  // Open has no sub-menu
                    record, [] { Tap(VK_LEFT); },   // the top level of Edit's menu
                    record, [] { Tap(VK_DOWN); },   // Recent
                    [] { Tap(VK_RIGHT); },          // opens Recent, stays in File
                    record, [] { Tap(VK_RIGHT); },  // A has no sub-menu
                    record, [] { Tap(VK_ESCAPE); }});
    Click(m.Button(0), 6, 6);
    orvtest::PumpUntil([&] { return script.Done(); }, 5000);
    m.WaitClosed();
    std::vector<TOrvCustomToolBarButton*> expected{m.Button(0), m.Button(1), m.Button(0), m.Button(0), m.Button(1)};
    EXPECT_EQ(open, expected);
    EXPECT_EQ(TMenuBar::Items(m.Recent), (Captions{L"A", L"B"}));
    EXPECT_EQ(TMenuBar::Items(m.File).size(), 3u);
}

TEST_F(MenuBarTest, RightOntoAButtonWithoutAMenuMakesItHotInTheMenuModeWhereEnterRunsIt) {
    TThreeMenus m;
    bool inLoop = false;
    TControl* hot = nullptr;
    int runsWhileHot = -1;
    TScript script({[] { Tap(VK_RIGHT); },         // Open: on to Edit
                    [] {}, [] { Tap(VK_RIGHT); },  // Copy: on to Help, which has no menu
                    [] {},
                    [&] {
                        inLoop = m.Bar->InMenuLoop();
                        hot = m.Bar->HotControl();
                        runsWhileHot = m.HelpRuns;
                    },
                    [] { Tap(VK_RETURN); }});
    Click(m.Button(0), 6, 6);
    orvtest::PumpUntil([&] { return script.Done() && !m.Bar->InMenuLoop(); }, 5000);
    m.WaitClosed();
    EXPECT_TRUE(inLoop);
    EXPECT_EQ(hot, m.Button(2));
    EXPECT_EQ(runsWhileHot, 0) << "reaching it runs nothing";
    EXPECT_EQ(m.HelpRuns, 1) << "Enter runs it";
    EXPECT_FALSE(m.Bar->InMenuLoop());
}

TEST_F(MenuBarTest, ClickingTheOpenButtonClosesItsMenuWithoutOpeningItAgain) {
    TThreeMenus m;
    TOrvToolBarMenuButton* file = m.Button(0);
    bool shownBefore = false, shownAfter = true;
    TScript script({[&] { shownBefore = ShownMenuWindow() != nullptr; }, [&] { Click(file, 6, 6); }, [] {}, [] {},
                    [&] { shownAfter = ShownMenuWindow() != nullptr || m.Bar->MenuDropped(); },
                    // A menu opened again is closed here, so the test ends either way.
                    [] { EndMenu(); }});
    Click(file, 6, 6);
    orvtest::PumpUntil([&] { return script.Done(); }, 4000);
    m.WaitClosed();
    EXPECT_TRUE(shownBefore);
    EXPECT_FALSE(shownAfter);
    EXPECT_FALSE(file->GetMenuDisplayed());
    EXPECT_EQ(file->State(), absUp) << "released";
}

TEST_F(MenuBarTest, AMenuNearTheMonitorsBottomOpensAboveAndEnds52PixelsShortOfItsRightEdge) {
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    TThreeMenus m({screenW - 140, screenH - 90, screenW, screenH});
    TOrvToolBarMenuButton* file = m.Button(0);
    RECT menuRect{};
    int itemsHeight = 0;
    TScript script({[&] {
                        HWND w = ShownMenuWindow();
                        if (w) GetWindowRect(w, &menuRect);
                        HMENU menu = m.Bar->TempMenu() ? m.Bar->TempMenu()->Items()->CurrentHandle() : nullptr;
                        for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
                            RECT r{};
                            GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r);
                            itemsHeight += r.bottom - r.top;
                        }
                    },
                    [] { Tap(VK_ESCAPE); }});
    Click(file, 6, 6);
    m.WaitClosed();
    TPoint top = file->ClientToScreen({0, 0});
    ASSERT_GT(menuRect.bottom, menuRect.top) << "the menu showed";
    ASSERT_GT(itemsHeight, 0);
    // Above: its items end 4 pixels above the button (the window's frame adds a little).
    EXPECT_EQ(menuRect.top, top.Y - 4 - itemsHeight);
    EXPECT_LT(menuRect.left, top.X) << "moved left";
    // The items are as wide as the widest one measures; the menu starts that far and
    // 52 pixels before the monitor's right edge.
    int widest = 0;
    {
        TWindowDC dc(nullptr);
        TCanvas canvas;
        canvas.SetHandle(dc.Get());
        InitRecordFont(canvas.Font(), TSystemFont::Menu);
        for (int i = 0; i < m.File->Count(); ++i) {
            int w = 0, h = 0;
            m.File->Items(i)->MeasureItem(canvas, w, h);
            widest = std::max(widest, w);
        }
        canvas.SetHandle(nullptr);
    }
    EXPECT_EQ(menuRect.left, screenW - 52 - widest);
}

TEST_F(MenuBarTest, AltMakesTheFirstButtonHotAndLeftAndRightWrapAtTheEnds) {
    TThreeMenus m;
    std::vector<TControl*> hot;
    bool inLoop = false;
    auto record = [&] { hot.push_back(m.Bar->HotControl()); };
    TScript script({[&] {
                        inLoop = m.Bar->InMenuLoop();
                        record();
                    },
                    [] { Tap(VK_LEFT); }, record, [] { Tap(VK_RIGHT); }, record, [] { Tap(VK_RIGHT); }, record,
                    [] { Tap(VK_ESCAPE); }});
    Tap(VK_MENU);
    orvtest::PumpUntil([&] { return script.Done() && !m.Bar->InMenuLoop(); }, 4000);
    EXPECT_TRUE(inLoop);
    std::vector<TControl*> expected{m.Button(0), m.Button(2), m.Button(0), m.Button(1)};
    EXPECT_EQ(hot, expected);
    EXPECT_FALSE(m.Bar->InMenuLoop());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(m.Button(1)->PropHot()) << "leaving takes the hot mark away";
}

TEST_F(MenuBarTest, TheMenuLoopAnswersWhetherAnItemWasChosenWithEnter) {
    TThreeMenus m;
    {
        // Enter drops the hot button's menu, whose first item is selected: Enter runs it.
        TScript script({[] { Tap(VK_RETURN); }, [] {}, [] { Tap(VK_RETURN); }});
        EXPECT_TRUE(m.Bar->MenuLoop());
        EXPECT_EQ(m.Opened, 1);
        m.WaitClosed();
    }
    {
        TScript script({[] { Tap(VK_ESCAPE); }});
        EXPECT_FALSE(m.Bar->MenuLoop());
    }
    {
        // Escape in a dropped menu returns to the mode with its button hot.
        TControl* hotAfterEscape = nullptr;
        TScript script({[] { Tap(VK_RETURN); }, [] { Tap(VK_ESCAPE); },
                        [&] { hotAfterEscape = m.Bar->InMenuLoop() ? m.Bar->HotControl() : nullptr; },
                        [] { Tap(VK_ESCAPE); }});
        EXPECT_FALSE(m.Bar->MenuLoop());
        EXPECT_EQ(hotAfterEscape, m.Button(0));
    }
    {
        // Enter on a button without a menu runs its item.
        TScript script({[] { Tap(VK_LEFT); }, [] { Tap(VK_RETURN); }});
        EXPECT_TRUE(m.Bar->MenuLoop());
        EXPECT_EQ(m.HelpRuns, 1);
    }
    EXPECT_EQ(m.Opened, 1);
    m.WaitClosed();
}

TEST_F(MenuBarTest, InTheMenuModeALetterDropsItsButtonAndAltClosesMenuAndMode) {
    TThreeMenus m;
    TOrvCustomToolBarButton* open = nullptr;
    bool modeWithMenu = false, modeAfterAlt = true;
    TScript script({[] { Tap('E'); },
                    [&] {
                        open = m.Bar->MenuButton();
                        modeWithMenu = m.Bar->InMenuLoop();
                    },
                    [] { Tap(VK_MENU); }, [] {},
                    [&] {
                        modeAfterAlt = m.Bar->InMenuLoop();
                        // Should the mode still run, it ends here.
                        m.Bar->LeaveMenuMode();
                    }});
    EXPECT_FALSE(m.Bar->MenuLoop());
    orvtest::PumpUntil([&] { return script.Done(); }, 3000);
    m.WaitClosed();
    EXPECT_EQ(open, m.Button(1));
    EXPECT_TRUE(modeWithMenu);
    EXPECT_FALSE(modeAfterAlt) << "Alt in the open menu ends the mode too";
    EXPECT_EQ(m.Opened, 0);
}

TEST_F(MenuBarTest, AltAgainLeavesTheMenuModeAndItsReleaseDoesNotStartItAgain) {
    TThreeMenus m;
    bool first = false, afterSecond = true;
    TScript script({[&] { first = m.Bar->InMenuLoop(); }, [] { Tap(VK_MENU); }, [] {},
                    [&] {
                        afterSecond = m.Bar->InMenuLoop();
                        m.Bar->LeaveMenuMode();
                    }});
    Tap(VK_MENU);
    orvtest::PumpUntil([&] { return script.Done(); }, 3000);
    orvtest::PumpFor(50);
    EXPECT_TRUE(first);
    EXPECT_FALSE(afterSecond);
    EXPECT_EQ(m.Bar->HotControl(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuBarTest, ACommandThatFreesTheFormEndsMenuAndModeCleanly) {
    auto* m = new TThreeMenus;
    TMenuItem* open = m->File->Items(0);
    open->OnClick = [m](TObject*) { m->Form.reset(); };
    TScript script({[] { Tap(VK_RETURN); }, [] {}, [] { Tap(VK_RETURN); }});
    EXPECT_FALSE(m->Bar->MenuLoop()) << "the bar went with its form";
    EXPECT_EQ(m->Form, nullptr);
    delete m;
    orvtest::PumpFor(100);
    EXPECT_EQ(ThreadHookLiveCount(), 0);
    EXPECT_EQ(ShownMenuWindow(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuBarTest, AltWithAButtonsMnemonicDropsThatButtonsMenu) {
    TThreeMenus m;
    TOrvCustomToolBarButton* open = nullptr;
    TScript script({[&] { open = m.Bar->MenuButton(); }, [] { Tap(VK_ESCAPE); }, [] { Tap(VK_ESCAPE); }});
    glowtest::Keys({VK_MENU, 'E'});
    orvtest::PumpUntil([&] { return script.Done() && !m.Bar->InMenuLoop(); }, 4000);
    m.WaitClosed();
    EXPECT_EQ(open, m.Button(1));
    EXPECT_FALSE(m.Bar->InMenuLoop());
}

// Mended: with no button that could be hot (disabled, or hidden for lack of room on a
// docked bar) Alt does not start a mode that nothing could show or end.
TEST_F(MenuBarTest, NoMenuModeWithoutAButtonToMakeHot) {
    for (bool hidden : {true, false}) {
        TThreeMenus m;
        if (hidden) {
            m.Bar->SetAutoSize(false);
            m.Bar->SetBounds(0, 0, 24, 26);
        } else {
            for (TOrvToolBarMenuButton* b : m.Buttons()) b->SetEnabled(false);
        }
        orvtest::PumpFor(50);
        bool inLoop = true;
        int hooks = -1;
        TScript script({[&] {
                            inLoop = m.Bar->InMenuLoop();
                            hooks = ThreadHookLiveCount();
                            if (inLoop) m.Bar->LeaveMenuMode();
                        },
                        // Alt went on to the system's own keyboard menu: leave it.
                        [] { Tap(VK_ESCAPE); }});
        Tap(VK_MENU);
        orvtest::PumpUntil([&] { return script.Done(); }, 2000);
        EXPECT_FALSE(inLoop) << (hidden ? "hidden for room" : "disabled");
        EXPECT_EQ(hooks, 0);
        // Asked directly, the loop does not run either (a step ends it if it does).
        bool loopRan = false;
        {
            TScript guard({[&] {
                loopRan = m.Bar->InMenuLoop();
                m.Bar->LeaveMenuMode();
            }});
            EXPECT_FALSE(m.Bar->MenuLoop());
        }
        EXPECT_FALSE(loopRan);
        EXPECT_NE(GetCapture(), m.Bar->Handle());
    }
}

// Mended: Left and Right look once round the bar; with nothing to take the hot mark the
// mode stays where it is instead of searching for ever.
TEST_F(MenuBarTest, ArrowKeysWithNoButtonToTakeTheHotMarkLeaveItWhereItIs) {
    TThreeMenus m;
    TControl* hot = nullptr;
    bool answered = false;
    TScript script({[&] {
                        for (TOrvToolBarMenuButton* b : m.Buttons()) b->SetEnabled(false);
                    },
                    [] { Tap(VK_RIGHT); }, [] { Tap(VK_LEFT); },
                    [&] {
                        answered = true;
                        hot = m.Bar->HotControl();
                    },
                    [] { Tap(VK_ESCAPE); }});
    EXPECT_FALSE(m.Bar->MenuLoop());
    EXPECT_TRUE(answered);
    EXPECT_EQ(hot, m.Button(0));
}

// Mended: the hook goes and the sub-items go home also when the chosen item's click or
// the popup itself raises.
TEST_F(MenuBarTest, HooksGoAndSubItemsGoHomeWhenAClickOrThePopupRaises) {
    TThreeMenus m;
    orvtest::TExceptionReports reports;
    m.File->Items(0)->OnClick = [](TObject*) { throw EInvalidOperation(L"open failed"); };
    TScript script({[] { Tap(VK_RETURN); }});
    Click(m.Button(0), 6, 6);
    m.WaitClosed();
    ASSERT_EQ(reports.Messages().size(), 1u);
    EXPECT_EQ(reports.Messages()[0], "open failed");
    EXPECT_EQ(ThreadHookLiveCount(), 0);
    EXPECT_EQ(TMenuBar::Items(m.File), (Captions{L"Open", L"Recent", L"Save"}));
    EXPECT_EQ(m.Bar->TempMenu(), nullptr);
    EXPECT_FALSE(m.Bar->MenuDropped());
    EXPECT_FALSE(m.Button(0)->GetMenuDisplayed());

    // A drop-down menu whose popup event raises.
    auto* dropDown = Make<TOrvPopupMenu>(m.Form.get());
    dropDown->AddItem(L"Item");
    dropDown->OnPopup = [](TObject*) { throw EInvalidOperation(L"popup failed"); };
    m.Button(1)->SetDropDownMenu(dropDown);
    Click(m.Button(1), 6, 6);
    m.WaitClosed();
    ASSERT_EQ(reports.Messages().size(), 2u);
    EXPECT_EQ(reports.Messages()[1], "popup failed");
    EXPECT_EQ(ThreadHookLiveCount(), 0);
    EXPECT_FALSE(m.Bar->MenuDropped());

    // Afterwards the bar opens menus as before.
    m.File->Items(0)->OnClick = [&m](TObject*) { ++m.Opened; };
    TScript again({[] { Tap(VK_RETURN); }});
    Click(m.Button(0), 6, 6);
    m.WaitClosed();
    EXPECT_EQ(m.Opened, 1);
}
