// The toolbar family's list, toolbar positioning and sizing, and the toolbar's pixels.
#include <gtest/gtest.h>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/LayoutReader.h"
#include "paint/FaceCache.h"
#include "toolbar/DbgList.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"
#include "toolbar/OrvToolBarStylers.h"

using namespace orv;
using namespace glowtest;

namespace {

std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.what();
    }
    return "no error";
}

// A small glow button of fixed size in the label state (one cell of a ribbon column).
TOrvGlowButton* SmallButton(TComponent* owner, TWinControl* parent, int width = 50, int height = 20) {
    auto* b = new TOrvGlowButton(owner);
    b->SetButtonSizeState(bsLabel);
    b->SetBounds(0, 0, width, height);
    b->SetParent(parent);
    return b;
}

struct TPageFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvPage* Page;
    TPageFixture(int width = 600, int height = 95) {
        Form->SetBounds(100, 100, width + 40, height + 60);
        Page = new TOrvPage(Form.get());
        Page->SetBounds(10, 10, width, height);
        Page->SetParent(Form.get());
    }
    TOrvToolBar* AddBar() {
        auto* tb = new TOrvToolBar(Form.get());
        Page->AddOrvToolBar(tb);
        return tb;
    }
};

}  // namespace

TEST(DbgList, RaisesReadAndWriteErrorsForEveryIndexOutsideAndAssignsInOrder) {
    int a = 1, b = 2, c = 3;
    TDbgList<int> list;
    list.Add(&a);
    list.Add(&b);
    EXPECT_EQ(list[1], &b);
    for (int bad : {2, -1, -100}) {
        EXPECT_EQ(MessageOf([&] { list.Items(bad); }), "Index out of bounds in list read access") << bad;
        EXPECT_EQ(MessageOf([&] { list.SetItems(bad, &c); }), "Index out of bounds in list write access") << bad;
    }
    list.SetItems(0, &c);
    EXPECT_EQ(list[0], &c);

    TDbgList<int> copy;
    copy.Add(&a);
    copy.AssignList(list);
    ASSERT_EQ(copy.Count(), 2) << "AssignList clears first";
    EXPECT_EQ(copy[0], &c);
    EXPECT_EQ(copy[1], &b);
    copy.Move(1, 0);
    EXPECT_EQ(copy[0], &b);
    EXPECT_EQ(list[0], &c) << "the copy is independent";
}

TEST(ToolBarPositioning, SmallGlowButtonsStackThreeToAColumnAndALargeOneStartsAColumn) {
    TPageFixture f;
    TOrvToolBar* tb = f.AddBar();
    std::vector<TOrvGlowButton*> small;
    for (int i = 0; i < 7; ++i) small.push_back(SmallButton(f.Form.get(), tb));
    // Columns of 3, 3 and 1 from x = 2, y = 2 (caption hidden), each 50 wide and adjacent.
    const int expected[7][2] = {{2, 2}, {2, 22}, {2, 42}, {52, 2}, {52, 22}, {52, 42}, {102, 2}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(small[i]->Left(), expected[i][0]) << i;
        EXPECT_EQ(small[i]->Top(), expected[i][1]) << i;
    }
    EXPECT_EQ(tb->Width(), 152 + 14) << "right edge of the last column plus the right handle part";
    EXPECT_EQ(tb->Height(), 89) << "the page gives its toolbars height - 6";
    EXPECT_EQ(tb->Top(), 3);
    EXPECT_EQ(tb->Left(), 3);

    // A large button between the third and fourth starts a column of its own at y0.
    auto* large = new TOrvGlowButton(f.Form.get());
    large->SetBounds(0, 0, 40, 60);
    tb->InsertToolBarControl(3, large);
    EXPECT_EQ(large->Left(), 52);
    EXPECT_EQ(large->Top(), 2);
    EXPECT_EQ(small[3]->Left(), 92) << "the next small button opens a new column after it";
    EXPECT_EQ(small[3]->Top(), 2);
    EXPECT_EQ(small[6]->Left(), 142);

    // An invisible control goes below the toolbar and takes no room.
    small[6]->SetVisible(false);
    EXPECT_EQ(small[6]->Top(), tb->Height() + 2);
    EXPECT_EQ(tb->Width(), 142 + 14);
}

