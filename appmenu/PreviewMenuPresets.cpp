// The application menu's style presets as data: shared colour sets, one row per preset,
// and the two variants of psWindows7. A set is (Color, ColorTo, ColorMirror,
// ColorMirrorTo, Border) of one state.
#include "appmenu/OrvPreviewMenuStylers.h"
#include "paint/OrvLook.h"

namespace orv {

namespace {

struct TSet {
    TColor Color, ColorTo, ColorMirror, ColorMirrorTo, Border;
};

constexpr TColor N = clNone;
constexpr TColor HL = clHighlight;
constexpr TColor BF = clBtnFace;

// Shared sets.
constexpr TSet kGHot{15465983, 11332863, 5888767, 10807807, 10079963};
constexpr TSet kGDown{7778289, 4296947, 946929, 5021693, 4548219};
constexpr TSet kGChecked{11918331, 7915518, 10480637, 5682430, 4548219};
constexpr TSet kOHotButton{9102333, 14285309, 14285309, 9102333, 5819121};
constexpr TSet kODownButton{7131391, 8122111, 8122111, 7131391, 3181250};
constexpr TSet kOCheckedButton{14285309, 7131391, 7131391, 7131391, 3181250};
constexpr TSet kOHotItem{14285309, 9102333, 9102333, 14285309, 5819121};
constexpr TSet kODownItem{8122111, 7131391, 7131391, 8122111, 3181250};
constexpr TSet kOCheckedItem{14285309, 9102333, 9102333, 14285309, 5819121};

enum TGroup { grNone, grA, grB };

// The hot, down and checked sets of one record, and whether the checked border is kept.
struct TStates {
    TSet Hot, Down, Checked;
    bool KeepCheckedBorder;
};

struct TPresetRow {
    TPreviewMenuStyle Style;
    TGroup Group;
    TSet ButtonNormal;
    TSet Frame;  // Border, Color, ColorTo, ColorMirror, ColorMirrorTo (as Border first)
    TColor RightFrame;
    TColor Text, TextDown, TextHot;
    bool OwnStates;  // false: the group block gives the hot, down and checked sets
    TStates Button, Item;
};

constexpr TStates kNoStates{{}, {}, {}, false};

// clang-format off
// Frame columns below are written in the record's own order: Border, Color, ColorTo, ColorMirror, ColorMirrorTo.
const TPresetRow kPresets[] = {
    {psOffice2003Blue,    grA, {15653832, 16178633, 15586496, 16245200, 14727579}, {3693887, 15184783, 15184783, 15184783, 16185078}, 16640475, 0, 0, 0, false, kNoStates, kNoStates},
    {psOffice2003Silver,  grA, {15586496, 15128792, 15586496, 13152947, 9598070},  {9731196, 12757419, 12757419, 12757419, 16775673}, 15656164, 0, 0, 0, false, kNoStates, kNoStates},
    {psOffice2003Olive,   grA, {13627626, 13627626, 13627626, 9224369, 9224369},   {6196597, 10144958, 10144958, 10144958, 15597567}, 13692392, 0, 0, 0, false, kNoStates, kNoStates},
    {psOffice2003Classic, grNone, {16777215, 12179676, 12179676, 12179676, 12179676}, {12934178, 15503943, 13526550, 13526550, 13526550}, 16442835, 0, 16777215, 16777215, true,
        {{15717318, 15717318, 15717318, 15717318, HL}, {11899524, 11899524, 11899524, 11899524, HL}, {12179676, 12179676, 12179676, 12179676, 0}, false},
        {{12937777, 12937777, 12937777, 12937777, N}, {12937777, 12937777, 12937777, 12937777, N}, {N, N, N, N, N}, false}},
    {psOffice2007Luna,    grB, {15653832, 16178633, 15586496, 16245200, 14727579}, {13217692, 16114129, 15191480, 16114129, 15191480}, 15657705, 7214336, 7214336, 7214336, false, kNoStates, kNoStates},
    {psOffice2007Obsidian, grB, {14671574, 15000283, 14144974, 15197664, 12631218}, {6776680, 5391939, 4866108, 4013373, 3092271}, 15657705, 4605510, 4605510, 4605510, false, kNoStates, kNoStates},
    {psWindowsXP,         grNone, {16777215, 12179676, 12179676, 12179676, 12179676}, {12934178, 15503943, 13526550, 13526550, 13526550}, 16442835, 0, 16777215, 16777215, true,
        {{15717318, 15717318, 15717318, 15717318, HL}, {11899524, 11899524, 11899524, 11899524, HL}, {12179676, 12179676, 12179676, 12179676, 0}, false},
        {{12937777, 12937777, 12937777, 12937777, N}, {12937777, 12937777, 12937777, 12937777, N}, {N, N, N, N, N}, false}},
    {psWhidbeyStyle,      grA, {16777215, 14675440, 14675440, 14675440, 10070188}, {10070188, 11059393, 11059393, 11059393, 14675440}, 14675440, 0, 0, 0, false, kNoStates, kNoStates},
    {psOfficeXP,          grNone, {16777215, 13226453, 16777215, 13226453, 0}, {8029834, BF, BF, BF, BF}, BF, 0, 0, 0, true,
        {kGHot, kGDown, kGChecked, true},
        {{15717318, 15717318, 15717318, 15717318, HL}, {15717318, 15717318, 15717318, 15717318, HL}, {HL, HL, HL, HL, HL}, false}},
    {psOffice2007Silver,  grB, {16117995, 16117996, 16381168, 14406347, 10327181}, {11841193, 14143690, 14209484, 15131353, 13683139}, 15657705, 4605510, 4605510, 4605510, false, kNoStates, kNoStates},
    {psWindowsVista,      grNone, {16644337, 16644337, 16576469, 16644337, 16637593}, {16637593, 16576469, 16576469, 16643299, 16643299}, 15657705, 0, 0, 0, true,
        {{N, 16775920, 16775920, 16775920, 16577242}, {16576469, 16576469, 16643299, 16643299, 16703386}, {16576469, 16443846, 16243362, 16510419, 16703386}, false},
        {{16776697, 16776697, 16775920, 16775920, 16577242}, {16710128, 16710128, 16642263, 16642263, 16703386}, {16510419, 16510419, 16443846, 16443846, N}, false}},
    {psTerminal,          grNone, {BF, BF, BF, BF, 8421504}, {8421504, BF, BF, BF, BF}, BF, 0, 16777215, 0, true,
        {{12632256, 12632256, 12632256, 12632256, 8421504}, {HL, HL, HL, HL, HL}, {8421504, 8421504, 8421504, 8421504, 8421504}, false},
        {{12632256, 12632256, 12632256, 12632256, 8421504}, {HL, HL, HL, HL, 8421504}, {N, N, N, N, 8421504}, false}},
    {psOffice2010Blue,    grNone, {16643823, 15784647, 15784647, 15784647, 13087391}, {13087391, 16643823, 15784647, 15784647, 15784647}, 15389631, 0, 0, 0, true,
        {kOHotButton, kODownButton, kOCheckedButton, false}, {kOHotItem, kODownItem, kOCheckedItem, false}},
    {psOffice2010Silver,  grNone, {16777215, 15590880, 15590880, 15590880, 13815240}, {13815240, 16777215, 15590880, 15590880, 15590880}, 13946827, 0, 0, 0, true,
        {kOHotButton, kODownButton, kOCheckedButton, false}, {kOHotItem, kODownItem, kOCheckedItem, false}},
    {psOffice2010Black,   grNone, {12566463, 9539985, 9539985, 9539985, 7171437}, {7171437, 12566463, 9539985, 9539985, 9539985}, 6645093, 0, 0, 0, true,
        {kOHotButton, kODownButton, kOCheckedButton, false}, {kOHotItem, kODownItem, kOCheckedItem, false}},
};

// psWindows7: [0] scenic flag on, [1] off.
struct TWin7Row {
    TSet ButtonNormal, ButtonHot, ButtonDown, ButtonChecked;
    TSet ItemHot, ItemDown, ItemChecked;
    TColor Text;
    TSet Frame;  // Border, Color, ColorTo, ColorMirror, ColorMirrorTo
    TColor RightFrame;
};
const TWin7Row kWindows7[2] = {
    {{16513270, 16117478, 15853791, 16050913, 13811376}, {14807293, 6934271, 13369343, 6934271, 47103}, {9161198, 8046581, 9694195, 5684213, 2726850}, {10014198, 9425148, 6210815, 8640511, 3904194},
     {14807293, 6934271, 6934271, 13369343, 47103}, {9161198, 8046581, 5684213, 9694195, 2726850}, {10014198, 9425148, 6210815, 3904194, 8640511},
     6570533, {10916484, 16776956, 16511464, 16049884, 16247261}, 16446959},
    {{16575452, 16571329, 16571329, 16571329, 13542013}, {16645114, 16643051, 16643051, 16645114, 16504504}, {16575452, 16571329, 16571329, 16575452, 13542013}, {16645114, 16643051, 16575452, 16575452, HL},
     {16645114, 16645114, 16643051, 16643051, 16504504}, {16575452, 16575452, 16571329, 16571329, 13542013}, {16645114, 16645114, 16643051, 16643051, N},
     0, {13542013, 16575452, 16571329, 16571329, 16575452}, 15657705},
};
// clang-format on

TGlowColorSet GlowSet(const TSet& s) {
    TGlowColorSet g;
    g.Color = s.Color;
    g.ColorTo = s.ColorTo;
    g.ColorMirror = s.ColorMirror;
    g.ColorMirrorTo = s.ColorMirrorTo;
    g.BorderColor = s.Border;
    return g;  // gradients ggVertical
}

void SetStates(TGlowButtonAppearance& a, const TSet& hot, const TSet& down, const TSet& checked,
               bool keepCheckedBorder) {
    a.SetLook(glHot, GlowSet(hot));
    a.SetLook(glDown, GlowSet(down));
    TGlowColorSet c = GlowSet(checked);
    if (keepCheckedBorder) c.BorderColor = a.GetBorderColorChecked();
    a.SetLook(glChecked, c);
}

void SetFrame(appmenu::TVistaBackground& f, const TSet& s) {
    // The frame rows list the border first.
    f.SetBorderColor(s.Color);
    f.SetColor(s.ColorTo);
    f.SetColorTo(s.ColorMirror);
    f.SetColorMirror(s.ColorMirrorTo);
    f.SetColorMirrorTo(s.Border);
}

void SetTexts(TSelectionAppearance& s, TColor text, TColor hot, TColor down) {
    s.SetTextColor(text);
    s.SetTextColorHot(hot);
    s.SetTextColorDown(down);
}

void Bold(TSelectionAppearance& s) {
    s.SubItemTitleFont().SetStyle(s.SubItemTitleFont().GetStyle() | fsBold);
}

void CommonReset(TOrvCustomPreviewMenuStyler& st) {
    TSelectionAppearance& item = st.MenuItemAppearance();
    item.SetLook(glNormal, GlowSet({N, N, N, N, N}));
    item.SetLook(glDisabled, GlowSet({N, N, N, N, N}));
    st.SetLeftFrameColor(clWhite);
    st.SetRightFrameColor(15657705);
    st.FrameAppearance().SetGradient(ggVertical);
    st.FrameAppearance().SetGradientMirror(ggVertical);
}

void ApplyWindows7(TOrvCustomPreviewMenuStyler& st) {
    const TWin7Row& row = kWindows7[ScenicRibbonMode ? 0 : 1];
    TGlowButtonAppearance& b = st.ButtonAppearance();
    b.SetLook(glNormal, GlowSet(row.ButtonNormal));
    b.SetLook(glHot, GlowSet(row.ButtonHot));
    b.SetLook(glDown, GlowSet(row.ButtonDown));
    b.SetLook(glChecked, GlowSet(row.ButtonChecked));
    if (ScenicRibbonMode) {
        // Disabled colours only; their gradients stay.
        b.SetColorDisabled(N);
        b.SetColorDisabledTo(N);
        b.SetColorMirrorDisabled(N);
        b.SetColorMirrorDisabledTo(N);
        b.SetBorderColorDisabled(8421504);
    }
    TSelectionAppearance& item = st.MenuItemAppearance();
    item.SetLook(glHot, GlowSet(row.ItemHot));
    item.SetLook(glDown, GlowSet(row.ItemDown));
    item.SetLook(glChecked, GlowSet(row.ItemChecked));
    SetFrame(st.FrameAppearance(), row.Frame);
    st.SetLeftFrameColor(clWhite);
    st.SetRightFrameColor(row.RightFrame);
    SetTexts(item, row.Text, row.Text, row.Text);
}

}  // namespace

void ApplyPreviewMenuPreset(TOrvCustomPreviewMenuStyler& st, TPreviewMenuStyle style) {
    if (style == psCustom) return;
    TGlowButtonAppearance& button = st.ButtonAppearance();
    TSelectionAppearance& item = st.MenuItemAppearance();
    button.BeginUpdate();
    item.BeginUpdate();
    CommonReset(st);
    if (style == psWindows7) {
        ApplyWindows7(st);
    } else {
        for (const TPresetRow& row : kPresets) {
            if (row.Style != style) continue;
            if (row.Group == grA) {
                SetStates(button, kGHot, kGDown, kGChecked, true);
                SetStates(item, {12775167, 12775167, 12775167, 12775167, 3693887},
                          {4096254, 4096254, 4096254, 4096254, 3693887}, {7323903, 7323903, 7323903, 7323903, 3693887},
                          false);
                SetTexts(item, 0, 0, 0);
                Bold(item);
            } else if (row.Group == grB) {
                SetStates(button, kGHot, kGDown, kGChecked, false);
                SetStates(item, kGHot, kGDown, kGChecked, false);
                Bold(item);
            }
            button.SetLook(glNormal, GlowSet(row.ButtonNormal));
            SetFrame(st.FrameAppearance(), row.Frame);
            st.SetRightFrameColor(row.RightFrame);
            if (row.OwnStates) {
                SetStates(button, row.Button.Hot, row.Button.Down, row.Button.Checked, row.Button.KeepCheckedBorder);
                SetStates(item, row.Item.Hot, row.Item.Down, row.Item.Checked, row.Item.KeepCheckedBorder);
            }
            SetTexts(item, row.Text, row.TextHot, row.TextDown);
            break;
        }
    }
    item.EndUpdate();
    button.EndUpdate();
}

}  // namespace orv
