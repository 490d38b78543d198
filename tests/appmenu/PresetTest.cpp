// The styler presets against a transcription of the colour tables, typed in here on
// their own; a set is (Color, ColorTo, ColorMirror, ColorMirrorTo, Border).
#include <gtest/gtest.h>

#include <array>

#include "appmenu/OrvPreviewMenu.h"
#include "appmenu/OrvPreviewMenuStylers.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "paint/OrvLook.h"

using namespace orv;

namespace {

using Five = std::array<TColor, 5>;
constexpr TColor NONE = 536870911;
constexpr TColor HIL = -16777203;
constexpr TColor FACE = -16777201;

Five Normal(TGlowButtonAppearance& a) {
    return {a.GetColor(), a.GetColorTo(), a.GetColorMirror(), a.GetColorMirrorTo(), a.GetBorderColor()};
}
Five Hot(TGlowButtonAppearance& a) {
    return {a.GetColorHot(), a.GetColorHotTo(), a.GetColorMirrorHot(), a.GetColorMirrorHotTo(), a.GetBorderColorHot()};
}
Five Down(TGlowButtonAppearance& a) {
    return {a.GetColorDown(), a.GetColorDownTo(), a.GetColorMirrorDown(), a.GetColorMirrorDownTo(),
            a.GetBorderColorDown()};
}
Five Checked(TGlowButtonAppearance& a) {
    return {a.GetColorChecked(), a.GetColorCheckedTo(), a.GetColorMirrorChecked(), a.GetColorMirrorCheckedTo(),
            a.GetBorderColorChecked()};
}
Five FrameOf(appmenu::TVistaBackground& f) {
    return {f.GetBorderColor(), f.GetColor(), f.GetColorTo(), f.GetColorMirror(), f.GetColorMirrorTo()};
}

struct TRow {
    TPreviewMenuStyle Style;
    Five Button;
    Five Frame;
    TColor Right;
    TColor Text, TextHot, TextDown;
};

// Per-preset normal button colours, frame, right frame and text colours.
const TRow kRows[] = {
    {psOffice2003Blue,
     {15653832, 16178633, 15586496, 16245200, 14727579},
     {3693887, 15184783, 15184783, 15184783, 16185078},
     16640475,
     0,
     0,
     0},
    {psOffice2003Silver,
     {15586496, 15128792, 15586496, 13152947, 9598070},
     {9731196, 12757419, 12757419, 12757419, 16775673},
     15656164,
     0,
     0,
     0},
    {psOffice2003Olive,
     {13627626, 13627626, 13627626, 9224369, 9224369},
     {6196597, 10144958, 10144958, 10144958, 15597567},
     13692392,
     0,
     0,
     0},
    {psOffice2003Classic,
     {16777215, 12179676, 12179676, 12179676, 12179676},
     {12934178, 15503943, 13526550, 13526550, 13526550},
     16442835,
     0,
     16777215,
     16777215},
    {psWindowsXP,
     {16777215, 12179676, 12179676, 12179676, 12179676},
     {12934178, 15503943, 13526550, 13526550, 13526550},
     16442835,
     0,
     16777215,
     16777215},
    {psOffice2007Luna,
     {15653832, 16178633, 15586496, 16245200, 14727579},
     {13217692, 16114129, 15191480, 16114129, 15191480},
     15657705,
     7214336,
     7214336,
     7214336},
    {psOffice2007Obsidian,
     {14671574, 15000283, 14144974, 15197664, 12631218},
     {6776680, 5391939, 4866108, 4013373, 3092271},
     15657705,
     4605510,
     4605510,
     4605510},
    {psWhidbeyStyle,
     {16777215, 14675440, 14675440, 14675440, 10070188},
     {10070188, 11059393, 11059393, 11059393, 14675440},
     14675440,
     0,
     0,
     0},
    {psOfficeXP, {16777215, 13226453, 16777215, 13226453, 0}, {8029834, FACE, FACE, FACE, FACE}, FACE, 0, 0, 0},
    {psOffice2007Silver,
     {16117995, 16117996, 16381168, 14406347, 10327181},
     {11841193, 14143690, 14209484, 15131353, 13683139},
     15657705,
     4605510,
     4605510,
     4605510},
    {psWindowsVista,
     {16644337, 16644337, 16576469, 16644337, 16637593},
     {16637593, 16576469, 16576469, 16643299, 16643299},
     15657705,
     0,
     0,
     0},
    {psTerminal, {FACE, FACE, FACE, FACE, 8421504}, {8421504, FACE, FACE, FACE, FACE}, FACE, 0, 0, 16777215},
    {psOffice2010Blue,
     {16643823, 15784647, 15784647, 15784647, 13087391},
     {13087391, 16643823, 15784647, 15784647, 15784647},
     15389631,
     0,
     0,
     0},
    {psOffice2010Silver,
     {16777215, 15590880, 15590880, 15590880, 13815240},
     {13815240, 16777215, 15590880, 15590880, 15590880},
     13946827,
     0,
     0,
     0},
    {psOffice2010Black,
     {12566463, 9539985, 9539985, 9539985, 7171437},
     {7171437, 12566463, 9539985, 9539985, 9539985},
     6645093,
     0,
     0,
     0},
};

// Hot, down and checked sets of button and item.
struct TStateRow {
    TPreviewMenuStyle Style;
    Five BHot, BDown, BChecked, IHot, IDown, IChecked;
};
const Five GHot{15465983, 11332863, 5888767, 10807807, 10079963};
const Five GDown{7778289, 4296947, 946929, 5021693, 4548219};
const Five GChecked{11918331, 7915518, 10480637, 5682430, 4548219};
const Five AHot{12775167, 12775167, 12775167, 12775167, 3693887};
const Five ADown{4096254, 4096254, 4096254, 4096254, 3693887};
const Five AChecked{7323903, 7323903, 7323903, 7323903, 3693887};
const TStateRow kStates[] = {
    {psOffice2007Luna, GHot, GDown, GChecked, GHot, GDown, GChecked},
    {psOffice2003Classic,
     {15717318, 15717318, 15717318, 15717318, HIL},
     {11899524, 11899524, 11899524, 11899524, HIL},
     {12179676, 12179676, 12179676, 12179676, 0},
     {12937777, 12937777, 12937777, 12937777, NONE},
     {12937777, 12937777, 12937777, 12937777, NONE},
     {NONE, NONE, NONE, NONE, NONE}},
    {psWindowsVista,
     {NONE, 16775920, 16775920, 16775920, 16577242},
     {16576469, 16576469, 16643299, 16643299, 16703386},
     {16576469, 16443846, 16243362, 16510419, 16703386},
     {16776697, 16776697, 16775920, 16775920, 16577242},
     {16710128, 16710128, 16642263, 16642263, 16703386},
     {16510419, 16510419, 16443846, 16443846, NONE}},
    {psTerminal,
     {12632256, 12632256, 12632256, 12632256, 8421504},
     {HIL, HIL, HIL, HIL, HIL},
     {8421504, 8421504, 8421504, 8421504, 8421504},
     {12632256, 12632256, 12632256, 12632256, 8421504},
     {HIL, HIL, HIL, HIL, 8421504},
     {NONE, NONE, NONE, NONE, 8421504}},
    {psOffice2010Silver,
     {9102333, 14285309, 14285309, 9102333, 5819121},
     {7131391, 8122111, 8122111, 7131391, 3181250},
     {14285309, 7131391, 7131391, 7131391, 3181250},
     {14285309, 9102333, 9102333, 14285309, 5819121},
     {8122111, 7131391, 7131391, 8122111, 3181250},
     {14285309, 9102333, 9102333, 14285309, 5819121}},
};

struct TScenicGuard {
    bool Saved = ScenicRibbonMode;
    ~TScenicGuard() { ScenicRibbonMode = Saved; }
};

}  // namespace

