#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "framework/Bitmap.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvGradients.h"

using namespace orv;

namespace {

constexpr TColor kSentinel = 0x123456;

TColor Grey(int v) {
    return RGBColor(v, v, v);
}

// A bitmap filled with a colour no routine under test paints.
void Fill(TBitmap& bitmap, TColor color = kSentinel) {
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

bool Near(TColor actual, TColor expected, int tolerance) {
    return std::abs(RedOf(actual) - RedOf(expected)) <= tolerance &&
           std::abs(GreenOf(actual) - GreenOf(expected)) <= tolerance &&
           std::abs(BlueOf(actual) - BlueOf(expected)) <= tolerance;
}

::testing::AssertionResult PixelNear(TBitmap& bitmap, int x, int y, TColor expected, int tolerance) {
    TColor actual = bitmap.PixelColor(x, y);
    if (Near(actual, expected, tolerance)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is 0x" << std::hex << actual
                                         << ", expected about 0x" << expected;
}

// Runs a paint and checks that it left no GDI or GDI+ object alive.
void ExpectReleasesEverything(const char* what, const std::function<void()>& paint) {
    int gdi = GdiLiveTotal();
    int gdip = GdipLiveTotal();
    paint();
    EXPECT_EQ(GdiLiveTotal(), gdi) << what << " leaked GDI objects";
    EXPECT_EQ(GdipLiveTotal(), gdip) << what << " leaked GDI+ objects";
}

}  // namespace

TEST(DrawGradient, BlackToWhiteInFourStepsPaintsOverlappingBandsRoundedHalfToEven) {
    TBitmap bitmap(10, 110);
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), clBlack, clWhite, 4, {0, 0, 10, 100}, false);
    const int greys[] = {0, 64, 128, 191};
    for (int band = 0; band < 4; ++band)
        for (int row = band * 25; row < band * 25 + 25; ++row)
            ASSERT_EQ(bitmap.PixelColor(5, row), Grey(greys[band])) << "row " << row;
    EXPECT_EQ(bitmap.PixelColor(0, 100), Grey(191)) << "the last band is 26 high and reaches past the edge";
    EXPECT_EQ(bitmap.PixelColor(9, 100), Grey(191));
    EXPECT_EQ(bitmap.PixelColor(5, 101), kSentinel);
    EXPECT_EQ(bitmap.Canvas().Pen().GetColor(), Grey(191)) << "pen left at the last band";
    EXPECT_EQ(bitmap.Canvas().Brush().GetColor(), Grey(191)) << "brush left at the last band";
}

TEST(DrawGradient, HorizontalBandsRunLeftToRight) {
    TBitmap bitmap(110, 4);
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), clBlack, clWhite, 4, {0, 0, 100, 4}, true);
    EXPECT_EQ(bitmap.PixelColor(24, 2), Grey(0));
    EXPECT_EQ(bitmap.PixelColor(25, 2), Grey(64));
    EXPECT_EQ(bitmap.PixelColor(50, 0), Grey(128));
    EXPECT_EQ(bitmap.PixelColor(99, 3), Grey(191));
    EXPECT_EQ(bitmap.PixelColor(100, 3), Grey(191));
    EXPECT_EQ(bitmap.PixelColor(101, 3), kSentinel);
}

TEST(DrawGradient, StepCountsAndColourArguments) {
    TBitmap bitmap(8, 40);
    auto expectColumn = [&](TColor expected, const char* what) {
        for (int row = 0; row < 32; ++row) ASSERT_EQ(bitmap.PixelColor(3, row), expected) << what << ", row " << row;
    };
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), 0x0000FF, 0xFF0000, 0, {0, 0, 8, 32}, false);
    expectColumn(0x0000FF, "Steps 0 is one band of FromColor");
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), 0x0000FF, 0xFF0000, 1, {0, 0, 8, 32}, false);
    expectColumn(0x0000FF, "Steps 1 never reaches ToColor");
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), 0x336699, 0x336699, 16, {0, 0, 8, 32}, false);
    expectColumn(0x336699, "equal colours");
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), clBtnFace, clBtnFace, 8, {0, 0, 8, 32}, false);
    expectColumn(static_cast<TColor>(GetSysColor(COLOR_BTNFACE)), "a system colour paints the system's colour");
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), clNone, clNone, 8, {0, 0, 8, 32}, false);
    expectColumn(clWhite, "clNone paints white");
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), 0x0000FF, 0xFF0000, -3, {0, 0, 8, 32}, false);
    expectColumn(0x0000FF, "negative steps are taken as one");
}

