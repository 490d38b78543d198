#include "toolbar/PagerPaint.h"

#include <algorithm>

#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "framework/WinControl.h"
#include "paint/FaceCache.h"
#include "paint/OrvColors.h"
#include "toolbar/GlassCaptionText.h"

namespace orv {

namespace {

void Line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// A translucent vertical line from top to bottom (bottom excluded).
void AlphaLine(HDC dc, int x, int top, int bottom, TColor color, uint8_t topAlpha, uint8_t bottomAlpha) {
    if (bottom <= top) return;
    DrawAlphaGradient(dc, {x, top, x + 1, bottom - 1}, color, topAlpha, bottomAlpha);
}

struct TFill4 {
    TColor Color, ColorTo, ColorMirror, ColorMirrorTo;
};

void SetFill(TTabColors& c, const TFill4& f) {
    c.Color = f.Color;
    c.ColorTo = f.ColorTo;
    c.ColorMirror = f.ColorMirror;
    c.ColorMirrorTo = f.ColorMirrorTo;
}

TFill4 Blend4(const TFill4& a, const TFill4& b, int percent) {
    return {BlendColor(a.Color, b.Color, percent), BlendColor(a.ColorTo, b.ColorTo, percent),
            BlendColor(a.ColorMirror, b.ColorMirror, percent), BlendColor(a.ColorMirrorTo, b.ColorMirrorTo, percent)};
}

}  // namespace

// --- Tabs --------------------------------------------------------------------------------

TTabColors TabColorSet(const TCustomTabAppearance& ta, const TGradientBackground& background, const TTabState& s) {
    const TFill4 selected{ta.GetColorSelected(), ta.GetColorSelectedTo(), ta.GetColorMirrorSelected(),
                          ta.GetColorMirrorSelectedTo()};
    const TFill4 hot{ta.GetColorHot(), ta.GetColorHotTo(), ta.GetColorMirrorHot(), ta.GetColorMirrorHotTo()};
    const TFill4 normal{ta.GetColor(), ta.GetColorTo(), ta.GetColorMirror(), ta.GetColorMirrorTo()};
    const TFill4 disabled{ta.GetColorDisabled(), ta.GetColorDisabledTo(), ta.GetColorMirrorDisabled(),
                          ta.GetColorMirrorDisabledTo()};
    TTabColors c;
    c.HighLight = ta.GetHighLightColor();
    if (s.Active) {
        c.Fill = true;
        if (s.PagerFocused) {
            SetFill(c, hot);
            c.Border = ta.GetBorderColorSelectedHot();
            c.Gradient = ta.GetGradientHot();
            c.GradientMirror = ta.GetGradientMirrorHot();
            c.Text = ta.GetTextColorHot();
            c.HighLight = ta.GetHighLightColorSelected();
        } else {
            SetFill(c, selected);
            c.Gradient = ta.GetGradientSelected();
            c.GradientMirror = ta.GetGradientMirrorSelected();
            c.Text = ta.GetTextColorSelected();
            if (s.Down) {
                c.Border = ta.GetBorderColorDown();
                c.HighLight = ta.GetHighLightColorDown();
            } else if (s.Hot) {
                c.Border = ta.GetBorderColorSelectedHot();
                c.HighLight = ta.GetHighLightColorSelectedHot();
            } else {
                c.Border = ta.GetBorderColorSelected();
            }
        }
        if (s.Glow == gsPush) {
            SetFill(c, Blend4({c.Color, c.ColorTo, c.ColorMirror, c.ColorMirrorTo}, hot, s.StepPush));
            c.Border = BlendColor(c.Border, ta.GetBorderColorHot(), s.StepPush);
        } else if (s.Glow == gsHover) {
            c.Border = BlendColor(ta.GetBorderColorSelectedHot(), ta.GetBorderColorSelected(), s.StepHover);
        }
        return c;
    }
    if (s.Hot) {
        c.Fill = true;
        SetFill(c, hot);
        c.Border = ta.GetBorderColorHot();
        c.Gradient = ta.GetGradientHot();
        c.GradientMirror = ta.GetGradientMirrorHot();
        c.Text = ta.GetTextColorHot();
        c.HighLight = ta.GetHighLightColorHot();
    } else if (s.ShowNonSelectedTabs && !s.Enabled) {
        c.Fill = true;
        SetFill(c, disabled);
        c.Border = ta.GetBorderColorDisabled();
        c.Gradient = ta.GetGradientDisabled();
        c.GradientMirror = ta.GetGradientMirrorDisabled();
        c.Text = ta.GetTextColorDisabled();
    } else if (s.ShowNonSelectedTabs) {
        c.Fill = true;
        SetFill(c, normal);
        c.Border = ta.GetBorderColor();
        c.Gradient = ta.GetGradient();
        c.GradientMirror = ta.GetGradientMirror();
        c.Text = ta.GetTextColor();
    } else {
        c.Gradient = ta.GetGradientHot();
        c.GradientMirror = ta.GetGradientMirrorHot();
        c.Text = s.Enabled ? ta.GetTextColor() : ta.GetTextColorDisabled();
    }
    if (s.Glow == gsHover) {
        // Fading in while hot, out after the pointer left.
        const int p = s.StepHover;
        c.Fill = true;
        if (s.ShowNonSelectedTabs) {
            SetFill(c, Blend4(hot, normal, p));
            c.Border = BlendColor(ta.GetBorderColorHot(), ta.GetBorderColor(), p);
        } else {
            const TColor back = background.GetColor();
            const TColor backTo = background.GetColorTo() == clNone ? back : background.GetColorTo();
            c.Color = BlendColor(hot.Color, back, p);
            c.ColorTo = BlendColor(hot.ColorTo, backTo, p);
            c.ColorMirror = BlendColor(hot.ColorMirror, back, p);
            c.ColorMirrorTo = BlendColor(hot.ColorMirrorTo, back, p);
            c.Border = BlendColor(ta.GetBorderColorHot(), back, p);
        }
    }
    return c;
}

bool TabStrongInnerLine(const TTabState& s) {
    return (s.Active && s.PagerFocused) || s.Glow == gsHover;
}

TRowBackground RowBackgroundOf(const TGradientBackground& b) {
    return {b.GetColor(), b.GetColorTo(), b.GetSteps(), b.GetDirection() == gdHorizontal};
}

void DrawRowBackground(TCanvas& canvas, const TRect& rect, const TRowBackground& row) {
    if (row.Color == clNone || rect.IsEmpty()) return;
    if (row.ColorTo == clNone) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(row.Color);
        canvas.FillRect(rect);
        return;
    }
    DrawGradient(canvas, row.Color, row.ColorTo, std::max(row.Steps, 1), rect, row.Horizontal);
}