TEST(PreviewMenuPresets, EveryRowMatchesTheTables) {
    TOwnedPtr<TOrvPreviewMenuOfficeStyler> st(new TOrvPreviewMenuOfficeStyler(nullptr));
    for (const TRow& row : kRows) {
        // Dirty the values the common reset covers, so the reset is seen.
        st->SetLeftFrameColor(clRed);
        st->MenuItemAppearance().SetColor(clRed);
        st->MenuItemAppearance().SetColorDisabledTo(clRed);
        st->SetStyle(row.Style);
        SCOPED_TRACE(testing::Message() << "style " << row.Style);
        EXPECT_EQ(Normal(st->ButtonAppearance()), row.Button);
        EXPECT_EQ(FrameOf(st->FrameAppearance()), row.Frame);
        EXPECT_EQ(st->GetRightFrameColor(), row.Right);
        EXPECT_EQ(st->GetLeftFrameColor(), 16777215);
        EXPECT_EQ(Normal(st->MenuItemAppearance()), (Five{NONE, NONE, NONE, NONE, NONE}));
        EXPECT_EQ(st->MenuItemAppearance().GetColorDisabledTo(), NONE);
        EXPECT_EQ(st->MenuItemAppearance().GetTextColor(), row.Text);
        EXPECT_EQ(st->MenuItemAppearance().GetTextColorHot(), row.TextHot);
        EXPECT_EQ(st->MenuItemAppearance().GetTextColorDown(), row.TextDown);
        EXPECT_EQ(st->FrameAppearance().GetCaptionBackground(), 15656925);
        EXPECT_EQ(st->ButtonAppearance().GetGradient(), ggVertical);
    }
    for (const TStateRow& row : kStates) {
        st->SetStyle(row.Style);
        SCOPED_TRACE(testing::Message() << "states of style " << row.Style);
        EXPECT_EQ(Hot(st->ButtonAppearance()), row.BHot);
        EXPECT_EQ(Down(st->ButtonAppearance()), row.BDown);
        EXPECT_EQ(Checked(st->ButtonAppearance()), row.BChecked);
        EXPECT_EQ(Hot(st->MenuItemAppearance()), row.IHot);
        EXPECT_EQ(Down(st->MenuItemAppearance()), row.IDown);
        EXPECT_EQ(Checked(st->MenuItemAppearance()), row.IChecked);
        EXPECT_EQ(st->MenuItemAppearance().GetGradientHot(), ggVertical);
    }
}

