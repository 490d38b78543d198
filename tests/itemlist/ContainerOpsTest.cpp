// The container's content and scrolling operations as values (Assign, AddDropItem,
// ClearItems, VisualizeItem and ScrollToItem, a control sized to its items), what it
// forgets when components go away, its picture lists and the focus fixed after loading;
// then the scroll bar and the keys scrolling a real window.
#include "itemlist/OrvPolyList.h"
// clang-format off
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <utility>

#include "buttons/GlowButtonTestSupport.h"
#include "framework/ImageList.h"
#include "itemlist/GDIPTextItem.h"
#include "itemlist/GDIPWedgeItem.h"
#include "paint/GDIPPictureContainer.h"
// clang-format on

using namespace orv;
using namespace glowtest;

namespace {

TOwnedPtr<TOrvPolyList> MakeList(int w, int h, int items) {
    TOwnedPtr<TOrvPolyList> list(Make<TOrvPolyList>(nullptr));
    list->SetBounds(0, 0, w, h);
    for (int i = 0; i < items; ++i) list->AddItem<TTextItem>()->SetCaption(L"Item " + std::to_wstring(i));
    return list;
}

std::wstring CaptionOf(TCustomItem* it) {
    auto* text = dynamic_cast<TTextItem*>(it);
    return text ? text->GetCaption() : L"?";
}

}  // namespace

TEST(ItemsContainerOps, AssignCopiesTheListedValuesAndMakesItsOwnItems) {
    TOwnedPtr<TComponent> owner(new TComponent(nullptr));
    auto* pictures = new TGDIPPictureContainer(owner.get());
    auto* images = new TImageList(owner.get());
    auto src = MakeList(300, 200, 2);
    src->BeginUpdate();
    src->SetAutoSizeMode(asmNone);
    src->SetAutoSizeType(astBoth);
    src->Fill().SetColor(0x123456);
    src->SetHorizontalSpacing(7);
    src->SetVerticalSpacing(9);
    src->ListMargins().SetMargins(4, 6, 4, 4);
    src->SetReadOnly(true);
    src->SetColumns(2);
    src->SetShowFocus(false);
    src->SetBorderMode(bmTransition);
    src->SetBorderTypes(BorderBit(btGradientRight));
    src->SetPictureContainer(pictures);
    src->SetImageList(images);
    src->SetReorder(false);
    src->SetThumbTracking(false);
    src->SetTransparent(true);
    // Not in the copied set: these stay as the target has them.
    src->SetDragLineColor(0x00FF00);
    src->SetScrollType(stHandles);
    src->EndUpdate();

    auto dst = MakeList(300, 200, 5);
    int changes = 0;
    dst->OnChange = [&](TObject*) { ++changes; };
    dst->Assign(src.get());
    EXPECT_EQ(changes, 1) << "one change pass at the end";
    EXPECT_EQ(dst->GetAutoSizeMode(), asmNone);
    EXPECT_EQ(dst->GetAutoSizeType(), astBoth);
    EXPECT_EQ(dst->Fill().GetColor(), 0x123456);
    EXPECT_EQ(dst->GetHorizontalSpacing(), 7);
    EXPECT_EQ(dst->GetVerticalSpacing(), 9);
    EXPECT_EQ(dst->ListMargins().GetTop(), 6);
    EXPECT_TRUE(dst->GetReadOnly());
    EXPECT_EQ(dst->GetColumns(), 2);
    EXPECT_EQ(dst->GetRows(), 0);
    EXPECT_FALSE(dst->GetShowFocus());
    EXPECT_EQ(dst->GetBorderMode(), bmTransition);
    EXPECT_EQ(dst->GetBorderTypes(), BorderBit(btGradientRight));
    EXPECT_EQ(dst->GetPictureContainer(), pictures);
    EXPECT_EQ(dst->GetImageList(), images);
    EXPECT_FALSE(dst->GetReorder());
    EXPECT_FALSE(dst->GetThumbTracking());
    EXPECT_TRUE(dst->GetTransparent());
    EXPECT_EQ(dst->GetDragLineColor(), 0x0000FF);
    EXPECT_EQ(dst->GetScrollType(), stScrollers);

    ASSERT_EQ(dst->ItemCount(), 2) << "the target's own items were replaced";
    for (int i = 0; i < 2; ++i) {
        EXPECT_NE(dst->Items(i), src->Items(i)) << "copies, not shared items";
        EXPECT_EQ(dst->Items(i)->Owner(), dst.get());
        EXPECT_EQ(CaptionOf(dst->Items(i)), CaptionOf(src->Items(i)));
        EXPECT_EQ(dst->Items(i)->GetIndex(), i);
    }
    // Laid out with the copied values: two columns from (4, 6), 7 apart.
    EXPECT_EQ(dst->Items(0)->GetX(), 4);
    EXPECT_EQ(dst->Items(0)->GetY(), 6);
    EXPECT_EQ(dst->Items(1)->GetX(), 4 + dst->Items(0)->GetWidth() + 7);
    EXPECT_EQ(dst->Items(1)->GetY(), 6);
}

