// Dock panels: rows and their rectangles, the panel's size, sharing a row among its
// toolbars, the bounds filter (along a row, across rows), removal and the dock colour.
#include <gtest/gtest.h>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarStylers.h"

using namespace orv;
using namespace glowtest;

namespace {

struct TDockFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvDockPanel* Panel;
    explicit TDockFixture(int width = 800) {
        Form->SetBounds(50, 50, width + 40, 400);
        Form->SetClientWidth(width);  // a top panel takes the client width
        Panel = new TOrvDockPanel(Form.get());
        Panel->SetParent(Form.get());
    }
    void SetWidth(int width) { Form->SetClientWidth(width); }
    // A toolbar with count buttons of 30 pixels (an empty one is 74 long: 60 + 14).
    TOrvToolBar* Bar(int count = 0) {
        auto* bar = new TOrvToolBar(Form.get());
        for (int i = 0; i < count; ++i) {
            auto* b = new TOrvGlowButton(Form.get());
            b->SetBounds(0, 0, 30, 22);
            b->SetParent(bar);
        }
        bar->SetParent(Panel);
        return bar;
    }
};

TRect RowRect(TOrvDockPanel* panel, int row) {
    return panel->Rows().Items(row)->RowRect();
}

}  // namespace

TEST(DockPanel, OneToolBarRowAndPanelSizeEmptyIsMinimumAndFullSizeTakesTheRow) {
    TDockFixture f;
    EXPECT_EQ(f.Panel->Height(), 3) << "no rows: MinimumSize";
    EXPECT_EQ(f.Panel->RowCount(), 0);

    TOrvToolBar* bar = f.Bar();
    ASSERT_EQ(bar->Height(), 26);
    ASSERT_EQ(f.Panel->RowCount(), 1);
    EXPECT_EQ(f.Panel->OrvToolBarCount(), 1);
    EXPECT_EQ(bar->CurrentDock(), f.Panel);
    EXPECT_EQ(bar->GetToolBarState(), tsDocked);
    EXPECT_EQ(RowRect(f.Panel, 0).Top, 1);
    EXPECT_EQ(RowRect(f.Panel, 0).Bottom, 28);
    EXPECT_EQ(RowRect(f.Panel, 0).Left, 1);
    EXPECT_EQ(RowRect(f.Panel, 0).Right, 799);
    EXPECT_EQ(bar->Left(), 3);
    EXPECT_EQ(bar->Top(), 1);
    EXPECT_EQ(bar->Width(), 74) << "its own length: 60 + 14";
    EXPECT_EQ(f.Panel->Height(), 28);

    // A second toolbar: a row of its own below, sharing the boundary line.
    TOrvToolBar* second = f.Bar();
    ASSERT_EQ(f.Panel->RowCount(), 2);
    EXPECT_EQ(RowRect(f.Panel, 1).Top, 28);
    EXPECT_EQ(RowRect(f.Panel, 1).Bottom, 55);
    EXPECT_EQ(second->Top(), 28);
    EXPECT_EQ(f.Panel->Height(), 55);

    // Full size: the row's length less twice 2, alone in its row.
    bar->SetFullSize(true);
    EXPECT_EQ(bar->Width(), 794);
    EXPECT_EQ(bar->Left(), 3);
    EXPECT_FALSE(f.Panel->Rows().Items(bar->GetRow())->IsAllowed(second));
    f.Panel->Rows().MoveToolBarToRow(second, bar->GetRow());
    EXPECT_EQ(f.Panel->Rows().Items(bar->GetRow())->ToolBarCount(), 1) << "nothing joins a full-size row";

    // Gone: back to the minimum once no rows are left.
    second->Free();
    bar->Free();
    EXPECT_EQ(f.Panel->RowCount(), 0);
    EXPECT_EQ(f.Panel->OrvToolBarCount(), 0);
    EXPECT_EQ(f.Panel->Height(), 3);
}

