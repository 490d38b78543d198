// The pager's rectangles, tab content widths and the tab fitting: shrinking spacing,
// margins, group margins and tabs in that order, giving back in the algorithm's order,
// and the scroller.
#include <gtest/gtest.h>

#include "toolbar/PagerLayout.h"

using namespace orv;

namespace {

TPagerGeometry Pager681() {
    TPagerGeometry g;
    g.Client = {0, 0, 681, 149};
    return g;
}

TTabLayout Tabs(std::initializer_list<int> widths, std::initializer_list<int> grouped = {}) {
    TTabLayout layout;
    for (int w : widths) layout.Tabs.push_back({true, false, w, w, 0});
    for (int g : grouped) layout.Tabs[g].Grouped = true;
    return layout;
}

std::vector<int> ClientWidths(const TTabLayout& layout) {
    std::vector<int> w;
    for (const auto& t : layout.Tabs) w.push_back(t.ClientWidth);
    return w;
}

}  // namespace

TEST(PagerGeometry, CaptionTabRowAreaAndPageRectangles) {
    TPagerGeometry g = Pager681();
    EXPECT_EQ((TRect{0, 0, 681, 28}), PagerCaptionRect(g));
    EXPECT_EQ((TRect{0, 27, 681, 53}), PagerTabRowRect(g));
    EXPECT_EQ((TRect{64, 31, 677, 57}), PagerTabAreaRect(g));
    // Inset 4 left, right and bottom without the scenic flag.
    EXPECT_EQ((TRect{4, 53, 677, 144}), PagerPageRect(g));
    g.Scenic = true;
    TRect page = PagerPageRect(g);
    EXPECT_EQ(53, page.Top);
    EXPECT_EQ(95, page.Height());
    EXPECT_EQ(681, page.Width());
    EXPECT_EQ((TRect{60, 31, 681, 57}), PagerTabAreaRect(g));
    g.GlassScenicDrawing = true;
    EXPECT_EQ(149, PagerPageRect(g).Bottom);

    g = Pager681();
    g.AutoMDIButtons = true;
    EXPECT_EQ(677 - 59, PagerTabAreaRect(g).Right);
    g.ScrollerVisible = true;
    EXPECT_EQ(677 - 59 - 32, PagerTabAreaRect(g).Right);
    EXPECT_EQ((TRect{64, 31, 76, 52}), PagerLeftScrollButtonRect(g));
    EXPECT_EQ((TRect{586, 31, 598, 52}), PagerRightScrollButtonRect(g));

    g = Pager681();
    g.PageLeftMargin = 10;
    g.PageRightMargin = 6;
    g.QuickAccessBelowHeight = 25;
    EXPECT_EQ((TRect{14, 53, 671, 119}), PagerPageRect(g));
    EXPECT_EQ((TRect{74, 31, 671, 57}), PagerTabAreaRect(g));
    g.CaptionVisible = false;
    EXPECT_EQ((TRect{-1, -1, -1, -1}), PagerCaptionRect(g));
    EXPECT_EQ((TRect{0, 0, 681, 26}), PagerTabRowRect(g));
    EXPECT_EQ(26, PagerPageRect(g).Top);
}