// The picture container and image list came over with the list appearance, so the
// copy's own setters saw nothing new and never asked to hear of their removal: painting
// then reached a destroyed image list.
TEST(ItemsContainerRegression, ReferencesCopiedWithTheListAreClearedWhenTheyGoAway) {
    TOwnedPtr<TComponent> owner(new TComponent(nullptr));
    auto* pictures = new TGDIPPictureContainer(owner.get());
    auto* images = new TImageList(owner.get());
    auto src = MakeList(200, 100, 1);
    src->SetPictureContainer(pictures);
    src->SetImageList(images);
    auto byAssign = MakeList(200, 100, 0);
    byAssign->Assign(src.get());
    auto byList = MakeList(200, 100, 0);
    byList->SetList(src->List());
    auto byAppearance = MakeList(200, 100, 0);
    byAppearance->List().SetAppearance(src->List().Appearance());
    for (TOrvPolyList* l : {byAssign.get(), byList.get(), byAppearance.get()}) {
        ASSERT_EQ(l->GetPictureContainer(), pictures);
        ASSERT_EQ(l->GetImageList(), images);
    }
    delete images;
    delete pictures;
    for (TOrvPolyList* l : {src.get(), byAssign.get(), byList.get(), byAppearance.get()}) {
        EXPECT_EQ(l->GetImageList(), nullptr);
        EXPECT_EQ(l->GetPictureContainer(), nullptr);
    }
    TBitmap bmp(200, 100);
    TGPGraphics g(bmp.Canvas().Handle());
    byList->Draw(g);
}

TEST(ItemsContainerOps, DropCopiesClearingAndScrollingAnItemIntoView) {
    auto list = MakeList(200, 150, 12);  // content 3 + 12 * 35 - 5 + 3 = 421: range 422, up to 272
    auto other = MakeList(200, 150, 0);
    auto* wedge = other->AddItem<TWedgeItem>();
    wedge->SetCaption(L"dropped");
    EXPECT_EQ(list->AddDropItem(nullptr), nullptr);
    TCustomItem* copy = list->AddDropItem(wedge);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, wedge);
    EXPECT_EQ(std::wstring(copy->ClassName()), L"TWedgeItem");
    EXPECT_EQ(CaptionOf(copy), L"dropped");
    EXPECT_EQ(copy->Owner(), list.get());
    ASSERT_EQ(list->ItemCount(), 13);
    EXPECT_EQ(list->Items(12), copy);
    list->RemoveItem(12);
    ASSERT_EQ(list->ItemCount(), 12);
    ASSERT_TRUE(list->VerticalScrollActive());
    ASSERT_EQ(list->VertScrollBar().MaxPosition(), 272);

    // Item 6 (y 213, bottom 243) below the 150-pixel view: 213 + 30 + 5 - 150 - 1 = 97.
    list->VisualizeItem(6, true, true);
    EXPECT_EQ(list->List().SelectedItem(), list->Items(6));
    EXPECT_EQ(list->VerticalPosition(), 97);
    EXPECT_EQ(list->VertScrollBar().GetPosition(), 97);
    EXPECT_EQ(list->Items(6)->GetY(), 116);
    // Item 2 now starts above the view (y -24): -24 + 97 - 5 + 2 = 70 puts it at 3.
    list->VisualizeItem(2, true, false);
    EXPECT_EQ(list->VerticalPosition(), 70);
    EXPECT_EQ(list->Items(2)->GetY(), 3);
    EXPECT_EQ(list->List().SelectedItem(), list->Items(6)) << "scrolling alone selects nothing";
    // An item already in view does not move the list; an invalid index is ignored.
    list->ScrollToItem(4);
    list->ScrollToItem(99);
    list->ScrollToItem(-1);
    EXPECT_EQ(list->VerticalPosition(), 70);
    list->VisualizeItem(99, false, true);
    EXPECT_EQ(list->List().SelectedItem(), list->Items(11)) << "selection clamps to the last item";

    // Free positions scroll sideways too: one row of 125-wide items in a 300-wide list.
    auto row = MakeList(300, 200, 6);
    row->BeginUpdate();
    row->SetAutoSizeMode(asmNone);
    row->SetRows(1);  // x 3, 133, 263, 393, 523, 653
    for (int i = 0; i < 6; ++i) row->Items(i)->SetWidth(125);
    row->EndUpdate();
    ASSERT_TRUE(row->HorizontalScrollActive());
    EXPECT_FALSE(row->VerticalScrollActive());
    EXPECT_EQ(row->HorzScrollBar().GetRange(), 653 + 125 + 3 + 1);
    row->ScrollToItem(3);  // 393 + 125 + 5 - 300 - 1
    EXPECT_EQ(row->HorizontalPosition(), 222);
    EXPECT_EQ(row->Items(3)->GetX(), 393 - 222);

    // Clearing destroys the items, forgets the position and hides the bar.
    int live = TComponent::LiveCount();
    list->ClearItems();
    EXPECT_EQ(list->ItemCount(), 0);
    EXPECT_EQ(TComponent::LiveCount(), live - 12);
    EXPECT_EQ(list->VerticalPosition(), 0);
    EXPECT_FALSE(list->VerticalScrollActive());
    EXPECT_FALSE(list->VertScrollBar().IsScrollBarVisible());
}

