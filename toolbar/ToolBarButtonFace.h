#pragma once
// The toolbar button's kept faces: the record that keys a button's face in the shared
// face cache, and the switch that paints every button directly instead (to compare the
// two, and to measure). Not part of the library's face.
//
// A face is the whole button as a paint leaves it: frame, glyph and caption. It is kept
// where it covers every pixel by itself (a filled frame), or composed over the kept face of
// a parent that names it (a toolbar; a transparent button at rest shows its pixels). The
// record holds every value the paint reads: the frame record, where glyph and caption go,
// the glyph's source by identity and version, and the caption with its font.
#include <cstdint>
#include <string>
#include <tuple>

#include "paint/FaceParts.h"
#include "toolbar/ToolBarButtonPainter.h"

namespace orv {

inline bool ToolButtonFaceCache = true;

// How the caption is placed.
enum TToolButtonCaptionMode { tcmNone, tcmDrawPosition, tcmRotated, tcmBox };

struct TToolButtonFace {
    TToolButtonFrame Frame;
    // The glyph: where, the grey shade beneath a hot one, and its one source.
    bool Glyph = false;
    int GlyphX = 0, GlyphY = 0;
    bool Shade = false;
    uint64_t GlyphVersion = 0;  // the button's state bitmaps and shade
    const void* Images = nullptr;
    uint64_t ImagesVersion = 0;
    int ImageIndex = -1;
    bool ImageEnabled = true;
    const void* Bitmap = nullptr;
    const void* Picture = nullptr;
    uint64_t PictureVersion = 0;
    // The caption.
    TToolButtonCaptionMode CaptionMode = tcmNone;
    std::wstring Caption;
    TFontFace Font;
    TColor CaptionColor = 0;
    TColor Highlight = 0, Shadow = 0;  // the embossed caption of a disabled button
    int CaptionLeft = 0, CaptionTop = 0, CaptionRight = 0, CaptionBottom = 0;
    unsigned Format = 0;
    // What lies beneath: the serial of the parent's kept face and where the button sits on
    // it; none (0) when the frame covers every pixel.
    uint64_t Background = 0;
    int Left = 0, Top = 0;
    auto Tie() const {
        return std::tie(Frame, Glyph, GlyphX, GlyphY, Shade, GlyphVersion, Images, ImagesVersion, ImageIndex,
                        ImageEnabled, Bitmap, Picture, PictureVersion, CaptionMode, Caption, Font, CaptionColor,
                        Highlight, Shadow, CaptionLeft, CaptionTop, CaptionRight, CaptionBottom, Format, Background,
                        Left, Top);
    }
};

}  // namespace orv
