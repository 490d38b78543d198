// Behaviour of the item model, driving the item operations directly as a list does: the
// state machine with its vetoes, mouse and keyboard, hints, change propagation, the
// hosted control, actions and the destruction notice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/HintWindow.h"
#include "framework/WinControl.h"
#include "hints/ShortCutHintWindow.h"
#include "itemlist/GDIPImageTextItem.h"
#include "paint/GDIPFill.h"

using namespace orv;

namespace {

// What the list does for one pointer position: the same interaction for every item.
struct TPointer {
    TItemAppearance Appearance;
    std::vector<TCustomItem*> Items;

    TItemInteraction At(int x, int y) const {
        TItemInteraction result;
        for (TCustomItem* item : Items) {
            TItemInteractionType type = item->GetItemInteraction(x, y);
            if (type != itNone) return {item, type};
        }
        return result;
    }
    void Move(int x, int y) {
        TItemInteraction i = At(x, y);
        for (TCustomItem* item : Items) item->DoMouseMove(nullptr, 0, x, y, i, Appearance);
    }
    void Click(int x, int y) {
        TItemInteraction i = At(x, y);
        for (TCustomItem* item : Items) item->DoMouseDown(nullptr, TMouseButton::mbLeft, 0, x, y, i, Appearance);
        for (TCustomItem* item : Items) item->DoMouseUp(nullptr, TMouseButton::mbLeft, 0, x, y, i, Appearance);
    }
    void Leave() {
        TMessage m{CM_MOUSELEAVE, 0, 0, 0};
        for (TCustomItem* item : Items) item->DoCMMouseLeave(m);
    }
};

TOwnedPtr<TTextItem> MakeItem(int x, int y) {
    TOwnedPtr<TTextItem> item(Make<TTextItem>(nullptr));
    item->SetX(x);
    item->SetY(y);
    item->SetWidth(100);
    item->SetHeight(30);
    return item;
}

}  // namespace

TEST(ItemBehaviour, NonSelectableItemStaysDownAfterAClickUntilThePointerMoves) {
    auto item = MakeItem(0, 0);
    item->SetSelectable(false);
    int selects = 0, clicks = 0;
    item->OnItemSelect = [&](TObject*, TCustomItem*, bool&) { ++selects; };
    item->OnItemClick = [&](TObject*, TCustomItem*) { ++clicks; };
    TPointer pointer;
    pointer.Items = {item.get()};
    pointer.Click(10, 10);
    EXPECT_EQ(item->GetState(), isDown);
    EXPECT_EQ(selects, 0) << "a non-selectable item never asks to be selected";
    EXPECT_EQ(clicks, 1);
    item->SetState(isSelected);
    EXPECT_EQ(item->GetState(), isDown) << "not even when set directly";
    pointer.Move(12, 10);
    EXPECT_EQ(item->GetState(), isHovered);
    pointer.Leave();
    EXPECT_EQ(item->GetState(), isNormal);
}

TEST(ItemBehaviour, SelectionVetoLeavesTheItemDownAndStillRefreshes) {
    auto item = MakeItem(0, 0);
    int refreshes = 0, internalRefreshes = 0;
    bool allowSelect = false;
    std::vector<std::wstring> order;
    item->OnItemSelect = [&](TObject*, TCustomItem*, bool& allow) {
        order.push_back(L"select");
        allow = allowSelect;
    };
    item->OnInternalItemSelect = [&](TObject*, TCustomItem*, bool&) { order.push_back(L"internal select"); };
    item->OnRefresh = [&](TObject*) { ++refreshes; };
    item->OnInternalRefresh = [&](TObject*) { ++internalRefreshes; };
    TPointer pointer;
    pointer.Items = {item.get()};
    pointer.Click(5, 5);
    EXPECT_EQ(item->GetState(), isDown);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"select", L"internal select"}));
    EXPECT_EQ(refreshes, 2) << "down, then the vetoed selection";
    EXPECT_EQ(internalRefreshes, 2);

    // A second click on a selected item deselects it, unless the de-select is vetoed.
    allowSelect = true;
    pointer.Click(5, 5);
    EXPECT_EQ(item->GetState(), isSelected);
    bool allowDeselect = false;
    item->OnItemDeSelect = [&](TObject*, TCustomItem*, bool& allow) { allow = allowDeselect; };
    pointer.Click(5, 5);
    EXPECT_EQ(item->GetState(), isSelected) << "de-select vetoed";
    allowDeselect = true;
    pointer.Click(5, 5);
    EXPECT_EQ(item->GetState(), isNormal);
}