TEST(DrawGradient, InsetVariantKeepsTheBandsInsideTheRectangle) {
    TBitmap bitmap(12, 104);
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), clBlack, clWhite, 4, {0, 0, 10, 101}, false);
    EXPECT_EQ(bitmap.PixelColor(5, 101), Grey(191)) << "plain: the last band reaches past the bottom";
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), clBlack, clWhite, 4, {0, 0, 10, 101}, false, gvInsetFarEdge);
    EXPECT_EQ(bitmap.PixelColor(5, 0), Grey(0));
    EXPECT_EQ(bitmap.PixelColor(5, 25), Grey(64)) << "bands laid out over 100 rows";
    EXPECT_EQ(bitmap.PixelColor(5, 100), Grey(191)) << "the last row inside is painted";
    EXPECT_EQ(bitmap.PixelColor(5, 101), kSentinel) << "and nothing below it";

    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), clBlack, clWhite, 2, {0, 0, 11, 4}, true, gvInsetFarEdge);
    EXPECT_EQ(bitmap.PixelColor(0, 1), Grey(0));
    EXPECT_EQ(bitmap.PixelColor(5, 1), Grey(128));
    EXPECT_EQ(bitmap.PixelColor(10, 1), Grey(128));
    EXPECT_EQ(bitmap.PixelColor(11, 1), kSentinel);
}

TEST(DrawGradient, ThinVerticalVariantDrawsAZeroWidthColumnWithThePen) {
    TBitmap bitmap(10, 40);
    Fill(bitmap);
    DrawGradient(bitmap.Canvas(), clBlack, clWhite, 4, {4, 0, 4, 32}, false);
    EXPECT_EQ(bitmap.PixelColor(4, 4), kSentinel) << "a zero-width rectangle paints nothing";
    DrawGradient(bitmap.Canvas(), clBlack, clWhite, 4, {4, 0, 4, 32}, false, gvThinVertical);
    EXPECT_EQ(bitmap.PixelColor(4, 0), Grey(0));
    EXPECT_EQ(bitmap.PixelColor(4, 8), Grey(64));
    EXPECT_EQ(bitmap.PixelColor(4, 16), Grey(128));
    EXPECT_EQ(bitmap.PixelColor(4, 31), Grey(191));
    EXPECT_EQ(bitmap.PixelColor(3, 10), kSentinel);
    EXPECT_EQ(bitmap.PixelColor(5, 10), kSentinel);
}

TEST(DrawVistaGradient, LowerPartOwnsTheSeamAndTheBorderIsOptional) {
    TBitmap bitmap(24, 44);
    Fill(bitmap);
    DrawVistaGradient(bitmap.Canvas(), {0, 0, 20, 40}, 20, 0x0000FF, 0x000080, 0x00FF00, 0x008000, clNone, 0);
    // 40 bands over 20 rows: band 1 starts at Round(0.5) = 0 and paints over band 0,
    // so the first row has the second band's colour (255 - Round(127 / 40) = 252).
    EXPECT_EQ(bitmap.PixelColor(10, 0), 0x0000FC);
    EXPECT_EQ(bitmap.PixelColor(10, 20), 0x00FC00) << "row Top + SplitOffset belongs to the lower part";
    EXPECT_EQ(bitmap.PixelColor(10, 19), 0x000086) << "the upper part's last row: band 38, 255 - 121";
    EXPECT_EQ(bitmap.PixelColor(19, 39), bitmap.PixelColor(10, 39)) << "no border without a border colour";
    EXPECT_EQ(bitmap.PixelColor(10, 40), kSentinel) << "inset: nothing below the rectangle";
    EXPECT_EQ(bitmap.PixelColor(20, 10), kSentinel);

    Fill(bitmap);
    DrawVistaGradient(bitmap.Canvas(), {0, 0, 20, 40}, 20, 0x0000FF, 0x000080, 0x00FF00, 0x008000, 0xFF0000, 0);
    // A plain rectangle one pixel inside the right and bottom edges.
    EXPECT_TRUE(PixelNear(bitmap, 19, 30, 0xFF0000, 40));
    EXPECT_TRUE(PixelNear(bitmap, 10, 39, 0xFF0000, 40));
    EXPECT_TRUE(PixelNear(bitmap, 0, 10, 0xFF0000, 40));
    EXPECT_TRUE(PixelNear(bitmap, 10, 0, 0xFF0000, 40));
    EXPECT_TRUE(PixelNear(bitmap, 10, 30, bitmap.PixelColor(11, 30), 0)) << "the inside has no border";
    EXPECT_FALSE(PixelNear(bitmap, 10, 30, 0xFF0000, 100));
}

