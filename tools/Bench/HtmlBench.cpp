#include "HtmlBench.h"
#include "BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "paint/OrvGDIP.h"
#include "statusbar/HtmlPaint.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kRuns = 1000;

}  // namespace

void RunHtmlBench() {
    // 200 characters of text, in bold runs, an anchor, a coloured font and entities. Measuring
    // again finds the runs' sizes kept from the first time, as a panel's repaint does.
    const std::wstring marked =
        L"<B>Ready</B>: 123 items in <A href=\"http://example.org\">the current folder</A>, "
        L"<FONT color=\"clRed\">3 changed</FONT> &amp; <I>2 new</I>; last saved at 10:42 by the "
        L"<B>background</B> task - press F1 for help on the status bar panels and their options; "
        L"<U>double-click</U> a panel to change it.";
    THtmlPaintOptions options;
    options.MeasureOnly = true;
    TBitmap bitmap(681, 19);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetName(L"Tahoma");
    canvas.Font().SetHeight(-11);
    THtmlPaintResult result;
    PaintHtmlText(canvas, marked, {0, 0, 4000, 19}, options, result);
    const std::wstring plain = result.PlainText;

    HDC dc = canvas.Handle();
    TGdiFont font(CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    const int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
    double baseline = MedianMicroseconds(kRuns, [&] {
        TSelectGuard select(dc, font.Get());
        RECT r{0, 0, 4000, 19};
        DrawTextW(dc, plain.c_str(), static_cast<int>(plain.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
    });
    double html = MedianMicroseconds(kRuns, [&] { PaintHtmlText(canvas, marked, {0, 0, 4000, 19}, options, result); });
    options.MeasureOnly = false;
    double paint = MedianMicroseconds(kRuns, [&] { PaintHtmlText(canvas, marked, {0, 0, 681, 19}, options, result); });
    std::printf("Rich panel text, %d characters shown of %d marked up; median of %d runs\n",
                static_cast<int>(plain.size()), static_cast<int>(marked.size()), kRuns);
    std::printf("%-44s %12s %12s\n", "routine", "median us", "x DrawText");
    std::printf("%-44s %12.2f %12.1f\n", "DrawText measure of the plain text (baseline)", baseline, 1.0);
    std::printf("%-44s %12.2f %12.1f\n", "PaintHtmlText measure", html, baseline > 0 ? html / baseline : 0.0);
    std::printf("%-44s %12.2f %12.1f\n", "PaintHtmlText paint (681 x 19)", paint,
                baseline > 0 ? paint / baseline : 0.0);
    std::printf("live GDI objects before %d, after %d; live GDI+ objects before %d, after %d\n\n", gdiBefore,
                GdiLiveTotal(), gdipBefore, GdipLiveTotal());
}

}  // namespace orvtools
