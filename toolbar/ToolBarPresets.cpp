// The preset rows. bsOffice2010Blue, the look of the program, is written out cell by
// cell. Every other look is a scheme: the colours that tell it apart (its toolbar
// gradient, tab strip, tab text, pager caption and border) plus the few colours it
// chooses for frames, tints, text and button states; every cell of its row is derived
// from those by one rule table, so no row takes a value from another row. A derived fill
// that text is drawn on is then moved, as little as needed, until the text reads on it.
#include "toolbar/ToolBarPresets.h"

#include <algorithm>
#include <cwchar>

#include "paint/OrvColors.h"
#include "toolbar/OrvToolBarStyler.h"

namespace orv {

namespace {

constexpr TColor kUnset = -2;  // a cell the row leaves alone (no colour has this value)
constexpr int64_t V = ggVertical;
constexpr int64_t gdV = gdVertical;

// --- bsOffice2010Blue, cell by cell -------------------------------------------------

const std::vector<TPresetCell> kOffice2010Blue = {
    {L"RightHandleColor", 0xFDF6EF},
    {L"RightHandleColorTo", 0xF0DAC7},
    {L"RightHandleColorHot", 0xD9F9FD},
    {L"RightHandleColorHotTo", 0x8AE3FD},
    {L"RightHandleColorDown", 0x7BEEFF},
    {L"RightHandleColorDownTo", 0x6CD0FF},
    {L"FloatingWindowBorderColor", 0xD6C0B1},
    {L"FloatingWindowBorderWidth", 2},
    {L"RoundEdges", 1},
    {L"DragGripStyle", dsDots},
    {L"Bevel", bvNone},
    {L"UseBevel", 0},
    {L"BorderColor", 0xC7B29F},
    {L"BorderColorHot", 0xD6C0B1},
    // Color, ColorHot, DockColor
    {L"Color.Color", 0xFDF6EF},
    {L"Color.ColorTo", 0xF0DAC7},
    {L"Color.Direction", gdV},
    {L"Color.Steps", 64},
    {L"Color.Mirror.Color", 0xFFFAF5},
    {L"Color.Mirror.ColorTo", 0xFAEFE5},
    {L"Color.Mirror.ColorMirror", 0xFAEFE5},
    {L"Color.Mirror.ColorMirrorTo", 0xF6E9DC},
    {L"ColorHot.Color", 0xF7EDE3},
    {L"ColorHot.ColorTo", 0xFDF6EF},
    {L"ColorHot.Direction", gdV},
    {L"ColorHot.Mirror.Color", 0xFFFAF5},
    {L"ColorHot.Mirror.ColorTo", 0xFAEFE5},
    {L"ColorHot.Mirror.ColorMirror", 0xFAEFE5},
    {L"ColorHot.Mirror.ColorMirrorTo", 0xF5EFE9},
    {L"DockColor.Color", 0xF0DAC7},
    {L"DockColor.ColorTo", 0xFDF6EF},
    {L"DockColor.Direction", gdHorizontal},
    {L"DockColor.Steps", 128},
    // CaptionAppearance
    {L"CaptionAppearance.CaptionColor", 0xF6E9DC},
    {L"CaptionAppearance.CaptionColorTo", 0xF6E9DC},
    {L"CaptionAppearance.CaptionBorderColor", 0xF6E9DC},
    {L"CaptionAppearance.CaptionColorHot", 0xF5EFE9},
    {L"CaptionAppearance.CaptionColorHotTo", 0xF5EFE9},
    {L"CaptionAppearance.CaptionBorderColorHot", 0xF5EFE9},
    {L"CaptionAppearance.CaptionTextColor", 0x5B391E},
    {L"CaptionAppearance.CaptionTextColorHot", 0x5B391E},
    // ButtonAppearance
    {L"ButtonAppearance.Color", 0xFDF6EF},
    {L"ButtonAppearance.ColorTo", 0xF0DAC7},
    {L"ButtonAppearance.ColorDown", 0x6CD0FF},
    {L"ButtonAppearance.ColorDownTo", 0x7BEEFF},
    {L"ButtonAppearance.ColorHot", 0x8AE3FD},
    {L"ButtonAppearance.ColorHotTo", 0xD9F9FD},
    {L"ButtonAppearance.ColorChecked", 0x6CD0FF},
    {L"ButtonAppearance.ColorCheckedTo", 0x6CD0FF},
    {L"ButtonAppearance.CaptionTextColor", 0},
    {L"ButtonAppearance.CaptionTextColorHot", 0},
    {L"ButtonAppearance.CaptionTextColorDown", 0},
    {L"ButtonAppearance.CaptionTextColorChecked", 0},
    {L"ButtonAppearance.BorderDownColor", 0x308AC2},
    {L"ButtonAppearance.BorderHotColor", 0x58CAF1},
    {L"ButtonAppearance.BorderCheckedColor", 0x308AC2},
    // GlowButtonAppearance: normal, hot, down, checked; the disabled look is left alone
    {L"GlowButtonAppearance.Color", 0xFDF6EF},
    {L"GlowButtonAppearance.ColorTo", 0xF0DAC7},
    {L"GlowButtonAppearance.ColorMirror", 0xF0DAC7},
    {L"GlowButtonAppearance.ColorMirrorTo", 0xF0DAC7},
    {L"GlowButtonAppearance.BorderColor", 0xC7B29F},
    {L"GlowButtonAppearance.ColorHot", 0x8AE3FD},
    {L"GlowButtonAppearance.ColorHotTo", 0xD9F9FD},
    {L"GlowButtonAppearance.ColorMirrorHot", 0xD9F9FD},
    {L"GlowButtonAppearance.ColorMirrorHotTo", 0x8AE3FD},
    {L"GlowButtonAppearance.BorderColorHot", 0x58CAF1},
    {L"GlowButtonAppearance.ColorDown", 0x6CD0FF},
    {L"GlowButtonAppearance.ColorDownTo", 0x7BEEFF},
    {L"GlowButtonAppearance.ColorMirrorDown", 0x7BEEFF},
    {L"GlowButtonAppearance.ColorMirrorDownTo", 0x6CD0FF},
    {L"GlowButtonAppearance.BorderColorDown", 0x308AC2},
    {L"GlowButtonAppearance.ColorChecked", 0xD9F9FD},
    {L"GlowButtonAppearance.ColorCheckedTo", 0x6CD0FF},
    {L"GlowButtonAppearance.ColorMirrorChecked", 0x6CD0FF},
    {L"GlowButtonAppearance.ColorMirrorCheckedTo", 0x6CD0FF},
    {L"GlowButtonAppearance.BorderColorChecked", 0x308AC2},
    {L"GlowButtonAppearance.Gradient", V},
    {L"GlowButtonAppearance.GradientMirror", V},
    {L"GlowButtonAppearance.GradientHot", V},
    {L"GlowButtonAppearance.GradientMirrorHot", V},
    {L"GlowButtonAppearance.GradientDown", V},
    {L"GlowButtonAppearance.GradientMirrorDown", V},
    {L"GlowButtonAppearance.GradientChecked", V},
    {L"GlowButtonAppearance.GradientMirrorChecked", V},
    // TabAppearance (Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColorDown and
    // HighLightColor are left alone)
    {L"TabAppearance.BackGround.Color", 0xFAF4ED},
    {L"TabAppearance.BackGround.ColorTo", 0xFEFCFA},
    {L"TabAppearance.BorderColor", 0xC7B29F},
    {L"TabAppearance.BorderColorDisabled", clNone},
    {L"TabAppearance.BorderColorHot", 0xBAB5B1},
    {L"TabAppearance.BorderColorSelected", 0xDBC9B8},
    {L"TabAppearance.BorderColorSelectedHot", 0xDBC9B8},
    {L"TabAppearance.TextColor", 0x5B391E},
    {L"TabAppearance.TextColorHot", 0x5B391E},
    {L"TabAppearance.TextColorSelected", 0x5B391E},
    {L"TabAppearance.TextColorDisabled", 0x808080},
    {L"TabAppearance.ColorSelected", 0xFFFAF5},
    {L"TabAppearance.ColorSelectedTo", 0xFFFAF5},
    {L"TabAppearance.ColorMirrorSelected", 0xFFFAF5},
    {L"TabAppearance.ColorMirrorSelectedTo", 0xFFFAF5},
    {L"TabAppearance.ColorDisabled", 0xF2F2F2},
    {L"TabAppearance.ColorDisabledTo", 0xF2F2F2},
    {L"TabAppearance.ColorMirrorDisabled", 0xF2F2F2},
    {L"TabAppearance.ColorMirrorDisabledTo", 0xF2F2F2},
    {L"TabAppearance.ColorHot", 0xFAF4ED},
    {L"TabAppearance.ColorHotTo", 0xFEFCF7},
    {L"TabAppearance.ColorMirrorHot", 0xFEFCFA},
    {L"TabAppearance.ColorMirrorHotTo", 0xFEFCFA},
    {L"TabAppearance.Gradient", V},
    {L"TabAppearance.GradientMirror", V},
    {L"TabAppearance.GradientHot", V},
    {L"TabAppearance.GradientMirrorHot", V},
    {L"TabAppearance.GradientSelected", V},
    {L"TabAppearance.GradientMirrorSelected", V},
    {L"TabAppearance.GradientDisabled", V},
    {L"TabAppearance.GradientMirrorDisabled", V},
    {L"TabAppearance.ShadowColor", 0xC7B29F},
    {L"TabAppearance.HighLightColorSelected", 0xC7B29F},
    {L"TabAppearance.HighLightColorSelectedHot", 0xF0DAC7},
    {L"TabAppearance.HighLightColorDown", 0xF6E7D9},
    {L"TabAppearance.HighLightColorHot", 0xFDF6EF},
    // PageAppearance, PagerCaption
    {L"PageAppearance.Color", 0xFFFAF5},
    {L"PageAppearance.ColorTo", 0xFAEFE5},
    {L"PageAppearance.ColorMirror", 0xFAEFE5},
    {L"PageAppearance.ColorMirrorTo", 0xF6E9DC},
    {L"PageAppearance.BorderColor", 0xC7B29F},
    {L"PageAppearance.ShadowColor", 0xE6D1BF},
    {L"PageAppearance.HighLightColor", 0xCCB9A9},
    {L"PagerCaption.Color", 0xFFFAF5},
    {L"PagerCaption.ColorTo", 0xEAD3BF},
    {L"PagerCaption.ColorMirror", 0xEAD3BF},
    {L"PagerCaption.ColorMirrorTo", 0xEAD3BF},
    {L"PagerCaption.BorderColor", 0xC7B29F},
    // QATAppearance
    {L"QATAppearance.Color", 0xFDF6EF},
    {L"QATAppearance.ColorTo", 0xF0DAC7},
    {L"QATAppearance.BorderColor", 0xC7B29F},
    {L"QATAppearance.FullSizeColor", 0xFDF6EF},
    {L"QATAppearance.FullSizeColorTo", 0xF0DAC7},
    {L"QATAppearance.FullSizeBorderColor", 0xC7B29F},
};

// --- the schemes ----------------------------------------------------------------------

enum TSlot {
    // given: toolbar gradient, tab strip, tab text, pager caption, toolbar border
    sColor,
    sColorTo,
    sTabBack,
    sTabText,
    sCaption,
    sBorder,
    // chosen: frames of pages/tabs/buttons, lightest tint, caption text, button states
    sFrame,
    sLight,
    sText,
    sHot,
    sHotTo,
    sDown,
    sDownTo,
    sHotBorder,
    sDownBorder,
    // fixed
    sNone,
    sWhite,
    sBlack,
    sGray,
    kSlotCount
};

struct TScheme {
    TToolBarStyle Style;
    bool Scenic;
    TColor Colors[sNone];  // the slots up to sNone, in TSlot order
};

// Office state accents: 2003 warm (the warm glow colours), 2007/2010 yellow-orange,
// Vista light blue, classic lilac (the base button record's own colours).
#define WARM 0xEBFDFF, 0xACECFF, 0x76AFF1, 0x4190F3, 0x99CEDB, 0x45667B
#define GOLD 0x8AE3FD, 0xD9F9FD, 0x6CD0FF, 0x7BEEFF, 0x58CAF1, 0x308AC2
#define SKY 0xFEF5E5, 0xFDEAC4, 0xF8D5A9, 0xF5C490, 0xE8C191, 0xC5A26D
#define LILAC 0xD2BDB6, 0xD2BDB6, 0xB59285, 0xB59285, 0x6A240A, 0x6A240A

// clang-format off
const TScheme kSchemes[] = {
//   style                scenic  Color      ColorTo    TabBack    TabText    Caption    Border    | Frame      Light      Text       Hot..DownBorder
    {bsOffice2003Blue,    false, {0xFDEADA, 0xE4AE88, 0xE4AE88, 0x000000, 0xE4AE88, 0xE0C7AD,   0x9C6B3B, 0xFEF5EC, 0x6E3A0F, WARM}},
    {bsOffice2003Silver,  false, {0xECE2E1, 0xB39698, 0xE6D8D8, 0x000000, 0xE6D8D8, 0xF7F3F3,   0x8F7375, 0xF7F2F2, 0x5C4A4B, WARM}},
    {bsOffice2003Olive,   false, {0xCFF0EA, 0x8CC0B1, 0x8CC0B1, 0x000000, 0x8CC0B1, 0x8CC0B1,   0x60907F, 0xE7F8F5, 0x3A5A4F, WARM}},
    {bsOffice2003Classic, false, {clWhite,  0xC9D1D5, 0xC9D1D5, 0x000000, 0x808080, kUnset,     0x808080, 0xF4F6F7, 0x404040, LILAC}},
    {bsOffice2007Luna,    false, {0xEDD8C7, 0xF6E9D9, 0xFFDBBF, 0x8B4215, 0xECE7E2, 0xD7C8B7,   0xC5A585, 0xFFF8F2, 0x8B4215, GOLD}},
    {bsOffice2007Obsidian,false, {0xC5BBB4, 0xECECE5, 0x535353, clWhite,  0x524743, 0xB4B0AE,   0x8C8782, 0xF5F4F2, 0x464646, GOLD}},
    {bsWindowsXP,         false, {clBtnFace,clBtnFace,clBtnFace,0x000000, clBtnFace,0x808080,   0x808080, clBtnHighlight, clBtnText, LILAC}},
    {bsWhidbeyStyle,      false, {0xF5F9FA, 0xA8C0C0, 0x859D9D, clWhite,  0x859D9D, 0xC0C0C0,   0x6F8585, 0xFAFCFD, 0x3F4F4F, WARM}},
    {bsOffice2007Silver,  false, {0xE7DCD5, 0xF4F4EE, 0xDDD4D0, 0x5C534C, 0xEBE8E7, 0x939291,   0xA9A5A2, 0xFAF8F7, 0x5C534C, GOLD}},
    {bsWindowsVista,      false, {0xFDF8F1, 0xFCEFD5, 0xFFFDF9, 0x000000, 0xFEF9F0, 0xFCF2DA,   0xE0C8A8, 0xFFFDFA, 0x6D4A26, SKY}},
    {bsWindows7,          false, {0xFCEBDC, 0xFCDBC1, 0xFCEBDC, 0x000000, 0xFCEBDC, 0xCEA27D,   0xCEA27D, 0xFEF8F2, 0x5B391E, GOLD}},
    {bsWindows7,          true,  {0xDBC9BA, 0xDBC9BA, 0xF5E9DF, 0x5B391E, 0xF5E9DF, 0xDBC9BA,   0xB9A08A, 0xFBF6F2, 0x5B391E, GOLD}},
    {bsTerminal,          false, {clBtnFace,clBtnFace,clBtnFace,0x000000, clBtnFace,0x808080,   0x808080, clBtnFace, clBtnText, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x808080, clBlack, clBlack}},
    {bsOffice2010Silver,  false, {clWhite,  0xEDE5E0, 0xFAF4ED, 0x615F5E, 0xD4CFCB, kUnset,     0xC5C0BC, clWhite,  0x5D5D5D, GOLD}},
    {bsOffice2010Black,   false, {0xBFBFBF, 0x919191, 0xCFCFCF, clWhite,  0x656565, 0x6D6D6D,   0x5A5A5A, 0xE0E0E0, 0x262626, GOLD}},
};

// A derived cell: slot A as it is (Percent 100), or Percent % of A blended over B.
struct TRule {
    const wchar_t* Path;
    TSlot A;
    TSlot B = sNone;
    int Percent = 100;
};

const TRule kRules[] = {
    {L"RightHandleColor", sColor}, {L"RightHandleColorTo", sColorTo}, {L"RightHandleColorHot", sHotTo},
    {L"RightHandleColorHotTo", sHot}, {L"RightHandleColorDown", sDownTo}, {L"RightHandleColorDownTo", sDown},
    {L"FloatingWindowBorderColor", sFrame, sWhite, 80}, {L"BorderColor", sBorder},
    {L"BorderColorHot", sFrame, sWhite, 80},
    // toolbar background: the scheme gradient over a mirror from the light tint into it
    {L"Color.Color", sColor}, {L"Color.ColorTo", sColorTo},
    {L"Color.Mirror.Color", sLight}, {L"Color.Mirror.ColorTo", sLight, sColorTo, 66},
    {L"Color.Mirror.ColorMirror", sLight, sColorTo, 66}, {L"Color.Mirror.ColorMirrorTo", sLight, sColorTo, 45},
    {L"ColorHot.Color", sColor, sColorTo, 68}, {L"ColorHot.ColorTo", sColor},
    {L"ColorHot.Mirror.Color", sLight}, {L"ColorHot.Mirror.ColorTo", sLight, sColorTo, 66},
    {L"ColorHot.Mirror.ColorMirror", sLight, sColorTo, 66}, {L"ColorHot.Mirror.ColorMirrorTo", sLight, sColorTo, 70},
    {L"DockColor.Color", sColorTo}, {L"DockColor.ColorTo", sColor},
    {L"CaptionAppearance.CaptionColor", sLight, sColorTo, 45}, {L"CaptionAppearance.CaptionColorTo", sLight, sColorTo, 45},
    {L"CaptionAppearance.CaptionBorderColor", sLight, sColorTo, 45},
    {L"CaptionAppearance.CaptionColorHot", sLight, sColorTo, 70},
    {L"CaptionAppearance.CaptionColorHotTo", sLight, sColorTo, 70},
    {L"CaptionAppearance.CaptionBorderColorHot", sLight, sColorTo, 70},
    {L"CaptionAppearance.CaptionTextColor", sText}, {L"CaptionAppearance.CaptionTextColorHot", sText},
    // classic buttons
    {L"ButtonAppearance.Color", sColor}, {L"ButtonAppearance.ColorTo", sColorTo},
    {L"ButtonAppearance.ColorDown", sDown}, {L"ButtonAppearance.ColorDownTo", sDownTo},
    {L"ButtonAppearance.ColorHot", sHot}, {L"ButtonAppearance.ColorHotTo", sHotTo},
    {L"ButtonAppearance.ColorChecked", sDown}, {L"ButtonAppearance.ColorCheckedTo", sDown},
    {L"ButtonAppearance.CaptionTextColor", sBlack}, {L"ButtonAppearance.CaptionTextColorHot", sBlack},
    {L"ButtonAppearance.CaptionTextColorDown", sBlack}, {L"ButtonAppearance.CaptionTextColorChecked", sBlack},
    {L"ButtonAppearance.BorderColor", sNone}, {L"ButtonAppearance.BorderDownColor", sDownBorder},
    {L"ButtonAppearance.BorderHotColor", sHotBorder}, {L"ButtonAppearance.BorderCheckedColor", sDownBorder},
    // glow buttons: normal and disabled (the state looks follow below)
    {L"GlowButtonAppearance.Color", sColor}, {L"GlowButtonAppearance.ColorTo", sColorTo},
    {L"GlowButtonAppearance.ColorMirror", sColorTo}, {L"GlowButtonAppearance.ColorMirrorTo", sColorTo},
    {L"GlowButtonAppearance.BorderColor", sFrame}, {L"GlowButtonAppearance.BorderColorChecked", sDownBorder},
    {L"GlowButtonAppearance.ColorDisabled", sLight, sGray, 85}, {L"GlowButtonAppearance.ColorDisabledTo", sLight, sGray, 85},
    {L"GlowButtonAppearance.ColorMirrorDisabled", sLight, sGray, 75},
    {L"GlowButtonAppearance.ColorMirrorDisabledTo", sLight, sGray, 85},
    {L"GlowButtonAppearance.BorderColorDisabled", sFrame, sWhite, 60},
    // tabs
    {L"TabAppearance.BackGround.Color", sTabBack}, {L"TabAppearance.BackGround.ColorTo", sTabBack, sWhite, 30},
    {L"TabAppearance.BorderColor", sFrame}, {L"TabAppearance.BorderColorDisabled", sNone},
    {L"TabAppearance.BorderColorHot", sFrame, sWhite, 90}, {L"TabAppearance.BorderColorSelected", sFrame, sWhite, 75},
    {L"TabAppearance.BorderColorSelectedHot", sFrame, sWhite, 75}, {L"TabAppearance.BorderColorDown", sDownBorder},
    {L"TabAppearance.TextColor", sTabText}, {L"TabAppearance.TextColorHot", sTabText},
    {L"TabAppearance.TextColorSelected", sText}, {L"TabAppearance.TextColorDisabled", sGray},
    {L"TabAppearance.Color", sTabBack}, {L"TabAppearance.ColorTo", sTabBack},
    {L"TabAppearance.ColorMirror", sTabBack}, {L"TabAppearance.ColorMirrorTo", sTabBack},
    {L"TabAppearance.ColorSelected", sLight}, {L"TabAppearance.ColorSelectedTo", sLight},
    {L"TabAppearance.ColorMirrorSelected", sLight}, {L"TabAppearance.ColorMirrorSelectedTo", sLight},
    {L"TabAppearance.ColorDisabled", sLight, sGray, 85}, {L"TabAppearance.ColorDisabledTo", sLight, sGray, 85},
    {L"TabAppearance.ColorMirrorDisabled", sLight, sGray, 85},
    {L"TabAppearance.ColorMirrorDisabledTo", sLight, sGray, 85},
    {L"TabAppearance.ColorHot", sLight, sTabBack, 40}, {L"TabAppearance.ColorHotTo", sLight, sTabBack, 80},
    {L"TabAppearance.ColorMirrorHot", sLight, sTabBack, 80}, {L"TabAppearance.ColorMirrorHotTo", sLight, sTabBack, 80},
    {L"TabAppearance.ShadowColor", sFrame}, {L"TabAppearance.HighLightColor", sLight},
    {L"TabAppearance.HighLightColorSelected", sFrame}, {L"TabAppearance.HighLightColorSelectedHot", sColorTo},
    {L"TabAppearance.HighLightColorDown", sLight, sColorTo, 40}, {L"TabAppearance.HighLightColorHot", sColor},
    // page and pager caption
    {L"PageAppearance.Color", sLight}, {L"PageAppearance.ColorTo", sLight, sColorTo, 66},
    {L"PageAppearance.ColorMirror", sLight, sColorTo, 66}, {L"PageAppearance.ColorMirrorTo", sLight, sColorTo, 45},
    {L"PageAppearance.BorderColor", sFrame}, {L"PageAppearance.ShadowColor", sLight, sFrame, 45},
    {L"PageAppearance.HighLightColor", sLight, sFrame, 15},
    {L"PagerCaption.Color", sCaption}, {L"PagerCaption.ColorTo", sCaption, sColorTo, 40},
    {L"PagerCaption.ColorMirror", sCaption, sColorTo, 40}, {L"PagerCaption.ColorMirrorTo", sCaption, sColorTo, 40},
    {L"PagerCaption.BorderColor", sFrame},
    // quick access toolbar
    {L"QATAppearance.Color", sColor}, {L"QATAppearance.ColorTo", sColorTo}, {L"QATAppearance.BorderColor", sFrame},
    {L"QATAppearance.FullSizeColor", sColor}, {L"QATAppearance.FullSizeColorTo", sColorTo},
    {L"QATAppearance.FullSizeBorderColor", sFrame},
};

// The glow state looks; the warm-glow styles keep the warm colours set before the row.
const TRule kGlowStateRules[] = {
    {L"GlowButtonAppearance.ColorHot", sHot}, {L"GlowButtonAppearance.ColorHotTo", sHotTo},
    {L"GlowButtonAppearance.ColorMirrorHot", sHotTo}, {L"GlowButtonAppearance.ColorMirrorHotTo", sHot},
    {L"GlowButtonAppearance.BorderColorHot", sHotBorder},
    {L"GlowButtonAppearance.ColorDown", sDown}, {L"GlowButtonAppearance.ColorDownTo", sDownTo},
    {L"GlowButtonAppearance.ColorMirrorDown", sDownTo}, {L"GlowButtonAppearance.ColorMirrorDownTo", sDown},
    {L"GlowButtonAppearance.BorderColorDown", sDownBorder},
    {L"GlowButtonAppearance.ColorChecked", sHotTo}, {L"GlowButtonAppearance.ColorCheckedTo", sDown},
    {L"GlowButtonAppearance.ColorMirrorChecked", sDown}, {L"GlowButtonAppearance.ColorMirrorCheckedTo", sDown},
};

// Tab groups of the looks before Office 2010 (those set their groups afterwards).
const TRule kGroupRules[] = {
    {L"GroupAppearance.BorderColor", sFrame}, {L"GroupAppearance.Color", sLight},
    {L"GroupAppearance.ColorTo", sColor}, {L"GroupAppearance.ColorMirror", sColorTo},
    {L"GroupAppearance.ColorMirrorTo", sColor}, {L"GroupAppearance.TextColor", sText},
};

// Cells every derived row writes as they are.
const std::vector<TPresetCell> kDerivedFixed = {
    {L"FloatingWindowBorderWidth", 2}, {L"RoundEdges", 1}, {L"DragGripStyle", dsDots}, {L"Bevel", bvNone},
    {L"UseBevel", 0}, {L"Color.Direction", gdV}, {L"Color.Steps", 64}, {L"ColorHot.Direction", gdV},
    {L"ColorHot.Steps", 64}, {L"DockColor.Direction", gdHorizontal}, {L"DockColor.Steps", 128},
    {L"ButtonAppearance.GradientDirection", gdV}, {L"ButtonAppearance.GradientDirectionHot", gdV},
    {L"ButtonAppearance.GradientDirectionDown", gdV}, {L"ButtonAppearance.GradientDirectionChecked", gdV},
    {L"GlowButtonAppearance.Gradient", V}, {L"GlowButtonAppearance.GradientMirror", V},
    {L"GlowButtonAppearance.GradientHot", V}, {L"GlowButtonAppearance.GradientMirrorHot", V},
    {L"GlowButtonAppearance.GradientDown", V}, {L"GlowButtonAppearance.GradientMirrorDown", V},
    {L"GlowButtonAppearance.GradientChecked", V}, {L"GlowButtonAppearance.GradientMirrorChecked", V},
    {L"GlowButtonAppearance.GradientDisabled", V}, {L"GlowButtonAppearance.GradientMirrorDisabled", V},
    {L"TabAppearance.BackGround.Direction", gdV}, {L"TabAppearance.BackGround.Steps", 64},
    {L"TabAppearance.Gradient", V}, {L"TabAppearance.GradientMirror", V}, {L"TabAppearance.GradientHot", V},
    {L"TabAppearance.GradientMirrorHot", V}, {L"TabAppearance.GradientSelected", V},
    {L"TabAppearance.GradientMirrorSelected", V}, {L"TabAppearance.GradientDisabled", V},
    {L"TabAppearance.GradientMirrorDisabled", V},
    {L"PageAppearance.Gradient", V}, {L"PageAppearance.GradientMirror", V}, {L"PageAppearance.Steps", 64},
    {L"PagerCaption.Gradient", V}, {L"PagerCaption.GradientMirror", V}, {L"PagerCaption.Steps", 64},
    {L"QATAppearance.Steps", 64},
};

const std::vector<TPresetCell> kGroupFixed = {
    {L"GroupAppearance.Gradient", V}, {L"GroupAppearance.GradientMirror", V}};

// What a look adds of its own on top of its scheme.
const std::vector<TPresetCell> kClassicFlat = {
    {L"RoundEdges", 0}, {L"DragGripStyle", dsSingleLine}, {L"Bevel", bvRaised}, {L"UseBevel", 1}};
const std::vector<TPresetCell> kTerminalFlat = {{L"RoundEdges", 0}, {L"DragGripStyle", dsSingleLine}};
#define OFFICE2007 \
    {L"PagerCaption.TextColor", 0xAA6A3E}, {L"FloatingWindowBorderWidth", 1}, {L"DragGripStyle", dsNone}
const std::vector<TPresetCell> kLunaExtras = {
    OFFICE2007, {L"SysButtonColor", 0xB99A82}, {L"PagerCaption.TextColorExtended", 0x797069}};
const std::vector<TPresetCell> kObsidianExtras = {
    OFFICE2007, {L"SysButtonColor", 0xB3A69C}, {L"PagerCaption.TextColorExtended", clWhite}, {L"QatSharpCurve", 1}};
const std::vector<TPresetCell> kSilverExtras = {
    OFFICE2007, {L"SysButtonColor", 0xA59180}, {L"PagerCaption.TextColorExtended", 0x797069}};
// clang-format on

// Text the toolbar family draws on a row's fills: the text colours and the fills under
// them (tab strip and tabs, pager caption, toolbar caption bars, tab group captions,
// classic buttons). Given: the look's own fill of that surface, which no rule changes.
struct TTextSurface {
    const wchar_t* Texts[2];
    const wchar_t* Fills[5];
    const wchar_t* Given;
};

// clang-format off
const TTextSurface kTextSurfaces[] = {
    {{L"TabAppearance.TextColor"}, {L"TabAppearance.BackGround.ColorTo", L"TabAppearance.Color",
        L"TabAppearance.ColorTo", L"TabAppearance.ColorMirror", L"TabAppearance.ColorMirrorTo"}, nullptr},
    {{L"TabAppearance.TextColorHot"}, {L"TabAppearance.ColorHot", L"TabAppearance.ColorHotTo",
        L"TabAppearance.ColorMirrorHot", L"TabAppearance.ColorMirrorHotTo"}, nullptr},
    {{L"TabAppearance.TextColorSelected"}, {L"TabAppearance.ColorSelected", L"TabAppearance.ColorSelectedTo",
        L"TabAppearance.ColorMirrorSelected", L"TabAppearance.ColorMirrorSelectedTo"}, nullptr},
    {{L"PagerCaption.TextColor", L"PagerCaption.TextColorExtended"}, {L"PagerCaption.ColorTo",
        L"PagerCaption.ColorMirror", L"PagerCaption.ColorMirrorTo"}, L"PagerCaption.Color"},
    {{L"CaptionAppearance.CaptionTextColor"}, {L"CaptionAppearance.CaptionColor",
        L"CaptionAppearance.CaptionColorTo"}, nullptr},
    {{L"CaptionAppearance.CaptionTextColorHot"}, {L"CaptionAppearance.CaptionColorHot",
        L"CaptionAppearance.CaptionColorHotTo"}, nullptr},
    {{L"GroupAppearance.TextColor"}, {L"GroupAppearance.Color", L"GroupAppearance.ColorTo",
        L"GroupAppearance.ColorMirror", L"GroupAppearance.ColorMirrorTo"}, nullptr},
    {{L"ButtonAppearance.CaptionTextColor"}, {L"ButtonAppearance.Color", L"ButtonAppearance.ColorTo"}, nullptr},
    {{L"ButtonAppearance.CaptionTextColorHot"}, {L"ButtonAppearance.ColorHot", L"ButtonAppearance.ColorHotTo"}, nullptr},
    {{L"ButtonAppearance.CaptionTextColorDown"}, {L"ButtonAppearance.ColorDown", L"ButtonAppearance.ColorDownTo"},
        nullptr},
    {{L"ButtonAppearance.CaptionTextColorChecked"}, {L"ButtonAppearance.ColorChecked",
        L"ButtonAppearance.ColorCheckedTo"}, nullptr},
};
// clang-format on

TPresetCell* FindCell(std::vector<TPresetCell>& row, const wchar_t* path) {
    for (auto it = row.rbegin(); it != row.rend(); ++it)
        if (wcscmp(it->Path, path) == 0) return &*it;
    return nullptr;
}

// A text colour of the row; the pager caption's come from the part every style shares
// unless the row sets its own.
bool TextOf(std::vector<TPresetCell>& row, const wchar_t* path, TColor& color) {
    if (const TPresetCell* cell = FindCell(row, path)) {
        color = static_cast<TColor>(cell->Value);
        return true;
    }
    if (wcscmp(path, L"PagerCaption.TextColor") == 0)
        color = kPagerCaptionTextColor;
    else if (wcscmp(path, L"PagerCaption.TextColorExtended") == 0)
        color = kPagerCaptionTextColorExtended;
    else
        return false;
    return true;
}

struct TTextNeed {
    TColor Text;
    double Contrast;
};

bool Reads(TColor fill, const std::vector<TTextNeed>& needs) {
    for (const TTextNeed& n : needs)
        if (ContrastRatio(n.Text, fill) < n.Contrast) return false;
    return true;
}

// The fill moved towards black or towards white by the fewest whole percent that give
// every text its contrast; false when neither way does.
bool ReadableFill(TColor fill, const std::vector<TTextNeed>& needs, TColor& out) {
    for (int percent = 0; percent <= 100; ++percent)
        for (TColor end : {clBlack, clWhite}) {
            TColor candidate = percent == 0 ? fill : BlendColor(end, fill, percent);
            if (Reads(candidate, needs)) {
                out = candidate;
                return true;
            }
        }
    return false;
}

// Keeps the text of the row readable on the fills its rules chose. Where no fill at all
// gives every text of a surface kMinTextContrast (the pager caption's grey and blue run
// need opposite ends), each text keeps at least the contrast the look's own fill gives
// it, and a fill that cannot be moved there takes the look's own colour.
void KeepTextReadable(std::vector<TPresetCell>& row) {
    for (const TTextSurface& surface : kTextSurfaces) {
        std::vector<TTextNeed> needs;
        for (const wchar_t* path : surface.Texts) {
            TColor text;
            if (path && TextOf(row, path, text) && text != clNone) needs.push_back({text, kMinTextContrast});
        }
        if (needs.empty()) continue;
        const TPresetCell* given = surface.Given ? FindCell(row, surface.Given) : nullptr;
        for (const wchar_t* path : surface.Fills) {
            TPresetCell* cell = path ? FindCell(row, path) : nullptr;
            if (!cell || cell->Value == clNone) continue;
            TColor fill = static_cast<TColor>(cell->Value), readable;
            if (ReadableFill(fill, needs, readable)) {
                cell->Value = readable;
                continue;
            }
            if (!given) continue;
            std::vector<TTextNeed> floors = needs;
            for (TTextNeed& n : floors)
                n.Contrast = std::min(n.Contrast, ContrastRatio(n.Text, static_cast<TColor>(given->Value)));
            cell->Value = ReadableFill(fill, floors, readable) ? readable : given->Value;
        }
    }
}

const std::vector<TPresetCell>* ExtrasOf(TToolBarStyle style) {
    switch (style) {
        case bsWindowsXP:
        case bsOfficeXP:
            return &kClassicFlat;
        case bsTerminal:
            return &kTerminalFlat;
        case bsOffice2007Luna:
            return &kLunaExtras;
        case bsOffice2007Obsidian:
            return &kObsidianExtras;
        case bsOffice2007Silver:
            return &kSilverExtras;
        default:
            return nullptr;
    }
}

TColor SlotValue(const TScheme& scheme, TSlot slot) {
    switch (slot) {
        case sNone:
            return clNone;
        case sWhite:
            return clWhite;
        case sBlack:
            return clBlack;
        case sGray:
            return 0x808080;
        default:
            return scheme.Colors[slot];
    }
}

void Derive(const TScheme& scheme, const TRule* first, const TRule* last, std::vector<TPresetCell>& out) {
    for (const TRule* r = first; r != last; ++r) {
        TColor a = SlotValue(scheme, r->A);
        if (a == kUnset) continue;
        TColor value = r->Percent >= 100 ? a : BlendColor(a, SlotValue(scheme, r->B), r->Percent);
        out.push_back({r->Path, value});
    }
}

template <size_t N>
void Derive(const TScheme& scheme, const TRule (&rules)[N], std::vector<TPresetCell>& out) {
    Derive(scheme, rules, rules + N, out);
}

void Append(std::vector<TPresetCell>& out, const std::vector<TPresetCell>& cells) {
    out.insert(out.end(), cells.begin(), cells.end());
}

}  // namespace

TZemStyle ZemStyleOf(TToolBarStyle style) {
    switch (style) {
        case bsOfficeXP:
            return tsWindowsXP;
        case bsWhidbeyStyle:
            return tsWhidbey;
        case bsCustom:
            return tsCustom;
        case bsOffice2007Silver:
            return tsOffice2007Silver;
        case bsWindowsVista:
            return tsWindowsVista;
        case bsWindows7:
            return tsWindows7;
        case bsTerminal:
            return tsTerminal;
        case bsOffice2010Blue:
            return tsOffice2010Blue;
        case bsOffice2010Silver:
            return tsOffice2010Silver;
        case bsOffice2010Black:
            return tsOffice2010Black;
        default:
            return static_cast<TZemStyle>(style);  // bsOffice2003Blue .. bsWindowsXP share ordinals
    }
}

bool UsesWarmGlow(TToolBarStyle style) {
    return style == bsOffice2003Blue || style == bsOffice2003Silver || style == bsOffice2003Olive ||
           style == bsWhidbeyStyle;
}

const std::vector<TPresetCell>& WarmGlowCells() {
    static const std::vector<TPresetCell> cells = {
        {L"GlowButtonAppearance.ColorHot", 0xEBFDFF},
        {L"GlowButtonAppearance.ColorHotTo", 0xACECFF},
        {L"GlowButtonAppearance.ColorMirrorHot", 0x59DAFF},
        {L"GlowButtonAppearance.ColorMirrorHotTo", 0xA4E9FF},
        {L"GlowButtonAppearance.BorderColorHot", 0x99CEDB},
        {L"GlowButtonAppearance.ColorDown", 0x76AFF1},
        {L"GlowButtonAppearance.ColorDownTo", 0x4190F3},
        {L"GlowButtonAppearance.ColorMirrorDown", 0x0E72F1},
        {L"GlowButtonAppearance.ColorMirrorDownTo", 0x4C9FFD},
        {L"GlowButtonAppearance.BorderColorDown", 0x45667B},
        {L"GlowButtonAppearance.ColorChecked", 0xB5DBFB},
        {L"GlowButtonAppearance.ColorCheckedTo", 0x78C7FE},
        {L"GlowButtonAppearance.ColorMirrorChecked", 0x9FEBFD},
        {L"GlowButtonAppearance.ColorMirrorCheckedTo", 0x56B4FE},
        {L"GlowButtonAppearance.GradientHot", V},
        {L"GlowButtonAppearance.GradientMirrorHot", V},
        {L"GlowButtonAppearance.GradientDown", V},
        {L"GlowButtonAppearance.GradientMirrorDown", V},
        {L"GlowButtonAppearance.GradientChecked", V},
        {L"GlowButtonAppearance.GradientMirrorChecked", V},
    };
    return cells;
}

std::vector<TPresetCell> ToolBarPresetRow(TToolBarStyle style, bool scenic) {
    std::vector<TPresetCell> row;
    if (style == bsCustom) return row;
    row.push_back({L"ZemStyle", ZemStyleOf(style)});
    if (style == bsOffice2010Blue) {
        Append(row, kOffice2010Blue);
        return row;
    }
    TToolBarStyle schemeStyle = style == bsOfficeXP ? bsWindowsXP : style;
    const TScheme* scheme = nullptr;
    for (const TScheme& s : kSchemes)
        if (s.Style == schemeStyle && (s.Scenic == scenic || schemeStyle != bsWindows7)) scheme = &s;
    if (!scheme) return row;
    Append(row, kDerivedFixed);
    Derive(*scheme, kRules, row);
    if (!UsesWarmGlow(style)) Derive(*scheme, kGlowStateRules, row);
    if (!IsOffice2010Style(ZemStyleOf(style))) {
        Derive(*scheme, kGroupRules, row);
        Append(row, kGroupFixed);
    }
    if (const auto* extras = ExtrasOf(style)) Append(row, *extras);
    KeepTextReadable(row);
    return row;
}

}  // namespace orv
