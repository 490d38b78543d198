// The named presets: the Office 2010 blue row in full, the telling cells and settings
// of every other row, the shared steps, and how a style change is announced.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "StylerTestSupport.h"
#include "TestSupport.h"
#include "framework/SysUtils.h"
#include "paint/OrvLook.h"
#include "toolbar/ToolBarStyleFile.h"
#include "toolbar/ToolBarStylerPaths.h"

using namespace orv;
using orvtest::TFakeStyledControl;

namespace {

using TStyler = TOwnedPtr<TOrvToolBarOfficeStyler>;

TStyler NewStyler() {
    return TStyler(Make<TOrvToolBarOfficeStyler>(nullptr));
}

struct TExpect {
    const wchar_t* Path;
    int64_t Value;
};

void ExpectCells(TCustomOrvToolBarStyler& s, const std::vector<TExpect>& cells, const std::string& where) {
    for (const TExpect& e : cells) EXPECT_EQ(GetStylerValue(s, e.Path), e.Value) << where << ": " << ToUtf8(e.Path);
}

struct TScenicGuard {
    explicit TScenicGuard(bool on) : FSaved(ScenicRibbonMode) { ScenicRibbonMode = on; }
    ~TScenicGuard() { ScenicRibbonMode = FSaved; }
    bool FSaved;
};

constexpr int64_t kV = ggVertical;

}  // namespace

