#include "buttons/GlowButtonPainter.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "buttons/GlowButtonGlyph.h"
#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "paint/FaceCache.h"
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

// The box the text routine calculates for text in a given width.
TSize ClassicTextSize(TCanvas& canvas, const std::wstring& text, int width, unsigned lineFlags) {
    TRect calc{0, 0, width, 0};
    canvas.DrawText(text, calc, lineFlags | DT_CALCRECT);
    return {calc.Width(), calc.Height()};
}

// What the glyph is, how large it is laid out and how it will be drawn.
struct TGlyphPlan {
    bool Picture = false;
    bool List = false;
    TSize Natural;
    TSize Laid;
    // Drawn scaled into the laid-out size after the GDI+ surface is gone.
    bool Scaled = false;
};

TGlyphPlan PlanGlyph(const TGlowButtonPaint& p) {
    TGlyphPlan plan;
    plan.Picture = p.Picture && !p.Picture->Empty();
    plan.List = !plan.Picture && p.Images && p.ImageIndex >= 0 && p.ImageIndex < p.Images->Count();
    if (plan.Picture)
        plan.Natural = {p.Picture->Width(), p.Picture->Height()};
    else if (plan.List)
        plan.Natural = {p.Images->GetWidth(), p.Images->GetHeight()};
    plan.Laid = plan.Natural;
    bool forced = p.ForcedGlyphSize.cx > 0 && (plan.Picture || plan.List);
    if (!forced) return plan;
    plan.Laid = p.ForcedGlyphSize;
    if (plan.Picture)
        // Other kinds scale on the surface with their own transparency.
        plan.Scaled = plan.Natural != plan.Laid && p.Picture->Kind() == ikBmp;
    else
        // A list image keeps its size unless it is too large for the place.
        plan.Scaled = !p.ImagesDrawThemselves && (plan.Natural.cx > plan.Laid.cx || plan.Natural.cy > plan.Laid.cy);
    return plan;
}

// The glyph parts drawn on the GDI+ surface.
void DrawSurfaceGlyph(TGPGraphics& g, const TGlowButtonPaint& p, const TGlyphPlan& plan, TPoint at) {
    if (plan.Scaled) return;
    if (plan.Picture) {
        if (plan.Laid == plan.Natural)
            DrawPictureAt(&g, at, p.Picture);  // a bitmap picture is keyed by its bottom-left pixel
        else
            DrawPictureStretched(&g, nullptr, Bounds(at.X, at.Y, plan.Laid.cx, plan.Laid.cy), p.Picture);
    } else if (plan.List && !p.ImagesDrawThemselves) {
        DrawImageListImage(&g, at, p.Images, p.ImageIndex, p.ImagesEnabled);
    }
}

// The glyph parts drawn with the classic routines.
void DrawCanvasGlyph(TCanvas& canvas, const TGlowButtonPaint& p, const TGlyphPlan& plan, TPoint at) {
    if (plan.List && p.ImagesDrawThemselves) {
        p.Images->Draw(canvas, at.X, at.Y, p.ImageIndex, p.ImagesEnabled);
        return;
    }
    if (!plan.Scaled) return;
    TBitmap pixels;
    bool made = plan.Picture ? PictureBitmap(*p.Picture, pixels)
                             : ListImageBitmap(p.Images, p.ImageIndex, p.ImagesEnabled, pixels);
    if (made) DrawKeyedScaled(canvas, Bounds(at.X, at.Y, plan.Laid.cx, plan.Laid.cy), pixels, BottomLeftColor(pixels));
}

}  // namespace

