#pragma once
// Pieces of face keys that many controls share: a font by its values.
#include <cstdint>
#include <string>
#include <tuple>

#include "framework/Graphics.h"

namespace orv {

// Every value of a font that changes drawn text. A null font is the default font.
struct TFontFace {
    std::wstring Name;
    int Height = 0;
    TFontStyles Style = 0;
    TColor Color = 0;
    uint8_t Charset = 0;
    int Orientation = 0;
    friend bool operator==(const TFontFace&, const TFontFace&) = default;
    auto Tie() const { return std::tie(Name, Height, Style, Color, Charset, Orientation); }
};

inline TFontFace FontFaceOf(const TFont* font) {
    static const TFont defaultFont;
    const TFont& f = font ? *font : defaultFont;
    return {f.GetName(), f.GetHeight(), f.GetStyle(), f.GetColor(), f.GetCharset(), f.GetOrientation()};
}

}  // namespace orv
