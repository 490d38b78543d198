#include "toolbar/PagerLayout.h"

#include <algorithm>

namespace orv {

namespace {

constexpr int kMinTabWidth = 24;
constexpr int kShrinkStep = 5;
constexpr int kScrollerWidth = 32;
constexpr int kScrollButtonWidth = 12;
constexpr int kRowButtonSize = 16;
// Between the tab area and the first row button: a tab's glow reaches 2 beyond it.
constexpr int kRowButtonGap = 4;

int GroupedShrink(const TTabLayout& layout) {
    int total = 0;
    for (const auto& t : layout.Tabs)
        if (t.Visible && t.Grouped) total += t.Shrink();
    return total;
}

// The widest visible tab of the kind that can still lose width, or -1.
int WidestShrinkable(const TTabLayout& layout, bool grouped) {
    int best = -1;
    for (size_t i = 0; i < layout.Tabs.size(); ++i) {
        const auto& t = layout.Tabs[i];
        if (!t.Visible || t.Grouped != grouped || t.ClientWidth <= kMinTabWidth) continue;
        if (best < 0 || t.ClientWidth > layout.Tabs[best].ClientWidth) best = static_cast<int>(i);
    }
    return best;
}

// Cuts the widest tabs of one kind in 5-pixel steps; returns the excess left.
int ShrinkTabs(TTabLayout& layout, bool grouped, int excess, int maxLoops) {
    for (int loop = 0; excess > 0 && loop < maxLoops; ++loop) {
        int i = WidestShrinkable(layout, grouped);
        if (i < 0) break;
        auto& t = layout.Tabs[i];
        int cut = std::min({kShrinkStep, excess, t.ClientWidth - kMinTabWidth});
        t.ClientWidth -= cut;
        excess -= cut;
    }
    return excess;
}

// Lowers a left/right margin pair alternately, left first, until it fits or both are at min.
void ShrinkMargins(TTabLayout& layout, int& left, int& right, int minMargin, int available) {
    bool leftTurn = true;
    while (layout.Total() > available && (left > minMargin || right > minMargin)) {
        if ((leftTurn && left > minMargin) || right <= minMargin)
            --left;
        else
            --right;
        leftTurn = !leftTurn;
    }
}

// Raises a pair alternately, left first, up to the settings; a step that overshoots is undone.
bool GrowMargins(TTabLayout& layout, int& left, int& right, int targetLeft, int targetRight, int available) {
    bool leftTurn = true;
    while (left < targetLeft || right < targetRight) {
        int& m = ((leftTurn && left < targetLeft) || right >= targetRight) ? left : right;
        ++m;
        leftTurn = !leftTurn;
        if (layout.Total() > available) {
            --m;
            return false;
        }
    }
    return true;
}

}  // namespace

int PagerEdgeInset(bool scenic) {
    return scenic ? 0 : 4;
}

TRect PagerCaptionRect(const TPagerGeometry& g) {
    if (!g.CaptionVisible) return {-1, -1, -1, -1};
    TRect r = g.Client;
    r.Bottom = r.Top + g.CaptionHeight + 1;
    return r;
}

TRect PagerTabRowRect(const TPagerGeometry& g) {
    TRect r = g.Client;
    if (g.CaptionVisible) r.Top += g.CaptionHeight;
    r.Bottom = r.Top + g.TabHeight;
    return r;
}

TRect PagerTabAreaRect(const TPagerGeometry& g) {
    const int e = PagerEdgeInset(g.Scenic);
    TRect row = PagerTabRowRect(g);
    TRect r;
    r.Top = row.Top + 4;
    r.Bottom = row.Top + g.TabHeight + 4;
    r.Left = g.Client.Left + e + g.StartMargin + g.PageLeftMargin;
    r.Right = g.Client.Right - g.EndMargin - g.PageRightMargin - e;
    // Deliberately not the plain edge: the area ends 4 pixels before the help and
    // expand/collapse buttons, so that no tab ever runs under them.
    if (g.RowButtons > 0) r.Right = std::min(r.Right, PagerRowButtonRect(g, g.RowButtons - 1).Left - kRowButtonGap);
    if (g.AutoMDIButtons) r.Right -= 3 * (g.MDIButtonWidth + g.MDIButtonSpacing) + 5;
    if (g.ScrollerVisible) r.Right -= kScrollerWidth;
    return r;
}

TRect PagerRowButtonRect(const TPagerGeometry& g, int index) {
    const TRect row = PagerTabRowRect(g);
    const int right = g.Client.Right - PagerEdgeInset(g.Scenic) - 2 - index * (kRowButtonSize + 2);
    const int top = row.Top + (row.Height() - kRowButtonSize) / 2 + 2;
    return {right - kRowButtonSize, top, right, top + kRowButtonSize};
}

TRect PagerPageRect(const TPagerGeometry& g) {
    const int e = PagerEdgeInset(g.Scenic);
    TRect r = g.Client;
    if (g.CaptionVisible) r.Top += g.CaptionHeight;
    r.Bottom -= g.QuickAccessBelowHeight;
    r.Top += g.TabHeight;
    r.Left += e + g.PageLeftMargin;
    r.Right -= e + g.PageRightMargin;
    r.Bottom -= e + 1;
    if (g.GlassScenicDrawing) r.Bottom += 1;
    return r;
}

TRect PagerLeftScrollButtonRect(const TPagerGeometry& g) {
    TRect area = PagerTabAreaRect(g);
    return {area.Left, area.Top, area.Left + kScrollButtonWidth, area.Bottom - 5};
}

TRect PagerRightScrollButtonRect(const TPagerGeometry& g) {
    TRect area = PagerTabAreaRect(g);
    return {area.Right, area.Top, area.Right + kScrollButtonWidth, area.Bottom - 5};
}

TRect PagerMDIButtonRect(const TPagerGeometry& g, int index) {
    TPagerGeometry noScroller = g;
    noScroller.ScrollerVisible = false;
    const TRect area = PagerTabAreaRect(noScroller);
    const int size = g.MDIButtonWidth;
    const int left = area.Right + 2 + index * (size + g.MDIButtonSpacing);
    const int top = area.Top + (area.Height() - size) / 2 - 4;
    return {left, top, left + size, top + size};
}

TRect PagerQuickAccessRect(const TPagerGeometry& g, const TQuickAccessInput& q) {
    const TRect none{-1, -1, -1, -1};
    if (!q.Present) return none;
    const int q2 = g.CaptionHeight - 2;
    if (q.Below) return {g.Client.Left + 2, g.Client.Bottom - q2, g.Client.Right - 2, g.Client.Bottom};
    if (!g.CaptionVisible) return none;
    const int width = g.Client.Width();
    const int buttons = q.CaptionButtonLeft >= 0 ? width - q.CaptionButtonLeft + 2 : 0;
    const int room = std::min(width, g.CaptionMinWidth + buttons);
    const int bottom = g.Client.Top + g.CaptionHeight;
    TRect r{g.StartMargin - 6, bottom - q2, width - room, bottom};
    if (g.Scenic) {
        r.Left = 5;
        if (q.MaximizedShadedGlass) {
            r.Left = 7;
            r.Top += 5;
        }
    }
    if (q.GroupCaptionLeft >= 0) r.Right = std::max(std::min(r.Right, q.GroupCaptionLeft), r.Left + 60);
    return r;
}

std::vector<TPoint> PagerGlassClipPolygon(int width, int height, bool maximizedShadedWin7) {
    const int depth = maximizedShadedWin7 ? 25 : 18;
    return {{0, 0}, {width - 100, 0}, {width - 100, depth}, {width, depth}, {width, height}, {0, height}};
}

int TabContentWidth(const TTabMeasure& m) {
    const int chars = std::max(5, m.CaptionLength);
    int extra = 2;
    if (m.AntiAliased && !m.GlassDrawing) extra = m.FontSize >= 8 ? chars + (m.FontSize - 8) : chars;
    int width = m.TextWidth + extra;
    if (m.ImageWidth > 0) width += m.ImageWidth + 2;
    return width;
}

int TTabLayout::TabWidth(size_t index) const {
    const auto& t = Tabs.at(index);
    return t.ClientWidth + (t.Grouped ? GroupLeftMargin + GroupRightMargin : LeftMargin + RightMargin);
}

int TTabLayout::Total() const {
    int total = 0;
    for (size_t i = 0; i < Tabs.size(); ++i) {
        if (!Tabs[i].Visible) continue;
        total += TabWidth(i);
        if (i + 1 < Tabs.size()) total += Spacing;
    }
    return total;
}

void ResetTabLayout(TTabLayout& layout, const TTabSettingsValues& s) {
    layout.Spacing = s.Spacing;
    layout.LeftMargin = layout.GroupLeftMargin = s.LeftMargin;
    layout.RightMargin = layout.GroupRightMargin = s.RightMargin;
    for (auto& t : layout.Tabs) t.ClientWidth = t.RealClientWidth;
}

void FitTabs(TTabLayout& layout, const TTabSettingsValues& s, int available) {
    int total = layout.Total();
    if (total == available) return;
    if (total > available) {
        while (layout.Total() > available && layout.Spacing > s.MinSpacing) --layout.Spacing;
        ShrinkMargins(layout, layout.LeftMargin, layout.RightMargin, s.MinMargin, available);
        ShrinkMargins(layout, layout.GroupLeftMargin, layout.GroupRightMargin, s.MinMargin, available);
        total = layout.Total();
        if (total <= available) return;
        int excess = ShrinkTabs(layout, false, total - available, total);
        if (excess > 0 && WidestShrinkable(layout, false) < 0) {
            excess -= kShrinkStep;
            if (excess > 0) ShrinkTabs(layout, true, excess, total);
        }
        return;
    }
    // Room to spare: shrunk tabs first (grouped ones, then the narrowest).
    int room = available - total;
    int groupedShrink = GroupedShrink(layout);
    if (groupedShrink > room) room += std::min(kShrinkStep, groupedShrink - room);
    for (int loop = 0; room > 0 && loop < total; ++loop) {
        int pick = -1;
        for (size_t i = 0; i < layout.Tabs.size(); ++i) {
            const auto& t = layout.Tabs[i];
            if (!t.Visible || t.Shrink() <= 0) continue;
            if (pick < 0) {
                pick = static_cast<int>(i);
                continue;
            }
            const auto& p = layout.Tabs[pick];
            if ((t.Grouped && !p.Grouped) || (t.Grouped == p.Grouped && t.ClientWidth < p.ClientWidth))
                pick = static_cast<int>(i);
        }
        if (pick < 0) break;
        auto& t = layout.Tabs[pick];
        int grow = std::min({kShrinkStep, room, t.Shrink()});
        t.ClientWidth += grow;
        room -= grow;
    }
    for (const auto& t : layout.Tabs)
        if (t.Visible && t.Shrink() > 0) return;
    while (layout.Spacing < s.Spacing) {
        ++layout.Spacing;
        if (layout.Total() > available) {
            --layout.Spacing;
            return;
        }
    }
    if (!GrowMargins(layout, layout.GroupLeftMargin, layout.GroupRightMargin, s.LeftMargin, s.RightMargin, available))
        return;
    GrowMargins(layout, layout.LeftMargin, layout.RightMargin, s.LeftMargin, s.RightMargin, available);
}

void PlaceTabs(TTabLayout& layout, int left, int firstTab) {
    int x = left;
    for (int i = 0; i < firstTab && i < static_cast<int>(layout.Tabs.size()); ++i)
        if (layout.Tabs[i].Visible) x -= layout.TabWidth(i) + layout.Spacing;
    for (size_t i = 0; i < layout.Tabs.size(); ++i) {
        auto& t = layout.Tabs[i];
        t.Left = x;
        if (t.Visible) x += layout.TabWidth(i) + layout.Spacing;
    }
}

void UpdateTabScroller(TTabScroller& scroller, const TTabLayout& layout, int available) {
    scroller.Min = 0;
    int total = layout.Total();
    int k = 0;
    if (total > available) {
        const int room = available - kScrollerWidth;
        for (size_t i = 0; i < layout.Tabs.size() && total > room; ++i) {
            if (layout.Tabs[i].Visible) total -= layout.TabWidth(i) + (i + 1 < layout.Tabs.size() ? layout.Spacing : 0);
            k = static_cast<int>(i) + 1;
        }
    }
    scroller.Max = k;
    scroller.Visible = k > 0;
    scroller.Position = std::clamp(scroller.Position, 0, scroller.Max);
}

void LayoutTabs(TTabLayout& layout, const TTabSettingsValues& settings, int areaLeft, int areaWidth,
                TTabScroller& scroller, bool scrollingAllowed) {
    ResetTabLayout(layout, settings);
    FitTabs(layout, settings, areaWidth);
    if (scrollingAllowed)
        UpdateTabScroller(scroller, layout, areaWidth);
    else
        scroller = TTabScroller{};
    PlaceTabs(layout, areaLeft, scroller.Visible ? scroller.Position : 0);
}

bool TabKeyTipPosition(TShortCutHintPos pos, const TRect& tab, TPoint screenTopLeft, TSize hint, TPoint& result) {
    const int sx = screenTopLeft.X, sy = screenTopLeft.Y;
    const int tabW = tab.Right - tab.Left, tabH = tab.Bottom - tab.Top;
    switch (pos) {
        case shpLeft:
            result = {sx - hint.cx / 2, sy + (tabH - hint.cy) / 2};
            return true;
        case shpTop:
            result = {sx + (tabW - hint.cx) / 2, sy - hint.cy / 2};
            return true;
        case shpRight:
            result = {sx + tabW - hint.cx / 2, sy + (tabH - hint.cy) / 2};
            return true;
        case shpBottom:
            result = {sx + (tabW - hint.cx) / 2, sy + tabH - hint.cy / 2};
            return true;
        default:
            return false;
    }
}

}  // namespace orv
