#pragma once
// Where the glow button's parts go: the drop-down part and its hit zones, the caption's
// line breaks, the content size measuring reports, and where glyph and caption sit in
// the content box for the anti-aliased (GDI+) and the classic text paths. Values only;
// nothing here touches a window or a device context.
#include <string>

#include "framework/Types.h"
#include "paint/OrvGDIP.h"

namespace orv {

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

// Width (dpRight) or height (dpBottom) of the drop-down part.
constexpr int kDropDownPartSize = 14;
// The strip the split fill and the hover test give the drop-down part.
constexpr int kDropDownHoverSize = 12;

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
// Layouts whose glyph width (left and right) or height (top) takes the spacing.
bool SpacingWidensGlyph(TButtonLayout layout);
bool SpacingHeightensGlyph(TButtonLayout layout);

// Where glyph and caption go in the content box (0, 0, contentWidth, contentHeight),
// given the glyph size (spacing included) and the caption box GDI+ measured and aligned
// in the content box.
struct TGlowContentLayout {
    TPoint Glyph;
    TGPRectF CaptionBox;
};
TGlowContentLayout LayoutGlowContent(TButtonLayout layout, int contentWidth, int contentHeight, int glyphWidth,
                                     int glyphHeight, const TGPRectF& textBox, int spacing);

// The classic text path, in the content box: the glyph's corner and the rectangles the
// caption and the notes are drawn in, each exactly as high as its measured text and as
// wide as the box it is aligned in (CaptionFormat holds that alignment as DT_ flags).
// text and notes are the sizes the text routine calculated.
struct TGlowClassicLayout {
    TPoint Glyph;
    TRect Caption;
    TRect Notes;
    unsigned CaptionFormat = 0;
};
TGlowClassicLayout LayoutGlowContentClassic(TButtonLayout layout, int contentWidth, int contentHeight, int glyphWidth,
                                            int glyphHeight, TSize text, TSize notes, int spacing);
// The width the classic caption is measured in (its box's width) while drawing.
int ClassicCaptionWidth(TButtonLayout layout, int contentWidth, int glyphWidth);

// The content size measuring mode reports.
TSize GlowContentSize(TButtonLayout layout, float textWidth, float textHeight, float notesWidth, float notesHeight,
                      int glyphWidth, int glyphHeight, int spacing, bool hasCaption);

}  // namespace orv
