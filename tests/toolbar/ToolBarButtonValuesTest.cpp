// Toolbar button values: auto-size sums, content placement, colour sets and the press
// zone, against fixed numbers.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "menus/OrvMenus.h"
#include "toolbar/ToolBarButtonPainter.h"

using namespace orv;

TEST(ToolBarButtonSize, AutoSizeSumsFollowTheGlyphPosition) {
    TToolButtonSizeInput empty;
    empty.TextHeight = 13;
    EXPECT_EQ(ToolButtonAutoSize(empty).cx, 15) << "an empty button is 15 wide, not 16";
    EXPECT_EQ(ToolButtonAutoSize(empty).cy, 13 + 8);

    TToolButtonSizeInput caption = empty;
    caption.TextWidth = 40;
    EXPECT_EQ(ToolButtonAutoSize(caption).cx, 48) << "40-pixel caption plus twice the offset";
    caption.DropDown = true;
    EXPECT_EQ(ToolButtonAutoSize(caption).cx, 60) << "the drop-down section adds 12";
    caption.QuickAccess = true;
    EXPECT_EQ(ToolButtonAutoSize(caption).cx, 40 + 16 + 12) << "four offsets on the quick access toolbar";

    TToolButtonSizeInput both = empty;
    both.Glyph = {16, 16};
    both.TextWidth = 30;
    EXPECT_EQ(ToolButtonAutoSize(both), (TSize{16 + 4 + 30 + 8, 16 + 8}));
    both.Position = gpTop;
    EXPECT_EQ(ToolButtonAutoSize(both), (TSize{30 + 8, 16 + 13 + 4 + 8}));
    both.TextWidth = 0;
    both.Position = gpLeft;
    EXPECT_EQ(ToolButtonAutoSize(both).cx, 16 + 8) << "no spacing without a caption";
}

TEST(ToolBarButtonLayout, GlyphAndCaptionArePlacedPerGlyphPosition) {
    TSize glyph{16, 16}, text{30, 13};
    auto at = [&](TGlyphPosition p) { return ToolButtonContentLayout(60, 40, glyph, text, 4, p, false, true); };

    TToolButtonContent left = at(gpLeft);
    EXPECT_EQ(left.Glyph, (TPoint{5, 12}));
    EXPECT_EQ(left.Caption, (TRect{25, 0, 60, 40}));
    EXPECT_EQ(left.Format, unsigned(DT_SINGLELINE | DT_VCENTER));

    TToolButtonContent top = at(gpTop);
    EXPECT_EQ(top.Glyph, (TPoint{22, 3}));
    EXPECT_EQ(top.Caption, (TRect{0, 23, 60, 40}));
    EXPECT_EQ(top.Format, unsigned(DT_SINGLELINE | DT_CENTER));

    TToolButtonContent right = at(gpRight);
    EXPECT_EQ(right.Glyph, (TPoint{39, 12}));
    EXPECT_EQ(right.Caption, (TRect{5, 0, 35, 40}));
    EXPECT_TRUE(right.Format & DT_RIGHT);

    TToolButtonContent bottom = at(gpBottom);
    EXPECT_EQ(bottom.Glyph, (TPoint{22, 21}));
    EXPECT_EQ(bottom.Caption, (TRect{0, 4, 60, 21}));
    EXPECT_TRUE(left.Clip && top.Clip && right.Clip && bottom.Clip);

    // Too narrow without auto-size: the content starts at 1 and is not clipped.
    TToolButtonContent narrow = ToolButtonContentLayout(20, 22, glyph, text, 4, gpLeft, false, false);
    EXPECT_EQ(narrow.Glyph.X, 1);
    EXPECT_EQ(narrow.Caption.Left, 1 + 16 + 4);
    EXPECT_FALSE(narrow.Clip);
    TToolButtonContent narrowAuto = ToolButtonContentLayout(20, 22, glyph, text, 4, gpLeft, false, true);
    EXPECT_EQ(narrowAuto.Glyph.X, -15) << "with auto-size the computed offset stands";

    // Rotated: the glyph above, the caption running down below it, its top to the right.
    TToolButtonContent rotated = ToolButtonContentLayout(22, 60, glyph, text, 4, gpLeft, true, true);
    EXPECT_EQ(rotated.Glyph, (TPoint{3, 5}));
    EXPECT_EQ(rotated.CaptionOrigin, (TPoint{4 + 13, 25}));
}

