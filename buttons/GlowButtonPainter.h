#pragma once
// The glow button's face painter. DrawGlowButton draws everything it is given (colours,
// parts, text, glyph) and reads no control, so the toolbar family's small buttons call it
// too, and a face drawn once can be kept by its description. Where the parts go is in
// GlowButtonGeometry.h.
#include <string>

#include "buttons/GlowButtonAppearance.h"
#include "buttons/GlowButtonGeometry.h"
#include "framework/Canvas.h"
#include "paint/FaceParts.h"
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

// The face cache's key for a glow button face: every input of DrawGlowButton by value,
// fonts by their values, pictures and image lists by identity and version. The face is
// drawn at the origin, so the rectangle counts by its size only.
struct TGlowButtonFace {
    int Width = 0;
    int Height = 0;
    TGlowColorSet Colors;
    bool DrawBackground = true;
    bool Highlighted = false;
    bool DropDownButton = false;
    TDropDownPosition DropDownPosition = dpRight;
    TDropDownDirection DropDownDirection = ddDown;
    bool DropDownSplit = true;
    int DropDownHover = 0;
    bool FocusBorder = false;
    TBorderStyle BorderStyle = bsSingle;
    bool Rounded = true;
    TButtonPosition Position = bpStandalone;
    bool Emphasized = false;
    bool Enabled = true;
    std::wstring Caption;
    TFontFace Font;
    TAntiAlias AntiAlias = aaClearType;
    bool WordWrap = true;
    TStringTrimming Trimming = StringTrimmingNone;
    std::wstring Notes;
    TFontFace NotesFont;
    const void* Picture = nullptr;
    uint64_t PictureVersion = 0;
    const void* Images = nullptr;
    uint64_t ImagesVersion = 0;
    int ImageIndex = -1;
    bool ImagesEnabled = true;
    bool ImagesDrawThemselves = false;
    TButtonLayout Layout = blGlyphLeft;
    int Spacing = 2;
    int ForcedGlyphWidth = 0;
    int ForcedGlyphHeight = 0;
    bool DrawCaption = true;
    bool DrawGlyph = true;
    auto Tie() const {
        return std::tie(Width, Height, Colors, DrawBackground, Highlighted, DropDownButton, DropDownPosition,
                        DropDownDirection, DropDownSplit, DropDownHover, FocusBorder, BorderStyle, Rounded, Position,
                        Emphasized, Enabled, Caption, Font, AntiAlias, WordWrap, Trimming, Notes, NotesFont, Picture,
                        PictureVersion, Images, ImagesVersion, ImageIndex, ImagesEnabled, ImagesDrawThemselves, Layout,
                        Spacing, ForcedGlyphWidth, ForcedGlyphHeight, DrawCaption, DrawGlyph);
    }
};

TGlowButtonFace GlowButtonFaceOf(const TGlowButtonPaint& paint);

// True when the face covers its whole rectangle, so that a cached copy shows the same
// pixels whatever lies beneath. A face without its background draws over the parent's
// pixels (anti-aliased text included) and is drawn directly instead.
bool GlowFaceCacheable(const TGlowButtonPaint& paint);

// Paints through the shared face cache: a copy of the face kept for the paint's
// description, drawn once on a miss. Paints that cannot be kept are drawn directly.
void PaintGlowButton(TCanvas& canvas, const TGlowButtonPaint& paint);
// A fade frame: the paint with its colours percent of the way from `from` to `to` (0
// shows from), as a blend of the two kept end faces instead of a new paint. Where no face
// can be kept, the paint is drawn directly with its own colours (the frame's).
void PaintGlowButtonFade(TCanvas& canvas, const TGlowButtonPaint& paint, const TGlowColorSet& from,
                         const TGlowColorSet& to, int percent);

}  // namespace orv