// Typed from the style's description, one group per record.
TEST(ToolBarPresets, Office2010BlueRowIsExact) {
    TStyler s = NewStyler();
    s->SetStyle(bsOffice2010Blue);
    EXPECT_EQ(s->GetZemStyle(), tsOffice2010Blue);
    ExpectCells(*s,
                {{L"RightHandleColor", 0x00FDF6EF},
                 {L"RightHandleColorTo", 0x00F0DAC7},
                 {L"RightHandleColorHot", 0x00D9F9FD},
                 {L"RightHandleColorHotTo", 0x008AE3FD},
                 {L"RightHandleColorDown", 0x007BEEFF},
                 {L"RightHandleColorDownTo", 0x006CD0FF},
                 {L"FloatingWindowBorderColor", 0x00D6C0B1},
                 {L"FloatingWindowBorderWidth", 2},
                 {L"RoundEdges", 1},
                 {L"DragGripStyle", dsDots},
                 {L"Bevel", bvNone},
                 {L"UseBevel", 0},
                 {L"BorderColor", 0x00C7B29F},
                 {L"BorderColorHot", 0x00D6C0B1}},
                "styler");
    ExpectCells(*s,
                {{L"Color.Color", 0x00FDF6EF},
                 {L"Color.ColorTo", 0x00F0DAC7},
                 {L"Color.Direction", gdVertical},
                 {L"Color.Steps", 64},
                 {L"Color.Mirror.Color", 0x00FFFAF5},
                 {L"Color.Mirror.ColorTo", 0x00FAEFE5},
                 {L"Color.Mirror.ColorMirror", 0x00FAEFE5},
                 {L"Color.Mirror.ColorMirrorTo", 0x00F6E9DC},
                 {L"ColorHot.Color", 0x00F7EDE3},
                 {L"ColorHot.ColorTo", 0x00FDF6EF},
                 {L"ColorHot.Direction", gdVertical},
                 {L"ColorHot.Mirror.Color", 0x00FFFAF5},
                 {L"ColorHot.Mirror.ColorTo", 0x00FAEFE5},
                 {L"ColorHot.Mirror.ColorMirror", 0x00FAEFE5},
                 {L"ColorHot.Mirror.ColorMirrorTo", 0x00F5EFE9},
                 {L"DockColor.Color", 0x00F0DAC7},
                 {L"DockColor.ColorTo", 0x00FDF6EF},
                 {L"DockColor.Direction", gdHorizontal},
                 {L"DockColor.Steps", 128}},
                "backgrounds");
    ExpectCells(*s,
                {{L"CaptionAppearance.CaptionColor", 0x00F6E9DC},
                 {L"CaptionAppearance.CaptionColorTo", 0x00F6E9DC},
                 {L"CaptionAppearance.CaptionBorderColor", 0x00F6E9DC},
                 {L"CaptionAppearance.CaptionColorHot", 0x00F5EFE9},
                 {L"CaptionAppearance.CaptionColorHotTo", 0x00F5EFE9},
                 {L"CaptionAppearance.CaptionBorderColorHot", 0x00F5EFE9},
                 {L"CaptionAppearance.CaptionTextColor", 0x005B391E},
                 {L"CaptionAppearance.CaptionTextColorHot", 0x005B391E}},
                "caption");
    ExpectCells(*s,
                {{L"ButtonAppearance.Color", 0x00FDF6EF},
                 {L"ButtonAppearance.ColorTo", 0x00F0DAC7},
                 {L"ButtonAppearance.ColorDown", 0x006CD0FF},
                 {L"ButtonAppearance.ColorDownTo", 0x007BEEFF},
                 {L"ButtonAppearance.ColorHot", 0x008AE3FD},
                 {L"ButtonAppearance.ColorHotTo", 0x00D9F9FD},
                 {L"ButtonAppearance.ColorChecked", 0x006CD0FF},
                 {L"ButtonAppearance.ColorCheckedTo", 0x006CD0FF},
                 {L"ButtonAppearance.CaptionTextColor", 0},
                 {L"ButtonAppearance.CaptionTextColorHot", 0},
                 {L"ButtonAppearance.CaptionTextColorDown", 0},
                 {L"ButtonAppearance.CaptionTextColorChecked", 0},
                 {L"ButtonAppearance.BorderDownColor", 0x00308AC2},
                 {L"ButtonAppearance.BorderHotColor", 0x0058CAF1},
                 {L"ButtonAppearance.BorderCheckedColor", 0x00308AC2}},
                "buttons");
    for (const wchar_t* glow : {L"GlowButtonAppearance.", L"CompactGlowButtonAppearance."}) {
        std::wstring p = glow;
        std::vector<std::pair<std::wstring, int64_t>> cells = {{L"Color", 0x00FDF6EF},
                                                               {L"ColorTo", 0x00F0DAC7},
                                                               {L"ColorMirror", 0x00F0DAC7},
                                                               {L"ColorMirrorTo", 0x00F0DAC7},
                                                               {L"BorderColor", 0x00C7B29F},
                                                               {L"ColorHot", 0x008AE3FD},
                                                               {L"ColorHotTo", 0x00D9F9FD},
                                                               {L"ColorMirrorHot", 0x00D9F9FD},
                                                               {L"ColorMirrorHotTo", 0x008AE3FD},
                                                               {L"BorderColorHot", 0x0058CAF1},
                                                               {L"ColorDown", 0x006CD0FF},
                                                               {L"ColorDownTo", 0x007BEEFF},
                                                               {L"ColorMirrorDown", 0x007BEEFF},
                                                               {L"ColorMirrorDownTo", 0x006CD0FF},
                                                               {L"BorderColorDown", 0x00308AC2},
                                                               {L"ColorChecked", 0x00D9F9FD},
                                                               {L"ColorCheckedTo", 0x006CD0FF},
                                                               {L"ColorMirrorChecked", 0x006CD0FF},
                                                               {L"ColorMirrorCheckedTo", 0x006CD0FF},
                                                               {L"BorderColorChecked", 0x00308AC2},
                                                               {L"Gradient", kV},
                                                               {L"GradientMirror", kV},
                                                               {L"GradientHot", kV},
                                                               {L"GradientMirrorHot", kV},
                                                               {L"GradientDown", kV},
                                                               {L"GradientMirrorDown", kV},
                                                               {L"GradientChecked", kV},
                                                               {L"GradientMirrorChecked", kV}};
        for (const auto& [name, value] : cells) EXPECT_EQ(GetStylerValue(*s, p + name), value) << ToUtf8(p + name);
    }
    for (const wchar_t* tab : {L"TabAppearance.", L"GroupAppearance.TabAppearance."}) {
        std::wstring p = tab;
        std::vector<std::pair<std::wstring, int64_t>> cells = {{L"BorderColor", 0x00C7B29F},
                                                               {L"BorderColorDisabled", clNone},
                                                               {L"TextColor", 0x005B391E},
                                                               {L"TextColorHot", 0x005B391E},
                                                               {L"TextColorSelected", 0x005B391E},
                                                               {L"TextColorDisabled", 0x00808080},
                                                               {L"ColorSelected", 0x00FFFAF5},
                                                               {L"ColorSelectedTo", 0x00FFFAF5},
                                                               {L"ColorMirrorSelected", 0x00FFFAF5},
                                                               {L"ColorMirrorSelectedTo", 0x00FFFAF5},
                                                               {L"ColorDisabled", 0x00F2F2F2},
                                                               {L"ColorDisabledTo", 0x00F2F2F2},
                                                               {L"ColorMirrorDisabled", 0x00F2F2F2},
                                                               {L"ColorMirrorDisabledTo", 0x00F2F2F2},
                                                               {L"ColorHot", 0x00FAF4ED},
                                                               {L"ColorHotTo", 0x00FEFCF7},
                                                               {L"ColorMirrorHot", 0x00FEFCFA},
                                                               {L"ColorMirrorHotTo", 0x00FEFCFA},
                                                               {L"Gradient", kV},
                                                               {L"GradientMirror", kV},
                                                               {L"GradientHot", kV},
                                                               {L"GradientMirrorHot", kV},
                                                               {L"GradientSelected", kV},
                                                               {L"GradientMirrorSelected", kV},
                                                               {L"GradientDisabled", kV},
                                                               {L"GradientMirrorDisabled", kV},
                                                               {L"ShadowColor", 0x00C7B29F},
                                                               {L"HighLightColorSelected", 0x00C7B29F},
                                                               {L"HighLightColorSelectedHot", 0x00F0DAC7},
                                                               {L"HighLightColorDown", 0x00F6E7D9},
                                                               {L"HighLightColorHot", 0x00FDF6EF}};
        for (const auto& [name, value] : cells) EXPECT_EQ(GetStylerValue(*s, p + name), value) << ToUtf8(p + name);
    }
    ExpectCells(*s,
                {{L"TabAppearance.BackGround.Color", 0x00FAF4ED},
                 {L"TabAppearance.BackGround.ColorTo", 0x00FEFCFA},
                 {L"TabAppearance.BorderColorHot", 0x00BAB5B1},
                 {L"TabAppearance.BorderColorSelected", 0x00DBC9B8},
                 {L"TabAppearance.BorderColorSelectedHot", 0x00DBC9B8}},
                "tabs");
    ExpectCells(*s,
                {{L"PageAppearance.Color", 0x00FFFAF5},
                 {L"PageAppearance.ColorTo", 0x00FAEFE5},
                 {L"PageAppearance.ColorMirror", 0x00FAEFE5},
                 {L"PageAppearance.ColorMirrorTo", 0x00F6E9DC},
                 {L"PageAppearance.BorderColor", 0x00C7B29F},
                 {L"PageAppearance.ShadowColor", 0x00E6D1BF},
                 {L"PageAppearance.HighLightColor", 0x00CCB9A9},
                 {L"PagerCaption.Color", 0x00FFFAF5},
                 {L"PagerCaption.ColorTo", 0x00EAD3BF},
                 {L"PagerCaption.ColorMirror", 0x00EAD3BF},
                 {L"PagerCaption.ColorMirrorTo", 0x00EAD3BF},
                 {L"PagerCaption.BorderColor", 0x00C7B29F},
                 {L"PagerCaption.TextColor", 0x00808080},
                 {L"PagerCaption.TextColorExtended", 0x00FF0000},
                 {L"PagerCaption.Font.Size", 10}},
                "page and pager caption");
    ExpectCells(*s,
                {{L"QATAppearance.Color", 0x00FDF6EF},
                 {L"QATAppearance.ColorTo", 0x00F0DAC7},
                 {L"QATAppearance.BorderColor", 0x00C7B29F},
                 {L"QATAppearance.FullSizeColor", 0x00FDF6EF},
                 {L"QATAppearance.FullSizeColorTo", 0x00F0DAC7},
                 {L"QATAppearance.FullSizeBorderColor", 0x00C7B29F}},
                "quick access toolbar");
    // The Office 2010 tab groups.
    ExpectCells(*s,
                {{L"GroupAppearance.TextColor", clWhite},
                 {L"GroupAppearance.Color", 0x0046C0FF},
                 {L"GroupAppearance.ColorTo", 0x0046C0FF},
                 {L"GroupAppearance.ColorMirror", 0x0046C0FF},
                 {L"GroupAppearance.ColorMirrorTo", 0x0046C0FF},
                 {L"GroupAppearance.Gradient", kV},
                 {L"GroupAppearance.GradientMirror", kV},
                 {L"GroupAppearance.BorderColor", 0x001475FF},
                 {L"GroupAppearance.TabAppearance.BorderColorHot", 0x001475FF},
                 {L"GroupAppearance.TabAppearance.BorderColorSelected", 0x001475FF},
                 {L"GroupAppearance.TabAppearance.BorderColorSelectedHot", 0x001475FF},
                 {L"GroupAppearance.PageAppearance.Color", 0x00FFFAF5},
                 {L"GroupAppearance.CaptionAppearance.CaptionTextColor", 0x005B391E},
                 {L"GroupAppearance.ToolBarAppearance.Color.Color", 0x00FFFAF5},
                 {L"GroupAppearance.ToolBarAppearance.Color.ColorTo", 0x00F6E9DC},
                 {L"GroupAppearance.ToolBarAppearance.BorderColor", 0x00C7B29F},
                 {L"GroupAppearance.ToolBarAppearance.ColorHot.Color", 0x00FFFAF5},
                 {L"GroupAppearance.ToolBarAppearance.ColorHot.ColorTo", 0x00F5EFE9}},
                "groups");
}

