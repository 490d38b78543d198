// The base list as values: visible range, hit tests, the box and grid key tables,
// selection with its veto, moving by index, sorting, lookups, and the mended faults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "itemlist/GDIPBase.h"
#include "itemlist/GDIPWedgeItem.h"

using namespace orv;

namespace {

void Place(TCustomItem* it, int x, int y, int w = 100, int h = 30) {
    it->SetX(x);
    it->SetY(y);
    it->SetWidth(w);
    it->SetHeight(h);
}

struct TListFixture {
    TOwnedPtr<TComponent> Owner{new TComponent(nullptr)};
    TCustomBaseList List{Owner.get()};

    // Items of 100 x 30 stacked every 35 pixels; one column (row = index).
    std::vector<TCustomItem*> Add(int count) {
        std::vector<TCustomItem*> made;
        for (int i = 0; i < count; ++i) {
            auto* it = List.AddItem(Make<TTextItem>(Owner.get()));
            Place(it, 0, i * 35);
            made.push_back(it);
        }
        List.Items().UpdateIndexes();
        Grid(1);
        return made;
    }
    // Row-major cells over the visible items, as the container's grid pass does.
    void Grid(int columns) {
        int n = 0;
        for (TCustomItem* it : List.Items().Entries()) {
            it->SetRowIndex(it->GetVisible() ? n / columns : -1);
            it->SetColumnIndex(it->GetVisible() ? n % columns : -1);
            n += it->GetVisible() ? 1 : 0;
        }
        List.UpdateVisibleIndexes();
    }
    int Selected() const {
        TCustomItem* s = List.SelectedItem();
        return s ? s->GetIndex() : -1;
    }
    void Key(uint16_t key, bool grid = false) {
        if (grid)
            List.DoKeyDownGrid(nullptr, key, 0);
        else
            List.DoKeyDownBox(nullptr, key, 0);
    }
    std::vector<std::wstring> Captions() const {
        std::vector<std::wstring> c;
        for (TCustomItem* it : List.Items().Entries()) c.push_back(static_cast<TTextItem*>(it)->GetCaption());
        return c;
    }
};

}  // namespace

TEST(BaseList, VisibleRangeAndHitTests) {
    TListFixture f;
    EXPECT_EQ(f.List.FirstVisibleIdx(), 0);
    EXPECT_EQ(f.List.LastVisibleIdx(), -1) << "empty list: empty range";
    EXPECT_EQ(f.List.RowCount(), 0);
    EXPECT_EQ(f.List.MaxRowIndex(), -1);
    f.List.SelectItem(5);
    EXPECT_EQ(f.Selected(), -1);

    auto items = f.Add(10);
    f.List.SetHeight(100);  // items at 0, 35, 70 reach into view; 105 does not
    f.List.UpdateVisibleIndexes();
    EXPECT_EQ(f.List.FirstVisibleIdx(), 0);
    EXPECT_EQ(f.List.LastVisibleIdx(), 2);
    for (TCustomItem* it : items) it->SetY(it->GetY() - 60);  // scrolled: -60, -25, 10, 45, 80, 115
    f.List.UpdateVisibleIndexes();
    EXPECT_EQ(f.List.FirstVisibleIdx(), 1);
    EXPECT_EQ(f.List.LastVisibleIdx(), 4);

    // Overlapping items: the later one is on top.
    Place(items[2], 0, 10);
    Place(items[3], 50, 20);
    EXPECT_EQ(f.List.ItemInteractionAtXY(60, 25).InteractionItem, items[3]);
    EXPECT_EQ(f.List.ItemInteractionAtXY(60, 25).InteractionType, itDefault);
    // A hidden item: no interaction, but ItemAtXY still finds it.
    items[3]->SetVisible(false);
    EXPECT_EQ(f.List.ItemInteractionAtXY(60, 25).InteractionItem, items[2]);
    EXPECT_EQ(f.List.ItemInteractionAtXY(120, 25).InteractionItem, nullptr);
    EXPECT_EQ(f.List.ItemAtXY(120, 25), items[3]);
}

TEST(BaseList, BoxKeysWrapSkipUnselectableItemsAndIgnorePageKeys) {
    TListFixture f;
    auto items = f.Add(5);
    items[0]->SetSelectable(false);
    items[3]->SetEnabled(false);
    f.Key(VK_DOWN);
    EXPECT_EQ(f.Selected(), 1) << "down without a selection: the first selectable item";
    f.Key(VK_DOWN);
    EXPECT_EQ(f.Selected(), 2);
    f.Key(VK_DOWN);
    EXPECT_EQ(f.Selected(), 4) << "the disabled item is skipped";
    f.Key(VK_DOWN);
    EXPECT_EQ(f.Selected(), 1) << "down on the last wraps to the first selectable";
    f.Key(VK_UP);
    EXPECT_EQ(f.Selected(), 4) << "up on the first wraps to the last selectable";
    f.Key(VK_HOME);
    EXPECT_EQ(f.Selected(), 1);
    f.Key(VK_END);
    EXPECT_EQ(f.Selected(), 4);
    f.Key(VK_PRIOR);
    f.Key(VK_NEXT);
    EXPECT_EQ(f.Selected(), 4) << "page keys change nothing";
    f.List.ResetItemStatus();
    f.Key(VK_NEXT);
    EXPECT_EQ(f.Selected(), -1) << "nor without a selection";

    // Nothing selectable: every key does nothing.
    for (TCustomItem* it : items) it->SetSelectable(false);
    f.Key(VK_DOWN);
    f.List.SelectItem(2);
    EXPECT_EQ(f.Selected(), -1);
}

