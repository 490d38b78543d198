// The items container in a real window, driven by the real pointer and keyboard:
// selection reaching the application, the drag threshold and reordering, read-only,
// key tips, handles with their repeat, the wheel, focus, and the painted details
// (border sides, the hovered item, the drop marker, handles).
#include "itemlist/OrvPolyList.h"
// clang-format off
#include <gtest/gtest.h>

#include "buttons/GlowButtonTestSupport.h"
#include "itemlist/GDIPTextItem.h"
// clang-format on

using namespace orv;
using namespace glowtest;

namespace {

struct TListWindow : TFixture {
    TOrvPolyList* List = nullptr;
    std::vector<TCustomItem*> Selects;
    std::vector<TCustomItem*> Clicks;
    bool Allow = true;

    explicit TListWindow(int items = 3, int height = 200) {
        List = new TOrvPolyList(Form.get());
        List->SetBounds(10, 10, 200, height);
        List->SetParent(Form.get());
        List->OnItemSelect = [this](TObject* sender, TCustomItem* item, bool& allow) {
            EXPECT_EQ(sender, item) << "the item is the sender";
            Selects.push_back(item);
            allow = Allow;
        };
        for (int i = 0; i < items; ++i) {
            auto* it = List->AddItem<TTextItem>();
            it->SetCaption(L"Item " + std::to_wstring(i));
            it->OnItemClick = [this](TObject*, TCustomItem* item) { Clicks.push_back(item); };
        }
        orvtest::PumpFor(50);
    }
    // Client point in the middle of item i.
    TPoint Mid(int i) const {
        TCustomItem* it = List->Items(i);
        return {it->GetX() + it->GetWidth() / 2, it->GetY() + it->GetHeight() / 2};
    }
    void Press(int i) {
        PointAt(List, Mid(i).X, Mid(i).Y);
        LeftDown();
    }
};

}  // namespace

TEST(ItemsContainerInput, AClickSelectsThroughTheApplicationsHandlerWhichMayVeto) {
    TListWindow w;
    ClickAt(w.List, w.Mid(1).X, w.Mid(1).Y);
    ASSERT_EQ(w.Selects.size(), 1u);
    EXPECT_EQ(w.Selects[0], w.List->Items(1));
    EXPECT_EQ(w.List->Items(1)->GetState(), isSelected);
    EXPECT_EQ(w.Clicks.size(), 1u);
    EXPECT_TRUE(w.List->Focused());

    w.Allow = false;
    ClickAt(w.List, w.Mid(2).X, w.Mid(2).Y);
    EXPECT_EQ(w.Selects.size(), 2u);
    EXPECT_NE(w.List->Items(2)->GetState(), isSelected) << "vetoed";
    EXPECT_EQ(w.List->List().FocusedItemIndex, 2);
}

TEST(ItemsContainerInput, DragStartsBeyondFivePixelsAndADropReorders) {
    TListWindow w;
    TCustomItem* first = w.List->Items(0);
    w.Press(0);
    PointAt(w.List, w.Mid(0).X, w.Mid(0).Y + 5);
    EXPECT_FALSE(TDragOperation::Active()) << "5 pixels start no drag";
    LeftUp();
    EXPECT_EQ(w.Clicks.size(), 1u) << "and the release clicks";

    w.Press(2);
    TCustomItem* dragged = w.List->Items(2);
    PointAt(w.List, w.Mid(2).X + 6, w.Mid(2).Y);
    EXPECT_TRUE(TDragOperation::Active()) << "6 pixels do";
    PointAt(w.List, w.Mid(1).X, w.List->Items(1)->GetY() + 2);
    EXPECT_EQ(w.List->DropItem(), w.List->Items(1));
    LeftUp();
    EXPECT_FALSE(TDragOperation::Active());
    EXPECT_EQ(w.Clicks.size(), 1u) << "the release after a drag clicks nothing";
    EXPECT_EQ(w.List->Items(1), dragged) << "dropped on index 1";
    EXPECT_EQ(dragged->GetIndex(), 1);
    EXPECT_EQ(dragged->GetY(), 38) << "laid out again";
    EXPECT_EQ(w.List->Items(0), first);
}

