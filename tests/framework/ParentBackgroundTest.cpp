#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"

using namespace orv;
using orvtest::PumpUntil;

namespace {

// A windowed control that only paints a 10 x 10 square in its middle; the rest is its
// parent's background.
class TSeeThrough : public TCustomControl {
public:
    explicit TSeeThrough(TComponent* owner) : TCustomControl(owner) {
        FControlStyle = csCaptureMouse | csClickEvents | csParentBackground;
        FDoubleBuffered = true;
    }
    TColor Square = clBlue;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(Square);
        int x = Width() / 2 - 5, y = Height() / 2 - 5;
        Canvas().FillRect({x, y, x + 10, y + 10});
    }
};

// A graphic control that fills its whole rectangle, or only a middle square.
class TBlock : public TGraphicControl {
public:
    TBlock(TComponent* owner, TColor color, bool wholeRect) : TGraphicControl(owner), Color(color), Whole(wholeRect) {}
    TColor Color;
    bool Whole;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(Color);
        if (Whole) {
            Canvas().FillRect(ClientRect());
        } else {
            int x = Width() / 2 - 5, y = Height() / 2 - 5;
            Canvas().FillRect({x, y, x + 10, y + 10});
        }
    }
};

// A parent whose own content is a blue band over its colour.
class TBanded : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clBlue);
        Canvas().FillRect({20, 10, 30, 40});
    }
};

// What the screen shows at a control's client point.
TColor ScreenPixel(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    TBitmap one(1, 1);
    TWindowDC screen(nullptr);
    BitBlt(one.Canvas().Handle(), 0, 0, 1, 1, screen.Get(), p.X, p.Y, SRCCOPY);
    return one.PixelColor(0, 0);
}

// Fills the whole bitmap, whatever origin its DC has.
void Fill(TBitmap& bmp, TColor color) {
    bmp.Canvas().Brush().SetColor(color);
    bmp.Canvas().FillRect({-100, -100, bmp.Width() + 100, bmp.Height() + 100});
}

}  // namespace

TEST(ParentBackground, ShowsThroughNonOpaqueChildrenAfterTheParentsColourChanges) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(100, 100, 300, 200);
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    form->SetColor(clRed);
    // A graphic control beneath the windowed one, showing through its left part.
    auto* under = new TBlock(form.get(), clYellow, true);
    under->SetBounds(10, 30, 20, 10);
    under->SetParent(form.get());
    auto* windowed = new TSeeThrough(form.get());
    windowed->SetBounds(20, 20, 60, 40);
    windowed->SetParent(form.get());
    auto* graphic = new TBlock(form.get(), clLime, false);
    graphic->SetBounds(100, 20, 60, 40);
    graphic->SetParent(form.get());
    form->Show();
    SetForegroundWindow(form->Handle());

    ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(windowed, 30, 20) == clBlue; })) << "the child never painted";
    orvtest::PumpFor(100);
    EXPECT_EQ(ScreenPixel(windowed, 3, 3), clRed) << "the form's colour behind the windowed child";
    EXPECT_EQ(ScreenPixel(windowed, 2, 12), clYellow) << "the graphic sibling beneath it shows through";
    EXPECT_EQ(ScreenPixel(graphic, 3, 3), clRed);
    EXPECT_EQ(ScreenPixel(graphic, 30, 20), clLime);

    form->SetColor(clTeal);
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(windowed, 3, 3) == clTeal; }, 2000))
        << "the windowed child still shows the old colour";
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(graphic, 3, 3) == clTeal; }, 2000))
        << "the graphic child still shows the old colour";
    EXPECT_EQ(ScreenPixel(windowed, 30, 20), clBlue);
    EXPECT_EQ(ScreenPixel(windowed, 2, 12), clYellow);
    EXPECT_EQ(ScreenPixel(graphic, 30, 20), clLime);

    // Changing what lies beneath repaints the windowed child over it, too.
    under->Color = clNavy;
    under->Invalidate();
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(windowed, 2, 12) == clNavy; }, 2000));
}

