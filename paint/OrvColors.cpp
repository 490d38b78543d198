#include "paint/OrvColors.h"

#include <algorithm>
#include <cmath>

#include "framework/Graphics.h"

namespace orv {

namespace {

int SaturateByte(long double value) {
    if (value <= 0) return 0;
    if (value >= 255) return 255;
    return static_cast<int>(value);
}

int SaturateByte(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, 255));
}

template <class F>
TColor PerChannel(TColor color, F channel) {
    TColor c = ColorToRGB(color);
    return RGBColor(channel(RedOf(c)), channel(GreenOf(c)), channel(BlueOf(c)));
}

int AdjustChannel(int c, int percent) {
    if (c == 0) return std::clamp(percent, 0, 255);
    long double factor = std::min(100 + percent, 100);
    return SaturateByte(RoundHalfEven(c * factor / 100.0L));
}

}  // namespace

long double RoundHalfEven(long double value) {
    long double whole = std::floor(value);
    long double fraction = value - whole;
    if (fraction > 0.5L) return whole + 1;
    if (fraction < 0.5L) return whole;
    return std::fmod(whole, 2.0L) == 0 ? whole : whole + 1;
}

int64_t MulDivRound(int64_t a, int64_t b, int64_t c) {
    if (c == 0) return 0;
    int64_t product = a * b;
    bool negative = (product < 0) != (c < 0);
    uint64_t n = static_cast<uint64_t>(product < 0 ? -product : product);
    uint64_t d = static_cast<uint64_t>(c < 0 ? -c : c);
    uint64_t q = (n + d / 2) / d;
    return negative ? -static_cast<int64_t>(q) : static_cast<int64_t>(q);
}

TColor DarkerColor(TColor color, int percent) {
    return AdjustColorChannels(color, percent, percent, percent);
}

TColor AdjustColorChannels(TColor color, int percentR, int percentG, int percentB) {
    TColor c = ColorToRGB(color);
    return RGBColor(AdjustChannel(RedOf(c), percentR), AdjustChannel(GreenOf(c), percentG),
                    AdjustChannel(BlueOf(c), percentB));
}

TColor BlendColor(TColor color1, TColor color2, int percent) {
    if (percent >= 100) return color1;
    if (percent <= 0) return color2;
    TColor c1 = ColorToRGB(color1);
    TColor c2 = ColorToRGB(color2);
    long double x = percent / 100.0L;
    auto mix = [x](int a, int b) { return SaturateByte(RoundHalfEven(x * a + (1 - x) * b)); };
    return RGBColor(mix(RedOf(c1), RedOf(c2)), mix(GreenOf(c1), GreenOf(c2)), mix(BlueOf(c1), BlueOf(c2)));
}

double RelativeLuminance(TColor color) {
    TColor c = ColorToRGB(color);
    auto linear = [](int channel) {
        double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(RedOf(c)) + 0.7152 * linear(GreenOf(c)) + 0.0722 * linear(BlueOf(c));
}

double ContrastRatio(TColor color1, TColor color2) {
    double a = RelativeLuminance(color1), b = RelativeLuminance(color2);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TColor ScaleColor(TColor color, int percent) {
    long double factor = 100.0L - percent;
    return PerChannel(color, [factor](int c) { return SaturateByte(RoundHalfEven(c * factor / 100.0L)); });
}

TColor LightenColor(TColor color, int percent) {
    return PerChannel(color, [percent](int c) { return SaturateByte(c + MulDivRound(255 - c, percent, 100)); });
}

TColor DarkenColor(TColor color, int percent) {
    return PerChannel(color, [percent](int c) { return SaturateByte(c - MulDivRound(c, percent, 100)); });
}

TARGB MakeColor(uint8_t r, uint8_t g, uint8_t b) {
    return 0xFF000000u | (static_cast<TARGB>(r) << 16) | (static_cast<TARGB>(g) << 8) | b;
}

TARGB MakeAlphaColor(uint8_t alpha, TColor color) {
    TColor c = ColorToRGB(color);
    return (static_cast<TARGB>(alpha) << 24) | (static_cast<TARGB>(RedOf(c)) << 16) |
           (static_cast<TARGB>(GreenOf(c)) << 8) | BlueOf(c);
}

TARGB ColorToARGB(TColor color) {
    return MakeAlphaColor(0xFF, color);
}

}  // namespace orv