TEST(DrawGDIPGradient, RadialUpperHalfGlowsFromTheMiddleOfItsTopEdge) {
    TBitmap bitmap(40, 20);
    Fill(bitmap);
    {
        TGPGraphics graphics(bitmap.Canvas().Handle());
        DrawGDIPGradient(graphics, {0, 0, 40, 20}, 0x800000, 0xFFFFFF, ggRadial, true);
    }
    EXPECT_TRUE(PixelNear(bitmap, 20, 0, 0xFFFFFF, 24)) << "the glow's centre is (20, 0)";
    EXPECT_TRUE(PixelNear(bitmap, 0, 19, 0x800000, 0)) << "outside the ellipse the solid ColorA shows";
    EXPECT_TRUE(PixelNear(bitmap, 39, 19, 0x800000, 0));
    TColor side = bitmap.PixelColor(2, 2);
    EXPECT_LT(RedOf(side), RedOf(bitmap.PixelColor(20, 2))) << "the glow fades towards the rim";
}

TEST(DrawGDIPGradient, RadialLowerHalfGlowsFromTheMiddleOfItsBottomEdge) {
    TBitmap bitmap(40, 40);
    Fill(bitmap);
    {
        TGPGraphics graphics(bitmap.Canvas().Handle());
        DrawGDIPGradient(graphics, {0, 20, 40, 40}, 0xFFFFFF, 0x800000, ggRadial, false);
    }
    EXPECT_EQ(bitmap.PixelColor(20, 10), kSentinel) << "nothing above the part";
    EXPECT_TRUE(PixelNear(bitmap, 20, 39, 0xFFFFFF, 40));
    EXPECT_TRUE(PixelNear(bitmap, 0, 20, 0x800000, 0));
}

TEST(DrawGDIPGradient, LinearKindsRunFromColorAToColorB) {
    TBitmap bitmap(40, 40);
    Fill(bitmap);
    {
        TGPGraphics graphics(bitmap.Canvas().Handle());
        DrawGDIPGradient(graphics, {0, 0, 40, 40}, 0x0000FF, 0xFF0000, ggVertical, true);
    }
    EXPECT_TRUE(PixelNear(bitmap, 20, 0, 0x0000FF, 16));
    EXPECT_TRUE(PixelNear(bitmap, 20, 39, 0xFF0000, 16));
    EXPECT_EQ(bitmap.PixelColor(0, 20), bitmap.PixelColor(39, 20)) << "vertical: rows are uniform";

    Fill(bitmap);
    {
        TGPGraphics graphics(bitmap.Canvas().Handle());
        DrawGDIPGradient(graphics, {0, 0, 40, 40}, 0x0000FF, 0xFF0000, ggDiagonalForward, true);
    }
    EXPECT_TRUE(PixelNear(bitmap, 0, 0, 0x0000FF, 16));
    EXPECT_TRUE(PixelNear(bitmap, 39, 39, 0xFF0000, 16));

    Fill(bitmap);
    {
        TGPGraphics graphics(bitmap.Canvas().Handle());
        DrawGDIPGradient(graphics, {0, 0, 40, 40}, 0x0000FF, 0xFF0000, ggDiagonalBackward, true);
    }
    EXPECT_TRUE(PixelNear(bitmap, 39, 0, 0x0000FF, 16));
    EXPECT_TRUE(PixelNear(bitmap, 0, 39, 0xFF0000, 16));
}

