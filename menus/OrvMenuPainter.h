#pragma once
// Measuring and drawing styled menu items. The owner-draw handlers of the
// styled menus call these with the item's top menu context; tests call them on
// a bitmap canvas.
#include <vector>

#include "menus/OrvMenus.h"

namespace orv::menus {

// An item of the menu bar (a direct entry of a main menu).
bool IsBarItem(const TMenuItem& item);
// Whether the side bar shows beside this item.
bool SideBarVisibleFor(const TMenuItem& item, const TMenuDrawContext& context);
// The text an item measures and shows: the caption up to its first "\n" when
// notes are shown.
std::wstring ItemCaptionLine(const TMenuItem& item, const TMenuDrawContext& context);
std::vector<std::wstring> ItemNotesLines(const TMenuItem& item, const TMenuDrawContext& context);

// width and height come in as the platform proposes them.
void MeasureStyledItem(TMenuItem& item, TCanvas& canvas, const TMenuDrawContext& context, int& width, int& height);

// Where the caption and the notes lines of a popup item go (text box of item
// rect).
struct TItemTextLayout {
    TRect Caption;
    std::vector<TRect> Notes;
};
TItemTextLayout LayoutItemText(TMenuItem& item, TCanvas& canvas, const TRect& rect, TOwnerDrawState state,
                               const TMenuDrawContext& context);

// Draws a popup item into rect (its right edge already 17 pixels in) of a menu
// whose items share menuRect (side bar, icon bar and gradients span it); draws a
// bar item when the item is on the menu bar.
void DrawStyledItem(TMenuItem& item, TCanvas& canvas, const TRect& rect, TOwnerDrawState state,
                    const TMenuDrawContext& context, const TRect& menuRect);

// The side bar over the menu's full height (drawn with the first item).
void DrawSideBar(TCanvas& canvas, TSideBar& sideBar, const TRect& barRect);

// Extra width measured for every popup item and cut off from its menu window.
constexpr int kMenuWindowCut = 17;

}  // namespace orv::menus