TEST(ItemsContainerInput, ReadOnlyIgnoresItemsButStillDrags) {
    TListWindow w;
    w.List->SetReadOnly(true);
    ClickAt(w.List, w.Mid(0).X, w.Mid(0).Y);
    EXPECT_TRUE(w.Selects.empty());
    EXPECT_TRUE(w.Clicks.empty());
    EXPECT_NE(w.List->Items(0)->GetState(), isHovered);
    Keys({VK_DOWN});
    EXPECT_EQ(w.List->List().SelectedItem(), nullptr);
    w.Press(0);
    PointAt(w.List, w.Mid(0).X, w.Mid(0).Y + 6);
    EXPECT_TRUE(TDragOperation::Active());
    LeftUp();
}

TEST(ItemsContainerInput, AltShowsKeyTipsAndTypingOneSelectsAndClicks) {
    TListWindow w;
    w.List->Items(0)->SetShortCutHint(L"A");
    w.List->Items(2)->SetShortCutHint(L"C");
    w.List->SetFocus();
    orvtest::PumpFor(30);
    Keys({VK_MENU});
    ASSERT_TRUE(w.List->ShortCutHintsShown());
    EXPECT_NE(w.List->Items(2)->ShortCutHintWindow(), nullptr);
    Keys({'C'});
    EXPECT_FALSE(w.List->ShortCutHintsShown());
    EXPECT_EQ(w.List->Items(2)->GetState(), isSelected);
    ASSERT_EQ(w.Clicks.size(), 1u);
    EXPECT_EQ(w.Clicks[0], w.List->Items(2));

    Keys({VK_MENU});
    ASSERT_TRUE(w.List->ShortCutHintsShown());
    Keys({VK_DOWN});
    EXPECT_FALSE(w.List->ShortCutHintsShown()) << "an arrow key hides the tips";

    // A hidden item's tip is not among those typed.
    w.List->Items(1)->SetShortCutHint(L"B");
    w.List->Items(1)->SetVisible(false);
    Keys({VK_MENU});
    ASSERT_TRUE(w.List->ShortCutHintsShown());
    Keys({'B'});
    EXPECT_TRUE(w.List->ShortCutHintsShown());
    EXPECT_NE(w.List->Items(1)->GetState(), isSelected);
    EXPECT_EQ(w.Clicks.size(), 1u);
}

TEST(ItemsContainerInput, KeysMoveTheSelectionAndTabFromTheLastItemLeaves) {
    TListWindow w;
    auto* other = new TOrvPolyList(w.Form.get());
    other->SetBounds(220, 10, 100, 100);
    other->SetParent(w.Form.get());
    w.List->SetFocus();
    orvtest::PumpFor(30);
    Keys({VK_DOWN});
    Keys({VK_DOWN});
    EXPECT_EQ(w.List->List().SelectedItem(), w.List->Items(1));
    Keys({VK_PRIOR});
    EXPECT_EQ(w.List->List().SelectedItem(), w.List->Items(1)) << "page keys change nothing";
    w.List->List().FocusedItemIndex = 1;
    Keys({VK_TAB});
    EXPECT_EQ(w.List->List().FocusedItemIndex, 2);
    EXPECT_TRUE(w.List->Focused());
    Keys({VK_TAB});
    EXPECT_TRUE(other->Focused()) << "tab from the last item leaves the list";
    EXPECT_EQ(w.List->List().FocusedItemIndex, 0);
}

TEST(ItemsContainerInput, EnterAndEscapeReachTheFormsButtons) {
    TListWindow w;
    TOrvGlowButton* ok = w.Add(220, 10);
    TOrvGlowButton* cancel = w.Add(220, 60);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    int oks = 0, cancels = 0;
    ok->OnClick = [&](TObject*) { ++oks; };
    cancel->OnClick = [&](TObject*) { ++cancels; };
    w.List->SetFocus();
    orvtest::PumpFor(30);
    Keys({VK_DOWN});
    EXPECT_EQ(w.List->List().SelectedItem(), w.List->Items(0)) << "the list keeps its arrows";
    Keys({VK_RETURN});
    EXPECT_EQ(oks, 1) << "Enter is the form's";
    Keys({VK_ESCAPE});
    EXPECT_EQ(cancels, 1) << "Escape is the form's";
}

