#include "buttons/GlowButtonPainter.h"

#include <algorithm>
#include <cmath>

#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvColors.h"
#include "paint/OrvPictureDraw.h"
#include "paint/OrvFrames.h"
#include "paint/OrvGlyphs.h"
#include "paint/OrvGradients.h"

namespace orv {

namespace {

int Rnd(float v) {
    return static_cast<int>(std::lround(v));
}

TGlowColorSet Darker(TGlowColorSet s) {
    s.Color = DarkerColor(s.Color, -10);
    s.ColorTo = DarkerColor(s.ColorTo, -10);
    s.ColorMirror = DarkerColor(s.ColorMirror, -10);
    s.ColorMirrorTo = DarkerColor(s.ColorMirrorTo, -10);
    return s;
}

void DrawBackground(TGPGraphics& g, const TGlowButtonPaint& p) {
    const TRect& r = p.Rect;
    const TGlowColorSet& c = p.Colors;
    int h = r.Height(), h2 = h / 2;
    bool split = p.DropDownButton && p.Highlighted && p.DropDownSplit;
    if (!split) {
        DrawGDIPGradient(g, {r.Left, r.Top + h2 - 1, r.Right, r.Bottom}, c.ColorMirrorTo, c.ColorMirror,
                         c.GradientMirror, false);
        DrawGDIPGradient(g, {r.Left, r.Top, r.Right, r.Bottom - h2}, c.Color, c.ColorTo, c.Gradient, true);
        return;
    }
    // The part under the pointer is a shade darker than the other.
    TGlowColorSet main = p.DropDownHover == 2 ? c : Darker(c);
    TGlowColorSet drop = p.DropDownHover == 2 ? Darker(c) : c;
    TGDIPGradient dropUpper = p.DropDownHover == 2 ? c.Gradient : ggRadial;
    int s = kDropDownHoverSize;
    if (p.DropDownPosition == dpRight) {
        DrawGDIPGradient(g, {r.Left, r.Top + h2 - 1, r.Right - s, r.Bottom}, main.ColorMirrorTo, main.ColorMirror,
                         c.GradientMirror, false);
        DrawGDIPGradient(g, {r.Left, r.Top, r.Right - s, r.Bottom - h2}, main.Color, main.ColorTo, c.Gradient, true);
        DrawGDIPGradient(g, {r.Right - s, r.Top, r.Right, r.Bottom - h2}, drop.Color, drop.ColorTo, dropUpper, true);
        DrawGDIPGradient(g, {r.Right - s, r.Top + h2 - 1, r.Right, r.Bottom}, drop.ColorMirrorTo, drop.ColorMirror,
                         c.GradientMirror, false);
    } else {
        int d = (h - s) / 2;
        DrawGDIPGradient(g, {r.Left, r.Top + d - 1, r.Right, r.Bottom - s}, main.ColorMirrorTo, main.ColorMirror,
                         c.GradientMirror, false);
        DrawGDIPGradient(g, {r.Left, r.Top, r.Right, r.Bottom - d - s}, main.Color, main.ColorTo, c.Gradient, true);
        DrawGDIPGradient(g, {r.Left, r.Bottom - s, r.Right, r.Bottom}, drop.Color, drop.ColorTo, dropUpper, true);
    }
}

void DrawFrame(TGPGraphics& g, const TGlowButtonPaint& p) {
    const TRect& r = p.Rect;
    int radius = p.Rounded ? 3 : 0;
    int w = r.Right - 1, h = r.Bottom - 1;
    TColor color = p.Colors.BorderColor;
    switch (p.Position) {
        case bpLeft:
            DrawGroupFrameLeft(g, color, r.Left, r.Top, w, h, radius);
            break;
        case bpMiddle:
            DrawGroupFrameMiddle(g, color, r.Left, r.Top, w, h, radius, p.Emphasized);
            break;
        case bpRight:
            DrawGroupFrameRight(g, color, r.Left, r.Top, w, h, radius, p.Emphasized);
            break;
        case bpStandalone:
        default:
            DrawRoundRectFrame(g, color, r.Left, r.Top, w, h, radius);
            break;
    }
}

// A GDI+ font for a framework font; a face GDI+ cannot find becomes Arial.
TGPFont MakeTextFont(const TFont& font) {
    TStatus status = TStatus::Ok;
    TGPFont made = MakeGPFont(font, &status);
    if (status == TStatus::Ok && made.Native()) return made;
    TFont arial;
    arial.Assign(&font);
    arial.SetName(L"Arial");
    return MakeGPFont(arial);
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

TGlowButtonPaintResult DrawGlowButton(TCanvas& canvas, const TGlowButtonPaint& p) {
    TGlowButtonPaintResult result;
    HDC dc = canvas.Handle();
    if (!dc) return result;
    const TRect& r = p.Rect;
    TRect content = r;
    TRect dd{};
    if (p.DropDownButton) {
        dd = DropDownPartRect(r, p.DropDownPosition);
        if (p.DropDownPosition == dpBottom)
            content.Bottom = dd.Top;
        else
            content.Right = dd.Left;
    }
    TButtonLayout layout = p.Notes.empty() ? p.Layout : blGlyphLeftAdjusted;

    // Glyph size, spacing included where it separates glyph and caption.
    int gw = 0, gh = 0;
    bool hasPicture = p.Picture && !p.Picture->Empty();
    bool hasImage = !hasPicture && p.Images && p.ImageIndex >= 0 && p.ImageIndex < p.Images->Count();
    if (hasPicture) {
        gw = p.Picture->Width();
        gh = p.Picture->Height();
    } else if (hasImage) {
        gw = p.Images->GetWidth();
        gh = p.Images->GetHeight();
    }
    if (p.ForcedGlyphSize.cx > 0 && (hasPicture || hasImage)) {
        gw = p.ForcedGlyphSize.cx;
        gh = p.ForcedGlyphSize.cy;
    }
    int glyphW = gw, glyphH = gh;
    std::wstring caption = PrepareGlowCaption(p.Caption, p.ForcedGlyphSize.cx > 0);
    bool hasCaption = !caption.empty() && p.DrawCaption;
    if (hasCaption && gw > 0) {
        if (layout == blGlyphLeft || layout == blGlyphRight || layout == blGlyphLeftAdjusted ||
            layout == blGlyphRightAdjusted)
            gw += p.Spacing;
        else if (layout == blGlyphTop || layout == blGlyphTopAdjusted)
            gh += p.Spacing;
    }

    TFont defaultFont;
    const TFont& font = p.Font ? *p.Font : defaultFont;
    const TFont& notesFont = p.NotesFont ? *p.NotesFont : defaultFont;
    canvas.Font().Assign(&font);
    bool gdipText = p.AntiAlias != aaNone && IsTrueTypeFont(&canvas);
    int m = content.Width(), n = content.Height();
    TGlowContentLayout placed;
    bool glyphByList = false;
    {
        // The one GDI+ surface of this paint.
        TGPGraphics g(dc);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        if (!p.Measure && p.DrawBackground) {
            DrawBackground(g, p);
            if (p.BorderStyle == bsSingle) DrawFrame(g, p);
        }
        if (!p.Measure && p.FocusBorder) {
            int radius = p.Rounded ? 3 : 0;
            DrawRoundRectFrame(g, 0xE4AD89, r.Left + 1, r.Top + 1, r.Right - 3, r.Bottom - 3, radius);
            DrawDottedRoundRectFrame(g, 0x808080, r.Left + 2, r.Top + 2, r.Right - 5, r.Bottom - 5, radius);
        }

        TGPRectF textBox{}, notesBox{};
        if (hasCaption && gdipText) {
            TGPFont gpFont = MakeTextFont(font);
            TGPStringFormat format(p.WordWrap ? 0 : StringFormatFlagsNoWrap);
            format.SetAlignment(layout == blGlyphLeftAdjusted    ? StringAlignmentNear
                                : layout == blGlyphRightAdjusted ? StringAlignmentFar
                                                                 : StringAlignmentCenter);
            format.SetLineAlignment(layout == blGlyphTopAdjusted      ? StringAlignmentNear
                                    : layout == blGlyphBottomAdjusted ? StringAlignmentFar
                                                                      : StringAlignmentCenter);
            format.SetHotkeyPrefix(HotkeyPrefixShow);
            format.SetTrimming(p.Trimming);
            g.SetTextRenderingHint(p.AntiAlias == aaClearType ? TextRenderingHintClearTypeGridFit
                                                              : TextRenderingHintAntiAlias);
            TGPRectF layoutRect =
                p.Measure ? MakeRect(static_cast<float>(content.Left), static_cast<float>(content.Top), 4096, 4096)
                          : MakeRect(static_cast<float>(content.Left), static_cast<float>(content.Top),
                                     static_cast<float>(m), static_cast<float>(n));
            g.MeasureString(caption, gpFont, layoutRect, &format, textBox);
            // Place the measured box by the alignment ourselves: not every GDI+ moves it.
            if (!p.Measure) {
                float freeW = static_cast<float>(m) - textBox.Width, freeH = static_cast<float>(n) - textBox.Height;
                textBox.X = static_cast<float>(content.Left) + (layout == blGlyphLeftAdjusted    ? 0
                                                                : layout == blGlyphRightAdjusted ? freeW
                                                                                                 : freeW / 2);
                textBox.Y = static_cast<float>(content.Top) + (layout == blGlyphTopAdjusted      ? 0
                                                               : layout == blGlyphBottomAdjusted ? freeH
                                                                                                 : freeH / 2);
            }
            std::wstring notes = p.Notes;
            TGPFont gpNotesFont = MakeTextFont(notesFont);
            if (!notes.empty()) g.MeasureString(notes, gpNotesFont, layoutRect, &format, notesBox);
            result.TextBottom = Rnd(textBox.Y + textBox.Height);
            if (p.Measure) {
                result.Content = GlowContentSize(layout, textBox.Width, textBox.Height, notesBox.Width, notesBox.Height,
                                                 gw, gh, p.Spacing, true);
                return result;
            }
            TGPRectF local = textBox;
            local.X -= static_cast<float>(content.Left);
            local.Y -= static_cast<float>(content.Top);
            placed = LayoutGlowContent(layout, m, n, gw, gh, local, p.Spacing);
            TGPRectF box = placed.CaptionBox;
            box.X += static_cast<float>(content.Left) - 1;
            box.Y += static_cast<float>(content.Top);
            if (!notes.empty()) {
                format.SetLineAlignment(StringAlignmentNear);
                box.Y +=
                    (box.Height - static_cast<float>(Rnd(textBox.Height)) - static_cast<float>(Rnd(notesBox.Height))) /
                    2;
            }
            TColor textColor = p.Enabled ? font.GetColor() : TColor(0x808080);
            TGPSolidBrush brush(ColorToARGB(ColorToRGB(textColor)));
            g.DrawString(caption, gpFont, box, &format, brush);
            if (!notes.empty()) {
                box.Y += static_cast<float>(Rnd(textBox.Height));
                TGPSolidBrush notesBrush(ColorToARGB(ColorToRGB(p.Enabled ? notesFont.GetColor() : TColor(0x808080))));
                g.DrawString(notes, gpNotesFont, box, &format, notesBrush);
            }
        } else if (hasCaption) {
            // Classic text: measured with the platform's calculate-rectangle flag.
            unsigned wrap = p.WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
            TRect calc{0, 0, p.Measure ? 4096 : m, 0};
            canvas.DrawText(caption, calc, wrap | DT_CALCRECT);
            textBox = MakeRect(static_cast<float>((m - calc.Width()) / 2), static_cast<float>((n - calc.Height()) / 2),
                               static_cast<float>(calc.Width()), static_cast<float>(calc.Height()));
            result.TextBottom = content.Top + Rnd(textBox.Y + textBox.Height);
            if (p.Measure) {
                result.Content = GlowContentSize(layout, textBox.Width, textBox.Height, 0, 0, gw, gh, p.Spacing, true);
                return result;
            }
            placed = LayoutGlowContent(layout, m, n, gw, gh, textBox, p.Spacing);
        } else if (p.Measure) {
            result.Content = {glyphW, glyphH};
            return result;
        }

        // Pictures go on the surface; list images on the classic canvas below.
        if (p.DrawGlyph && (hasPicture || hasImage)) {
            int mm = m, nn = n;
            if (p.DropDownButton) (p.DropDownPosition == dpRight ? mm : nn) -= 8;
            TPoint at = hasCaption ? TPoint{content.Left + placed.Glyph.X, content.Top + placed.Glyph.Y}
                                   : TPoint{content.Left + std::max(0, (mm - glyphW) / 2),
                                            content.Top + std::max(0, (nn - glyphH) / 2)};
            placed.Glyph = at;
            if (hasPicture) {
                if (p.ForcedGlyphSize.cx > 0)
                    p.Picture->DrawImageRect(g, at.X, at.Y, glyphW, glyphH);
                else
                    DrawPictureAt(&g, at, p.Picture);  // a bitmap picture is keyed by its bottom-left pixel
            } else {
                glyphByList = true;
            }
        }
        if (p.DropDownButton && p.Highlighted && p.DropDownSplit) {
            TGPPen pen(ColorToARGB(ColorToRGB(p.Colors.BorderColor)));
            if (p.DropDownPosition == dpBottom)
                g.DrawLine(pen, static_cast<float>(dd.Left), static_cast<float>(dd.Top),
                           static_cast<float>(dd.Right - 1), static_cast<float>(dd.Top));
            else
                g.DrawLine(pen, static_cast<float>(dd.Left), static_cast<float>(dd.Top), static_cast<float>(dd.Left),
                           static_cast<float>(dd.Bottom - 1));
        }
    }

    // Classic drawing after the surface is gone, so the two never interleave.
    if (hasCaption && !gdipText) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Font().SetColor(p.Enabled ? font.GetColor() : TColor(0x808080));
        unsigned flags = (p.WordWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
        flags |= layout == blGlyphLeftAdjusted ? DT_LEFT : layout == blGlyphRightAdjusted ? DT_RIGHT : DT_CENTER;
        TRect box{content.Left + Rnd(placed.CaptionBox.X), content.Top + Rnd(placed.CaptionBox.Y),
                  content.Left + Rnd(placed.CaptionBox.X + placed.CaptionBox.Width),
                  content.Top + Rnd(placed.CaptionBox.Y + placed.CaptionBox.Height)};
        if (p.WordWrap) {
            TRect calc{0, 0, box.Width(), 0};
            canvas.DrawText(caption, calc, DT_WORDBREAK | DT_CALCRECT);
            int top = layout == blGlyphTop              ? box.Top
                      : layout == blGlyphBottomAdjusted ? box.Bottom - calc.Height()
                                                        : box.Top + (box.Height() - calc.Height()) / 2;
            box.Top = top;
            box.Bottom = top + calc.Height();
        }
        canvas.DrawText(caption, box, flags);
    }
    if (glyphByList) {
        if (p.ForcedGlyphSize.cx > 0 &&
            (p.ForcedGlyphSize.cx != p.Images->GetWidth() || p.ForcedGlyphSize.cy != p.Images->GetHeight())) {
            // The smaller size states squeeze the list image into the forced size.
            TBitmap image;
            if (p.Images->GetBitmap(p.ImageIndex, image, clFuchsia)) {
                image.SetTransparentColor(clFuchsia);
                image.SetTransparent(true);
                canvas.StretchDraw(Bounds(placed.Glyph.X, placed.Glyph.Y, glyphW, glyphH), image);
            }
        } else {
            p.Images->Draw(canvas, placed.Glyph.X, placed.Glyph.Y, p.ImageIndex, p.ImagesEnabled);
        }
    }
    if (p.DropDownButton) {
        int x = dd.Left + (dd.Width() - 5) / 2;
        int y = (p.DropDownPosition == dpBottom || !hasCaption) ? dd.Top + 1 + (dd.Height() - 3) / 2
                                                                : result.TextBottom - 8;
        DrawDropDownArrow(canvas, {x, y}, p.Enabled ? clBlack : TColor(0x808080), clWhite,
                          p.DropDownDirection == ddDown);
    }
    return result;
}

}  // namespace orv
