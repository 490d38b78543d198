#include "paint/OrvGradients.h"

#include <algorithm>

#include "paint/OrvColors.h"
#include "paint/OrvFrames.h"
#include "paint/OrvGDIP.h"

namespace orv {

namespace {

int RoundInt(long double value) {
    return static_cast<int>(RoundHalfEven(value));
}

}  // namespace

void DrawGradient(TCanvas& canvas, TColor fromColor, TColor toColor, int steps, const TRect& rect, bool horizontal,
                  TGradientVariant variant) {
    HDC dc = canvas.Handle();
    // Zero-size rectangles are drawn (the thin variant paints a zero-width column);
    // inverted ones are not.
    if (!dc || rect.Right < rect.Left || rect.Bottom < rect.Top) return;
    if (steps < 1) steps = 1;
    TColor from = ColorToRGB(fromColor);
    TColor to = ColorToRGB(toColor);
    long double dR = (static_cast<int>(RedOf(to)) - RedOf(from)) / static_cast<long double>(steps);
    long double dG = (static_cast<int>(GreenOf(to)) - GreenOf(from)) / static_cast<long double>(steps);
    long double dB = (static_cast<int>(BlueOf(to)) - BlueOf(from)) / static_cast<long double>(steps);

    TRect r = rect;
    if (variant == gvInsetFarEdge) (horizontal ? r.Right : r.Bottom) -= 1;
    int extent = horizontal ? r.Right - r.Left : r.Bottom - r.Top;
    long double s = extent / static_cast<long double>(steps);
    int bandSize = RoundInt(s) + 1;
    bool lines = variant == gvThinVertical && !horizontal && r.Left + 1 >= r.Right;

    // The DC pen and brush take a new colour without a new GDI object per band.
    TSelectGuard pen(dc, GetStockObject(DC_PEN));
    TSelectGuard brush(dc, GetStockObject(DC_BRUSH));
    TColor band = from;
    for (int i = 0; i < steps; ++i) {
        band =
            RGBColor(RedOf(from) + RoundInt(i * dR), GreenOf(from) + RoundInt(i * dG), BlueOf(from) + RoundInt(i * dB));
        COLORREF ref = static_cast<COLORREF>(band);
        SetDCPenColor(dc, ref);
        SetDCBrushColor(dc, ref);
        int o = RoundInt(i * s);
        if (horizontal) {
            ::Rectangle(dc, r.Left + o, r.Top, r.Left + o + bandSize, r.Bottom);
        } else if (lines) {
            MoveToEx(dc, r.Left, r.Top + o, nullptr);
            ::LineTo(dc, r.Right, r.Top + o + bandSize);
        } else {
            ::Rectangle(dc, r.Left, r.Top + o, r.Right, r.Top + o + bandSize);
        }
    }
    canvas.Pen().SetColor(band);
    canvas.Brush().SetColor(band);
}

void DrawVistaGradient(TCanvas& canvas, const TRect& rect, int splitOffset, TColor topFromColor, TColor topToColor,
                       TColor bottomFromColor, TColor bottomToColor, TColor borderColor, int cornerRadius) {
    DrawGradient(canvas, topFromColor, topToColor, 40, {rect.Left, rect.Top, rect.Right, rect.Top + splitOffset + 1},
                 false, gvInsetFarEdge);
    DrawGradient(canvas, bottomFromColor, bottomToColor, 40,
                 {rect.Left, rect.Top + splitOffset, rect.Right, rect.Bottom}, false, gvInsetFarEdge);
    if (borderColor == clNone) return;
    HDC dc = canvas.Handle();
    if (!dc) return;
    TGPGraphics graphics(dc);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    TGPPen pen(ColorToARGB(borderColor));
    int w = rect.Right - rect.Left - 1, h = rect.Bottom - rect.Top - 1;
    if (cornerRadius > 0)
        AddRoundRectOutline(graphics, pen, rect.Left, rect.Top, w, h, cornerRadius);
    else
        AddRectOutline(graphics, pen, rect.Left, rect.Top, w, h);
}

namespace {

TLinearGradientMode LinearModeOf(TGDIPGradient gradient) {
    switch (gradient) {
        case ggDiagonalForward:
            return LinearGradientModeForwardDiagonal;
        case ggDiagonalBackward:
            return LinearGradientModeBackwardDiagonal;
        default:
            return LinearGradientModeVertical;
    }
}

// A path-gradient brush glowing from centre into the ellipse's rim.
TGPPathGradientBrush GlowBrush(const TGPRectF& ellipse, TGPPointF centre, TARGB centreColor, TARGB surroundColor) {
    TGPGraphicsPath path;
    path.AddEllipse(ellipse);
    TGPPathGradientBrush brush(path);
    brush.SetCenterPoint(centre);
    brush.SetCenterColor(centreColor);
    int count = 1;
    brush.SetSurroundColors(&surroundColor, count);
    return brush;
}

float F(int value) {
    return static_cast<float>(value);
}

}  // namespace

void DrawGDIPGradient(TGPGraphics& graphics, const TRect& rect, TColor colorA, TColor colorB, TGDIPGradient gradient,
                      bool upperPart) {
    int w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
    TARGB a = ColorToARGB(colorA), b = ColorToARGB(colorB);
    TGPRectF fillBox = MakeRect(F(rect.Left), F(rect.Top), F(rect.Right), F(rect.Bottom));
    if (gradient == ggRadial) {
        // The glow covers only its ellipse; the solid colour is what shows around it. (A
        // linear brush repeats beyond its box and covers everything itself.)
        {
            TGPSolidBrush solid(upperPart ? a : b);
            graphics.FillRectangle(solid, fillBox);
        }
        TGPRectF ellipse =
            upperPart ? MakeRect(F(rect.Left), F(rect.Top - h / 2 + 2), F(rect.Right), F(rect.Bottom)) : fillBox;
        TGPPointF centre = MakePoint(F(rect.Left + w / 2), F(upperPart ? rect.Top : rect.Bottom));
        TGPPathGradientBrush glow = GlowBrush(ellipse, centre, upperPart ? b : a, upperPart ? a : b);
        graphics.FillRectangle(glow, fillBox);
        return;
    }
    TGPLinearGradientBrush linear(MakeRect(F(rect.Left), F(rect.Top), F(w), F(h)), a, b, LinearModeOf(gradient));
    graphics.FillRectangle(linear, fillBox);
}

void DrawMirroredGradient(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo, TColor colorMirror,
                          TColor colorMirrorTo, TColor borderColor, TGDIPGradient gradient,
                          TGDIPGradient gradientMirror, bool rounded) {
    HDC dc = canvas.Handle();
    if (!dc) return;
    int l = rect.Left, t = rect.Top;
    int w = rect.Right - rect.Left, h = rect.Bottom - rect.Top, q = h / 2;
    // The solid halves first (they do not overlap the gradient boxes of the other half),
    // then every GDI+ fill on the one surface.
    canvas.Brush().SetColor(colorMirror);
    canvas.FillRect({l, t + q, rect.Right, rect.Bottom});
    canvas.Brush().SetColor(color);
    canvas.FillRect({l, t, rect.Right, t + q});

    TGPGraphics graphics(dc);
    // The lower fill boxes are cut at the rectangle's bottom: as laid out they would run
    // one or two rows past it and paint over whatever lies below.
    if (gradientMirror == ggRadial) {
        TGPPathGradientBrush glow =
            GlowBrush(MakeRect(F(l), F(t + q), F(w), F(h)), MakePoint(F(l + w / 2), F(rect.Bottom)),
                      ColorToARGB(colorMirrorTo), ColorToARGB(colorMirror));
        graphics.FillRectangle(glow, F(l + 1), F(t + q), F(w - 1), F(std::min(q + 1, rect.Bottom - (t + q))));
    } else {
        TGPLinearGradientBrush linear(MakeRect(F(l), F(t + q), F(w), F(q)), ColorToARGB(colorMirror),
                                      ColorToARGB(colorMirrorTo), LinearModeOf(gradientMirror));
        graphics.FillRectangle(linear, F(l + 1), F(t + q + 1), F(w - 1), F(std::min(q + 1, rect.Bottom - (t + q + 1))));
    }
    if (gradient == ggRadial) {
        TGPPathGradientBrush glow = GlowBrush(MakeRect(F(l), F(t - q), F(w), F(h)), MakePoint(F(l + w / 2), F(t)),
                                              ColorToARGB(colorTo), ColorToARGB(color));
        graphics.FillRectangle(glow, F(l + 1), F(t + 1), F(w - 1), F(q - 1));
    } else {
        int boxHeight = gradient == ggVertical ? q : h;
        TGPLinearGradientBrush linear(MakeRect(F(l), F(t), F(w), F(boxHeight)), ColorToARGB(color),
                                      ColorToARGB(colorTo), LinearModeOf(gradient));
        graphics.FillRectangle(linear, F(l + 1), F(t + 1), F(w - 1), F(q - 1));
    }
    if (borderColor != clNone) {
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        TGPPen pen(ColorToARGB(borderColor));
        if (rounded)
            AddRoundRectOutline(graphics, pen, l, t, w - 1, h - 1, 3);
        else
            AddRectOutline(graphics, pen, l, t, w - 1, h - 1);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
}

void DrawAlphaGradient(HDC dc, const TRect& rect, TColor topColor, TColor bottomColor, uint8_t topAlpha,
                       uint8_t bottomAlpha) {
    if (!dc) return;
    TGPRectF box = MakeRect(F(rect.Left), F(rect.Top), F(rect.Right - rect.Left), F(rect.Bottom - rect.Top + 1));
    TGPGraphics graphics(dc);
    TGPLinearGradientBrush brush(box, MakeAlphaColor(topAlpha, topColor), MakeAlphaColor(bottomAlpha, bottomColor),
                                 LinearGradientModeVertical);
    graphics.FillRectangle(brush, box);
}

void DrawAlphaGradient(HDC dc, const TRect& rect, TColor color, uint8_t topAlpha, uint8_t bottomAlpha) {
    DrawAlphaGradient(dc, rect, color, color, topAlpha, bottomAlpha);
}

}  // namespace orv
