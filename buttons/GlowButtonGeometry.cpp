#include "buttons/GlowButtonGeometry.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

int Rnd(float v) {
    return static_cast<int>(std::lround(v));
}

}  // namespace

TRect DropDownPartRect(const TRect& c, TDropDownPosition position) {
    if (position == dpBottom) return {c.Left, c.Bottom - kDropDownPartSize, c.Right, c.Bottom};
    return {c.Right - kDropDownPartSize, c.Top, c.Right, c.Bottom};
}

bool InDropDownPressZone(TDropDownPosition position, int width, int height, int x, int y) {
    return position == dpRight ? x > width - kDropDownPartSize : y > height - kDropDownPartSize;
}

bool InDropDownHoverZone(TDropDownPosition position, int width, int height, int x, int y) {
    return position == dpRight ? x > width - kDropDownHoverSize : y > height - kDropDownHoverSize;
}

std::wstring PrepareGlowCaption(const std::wstring& caption, bool forcedGlyph) {
    std::wstring out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'\\' && i + 1 < caption.size() && caption[i + 1] == L'n') {
            out += forcedGlyph ? L" " : L"\n";
            ++i;
        } else {
            out += caption[i];
        }
    }
    return out;
}

bool IsVerticalLayout(TButtonLayout l) {
    return l == blGlyphTop || l == blGlyphBottom || l == blGlyphTopAdjusted || l == blGlyphBottomAdjusted;
}

bool SpacingWidensGlyph(TButtonLayout l) {
    return l == blGlyphLeft || l == blGlyphRight || l == blGlyphLeftAdjusted || l == blGlyphRightAdjusted;
}

bool SpacingHeightensGlyph(TButtonLayout l) {
    return l == blGlyphTop || l == blGlyphTopAdjusted;
}

TSize GlowContentSize(TButtonLayout layout, float tw, float th, float nw, float nh, int gw, int gh, int spacing,
                      bool hasCaption) {
    if (!hasCaption) return {gw, gh};
    if (IsVerticalLayout(layout)) return {std::max(Rnd(tw) + spacing, gw + spacing), Rnd(th) + gh + spacing};
    return {std::max(Rnd(tw), Rnd(nw)) + gw + spacing, std::max(Rnd(th) + spacing + Rnd(nh), gh + spacing)};
}

TGlowContentLayout LayoutGlowContent(TButtonLayout layout, int m, int n, int gw, int gh, const TGPRectF& text,
                                     int spacing) {
    TGlowContentLayout out;
    float x = 0, y = 0, w = static_cast<float>(m), h = static_cast<float>(n);
    int o = 0, p = 0;
    switch (layout) {
        case blGlyphLeft:
        case blGlyphLeftAdjusted:
            x = static_cast<float>(gw + 2);
            w = static_cast<float>(m - gw - 2);
            o = std::max(2, Rnd(text.X - static_cast<float>(gw / 2)));
            p = std::max(0, (n - gh) / 2);
            break;
        case blGlyphRight:
        case blGlyphRightAdjusted:
            x = 2;
            w = static_cast<float>(m - gw - 4);
            if (layout == blGlyphRightAdjusted) {
                o = m - gw - 2;
            } else {
                o = std::max(0, Rnd(w - text.Width) / 2) + Rnd(text.Width) + 4;
                if (o > m - gw) o = m - gw - 2;
            }
            o += spacing;
            p = std::max(0, (n - gh) / 2);
            break;
        case blGlyphTop:
        case blGlyphTopAdjusted:
            y = static_cast<float>(gh);
            h = static_cast<float>(n - gh - 2);
            o = std::max(0, (m - gw) / 2);
            p = layout == blGlyphTopAdjusted ? 0 : std::max(0, Rnd(h - text.Height) / 2);
            p = std::max(2, p);
            break;
        case blGlyphBottom:
            y = 2;
            h = static_cast<float>(n - gh - 2);
            o = std::max(0, (m - gw) / 2);
            p = std::max(0, Rnd(h - text.Height) / 2) + Rnd(text.Height + 2);
            if (p > n - gh) p = n - gh - 2;
            break;
        case blGlyphBottomAdjusted:
            y = 2;
            h = static_cast<float>(n - gh - 2);
            o = std::max(0, (m - gw) / 2);
            p = std::min(n / 2 + Rnd(text.Height + 2), n - gh - 2);
            break;
    }
    out.Glyph = {o, p};
    out.CaptionBox = MakeRect(x, y, w, h);
    return out;
}

