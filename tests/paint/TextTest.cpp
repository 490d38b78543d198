#include <gtest/gtest.h>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvText.h"

using namespace orv;

namespace {

void Fill(TBitmap& bitmap, TColor color) {
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

int CountOther(TBitmap& bitmap, const TRect& area, TColor background) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) n += bitmap.PixelColor(x, y) != background;
    return n;
}

// Lets go of the canvas's own pen, brush and font handles, so counts compare paints only.
void DropCanvasObjects(TCanvas& c) {
    c.Pen().SetColor(c.Pen().GetColor() ^ 1);
    c.Brush().SetColor(c.Brush().GetColor() ^ 1);
    c.Font().SetColor(c.Font().GetColor() ^ 1);
}

TFont ArialFont() {
    TFont font;
    font.SetName(L"Arial");
    font.SetHeight(-13);
    font.SetColor(clBlack);
    return font;
}

}  // namespace

TEST(HotKeyText, MarkersAreStrippedAndTheLastSingleOneMarks) {
    struct TCase {
        const wchar_t* Caption;
        const wchar_t* Text;
        int Index;
    } cases[] = {
        {L"&File", L"File", 0}, {L"Save &As", L"Save As", 5}, {L"A&&B", L"A&B", -1},
        {L"&a&b", L"ab", 1},    {L"&&&x", L"&x", 1},          {L"Tail&", L"Tail", -1},
        {L"&", L"", -1},        {L"x&&", L"x&", -1},          {L"", L"", -1},
    };
    for (const TCase& c : cases) {
        THotKeyText result = StripHotKeyMarkers(c.Caption);
        EXPECT_EQ(result.Text, c.Text) << "caption \"" << testing::PrintToString(std::wstring(c.Caption)) << "\"";
        EXPECT_EQ(result.AcceleratorIndex, c.Index) << testing::PrintToString(std::wstring(c.Caption));
    }
}

TEST(HotKeyText, RotatedCaptionUnderlinesItsAcceleratorByHand) {
    TBitmap bitmap(40, 120);
    Fill(bitmap, clWhite);
    TCanvas& canvas = bitmap.Canvas();
    TFont font = ArialFont();
    canvas.Font().Assign(&font);
    const int x = 30, y = 10;
    int h = canvas.TextHeight(L"File");
    int w2 = canvas.TextWidth(L"F");
    DropCanvasObjects(canvas);
    canvas.Font().SetColor(clRed);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    int gdi = GdiLiveTotal();
    DrawHotKeyText(canvas, L"&File", {x, y});
    EXPECT_EQ(canvas.Font().GetOrientation(), 0) << "the canvas font is given back unrotated";
    EXPECT_EQ(canvas.Pen().GetColor(), clRed) << "the underline is in the font colour";
    DropCanvasObjects(canvas);
    EXPECT_EQ(GdiLiveTotal(), gdi);
    canvas.Font().SetColor(clRed);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    for (int k = 0; k < w2; ++k) EXPECT_EQ(bitmap.PixelColor(x - h + 1, y + k), clRed) << "underline row " << k;
    EXPECT_GT(CountOther(bitmap, {x - h + 2, y, x + 1, y + 60}, clWhite), 20) << "the text runs downwards";
    EXPECT_EQ(CountOther(bitmap, {x + 2, 0, 40, 120}, clWhite), 0) << "nothing right of the origin";

    Fill(bitmap, clWhite);
    DrawHotKeyText(canvas, L"Tail&", {x, y});
    EXPECT_EQ(CountOther(bitmap, {x - h + 1, y, x - h + 2, y + 40}, clWhite), 0)
        << "a trailing marker underlines nothing";
}

TEST(GDIPText, MeasuresDrawsAndReleases) {
    TBitmap bitmap(200, 40);
    Fill(bitmap, clWhite);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetName(L"Arial");
    ASSERT_TRUE(IsTrueTypeFont(&canvas)) << "Arial (Liberation Sans) must be installed in the prefix";
    EXPECT_FALSE(IsTrueTypeFont(nullptr));
    TFont font = ArialFont();
    DropCanvasObjects(canvas);
    int gdi = GdiLiveTotal();
    int gdip = GdipLiveTotal();
    TRect measured = DrawGDIPText(canvas, TTextAlignment::taLeftJustify, 0, {10, 10, 190, 30}, L"Hello", font, true,
                                  false, aaAntiAlias, false, false);
    EXPECT_GT(measured.Width(), 10);
    EXPECT_GT(measured.Height(), 5);
    EXPECT_EQ(CountOther(bitmap, {0, 0, 200, 40}, clWhite), 0) << "measuring draws nothing";
    DrawGDIPText(canvas, TTextAlignment::taCenter, 0, {10, 10, 190, 30}, L"Hello", font, true, true, aaClearType, false,
                 false);
    EXPECT_GT(CountOther(bitmap, {10, 10, 190, 30}, clWhite), 10);
    EXPECT_EQ(CountOther(bitmap, {0, 0, 10, 40}, clWhite), 0) << "centred, inside the box";
    EXPECT_EQ(GdipLiveTotal(), gdip);
    DropCanvasObjects(canvas);
    EXPECT_EQ(GdiLiveTotal(), gdi);
    EXPECT_EQ(DrawGDIPText(canvas, TTextAlignment::taLeftJustify, 0, {0, 0, 100, 20}, L"", font, true, true,
                           aaAntiAlias, true, false),
              TRect{})
        << "empty text measures nothing";
}

