// Pager painting from records: tab colour sets, crowded separators, tab group rectangles
// and the scroller's effect on groups, the two-colour caption, the page background split
// against the group look, the page shadow, and the caption button glyphs.
#include <gtest/gtest.h>

#include "buttons/GlowButtonTestSupport.h"
#include "framework/Bitmap.h"
#include "paint/OrvColors.h"
#include "toolbar/OrvPageScrollButton.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/PagerPaint.h"

using namespace orv;
using glowtest::Near;
using glowtest::PixelBox;

namespace {

constexpr TColor kRow = 0xFFFFFF;

std::unique_ptr<TBitmap> Surface(int w, int h, TColor fill = clFuchsia) {
    auto bmp = std::make_unique<TBitmap>(w, h);
    bmp->Canvas().Brush().SetColor(fill);
    bmp->Canvas().FillRect({0, 0, w, h});
    return bmp;
}

// A tab appearance whose looks are solid and tell apart by their numbers.
void SolidTabLooks(TCustomTabAppearance& ta) {
    ta.SetColorSelected(0x00E0E0E0);
    ta.SetColorSelectedTo(0x00E0E0E0);
    ta.SetColorMirrorSelected(0x00E0E0E0);
    ta.SetColorMirrorSelectedTo(0x00E0E0E0);
    ta.SetBorderColorSelected(0x00102030);
    ta.SetBorderColorSelectedHot(0x00405060);
    ta.SetBorderColorDown(0x00708090);
    ta.SetHighLightColor(0x0000A000);
    ta.SetHighLightColorSelectedHot(0x00B00000);
    ta.SetHighLightColorDown(0x000000C0);
    ta.SetShadowColor(clNone);
}

TTabPaint TabAt(const TRect& r, const TTabColors& colors) {
    TTabPaint t;
    t.Rect = r;
    t.Colors = colors;
    t.Row = {kRow, clNone, 64, true};
    t.RowRect = {0, 0, 100, 40};
    return t;
}

bool Reddish(TColor c) {
    return RedOf(c) > 150 && GreenOf(c) < 110 && BlueOf(c) < 110;
}
bool Bluish(TColor c) {
    return BlueOf(c) > 150 && GreenOf(c) < 110 && RedOf(c) < 110;
}

}  // namespace