TEST(DockPanel, RowOperationsRejectBadIndexesAndDockPanelsRejectBadParents) {
    TDockFixture f;
    TOrvToolBar* bar = f.Bar();
    try {
        f.Panel->Rows().MoveToolBarToRow(bar, 1);
        ADD_FAILURE() << "row 1 of 1 row";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Invalid Row Index");
    }
    EXPECT_THROW(f.Panel->Rows().MoveToolBarToRow(bar, -1), Exception);
    int start = 10, length = 74;
    auto* stranger = new TOrvToolBar(f.Form.get());
    try {
        f.Panel->Rows().Items(0)->AlongRowRequest(stranger, start, length);
        ADD_FAILURE() << "a toolbar not in the row";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Invalid ToolBar Index");
    }
    auto* inner = new TOrvDockPanel(f.Form.get());
    try {
        inner->SetParent(f.Panel);
        ADD_FAILURE() << "a dock panel in a dock panel";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Invalid Parent");
    }
    EXPECT_THROW(inner->SetParent(bar), Exception);
    EXPECT_EQ(inner->Parent(), nullptr);
}

TEST(DockPanel, RowSharesItsLengthShrinkingTheLastAndGrowingBack) {
    // Two toolbars of three 30-pixel buttons: 9 + 90 + 14 = 113 long at most, 60 at least.
    TDockFixture f(400);
    TOrvToolBar* a = f.Bar(3);
    TOrvToolBar* b = f.Bar(3);
    ASSERT_EQ(a->Width(), 113);
    f.Panel->Rows().MoveToolBarToRow(b, 0);
    ASSERT_EQ(f.Panel->RowCount(), 1) << "the emptied row goes";
    EXPECT_EQ(a->Left(), 3);
    EXPECT_EQ(b->Left(), 3 + 113 + 2);
    EXPECT_EQ(b->Width(), 113);
    EXPECT_EQ(f.Panel->Height(), 28);

    // Narrower panel (row 1 .. 199): the overflow of 199 - 118 - 113 - 2 = -34 shrinks
    // the last toolbar, the first keeps its place and length.
    f.SetWidth(200);
    EXPECT_EQ(a->Left(), 3);
    EXPECT_EQ(a->Width(), 113);
    EXPECT_EQ(b->Left(), 118);
    EXPECT_EQ(b->Width(), 113 - 34);
    // Narrower still (row 1 .. 169, 30 more to give): b reaches its minimum 60 (19 more),
    // the remaining 11 come off a: 113 - 11 = 102, and b follows it.
    f.SetWidth(170);
    EXPECT_EQ(b->Width(), 60);
    EXPECT_EQ(a->Width(), 102);
    EXPECT_EQ(b->Left(), 3 + 102 + 2);
    EXPECT_EQ(b->Left() + b->Width() + 2, 169) << "the row's end";
    // Wide again: both grow back to their full length.
    f.SetWidth(400);
    EXPECT_EQ(a->Width(), 113);
    EXPECT_EQ(b->Width(), 113);
    EXPECT_EQ(b->Left(), 118);
}

TEST(DockPanel, AlongRowMovesTakeGapsAndSwapNeighboursWithNoRoomLeft) {
    TDockFixture f;
    TOrvToolBar* a = f.Bar();
    TOrvToolBar* b = f.Bar();
    f.Panel->Rows().MoveToolBarToRow(b, 0);
    ASSERT_EQ(b->Left(), 79);
    // Right into free room: taken as asked.
    b->SetLeft(300);
    EXPECT_EQ(b->Left(), 300);
    EXPECT_EQ(b->Top(), 1) << "stays in its row";
    // Back left: the gap before it is used up, a does not move.
    b->SetLeft(150);
    EXPECT_EQ(b->Left(), 150);
    EXPECT_EQ(a->Left(), 3);
    // Against a with nothing to give: 10 is 7 pixels from a's left: no exchange.
    b->SetLeft(10);
    EXPECT_EQ(b->Left(), 79) << a->Left() << " " << a->Width() << " " << b->Width();
    EXPECT_EQ(a->Left(), 3);
    EXPECT_EQ(f.Panel->Rows().Items(0)->ToolBarList().IndexOf(b), 1);
    // Within 5 pixels of a's left: they change places.
    b->SetLeft(8);
    EXPECT_EQ(f.Panel->Rows().Items(0)->ToolBarList().IndexOf(b), 0);
    EXPECT_EQ(b->Left(), 3);
    EXPECT_EQ(a->Left(), 79);
    // The first toolbar cannot go before the row's start + 2.
    b->SetLeft(-20);
    EXPECT_EQ(b->Left(), 3);
    // Pushing right against the row's end: a is pushed along, nothing leaves the row.
    a->SetLeft(790);
    EXPECT_EQ(a->Left() + a->Width() + 2, 799);
}

