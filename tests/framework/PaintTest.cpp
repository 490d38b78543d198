#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "framework/OffscreenInternal.h"

using namespace orv;

namespace {

// Paints with several pens, brushes and fonts, so a leak of any kind would show.
class TBusyPainter : public TCustomControl {
public:
    explicit TBusyPainter(TComponent* owner) : TCustomControl(owner) { FDoubleBuffered = true; }
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        TCanvas& c = Canvas();
        c.Brush().SetColor(clBlue);
        c.FillRect(ClientRect());
        c.Brush().SetColor(clLime);
        c.Pen().SetColor(clRed);
        c.Rectangle(10, 10, 30, 30);
        c.Pen().SetWidth(3);
        c.MoveTo(0, 40);
        c.LineTo(50, 40);
        c.Font().SetHeight(-13);
        c.Font().SetStyle(fsBold);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.TextOut(2, 45, L"Paint");
        c.Font().SetStyle(0);
        TRect r = ClientRect();
        c.DrawText(L"centre", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

class TSquare : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clYellow);
        Canvas().FillRect(ClientRect());
    }
};

// Leaves its background to the window's erase and paints one lime square on it.
class TSquareOnColour : public TCustomControl {
public:
    explicit TSquareOnColour(TComponent* owner) : TCustomControl(owner) { FDoubleBuffered = true; }

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clLime);
        Canvas().FillRect({10, 10, 30, 30});
    }
};

TColor ScreenPixel(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    TBitmap one(1, 1);
    TWindowDC screen(nullptr);
    BitBlt(one.Canvas().Handle(), 0, 0, 1, 1, screen.Get(), p.X, p.Y, SRCCOPY);
    return one.PixelColor(0, 0);
}

}  // namespace

TEST(Paint, WithoutABufferADoubleBufferedWindowPaintsStraightOntoTheScreen) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(100, 100, 240, 160);
    auto* control = new TSquareOnColour(form.get());
    control->SetColor(clFuchsia);
    control->SetBounds(10, 10, 120, 80);
    control->SetParent(form.get());
    auto* square = new TSquare(form.get());
    square->SetBounds(60, 10, 20, 20);
    square->SetParent(control);
    form->Show();
    orvtest::PumpFor(50);
    ASSERT_EQ(ScreenPixel(control, 2, 2), clFuchsia);

    const int handles = GdiLiveTotal();
    {
        detail::TOffscreenFailure failing;  // no memory DC, no bitmap
        control->SetColor(clAqua);
        RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        orvtest::PumpFor(50);  // the screen shows it
        EXPECT_EQ(ScreenPixel(control, 2, 2), clAqua) << "the background, as the buffer would have it";
        EXPECT_EQ(ScreenPixel(control, 15, 15), clLime) << "the control's own paint";
        EXPECT_EQ(ScreenPixel(control, 65, 15), clYellow) << "its graphic child";
        EXPECT_EQ(ScreenPixel(control, 110, 70), clAqua);
    }
    EXPECT_EQ(GdiLiveTotal(), handles);
    // Buffered again once allocation works.
    control->SetColor(clBlue);
    RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    orvtest::PumpFor(50);
    EXPECT_EQ(ScreenPixel(control, 2, 2), clBlue);
    EXPECT_EQ(ScreenPixel(control, 15, 15), clLime);
}

TEST(Paint, DoubleBufferedPaintReleasesEverythingItMade) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetClientWidth(200);
    form->SetClientHeight(120);
    auto* painter = new TBusyPainter(form.get());
    painter->SetBounds(0, 0, 120, 80);
    painter->SetParent(form.get());
    auto* square = new TSquare(form.get());
    square->SetBounds(60, 10, 20, 20);
    square->SetParent(painter);
    form->Show();
    orvtest::PumpFor(50);

    int before = GdiLiveTotal();
    int paints = painter->Paints;
    RedrawWindow(painter->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_GT(painter->Paints, paints) << "the paint did not run";
    EXPECT_EQ(GdiLiveTotal(), before) << "a paint left GDI objects behind";
    for (int k = 0; k < static_cast<int>(TGdiKind::Count); ++k)
        EXPECT_EQ(GdiLiveCount(static_cast<TGdiKind>(k)), 0) << "kind " << k << " still alive after the paint";

    // Painting into a given DC (as a parent does for a child's background) draws the
    // control and its graphic children there, with no buffer of its own.
    TBitmap target(120, 80);
    painter->Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0);
    EXPECT_EQ(target.PixelColor(2, 2), clBlue);
    EXPECT_EQ(target.PixelColor(20, 20), clLime);
    EXPECT_EQ(target.PixelColor(10, 20), clRed) << "outline of the rectangle";
    EXPECT_EQ(target.PixelColor(65, 15), clYellow) << "graphic child painted at its place";
}

TEST(Canvas, PrimitivesHitExactPixels) {
    int before = GdiLiveTotal();
    {
        TBitmap bmp(40, 30);
        TCanvas& c = bmp.Canvas();
        c.Brush().SetColor(clWhite);
        c.FillRect({0, 0, 40, 30});
        c.Brush().SetColor(0x123456);
        c.FillRect({5, 5, 10, 8});  // right and bottom are outside
        EXPECT_EQ(bmp.PixelColor(5, 5), 0x123456);
        EXPECT_EQ(bmp.PixelColor(9, 7), 0x123456);
        EXPECT_EQ(bmp.PixelColor(10, 7), clWhite);
        EXPECT_EQ(bmp.PixelColor(9, 8), clWhite);

        c.Pen().SetColor(clBlack);
        c.MoveTo(0, 20);
        c.LineTo(10, 20);  // end point excluded
        EXPECT_EQ(bmp.PixelColor(0, 20), clBlack);
        EXPECT_EQ(bmp.PixelColor(9, 20), clBlack);
        EXPECT_EQ(bmp.PixelColor(10, 20), clWhite);
        EXPECT_EQ(c.PenPos(), (TPoint{10, 20}));

        c.SetPixel(30, 25, clRed);
        EXPECT_EQ(c.GetPixel(30, 25), clRed);

        // A clear brush fills nothing; a system colour resolves through the table.
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.FillRect({20, 0, 30, 10});
        EXPECT_EQ(bmp.PixelColor(25, 5), clWhite);
        c.Brush().SetColor(clBtnFace);
        c.FillRect({20, 0, 30, 10});
        EXPECT_EQ(bmp.PixelColor(25, 5), ColorToRGB(clBtnFace));
        EXPECT_GT(c.TextWidth(L"Wide text"), c.TextWidth(L"W"));
    }
    EXPECT_EQ(GdiLiveTotal(), before) << "bitmap and canvas must release their handles";
}

TEST(Canvas, AStateGuardLeavesTheCanvasAndItsDCInAgreement) {
    int before = GdiLiveTotal();
    {
        TBitmap bmp(10, 10);
        TCanvas& c = bmp.Canvas();
        c.Font().SetHeight(-30);  // described, not yet selected: the DC holds its stock font
        int inside;
        {
            TCanvasStateGuard guard(c);
            inside = c.TextWidth(L"MMMM");
        }
        // The restore put the stock font back into the DC; the canvas, whose font has
        // not changed, must select it again rather than measure with the stock font.
        EXPECT_EQ(c.TextWidth(L"MMMM"), inside);
        c.Font().SetHeight(-11);
    }
    EXPECT_EQ(GdiLiveTotal(), before);
}
