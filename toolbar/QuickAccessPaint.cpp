#include "toolbar/QuickAccessPaint.h"

#include "framework/Canvas.h"
#include "framework/GdiHandles.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvGradients.h"
#include "toolbar/OrvToolBarAppearance.h"

namespace orv {

namespace {

float F(int v) {
    return static_cast<float>(v);
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

}  // namespace

TRect QuickAccessFrameRect(const TQuickAccessGeometry& g) {
    TRect r = g.Client;
    if (g.FullSize) return r;
    if (g.Scenic) {
        r.Top += 1;
        r.Right += 1;
        r.Left -= 1;
    } else {
        r.Right -= g.ButtonWidth + g.ButtonGap;
        r.Top += 3;
    }
    return r;
}

TRect QuickAccessContentRect(const TQuickAccessGeometry& g) {
    TRect r = QuickAccessFrameRect(g);
    const int height = g.Client.Height();
    r.Left = g.FullSize ? 4 : height / 2 + 2;
    r.Right -= g.FullSize ? 4 : 12;
    r.Bottom -= 1;
    return r;
}

TRect QuickAccessOverflowButtonRect(const TQuickAccessGeometry& g) {
    const int width = g.Client.Width(), height = g.Client.Height();
    return {width - g.ButtonWidth - (g.Scenic ? 10 : 0), 1, width, height};
}

void DrawQuickAccessFullSize(TCanvas& canvas, const TRect& f, const TQATAppearance& q, bool scenic) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(q.GetFullSizeColor());
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(q.GetBorderColor());
    if (q.GetFullSizeColorTo() == clNone) {
        canvas.Rectangle(f);
        return;
    }
    DrawGradient(canvas, q.GetFullSizeColor(), q.GetFullSizeColorTo(), 80, f, false, gvInsetFarEdge);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const int l = f.Left, t = f.Top, r = f.Right, b = f.Bottom;
    canvas.Pen().SetColor(q.GetFullSizeBorderColor());
    if (scenic) {
        Line(canvas, l, t, r, t);
        Line(canvas, r, t + 1, r, b - 2);
        Line(canvas, l, b - 2, r, b - 2);
        Line(canvas, l, t + 1, l, b - 2);
    } else {
        Line(canvas, l + 1, t, r - 1, t);
        Line(canvas, r - 1, t + 1, r - 1, b - 2);
        Line(canvas, l + 1, b - 2, r - 1, b - 2);
        Line(canvas, l, t + 1, l, b - 2);
    }
    canvas.Pen().SetColor(BlendColor(clWhite, q.GetFullSizeColor(), 50));
    if (scenic) {
        Line(canvas, l, t + 1, r, t + 1);
        Line(canvas, r, t, r, b - 1);
        Line(canvas, l, b - 1, r, b - 1);
        Line(canvas, l, t + 1, l, b - 2);
    } else {
        Line(canvas, l + 1, t + 1, r - 1, t + 1);
        Line(canvas, r, t, r, b - 1);
        Line(canvas, l + 1, b - 1, r, b - 1);
        Line(canvas, l + 1, t + 1, l + 1, b - 2);
    }
}

void DrawQuickAccessCapsule(HDC dc, int width, int height, const TRect& f, const TQuickAccessCapsuleColors& c) {
    const int h = height, t3 = height / 3;
    // A copy of the image before the outline, to take the outline out of the middle.
    TGdiMemoryDC copyDC(CreateCompatibleDC(dc));
    TGdiBitmap copy(CreateCompatibleBitmap(dc, width, height));
    TSelectGuard selCopy(copyDC.Get(), copy.Get());
    {
        TGPGraphics g(dc);
        g.SetSmoothingMode(SmoothingModeAntiAlias);

        TGPRegion clip(MakeRect(F(f.Left), F(f.Top - 1), F(f.Right - h / 2), F(f.Bottom + 1)));
        TGPGraphicsPath rightEnd;
        rightEnd.AddEllipse(F(f.Right - h - 6), F(f.Top - 2), F(h + 4), F(h - 1));
        clip.Union(TGPRegion(rightEnd));
        TGPGraphicsPath leftEnd;
        leftEnd.AddEllipse(F(f.Left + t3 - h + 2), F(f.Top), F(h + (c.SharpCurve ? 2 : 1)), F(h + t3 + 3));
        clip.Exclude(leftEnd);
        g.SetClip(clip);

        TGPLinearGradientBrush fill(MakeRect(F(f.Left), F(f.Top - 1), F(f.Right - f.Left), F(f.Bottom - f.Top)),
                                    ColorToARGB(c.Color), ColorToARGB(c.ColorTo), LinearGradientModeVertical);
        g.FillRectangle(fill, F(f.Left + 1), F(f.Top), F(f.Right - f.Left - 1), F(f.Bottom - f.Top - 1));
        HDC surfaceDC = g.GetHDC();
        BitBlt(copyDC.Get(), 0, 0, width, height, surfaceDC, 0, 0, SRCCOPY);
        g.ReleaseHDC(surfaceDC);

        TGPPen border(ColorToARGB(c.BorderColor), 1.0f);
        g.DrawArc(border, F(f.Right - h - 6), F(f.Top - 2), F(h + 3), F(h - 1), 30.0f, 360.0f);
        g.DrawArc(border, F(f.Left + t3 - h + 2), F(f.Top), F(h + 2), F(h + t3 + 4), 20.0f, 360.0f);
    }
    // The straight middle shows no outline.
    const int middleLeft = h / 2 + 1, middleRight = f.Right - h / 2;
    BitBlt(dc, middleLeft, f.Top, middleRight - middleLeft, f.Bottom - f.Top, copyDC.Get(), middleLeft, f.Top, SRCCOPY);
    TGPGraphics g(dc);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    TGPPen top(ColorToARGB(BlendColor(c.CaptionColor, c.BorderColor, 60)), 1.0f);
    g.DrawLine(top, F(f.Left), F(f.Top - 1), F(f.Left + (f.Right - f.Left) - 10), F(f.Top - 1));
    TGPPen bottom(ColorToARGB(BlendColor(c.CaptionColorMirror, c.BorderColor, 40)), 1.0f);
    g.DrawLine(bottom, F(f.Left + t3 + 4), F(f.Bottom), F(f.Left + t3 + 4 + (f.Right - f.Left) - 20), F(f.Bottom));
}

void DrawQuickAccessGlassFrame(TGPGraphics& g, const TRect& f, bool scenic) {
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const int l = f.Left, t = f.Top, r = f.Right, b = f.Bottom;
    if (scenic) {
        TGPPen light(MakeAlphaColor(100, clWhite), 3.0f);
        TGPPen dark(MakeAlphaColor(150, RGBColor(0x70, 0x6A, 0x63)), 1.0f);
        for (int x : {l + 22, r - 3}) {
            g.DrawLine(light, F(x), F(t + 7), F(x), F(t + 20));
            g.DrawLine(dark, F(x), F(t + 7), F(x), F(t + 18));
        }
        return;
    }
    TGPGraphicsPath path;
    path.AddLine(F(l), F(t), F(r - 10), F(t));
    const TGPPoint right[3] = {{r - 15, t - 4}, {r, t + (b - t) / 2}, {r - 15, b + 4}};
    path.AddCurve(right, 3, 1.0f);
    path.AddLine(F(r - 10), F(b), F(l + 12), F(b));
    const TGPPoint left[3] = {{l + 12, b}, {l + 10, t + (b - t) / 2 - 2}, {l + 2, t}};
    path.AddCurve(left, 3, 1.0f);
    path.CloseFigure();
    TGPPen outline(MakeAlphaColor(200, RGBColor(128, 128, 128)), 1.5f);
    g.DrawPath(outline, path);
}

}  // namespace orv
