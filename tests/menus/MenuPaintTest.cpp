#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "framework/SysUtils.h"
#include "framework/SystemFont.h"
#include "menus/OrvMenuPainter.h"
#include "menus/OrvMenus.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"

using namespace orv;
using namespace orv::menus;

namespace {

// A popup menu with a few items, drawn into a bitmap through the owner-draw
// handlers.
struct TMenuFixture {
    TOwnedPtr<TOrvPopupMenu> Menu{new TOrvPopupMenu(nullptr)};
    TMenuItem* Add(const std::wstring& caption) { return Menu->AddItem(caption); }

    TSize Measure(TMenuItem* item, int width = 0, int height = 0) {
        TBitmap scratch(1, 1);
        InitRecordFont(scratch.Canvas().Font(), TSystemFont::Menu);
        item->MeasureItem(scratch.Canvas(), width, height);
        return {width, height};
    }
    // Draws item as the WM_DRAWITEM handler does; rect is the full item (17 cut
    // inside).
    void Draw(TBitmap& bitmap, TMenuItem* item, const TRect& rect, TOwnerDrawState state = 0) {
        InitRecordFont(bitmap.Canvas().Font(), TSystemFont::Menu);
        item->AdvancedDrawItem(bitmap.Canvas(), rect, state, false);
    }
};

}  // namespace

TEST(StyledMenuMeasure, SeparatorIsThreePixelsHigh) {
    TMenuFixture f;
    TMenuItem* separator = f.Add(L"-");
    TSize size = f.Measure(separator, 50, 20);
    EXPECT_EQ(size.cy, 3);
    EXPECT_EQ(size.cx, -2);
    f.Menu->CurrentMenuStyler()->Separator().SetWidth(4);
    EXPECT_EQ(f.Measure(separator).cy, 6);
    separator->SetVisible(false);
    EXPECT_EQ(f.Measure(separator, 50, 20), (TSize{0, 0})) << "hidden items measure nothing";
}

TEST(StyledMenuMeasure, PopupItemWithSixteenPixelImages) {
    TMenuFixture f;
    TOwnedPtr<TImageList> images(new TImageList(nullptr));
    images->SetSize(16, 16);
    f.Menu->SetImages(images.get());
    TMenuItem* item = f.Add(L"&Open file");
    TSize size = f.Measure(item);
    TBitmap scratch(1, 1);
    InitRecordFont(scratch.Canvas().Font(), TSystemFont::Menu);
    int textWidth = scratch.Canvas().TextWidth(L"Open file");
    EXPECT_GE(size.cy, 18);
    EXPECT_EQ(size.cy % 2, 0);
    EXPECT_GE(size.cx, 24 + 15 + textWidth + 7 + 17);

    // A shortcut widens the item by its text; the Windows key by "Win+" as well.
    item->SetShortCut(ShortCut(VK_F5, ssCtrl));
    int withShortCut = f.Measure(item).cx;
    EXPECT_EQ(withShortCut, size.cx + scratch.Canvas().TextWidth(L"Open fileCtrl+F5") - textWidth);
    item->SetShortCut(static_cast<TShortCut>(ShortCut(VK_F5, ssCtrl) | scWin));
    EXPECT_EQ(f.Measure(item).cx, withShortCut + scratch.Canvas().TextWidth(L"Win+"));

    // Notes lines add height and can widen the item.
    item->SetShortCut(scNone);
    item->SetCaption(L"Open\nA much longer line of notes below the caption");
    TSize notes = f.Measure(item);
    TBitmap notesScratch(1, 1);
    notesScratch.Canvas().Font().Assign(&f.Menu->CurrentMenuStyler()->NotesFont());
    EXPECT_GE(notes.cy, size.cy + notesScratch.Canvas().TextHeight(L"gh") - 1);
    EXPECT_GE(notes.cx, notesScratch.Canvas().TextWidth(L"A much longer line of notes below the caption") + 24 + 25);
    f.Menu->SetShowNotes(false);
    EXPECT_LT(f.Measure(item).cy, notes.cy);
}