TEST(ToolBarPositioning, FlowLayoutWithoutAutoSizeKeepsTheToolBarSize) {
    TPageFixture f;
    TOrvToolBar* tb = f.AddBar();
    tb->SetAutoSize(false);
    tb->SetBounds(3, 3, 110, 89);
    std::vector<TOrvGlowButton*> b;
    for (int i = 0; i < 3; ++i) b.push_back(SmallButton(f.Form.get(), tb, 50, 20));
    EXPECT_EQ(tb->Width(), 110);
    EXPECT_EQ(b[0]->Left(), 2);
    EXPECT_EQ(b[0]->Top(), 0);
    EXPECT_EQ(b[1]->Left(), 52);
    EXPECT_EQ(b[2]->Left(), 2) << "does not fit (110 - 102 - 2 < 50): a new line";
    EXPECT_EQ(b[2]->Top(), 20);
}

TEST(ToolBarPositioning, FlowLayoutWrapsByTheWrappingControlsOwnHeightBesideATallerOne) {
    TPageFixture f;
    TOrvToolBar* tb = f.AddBar();
    tb->SetAutoSize(false);
    tb->SetBounds(3, 3, 110, 89);
    auto* tall = new TOrvGlowButton(f.Form.get());
    tall->SetBounds(0, 0, 40, 60);
    tall->SetParent(tb);
    std::vector<TOrvGlowButton*> b;
    for (int i = 0; i < 3; ++i) b.push_back(SmallButton(f.Form.get(), tb, 50, 20));
    EXPECT_EQ(tall->BoundsRect(), (TRect{2, 0, 42, 60}));
    // 110 - 92 - 2 < 50: each small one starts a line 20 lower, right of the tall one.
    const TPoint expected[3] = {{42, 0}, {42, 20}, {42, 40}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b[i]->Left(), expected[i].X) << i;
        EXPECT_EQ(b[i]->Top(), expected[i].Y) << i;
    }
}

TEST(ToolBarSizing, DockedLengthsWithAndWithoutRightHandleAndHideOnEmpty) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* tb = new TOrvToolBar(form.get());
    tb->SetParent(form.get());
    tb->SetAutoSize(false);
    tb->SetAutoSize(true);
    EXPECT_EQ(tb->Width(), 74) << "no control: FMinLength + 14";
    auto* b = new TOrvGlowButton(form.get());
    b->SetBounds(0, 0, 30, 22);
    b->SetParent(tb);
    b->SetVisible(false);
    EXPECT_EQ(tb->Width(), 29) << "all controls invisible: 15 + 14";
    tb->SetShowRightHandle(false);
    EXPECT_EQ(tb->Width(), 19);
    b->Free();
    EXPECT_EQ(tb->Width(), 64);

    TPageFixture f;
    TOrvToolBar* empty = f.AddBar();
    TOrvToolBar* next = f.AddBar();
    auto* hidden = SmallButton(f.Form.get(), empty);
    hidden->SetVisible(false);
    empty->SetHideOnEmpty(true);
    EXPECT_EQ(empty->Width(), 0);
    EXPECT_EQ(next->Left(), 3) << "a toolbar of width 0 takes no room on the page";
}

TEST(ToolBarPositioning, PageArrangesToolBarsFromThreeWithGapsOfThree) {
    TPageFixture f;
    TOrvToolBar* a = f.AddBar();
    TOrvToolBar* b = f.AddBar();
    a->SetAutoSize(false);
    b->SetAutoSize(false);
    a->SetWidth(166);
    b->SetWidth(100);
    f.Page->ArrangeToolBars();
    EXPECT_EQ(a->BoundsRect(), (TRect{3, 3, 169, 92}));
    EXPECT_EQ(b->BoundsRect(), (TRect{172, 3, 272, 92}));
    TOrvCustomToolBar* created = f.Page->CreateOrvToolBar();
    EXPECT_EQ(created->GetCaption(), L"Untitled");
    EXPECT_EQ(f.Page->IndexOfOrvToolBar(created), 2);
    f.Page->MoveOrvToolBar(2, 0);
    EXPECT_EQ(created->Left(), 3);
    EXPECT_EQ(created->GetToolBarIndex(), 0);
}

