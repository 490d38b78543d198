#include <windows.h>

#include <gtest/gtest.h>

#include "framework/Graphics.h"
#include "paint/OrvColors.h"

using namespace orv;

namespace {
TColor SysColor(int index) {
    return static_cast<TColor>(GetSysColor(index));
}
}  // namespace

TEST(Colors, RoundHalfEvenBreaksTiesTowardsTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(202.5L), 202);
    EXPECT_EQ(RoundHalfEven(203.5L), 204);
    EXPECT_EQ(RoundHalfEven(127.5L), 128);
    EXPECT_EQ(RoundHalfEven(63.75L), 64);
    EXPECT_EQ(RoundHalfEven(191.25L), 191);
    EXPECT_EQ(RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(RoundHalfEven(-2.6L), -3);
}

TEST(Colors, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDivRound(255, 30, 100), 77);  // 76.5
    EXPECT_EQ(MulDivRound(-3, 1, 2), -2);      // -1.5
    EXPECT_EQ(MulDivRound(3, -1, 2), -2);
    EXPECT_EQ(MulDivRound(7, 1, 3), 2);
    EXPECT_EQ(MulDivRound(5, 5, 0), 0);
}

TEST(Colors, AdjustColorChannelsScalesNonZeroChannelsAndLiftsBlackOnes) {
    EXPECT_EQ(DarkerColor(0xFFFFFF, -10), 0xE6E6E6);
    EXPECT_EQ(DarkerColor(0xFFFFFF, -5), 0xF2F2F2);
    EXPECT_EQ(AdjustColorChannels(0xF5F0E1, -10, -10, 0), 0xF5D8CA);  // 202.5 rounds to 202
    EXPECT_EQ(DarkerColor(0x000000, -10), 0x000000);
    EXPECT_EQ(AdjustColorChannels(0x000000, 10, 10, 10), 0x0A0A0A);
    EXPECT_EQ(AdjustColorChannels(0x808080, 10, 10, 10), 0x808080) << "the factor is capped at 100 %";
    EXPECT_EQ(AdjustColorChannels(0x800000, 5, 0, -50), 0x400005) << "each channel has its own percent";
    EXPECT_EQ(AdjustColorChannels(0x000000, 300, 0, 0), 0x0000FF) << "a lifted channel saturates";
    EXPECT_EQ(DarkerColor(0x808080, -150), 0x000000) << "beyond -100 % a channel stays at 0";
    EXPECT_EQ(DarkerColor(clBtnFace, -10), DarkerColor(SysColor(COLOR_BTNFACE), -10));
}

TEST(Colors, BlendColorEndsReturnTheArgumentsUnresolved) {
    EXPECT_EQ(BlendColor(clBtnFace, clWhite, 100), clBtnFace);
    EXPECT_EQ(BlendColor(clBtnFace, clWhite, 150), clBtnFace);
    EXPECT_EQ(BlendColor(clWhite, clHighlight, 0), clHighlight);
    EXPECT_EQ(BlendColor(clWhite, clHighlight, -5), clHighlight);
    EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 50), 0x808080);  // 127.5 rounds to 128
    EXPECT_EQ(BlendColor(0x0000FF, 0xFF0000, 25), 0xBF0040);  // 63.75 -> 64, 191.25 -> 191
    EXPECT_EQ(BlendColor(clBtnFace, clBtnFace, 50), SysColor(COLOR_BTNFACE)) << "between the ends it resolves";
    EXPECT_EQ(BlendColor(clNone, 0x000000, 50), 0x808080) << "clNone takes part as white";
}

TEST(Colors, ScaleColorSaturatesForNegativePercents) {
    EXPECT_EQ(ScaleColor(0x808080, 50), 0x404040);
    EXPECT_EQ(ScaleColor(0x102030, 0), 0x102030);
    EXPECT_EQ(ScaleColor(0xC8C8C8, -15), 0xE6E6E6);  // 230, inside the range: unchanged behaviour
    // The page shadow scales light colours by -15 and -20: 240 * 1.2 = 288 must give 255, not 32.
    EXPECT_EQ(ScaleColor(0xF0F0F0, -20), 0xFFFFFF);
    EXPECT_EQ(ScaleColor(0xF0C850, -20), 0xFFF060);
    EXPECT_EQ(ScaleColor(0x808080, 200), 0x000000);
}

