// Status bar pixels: the gauge painter on a bitmap, and the bar's border, grip and
// separators painted into a bitmap from a real window.
#include <windows.h>

#include <cstdlib>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "paint/OrvColors.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"
#include "toolbar/OrvToolBarForm.h"
#include "toolbar/OrvToolBarPager.h"

using namespace orv;
using enum orv::TOfficeStatusBarStyle;

namespace {

bool Near(TColor a, TColor b, int tolerance = 2) {
    for (int shift : {0, 8, 16})
        if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

std::unique_ptr<TBitmap> GaugePicture(int percent, const TGaugeSettings& s, TColor under = clBlue) {
    auto b = std::make_unique<TBitmap>(200, 15);
    b->Canvas().Brush().SetColor(under);
    b->Canvas().FillRect({0, 0, 200, 15});
    DrawGauge(b->Canvas(), {0, 0, 200, 15}, percent, s);
    return b;
}

TGaugeSettings Quiet() {
    TGaugeSettings s;
    s.ShowPercentage = false;  // no text over the pixels read
    s.ShowGradient = false;
    return s;
}

std::unique_ptr<TBitmap> Snapshot(TWinControl* c) {
    auto bmp = std::make_unique<TBitmap>(c->Width(), c->Height());
    bmp->Canvas().Brush().SetColor(clFuchsia);
    bmp->Canvas().FillRect({0, 0, c->Width(), c->Height()});
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp->Canvas().Handle()), 0);
    return bmp;
}

}  // namespace

TEST(StatusBarGauge, BlocksAndLevels) {
    // Blocks: 2-pixel gaps every 9 pixels from the part's left + 8, in the background.
    TGaugeSettings s = Quiet();
    s.BackgroundColor = clFuchsia;
    auto b = GaugePicture(50, s);
    // w = 198; part (2, 2, 99, 12).
    EXPECT_EQ(b->PixelColor(9, 6), clLime);
    EXPECT_EQ(b->PixelColor(10, 6), clFuchsia);
    EXPECT_EQ(b->PixelColor(11, 6), clFuchsia);
    EXPECT_EQ(b->PixelColor(12, 6), clLime);
    EXPECT_EQ(b->PixelColor(19, 6), clFuchsia);
    EXPECT_EQ(b->PixelColor(91, 6), clFuchsia);
    EXPECT_EQ(b->PixelColor(93, 6), clLime);
    EXPECT_EQ(b->PixelColor(98, 6), clLime);
    EXPECT_EQ(b->PixelColor(99, 6), clFuchsia) << "the part ends at G.Left + p * w / 100";
    EXPECT_EQ(b->PixelColor(2, 2), clLime);
    EXPECT_EQ(b->PixelColor(2, 1), clFuchsia);

    // A see-through background: the gaps show what lay there before.
    s.BackgroundColor = clNone;
    b = GaugePicture(50, s, clBlue);
    EXPECT_EQ(b->PixelColor(10, 6), clBlue);
    EXPECT_EQ(b->PixelColor(12, 6), clLime);
    EXPECT_EQ(b->PixelColor(150, 6), clBlue);
    // The gaps are kept out of the drawing only while it lasts: the DC's own clip returns.
    {
        TBitmap c(200, 15);
        HDC dc = c.Canvas().Handle();
        IntersectClipRect(dc, 0, 0, 150, 15);
        DrawGauge(c.Canvas(), {0, 0, 200, 15}, 100, s);
        c.Canvas().Brush().SetColor(clYellow);
        c.Canvas().FillRect({0, 0, 200, 15});
        EXPECT_EQ(c.PixelColor(10, 6), clYellow) << "no gap left out of later drawing";
        SelectClipRgn(dc, nullptr);
        EXPECT_NE(c.PixelColor(160, 6), clYellow) << "the clip set before still holds";
    }

    // Level choice, smooth bar from G.Left + 1.
    s.CompletionSmooth = true;
    struct {
        int Percent;
        TColor Color;
    } levels[] = {{10, clLime},   {69, clLime},   {70, clYellow}, {89, clYellow},
                  {90, 0x53A9FF}, {95, 0x53A9FF}, {99, 0x53A9FF}, {100, clRed}};
    for (auto level : levels) {
        b = GaugePicture(level.Percent, s);
        EXPECT_EQ(b->PixelColor(1, 6), level.Color) << level.Percent << " %";
        EXPECT_EQ(b->PixelColor(0, 6), clBlue);
    }

    // Nothing at 0 %, and a border inset by one.
    b = GaugePicture(0, s);
    for (int x = 0; x < 200; x += 7) EXPECT_EQ(b->PixelColor(x, 6), clBlue) << x;
    s.ShowBorder = true;
    s.BorderColor = clBlack;
    s.BackgroundColor = clWhite;
    b = GaugePicture(0, s);
    EXPECT_EQ(b->PixelColor(0, 6), clBlack);
    EXPECT_EQ(b->PixelColor(100, 0), clBlack);
    EXPECT_EQ(b->PixelColor(199, 14), clBlack);
    EXPECT_EQ(b->PixelColor(100, 6), clWhite);
}