TEST(ToolBarPresets, TellingCellsOfEveryRow) {
    // Color.Color / Color.ColorTo / TabAppearance.BackGround.Color / TabAppearance.TextColor /
    // PagerCaption.Color / BorderColor; -1: the row leaves the value alone.
    struct TRow {
        TToolBarStyle Style;
        bool Scenic;
        int64_t Cells[6];
    };
    const int64_t none = -1;
    const TRow rows[] = {
        {bsOffice2003Blue, false, {0x00FDEADA, 0x00E4AE88, 0x00E4AE88, 0, 0x00E4AE88, 0x00E0C7AD}},
        {bsOffice2003Silver, false, {0x00ECE2E1, 0x00B39698, 0x00E6D8D8, 0, 0x00E6D8D8, 0x00F7F3F3}},
        {bsOffice2003Olive, false, {0x00CFF0EA, 0x008CC0B1, 0x008CC0B1, 0, 0x008CC0B1, 0x008CC0B1}},
        {bsOffice2003Classic, false, {clWhite, 0x00C9D1D5, 0x00C9D1D5, 0, 0x00808080, none}},
        {bsOffice2007Luna, false, {0x00EDD8C7, 0x00F6E9D9, 0x00FFDBBF, 0x008B4215, 0x00ECE7E2, 0x00D7C8B7}},
        {bsOffice2007Obsidian, false, {0x00C5BBB4, 0x00ECECE5, 0x00535353, clWhite, 0x00524743, 0x00B4B0AE}},
        {bsWindowsXP, false, {clBtnFace, clBtnFace, clBtnFace, 0, clBtnFace, 0x00808080}},
        {bsOfficeXP, false, {clBtnFace, clBtnFace, clBtnFace, 0, clBtnFace, 0x00808080}},
        {bsWhidbeyStyle, false, {0x00F5F9FA, 0x00A8C0C0, 0x00859D9D, clWhite, 0x00859D9D, 0x00C0C0C0}},
        {bsOffice2007Silver, false, {0x00E7DCD5, 0x00F4F4EE, 0x00DDD4D0, 0x005C534C, 0x00EBE8E7, 0x00939291}},
        {bsWindowsVista, false, {0x00FDF8F1, 0x00FCEFD5, 0x00FFFDF9, 0, 0x00FEF9F0, 0x00FCF2DA}},
        {bsWindows7, false, {0x00FCEBDC, 0x00FCDBC1, 0x00FCEBDC, 0, 0x00FCEBDC, 0x00CEA27D}},
        {bsWindows7, true, {0x00DBC9BA, 0x00DBC9BA, 0x00F5E9DF, 0x005B391E, 0x00F5E9DF, 0x00DBC9BA}},
        {bsTerminal, false, {clBtnFace, clBtnFace, clBtnFace, 0, clBtnFace, 0x00808080}},
        {bsOffice2010Blue, false, {0x00FDF6EF, 0x00F0DAC7, 0x00FAF4ED, 0x005B391E, 0x00FFFAF5, 0x00C7B29F}},
        {bsOffice2010Silver, false, {clWhite, 0x00EDE5E0, 0x00FAF4ED, 0x00615F5E, 0x00D4CFCB, none}},
        {bsOffice2010Black, false, {0x00BFBFBF, 0x00919191, 0x00CFCFCF, clWhite, 0x00656565, 0x006D6D6D}},
    };
    const wchar_t* paths[6] = {
        L"Color.Color",        L"Color.ColorTo", L"TabAppearance.BackGround.Color", L"TabAppearance.TextColor",
        L"PagerCaption.Color", L"BorderColor"};
    for (const TRow& row : rows) {
        TScenicGuard scenic(row.Scenic);
        TStyler s = NewStyler();
        const TColor earlierBorder = 0x00010203;
        s->SetBorderColor(earlierBorder);
        s->SetStyle(row.Style);
        std::string where = ToUtf8(StyleFileName(row.Style)) + (row.Scenic ? " (scenic)" : "");
        EXPECT_EQ(s->GetZemStyle(), ZemStyleOf(row.Style)) << where;
        for (int i = 0; i < 6; ++i) {
            int64_t want = row.Cells[i] == none ? earlierBorder : row.Cells[i];
            EXPECT_EQ(GetStylerValue(*s, paths[i]), want) << where << ": " << ToUtf8(paths[i]);
        }
    }
}