// --- pixels ------------------------------------------------------------------------------------

namespace {

std::unique_ptr<TBitmap> PaintBar(TOrvCustomToolBar* tb) {
    auto bmp = std::make_unique<TBitmap>(tb->Width(), tb->Height());
    bmp->Canvas().Brush().SetColor(clFuchsia);
    bmp->Canvas().FillRect({0, 0, tb->Width(), tb->Height()});
    tb->PaintTo(bmp->Canvas().Handle());
    return bmp;
}

// A docked toolbar on a form with a plain background, so drawn marks stand out.
TOrvToolBar* PlainBar(TForm* form, int width, int height) {
    auto* tb = new TOrvToolBar(form);
    tb->SetAutoSize(false);
    tb->SetBounds(0, 0, width, height);
    tb->SetParent(form);
    auto* s = tb->CurrentToolBarStyler();
    s->Color().SetColor(0xE0E0E0);
    s->Color().SetColorTo(clNone);
    s->ColorHot().SetColor(clNone);
    s->SetBorderColor(clNone);
    s->SetRightHandleColor(0x808080);
    s->SetRightHandleColorTo(clNone);
    return tb;
}

}  // namespace

TEST(ToolBarPixels, EachGripStyleDrawsItsMarks) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    TOrvToolBar* tb = PlainBar(form.get(), 80, 26);
    tb->SetShowRightHandle(false);
    auto* s = tb->CurrentToolBarStyler();
    const TColor shadow = ColorToRGB(clBtnShadow);

    s->SetDragGripStyle(dsDots);
    auto bmp = PaintBar(tb);
    // (26 - 8) div 4 = 4 dots; dot 0 at y = 5: white (5..6, 6..7) under shadow (4..5, 5..6).
    EXPECT_EQ(bmp->PixelColor(4, 5), shadow);
    EXPECT_EQ(bmp->PixelColor(6, 7), 0xFFFFFFu);
    EXPECT_EQ(bmp->PixelColor(4, 17), shadow) << "dot 3 at y = 17";
    EXPECT_EQ(bmp->PixelColor(4, 21), 0xE0E0E0u) << "no fifth dot";

    s->SetDragGripStyle(dsSingleLine);
    bmp = PaintBar(tb);
    EXPECT_EQ(bmp->PixelColor(4, 10), 0xFFFFFFu) << "white column left of x = 5";
    EXPECT_EQ(bmp->PixelColor(6, 10), shadow) << "shadow column right of it";
    EXPECT_EQ(bmp->PixelColor(5, 22), shadow);

    s->SetDragGripStyle(dsDoubleLine);
    bmp = PaintBar(tb);
    EXPECT_EQ(bmp->PixelColor(2, 10), 0xFFFFFFu);
    EXPECT_EQ(bmp->PixelColor(4, 10), shadow);
    EXPECT_EQ(bmp->PixelColor(5, 10), 0xFFFFFFu);
    EXPECT_EQ(bmp->PixelColor(7, 10), shadow);

    s->SetDragGripStyle(dsFlatDots);
    bmp = PaintBar(tb);
    EXPECT_EQ(bmp->PixelColor(3, 5), 0xA5A5A5u);
    EXPECT_EQ(bmp->PixelColor(4, 7), 0xA5A5A5u);
    EXPECT_EQ(bmp->PixelColor(5, 5), 0xE0E0E0u) << "end pixel excluded";

    s->SetDragGripStyle(dsNone);
    bmp = PaintBar(tb);
    for (int y = 1; y < 25; ++y)
        for (int x = 1; x < 7; ++x) ASSERT_EQ(bmp->PixelColor(x, y), 0xE0E0E0u) << x << "," << y;
}