TEST(PagerGeometry, TheTabAndMDIAreasEndBeforeTheHelpAndExpandButtons) {
    // Row 27 to 53: 16-pixel buttons centred on it and lowered by 2, from 681 - 4 - 2 leftwards.
    TPagerGeometry g = Pager681();
    g.RowButtons = 2;
    EXPECT_EQ((TRect{659, 34, 675, 50}), PagerRowButtonRect(g, 0)) << "help";
    EXPECT_EQ((TRect{641, 34, 657, 50}), PagerRowButtonRect(g, 1)) << "expand/collapse";
    EXPECT_EQ(641 - 4, PagerTabAreaRect(g).Right);
    g.RowButtons = 1;
    EXPECT_EQ(659 - 4, PagerTabAreaRect(g).Right);

    // The MDI area follows the tab area: its last button still ends left of the row buttons.
    g.RowButtons = 2;
    g.AutoMDIButtons = true;
    EXPECT_EQ(637 - 59, PagerTabAreaRect(g).Right);
    EXPECT_EQ((TRect{580, 32, 596, 48}), PagerMDIButtonRect(g, 0));
    EXPECT_EQ((TRect{616, 32, 632, 48}), PagerMDIButtonRect(g, 2));
    g.ScrollerVisible = true;
    EXPECT_EQ(637 - 59 - 32, PagerTabAreaRect(g).Right);
    EXPECT_EQ((TRect{546, 31, 558, 52}), PagerRightScrollButtonRect(g));
    EXPECT_EQ((TRect{580, 32, 596, 48}), PagerMDIButtonRect(g, 0)) << "the scroller's room is the tab area's";

    // An end margin that already clears the buttons stands; the scenic flag moves them out.
    g = Pager681();
    g.RowButtons = 2;
    g.EndMargin = 50;
    EXPECT_EQ(681 - 50 - 4, PagerTabAreaRect(g).Right);
    g.EndMargin = 0;
    g.Scenic = true;
    EXPECT_EQ((TRect{663, 34, 679, 50}), PagerRowButtonRect(g, 0));
    EXPECT_EQ(645 - 4, PagerTabAreaRect(g).Right);
}

TEST(PagerTabMeasure, FiveCharacterAllowanceFontSizeAndImage) {
    // A two-character caption still gets five characters.
    EXPECT_EQ(12 + 5, TabContentWidth({12, 2, true, false, 8, 0}));
    EXPECT_EQ(0 + 5, TabContentWidth({0, 0, true, false, 8, 0}));
    EXPECT_EQ(40 + 7 + 2, TabContentWidth({40, 7, true, false, 10, 0}));
    EXPECT_EQ(40 + 7, TabContentWidth({40, 7, true, false, 7, 0}));
    // Without anti-aliasing, or drawing on glass: 2.
    EXPECT_EQ(40 + 2, TabContentWidth({40, 7, false, false, 10, 0}));
    EXPECT_EQ(40 + 2, TabContentWidth({40, 7, true, true, 10, 0}));
    EXPECT_EQ(40 + 7 + 16 + 2, TabContentWidth({40, 7, true, false, 8, 16}));
}

TEST(PagerTabLayout, ShrinksSpacingThenMarginsThenTabsInFivePixelStepsNeverBelow24) {
    const TTabSettingsValues s;
    TTabLayout layout = Tabs({60, 60, 60, 60, 60});
    ResetTabLayout(layout, s);
    EXPECT_EQ(356, layout.Total());  // 5 x 68 + 4 x 4

    FitTabs(layout, s, 352);
    EXPECT_EQ(3, layout.Spacing);
    EXPECT_EQ(4, layout.LeftMargin);
    EXPECT_EQ(352, layout.Total());

    ResetTabLayout(layout, s);
    FitTabs(layout, s, 340);
    EXPECT_EQ(3, layout.Spacing);
    EXPECT_EQ(3, layout.LeftMargin);
    EXPECT_EQ(3, layout.RightMargin);
    EXPECT_EQ((std::vector<int>{58, 60, 60, 60, 60}), ClientWidths(layout));

    ResetTabLayout(layout, s);
    FitTabs(layout, s, 200);
    EXPECT_EQ((std::vector<int>{30, 30, 30, 33, 35}), ClientWidths(layout));
    EXPECT_EQ(200, layout.Total());

    ResetTabLayout(layout, s);
    FitTabs(layout, s, 100);
    EXPECT_EQ((std::vector<int>{24, 24, 24, 24, 24}), ClientWidths(layout));

    PlaceTabs(layout, 64);
    EXPECT_EQ(64, layout.Tabs[0].Left);
    EXPECT_EQ(64 + 30 + 3, layout.Tabs[1].Left);
}