TEST(ParentBackground, KeepsTheTargetsOriginAndClipsToRectOrRegion) {
    TOwnedPtr<TBanded> parent(new TBanded(nullptr));
    parent->SetBounds(0, 0, 100, 60);
    parent->SetColor(clRed);
    // In the parent: blue band x 20..30, yellow sibling 30..40, colour 40..60, and a
    // lime sibling at 50..60 stacked above the graphic target (so not beneath it).
    auto* below = new TBlock(parent.get(), clYellow, true);
    below->SetBounds(30, 10, 10, 30);
    below->SetParent(parent.get());
    auto* target = new TBlock(parent.get(), clWhite, true);
    target->SetBounds(20, 10, 40, 30);
    target->SetParent(parent.get());
    auto* above = new TBlock(parent.get(), clLime, true);
    above->SetBounds(50, 10, 10, 30);
    above->SetParent(parent.get());

    TBitmap bmp(80, 60);
    HDC dc = bmp.Canvas().Handle();
    // Logical (0, 0) lands on device (10, 7).
    SetWindowOrgEx(dc, -3, -2, nullptr);
    SetViewportOrgEx(dc, 7, 5, nullptr);
    auto at = [&](int x, int y) { return bmp.PixelColor(10 + x, 7 + y); };
    TGdiRegion region(CreateRectRgn(10, 0, 20, 30));
    Fill(bmp, clFuchsia);
    int gdi = GdiLiveTotal();

    target->DrawParentBackground(dc);
    EXPECT_EQ(at(5, 5), clBlue) << "the parent's own content";
    EXPECT_EQ(at(15, 5), clYellow) << "the sibling beneath";
    EXPECT_EQ(at(25, 5), clRed) << "the parent's colour";
    EXPECT_EQ(at(35, 5), clRed) << "a sibling above the target is not behind it";
    EXPECT_EQ(at(45, 5), clFuchsia) << "nothing outside the target";
    EXPECT_EQ(at(5, -2), clFuchsia);
    POINT org, view;
    GetWindowOrgEx(dc, &org);
    GetViewportOrgEx(dc, &view);
    EXPECT_EQ(org.x, -3);
    EXPECT_EQ(org.y, -2);
    EXPECT_EQ(view.x, 7);
    EXPECT_EQ(view.y, 5);

    Fill(bmp, clFuchsia);
    target->DrawParentBackground(dc, TRect{0, 0, 10, 30});
    EXPECT_EQ(at(5, 5), clBlue);
    EXPECT_EQ(at(15, 5), clFuchsia) << "outside the rectangle";

    Fill(bmp, clFuchsia);
    target->DrawParentBackground(dc, region.Get());
    EXPECT_EQ(at(15, 5), clYellow) << "inside the region";
    EXPECT_EQ(at(5, 5), clFuchsia);
    EXPECT_EQ(at(25, 5), clFuchsia);
    RECT box;
    GetRgnBox(region.Get(), &box);
    EXPECT_EQ(box.left, 10) << "the caller's region is left as it was";

    // Every graphic child lies beneath a windowed one.
    auto* windowed = new TSeeThrough(parent.get());
    windowed->SetBounds(20, 10, 40, 30);
    windowed->SetParent(parent.get());
    Fill(bmp, clFuchsia);
    windowed->DrawParentBackground(dc);
    EXPECT_EQ(at(25, 5), clWhite) << "the graphic target";
    EXPECT_EQ(at(35, 5), clLime) << "and the one above it";
    EXPECT_EQ(GdiLiveTotal(), gdi) << "the background paint left GDI objects behind";
}

namespace {

// A graphic control that draws its parent's background and then a lime square; its
// parent paints it as part of its own paint, so each asks the other to paint.
class TNestedChild : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        bool outer = ++Depth == 1;
        DrawParentBackground(Canvas().Handle());
        // Only the outer paint draws the square: it must still own its DC after the
        // nested paint has ended.
        if (outer) {
            Canvas().Brush().SetColor(clLime);
            Canvas().FillRect({10, 10, 20, 20});
        }
        --Depth;
    }

private:
    int Depth = 0;
};

class TPaintsChild : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TNestedChild* Child = nullptr;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        Canvas().Brush().SetColor(clBlue);
        Canvas().FillRect(ClientRect());
        HDC dc = Canvas().Handle();
        TSaveDCGuard saved(dc);
        POINT org;
        GetWindowOrgEx(dc, &org);
        SetWindowOrgEx(dc, org.x - Child->Left(), org.y - Child->Top(), nullptr);
        Child->PaintTo(dc);
    }
};

}  // namespace

TEST(ParentBackground, ANestedRequestForTheSameControlPaintsNothing) {
    TOwnedPtr<TPaintsChild> parent(new TPaintsChild(nullptr));
    parent->SetBounds(0, 0, 60, 40);
    auto* child = new TNestedChild(parent.get());
    child->SetBounds(10, 5, 30, 30);
    child->SetParent(parent.get());
    parent->Child = child;

    TBitmap bmp(30, 30);
    Fill(bmp, clFuchsia);
    int gdi = GdiLiveTotal();
    child->PaintTo(bmp.Canvas().Handle());
    EXPECT_EQ(child->Paints, 2) << "once asked, once from the parent's paint";
    EXPECT_EQ(parent->Paints, 1) << "the nested request must not paint the parent again";
    EXPECT_EQ(bmp.PixelColor(2, 2), clBlue) << "the parent's background";
    EXPECT_EQ(bmp.PixelColor(15, 15), clLime) << "the outer paint still draws into its DC";
    EXPECT_EQ(GdiLiveTotal(), gdi);
}