TEST(ToolBarPixels, RightHandleOptionArrowInBothEdgeStyles) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    TOrvToolBar* tb = PlainBar(form.get(), 80, 26);
    auto* s = tb->CurrentToolBarStyler();
    s->SetDragGripStyle(dsNone);

    // Rounded: handle (66, 0, 81, 27); arrow rows B - 11 = 16 and B - 8 = 19 over R - 9 .. R - 5.
    s->SetRoundEdges(true);
    auto bmp = PaintBar(tb);
    EXPECT_EQ(bmp->PixelColor(72, 16), 0u);
    EXPECT_EQ(bmp->PixelColor(76, 16), 0u);
    EXPECT_EQ(bmp->PixelColor(73, 17), 0xFFFFFFu) << "white row B - 10";
    EXPECT_EQ(bmp->PixelColor(74, 21), 0u) << "tip (R - 7, B - 6)";
    EXPECT_EQ(bmp->PixelColor(70, 10), 0x808080u) << "handle fill";

    // Square: handle (65, 1, 79, 25); arrow rows B - 9 = 16 and B - 7 = 18, black only.
    s->SetRoundEdges(false);
    bmp = PaintBar(tb);
    EXPECT_EQ(bmp->PixelColor(70, 16), 0u);
    EXPECT_EQ(bmp->PixelColor(74, 18), 0u);
    EXPECT_EQ(bmp->PixelColor(72, 20), 0u) << "tip (R - 7, B - 5)";
    EXPECT_EQ(bmp->PixelColor(71, 17), 0x808080u) << "no white in the square style";
}

TEST(ToolBarPixels, RightHandleChevronShowsHiddenControlsInBothEdgeStyles) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    TOrvToolBar* tb = PlainBar(form.get(), 80, 26);
    auto* s = tb->CurrentToolBarStyler();
    s->SetDragGripStyle(dsNone);
    tb->SetShowOptionIndicator(false);
    s->SetRoundEdges(true);
    // Nothing hidden: the handle is plain where the chevron would go.
    auto bmp = PaintBar(tb);
    EXPECT_EQ(bmp->PixelColor(71, 5), 0x808080u);
    for (int i = 0; i < 3; ++i) {
        auto* b = new TOrvToolBarButton(form.get());
        b->SetOrvToolBar(tb);
        b->SetAutoSize(false);
        b->SetWidth(40);
    }
    ASSERT_GT(tb->HiddenControlCount(), 0) << "three 40-pixel buttons do not fit in 80";

    // Rounded: handle (66, 0, 81, 27); black columns R - 10 = 71 and R - 6 = 75 over
    // y 5 .. 7, each with the pixel right of its middle; white highlights below them.
    bmp = PaintBar(tb);
    for (int x : {71, 75}) {
        for (int y = 5; y <= 7; ++y) EXPECT_EQ(bmp->PixelColor(x, y), 0u) << x << "," << y;
        EXPECT_EQ(bmp->PixelColor(x + 1, 6), 0u) << "middle of column " << x;
        EXPECT_EQ(bmp->PixelColor(x + 1, 7), 0xFFFFFFu);
        EXPECT_EQ(bmp->PixelColor(x + 1, 8), 0xFFFFFFu);
        EXPECT_EQ(bmp->PixelColor(x + 2, 7), 0xFFFFFFu);
    }
    EXPECT_EQ(bmp->PixelColor(73, 6), 0x808080u) << "between the two marks";

    // Square: handle (65, 1, 79, 25); two black polylines (73, 4)-(76, 7)-(72, 11) and
    // (71, 4)-(74, 7)-(70, 11), end pixels excluded, no white.
    s->SetRoundEdges(false);
    bmp = PaintBar(tb);
    for (TPoint p : {TPoint{73, 4}, TPoint{75, 6}, TPoint{76, 7}, TPoint{73, 10}, TPoint{71, 4}, TPoint{74, 7},
                     TPoint{71, 10}})
        EXPECT_EQ(bmp->PixelColor(p.X, p.Y), 0u) << p.X << "," << p.Y;
    EXPECT_EQ(bmp->PixelColor(72, 11), 0x808080u) << "end pixel excluded";
    EXPECT_EQ(bmp->PixelColor(72, 7), 0x808080u) << "inside the chevron";
}

