#pragma once
// Colour arithmetic on the 32-bit colour value. Every routine resolves system colours
// first, works per channel and returns a plain 0x00BBGGRR colour unless it says
// otherwise. Channel results saturate to 0..255. No platform header: this unit also
// builds natively (ColorToRGB is the only platform dependency, provided by the caller's
// build).
#include <cstdint>

#include "framework/Types.h"

namespace orv {

// GDI+ colour, 0xAARRGGBB.
using TARGB = uint32_t;

// Round to nearest, ties to even, in extended precision (202.5 -> 202, 203.5 -> 204).
long double RoundHalfEven(long double value);
// a * b / c in 64 bits, the quotient rounded half away from zero; 0 when c is 0.
int64_t MulDivRound(int64_t a, int64_t b, int64_t c);

inline uint8_t RedOf(TColor c) {
    return static_cast<uint8_t>(c & 0xFF);
}
inline uint8_t GreenOf(TColor c) {
    return static_cast<uint8_t>((c >> 8) & 0xFF);
}
inline uint8_t BlueOf(TColor c) {
    return static_cast<uint8_t>((c >> 16) & 0xFF);
}
inline TColor RGBColor(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// AdjustColorChannels with the same percent on all three channels.
TColor DarkerColor(TColor color, int percent);
// Per channel: a zero channel becomes the percent when it is positive (else stays 0);
// any other channel is scaled by min(100 + percent, 100) %, so a positive percent only
// lifts black channels and a negative one darkens.
TColor AdjustColorChannels(TColor color, int percentR, int percentG, int percentB);
// percent of color1 over color2. At 100 or more color1 comes back as given (not
// resolved), at 0 or less color2.
TColor BlendColor(TColor color1, TColor color2, int percent);
// Each channel times (100 - percent) %; a negative percent brightens.
TColor ScaleColor(TColor color, int percent);
// Moves each channel percent % of the way to 255 (Lighten) or to 0 (Darken).
TColor LightenColor(TColor color, int percent);
TColor DarkenColor(TColor color, int percent);

// Relative luminance of the resolved colour as the web accessibility guidelines define
// it over sRGB: 0 for black, 1 for white.
double RelativeLuminance(TColor color);
// How far apart two colours are for reading: (lighter + 0.05) / (darker + 0.05) of their
// relative luminances, from 1 (the same luminance) to 21 (black and white). Body text
// wants at least 4.5.
double ContrastRatio(TColor color1, TColor color2);

// Opaque GDI+ colour of a (resolved) colour; clNone gives opaque white.
TARGB ColorToARGB(TColor color);
TARGB MakeAlphaColor(uint8_t alpha, TColor color);
TARGB MakeColor(uint8_t r, uint8_t g, uint8_t b);

}  // namespace orv