TEST(GDIPText, CuttingTextStopsWhenTheBoxCannotHoldAnything) {
    // Used to remove characters forever when the box was narrower than "...".
    TBitmap bitmap(60, 30);
    Fill(bitmap, clWhite);
    TCanvas& canvas = bitmap.Canvas();
    TFont font = ArialFont();
    int gdip = GdipLiveTotal();
    for (int width : {0, 1, 4}) {
        for (bool ellipsis : {true, false}) {
            DrawGDIPText(canvas, TTextAlignment::taLeftJustify, 0, {10, 5, 10 + width, 25}, L"Wide caption text", font,
                         true, true, aaAntiAlias, ellipsis, false);
        }
    }
    EXPECT_EQ(CountOther(bitmap, {0, 0, 60, 30}, clWhite), 0) << "nothing fits, so nothing is drawn";
    EXPECT_EQ(GdipLiveTotal(), gdip);

    DrawGDIPText(canvas, TTextAlignment::taLeftJustify, 0, {2, 5, 50, 25}, L"Wide caption text", font, true, true,
                 aaAntiAlias, true, false);
    EXPECT_GT(CountOther(bitmap, {2, 5, 50, 25}, clWhite), 10) << "the cut text with its ellipsis";
    EXPECT_EQ(CountOther(bitmap, {50, 0, 60, 30}, clWhite), 0);
}

TEST(GDIPText, MissingFacesFallBackToClassicText) {
    TBitmap bitmap(200, 40);
    Fill(bitmap, clWhite);
    TCanvas& canvas = bitmap.Canvas();
    TFont font = ArialFont();
    font.SetName(L"No Such Face Here");
    DropCanvasObjects(canvas);
    int gdip = GdipLiveTotal();
    int gdi = GdiLiveTotal();
    TRect measured = DrawGDIPText(canvas, TTextAlignment::taLeftJustify, DT_LEFT | DT_SINGLELINE, {5, 5, 195, 35},
                                  L"Classic", font, true, true, aaAntiAlias, false, false);
    EXPECT_EQ(measured.Left, 0) << "classic measurement within (0, 0, 1000, 100)";
    EXPECT_GT(measured.Width(), 10);
    EXPECT_GT(CountOther(bitmap, {5, 5, 195, 35}, clWhite), 10);
    EXPECT_EQ(GdipLiveTotal(), gdip) << "no GDI+ object was made for a classic font";
    DropCanvasObjects(canvas);
    EXPECT_EQ(GdiLiveTotal(), gdi);
}

TEST(GDIPText, AMeasurementWithoutWordWrapStillWrapsWithinItsRectangle) {
    TBitmap bitmap(200, 200);
    Fill(bitmap, clWhite);
    TCanvas& canvas = bitmap.Canvas();
    TFont font = ArialFont();
    canvas.Font().Assign(&font);
    const int line = canvas.TextHeight(L"Ag");
    ASSERT_GT(line, 8);
    for (bool ellipsis : {false, true}) {
        SCOPED_TRACE(ellipsis ? "with ellipsis" : "without ellipsis");
        TRect measured = DrawGDIPText(canvas, TTextAlignment::taLeftJustify, 0, {0, 0, 60, 200},
                                      L"one two three four five six", font, true, false, aaAntiAlias, ellipsis, false);
        EXPECT_LE(measured.Width(), 60) << "kept within the rectangle's width";
        EXPECT_GE(measured.Height(), 3 * line - 3) << "six short words take at least three lines of 60 pixels";
    }
    EXPECT_EQ(CountOther(bitmap, {0, 0, 200, 200}, clWhite), 0) << "measuring draws nothing";
}

TEST(GDIPText, WhetherAFaceIsInstalledIsLookedUpOncePerFace) {
    TBitmap bitmap(20, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetName(L"Face Nobody Installed 7");
    int before = InstalledFontScans();
    EXPECT_FALSE(IsTrueTypeFont(&canvas));
    EXPECT_EQ(InstalledFontScans(), before + 1) << "a face not asked about yet is looked up";
    for (int i = 0; i < 20; ++i) EXPECT_FALSE(IsTrueTypeFont(&canvas));
    EXPECT_EQ(InstalledFontScans(), before + 1) << "a missing face does not rescan the fonts on every paint";

    canvas.Font().SetName(L"Arial");
    EXPECT_TRUE(IsTrueTypeFont(&canvas));
    before = InstalledFontScans();
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(IsTrueTypeFont(&canvas));
    EXPECT_EQ(InstalledFontScans(), before);
}