TEST(ToolBarPresets, PerStyleSettings) {
    struct TOffice2007 {
        TToolBarStyle Style;
        TColor SysButton;
        TColor Extended;
        bool SharpCurve;
    };
    for (const TOffice2007& o : {TOffice2007{bsOffice2007Luna, 0x00B99A82, 0x00797069, false},
                                 TOffice2007{bsOffice2007Obsidian, 0x00B3A69C, clWhite, true},
                                 TOffice2007{bsOffice2007Silver, 0x00A59180, 0x00797069, false}}) {
        TStyler s = NewStyler();
        s->SetStyle(o.Style);
        std::string where = ToUtf8(StyleFileName(o.Style));
        EXPECT_EQ(s->GetSysButtonColor(), o.SysButton) << where;
        EXPECT_EQ(s->PagerCaption().GetTextColor(), 0x00AA6A3E) << where;
        EXPECT_EQ(s->PagerCaption().GetTextColorExtended(), o.Extended) << where;
        EXPECT_EQ(s->GetFloatingWindowBorderWidth(), 1) << where;
        EXPECT_EQ(s->GetDragGripStyle(), dsNone) << where;
        EXPECT_EQ(s->GetQatSharpCurve(), o.SharpCurve) << where;
    }
    for (TToolBarStyle xp : {bsWindowsXP, bsOfficeXP}) {
        TStyler s = NewStyler();
        s->SetStyle(xp);
        EXPECT_FALSE(s->GetRoundEdges());
        EXPECT_EQ(s->GetDragGripStyle(), dsSingleLine);
        EXPECT_EQ(s->GetBevel(), bvRaised);
        EXPECT_TRUE(s->GetUseBevel());
        EXPECT_EQ(s->GetZemStyle(), tsWindowsXP);
    }
    // The common part undoes what another style set.
    TStyler s = NewStyler();
    s->SetStyle(bsOffice2007Obsidian);
    s->SetStyle(bsOffice2010Black);
    EXPECT_EQ(s->GetSysButtonColor(), 0);
    EXPECT_FALSE(s->GetQatSharpCurve());
    EXPECT_EQ(s->PagerCaption().GetTextColor(), 0x00808080);
}