TEST(ItemsContainerOps, AControlSizedToItsItemsTakesTheirExtentPlusOne) {
    auto list = MakeList(413, 395, 3);
    list->BeginUpdate();
    list->SetAutoSizeMode(asmControl);
    for (int i = 0; i < 3; ++i) list->Items(i)->SetWidth(100);
    list->EndUpdate();
    EXPECT_EQ(list->Width(), 3 + 100 + 3 + 1) << "astWidth: only the width follows";
    EXPECT_EQ(list->Height(), 395);
    EXPECT_EQ(list->Items(0)->GetWidth(), 100) << "the items keep their own size";
    list->SetAutoSizeType(astBoth);
    EXPECT_EQ(list->Width(), 107);
    EXPECT_EQ(list->Height(), 3 + 3 * 30 + 2 * 5 + 3 + 1);
    list->AddItem<TTextItem>()->SetWidth(150);
    EXPECT_EQ(list->Width(), 3 + 150 + 3 + 1) << "and follows new items";
    EXPECT_EQ(list->Height(), 107 + 35);
    EXPECT_FALSE(list->VerticalScrollActive()) << "a control that grows never scrolls";
}

TEST(ItemsContainerOps, WhatGoesAwayIsForgottenAndPicturesAreListedInOrder) {
    TOwnedPtr<TComponent> owner(new TComponent(nullptr));
    auto* pictures = new TGDIPPictureContainer(owner.get());
    pictures->GetItems().Add()->SetName(L"Open");
    pictures->GetItems().Add()->SetName(L"Save");
    auto list = MakeList(200, 200, 3);

    std::vector<std::wstring> names;
    TPictureContainerList found;
    list->FillPictureNames([&](const std::wstring& n) { names.push_back(n); });
    list->GetPictures(found);
    EXPECT_TRUE(names.empty()) << "nothing without a picture container";
    EXPECT_EQ(found.Count(), 0);
    list->SetPictureContainer(pictures);
    list->FillPictureNames([&](const std::wstring& n) { names.push_back(n); });
    list->GetPictures(found);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Open", L"Save"}));
    ASSERT_EQ(found.Count(), 2);
    EXPECT_EQ(found.Items(1).FName, L"Save");

    // An item freed elsewhere leaves the list once and the rest close up.
    int destroyed = 0;
    list->List().OnNotifyItemDestroy = [&](TObject*) { ++destroyed; };
    TCustomItem* last = list->Items(2);
    list->Items(0)->Free();
    EXPECT_EQ(destroyed, 1);
    ASSERT_EQ(list->ItemCount(), 2);
    EXPECT_EQ(list->Items(1), last);
    EXPECT_EQ(last->GetIndex(), 1);
    EXPECT_EQ(last->GetY(), 38);

    delete pictures;
    EXPECT_EQ(list->GetPictureContainer(), nullptr);
    names.clear();
    list->FillPictureNames([&](const std::wstring& n) { names.push_back(n); });
    EXPECT_TRUE(names.empty());
    list.reset();  // the remaining items go with the list, the freed one not again
}

