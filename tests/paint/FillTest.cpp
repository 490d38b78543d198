#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "TestImages.h"
#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "framework/Streams.h"
#include "paint/FillValues.h"
#include "paint/GDIPFill.h"

using namespace orv;

namespace {

int R(TColor c) {
    return c & 0xFF;
}
int G(TColor c) {
    return (c >> 8) & 0xFF;
}

// A white 32-bit surface; Paint runs f with a GDI+ surface on it.
struct TSurface {
    TBitmap Bitmap;
    TSurface(int w, int h) : Bitmap(w, h) {
        Bitmap.Canvas().Brush().SetColor(clWhite);
        Bitmap.Canvas().FillRect({0, 0, w, h});
    }
    template <class F>
    void Paint(F f) {
        TGPGraphics g(Bitmap.Canvas().Handle());
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        f(g);
    }
    TColor At(int x, int y) const { return Bitmap.PixelColor(x, y); }
};

bool Inside(TGPGraphicsPath& path, float x, float y) {
    return TGPRegion(path).IsVisible(x, y);
}

}  // namespace

TEST(FillValues, RoundedPathCornersPerTypeAndRadiusZero) {
    const TGPRectF r{0, 0, 100, 40};
    // Which of the corners (top-left, top-right, bottom-right, bottom-left) are cut by a
    // radius of 10, probed one pixel in from each corner.
    struct Case {
        TFillRoundingType type;
        bool tl, tr, br, bl;
    } cases[] = {{rtNone, false, false, false, false}, {rtTop, true, true, false, false},
                 {rtBottom, false, false, true, true}, {rtBoth, true, true, true, true},
                 {rtLeft, true, false, false, true},   {rtRight, false, true, true, false}};
    for (const Case& c : cases) {
        TGPGraphicsPath path = RoundedRectPath(r, 10, c.type);
        EXPECT_NE(Inside(path, 1, 1), c.tl) << "type " << c.type;
        EXPECT_NE(Inside(path, 99, 1), c.tr) << "type " << c.type;
        EXPECT_NE(Inside(path, 99, 39), c.br) << "type " << c.type;
        EXPECT_NE(Inside(path, 1, 39), c.bl) << "type " << c.type;
        EXPECT_TRUE(Inside(path, 50, 20));
        EXPECT_TRUE(Inside(path, 50, 1)) << "edges stay straight between the corners";
    }
    for (TFillRoundingType type : {rtNone, rtTop, rtBoth, rtRight}) {
        TGPGraphicsPath path = RoundedRectPath(r, 0, type);
        EXPECT_EQ(path.GetPointCount(), RoundedRectPath(r, 0, rtNone).GetPointCount());
        EXPECT_TRUE(Inside(path, 0, 0));
        EXPECT_TRUE(Inside(path, 99, 39));
    }
}

TEST(FillValues, PicturePlacementAtTheTwelvePositions) {
    const TRect frame{10, 20, 110, 60};  // 100 x 40
    struct Case {
        TFillPicturePosition position;
        TRect expected;
    } cases[] = {
        {ppTopLeft, {10, 20, 26, 31}},    {ppTopCenter, {52, 20, 68, 31}},    {ppTopRight, {94, 20, 110, 31}},
        {ppBottomLeft, {10, 49, 26, 60}}, {ppBottomCenter, {52, 49, 68, 60}}, {ppBottomRight, {94, 49, 110, 60}},
        {ppCenterLeft, {10, 34, 26, 45}}, {ppCenterCenter, {52, 34, 68, 45}}, {ppCenterRight, {94, 34, 110, 45}},
        {ppStretched, {10, 20, 110, 60}}, {ppCustom, {3, 4, 19, 15}}};
    for (const Case& c : cases) {
        TRect placed{};
        ASSERT_TRUE(PlaceFillPicture(frame, 16, 11, c.position, {3, 4}, placed)) << c.position;
        EXPECT_EQ(placed, c.expected) << "position " << c.position;
    }
    TRect placed{};
    EXPECT_FALSE(PlaceFillPicture(frame, 16, 11, ppTiled, {3, 4}, placed));
    // Larger than the frame: the centring offset truncates toward zero (-41 / 2 = -20).
    ASSERT_TRUE(PlaceFillPicture({0, 0, 10, 10}, 51, 10, ppTopCenter, {}, placed));
    EXPECT_EQ(placed.Left, -20);
}