int ClassicCaptionWidth(TButtonLayout layout, int m, int gw) {
    int w = m;
    switch (layout) {
        case blGlyphLeft:
            w = m - gw - 2;
            break;
        case blGlyphLeftAdjusted:  // drawn 2 pixels further in
        case blGlyphRight:
        case blGlyphRightAdjusted:
            w = m - gw - 4;
            break;
        default:
            break;
    }
    return std::max(1, w);
}

TGlowClassicLayout LayoutGlowContentClassic(TButtonLayout layout, int m, int n, int gw, int gh, TSize text, TSize notes,
                                            int spacing) {
    TGlowClassicLayout out;
    const int tw = text.cx, th = text.cy;
    const int middleY = std::max(0, (n - gh) / 2);
    const int centreX = std::max(0, (m - gw) / 2);
    auto caption = [&](int left, int top, int right, unsigned format) {
        out.Caption = {left, top, right, top + th};
        out.CaptionFormat = format;
    };
    switch (layout) {
        case blGlyphLeft:
            caption(gw + 2, (n - th) / 2, m, DT_CENTER);
            // The glyph starts the centred group of glyph and caption.
            out.Glyph = {std::max(2, (m - tw - gw) / 2), middleY};
            break;
        case blGlyphLeftAdjusted: {
            // With notes the caption and the notes below it are centred as one block.
            int top = notes.cy > 0 ? (n - th - notes.cy) / 2 : (n - th) / 2;
            caption(gw + 4, top, m, DT_LEFT);
            if (notes.cy > 0) out.Notes = {gw + 4, top + th, m, top + th + notes.cy};
            out.Glyph = {2, middleY};
            break;
        }
        case blGlyphRight:
        case blGlyphRightAdjusted: {
            int w = m - gw - 4;
            caption(2, (n - th) / 2, 2 + w, layout == blGlyphRight ? DT_CENTER : DT_RIGHT);
            int o = m - gw - 2;
            if (layout == blGlyphRight) {
                o = std::max(0, (w - tw) / 2) + tw + 4;
                if (o > m - gw) o = m - gw - 2;
            }
            out.Glyph = {o + spacing, middleY};
            break;
        }
        case blGlyphTop: {
            // The classic group sits 4 pixels higher; the caption follows right below the
            // glyph (whose height includes the spacing).
            int h = n - gh - 2;
            int p = std::max(2, std::max(0, (h - th) / 2) - 4);
            out.Glyph = {centreX, p};
            caption(0, p + gh, m, DT_CENTER);
            break;
        }
        case blGlyphTopAdjusted:
            out.Glyph = {centreX, 2};
            caption(0, gh, m, DT_CENTER);
            break;
        case blGlyphBottom: {
            int h = n - gh - 2;
            int free = std::max(0, (h - th) / 2);
            caption(0, 2 + free, m, DT_CENTER);
            int p = free + th + 5;
            if (p > n - gh) p = n - gh - 2;
            out.Glyph = {centreX, p};
            break;
        }
        case blGlyphBottomAdjusted: {
            int h = n - gh - 4;
            caption(0, 2 + h - th, m, DT_CENTER);
            out.Glyph = {centreX, n - gh - 2};
            break;
        }
    }
    return out;
}

}  // namespace orv