TEST(ItemsContainerOps, LoadingMovesTheFocusToAFocusableItem) {
    auto list = MakeList(200, 200, 3);
    list->Items(0)->SetTabStop(false);
    list->List().FocusedItemIndex = 0;
    list->Loaded();
    EXPECT_EQ(list->List().FocusedItemIndex, 1) << "moved on from an item without TabStop";
    list->List().FocusedItemIndex = 2;
    list->Loaded();
    EXPECT_EQ(list->List().FocusedItemIndex, 2) << "a focusable item keeps the focus";
    list->List().FocusedItemIndex = 9;
    list->Loaded();
    EXPECT_EQ(list->List().FocusedItemIndex, 1) << "a stale index moves to the first focusable item";
    for (int i = 0; i < 3; ++i) list->Items(i)->SetEnabled(false);
    list->Loaded();
    EXPECT_EQ(list->List().FocusedItemIndex, -1) << "nothing focusable";
}

// With the list pass skipped for an empty list, the last item removed left the bar
// shown over nothing and the old position waiting for the next item.
TEST(ItemsContainerRegression, AListEmptiedItemByItemShowsNoBar) {
    auto list = MakeList(200, 150, 1);
    list->Items(0)->SetHeight(500);
    list->SetVerticalPosition(200);
    list->DoChange();
    ASSERT_EQ(list->VerticalPosition(), 200);
    ASSERT_TRUE(list->VertScrollBar().IsScrollBarVisible());
    list->RemoveItem(0);
    EXPECT_FALSE(list->VertScrollBar().IsScrollBarVisible());
    EXPECT_FALSE(list->VerticalScrollActive());
    EXPECT_EQ(list->VerticalPosition(), 0);
    EXPECT_EQ(list->List().LastVisibleIdx(), -1);
    list->AddItem<TTextItem>();
    EXPECT_EQ(list->Items(0)->GetY(), 3) << "a new item starts at the top";
}

TEST(ItemsContainerOps, EverySetterRunsOneChangePassAndOnlyForANewValue) {
    auto list = MakeList(200, 100, 2);
    int changes = 0;
    list->OnChange = [&](TObject*) { ++changes; };
    const std::pair<const char*, std::function<void()>> setters[] = {
        {"Reorder", [&] { list->SetReorder(false); }},
        {"DragLine", [&] { list->SetDragLine(false); }},
        {"DragLineColor", [&] { list->SetDragLineColor(0x00FF00); }},
        {"ThumbTracking", [&] { list->SetThumbTracking(false); }},
        {"IsMainMenu", [&] { list->SetIsMainMenu(true); }},
        {"ReadOnly", [&] { list->SetReadOnly(true); }},
        {"ShowFocus", [&] { list->SetShowFocus(false); }},
    };
    for (const auto& [name, set] : setters) {
        changes = 0;
        set();
        EXPECT_EQ(changes, 1) << name;
        set();
        EXPECT_EQ(changes, 1) << name << " again: unchanged, no pass";
    }
}

namespace {
// An item that takes the container's style presets.
class TStyledItem : public TTextItem, public IZemStyle {
public:
    ORV_CLASS_NAME(TStyledItem)
    using TTextItem::TTextItem;
    std::vector<TZemStyle> Styles;
    void SetComponentStyle(TZemStyle style) override { Styles.push_back(style); }
};
}  // namespace

TEST(ItemsContainerOps, AStyleIsOneChangePassAndReachesStyledItems) {
    TOwnedPtr<TOrvPolyMenu> menu(Make<TOrvPolyMenu>(nullptr));
    menu->SetBounds(0, 0, 161, 395);
    for (int i = 0; i < 8; ++i) menu->AddItem<TTextItem>();
    auto* styled = menu->AddItem<TStyledItem>();
    int changes = 0;
    menu->OnChange = [&](TObject*) { ++changes; };
    menu->SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(styled->Styles, std::vector<TZemStyle>{tsOffice2007Luna}) << "passed on to the item";
    menu->ChangeStyle(false, 15);
    EXPECT_EQ(changes, 2);
    menu->ChangeMenu(0x3E7DDA);
    EXPECT_EQ(changes, 3);
    menu->ChangeStyle(false, 12);
    EXPECT_EQ(changes, 3) << "other styles change nothing, not even a repaint";
    menu->SetIsMainMenu(false);
    changes = 0;
    menu->ChangeMenu(0x000000);
    menu->ChangeStyle(true, 15);
    EXPECT_EQ(changes, 0) << "nothing at all on a container that is not the main menu";
}