TEST(ToolBarPixels, PageToolBarBackgroundSplitsAt22AndCaptionIndicatorGlows) {
    TPageFixture f;
    TOrvToolBar* tb = f.AddBar();
    tb->SetAutoSize(false);
    tb->SetWidth(120);
    tb->SetShowCaption(true);
    tb->SetCaptionPosition(cpBottom);
    tb->SetShowRightHandle(false);
    auto* s = tb->CurrentToolBarStyler();
    s->Color().Mirror().SetColor(0x0000FF);
    s->Color().Mirror().SetColorTo(0x0000FF);
    s->Color().Mirror().SetColorMirror(0x00FF00);
    s->Color().Mirror().SetColorMirrorTo(0x00FF00);
    s->ColorHot().SetColor(clNone);
    s->SetBorderColor(clNone);
    auto bmp = PaintBar(tb);
    // Top 3 on the page: split at 22 - 3 = 19.
    EXPECT_EQ(bmp->PixelColor(60, 10), 0x0000FFu);
    EXPECT_EQ(bmp->PixelColor(60, 18), 0x0000FFu);
    EXPECT_EQ(bmp->PixelColor(60, 20), 0x00FF00u);
    EXPECT_EQ(bmp->PixelColor(60, 60), 0x00FF00u);

    // The option indicator at the right end of the bottom caption: no face when idle ...
    TRect r = tb->GetOptionIndicatorRect();
    EXPECT_EQ(r, (TRect{120 - 16 + 1, 89 - 16 + 2, 119, 88}));
    TColor idle = bmp->PixelColor(r.Left + 7, r.Top + 3);
    // ... and the glow button's hot colours while the pointer is over it.
    s->GlowButtonAppearance().SetColorHot(0x2020F0);
    s->GlowButtonAppearance().SetColorHotTo(0x2020F0);
    s->GlowButtonAppearance().SetColorMirrorHot(0x2020F0);
    s->GlowButtonAppearance().SetColorMirrorHotTo(0x2020F0);
    f.Form->Show();
    tb->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(r.Left + 7, r.Top + 6));
    orvtest::PumpFor(400);  // the indicator's hover glow fades in
    bmp = PaintBar(tb);
    EXPECT_TRUE(tb->OptionHot());
    EXPECT_NE(bmp->PixelColor(r.Left + 7, r.Top + 3), idle);
    EXPECT_TRUE(Near(bmp->PixelColor(r.Left + 7, r.Top + 6), 0x2020F0, 40));

    // Pressing it calls OnOptionClick at (left + width - 12, top + height + 1).
    TPoint clicked{-1, -1};
    tb->OnOptionClick = [&](TObject*, TPoint client, TPoint) { clicked = client; };
    tb->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.Left + 7, r.Top + 6));
    tb->Perform(WM_LBUTTONUP, 0, MAKELPARAM(r.Left + 7, r.Top + 6));
    EXPECT_EQ(clicked, (TPoint{3 + 120 - 12, 3 + 89 + 1}));
}