namespace {

void DrawTabContent(TCanvas& canvas, const TTabPaint& t) {
    const TRect& r = t.Rect;
    TRect box{r.Left + t.ContentLeft, r.Top, r.Right - 2, r.Bottom};
    if (t.Images && t.ImageIndex >= 0) {
        const int y = r.Top + (r.Height() - t.Images->GetHeight()) / 2;
        t.Images->Draw(canvas, box.Left, y, t.ImageIndex, !t.ImageDisabledLook);
        box.Left += t.Images->GetWidth() + 2;
    }
    if (t.Caption.empty() || box.Right <= box.Left) return;
    TFont font;
    if (t.Font) font.Assign(t.Font);
    font.SetColor(t.Colors.Text);
    SetBkMode(canvas.Handle(), TRANSPARENT);
    DrawGDIPText(canvas, TTextAlignment::taLeftJustify, DT_SINGLELINE | DT_VCENTER | DT_LEFT, box, t.Caption, font,
                 true, true, t.AntiAlias, false, false);
}

}  // namespace

void DrawTab(TCanvas& canvas, const TTabPaint& t) {
    const TRect& r = t.Rect;
    const int L = r.Left, T = r.Top, Rt = r.Right, B = r.Bottom;
    if (r.IsEmpty()) return;
    const TTabColors& c = t.Colors;
    if (c.Fill) {
        // Corner colours are what lies beneath, read before the fill covers them.
        const TColor topLeftOuter = canvas.GetPixel(L - 1, T - 1);
        const TColor topLeftInner = canvas.GetPixel(L + 1, T - 1);
        const TColor leftOfTop = canvas.GetPixel(L - 1, T);
        const TColor right = t.LastOfGroup ? topLeftOuter : canvas.GetPixel(Rt + 1, T);
        DrawMirroredGradient(canvas, r, c.Color, c.ColorTo, c.ColorMirror, c.ColorMirrorTo, c.Border, c.Gradient,
                             c.GradientMirror, false);
        canvas.SetPixel(L, T, topLeftOuter);
        canvas.SetPixel(L + 1, T, topLeftInner);
        canvas.SetPixel(L, T + 1, leftOfTop);
        canvas.SetPixel(Rt - 1, T, right);
        canvas.SetPixel(Rt - 2, T, right);
        canvas.SetPixel(Rt - 1, T + 1, right);
        canvas.Pen().SetStyle(TPenStyle::psSolid);
        canvas.Pen().SetWidth(1);
        Line(canvas, BlendColor(clWhite, c.Color, t.StrongInnerLine ? 20 : 50), L + 3, T + 3, Rt - 3, T + 3);
        if (t.ShadowColor != clNone) {
            Line(canvas, t.ShadowColor, Rt, T + 3, Rt, B - 4);
            if (!t.LastOfGroup) Line(canvas, BlendColor(t.ShadowColor, t.Row.Color, 40), Rt + 1, T + 4, Rt + 1, B - 4);
        }
        if (c.HighLight != clNone) {
            if (t.ScenicGlass) {
                if (t.HotNotActive) {
                    Line(canvas, c.HighLight, L + 3, T + 1, Rt - 3, T + 1);
                    Line(canvas, c.HighLight, L + 1, T + 3, L + 1, B - 5);
                    Line(canvas, c.HighLight, Rt - 2, T + 3, Rt - 2, B - 5);
                }
            } else {
                Line(canvas, BlendColor(c.Color, c.Border, 80), L + 3, T + 1, Rt - 3, T + 1);
                Line(canvas, c.HighLight, L + 1, T + 3, L + 1, B - 5);
                Line(canvas, c.HighLight, Rt - 2, T + 3, Rt - 2, B - 5);
            }
        }
    }
    DrawTabContent(canvas, t);
}

