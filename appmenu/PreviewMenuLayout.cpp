#include "appmenu/PreviewMenuLayout.h"

#include <algorithm>

namespace orv {

namespace {
// A paged list starts below the up arrow: its first entry never lies under it.
int PagedListTop(const TRect& r, int captionHeight, bool itemList) {
    return std::max(r.Top + 2 + captionHeight, PreviewScrollUpRect(r, captionHeight, itemList).Bottom);
}
}  // namespace

TPreviewPanelLayout LayoutPreviewPanel(const TPreviewPanelInput& in) {
    TPreviewPanelLayout out;
    const int m = in.Margin;
    int product = std::max(in.VisibleItems, 3) * in.ItemHeight;
    int columnHeight = product <= 0 ? 140 : product + 2;
    int left = in.MenuWidth > 0 ? in.MenuWidth : std::max(in.NaturalWidth, 100);
    int right = in.SubMenuWidth > 0 ? in.SubMenuWidth : std::max(in.SubItemWidth + 5, 110);

    // Each button stands 5 pixels left of where the one before it ends (below): counted
    // here, so that the leftmost starts at the margin and never left of the panel.
    int buttonsWidth = 2 * m;
    for (int w : in.ButtonWidths) buttonsWidth += w + 5;
    if (!in.ButtonWidths.empty()) buttonsWidth += (static_cast<int>(in.ButtonWidths.size()) - 1) * in.ButtonSpacing;
    int width = 2 * m + left + right;
    if (width < buttonsWidth) {
        right += buttonsWidth - width;
        width = buttonsWidth;
    }
    out.LeftFrame = {m, in.TopHeight, m + left, in.TopHeight + columnHeight};
    out.RightFrame = {m + left, in.TopHeight, m + left + right, in.TopHeight + columnHeight};
    out.Width = width;
    out.Height = in.TopHeight + columnHeight + in.BottomHeight;
    out.ButtonTop = out.RightFrame.Bottom + 4;
    int x = width - m;
    for (int w : in.ButtonWidths) {
        int l = x - w - 5;
        out.ButtonLefts.push_back(l);
        x = l - in.ButtonSpacing;
    }
    return out;
}

TRect PreviewItemRect(const TRect& leftFrame, int itemHeight, int k) {
    int top = leftFrame.Top + 1 + k * itemHeight;
    return {leftFrame.Left + 1, top, leftFrame.Right - 1, top + itemHeight};
}

TRect PreviewDropDownRect(const TRect& itemRect) {
    return {itemRect.Right - kPreviewDropDownWidth, itemRect.Top, itemRect.Right, itemRect.Bottom};
}

TPreviewPaging PreviewSubItemPaging(const TRect& r, int captionHeight, int itemHeight, int count, bool itemList) {
    TPreviewPaging p;
    if (itemHeight <= 0) return p;
    p.PageSize = (r.Height() - captionHeight - 7) / itemHeight;
    if (count <= p.PageSize) return p;
    // A page fills the room between the two arrows, so neither covers an entry.
    p.PageSize =
        std::max(0, PreviewScrollDownRect(r, itemList).Top - PagedListTop(r, captionHeight, itemList)) / itemHeight;
    p.Active = true;
    if (p.PageSize <= 0) return p;
    p.Max = count / p.PageSize - 1 + (count % p.PageSize > 0 ? 1 : 0);
    return p;
}

TRect PreviewSubCaptionRect(const TRect& r, int captionHeight, bool itemList) {
    return {r.Left, r.Top + 1, r.Right - (itemList ? 5 : 1), r.Top + 1 + captionHeight};
}

TRect PreviewScrollUpRect(const TRect& r, int captionHeight, bool itemList) {
    if (captionHeight > 0) {
        TRect c = PreviewSubCaptionRect(r, captionHeight, itemList);
        return {c.Left + 2, c.Bottom, c.Right - 1, c.Bottom + 11};
    }
    return {r.Left + 3, r.Top + 1, r.Right - 2 - (itemList ? 4 : 0), r.Top + 11};
}

TRect PreviewScrollDownRect(const TRect& r, bool itemList) {
    TRect d{r.Left + 3, r.Bottom - 12, r.Right - 2, r.Bottom - 2};
    if (itemList) d = {d.Left, d.Top - 4, d.Right - 4, d.Bottom - 4};
    return d;
}

TRect PreviewSubItemRect(const TRect& r, int captionHeight, int itemHeight, int k, int topItem, bool itemList,
                         const TPreviewPaging& paging) {
    int c = itemList ? 4 : 0;
    if (paging.Active && (k < topItem || k >= topItem + paging.PageSize)) return {};
    int first = paging.Active ? PagedListTop(r, captionHeight, itemList) : r.Top + 2 + captionHeight;
    int top = first + (k - topItem) * itemHeight;
    TRect s{r.Left + 2, top, r.Right - c - 1, top + itemHeight};
    if (paging.Active && s.Top > PreviewScrollDownRect(r, itemList).Top - 2) return {};
    return s;
}

TSize PreviewKeyTipSize(TSize text, int widthOfO) {
    return {std::max(text.cx, widthOfO) + 6, text.cy + 8};
}

TPoint PreviewItemTipPos(const TRect& item, int spacing, TSize tip) {
    return {item.Left + 2 * spacing + 4, item.Bottom - spacing - tip.cy + 2};
}

TPoint PreviewDropDownTipPos(const TRect& item, int spacing, TSize tip) {
    return {item.Right - tip.cx - 3, item.Bottom - spacing - tip.cy};
}

TPoint PreviewSubItemTipPos(const TRect& sub, int spacing, TSize tip) {
    return {sub.Left + 2 * spacing, sub.Bottom - spacing - tip.cy};
}

TPreviewPopupPlace PreviewPopupPlace(TPoint corner, int width, int itemHeight, int itemCount, int monitorRight) {
    TPreviewPopupPlace place{corner, {}};
    if (corner.X + width + 52 <= monitorRight) return place;
    place.At.X = monitorRight - width - 22;
    // The pop-up then lies over the panel: moves beneath it are not the panel's.
    place.Overlap = {place.At.X, corner.Y, place.At.X + width, corner.Y + itemHeight * itemCount + 18};
    return place;
}

}  // namespace orv
