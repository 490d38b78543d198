#pragma once
// Where the parts of an application-menu panel go, as values: the two columns, the
// bottom buttons, item and sub-item rectangles, the paging of long sub-item lists, the
// scroll arrows and the key-tip boxes. Nothing here touches a window.
#include <vector>

#include "framework/Types.h"

namespace orv {

// Width of the drop-down part of a split item, and the triangle allowance of an entry
// with sub-items or a pop-up menu.
constexpr int kPreviewDropDownWidth = 24;

struct TPreviewPanelInput {
    int Margin = 10;
    int TopHeight = 16;
    int BottomHeight = 33;
    int VisibleItems = 0;
    int ItemHeight = 12;
    int NaturalWidth = 0;           // widest item plus padding
    int MenuWidth = 0;              // > 0 replaces the computed left width
    int SubItemWidth = 0;           // widest sub-item list
    int SubMenuWidth = 0;           // > 0 replaces the computed right width
    std::vector<int> ButtonWidths;  // visible buttons in collection order
    int ButtonSpacing = 4;
};

struct TPreviewPanelLayout {
    TRect LeftFrame;
    TRect RightFrame;
    int Width = 0;
    int Height = 0;
    std::vector<int> ButtonLefts;  // per visible button, collection order (first is rightmost)
    int ButtonTop = 0;
};

TPreviewPanelLayout LayoutPreviewPanel(const TPreviewPanelInput& in);

// The k-th visible item (0-based) of the column.
TRect PreviewItemRect(const TRect& leftFrame, int itemHeight, int k);
// The right 24 pixels of an item rectangle.
TRect PreviewDropDownRect(const TRect& itemRect);

// Paging of a sub-item list in the right area r: entries per page and the last page
// index. A page holds what fits between the two scroll arrows.
struct TPreviewPaging {
    int PageSize = 0;
    int Max = 0;
    bool Active = false;
};
TPreviewPaging PreviewSubItemPaging(const TRect& rightFrame, int captionHeight, int itemHeight, int count,
                                    bool itemList);

// The caption band above a sub-item list (item lists stop 5 short of the right edge).
TRect PreviewSubCaptionRect(const TRect& rightFrame, int captionHeight, bool itemList);
TRect PreviewScrollUpRect(const TRect& rightFrame, int captionHeight, bool itemList);
TRect PreviewScrollDownRect(const TRect& rightFrame, bool itemList);
// The k-th visible sub-item; empty when paging hides it. A paged list starts right below
// the up arrow (the room its page size keeps for the arrows).
TRect PreviewSubItemRect(const TRect& rightFrame, int captionHeight, int itemHeight, int k, int topItem, bool itemList,
                         const TPreviewPaging& paging);

// Key-tip boxes: the box of a tip's text size, and where each kind of tip goes.
TSize PreviewKeyTipSize(TSize textSize, int widthOfO);
TPoint PreviewItemTipPos(const TRect& itemRect, int menuSpacing, TSize tip);
TPoint PreviewDropDownTipPos(const TRect& itemRect, int menuSpacing, TSize tip);
TPoint PreviewSubItemTipPos(const TRect& subItemRect, int menuSpacing, TSize tip);

// Where a sub-item's pop-up menu opens (screen coordinates): at the sub-item's top-right
// corner, or pulled left when its estimated width would pass the monitor's right edge;
// then Overlap is the screen rectangle it covers (pointer moves there are the pop-up's),
// else empty.
struct TPreviewPopupPlace {
    TPoint At;
    TRect Overlap;
};
TPreviewPopupPlace PreviewPopupPlace(TPoint corner, int width, int itemHeight, int itemCount, int monitorRight);

}  // namespace orv
