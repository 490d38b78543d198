#pragma once
// The glow button's face painter and its geometry. DrawGlowButton draws everything it
// is given (colours, parts, text, glyph) and reads no control, so the toolbar family's
// small buttons call it too; the geometry helpers return values and touch no window.
#include <string>

#include "buttons/GlowButtonAppearance.h"
#include "framework/Canvas.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvText.h"

namespace orv {

class TGDIPPicture;
class TImageList;

enum TButtonLayout {
    blGlyphLeft,
    blGlyphTop,
    blGlyphRight,
    blGlyphBottom,
    blGlyphLeftAdjusted,
    blGlyphRightAdjusted,
    blGlyphTopAdjusted,
    blGlyphBottomAdjusted,
};
enum TDropDownPosition { dpRight, dpBottom };
enum TDropDownDirection { ddDown, ddRight };
enum TButtonPosition { bpStandalone, bpLeft, bpMiddle, bpRight };
enum TBorderStyle { bsNone, bsSingle };
using TAntiAlias = TTextAntiAlias;

// Width (dpRight) or height (dpBottom) of the drop-down part.
constexpr int kDropDownPartSize = 14;
// The strip the split fill and the hover test give the drop-down part.
constexpr int kDropDownHoverSize = 12;

struct TGlowButtonPaint {
    TRect Rect;
    TGlowColorSet Colors;
    bool DrawBackground = true;
    bool Highlighted = false;
    bool DropDownButton = false;
    TDropDownPosition DropDownPosition = dpRight;
    TDropDownDirection DropDownDirection = ddDown;
    bool DropDownSplit = true;
    // 0: pointer elsewhere, 1: over the main part, 2: over the drop-down part.
    int DropDownHover = 0;
    bool FocusBorder = false;
    TBorderStyle BorderStyle = bsSingle;
    bool Rounded = true;
    TButtonPosition Position = bpStandalone;
    bool Emphasized = false;
    bool Enabled = true;
    std::wstring Caption;
    const TFont* Font = nullptr;
    TAntiAlias AntiAlias = aaClearType;
    bool WordWrap = true;
    TStringTrimming Trimming = StringTrimmingNone;
    std::wstring Notes;
    const TFont* NotesFont = nullptr;
    TGDIPPicture* Picture = nullptr;
    TImageList* Images = nullptr;
    int ImageIndex = -1;
    bool ImagesEnabled = true;
    TButtonLayout Layout = blGlyphLeft;
    int Spacing = 2;
    // Non-zero: the glyph is drawn (stretched) into this size.
    TSize ForcedGlyphSize;
    bool DrawCaption = true;
    bool DrawGlyph = true;
    // Measures only: nothing is drawn, the content size is returned.
    bool Measure = false;
};

struct TGlowButtonPaintResult {
    TSize Content;
    int TextBottom = 0;
};

TGlowButtonPaintResult DrawGlowButton(TCanvas& canvas, const TGlowButtonPaint& paint);

// --- geometry ---------------------------------------------------------------------

// The drop-down part of a client rectangle.
TRect DropDownPartRect(const TRect& client, TDropDownPosition position);
// A press here opens the drop-down (14-pixel zone).
bool InDropDownPressZone(TDropDownPosition position, int width, int height, int x, int y);
// The pointer here shows the drop-down part hot (12-pixel zone).
bool InDropDownHoverZone(TDropDownPosition position, int width, int height, int x, int y);

// The caption with its "\n" escapes turned into line breaks, or spaces when the glyph
// size is forced (the smaller size states keep one line).
std::wstring PrepareGlowCaption(const std::wstring& caption, bool forcedGlyph);

bool IsVerticalLayout(TButtonLayout layout);

// Where glyph and caption go in the content box (0, 0, contentWidth, contentHeight),
// given the glyph size (spacing included) and the measured caption box.
struct TGlowContentLayout {
    TPoint Glyph;
    TGPRectF CaptionBox;
};
TGlowContentLayout LayoutGlowContent(TButtonLayout layout, int contentWidth, int contentHeight, int glyphWidth,
                                     int glyphHeight, const TGPRectF& textBox, int spacing);
// The content size measuring mode reports.
TSize GlowContentSize(TButtonLayout layout, float textWidth, float textHeight, float notesWidth, float notesHeight,
                      int glyphWidth, int glyphHeight, int spacing, bool hasCaption);

}  // namespace orv