TEST(DockPanel, UpwardDragsMakeARowAboveOrMoveIntoTheRowAbove) {
    TDockFixture f;
    TOrvToolBar* top = f.Bar();
    TOrvToolBar* a = f.Bar();
    TOrvToolBar* b = f.Bar();
    f.Panel->Rows().MoveToolBarToRow(b, 1);
    ASSERT_EQ(f.Panel->RowCount(), 2);
    ASSERT_EQ(a->Top(), 28);
    ASSERT_EQ(b->Top(), 28);
    // Up by 4 in a row of two: a new row above it (between the two rows).
    b->SetTop(b->Top() - 4);
    ASSERT_EQ(f.Panel->RowCount(), 3);
    EXPECT_EQ(b->GetRow(), 1);
    EXPECT_EQ(a->GetRow(), 2);
    EXPECT_EQ(b->Top(), 28);
    EXPECT_EQ(a->Top(), 55);
    EXPECT_EQ(f.Panel->Height(), 82);
    // Alone in its row now: up by 6 changes nothing, up by 7 lands in the first row,
    // whose emptied row goes.
    b->SetTop(b->Top() - 6);
    EXPECT_EQ(b->GetRow(), 1);
    EXPECT_EQ(f.Panel->RowCount(), 3);
    b->SetTop(b->Top() - 7);
    EXPECT_EQ(b->GetRow(), 0);
    EXPECT_EQ(b->Top(), 1);
    EXPECT_EQ(f.Panel->RowCount(), 2);
    EXPECT_EQ(f.Panel->Rows().Items(0)->ToolBarCount(), 2);
    EXPECT_EQ(top->GetRow(), 0);
    EXPECT_EQ(a->GetRow(), 1);
    EXPECT_EQ(a->Top(), 28);
    // Down by 4 in a row of two: a new row after it.
    b->SetTop(b->Top() + 4);
    EXPECT_EQ(f.Panel->RowCount(), 3);
    EXPECT_EQ(b->GetRow(), 1);
    EXPECT_EQ(a->GetRow(), 2);
    // Into a full-size row: refused, a new row after it instead.
    a->SetFullSize(true);
    b->SetTop(a->Top() + 10);
    EXPECT_EQ(b->GetRow(), 2);
    EXPECT_EQ(a->GetRow(), 1);
    EXPECT_EQ(f.Panel->Rows().Items(1)->ToolBarCount(), 1);
}

TEST(DockPanel, HiddenToolBarsLeaveTheirRowAndComeBackIntoIt) {
    TDockFixture f;
    TOrvToolBar* a = f.Bar();
    TOrvToolBar* b = f.Bar();
    f.Panel->Rows().MoveToolBarToRow(b, 0);
    TOrvToolBar* c = f.Bar();
    ASSERT_EQ(f.Panel->RowCount(), 2);
    c->Hide();
    EXPECT_EQ(f.Panel->RowCount(), 1);
    EXPECT_EQ(f.Panel->HiddenToolBarCount(), 1);
    EXPECT_EQ(f.Panel->Height(), 28);
    b->Hide();
    EXPECT_EQ(f.Panel->Rows().Items(0)->ToolBarCount(), 1);
    b->SetLeft(400);  // not filtered while hidden
    b->Show();
    EXPECT_EQ(f.Panel->Rows().Items(0)->ToolBarCount(), 2) << "back in its remembered row";
    EXPECT_EQ(f.Panel->Rows().Items(0)->ToolBarList().IndexOf(b), 1);
    c->Show();
    EXPECT_EQ(f.Panel->RowCount(), 2) << "its row was gone: a new one";
    EXPECT_EQ(f.Panel->HiddenToolBarCount(), 0);
    (void)a;
}