TEST(ToolBarPixels, KeptFaceEqualsTheDirectPaintAfterEveryChange) {
    TPageFixture f;
    TOrvToolBar* tb = f.AddBar();
    tb->SetAutoSize(false);
    tb->SetWidth(140);
    tb->SetCaption(L"Clipboard");
    tb->SetShowCaption(true);
    tb->SetCaptionPosition(cpBottom);
    tb->SetShowRightHandle(false);
    auto* s = tb->CurrentToolBarStyler();
    std::unique_ptr<TBitmap> last;
    // The kept face of the current state against a paint without the cache; the face of
    // the state before is kept too, so a change the key misses shows as the old pixels.
    auto sameAsDirect = [&](const char* what) {
        ToolBarFaceCache = false;
        auto direct = PaintBar(tb);
        ToolBarFaceCache = true;
        auto kept = PaintBar(tb);
        int differing = 0;
        for (int y = 0; y < tb->Height(); ++y)
            for (int x = 0; x < tb->Width(); ++x) differing += kept->PixelColor(x, y) != direct->PixelColor(x, y);
        EXPECT_EQ(differing, 0) << what;
        if (last && last->Width() == kept->Width()) {
            bool changed = false;
            for (int y = 0; y < tb->Height() && !changed; ++y)
                for (int x = 0; x < tb->Width() && !changed; ++x)
                    changed = kept->PixelColor(x, y) != last->PixelColor(x, y);
            EXPECT_TRUE(changed) << what << ": the change shows";
        }
        last = std::move(kept);
    };
    SharedFaceCache().ResetCounters();
    sameAsDirect("at rest");
    PaintBar(tb);
    EXPECT_GE(SharedFaceCache().Hits(), 1u) << "a second paint is a copy of the kept face";
    tb->SetCaption(L"Font");
    sameAsDirect("caption");
    s->CaptionAppearance().SetCaptionTextColor(0x0000C0);
    sameAsDirect("caption text colour");
    tb->CaptionFont().SetHeight(tb->CaptionFont().GetHeight() - 4);
    s->CaptionFont().SetHeight(s->CaptionFont().GetHeight() - 4);
    sameAsDirect("caption font");
    s->Color().Mirror().SetColorMirror(0x00C000);
    sameAsDirect("background colour");
    tb->SetWidth(150);
    last.reset();
    sameAsDirect("width");
    f.Form->Show();
    TRect r = tb->GetOptionIndicatorRect();
    tb->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(r.Left + 7, r.Top + 6));
    orvtest::PumpFor(400);  // the toolbar's and the indicator's hover glows run to their end
    ASSERT_TRUE(tb->OptionHot());
    sameAsDirect("hot, option indicator hot");
    ToolBarFaceCache = true;
}

TEST(PagePixels, PageBackgroundIsSplitAt22) {
    TPageFixture f(200, 95);
    auto styler = TOwnedPtr<TOrvToolBarOfficeStyler>(new TOrvToolBarOfficeStyler(nullptr));
    styler->PageAppearance().SetColor(0xFF0000);
    styler->PageAppearance().SetColorTo(0xFF0000);
    styler->PageAppearance().SetColorMirror(0x00FFFF);
    styler->PageAppearance().SetColorMirrorTo(0x00FFFF);
    f.Page->SetToolBarStyler(styler.get());
    TBitmap bmp(200, 95);
    f.Page->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp.Canvas().Handle()), 0);
    EXPECT_EQ(bmp.PixelColor(100, 21), 0xFF0000u);
    EXPECT_EQ(bmp.PixelColor(100, 22), 0x00FFFFu);
    EXPECT_EQ(bmp.PixelColor(100, 60), 0x00FFFFu);
    f.Page->SetToolBarStyler(nullptr);
}

TEST(ToolBarLayout, ARibbonPageIsReadFromAStoredLayout) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    ReadLayoutText(form.get(),
                   L"object Form1: TForm\n"
                   L"  object Page1: TOrvPage\n"
                   L"    Left = 0\n    Top = 0\n    Width = 400\n    Height = 95\n"
                   L"    object Bar1: TOrvToolBar\n"
                   L"      Caption = 'Clipboard'\n      ShowCaption = True\n      CaptionPosition = cpBottom\n"
                   L"      ShowRightHandle = False\n"
                   L"    end\n"
                   L"  end\n"
                   L"end\n",
                   L"ribbon");
    auto* page = dynamic_cast<TOrvPage*>(form->FindComponent(L"Page1"));
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->ToolBarCount(), 1);
    TOrvCustomToolBar* tb = page->ToolBars(0);
    EXPECT_EQ(tb->GetCaption(), L"Clipboard");
    EXPECT_EQ(tb->GetCaptionPosition(), cpBottom);
    EXPECT_FALSE(tb->GetShowRightHandle());
    EXPECT_EQ(tb->Top(), 3) << "arranged after loading";
    EXPECT_EQ(tb->Height(), 89);
}