namespace {

// The face key of a tab: every input of DrawTab by value; the row background by its
// values and the tab's place in the row (the face repaints it beneath the tab).
struct TTabFace {
    int Width = 0;
    int Height = 0;
    TTabColors Colors;
    TRowBackground Row;
    int RowLeft = 0;  // the row rectangle relative to the tab's top-left
    int RowTop = 0;
    int RowWidth = 0;
    int RowHeight = 0;
    bool LastOfGroup = false;
    bool StrongInnerLine = false;
    TColor ShadowColor = clNone;
    bool ScenicGlass = false;
    bool HotNotActive = false;
    int ContentLeft = 0;
    std::wstring Caption;
    TFontFace Font;
    TAntiAlias AntiAlias = aaClearType;
    const void* Images = nullptr;
    uint64_t ImagesVersion = 0;
    int ImageIndex = -1;
    bool ImageDisabledLook = false;
    auto Tie() const {
        return std::tie(Width, Height, Colors, Row, RowLeft, RowTop, RowWidth, RowHeight, LastOfGroup, StrongInnerLine,
                        ShadowColor, ScenicGlass, HotNotActive, ContentLeft, Caption, Font, AntiAlias, Images,
                        ImagesVersion, ImageIndex, ImageDisabledLook);
    }
};

// The face spans one pixel above and left of the tab (corner colours come from there)
// and two right of it (the shadow lines).
constexpr int kFaceLeft = 1, kFaceTop = 1, kFaceRight = 2;

}  // namespace

void PaintTab(TCanvas& canvas, const TTabPaint& t) {
    const TRect& r = t.Rect;
    if (r.IsEmpty()) return;
    HDC dc = canvas.Handle();
    if (!dc) return;
    // Without a row fill the tab draws over whatever lies beneath: no face can carry it.
    if (t.Row.Color == clNone || !t.Colors.Fill) {
        DrawTab(canvas, t);
        return;
    }
    TTabFace key;
    key.Width = r.Width();
    key.Height = r.Height();
    key.Colors = t.Colors;
    key.Row = t.Row;
    key.RowLeft = t.RowRect.Left - r.Left;
    key.RowTop = t.RowRect.Top - r.Top;
    key.RowWidth = t.RowRect.Width();
    key.RowHeight = t.RowRect.Height();
    key.LastOfGroup = t.LastOfGroup;
    key.StrongInnerLine = t.StrongInnerLine;
    key.ShadowColor = t.ShadowColor;
    key.ScenicGlass = t.ScenicGlass;
    key.HotNotActive = t.HotNotActive;
    key.ContentLeft = t.ContentLeft;
    key.Caption = t.Caption;
    key.Font = FontFaceOf(t.Font);
    key.AntiAlias = t.AntiAlias;
    key.Images = t.Images;
    key.ImagesVersion = t.Images ? t.Images->Version() : 0;
    key.ImageIndex = t.ImageIndex;
    key.ImageDisabledLook = t.ImageDisabledLook;

    const int fw = r.Width() + kFaceLeft + kFaceRight, fh = r.Height() + kFaceTop;
    auto face = SharedFaceCache().Get(key, fw, fh, [&t, &r](TFace&, HDC faceDC) {
        TCanvas fc;
        fc.SetHandle(faceDC);
        const int dx = kFaceLeft - r.Left, dy = kFaceTop - r.Top;
        DrawRowBackground(fc, t.RowRect.Offset(dx, dy), t.Row);
        TTabPaint local = t;
        local.Rect = r.Offset(dx, dy);
        local.RowRect = t.RowRect.Offset(dx, dy);
        DrawTab(fc, local);
        fc.SetHandle(nullptr);
    });
    if (face->Empty()) return;
    HDC src = face->DC();
    BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), src, kFaceLeft, kFaceTop, SRCCOPY);
    // Only the shadow lines right of the tab: the rest there belongs to the row (and to a
    // group's right line).
    if (t.ShadowColor != clNone) {
        const int col = kFaceLeft + r.Width();
        BitBlt(dc, r.Right, r.Top + 3, 1, r.Height() - 7, src, col, kFaceTop + 3, SRCCOPY);
        if (!t.LastOfGroup) BitBlt(dc, r.Right + 1, r.Top + 4, 1, r.Height() - 8, src, col + 1, kFaceTop + 4, SRCCOPY);
    }
}

void DrawTabSeparator(TCanvas& canvas, int left, int top, int bottom, TColor rowColor, TColor borderColorSelected) {
    DrawGradient(canvas, BlendColor(rowColor, borderColorSelected, 60), borderColorSelected, 40,
                 {left - 2, top + 1, left - 1, bottom}, false, gvThinVertical);
}

