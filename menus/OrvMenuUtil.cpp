#include "menus/OrvMenuUtil.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

#include "paint/OrvColors.h"

namespace orv::menus {

EInvalidPropertyIndex::EInvalidPropertyIndex(int index)
    : Exception(L"Invalid property index " + IntToStr(index) + L".") {}

TColor GradientLineColor(TColor c1, TColor c2, int i, int n) {
    c1 = ColorToRGB(c1);
    c2 = ColorToRGB(c2);
    if (n <= 0) return c1;
    auto channel = [i, n](int a, int b) { return a + (b - a) * i / n; };
    return RGBColor(channel(RedOf(c1), RedOf(c2)), channel(GreenOf(c1), GreenOf(c2)), channel(BlueOf(c1), BlueOf(c2)));
}

namespace {
void FillSolid(HDC dc, const TRect& rect, TColor color) {
    TGdiBrush brush(CreateSolidBrush(ToColorRef(color)));
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    FillRect(dc, &r, brush.Get());
}

TRect Intersect(const TRect& a, const TRect& b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}
}  // namespace

void DrawSpanGradient(TCanvas& canvas, TColor c1, TColor c2, TGradientDirection direction, const TRect& span,
                      const TRect& clip) {
    if (c1 == clNone || clip.IsEmpty()) return;
    HDC dc = canvas.Handle();
    bool vertical = direction == gdVertical;
    int n = vertical ? span.Height() : span.Width();
    // A span of no extent (a menu whose height is not known yet, a very narrow
    // form) would divide by zero: the item gets the first colour.
    if (n <= 0) {
        FillSolid(dc, clip, ColorToRGB(c1));
        return;
    }
    TRect area = Intersect(span, clip);
    if (area.IsEmpty()) return;
    if (c2 == clNone || ColorToRGB(c1) == ColorToRGB(c2)) {
        FillSolid(dc, area, ColorToRGB(c1));
        return;
    }
    if (vertical) {
        for (int y = area.Top; y < area.Bottom; ++y)
            FillSolid(dc, {area.Left, y, area.Right, y + 1}, GradientLineColor(c1, c2, y - span.Top, n));
    } else {
        for (int x = area.Left; x < area.Right; ++x)
            FillSolid(dc, {x, area.Top, x + 1, area.Bottom}, GradientLineColor(c1, c2, x - span.Left, n));
    }
}

void DrawSeparatorBand(TCanvas& canvas, const TRect& rect, int margin, int gradientWidth, TGradientType type,
                       TColor color, TColor colorTo, bool vertical) {
    if (color == clNone) return;
    TRect band = vertical ? TRect{rect.Left, rect.Top + margin, rect.Right, rect.Bottom - margin}
                          : TRect{rect.Left + margin, rect.Top, rect.Right - margin, rect.Bottom};
    if (band.IsEmpty()) return;
    HDC dc = canvas.Handle();
    if (colorTo == clNone || gradientWidth <= 0) {
        FillSolid(dc, band, ColorToRGB(color));
        return;
    }
    TGradientDirection along = vertical ? gdVertical : gdHorizontal;
    int length = vertical ? band.Height() : band.Width();
    int startFade = type == gtLeft ? gradientWidth : type == gtBoth ? gradientWidth / 2 : 0;
    int endFade = type == gtRight ? gradientWidth : type == gtBoth ? gradientWidth / 2 : 0;
    startFade = std::min(startFade, length);
    endFade = std::min(endFade, length - startFade);
    auto part = [&](int from, int to) {
        return vertical ? TRect{band.Left, band.Top + from, band.Right, band.Top + to}
                        : TRect{band.Left + from, band.Top, band.Left + to, band.Bottom};
    };
    FillSolid(dc, part(startFade, length - endFade), ColorToRGB(colorTo));
    if (startFade > 0) DrawSpanGradient(canvas, color, colorTo, along, part(0, startFade));
    if (endFade > 0) DrawSpanGradient(canvas, colorTo, color, along, part(length - endFade, length));
}

TPoint BackgroundPicturePosition(TBackgroundPosition position, const TRect& area, int offsetX, int offsetY,
                                 int pictureWidth, int pictureHeight) {
    int w = area.Width();
    int h = area.Height();
    TPoint p{area.Left, area.Top};
    switch (position) {
        case bpTopLeft:
        case bpBottomLeft:
            p.X = area.Left + offsetX;
            break;
        case bpTopRight:
        case bpBottomRight:
            p.X = area.Left + w + offsetX - pictureWidth;
            break;
        case bpTopCenter:
        case bpBottomCenter:
        case bpCenter:
            p.X = area.Left + (w - pictureWidth) / 2 + offsetX;
            break;
        case bpXY:
            return {offsetX, offsetY};
        case bpTiled:
        case bpStretched:
            return p;
    }
    switch (position) {
        case bpTopLeft:
        case bpTopRight:
        case bpTopCenter:
            p.Y = area.Top + offsetY;
            break;
        case bpBottomLeft:
        case bpBottomRight:
        case bpBottomCenter:
            p.Y = area.Top + h + offsetY - pictureHeight;
            break;
        default:
            p.Y = area.Top + (h - pictureHeight) / 2 + offsetY;
            break;
    }
    return p;
}

std::wstring KeyboardKeyName(uint16_t virtualKey) {
    if (virtualKey >= 112 && virtualKey <= 135) return L"F" + IntToStr(virtualKey - 111);
    UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LONG param = static_cast<LONG>(scan << 16);
    // Extended-key flag: the layout names the navigation block's keys by it.
    if (virtualKey != VK_BACK && virtualKey != VK_RETURN && virtualKey != VK_SHIFT && virtualKey != VK_CONTROL &&
        virtualKey != VK_MENU)
        param |= 1 << 24;
    wchar_t buffer[64] = {};
    int length = GetKeyNameTextW(param, buffer, 64);
    if (length <= 0) {
        // Without the extended flag (letters and digits on some layouts).
        length = GetKeyNameTextW(static_cast<LONG>(scan << 16), buffer, 64);
    }
    std::wstring name(buffer, buffer + std::max(length, 0));
    if (name.empty()) return ShortCutToText(virtualKey);
    for (size_t i = 1; i < name.size(); ++i) {
        if (name[i - 1] == L'(')
            name[i] = static_cast<wchar_t>(std::towupper(name[i]));
        else
            name[i] = static_cast<wchar_t>(std::towlower(name[i]));
    }
    return name;
}

std::wstring IntlShortCutText(TShortCut shortCut) {
    if (shortCut == scNone) return {};
    std::wstring text = KeyboardKeyName(shortCut & 0xFF);
    // Each modifier goes in front of what is there: shift, then control, then
    // alt.
    if (shortCut & scShift) text = KeyboardKeyName(VK_SHIFT) + L"+" + text;
    if (shortCut & scCtrl) text = KeyboardKeyName(VK_CONTROL) + L"+" + text;
    if (shortCut & scAlt) text = KeyboardKeyName(VK_MENU) + L"+" + text;
    return text;
}

std::wstring MenuShortCutText(TShortCut shortCut, bool intlKeybShortCuts) {
    if (intlKeybShortCuts) return IntlShortCutText(shortCut);
    std::wstring text = ShortCutToText(shortCut);
    if (shortCut & scWin) text = L"Win+" + text;
    return text;
}

}  // namespace orv::menus
