#pragma once
// The toolbar pager's geometry and tab layout as values: rectangles from the pager's
// metrics, a tab's content width from its measured caption, and fitting the tabs into
// the tab area (shrinking spacing, margins and tabs, giving the width back, scrolling).
#include <vector>

#include "buttons/OrvGlowButton.h"
#include "framework/Types.h"

namespace orv {

struct TPagerGeometry {
    TRect Client;
    bool CaptionVisible = true;
    int CaptionHeight = 27;
    int TabHeight = 26;
    int StartMargin = 60;
    int EndMargin = 0;
    int PageLeftMargin = 0;
    int PageRightMargin = 0;
    // The process-wide scenic flag: the edge inset is 0 with it, 4 without.
    bool Scenic = false;
    bool AutoMDIButtons = false;
    int MDIButtonWidth = 16;
    int MDIButtonSpacing = 2;
    bool ScrollerVisible = false;
    // The quick access toolbar's height when it sits below the pager, else 0.
    int QuickAccessBelowHeight = 0;
    // On glass with the scenic flag and glass drawing active: the page reaches one lower.
    bool GlassScenicDrawing = false;
    // Room kept for the caption text.
    int CaptionMinWidth = 100;
    // The help and expand/collapse buttons at the tab row's right end (0 to 2). The tab
    // area (and the MDI area after it) ends before them.
    int RowButtons = 0;
};

int PagerEdgeInset(bool scenic);
// The caption bar; all -1 when the caption is hidden.
TRect PagerCaptionRect(const TPagerGeometry& g);
TRect PagerTabRowRect(const TPagerGeometry& g);
// Where the tabs are laid out. Left of the help and expand/collapse buttons by 4 (an MDI
// area and the scroller's room come off after that), so that no tab, its glow or its
// separator reaches a button.
TRect PagerTabAreaRect(const TPagerGeometry& g);
// Row button index (0 the rightmost: help, else expand/collapse): 16-pixel squares from
// 2 pixels inside the edge inset leftwards, spaced by 2, centred on the tab row and
// lowered by 2.
TRect PagerRowButtonRect(const TPagerGeometry& g, int index);
// The rectangle every page is given.
TRect PagerPageRect(const TPagerGeometry& g);
// The two 12-pixel scroll buttons: the left one at the tab area's left, the right one
// just right of the area, in the room the scroller takes from it.
TRect PagerLeftScrollButtonRect(const TPagerGeometry& g);
TRect PagerRightScrollButtonRect(const TPagerGeometry& g);
// MDI button index (0 minimize, 1 maximize/restore, 2 close): square buttons of the MDI
// button width, spaced by the MDI spacing, from 2 pixels right of the tab area (the
// scroller's room counts as tab area), centred on the tab area and raised by 4.
TRect PagerMDIButtonRect(const TPagerGeometry& g, int index);

// The quick access toolbar's place: below the pager, or in the caption bar left of the
// caption text's room and of the caption buttons.
struct TQuickAccessInput {
    bool Present = false;
    // Below the pager (full size and visible).
    bool Below = false;
    // The left of the leftmost caption button shown, -1 when none show.
    int CaptionButtonLeft = -1;
    // Maximized on glass with the shaded tab background (with the scenic flag).
    bool MaximizedShadedGlass = false;
    // The left of the leftmost caption of a tab group starting at tab 2 or later, when
    // it may limit the toolbar (scroller hidden, pager not hiding); -1 otherwise.
    int GroupCaptionLeft = -1;
};
// All -1 when there is no place for it.
TRect PagerQuickAccessRect(const TPagerGeometry& g, const TQuickAccessInput& q);
// On glass the pager leaves the frame's caption buttons their corner: the top-right 100
// pixels down to 18 (25 maximized on Windows 7 with the shaded tab background).
std::vector<TPoint> PagerGlassClipPolygon(int width, int height, bool maximizedShadedWin7);

// A tab's content width from its caption measured single-line.
struct TTabMeasure {
    int TextWidth = 0;
    int CaptionLength = 0;
    // AntiAlias is not aaNone.
    bool AntiAliased = true;
    bool GlassDrawing = false;
    int FontSize = 8;
    // The tab image's width, 0 without an image.
    int ImageWidth = 0;
};
int TabContentWidth(const TTabMeasure& m);

struct TTabSettingsValues {
    int Spacing = 4;
    int LeftMargin = 4;
    int RightMargin = 4;
    int MinSpacing = 3;
    int MinMargin = 3;
};

struct TLayoutTab {
    bool Visible = true;
    bool Grouped = false;
    int RealClientWidth = 0;  // measured
    int ClientWidth = 0;      // current, after shrinking
    int Left = 0;
    int Shrink() const { return RealClientWidth - ClientWidth; }
};

struct TTabLayout {
    std::vector<TLayoutTab> Tabs;
    int Spacing = 4;
    int LeftMargin = 4;
    int RightMargin = 4;
    int GroupLeftMargin = 4;
    int GroupRightMargin = 4;

    int TabWidth(size_t index) const;
    // Visible tab widths with the spacing after every tab but the list's last.
    int Total() const;
};

// Current spacing and margins from the settings, every tab at its measured width.
void ResetTabLayout(TTabLayout& layout, const TTabSettingsValues& settings);
// Fits the tabs into available pixels: shrinks when they are wider, gives back when
// there is room. Positions are left to PlaceTabs.
void FitTabs(TTabLayout& layout, const TTabSettingsValues& settings, int available);
// Visible tabs left to right from left; the first `firstTab` tabs are scrolled away to
// the left of it.
void PlaceTabs(TTabLayout& layout, int left, int firstTab = 0);

struct TTabScroller {
    int Min = 0;
    int Max = 0;
    int Position = 0;
    bool Visible = false;
};
// Max = the leading tabs that must be scrolled away for the rest to fit in available
// (the area less the scroller's 32 pixels); Position clamped to it.
void UpdateTabScroller(TTabScroller& scroller, const TTabLayout& layout, int available);

// One layout pass: reset from the settings, fit into the area, let the scroller take what
// still does not fit (when scrolling is allowed: not while loading), place the tabs.
void LayoutTabs(TTabLayout& layout, const TTabSettingsValues& settings, int areaLeft, int areaWidth,
                TTabScroller& scroller, bool scrollingAllowed);

// Where a tab's key tip window of size hint goes: tab is the tab rectangle, screenTopLeft
// its top-left corner on the screen. Left, top, right and bottom centre the window on
// that edge; other positions leave it unplaced (false).
bool TabKeyTipPosition(TShortCutHintPos pos, const TRect& tab, TPoint screenTopLeft, TSize hint, TPoint& result);

}  // namespace orv