void DrawGlassTabSeparator(HDC dc, int left, int top, int bottom) {
    AlphaLine(dc, left - 1, top + 1, bottom - 4, clWhite, 60, 255);
    AlphaLine(dc, left - 2, top + 1, bottom - 5, 0x00BFBAB6, 100, 255);
}

// --- Tab groups --------------------------------------------------------------------------

TGroupRect TabGroupRect(const TGroupGeometry& g) {
    TGroupRect result;
    if (g.TabIndexStart < 0 || g.TabIndexEnd < 0 || g.TabIndexEnd < g.TabIndexStart || g.TabIndexStart >= g.PageCount)
        return result;
    if (g.TabIndexStart == 0 && g.QuickAccessVisible) return result;
    const int last = std::min({g.TabIndexEnd, g.PageCount - 1, static_cast<int>(g.Tabs.size()) - 1});
    int left = -1, right = -1;
    for (int i = std::max(0, g.TabIndexStart); i <= last; ++i) {
        const TRect& t = g.Tabs[i];
        if (t.IsEmpty()) continue;
        if (left < 0) left = t.Left;
        right = t.Right;
    }
    if (left < 0) return result;
    TRect r{left, g.CaptionRect.Top, right, g.TabBottom};
    bool rightEdge = true;
    if (g.Spacing > 2) {
        r.Left -= g.GlassDrawing ? 1 : g.Spacing / 2;
        r.Right += g.Spacing / 2;
    }
    if (!g.OnGlass && g.CaptionButtonLeft >= 0) {
        if (r.Left >= g.CaptionButtonLeft) return result;
        if (r.Right >= g.CaptionButtonLeft) {
            r.Right = g.CaptionButtonLeft - 1;
            rightEdge = false;
        }
    }
    if (!g.DesignTime && g.TabIndexStart <= 1 && g.QuickAccessRight >= 0 && r.Left < g.QuickAccessRight) return result;
    result.Rect = r;
    result.RightEdge = rightEdge;
    return result;
}

TGroupCaptionPlace GroupCaptionPlace(const TRect& box, TTextAlignment alignment, int imageWidth, int textWidth) {
    TGroupCaptionPlace place;
    place.TextBox = box;
    if (imageWidth <= 0) return place;
    int x = box.Left;
    if (alignment == TTextAlignment::taRightJustify)
        x = box.Right - imageWidth - 3 - textWidth - 3;
    else if (alignment == TTextAlignment::taCenter)
        x = box.Left + (box.Right - box.Left - imageWidth - 3 - textWidth) / 2;
    place.ImageX = std::max(x, box.Left);
    place.TextBox.Left = place.ImageX + imageWidth + 3;
    return place;
}

namespace {

void DrawGroupCaption(TCanvas& canvas, const TGroupPaint& g, const TRect& G) {
    const TGroupAppearance& a = *g.Appearance;
    TFont font;
    font.Assign(&a.Font());
    font.SetColor(a.GetTextColor());
    canvas.Font().Assign(&font);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    SetBkMode(canvas.Handle(), TRANSPARENT);
    TRect box{G.Left + 3, G.Top, G.Right, G.Bottom};
    TTextAlignment align = g.Alignment;
    if (g.Images && g.ImageIndex >= 0) {
        const int textWidth = canvas.TextWidth(g.Caption);
        TGroupCaptionPlace place = GroupCaptionPlace(box, g.Alignment, g.Images->GetWidth(), textWidth);
        g.Images->Draw(canvas, place.ImageX, G.Top + (G.Height() - g.Images->GetHeight()) / 2, g.ImageIndex);
        box = place.TextBox;
        align = TTextAlignment::taLeftJustify;
    }
    unsigned format = DT_SINGLELINE | DT_VCENTER | DT_PATH_ELLIPSIS;
    format |= align == TTextAlignment::taCenter         ? DT_CENTER
              : align == TTextAlignment::taRightJustify ? DT_RIGHT
                                                        : DT_LEFT;
    canvas.DrawText(g.Caption, box, format);
}

}  // namespace

