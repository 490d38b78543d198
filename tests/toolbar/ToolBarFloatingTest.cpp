// A floating toolbar: a caption over rows of controls, each row as thick as the docked
// toolbar; its length, the wrapping into FloatingRows rows and the per-row background.
#include <gtest/gtest.h>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"

using namespace orv;
using namespace glowtest;

namespace {

struct TFloatFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvToolBar* Bar;
    TFloatFixture() {
        Form->SetBounds(100, 100, 500, 300);
        Bar = new TOrvToolBar(Form.get());
        Bar->SetParent(Form.get());
    }
    TOrvGlowButton* Add(int width, int height = 22) {
        auto* b = new TOrvGlowButton(Form.get());
        b->SetBounds(0, 0, width, height);
        b->SetParent(Bar);
        return b;
    }
};

}  // namespace

TEST(ToolBarFloating, OneRowIsACaptionOverTheDockedThicknessAtLeastTheMinimumLengthLong) {
    TFloatFixture f;
    TOrvGlowButton* first = f.Add(30);
    ASSERT_EQ(f.Bar->Height(), 26) << "docked: max(26, 22 + 4)";
    EXPECT_EQ(f.Bar->SizeAtDock(), 26);

    f.Bar->SetToolBarState(tsFloating);
    EXPECT_EQ(f.Bar->Height(), 26 + 16) << "FSizeAtDock + CaptionHeight";
    EXPECT_EQ(f.Bar->Width(), 60) << "FMinLength, not 2 + 30 + 2";
    EXPECT_EQ(first->Left(), 2);
    EXPECT_EQ(first->Top(), 16 + 2) << "under the caption";
    EXPECT_LE(first->Top() + first->Height(), f.Bar->Height()) << "the control stays inside";

    // Longer than the minimum: the last control's right edge + 2.
    f.Add(30);
    f.Add(30);
    EXPECT_EQ(f.Bar->Width(), 2 + 90 + 2);
    EXPECT_EQ(f.Bar->MaxLength(), 2 + 90 + 2) << "all in one row";

    // A taller control makes every row thicker; a longer one raises the minimum length.
    TOrvGlowButton* tall = f.Add(30, 40);
    EXPECT_EQ(f.Bar->SizeAtDock(), 44);
    EXPECT_EQ(f.Bar->Height(), 16 + 44);
    EXPECT_LE(tall->Top() + tall->Height(), f.Bar->Height());
    tall->SetBounds(tall->Left(), tall->Top(), 100, 22);
    EXPECT_EQ(f.Bar->MinLength(), 2 + 100 + 2);
    EXPECT_EQ(f.Bar->SizeAtDock(), 26);

    // Docked again: the docked thickness, and the grip and right handle around the controls.
    f.Bar->SetToolBarState(tsDocked);
    EXPECT_EQ(f.Bar->Height(), 26);
    EXPECT_EQ(f.Bar->Width(), 9 + 90 + 100 + 14);
}

TEST(ToolBarFloating, ControlsThatSizeToTheToolBarSpanOneRow) {
    TFloatFixture f;
    auto* button = new TOrvToolBarButton(f.Form.get());
    button->SetCaption(L"Bold");
    button->SetShowCaption(true);
    button->SetParent(f.Bar);
    auto* separator = new TOrvToolBarSeparator(f.Form.get());
    separator->SetParent(f.Bar);
    f.Bar->SetFloatingRows(2);
    f.Bar->SetToolBarState(tsFloating);
    ASSERT_EQ(f.Bar->SizeAtDock(), 26);
    EXPECT_EQ(button->Height(), 26 - 4) << "a row's inner height, not the whole floating toolbar's";
    EXPECT_EQ(separator->Height(), 26 - 4);
    EXPECT_LE(button->Top() + button->Height(), f.Bar->Height());
}

TEST(ToolBarFloating, SeveralRowsWrapTheControlsEachRowFSizeAtDockLower) {
    TFloatFixture f;
    std::vector<TOrvGlowButton*> b;
    for (int i = 0; i < 6; ++i) b.push_back(f.Add(40));
    f.Bar->SetToolBarState(tsFloating);
    EXPECT_EQ(f.Bar->Width(), 2 + 240 + 2);
    EXPECT_EQ(f.Bar->Height(), 42);

    // Two rows: three controls a row (a row of k needs 2 + 40k + 2 pixels).
    f.Bar->SetFloatingRows(2);
    EXPECT_EQ(f.Bar->FloatingRowCount(), 2);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(b[i]->Left(), 2 + 40 * (i % 3)) << i;
        EXPECT_EQ(b[i]->Top(), 18 + 26 * (i / 3)) << i;
    }
    EXPECT_EQ(f.Bar->Width(), 2 + 120 + 2) << "the bounding size of the rows";
    EXPECT_EQ(f.Bar->Height(), 16 + 2 * 26);

    f.Bar->SetFloatingRows(3);
    EXPECT_EQ(f.Bar->FloatingRowCount(), 3);
    EXPECT_EQ(b[2]->Left(), 2);
    EXPECT_EQ(b[2]->Top(), 18 + 26);
    EXPECT_EQ(b[5]->Top(), 18 + 2 * 26);
    EXPECT_EQ(f.Bar->Width(), 2 + 80 + 2);
    EXPECT_EQ(f.Bar->Height(), 16 + 3 * 26);

    // More rows than fit in FMinLength's width: one control a row.
    f.Bar->SetFloatingRows(10);
    EXPECT_EQ(f.Bar->FloatingRowCount(), 6);
    EXPECT_EQ(b[5]->Top(), 18 + 5 * 26);
    EXPECT_EQ(f.Bar->Height(), 16 + 6 * 26);
    for (auto* c : b) EXPECT_LE(c->Top() + c->Height(), f.Bar->Height());
}