TEST(BaseList, GridKeysRunRowByRowAndColumnByColumnWithWrapping) {
    TListFixture f;
    f.Add(6);
    f.Grid(3);  // rows (0 1 2) (3 4 5)
    f.Key(VK_NEXT, true);
    EXPECT_EQ(f.Selected(), 0) << "a page key without a selection selects the item at (0, 0)";
    f.Key(VK_NEXT, true);
    EXPECT_EQ(f.Selected(), 0);
    f.Key(VK_RIGHT, true);
    f.Key(VK_RIGHT, true);
    f.Key(VK_RIGHT, true);
    EXPECT_EQ(f.Selected(), 3) << "right past the last column continues on the next row";
    f.Key(VK_DOWN, true);
    EXPECT_EQ(f.Selected(), 1) << "down past the last row continues in the next column";
    f.Key(VK_UP, true);
    EXPECT_EQ(f.Selected(), 3);
    f.Key(VK_LEFT, true);
    EXPECT_EQ(f.Selected(), 2) << "left past column 0 goes to the previous row's last column";
    f.Key(VK_END, true);
    EXPECT_EQ(f.Selected(), 5);
    f.Key(VK_RIGHT, true);
    EXPECT_EQ(f.Selected(), 0) << "right on the last cell wraps to the first";
    f.Key(VK_UP, true);
    EXPECT_EQ(f.Selected(), 5) << "up on the first cell wraps to the last";
}

TEST(BaseList, SelectionClampsAndAVetoStillMovesTheFocus) {
    TListFixture f;
    auto items = f.Add(5);
    std::vector<TCustomItem*> selects;
    bool allow = true;
    f.List.OnItemSelect = [&](TObject* sender, TCustomItem* item, bool& a) {
        EXPECT_EQ(sender, item) << "the item raises the chain with itself as sender";
        selects.push_back(item);
        a = allow;
    };
    f.List.SelectItem(40);
    EXPECT_EQ(f.Selected(), 4) << "beyond the end: the last item";
    EXPECT_EQ(f.List.FocusedItemIndex, 4);
    allow = false;
    f.List.SelectItem(1);
    EXPECT_EQ(f.Selected(), -1) << "vetoed";
    EXPECT_EQ(f.List.FocusedItemIndex, 1) << "the focus moved all the same";
    EXPECT_EQ(selects, (std::vector<TCustomItem*>{items[4], items[1]}));
}

TEST(BaseList, IndexBeyondTheEndMovesToTheEndAndSortUsesDisplayNames) {
    TListFixture f;
    auto items = f.Add(5);
    int changes = 0;
    f.List.OnChange = [&](TObject*) { ++changes; };
    items[1]->SetIndex(100);
    EXPECT_EQ(f.List.Items()[4], items[1]);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.List.Items()[i]->GetIndex(), i);
    EXPECT_GE(changes, 1);

    TListFixture g;
    auto* wedge = g.List.AddItem(Make<TWedgeItem>(g.Owner.get()));
    auto* text = g.List.AddItem(Make<TTextItem>(g.Owner.get()));
    g.List.Sort();
    EXPECT_EQ(g.List.Items()[0], text) << "\"Normal Text Item\" before \"Normal Wedge Item\"";
    EXPECT_EQ(g.List.Items()[1], wedge);
    EXPECT_EQ(wedge->GetIndex(), 1);

    EXPECT_EQ(TCustomBaseList::GetItemClassByCustomName(L"normal wedge ITEM"), L"TWedgeItem");
    EXPECT_EQ(TCustomBaseList::GetItemClassByCustomName(L"no such item"), L"TCustomItem");
    items[0]->SetTag(7);
    items[3]->SetTag(7);
    EXPECT_EQ(f.List.GetItemsByTag(7), (std::vector<TCustomItem*>{items[0], items[3]}));
}