TEST(FillValues, HexTextAndPictureBuffer) {
    const uint8_t png[] = {0x89, 0x50, 0x4E, 0x47};
    EXPECT_EQ(HexFromBytes(png, 4), L"89504E47");
    EXPECT_EQ(HexFromBytes(nullptr, 0), L"");
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(BytesFromHex(L"89504e47F", bytes)) << "lower case is read; a trailing odd character ignored";
    EXPECT_EQ(bytes, std::vector<uint8_t>(png, png + 4));
    EXPECT_FALSE(BytesFromHex(L"8950G4", bytes));
    EXPECT_EQ(bytes.size(), 2u);
    EXPECT_EQ(PictureTextBuffer(0), 0u);
    EXPECT_EQ(PictureTextBuffer(-5), 0u);
    EXPECT_EQ(PictureTextBuffer(10), 4097u) << "a short hint still reads a page";
    EXPECT_EQ(PictureTextBuffer(int64_t(1) << 40), kMaxPictureTextLength + 1);
    EXPECT_EQ(GrowPictureTextBuffer(kMaxPictureTextLength + 1), 0u);
}

TEST(FillPaint, OneAndTwoPartBodies) {
    auto paint = [](TGDIPFill& fill) {
        auto s = std::make_unique<TSurface>(40, 20);
        s->Paint([&](TGPGraphics& g) { fill.Fill(&g, {0, 0, 40, 20}); });
        return s;
    };
    TGDIPFill fill;
    fill.SetColor(clRed);
    fill.SetColorTo(clNone);  // solid although the type is vertical
    fill.SetGradientMirrorType(gtSolid);
    auto one = paint(fill);
    EXPECT_EQ(one->At(20, 2), clRed);
    EXPECT_EQ(one->At(20, 17), clRed) << "ColorMirror clNone: one part";
    fill.SetColorMirror(clBlue);
    auto two = paint(fill);
    EXPECT_EQ(two->At(20, 2), clRed);
    EXPECT_EQ(two->At(20, 17), clBlue) << "the mirror part";
    fill.SetGradientType(gtHatch);
    fill.SetColorTo(clRed);
    auto hatch = paint(fill);
    EXPECT_EQ(hatch->At(20, 17), clRed) << "a hatch is one part (fore and back colours both red)";

    TGDIPFill gradient;
    gradient.SetColor(clBlack);
    gradient.SetColorTo(clWhite);
    auto grad = paint(gradient);
    EXPECT_LT(R(grad->At(20, 1)), 40);
    EXPECT_GT(R(grad->At(20, 18)), 215) << "vertical from Color to ColorTo";

    TGDIPFill none;
    none.SetColor(clNone);
    none.SetBorderColor(clBlack);
    auto empty = paint(none);
    EXPECT_EQ(empty->At(20, 10), clWhite) << "Color clNone: no body";
    EXPECT_LT(R(empty->At(0, 10)), 128) << "but the border";
}

TEST(FillPaint, RoundingOnTwoPartsRoundsOnlyTheOuterCorners) {
    TGDIPFill fill;
    fill.SetColor(clRed);
    fill.SetColorTo(clNone);
    fill.SetColorMirror(clBlue);
    fill.SetRounding(2);
    fill.SetRoundingType(rtBoth);
    TSurface s(40, 20);
    s.Paint([&](TGPGraphics& g) { fill.Fill(&g, {0, 0, 40, 20}); });
    EXPECT_GT(G(s.At(0, 0)), 100) << "upper part: top-left corner rounded";
    EXPECT_GT(G(s.At(39, 0)), 100);
    EXPECT_EQ(s.At(0, 8), clRed) << "upper part: bottom corners square";
    EXPECT_EQ(s.At(0, 11), clBlue) << "mirror part: top corners square";
    EXPECT_GT(G(s.At(0, 19)), 100) << "mirror part: bottom-left corner rounded";
    EXPECT_GT(G(s.At(39, 19)), 100);
}