TEST(ItemsContainerInput, HandlesScrollOnReleaseAndRepeatWhileHeld) {
    TListWindow w(40, 150);  // content 3 + 40 * 35 - 5 + 3 = 1401 high
    w.List->SetScrollType(stHandles);
    orvtest::PumpFor(30);
    ASSERT_TRUE(w.List->HandleShown(hkBottom));
    EXPECT_FALSE(w.List->HandleShown(hkTop));
    EXPECT_FALSE(w.List->VertScrollBar().IsScrollBarVisible());
    int inc = w.List->VertScrollBar().GetIncrement();
    TGPRectF box = w.List->HandleRect(hkBottom);
    int hx = int(box.X + box.Width / 2), hy = w.List->ClientHeight() - 4;
    PointAt(w.List, hx, hy);
    LeftDown();
    EXPECT_EQ(w.List->VerticalPosition(), 0) << "a press scrolls nothing";
    EXPECT_TRUE(w.Selects.empty());
    // One message at a time: repeat ticks may come faster than a paint under Wine.
    auto pump = [](int ms) {
        DWORD end = GetTickCount() + static_cast<DWORD>(ms);
        while (static_cast<int>(end - GetTickCount()) > 0) {
            MSG msg;
            if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            } else {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            }
        }
    };
    pump(150);
    EXPECT_EQ(w.List->VerticalPosition(), 0) << "no repeat before 300 ms";
    pump(400);
    int held = w.List->VerticalPosition();
    EXPECT_GT(held, inc) << "repeating after 300 ms";
    ASSERT_LT(held + inc, w.List->VertScrollBar().MaxPosition()) << "room left for the release's step";
    LeftUp();
    EXPECT_EQ(w.List->VerticalPosition(), held + inc) << "the release adds one step";
    EXPECT_TRUE(w.List->HandleShown(hkTop));
    EXPECT_EQ(w.List->Items(0)->GetY(), 3 - w.List->VerticalPosition());
}

TEST(ItemsContainerInput, AWheelNotchScrolls120) {
    TListWindow w(12, 150);
    ASSERT_TRUE(w.List->VertScrollBar().IsScrollBarVisible());
    PointAt(w.List, 50, 50);
    w.List->SetFocus();
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
    in.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
    SendInput(1, &in, sizeof(in));
    orvtest::PumpFor(50);
    EXPECT_EQ(w.List->VerticalPosition(), 120);
    EXPECT_EQ(w.List->Items(0)->GetY(), 3 - 120);
    EXPECT_EQ(GetScrollPos(w.List->Handle(), SB_VERT), 120);
    SendInput(1, &in, sizeof(in));
    SendInput(1, &in, sizeof(in));
    SendInput(1, &in, sizeof(in));
    orvtest::PumpFor(50);
    EXPECT_EQ(w.List->VerticalPosition(), w.List->VertScrollBar().GetRange() - 150) << "down to range - thumb";
}

TEST(ItemsContainerInput, DraggingNearAnEdgeScrollsUntilThePointerLeavesIt) {
    TListWindow w(12, 150);  // content 3 + 12 * 35 - 5 + 3 = 421 high: up to 272 down
    ASSERT_TRUE(w.List->VertScrollBar().IsScrollBarVisible());
    int x = w.Mid(0).X, h = w.List->ClientHeight();
    w.Press(0);
    PointAt(w.List, x, w.Mid(0).Y + 6);
    ASSERT_TRUE(TDragOperation::Active());
    PointAt(w.List, x, h / 2);
    orvtest::PumpFor(120);
    EXPECT_EQ(w.List->VerticalPosition(), 0) << "away from the edges nothing scrolls";

    // Resting 10 pixels above the bottom edge: the timer scrolls without further moves.
    PointAt(w.List, x, h - 10);
    orvtest::PumpFor(150);
    int first = w.List->VerticalPosition();
    EXPECT_GT(first, 0) << "near the bottom the list scrolls down";
    orvtest::PumpFor(150);
    int second = w.List->VerticalPosition();
    EXPECT_TRUE(second > first || second == 272) << "and goes on while the pointer rests there";
    EXPECT_EQ(w.List->Items(0)->GetY(), 3 - second) << "the items follow the position";

    PointAt(w.List, x, h / 2);
    int stopped = w.List->VerticalPosition();
    orvtest::PumpFor(150);
    EXPECT_EQ(w.List->VerticalPosition(), stopped) << "back in the middle the scrolling stops";

    PointAt(w.List, x, 8);
    orvtest::PumpFor(150);
    EXPECT_LT(w.List->VerticalPosition(), stopped) << "near the top it scrolls back up";
    LeftUp();
    EXPECT_FALSE(TDragOperation::Active());
    int after = w.List->VerticalPosition();
    orvtest::PumpFor(100);
    EXPECT_EQ(w.List->VerticalPosition(), after) << "the drop ends the scrolling";
}

// --- pixels -----------------------------------------------------------------------------------

