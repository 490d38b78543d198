// Pixels of the quick access toolbar's looks and of its Vista button's glyphs.
#include "buttons/GlowButtonTestSupport.h"
#include "framework/Bitmap.h"
#include "paint/OrvColors.h"
#include "toolbar/OrvToolBarAppearance.h"
#include "toolbar/OrvVistaButton.h"
#include "toolbar/QuickAccessPaint.h"

using namespace orv;

namespace {

constexpr TColor kOuter = 0x000000FF;  // the full-size border, red
constexpr TColor kBack = 0x0000FF00;   // what lies behind, green

void FullSizeLook(TQATAppearance& q) {
    q.SetFullSizeColor(0x00FDF6EF);
    q.SetFullSizeColorTo(0x00F0DAC7);
    q.SetFullSizeBorderColor(kOuter);
    q.SetBorderColor(0x00C7B29F);
}

std::unique_ptr<TBitmap> FullSize(bool scenic, const TQATAppearance& q) {
    auto bmp = std::make_unique<TBitmap>(40, 25);
    bmp->Canvas().Brush().SetColor(kBack);
    bmp->Canvas().FillRect({0, 0, 40, 25});
    DrawQuickAccessFullSize(bmp->Canvas(), {0, 0, 40, 25}, q, scenic);
    return bmp;
}

bool Dark(TColor c) {
    return RedOf(c) < 90 && GreenOf(c) < 90 && BlueOf(c) < 90;
}

}  // namespace

TEST(QuickAccessPaint, FullSizeFrameLinesWithoutTheScenicFlag) {
    TQATAppearance q;
    FullSizeLook(q);
    const TColor inner = BlendColor(clWhite, q.GetFullSizeColor(), 50);
    auto bmp = FullSize(false, q);
    auto at = [&](int x, int y) { return bmp->PixelColor(x, y); };
    // Outer: top 1..38, right column 39 rows 1..22, bottom row 23 1..38, left column 0 rows 1..22.
    for (TPoint p : {TPoint{1, 0}, TPoint{38, 0}, TPoint{39, 1}, TPoint{39, 22}, TPoint{1, 23}, TPoint{38, 23},
                     TPoint{0, 1}, TPoint{0, 22}})
        EXPECT_EQ(at(p.X, p.Y), kOuter) << p.X << ", " << p.Y;
    // Inner: top row 1 1..38, bottom row 24 1..39, left column 1 rows 1..22 (its right
    // column lies at x = 40, outside).
    for (TPoint p : {TPoint{1, 1}, TPoint{38, 1}, TPoint{1, 22}, TPoint{1, 24}, TPoint{39, 24}, TPoint{20, 24}})
        EXPECT_EQ(at(p.X, p.Y), inner) << p.X << ", " << p.Y;
    // Corners the lines leave to the gradient.
    for (TPoint p : {TPoint{39, 0}, TPoint{0, 23}, TPoint{39, 23}, TPoint{0, 24}}) {
        EXPECT_NE(at(p.X, p.Y), kOuter) << p.X << ", " << p.Y;
        EXPECT_NE(at(p.X, p.Y), inner) << p.X << ", " << p.Y;
        EXPECT_NE(at(p.X, p.Y), kBack) << p.X << ", " << p.Y;
    }
    EXPECT_EQ(at(0, 0), q.GetFullSizeColor()) << "the gradient starts at the top";
}

TEST(QuickAccessPaint, FullSizeFrameLinesWithTheScenicFlagAndThePlainFill) {
    TQATAppearance q;
    FullSizeLook(q);
    const TColor inner = BlendColor(clWhite, q.GetFullSizeColor(), 50);
    auto bmp = FullSize(true, q);
    auto at = [&](int x, int y) { return bmp->PixelColor(x, y); };
    // Outer: rows 0 and 23 across the whole width; the inner left column covers its left one.
    for (TPoint p : {TPoint{0, 0}, TPoint{20, 0}, TPoint{39, 0}, TPoint{0, 23}, TPoint{39, 23}})
        EXPECT_EQ(at(p.X, p.Y), kOuter) << p.X << ", " << p.Y;
    for (TPoint p : {TPoint{0, 1}, TPoint{20, 1}, TPoint{39, 1}, TPoint{0, 12}, TPoint{0, 22}, TPoint{0, 24},
                     TPoint{39, 24}})
        EXPECT_EQ(at(p.X, p.Y), inner) << p.X << ", " << p.Y;
    EXPECT_NE(at(39, 12), kOuter) << "its right column lies at x = 40";

    q.SetFullSizeColorTo(clNone);
    auto plain = FullSize(true, q);
    EXPECT_EQ(plain->PixelColor(0, 0), q.GetBorderColor()) << "a plain rectangle in the border colour";
    EXPECT_EQ(plain->PixelColor(39, 24), q.GetBorderColor());
    EXPECT_EQ(plain->PixelColor(20, 12), q.GetFullSizeColor());
}

