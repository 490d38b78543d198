#include "paint/ShapeButtonPaint.h"

#include <cmath>

#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"

namespace orv {

namespace {

// Gradient brushes are built on the filled rectangle grown by 1 on each side, so the
// ends of the ramp fall outside the fill.
void FillVertical(TGPGraphics& g, const TGPRectF& r, TARGB from, TARGB to) {
    if (r.Width <= 0 || r.Height <= 0) return;
    TGPLinearGradientBrush brush(MakeRect(r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2), from, to,
                                 LinearGradientModeVertical);
    g.FillRectangle(brush, r);
}

// The top edge and the rounded top-right corner of a rectangle, as an open path.
void AddTopRight(TGPGraphicsPath& path, float x, float y, float w, float radius) {
    if (radius > 0) {
        path.AddLine(x, y, x + w - radius, y);
        path.AddArc(x + w - 2 * radius, y, 2 * radius, 2 * radius, 270, 90);
    } else {
        path.AddLine(x, y, x + w, y);
    }
}

}  // namespace

void DrawShapeButtonClassicRect(TGPGraphics& g, float x, float y, float w, float h, const TShapeButtonColors& c,
                                float radius) {
    TSmoothingMode old = g.GetSmoothingMode();
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    // Inner rectangle first: the outline goes over its edges.
    float ix = x + 1, iy = y + 1, iw = w - 2, ih = h - 2;
    FillVertical(g, MakeRect(ix - 0.5f, iy, iw + 1, ih / 2), ColorToARGB(c.Color), ColorToARGB(c.ColorTo));
    FillVertical(g, MakeRect(ix - 0.5f, iy + ih / 2, iw + 1, ih / 2 + 1), ColorToARGB(c.ColorMirror),
                 ColorToARGB(c.ColorMirrorTo));
    if (c.BorderColor != clNone) {
        TGPGraphicsPath outline;
        AddTopRight(outline, x, y, w, radius);
        outline.AddLine(x + w, y + radius, x + w, y + h);
        outline.AddLine(x + w, y + h, x, y + h);
        outline.AddLine(x, y + h, x, y);
        TGPPen pen(ColorToARGB(c.BorderColor));
        g.DrawPath(pen, outline);
    }
    if (c.InnerBorderColor != clNone) {
        TGPGraphicsPath highlight;
        AddTopRight(highlight, ix, iy, iw, radius);
        TGPPen pen(ColorToARGB(c.InnerBorderColor));
        g.DrawPath(pen, highlight);
        TARGB opaque = ColorToARGB(c.InnerBorderColor);
        TARGB clear = MakeAlphaColor(0, clWhite);
        FillVertical(g, MakeRect(ix - 0.5f, iy, 1, ih * 2 / 3), opaque, clear);
        FillVertical(g, MakeRect(ix + iw, iy + radius, 1, ih * 2 / 3), opaque, clear);
    }
    g.SetSmoothingMode(old);
}

void DrawShapeButtonOffice2010Rect(TGPGraphics& g, float x, float y, float w, float h, const TShapeButtonColors& c,
                                   int glowAlpha) {
    constexpr float r = 3;
    TSmoothingMode old = g.GetSmoothingMode();
    g.SetSmoothingMode(SmoothingModeHighQuality);
    auto outline = [&](TGPGraphicsPath& path, float px, float py, float pw, float ph) {
        path.AddArc(px, py, 2 * r, 2 * r, 180, 90);
        path.AddLine(px + r, py, px + pw - r, py);
        path.AddArc(px + pw - 2 * r, py, 2 * r, 2 * r, 270, 90);
        path.AddLine(px + pw, py + r, px + pw, py + ph);
        path.AddLine(px + pw, py + ph, px, py + ph);
        path.CloseFigure();
    };
    TGPGraphicsPath inner;
    outline(inner, x + 1, y + 1, w - 2, h - 2);
    {
        TGPClipScope clip(g, inner);
        float third = h / 3;
        TGPSolidBrush middle(ColorToARGB(c.ColorTo));
        g.FillRectangle(middle, x + 1, y + third, w - 2, third);
        FillVertical(g, MakeRect(x + 1, y + 1, w - 2, std::round(third) + 1), ColorToARGB(c.Color),
                     ColorToARGB(c.ColorTo));
        FillVertical(g, MakeRect(x + 1, y + h - third, w - 2, third), ColorToARGB(c.ColorTo), ColorToARGB(c.Color));
    }
    if (c.InnerBorderColor != clNone) {
        TGPPen pen(ColorToARGB(c.InnerBorderColor));
        g.DrawPath(pen, inner);
    }
    if (c.BorderColor != clNone) {
        TGPGraphicsPath outer;
        outline(outer, x, y, w, h);
        TGPPen pen(ColorToARGB(c.BorderColor));
        g.DrawPath(pen, outer);
    }
    if (glowAlpha > 0) {
        TGPGraphicsPath glow;
        glow.AddEllipse(x + 4, y + h / 2, w - 6, h);
        TGPPathGradientBrush brush(glow);
        brush.SetCenterPoint(MakePoint(x + (w - 8) / 2, y + h + 3));
        brush.SetCenterColor(MakeAlphaColor(static_cast<uint8_t>(glowAlpha), clWhite));
        TARGB surround = MakeAlphaColor(0, c.InnerBorderColor == clNone ? clWhite : c.InnerBorderColor);
        int count = 1;
        brush.SetSurroundColors(&surround, count);
        g.FillRectangle(brush, x + 4, y + h / 2, w - 4, h);
    }
    g.SetSmoothingMode(old);
}

namespace {

// A white ellipse fading from centreAlpha at its middle to nothing at its edge.
void FillHighlight(TGPGraphics& g, float x, float y, float w, float h, uint8_t centreAlpha) {
    if (w <= 0 || h <= 0) return;
    TGPGraphicsPath path;
    path.AddEllipse(x, y, w, h);
    TGPPathGradientBrush brush(path);
    brush.SetCenterColor(MakeAlphaColor(centreAlpha, clWhite));
    TARGB surround = MakeAlphaColor(0, clWhite);
    int count = 1;
    brush.SetSurroundColors(&surround, count);
    g.FillPath(brush, path);
}

}  // namespace

void DrawShapeButtonOrb(TGPGraphics& g, float x, float y, float w, float h, const TShapeButtonColors& c) {
    TSmoothingMode old = g.GetSmoothingMode();
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    if (c.BorderColor != clNone) {
        TGPSolidBrush rim(MakeAlphaColor(80, c.BorderColor));
        g.FillEllipse(rim, x, y, w, h);
    }
    float ex = x + 1, ey = y + 1, ew = w - 3, eh = h - 3;
    if (ew > 0 && eh > 0) {
        TGPLinearGradientBrush body(MakeRect(ex - 1, ey - 1, ew + 2, eh + 2), MakeAlphaColor(220, c.Color),
                                    MakeAlphaColor(220, c.ColorTo), LinearGradientModeVertical);
        g.FillEllipse(body, ex, ey, ew, eh);
    }
    FillHighlight(g, ex + ew / 8, ey + eh / 3, ew - 2 * ew / 8, eh - eh / 3, 120);
    FillHighlight(g, ex + ew / 4, ey, ew - 2 * ew / 4, eh / 5, 50);
    float sx = ex + 2, sy = ey + 2, sw = ew - 4, sh = eh - 4;
    if (sw > 0 && sh > 0) {
        TGPGraphicsPath shine;
        shine.AddArc(sx, sy, sw, sh, 140, 200);
        TGPPointF curve[3] = {MakePoint(sx + sw, sy + 4 + eh / 3), MakePoint(sx + sw / 2, sy + 4 + eh / 4),
                              MakePoint(sx, sy + 4 + eh / 3)};
        shine.AddCurve(curve, 3);
        shine.CloseFigure();
        TGPSolidBrush white(MakeAlphaColor(70, clWhite));
        g.FillPath(white, shine);
    }
    if (c.InnerBorderColor != clNone && ew > 0 && eh > 0) {
        TGPPen pen(MakeAlphaColor(100, c.InnerBorderColor));
        g.DrawEllipse(pen, ex, ey, ew, eh);
    }
    g.SetSmoothingMode(old);
}

void DrawShapeButtonMenuGlyph(TGPGraphics& g, float x, float y, float w, float h, TColor color) {
    float x0 = x + (w - 28) / 2, y0 = y + 1 + (h - 12) / 2;
    TARGB c = ColorToARGB(color);
    TARGB shade = MakeAlphaColor(40, clBlack);
    TGPPen outline(shade);
    g.DrawRectangle(outline, x0, y0, 16, 12);
    TGPSolidBrush solid(c);
    g.FillRectangle(solid, x0 + 1, y0, 4, 11);
    FillVertical(g, MakeRect(x0 + 2, y0 + 2, 2, 9), MakeAlphaColor(50, clGray), MakeAlphaColor(0, clWhite));
    TGPSolidBrush bar200(MakeAlphaColor(200, color));
    g.FillRectangle(bar200, x0 + 5, y0, 1, 11);
    g.FillRectangle(solid, x0 + 6, y0, 2, 11);
    g.FillRectangle(solid, x0 + 14, y0, 2, 11);
    g.FillRectangle(solid, x0 + 6, y0 + 1, 8, 2);
    g.FillRectangle(solid, x0 + 6, y0 + 4, 8, 1);
    g.FillRectangle(solid, x0 + 6, y0 + 6, 8, 1);
    g.FillRectangle(solid, x0 + 6, y0 + 8, 8, 1);
    g.FillRectangle(solid, x0 + 6, y0 + 10, 8, 2);
    TGPPointF filled[3] = {MakePoint(x0 + 20, y0 + 5), MakePoint(x0 + 27, y0 + 5), MakePoint(x0 + 23.5f, y0 + 9)};
    g.FillPolygon(solid, filled, 3);
    TGPGraphicsPath triangle;
    TGPPointF edge[3] = {MakePoint(x0 + 19, y0 + 4), MakePoint(x0 + 28, y0 + 4), MakePoint(x0 + 23.5f, y0 + 10)};
    triangle.AddPolygon(edge, 3);
    g.DrawPath(outline, triangle);
}

}  // namespace orv
