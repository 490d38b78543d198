#pragma once
// The values a toolbar's menu bar is laid out by: where a menu button's menu opens, the
// order merged menu buttons take and the wrapping search of the menu mode. The menu bar
// itself is part of the toolbar (TOrvCustomToolBar, ToolBarMenuBar.cpp).
#include <functional>
#include <vector>

#include "framework/Types.h"
#include "toolbar/OrvToolBar.h"

namespace orv {

// Where a menu of the given size opens for a button (screen rectangle) on a toolbar
// docked at side. Top and bottom: under the button's left edge (right edge when right to
// left), above it when the monitor's bottom is closer than the menu's height + 10, moved
// left to end 52 pixels short of the monitor's right edge. Left: beside the button's
// right edge, 1 pixel down; right: left of the button, 1 pixel down.
TPoint MenuBarPopupPoint(TDockAlign side, const TRect& button, TSize menu, const TRect& monitor, bool rightToLeft);

// The order menu buttons take by their items' group indexes (given in bar order): at
// each position, the one with the smallest index among those still to place, looking
// no further than the next item of group 0 (which keeps its place); ties keep their
// order. Returns the positions of the given list in their new order.
std::vector<int> MenuButtonOrder(const std::vector<int>& groupIndexes);

// From index from in a list of count entries, the next (or previous) one that accept
// takes, wrapping at the ends and stopping after one round; -1 when none does (from
// itself is the last one asked; from -1 starts before the first entry, or after the
// last going back).
int WrappingSearch(int count, int from, bool forward, const std::function<bool(int)>& accept);

}  // namespace orv