TEST(ItemBehaviour, ClickingAnotherSelectableItemDeselectsAndHoverKeepsSelection) {
    auto a = MakeItem(0, 0);
    auto b = MakeItem(0, 30);
    auto fixed = MakeItem(0, 60);
    fixed->SetSelectable(false);
    TPointer pointer;
    pointer.Items = {a.get(), b.get(), fixed.get()};
    pointer.Click(5, 5);
    EXPECT_EQ(a->GetState(), isSelected);
    pointer.Move(5, 5);
    EXPECT_EQ(a->GetState(), isSelected) << "hovering a selected item keeps it selected";
    pointer.Click(5, 65);
    EXPECT_EQ(a->GetState(), isSelected) << "a non-selectable item takes no selection";
    pointer.Click(5, 35);
    EXPECT_EQ(a->GetState(), isNormal);
    EXPECT_EQ(b->GetState(), isSelected);
    EXPECT_EQ(fixed->GetState(), isDown) << "the non-selectable item stays down until the pointer moves";
}

TEST(ItemBehaviour, SpaceClicksWithoutSelecting) {
    auto item = MakeItem(0, 0);
    int clicks = 0, selects = 0;
    item->OnItemClick = [&](TObject* sender, TCustomItem* it) {
        EXPECT_EQ(sender, item.get());
        EXPECT_EQ(it, item.get());
        ++clicks;
    };
    item->OnItemSelect = [&](TObject*, TCustomItem*, bool&) { ++selects; };
    uint16_t key = VK_SPACE;
    item->DoKeyDown(nullptr, key, 0);
    EXPECT_EQ(item->GetState(), isDown);
    item->DoKeyUp(nullptr, key, 0);
    EXPECT_EQ(item->GetState(), isNormal);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(selects, 0);
    key = VK_RETURN;
    item->DoKeyDown(nullptr, key, 0);
    item->DoKeyUp(nullptr, key, 0);
    EXPECT_EQ(item->GetState(), isNormal);
    EXPECT_EQ(clicks, 1) << "only the space key clicks";
}

TEST(ItemBehaviour, ClickFocusesAndFiresInternalClickFirst) {
    auto item = MakeItem(0, 0);
    std::vector<std::wstring> order;
    item->SetItemFocused(false);
    item->OnInternalItemClick = [&](TObject*, TCustomItem*) { order.push_back(L"internal"); };
    item->OnItemClick = [&](TObject*, TCustomItem*) { order.push_back(L"click"); };
    item->OnInternalFocus = [&](TObject*, TCustomItem* it) {
        order.push_back(L"focus");
        EXPECT_TRUE(it->GetItemFocused());
    };
    item->OnItemDblClick = [&](TObject*, TCustomItem*) { order.push_back(L"double"); };
    item->OnInternalItemDblClick = [&](TObject*, TCustomItem*) { order.push_back(L"internal double"); };
    TPointer pointer;
    pointer.Items = {item.get()};
    pointer.Click(1, 1);
    item->DoDblClick(nullptr, pointer.At(1, 1), pointer.Appearance);
    item->DoDblClick(nullptr, pointer.At(500, 1), pointer.Appearance);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"internal", L"click", L"focus", L"internal double", L"double"}));
}

TEST(ItemBehaviour, HitEdgesAndTheEmptyBadge) {
    auto item = MakeItem(10, 20);  // 100 x 30
    EXPECT_TRUE(item->IsItemAtXY(10, 20));
    EXPECT_TRUE(item->IsItemAtXY(109, 49));
    EXPECT_FALSE(item->IsItemAtXY(110, 30)) << "the right edge is outside";
    EXPECT_FALSE(item->IsItemAtXY(50, 50)) << "the bottom edge is outside";

    // A badge rectangle as a paint leaves it: (90, 14, 20, 16).
    item->Status().SetRect(MakeRect(90, 14, 20, 16));
    item->Status().SetVisible(true);
    EXPECT_FALSE(item->IsStatusAtXY(95, 20)) << "visible but empty: no hit";
    EXPECT_EQ(item->GetItemInteraction(95, 25), itDefault);
    item->Status().SetCaption(L"3");
    EXPECT_TRUE(item->IsStatusAtXY(110, 20)) << "the badge's right edge is on the badge";
    EXPECT_TRUE(item->IsStatusAtXY(90, 30));
    EXPECT_EQ(item->GetItemInteraction(110, 25), itStatus);
    EXPECT_EQ(item->GetItemInteraction(111, 25), itNone);
    item->Status().SetVisible(false);
    EXPECT_EQ(item->GetItemInteraction(95, 25), itDefault);
}