TEST(ToolBarPresets, WarmGlowForTheOffice2003Looks) {
    for (TToolBarStyle style : {bsOffice2003Blue, bsOffice2003Silver, bsOffice2003Olive, bsWhidbeyStyle}) {
        TStyler s = NewStyler();
        s->SetStyle(style);
        std::string where = ToUtf8(StyleFileName(style));
        const TGlowButtonAppearance& g = s->GlowButtonAppearance();
        EXPECT_EQ(g.GetColorHot(), 0x00EBFDFF) << where;
        EXPECT_EQ(g.GetColorMirrorHot(), 0x0059DAFF) << where;
        EXPECT_EQ(g.GetBorderColorHot(), 0x0099CEDB) << where;
        EXPECT_EQ(g.GetColorMirrorDown(), 0x000E72F1) << where;
        EXPECT_EQ(g.GetBorderColorDown(), 0x0045667B) << where;
        EXPECT_EQ(g.GetColorCheckedTo(), 0x0078C7FE) << where;
        EXPECT_EQ(g.GetColorMirrorCheckedTo(), 0x0056B4FE) << where;
        EXPECT_EQ(s->CompactGlowButtonAppearance().GetColorMirrorHotTo(), 0x00A4E9FF) << where;
    }
    TStyler luna = NewStyler();
    luna->SetStyle(bsOffice2007Luna);
    EXPECT_NE(luna->GlowButtonAppearance().GetColorHot(), 0x00EBFDFF) << "not a warm-glow look";
}

