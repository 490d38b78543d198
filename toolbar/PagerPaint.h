#pragma once
// The toolbar pager's drawing as functions over value records: the pager (or a test, a
// renderer, a bench) fills a record with rectangles, texts, states and the styler's
// records, and these functions paint it. Nothing here reads a pager.
//
// Coordinates are the pager's client coordinates unless a record says otherwise.
// Tabs paint through the shared face cache: a tab's paint record is its key, and the
// face carries the tab row's background beneath it so that it is opaque.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "buttons/OrvGlowButton.h"
#include "framework/Canvas.h"
#include "paint/FaceParts.h"
#include "paint/OrvGradients.h"
#include "paint/OrvText.h"
#include "toolbar/OrvToolBarStyler.h"

namespace orv {

// Pager, tab and page faces come from the shared face cache; false paints them directly
// (to compare and to measure).
inline bool PagerFaceCache = true;

class TBitmap;
class TFace;
class TImageList;
class TWinControl;

// --- Tabs --------------------------------------------------------------------------------

// The colours one tab is painted in. Fill false: neither fill nor lines, only content.
struct TTabColors {
    bool Fill = false;
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor ColorMirror = clNone;
    TColor ColorMirrorTo = clNone;
    TColor Border = clNone;
    TGDIPGradient Gradient = ggVertical;
    TGDIPGradient GradientMirror = ggVertical;
    TColor Text = clBlack;
    TColor HighLight = clNone;
    friend bool operator==(const TTabColors&, const TTabColors&) = default;
    auto Tie() const {
        return std::tie(Fill, Color, ColorTo, ColorMirror, ColorMirrorTo, Border, Gradient, GradientMirror, Text,
                        HighLight);
    }
};

// What decides a tab's colour set.
struct TTabState {
    // The active page's tab while the pager is expanded or its pop-up window shows.
    bool Active = false;
    bool Hot = false;
    // The down tab (pressed), outside design time.
    bool Down = false;
    bool Enabled = true;
    // The pager has the focus (the active tab then takes the hot look).
    bool PagerFocused = false;
    bool ShowNonSelectedTabs = false;
    // The page's glow animation: the run and its step percentages.
    TGlowState Glow = gsNone;
    int StepHover = 0;
    int StepPush = 0;
};

// The colour set of a tab in tab appearance ta over the tab row's background.
TTabColors TabColorSet(const TCustomTabAppearance& ta, const TGradientBackground& background, const TTabState& state);
// True when the inner line is the strong one (the focused active tab, a hover run).
bool TabStrongInnerLine(const TTabState& state);

// The tab row's fill: a stepped gradient (nothing when Color is clNone, solid when ColorTo
// is clNone).
struct TRowBackground {
    TColor Color = clNone;
    TColor ColorTo = clNone;
    int Steps = 64;
    bool Horizontal = true;
    friend bool operator==(const TRowBackground&, const TRowBackground&) = default;
    auto Tie() const { return std::tie(Color, ColorTo, Steps, Horizontal); }
};
TRowBackground RowBackgroundOf(const TGradientBackground& background);
// Fills rect with the row background.
void DrawRowBackground(TCanvas& canvas, const TRect& rect, const TRowBackground& row);

// One tab. Rect is R of the tab in the target's coordinates; Row and RowRect describe the
// tab row fill beneath it (the face repaints that fill around the tab: corners take
// their colours from it).
struct TTabPaint {
    TRect Rect;
    TTabColors Colors;
    TRowBackground Row;
    TRect RowRect;
    // Nothing but the row fill lies beneath the tab, so a tab without fill of its own may
    // come from the face cache too.
    bool RowBeneath = false;
    // Last tab of a tab group: its right corner takes the colour left of it, and it has
    // no outer shadow line.
    bool LastOfGroup = false;
    bool StrongInnerLine = false;
    // TabAppearance.ShadowColor, clNone for none (and with glass drawing).
    TColor ShadowColor = clNone;
    // Scenic flag with glass drawing active: the highlight only for a hot, inactive tab.
    bool ScenicGlass = false;
    bool HotNotActive = false;
    // The current (group-)tab left margin: where the content starts.
    int ContentLeft = 4;
    std::wstring Caption;
    const TFont* Font = nullptr;
    TAntiAlias AntiAlias = aaClearType;
    TImageList* Images = nullptr;
    int ImageIndex = -1;
    // The image is drawn with the disabled look (a disabled page without DisabledImages).
    bool ImageDisabledLook = false;
};

// Draws the tab (directly, no cache).
void DrawTab(TCanvas& canvas, const TTabPaint& tab);
// Draws the tab through the shared face cache (directly when its row has no fill).
void PaintTab(TCanvas& canvas, const TTabPaint& tab);
// The separator left of a crowded tab at x = left - 2 from top + 1 to bottom, a 40-step
// gradient from BlendColor(rowColor, borderColorSelected, 60) to borderColorSelected.
void DrawTabSeparator(TCanvas& canvas, int left, int top, int bottom, TColor rowColor, TColor borderColorSelected);
// The translucent separator pair of the scenic look with glass drawing.
void DrawGlassTabSeparator(HDC dc, int left, int top, int bottom);
// The current spacing is at or below the minimum: separators are drawn.
inline bool TabsCrowded(int spacing, int minSpacing = 3) {
    return spacing <= minSpacing;
}

// --- Tab groups --------------------------------------------------------------------------

// What decides a group's rectangle (tab rectangles of the group's clamped page range).
struct TGroupGeometry {
    int TabIndexStart = -1;
    int TabIndexEnd = -1;
    int PageCount = 0;
    // Every page's tab rectangle (empty for a hidden tab).
    std::vector<TRect> Tabs;
    TRect CaptionRect;
    int TabBottom = 0;
    int Spacing = 4;
    bool GlassDrawing = false;
    bool OnGlass = false;
    bool QuickAccessVisible = false;
    int QuickAccessRight = -1;
    // Left of the leftmost visible caption button, -1 when none shows.
    int CaptionButtonLeft = -1;
    bool DesignTime = false;
};
struct TGroupRect {
    TRect Rect{-1, -1, -1, -1};
    bool RightEdge = false;
    bool Valid() const { return Rect.Left >= 0 || Rect.Right >= 0; }
};
TGroupRect TabGroupRect(const TGroupGeometry& g);

struct TGroupPaint {
    TGroupRect Group;
    const TGroupAppearance* Appearance = nullptr;
    int TabRowTop = 0;
    int TabBottom = 0;
    TColor PagerCaptionColor = clNone;
    TColor RowColor = clNone;
    bool ScrollerActive = false;
    bool Scenic = false;
    bool OnGlassLook = false;
    std::wstring Caption;
    TTextAlignment Alignment = TTextAlignment::taLeftJustify;
    TImageList* Images = nullptr;
    int ImageIndex = -1;
};
// The group's fill, lines and caption as the pager itself draws them.
void DrawTabGroup(TCanvas& canvas, const TGroupPaint& group);
// Where the group image and caption go in box (G.Left + 3, G.Top, G.Right, G.Bottom).
struct TGroupCaptionPlace {
    int ImageX = -1;
    TRect TextBox;
};
TGroupCaptionPlace GroupCaptionPlace(const TRect& textBox, TTextAlignment alignment, int imageWidth, int textWidth);

// --- Caption bar -------------------------------------------------------------------------

// A caption holding " - " is drawn in two runs: up to and including the first "-" in the
// extended colour, the rest in the text colour. second is empty when there is no " - ".
std::pair<std::wstring, std::wstring> SplitCaption(const std::wstring& caption);

struct TCaptionPaint {
    TRect Rect;  // the caption rectangle
    const TVistaTextBackground* Appearance = nullptr;
    std::wstring Text;
    // The free part of the bar the text is centred in.
    int TextLeft = 0;
    int TextRight = 0;
    bool FillBar = true;
};
void DrawPagerCaption(TCanvas& canvas, const TCaptionPaint& caption);
// The free part of the caption bar: from the indent (5 while hiding pages) or the quick
// access toolbar's right, to width - rightIndent, not left of the group captions' span.
std::pair<int, int> CaptionTextSpan(int width, int indent, bool hidingPages, int quickAccessRight, int rightIndent,
                                    int groupCaptionsRight);

// --- Page --------------------------------------------------------------------------------

// The two-line shadow along the page's bottom and right edges.
void DrawPageShadow(TCanvas& canvas, const TRect& page, TColor shadowColor);

// A page's own background (in page coordinates, W x H).
struct TPageBackgroundPaint {
    int Width = 0;
    int Height = 0;
    const TVistaPageBackground* PageAppearance = nullptr;
    TColor TabBorderColor = clNone;
    // The active page of a tab group: the group's look.
    const TGroupAppearance* Group = nullptr;
    bool RoundEdges = true;
    bool Scenic = false;
    bool GlassDrawing = false;
    bool OnGlassLook = false;
    // The selected tab's left and right in page coordinates (open top edge), -1 for none.
    int TabLeft = -1;
    int TabRight = -1;
    // The pager's pixels just outside the page's corners (top-left outer, top-left
    // inner, left of top, bottom-left, top-right, bottom-right), clNone for none.
    TColor CornerPixels[6] = {clNone, clNone, clNone, clNone, clNone, clNone};
};
void DrawPageBackground(TCanvas& canvas, const TPageBackgroundPaint& page);
// The same through the face cache, over a fill in beneath (what the rounded corners leave).
void PaintPageBackground(TCanvas& canvas, const TPageBackgroundPaint& page, TColor beneath);

// --- The whole pager ---------------------------------------------------------------------

struct TPagerTab {
    TRect Rect;
    bool Visible = true;
    TTabState State;
    int Group = -1;  // index into Groups, -1 outside groups
    bool LastOfGroup = false;
    std::wstring Caption;
    int ImageIndex = -1;
    bool UseDisabledImages = false;
};

struct TPagerGroup {
    TGroupRect Group;
    const TGroupAppearance* Appearance = nullptr;
    std::wstring Caption;
    TTextAlignment Alignment = TTextAlignment::taLeftJustify;
    int ImageIndex = -1;
};

struct TPagerPaintState {
    TRect Client;
    TCustomOrvToolBarStyler* Styler = nullptr;
    bool OnGlass = false;
    bool GlassDrawing = false;
    bool Scenic = false;
    bool Office2010Look = false;
    bool TabBackgroundShaded = false;
    bool HidingPages = false;
    // Caption bar.
    bool CaptionVisible = true;
    bool CaptionLayerInUse = false;
    TRect CaptionRect;
    std::wstring Caption;
    int CaptionTextLeft = 0;
    int CaptionTextRight = 0;
    bool DockedTopOrBottom = true;
    // Tab row and tabs.
    TRect TabRowRect;
    TRect TabArea;
    int TabHeight = 26;
    int Spacing = 4;
    int MinSpacing = 3;
    int TabLeftMargin = 4;
    int GroupTabLeftMargin = 4;
    bool ScrollerActive = false;
    TAntiAlias AntiAlias = aaClearType;
    TImageList* Images = nullptr;
    TImageList* DisabledImages = nullptr;
    std::vector<TPagerTab> Tabs;
    std::vector<TPagerGroup> Groups;
    // Page shadow under the active page; empty for none.
    TRect ActivePageRect;
    // On a toolbar form before Vista (not maximized): the three pixels of each top corner
    // take the form's border colour, as the form's own rounded frame does.
    bool FormCorners = false;
    TColor FormBorderColor = clNone;
};

// The painting order: background bitmap, caption bar, tab row, groups, page shadow, tabs
// (the shadow lies below the tab row). Off glass everything beneath the tabs is one face
// of the face cache. Scroll buttons, MDI and caption buttons are windows of their own
// and paint themselves.
void PaintPager(TCanvas& canvas, const TPagerPaintState& state);

// The pager's pixels beneath its tabs at points, read from the kept backdrop; false when
// the backdrop is not kept (on glass, with a background bitmap, faces off) or a point lies
// outside it.
bool PagerBackdropPixels(const TPagerPaintState& state, const TPoint* points, TColor* colors, int count);
// The kept backdrop face itself (null where it is not kept): the same face for the same
// backdrop pixels, so holding it tells whether the backdrop changed.
std::shared_ptr<const TFace> KeptPagerBackdrop(const TPagerPaintState& state);

// The background bitmap placed by display mode inside client.
void DrawPagerBackgroundBitmap(TCanvas& canvas, TBitmap& bitmap, TBackGroundDisplay display, const TRect& client);

// On glass: the caption and the tab groups' captions drawn glowing into surface (the
// caption layer's or the pager's caption rectangle, in window coordinates of target).
struct TGlassCaptionPaint {
    TRect Surface;
    std::wstring Caption;
    TRect CaptionBox;  // in surface coordinates
    bool WhiteTint = false;
    std::vector<TPagerGroup> Groups;  // rectangles in surface coordinates
    bool GlassLook = false;
    bool Scenic = false;
    // Groups are drawn only while the tab scroller is not active.
    bool ScrollerActive = false;
    // Where group rectangles end at the most (pager width - 110 on Windows 7 or later,
    // - 102 before), in surface coordinates; -1 for no limit.
    int GroupRightLimit = -1;
};
bool DrawGlassCaption(TWinControl* target, HDC dc, const TGlassCaptionPaint& paint);

}  // namespace orv
