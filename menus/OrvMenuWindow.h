#pragma once
// The platform's menu windows of the styled menus: each is cut by the 17 measured pixels
// on the right, framed in the styler's border colour and moved to join its parent (a
// drop-down 1 pixel left and 2 up, a deeper sub-menu 17 pixels towards its parent and 3
// away from it). A window opened while a styled menu tracks is placed and cut before it
// first paints; one met only when an item is drawn is treated then and repainted.
#include <windows.h>

#include <memory>

#include "framework/Types.h"

namespace orv {
class TMenuItem;
class TThreadHook;
}  // namespace orv

namespace orv::menus {

class TCustomOrvMenuStyler;
class TOrvMenuCore;

// While it lives (the menu loop of a styled menu), menu windows created on this thread
// that show a sub-menu of core's menu are treated as they open, and menu animation is
// off for this login. Watches nest (a popup opened from a menu's handler); the last to
// end switches the animation back on when it is still off as the first one left it.
class TMenuWindowWatch {
public:
    explicit TMenuWindowWatch(TOrvMenuCore& core);
    ~TMenuWindowWatch();
    TMenuWindowWatch(const TMenuWindowWatch&) = delete;
    TMenuWindowWatch& operator=(const TMenuWindowWatch&) = delete;

private:
    TOrvMenuCore& FCore;
};

// How far a menu window moves from where the system put it: the drop-down of a bar
// item, or a sub-menu that opened to the right or to the left of its parent item (a
// top-level popup stays).
TPoint MenuWindowShift(bool barDropDown, bool opensLeft);

// After an item of window was drawn: treats a window no watch saw open (moving it and
// asking for a repaint, as its items were drawn in the old place), then frames it.
void AfterMenuItemDrawn(HWND window, TCustomOrvMenuStyler& styler, const TMenuItem& item);

// The area the items of item's menu share in window, in the coordinates of itemRect
// (the item's rectangle as the system gave it): the union of the system's item
// rectangles, less the cut-off pixels on the right. Empty when the system has none.
TRect MenuAreaFromItems(HWND window, const TMenuItem& item, const TRect& itemRect);

// Menu windows currently treated (their procedure replaced); for tests.
int TreatedMenuWindowCount();

}  // namespace orv::menus