TEST(ItemBehaviour, StatusHoverAndHints) {
    auto item = MakeItem(0, 0);
    item->SetHint(L"item");
    item->Status().SetHint(L"badge");
    item->Status().SetCaption(L"1");
    item->Status().SetVisible(true);
    item->Status().SetRect(MakeRect(80, -6, 20, 16));
    std::vector<std::wstring> order;
    item->OnInternalItemHint = [&](TObject*, TCustomItem*, std::wstring& h) {
        order.push_back(L"internal " + h);
        h += L"+i";
    };
    item->OnItemHint = [&](TObject*, TCustomItem*, std::wstring& h) {
        order.push_back(L"user " + h);
        h += L"+u";
    };
    item->OnItemStatusHint = [&](TObject*, TCustomItem*, std::wstring& h) { h = L"status " + h; };
    TPointer pointer;
    pointer.Items = {item.get()};

    THintInfo info;
    info.ReshowTimeout = 500;
    TMessage m{CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info), 0};
    item->DoCMHintShow(m, pointer.At(10, 15));
    EXPECT_EQ(info.HintStr, L"item+i+u");
    EXPECT_EQ(info.ReshowTimeout, 0);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"internal item", L"user item+i"}));
    item->DoCMHintShow(m, pointer.At(85, 0));
    EXPECT_EQ(info.HintStr, L"status badge");

    pointer.Move(10, 15);
    EXPECT_EQ(item->GetState(), isHovered);
    pointer.Move(85, 0);
    EXPECT_EQ(item->GetStatusState(), ssHovered);
    EXPECT_EQ(item->GetState(), isNormal) << "the badge takes the hover from the item";
    pointer.Leave();
    EXPECT_EQ(item->GetStatusState(), ssNormal);
}

TEST(ItemBehaviour, ChangePropagation) {
    auto item = MakeItem(0, 0);
    int changes = 0;
    std::vector<int> indexMoves;
    item->OnChange = [&](TObject*) { ++changes; };
    item->OnInternalIndexChange = [&](TObject*, TCustomItem*, int from, int to) {
        EXPECT_EQ(changes, 0) << "the index notice comes before the change";
        indexMoves = {from, to};
    };
    item->SetIndex(4);
    EXPECT_EQ(indexMoves, (std::vector<int>{0, 4}));
    EXPECT_EQ(changes, 1);
    item->SetIndex(4);
    EXPECT_EQ(changes, 1) << "an equal value changes nothing";
    item->ApplyIndex(7);
    EXPECT_EQ(item->GetIndex(), 7);
    EXPECT_EQ(changes, 1) << "ApplyIndex stores silently";

    item->Status().SetCaption(L"2");
    item->Status().Appearance().GetFill()->SetColor(clGreen);
    item->ControlMargin().SetLeft(9);
    item->CaptionMargin().SetTop(1);
    EXPECT_EQ(changes, 5) << "badge, its look and the margins change the item";

    item->BeginUpdate();
    item->SetCaption(L"a");
    item->SetDescription(L"b");
    item->SetWidth(75);
    EXPECT_EQ(changes, 5);
    item->EndUpdate();
    EXPECT_EQ(changes, 6) << "one change when the update ends";

    item->SetState(isHovered);
    item->SetSelectable(false);
    EXPECT_EQ(item->GetState(), isNormal) << "Selectable resets the state";
}

