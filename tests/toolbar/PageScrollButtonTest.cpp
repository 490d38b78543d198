// The page scroll button on a real form: its arrows and corner pixels, and the click
// repetition of a held press driven with real mouse input.
#include <gtest/gtest.h>

#include <vector>

#include "buttons/GlowButtonTestSupport.h"
#include "toolbar/OrvPageScrollButton.h"
#include "toolbar/OrvStyleIF.h"

using namespace orv;
using namespace glowtest;

namespace {

TOrvPageScrollButton* AddScrollButton(TFixture& f, int left, int top) {
    auto* b = new TOrvPageScrollButton(f.Form.get());
    b->SetBounds(left, top, 22, 23);
    b->SetParent(f.Form.get());
    TGlowButtonAppearance& a = b->Appearance();
    a.SetBorderColor(0x000000FF);
    a.SetColor(0x00F0F0F0);
    a.SetColorTo(0x00F0F0F0);
    a.SetColorMirror(0x00F0F0F0);
    a.SetColorMirrorTo(0x00F0F0F0);
    return b;
}

}  // namespace

TEST(PageScrollButton, ArrowsPointTheirWayAndStandaloneCornersShowTheForm) {
    // Rounded faces (the 2010 look squares them); a preset may have switched it on.
    const bool saved = Office2010Look;
    Office2010Look = false;
    TFixture f;
    TOrvPageScrollButton* b = AddScrollButton(f, 10, 10);
    // Half black over the red border: (0, 0, 127 or 128).
    auto isArrow = [](TColor c) { return c == 0x0000007F || c == 0x00000080; };
    // 22 x 23: cx = 11, cy = 11.
    auto left = Snapshot(b);
    EXPECT_TRUE(isArrow(left->PixelColor(10, 11))) << "tip";
    for (int y = 10; y <= 13; ++y) EXPECT_TRUE(isArrow(left->PixelColor(11, y))) << "middle column, y " << y;
    for (int y = 9; y <= 14; ++y) EXPECT_TRUE(isArrow(left->PixelColor(12, y))) << "wide column, y " << y;
    EXPECT_FALSE(isArrow(left->PixelColor(10, 10)));
    EXPECT_FALSE(isArrow(left->PixelColor(13, 11)));
    EXPECT_FALSE(isArrow(left->PixelColor(11, 14)));
    EXPECT_EQ(left->PixelColor(0, 0), ColorToRGB(clBtnFace)) << "standalone: the corner shows the form";
    EXPECT_EQ(left->PixelColor(21, 22), ColorToRGB(clBtnFace));

    b->SetScrollArrow(saRight);
    b->SetButtonPosition(bpMiddle);
    auto right = Snapshot(b);
    EXPECT_TRUE(isArrow(right->PixelColor(12, 11))) << "tip";
    for (int y = 9; y <= 14; ++y) EXPECT_TRUE(isArrow(right->PixelColor(10, y))) << "wide column, y " << y;
    EXPECT_FALSE(isArrow(right->PixelColor(12, 10)));
    EXPECT_NE(right->PixelColor(0, 0), ColorToRGB(clBtnFace)) << "a middle button keeps its corners";
    Office2010Look = saved;
}

TEST(PageScrollButton, AHeldPressClicksAfter400MsThenEvery100MsAndOnceMoreOnRelease) {
    TFixture f;
    TOrvPageScrollButton* b = AddScrollButton(f, 40, 40);
    std::vector<DWORD> clicks;
    b->OnClick = [&clicks](TObject*) { clicks.push_back(GetTickCount()); };

    // A short press: one click, on release.
    PointAt(b, 11, 11);
    LeftDown();
    EXPECT_TRUE(clicks.empty()) << "nothing on the press itself";
    LeftUp();
    ASSERT_EQ(clicks.size(), 1u);
    orvtest::PumpFor(600);
    EXPECT_EQ(clicks.size(), 1u) << "the timer stopped on release";

    clicks.clear();
    const DWORD pressed = GetTickCount();
    LeftDown();
    orvtest::PumpFor(300);
    EXPECT_TRUE(clicks.empty()) << "still inside the 400 ms pause";
    orvtest::PumpUntil([&] { return clicks.size() >= 6; }, 3000);
    LeftUp();
    ASSERT_GE(clicks.size(), 7u) << "five repeats and the release click";
    const DWORD first = clicks[0] - pressed;
    EXPECT_GE(first, 370u);
    EXPECT_LT(first, 700u);
    // Repeats come at 100 ms (timers never fire early; a loaded machine may be late).
    const DWORD span = clicks[5] - clicks[0];
    EXPECT_GE(span, 5 * 90u);
    EXPECT_LT(span, 5 * 200u);
    const size_t held = clicks.size();
    orvtest::PumpFor(400);
    EXPECT_EQ(clicks.size(), held) << "no click after the release";
}