void DrawTabGroup(TCanvas& canvas, const TGroupPaint& g) {
    if (!g.Group.Valid() || !g.Appearance) return;
    const TGroupAppearance& a = *g.Appearance;
    const TRect& r = g.Group.Rect;
    const TRect G{r.Left, r.Top + 8, r.Right, g.TabRowTop};
    HDC dc = canvas.Handle();
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    if (g.OnGlassLook) {
        if (g.ScrollerActive) return;
        DrawAlphaGradient(dc, {r.Left, g.TabRowTop, r.Right, g.TabBottom - 20}, a.GetColorMirrorTo(), 90, 1);
        const TColor outer = BlendColor(a.GetColorMirrorTo(), clWhite, 20);
        AlphaLine(dc, r.Left, g.TabRowTop, g.TabBottom - 8, outer, 255, 1);
        AlphaLine(dc, r.Right, g.TabRowTop, g.TabBottom - 8, outer, 255, 1);
        AlphaLine(dc, r.Left + 1, g.TabRowTop, g.TabBottom - 8, a.GetBorderColor(), 255, 50);
        AlphaLine(dc, r.Right - 1, g.TabRowTop, g.TabBottom - 8, a.GetBorderColor(), 255, 50);
        return;
    }
    if (!g.ScrollerActive) {
        DrawMirroredGradient(canvas, G, a.GetColor(), a.GetColorTo(), a.GetColorMirror(), a.GetColorMirrorTo(), clNone,
                             a.GetGradient(), a.GetGradientMirror(), false);
        Line(canvas, BlendColor(a.GetColorMirrorTo(), clBlack, 80), r.Left, g.TabRowTop, r.Right, g.TabRowTop);
        DrawGradient(canvas, g.PagerCaptionColor, a.GetBorderColor(), 40,
                     {r.Left, G.Top + 6, r.Left + 1, g.TabRowTop + 1}, false, gvInsetFarEdge);
        DrawGradient(canvas, g.PagerCaptionColor, a.GetBorderColor(), 40,
                     {r.Right - 1, G.Top + 6, r.Right, g.TabRowTop + 2}, false, gvInsetFarEdge);
    }
    if (!g.Scenic || !g.ScrollerActive) {
        DrawGradient(canvas, a.GetBorderColor(), g.RowColor, 40, {r.Left, g.TabRowTop, r.Left + 1, g.TabBottom}, false,
                     gvThinVertical);
        if (g.Group.RightEdge)
            DrawGradient(canvas, a.GetBorderColor(), g.RowColor, 40, {r.Right - 1, g.TabRowTop, r.Right, g.TabBottom},
                         false, gvThinVertical);
    }
    if (!g.ScrollerActive && !g.Caption.empty()) DrawGroupCaption(canvas, g, G);
}

// --- Caption bar -------------------------------------------------------------------------

std::pair<std::wstring, std::wstring> SplitCaption(const std::wstring& caption) {
    if (caption.find(L" - ") == std::wstring::npos) return {caption, L""};
    const size_t hyphen = caption.find(L'-');
    return {caption.substr(0, hyphen + 1), caption.substr(hyphen + 1)};
}

std::pair<int, int> CaptionTextSpan(int width, int indent, bool hidingPages, int quickAccessRight, int rightIndent,
                                    int groupCaptionsRight) {
    int left = quickAccessRight >= 0 ? quickAccessRight : (hidingPages ? 5 : indent);
    left = std::max(left, groupCaptionsRight);
    return {left, width - rightIndent};
}