TEST(FillPaint, LineCaseShadowMissingSurfaceAndFocusRect) {
    TGDIPFill fill;
    fill.SetColor(clRed);
    fill.SetColorTo(clNone);
    fill.SetBorderColor(clBlack);
    TSurface line(40, 12);
    line.Paint([&](TGPGraphics& g) { fill.Fill(&g, {0, 5, 40, 1}); });
    bool dark = false;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 40; ++x) {
            TColor c = line.At(x, y);
            EXPECT_FALSE(R(c) > 200 && G(c) < 50) << "no body on a line at " << x << "," << y;
            dark = dark || R(c) < 100;
        }
    EXPECT_TRUE(dark) << "a border-coloured line";
    fill.SetBorderWidth(0);
    TSurface noLine(40, 12);
    noLine.Paint([&](TGPGraphics& g) { fill.Fill(&g, {0, 5, 40, 1}); });
    EXPECT_EQ(noLine.At(20, 5), clWhite);

    fill.SetBorderWidth(2);
    fill.SetShadowOffset(3);
    TGPRectF body = fill.Fill(nullptr, {0, 0, 100, 40});
    EXPECT_EQ(body.Width, 97);
    EXPECT_EQ(body.Height, 37) << "without a surface: nothing painted, the body returned";
    TSurface shadow(110, 50);
    shadow.Paint([&](TGPGraphics& g) { body = fill.Fill(&g, {0, 0, 100, 40}); });
    EXPECT_EQ(body.X, 0);
    EXPECT_EQ(body.Y, 0);
    EXPECT_EQ(body.Width, 97);
    EXPECT_EQ(body.Height, 37);
    EXPECT_EQ(shadow.At(50, 20), clRed);
    // The shadow fades out towards its outline; only its presence and colour are robust.
    const TColor below = shadow.At(50, 38), right = shadow.At(98, 20);
    EXPECT_LT(G(below), 253) << "the shadow shows below the body";
    EXPECT_EQ(R(below), G(below)) << "grey, not the body";
    EXPECT_LT(G(right), 254) << "and right of it";
    EXPECT_EQ(shadow.At(104, 20), clWhite) << "nothing outside R";
    EXPECT_EQ(shadow.At(50, 44), clWhite);
    const TGPRectF& focus = fill.GetFocusRect();
    EXPECT_EQ(focus.X, 2);
    EXPECT_EQ(focus.Width, 93);
    EXPECT_EQ(focus.Height, 33);
}

TEST(FillPaint, GlowCentresAndPictures) {
    TGDIPFill fill;
    fill.SetColor(clNavy);
    fill.SetColorTo(clNone);
    fill.SetGlow(gmRadial);
    TSurface radial(100, 40);
    radial.Paint([&](TGPGraphics& g) { fill.Fill(&g, {0, 0, 100, 40}); });
    EXPECT_GT(R(radial.At(50, 37)), R(radial.At(50, 5)) + 60) << "the radial glow is brightest at the bottom centre";
    EXPECT_EQ(radial.At(3, 3), clNavy) << "not at the corners";

    fill.SetGlow(gmGradient);
    TSurface gradient(100, 40);
    gradient.Paint([&](TGPGraphics& g) { fill.Fill(&g, {0, 0, 100, 40}); });
    EXPECT_EQ(gradient.At(50, 20), clNavy);
    EXPECT_GT(R(gradient.At(50, 37)), 120) << "bottom band";
    EXPECT_GT(R(gradient.At(50, 2)), 60) << "top band";

    // The foreground picture at ppCustom sits in surface coordinates, on top of the body.
    TGDIPFill pictured;
    pictured.SetColor(clBlue);
    pictured.SetColorTo(clNone);
    TOrvGDIPPicture png;
    png.SetData(orvtest::kPngBytes);  // 6 x 4, red left half
    pictured.SetPicture(&png);
    pictured.SetPicturePosition(ppCustom);
    pictured.SetPictureLeft(10);
    pictured.SetPictureTop(2);
    TSurface custom(60, 20);
    custom.Paint([&](TGPGraphics& g) { pictured.Fill(&g, {30, 0, 30, 20}); });
    EXPECT_EQ(custom.At(11, 3), clRed);
    EXPECT_EQ(custom.At(31, 3), clBlue);
    pictured.SetPicturePosition(ppBottomRight);
    TSurface corner(60, 20);
    corner.Paint([&](TGPGraphics& g) { pictured.Fill(&g, {30, 0, 30, 20}); });
    EXPECT_EQ(corner.At(54, 17), clRed) << "picture at (54, 16)";
    EXPECT_EQ(corner.At(57, 17), clBlue) << "its transparent half shows the body";
}

