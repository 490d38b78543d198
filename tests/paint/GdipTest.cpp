// The GDI+ object layer: drawing through the wrappers, the error model, live counts and
// the image-format mapping.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestImages.h"
#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "paint/OrvGDIP.h"

using namespace orv;

namespace {

bool Near(TColor actual, TColor expected, int tolerance = 8) {
    for (int shift = 0; shift < 24; shift += 8) {
        int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}

// A white 32-bit bitmap to draw on.
struct TSurface {
    explicit TSurface(int w, int h) : Bitmap(w, h) {
        Bitmap.Canvas().Brush().SetColor(clWhite);
        Bitmap.Canvas().FillRect(TRect{0, 0, w, h});
    }
    TColor At(int x, int y) const { return Bitmap.PixelColor(x, y); }
    TBitmap Bitmap;
};

bool RunningOnWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

struct TLiveCounts {
    int Gdip = GdipLiveTotal();
    int Gdi = GdiLiveTotal();
};

}  // namespace

TEST(GdipLayer, StartedOnceByTheUnitStep) {
    EXPECT_TRUE(GdiplusStarted());
    EXPECT_TRUE(StartGdiplus());  // a second start is a no-op that reports success
    EXPECT_TRUE(GdiplusStarted());
}

TEST(GdipLayer, FillsAndGradientsReleaseEverything) {
    TSurface s(40, 40);
    TLiveCounts before;
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        ASSERT_EQ(GdipLiveCount(TGdipKind::Graphics), 1);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        EXPECT_EQ(g.GetSmoothingMode(), SmoothingModeAntiAlias);

        TGPSolidBrush red(0xFFFF0000);
        EXPECT_EQ(g.FillRectangle(red, 0, 0, 10, 10), TStatus::Ok);

        // Vertical gradient from blue (top) to green (bottom) in x 10..30.
        TGPLinearGradientBrush lin(MakeRect(10, 0, 20, 40), 0xFF0000FF, 0xFF00FF00, LinearGradientModeVertical);
        lin.SetGammaCorrection(false);
        EXPECT_EQ(g.FillRectangle(lin, MakeRect(10, 0, 20, 40)), TStatus::Ok);

        // Semi-transparent black over white: mid grey.
        TGPSolidBrush half(0x80000000);
        g.FillEllipse(half, MakeRect(30, 30, 10, 10));
        EXPECT_EQ(GdipLiveCount(TGdipKind::Brush), 3);
        EXPECT_EQ(g.GetLastStatus(), TStatus::Ok);
    }
    EXPECT_EQ(GdipLiveTotal(), before.Gdip);
    EXPECT_EQ(GdiLiveTotal(), before.Gdi);
    EXPECT_EQ(s.At(5, 5), TColor(0x0000FF)) << "solid fill is exact inside";
    EXPECT_TRUE(Near(s.At(20, 1), 0xFF0000, 20)) << std::hex << s.At(20, 1);
    EXPECT_TRUE(Near(s.At(20, 38), 0x00FF00, 20)) << std::hex << s.At(20, 38);
    EXPECT_TRUE(Near(s.At(35, 35), 0x7F7F7F, 4)) << std::hex << s.At(35, 35);
    EXPECT_EQ(s.At(35, 5), clWhite) << "nothing outside the fills";
}

TEST(GdipLayer, PathGradientRunsFromSurroundToCentre) {
    TSurface s(41, 41);
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        TGPGraphicsPath path;
        path.AddEllipse(0, 0, 41, 41);
        TGPPathGradientBrush brush(path);
        brush.SetCenterPoint(MakePoint(20.5f, 20.5f));
        brush.SetCenterColor(0xFFFFFF00);
        ARGB surround[] = {0xFF0000FF};
        int count = 1;
        EXPECT_EQ(brush.SetSurroundColors(surround, count), TStatus::Ok);
        EXPECT_EQ(g.FillPath(brush, path), TStatus::Ok);
    }
    EXPECT_TRUE(Near(s.At(20, 20), 0x00FFFF, 24)) << std::hex << s.At(20, 20);  // yellow centre
    TColor nearEdge = s.At(20, 2);
    EXPECT_GT(nearEdge & 0xFF0000, 0x800000u) << "blue towards the path: " << std::hex << nearEdge;
    EXPECT_EQ(s.At(0, 0), clWhite) << "corner outside the ellipse";
}

