#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "paint/OrvColors.h"
#include "paint/OrvFrames.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvGlyphs.h"
#include "paint/OrvLook.h"

using namespace orv;

namespace {

using TPixelSet = std::set<std::pair<int, int>>;

void Fill(TBitmap& bitmap, TColor color) {
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

// Every pixel of the bitmap: body, highlight or untouched background.
void ExpectGlyph(TBitmap& bitmap, const TPixelSet& body, const TPixelSet& highlight, TColor bodyColor,
                 TColor highlightColor, TColor background) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            TColor expected = body.count({x, y}) ? bodyColor : highlight.count({x, y}) ? highlightColor : background;
            ASSERT_EQ(bitmap.PixelColor(x, y), expected) << "pixel (" << x << ", " << y << ")";
        }
}

TPixelSet Transposed(const TPixelSet& pixels, int ox, int oy) {
    TPixelSet result;
    for (auto [x, y] : pixels) result.insert({ox + (y - oy), oy + (x - ox)});
    return result;
}

struct TScenicGuard {
    explicit TScenicGuard(bool value) : Saved(ScenicRibbonMode) { ScenicRibbonMode = value; }
    ~TScenicGuard() { ScenicRibbonMode = Saved; }
    bool Saved;
};

}  // namespace

TEST(ArrowGlyphs, DropDownArrowPixelByPixelAndItsDiagonalMirror) {
    const int x = 3, y = 2;
    TPixelSet body = {{x, y},         {x + 1, y},     {x + 2, y},     {x + 3, y},    {x + 4, y},
                      {x + 1, y + 1}, {x + 2, y + 1}, {x + 3, y + 1}, {x + 2, y + 2}};
    TPixelSet highlight = {{x, y + 1}, {x + 4, y + 1}, {x + 1, y + 2}, {x + 3, y + 2}, {x + 2, y + 3}};
    TBitmap bitmap(10, 10);
    Fill(bitmap, clWhite);
    DrawDropDownArrow(bitmap.Canvas(), {x, y}, clNavy, clYellow, true);
    ExpectGlyph(bitmap, body, highlight, clNavy, clYellow, clWhite);
    EXPECT_EQ(bitmap.Canvas().Pen().GetColor(), clNavy);

    Fill(bitmap, clWhite);
    DrawDropDownArrow(bitmap.Canvas(), {x, y}, clNavy, clYellow, false);
    ExpectGlyph(bitmap, Transposed(body, x, y), Transposed(highlight, x, y), clNavy, clYellow, clWhite);
    // Spot checks of the right-pointing arrow as described in words.
    EXPECT_EQ(bitmap.PixelColor(x, y + 4), clNavy);
    EXPECT_EQ(bitmap.PixelColor(x + 3, y + 2), clYellow);
}

TEST(ArrowGlyphs, SmallArrowIsTheSolidTriangleWithoutHighlight) {
    const int x = 1, y = 4;
    TPixelSet body = {{x, y},         {x + 1, y},     {x + 2, y},     {x + 3, y},    {x + 4, y},
                      {x + 1, y + 1}, {x + 2, y + 1}, {x + 3, y + 1}, {x + 2, y + 2}};
    TBitmap bitmap(8, 8);
    Fill(bitmap, clBlack);
    DrawSmallArrow(bitmap.Canvas(), {x, y}, clBtnFace);
    ExpectGlyph(bitmap, body, {}, static_cast<TColor>(GetSysColor(COLOR_BTNFACE)), clNone, clBlack);
}

// The frames are drawn without anti-aliasing here so that the separator lines land on
// whole pixels.
class GroupFrames : public ::testing::Test {
protected:
    void SetUp() override { Fill(FBitmap, clWhite); }
    TColor At(int x, int y) { return FBitmap.PixelColor(x, y); }
    template <class F>
    void Paint(F paint) {
        TGPGraphics graphics(FBitmap.Canvas().Handle());
        graphics.SetSmoothingMode(SmoothingModeNone);
        paint(graphics);
    }
    TBitmap FBitmap{60, 40};
    const TColor FColor = 0x808080;
    const TColor FSeparator = DarkerColor(0x808080, -5);  // 0x7A7A7A
};

TEST_F(GroupFrames, LeftFrameSeparatorIsFullHeightUnlessScenicShortensIt) {
    ASSERT_EQ(FSeparator, 0x7A7A7A);
    {
        TScenicGuard scenic(false);
        Paint([&](TGPGraphics& g) { DrawGroupFrameLeft(g, FColor, 5, 5, 20, 20, 3); });
    }
    EXPECT_EQ(At(25, 15), FSeparator);
    EXPECT_EQ(At(25, 6), FSeparator);
    EXPECT_EQ(At(15, 5), FColor) << "top edge";
    EXPECT_EQ(At(15, 25), FColor) << "bottom edge";
    EXPECT_EQ(At(5, 15), FColor) << "left edge";
    EXPECT_EQ(At(15, 15), clWhite);

    SetUp();
    {
        TScenicGuard scenic(true);
        Paint([&](TGPGraphics& g) { DrawGroupFrameLeft(g, FColor, 5, 5, 20, 20, 3); });
    }
    EXPECT_EQ(At(25, 15), FSeparator);
    EXPECT_EQ(At(25, 6), clWhite) << "scenic: the separator starts at Y + 2";
    EXPECT_EQ(At(25, 7), FSeparator);

    SetUp();
    {
        TScenicGuard scenic(true);
        Paint([&](TGPGraphics& g) { DrawGroupFrameLeft(g, FColor, 5, 5, 20, 20, 3, false); });
    }
    EXPECT_EQ(At(25, 6), FSeparator) << "the toolbar family's frames ignore the scenic flag";
}