TEST(FillPaint, EveryStepKeepsTheCallersClip) {
    // The caller keeps a band (60..80) out of its clip; no step of any fill may paint
    // there, during the fill or after it.
    struct Body {
        TOrvGradientType upper, mirror;
        TColor colorMirror;
        const char* name;
    } bodies[] = {{gtSolid, gtSolid, clNone, "solid"},
                  {gtRadial, gtSolid, clNone, "radial"},
                  {gtRadial, gtVertical, clBlue, "radial upper part"},
                  {gtVertical, gtRadial, clBlue, "radial mirror part"},
                  {gtTexture, gtSolid, clNone, "texture inside"}};
    for (const Body& b : bodies)
        for (TGlowMode glow : {gmNone, gmGradient, gmRadial, gmRadialGradient}) {
            TGDIPFill fill;
            fill.SetColor(clRed);
            fill.SetColorTo(clYellow);
            fill.SetGradientType(b.upper);
            fill.SetColorMirror(b.colorMirror);
            fill.SetColorMirrorTo(clAqua);
            fill.SetGradientMirrorType(b.mirror);
            fill.SetBorderColor(clBlack);
            fill.SetBorderWidth(2);
            fill.SetRounding(3);
            fill.SetGlow(glow);
            if (b.upper == gtTexture) {
                fill.SetBackGroundPictureMode(pmInsideFill);
                fill.SetBackGroundPicturePosition(ppStretched);
                fill.GetBackGroundPicture()->SetData(orvtest::kPngBytes);
            }
            TSurface s(140, 40);
            s.Paint([&](TGPGraphics& g) {
                TGPRegion clip(TGPRectF{0, 0, 140, 40});
                TGPGraphicsPath band;
                band.AddRectangle({60, 0, 20, 40});
                clip.Exclude(band);
                g.SetClip(clip);
                fill.Fill(&g, {0, 0, 140, 40});
                g.FillRectangle(TGPSolidBrush(0xFF00FF00), TGPRectF{0, 0, 140, 40});
            });
            for (int y = 0; y < 40; ++y)
                for (int x = 60; x < 80; ++x)
                    ASSERT_EQ(s.At(x, y), clWhite)
                        << b.name << ", glow " << glow << ": painted into the excluded band at " << x << "," << y;
            EXPECT_EQ(s.At(30, 20), clLime) << b.name << ", glow " << glow << ": the clip still holds after the fill";
        }
}

TEST(FillPaint, ReleasesEveryObjectAndMakesNoSurface) {
    TGDIPFill fill;
    fill.SetColorMirror(clGray);
    fill.SetColorMirrorTo(clSilver);
    fill.SetRounding(4);
    fill.SetBorderColor(clBlack);
    fill.SetShadowOffset(2);
    fill.SetGlow(gmRadialGradient);
    fill.SetFocus(true);
    TSurface s(160, 35);
    int gdi = GdiLiveTotal();
    s.Paint([&](TGPGraphics& g) {
        int live = GdipLiveTotal();
        long surfaces = GdipMadeCount(TGdipKind::Graphics);
        for (int i = 0; i < 50; ++i) fill.Fill(&g, {0, 0, 160, 35});
        EXPECT_EQ(GdipLiveTotal(), live);
        EXPECT_EQ(GdipMadeCount(TGdipKind::Graphics), surfaces);
    });
    EXPECT_EQ(GdiLiveTotal(), gdi);
}

