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
    // Emptied pictures drop the decoded images they keep.
    bmp.Assign(nullptr);
    png.Assign(nullptr);
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

namespace {
int CountColour(TBitmap& bitmap, TColor colour) {
    int n = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) n += bitmap.PixelColor(x, y) == colour;
    return n;
}
constexpr TColor kAzure = 0xFF8000;  // the 72 dpi test picture's colour
constexpr TColor kCyan = 0xFFFF00;   // the icon's
}  // namespace

TEST(DrawPictureAt, DrawsAtThePixelSizeWhateverResolutionThePictureIsTaggedWith) {
    // 10 x 10 pixels tagged 72 dpi: scaled by its resolution it would cover 13 x 13.
    TGDIPPicture picture;
    picture.SetData(orvtest::kPng72DpiBytes);
    TBitmap target(20, 20);
    Fill(target, clBlack);
    {
        TGPGraphics graphics(target.Canvas().Handle());
        DrawPictureAt(&graphics, {2, 3}, &picture);
    }
    EXPECT_EQ(CountColour(target, kAzure), 100);
    EXPECT_EQ(target.PixelColor(2, 3), kAzure);
    EXPECT_EQ(target.PixelColor(11, 12), kAzure);
    EXPECT_EQ(target.PixelColor(12, 12), clBlack);
    EXPECT_EQ(target.PixelColor(11, 13), clBlack);

    // The toolbar family's routine draws the natural size too.
    Fill(target, clBlack);
    DrawGraphicAt(nullptr, &target.Canvas(), {2, 3}, &picture, false);
    EXPECT_EQ(CountColour(target, kAzure), 100);
    EXPECT_EQ(target.PixelColor(12, 13), clBlack);
}

TEST(DrawPictureAt, IconsAreNeverColourKeyedWhateverTheDecoderCallsThem) {
    // A solid 16 x 16 icon: keyed by its bottom-left pixel it would vanish completely.
    TGDIPPicture plain;
    plain.SetData(orvtest::kIcoBytes);
    TOrvGDIPPicture orv;
    orv.SetData(orvtest::kIcoBytes);
    for (TCustomGDIPPicture* picture :
         {static_cast<TCustomGDIPPicture*>(&plain), static_cast<TCustomGDIPPicture*>(&orv)}) {
        SCOPED_TRACE(picture->ClassName());
        TBitmap target(20, 20);
        Fill(target, clBlack);
        {
            TGPGraphics graphics(target.Canvas().Handle());
            DrawPictureAt(&graphics, {2, 2}, picture);
        }
        EXPECT_EQ(CountColour(target, kCyan), 256);
        EXPECT_EQ(target.PixelColor(1, 1), clBlack);
    }
    // The kind comes from the data's own header.
    EXPECT_EQ(plain.Kind(), ikIcon);
    TGDIPPicture bmp;
    bmp.SetData(orvtest::kBmpBytes);
    EXPECT_EQ(bmp.Kind(), ikBmp);
}

TEST(DrawPictureStretched, StretchesBitmapsOfEitherPictureClass) {
    TOrvGDIPPicture bmp;  // 4 x 4: white rows over magenta rows
    bmp.SetData(orvtest::kBmpBytes);
    TBitmap target(14, 14);
    Fill(target, clLime);
    {
        TGPGraphics graphics(target.Canvas().Handle());
        DrawPictureStretched(&graphics, &target.Canvas(), Bounds(2, 2, 8, 8), &bmp);
    }
    EXPECT_EQ(target.PixelColor(2, 2), clWhite);
    EXPECT_EQ(target.PixelColor(9, 5), clWhite) << "stretched to 8 x 8, not drawn at 4 x 4";
    EXPECT_EQ(target.PixelColor(9, 6), clLime) << "the magenta half is keyed out";
    EXPECT_EQ(target.PixelColor(10, 3), clLime) << "nothing outside the rectangle";
    EXPECT_EQ(CountColour(target, clWhite), 32);
}
