// Floating toolbars: the window's size and border, floating out of a dock and back, and
// the window following its form's visibility on the 40 ms timer.
#include <gtest/gtest.h>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "toolbar/FloatingWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarStylers.h"

using namespace orv;
using namespace glowtest;
using namespace orvtest;

namespace {

struct TFloatDockFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvDockPanel* Panel;
    TOrvToolBar* Bar;
    TFloatDockFixture() {
        Form->SetBounds(50, 50, 600, 300);
        Panel = new TOrvDockPanel(Form.get());
        Panel->SetParent(Form.get());
        Bar = new TOrvToolBar(Form.get());
        for (int i = 0; i < 3; ++i) {
            auto* b = new TOrvGlowButton(Form.get());
            b->SetBounds(0, 0, 30, 22);
            b->SetParent(Bar);
        }
        Bar->SetParent(Panel);
    }
};

}  // namespace

TEST(FloatingWindow, FloatsOutOfTheDockAndDocksBackWithEvents) {
    TFloatDockFixture f;
    f.Form->Show();
    int undocked = 0, docked = 0;
    TOrvDockPanel* dockedInto = nullptr;
    f.Bar->OnUnDocked = [&](TObject*) { ++undocked; };
    f.Bar->OnDocked = [&](TObject*, TOrvDockPanel* panel) {
        ++docked;
        dockedInto = panel;
    };
    ASSERT_EQ(f.Panel->RowCount(), 1);
    f.Bar->SetToolBarFloating({300, 200});
    TFloatingWindow* window = f.Bar->FloatingWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(undocked, 1);
    EXPECT_EQ(f.Bar->GetToolBarState(), tsFloating);
    EXPECT_EQ(f.Bar->Parent(), window);
    EXPECT_EQ(f.Panel->RowCount(), 0) << "it left its dock";
    EXPECT_EQ(f.Panel->OrvToolBarCount(), 0);
    EXPECT_EQ(f.Panel->Height(), 3);
    // One row under the caption: 2 + 90 + 2 wide, 16 + 26 high; the window adds the
    // border (2) and a pixel on each side, the toolbar sits inside them.
    EXPECT_EQ(f.Bar->Width(), 94);
    EXPECT_EQ(f.Bar->Height(), 42);
    EXPECT_EQ(window->Width(), 94 + 2 * 2 + 2);
    EXPECT_EQ(window->Height(), 42 + 2 * 2 + 2);
    EXPECT_EQ(f.Bar->Left(), 3);
    EXPECT_EQ(f.Bar->Top(), 3);
    EXPECT_EQ(window->Left(), 300);
    EXPECT_EQ(window->Top(), 200);
    EXPECT_TRUE(window->GetVisible());

    // Docking again: the dock's row, the docked thickness, the window gone.
    f.Bar->Dock(f.Panel);
    EXPECT_EQ(docked, 1);
    EXPECT_EQ(dockedInto, f.Panel);
    EXPECT_EQ(f.Bar->FloatingWindow(), nullptr);
    EXPECT_EQ(f.Bar->GetToolBarState(), tsDocked);
    EXPECT_EQ(f.Bar->Height(), 26);
    EXPECT_EQ(f.Panel->RowCount(), 1);
    EXPECT_EQ(f.Bar->Top(), 1);
    EXPECT_EQ(f.Bar->Left(), 3);
}

TEST(FloatingWindow, VerticalToolBarsFloatHorizontalAndClosingHidesTheToolBar) {
    TFloatDockFixture f;
    f.Form->Show();
    f.Panel->SetAlign(daLeft);
    ASSERT_EQ(f.Bar->GetPosition(), daLeft);
    f.Bar->SetToolBarFloating({100, 100});
    EXPECT_EQ(f.Bar->GetPosition(), daTop);
    EXPECT_EQ(f.Bar->Width(), 94);
    TFloatingWindow* window = f.Bar->FloatingWindow();
    ASSERT_NE(window, nullptr);
    window->Close();
    EXPECT_FALSE(f.Bar->GetVisible());
    EXPECT_FALSE(window->GetVisible());
    EXPECT_EQ(f.Bar->FloatingWindow(), window) << "hidden, not freed";
}

