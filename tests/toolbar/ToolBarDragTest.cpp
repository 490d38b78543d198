// Dragging docked and floating toolbars with the real pointer: along a row and past a
// neighbour, across rows, out of the dock (27 pixels pull, 26 do not), onto another
// panel, by the floating caption and back; the loop's end on a quit message; the
// caption's close button; the right handle's option window after a dock shortened a
// toolbar. Steps run from a thread timer, since the drag holds the thread in its loop.
#include <gtest/gtest.h>

#include "../buttons/GlowButtonTestSupport.h"
#include "MenuBarTestSupport.h"
#include "TestSupport.h"
#include "framework/Screen.h"
#include "menus/OrvMenus.h"
#include "toolbar/ControlSelectorPanel.h"
#include "toolbar/FloatingWindow.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBar.h"

using namespace orv;
using glowtest::ClickAt;
using glowtest::PointAt;
using menubartest::TScript;

namespace {

// The real pointer to a screen point, without waiting.
void MoveScreen(TPoint p) {
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (p.X * 65536 + cx / 2) / cx;
    input.mi.dy = (p.Y * 65536 + cy / 2) / cy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    // The absolute scale may round to a neighbouring pixel: the last move is exact.
    POINT now;
    if (GetCursorPos(&now) && (now.x != p.X || now.y != p.Y)) SetCursorPos(p.X, p.Y);
}

void Button(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
}

TPoint Offset(TPoint p, int dx, int dy) {
    return {p.X + dx, p.Y + dy};
}

// A shown form in the foreground with a top dock panel; toolbars without controls are
// 74 long (60 + 14) and 26 thick.
struct TDragScene {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvDockPanel* Top;
    explicit TDragScene(int clientWidth = 500) {
        SetCursorPos(20, 20);
        Form->SetBounds(150, 150, clientWidth + 20, 400);
        Form->SetClientWidth(clientWidth);
        Top = Panel(daTop);
    }
    ~TDragScene() {
        Button(MOUSEEVENTF_LEFTUP);
        orvtest::PumpFor(20);
        SetCursorPos(20, 20);
    }
    TOrvDockPanel* Panel(TDockAlign align) {
        auto* panel = new TOrvDockPanel(Form.get());
        panel->SetAlign(align);
        panel->SetParent(Form.get());
        return panel;
    }
    TOrvToolBar* Bar(TOrvDockPanel* panel, int buttons = 0) {
        auto* bar = new TOrvToolBar(Form.get());
        for (int i = 0; i < buttons; ++i) {
            auto* b = new TOrvGlowButton(Form.get());
            b->SetBounds(0, 0, 30, 22);
            b->SetParent(bar);
        }
        bar->SetParent(panel);
        return bar;
    }
    void Show() {
        Form->Show();
        SetForegroundWindow(Form->Handle());
        orvtest::PumpFor(60);
    }
    // Presses at (x, y) of the toolbar, runs the steps (the pointer moves they make
    // reach the drag loop) and releases; returns when the drag is over.
    void Drag(TOrvCustomToolBar* bar, int x, int y, std::vector<std::function<void()>> steps) {
        PointAt(bar, x, y);
        steps.push_back([] { Button(MOUSEEVENTF_LEFTUP); });
        TScript script(std::move(steps), 60);
        Button(MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(orvtest::PumpUntil([&] { return script.Done() && !bar->Dragging(); }, 6000));
        orvtest::PumpFor(30);
        EXPECT_EQ(GetCapture(), nullptr) << "the drag gave the capture back";
    }
};

// The grip of a docked toolbar; the middle of a floating toolbar's caption.
constexpr int kGripX = 4, kGripY = 13;

}  // namespace

TEST(ToolBarDrag, ByTheGripAlongTheRowAndPastANeighbourWithinFivePixels) {
    TDragScene s;
    TOrvToolBar* a = s.Bar(s.Top);
    TOrvToolBar* b = s.Bar(s.Top);
    s.Top->Rows().MoveToolBarToRow(b, 0);
    s.Show();
    ASSERT_EQ(b->Left(), 79);
    // Requests are the pointer's place in the panel less the pressed 4 pixels.
    auto at = [&](int panelX) { return s.Top->ClientToScreen({panelX + kGripX, 1 + kGripY}); };
    int duringLeft = 0, afterSevenLeft = 0, afterSevenIndex = -1;
    bool dragging = false;
    s.Drag(b, kGripX, kGripY,
           {[&] { MoveScreen(at(179)); },
            [&] {
                duringLeft = b->Left();
                dragging = b->Dragging() && GetCapture() == b->Handle();
                MoveScreen(at(10));  // 7 pixels from a's left: a has nothing to give, no exchange
            },
            [&] {
                afterSevenLeft = b->Left();
                afterSevenIndex = s.Top->Rows().Items(0)->ToolBarList().IndexOf(b);
                MoveScreen(at(8));  // within 5 pixels: they change places
            }});
    EXPECT_TRUE(dragging) << "the toolbar tracks the pointer with the capture";
    EXPECT_EQ(duringLeft, 179) << "free room: it follows the pointer";
    EXPECT_EQ(afterSevenLeft, 79) << "stopped against a";
    EXPECT_EQ(afterSevenIndex, 1);
    EXPECT_EQ(s.Top->Rows().Items(0)->ToolBarList().IndexOf(b), 0) << "exchanged";
    EXPECT_EQ(b->Left(), 3);
    EXPECT_EQ(a->Left(), 79);
    EXPECT_EQ(s.Top->RowCount(), 1);
    EXPECT_EQ(b->GetToolBarState(), tsDocked);
}

TEST(ToolBarDrag, UpFourPixelsMakesARowAboveSevenMoreJoinsTheRowAboveAndDownFourMakesARowAfter) {
    TDragScene s;
    TOrvToolBar* first = s.Bar(s.Top);
    TOrvToolBar* a = s.Bar(s.Top);
    TOrvToolBar* b = s.Bar(s.Top);
    s.Top->Rows().MoveToolBarToRow(b, 1);
    s.Show();
    ASSERT_EQ(s.Top->RowCount(), 2);
    ASSERT_EQ(b->Top(), 28);
    TPoint grip = b->ClientToScreen({kGripX, kGripY});
    int rowsAfterFour = 0, rowOfBAfterFour = -1, rowOfAAfterFour = -1, rowsAfterSix = 0;
    int rowOfBAfterSeven = -1, rowsAfterSeven = 0;
    s.Drag(b, kGripX, kGripY,
           {[&] { MoveScreen(Offset(grip, 0, -kGripY - 4)); },  // 4 above the toolbar
            [&] {
                rowsAfterFour = s.Top->RowCount();
                rowOfBAfterFour = b->GetRow();
                rowOfAAfterFour = a->GetRow();
                MoveScreen(Offset(grip, 0, -kGripY - 6));  // alone in its row now: 6 changes nothing
            },
            [&] {
                rowsAfterSix = s.Top->RowCount();
                MoveScreen(Offset(grip, 0, -kGripY - 7));  // into the first row
            },
            [&] {
                rowOfBAfterSeven = b->GetRow();
                rowsAfterSeven = s.Top->RowCount();
                // 4 below its toolbar in the first row (now 1 .. 27): a row after it.
                MoveScreen(s.Top->ClientToScreen({kGripX + 100, 1 + 26 + 4}));
            }});
    EXPECT_EQ(rowsAfterFour, 3);
    EXPECT_EQ(rowOfBAfterFour, 1) << "a new row above its old one";
    EXPECT_EQ(rowOfAAfterFour, 2);
    EXPECT_EQ(rowsAfterSix, 3);
    EXPECT_EQ(rowOfBAfterSeven, 0);
    EXPECT_EQ(rowsAfterSeven, 2) << "its emptied row went";
    EXPECT_EQ(b->GetRow(), 1) << "a new row after the first";
    EXPECT_EQ(first->GetRow(), 0);
    EXPECT_EQ(a->GetRow(), 2);
    EXPECT_EQ(s.Top->RowCount(), 3);
    EXPECT_EQ(b->Top(), 28);
    EXPECT_EQ(s.Top->Height(), 82);
}

TEST(ToolBarDrag, PulledOutBeyondTwentySixPixelsItFloatsUnlessOnCanFloatRefuses) {
    TDragScene s;
    TOrvToolBar* bar = s.Bar(s.Top, 3);
    s.Show();
    ASSERT_EQ(s.Top->Height(), 28);
    auto below = [&](int pixels) { return s.Top->ClientToScreen({60, 28 + pixels}); };
    int asked = 0;
    bool allow = false;
    bar->OnCanFloat = [&](TObject* sender, bool& canFloat) {
        EXPECT_EQ(sender, bar);
        EXPECT_TRUE(canFloat) << "starts true";
        ++asked;
        canFloat = allow;
    };
    int undocked = 0;
    bar->OnUnDocked = [&](TObject*) { ++undocked; };
    // Refused: docked however far the pointer goes.
    s.Drag(bar, kGripX, kGripY, {[&] { MoveScreen(below(27)); }, [&] { MoveScreen(below(90)); }});
    EXPECT_GE(asked, 1);
    EXPECT_EQ(bar->GetToolBarState(), tsDocked);
    EXPECT_EQ(bar->Parent(), s.Top);
    EXPECT_EQ(undocked, 0);

    allow = true;
    asked = 0;
    bool floatingAt26 = true;
    TPoint windowAt27{}, windowAfterMove{};
    s.Drag(bar, kGripX, kGripY,
           {[&] { MoveScreen(below(26)); },
            [&] {
                floatingAt26 = bar->FloatingWindow() != nullptr;
                MoveScreen(below(27));
            },
            [&] {
                if (TFloatingWindow* w = bar->FloatingWindow()) windowAt27 = {w->Left(), w->Top()};
                MoveScreen(Offset(below(27), 40, 30));
            },
            [&] {
                if (TFloatingWindow* w = bar->FloatingWindow()) windowAfterMove = {w->Left(), w->Top()};
            }});
    EXPECT_FALSE(floatingAt26) << "26 pixels do not pull it out";
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(undocked, 1);
    ASSERT_NE(bar->FloatingWindow(), nullptr);
    EXPECT_EQ(bar->GetToolBarState(), tsFloating);
    EXPECT_EQ(s.Top->OrvToolBarCount(), 0);
    EXPECT_EQ(windowAt27.X, below(27).X) << "floats with its corner at the pointer";
    EXPECT_EQ(windowAt27.Y, below(27).Y);
    // Then the pressed point stays under the pointer: the toolbar sits 3 pixels inside.
    EXPECT_EQ(windowAfterMove.X, below(27).X + 40 - 3 - kGripX);
    EXPECT_EQ(windowAfterMove.Y, below(27).Y + 30 - 3 - kGripY);
    EXPECT_TRUE(bar->FloatingWindow()->GetVisible());
}

TEST(ToolBarDrag, AVerticalDockExchangesTheAxes) {
    TDragScene s;
    TOrvDockPanel* left = s.Panel(daLeft);
    TOrvToolBar* bar = s.Bar(left, 2);
    s.Show();
    ASSERT_EQ(bar->GetPosition(), daLeft);
    ASSERT_EQ(bar->Top(), 3);
    // Its row is as thick as the toolbar (buttons 30 wide and 4 more), the panel 3 more.
    const int w = left->Width();
    ASSERT_EQ(w, 1 + 30 + 4 + 1 + 1);
    // The grip is at the top of a vertical toolbar.
    auto at = [&](int x, int y) { return left->ClientToScreen({x, y}); };
    int topDuring = 0;
    bool floatingAt26 = true;
    s.Drag(bar, 13, kGripX,
           {[&] { MoveScreen(at(14, 107)); },
            [&] {
                topDuring = bar->Top();
                MoveScreen(at(w + 26, 107));
            },
            [&] {
                floatingAt26 = bar->FloatingWindow() != nullptr;
                MoveScreen(at(w + 27, 107));
            }});
    EXPECT_EQ(topDuring, 103) << "down the column by the pointer's move";
    EXPECT_FALSE(floatingAt26);
    EXPECT_EQ(bar->GetToolBarState(), tsFloating) << "27 pixels beside the panel";
    EXPECT_EQ(bar->GetPosition(), daTop) << "floats horizontal";
    EXPECT_EQ(left->OrvToolBarCount(), 0);
}

TEST(ToolBarDrag, ByTheFloatingCaptionThePressedPointStaysUnderThePointerAndAPanelTakesItBack) {
    TDragScene s;
    TOrvToolBar* other = s.Bar(s.Top);
    TOrvToolBar* bar = s.Bar(s.Top, 3);
    s.Show();
    bar->SetToolBarFloating({500, 400});
    TFloatingWindow* window = bar->FloatingWindow();
    ASSERT_NE(window, nullptr);
    int docked = 0;
    bar->OnDocked = [&](TObject*, TOrvDockPanel* panel) {
        EXPECT_EQ(panel, s.Top);
        ++docked;
    };
    const TPoint press = bar->ClientToScreen({20, 8});
    TPoint moved{};
    TCursor cursor = crDefault;
    bool stillDragging = false;
    int leftInDock = 0, leftAfterMove = 0;
    // Into the panel's rectangle, which reaches 15 pixels below it (28 high).
    const int y = 28 + 10;
    s.Drag(bar, 20, 8,
           {[&] { MoveScreen(Offset(press, -40, 30)); },
            [&] {
                moved = {window->Left(), window->Top()};
                cursor = Screen->GetCursor();
                MoveScreen(s.Top->ClientToScreen({200, y}));
            },
            [&] {
                stillDragging = bar->Dragging() && GetCapture() == bar->Handle();
                MoveScreen(s.Top->ClientToScreen({220, y}));
            },
            [&] {
                leftInDock = bar->Left();
                MoveScreen(s.Top->ClientToScreen({280, y}));
            },
            [&] { leftAfterMove = bar->Left(); }});
    EXPECT_EQ(moved.X, 500 - 40);
    EXPECT_EQ(moved.Y, 400 + 30);
    EXPECT_EQ(cursor, crSizeAll) << "moving a floating toolbar";
    EXPECT_EQ(Screen->GetCursor(), crDefault) << "reset at the end";
    EXPECT_EQ(docked, 1);
    EXPECT_EQ(bar->FloatingWindow(), nullptr) << "its window was freed";
    EXPECT_EQ(bar->Parent(), s.Top);
    EXPECT_EQ(bar->GetToolBarState(), tsDocked);
    EXPECT_TRUE(stillDragging) << "the capture survived the re-parenting";
    EXPECT_EQ(leftAfterMove - leftInDock, 60) << "the drag went on in the dock";
    EXPECT_EQ(s.Top->OrvToolBarCount(), 2);
    (void)other;
}

TEST(ToolBarDrag, OntoAnotherPanelUnlessDockedToItsParentPanelOnly) {
    for (TDockMode mode : {dmAll, dmAllParentDockPanels, dmParentDockPanelOnly}) {
        SCOPED_TRACE(mode);
        TDragScene s;
        TOrvDockPanel* bottom = s.Panel(daBottom);
        TOrvToolBar* bar = s.Bar(s.Top, 2);
        TOrvToolBar* stays = s.Bar(s.Top);
        bar->SetDockMode(mode);
        s.Show();
        TOrvDockPanel* dockedInto = nullptr;
        bar->OnDocked = [&](TObject*, TOrvDockPanel* panel) { dockedInto = panel; };
        bool capturedInBottom = false;
        int leftInBottom = 0;
        s.Drag(bar, kGripX, kGripY,
               {[&] {
                    MoveScreen(bottom->ClientToScreen({100, 1}));
                },
                [&] {
                    capturedInBottom = bar->Parent() == bottom && GetCapture() == bar->Handle();
                    MoveScreen(bottom->ClientToScreen({100, 5}));
                },
                [&] {
                    leftInBottom = bar->Left();
                    MoveScreen(bottom->ClientToScreen({150, 5}));
                }});
        if (mode == dmParentDockPanelOnly) {
            EXPECT_EQ(bottom->OrvToolBarCount(), 0) << "refused: only its own panel";
            EXPECT_EQ(bar->GetToolBarState(), tsFloating);
            EXPECT_EQ(dockedInto, nullptr);
        } else {
            EXPECT_EQ(bar->Parent(), bottom);
            EXPECT_EQ(bar->CurrentDock(), bottom);
            EXPECT_EQ(bar->LastDock(), bottom);
            EXPECT_EQ(dockedInto, bottom);
            EXPECT_EQ(bar->GetPosition(), daBottom);
            EXPECT_TRUE(capturedInBottom);
            EXPECT_EQ(bar->Left() - leftInBottom, 50) << "dragged on along the bottom row";
            EXPECT_EQ(s.Top->OrvToolBarCount(), 1);
        }
        EXPECT_EQ(stays->Parent(), s.Top);
    }
}

TEST(ToolBarDrag, WithoutAllowFloatingOrWhenLockedItStaysDocked) {
    TDragScene s;
    TOrvDockPanel* bottom = s.Panel(daBottom);
    TOrvToolBar* bar = s.Bar(s.Top, 2);
    s.Show();
    bar->SetAllowFloating(false);
    s.Drag(bar, kGripX, kGripY, {[&] { MoveScreen(bottom->ClientToScreen({100, 1})); }});
    EXPECT_EQ(bar->Parent(), s.Top) << "not pulled out at all";
    bar->SetAllowFloating(true);
    bar->SetLocked(true);
    int left = bar->Left();
    s.Drag(bar, kGripX, kGripY, {[&] { MoveScreen(bottom->ClientToScreen({100, 1})); }});
    EXPECT_EQ(bar->Parent(), s.Top);
    EXPECT_EQ(bar->Left(), left);
    EXPECT_FALSE(bar->Dragging());
}

TEST(ToolBarDrag, TheDragLoopEndsOnAQuitMessageReleasesTheCaptureAndPostsTheQuitAgain) {
    TDragScene s;
    TOrvToolBar* bar = s.Bar(s.Top);
    s.Show();
    PointAt(bar, kGripX, kGripY);
    bool draggingAfterQuit = true;
    HWND captureAfterQuit = nullptr;
    TScript script({[&] {
                        MoveScreen(bar->ClientToScreen({kGripX + 30, kGripY}));
                    },
                    [] { PostQuitMessage(7); },
                    [&] {
                        draggingAfterQuit = bar->Dragging();
                        captureAfterQuit = GetCapture();
                        Button(MOUSEEVENTF_LEFTUP);
                    }},
                   80);
    Button(MOUSEEVENTF_LEFTDOWN);
    // The outer loop of the program: it must see the quit message once the drag ends.
    int quitCode = -1;
    auto start = GetTickCount();
    while (!script.Done() && GetTickCount() - start < 4000) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quitCode = static_cast<int>(msg.wParam);
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    orvtest::PumpFor(30);
    EXPECT_FALSE(draggingAfterQuit) << "the quit ended the drag";
    EXPECT_EQ(captureAfterQuit, nullptr) << "and released the capture";
    EXPECT_EQ(quitCode, 7) << "posted again for the outer loop";
}

TEST(ToolBarDrag, TheCaptionCloseButtonDocksBackWithAutoDockOnCloseElseHidesAndRaisesOnClose) {
    TDragScene s;
    TOrvToolBar* bar = s.Bar(s.Top, 2);
    TOrvToolBar* back = s.Bar(s.Top, 2);
    s.Show();
    bar->SetToolBarFloating({400, 400});
    back->SetToolBarFloating({400, 500});
    back->SetAutoDockOnClose(true);
    int closed = 0;
    bar->OnClose = [&](TObject* sender) {
        EXPECT_EQ(sender, bar);
        ++closed;
    };
    back->OnClose = [&](TObject*) { ++closed; };
    TFloatingWindow* window = bar->FloatingWindow();
    ASSERT_NE(window, nullptr);
    // Hot and pressed buttons fill with the menu styler's root item colours.
    menus::TCustomOrvMenuStyler* menuStyler = bar->CurrentToolBarStyler()->CurrentOrvMenuStyler();
    ASSERT_NE(menuStyler, nullptr);
    const TColor hover = RGB(10, 180, 40), selected = RGB(200, 30, 90);
    menuStyler->RootItem().SetHoverColor(hover);
    menuStyler->RootItem().SetSelectedColor(selected);
    TRect close = bar->GetCloseButtonRect();
    TRect option = bar->GetOptionButtonRect();
    ASSERT_FALSE(close.IsEmpty());
    ASSERT_FALSE(option.IsEmpty());
    auto pixel = [&](const TRect& r) { return glowtest::Snapshot(bar)->PixelColor(r.Left + 1, r.Top + 1); };
    EXPECT_NE(pixel(close), hover);
    PointAt(bar, option.Left + 4, option.Top + 4);
    EXPECT_TRUE(bar->OptionButtonHot());
    EXPECT_EQ(pixel(option), hover);
    EXPECT_NE(pixel(close), hover);
    // The option button opens the option window (here with its "Add or Remove Buttons").
    bar->SetAutoOptionMenu(true);
    ClickAt(bar, option.Left + 4, option.Top + 4);
    ASSERT_NE(bar->OptionWindow(), nullptr);
    EXPECT_TRUE(bar->OptionWindow()->GetVisible());
    bar->HideOptionWindow();
    PointAt(bar, close.Left + 4, close.Top + 4);
    EXPECT_TRUE(bar->CloseButtonHot());
    EXPECT_EQ(pixel(close), hover);
    EXPECT_NE(pixel(option), hover);
    glowtest::LeftDown();
    EXPECT_TRUE(bar->CloseButtonDown());
    EXPECT_EQ(pixel(close), selected);
    EXPECT_TRUE(bar->GetVisible()) << "the press alone closes nothing";
    glowtest::LeftUp();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(bar->GetVisible());
    EXPECT_FALSE(window->GetVisible());
    EXPECT_EQ(bar->FloatingWindow(), window) << "hidden, not freed";

    TRect backClose = back->GetCloseButtonRect();
    ClickAt(back, backClose.Left + 4, backClose.Top + 4);
    EXPECT_EQ(closed, 1) << "docking back is no closing";
    EXPECT_EQ(back->Parent(), s.Top);
    EXPECT_EQ(back->GetToolBarState(), tsDocked);
    EXPECT_EQ(back->FloatingWindow(), nullptr);
    EXPECT_TRUE(back->GetVisible());
}

TEST(ToolBarDrag, ShortenedByItsDockTheLeastRecentlyUsedGoesAndTheRightHandleBringsItBack) {
    TDragScene s(300);
    TOrvToolBar* bar = s.Bar(s.Top);
    std::vector<TOrvGlowButton*> b;
    for (int i = 0; i < 4; ++i) {
        b.push_back(new TOrvGlowButton(s.Form.get()));
        b.back()->SetBounds(0, 0, 50, 22);
        b.back()->SetParent(bar);
    }
    s.Show();
    ASSERT_EQ(bar->Width(), 9 + 4 * 50 + 14);
    ClickAt(b[3], 25, 11);  // the last one is used: the third is the least recently used now
    ASSERT_EQ(bar->RecentlyUsedControls()[0], b[3]);
    // Row 1 .. 159: 154 long, 154 - 14 - 9 = 131 pixels hold two buttons.
    s.Form->SetClientWidth(160);
    ASSERT_EQ(s.Top->Width(), 160);
    EXPECT_EQ(bar->Width(), 154);
    ASSERT_EQ(bar->HiddenControlCount(), 2);
    EXPECT_EQ(bar->HiddenControls()[0], b[2]);
    EXPECT_EQ(bar->HiddenControls()[1], b[1]);
    ClickAt(bar, bar->Width() - 7, 13);  // the right handle
    ASSERT_NE(bar->OptionWindow(), nullptr);
    ASSERT_TRUE(bar->OptionWindow()->GetVisible());
    EXPECT_EQ(b[2]->Parent(), bar->OptionWindow()->ControlSelector()) << "offered in the option window";
    ClickAt(b[2], 25, 11);
    EXPECT_FALSE(bar->OptionWindow()->GetVisible());
    EXPECT_EQ(b[2]->Parent(), bar);
    EXPECT_EQ(bar->RecentlyUsedControls()[0], b[2]);
    EXPECT_FALSE(bar->HiddenControls().Contains(b[2])) << "back on the toolbar";
    EXPECT_EQ(bar->HiddenControlCount(), 2);
}

TEST(DockPanel, AtDesignTimeABarMovedBelowTheLastRowOfSeveralGetsARowAtTheEnd) {
    TDragScene s;
    TOrvToolBar* a = s.Bar(s.Top);
    TOrvToolBar* b = s.Bar(s.Top);
    s.Top->Rows().MoveToolBarToRow(b, 0);
    ASSERT_EQ(s.Top->RowCount(), 1);
    b->SetTop(b->Top() + 6);
    EXPECT_EQ(s.Top->RowCount(), 1) << "at run time the last row keeps it";
    EXPECT_EQ(b->Top(), 1);
    s.Top->IncludeState(csDesigning);
    b->SetTop(b->Top() + 6);
    ASSERT_EQ(s.Top->RowCount(), 2);
    EXPECT_EQ(b->GetRow(), 1);
    EXPECT_EQ(b->Top(), 28) << "the new row's top";
    EXPECT_EQ(a->GetRow(), 0);
    // Alone in the last row: nothing more to make.
    b->SetTop(b->Top() + 6);
    EXPECT_EQ(s.Top->RowCount(), 2);
    s.Top->ExcludeState(csDesigning);
}
