// Layout, paging, hit testing and key-tip places as values.
#include "AppMenuTestSupport.h"
#include "appmenu/PreviewMenuLayout.h"
#include "framework/ImageList.h"

using namespace appmenutest;

TEST(PreviewMenuLayout, EmptyMenuHasItsMinimumSizes) {
    TScenicGuard classic(false);
    TMenuFixture f;
    TOrvPreviewMenuPanel* panel = f.Panel();
    ASSERT_NE(panel, nullptr);
    // Item height is the spacing alone (8): three rows + 2.
    EXPECT_EQ(panel->LeftFrameRect(), (TRect{10, 16, 110, 16 + 26}));
    EXPECT_EQ(panel->RightFrameRect(), (TRect{110, 16, 220, 16 + 26}));
    TSize size = f.Menu->MenuSize();
    EXPECT_EQ(size.cx, 10 + 100 + 110 + 10);
    EXPECT_EQ(size.cy, 16 + 26 + 25 + 8);

    TScenicGuard scenic(true);
    f.Panel();
    EXPECT_EQ(panel->LeftFrameRect(), (TRect{1, 26, 101, 26 + 26})) << "scenic margins are 1, the top frame 26";
}

TEST(PreviewMenuLayout, WidthsFollowCaptionsSubItemsAndButtons) {
    TScenicGuard classic(false);
    TMenuFixture f;
    auto* item = f.AddItem(L"A caption that is clearly wider than one hundred pixels");
    TOrvPreviewMenuPanel* panel = f.Panel();
    int left = panel->LeftFrameRect().Width();
    EXPECT_GT(left, 100);
    item->SubItems().Add()->SetTitle(L"x");
    f.Panel();
    EXPECT_EQ(panel->LeftFrameRect().Width(), left + 24) << "an item with sub-items gets room for its triangle";
    EXPECT_GT(panel->ItemHeight(), 8);

    auto* sub = f.Menu->SubMenuItems().Add();
    sub->SetTitle(L"A long sub-item title that is much wider than the default right column");
    f.Panel();
    int right = panel->RightFrameRect().Width();
    EXPECT_GT(right, 110);
    f.Menu->SetSubMenuWidth(150);
    f.Menu->SetMenuWidth(120);
    f.Panel();
    EXPECT_EQ(panel->RightFrameRect().Width(), 150);
    EXPECT_EQ(panel->LeftFrameRect().Width(), 120);

    // Three buttons of 200 against 2 x 10 + 120 + 150: the right area takes the difference
    // (each button also 5 in from the one before it).
    for (int i = 0; i < 3; ++i) f.Menu->Buttons().Add()->SetWidth(200);
    f.Panel();
    int buttons = 2 * 10 + 600 + 2 * 4 + 3 * 5;
    EXPECT_EQ(panel->Width(), buttons);
    EXPECT_EQ(panel->RightFrameRect().Width(), 150 + buttons - (20 + 270));
    // Placed right to left from the first; the leftmost is the last of the collection.
    ASSERT_EQ(panel->ButtonList().size(), 3u);
    EXPECT_EQ(panel->ButtonList()[0]->Left(), buttons - 10 - 200 - 5);
    EXPECT_EQ(panel->ButtonList()[1]->Left(), buttons - 10 - 200 - 5 - 4 - 200 - 5);
    EXPECT_EQ(panel->ButtonList()[0]->Top(), panel->RightFrameRect().Bottom + 4);
    EXPECT_EQ(panel->ButtonList()[2]->GetTabOrder(), 0);
}

TEST(PreviewMenuLayout, ButtonsWiderThanBothColumnsLieInsideThePanel) {
    for (bool scenic : {false, true}) {
        TScenicGuard look(scenic);
        TMenuFixture f;
        for (int i = 0; i < 3; ++i) f.Menu->Buttons().Add()->SetWidth(200);
        TOrvPreviewMenuPanel* panel = f.Panel();
        const int m = scenic ? 1 : 10;
        SCOPED_TRACE(scenic ? "scenic" : "classic");
        // Each button stands 5 further left than the one before it ends: the panel
        // counts those 5 pixels too.
        EXPECT_EQ(panel->Width(), 2 * m + 600 + 2 * 4 + 3 * 5);
        ASSERT_EQ(panel->ButtonList().size(), 3u);
        for (TOrvGlowButton* b : panel->ButtonList()) {
            EXPECT_GE(b->Left(), 0);
            EXPECT_LE(b->Left() + b->Width(), panel->Width());
        }
        EXPECT_EQ(panel->ButtonList()[2]->Left(), m) << "the leftmost starts at the margin";
        EXPECT_EQ(panel->ButtonList()[0]->Left() + 200, panel->Width() - m - 5);
    }
}

