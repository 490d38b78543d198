#pragma once
// The line layout of rich panel text. It reads the markup, breaks it into lines that fit the
// layout rectangle, places every run, bullet, picture and rule, hit-tests anchors, and hands
// back what is to be drawn as a list of drawing operations in canvas coordinates. Text and
// picture sizes come from a measurer, so the layout needs no platform header: the painter
// (HtmlPaint.h) measures with the device context, tests and the fuzzer with a fake.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Types.h"
#include "statusbar/HtmlMarkup.h"

namespace orv {

// A font as the markup changes it.
struct THtmlFont {
    std::wstring Name;
    int Height = -11;     // as TFont: negative is the character height in pixels
    uint8_t Style = 0;    // TFontStyleFlag bits
    int Orientation = 0;  // tenths of a degree
    friend bool operator==(const THtmlFont&, const THtmlFont&) = default;
};

struct THtmlExtent {
    int Width = 0;
    int Height = 0;
};

class THtmlMeasurer {
public:
    virtual ~THtmlMeasurer() = default;
    // The size of the text written in the font on one line, tabs expanded.
    virtual THtmlExtent TextExtent(const THtmlFont& font, const std::wstring& text) = 0;
    // The natural size (at 96 pixels per inch) of a picture; 0 x 0 when it resolves to
    // nothing or is empty.
    virtual THtmlExtent PictureSize(const THtmlPictureRef& ref) = 0;
};

struct THtmlLayoutInput {
    std::wstring Text;
    TRect Rect;
    THtmlFont BaseFont;
    TColor BaseColor = clBlack;
    TColor BrushColor = clWhite;  // the canvas brush on entry: blinking text takes it
    bool HitTest = false;
    TPoint HitPoint;
    int FocusAnchor = -1;
    int HoverAnchor = -1;
    int ShadowOffset = 1;
    bool Draw = true;            // false: lay out without drawing operations
    bool FirstPassOnly = false;  // sizes only: no second pass, no hit test
    bool ScalePictures = false;  // scale by PictureScale instead of pixels per inch / 96
    double PictureScale = 1.0;
    bool KeepColors = false;
    bool BlinkOn = false;
    bool HoverAnchors = false;
    bool WordWrap = true;
    TColor AnchorColor = clBlue;
    TColor HoverBackground = clNone;
    TColor HoverTextColor = clNone;
    TColor ShadowColor = 0x808080;
    int LineSpacing = 0;
    int PixelsPerInch = 96;
    int ImageCount = 0;  // images in the list "IDX:" references index
};

enum class THtmlOpKind {
    Fill,          // Rect in Color
    Gradient,      // Rect from Color to Color2, 64 steps, Horizontal or not
    Text,          // Text in Font and Color, bottom-aligned in Rect (Ellipsis: cut to Rect)
    Rule,          // a 1-pixel black line from Rect.Left to Rect.Right at Rect.Top
    BulletSquare,  // filled Rect in Color
    BulletCircle,  // filled ellipse in Rect in Color
    Picture,       // Picture stretched into Rect
    TiledPicture,  // Picture tiled from Rect's top-left over Rect
    ErrorMark,     // red zig-zag of 2-pixel steps from Rect.Left to Rect.Right, between Rect.Top and Bottom
    FocusRect,     // focus rectangle of Rect
};

struct THtmlOp {
    THtmlOpKind Kind = THtmlOpKind::Fill;
    TRect Rect;
    TColor Color = clBlack;
    TColor Color2 = clBlack;
    bool Horizontal = true;
    bool Ellipsis = false;
    std::wstring Text;
    THtmlFont Font;
    THtmlPictureRef Picture;
};

// Where the text of an anchor lies: the box of one of its runs or pictures, the height of
// its line.
struct THtmlAnchorBox {
    int Anchor = -1;
    TRect Rect;
};

struct THtmlLayoutResult {
    std::vector<THtmlOp> Ops;  // in drawing order
    std::vector<THtmlAnchorBox> AnchorBoxes;  // in drawing order; empty with FirstPassOnly
    std::vector<std::wstring> AnchorTargets;  // by anchor number
    bool AnchorHit = false;
    std::wstring AnchorTarget;  // of the anchor under the point
    int AnchorIndex = -1;       // anchors are numbered from 0 in order of appearance
    TRect AnchorRect;
    std::wstring PlainText;  // without tags; line breaks as carriage returns
    std::wstring FocusTarget;
    int Width = 0;   // widest line + 2
    int Height = 0;  // sum of the line heights; one text height for empty text
    int AnchorCount = 0;
    int LineCount = 0;
    bool UsesBlink = false;  // the text has a BLINK tag: its colours follow the blink phase
};

// Lays the text out in input.Rect. Bounded by the text: every line consumes markup, and the
// lines stop at the rectangle's bottom.
THtmlLayoutResult LayoutHtml(const THtmlLayoutInput& input, THtmlMeasurer& measurer);

// The first anchor box of a layout that holds the point (the one a hit test reports), or
// null. Hit-testing a kept layout this way needs no new layout.
const THtmlAnchorBox* HtmlAnchorAt(const THtmlLayoutResult& layout, TPoint point);

// Font sizes and picture sizes the markup may ask for are clamped to these.
constexpr int kHtmlMaxFontPoints = 500;
constexpr int kHtmlMaxPictureSide = 4096;

}  // namespace orv
