#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "menus/OrvMenuAppearance.h"
#include "menus/OrvMenuUtil.h"
#include "paint/OrvColors.h"

using namespace orv;
using namespace orv::menus;

TEST(MenuGradient, LinesFollowTheIntegerFormulaAndSlicesMatchTheWholeSpan) {
    TBitmap whole(10, 40);
    DrawSpanGradient(whole.Canvas(), RGBColor(0, 0, 0), RGBColor(200, 100, 50), gdVertical, {0, 0, 10, 40});
    for (int y : {0, 1, 13, 39}) {
        EXPECT_EQ(whole.PixelColor(5, y), RGBColor(200 * y / 40, 100 * y / 40, 50 * y / 40)) << "row " << y;
    }
    // An item's slice of a menu-wide gradient gets the colours of the full span.
    TBitmap slice(10, 40);
    slice.Canvas().Brush().SetColor(clWhite);
    slice.Canvas().FillRect({0, 0, 10, 40});
    DrawSpanGradient(slice.Canvas(), RGBColor(0, 0, 0), RGBColor(200, 100, 50), gdVertical, {0, 0, 10, 40},
                     {0, 20, 10, 25});
    EXPECT_EQ(slice.PixelColor(5, 19), clWhite);
    EXPECT_EQ(slice.PixelColor(5, 25), clWhite);
    for (int y = 20; y < 25; ++y) EXPECT_EQ(slice.PixelColor(5, y), whole.PixelColor(5, y)) << "row " << y;

    TBitmap horizontal(30, 4);
    DrawSpanGradient(horizontal.Canvas(), RGBColor(255, 0, 0), RGBColor(0, 0, 255), gdHorizontal, {0, 0, 30, 4});
    EXPECT_EQ(horizontal.PixelColor(0, 2), RGBColor(255, 0, 0));
    EXPECT_EQ(horizontal.PixelColor(29, 0), RGBColor(255 - 255 * 29 / 30, 0, 255 * 29 / 30));
}

TEST(MenuGradient, ZeroOrNegativeSpanPaintsSolidFirstColourInsteadOfDividingByZero) {
    // The span has no height (popup height not known yet) but the item has one.
    TBitmap bitmap(8, 8);
    DrawSpanGradient(bitmap.Canvas(), RGBColor(10, 20, 30), RGBColor(250, 250, 250), gdVertical, {0, 0, 8, 0},
                     {0, 2, 8, 6});
    EXPECT_EQ(bitmap.PixelColor(0, 2), RGBColor(10, 20, 30));
    EXPECT_EQ(bitmap.PixelColor(7, 5), RGBColor(10, 20, 30));
    EXPECT_EQ(bitmap.PixelColor(0, 6), clBlack) << "only the clip is filled";
    // A reversed (negative) span across a narrow form.
    TBitmap reversed(8, 8);
    DrawSpanGradient(reversed.Canvas(), RGBColor(10, 20, 30), RGBColor(250, 250, 250), gdHorizontal, {8, 0, 2, 8},
                     {0, 0, 8, 8});
    EXPECT_EQ(reversed.PixelColor(4, 4), RGBColor(10, 20, 30));
    EXPECT_EQ(GradientLineColor(RGBColor(10, 20, 30), RGBColor(250, 0, 0), 3, 0), RGBColor(10, 20, 30));
    TBitmap plain(4, 4);
    DrawSpanGradient(plain.Canvas(), RGBColor(1, 2, 3), clNone, gdVertical, {0, 0, 4, 4});
    EXPECT_EQ(plain.PixelColor(0, 3), RGBColor(1, 2, 3));
}

