// Painting of the fill descriptor and the status badge. Every GDI+ brush, pen, path and
// region lives for one call; the surface is the caller's.
#include <algorithm>
#include <cmath>
#include <optional>

#include "paint/GDIPFill.h"
#include "paint/OrvColors.h"

namespace orv {

namespace {

// Restores the surface's smoothing mode when the scope ends.
class TSmoothingScope {
public:
    TSmoothingScope(TGPGraphics& g, TSmoothingMode mode) : FGraphics(g), FSaved(g.GetSmoothingMode()) {
        FGraphics.SetSmoothingMode(mode);
    }
    ~TSmoothingScope() { FGraphics.SetSmoothingMode(FSaved); }
    TSmoothingScope(const TSmoothingScope&) = delete;
    TSmoothingScope& operator=(const TSmoothingScope&) = delete;

private:
    TGPGraphics& FGraphics;
    TSmoothingMode FSaved;
};

// A path-gradient brush on path with one surround colour.
void SetPathGradient(TGPPathGradientBrush& brush, const TGPPointF& centre, ARGB centreColor, ARGB surroundColor) {
    brush.SetCenterPoint(centre);
    brush.SetCenterColor(centreColor);
    int count = 1;
    brush.SetSurroundColors(&surroundColor, count);
}

TFillRoundingType UpperRounding(TFillRoundingType type) {
    switch (type) {
        case rtTop:
        case rtBoth:
            return rtTop;
        case rtNone:
        case rtBottom:
            return rtNone;
        default:
            return type;
    }
}

TFillRoundingType MirrorRounding(TFillRoundingType type) {
    switch (type) {
        case rtBottom:
        case rtBoth:
            return rtBottom;
        case rtNone:
        case rtTop:
            return rtNone;
        default:
            return type;
    }
}

TLinearGradientMode LinearMode(TOrvGradientType type) {
    switch (type) {
        case gtHorizontal:
            return LinearGradientModeHorizontal;
        case gtForwardDiagonal:
            return LinearGradientModeForwardDiagonal;
        case gtBackwardDiagonal:
            return LinearGradientModeBackwardDiagonal;
        default:
            return LinearGradientModeVertical;
    }
}

// A glow band: two corner triangles and the rectangle between them, as one path so the
// band is one fill (each fill is a costly call, and the shared edges get no seam).
TGPGraphicsPath BandPath(const TGPPointF (&left)[3], const TGPPointF (&right)[3], const TGPRectF& middle) {
    TGPGraphicsPath path(FillModeWinding);
    path.AddPolygon(left, 3);
    path.AddPolygon(right, 3);
    if (middle.Width > 0 && middle.Height > 0) path.AddRectangle(middle);
    return path;
}

uint8_t Effective(uint8_t argument, uint8_t property) {
    return argument == 255 ? property : argument;
}

}  // namespace

// --- shapes -------------------------------------------------------------------------------

TGPGraphicsPath RoundedRectPath(const TGPRectF& r, float radius, TFillRoundingType type) {
    TGPGraphicsPath path(FillModeAlternate);
    const float x = r.X, y = r.Y, right = r.X + r.Width, bottom = r.Y + r.Height;
    // A radius of 0 (or less) would make empty arcs, which add nothing: the plain
    // rectangle has the same points.
    if (radius <= 0) type = rtNone;
    const float rr = radius, d = 2 * radius;
    auto topLeft = [&] { path.AddArc(x, y, d, d, 180, 90); };
    auto topRight = [&] { path.AddArc(right - d, y, d, d, 270, 90); };
    auto bottomRight = [&] { path.AddArc(right - d, bottom - d, d, d, 0, 90); };
    auto bottomLeft = [&] { path.AddArc(x, bottom - d, d, d, 90, 90); };
    switch (type) {
        case rtNone:
            path.AddLine(x, y, right, y);
            path.AddLine(right, y, right, bottom);
            path.AddLine(right, bottom, x, bottom);
            path.AddLine(x, bottom, x, y);
            break;
        case rtTop:
            topLeft();
            path.AddLine(x + rr, y, right - rr, y);
            topRight();
            path.AddLine(right, y + rr, right, bottom);
            path.AddLine(right, bottom, x, bottom);
            path.AddLine(x, bottom, x, y + rr);
            break;
        case rtBottom:
            path.AddLine(x, y, right, y);
            path.AddLine(right, y, right, bottom - rr);
            bottomRight();
            path.AddLine(right - rr, bottom, x + rr, bottom);
            bottomLeft();
            path.AddLine(x, bottom - rr, x, y);
            break;
        case rtBoth:
            topLeft();
            path.AddLine(x + rr, y, right - rr, y);
            topRight();
            path.AddLine(right, y + rr, right, bottom - rr);
            bottomRight();
            path.AddLine(right - rr, bottom, x + rr, bottom);
            bottomLeft();
            path.AddLine(x, bottom - rr, x, y + rr);
            break;
        case rtLeft:
            topLeft();
            path.AddLine(x + rr, y, right - rr, y);
            path.AddLine(right, y, right, bottom);
            path.AddLine(right - rr, bottom, x + rr, bottom);
            bottomLeft();
            path.AddLine(x, bottom - rr, x, y + rr);
            break;
        case rtRight:
            path.AddLine(x, y, right - rr, y);
            topRight();
            path.AddLine(right, y + rr, right, bottom - rr);
            bottomRight();
            path.AddLine(right - rr, bottom, x, bottom);
            path.AddLine(x, bottom - rr, x, y + rr);
            break;
    }
    path.CloseFigure();
    return path;
}

bool PlaceFillPicture(const TRect& frame, int width, int height, TFillPicturePosition position, TPoint custom,
                      TRect& placed) {
    // Centring offsets truncate toward zero, also when the picture is larger than the frame.
    const int centreX = frame.Left + (frame.Right - frame.Left - width) / 2;
    const int centreY = frame.Top + (frame.Bottom - frame.Top - height) / 2;
    int px = frame.Left, py = frame.Top;
    switch (position) {
        case ppTopLeft:
            break;
        case ppTopCenter:
            px = centreX;
            break;
        case ppTopRight:
            px = frame.Right - width;
            break;
        case ppBottomLeft:
            py = frame.Bottom - height;
            break;
        case ppBottomCenter:
            px = centreX;
            py = frame.Bottom - height;
            break;
        case ppBottomRight:
            px = frame.Right - width;
            py = frame.Bottom - height;
            break;
        case ppCenterLeft:
            py = centreY;
            break;
        case ppCenterCenter:
            px = centreX;
            py = centreY;
            break;
        case ppCenterRight:
            px = frame.Right - width;
            py = centreY;
            break;
        case ppStretched:
            placed = frame;
            return true;
        case ppCustom:
            px = custom.X;
            py = custom.Y;
            break;
        case ppTiled:
        default:
            return false;
    }
    placed = TRect{px, py, px + width, py + height};
    return true;
}

// --- the fill -------------------------------------------------------------------------------

struct TGDIPFill::TPartColors {
    TColor First;
    TColor Second;
    TOrvGradientType Kind;
    THatchStyle Hatch;
};

TGDIPFill::TPartColors TGDIPFill::PartColors(bool mirror) const {
    TPartColors c{mirror ? FColorMirror : FColor, mirror ? FColorMirrorTo : FColorTo,
                  mirror ? FGradientMirrorType : FGradientType, mirror ? FHatchStyleMirror : FHatchStyle};
    if (c.First == clNone)
        c.Kind = gtNone;
    else if (c.Second == clNone)
        c.Kind = gtSolid;
    return c;
}

void TGDIPFill::PaintFillPart(TGPGraphics& g, const TGPRectF& part, bool mirror, bool twoParts, uint8_t a1,
                              uint8_t a2) {
    const TPartColors colors = PartColors(mirror);
    if (colors.Kind == gtNone || colors.Kind == gtRadial || colors.Kind == gtPath) return;
    if (colors.Kind == gtTexture && FBackGroundPicturePosition != ppTiled) return;

    TFillRoundingType type = FRoundingType;
    if (twoParts) type = mirror ? MirrorRounding(FRoundingType) : UpperRounding(FRoundingType);
    const bool rounded = FRounding != 0;
    TGPGraphicsPath path = RoundedRectPath(part, static_cast<float>(FRounding), rounded ? type : rtNone);
    std::optional<TSmoothingScope> smoothing;
    if (rounded) smoothing.emplace(g, SmoothingModeAntiAlias);

    const ARGB c1 = MakeAlphaColor(a1, colors.First);
    const ARGB c2 = MakeAlphaColor(a2, colors.Second);
    const TGPRectF box{part.X - 1, part.Y - 1, part.Width + 2, part.Height + 2};
    auto fill = [&](const TGPBrush& brush) {
        if (rounded)
            g.FillPath(brush, path);
        else
            g.FillRectangle(brush, part);
    };
    switch (colors.Kind) {
        case gtSolid:
            fill(TGPSolidBrush(c1));
            break;
        case gtVertical:
        case gtHorizontal:
        case gtForwardDiagonal:
        case gtBackwardDiagonal: {
            TGPLinearGradientBrush brush(box, c1, c2, LinearMode(colors.Kind));
            brush.SetGammaCorrection(true);
            fill(brush);
            // The mirror part overlaps the upper one; its first row is the seam.
            if (mirror) g.FillRectangle(TGPSolidBrush(c1), part.X, part.Y, part.Width, 1);
            break;
        }
        case gtAngle: {
            TGPLinearGradientBrush brush(box, c1, c2, static_cast<float>(FAngle), true);
            brush.SetGammaCorrection(true);
            fill(brush);
            break;
        }
        case gtHatch:
            fill(TGPHatchBrush(colors.Hatch, c1, c2));
            break;
        case gtTexture:
            if (rounded)
                FBackGroundPicture.FillPath(g, path);
            else
                FBackGroundPicture.FillRect(g, part);
            break;
        default:
            break;
    }
}

void TGDIPFill::PaintRadialPart(TGPGraphics& g, const TGPRectF& part, TColor first, TColor second,
                                TFillRoundingType type, bool upper, uint8_t a1, uint8_t a2) {
    if (second == clNone) second = first;
    const ARGB firstColor = MakeAlphaColor(a1, first);
    const ARGB secondColor = MakeAlphaColor(a2, second);
    TGPGraphicsPath outline = RoundedRectPath(part, static_cast<float>(FRounding), type);
    g.FillPath(TGPSolidBrush(upper ? firstColor : secondColor), outline);
    TGPClipScope clip(g, outline);

    const float x = part.X, y = part.Y, w = part.Width, h = part.Height;
    TGPGraphicsPath ellipse;
    if (upper)
        ellipse.AddEllipse(x, y - h / 2, w, h + h / 2);
    else
        ellipse.AddEllipse(x, y, w, h + h / 2);
    TGPPathGradientBrush brush(ellipse);
    if (upper)
        SetPathGradient(brush, {x + w / 2, y}, secondColor, firstColor);
    else
        SetPathGradient(brush, {x + w / 2, y + h}, firstColor, secondColor);
    g.FillRectangle(brush, part);
}

void TGDIPFill::DrawPictureIn(TGPGraphics& g, TOrvGDIPPicture& picture, const TRect& frame,
                              TFillPicturePosition position, TPoint custom, bool customSize) {
    if (picture.Empty()) return;
    int width = customSize ? FPictureWidth : picture.Width();
    int height = customSize ? FPictureHeight : picture.Height();
    TRect placed;
    if (!PlaceFillPicture(frame, width, height, position, custom, placed)) return;
    picture.GDIPDraw(g, placed);
}

TGPRectF TGDIPFill::Fill(TGPGraphics* graphics, const TGPRectF& r, uint8_t borderOpacity, uint8_t opacity,
                         uint8_t opacityTo, uint8_t opacityMirror, uint8_t opacityMirrorTo) {
    const bool hasShadow = FShadowOffset > 0 && FShadowColor != clNone;
    const bool lineCase = r.Height == 1 || r.Width == 1;
    TGPRectF body = r;
    if (hasShadow && !lineCase) {
        body.Width -= static_cast<float>(FShadowOffset);
        body.Height -= static_cast<float>(FShadowOffset);
    }
    if (!graphics) return body;
    TGPGraphics& g = *graphics;

    const uint8_t borderAlpha = Effective(borderOpacity, FBorderOpacity);
    const uint8_t alpha = Effective(opacity, FOpacity);
    const uint8_t alphaTo = Effective(opacityTo, FOpacityTo);
    const uint8_t alphaMirror = Effective(opacityMirror, FOpacityMirror);
    const uint8_t alphaMirrorTo = Effective(opacityMirrorTo, FOpacityMirrorTo);
    const bool hasBorder = FBorderWidth > 0 && FBorderColor != clNone;
    const float rounding = static_cast<float>(FRounding);

    if (lineCase) {
        if (hasBorder)
            g.DrawLine(TGPPen(MakeAlphaColor(borderAlpha, FBorderColor), static_cast<float>(FBorderWidth)), r.X, r.Y,
                       r.X + r.Width, r.Y + r.Height);
    } else {
        if (hasShadow) {
            TGPGraphicsPath path = RoundedRectPath(r, rounding, FRoundingType);
            TGPPathGradientBrush brush(path);
            brush.SetWrapMode(WrapModeClamp);
            const ARGB shade = MakeAlphaColor(180, FShadowColor);
            const ARGB colors[] = {0x00000000, shade, shade};
            const float positions[] = {0.0f, 0.1f, 1.0f};
            // The same ramp as centre and surround colours, for platforms that ignore the
            // preset blend of a path gradient (their default would be opaque white).
            int count = 1;
            const ARGB clear = colors[0];
            brush.SetCenterColor(shade);
            brush.SetSurroundColors(&clear, count);
            brush.SetInterpolationColors(colors, positions, 3);
            g.FillPath(brush, path);
        }

        const bool onePart = FGradientType == gtHatch || FGradientType == gtTexture || FColorMirror == clNone;
        if (onePart) {
            if (FGradientType == gtRadial) {
                if (FColor != clNone) PaintRadialPart(g, body, FColor, FColorTo, FRoundingType, true, alpha, alphaTo);
            } else {
                PaintFillPart(g, body, false, false, alpha, alphaTo);
            }
        } else {
            const float half = body.Height / 2;
            const TGPRectF upper{body.X, body.Y, body.Width, body.Height - half + 1};
            const TGPRectF lower{body.X, body.Y + half - 1, body.Width, body.Height - half + 1};
            if (FGradientType == gtRadial) {
                if (FColor != clNone) PaintRadialPart(g, upper, FColor, FColorTo, rtTop, true, alpha, alphaTo);
            } else {
                PaintFillPart(g, upper, false, true, alpha, alphaTo);
            }
            if (FGradientMirrorType == gtRadial) {
                if (FColorMirror != clNone)
                    PaintRadialPart(g, lower, FColorMirror, FColorMirrorTo, rtBottom, false, alphaMirror,
                                    alphaMirrorTo);
            } else {
                PaintFillPart(g, lower, true, true, alphaMirror, alphaMirrorTo);
            }
        }
    }

    const int frameLeft = static_cast<int>(std::lround(body.X));
    const int frameTop = static_cast<int>(std::lround(body.Y));
    const TRect frame{frameLeft, frameTop, frameLeft + static_cast<int>(std::lround(body.Width)),
                      frameTop + static_cast<int>(std::lround(body.Height))};
    const bool texture = FGradientType == gtTexture;
    const TPoint backCustom{FBackGroundPictureLeft, FBackGroundPictureTop};

    if (!lineCase) {
        if (texture && FBackGroundPictureMode == pmInsideFill && !FBackGroundPicture.Empty()) {
            TGPClipScope clip(g, RoundedRectPath(body, rounding, FRoundingType));
            DrawPictureIn(g, FBackGroundPicture, frame, FBackGroundPicturePosition, backCustom, false);
        }
        if (hasBorder) {
            TGPPen pen(MakeAlphaColor(borderAlpha, FBorderColor), static_cast<float>(FBorderWidth));
            pen.SetDashStyle(DashStyleSolid);
            g.DrawPath(pen, RoundedRectPath(body, rounding, FRoundingType));
        }
    }

    DrawGlow(graphics, body);

    const float b = static_cast<float>(FBorderWidth);
    FFocusRect = TGPRectF{body.X + b, body.Y + b, body.Width - 2 * b, body.Height - 2 * b};
    if (FFocus) {
        TSmoothingScope smoothing(g, SmoothingModeDefault);
        TGPPen pen(MakeAlphaColor(alpha, FFocusColor), 1);
        pen.SetDashStyle(DashStyleDot);
        g.DrawPath(pen, RoundedRectPath(FFocusRect, std::max(0.0f, rounding - b), FRoundingType));
    }

    if (texture && FBackGroundPictureMode == pmOutsideFill)
        DrawPictureIn(g, FBackGroundPicture, frame, FBackGroundPicturePosition, backCustom, false);
    DrawPictureIn(g, FPicture, frame, FPicturePosition, TPoint{FPictureLeft, FPictureTop}, FPictureSize == psCustom);
    return body;
}

void TGDIPFill::DrawGlow(TGPGraphics* graphics, const TGPRectF& r) {
    if (!graphics || FGlow == gmNone) return;
    TGPGraphics& g = *graphics;
    TGPClipScope clip(g, r);
    const float gx = r.X + 1, gy = r.Y + 1, gw = r.Width - 2, gh = r.Height - 2;

    if (FGlow == gmGradient || FGlow == gmRadialGradient) {
        const TColor k = FGlowGradientColor;
        g.DrawPath(TGPPen(MakeAlphaColor(200, k), 1),
                   RoundedRectPath({gx, gy, gw, gh}, static_cast<float>(FRounding), FRoundingType));

        TGPLinearGradientBrush top({gx + 4, gy - 1, gw - 8, 6}, MakeAlphaColor(175, k), MakeAlphaColor(0, k),
                                   LinearGradientModeVertical);
        const TGPPointF topLeft[] = {{gx, gy}, {gx + 5, gy}, {gx + 5, gy + 4}};
        const TGPPointF topRight[] = {{gx + gw, gy}, {gx + gw - 5, gy}, {gx + gw - 5, gy + 4}};
        g.FillPath(top, BandPath(topLeft, topRight, {gx + 5, gy, gw - 10, 4}));

        const float b = gy + gh;
        TGPLinearGradientBrush bottom({gx + 4, b - 8, gw - 8, 9}, MakeAlphaColor(0, k), MakeAlphaColor(220, k),
                                      LinearGradientModeVertical);
        const TGPPointF bottomLeft[] = {{gx, b}, {gx + 5, b}, {gx + 5, b - 7}};
        const TGPPointF bottomRight[] = {{gx + gw, b}, {gx + gw - 5, b}, {gx + gw - 5, b - 7}};
        g.FillPath(bottom, BandPath(bottomLeft, bottomRight, {gx + 5, b - 7, gw - 10, 7}));
    }

    if (FGlow == gmRadial || FGlow == gmRadialGradient) {
        TGPGraphicsPath ellipse;
        ellipse.AddEllipse(gx + 10, gy - gh / 2, gw - 20, 3 * gh);
        TGPPathGradientBrush brush(ellipse);
        SetPathGradient(brush, {gx + gw / 2, gy + gh}, MakeAlphaColor(150, FGlowRadialColor),
                        MakeAlphaColor(0, FColor));
        g.FillPath(brush, ellipse);
    }
}

// --- the status badge -------------------------------------------------------------------------

namespace {
// The caption's size in the badge's font and string format (flags 0).
bool MeasureCaption(TGPGraphics& g, const TFont& font, const std::wstring& caption, TGPRectF& size) {
    TGPFont gpFont = MakeGPFont(font);
    TGPStringFormat format(0);
    size = {};
    return g.MeasureString(caption, gpFont, {0, 0, 10000, 10000}, &format, size) == TStatus::Ok;
}
}  // namespace

void TGDIPStatus::CalculateSize(TGPGraphics* graphics, const std::wstring& caption) {
    if (graphics && !caption.empty()) {
        TGPRectF text;
        MeasureCaption(*graphics, FFont, caption, text);
        FHeight = static_cast<int>(std::lround(text.Height + 4));
        FWidth = std::max(static_cast<int>(std::lround(text.Width + 4)), FHeight) + 2 * FSpacing;
    }
    TOrvGDIPPicture* picture = FFill.GetPicture();
    if (!picture->Empty()) {
        const bool original = FFill.GetPictureSize() == psOriginal;
        FWidth = std::max(FWidth, original ? picture->Width() : FFill.GetPictureWidth());
        FHeight = std::max(FHeight, original ? picture->Height() : FFill.GetPictureHeight());
    }
}

void TGDIPStatus::Draw(TGPGraphics* graphics, int x, int y, int width, int height, bool autoSize,
                       const std::wstring& caption) {
    if (!graphics) return;
    TGPGraphics& g = *graphics;
    if (autoSize) {
        width = FWidth;
        height = FHeight;
    }
    TGPRectF text;
    if (!caption.empty()) MeasureCaption(g, FFont, caption, text);

    const float inset = FFill.GetBorderColor() != clNone ? FFill.GetBorderWidth() / 2.0f : 0.0f;
    const TGPRectF box{static_cast<float>(x), static_cast<float>(y), width - 2 * inset, height - 2 * inset};
    FFill.BeginUpdate();
    FFill.SetRounding(static_cast<int32_t>(std::lround(box.Height / 2)));
    FFill.Fill(graphics, box);
    FFill.EndUpdate();

    if (!caption.empty()) {
        TGPFont gpFont = MakeGPFont(FFont);
        TGPStringFormat format(0);
        const TGPPointF origin{x + FSpacing + (width - 2 * FSpacing - text.Width) / 2, y + (height - text.Height) / 2};
        g.DrawString(caption, gpFont, origin, &format, TGPSolidBrush(MakeAlphaColor(255, FFont.GetColor())));
    }

    if (FGlow) {
        TGDIPFill shine;
        shine.SetColor(clWhite);
        shine.SetColorTo(clWhite);
        shine.SetGradientType(gtVertical);
        shine.SetOpacity(170);
        shine.SetOpacityTo(30);
        shine.SetRoundingType(rtTop);
        shine.SetRounding(FFill.GetRounding());
        shine.Fill(graphics, {box.X, box.Y, box.Width, box.Height / 2});
    }
}

}  // namespace orv