void DrawPagerCaption(TCanvas& canvas, const TCaptionPaint& c) {
    if (!c.Appearance || c.Rect.IsEmpty()) return;
    const TVistaTextBackground& a = *c.Appearance;
    if (c.FillBar)
        DrawMirroredGradient(canvas, c.Rect, a.GetColor(), a.GetColorTo(), a.GetColorMirror(), a.GetColorMirrorTo(),
                             a.GetBorderColor(), a.GetGradient(), a.GetGradientMirror(), false);
    if (c.Text.empty() || c.TextRight <= c.TextLeft) return;
    canvas.Font().Assign(&a.Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    SetBkMode(canvas.Handle(), TRANSPARENT);
    TRect box{c.TextLeft, c.Rect.Top, c.TextRight, c.Rect.Bottom};
    const unsigned format = DT_SINGLELINE | DT_VCENTER | DT_PATH_ELLIPSIS | DT_NOPREFIX;
    auto [first, rest] = SplitCaption(c.Text);
    if (rest.empty()) {
        canvas.Font().SetColor(a.GetTextColor());
        canvas.DrawText(first, box, format | DT_CENTER);
        return;
    }
    const int w1 = canvas.TextWidth(first), w2 = canvas.TextWidth(rest);
    const int x = std::max(box.Left, box.Left + (box.Width() - w1 - w2) / 2);
    TRect firstBox{x, box.Top, std::min(box.Right, x + w1), box.Bottom};
    canvas.Font().SetColor(a.GetTextColorExtended());
    canvas.DrawText(first, firstBox, format | DT_LEFT);
    TRect restBox{firstBox.Right, box.Top, box.Right, box.Bottom};
    canvas.Font().SetColor(a.GetTextColor());
    if (restBox.Right > restBox.Left) canvas.DrawText(rest, restBox, format | DT_LEFT);
}

// --- Page --------------------------------------------------------------------------------

void DrawPageShadow(TCanvas& canvas, const TRect& p, TColor shadow) {
    if (shadow == clNone || p.IsEmpty()) return;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    // The inner line hugs the page, the outer one is lighter; each ends in the
    // background's own pixel, lightened.
    const TColor inner = ScaleColor(shadow, -15), outer = ScaleColor(shadow, -20);
    const TColor cornerInner = ScaleColor(canvas.GetPixel(p.Right, p.Bottom), -10);
    const TColor cornerOuter = ScaleColor(canvas.GetPixel(p.Right + 1, p.Bottom + 1), -5);
    Line(canvas, inner, p.Left + 1, p.Bottom, p.Right, p.Bottom);
    Line(canvas, outer, p.Left + 2, p.Bottom + 1, p.Right + 1, p.Bottom + 1);
    Line(canvas, inner, p.Right, p.Top + 1, p.Right, p.Bottom);
    Line(canvas, outer, p.Right + 1, p.Top + 2, p.Right + 1, p.Bottom + 1);
    canvas.SetPixel(p.Right, p.Bottom, cornerInner);
    canvas.SetPixel(p.Right + 1, p.Bottom + 1, cornerOuter);
}

void DrawPageBackground(TCanvas& canvas, const TPageBackgroundPaint& p) {
    if (!p.PageAppearance || p.Width <= 0 || p.Height <= 0) return;
    const int W = p.Width, H = p.Height;
    const TRect all{0, 0, W, H};
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    TColor fill, line, shadow;
    if (!p.Group) {
        const TVistaPageBackground& a = *p.PageAppearance;
        DrawVistaGradient(canvas, all, 22, a.GetColor(), a.GetColorTo(), a.GetColorMirror(), a.GetColorMirrorTo(),
                          a.GetBorderColor(), p.Scenic ? 0 : 3);
        fill = a.GetColor();
        line = p.TabBorderColor;
        shadow = a.GetShadowColor();
        if (!(p.OnGlassLook && p.GlassDrawing) && shadow != clNone) Line(canvas, shadow, 2, H - 1, W - 2, H - 1);
        if (!p.Scenic && a.GetHighLightColor() != clNone) {
            Line(canvas, a.GetHighLightColor(), 1, 10, 1, H - 2);
            Line(canvas, a.GetHighLightColor(), W - 2, 10, W - 2, H - 2);
            Line(canvas, a.GetHighLightColor(), 3, H - 2, W - 2, H - 2);
        }
    } else {
        const TVistaPageBackground& a = p.Group->PageAppearance();
        DrawMirroredGradient(canvas, all, a.GetColor(), a.GetColorTo(), a.GetColorMirror(), a.GetColorMirrorTo(),
                             a.GetBorderColor(), a.GetGradient(), a.GetGradientMirror(), !p.Scenic && p.RoundEdges);
        if (p.Scenic) Line(canvas, p.Group->GetBorderColor(), 0, 0, W, 0);
        fill = a.GetColor();
        line = p.Group->GetBorderColor();
        shadow = a.GetShadowColor();
    }
    if (p.TabLeft >= 0 && p.TabRight > p.TabLeft) Line(canvas, fill, p.TabLeft, 0, p.TabRight, 0);
    if (p.RoundEdges && !p.Scenic) {
        const TColor* c = p.CornerPixels;
        auto set = [&canvas](int x, int y, TColor color) {
            if (color != clNone) canvas.SetPixel(x, y, color);
        };
        set(0, 0, c[0]);
        set(1, 0, c[1]);
        set(0, 1, c[2]);
        for (auto [x, y] : {std::pair{0, H - 1}, {1, H - 1}, {0, H - 2}}) set(x, y, c[3]);
        for (auto [x, y] : {std::pair{W - 1, 0}, {W - 2, 0}, {W - 1, 1}}) set(x, y, c[4]);
        for (auto [x, y] : {std::pair{W - 1, H - 1}, {W - 2, H - 1}, {W - 1, H - 2}}) set(x, y, c[5]);
    }
    if (p.Scenic && p.OnGlassLook && shadow != clNone) {
        Line(canvas, line, 0, H - 3, W, H - 3);
        Line(canvas, BlendColor(shadow, fill, 70), 0, H - 2, W, H - 2);
        Line(canvas, BlendColor(shadow, fill, 50), 0, H - 1, W, H - 1);
    }
}

// --- The whole pager ---------------------------------------------------------------------

void DrawPagerBackgroundBitmap(TCanvas& canvas, TBitmap& bitmap, TBackGroundDisplay display, const TRect& client) {
    const int bw = bitmap.Width(), bh = bitmap.Height();
    if (bw <= 0 || bh <= 0) return;
    switch (display) {
        case bdTile: {
            TCanvasStateGuard guard(canvas);
            IntersectClipRect(canvas.Handle(), client.Left + 1, client.Top + 1, client.Right - 2, client.Bottom - 2);
            for (int y = client.Top + 1; y < client.Bottom - 2; y += bh)
                for (int x = client.Left + 1; x < client.Right - 2; x += bw) canvas.Draw(x, y, bitmap);
            break;
        }
        case bdCenter:
            canvas.Draw(client.Left + (client.Width() - bw) / 2, client.Top + (client.Height() - bh) / 2, bitmap);
            break;
        case bdStretch:
            canvas.StretchDraw(client.Inflate(-2, -2), bitmap);
            break;
    }
}

void PaintPager(TCanvas& canvas, const TPagerPaintState& s) {
    if (!s.Styler) return;
    TCustomOrvToolBarStyler& styler = *s.Styler;
    HDC dc = canvas.Handle();
    if (!dc) return;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);

    if (!styler.BackGround().Empty())
        DrawPagerBackgroundBitmap(canvas, styler.BackGround(), styler.GetBackGroundDisplay(), s.Client);

    if (s.CaptionVisible && !s.CaptionLayerInUse) {
        TCaptionPaint caption;
        caption.Rect = s.CaptionRect;
        caption.Appearance = &styler.PagerCaption();
        caption.Text = s.Caption;
        caption.TextLeft = s.CaptionTextLeft;
        caption.TextRight = s.CaptionTextRight;
        caption.FillBar = !s.OnGlass;
        DrawPagerCaption(canvas, caption);
    }

    const TTabAppearance& tabs = styler.TabAppearance();
    const TRowBackground row = RowBackgroundOf(tabs.BackGround());
    TRect rowRect{s.TabRowRect.Left, s.TabRowRect.Top, s.TabRowRect.Right, s.Client.Bottom};
    if (s.OnGlass) {
        rowRect = rowRect.Inflate(1, 0);
        if (s.GlassDrawing) rowRect.Top += s.TabHeight - 1;
    }
    const bool skipRow = s.OnGlass && s.Office2010Look && s.Scenic && s.TabBackgroundShaded;
    if (!skipRow) DrawRowBackground(canvas, rowRect, row);
    if (s.CaptionVisible && s.DockedTopOrBottom) {
        const int y = s.TabRowRect.Top + 1;
        Line(canvas, s.OnGlass ? clBlack : BlendColor(clWhite, row.Color, 70), s.TabRowRect.Left, y, s.TabRowRect.Right,
             y);
    }

    if (!s.HidingPages) {
        for (const TPagerGroup& g : s.Groups) {
            TGroupPaint gp;
            gp.Group = g.Group;
            gp.Appearance = g.Appearance ? g.Appearance : &styler.GroupAppearance();
            gp.TabRowTop = s.TabRowRect.Top;
            gp.TabBottom = s.TabArea.Bottom;
            gp.PagerCaptionColor = styler.PagerCaption().GetColor();
            gp.RowColor = row.Color;
            gp.ScrollerActive = s.ScrollerActive;
            gp.Scenic = s.Scenic;
            gp.OnGlassLook = s.OnGlass && s.Office2010Look && s.Scenic;
            gp.Caption = s.OnGlass ? std::wstring() : g.Caption;
            gp.Alignment = g.Alignment;
            gp.Images = s.Images;
            gp.ImageIndex = g.ImageIndex;
            DrawTabGroup(canvas, gp);
        }
    }

    if (s.OnGlass && s.GlassDrawing && s.Scenic && s.TabBackgroundShaded) {
        // The highlight fades to the right: full strength up to 40 pixels before the
        // box's right, then 18 strips of 2 pixels losing 12 of their bottom alpha each.
        const TColor tint = styler.GetZemStyle() == tsOffice2010Black ? 0x004C4947 : clWhite;
        const TRect box{s.TabRowRect.Left, s.TabRowRect.Top, s.TabRowRect.Right + 1,
                        s.TabRowRect.Top + s.TabHeight - 2};
        const int fadeLeft = box.Right - 40;
        DrawAlphaGradient(dc, {box.Left, box.Top, fadeLeft, box.Bottom}, tint, 0, 180);
        for (int i = 0; i < 18; ++i) {
            const int alpha = std::max(0, 180 - 12 * i);
            DrawAlphaGradient(dc, {fadeLeft + 2 * i, box.Top, fadeLeft + 2 * i + 2, box.Bottom}, tint, 0,
                              static_cast<uint8_t>(alpha));
        }
    }

    if (s.TabRowRect.Height() > 0) {
        const bool crowded = TabsCrowded(s.Spacing, s.MinSpacing);
        bool firstVisible = true;
        TCanvasStateGuard guard(canvas);
        for (const TPagerTab& tab : s.Tabs) {
            if (!tab.Visible || tab.Rect.IsEmpty()) continue;
            const bool isFirst = firstVisible;
            firstVisible = false;
            if (tab.Rect.Right <= s.TabArea.Left || tab.Rect.Left >= s.TabArea.Right) continue;
            const TPagerGroup* group =
                tab.Group >= 0 && tab.Group < static_cast<int>(s.Groups.size()) ? &s.Groups[tab.Group] : nullptr;
            const TCustomTabAppearance& ta =
                group ? (group->Appearance ? *group->Appearance : styler.GroupAppearance()).TabAppearance()
                      : static_cast<const TCustomTabAppearance&>(tabs);
            // A tab cut by the tab area is clipped to it (the face is opaque, so the clip is
            // all the off-screen drawing needs).
            SelectClipRgn(dc, nullptr);
            if (tab.Rect.Left < s.TabArea.Left || tab.Rect.Right > s.TabArea.Right) {
                IntersectClipRect(dc, s.TabArea.Left, s.TabRowRect.Top, s.TabArea.Right, s.Client.Bottom);
            }
            if (crowded && !isFirst) {
                if (s.GlassDrawing && s.Scenic)
                    DrawGlassTabSeparator(dc, tab.Rect.Left, tab.Rect.Top, tab.Rect.Bottom);
                else if (!s.GlassDrawing)
                    DrawTabSeparator(canvas, tab.Rect.Left, tab.Rect.Top, tab.Rect.Bottom, row.Color,
                                     ta.GetBorderColorSelected());
            }
            TTabPaint tp;
            tp.Rect = tab.Rect;
            tp.Colors = TabColorSet(ta, tabs.BackGround(), tab.State);
            tp.Row = row;
            tp.RowRect = rowRect;
            tp.LastOfGroup = tab.LastOfGroup && !s.GlassDrawing;
            tp.StrongInnerLine = TabStrongInnerLine(tab.State);
            tp.ShadowColor = s.GlassDrawing ? clNone : tabs.GetShadowColor();
            tp.ScenicGlass = s.Scenic && s.GlassDrawing;
            tp.HotNotActive = tab.State.Hot && !tab.State.Active;
            tp.ContentLeft = group ? s.GroupTabLeftMargin : s.TabLeftMargin;
            tp.Caption = tab.Caption;
            tp.Font = &tabs.Font();
            tp.AntiAlias = s.AntiAlias == aaNone && s.GlassDrawing ? aaAntiAlias : s.AntiAlias;
            tp.Images = tab.UseDisabledImages && s.DisabledImages ? s.DisabledImages : s.Images;
            tp.ImageIndex = tab.ImageIndex;
            tp.ImageDisabledLook = tab.UseDisabledImages && !s.DisabledImages;
            PaintTab(canvas, tp);
        }
    }

    const TVistaPageBackground& page = styler.PageAppearance();
    if (!s.ActivePageRect.IsEmpty() && !(s.OnGlass && s.Scenic))
        DrawPageShadow(canvas, s.ActivePageRect, page.GetShadowColor());
}