TEST(DrawMirroredGradient, HalvesRunDownwardsAndTheEdgeKeepsTheSolidColours) {
    TBitmap bitmap(44, 44);
    Fill(bitmap);
    TCanvas& canvas = bitmap.Canvas();
    DrawMirroredGradient(canvas, {0, 0, 40, 40}, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, clNone, ggVertical, ggVertical,
                         false);
    EXPECT_EQ(bitmap.PixelColor(0, 10), 0x0000FF) << "left column of the upper half";
    EXPECT_EQ(bitmap.PixelColor(10, 0), 0x0000FF) << "top row";
    EXPECT_EQ(bitmap.PixelColor(0, 30), 0xFF0000) << "left column of the lower half";
    EXPECT_TRUE(PixelNear(bitmap, 20, 1, 0x0000FF, 24));
    EXPECT_TRUE(PixelNear(bitmap, 20, 19, 0x00FF00, 24));
    EXPECT_TRUE(PixelNear(bitmap, 20, 21, 0xFF0000, 24));
    EXPECT_TRUE(PixelNear(bitmap, 20, 39, 0x00FFFF, 24));
    EXPECT_EQ(bitmap.PixelColor(40, 20), kSentinel);
    EXPECT_EQ(bitmap.PixelColor(20, 40), kSentinel) << "nothing below the rectangle";
    EXPECT_EQ(bitmap.PixelColor(20, 41), kSentinel);
    EXPECT_EQ(canvas.Brush().GetStyle(), TBrushStyle::bsClear);

    Fill(bitmap);
    DrawMirroredGradient(canvas, {0, 0, 40, 40}, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0x000000, ggRadial, ggRadial,
                         true);
    EXPECT_TRUE(PixelNear(bitmap, 20, 1, 0x00FF00, 40)) << "upper glow centre at the top edge";
    EXPECT_TRUE(PixelNear(bitmap, 20, 38, 0x00FFFF, 40)) << "lower glow centre at the bottom edge";
    EXPECT_TRUE(PixelNear(bitmap, 39, 20, 0x000000, 60)) << "border";
    EXPECT_FALSE(PixelNear(bitmap, 0, 0, 0x000000, 60)) << "rounded corner";
    EXPECT_EQ(bitmap.PixelColor(20, 40), kSentinel) << "nothing below the rectangle";
}

TEST(DrawAlphaGradient, BlendsFromTheTopAlphaToTheBottomAlpha) {
    TBitmap bitmap(10, 100);
    Fill(bitmap, clWhite);
    DrawAlphaGradient(bitmap.Canvas().Handle(), {0, 0, 10, 99}, clBlack, 0, 255);
    EXPECT_TRUE(PixelNear(bitmap, 5, 0, clWhite, 8));
    EXPECT_TRUE(PixelNear(bitmap, 5, 98, clBlack, 12));
    EXPECT_TRUE(PixelNear(bitmap, 5, 49, Grey(128), 16));
}

TEST(GradientResources, EveryRoutineReleasesWhatItMadeAlsoWhenGdiplusFails) {
    TBitmap bitmap(60, 60);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Handle();
    ExpectReleasesEverything("DrawGradient", [&] {
        DrawGradient(canvas, clBlack, clWhite, 40, {0, 0, 60, 60}, false);
    });
    ExpectReleasesEverything("DrawVistaGradient", [&] {
        DrawVistaGradient(canvas, {0, 0, 60, 60}, 20, clWhite, clSilver, clGray, clWhite, clBlack, 3);
    });
    ExpectReleasesEverything("DrawGDIPGradient", [&] {
        TGPGraphics graphics(canvas.Handle());
        DrawGDIPGradient(graphics, {0, 0, 60, 30}, clWhite, clBlue, ggRadial, true);
        DrawGDIPGradient(graphics, {0, 30, 60, 60}, clWhite, clBlue, ggDiagonalForward, false);
    });
    ExpectReleasesEverything("DrawGDIPGradient on an empty rectangle", [&] {
        // The linear brush over an empty box is refused; nothing is drawn, nothing kept.
        TGPGraphics graphics(canvas.Handle());
        DrawGDIPGradient(graphics, {5, 5, 5, 5}, clWhite, clBlue, ggVertical, true);
    });
    ExpectReleasesEverything("DrawMirroredGradient", [&] {
        DrawMirroredGradient(canvas, {0, 0, 60, 60}, clWhite, clBlue, clBlue, clWhite, clBlack, ggRadial,
                             ggDiagonalBackward, true);
    });
    ExpectReleasesEverything("DrawMirroredGradient one pixel high", [&] {
        DrawMirroredGradient(canvas, {0, 0, 60, 1}, clWhite, clBlue, clBlue, clWhite, clBlack, ggVertical, ggVertical,
                             false);
    });
    ExpectReleasesEverything("DrawAlphaGradient", [&] {
        DrawAlphaGradient(canvas.Handle(), {0, 0, 60, 60}, clBlack, 10, 200);
    });
}