TEST(ToolBarButtonColors, EachStateTakesItsRowFromTheRightSource) {
    TButtonAppearance styler, own;
    styler.SetColorHot(0x102030);
    styler.SetBorderHotColor(0x405060);
    own.SetColor(0x111111);
    own.SetBorderColor(0x222222);
    own.SetCaptionTextColor(0x333333);
    styler.SetCaptionTextColor(0x444444);

    TToolButtonStateInput s;
    TToolButtonColors idle = ToolButtonColors(styler, own, s);
    EXPECT_EQ(idle.Color, clNone) << "a transparent idle button has no fill";
    EXPECT_EQ(idle.BorderColor, clNone);
    EXPECT_EQ(idle.CaptionColor, 0x444444) << "idle caption from the styler";
    s.Transparent = false;
    idle = ToolButtonColors(styler, own, s);
    EXPECT_EQ(idle.Color, 0x111111) << "idle fill from the button's own appearance";
    EXPECT_EQ(idle.BorderColor, 0x222222);
    EXPECT_EQ(idle.Glyph, tgNormal);

    s.Transparent = true;
    s.Hot = true;
    TToolButtonColors hot = ToolButtonColors(styler, own, s);
    EXPECT_EQ(hot.Color, 0x102030);
    EXPECT_EQ(hot.BorderColor, 0x405060);
    EXPECT_EQ(hot.Glyph, tgHot);

    TButtonAppearance defaults;
    s = {};
    s.State = absDown;
    TToolButtonColors down = ToolButtonColors(defaults, defaults, s);
    EXPECT_EQ(down.Color, 0xB59285);
    EXPECT_EQ(down.BorderColor, 0x6A240A);
    EXPECT_EQ(down.DropDownColor, 0xD2BDB6) << "the drop-down part of a pressed button looks hot";
    EXPECT_EQ(down.Glyph, tgDown);

    s.State = absExclusive;
    TToolButtonColors checked = ToolButtonColors(defaults, defaults, s);
    EXPECT_EQ(checked.Color, 0xD8D5D4);
    EXPECT_EQ(checked.Glyph, tgChecked);
    s.Hot = true;
    EXPECT_EQ(ToolButtonColors(defaults, defaults, s).Color, 0xB59285) << "a hot down group button looks pressed";
    s = {};
    s.Check = true;
    s.State = absDown;
    EXPECT_EQ(ToolButtonColors(defaults, defaults, s).Color, 0xD8D5D4) << "a down check button looks checked";

    s = {};
    s.State = absDropDown;
    TToolButtonColors dropped = ToolButtonColors(defaults, defaults, s);
    EXPECT_EQ(dropped.Color, clNone);
    EXPECT_EQ(dropped.Glyph, tgNone);

    s = {};
    s.Enabled = false;
    s.Hot = true;
    TToolButtonColors disabled = ToolButtonColors(styler, own, s);
    EXPECT_EQ(disabled.CaptionColor, 0x333333) << "disabled caption from the button's own appearance";
    EXPECT_EQ(disabled.Color, clNone);
    EXPECT_EQ(disabled.Glyph, tgDisabled);
}

TEST(ToolBarButtonColors, MenuButtonsTakeTheRootItemOnAMenuBar) {
    TOwnedPtr<menus::TOrvMenuStyler> menuStyler(new menus::TOrvMenuStyler(nullptr));
    menus::TRootItem& root = menuStyler->RootItem();
    root.SetSelectedColor(0x010101);
    root.SetSelectedTextColor(0x020202);
    root.SetHoverColor(0x030303);
    root.SetHoverBorderColor(0x040404);
    root.SetColor(0x050505);
    root.SetColorTo(clNone);
    TButtonAppearance own, styler;
    own.SetColorChecked(0x060606);
    styler.SetColorHot(0x070707);

    TMenuButtonSource bar{&root, nullptr};
    TMenuButtonSource plain{nullptr, &styler};
    TToolButtonStateInput s;
    s.MenuOpen = true;
    TToolButtonColors open = MenuButtonColors(bar, own, s);
    EXPECT_EQ(open.Color, 0x010101);
    EXPECT_EQ(open.CaptionColor, 0x020202);
    EXPECT_EQ(open.DropDownColor, 0x030303);
    EXPECT_EQ(MenuButtonColors(plain, own, s).Color, 0xB59285) << "button appearance down colour";

    s = {};
    s.Hot = true;
    EXPECT_EQ(MenuButtonColors(bar, own, s).BorderColor, 0x040404);
    EXPECT_EQ(MenuButtonColors(plain, own, s).Color, 0x070707);

    s = {};
    s.State = absExclusive;
    EXPECT_EQ(MenuButtonColors(bar, own, s).Color, 0x060606) << "checked from the own appearance";

    s = {};
    s.Transparent = false;
    EXPECT_EQ(MenuButtonColors(bar, own, s).Color, 0x050505) << "an opaque idle menu bar button shows the root colour";
    s.Transparent = true;
    EXPECT_EQ(MenuButtonColors(bar, own, s).Color, clNone);
    EXPECT_EQ(MenuButtonColors(bar, own, s).CaptionColor, root.Font().GetColor());
}

TEST(ToolBarButtonGeometry, ThePressZoneIsWiderThanThePaintedSection) {
    EXPECT_EQ(DropDownSection(35, 22, 12, false), (TRect{23, 0, 35, 22}));
    EXPECT_EQ(DropDownSection(22, 35, 12, true), (TRect{0, 23, 22, 35}));
    EXPECT_TRUE(InDropDownPressZone(35, 22, 25, 5, false)) << "x = 25 is outside the painted 12 but inside 14";
    EXPECT_TRUE(InDropDownPressZone(35, 22, 22, 5, false));
    EXPECT_FALSE(InDropDownPressZone(35, 22, 21, 5, false));
    EXPECT_TRUE(InDropDownPressZone(22, 35, 3, 25, true));
    EXPECT_FALSE(InDropDownPressZone(22, 35, 30, 20, true));
}