TEST(StatusBarGauge, StackedFillsTheInnerWidthAtHundred) {
    TGaugeSettings s = Quiet();
    s.Stacked = true;
    s.CompletionSmooth = true;
    auto b = GaugePicture(100, s);
    // w = 198: 139 lime, 40 yellow, the rest (19) in the flat Level3 colour.
    EXPECT_EQ(b->PixelColor(0, 6), clBlue);
    EXPECT_EQ(b->PixelColor(1, 6), clLime);
    EXPECT_EQ(b->PixelColor(139, 6), clLime);
    EXPECT_EQ(b->PixelColor(140, 6), clYellow);
    EXPECT_EQ(b->PixelColor(179, 6), clYellow);
    EXPECT_EQ(b->PixelColor(180, 6), clRed);
    EXPECT_EQ(b->PixelColor(198, 6), clRed);
    EXPECT_EQ(b->PixelColor(199, 6), clBlue) << "exactly the inner width";
    EXPECT_EQ(b->PixelColor(100, 1), clLime);
    EXPECT_EQ(b->PixelColor(100, 13), clBlue) << "parts end at G.Bottom - 2";

    // 80 %: no third part.
    b = GaugePicture(80, s);
    EXPECT_EQ(b->PixelColor(150, 6), clYellow);
    EXPECT_EQ(b->PixelColor(160, 6), clBlue);
}

struct TBarOnForm {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvOfficeStatusBar* Bar;
    explicit TBarOnForm(bool sizeable) {
        Form->SetBorderStyle(sizeable ? TFormBorderStyle::bsSizeable : TFormBorderStyle::bsSingle);
        Form->SetBounds(140, 140, 300, 200);
        Form->SetClientWidth(400);
        Bar = new TOrvOfficeStatusBar(Form.get());
        Bar->SetParent(Form.get());
        Form->Show();
        orvtest::PumpFor(50);
    }
};