TEST(MenuSeparatorBand, PlainAndFadingBands) {
    TBitmap plain(20, 3);
    plain.Canvas().Brush().SetColor(clWhite);
    plain.Canvas().FillRect({0, 0, 20, 3});
    DrawSeparatorBand(plain.Canvas(), {0, 1, 20, 2}, 2, 0, gtBoth, 0x8F6D6E, clNone, false);
    EXPECT_EQ(plain.PixelColor(1, 1), clWhite);
    EXPECT_EQ(plain.PixelColor(2, 1), 0x8F6D6E);
    EXPECT_EQ(plain.PixelColor(17, 1), 0x8F6D6E);
    EXPECT_EQ(plain.PixelColor(18, 1), clWhite);
    EXPECT_EQ(plain.PixelColor(10, 0), clWhite);

    TBitmap left(20, 1);
    DrawSeparatorBand(left.Canvas(), {0, 0, 20, 1}, 0, 10, gtLeft, RGBColor(0, 0, 0), RGBColor(200, 200, 200), false);
    EXPECT_EQ(left.PixelColor(0, 0), RGBColor(0, 0, 0)) << "fades in from the colour at the left end";
    EXPECT_EQ(left.PixelColor(5, 0), RGBColor(100, 100, 100));
    EXPECT_EQ(left.PixelColor(15, 0), RGBColor(200, 200, 200));
    TBitmap both(20, 1);
    DrawSeparatorBand(both.Canvas(), {0, 0, 20, 1}, 0, 10, gtBoth, RGBColor(0, 0, 0), RGBColor(200, 200, 200), false);
    EXPECT_EQ(both.PixelColor(0, 0), RGBColor(0, 0, 0));
    EXPECT_EQ(both.PixelColor(10, 0), RGBColor(200, 200, 200));
    EXPECT_NE(both.PixelColor(19, 0), RGBColor(200, 200, 200)) << "fades out at the right end too";
}

TEST(MenuBackground, PicturePlacement) {
    TRect area{10, 20, 110, 220};
    EXPECT_EQ(BackgroundPicturePosition(bpTopLeft, area, 3, 4, 30, 40), (TPoint{13, 24}));
    EXPECT_EQ(BackgroundPicturePosition(bpBottomRight, area, 3, 4, 30, 40),
              (TPoint{10 + 100 + 3 - 30, 20 + 200 + 4 - 40}));
    EXPECT_EQ(BackgroundPicturePosition(bpCenter, area, 0, 0, 30, 40), (TPoint{45, 100}));
    EXPECT_EQ(BackgroundPicturePosition(bpTopCenter, area, 1, 0, 30, 40), (TPoint{46, 20}));
    EXPECT_EQ(BackgroundPicturePosition(bpXY, area, 7, 8, 30, 40), (TPoint{7, 8}));
}

TEST(MenuRecords, ColourGroupsRaiseOnIndexesOutsideTheirGroup) {
    TIconBar iconBar;
    EXPECT_EQ(iconBar.GetColorAt(1), 0xBBA0A1);
    EXPECT_EQ(iconBar.GetCheckColorAt(0), 0x6FC0FF);
    try {
        iconBar.GetColorAt(2);
        FAIL() << "index 2 of a colour pair";
    } catch (const EInvalidPropertyIndex& e) {
        EXPECT_EQ(e.Message(), L"Invalid property index 2.");
    }
    EXPECT_THROW(iconBar.SetCheckColorAt(-1, clRed), EInvalidPropertyIndex);
    TSelectedItem selected;
    selected.SetColorAt(3, clRed);
    EXPECT_EQ(selected.GetColorMirrorTo(), clRed);
    EXPECT_THROW(selected.GetColorAt(4), EInvalidPropertyIndex);
    TRootItem root;
    EXPECT_EQ(root.GetHoverColorAt(1), 0x9DD8FF);
    EXPECT_THROW(root.SetSelectedColorAt(4, 0), EInvalidPropertyIndex);

    int changes = 0;
    selected.OnChange = [&](TObject*) { ++changes; };
    selected.SetColorAt(3, clRed);
    EXPECT_EQ(changes, 0) << "an unchanged value is no change";
    selected.BeginUpdate();
    selected.SetColor(clBlue);
    selected.SetBorderColor(clGreen);
    selected.EndUpdate();
    EXPECT_EQ(changes, 1);
}
