#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"

using namespace orv;
using orvtest::PumpUntil;

namespace {

// Paints one rectangle of Color (client coordinates) and nothing else.
template <class Base>
class TPatch : public Base {
public:
    TPatch(TComponent* owner, TColor color, TRect patch) : Base(owner), Color(color), Patch(patch) {}
    TColor Color;
    TRect Patch;

protected:
    void Paint() override {
        this->Canvas().Brush().SetColor(Color);
        this->Canvas().FillRect(Patch);
    }
};
using TGraphicPatch = TPatch<TGraphicControl>;
using TWindowedPatch = TPatch<TCustomControl>;

TColor ScreenPixel(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    TBitmap one(1, 1);
    TWindowDC screen(nullptr);
    BitBlt(one.Canvas().Handle(), 0, 0, 1, 1, screen.Get(), p.X, p.Y, SRCCOPY);
    return one.PixelColor(0, 0);
}

// Fills the whole bitmap, whatever origin its DC has.
void Fill(TBitmap& bmp) {
    bmp.Canvas().Brush().SetColor(clFuchsia);
    bmp.Canvas().FillRect({-100, -100, bmp.Width() + 100, bmp.Height() + 100});
}

}  // namespace

TEST(ParentBackground, ShowsThroughNonOpaqueChildrenAfterTheParentsColourChanges) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(100, 100, 300, 200);
    form->SetColor(clRed);
    auto* under = new TGraphicPatch(form.get(), clYellow, {0, 0, 20, 10});  // beneath the windowed child
    under->SetBounds(10, 30, 20, 10);
    under->SetParent(form.get());
    auto* windowed = new TWindowedPatch(form.get(), clBlue, {25, 15, 35, 25});
    windowed->SetControlStyle(csParentBackground);
    windowed->SetDoubleBuffered(true);
    windowed->SetBounds(20, 20, 60, 40);
    windowed->SetParent(form.get());
    auto* graphic = new TGraphicPatch(form.get(), clLime, {25, 15, 35, 25});
    graphic->SetBounds(100, 20, 60, 40);
    graphic->SetParent(form.get());
    form->Show();
    SetForegroundWindow(form->Handle());
    ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(windowed, 30, 20) == clBlue; })) << "the child never painted";
    orvtest::PumpFor(100);
    EXPECT_EQ(ScreenPixel(windowed, 3, 3), clRed);
    EXPECT_EQ(ScreenPixel(windowed, 2, 12), clYellow) << "the graphic sibling beneath shows through";

    form->SetColor(clTeal);
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(windowed, 3, 3) == clTeal; }, 2000)) << "windowed child";
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(graphic, 3, 3) == clTeal; }, 2000)) << "graphic child";
    EXPECT_EQ(ScreenPixel(windowed, 30, 20), clBlue);
    EXPECT_EQ(ScreenPixel(windowed, 2, 12), clYellow);
    EXPECT_EQ(ScreenPixel(graphic, 30, 20), clLime);

    // A change beneath repaints the windowed child over it, too.
    under->Color = clNavy;
    under->Invalidate();
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(windowed, 2, 12) == clNavy; }, 2000));
}

TEST(ParentBackground, KeepsTheTargetsOriginAndClipsToRectOrRegion) {
    // In the parent (red): a blue band x 20..30, a yellow sibling at 30..40 beneath
    // the graphic target (20..60) and a lime one at 50..60 above it.
    TOwnedPtr<TWindowedPatch> parent(new TWindowedPatch(nullptr, clBlue, {20, 10, 30, 40}));
    parent->SetBounds(0, 0, 100, 60);
    parent->SetColor(clRed);
    auto* below = new TGraphicPatch(parent.get(), clYellow, {0, 0, 10, 30});
    below->SetBounds(30, 10, 10, 30);
    below->SetParent(parent.get());
    auto* target = new TGraphicPatch(parent.get(), clWhite, {0, 0, 40, 30});
    target->SetBounds(20, 10, 40, 30);
    target->SetParent(parent.get());
    auto* above = new TGraphicPatch(parent.get(), clLime, {0, 0, 10, 30});
    above->SetBounds(50, 10, 10, 30);
    above->SetParent(parent.get());

    TBitmap bmp(80, 60);
    HDC dc = bmp.Canvas().Handle();
    SetWindowOrgEx(dc, -3, -2, nullptr);  // logical (0, 0) lands on device (10, 7)
    SetViewportOrgEx(dc, 7, 5, nullptr);
    auto at = [&](int x, int y) { return bmp.PixelColor(10 + x, 7 + y); };
    TGdiRegion region(CreateRectRgn(10, 0, 20, 30));
    Fill(bmp);
    int gdi = GdiLiveTotal();

    target->DrawParentBackground(dc);
    EXPECT_EQ(at(5, 5), clBlue) << "the parent's own content";
    EXPECT_EQ(at(15, 5), clYellow) << "the sibling beneath";
    EXPECT_EQ(at(35, 5), clRed) << "the parent's colour, not the sibling above";
    EXPECT_EQ(at(45, 5), clFuchsia) << "nothing outside the target";
    EXPECT_EQ(at(5, -2), clFuchsia);
    POINT org, view;
    GetWindowOrgEx(dc, &org);
    GetViewportOrgEx(dc, &view);
    EXPECT_EQ(org.x + view.x, 4) << "the DC's origins are left as they were";

    Fill(bmp);
    target->DrawParentBackground(dc, TRect{0, 0, 10, 30});
    EXPECT_EQ(at(5, 5), clBlue);
    EXPECT_EQ(at(15, 5), clFuchsia) << "outside the rectangle";

    Fill(bmp);
    target->DrawParentBackground(dc, region.Get());
    EXPECT_EQ(at(15, 5), clYellow) << "inside the region";
    EXPECT_EQ(at(5, 5), clFuchsia);
    EXPECT_EQ(at(25, 5), clFuchsia);

    // Every graphic child lies beneath a windowed one.
    auto* windowed = new TWindowedPatch(parent.get(), clBlack, {});
    windowed->SetBounds(20, 10, 40, 30);
    windowed->SetParent(parent.get());
    Fill(bmp);
    windowed->DrawParentBackground(dc);
    EXPECT_EQ(at(25, 5), clWhite);
    EXPECT_EQ(at(35, 5), clLime);
    EXPECT_EQ(GdiLiveTotal(), gdi) << "the background paint left GDI objects behind";
}

namespace {

// Child and parent paint each other: the child starts from its parent's background,
// and the parent paints the child as part of its own content.
class TNestedChild : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Paints = 0, Depth = 0;

protected:
    void Paint() override {
        ++Paints;
        bool outer = ++Depth == 1;
        DrawParentBackground(Canvas().Handle());
        if (outer) {  // the outer paint must still own its DC after the nested one
            Canvas().Brush().SetColor(clLime);
            Canvas().FillRect({10, 10, 20, 20});
        }
        --Depth;
    }
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
    Fill(bmp);
    child->PaintTo(bmp.Canvas().Handle());
    EXPECT_EQ(child->Paints, 2) << "once asked, once from the parent's paint";
    EXPECT_EQ(parent->Paints, 1) << "the nested request must not paint the parent again";
    EXPECT_EQ(bmp.PixelColor(2, 2), clBlue);
    EXPECT_EQ(bmp.PixelColor(15, 15), clLime);
}