TEST(PreviewMenuPresets, GroupBlocksAndTheCheckedBorder) {
    TOwnedPtr<TOrvPreviewMenuOfficeStyler> st(new TOrvPreviewMenuOfficeStyler(nullptr));
    st->ButtonAppearance().SetBorderColorChecked(1234567);
    st->SetStyle(psOffice2003Blue);
    // Block A: G-checked colours without their border, the item's own orange sets.
    EXPECT_EQ(Checked(st->ButtonAppearance()), (Five{11918331, 7915518, 10480637, 5682430, 1234567}));
    EXPECT_EQ(Hot(st->ButtonAppearance()), GHot);
    EXPECT_EQ(Hot(st->MenuItemAppearance()), AHot);
    EXPECT_EQ(Down(st->MenuItemAppearance()), ADown);
    EXPECT_EQ(Checked(st->MenuItemAppearance()), AChecked);
    EXPECT_TRUE(st->MenuItemAppearance().SubItemTitleFont().GetStyle() & fsBold);
    st->SetStyle(psOffice2007Luna);
    EXPECT_EQ(st->ButtonAppearance().GetBorderColorChecked(), 4548219);
    // Office XP: G sets on the button, the checked border kept from before.
    st->ButtonAppearance().SetBorderColorChecked(7654321);
    st->SetStyle(psOfficeXP);
    EXPECT_EQ(Down(st->ButtonAppearance()), GDown);
    EXPECT_EQ(st->ButtonAppearance().GetBorderColorChecked(), 7654321);
    EXPECT_EQ(Checked(st->MenuItemAppearance()), (Five{HIL, HIL, HIL, HIL, HIL}));
}

TEST(PreviewMenuPresets, Windows7FollowsTheScenicFlag) {
    TScenicGuard guard;
    TOwnedPtr<TOrvPreviewMenuOfficeStyler> st(new TOrvPreviewMenuOfficeStyler(nullptr));
    st->ButtonAppearance().SetColorDisabled(clRed);
    ScenicRibbonMode = false;
    st->SetStyle(psWindows7);
    EXPECT_EQ(Normal(st->ButtonAppearance()), (Five{16575452, 16571329, 16571329, 16571329, 13542013}));
    EXPECT_EQ(Hot(st->ButtonAppearance()), (Five{16645114, 16643051, 16643051, 16645114, 16504504}));
    EXPECT_EQ(Checked(st->ButtonAppearance()), (Five{16645114, 16643051, 16575452, 16575452, HIL}));
    EXPECT_EQ(st->ButtonAppearance().GetColorDisabled(), clRed) << "the disabled set is left alone off the scenic look";
    EXPECT_EQ(Checked(st->MenuItemAppearance()), (Five{16645114, 16645114, 16643051, 16643051, NONE}));
    EXPECT_EQ(FrameOf(st->FrameAppearance()), (Five{13542013, 16575452, 16571329, 16571329, 16575452}));
    EXPECT_EQ(st->GetRightFrameColor(), 15657705);
    EXPECT_EQ(st->MenuItemAppearance().GetTextColor(), 0);

    ScenicRibbonMode = true;
    st->SetStyle(psWindows7);
    EXPECT_EQ(Normal(st->ButtonAppearance()), (Five{16513270, 16117478, 15853791, 16050913, 13811376}));
    EXPECT_EQ(Hot(st->ButtonAppearance()), (Five{14807293, 6934271, 13369343, 6934271, 47103}));
    EXPECT_EQ(Down(st->ButtonAppearance()), (Five{9161198, 8046581, 9694195, 5684213, 2726850}));
    EXPECT_EQ(Checked(st->ButtonAppearance()), (Five{10014198, 9425148, 6210815, 8640511, 3904194}));
    EXPECT_EQ(st->ButtonAppearance().GetColorDisabled(), NONE);
    EXPECT_EQ(st->ButtonAppearance().GetBorderColorDisabled(), 8421504);
    // The item rows swap the mirror pair against the button rows.
    EXPECT_EQ(Hot(st->MenuItemAppearance()), (Five{14807293, 6934271, 6934271, 13369343, 47103}));
    EXPECT_EQ(Down(st->MenuItemAppearance()), (Five{9161198, 8046581, 5684213, 9694195, 2726850}));
    EXPECT_EQ(Checked(st->MenuItemAppearance()), (Five{10014198, 9425148, 6210815, 3904194, 8640511}));
    EXPECT_EQ(FrameOf(st->FrameAppearance()), (Five{10916484, 16776956, 16511464, 16049884, 16247261}));
    EXPECT_EQ(st->GetRightFrameColor(), 16446959);
    EXPECT_EQ(st->MenuItemAppearance().GetTextColorHot(), 6570533);
    EXPECT_EQ(st->MenuItemAppearance().GetTextColorDown(), 6570533);
}