TEST(BaseList, LevelsHideWithinTheParentLevelOrToTheEnd) {
    TListFixture f;
    auto items = f.Add(5);
    int levels[] = {0, 1, 1, 0, 1};
    for (int i = 0; i < 5; ++i) items[i]->SetLevel(levels[i]);
    f.List.HideItemsByLevel(1, 1, hsWithinMainLevel);
    EXPECT_FALSE(items[1]->GetVisible());
    EXPECT_FALSE(items[2]->GetVisible());
    EXPECT_TRUE(items[4]->GetVisible()) << "the walk stops at the next level-0 item";
    f.List.HideItemsByLevel(0, 1, hsAll);
    EXPECT_FALSE(items[4]->GetVisible());
    f.List.ShowItemsByLevel(3, 1, hsAll);
    EXPECT_TRUE(items[4]->GetVisible());
    EXPECT_FALSE(items[1]->GetVisible());
}

// --- mended faults -------------------------------------------------------------------------

TEST(BaseListRegression, ConvertItemMovesTheNewItemIntoTheOldPlaceNotByAStaleIndex) {
    TListFixture f;
    auto items = f.Add(3);
    for (int i = 0; i < 3; ++i) static_cast<TTextItem*>(items[i])->SetCaption(std::to_wstring(i));
    // A stale Index of 0 on the converted item must not move item 0.
    items[2]->ApplyIndex(0);
    TCustomItem* made = f.List.ConvertItem(items[2], L"TWedgeItem");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(std::wstring(made->ClassName()), L"TWedgeItem");
    EXPECT_EQ(f.Captions(), (std::vector<std::wstring>{L"0", L"1", L"2"}));
    EXPECT_EQ(f.List.Items()[2], made);
    EXPECT_EQ(f.List.Items()[0], items[0]);
}

TEST(BaseListRegression, SortWithANonStrictComparerStaysInsideTheList) {
    TListFixture f;
    f.Add(40);
    int calls = 0;
    f.List.OnItemCompare = [&](TObject*, TCustomItem*, TCustomItem*, int32_t& r) {
        ++calls;
        r = -1;  // "less" both ways
    };
    f.List.Sort();
    EXPECT_GT(calls, 0);
    EXPECT_EQ(f.List.Items().Count(), 40);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(f.List.Items()[i]->GetIndex(), i);
}

TEST(BaseListRegression, OutOfRangeIndexesNeitherFailNorOrphanItems) {
    TListFixture f;
    f.Add(2);
    int before = TComponent::LiveCount();
    f.List.RemoveItem(5);
    f.List.RemoveItem(-1);
    EXPECT_EQ(f.List.Items().Count(), 2);
    EXPECT_EQ(TComponent::LiveCount(), before);
    auto* atCount = f.List.InsertItem(2, Make<TTextItem>(f.Owner.get()));
    auto* beyond = f.List.InsertItem(9, Make<TTextItem>(f.Owner.get()));
    auto* below = f.List.InsertItem(-3, Make<TTextItem>(f.Owner.get()));
    ASSERT_EQ(f.List.Items().Count(), 5);
    EXPECT_EQ(f.List.Items()[2], atCount);
    EXPECT_EQ(f.List.Items()[3], beyond);
    EXPECT_EQ(f.List.Items()[4], below) << "appended, not orphaned";
    f.List.Items()[0]->SetLevel(1);
    f.List.HideItemsByLevel(-4, 1, hsAll);
    EXPECT_FALSE(f.List.Items()[0]->GetVisible()) << "a level walk starts at 0";
}

namespace {
// A radio-style item: told when another item of its class changed its check, and
// answering with a check change of its own (which must not come round again).
class TGroupItem : public TTextItem, public IGDIPCheckGroup {
public:
    ORV_CLASS_NAME(TGroupItem)
    using TTextItem::TTextItem;
    std::vector<TCustomItem*> Told;
    void CheckChanged(TCustomItem* item) override {
        Told.push_back(item);
        OnGlobalCheckChanged(this, this, false);
    }
};
}  // namespace

TEST(BaseList, ACheckChangeReachesTheOtherItemsOfItsClassOnce) {
    TListFixture f;
    auto* a = static_cast<TGroupItem*>(f.List.AddItem(Make<TGroupItem>(f.Owner.get())));
    auto* plain = f.List.AddItem(Make<TTextItem>(f.Owner.get()));
    auto* b = static_cast<TGroupItem*>(f.List.AddItem(Make<TGroupItem>(f.Owner.get())));
    auto* c = static_cast<TGroupItem*>(f.List.AddItem(Make<TGroupItem>(f.Owner.get())));
    ASSERT_NE(plain, nullptr);
    a->OnGlobalCheckChanged(a, a, true);
    EXPECT_TRUE(a->Told.empty()) << "not the item itself";
    EXPECT_EQ(b->Told, std::vector<TCustomItem*>{a});
    EXPECT_EQ(c->Told, std::vector<TCustomItem*>{a}) << "the answers did not come round again";
    c->OnGlobalCheckChanged(c, c, true);
    EXPECT_EQ(a->Told, std::vector<TCustomItem*>{c}) << "the guard is down after a round";
}
