#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "hints/ShortCutHintWindow.h"
#include "paint/OrvGDIP.h"

using namespace orv;

TEST(ShortCutHintWindow, OneLetterTipIsAtLeastAsWideAsOPlusEight) {
    TOwnedPtr<TShortCutHintWindow> hint(Make<TShortCutHintWindow>(nullptr));
    TBitmap probe(10, 10);
    probe.Canvas().Font().Assign(&hint->Font());
    int minimum = probe.Canvas().TextWidth(L"O") + 8;
    EXPECT_EQ(hint->MinWidth(), minimum);

    TRect needed = hint->CalcHintRect(L"I");
    EXPECT_GE(needed.Width(), minimum);
    hint->ActivateHint(Bounds(120, 140, 2, needed.Height()), L"I");
    RECT wr;
    GetWindowRect(hint->Handle(), &wr);
    EXPECT_GE(wr.right - wr.left, minimum) << "a too narrow rectangle is widened";
    EXPECT_EQ(wr.left, 120);
    EXPECT_EQ(wr.top, 140);
    EXPECT_GE(hint->Width(), minimum);
    hint->SetWidth(1);
    EXPECT_GE(hint->Width(), minimum) << "resizing never goes below the minimum";
}

TEST(ShortCutHintWindow, IsABorderlessPopupShownWithoutActivation) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(50, 50, 300, 200);
    form->Show();
    orvtest::PumpFor(50);
    HWND foreground = GetForegroundWindow();
    auto* hint = Make<TShortCutHintWindow>(form.get());
    hint->SetColorTo(clSilver);
    hint->ActivateHint(Bounds(200, 200, 30, 18), L"F");
    orvtest::PumpFor(50);
    HWND h = hint->Handle();
    EXPECT_TRUE(IsWindowVisible(h));
    EXPECT_EQ(GetForegroundWindow(), foreground) << "showing the tip must not activate it";
    LONG style = GetWindowLongW(h, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_BORDER | WS_CAPTION | WS_THICKFRAME));
    EXPECT_FALSE(GetClassLongW(h, GCL_STYLE) & CS_DROPSHADOW);
    EXPECT_EQ(GetWindow(h, GW_OWNER), form->Handle()) << "owned by the owner's top-level window";
    hint->HideHint();
    EXPECT_FALSE(IsWindowVisible(h));
    hint->ActivateHint(Bounds(210, 220, 30, 18), L"G");
    EXPECT_TRUE(IsWindowVisible(h)) << "kept and shown again";
}

TEST(ShortCutHintWindow, PaintsGradientTextAndOutlineAndReleasesEverything) {
    TOwnedPtr<TShortCutHintWindow> hint(Make<TShortCutHintWindow>(nullptr));
    hint->SetColorTo(0x0000FF);
    hint->SetCaption(L"W");
    TRect r = hint->CalcHintRect(L"W");
    hint->SetBounds(0, 0, r.Width() + 10, 20);
    hint->HandleNeeded();
    TBitmap bitmap(hint->Width(), hint->Height());
    bitmap.Canvas().Handle();
    int gdi = GdiLiveTotal();
    int gdip = GdipLiveTotal();
    hint->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()));
    EXPECT_EQ(GdiLiveTotal(), gdi);
    EXPECT_EQ(GdipLiveTotal(), gdip);
    int w = bitmap.Width(), h = bitmap.Height();
    EXPECT_EQ(bitmap.PixelColor(w / 2, 0), clGray) << "outline";
    EXPECT_EQ(bitmap.PixelColor(0, h / 2), clGray);
    // 16 bands over 20 rows from white to red: row 1 belongs to band 1, 255 - 16 = 0xEF.
    EXPECT_EQ(bitmap.PixelColor(1, 1), 0xEFEFFF) << "gradient from white (FColor) at the top";
    TColor low = bitmap.PixelColor(1, h - 2);
    EXPECT_GT(low & 0xFF, 0xE0) << "and runs towards ColorTo (red)";
    EXPECT_LT((low >> 8) & 0xFF, 0x40);
    int ink = 0;
    for (int y = 3; y < h - 3; ++y)
        for (int x = 3; x < w - 3; ++x) ink += bitmap.PixelColor(x, y) == clBlack;
    EXPECT_GT(ink, 5) << "the text is drawn in the middle";
}