TEST(ToolBarPositioning, AButtonSizingItselfAfterJoiningMovesTheOnesAfterItAndTheLength) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* tb = new TOrvToolBar(form.get());
    tb->InternalToolBarStyler()->SetDragGripStyle(dsNone);
    tb->SetParent(form.get());
    std::vector<TOrvToolBarButton*> b;
    for (int i = 0; i < 3; ++i) {
        auto* button = new TOrvToolBarButton(form.get());
        button->SetCaption(L"Item " + std::to_wstring(i + 1));
        button->SetShowCaption(true);
        button->SetOrvToolBar(tb);  // sizes itself to its caption once on the toolbar
        b.push_back(button);
    }
    EXPECT_GT(b[2]->Width(), 23) << "wider than the default for its caption";
    EXPECT_EQ(b[0]->Left(), 2);
    EXPECT_EQ(b[1]->Left(), b[0]->Left() + b[0]->Width()) << "adjacent";
    EXPECT_EQ(b[2]->Left(), b[1]->Left() + b[1]->Width());
    EXPECT_EQ(tb->Width(), b[2]->Left() + b[2]->Width() + 14) << "the last edge and the right handle";
}

TEST(ToolBarPositioning, AGlowButtonChangingItsSizeStateOrCaptionOnAPageToolBarMovesTheOthers) {
    TPageFixture f;
    TOrvToolBar* tb = f.AddBar();
    std::vector<TOrvGlowButton*> b;
    for (int i = 0; i < 4; ++i) {
        auto* g = new TOrvGlowButton(f.Form.get());
        g->SetCaption(L"Command");
        g->SetAutoSize(true);
        g->SetParent(tb);
        b.push_back(g);
    }
    ASSERT_EQ(b[1]->Left(), b[0]->Left() + b[0]->Width()) << "large buttons side by side";
    // Three of them to label size, by the program: they stack into one column at once.
    for (int i = 1; i < 4; ++i) b[i]->SetButtonSizeState(bsLabel);
    const int column = b[0]->Left() + b[0]->Width();
    for (int i = 1; i < 4; ++i) EXPECT_EQ(b[i]->Left(), column) << "button " << i;
    EXPECT_EQ(b[1]->Top(), 2);
    EXPECT_EQ(b[2]->Top(), 2 + b[1]->Height());
    EXPECT_EQ(b[3]->Top(), 2 + b[1]->Height() + b[2]->Height());
    int width = 0;
    for (int i = 1; i < 4; ++i) width = std::max(width, b[i]->Width());
    EXPECT_EQ(tb->Width(), column + width + 14) << "the toolbar follows the column";

    // A longer caption on the first button pushes the column right.
    int before = b[0]->Width();
    b[0]->SetCaption(L"A much longer command");
    ASSERT_GT(b[0]->Width(), before);
    EXPECT_EQ(b[1]->Left(), b[0]->Left() + b[0]->Width());
}

