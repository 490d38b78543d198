#include "buttons/ShapeButtonPaint.h"

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