TEST(PreviewMenuLayout, APagedListKeepsEveryEntryClearOfBothArrows) {
    TScenicGuard classic(false);
    for (bool caption : {false, true})
        for (int height = 12; height <= 40; ++height) {
            TMenuFixture f;
            for (int i = 0; i < 6; ++i) f.AddItem(L"Item");
            auto* folder = f.AddItem(L"Folder");
            folder->SetSubMenuItemHeight(height);
            f.Menu->SetSubMenuItemHeight(height);
            for (int i = 0; i < 30; ++i) {
                folder->SubItems().Add()->SetTitle(L"S");
                f.Menu->SubMenuItems().Add()->SetTitle(L"S");
            }
            if (caption) {
                folder->SetSubMenuCaption(L"Recent");
                f.Menu->SetSubMenuCaption(L"Recent");
            }
            TOrvPreviewMenuPanel* panel = f.Panel();
            for (int shown : {-1, 6}) {
                if (shown >= 0) panel->SetItemHot(shown, true);
                ASSERT_EQ(panel->SubMenuItem(), shown);
                TPreviewPaging paging = panel->Paging();
                ASSERT_TRUE(paging.Active);
                ASSERT_GT(paging.PageSize, 0);
                TRect up = panel->ScrollUpRect(), down = panel->ScrollDownRect();
                int entries = 0;
                for (int k = 0; k < 30; ++k) {
                    TRect r = panel->SubItemRect(k);
                    if (r.IsEmpty()) continue;
                    ++entries;
                    EXPECT_GE(r.Top, up.Bottom)
                        << "height " << height << ", caption " << caption << ", list " << shown << ", entry " << k;
                    EXPECT_LE(r.Bottom, down.Top)
                        << "height " << height << ", caption " << caption << ", list " << shown << ", entry " << k;
                }
                EXPECT_EQ(entries, paging.PageSize) << "every entry of the page is shown; height " << height;
            }
        }
}

TEST(PreviewMenuLayout, PagingAndScroller) {
    // 10 entries, 4 to a page: three pages. A page is the room between the arrows: the up
    // arrow ends 11 below the area's top, the down arrow starts 12 above its bottom.
    const TRect area{0, 0, 100, 4 * 20 + 23};
    TPreviewPaging p = PreviewSubItemPaging(area, 0, 20, 10, false);
    EXPECT_TRUE(p.Active);
    EXPECT_EQ(p.PageSize, 4);
    EXPECT_EQ(p.Max, 2);
    EXPECT_EQ(PreviewSubItemPaging(area, 0, 20, 8, false).Max, 1);
    EXPECT_EQ(PreviewSubItemPaging({0, 0, 100, 4 * 20 + 22}, 0, 20, 10, false).PageSize, 3)
        << "one pixel less and the fourth entry would touch the down arrow";
    EXPECT_EQ(PreviewSubItemPaging(area, 0, 20, 10, true).PageSize, 3)
        << "an item's list: its down arrow sits 4 higher";
    EXPECT_FALSE(PreviewSubItemPaging({0, 0, 100, 200}, 0, 20, 5, false).Active);
    EXPECT_EQ(PreviewSubItemPaging({0, 0, 100, 20}, 0, 20, 5, false).Max, 0) << "no whole entry fits";

    TMenuItemScroller s;
    s.SetMax(2);
    s.SetMin(3);
    EXPECT_EQ(s.GetMin(), 0) << "Min above Max is refused";
    s.SetMax(-1);
    EXPECT_EQ(s.GetMax(), 2) << "Max below Min is refused";
    EXPECT_TRUE(s.CanGoForward());
    EXPECT_FALSE(s.CanGoBack());
    s.SetPosition(2);
    EXPECT_FALSE(s.CanGoForward());
    EXPECT_TRUE(s.Visible());

    // A panel with ten sub-items of a fixed height pages them.
    TScenicGuard classic(false);
    TMenuFixture f;
    for (int i = 0; i < 4; ++i) f.AddItem(L"Item");
    f.Menu->SetSubMenuItemHeight(20);
    for (int i = 0; i < 10; ++i) f.Menu->SubMenuItems().Add()->SetTitle(L"S");
    TOrvPreviewMenuPanel* panel = f.Panel();
    TPreviewPaging paging = panel->Paging();
    ASSERT_TRUE(paging.Active);
    EXPECT_EQ(paging.PageSize, (panel->ScrollDownRect().Top - panel->ScrollUpRect().Bottom) / 20);
    EXPECT_FALSE(panel->SubItemRect(0).IsEmpty());
    EXPECT_TRUE(panel->SubItemRect(paging.PageSize).IsEmpty()) << "the next page has no rectangle";
    panel->ScrollSubItems(true);
    EXPECT_EQ(panel->TopSubMenuItem(), paging.PageSize);
    EXPECT_TRUE(panel->SubItemRect(0).IsEmpty());
    EXPECT_EQ(panel->HitTest(Centre(panel->ScrollDownRect())).Kind, phScrollDown);
}