TEST(GdipLayer, ClipByRegionWithExcludedPathAndReset) {
    TSurface s(30, 30);
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        TGPRegion region(MakeRect(0, 0, 30, 30));
        TGPGraphicsPath hole;
        hole.AddRectangle(MakeRect(10, 10, 10, 10));
        EXPECT_EQ(region.Exclude(hole), TStatus::Ok);
        EXPECT_FALSE(region.IsVisible(15, 15));
        EXPECT_TRUE(region.IsVisible(5, 5));
        g.SetClip(region);
        TGPSolidBrush black(0xFF000000);
        g.FillRectangle(black, 0, 0, 30, 30);
        g.ResetClip();
        TGPSolidBrush red(0xFFFF0000);
        g.FillRectangle(red, 0, 0, 4, 4);  // after the reset the corner can be painted again
    }
    EXPECT_EQ(s.At(15, 15), clWhite);
    EXPECT_EQ(s.At(25, 25), clBlack);
    EXPECT_EQ(s.At(2, 2), TColor(0x0000FF));
}

TEST(GdipLayer, PensHatchAndTextureBrushes) {
    TSurface s(40, 20);
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        TGPPen pen(0xFF000000, 3);
        pen.SetDashStyle(DashStyleSolid);
        EXPECT_EQ(g.DrawLine(pen, 0, 2, 40, 2), TStatus::Ok);

        TGPHatchBrush hatch(HatchStyleCross, 0xFF000000, 0xFF00FF00);
        g.FillRectangle(hatch, 0, 10, 10, 10);

        TGPBitmap tile(2, 2);
        ASSERT_EQ(tile.GetLoadStatus(), TStatus::Ok);
        tile.SetPixel(0, 0, 0xFFFF0000);
        tile.SetPixel(1, 0, 0xFF0000FF);
        tile.SetPixel(0, 1, 0xFF0000FF);
        tile.SetPixel(1, 1, 0xFFFF0000);
        ARGB back = 0;
        tile.GetPixel(1, 0, back);
        EXPECT_EQ(back, 0xFF0000FFu);
        TGPTextureBrush texture(tile, WrapModeTile);
        g.FillRectangle(texture, 20, 10, 20, 10);
    }
    EXPECT_EQ(s.At(20, 2), clBlack) << "inside the 3-pixel line";
    EXPECT_EQ(s.At(20, 8), clWhite);
    // A cross hatch has both colours in a 10 x 10 block.
    bool black = false, green = false;
    for (int y = 10; y < 20; ++y)
        for (int x = 0; x < 10; ++x) {
            black |= s.At(x, y) == clBlack;
            green |= s.At(x, y) == TColor(0x00FF00);
        }
    EXPECT_TRUE(black && green);
    // Tiles start at the surface origin: (20,10) is tile (0,0) red, (21,10) blue.
    EXPECT_EQ(s.At(22, 12), TColor(0x0000FF));
    EXPECT_EQ(s.At(23, 12), TColor(0xFF0000));
}