TEST(QuickAccessPaint, TheCapsuleFillsBetweenItsEndsWithTheOutlineOnlyAtTheEnds) {
    TBitmap bmp(100, 25);
    bmp.Canvas().Brush().SetColor(kBack);
    bmp.Canvas().FillRect({0, 0, 100, 25});
    TQuickAccessCapsuleColors c;
    c.Color = 0x000000FF;    // red at the top
    c.ColorTo = 0x00FF0000;  // blue at the bottom
    c.BorderColor = clBlack;
    c.CaptionColor = clWhite;
    c.CaptionColorMirror = clWhite;
    // The frame of a 100 x 25 strip without the scenic flag, bottom one up.
    DrawQuickAccessCapsule(bmp.Canvas().Handle(), 100, 25, {0, 3, 84, 24}, c);
    const TColor top = bmp.PixelColor(42, 4), bottom = bmp.PixelColor(42, 22);
    EXPECT_GT(RedOf(top), 200);
    EXPECT_LT(BlueOf(top), 60) << "Color at the top";
    EXPECT_GT(BlueOf(bottom), 200);
    EXPECT_LT(RedOf(bottom), 60) << "ColorTo at the bottom";
    EXPECT_FALSE(Dark(bmp.PixelColor(42, 3))) << "no outline along the straight middle";
    EXPECT_FALSE(Dark(bmp.PixelColor(42, 23)));
    bool rightOutline = false;
    for (int x = 78; x <= 83; ++x) rightOutline = rightOutline || Dark(bmp.PixelColor(x, 13));
    EXPECT_TRUE(rightOutline) << "the rounded right end is outlined";
    EXPECT_EQ(bmp.PixelColor(95, 13), kBack) << "beyond the right end the parent shows";
    EXPECT_EQ(bmp.PixelColor(2, 12), kBack) << "the concave left end leaves room for the round button";
    const TColor highlight = bmp.PixelColor(42, 2);
    EXPECT_TRUE(glowtest::Near(highlight, BlendColor(clWhite, clBlack, 60), 40)) << "the top highlight";
}

TEST(VistaButton, GlyphsOfTheOverflowLeftAndCustomizeButtons) {
    glowtest::TFixture f;
    auto* b = new TOrvVistaButton(f.Form.get());
    b->SetParent(f.Form.get());
    auto snap = [&] {
        auto bmp = std::make_unique<TBitmap>(b->Width(), b->Height());
        bmp->Canvas().Brush().SetColor(clFuchsia);
        bmp->Canvas().FillRect({0, 0, b->Width(), b->Height()});
        b->PaintTo(bmp->Canvas().Handle());
        return bmp;
    };
    // The overflow button: two hooks, black with white ones a pixel lower right (R = 14, T = 6).
    b->SetBounds(0, 0, 14, 25);
    b->SetArrowStyle(asDouble);
    b->SetScrollArrow(saRight);
    auto chevron = snap();
    for (TPoint p : {TPoint{8, 11}, TPoint{8, 13}, TPoint{9, 12}, TPoint{4, 11}, TPoint{4, 13}, TPoint{5, 12}})
        EXPECT_EQ(chevron->PixelColor(p.X, p.Y), clBlack) << p.X << ", " << p.Y;
    for (TPoint p : {TPoint{9, 13}, TPoint{9, 14}, TPoint{10, 13}, TPoint{5, 14}, TPoint{6, 13}})
        EXPECT_EQ(chevron->PixelColor(p.X, p.Y), clWhite) << p.X << ", " << p.Y;
    EXPECT_EQ(chevron->PixelColor(8, 14), clFuchsia) << "a normal button draws no face";
    EXPECT_EQ(chevron->PixelColor(1, 1), clFuchsia);

    // A left triangle of 1, 3 and 5 pixels in the border colour blended half with black.
    b->SetBounds(0, 0, 22, 23);
    b->SetArrowStyle(asSingle);
    b->SetScrollArrow(saLeft);
    auto left = snap();
    const TColor pen = BlendColor(clBlack, b->Appearance().GetBorderColor(), 50);
    for (TPoint p : {TPoint{10, 11}, TPoint{11, 10}, TPoint{11, 12}, TPoint{12, 9}, TPoint{12, 13}})
        EXPECT_EQ(left->PixelColor(p.X, p.Y), pen) << p.X << ", " << p.Y;
    for (TPoint p : {TPoint{10, 10}, TPoint{10, 12}, TPoint{11, 9}, TPoint{13, 11}})
        EXPECT_EQ(left->PixelColor(p.X, p.Y), clFuchsia) << p.X << ", " << p.Y;

    // The customize button: a dark bar over a black triangle, with white edges (R = 14, B = 21).
    b->SetBounds(0, 0, 14, 25);
    b->SetArrowStyle(asWithLine);
    b->SetScrollArrow(saBottom);
    auto customize = snap();
    EXPECT_TRUE(Dark(customize->PixelColor(7, 16))) << "inside the triangle";
    EXPECT_TRUE(Dark(customize->PixelColor(6, 12))) << "the bar";
    EXPECT_GT(GreenOf(customize->PixelColor(6, 13)), 150) << "the white line under the bar";
    EXPECT_EQ(customize->PixelColor(2, 5), clFuchsia);

    b->SetScrollArrow(saRight);
    auto none = snap();
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 14; ++x) ASSERT_EQ(none->PixelColor(x, y), clFuchsia) << "a right arrow with a line draws nothing";
}