TEST(PreviewMenuPresets, StyleSwitchesAndRepeats) {
    TOwnedPtr<TOrvPreviewMenuOfficeStyler> st(new TOrvPreviewMenuOfficeStyler(nullptr));
    // Created with psOffice2003Blue named but not applied.
    EXPECT_EQ(st->GetStyle(), psOffice2003Blue);
    EXPECT_EQ(st->GetRightFrameColor(), 15657705);
    EXPECT_EQ(st->MenuItemAppearance().GetColor(), NONE);

    st->SetStyle(psOffice2010Blue);
    st->SetLeftFrameColor(clRed);
    st->ButtonAppearance().SetColor(clRed);
    st->SetStyle(psCustom);
    EXPECT_EQ(st->GetStyle(), psCustom);
    EXPECT_EQ(st->GetLeftFrameColor(), clRed) << "psCustom changes nothing but Style";
    EXPECT_EQ(st->ButtonAppearance().GetColor(), clRed);
    st->SetStyle(psOffice2010Blue);
    st->ButtonAppearance().SetColor(clRed);
    st->SetStyle(psOffice2010Blue);
    EXPECT_EQ(st->ButtonAppearance().GetColor(), 16643823) << "the same style again restores the preset";

    st->ChangeStyle(true, 5);
    EXPECT_EQ(st->GetStyle(), psWindows7);
    st->ChangeStyle(false, 12);
    EXPECT_EQ(st->GetStyle(), psOffice2007Luna);
    st->SetComponentStyle(tsOffice2007Silver);
    EXPECT_EQ(static_cast<int>(st->GetStyle()), 10);
    st->SetComponentStyle(tsCustom);
    EXPECT_EQ(st->GetStyle(), psOffice2007Silver);
    st->SetComponentStyle(tsWhidbey);
    EXPECT_EQ(st->GetStyle(), psWhidbeyStyle);
    st->SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(st->GetStyle(), psOffice2010Black);
    st->SetComponentStyle(tsTerminal);
    EXPECT_EQ(st->GetStyle(), psTerminal);

    // The menu forwards to a styler that takes the style protocol.
    TOwnedPtr<TOrvPreviewMenu> menu(new TOrvPreviewMenu(nullptr));
    menu->ChangeStyle(true, 0);
    menu->SetStyler(st.get());
    menu->ChangeStyle(true, 0);
    EXPECT_EQ(st->GetStyle(), psWindows7);
}

TEST(PreviewMenuPresets, AStoredStylerAppliesItsPresetOverTheStoredRecords) {
    TOwnedPtr<TForm> host(Make<TForm>(nullptr));
    ReadLayoutText(host.get(),
                   L"object Host: TForm\n"
                   L"  object S1: TOrvPreviewMenuOfficeStyler\n"
                   L"    LeftFrameColor = 255\n"
                   L"    RightFrameColor = 255\n"
                   L"    ButtonAppearance.Color = 255\n"
                   L"    ButtonAppearance.ColorDisabled = 255\n"
                   L"    Style = psOffice2010Silver\n"
                   L"  end\n"
                   L"end\n",
                   L"styler");
    auto* st = dynamic_cast<TOrvPreviewMenuOfficeStyler*>(host->FindComponent(L"S1"));
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->GetStyle(), psOffice2010Silver);
    EXPECT_EQ(st->GetLeftFrameColor(), 16777215);
    EXPECT_EQ(st->GetRightFrameColor(), 13946827);
    EXPECT_EQ(st->ButtonAppearance().GetColor(), 16777215);
    EXPECT_EQ(st->ButtonAppearance().GetColorDisabled(), 255) << "values the preset does not cover stay as stored";
}