TEST(GdipLayer, TextDrawsInsideItsLayoutBox) {
    TSurface s(120, 40);
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        TGPFontFamily family(L"Tahoma");
        ASSERT_EQ(family.GetLastStatus(), TStatus::Ok) << "fonts missing from the Wine prefix?";
        TGPFont font(family, 14, FontStyleBold, UnitPixel);
        TGPStringFormat format;
        format.SetAlignment(StringAlignmentCenter);
        format.SetLineAlignment(StringAlignmentCenter);
        format.SetHotkeyPrefix(HotkeyPrefixShow);
        format.SetTrimming(StringTrimmingEllipsisCharacter);
        TGPSolidBrush black(0xFF000000);
        EXPECT_EQ(g.DrawString(L"&Hello", font, MakeRect(0, 0, 120, 40), &format, black), TStatus::Ok);
        TGPRectF box;
        EXPECT_EQ(g.MeasureString(L"Hello", font, MakeRect(0, 0, 1000, 100), nullptr, box), TStatus::Ok);
        EXPECT_GT(box.Width, 20);
        EXPECT_LT(box.Width, 120);
        EXPECT_GT(box.Height, 10);
    }
    int dark = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (s.At(x, y) != clWhite) {
                ++dark;
                EXPECT_TRUE(x > 10 && x < 110) << "centred text stays off the edges: x=" << x;
            }
    EXPECT_GT(dark, 20);
}

TEST(GdipLayer, FailuresAreRecordedNotRaisedAndGetLastStatusResets) {
    TLiveCounts before;
    {
        TGPFontFamily missing(L"No Such Family Orv");
        EXPECT_EQ(GdipLiveCount(TGdipKind::FontFamily), 0) << "a failed creation owns nothing";
        EXPECT_EQ(missing.GetLastStatus(), TStatus::FontFamilyNotFound);
        EXPECT_EQ(missing.GetLastStatus(), TStatus::Ok) << "reading the status resets it";

        // A font on the missing family fails too, and drawing with it draws nothing.
        TGPFont font(missing, 10);
        EXPECT_NE(font.GetLastStatus(), TStatus::Ok);

        TSurface s(10, 10);
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        TGPSolidBrush brush(0xFF000000);
        EXPECT_EQ(g.DrawString(L"x", font, MakeRect(0, 0, 10, 10), nullptr, brush), TStatus::InvalidParameter);
        // A later successful call leaves the recorded failure in place.
        EXPECT_EQ(g.FillRectangle(brush, 0, 0, 1, 1), TStatus::Ok);
        EXPECT_EQ(g.GetLastStatus(), TStatus::InvalidParameter);
        EXPECT_EQ(g.GetLastStatus(), TStatus::Ok);

        int noPoints = 0;
        TGPGraphicsPath path;
        EXPECT_NE(path.AddPolygon(static_cast<const TGPPointF*>(nullptr), noPoints), TStatus::Ok);
        EXPECT_NE(path.GetLastStatus(), TStatus::Ok);
    }
    EXPECT_EQ(GdipLiveTotal(), before.Gdip);
    EXPECT_EQ(GdiLiveTotal(), before.Gdi);
}

TEST(GdipLayer, WrappersMoveTheirSingleNativeObject) {
    TLiveCounts before;
    {
        TGPSolidBrush a(0xFF112233);
        TGPSolidBrush b(std::move(a));
        EXPECT_EQ(GdipLiveCount(TGdipKind::Brush), 1);
        EXPECT_EQ(a.Native(), nullptr);
        EXPECT_NE(b.Native(), nullptr);
        TGPGraphicsPath p1, p2;
        p1.AddRectangle(MakeRect(0, 0, 1, 1));
        p2 = std::move(p1);  // p2's own path is deleted, p1's moves over
        EXPECT_EQ(GdipLiveCount(TGdipKind::Path), 1);
        EXPECT_EQ(p2.GetPointCount(), 4);
    }
    EXPECT_EQ(GdipLiveTotal(), before.Gdip);
}

