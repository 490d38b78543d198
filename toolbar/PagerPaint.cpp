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

// The values of a two-part fill a face depends on.
struct TFillFace {
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor ColorMirror = clNone;
    TColor ColorMirrorTo = clNone;
    TColor Border = clNone;
    TGDIPGradient Gradient = ggVertical;
    TGDIPGradient GradientMirror = ggVertical;
    friend bool operator==(const TFillFace&, const TFillFace&) = default;
    auto Tie() const { return std::tie(Color, ColorTo, ColorMirror, ColorMirrorTo, Border, Gradient, GradientMirror); }
};

template <class Appearance>
TFillFace FillFaceOf(const Appearance& a) {
    return {a.GetColor(),       a.GetColorTo(),  a.GetColorMirror(),   a.GetColorMirrorTo(),
            a.GetBorderColor(), a.GetGradient(), a.GetGradientMirror()};
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
    if (!PagerFaceCache || t.Row.Color == clNone || (!t.Colors.Fill && !t.RowBeneath)) {
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
    if (face->Empty()) {
        // No face to be had (the handles ran out): the row beneath is already painted.
        DrawTab(canvas, t);
        return;
    }
    // The two columns right of a tab that is not the last of its group hold its shadow
    // lines over the row fill the face repaints there: one copy takes them along.
    if (t.ShadowColor != clNone && !t.LastOfGroup) {
        face->BlitPart(dc, r.Left, r.Top, Bounds(kFaceLeft, kFaceTop, r.Width() + 2, r.Height()));
        return;
    }
    face->BlitPart(dc, r.Left, r.Top, Bounds(kFaceLeft, kFaceTop, r.Width(), r.Height()));
    // Only the shadow lines right of the tab: the rest there belongs to the row (and to a
    // group's right line).
    if (t.ShadowColor != clNone) {
        const int col = kFaceLeft + r.Width();
        face->BlitPart(dc, r.Right, r.Top + 3, Bounds(col, kFaceTop + 3, 1, r.Height() - 7));
        if (!t.LastOfGroup) face->BlitPart(dc, r.Right + 1, r.Top + 4, Bounds(col + 1, kFaceTop + 4, 1, r.Height() - 8));
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

namespace {

// The face key of a page background: every value DrawPageBackground reads, and the
// colour beneath it (the page's own, where rounded corners leave it).
struct TPageBackgroundFace {
    int Width = 0;
    int Height = 0;
    TColor Beneath = clNone;
    TFillFace Fill;
    TColor ShadowColor = clNone;
    TColor HighLightColor = clNone;
    TColor TabBorderColor = clNone;
    bool Grouped = false;
    TColor GroupBorder = clNone;
    bool RoundEdges = true;
    bool Scenic = false;
    bool GlassDrawing = false;
    bool OnGlassLook = false;
    int TabLeft = -1;
    int TabRight = -1;
    TColor Corner0 = clNone;
    TColor Corner1 = clNone;
    TColor Corner2 = clNone;
    TColor Corner3 = clNone;
    TColor Corner4 = clNone;
    TColor Corner5 = clNone;
    auto Tie() const {
        return std::tie(Width, Height, Beneath, Fill, ShadowColor, HighLightColor, TabBorderColor, Grouped, GroupBorder,
                        RoundEdges, Scenic, GlassDrawing, OnGlassLook, TabLeft, TabRight, Corner0, Corner1, Corner2,
                        Corner3, Corner4, Corner5);
    }
};
static_assert(FaceKeyComplete<TPageBackgroundFace>());

}  // namespace

void PaintPageBackground(TCanvas& canvas, const TPageBackgroundPaint& p, TColor beneath) {
    HDC dc = canvas.Handle();
    if (!dc || !p.PageAppearance || p.Width <= 0 || p.Height <= 0) return;
    if (!PagerFaceCache) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(beneath);
        canvas.FillRect(TRect{0, 0, p.Width, p.Height});
        DrawPageBackground(canvas, p);
        return;
    }
    const TVistaPageBackground& a = p.Group ? p.Group->PageAppearance() : *p.PageAppearance;
    TPageBackgroundFace key;
    key.Width = p.Width;
    key.Height = p.Height;
    key.Beneath = beneath;
    key.Fill = FillFaceOf(a);
    key.ShadowColor = a.GetShadowColor();
    key.HighLightColor = a.GetHighLightColor();
    key.TabBorderColor = p.TabBorderColor;
    key.Grouped = p.Group != nullptr;
    key.GroupBorder = p.Group ? p.Group->GetBorderColor() : clNone;
    key.RoundEdges = p.RoundEdges;
    key.Scenic = p.Scenic;
    key.GlassDrawing = p.GlassDrawing;
    key.OnGlassLook = p.OnGlassLook;
    key.TabLeft = p.TabLeft;
    key.TabRight = p.TabRight;
    key.Corner0 = p.CornerPixels[0];
    key.Corner1 = p.CornerPixels[1];
    key.Corner2 = p.CornerPixels[2];
    key.Corner3 = p.CornerPixels[3];
    key.Corner4 = p.CornerPixels[4];
    key.Corner5 = p.CornerPixels[5];
    auto face = SharedFaceCache().Get(key, p.Width, p.Height, [&p, beneath](TFace&, HDC faceDC) {
        TCanvas fc;
        fc.SetHandle(faceDC);
        fc.Brush().SetStyle(TBrushStyle::bsSolid);
        fc.Brush().SetColor(beneath);
        fc.FillRect(TRect{0, 0, p.Width, p.Height});
        DrawPageBackground(fc, p);
        fc.SetHandle(nullptr);
    });
    if (!face->Empty()) {
        face->Blit(dc, 0, 0);
        return;
    }
    // No face to be had (the handles ran out): the same, straight onto the canvas.
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(beneath);
    canvas.FillRect(TRect{0, 0, p.Width, p.Height});
    DrawPageBackground(canvas, p);
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

namespace {

// Everything of the pager beneath its tabs: background bitmap, caption bar, tab row,
// groups, the glass highlight and the page shadow. None of it overlaps a tab.
void DrawPagerBackdrop(TCanvas& canvas, const TPagerPaintState& s, const TRowBackground& row, const TRect& rowRect) {
    TCustomOrvToolBarStyler& styler = *s.Styler;
    HDC dc = canvas.Handle();
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

    const TVistaPageBackground& page = styler.PageAppearance();
    if (!s.ActivePageRect.IsEmpty() && !(s.OnGlass && s.Scenic))
        DrawPageShadow(canvas, s.ActivePageRect, page.GetShadowColor());
}

// One tab group as the backdrop draws it.
struct TGroupFace {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool RightEdge = false;
    TFillFace Fill;
    TColor TextColor = clNone;
    TFontFace Font;
    std::wstring Caption;
    TTextAlignment Alignment = TTextAlignment::taLeftJustify;
    int ImageIndex = -1;
    friend bool operator==(const TGroupFace&, const TGroupFace&) = default;
    auto Tie() const {
        return std::tie(Left, Top, Right, Bottom, RightEdge, Fill, TextColor, Font, Caption, Alignment, ImageIndex);
    }
};

}  // namespace

template <>
std::size_t HashField<std::vector<TGroupFace>>(const std::vector<TGroupFace>& groups) {
    std::size_t seed = groups.size();
    for (const TGroupFace& g : groups) detail::HashCombine(seed, HashRecord(g));
    return seed;
}

namespace {

// The face key of the backdrop off glass without a background bitmap: every value
// DrawPagerBackdrop reads there.
struct TPagerBackdropFace {
    int Width = 0;
    int Height = 0;
    bool CaptionVisible = false;
    int CaptionTop = 0;
    int CaptionBottom = 0;
    TFillFace CaptionFill;
    TColor CaptionText = clNone;
    TColor CaptionTextExtended = clNone;
    TFontFace CaptionFont;
    std::wstring Caption;
    int CaptionTextLeft = 0;
    int CaptionTextRight = 0;
    TRowBackground Row;
    int RowTop = 0;
    int TabAreaBottom = 0;
    bool DockedTopOrBottom = true;
    bool HidingPages = false;
    bool ScrollerActive = false;
    bool Scenic = false;
    std::vector<TGroupFace> Groups;
    const void* Images = nullptr;
    uint64_t ImagesVersion = 0;
    int PageLeft = 0;
    int PageTop = 0;
    int PageRight = 0;
    int PageBottom = 0;
    TColor PageShadow = clNone;
    auto Tie() const {
        return std::tie(Width, Height, CaptionVisible, CaptionTop, CaptionBottom, CaptionFill, CaptionText,
                        CaptionTextExtended, CaptionFont, Caption, CaptionTextLeft, CaptionTextRight, Row, RowTop,
                        TabAreaBottom, DockedTopOrBottom, HidingPages, ScrollerActive, Scenic, Groups, Images,
                        ImagesVersion, PageLeft, PageTop, PageRight, PageBottom, PageShadow);
    }
};
static_assert(FaceKeyComplete<TPagerBackdropFace>());

TPagerBackdropFace BackdropFaceOf(const TPagerPaintState& s, const TRowBackground& row) {
    const TCustomOrvToolBarStyler& styler = *s.Styler;
    const TVistaTextBackground& caption = styler.PagerCaption();
    TPagerBackdropFace f;
    f.Width = s.Client.Width();
    f.Height = s.Client.Height();
    f.CaptionVisible = s.CaptionVisible;
    f.CaptionTop = s.CaptionRect.Top;
    f.CaptionBottom = s.CaptionRect.Bottom;
    f.CaptionFill = FillFaceOf(caption);
    f.CaptionText = caption.GetTextColor();
    f.CaptionTextExtended = caption.GetTextColorExtended();
    f.CaptionFont = FontFaceOf(&caption.Font());
    f.Caption = s.Caption;
    f.CaptionTextLeft = s.CaptionTextLeft;
    f.CaptionTextRight = s.CaptionTextRight;
    f.Row = row;
    f.RowTop = s.TabRowRect.Top;
    f.TabAreaBottom = s.TabArea.Bottom;
    f.DockedTopOrBottom = s.DockedTopOrBottom;
    f.HidingPages = s.HidingPages;
    f.ScrollerActive = s.ScrollerActive;
    f.Scenic = s.Scenic;
    if (!s.HidingPages)
        for (const TPagerGroup& g : s.Groups) {
            const TGroupAppearance& a = g.Appearance ? *g.Appearance : styler.GroupAppearance();
            f.Groups.push_back({g.Group.Rect.Left, g.Group.Rect.Top, g.Group.Rect.Right, g.Group.Rect.Bottom,
                                g.Group.RightEdge, FillFaceOf(a), a.GetTextColor(), FontFaceOf(&a.Font()), g.Caption,
                                g.Alignment, g.ImageIndex});
        }
    f.Images = s.Images;
    f.ImagesVersion = s.Images ? s.Images->Version() : 0;
    f.PageLeft = s.ActivePageRect.Left;
    f.PageTop = s.ActivePageRect.Top;
    f.PageRight = s.ActivePageRect.Right;
    f.PageBottom = s.ActivePageRect.Bottom;
    f.PageShadow = styler.PageAppearance().GetShadowColor();
    return f;
}

// Off glass and without a background bitmap the backdrop is opaque and a function of
// its record: it comes from the face cache. The record leaves out the client's left and
// top, so the tab row must span the client.
bool BackdropFromFace(const TPagerPaintState& s, const TRowBackground& row) {
    return !s.OnGlass && s.Styler->BackGround().Empty() && row.Color != clNone && s.Client.Left == 0 &&
           s.Client.Top == 0 && s.TabRowRect.Left == 0 && s.TabRowRect.Right == s.Client.Right &&
           (s.CaptionVisible || s.TabRowRect.Top == 0);
}

}  // namespace

namespace {

TRect RowRectOf(const TPagerPaintState& s) {
    TRect rowRect{s.TabRowRect.Left, s.TabRowRect.Top, s.TabRowRect.Right, s.Client.Bottom};
    if (s.OnGlass) {
        rowRect = rowRect.Inflate(1, 0);
        if (s.GlassDrawing) rowRect.Top += s.TabHeight - 1;
    }
    return rowRect;
}

// The kept backdrop; null when the backdrop is not kept (see BackdropFromFace).
std::shared_ptr<const TFace> BackdropFace(const TPagerPaintState& s, const TRowBackground& row) {
    if (!PagerFaceCache || !BackdropFromFace(s, row)) return nullptr;
    const TRect rowRect = RowRectOf(s);
    return SharedFaceCache().Get(BackdropFaceOf(s, row), s.Client.Width(), s.Client.Height(),
                                 [&s, &row, &rowRect](TFace&, HDC faceDC) {
                                     TCanvas fc;
                                     fc.SetHandle(faceDC);
                                     // Whatever the caption bar and the row leave.
                                     DrawRowBackground(fc, s.Client, row);
                                     DrawPagerBackdrop(fc, s, row, rowRect);
                                     fc.SetHandle(nullptr);
                                 });
}

}  // namespace

bool PagerBackdropPixels(const TPagerPaintState& s, const TPoint* points, TColor* colors, int count) {
    if (!s.Styler) return false;
    auto face = BackdropFace(s, RowBackgroundOf(s.Styler->TabAppearance().BackGround()));
    if (!face || face->Empty()) return false;
    for (int i = 0; i < count; ++i) {
        const TPoint p = points[i];
        if (p.X < 0 || p.Y < 0 || p.X >= face->Width() || p.Y >= face->Height()) return false;
        const uint32_t v = face->Bits()[static_cast<size_t>(p.Y) * face->Width() + p.X];
        colors[i] = static_cast<TColor>(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16));
    }
    return true;
}

std::shared_ptr<const TFace> KeptPagerBackdrop(const TPagerPaintState& s) {
    if (!s.Styler) return nullptr;
    return BackdropFace(s, RowBackgroundOf(s.Styler->TabAppearance().BackGround()));
}

void PaintPager(TCanvas& canvas, const TPagerPaintState& s) {
    if (!s.Styler) return;
    TCustomOrvToolBarStyler& styler = *s.Styler;
    HDC dc = canvas.Handle();
    if (!dc) return;

    const TTabAppearance& tabs = styler.TabAppearance();
    const TRowBackground row = RowBackgroundOf(tabs.BackGround());
    const TRect rowRect = RowRectOf(s);
    if (auto face = BackdropFace(s, row); face && !face->Empty()) {
        face->Blit(dc, 0, 0);
    } else {
        // Not kept, or no face to be had (the handles ran out): what the face holds.
        if (face) DrawRowBackground(canvas, s.Client, row);
        DrawPagerBackdrop(canvas, s, row, rowRect);
    }
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);

    if (s.TabRowRect.Height() > 0) {
        const bool crowded = TabsCrowded(s.Spacing, s.MinSpacing);
        bool firstVisible = true;
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
            // all the off-screen drawing needs). The clip narrows the caller's, which may be a
            // child's few pixels asking for what lies beneath its corners, and is given back
            // after the tab.
            TCanvasStateGuard guard(canvas);
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
            // Off glass a tab without fill lies on the plain row: its face can carry it.
            tp.RowBeneath = !s.OnGlass;
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
    if (s.FormCorners && s.FormBorderColor != clNone && s.Client.Width() > 2 && s.Client.Height() > 2) {
        const TRect& c = s.Client;
        const COLORREF border = ToColorRef(s.FormBorderColor);
        for (TPoint p : {TPoint{c.Left, c.Top}, TPoint{c.Left + 1, c.Top}, TPoint{c.Left, c.Top + 1},
                         TPoint{c.Right - 1, c.Top}, TPoint{c.Right - 2, c.Top}, TPoint{c.Right - 1, c.Top + 1}})
            SetPixel(dc, p.X, p.Y, border);
    }
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