TEST(StyledMenuDraw, SeparatorLinePixels) {
    TMenuFixture f;
    TMenuItem* first = f.Add(L"Item");
    TMenuItem* separator = f.Add(L"-");
    (void)first;
    int gdiBefore = GdiLiveTotal();
    auto bitmapPtr = std::make_unique<TBitmap>(120, 3);
    TBitmap& bitmap = *bitmapPtr;
    f.Draw(bitmap, separator, {0, 0, 120 + kMenuWindowCut, 3});
    int iconBar = 24;
    // Background above and below, icon bar on the left.
    EXPECT_EQ(bitmap.PixelColor(iconBar + 10, 0), 0xFFFAFD);
    EXPECT_EQ(bitmap.PixelColor(iconBar + 10, 2), 0xFFFAFD);
    EXPECT_EQ(bitmap.PixelColor(0, 1), 0xFFF9F9) << "icon bar starts in its first colour";
    EXPECT_EQ(bitmap.PixelColor(iconBar + 1, 1), 0xFFFAFD);
    EXPECT_EQ(bitmap.PixelColor(iconBar + 2, 1), 0x8F6D6E);
    EXPECT_EQ(bitmap.PixelColor(117, 1), 0x8F6D6E);
    EXPECT_EQ(bitmap.PixelColor(118, 1), 0xFFFAFD);
    bitmapPtr.reset();
    EXPECT_EQ(GdiLiveTotal(), gdiBefore) << "the paint kept nothing beyond the bitmap's own canvas";
}

TEST(StyledMenuDraw, SelectedCheckedItemAndSubMenuArrow) {
    TMenuFixture f;
    TMenuItem* item = f.Add(L"Checked");
    item->SetChecked(true);
    auto* child = new TMenuItem(f.Menu.get());
    child->SetCaption(L"Child");
    item->Add(child);
    const int width = 150;
    TBitmap bitmap(width, 22);
    f.Draw(bitmap, item, {0, 0, width + kMenuWindowCut, 22}, odSelected);
    TCustomOrvMenuStyler* s = f.Menu->CurrentMenuStyler();
    EXPECT_EQ(bitmap.PixelColor(0, 0), s->SelectedItem().GetBorderColor());
    EXPECT_EQ(bitmap.PixelColor(width - 1, 21), s->SelectedItem().GetBorderColor());
    EXPECT_EQ(bitmap.PixelColor(60, 20), s->SelectedItem().GetColor()) << "selection fill";
    // The check box: selected check colour framed in the check border, glyph
    // inside.
    EXPECT_EQ(bitmap.PixelColor(2, 2), s->SelectedItem().GetCheckBorder());
    EXPECT_EQ(bitmap.PixelColor(4, 4), s->SelectedItem().GetCheckColor());
    int black = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 4; x < 20; ++x) black += bitmap.PixelColor(x, y) == clBlack;
    EXPECT_GE(black, 10) << "check glyph drawn";
    // The sub-menu arrow: black pixels 8..11 from the right edge.
    int arrow = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = width - 12; x < width - 6; ++x) arrow += bitmap.PixelColor(x, y) == clBlack;
    EXPECT_GE(arrow, 10);
}

TEST(StyledMenuDraw, TwoLineCaptionWithAndWithoutNotes) {
    for (TAntiAlias mode : {aaNone, aaClearType, aaAntiAlias}) {
        SCOPED_TRACE(static_cast<int>(mode));
        TMenuFixture f;
        f.Menu->CurrentMenuStyler()->SetAntiAlias(mode);
        f.Menu->CurrentMenuStyler()->NotesFont().SetColor(clRed);
        TMenuItem* item = f.Add(L"Caption\nnotes line");
        TSize size = f.Measure(item);
        TBitmap bitmap(size.cx - kMenuWindowCut, size.cy);
        TRect rect{0, 0, size.cx, size.cy};
        TBitmap probe(1, 1);
        TItemTextLayout layout =
            LayoutItemText(*item, probe.Canvas(), {0, 0, size.cx - kMenuWindowCut, size.cy}, 0, f.Menu->DrawContext());
        ASSERT_EQ(layout.Notes.size(), 1u);
        TBitmap gh(1, 1);
        InitRecordFont(gh.Canvas().Font(), TSystemFont::Menu);
        int step = mode == aaNone ? gh.Canvas().TextHeight(L"gh") : 20;
        EXPECT_EQ(layout.Notes[0].Top - layout.Caption.Top, step);
        f.Draw(bitmap, item, rect);
        // Notes are red: red ink only at or below the notes line's top.
        int firstRed = -1, firstDark = -1;
        for (int y = 0; y < bitmap.Height() && (firstRed < 0 || firstDark < 0); ++y)
            for (int x = 32; x < bitmap.Width(); ++x) {
                TColor c = bitmap.PixelColor(x, y);
                int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
                if (firstRed < 0 && r > 150 && g < 100 && b < 100) firstRed = y;
                if (firstDark < 0 && r < 100 && g < 100 && b < 100) firstDark = y;
            }
        ASSERT_GE(firstDark, 0) << "caption drawn";
        ASSERT_GE(firstRed, 0) << "notes drawn";
        EXPECT_GE(firstRed, layout.Notes[0].Top - 1);
        EXPECT_LT(firstDark, layout.Notes[0].Top);

        // With notes off the whole caption is one line: no red ink.
        f.Menu->SetShowNotes(false);
        TSize single = f.Measure(item);
        TBitmap oneLine(single.cx - kMenuWindowCut, single.cy);
        f.Draw(oneLine, item, {0, 0, single.cx, single.cy});
        int red = 0;
        for (int y = 0; y < oneLine.Height(); ++y)
            for (int x = 0; x < oneLine.Width(); ++x) {
                TColor c = oneLine.PixelColor(x, y);
                red += (c & 0xFF) > 150 && ((c >> 8) & 0xFF) < 100;
            }
        EXPECT_EQ(red, 0);
        EXPECT_LT(single.cy, size.cy);
    }
}