// --- real windows ------------------------------------------------------------------------------

namespace {
struct TScrollWindow : TFixture {
    TOrvPolyList* List = nullptr;
    std::vector<int> Scrolls;
    TScrollWindow() {
        List = new TOrvPolyList(Form.get());
        List->SetBounds(10, 10, 200, 150);
        List->SetParent(Form.get());
        for (int i = 0; i < 12; ++i) List->AddItem<TTextItem>()->SetCaption(L"Item " + std::to_wstring(i));
        List->OnVerticalScroll = [this](TObject* sender, int pos) {
            EXPECT_EQ(sender, List);
            Scrolls.push_back(pos);
        };
        orvtest::PumpFor(50);
    }
    // Drags the bar's thumb down by dy pixels in four steps, the button held throughout.
    // The input comes from a second thread: the bar tracks the thumb in a loop of its own
    // inside the press, and moves queued before it would be merged into one.
    void DragThumb(int dy) {
        int bar = GetSystemMetrics(SM_CXVSCROLL), arrow = GetSystemMetrics(SM_CYVSCROLL);
        PointAt(List, List->ClientWidth() + bar / 2, arrow + 4);
        TPoint start = List->ClientToScreen({List->ClientWidth() + bar / 2, arrow + 4});
        std::thread input([start, dy] {
            int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
            auto send = [&](DWORD flags, int y) {
                INPUT i{};
                i.type = INPUT_MOUSE;
                i.mi.dwFlags = flags;
                if (flags & MOUSEEVENTF_MOVE) {
                    i.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
                    i.mi.dx = (start.X * 65536 + cx / 2) / cx;
                    i.mi.dy = (y * 65536 + cy / 2) / cy;
                }
                SendInput(1, &i, sizeof(INPUT));
                Sleep(60);
            };
            Sleep(30);
            send(MOUSEEVENTF_LEFTDOWN, 0);
            for (int step = 1; step <= 4; ++step) send(MOUSEEVENTF_MOVE, start.Y + dy * step / 4);
            send(MOUSEEVENTF_LEFTUP, 0);
        });
        orvtest::PumpFor(500);
        input.join();
        orvtest::PumpFor(50);
    }
};
}  // namespace

TEST(ItemsContainerScroll, TheThumbScrollsWhileDraggedOnlyWithThumbTracking) {
    TScrollWindow w;
    ASSERT_TRUE(w.List->VertScrollBar().IsScrollBarVisible());
    w.DragThumb(40);
    int tracked = w.List->VerticalPosition();
    EXPECT_GT(tracked, 0) << "the thumb moved the list";
    EXPECT_EQ(w.List->Items(0)->GetY(), 3 - tracked);
    EXPECT_GE(w.Scrolls.size(), 2u) << "positions reported while the thumb moves";
    ASSERT_FALSE(w.Scrolls.empty());
    EXPECT_EQ(w.Scrolls.back(), tracked);

    w.List->SetVerticalPosition(0);
    w.List->VertScrollBar().SetPosition(0);
    w.List->DoChange();
    w.Scrolls.clear();
    w.List->SetThumbTracking(false);
    w.DragThumb(40);
    EXPECT_EQ(w.Scrolls.size(), 1u) << "without tracking only the thumb's release scrolls";
    EXPECT_GT(w.List->VerticalPosition(), 0);
    EXPECT_EQ(w.List->Items(0)->GetY(), 3 - w.List->VerticalPosition());
}

TEST(ItemsContainerScroll, ArrowKeysScrollTheSelectedItemIntoView) {
    TScrollWindow w;
    w.List->SetFocus();
    w.List->SelectItem(3);  // y 108, bottom 138: in view
    orvtest::PumpFor(30);
    Keys({VK_DOWN});
    EXPECT_EQ(w.List->List().SelectedItem(), w.List->Items(4));
    EXPECT_EQ(w.List->VerticalPosition(), 143 + 30 + 5 - 150 - 1) << "item 4's bottom brought into view";
    Keys({VK_HOME});
    EXPECT_EQ(w.List->List().SelectedItem(), w.List->Items(0));
    EXPECT_EQ(w.List->VerticalPosition(), 0) << "item 0 at 3 - 27: -24 + 27 - 5 + 2";
    Keys({VK_END});
    EXPECT_EQ(w.List->VerticalPosition(), 272);
    EXPECT_EQ(GetScrollPos(w.List->Handle(), SB_VERT), 272);
}