TEST(GDIPStatus, BadgeIsAPillAndMeasuresItsCaption) {
    TGDIPStatus status;
    status.GetFill()->SetColor(clRed);
    status.GetFill()->SetColorTo(clNone);
    status.GetFill()->SetBorderColor(clGray);
    int changes = 0;
    status.OnChange = [&](TObject*) { ++changes; };
    TSurface s(60, 20);
    s.Paint([&](TGPGraphics& g) { status.Draw(&g, 2, 2, 40, 16, false, L""); });
    EXPECT_EQ(status.GetFill()->GetRounding(), 8);
    EXPECT_EQ(changes, 0) << "drawing fires no change";
    EXPECT_EQ(R(s.At(22, 12)), 255);
    EXPECT_LT(G(s.At(22, 12)), 60) << "red body below the shine";
    EXPECT_GT(G(s.At(2, 2)), 150) << "rounded corner";

    s.Paint([&](TGPGraphics& g) { status.CalculateSize(&g, L"12"); });
    EXPECT_GE(status.GetWidth(), status.GetHeight()) << "never narrower than high";
    EXPECT_GT(status.GetHeight(), 4);
    int w = status.GetWidth();
    s.Paint([&](TGPGraphics& g) { status.CalculateSize(&g, L""); });
    EXPECT_EQ(status.GetWidth(), w) << "an empty caption keeps the size";
    status.SetSpacing(5);
    s.Paint([&](TGPGraphics& g) { status.CalculateSize(&g, L"12"); });
    EXPECT_EQ(status.GetWidth(), w + 10);
    EXPECT_EQ(changes, 1);
}

TEST(GDIPFill, ChangeNotificationUpdatesAndAssign) {
    TGDIPFill fill;
    int changes = 0;
    fill.OnChange = [&](TObject*) { ++changes; };
    fill.SetColor(fill.GetColor());
    EXPECT_EQ(changes, 0) << "an equal value changes nothing";
    fill.SetRounding(3);
    EXPECT_EQ(changes, 1);
    fill.BeginUpdate();
    fill.SetAngle(45);
    fill.GetPicture()->SetData(orvtest::kPngBytes);
    fill.EndUpdate();
    EXPECT_EQ(changes, 1) << "held back, and EndUpdate fires nothing";
    fill.GetPicture()->LoadFromStream(nullptr);
    TMemoryStream bytes;
    bytes.SetBytes(orvtest::kGifBytes);
    fill.GetPicture()->LoadFromStream(&bytes);
    EXPECT_EQ(changes, 2) << "a picture change is a fill change";

    TGDIPFill source;
    source.SetColorMirror(clBlue);
    source.SetGlow(gmRadial);
    source.SetOpacityTo(17);
    source.SetHatchStyleMirror(static_cast<THatchStyle>(52));
    source.SetBackGroundPicture(fill.GetPicture());
    source.SetFocus(true);
    source.SetFocusColor(clRed);
    changes = 0;
    fill.Assign(&source);
    EXPECT_EQ(changes, 1) << "one notification for the whole copy";
    EXPECT_EQ(fill.GetColorMirror(), clBlue);
    EXPECT_EQ(fill.GetGlow(), gmRadial);
    EXPECT_EQ(fill.GetOpacityTo(), 17);
    EXPECT_EQ(fill.GetRounding(), 0);
    EXPECT_EQ(fill.GetHatchStyleMirror(), 52);
    EXPECT_TRUE(fill.GetPicture()->Empty());
    EXPECT_EQ(fill.GetBackGroundPicture()->GetData(), orvtest::kGifBytes);
    EXPECT_FALSE(fill.GetFocus()) << "focus is not copied";
    EXPECT_EQ(fill.GetFocusColor(), clBlack);
    TFont notAFill;
    fill.Assign(&notAFill);
    EXPECT_EQ(changes, 1);
}
