// The floating toolbar's caption with its close and option buttons, and the caption of
// a vertical toolbar running along it.
#include <gtest/gtest.h>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "toolbar/OrvToolBar.h"

using namespace orv;
using namespace glowtest;

namespace {

std::unique_ptr<TBitmap> PaintBar(TOrvCustomToolBar* tb) {
    auto bmp = std::make_unique<TBitmap>(tb->Width(), tb->Height());
    bmp->Canvas().Brush().SetColor(clFuchsia);
    bmp->Canvas().FillRect({0, 0, tb->Width(), tb->Height()});
    tb->PaintTo(bmp->Canvas().Handle());
    return bmp;
}

TOrvToolBar* CaptionBar(TForm* form, int width, int height) {
    auto* tb = new TOrvToolBar(form);
    tb->SetAutoSize(false);
    tb->SetBounds(0, 0, width, height);
    tb->SetParent(form);
    auto* s = tb->CurrentToolBarStyler();
    s->Color().SetColor(0xE0E0E0);
    s->Color().SetColorTo(clNone);
    s->ColorHot().SetColor(clNone);
    s->SetBorderColor(clNone);
    s->SetDragGripStyle(dsNone);
    s->CaptionAppearance().SetCaptionColor(0x30A030);
    s->CaptionAppearance().SetCaptionColorTo(clNone);
    s->CaptionAppearance().SetCaptionColorHot(clNone);
    s->CaptionAppearance().SetCaptionTextColor(0x000080);
    s->CaptionAppearance().SetCaptionBorderColor(clNone);
    return tb;
}

}  // namespace

TEST(ToolBarFloatingPaint, CaptionCloseCrossAndOptionTriangle) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    TOrvToolBar* tb = CaptionBar(form.get(), 200, 60);
    tb->SetToolBarState(tsFloating);
    auto bmp = PaintBar(tb);
    const TColor caption = 0x30A030, text = 0x000080;
    EXPECT_EQ(bmp->PixelColor(60, 8), caption) << "the top 16 pixels are the caption";
    EXPECT_EQ(bmp->PixelColor(60, 30), 0xE0E0E0u) << "the background below it";

    // Close button (183, 1)-(199, 15): a cross inset by 4 from (187, 5) and (194, 5).
    EXPECT_EQ(bmp->PixelColor(187, 5), text);
    EXPECT_EQ(bmp->PixelColor(194, 5), text);
    EXPECT_EQ(bmp->PixelColor(184, 2), caption) << "the close button has no face when idle";

    // Option button (165, 1)-(181, 15): rows 7, 5, 3, 1 wide, the last 8 above its bottom.
    for (int x = 169; x <= 175; ++x) EXPECT_EQ(bmp->PixelColor(x, 4), text) << "row 1 at x = " << x;
    EXPECT_EQ(bmp->PixelColor(168, 4), caption);
    EXPECT_EQ(bmp->PixelColor(176, 4), caption);
    EXPECT_EQ(bmp->PixelColor(170, 5), text);
    EXPECT_EQ(bmp->PixelColor(169, 5), caption) << "row 2 is 5 wide";
    EXPECT_EQ(bmp->PixelColor(172, 7), text) << "the tip";
    EXPECT_EQ(bmp->PixelColor(171, 7), caption);
    EXPECT_EQ(bmp->PixelColor(172, 8), caption);

    // Without a close button the option button takes its place.
    tb->SetShowClose(false);
    bmp = PaintBar(tb);
    EXPECT_EQ(bmp->PixelColor(187, 4), text);
    EXPECT_EQ(bmp->PixelColor(171, 4), caption);
}

TEST(ToolBarCaptionPaint, AVerticalToolBarsCaptionRunsDownOrUpAlongIt) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    TOrvToolBar* tb = CaptionBar(form.get(), 40, 220);
    tb->SetShowCaption(true);
    tb->SetShowRightHandle(false);
    tb->SetCaption(L"Clipboard");
    auto textBox = [&](TDockAlign side) {
        tb->SetPosition(side);
        auto bmp = PaintBar(tb);
        // Any text pixel, smoothed edges too: neither caption, background nor untouched.
        return PixelBox(*bmp, [](TColor c) { return c != 0x30A030 && c != 0xE0E0E0 && c != 0xFF00FF; });
    };
    // Right-docked: the caption strip is the left 16 pixels; the text starts at the top.
    TRect down = textBox(daRight);
    ASSERT_FALSE(down.IsEmpty()) << "the caption is drawn";
    EXPECT_GE(down.Left, 0);
    EXPECT_LE(down.Right, 17) << "inside the caption strip";
    EXPECT_LT(down.Top, 12) << "left-aligned text starts after the grip";
    EXPECT_GT(down.Height(), down.Width()) << "it runs along the toolbar";
    EXPECT_LT(down.Bottom, 150);

    // Left-docked: it runs up from the bottom end.
    TRect up = textBox(daLeft);
    ASSERT_FALSE(up.IsEmpty());
    EXPECT_LE(up.Right, 17);
    EXPECT_GT(up.Bottom, 200);
    EXPECT_GT(up.Top, 70);
    EXPECT_GT(up.Height(), up.Width());
}
