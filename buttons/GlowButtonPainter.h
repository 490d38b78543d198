#pragma once
// The glow button's face painter. DrawGlowButton draws everything it is given (colours,
// parts, text, glyph) and reads no control, so the toolbar family's small buttons call it
// too, and a face drawn once can be kept by its description. Where the parts go is in
// GlowButtonGeometry.h.
#include <string>

#include "buttons/GlowButtonAppearance.h"
#include "buttons/GlowButtonGeometry.h"
#include "framework/Canvas.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvText.h"

namespace orv {

class TGDIPPicture;
class TImageList;

enum TDropDownDirection { ddDown, ddRight };
enum TButtonPosition { bpStandalone, bpLeft, bpMiddle, bpRight };
enum TBorderStyle { bsNone, bsSingle };
using TAntiAlias = TTextAntiAlias;

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
    // The list draws its image itself (on a quick access toolbar) instead of being keyed
    // by its bottom-left pixel.
    bool ImagesDrawThemselves = false;
    TButtonLayout Layout = blGlyphLeft;
    int Spacing = 2;
    // Non-zero: the glyph is laid out in this size; a picture is scaled into it, a list
    // image only when it is larger.
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

}  // namespace orv