TEST(ItemsContainerPaint, TransitionBorderDrawsOnlyTheChosenSide) {
    TListWindow w(0, 100);
    w.List->Fill().SetBorderColor(0x0000FF);
    w.List->SetBorderMode(bmTransition);
    w.List->SetBorderTypes(BorderBit(btNormalRight));
    auto bmp = Snapshot(w.List);
    int W = w.List->Width(), H = w.List->Height();
    EXPECT_EQ(bmp->PixelColor(W - 1, H / 2), 0x0000FF);
    EXPECT_EQ(bmp->PixelColor(W - 2, H / 2), 0xFFFFFF);
    EXPECT_EQ(bmp->PixelColor(0, H / 2), 0xFFFFFF);
    EXPECT_EQ(bmp->PixelColor(W / 2, 0), 0xFFFFFF);
    EXPECT_EQ(bmp->PixelColor(W / 2, H - 1), 0xFFFFFF);
}

TEST(ItemsContainerPaint, HoveredItemDropMarkerAndFocusOutline) {
    TListWindow w;
    TCustomItem* it = w.List->Items(1);
    PointAt(w.List, w.Mid(1).X, w.Mid(1).Y);
    ASSERT_EQ(it->GetState(), isHovered);
    auto bmp = Snapshot(w.List);
    // The glow lightens part of the body: somewhere down its left side the colour shows pure.
    int bodyHits = 0;
    for (int y = it->GetY() + 3; y < it->GetY() + it->GetHeight() - 3; ++y)
        bodyHits += Near(bmp->PixelColor(it->GetX() + 8, y), 0x8AE3FD, 8) ? 1 : 0;
    EXPECT_GT(bodyHits, 2) << "the hovered body colour";
    EXPECT_TRUE(Near(bmp->PixelColor(it->GetX(), it->GetY() + it->GetHeight() / 2), 0x60CDF2, 24)) << "the frame";
    EXPECT_EQ(bmp->PixelColor(w.List->Items(0)->GetX() + 3, w.List->Items(0)->GetY() + 3), 0xFFFFFF)
        << "a normal item has no body";

    // The drop marker: a line 2 pixels above the target while item 2 is dragged over item 0.
    PointAt(w.List, w.Mid(2).X, w.Mid(2).Y);
    LeftDown();
    bool accept = false;
    w.List->DragOver(w.List, w.Mid(0).X, w.Mid(0).Y, dsDragEnter, accept);
    EXPECT_TRUE(accept);
    auto marked = Snapshot(w.List);
    TCustomItem* target = w.List->Items(0);
    EXPECT_EQ(marked->PixelColor(target->GetX() + 40, target->GetY() - 2) & 0xFF, 0xFF);
    EXPECT_LT((marked->PixelColor(target->GetX() + 40, target->GetY() - 2) >> 16) & 0xFF, 0x80) << "red";
    w.List->DragOver(w.List, 0, 0, dsDragLeave, accept);
    LeftUp();

    // The focus outline follows the window focus.
    PointAt(w.List, 150, 190);
    w.List->List().FocusedItemIndex = 0;
    SetFocus(w.Form->Handle());
    auto unfocused = Snapshot(w.List);
    w.List->SetFocus();
    w.List->List().FocusedItemIndex = 0;
    auto focused = Snapshot(w.List);
    auto differs = [&](TBitmap& a, TBitmap& b) {
        int n = 0;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 40; ++y) n += a.PixelColor(x, y) != b.PixelColor(x, y) ? 1 : 0;
        return n;
    };
    EXPECT_GT(differs(*unfocused, *focused), 10) << "the outline appears with the focus";
}