TEST(FloatingWindow, PaintsItsBorderAndTheFourInnerCornerPixels) {
    TFloatDockFixture f;
    f.Bar->SetToolBarFloating({100, 100});
    TFloatingWindow* window = f.Bar->FloatingWindow();
    ASSERT_NE(window, nullptr);
    window->SetBorderColor(RGB(0, 0, 255));
    window->SetColor(RGB(255, 255, 255));
    window->SetBorderWidth(3);
    EXPECT_EQ(window->Width(), 94 + 2 * 3 + 2);
    const int w = window->Width(), h = window->Height();
    TBitmap bmp;
    bmp.SetSize(w, h);
    HDC dc = bmp.Canvas().Handle();
    window->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    const COLORREF blue = RGB(0, 0, 255);
    EXPECT_EQ(GetPixel(dc, 1, h / 2), blue) << "left border";
    EXPECT_EQ(GetPixel(dc, w / 2, 1), blue) << "top border";
    EXPECT_EQ(GetPixel(dc, 3, 3), blue) << "corner pixel (BorderWidth, BorderWidth)";
    EXPECT_EQ(GetPixel(dc, w - 3 - 1, 3), blue);
    EXPECT_EQ(GetPixel(dc, 3, h - 3 - 1), blue);
    EXPECT_EQ(GetPixel(dc, w - 3 - 1, h - 3 - 1), blue);
    EXPECT_EQ(GetPixel(dc, w / 2, h / 2), RGB(255, 255, 255)) << "the window colour inside";
    // A 3-pixel pen over the rectangle's edges (1, 1) and (w - 1, h - 1): the border covers
    // 0 ... 2 and w - 2 ... w - 1; the corner pixels round the inside of it.
    EXPECT_EQ(GetPixel(dc, w - 2, h / 2), blue) << "right border";
    EXPECT_EQ(GetPixel(dc, w / 2, h - 2), blue) << "bottom border";
    EXPECT_EQ(GetPixel(dc, 4, 3), RGB(255, 255, 255)) << "beside the corner pixel";
    EXPECT_EQ(GetPixel(dc, 3, 4), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, w - 5, h - 4), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, w / 2, 3), RGB(255, 255, 255)) << "the border is 3 pixels";

    // Without a border colour only the window colour.
    window->SetBorderColor(clNone);
    window->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(GetPixel(dc, 1, h / 2), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(255, 255, 255));
}

TEST(FloatingWindow, HidingTheFormHidesItsFloatingToolBarsWithin40MsAndShowingBringsBackOnlyThose) {
    TFloatDockFixture f;
    f.Form->Show();
    auto* other = new TOrvToolBar(f.Form.get());
    other->SetParent(f.Panel);
    f.Bar->SetToolBarFloating({100, 100});
    other->SetToolBarFloating({300, 100});
    TFloatingWindow* first = f.Bar->FloatingWindow();
    TFloatingWindow* second = other->FloatingWindow();
    ASSERT_TRUE(first && second);
    second->Close();  // closed by the user: stays hidden
    ASSERT_FALSE(second->GetVisible());
    f.Form->Hide();
    EXPECT_TRUE(PumpUntil([&] { return !first->GetVisible(); }, 200));
    EXPECT_TRUE(first->AutoHidden());
    EXPECT_FALSE(second->AutoHidden());
    f.Form->Show();
    EXPECT_TRUE(PumpUntil([&] { return first->GetVisible(); }, 200));
    PumpFor(100);
    EXPECT_FALSE(second->GetVisible()) << "only the windows the form's hiding took";
}