TEST(ItemBehaviour, DestructionNoticeComesWhileTheItemIsWhole) {
    TCustomItem* seen = nullptr;
    std::wstring caption;
    {
        auto item = MakeItem(0, 0);
        item->SetCaption(L"going");
        item->OnInternalDestroy = [&](TObject* sender, TCustomItem* it) {
            seen = it;
            EXPECT_EQ(sender, it);
            caption = static_cast<TTextItem*>(it)->GetCaption();
        };
    }
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(caption, L"going");
}

TEST(ItemBehaviour, HostedControlIsParentedHiddenAndForgotten) {
    TOwnedPtr<TCustomControl> host(Make<TCustomControl>(nullptr));
    TCustomItem* item = Make<TTextItem>(host.get());
    TWinControl* edit = Make<TCustomControl>(nullptr);
    int changes = 0;
    item->OnChange = [&](TObject*) { ++changes; };
    item->SetControl(edit);
    EXPECT_EQ(edit->Parent(), host.get()) << "a control of an item in a window is parented there";
    EXPECT_EQ(changes, 1);
    item->SetVisible(false);
    EXPECT_FALSE(edit->GetVisible()) << "hiding the item hides its control";
    item->SetControl(nullptr);
    EXPECT_TRUE(edit->GetVisible()) << "a control let go of is shown again";
    item->SetControl(edit);
    edit->Free();
    EXPECT_EQ(item->GetControl(), nullptr) << "a control freed elsewhere is forgotten";

    // An item inside an item hides its control.
    TCustomItem* inner = Make<TTextItem>(item);
    TWinControl* other = Make<TCustomControl>(host.get());
    other->SetVisible(true);
    inner->SetControl(other);
    EXPECT_FALSE(other->GetVisible());
}

TEST(ItemBehaviour, ActionHintVisibleAndImageIndexFollowTheAction) {
    TOwnedPtr<TComponent> owner(new TComponent(nullptr));
    auto* action = new TAction(owner.get());
    action->SetHint(L"from action");
    action->SetImageIndex(2);
    TOwnedPtr<TImageTextItem> item(Make<TImageTextItem>(nullptr));
    int executed = 0;
    action->OnExecute = [&](TObject*) { ++executed; };
    item->SetAction(action);
    EXPECT_EQ(item->GetHint(), L"from action");
    EXPECT_EQ(item->GetImageIndex(), 2);
    action->SetHint(L"changed");
    action->SetImageIndex(5);
    action->SetVisible(false);
    EXPECT_EQ(item->GetHint(), L"changed");
    EXPECT_EQ(item->GetImageIndex(), 5);
    EXPECT_FALSE(item->GetVisible());
    item->SetHint(L"own");
    EXPECT_FALSE(item->IsHintLinked(action)) << "a hint of its own is no longer linked";
    item->SetHint(L"changed");
    EXPECT_TRUE(item->IsHintLinked(action));
    EXPECT_FALSE(item->IsCaptionLinked(action));
    item->DoAction();
    EXPECT_EQ(executed, 1);
    action->Free();
    EXPECT_EQ(item->GetAction(), nullptr);
    item->DoAction();
    EXPECT_EQ(executed, 1);
}

TEST(ItemBehaviour, AssignCopiesValuesAndEventsSeparately) {
    auto source = MakeItem(5, 6);
    source->SetTag(9);
    source->SetLevel(2);
    source->SetHint(L"h");
    source->SetCaption(L"c");
    source->SetDescription(L"d");
    source->SetReadOnly(true);
    source->Status().SetCaption(L"7");
    source->Status().SetHint(L"not copied");
    source->Status().SetPosition(spItemRectangle);
    source->CaptionMargin().SetLeft(40);
    int clicks = 0;
    source->OnItemClick = [&](TObject*, TCustomItem*) { ++clicks; };
    auto target = MakeItem(0, 0);
    int changes = 0;
    target->OnChange = [&](TObject*) { ++changes; };
    target->Assign(source.get());
    EXPECT_EQ(changes, 1) << "one change at the end";
    EXPECT_EQ(target->GetX(), 5);
    EXPECT_EQ(target->GetY(), 6);
    EXPECT_EQ(target->GetTag(), 9);
    EXPECT_EQ(target->GetLevel(), 2);
    EXPECT_EQ(target->GetHint(), L"h");
    EXPECT_EQ(target->GetCaption(), L"c");
    EXPECT_EQ(target->GetDescription(), L"d");
    EXPECT_TRUE(target->GetReadOnly());
    EXPECT_EQ(target->CaptionMargin().GetLeft(), 40);
    EXPECT_EQ(target->Status().GetCaption(), L"7");
    EXPECT_EQ(target->Status().GetHint(), L"") << "the badge hint is not copied";
    EXPECT_EQ(target->Status().GetPosition(), spItemText) << "nor its position";
    EXPECT_FALSE(target->OnItemClick) << "events travel only with AssignEvents";
    target->AssignEvents(source.get());
    target->OnItemClick(nullptr, nullptr);
    EXPECT_EQ(clicks, 1);
}