// No derived row may keep a value of the row shown before it: every style applied after
// two different styles gives the same values.
TEST(ToolBarPresets, RowsLeaveNothingOfThePreviousStyle) {
    for (int i = 0; i < kToolBarStyleCount; ++i) {
        auto style = static_cast<TToolBarStyle>(i);
        if (style == bsCustom || style == bsOffice2010Blue) continue;
        TStyler a = NewStyler(), b = NewStyler();
        a->SetStyle(bsOffice2003Olive == style ? bsOffice2007Obsidian : bsOffice2003Olive);
        b->SetStyle(bsOffice2010Black == style ? bsWindowsVista : bsOffice2010Black);
        a->SetStyle(style);
        b->SetStyle(style);
        std::vector<std::wstring> paths = StyleFileKeys();
        for (const wchar_t* extra : {L"RoundEdges", L"Bevel", L"UseBevel", L"SysButtonColor", L"QatSharpCurve",
                                     L"PageAppearance.HighLightColor", L"PagerCaption.TextColorExtended"})
            paths.push_back(extra);
        for (const std::wstring& path : paths) {
            TStylerProperty p;
            ASSERT_TRUE(FindStylerProperty(*a, path, p)) << ToUtf8(path);
            if (p.Prop && p.Prop->Kind == TPropKind::String) continue;  // font names
            if (path == L"BorderColor" && (style == bsOffice2003Classic || style == bsOffice2010Silver)) continue;
            if (path == L"FormBorderColor") continue;  // no preset sets it
            EXPECT_EQ(GetStylerValue(*a, path), GetStylerValue(*b, path))
                << ToUtf8(StyleFileName(style)) << ": " << ToUtf8(path);
        }
    }
}

