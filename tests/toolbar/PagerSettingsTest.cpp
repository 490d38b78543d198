// The pager's tab settings, caption bar and tab groups: initial values, what Assign
// copies, which changes are announced, and the groups' clamped page ranges.
#include <gtest/gtest.h>

#include "toolbar/OrvStyleIF.h"
#include "toolbar/PagerSettings.h"

using namespace orv;

TEST(PagerTabSettings, InitialValuesAssignLeavesSpacingAndLookChangeRaisesGlassEvent) {
    TOTBTabSettings a;
    TTabSettingsValues v = a.Values();
    EXPECT_EQ(4, v.Spacing);
    EXPECT_EQ(4, v.LeftMargin);
    EXPECT_EQ(4, v.RightMargin);
    EXPECT_EQ(3, v.MinSpacing);
    EXPECT_EQ(3, v.MinMargin);
    EXPECT_EQ(60, a.GetStartMargin());
    EXPECT_EQ(0, a.GetEndMargin());
    EXPECT_EQ(26, a.GetHeight());

    int changes = 0;
    a.OnChange = [&](TObject*) { ++changes; };
    a.SetHeight(26);
    EXPECT_EQ(0, changes);
    TOTBTabSettings b;
    b.SetLeftMargin(6);
    b.SetRightMargin(7);
    b.SetHeight(30);
    b.SetStartMargin(10);
    b.SetEndMargin(2);
    b.SetSpacing(9);
    a.Assign(&b);
    EXPECT_EQ(5, changes);
    EXPECT_EQ(6, a.GetLeftMargin());
    EXPECT_EQ(7, a.GetRightMargin());
    EXPECT_EQ(30, a.GetHeight());
    EXPECT_EQ(10, a.GetStartMargin());
    EXPECT_EQ(2, a.GetEndMargin());
    EXPECT_EQ(4, a.GetSpacing());

    const bool saved = Office2010Look;
    Office2010Look = false;
    int glass = 0;
    a.OnGlassChange = [&](TObject*) { ++glass; };
    a.SetOffice2010Look(false);
    EXPECT_EQ(0, glass);
    a.SetOffice2010Look(true);
    EXPECT_EQ(1, glass);
    EXPECT_TRUE(Office2010Look);
    EXPECT_TRUE(b.GetOffice2010Look());  // one flag for the process
    Office2010Look = saved;
}

TEST(PagerCaption, InitialValuesAndChangeEvents) {
    TOrvPageCaption c;
    EXPECT_TRUE(c.GetVisible());
    EXPECT_EQ(27, c.GetHeight());
    EXPECT_EQ(100, c.GetIndent());
    EXPECT_EQ(100, c.GetMinWidth());
    EXPECT_EQ(0, c.RightIndent);
    int changes = 0;
    c.OnChange = [&](TObject*) { ++changes; };
    c.SetCaption(L"Quillan");
    c.SetCaption(L"Quillan");
    c.SetHeight(30);
    c.SetVisible(false);
    EXPECT_EQ(3, changes);
}

TEST(PagerTabGroups, FirstGroupHoldingAPageAndRangesClampedToThePages) {
    TTabGroups groups(nullptr);
    int changes = 0;
    groups.OnChange = [&](TObject*) { ++changes; };
    TTabGroupItem* g0 = groups.Add();
    EXPECT_TRUE(g0->GetDefaultAppearance());
    EXPECT_EQ(-1, g0->GetImageIndex());
    g0->SetTabIndexStart(1);
    g0->SetTabIndexEnd(2);
    TTabGroupItem* g1 = groups.Add();
    g1->SetTabIndexStart(2);
    g1->SetTabIndexEnd(4);
    EXPECT_GE(changes, 4);
    EXPECT_EQ(-1, groups.GroupOfPage(0));
    EXPECT_EQ(0, groups.GroupOfPage(2));
    EXPECT_EQ(1, groups.GroupOfPage(3));
    EXPECT_EQ(-1, groups.GroupOfPage(5));

    int before = changes;
    g1->GroupAppearance().SetColor(0x123456);
    EXPECT_EQ(before + 1, changes);

    int first = -9, last = -9;
    // A group 0 to 10 on three pages walks pages 0 to 2.
    g1->SetTabIndexStart(0);
    g1->SetTabIndexEnd(10);
    ASSERT_TRUE(g1->PageRange(3, first, last));
    EXPECT_EQ(0, first);
    EXPECT_EQ(2, last);
    g1->SetTabIndexStart(-2);
    g1->SetTabIndexEnd(1);
    ASSERT_TRUE(g1->PageRange(3, first, last));
    EXPECT_EQ(0, first);
    EXPECT_EQ(1, last);
    g1->SetTabIndexStart(2);
    g1->SetTabIndexEnd(1);
    EXPECT_FALSE(g1->PageRange(3, first, last));
    g1->SetTabIndexStart(-3);
    g1->SetTabIndexEnd(-1);
    EXPECT_FALSE(g1->PageRange(3, first, last));
    g1->SetTabIndexStart(5);
    g1->SetTabIndexEnd(8);
    EXPECT_FALSE(g1->PageRange(3, first, last));
    EXPECT_FALSE(g1->PageRange(0, first, last));
}