TEST(PagerPaint, SelectedTabsTakeTheDownAndSelectedHotBordersAndHighlights) {
    TTabAppearance ta;
    SolidTabLooks(ta);
    struct Case {
        const char* name;
        TTabState state;
        TColor border, highlight;
    } cases[] = {
        {"selected", {.Active = true}, 0x00102030, 0x0000A000},
        {"hot selected", {.Active = true, .Hot = true}, 0x00405060, 0x00B00000},
        {"pressed selected", {.Active = true, .Hot = true, .Down = true}, 0x00708090, 0x000000C0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto bmp = Surface(100, 40, kRow);
        // Tab (10, 4)-(60, 30) painted through the face cache, as the pager does.
        PaintTab(bmp->Canvas(), TabAt({10, 4, 60, 30}, TabColorSet(ta, ta.BackGround(), c.state)));
        EXPECT_EQ(bmp->PixelColor(10, 17), c.border) << "left border";
        EXPECT_EQ(bmp->PixelColor(59, 17), c.border) << "right border";
        EXPECT_EQ(bmp->PixelColor(11, 17), c.highlight) << "left highlight line (L + 1)";
        EXPECT_EQ(bmp->PixelColor(58, 17), c.highlight) << "right highlight line (Rt - 2)";
        EXPECT_EQ(bmp->PixelColor(30, 20), 0x00E0E0E0) << "selected fill";
        // Top highlight: 80% of the fill over the border, per channel.
        const TColor b = c.border;
        const TColor top = RGBColor((224 * 80 + RedOf(b) * 20 + 50) / 100, (224 * 80 + GreenOf(b) * 20 + 50) / 100,
                                    (224 * 80 + BlueOf(b) * 20 + 50) / 100);
        EXPECT_TRUE(Near(bmp->PixelColor(30, 5), top, 1));
        // The corner pixels take the row's colour back.
        EXPECT_EQ(bmp->PixelColor(10, 4), kRow);
        EXPECT_EQ(bmp->PixelColor(59, 4), kRow);
        EXPECT_EQ(bmp->PixelColor(70, 17), kRow) << "nothing right of the tab";
    }
}

TEST(PagerPaint, OnlyCrowdedTabsGetSeparatorsAndNeverTheFirst) {
    TOwnedPtr<TOrvToolBarOfficeStyler> owned(Make<TOrvToolBarOfficeStyler>(nullptr));
    TOrvToolBarOfficeStyler& styler = *owned;
    TTabAppearance& ta = styler.TabAppearance();
    ta.BackGround().SetColor(kRow);
    ta.BackGround().SetColorTo(clNone);
    ta.SetBorderColorSelected(0x000000FF);
    ta.SetShadowColor(clNone);
    for (int spacing : {3, 4}) {
        SCOPED_TRACE(spacing);
        TPagerPaintState s;
        s.Client = {0, 0, 300, 80};
        s.Styler = &styler;
        s.CaptionVisible = false;
        s.TabRowRect = {0, 0, 300, 26};
        s.TabArea = {0, 4, 300, 30};
        s.Spacing = spacing;
        for (int i = 0; i < 3; ++i) {
            TPagerTab t;
            t.Rect = {20 + i * 60, 4, 20 + i * 60 + 50, 30};
            s.Tabs.push_back(t);
        }
        auto bmp = Surface(300, 80);
        PaintPager(bmp->Canvas(), s);
        // Separators at L - 2 from T + 1 down: 60% row white over red at the top.
        for (int x : {78, 138}) {
            if (spacing == 3) {
                EXPECT_TRUE(Near(bmp->PixelColor(x, 5), 0x009999FF, 1)) << "top of the separator at " << x;
                EXPECT_TRUE(Near(bmp->PixelColor(x, 29), 0x000000FF, 8)) << "bottom of the separator at " << x;
            } else {
                EXPECT_EQ(bmp->PixelColor(x, 20), kRow) << "no separator at " << x;
            }
        }
        EXPECT_EQ(bmp->PixelColor(18, 20), kRow) << "the first tab has none";
    }
}

TEST(PagerPaint, TabGroupRectanglesFollowTheirVisibleTabsAndKeepClearOfCaptionButtons) {
    TGroupGeometry g;
    g.PageCount = 4;
    g.Tabs = {{60, 31, 100, 57}, {104, 31, 150, 57}, {}, {200, 31, 240, 57}};
    g.CaptionRect = {0, 0, 681, 28};
    g.TabBottom = 57;
    g.TabIndexStart = 1;
    g.TabIndexEnd = 3;
    TGroupRect r = TabGroupRect(g);
    EXPECT_EQ((TRect{102, 0, 242, 57}), r.Rect) << "widened by spacing div 2; the hidden tab is skipped";
    EXPECT_TRUE(r.RightEdge);

    g.TabIndexEnd = 10;
    EXPECT_EQ((TRect{102, 0, 242, 57}), TabGroupRect(g).Rect) << "the range is clamped to the pages";
    g.TabIndexStart = 3;
    g.TabIndexEnd = 2;
    EXPECT_FALSE(TabGroupRect(g).Valid()) << "reversed";
    g.TabIndexStart = 0;
    g.TabIndexEnd = 1;
    g.QuickAccessVisible = true;
    EXPECT_FALSE(TabGroupRect(g).Valid()) << "starts at tab 0 beside a quick access toolbar";

    g.QuickAccessVisible = false;
    g.TabIndexStart = 3;
    g.TabIndexEnd = 3;
    g.CaptionButtonLeft = 230;
    r = TabGroupRect(g);
    EXPECT_EQ(229, r.Rect.Right) << "ends a pixel left of the caption buttons";
    EXPECT_FALSE(r.RightEdge);
    g.CaptionButtonLeft = 190;
    EXPECT_FALSE(TabGroupRect(g).Valid()) << "wholly right of the caption buttons";
}

TEST(PagerPaint, WhileTheScrollerIsActiveAGroupKeepsOnlyItsSideLines) {
    TGroupAppearance a;
    a.SetColor(0x0000FF00);
    a.SetColorTo(0x0000FF00);
    a.SetColorMirror(0x0000FF00);
    a.SetColorMirrorTo(0x0000FF00);
    a.SetBorderColor(0x000000FF);
    TGroupPaint g;
    g.Group.Rect = {20, 0, 120, 60};
    g.Group.RightEdge = true;
    g.Appearance = &a;
    g.TabRowTop = 30;
    g.TabBottom = 60;
    g.RowColor = kRow;
    g.PagerCaptionColor = kRow;
    g.Caption = L"Group";
    for (bool scrolling : {false, true}) {
        SCOPED_TRACE(scrolling);
        g.ScrollerActive = scrolling;
        auto bmp = Surface(140, 70, kRow);
        DrawTabGroup(bmp->Canvas(), g);
        if (scrolling)
            EXPECT_EQ(bmp->PixelColor(100, 20), kRow) << "no fill above the tab row";
        else
            EXPECT_EQ(bmp->PixelColor(100, 20), 0x0000FF00) << "fill from top + 8 to the tab row";
        EXPECT_EQ(bmp->PixelColor(20, 30), 0x000000FF) << "left side line starts in the border colour";
        EXPECT_EQ(bmp->PixelColor(119, 30), 0x000000FF) << "right side line";
        EXPECT_EQ(bmp->PixelColor(60, 45), kRow) << "nothing between the side lines below the row top";
    }
}

TEST(PagerPaint, ACaptionWithBlankHyphenBlankIsDrawnInBothColours) {
    TVistaTextBackground a;
    for (auto set : {&TVistaBackground::SetColor, &TVistaBackground::SetColorTo, &TVistaBackground::SetColorMirror,
                     &TVistaBackground::SetColorMirrorTo, &TVistaBackground::SetBorderColor})
        (a.*set)(kRow);
    a.SetTextColor(0x000000E0);          // red
    a.SetTextColorExtended(0x00E00000);  // blue
    a.Font().SetSize(16);
    a.Font().SetStyle(fsBold);
    EXPECT_EQ(L"Quillan -", SplitCaption(L"Quillan - Draft").first);
    EXPECT_EQ(L" Draft", SplitCaption(L"Quillan - Draft").second);

    TCaptionPaint c;
    c.Rect = {0, 0, 400, 28};
    c.Appearance = &a;
    c.TextLeft = 0;
    c.TextRight = 400;
    c.Text = L"Quillan - Draft";
    auto two = Surface(400, 28);
    DrawPagerCaption(two->Canvas(), c);
    TRect blue = PixelBox(*two, Bluish), red = PixelBox(*two, Reddish);
    ASSERT_FALSE(blue.IsEmpty()) << "the first run in the extended colour";
    ASSERT_FALSE(red.IsEmpty()) << "the rest in the text colour";
    EXPECT_LT(blue.Right, red.Left + 2) << "the extended run comes first";
    EXPECT_LT(blue.Left, 200) << "the two runs are centred together";
    EXPECT_GT(red.Right, 200);

    c.Text = L"Quillan-Draft";
    auto one = Surface(400, 28);
    DrawPagerCaption(one->Canvas(), c);
    EXPECT_TRUE(PixelBox(*one, Bluish).IsEmpty()) << "no blanks around the hyphen: one run";
    EXPECT_FALSE(PixelBox(*one, Reddish).IsEmpty());
}

TEST(PagerPaint, PagesSplitTheirBackgroundAt22UnlessTheyShowTheGroupLook) {
    TVistaPageBackground page;
    page.SetColor(0x00D0D0D0);
    page.SetColorTo(0x00D0D0D0);
    page.SetColorMirror(0x00808080);
    page.SetColorMirrorTo(0x00808080);
    page.SetBorderColor(clNone);
    page.SetShadowColor(clNone);
    page.SetHighLightColor(clNone);
    TPageBackgroundPaint p;
    p.Width = 200;
    p.Height = 95;
    p.PageAppearance = &page;
    auto plain = Surface(200, 95);
    DrawPageBackground(plain->Canvas(), p);
    EXPECT_EQ(plain->PixelColor(100, 21), 0x00D0D0D0) << "upper part to 22";
    EXPECT_EQ(plain->PixelColor(100, 22), 0x00808080) << "lower part from 22";
    EXPECT_EQ(plain->PixelColor(100, 60), 0x00808080);

    TGroupAppearance group;
    TVistaPageBackground& gp = group.PageAppearance();
    gp.SetColor(0x0000C000);
    gp.SetColorTo(0x0000C000);
    gp.SetColorMirror(0x00C00000);
    gp.SetColorMirrorTo(0x00C00000);
    gp.SetBorderColor(clNone);
    p.Group = &group;
    auto grouped = Surface(200, 95);
    DrawPageBackground(grouped->Canvas(), p);
    EXPECT_EQ(grouped->PixelColor(100, 22), 0x0000C000) << "the group look has its seam at half height";
    EXPECT_EQ(grouped->PixelColor(100, 45), 0x0000C000);
    EXPECT_EQ(grouped->PixelColor(100, 60), 0x00C00000);
}

TEST(PagerPaint, TheOffice2010BluePageShadowBrightensItsColourAndSaturates) {
    TOwnedPtr<TOrvToolBarOfficeStyler> owned(Make<TOrvToolBarOfficeStyler>(nullptr));
    TOrvToolBarOfficeStyler& styler = *owned;
    styler.SetStyle(bsOffice2010Blue);
    ASSERT_EQ(styler.PageAppearance().GetShadowColor(), 0x00E6D1BFu);
    auto bmp = Surface(200, 100, 0x00404040);
    DrawPageShadow(bmp->Canvas(), {10, 10, 150, 80}, styler.PageAppearance().GetShadowColor());
    // 115% and 120% of (191, 209, 230); blue saturates at 255.
    const TColor inner = RGBColor(220, 240, 255), outer = RGBColor(229, 251, 255);
    EXPECT_TRUE(Near(bmp->PixelColor(80, 80), inner, 1)) << "bottom, next to the page";
    EXPECT_TRUE(Near(bmp->PixelColor(80, 81), outer, 1)) << "bottom, outer";
    EXPECT_TRUE(Near(bmp->PixelColor(150, 40), inner, 1)) << "right, next to the page";
    EXPECT_TRUE(Near(bmp->PixelColor(151, 40), outer, 1)) << "right, outer";
    EXPECT_EQ(bmp->PixelColor(80, 82), 0x00404040u) << "two lines only";
    EXPECT_TRUE(Near(bmp->PixelColor(150, 80), RGBColor(70, 70, 70), 1)) << "the corner: background at 110%";
}

TEST(PagerPaint, CaptionButtonGlyphs) {
    const TColor ink = 0x00203040;
    auto glyph = [ink](TCaptionGlyph g) {
        auto bmp = Surface(kCaptionGlyphSize, kCaptionGlyphSize);
        DrawCaptionGlyph(bmp->Canvas(), g, ink);
        return bmp;
    };
    auto close = glyph(cgClose);
    for (auto [x, y] : {std::pair{3, 3}, {4, 3}, {6, 6}, {10, 10}, {10, 3}, {3, 10}, {7, 6}})
        EXPECT_EQ(close->PixelColor(x, y), ink) << "cross at " << x << "," << y;
    for (auto [x, y] : {std::pair{6, 3}, {3, 6}, {0, 0}, {12, 12}})
        EXPECT_EQ(close->PixelColor(x, y), clFuchsia) << "cross clear at " << x << "," << y;

    auto max = glyph(cgMaximize);
    for (auto [x, y] : {std::pair{2, 2}, {11, 3}, {2, 11}, {11, 11}}) EXPECT_EQ(max->PixelColor(x, y), ink);
    EXPECT_EQ(max->PixelColor(6, 4), clFuchsia) << "the box is open inside below its two-pixel top";

    auto restore = glyph(cgRestore);
    for (auto [x, y] : {std::pair{5, 2}, {11, 8}, {2, 5}, {8, 11}, {6, 6}}) EXPECT_EQ(restore->PixelColor(x, y), ink);
    for (auto [x, y] : {std::pair{5, 9}, {10, 5}, {2, 2}}) EXPECT_EQ(restore->PixelColor(x, y), clFuchsia);

    auto min = glyph(cgMinimize);
    TRect bar = PixelBox(*min, [ink](TColor c) { return c == ink; });
    EXPECT_EQ((TRect{3, 9, 11, 11}), bar);
}