TEST(PreviewMenuLayout, HitTestingSplitPartsAndKeyTipPlaces) {
    TScenicGuard classic(false);
    TMenuFixture f;
    f.AddItem(L"Plain");
    auto* hidden = f.AddItem(L"Hidden");
    hidden->SetVisible(false);
    auto* split = f.AddItem(L"Split", 2);
    split->SetCanSelect(true);
    TOrvPreviewMenuPanel* panel = f.Panel();
    int h = panel->ItemHeight();
    TRect lf = panel->LeftFrameRect();
    EXPECT_TRUE(panel->ItemRect(1).IsEmpty());
    TRect r = panel->ItemRect(2);
    EXPECT_EQ(r, (TRect{lf.Left + 1, lf.Top + 1 + h, lf.Right - 1, lf.Top + 1 + 2 * h})) << "hidden items take no row";
    TPreviewHit hit = panel->HitTest({r.Right - 24, r.Top + 2});
    EXPECT_EQ(hit.Kind, phItem);
    EXPECT_EQ(hit.Index, 2);
    EXPECT_TRUE(hit.DropDown) << "the right 24 pixels are the drop-down part";
    EXPECT_FALSE(panel->HitTest({r.Right - 25, r.Top + 2}).DropDown);
    EXPECT_FALSE(panel->HitTest({panel->ItemRect(0).Right - 3, panel->ItemRect(0).Top + 2}).DropDown);
    EXPECT_EQ(panel->HitTest({10, 10}).Kind, phMenuButton);

    // Key-tip places from the item's rectangle and the menu spacing (8).
    TSize tip{20, 21};
    EXPECT_EQ(PreviewItemTipPos({10, 20, 110, 50}, 8, tip), (TPoint{10 + 16 + 4, 50 - 8 - 21 + 2}));
    EXPECT_EQ(PreviewDropDownTipPos({10, 20, 110, 50}, 8, tip), (TPoint{110 - 20 - 3, 50 - 8 - 21}));
    EXPECT_EQ(PreviewSubItemTipPos({200, 20, 300, 70}, 8, tip), (TPoint{200 + 16, 70 - 8 - 21}));
    EXPECT_EQ(PreviewKeyTipSize({4, 13}, 9), (TSize{15, 21})) << "at least as wide as O + 6";
    EXPECT_EQ(PreviewKeyTipSize({30, 13}, 9), (TSize{36, 21}));

    // A pop-up of width 120 from the corner (700, 300) on a 1024 wide monitor: 700 + 120
    // + 52 stays inside, so it opens at the corner; at 950 it passes and moves to 1024 -
    // 120 - 22, covering 5 entries of 19 + 18 there.
    TPreviewPopupPlace place = PreviewPopupPlace({700, 300}, 120, 19, 5, 1024);
    EXPECT_EQ(place.At, (TPoint{700, 300}));
    EXPECT_TRUE(place.Overlap.IsEmpty());
    EXPECT_EQ(PreviewPopupPlace({852, 300}, 120, 19, 5, 1024).At.X, 852) << "exactly at the edge still fits";
    place = PreviewPopupPlace({950, 300}, 120, 19, 5, 1024);
    EXPECT_EQ(place.At, (TPoint{882, 300}));
    EXPECT_EQ(place.Overlap, (TRect{882, 300, 1002, 300 + 95 + 18}));
}