TEST_F(GroupFrames, MiddleFrameLeftSeparatorDependsOnEmphasis) {
    TScenicGuard scenic(false);
    Paint([&](TGPGraphics& g) { DrawGroupFrameMiddle(g, FColor, 10, 5, 20, 20, 3, false); });
    EXPECT_EQ(At(10, 6), clWhite) << "plain: the light separator starts at Y + 2";
    EXPECT_EQ(At(10, 15), 0xE6E6E6);
    EXPECT_EQ(At(30, 15), FSeparator) << "right separator";
    EXPECT_EQ(At(20, 5), FColor);
    EXPECT_EQ(At(9, 5), FColor) << "the top line starts one pixel left of X";
    EXPECT_EQ(At(20, 25), FColor);

    SetUp();
    Paint([&](TGPGraphics& g) { DrawGroupFrameMiddle(g, FColor, 10, 5, 20, 20, 3, true); });
    EXPECT_EQ(At(10, 6), FSeparator) << "emphasized: full height, darker";
    EXPECT_EQ(At(10, 15), FSeparator);
}

TEST_F(GroupFrames, RightFrameHasOnlyTheLeftSeparator) {
    Paint([&](TGPGraphics& g) { DrawGroupFrameRight(g, FColor, 10, 5, 20, 20, 3, false); });
    EXPECT_EQ(At(10, 15), 0xE6E6E6);
    EXPECT_EQ(At(30, 15), FColor) << "right edge in the frame colour";
    EXPECT_EQ(At(20, 5), FColor);
    EXPECT_EQ(At(20, 25), FColor);
}

TEST_F(GroupFrames, RoundRectFramesAndOutlines) {
    Paint([&](TGPGraphics& g) { DrawRoundRectFrame(g, clRed, 2, 2, 10, 10, 0); });
    EXPECT_EQ(At(2, 2), clRed) << "radius 0 is a plain rectangle with square corners";
    EXPECT_EQ(At(12, 12), clRed) << "far edges at X + W and Y + H";
    EXPECT_EQ(At(13, 13), clWhite);
    EXPECT_EQ(At(7, 7), clWhite);

    SetUp();
    Paint([&](TGPGraphics& g) { DrawRoundRectFrame(g, clRed, 2, 2, 20, 20, 4); });
    EXPECT_EQ(At(2, 2), clWhite) << "rounded corner";
    EXPECT_EQ(At(12, 2), clRed);
    EXPECT_EQ(At(22, 12), clRed);

    SetUp();
    Paint([&](TGPGraphics& g) {
        TGPPen pen(ColorToARGB(clBlue));
        AddRectOutline(g, pen, 30, 2, 10, 10);
    });
    EXPECT_EQ(At(30, 2), clBlue);
    EXPECT_EQ(At(40, 12), clBlue);

    SetUp();
    Paint([&](TGPGraphics& g) { DrawDottedRoundRectFrame(g, clBlack, 2, 2, 40, 20, 2); });
    int inked = 0;
    for (int x = 6; x < 38; ++x) inked += At(x, 2) == clBlack;
    EXPECT_GT(inked, 4);
    EXPECT_LT(inked, 28) << "dotted, not solid";
}

TEST_F(GroupFrames, FramesReleaseTheirObjectsAlsoWhenAZeroRadiusArcFails) {
    int gdi = GdiLiveTotal();
    int gdip;
    {
        TGPGraphics graphics(FBitmap.Canvas().Handle());
        gdip = GdipLiveTotal();
        DrawGroupFrameLeft(graphics, FColor, 0, 0, 20, 20, 0);
        DrawGroupFrameRight(graphics, FColor, 20, 0, 20, 20, 0, true);
        DrawDottedRoundRectFrame(graphics, FColor, 0, 0, 0, 0, 0);
        DrawRoundRectFrame(graphics, FColor, 0, 0, 30, 30, 5);
        EXPECT_EQ(GdipLiveTotal(), gdip);
    }
    EXPECT_EQ(GdipLiveTotal(), gdip - 1);
    EXPECT_EQ(GdiLiveTotal(), gdi);
    EXPECT_EQ(At(10, 0), FColor) << "the straight parts of a zero-radius frame are still drawn";
}