// --- Glass -------------------------------------------------------------------------------

bool DrawGlassCaption(TWinControl* target, HDC dc, const TGlassCaptionPaint& p) {
    if (!target || !dc || p.Surface.IsEmpty()) return false;
    // The tint and the groups' translucent fills first, then the texts glowing above them.
    const int ox = p.Surface.Left, oy = p.Surface.Top;
    if (p.WhiteTint)
        DrawAlphaGradient(dc, {p.Surface.Left, p.Surface.Bottom - 25, p.Surface.Right - 35, p.Surface.Bottom}, clWhite,
                          0, 15);
    for (const TPagerGroup& g : p.ScrollerActive ? std::vector<TPagerGroup>{} : p.Groups) {
        if (!g.Group.Valid() || !g.Appearance) continue;
        const TGroupAppearance& a = *g.Appearance;
        TRect r = g.Group.Rect.Offset(ox, oy);
        r.Top += 5;
        if (p.GroupRightLimit >= 0) r.Right = std::min(r.Right, p.GroupRightLimit + ox);
        if (r.Right <= r.Left) continue;
        TRect text{r.Left + 3, r.Top + 3, r.Right, r.Bottom};
        if (p.GlassLook) {
            r.Top -= 2;
            DrawAlphaGradient(dc, {r.Left, oy + 1, r.Right, oy + 5}, a.GetColorMirrorTo(), 255, 255);
            DrawAlphaGradient(dc, r, a.GetColorMirrorTo(), 200, 80);
            const TColor outer = BlendColor(a.GetColorMirrorTo(), clWhite, 20);
            AlphaLine(dc, r.Left, r.Top, r.Bottom, outer, 255, 255);
            AlphaLine(dc, r.Right - 1, r.Top, r.Bottom, outer, 255, 255);
            AlphaLine(dc, r.Left + 1, r.Top, r.Bottom, a.GetBorderColor(), 255, 255);
            AlphaLine(dc, r.Right - 2, r.Top, r.Bottom, a.GetBorderColor(), 255, 255);
        } else {
            TCanvas canvas;
            canvas.SetHandle(dc);
            canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            if (p.Scenic) {
                canvas.Brush().SetColor(a.GetColor());
                canvas.Pen().SetColor(a.GetBorderColor());
                canvas.Rectangle({r.Left, r.Top - 3, r.Right, r.Bottom});
            } else {
                canvas.Brush().SetColor(a.GetColorMirrorTo());
                canvas.FillRect(r);
            }
            canvas.SetHandle(nullptr);
            text = text.Offset(3, 2);
        }
        if (!g.Caption.empty()) {
            TGlassCaptionText caption;
            caption.Text = g.Caption;
            DrawGlowingCaptionText(target, dc, caption, text);
        }
    }
    if (p.Caption.empty()) return true;
    TGlassCaptionText text;
    text.Text = p.Caption;
    return DrawGlowingCaptionText(target, dc, text, p.CaptionBox.Offset(ox, oy));
}

}  // namespace orv