TEST(DockPanel, RemovingADockedToolBarWithAStaleRowIndexForgetsIt) {
    // A toolbar freed while its recorded row index is out of range (or while hidden) must
    // leave both lists and any row, or the panel keeps a dangling pointer.
    TDockFixture f;
    TOrvToolBar* a = f.Bar();
    TOrvToolBar* b = f.Bar();
    TOrvToolBar* hidden = f.Bar();
    hidden->Hide();
    b->SetRow(7);
    b->Free();
    EXPECT_EQ(f.Panel->OrvToolBarCount(), 2);
    EXPECT_EQ(f.Panel->RowCount(), 1) << "its row went with it";
    hidden->Free();
    EXPECT_EQ(f.Panel->OrvToolBarCount(), 1);
    EXPECT_EQ(f.Panel->HiddenToolBarCount(), 0);
    // Re-computing walks the rows: a stale pointer would be read here.
    f.SetWidth(600);
    EXPECT_EQ(a->Left(), 3);
    EXPECT_EQ(f.Panel->OrvToolBars(0), a);
}

TEST(DockPanel, AlignTurnsDockedToolBarsAndMinimumSizeIgnoresNonPositive) {
    TDockFixture f;
    TOrvToolBar* a = f.Bar();
    f.Panel->SetAlign(daLeft);
    EXPECT_EQ(a->GetPosition(), daLeft);
    EXPECT_EQ(a->Width(), 26);
    EXPECT_EQ(a->Left(), 1);
    EXPECT_EQ(a->Top(), 3);
    EXPECT_EQ(f.Panel->Width(), 1 + 27 + 1) << "vertical: last row's right + 1";
    f.Panel->SetAlign(daBottom);
    EXPECT_EQ(a->GetPosition(), daBottom);
    a->Free();
    f.Panel->SetMinimumSize(0);
    f.Panel->SetMinimumSize(-4);
    EXPECT_EQ(f.Panel->GetMinimumSize(), 3);
    f.Panel->SetMinimumSize(9);
    EXPECT_EQ(f.Panel->Height(), 9);
}

TEST(DockPanel, PaintsTheDockColourAndFollowsTheStyler) {
    TDockFixture f(200);
    TOwnedPtr<TOrvToolBarOfficeStyler> styler{Make<TOrvToolBarOfficeStyler>(nullptr)};
    styler->DockColor().SetColor(RGB(10, 200, 30));
    styler->DockColor().SetColorTo(clNone);
    f.Panel->SetToolBarStyler(styler.get());
    EXPECT_EQ(f.Panel->GetColor(), static_cast<TColor>(RGB(10, 200, 30)));
    f.Panel->SetMinimumSize(20);
    TBitmap bmp;
    bmp.SetSize(200, 20);
    f.Panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp.Canvas().Handle()), 0);
    EXPECT_EQ(GetPixel(bmp.Canvas().Handle(), 0, 0), RGB(10, 200, 30)) << "outlined in the colour";
    EXPECT_EQ(GetPixel(bmp.Canvas().Handle(), 100, 10), RGB(10, 200, 30));
    EXPECT_EQ(GetPixel(bmp.Canvas().Handle(), 199, 19), RGB(10, 200, 30));
    // A gradient from left to right.
    styler->DockColor().SetColorTo(RGB(250, 0, 0));
    styler->DockColor().SetDirection(gdHorizontal);
    styler->DockColor().SetSteps(64);
    f.Panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp.Canvas().Handle()), 0);
    EXPECT_EQ(GetPixel(bmp.Canvas().Handle(), 0, 10), RGB(10, 200, 30));
    COLORREF farEnd = GetPixel(bmp.Canvas().Handle(), 196, 10);
    EXPECT_GT(GetRValue(farEnd), 200);
    EXPECT_LT(GetGValue(farEnd), 40);
    // The linked styler freed: the internal one's colour again.
    styler.reset();
    EXPECT_EQ(f.Panel->GetToolBarStyler(), nullptr);
    EXPECT_EQ(f.Panel->GetColor(), f.Panel->CurrentToolBarStyler()->DockColor().GetColor());
}
