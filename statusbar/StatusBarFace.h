#pragma once
// The status bar's kept panel faces: the record that keys a panel's face in the shared
// face cache, and the switch that paints every panel directly instead (to compare the two,
// and to measure). Not part of the library's face.
//
// A panel's face is its painting rectangle as a repaint leaves it: the bar's colour, the
// panel's fill and separator, and its content, clipped to the rectangle. The record holds
// every value that paint reads, so a change of any of them makes another key.
#include <cstdint>
#include <string>
#include <tuple>

#include "paint/FaceParts.h"
#include "statusbar/StatusBarPaint.h"

namespace orv {

inline bool StatusBarFaceCache = true;

// A progress panel's gauge values.
struct TStatusGaugeFace {
    TColor BackGround = clNone;
    int Indication = 0;
    TColor Level0Color = 0, Level0ColorTo = 0, Level1Color = 0, Level1ColorTo = 0;
    TColor Level2Color = 0, Level2ColorTo = 0, Level3Color = 0, Level3ColorTo = 0;
    int Level1Perc = 0, Level2Perc = 0;
    TColor BorderColor = 0;
    bool ShowBorder = false, Stacked = false, ShowPercentage = false, CompletionSmooth = false, ShowGradient = false;
    std::wstring Suffix, Prefix;
    int Min = 0, Max = 0, Position = 0;
    friend bool operator==(const TStatusGaugeFace&, const TStatusGaugeFace&) = default;
    auto Tie() const {
        return std::tie(BackGround, Indication, Level0Color, Level0ColorTo, Level1Color, Level1ColorTo, Level2Color,
                        Level2ColorTo, Level3Color, Level3ColorTo, Level1Perc, Level2Perc, BorderColor, ShowBorder,
                        Stacked, ShowPercentage, CompletionSmooth, ShowGradient, Suffix, Prefix, Min, Max, Position);
    }
};

struct TStatusPanelFace {
    // Where: the painting rectangle in bar coordinates and the right end of the content.
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int ContentRight = 0;
    bool Separator = false;  // every panel but the first
    // The bar beneath and the panel's look in its state (hot, down), resolved to RGB.
    TColor BarColor = 0;
    TColor Color = 0, ColorTo = 0, ColorMirror = 0, ColorMirrorTo = 0, BorderColor = 0;
    TColor SeparatorColor = 0;
    TColor TextColor = 0;
    TFontFace Font;  // the bar's font with the look's text style, in the text's colour
    TAntiAlias AntiAlias = aaNone;
    bool RightToLeft = false;
    // The panel.
    int Style = 0;
    std::wstring Text;
    int Alignment = 0;
    bool Enabled = true;
    int HTMLOffsetX = 0, HTMLOffsetY = 0;
    int ImageIndex = -1;
    std::wstring ImageIndexes;  // joined with line breaks
    const void* AnimationImages = nullptr;
    uint64_t AnimationVersion = 0;
    bool Animated = false;
    int AnimIndex = 0;
    TStatusGaugeFace Gauge;
    // The bar's pictures and rich text settings.
    const void* Images = nullptr;
    uint64_t ImagesVersion = 0;
    const void* DisabledImages = nullptr;
    uint64_t DisabledImagesVersion = 0;
    const void* Pictures = nullptr;
    const void* PictureCache = nullptr;
    uint64_t PicturesGeneration = 0;
    TColor URLColor = 0;
    bool BlinkOn = false;
    auto Tie() const {
        return std::tie(Left, Top, Right, Bottom, ContentRight, Separator, BarColor, Color, ColorTo, ColorMirror,
                        ColorMirrorTo, BorderColor, SeparatorColor, TextColor, Font, AntiAlias, RightToLeft, Style,
                        Text, Alignment, Enabled, HTMLOffsetX, HTMLOffsetY, ImageIndex, ImageIndexes, AnimationImages,
                        AnimationVersion, Animated, AnimIndex, Gauge, Images, ImagesVersion, DisabledImages,
                        DisabledImagesVersion, Pictures, PictureCache, PicturesGeneration, URLColor, BlinkOn);
    }
};

}  // namespace orv
