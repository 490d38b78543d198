// Floating toolbars: the window's size and border, floating out of a dock and back, and
// the window following its form's visibility on the 40 ms timer.
#include <gtest/gtest.h>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "toolbar/FloatingWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBar.h"

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