TEST(ToolBarFloating, TheWidthGrowsByTenUntilTheRowsFitThenGivesBackTheRoomNoRowUses) {
    TFloatFixture f;
    // 25, 40, 40, 20 in at most three rows: the minimum length 60 wraps them into four
    // rows, 70 into two (25 40 | 40 20), which leave 1 and 6 pixels unused: 69 wide.
    std::vector<TOrvGlowButton*> b;
    for (int w : {25, 40, 40, 20}) b.push_back(f.Add(w));
    f.Bar->SetFloatingRows(3);
    f.Bar->SetToolBarState(tsFloating);
    EXPECT_EQ(f.Bar->FloatingRowCount(), 2) << "fewer rows than asked";
    EXPECT_EQ(f.Bar->Width(), 69);
    EXPECT_EQ(f.Bar->Height(), 16 + 2 * 26);
    EXPECT_EQ(b[1]->Left(), 27);
    EXPECT_EQ(b[2]->Left(), 2);
    EXPECT_EQ(b[2]->Top(), 18 + 26);
    EXPECT_EQ(b[3]->Left(), 42);
    EXPECT_EQ(f.Bar->FloatingSizeFor(3), (TSize{69, 16 + 2 * 26}));

    // The last row counts as well: 20, 50, 20, 25, 30 in three rows wrap at 80 into
    // 20 50 | 20 25 30, leaving 6 and 1 pixels: 79, where the second row still fits.
    TFloatFixture g;
    for (int w : {20, 50, 20, 25, 30}) b.push_back(g.Add(w));
    g.Bar->SetFloatingRows(3);
    g.Bar->SetToolBarState(tsFloating);
    EXPECT_EQ(g.Bar->FloatingRowCount(), 2);
    EXPECT_EQ(g.Bar->Width(), 79);
    EXPECT_EQ(b.back()->Left() + b.back()->Width(), 77);
    EXPECT_EQ(b.back()->Top(), 18 + 26);
}

TEST(ToolBarFloating, EachRowPaintsItsOwnBackgroundBand) {
    TFloatFixture f;
    TCustomOrvToolBarStyler* s = f.Bar->CurrentToolBarStyler();
    s->Color().SetColor(0x202020);
    s->Color().SetColorTo(0xE0E0E0);
    s->Color().SetDirection(gdVertical);
    for (int i = 0; i < 6; ++i) f.Add(40);
    f.Bar->SetToolBarState(tsFloating);
    f.Bar->SetFloatingRows(2);
    ASSERT_EQ(f.Bar->Height(), 16 + 2 * 26);
    // The toolbar's own paint (the glow buttons are windows of their own).
    auto bmp = Snapshot(f.Bar);
    const int x = f.Bar->Width() / 2;
    for (int row = 0; row < 2; ++row) {
        int top = 16 + row * 26;
        EXPECT_TRUE(Near(bmp->PixelColor(x, top), 0x202020, 12)) << "row " << row << " starts dark";
        EXPECT_TRUE(Near(bmp->PixelColor(x, top + 25), 0xE0E0E0, 12)) << "row " << row << " ends light";
    }
}

TEST(ToolBarFloating, RowCountIsKeptBetweenOneAndOneControlARow) {
    // Regression: a row count outside 1 ... number of controls was searched for as it stood.
    TFloatFixture f;
    for (int i = 0; i < 6; ++i) f.Add(40);
    f.Bar->SetToolBarState(tsFloating);
    f.Bar->SetFloatingRows(10);
    EXPECT_EQ(f.Bar->GetFloatingRows(), 6) << "one control a row is the most";
    EXPECT_EQ(f.Bar->FloatingRowCount(), 6);
    EXPECT_EQ(f.Bar->Height(), 16 + 6 * 26);
    f.Bar->SetFloatingRows(0);
    EXPECT_EQ(f.Bar->GetFloatingRows(), 1);
    EXPECT_EQ(f.Bar->FloatingRowCount(), 1);
    EXPECT_EQ(f.Bar->Width(), 2 + 240 + 2);
    f.Bar->SetFloatingRows(-3);
    EXPECT_EQ(f.Bar->GetFloatingRows(), 1);
    EXPECT_EQ(f.Bar->Height(), 16 + 26);
}