namespace {

// A shown form whose dock holds a toolbar of six 40-pixel glow buttons, floated in
// FloatingRows rows with the window's top-left at (200, 150). Rows of the search: three
// take 2 + 80 + 2 = 84 pixels, two 124, one 244; each row is 26 high under a 16-pixel
// caption; the window adds 2 x 2 + 2 each way.
struct TRowsFixture : TFloatDockFixture {
    TFloatingWindow* Window = nullptr;
    explicit TRowsFixture(int rows) {
        SetCursorPos(20, 20);
        for (int i = 0; i < 3; ++i) {
            auto* b = new TOrvGlowButton(Form.get());
            b->SetBounds(0, 0, 30, 22);
            b->SetParent(Bar);
        }
        for (int i = 0; i < Bar->ControlCount(); ++i) Bar->Controls(i)->SetWidth(40);
        Form->Show();
        Bar->SetFloatingRows(rows);
        Bar->SetToolBarFloating({200, 150});
        Window = Bar->FloatingWindow();
        PumpFor(50);
    }
    ~TRowsFixture() {
        if (GetAsyncKeyState(VK_LBUTTON) < 0) LeftUp();
        SetCursorPos(20, 20);
    }
    TRect Bounds() const { return Window->BoundsRect(); }
};

::testing::AssertionResult HasRows(TRowsFixture& f, int rows, int width, TPoint topLeft) {
    const int height = 16 + rows * 26;
    TRect expected = Bounds(topLeft.X, topLeft.Y, width + 6, height + 6);
    if (f.Bar->FloatingRowCount() != rows || f.Bar->Width() != width || f.Bar->Height() != height ||
        f.Bounds() != expected)
        return ::testing::AssertionFailure()
               << f.Bar->FloatingRowCount() << " rows, toolbar " << f.Bar->Width() << " x " << f.Bar->Height()
               << ", window (" << f.Bounds().Left << ", " << f.Bounds().Top << ", " << f.Bounds().Right << ", "
               << f.Bounds().Bottom << "); expected " << rows << " rows, " << width << " x " << height;
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(FloatingWindow, TheRightEdgeStepsRowsAndTurnsBackOnlyPastTheOtherSize) {
    TRowsFixture f(3);
    ASSERT_NE(f.Window, nullptr);
    ASSERT_TRUE(HasRows(f, 3, 84, {200, 150}));
    const int y = 150 + 50;
    // Pressed on the border, 2 pixels inside the right edge (x = 290).
    PointAtScreen({288, y});
    LeftDown();
    ASSERT_TRUE(f.Window->Resizing());
    PointAtScreen({292, y});
    EXPECT_TRUE(HasRows(f, 3, 84, {200, 150})) << "4 pixels change nothing";
    PointAtScreen({294, y});
    EXPECT_TRUE(HasRows(f, 2, 124, {200, 150})) << "6 pixels outward: one row fewer";
    EXPECT_EQ(f.Bar->GetFloatingRows(), 2);
    // Onward past the new edge (x = 330): 2 pixels are not enough, 3 are.
    PointAtScreen({332, y});
    EXPECT_TRUE(HasRows(f, 2, 124, {200, 150}));
    PointAtScreen({333, y});
    EXPECT_TRUE(HasRows(f, 1, 244, {200, 150}));
    // Back: only once the pointer is inside the edge two rows would have (x = 330).
    PointAtScreen({400, y});
    PointAtScreen({330, y});
    EXPECT_TRUE(HasRows(f, 1, 244, {200, 150})) << "on the two-row edge, not past it";
    PointAtScreen({329, y});
    EXPECT_TRUE(HasRows(f, 2, 124, {200, 150})) << "past it";
    // Onward inward: more than 2 pixels inside the edge.
    PointAtScreen({328, y});
    EXPECT_TRUE(HasRows(f, 2, 124, {200, 150}));
    PointAtScreen({327, y});
    EXPECT_TRUE(HasRows(f, 3, 84, {200, 150}));
    LeftUp();
    EXPECT_FALSE(f.Window->Resizing());
    PointAtScreen({450, y});
    EXPECT_TRUE(HasRows(f, 3, 84, {200, 150})) << "released: the pointer no longer resizes";
}

TEST(FloatingWindow, TheLeftAndTopEdgesKeepTheOppositeEdgeInPlace) {
    TRowsFixture f(2);
    ASSERT_NE(f.Window, nullptr);
    ASSERT_TRUE(HasRows(f, 2, 124, {200, 150}));
    // The top edge, pressed on the toolbar's caption inside the band: up is taller, one
    // row more, the bottom (224) stays.
    PointAtScreen({265, 154});
    LeftDown();
    ASSERT_TRUE(f.Window->Resizing()) << "the toolbar lets the band through";
    PointAtScreen({265, 150});
    EXPECT_TRUE(HasRows(f, 2, 124, {200, 150}));
    PointAtScreen({265, 148});
    EXPECT_TRUE(HasRows(f, 3, 84, {200, 224 - 100}));
    LeftUp();
    // The left edge: outward is wider, one row fewer, the right edge (290) stays.
    PointAtScreen({201, 170});
    LeftDown();
    PointAtScreen({197, 170});
    EXPECT_TRUE(HasRows(f, 3, 84, {200, 124}));
    PointAtScreen({195, 170});
    EXPECT_TRUE(HasRows(f, 2, 124, {290 - 130, 124}));
    LeftUp();
    // The bottom edge inward: shorter, one row fewer.
    const int bottom = f.Bounds().Bottom;
    PointAtScreen({220, bottom - 1});
    LeftDown();
    PointAtScreen({220, bottom - 7});
    EXPECT_TRUE(HasRows(f, 1, 244, {160, 124}));
    LeftUp();
}

TEST(FloatingWindow, TheEdgeBandsShowTheSizingCursors) {
    TRowsFixture f(2);
    ASSERT_NE(f.Window, nullptr);
    const HCURSOR across = LoadCursor(nullptr, IDC_SIZEWE), upDown = LoadCursor(nullptr, IDC_SIZENS);
    const int w = f.Window->Width(), h = f.Window->Height();
    struct {
        TPoint At;
        HCURSOR Cursor;
        const char* Where;
    } cases[] = {
        {{w - 2, h / 2}, across, "right border"},
        {{w - 5, h / 2}, across, "right band over the toolbar"},
        {{w / 2, h - 1}, upDown, "bottom border"},
        {{w / 2, h - 5}, upDown, "bottom band over the toolbar"},
        {{1, h / 2}, across, "left border"},
        {{4, 30}, across, "left band over the toolbar"},
        {{w / 2, 1}, upDown, "top border"},
        {{w / 3, 5}, upDown, "top band over the caption"},
        {{w - 1, h - 1}, across, "corner: the right edge is asked first"},
    };
    for (const auto& c : cases) {
        PointAt(f.Window, c.At.X, c.At.Y);
        EXPECT_EQ(GetCursor(), c.Cursor) << c.Where;
    }
    PointAt(f.Window, w / 3, 10);
    EXPECT_NE(GetCursor(), across) << "the caption inside the bands";
    EXPECT_NE(GetCursor(), upDown);
}

TEST(FloatingWindow, AFloatingToolBarKeepsItsDocksStylerAndForgetsAFreedDock) {
    // Regressions: floating, a toolbar with ParentStyler fell back to its internal styler;
    // a dock freed while its toolbar floated stayed the toolbar's last dock, which the
    // 40 ms timer then asked for its form.
    TFloatDockFixture f;
    f.Form->Show();
    auto* styler = new TOrvToolBarOfficeStyler(f.Form.get());
    f.Panel->SetToolBarStyler(styler);
    ASSERT_EQ(f.Bar->CurrentToolBarStyler(), styler);
    f.Bar->SetToolBarFloating({200, 150});
    ASSERT_NE(f.Bar->FloatingWindow(), nullptr);
    EXPECT_EQ(f.Bar->CurrentToolBarStyler(), styler) << "the styler of the dock it was last docked in";
    f.Panel->Free();
    EXPECT_EQ(f.Bar->LastDock(), nullptr);
    EXPECT_NE(f.Bar->CurrentToolBarStyler(), styler) << "no last dock: its own styler";
    PumpFor(100);
    EXPECT_TRUE(f.Bar->FloatingWindow()->GetVisible()) << "no form to follow: it stays as it is";
}
