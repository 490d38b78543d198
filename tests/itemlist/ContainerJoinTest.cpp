// Joining two containers (placement, border sides, the gradient strip in pixels), and
// the expand and anchor interfaces the items call.
#include "itemlist/OrvPolyList.h"
// clang-format off
#include <gtest/gtest.h>

#include "buttons/GlowButtonTestSupport.h"
#include "itemlist/GDIPTextItem.h"
// clang-format on

using namespace orv;
using namespace glowtest;

namespace {

int Red(TColor c) {
    return c & 0xFF;
}
int Blue(TColor c) {
    return (c >> 16) & 0xFF;
}

}  // namespace

TEST(ItemsContainerJoin, TheOtherIsPlacedAndTheSharedSideGetsAGradientStrip) {
    TFixture f;
    auto* a = new TOrvPolyList(f.Form.get());
    auto* b = new TOrvPolyList(f.Form.get());
    a->SetParent(f.Form.get());
    b->SetParent(f.Form.get());
    a->SetBounds(100, 50, 120, 80);
    b->SetBounds(0, 0, 60, 40);
    for (auto* c : {a, b}) {
        c->Fill().SetBorderColor(0x0000FF);
        c->Fill().SetColor(0xFFFFFF);
        c->Fill().SetColorTo(0xFFFFFF);
    }
    a->ConnectContainer(b, ccRight, cmGradientBorder);

    EXPECT_EQ(b->Left(), 220) << "this Left + this Width";
    EXPECT_EQ(b->Top(), 50);
    EXPECT_EQ(a->GetBorderMode(), bmTransition);
    EXPECT_EQ(b->GetBorderMode(), bmTransition);
    EXPECT_EQ(a->GetBorderTypes(), BorderBit(btNormalLeft) | BorderBit(btNormalTop) | BorderBit(btNormalBottom) |
                                       BorderBit(btGradientRight));
    EXPECT_EQ(b->GetBorderTypes(), BorderBit(btNormalTop) | BorderBit(btNormalRight) | BorderBit(btNormalBottom));

    auto pa = Snapshot(a);
    int W = a->ClientWidth(), H = a->ClientHeight();
    EXPECT_EQ(pa->PixelColor(0, H / 2), 0x0000FF) << "the left line";
    EXPECT_EQ(pa->PixelColor(W / 2, 0), 0x0000FF) << "the top line";
    EXPECT_EQ(pa->PixelColor(W - 4, H / 2), 0xFFFFFF) << "the fill inside";
    // The strip (W - 2, 1, 2, H - 2) has the border colour on its middle line and the
    // surround colour (white) on its inner edge.
    TColor strip = pa->PixelColor(W - 1, H / 2);
    EXPECT_TRUE(Red(strip) > 0xC0 && Blue(strip) < 0xF0) << std::hex << strip;
    EXPECT_EQ(pa->PixelColor(W - 1, 0), 0x0000FF) << "the top line runs over the strip's end";

    auto pb = Snapshot(b);
    EXPECT_EQ(pb->PixelColor(0, b->ClientHeight() / 2), 0xFFFFFF) << "the joined side of the other has no line";
    EXPECT_EQ(pb->PixelColor(b->ClientWidth() - 1, b->ClientHeight() / 2), 0x0000FF);

    // The other sides and modes: ccBottom with a normal border puts the line back.
    auto* c = new TOrvPolyList(f.Form.get());
    c->SetBounds(0, 0, 70, 30);
    a->ConnectContainer(c, ccBottom, cmNormalBorder);
    EXPECT_EQ(c->Left(), 100);
    EXPECT_EQ(c->Top(), 130) << "this Top + this Height";
    EXPECT_TRUE(a->GetBorderTypes() & BorderBit(btNormalBottom));
    EXPECT_FALSE(c->GetBorderTypes() & BorderBit(btNormalTop));
    a->ConnectContainer(c, ccLeft, cmNoBorder);
    EXPECT_EQ(c->Left(), 30) << "this Left - its Width";
    EXPECT_FALSE(a->GetBorderTypes() & BorderBit(btNormalLeft));
}

TEST(ItemsContainerInterfaces, ExpandHidesTheFollowingItemsAndAnchorsSwapTheCursor) {
    TOwnedPtr<TOrvPolyList> list(Make<TOrvPolyList>(nullptr));
    list->SetBounds(0, 0, 200, 300);
    for (int i = 0; i < 5; ++i) list->AddItem<TTextItem>();
    std::vector<std::pair<TCustomItem*, bool>> told;
    list->OnInternalExpand = [&](TObject*, TCustomItem* it, bool e) { told.push_back({it, e}); };
    list->Expand(list->Items(1), false);
    EXPECT_TRUE(list->Items(0)->GetVisible());
    EXPECT_TRUE(list->Items(1)->GetVisible()) << "the expanding item itself stays";
    for (int i = 2; i < 5; ++i) EXPECT_FALSE(list->Items(i)->GetVisible()) << i;
    ASSERT_EQ(told.size(), 3u);
    EXPECT_EQ(told[0].first, list->Items(2));
    EXPECT_FALSE(told[2].second);
    EXPECT_EQ(list->Items(2)->GetRowIndex(), -1) << "the pass ran after the update: hidden items take no row";
    list->Expand(list->Items(1), true);
    for (int i = 2; i < 5; ++i) EXPECT_TRUE(list->Items(i)->GetVisible()) << i;
    EXPECT_EQ(list->Items(4)->GetY(), 3 + 4 * 35);

    list->SetCursor(crCross);
    list->Anchor(L"https://example.invalid");
    EXPECT_EQ(list->GetCursor(), crHandPoint);
    list->Anchor(L"other");
    list->Anchor(L"");
    EXPECT_EQ(list->GetCursor(), crCross) << "the cursor from before the first anchor";
}
