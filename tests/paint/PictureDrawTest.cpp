#include <gtest/gtest.h>

#include "TestImages.h"
#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "framework/ImageList.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvPictureDraw.h"

using namespace orv;

namespace {

void Fill(TBitmap& bitmap, TColor color) {
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

// 16 x 16: white background (the bottom-left key) with a black bar.
void AddGlyph(TImageList& list) {
    TBitmap glyph(16, 16);
    Fill(glyph, clWhite);
    glyph.Canvas().Brush().SetColor(clBlack);
    glyph.Canvas().FillRect({4, 6, 12, 10});
    list.Add(glyph);
}

}  // namespace

TEST(DrawImageListImage, KeysOutTheBottomLeftColourAndIgnoresMissingInput) {
    TOwnedPtr<TImageList> list(Make<TImageList>(nullptr));
    AddGlyph(*list);
    TBitmap target(20, 20);
    Fill(target, clLime);
    int gdi = GdiLiveTotal();
    {
        TGPGraphics graphics(target.Canvas().Handle());
        int gdip = GdipLiveTotal();
        DrawImageListImage(&graphics, {2, 2}, list.get(), -1, true);
        DrawImageListImage(&graphics, {2, 2}, nullptr, 0, true);
        DrawImageListImage(nullptr, {2, 2}, list.get(), 0, true);
        DrawImageListImage(&graphics, {2, 2}, list.get(), 7, true);
        DrawImageListImage(&graphics, {2, 2}, list.get(), 0, true);
        EXPECT_EQ(GdipLiveTotal(), gdip);
    }
    EXPECT_EQ(GdiLiveTotal(), gdi);
    EXPECT_EQ(target.PixelColor(3, 3), clLime) << "the white background is keyed out";
    EXPECT_EQ(target.PixelColor(10, 10), clBlack) << "the glyph is drawn in natural size at the origin";
    EXPECT_EQ(target.PixelColor(5, 10), clLime);

    Fill(target, clLime);
    DrawImageListImage(nullptr, &target.Canvas(), {2, 2}, list.get(), 0, false);
    TColor greyed = target.PixelColor(10, 10);
    EXPECT_NE(greyed, clBlack) << "disabled look";
    EXPECT_EQ(greyed & 0xFF, (greyed >> 8) & 0xFF);
    EXPECT_EQ(target.PixelColor(3, 3), clLime);
}

TEST(DrawPictureAt, PngKeepsItsOwnTransparency) {
    TGDIPPicture picture;
    picture.SetData(orvtest::kPngBytes);
    TBitmap target(12, 8);
    Fill(target, clBlue);
    {
        TGPGraphics graphics(target.Canvas().Handle());
        DrawPictureAt(&graphics, {1, 1}, &picture);
        DrawPictureAt(&graphics, {1, 1}, nullptr);
    }
    EXPECT_EQ(target.PixelColor(2, 2), clRed);
    EXPECT_EQ(target.PixelColor(5, 2), clBlue) << "transparent columns";
    EXPECT_EQ(target.PixelColor(0, 0), clBlue);
}

TEST(DrawPictureStretched, BitmapsKeyTheirBottomLeftColourOthersScaleOnTheSurface) {
    TGDIPPicture bmp;
    bmp.SetData(orvtest::kBmpBytes);  // 4 x 4: white rows over magenta rows
    TBitmap target(14, 14);
    Fill(target, clLime);
    target.Canvas().Brush().SetColor(clWhite);  // the canvas lets go of its brush until next used
    int gdi = GdiLiveTotal(), gdip = GdipLiveTotal();
    {
        TGPGraphics graphics(target.Canvas().Handle());
        DrawPictureStretched(&graphics, &target.Canvas(), Bounds(2, 2, 8, 8), &bmp);
    }
    EXPECT_EQ(target.PixelColor(4, 3), clWhite) << "upper rows, stretched";
    EXPECT_EQ(target.PixelColor(9, 5), clWhite);
    EXPECT_EQ(target.PixelColor(4, 8), clLime) << "the bottom-left colour is transparent";
    EXPECT_EQ(target.PixelColor(11, 3), clLime) << "nothing outside the rectangle";

    TGDIPPicture png;
    png.SetData(orvtest::kPngBytes);  // 6 x 4: opaque red columns, transparent ones
    Fill(target, clBlue);
    {
        TGPGraphics graphics(target.Canvas().Handle());
        DrawPictureStretched(&graphics, &target.Canvas(), Bounds(0, 0, 12, 8), &png);
        DrawPictureStretched(&graphics, &target.Canvas(), Bounds(0, 0, 12, 8), nullptr);
    }
    EXPECT_EQ(target.PixelColor(1, 1), clRed);
    EXPECT_EQ(target.PixelColor(4, 6), clRed) << "scaled twice as large";
    EXPECT_EQ(target.PixelColor(10, 4), clBlue);
    target.Canvas().Brush().SetColor(clWhite);
    EXPECT_EQ(GdipLiveTotal(), gdip);
    EXPECT_EQ(GdiLiveTotal(), gdi) << "the stretched bitmap's objects are gone";
}

TEST(DrawGraphicAt, TransparentNonPngPicturesKeyTheirTopLeftColour) {
    TGDIPPicture bmp;
    bmp.SetData(orvtest::kBmpBytes);  // white top rows, magenta bottom rows
    TBitmap target(8, 8);
    Fill(target, clLime);
    DrawGraphicAt(nullptr, &target.Canvas(), {2, 2}, &bmp, true);  // makes its own surface
    EXPECT_EQ(target.PixelColor(3, 2), clLime) << "the top-left colour (white) is the key";
    EXPECT_EQ(target.PixelColor(3, 5), clFuchsia);
    Fill(target, clLime);
    DrawGraphicAt(nullptr, &target.Canvas(), {2, 2}, &bmp, false);
    EXPECT_EQ(target.PixelColor(3, 2), clWhite) << "opaque when not transparent";
    EXPECT_EQ(target.PixelColor(1, 1), clLime);
}