TEST(ItemsContainerInput, TheDropMarkerLiesHalfTheSpacingBeforeTheTarget) {
    // Spacings of 5: the marker is 2.5 before the target, not 2.
    TListWindow w;
    TCustomItem* target = w.List->Items(2);
    TGPPointF from{}, to{};
    PointAt(w.List, w.Mid(0).X, w.Mid(0).Y);
    LeftDown();
    bool accept = false;
    w.List->DragOver(w.List, w.Mid(2).X, w.Mid(2).Y, dsDragEnter, accept);
    ASSERT_EQ(w.List->DropItem(), target);
    ASSERT_TRUE(w.List->DropMarkerLine(from, to));
    EXPECT_FLOAT_EQ(from.Y, target->GetY() - 2.5f) << "above the target, the dragged item lying above it";
    EXPECT_FLOAT_EQ(to.Y, from.Y);
    EXPECT_FLOAT_EQ(from.X, float(target->GetX()));
    EXPECT_FLOAT_EQ(to.X, float(target->GetX() + target->GetWidth()));
    w.List->DragOver(w.List, 0, 0, dsDragLeave, accept);
    LeftUp();
    EXPECT_FALSE(w.List->DropMarkerLine(from, to)) << "none once the drag left";

    // Side by side: a column left of the target.
    w.List->SetColumns(3);
    w.List->SetWidth(400);
    orvtest::PumpFor(30);
    ASSERT_EQ(target->GetY(), w.List->Items(0)->GetY()) << "one row";
    PointAt(w.List, w.Mid(0).X, w.Mid(0).Y);
    LeftDown();
    w.List->DragOver(w.List, w.Mid(2).X, w.Mid(2).Y, dsDragEnter, accept);
    ASSERT_EQ(w.List->DropItem(), target);
    ASSERT_TRUE(w.List->DropMarkerLine(from, to));
    EXPECT_FLOAT_EQ(from.X, target->GetX() - 2.5f);
    EXPECT_FLOAT_EQ(to.X, from.X);
    EXPECT_FLOAT_EQ(from.Y, float(target->GetY()));
    EXPECT_FLOAT_EQ(to.Y, float(target->GetY() + target->GetHeight()));
    w.List->DragOver(w.List, 0, 0, dsDragLeave, accept);
    LeftUp();
}

namespace {
// A band the form paints as its own graphic child.
class TBand : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    TColor Colour = 0x2080F0;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(Colour);
        Canvas().FillRect({0, 0, Width(), Height()});
    }
};
}  // namespace

TEST(ItemsContainerPaint, ATransparentListShowsItsParentWhereItsFillIsClear) {
    TListWindow w(1, 200);  // the list covers the form's (10, 10) to (210, 210)
    w.Form->SetColor(0x40A040);
    auto* band = new TBand(w.Form.get());
    band->SetBounds(0, 150, 300, 20);
    band->SetParent(w.Form.get());
    w.List->SetColor(0x00FFFF);
    w.List->Fill().SetColor(clNone);
    w.List->Fill().SetColorTo(clNone);
    w.List->Fill().SetBorderColor(clNone);
    w.List->SetTransparent(true);
    w.Form->Invalidate();
    orvtest::PumpFor(100);
    EXPECT_EQ(ScreenPixel(w.List, 150, 100), 0x40A040) << "the form's colour beneath the list";
    EXPECT_EQ(ScreenPixel(w.List, 150, 150), 0x2080F0) << "the form's graphic child beneath the list";
    EXPECT_EQ(ScreenPixel(w.List, 150, 139), 0x40A040) << "the band starts where the form put it";
    EXPECT_FALSE(w.List->VertScrollBar().IsScrollBarVisible());

    // The items still paint over what shows through.
    PointAt(w.List, w.Mid(0).X, w.Mid(0).Y);
    orvtest::PumpFor(60);
    TCustomItem* it = w.List->Items(0);
    int hovered = 0;
    for (int y = it->GetY() + 3; y < it->GetY() + it->GetHeight() - 3; ++y)
        hovered += Near(ScreenPixel(w.List, it->GetX() + 8, y), 0x8AE3FD, 8) ? 1 : 0;
    EXPECT_GT(hovered, 2) << "the hovered item's body over the parent";
    EXPECT_EQ(ScreenPixel(w.List, 150, 100), 0x40A040);

    // Opaque again: the list's own colour, nothing of the parent.
    PointAt(w.List, 150, 190);
    w.List->SetTransparent(false);
    orvtest::PumpFor(100);
    EXPECT_EQ(ScreenPixel(w.List, 150, 100), 0x00FFFF);
    EXPECT_EQ(ScreenPixel(w.List, 150, 150), 0x00FFFF);
}

TEST(ItemsContainerPaint, HandlesAreHalfDiscsAtTheEdgesThatCanScroll) {
    TListWindow w(12, 150);
    w.List->SetScrollType(stHandles);
    auto bmp = Snapshot(w.List);
    int W = w.List->ClientWidth(), H = w.List->ClientHeight();
    TColor bottom = bmp->PixelColor(W / 2, H - 6);
    EXPECT_FALSE(Near(bottom, 0xFFFFFF, 10)) << "the bottom handle is painted";
    EXPECT_TRUE(Near(bottom, 0xC0C0C0, 40));
    EXPECT_EQ(bmp->PixelColor(W / 2, 1), 0xFFFFFF) << "no top handle at position 0";
    EXPECT_EQ(bmp->PixelColor(W / 2 - 30, H - 6), 0xFFFFFF) << "outside the half disc";
}