TEST(ToolBarPresets, StyleChangesAndTheirAnnouncement) {
    Office2010Look = false;
    TStyler s = NewStyler();
    TOwnedPtr<TFakeStyledControl> pager(new TFakeStyledControl());
    pager->Link(s.get());

    s->SetStyle(bsOffice2010Blue);
    EXPECT_TRUE(Office2010Look);
    EXPECT_EQ(pager->Scenic, std::vector<bool>{true});
    EXPECT_EQ(pager->LookChanges, 1);
    // Every code the preset caused arrives once, after the whole preset is in place.
    for (int code : {scStyle, scGlowButton, scPagerAppearance, scPagerCaption, scQAT})
        EXPECT_EQ(pager->Count(code), 1) << "code " << code;
    EXPECT_EQ(pager->Codes.size(), std::set<int>(pager->Codes.begin(), pager->Codes.end()).size());

    // The current style again re-applies nothing: a colour changed by hand stays.
    s->TabAppearance().SetColorHot(0x00ABCDEF);
    pager->Codes.clear();
    s->SetStyle(bsOffice2010Blue);
    EXPECT_EQ(s->TabAppearance().GetColorHot(), 0x00ABCDEF);
    EXPECT_TRUE(pager->Codes.empty());

    // bsCustom keeps every colour but resets the pager caption's text and the caption buttons.
    s->SetSysButtonColor(0x00112233);
    s->PagerCaption().SetTextColor(0x00445566);
    s->SetStyle(bsCustom);
    EXPECT_EQ(s->TabAppearance().GetColorHot(), 0x00ABCDEF);
    EXPECT_EQ(s->Color().GetColor(), 0x00FDF6EF);
    EXPECT_EQ(s->GetSysButtonColor(), 0);
    EXPECT_EQ(s->PagerCaption().GetTextColor(), 0x00808080);
    EXPECT_EQ(s->GetZemStyle(), tsCustom);
    EXPECT_TRUE(Office2010Look) << "tsCustom keeps the process-wide look";

    s->SetStyle(bsOffice2007Luna);
    EXPECT_FALSE(Office2010Look);
    EXPECT_EQ(pager->Scenic.back(), false);

    // The shared styles map to the toolbar styles; tsCustom changes nothing.
    s->SetComponentStyle(tsCustom);
    EXPECT_EQ(s->GetStyle(), bsOffice2007Luna);
    const std::pair<TZemStyle, TToolBarStyle> mapping[] = {{tsWhidbey, bsWhidbeyStyle},
                                                           {tsOffice2007Silver, bsOffice2007Silver},
                                                           {tsWindowsVista, bsWindowsVista},
                                                           {tsWindows7, bsWindows7},
                                                           {tsTerminal, bsTerminal},
                                                           {tsOffice2010Silver, bsOffice2010Silver},
                                                           {tsOffice2003Classic, bsOffice2003Classic},
                                                           {tsWindowsXP, bsWindowsXP}};
    for (const auto& [zem, style] : mapping) {
        s->SetComponentStyle(zem);
        EXPECT_EQ(s->GetStyle(), style) << ToUtf8(StyleFileName(style));
    }
    Office2010Look = false;
}

TEST(ToolBarPresets, Windows7FollowsTheScenicFlag) {
    TStyler plain = NewStyler(), scenic = NewStyler();
    {
        TScenicGuard off(false);
        plain->SetStyle(bsWindows7);
    }
    {
        TScenicGuard on(true);
        scenic->SetStyle(bsWindows7);
    }
    EXPECT_EQ(plain->Color().GetColorTo(), 0x00FCDBC1);
    EXPECT_EQ(scenic->Color().GetColorTo(), 0x00DBC9BA);
    EXPECT_EQ(plain->TabAppearance().GetTextColor(), 0);
    EXPECT_EQ(scenic->TabAppearance().GetTextColor(), 0x005B391E);
}