TEST(ToolBarDocking, ADockSideChangeTurnsTheControlsAndLaysThemAlongTheNewSide) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* tb = new TOrvToolBar(form.get());
    tb->InternalToolBarStyler()->SetDragGripStyle(dsNone);
    tb->SetParent(form.get());
    std::vector<TOrvToolBarButton*> b;
    for (int i = 0; i < 3; ++i) {
        auto* button = new TOrvToolBarButton(form.get());
        button->SetCaption(L"Item " + std::to_wstring(i + 1));
        button->SetShowCaption(true);
        button->SetOrvToolBar(tb);
        b.push_back(button);
    }
    const int across = b[0]->Width();  // a caption's length along the toolbar
    ASSERT_GT(across, 23);
    tb->SetPosition(daLeft);
    for (auto* button : b) EXPECT_EQ(button->GetPosition(), daLeft) << "every control turns with it";
    EXPECT_TRUE(b[0]->Rotated());
    EXPECT_EQ(b[0]->Height(), across) << "the rotated caption runs down the button";
    EXPECT_EQ(b[0]->Top(), 2) << "from x0 = 2 without a grip, top to bottom";
    EXPECT_EQ(b[1]->Top(), b[0]->Top() + b[0]->Height());
    EXPECT_EQ(b[2]->Top(), b[1]->Top() + b[1]->Height());
    EXPECT_EQ(b[0]->Left(), 2);
    EXPECT_EQ(tb->Height(), b[2]->Top() + b[2]->Height() + 14) << "the last edge and the right handle";
    EXPECT_EQ(tb->Width(), 26) << "thickness: at least 26";

    tb->SetPosition(daTop);
    for (auto* button : b) EXPECT_EQ(button->GetPosition(), daTop);
    EXPECT_EQ(b[0]->Width(), across);
    EXPECT_EQ(b[1]->Left(), b[0]->Left() + b[0]->Width());
    EXPECT_EQ(tb->Width(), b[2]->Left() + b[2]->Width() + 14);
    EXPECT_EQ(tb->Height(), 26);
}

namespace {

// A quick access toolbar that refuses every control (a toolbar always registers a child
// it is given, so a refusing quick access toolbar is where the error comes from).
class TRefusingQuickAccess : public TCustomControl, public IQuickAccessToolBar {
public:
    using TCustomControl::TCustomControl;
    TWinControl* QuickAccessControl() override { return this; }
    bool AddQuickAccessControl(TControl*) override {
        ++Offers;
        return false;
    }
    void RemoveQuickAccessControl(TControl*) override {}
    TCustomOrvToolBarStyler* QuickAccessStyler() override { return nullptr; }
    TImageList* QuickAccessImages() override { return nullptr; }
    TImageList* QuickAccessDisabledImages() override { return nullptr; }
    bool OnAeroGlass() override { return false; }
    bool FullSize() override { return false; }
    bool FormMaximized() override { return false; }
    void CloseOverflowWindow() override {}
    void ButtonPressed(int, TControl*) override {}
    int Offers = 0;
};

}  // namespace

TEST(ToolBarControls, AQuickAccessToolBarThatDoesNotRegisterTheControlRaisesNotSet) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(40, 40, 300, 200);
    auto* good = new TOrvToolBar(form.get());
    good->SetParent(form.get());
    auto* quick = new TRefusingQuickAccess(form.get());
    quick->SetParent(form.get());

    auto* b = new TOrvToolBarButton(form.get());
    EXPECT_EQ(MessageOf([&] { b->SetOrvToolBar(good); }), "no error");
    EXPECT_EQ(b->GetOrvToolBar(), good);
    EXPECT_EQ(good->IndexOfToolBarControl(b), 0);

    EXPECT_EQ(MessageOf([&] { b->SetOrvQuickAccessToolBar(quick); }), "OrvToolBar not set");
    EXPECT_EQ(quick->Offers, 1);
    EXPECT_EQ(b->GetOrvQuickAccessToolBar(), nullptr) << "the refusing one is not kept";
    EXPECT_EQ(b->GetOrvToolBar(), nullptr);
    EXPECT_EQ(good->IndexOfToolBarControl(b), -1) << "the previous toolbar let it go";

    // Made a child the plain way, as a layout reader does.
    auto* c = new TOrvToolBarSeparator(form.get());
    EXPECT_EQ(MessageOf([&] { c->SetParent(quick); }), "OrvToolBar not set");
    EXPECT_EQ(MessageOf([&] { c->SetParent(good); }), "no error") << "a toolbar takes it afterwards";
    EXPECT_EQ(c->GetOrvToolBar(), good);
    EXPECT_EQ(good->IndexOfToolBarControl(c), 0);
}