namespace {

// A container as the lists will be: takes items through IGDIPBase.
class TItemHostForTest : public TCustomControl, public IGDIPBase {
public:
    ORV_CLASS_NAME(TItemHostForTest)
    using TCustomControl::TCustomControl;
    void ReadItem(TComponent* item) override { OfferItemToContainer(this, item); }
    void ReadItem(TLayoutReader* /*reader*/, TCustomItem* item) override { Read.push_back(item); }
    void AttachItem(TComponent* parent, TCustomItem* item) override {
        EXPECT_EQ(parent, this);
        Attached.push_back(item);
    }
    std::vector<TCustomItem*> Read;
    std::vector<TCustomItem*> Attached;
};

}  // namespace

TEST(ItemBehaviour, AParentSetOutsideLoadingAttachesTheItem) {
    TOwnedPtr<TItemHostForTest> host(Make<TItemHostForTest>(nullptr));
    TOwnedPtr<TTextItem> item(Make<TTextItem>(nullptr));
    item->SetParentComponent(host.get());
    ASSERT_EQ(host->Attached.size(), 1u);
    EXPECT_EQ(host->Attached[0], item.get());
    EXPECT_EQ(item->GetParentComponent(), host.get());
    EXPECT_EQ(item->ItemOwner(), host.get());
    EXPECT_EQ(TCustomItem::GetCustomControlOwner(item.get()), host.get());
}

TEST(ItemBehaviour, KeyTipWindowIsPlacedByTheTableOverTheHostWindow) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    TTextItem* item = Make<TTextItem>(form.get());
    item->SetX(40);
    item->SetY(50);
    item->SetWidth(120);
    item->SetHeight(30);
    item->SetShortCutHint(L"S");
    TItemShortCutHintPos asked = ishpTop;
    item->OnGetShortCutHintPos = [&](TObject*, TItemShortCutHintPos& pos) { pos = asked; };
    for (TItemShortCutHintPos pos : {ishpTop, ishpAuto, ishpBelowBottomRight, ishpLeft}) {
        asked = pos;
        item->ShowShortCutHint();
        TShortCutHintWindow* tip = item->ShortCutHintWindow();
        ASSERT_NE(tip, nullptr);
        ASSERT_TRUE(IsWindowVisible(tip->Handle()));
        RECT wr;
        GetWindowRect(tip->Handle(), &wr);
        POINT origin{40, 50};
        ClientToScreen(form->Handle(), &origin);
        int w = wr.right - wr.left, h = wr.bottom - wr.top;
        int left = 0, top = 0;
        switch (pos) {
            case ishpTop:
            case ishpAuto:
                left = origin.x + (120 - w) / 2, top = origin.y - h / 2;
                break;
            case ishpBelowBottomRight:
                left = origin.x + 120 - w + 1, top = origin.y + 30;
                break;
            default:
                left = origin.x + 6, top = origin.y + (30 - h) / 2;
                break;
        }
        EXPECT_EQ(wr.left, left) << "position " << int(pos);
        EXPECT_EQ(wr.top, top) << "position " << int(pos);
    }
    item->HideShortCutHint();
    EXPECT_FALSE(IsWindowVisible(item->ShortCutHintWindow()->Handle()));
}

TEST(ItemBehaviour, NoKeyTipWithoutAWindowAmongTheOwners) {
    TOwnedPtr<TTextItem> item(Make<TTextItem>(nullptr));
    item->SetShortCutHint(L"K");
    item->ShowShortCutHint();
    EXPECT_EQ(item->ShortCutHintWindow(), nullptr);
    item->HideShortCutHint();
}
