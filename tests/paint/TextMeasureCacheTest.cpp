// Kept text measurements: a second measurement is a lookup, and any input that changes the
// answer (font, text, box, flags) measures afresh.
#include <gtest/gtest.h>

#include "framework/Bitmap.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvText.h"

using namespace orv;

namespace {

TRect Measure(TCanvas& canvas, const TFont& font, const std::wstring& text, const TRect& box, bool wordWrap = false) {
    return DrawGDIPText(canvas, TTextAlignment::taLeftJustify, 0, box, text, font, true, false, aaAntiAlias, false,
                        wordWrap);
}

}  // namespace

TEST(TextMeasureCache, MeasuringTwiceMeasuresOnceAndEveryInputCounts) {
    TBitmap bitmap(300, 200);
    TCanvas& canvas = bitmap.Canvas();
    TFont font;
    font.SetName(L"Arial");
    font.SetHeight(-13);
    canvas.Font().SetName(L"Arial");
    ASSERT_TRUE(IsTrueTypeFont(&canvas)) << "Arial (Liberation Sans) must be installed in the prefix";
    ClearTextMeasures();
    TTextMeasureStats start = TextMeasureStats();
    EXPECT_EQ(start.Count, 0u);

    const TRect box{0, 0, 300, 40};
    TRect first = Measure(canvas, font, L"Registry probe", box);
    TRect again = Measure(canvas, font, L"Registry probe", box);
    EXPECT_EQ(first, again);
    EXPECT_GT(first.Width(), 40);
    TTextMeasureStats afterTwo = TextMeasureStats();
    EXPECT_EQ(afterTwo.Misses - start.Misses, 1u);
    EXPECT_EQ(afterTwo.Hits - start.Hits, 1u);

    // A bigger font is measured, not answered with the old box.
    TFont big;
    big.Assign(&font);
    big.SetHeight(-26);
    TRect bigBox = Measure(canvas, big, L"Registry probe", box);
    EXPECT_GT(bigBox.Width(), first.Width() * 3 / 2);
    TFont bold;
    bold.Assign(&font);
    bold.SetStyle(fsBold);
    EXPECT_GT(Measure(canvas, bold, L"Registry probe", box).Width(), first.Width());
    EXPECT_GT(Measure(canvas, font, L"Registry probe, longer", box).Width(), first.Width());
    // A narrow box wraps the words: a new width is a new measurement.
    TRect narrow = Measure(canvas, font, L"Registry probe", TRect{0, 0, 60, 200}, true);
    EXPECT_GT(narrow.Height(), first.Height()) << "two lines in 60 pixels";
    TTextMeasureStats end = TextMeasureStats();
    EXPECT_EQ(end.Misses - start.Misses, 5u);
    EXPECT_EQ(end.Hits - start.Hits, 1u);
    EXPECT_EQ(end.Count, 5u);

    ClearTextMeasures();
    EXPECT_EQ(TextMeasureStats().Count, 0u);
    EXPECT_EQ(Measure(canvas, font, L"Registry probe", box), first);
    EXPECT_EQ(TextMeasureStats().Misses - start.Misses, 6u);
}