TGlowButtonPaintResult DrawGlowButton(TCanvas& canvas, const TGlowButtonPaint& p) {
    TGlowButtonPaintResult result;
    HDC dc = canvas.Handle();
    if (!dc) return result;
    const TRect& r = p.Rect;
    // The fills run past the rectangle (to twice its height below the middle); a window
    // clips them, a DC handed over may not.
    TCanvasStateGuard state(canvas);
    if (!p.Measure) IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
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
    const TGlyphPlan glyph = PlanGlyph(p);
    const int glyphW = glyph.Laid.cx, glyphH = glyph.Laid.cy;
    int gw = glyphW, gh = glyphH;
    std::wstring caption = PrepareGlowCaption(p.Caption, p.ForcedGlyphSize.cx > 0);
    bool hasCaption = !caption.empty() && p.DrawCaption;
    if (hasCaption && gw > 0) {
        if (SpacingWidensGlyph(layout))
            gw += p.Spacing;
        else if (SpacingHeightensGlyph(layout))
            gh += p.Spacing;
    }
    if (!hasCaption && p.Measure) {
        result.Content = {glyphW, glyphH};
        return result;
    }

    TFont defaultFont;
    const TFont& font = p.Font ? *p.Font : defaultFont;
    const TFont& notesFont = p.NotesFont ? *p.NotesFont : defaultFont;
    const std::wstring& notes = p.Notes;
    canvas.Font().Assign(&font);
    bool gdipText = p.AntiAlias != aaNone && IsTrueTypeFont(&canvas);
    int m = content.Width(), n = content.Height();
    TPoint contentAt{content.Left, content.Top};

    // The classic text path measures and lays out with the text routine's boxes.
    TGlowClassicLayout classic;
    const unsigned captionLines = p.WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    const unsigned notesLines = p.WordWrap ? DT_WORDBREAK : 0;  // notes keep their line breaks
    if (hasCaption && !gdipText) {
        int width = p.Measure ? 4096 : ClassicCaptionWidth(layout, m, gw);
        TSize text = ClassicTextSize(canvas, caption, width, captionLines);
        TSize notesSize;
        if (!notes.empty()) {
            canvas.Font().Assign(&notesFont);
            notesSize = ClassicTextSize(canvas, notes, width, notesLines);
            canvas.Font().Assign(&font);
        }
        if (p.Measure) {
            result.Content = GlowContentSize(layout, static_cast<float>(text.cx), static_cast<float>(text.cy),
                                             static_cast<float>(notesSize.cx), static_cast<float>(notesSize.cy), gw, gh,
                                             p.Spacing, true);
            return result;
        }
        classic = LayoutGlowContentClassic(layout, m, n, gw, gh, text, notesSize, p.Spacing);
        result.TextBottom = content.Top + classic.Caption.Bottom;
    }

    TPoint glyphAt;
    if (hasCaption && !gdipText) glyphAt = {contentAt.X + classic.Glyph.X, contentAt.Y + classic.Glyph.Y};
    if (!hasCaption) {
        int mm = m, nn = n;
        if (p.DropDownButton) (p.DropDownPosition == dpRight ? mm : nn) -= 8;
        glyphAt = {content.Left + std::max(0, (mm - glyphW) / 2), content.Top + std::max(0, (nn - glyphH) / 2)};
    }
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
            TGPRectF textBox{}, notesBox{};
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
            // The notes font only when there are notes: a paint without makes no second font.
            std::optional<TGPFont> gpNotesFont;
            if (!notes.empty()) {
                gpNotesFont.emplace(MakeTextFont(notesFont));
                g.MeasureString(notes, *gpNotesFont, layoutRect, &format, notesBox);
            }
            result.TextBottom = Rnd(textBox.Y + textBox.Height);
            if (p.Measure) {
                result.Content = GlowContentSize(layout, textBox.Width, textBox.Height, notesBox.Width, notesBox.Height,
                                                 gw, gh, p.Spacing, true);
                return result;
            }
            TGPRectF local = textBox;
            local.X -= static_cast<float>(content.Left);
            local.Y -= static_cast<float>(content.Top);
            TGlowContentLayout placed = LayoutGlowContent(layout, m, n, gw, gh, local, p.Spacing);
            glyphAt = {contentAt.X + placed.Glyph.X, contentAt.Y + placed.Glyph.Y};
            TGPRectF box = placed.CaptionBox;
            box.X += static_cast<float>(content.Left) - 1;
            box.Y += static_cast<float>(content.Top);
            if (gpNotesFont) {
                format.SetLineAlignment(StringAlignmentNear);
                box.Y +=
                    (box.Height - static_cast<float>(Rnd(textBox.Height)) - static_cast<float>(Rnd(notesBox.Height))) /
                    2;
            }
            TColor textColor = p.Enabled ? font.GetColor() : TColor(0x808080);
            TGPSolidBrush brush(ColorToARGB(ColorToRGB(textColor)));
            g.DrawString(caption, gpFont, box, &format, brush);
            if (gpNotesFont) {
                box.Y += static_cast<float>(Rnd(textBox.Height));
                TGPSolidBrush notesBrush(ColorToARGB(ColorToRGB(p.Enabled ? notesFont.GetColor() : TColor(0x808080))));
                g.DrawString(notes, *gpNotesFont, box, &format, notesBrush);
            }
        }

        if (p.DrawGlyph) DrawSurfaceGlyph(g, p, glyph, glyphAt);
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
        TRect box = classic.Caption.Offset(contentAt.X, contentAt.Y);
        canvas.DrawText(caption, box, captionLines | classic.CaptionFormat);
        if (!notes.empty()) {
            canvas.Font().Assign(&notesFont);
            canvas.Font().SetColor(p.Enabled ? notesFont.GetColor() : TColor(0x808080));
            TRect notesBox = classic.Notes.Offset(contentAt.X, contentAt.Y);
            canvas.DrawText(notes, notesBox, notesLines | DT_LEFT);
            canvas.Font().Assign(&font);
        }
    }
    if (p.DrawGlyph) DrawCanvasGlyph(canvas, p, glyph, glyphAt);
    if (p.DropDownButton) {
        int x = dd.Left + (dd.Width() - 5) / 2;
        int y = (p.DropDownPosition == dpBottom || !hasCaption) ? dd.Top + 1 + (dd.Height() - 3) / 2
                                                                : result.TextBottom - 8;
        DrawDropDownArrow(canvas, {x, y}, p.Enabled ? clBlack : TColor(0x808080), clWhite,
                          p.DropDownDirection == ddDown);
    }
    return result;
}