TEST(StatusBarPaint, BorderGripAndSeparators) {
    TBarOnForm on(true);
    TOrvOfficeStatusBar& bar = *on.Bar;
    ASSERT_EQ(bar.Width(), 400);
    ASSERT_EQ(bar.Height(), 19);

    // No panels: the border with the internal styler, the grip, nothing else.
    ASSERT_TRUE(bar.SizeGripShown());
    auto b = Snapshot(&bar);
    const TColor border = 8542779;
    EXPECT_EQ(b->PixelColor(0, 5), border);
    EXPECT_EQ(b->PixelColor(200, 18), border);
    EXPECT_EQ(b->PixelColor(399, 5), border);
    EXPECT_TRUE(Near(b->PixelColor(200, 0), 0x9B7B62)) << "top edge 80 % border over white";
    // Grip: l = 382, b = 18; dot (387, 14) light, its dark twin at (386, 13).
    EXPECT_EQ(b->PixelColor(386, 13), border);
    EXPECT_EQ(b->PixelColor(387, 14), border);
    EXPECT_EQ(b->PixelColor(388, 15), clWhite) << "the light edge at the lower right";
    EXPECT_EQ(b->PixelColor(394, 5), border) << "dot (395, 6)";
    EXPECT_EQ(b->PixelColor(200, 9), ColorToRGB(clBtnFace)) << "no panels: nothing painted inside";

    // An external Office 2003 blue styler: its border along the top, inset panels,
    // separators from the look's ColorTo.
    auto* styler = new TOrvOfficeStatusBarOfficeStyler(on.Form.get());
    bar.SetStyler(styler);
    for (int w : {80, 100, 50}) bar.Panels().Add()->SetWidth(w);
    b = Snapshot(&bar);
    const TColor blueBorder = 14986888;
    const TColor colorTo = 14854530;  // light look ColorTo (and its mirror colours)
    EXPECT_EQ(b->PixelColor(200, 0), blueBorder);
    EXPECT_EQ(b->PixelColor(0, 9), blueBorder);
    // Panel 1 from x = 80, R = (80, 1, 180, 17), m = 9.
    EXPECT_TRUE(Near(b->PixelColor(80, 9), colorTo, 3)) << "ColorTo at the middle";
    EXPECT_TRUE(Near(b->PixelColor(80, 1), 0xEAC2A7, 3)) << "70 % ColorTo over white at the top";
    EXPECT_TRUE(Near(b->PixelColor(81, 9), 0xFCF6F2, 4)) << "10 % ColorTo over white at the middle";
    // The fill starts at R.Left + 2 with the light look's Color, framed in its border.
    EXPECT_EQ(b->PixelColor(82, 1), 14922381) << "light look frame";
    EXPECT_TRUE(Near(b->PixelColor(100, 2), 16440774, 14)) << "upper half starts near Color";
    EXPECT_TRUE(Near(b->PixelColor(100, 15), 14854530, 1)) << "lower half in the mirror colours";
    // Grip dots in the styler's colours.
    EXPECT_EQ(b->PixelColor(386, 13), blueBorder);
    EXPECT_TRUE(Near(b->PixelColor(388, 15), 0xE9C1AA)) << "half the dark look's Color over white";

    // Destroying the external styler falls back to the internal border.
    styler->Free();
    b = Snapshot(&bar);
    EXPECT_EQ(b->PixelColor(0, 9), border);
    EXPECT_EQ(b->PixelColor(200, 18), border);

    // Hit tests: the grip corner sizes the form; the outer 4 pixels elsewhere pass through
    // to the form's own border.
    auto hit = [&](int x, int y) {
        TPoint s = bar.ClientToScreen({x, y});
        return SendMessageW(bar.Handle(), WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y));
    };
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    const int cy = GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(hit(399, 18), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(400 - cx, 19 - cy), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(399 - cx, 17), HTTRANSPARENT) << "left of the grip, on the bottom 4 pixels";
    EXPECT_EQ(hit(200, 15), HTTRANSPARENT);
    EXPECT_EQ(hit(200, 14), HTCLIENT);
    EXPECT_EQ(hit(397, 19 - cy - 1), HTTRANSPARENT) << "the right 4 pixels above the grip";

    // A maximized form shows no grip, and the last panel is not shortened by it.
    ShowWindow(on.Form->Handle(), SW_MAXIMIZE);
    orvtest::PumpFor(100);
    EXPECT_FALSE(bar.SizeGripShown());
    EXPECT_EQ(hit(bar.Width() - 1, 18), HTCLIENT) << "neither grip nor border to pass to";
    b = Snapshot(&bar);
    const int w = bar.Width();
    EXPECT_NE(b->PixelColor(w - 14, 13), border);
}

TEST(StatusBarPaint, SimplePanelAndFixedBorderForm) {
    TBarOnForm on(false);
    TOrvOfficeStatusBar& bar = *on.Bar;
    EXPECT_FALSE(bar.SizeGripShown()) << "a fixed border cannot be sized";
    auto* styler = new TOrvOfficeStatusBarOfficeStyler(on.Form.get());
    styler->SetStyle(psOffice2010Blue);
    bar.SetStyler(styler);
    bar.Panels().Add()->SetWidth(80);
    bar.SetSimplePanel(true);
    bar.SetSimpleText(L"<b>Ready</b>");
    auto b = Snapshot(&bar);
    // One light gradient from Color to ColorTo over the whole client, no separator at 80.
    EXPECT_TRUE(Near(b->PixelColor(300, 1), 16643823, 3));
    EXPECT_TRUE(Near(b->PixelColor(80, 10), b->PixelColor(200, 10), 1)) << "no separator in the simple panel";
    EXPECT_EQ(b->PixelColor(200, 0), 10981241);
}