TEST(StyledMenuShortCut, KeyboardNamesOnlyWithIntlKeybShortCuts) {
    TShortCut shortCut = ShortCut(VK_F5, ssCtrl | ssShift);
    EXPECT_EQ(MenuShortCutText(shortCut, false), L"Shift+Ctrl+F5");
    EXPECT_EQ(MenuShortCutText(static_cast<TShortCut>(ShortCut('A', ssAlt) | scWin), false), L"Win+Alt+A");
    // The keyboard layout's names, modifiers as alt, control, shift in front of the key.
    // The US layout names control "Ctrl" on Windows and "Control" under Wine; the rest of
    // a name is lower case ("Delete" from Wine's "DELETE" too).
    auto either = [](const std::wstring& text, const wchar_t* windows, const wchar_t* wine) {
        return text == windows || text == wine;
    };
    std::wstring intl = MenuShortCutText(shortCut, true);
    EXPECT_TRUE(either(intl, L"Ctrl+Shift+F5", L"Control+Shift+F5")) << ToUtf8(intl);
    std::wstring delete_ = MenuShortCutText(ShortCut(VK_DELETE, ssAlt | ssCtrl), true);
    EXPECT_TRUE(either(delete_, L"Alt+Ctrl+Delete", L"Alt+Control+Delete")) << ToUtf8(delete_);
    EXPECT_EQ(MenuShortCutText(ShortCut('A', ssShift), true), L"Shift+A");
    EXPECT_EQ(MenuShortCutText(ShortCut(VK_BACK, 0), true), L"Backspace");
    EXPECT_EQ(MenuShortCutText(ShortCut(VK_F12, ssAlt), true), L"Alt+F12");
    EXPECT_EQ(KeyboardKeyName(135), L"F24");
}

TEST(StyledMenuDraw, DisabledItemAndSideBar) {
    TMenuFixture f;
    TCustomOrvMenuStyler* s = f.Menu->CurrentMenuStyler();
    s->SideBar().SetVisible(true);
    s->SideBar().SetVisibleIn(viAnyLevel);
    s->SideBar().Background().SetColor(RGBColor(0, 0, 128));
    s->SideBar().SetCaption(L"Side");
    TMenuItem* item = f.Add(L"Disabled");
    item->SetEnabled(false);
    TSize size = f.Measure(item);
    TMenuFixture plain;
    TSize plainSize = plain.Measure(plain.Add(L"Disabled"));
    EXPECT_EQ(size.cx, plainSize.cx + 24 + 1) << "side bar and splitter widen the item";
    TBitmap bitmap(size.cx - kMenuWindowCut, 60);
    f.Draw(bitmap, item, {0, 0, size.cx, size.cy});
    EXPECT_EQ(bitmap.PixelColor(0, 50), 0xA19D9D) << "side bar border over the whole menu height";
    EXPECT_EQ(bitmap.PixelColor(12, 55), RGBColor(0, 0, 128));
    EXPECT_EQ(bitmap.PixelColor(24, 30), 0x808080) << "splitter";
    EXPECT_EQ(bitmap.PixelColor(25, 2), 0xFFF9F9) << "icon bar after the side bar";
    // Disabled text is drawn in the button-shadow colour.
    int shadow = 0;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 60; x < bitmap.Width(); ++x) shadow += bitmap.PixelColor(x, y) == ColorToRGB(clBtnShadow);
    EXPECT_GT(shadow, 5);
}