TEST(PagerTabLayout, GroupMarginsAfterTabMarginsAndGroupedTabsOnlyAfterUngroupedReach24) {
    const TTabSettingsValues s;
    TTabLayout layout = Tabs({60, 60, 60, 60, 60}, {3, 4});
    ResetTabLayout(layout, s);
    FitTabs(layout, s, 345);
    EXPECT_EQ(3, layout.LeftMargin);
    EXPECT_EQ(3, layout.RightMargin);
    EXPECT_EQ(3, layout.GroupLeftMargin);
    EXPECT_EQ(4, layout.GroupRightMargin);
    EXPECT_EQ(344, layout.Total());

    TTabLayout mixed = Tabs({30, 100}, {1});
    ResetTabLayout(mixed, s);
    EXPECT_EQ(150, mixed.Total());
    FitTabs(mixed, s, 120);
    // Ungrouped to 24 first, then the excess less 5 comes off the grouped tab.
    EXPECT_EQ((std::vector<int>{24, 86}), ClientWidths(mixed));
}

TEST(PagerTabLayout, GivesBackTabsFirstThenSpacingThenMargins) {
    const TTabSettingsValues s;
    TTabLayout layout = Tabs({60, 60, 60, 60, 60});
    ResetTabLayout(layout, s);
    FitTabs(layout, s, 200);

    // Not enough room for every tab: the tabs grow, spacing and margins stay.
    TTabLayout partial = layout;
    FitTabs(partial, s, 250);
    EXPECT_EQ(250, partial.Total());
    EXPECT_EQ(3, partial.Spacing);
    EXPECT_EQ(3, partial.LeftMargin);

    // Room for the tabs and 8 pixels: spacing back to 4, the left margin step overshoots.
    TTabLayout some = layout;
    FitTabs(some, s, 350);
    EXPECT_EQ((std::vector<int>{60, 60, 60, 60, 60}), ClientWidths(some));
    EXPECT_EQ(4, some.Spacing);
    EXPECT_EQ(3, some.LeftMargin);
    EXPECT_EQ(3, some.RightMargin);

    FitTabs(layout, s, 356);
    EXPECT_EQ(4, layout.Spacing);
    EXPECT_EQ(4, layout.LeftMargin);
    EXPECT_EQ(4, layout.RightMargin);
    EXPECT_EQ(356, layout.Total());
}

TEST(PagerTabLayout, ScrollerCountsLeadingTabsToScrollAwayAndClampsPosition) {
    TTabLayout layout = Tabs({24, 24, 24, 24});
    layout.Spacing = layout.LeftMargin = layout.RightMargin = 3;
    EXPECT_EQ(129, layout.Total());
    TTabScroller scroller;
    scroller.Position = 5;
    UpdateTabScroller(scroller, layout, 100);
    EXPECT_TRUE(scroller.Visible);
    EXPECT_EQ(2, scroller.Max);
    EXPECT_EQ(2, scroller.Position);
    PlaceTabs(layout, 100, scroller.Position);
    EXPECT_EQ((std::vector<int>{34, 67, 100, 133}),
              (std::vector<int>{layout.Tabs[0].Left, layout.Tabs[1].Left, layout.Tabs[2].Left, layout.Tabs[3].Left}));

    UpdateTabScroller(scroller, layout, 129);
    EXPECT_FALSE(scroller.Visible);
    EXPECT_EQ(0, scroller.Position);
}

TEST(PagerKeyTips, TabKeyTipCentredOnTheChosenEdge) {
    // A 50 x 26 tab whose corner is at (300, 200) on the screen; a 17 x 15 tip.
    const TRect tab{70, 31, 120, 57};
    const TPoint corner{300, 200};
    const TSize tip{17, 15};
    TPoint p;
    ASSERT_TRUE(TabKeyTipPosition(shpBottom, tab, corner, tip, p));
    EXPECT_EQ((TPoint{316, 219}), p);
    ASSERT_TRUE(TabKeyTipPosition(shpTop, tab, corner, tip, p));
    EXPECT_EQ((TPoint{316, 193}), p);
    ASSERT_TRUE(TabKeyTipPosition(shpLeft, tab, corner, tip, p));
    EXPECT_EQ((TPoint{292, 205}), p);
    ASSERT_TRUE(TabKeyTipPosition(shpRight, tab, corner, tip, p));
    EXPECT_EQ((TPoint{342, 205}), p);
    p = {1, 1};
    EXPECT_FALSE(TabKeyTipPosition(shpCenter, tab, corner, tip, p));
    EXPECT_EQ((TPoint{1, 1}), p);
}