TEST(GdipLayer, ImageFormatsAndPixelInformation) {
    struct TCase {
        const std::vector<uint8_t>* Bytes;
        TGPImageFormat Format;
        int Width, Height;
    } cases[] = {
        {&orvtest::kPngBytes, ifPNG, 6, 4}, {&orvtest::kJpegBytes, ifJPEG, 8, 8},  {&orvtest::kGifBytes, ifGIF, 5, 3},
        {&orvtest::kBmpBytes, ifBMP, 4, 4}, {&orvtest::kIcoBytes, ifIcon, 16, 16}, {&orvtest::kTiffBytes, ifTIFF, 7, 9},
    };
    TLiveCounts before;
    for (const auto& c : cases) {
        TComStream stream = CreateImageStream(c.Bytes->data(), c.Bytes->size());
        TGPImage image(stream.Get());
        ASSERT_EQ(image.GetLoadStatus(), TStatus::Ok) << "format " << c.Format;
        // Wine's GDI+ reports an icon's raw format as BMP.
        TGPImageFormat expected = c.Format == ifIcon && RunningOnWine() ? ifBMP : c.Format;
        EXPECT_EQ(image.GetFormat(), expected);
        EXPECT_EQ(image.GetWidth(), c.Width);
        EXPECT_EQ(image.GetHeight(), c.Height);
    }
    {
        TComStream stream = CreateImageStream(orvtest::kPngBytes.data(), orvtest::kPngBytes.size());
        TGPImage png(stream.Get());
        EXPECT_TRUE(png.HasAlphaChannel());
        EXPECT_FALSE(png.HasPalette());
        EXPECT_EQ(png.GetPixelDepth(), 32);
        TComStream gifStream = CreateImageStream(orvtest::kGifBytes.data(), orvtest::kGifBytes.size());
        TGPImage gif(gifStream.Get());
        EXPECT_TRUE(gif.HasPalette());
    }
    // Not an image: the status is recorded, the wrapper reports 0 x 0 and owns nothing.
    const uint8_t junk[] = {1, 2, 3, 4, 5, 6, 7, 8};
    {
        TComStream stream = CreateImageStream(junk, sizeof(junk));
        TGPImage image(stream.Get());
        EXPECT_NE(image.GetLoadStatus(), TStatus::Ok);
        EXPECT_EQ(image.GetWidth(), 0);
        EXPECT_EQ(image.GetFormat(), ifUndefined);
    }
    EXPECT_EQ(GdipLiveTotal(), before.Gdip);

    GUID unknown = {0xB96B3CB3, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    EXPECT_EQ(ImageFormatFromGuid(&unknown), ifUndefined);
    GUID emf = {0xB96B3CAC, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    EXPECT_EQ(ImageFormatFromGuid(&emf), ifEMF);
    emf.Data4[7] = 0x2F;
    EXPECT_EQ(ImageFormatFromGuid(&emf), ifUndefined);
}

TEST(GdipLayer, ImageStreamRaisesWhenMemoryCannotBeHad) {
    SetImageMemoryAllocator([](unsigned, size_t) -> void* { return nullptr; });
    try {
        CreateImageStream(orvtest::kPngBytes.data(), orvtest::kPngBytes.size());
        ADD_FAILURE() << "no exception";
    } catch (const EOutOfResources& e) {
        EXPECT_EQ(e.Message(), L"Could not allocate memory for image");
    }
    SetImageMemoryAllocator(nullptr);
    EXPECT_TRUE(CreateImageStream(orvtest::kPngBytes.data(), orvtest::kPngBytes.size()));
}

TEST(GdipLayer, SurfaceOnAnOffscreenBitmap) {
    TLiveCounts before;
    {
        TGPBitmap bitmap(8, 8, PixelFormat32bppARGB);
        TGPGraphics g(bitmap);
        ASSERT_EQ(g.GetLastStatus(), TStatus::Ok);
        g.Clear(0xFF00FF00);
        ARGB c = 0;
        bitmap.GetPixel(3, 3, c);
        EXPECT_EQ(c, 0xFF00FF00u);
        HBITMAP__* hbm = nullptr;
        EXPECT_EQ(bitmap.GetHBITMAP(0xFFFFFFFF, hbm), TStatus::Ok);
        TGdiBitmap owned(hbm);
        EXPECT_TRUE(owned);
    }
    EXPECT_EQ(GdipLiveTotal(), before.Gdip);
    EXPECT_EQ(GdiLiveTotal(), before.Gdi);
}