TEST(PreviewMenuModel, StylerLinksActionsAndTheAccelerator) {
    TMenuFixture f;
    // No styler: the internal one, with its defaults.
    EXPECT_EQ(&f.Menu->CurrentStyler(), &f.Menu->InternalStyler());
    EXPECT_EQ(f.Menu->CurrentStyler().GetRightFrameColor(), 15657705);
    EXPECT_EQ(f.Menu->CurrentStyler().MenuItemAppearance().GetColorTo(), clNone);
    auto* st = new TOrvPreviewMenuOfficeStyler(f.Form.get());
    f.Menu->SetStyler(st);
    EXPECT_EQ(&f.Menu->CurrentStyler(), st);
    st->Free();
    EXPECT_EQ(f.Menu->GetStyler(), nullptr);
    EXPECT_EQ(&f.Menu->CurrentStyler(), &f.Menu->InternalStyler());

    f.Menu->SetSubMenuItemHeight(-4);
    EXPECT_EQ(f.Menu->GetSubMenuItemHeight(), 0);

    // Trailing single '&' gives no accelerator; a doubled one is a plain character.
    EXPECT_EQ(AcceleratorOf(L"&Open"), L'O');
    EXPECT_EQ(AcceleratorOf(L"Save &as"), L'a');
    EXPECT_EQ(AcceleratorOf(L"Print&"), 0);
    EXPECT_EQ(AcceleratorOf(L"R&&D"), 0);

    // Linked values follow the action; only defaults are filled when defaults only.
    auto* action = new TAction(f.Form.get());
    action->SetCaption(L"From action");
    action->SetImageIndex(3);
    auto* item = f.AddItem(L"");
    item->SetAction(action);
    EXPECT_EQ(item->GetCaption(), L"From action");
    EXPECT_FALSE(item->IsCaptionStored());
    item->SetCaption(L"Own");
    EXPECT_TRUE(item->IsCaptionStored());
    EXPECT_FALSE(item->IsImageIndexStored());
    item->ActionChange(action, true);
    EXPECT_EQ(item->GetCaption(), L"Own") << "defaults only: a caption of its own stays";
    action->SetEnabled(false);
    EXPECT_FALSE(item->GetEnabled());
    auto* sub = item->SubItems().Add();
    sub->SetAction(action);
    EXPECT_EQ(sub->GetTitle(), L"From action");
    action->Free();
    EXPECT_EQ(item->GetAction(), nullptr);
    EXPECT_EQ(sub->GetAction(), nullptr);

    // The menu's own sub-items and the buttons drop a freed action too, and the menu a
    // freed image list.
    auto* other = new TAction(f.Form.get());
    auto* button = f.Menu->Buttons().Add();
    button->SetAction(other);
    auto* own = f.Menu->SubMenuItems().Add();
    own->SetAction(other);
    ASSERT_EQ(button->GetAction(), other);
    other->Free();
    EXPECT_EQ(button->GetAction(), nullptr);
    EXPECT_EQ(own->GetAction(), nullptr);
    auto* images = new TImageList(f.Form.get());
    f.Menu->SetMenuImages(images);
    f.Menu->SetSubMenuDisabledImages(images);
    f.Menu->SetButtonImages(images);
    images->Free();
    EXPECT_EQ(f.Menu->GetMenuImages(), nullptr);
    EXPECT_EQ(f.Menu->GetSubMenuDisabledImages(), nullptr);
    EXPECT_EQ(f.Menu->GetButtonImages(), nullptr);
}