TEST(StatusBarPaint, AnchorsAreHitWhereTheLooksTextStyleDrawsThem) {
    // A bold dark look moves the anchor right of where the plain font would put it: the
    // hit test must find it where it is painted.
    TBarOnForm on(false);
    TOrvOfficeStatusBar& bar = *on.Bar;
    bar.CurrentStyler()->PanelAppearanceDark().SetTextStyle(fsBold);
    TOrvOfficeStatusPanel* panel = bar.Panels().Add();
    panel->SetWidth(380);
    panel->SetAppearanceStyle(psDark);
    panel->SetText(L"wwwwwwwwwwwwwwwwwwwwwwww <a href=\"target\">link</a>");
    auto b = Snapshot(&bar);
    int first = -1, last = -1;
    for (int x = 0; x < bar.Width(); ++x)
        for (int y = 2; y < 17; ++y) {
            TColor c = b->PixelColor(x, y);
            if (BlueOf(c) > 160 && RedOf(c) < 100 && GreenOf(c) < 100) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    ASSERT_GT(first, 0) << "the anchor is drawn in the URL colour";
    EXPECT_EQ(bar.AnchorAt(first + 1, 10), L"target");
    EXPECT_EQ(bar.AnchorAt(last - 1, 10), L"target");
    EXPECT_EQ(bar.AnchorAt(first - 8, 10), L"") << "left of the link is plain text";
}

TEST(StatusBarPaint, RoundedCornersOnARibbonFormBeforeVista) {
    TStatusBarSystemCalls calls;
    calls.VistaOrLater = [] { return false; };
    SetStatusBarSystemCalls(calls);
    TOwnedPtr<TOrvToolBarForm> form(Make<TOrvToolBarForm>(nullptr));
    form->SetBounds(60, 60, 500, 300);
    auto* bar = new TOrvOfficeStatusBar(form.get());
    bar->SetParent(form.get());
    form->Show();
    orvtest::PumpFor(50);
    const int w = bar->Width();
    const int h = bar->Height();
    // Without a ribbon on the form: grey lines at both bottom corners.
    auto b = Snapshot(bar);
    EXPECT_EQ(b->PixelColor(0, h - 6), 0x808080);
    EXPECT_EQ(b->PixelColor(6, h - 1), 0x808080);
    EXPECT_EQ(b->PixelColor(3, h - 2), 0x808080);
    EXPECT_EQ(b->PixelColor(w - 2, h - 3), 0x808080);
    EXPECT_EQ(b->PixelColor(w - 7, h - 1), 0x808080);
    EXPECT_NE(b->PixelColor(0, h - 8), 0x808080) << "the left line is 7 high";

    // A ribbon gives its caption text colour, white showing as black.
    auto* pager = new TOrvToolBarPager(form.get());
    pager->SetParent(form.get());
    pager->CurrentToolBarStyler()->CaptionAppearance().SetCaptionTextColor(0x2040A0);
    b = Snapshot(bar);
    EXPECT_EQ(b->PixelColor(0, h - 6), 0x2040A0);
    EXPECT_EQ(b->PixelColor(w - 1, h - 6), 0x2040A0);
    pager->CurrentToolBarStyler()->CaptionAppearance().SetCaptionTextColor(clWhite);
    b = Snapshot(bar);
    EXPECT_EQ(b->PixelColor(1, h - 3), clBlack);

    // An external styler's border wins.
    auto* styler = new TOrvOfficeStatusBarOfficeStyler(form.get());
    styler->SetStyle(psOffice2010Blue);
    bar->SetStyler(styler);
    b = Snapshot(bar);
    EXPECT_EQ(b->PixelColor(0, h - 6), 10981241);
    EXPECT_EQ(b->PixelColor(w - 4, h - 2), 10981241);

    // On later systems the corners stay square.
    calls.VistaOrLater = [] { return true; };
    SetStatusBarSystemCalls(calls);
    bar->SetStyler(nullptr);
    b = Snapshot(bar);
    EXPECT_NE(b->PixelColor(1, h - 3), 0x808080);
    SetStatusBarSystemCalls({});
}

TEST(StatusBarPaint, RightToLeftBarAlignsEveryPanelRight) {
    TBarOnForm on(false);
    TOrvOfficeStatusBar& bar = *on.Bar;
    TOrvOfficeStatusPanel* first = bar.Panels().Add();
    first->SetStyle(psText);
    first->SetWidth(200);
    first->SetText(L"abc");
    TOrvOfficeStatusPanel* own = bar.Panels().Add();
    own->SetParentBiDiMode(false);  // keeps its left-to-right mode
    auto inkColumns = [&](int from, int to) {
        auto b = Snapshot(&bar);
        std::pair<int, int> ink{-1, -1};
        for (int x = from; x < to; ++x)
            for (int y = 3; y < 16; ++y) {
                TColor c = b->PixelColor(x, y);
                if (RedOf(c) < 100 && GreenOf(c) < 100 && BlueOf(c) < 100) {
                    if (ink.first < 0) ink.first = x;
                    ink.second = x;
                    break;
                }
            }
        return ink;
    };
    auto ltr = inkColumns(2, 198);
    ASSERT_GE(ltr.first, 0);
    EXPECT_LT(ltr.second, 60) << "left-aligned text";

    bar.SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(first->GetBiDiMode(), bdRightToLeft);
    EXPECT_TRUE(first->UseRightToLeftAlignment());
    EXPECT_EQ(own->GetBiDiMode(), bdLeftToRight);
    EXPECT_EQ(bar.Panels().Add()->GetBiDiMode(), bdRightToLeft) << "a new panel takes the bar's mode";
    auto rtl = inkColumns(2, 198);
    ASSERT_GE(rtl.first, 0);
    EXPECT_GT(rtl.first, 140) << "the text moved to the panel's right end";
    EXPECT_LE(rtl.second, 196);
}