TEST(Colors, LightenAndDarkenRoundLikeMulDivAndSaturateAbove100Percent) {
    EXPECT_EQ(LightenColor(0x000000, 30), 0x4D4D4D) << "76.5 rounds away from zero to 77";
    EXPECT_EQ(LightenColor(0x808080, 0), 0x808080);
    EXPECT_EQ(LightenColor(0x808080, 100), 0xFFFFFF);
    EXPECT_EQ(DarkenColor(0x010101, 50), 0x000000) << "0.5 rounds away from zero";
    EXPECT_EQ(DarkenColor(0x808080, 50), 0x404040);
    EXPECT_EQ(DarkenColor(0x808080, 100), 0x000000);
    // Above 100 % the channel overshoots: it saturates instead of wrapping round.
    EXPECT_EQ(LightenColor(0x102030, 150), 0xFFFFFF);
    EXPECT_EQ(LightenColor(0x800000, 255), 0xFFFFFF);
    EXPECT_EQ(DarkenColor(0xFFFFFF, 150), 0x000000);
    EXPECT_EQ(DarkenColor(0x80C0FF, 200), 0x000000);
}

TEST(Colors, GdiplusColoursAreOpaqueArgbOfTheResolvedColour) {
    EXPECT_EQ(ColorToARGB(0x00332211), 0xFF112233u);
    EXPECT_EQ(ColorToARGB(clNone), 0xFFFFFFFFu);
    TColor face = SysColor(COLOR_BTNFACE);
    EXPECT_EQ(ColorToARGB(clBtnFace), 0xFF000000u | (static_cast<uint32_t>(RedOf(face)) << 16) |
                                          (static_cast<uint32_t>(GreenOf(face)) << 8) | BlueOf(face));
    EXPECT_EQ(MakeAlphaColor(0x80, 0x0000FF), 0x80FF0000u);
    EXPECT_EQ(MakeAlphaColor(0, clNone), 0x00FFFFFFu);
    EXPECT_EQ(MakeColor(1, 2, 3), 0xFF010203u);
}

TEST(Colors, EveryNegativeValueIsASystemColour) {
    const TColor window = SysColor(COLOR_WINDOW), face = SysColor(COLOR_BTNFACE);
    ASSERT_NE(window, 0x000005);
    // The low byte indexes the system colours whatever the other high bits are.
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0x80000005u)), window) << "the window colour, not dark red";
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0x8000000Fu)), face);
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFF00000Fu)), face);
    EXPECT_EQ(ColorToARGB(static_cast<TColor>(0x80000005u)),
              0xFF000000u | (static_cast<uint32_t>(RedOf(window)) << 16) |
                  (static_cast<uint32_t>(GreenOf(window)) << 8) | BlueOf(window));
    EXPECT_EQ(DarkerColor(static_cast<TColor>(0x80000005u), 0), DarkerColor(window, 0));
    // Non-negative values pass through unchanged, top byte and all.
    EXPECT_EQ(ColorToRGB(0x7F000005), 0x7F000005);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456);
}

// Reference pairs of the web accessibility guidelines' contrast ratio.
TEST(Colors, ContrastRatioOfKnownPairs) {
    EXPECT_DOUBLE_EQ(ContrastRatio(clBlack, clWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(clWhite, clBlack), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x00336699, 0x00336699), 1.0);
    EXPECT_NEAR(ContrastRatio(0x00767676, clWhite), 4.54, 0.005) << "the lightest grey that reads on white";
    EXPECT_NEAR(ContrastRatio(0x00777777, clWhite), 4.48, 0.005);
    EXPECT_NEAR(ContrastRatio(0x00FF0000, clWhite), 8.59, 0.005) << "pure blue";
    EXPECT_NEAR(ContrastRatio(0x000000FF, clWhite), 4.00, 0.005) << "pure red";
    EXPECT_DOUBLE_EQ(ContrastRatio(clBtnFace, SysColor(COLOR_BTNFACE)), 1.0) << "system colours resolved";
}