TEST(PagerGeometry, QuickAccessPlaceInTheCaptionOrBelowAndTheGlassClip) {
    TPagerGeometry g = Pager681();
    TQuickAccessInput q;
    EXPECT_EQ((TRect{-1, -1, -1, -1}), PagerQuickAccessRect(g, q));
    q.Present = true;
    // Caption buttons from 623 (close at 681 - 4 - 16 - 2, two more 18 to the left):
    // room 100 + 681 - 623 + 2 = 160.
    q.CaptionButtonLeft = 623;
    EXPECT_EQ((TRect{54, 2, 521, 27}), PagerQuickAccessRect(g, q));
    q.CaptionButtonLeft = -1;
    EXPECT_EQ((TRect{54, 2, 581, 27}), PagerQuickAccessRect(g, q));
    q.CaptionButtonLeft = 623;
    q.GroupCaptionLeft = 300;
    EXPECT_EQ(300, PagerQuickAccessRect(g, q).Right);
    q.GroupCaptionLeft = 80;  // kept 60 wide
    EXPECT_EQ(114, PagerQuickAccessRect(g, q).Right);
    q.GroupCaptionLeft = -1;
    g.Scenic = true;
    EXPECT_EQ((TRect{5, 2, 521, 27}), PagerQuickAccessRect(g, q));
    q.MaximizedShadedGlass = true;
    EXPECT_EQ((TRect{7, 7, 521, 27}), PagerQuickAccessRect(g, q));
    q.Below = true;
    EXPECT_EQ((TRect{2, 124, 679, 149}), PagerQuickAccessRect(g, q));
    q.Below = false;
    g.CaptionVisible = false;
    EXPECT_EQ((TRect{-1, -1, -1, -1}), PagerQuickAccessRect(g, q));

    EXPECT_EQ((std::vector<TPoint>{{0, 0}, {581, 0}, {581, 18}, {681, 18}, {681, 149}, {0, 149}}),
              PagerGlassClipPolygon(681, 149, false));
    EXPECT_EQ(25, PagerGlassClipPolygon(681, 149, true)[2].Y);
}

TEST(PagerTabLayout, APassOverTwentyTabsShrinksToTheFloorThenScrolls) {
    const TTabSettingsValues s;
    TTabLayout layout;
    for (int i = 0; i < 20; ++i) layout.Tabs.push_back({true, false, 50, 50, 0});
    TTabScroller scroller;
    scroller.Position = 3;
    // 20 tabs at the floor: 20 x 30 + 19 x 3 = 657 against 400 pixels.
    LayoutTabs(layout, s, 64, 400, scroller, true);
    EXPECT_EQ(657, layout.Total());
    EXPECT_TRUE(scroller.Visible);
    // 368 pixels hold 11 tabs (11 x 33 - 3 = 360): nine are scrolled away at most.
    EXPECT_EQ(9, scroller.Max);
    EXPECT_EQ(3, scroller.Position);
    EXPECT_EQ(64, layout.Tabs[3].Left);
    EXPECT_EQ(64 - 3 * 33, layout.Tabs[0].Left);

    // While loading nothing scrolls; a wide area restores every tab and the settings.
    LayoutTabs(layout, s, 64, 400, scroller, false);
    EXPECT_FALSE(scroller.Visible);
    EXPECT_EQ(64, layout.Tabs[0].Left);
    LayoutTabs(layout, s, 64, 2000, scroller, true);
    EXPECT_FALSE(scroller.Visible);
    EXPECT_EQ(0, scroller.Position);
    EXPECT_EQ(50, layout.Tabs[19].ClientWidth);
    EXPECT_EQ(64 + 19 * 62, layout.Tabs[19].Left);
}