// --- through the face cache -----------------------------------------------------------------

// The key must see every input: a field added to the paint record stops the build here
// until GlowButtonFaceOf (and the key) take it.
static_assert(detail::AggregateFieldCount<TGlowButtonPaint>() == 33,
              "a new paint input must join TGlowButtonFace and GlowButtonFaceOf");
static_assert(FaceKeyComplete<TGlowButtonFace>());

TGlowButtonFace GlowButtonFaceOf(const TGlowButtonPaint& p) {
    TGlowButtonFace f;
    f.Width = p.Rect.Width();
    f.Height = p.Rect.Height();
    f.Colors = p.Colors;
    f.DrawBackground = p.DrawBackground;
    f.Highlighted = p.Highlighted;
    f.DropDownButton = p.DropDownButton;
    f.DropDownPosition = p.DropDownPosition;
    f.DropDownDirection = p.DropDownDirection;
    f.DropDownSplit = p.DropDownSplit;
    f.DropDownHover = p.DropDownHover;
    f.FocusBorder = p.FocusBorder;
    f.BorderStyle = p.BorderStyle;
    f.Rounded = p.Rounded;
    f.Position = p.Position;
    f.Emphasized = p.Emphasized;
    f.Enabled = p.Enabled;
    f.Caption = p.Caption;
    f.Font = FontFaceOf(p.Font);
    f.AntiAlias = p.AntiAlias;
    f.WordWrap = p.WordWrap;
    f.Trimming = p.Trimming;
    f.Notes = p.Notes;
    f.NotesFont = FontFaceOf(p.NotesFont);
    // Only the glyph the painter will draw counts, so that buttons differing in what
    // they do not show share a face.
    const TGlyphPlan glyph = PlanGlyph(p);
    if (glyph.Picture) {
        f.Picture = p.Picture;
        f.PictureVersion = p.Picture->Version();
    } else if (glyph.List) {
        f.Images = p.Images;
        f.ImagesVersion = p.Images->Version();
        f.ImageIndex = p.ImageIndex;
        f.ImagesEnabled = p.ImagesEnabled;
        f.ImagesDrawThemselves = p.ImagesDrawThemselves;
    }
    f.Layout = p.Layout;
    f.Spacing = p.Spacing;
    f.ForcedGlyphWidth = p.ForcedGlyphSize.cx;
    f.ForcedGlyphHeight = p.ForcedGlyphSize.cy;
    f.DrawCaption = p.DrawCaption;
    f.DrawGlyph = p.DrawGlyph;
    return f;
}

bool GlowFaceCacheable(const TGlowButtonPaint& p) {
    return !p.Measure && p.DrawBackground && p.Rect.Width() > 0 && p.Rect.Height() > 0;
}

namespace {

std::shared_ptr<const TFace> GlowFace(const TGlowButtonPaint& p) {
    const int w = p.Rect.Width(), h = p.Rect.Height();
    return SharedFaceCache().Get(GlowButtonFaceOf(p), w, h, [&p, w, h](TFace&, HDC dc) {
        TGlowButtonPaint local = p;
        local.Rect = {0, 0, w, h};
        TCanvas canvas;
        canvas.SetHandle(dc);
        DrawGlowButton(canvas, local);
        canvas.SetHandle(nullptr);
    });
}

}  // namespace

void PaintGlowButton(TCanvas& canvas, const TGlowButtonPaint& p) {
    if (!GlowFaceCacheable(p)) {
        DrawGlowButton(canvas, p);
        return;
    }
    HDC dc = canvas.Handle();
    if (!dc) return;
    auto face = GlowFace(p);
    if (face->Empty())
        DrawGlowButton(canvas, p);  // no face to be had (the handles ran out)
    else
        face->Blit(dc, p.Rect.Left, p.Rect.Top);
}

void PaintGlowButtonFade(TCanvas& canvas, const TGlowButtonPaint& p, const TGlowColorSet& from, const TGlowColorSet& to,
                         int percent) {
    if (!GlowFaceCacheable(p)) {
        DrawGlowButton(canvas, p);
        return;
    }
    HDC dc = canvas.Handle();
    if (!dc) return;
    TGlowButtonPaint end = p;
    end.Colors = from;
    std::shared_ptr<const TFace> fromFace = GlowFace(end);
    end.Colors = to;
    std::shared_ptr<const TFace> toFace = GlowFace(end);
    if (fromFace->Empty() || toFace->Empty()) {
        // No faces to blend (the handles ran out): as without the cache.
        DrawGlowButton(canvas, p);
        return;
    }
    BlendFaces(dc, p.Rect.Left, p.Rect.Top, *fromFace, *toFace, percent);
}

}  // namespace orv
