// Values of the item model: locations, the key-tip table, hit edges, initial and stored
// values. No window.
#include <gtest/gtest.h>

#include "itemlist/GDIPWedgeItem.h"
#include "paint/GDIPFill.h"

using namespace orv;

TEST(ItemValues, ObjectLocationGivesOffsetsForEveryLocation) {
    TGPRectF r = MakeRect(10, 20, 100, 40);  // an object of 20 x 10: dx 80, dy 30
    struct Case {
        TItemLocation Location;
        float X, Y;
    };
    const Case cases[] = {{tlTopLeft, 0, 0},     {tlTopCenter, 40, 0},     {tlTopRight, 80, 0},
                          {tlCenterLeft, 0, 15}, {tlCenterCenter, 40, 15}, {tlCenterRight, 80, 15},
                          {tlBottomLeft, 0, 30}, {tlBottomCenter, 40, 30}, {tlBottomRight, 80, 30}};
    for (const Case& c : cases) {
        float x = -1, y = -1;
        GetObjectLocation(x, y, r, c.Location, 20, 10);
        EXPECT_FLOAT_EQ(x, c.X) << "location " << int(c.Location);
        EXPECT_FLOAT_EQ(y, c.Y) << "location " << int(c.Location);
    }
    float x = 7, y = 9;
    GetObjectLocation(x, y, r, tlCustom, 20, 10);
    EXPECT_EQ(x, 7) << "tlCustom leaves the caller's values";
    EXPECT_EQ(y, 9);
}

TEST(ItemValues, PtInGPRectIncludesEveryEdge) {
    TGPRectF r = MakeRect(10, 10, 20, 5);
    EXPECT_TRUE(PtInGPRect(r, {10, 10}));
    EXPECT_TRUE(PtInGPRect(r, {30, 15}));
    EXPECT_FALSE(PtInGPRect(r, {31, 15}));
    EXPECT_FALSE(PtInGPRect(r, {9, 12}));
    EXPECT_FALSE(PtInGPRect(r, {20, 16}));
}

TEST(ItemValues, KeyTipPlacementTable) {
    // Item at screen (100, 200), 80 x 30; hint window 21 x 13 (odd sizes show truncation).
    const int sx = 100, sy = 200, W = 80, H = 30, w = 21, h = 13;
    struct Case {
        TItemShortCutHintPos Pos;
        int Left, Top;
    };
    const Case cases[] = {
        {ishpLeft, 106, 208},
        {ishpTop, 129, 194},
        {ishpRight, 170, 208},
        {ishpBottom, 129, 224},
        {ishpCenter, 129, 208},
        {ishpAuto, 129, 194},
        {ishpTopLeft, 106, 194},
        {ishpTopRight, 160, 194},
        {ishpAboveTop, 129, 187},
        {ishpAboveTopLeft, 106, 187},
        {ishpAboveTopRight, 160, 187},
        {ishpBottomLeft, 106, 224},
        {ishpBottomRight, 160, 224},
        {ishpBelowBottom, 129, 230},
        {ishpBelowBottomLeft, 106, 230},
        {ishpBelowBottomRight, 160, 230},
        {ishpBelowBottomCenter, 129, 230},
    };
    for (const Case& c : cases) {
        TPoint p = ShortCutHintPlacement(c.Pos, sx, sy, W, H, w, h);
        EXPECT_EQ(p.X, c.Left) << "position " << int(c.Pos);
        EXPECT_EQ(p.Y, c.Top) << "position " << int(c.Pos);
    }
    // A hint wider than the item: (W - w) div 2 truncates toward zero, not down.
    EXPECT_EQ(ShortCutHintPlacement(ishpTop, 0, 0, 10, 30, 15, 12).X, -2);
}

TEST(ItemValues, InitialValues) {
    TOwnedPtr<TWedgeItem> item(Make<TWedgeItem>(nullptr));
    EXPECT_EQ(item->GetWidth(), 125);
    EXPECT_EQ(item->GetHeight(), 30);
    EXPECT_EQ(item->GetState(), isNormal);
    EXPECT_EQ(item->GetRowIndex(), -1);
    EXPECT_EQ(item->GetColumnIndex(), -1);
    EXPECT_TRUE(item->GetItemFocused());
    EXPECT_EQ(item->GetShortCutHintPos(), ishpTop);
    EXPECT_EQ(item->GetControlLocation(), tlCenterLeft);
    EXPECT_EQ(item->ControlMargin().GetLeft(), 3);
    EXPECT_EQ(item->ControlMargin().GetBottom(), 3);
    EXPECT_FALSE(item->Status().GetVisible());
    EXPECT_EQ(item->Status().GetOffsetLeft(), 14);
    EXPECT_EQ(item->Status().GetOffsetTop(), -6);
    EXPECT_EQ(item->Status().GetPosition(), spItemText);
    EXPECT_EQ(item->Status().Appearance().GetFill()->GetColor(), TColor(0x0000FF));
    EXPECT_EQ(item->Status().Appearance().GetFill()->GetGradientType(), gtSolid);
    EXPECT_EQ(item->Status().Appearance().GetFill()->GetBorderColor(), TColor(0x808080));
    EXPECT_EQ(item->Status().Appearance().GetFont()->GetColor(), clWhite);
    EXPECT_EQ(item->CaptionMargin().GetTop(), 3);
    EXPECT_EQ(item->DescriptionMargin().GetTop(), 0);
    EXPECT_EQ(item->DescriptionMargin().GetLeft(), 3);
    EXPECT_EQ(item->GetCaptionColor(), clNone);
    EXPECT_EQ(item->GetDescriptionColor(), TColor(0x808080));
    EXPECT_EQ(item->GetCaptionSize(), -1);
    EXPECT_EQ(item->GetCaptionLocation(), tlCenterLeft);
    EXPECT_EQ(item->GetDescriptionLocation(), tlTopLeft);
    EXPECT_TRUE(item->GetWordWrap());
    EXPECT_FALSE(item->GetEllipsis());
    EXPECT_EQ(item->GetImageWidth(), 18);
    EXPECT_EQ(item->GetImageHeight(), 18);
    EXPECT_EQ(item->GetImageIndex(), -1);
    EXPECT_EQ(item->GetSpacing(), 3);
    EXPECT_TRUE(item->Image().Empty()) << "the sample picture is only for designers";
    EXPECT_EQ(item->GetWedgePositions(), WedgeBit(wpRight));
    EXPECT_EQ(item->GetWedgeSize(), 6);
    EXPECT_EQ(item->GetWedgeStates(), 0x0F);
    EXPECT_EQ(item->CustomClassName(), L"Normal Wedge Item");
    EXPECT_EQ(item->GetVersion(), L"1.0.0.0");
}
