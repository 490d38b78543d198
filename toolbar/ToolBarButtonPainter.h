#pragma once
// The values behind a toolbar button's paint, kept apart from the control so they can be
// computed and tested without a window: the colour set of a state (plain and menu
// buttons), where glyph and caption go, the auto-size sums, and the frame painter (fill,
// border, open-menu line and drop-down arrow) in button coordinates.
#include <functional>
#include <string>
#include <tuple>

#include "buttons/OrvGlowButton.h"
#include "framework/Canvas.h"
#include "framework/Types.h"
#include "toolbar/OrvToolBarTabAppearance.h"

namespace orv {

namespace menus {
class TRootItem;
}

enum TGlyphPosition { gpLeft, gpTop, gpRight, gpBottom };
enum TOrvToolButtonStyle { tasButton, tasCheck };

// Which of the button's state glyphs a paint shows (an empty state glyph falls back to
// the plain one when drawn).
enum TToolButtonGlyph { tgNone, tgNormal, tgHot, tgDown, tgDisabled, tgChecked };

// The colours one paint uses; clNone leaves a part out.
struct TToolButtonColors {
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor DropDownColor = clNone;
    TColor DropDownColorTo = clNone;
    TColor CaptionColor = clBlack;
    TColor BorderColor = clNone;
    bool Horizontal = false;  // gradient left to right
    TToolButtonGlyph Glyph = tgNormal;
    bool operator==(const TToolButtonColors&) const = default;
};

// The state a colour set is chosen from.
struct TToolButtonStateInput {
    TOrvButtonState State = absUp;  // already resolved (disabled, exclusive, check)
    bool Enabled = true;
    bool Hot = false;        // pointer over it, or hot by the toolbar's menu tracking
    bool MouseHeld = false;  // pressed with the pointer on it
    bool Transparent = true;
    bool Check = false;     // tasCheck
    bool MenuOpen = false;  // menu buttons: its menu is open
};

// A plain toolbar button: a is the styler's button appearance when the button follows
// its toolbar's styler (else its own), o always its own.
TToolButtonColors ToolButtonColors(const TButtonAppearance& a, const TButtonAppearance& o,
                                   const TToolButtonStateInput& s);

// Where a menu button takes its live colours from: the menu styler's root item (a menu
// bar), or a button appearance.
struct TMenuButtonSource {
    const menus::TRootItem* Root = nullptr;
    const TButtonAppearance* Appearance = nullptr;
};
TToolButtonColors MenuButtonColors(const TMenuButtonSource& source, const TButtonAppearance& o,
                                   const TToolButtonStateInput& s);

// --- geometry ---------------------------------------------------------------------------

// The drop-down section: the bottom for a rotated button, else the right side.
TRect DropDownSection(int width, int height, int sectionWidth, bool rotated);
// The press zone of a split drop-down part: the last 14 pixels, wider than the painted
// section so a press on its edge still opens the menu.
constexpr int kDropDownPressZone = 14;
bool InDropDownPressZone(int width, int height, int x, int y, bool rotated);

struct TToolButtonContent {
    TPoint Glyph;
    TRect Caption;         // horizontal: the caption box; rotated: the box the text runs down in
    unsigned Format = 0;   // DT_ flags of a horizontal caption
    TPoint CaptionOrigin;  // rotated: where the -90 degree text starts (top right of its box)
    bool Clip = true;
};

// Content placement for a button of size (width, height), an image of glyph size and a
// caption of text size. spacing is the button's (0 is used when there is no caption).
// Without auto-size a negative offset moves the content to start at 1, unclipped.
TToolButtonContent ToolButtonContentLayout(int width, int height, TSize glyph, TSize text, int spacing,
                                           TGlyphPosition position, bool rotated, bool autoSize);

struct TToolButtonSizeInput {
    TSize Glyph;
    int TextWidth = 0;   // 0 when the caption is not shown
    int TextHeight = 0;  // height of "gh" in the caption font
    int Spacing = 4;
    int Offset = 4;
    bool QuickAccess = false;
    bool DropDown = false;
    int DropDownWidth = 12;
    TGlyphPosition Position = gpLeft;
};
// The auto-size sums along the toolbar (cx) and across it (cy), before the across size
// is raised to the toolbar's inner size. A rotated button swaps them.
TSize ToolButtonAutoSize(const TToolButtonSizeInput& in);

// --- painting -----------------------------------------------------------------------------

// Everything the frame of a button (fill, border, open-menu line, arrow) depends on; also
// the key of its face in the face cache.
struct TToolButtonFrame {
    int Width = 0;
    int Height = 0;
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor DropDownColor = clNone;
    TColor DropDownColorTo = clNone;
    TColor BorderColor = clNone;
    TColor ArrowColor = clBlack;
    bool Horizontal = false;
    bool DropDownButton = false;
    bool DropDownSplit = true;
    int DropDownWidth = 12;
    bool MenuOpen = false;
    bool Rotated = false;
    bool LeftDocked = false;
    friend bool operator==(const TToolButtonFrame&, const TToolButtonFrame&) = default;
    auto Tie() const {
        return std::tie(Width, Height, Color, ColorTo, DropDownColor, DropDownColorTo, BorderColor, ArrowColor,
                        Horizontal, DropDownButton, DropDownSplit, DropDownWidth, MenuOpen, Rotated, LeftDocked);
    }
    // True when the fill covers every pixel, so the frame can be kept as an opaque face.
    bool Opaque() const { return Color != clNone && ColorTo != clNone; }
    // True when the fill, solid or gradient, covers every pixel (the drop-down section too).
    bool Covers() const { return Color != clNone && (!DropDownButton || DropDownColor != clNone); }
};

TToolButtonFrame MakeToolButtonFrame(int width, int height, const TToolButtonColors& colors, bool dropDownButton,
                                     bool dropDownSplit, int dropDownWidth, bool menuOpen, bool rotated,
                                     bool leftDocked);
// Steps 1 to 4 of a button paint straight onto the canvas.
void PaintToolButtonFrame(TCanvas& canvas, const TToolButtonFrame& frame);
// The frame on the aero-glass quick access toolbar, drawn with GDI+.
void PaintToolButtonFrameAero(TCanvas& canvas, const TToolButtonFrame& frame);
// Steps 1 to 4 through the shared face cache when the fill is a gradient (a solid or empty
// fill is cheaper drawn than copied).
void DrawToolButtonFrame(TCanvas& canvas, const TToolButtonFrame& frame);

// The rotated drop-down arrow: columns of 5, 3 and 1 pixels from (x, y), pointing right
// or left.
void DrawSideArrow(TCanvas& canvas, int x, int y, bool pointsRight, TColor color);

// A caption drawn embossed: offset by (1, 1) in the highlight colour, then in place in the
// shadow colour; draw is called with the offset and the colour to use.
void DrawEmbossed(TCanvas& canvas, const std::function<void(int dx, int dy)>& draw);

}  // namespace orv
