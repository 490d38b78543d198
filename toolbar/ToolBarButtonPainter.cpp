#include "toolbar/ToolBarButtonPainter.h"

#include <algorithm>

#include "menus/OrvMenuAppearance.h"
#include "paint/FaceCache.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvGlyphs.h"
#include "paint/OrvGradients.h"

namespace orv {

namespace {

constexpr int kGradientSteps = 40;

// The fill of a face that shows nothing behind its content.
TToolButtonColors Idle(const TButtonAppearance& o, bool transparent, TColor caption) {
    TToolButtonColors c;
    if (!transparent) {
        c.Color = o.GetColor();
        c.ColorTo = o.GetColorTo();
        c.BorderColor = o.GetBorderColor();
    }
    c.DropDownColor = c.Color;
    c.DropDownColorTo = c.ColorTo;
    c.CaptionColor = caption;
    c.Horizontal = o.GetGradientDirection() == gdHorizontal;
    return c;
}

TToolButtonColors Set(TColor from, TColor to, TColor caption, TColor border, TGradientDirection direction,
                      TToolButtonGlyph glyph) {
    TToolButtonColors c;
    c.Color = from;
    c.ColorTo = to;
    c.DropDownColor = from;
    c.DropDownColorTo = to;
    c.CaptionColor = caption;
    c.BorderColor = border;
    c.Horizontal = direction == gdHorizontal;
    c.Glyph = glyph;
    return c;
}

}  // namespace

TToolButtonColors ToolButtonColors(const TButtonAppearance& a, const TButtonAppearance& o,
                                   const TToolButtonStateInput& s) {
    if (!s.Enabled) {
        TToolButtonColors c = Idle(o, s.Transparent, o.GetCaptionTextColor());
        c.Glyph = tgDisabled;
        return c;
    }
    if (s.State == absDropDown) {
        TToolButtonColors c;
        c.CaptionColor = a.GetCaptionTextColor();
        c.Glyph = tgNone;
        return c;
    }
    bool exclusive = s.State == absExclusive;
    bool pressed = (s.State == absDown && !s.Check) || (s.Hot && exclusive) || s.MouseHeld;
    if ((exclusive || (s.Check && s.State == absDown)) && !pressed)
        return Set(a.GetColorChecked(), a.GetColorCheckedTo(), a.GetCaptionTextColorChecked(),
                   a.GetBorderCheckedColor(), a.GetGradientDirectionChecked(), tgChecked);
    if (pressed) {
        TToolButtonColors c = Set(a.GetColorDown(), a.GetColorDownTo(), a.GetCaptionTextColorDown(),
                                  a.GetBorderDownColor(), a.GetGradientDirectionDown(), tgDown);
        // The drop-down part of a pressed button keeps the hot look.
        c.DropDownColor = a.GetColorHot();
        c.DropDownColorTo = a.GetColorHotTo();
        return c;
    }
    if (s.Hot)
        return Set(a.GetColorHot(), a.GetColorHotTo(), a.GetCaptionTextColorHot(), a.GetBorderHotColor(),
                   a.GetGradientDirectionHot(), tgHot);
    return Idle(o, s.Transparent, a.GetCaptionTextColor());
}

TToolButtonColors MenuButtonColors(const TMenuButtonSource& source, const TButtonAppearance& o,
                                   const TToolButtonStateInput& s) {
    if (!s.Enabled) {
        TToolButtonColors c = Idle(o, s.Transparent, o.GetCaptionTextColor());
        c.Glyph = tgDisabled;
        return c;
    }
    const menus::TRootItem* root = source.Root;
    const TButtonAppearance& b = source.Appearance ? *source.Appearance : o;
    auto direction = [](menus::TGradientDirection d) { return d == menus::gdHorizontal ? gdHorizontal : gdVertical; };
    bool exclusive = s.State == absExclusive;
    bool pressed = s.State == absDown || s.State == absDropDown || s.MenuOpen || (s.Hot && exclusive);
    if (pressed) {
        TToolButtonColors c =
            root ? Set(root->GetSelectedColor(), root->GetSelectedColorTo(), root->GetSelectedTextColor(),
                       root->GetSelectedBorderColor(), direction(root->GetSelectedGradientDirection()), tgDown)
                 : Set(b.GetColorDown(), b.GetColorDownTo(), b.GetCaptionTextColorDown(), b.GetBorderDownColor(),
                       b.GetGradientDirectionDown(), tgDown);
        c.DropDownColor = root ? root->GetHoverColor() : b.GetColorHot();
        c.DropDownColorTo = root ? root->GetHoverColorTo() : b.GetColorHotTo();
        return c;
    }
    if (exclusive)
        return Set(o.GetColorChecked(), o.GetColorCheckedTo(), o.GetCaptionTextColorChecked(),
                   o.GetBorderCheckedColor(), o.GetGradientDirectionChecked(), tgChecked);
    if (s.Hot)
        return root ? Set(root->GetHoverColor(), root->GetHoverColorTo(), root->GetHoverTextColor(),
                          root->GetHoverBorderColor(), direction(root->GetHoverGradientDirection()), tgHot)
                    : Set(b.GetColorHot(), b.GetColorHotTo(), b.GetCaptionTextColorHot(), b.GetBorderHotColor(),
                          b.GetGradientDirectionHot(), tgHot);
    TColor caption = root ? root->Font().GetColor() : o.GetCaptionTextColor();
    TToolButtonColors c;
    c.CaptionColor = caption;
    if (s.Transparent) return c;
    c.Color = root ? root->GetColor() : o.GetColor();
    c.ColorTo = root ? root->GetColorTo() : o.GetColorTo();
    c.DropDownColor = c.Color;
    c.DropDownColorTo = c.ColorTo;
    c.BorderColor = o.GetBorderColor();
    c.Horizontal =
        root ? root->GetGradientDirection() == menus::gdHorizontal : o.GetGradientDirection() == gdHorizontal;
    return c;
}

// --- geometry -------------------------------------------------------------------------------

TRect DropDownSection(int width, int height, int sectionWidth, bool rotated) {
    if (rotated) return {0, height - sectionWidth, width, height};
    return {width - sectionWidth, 0, width, height};
}

bool InDropDownPressZone(int width, int height, int x, int y, bool rotated) {
    return rotated ? y > height - kDropDownPressZone : x > width - kDropDownPressZone;
}

namespace {

// The horizontal layout; the rotated one runs it on the transposed sizes.
TToolButtonContent HorizontalLayout(int w, int h, TSize glyph, TSize text, int s, TGlyphPosition position,
                                    bool autoSize) {
    int gw = glyph.cx, gh = glyph.cy, tw = text.cx, th = text.cy;
    TToolButtonContent c;
    // Without auto-size the content may not fit: it then starts at 1 and is not clipped.
    auto offset = [&](int value) {
        if (value < 0 && !autoSize) {
            c.Clip = false;
            return 1;
        }
        return value;
    };
    switch (position) {
        case gpLeft: {
            int x = offset((w - tw - gw - s) / 2);
            c.Glyph = {x, offset((h - gh) / 2)};
            c.Caption = {x + gw + s, 0, w, h};
            c.Format = DT_SINGLELINE | DT_VCENTER;
            break;
        }
        case gpTop: {
            int y = offset((h - th - gh - s) / 2);
            c.Glyph = {offset((w - gw) / 2), y};
            c.Caption = {0, y + gh + s, w, h};
            c.Format = DT_SINGLELINE | DT_CENTER;
            break;
        }
        case gpRight: {
            int lead = offset((w - tw - gw - s) / 2);
            int x = c.Clip ? (w - gw) - lead : lead + tw + s;
            c.Glyph = {x, offset((h - gh) / 2)};
            c.Caption = {lead, 0, x - s, h};
            c.Format = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
            break;
        }
        case gpBottom: {
            int lead = offset((h - th - gh - s) / 2);
            int y = c.Clip ? (h - gh) - lead : lead + th + s;
            c.Glyph = {offset((w - gw) / 2), y};
            c.Caption = {0, y - s - th, w, y};
            c.Format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
            break;
        }
    }
    return c;
}

// Top-left of a single-line text of size text placed in box by format.
TPoint TextStart(const TRect& box, unsigned format, TSize text) {
    int x = box.Left;
    if (format & DT_CENTER) x = box.Left + (box.Width() - text.cx) / 2;
    if (format & DT_RIGHT) x = box.Right - text.cx;
    int y = box.Top;
    if (format & DT_VCENTER) y = box.Top + (box.Height() - text.cy) / 2;
    return {x, y};
}

}  // namespace

TToolButtonContent ToolButtonContentLayout(int width, int height, TSize glyph, TSize text, int spacing,
                                           TGlyphPosition position, bool rotated, bool autoSize) {
    if (!rotated) return HorizontalLayout(width, height, glyph, text, spacing, position, autoSize);
    // Rotated: lay out along the toolbar (now y) as a horizontal button would along x, then
    // swap the axes back. The caption's top faces right, so its origin is the right edge.
    TToolButtonContent t = HorizontalLayout(height, width, {glyph.cy, glyph.cx}, text, spacing, position, autoSize);
    TPoint start = TextStart(t.Caption, t.Format, text);
    TToolButtonContent c;
    c.Glyph = {t.Glyph.Y, t.Glyph.X};
    c.Caption = {t.Caption.Top, t.Caption.Left, t.Caption.Bottom, t.Caption.Right};
    c.Format = t.Format;
    c.CaptionOrigin = {start.Y + text.cy, start.X};
    c.Clip = t.Clip;
    return c;
}

TSize ToolButtonAutoSize(const TToolButtonSizeInput& in) {
    int gw = in.Glyph.cx, gh = in.Glyph.cy, tw = in.TextWidth;
    int along = 0, across = 0;
    if (in.Position == gpLeft || in.Position == gpRight) {
        int s = tw > 0 ? in.Spacing : 0;
        along = gw > 0 && tw > 0 ? gw + s + tw : gw + tw;
        along += (in.QuickAccess ? 4 : 2) * in.Offset;
        across = std::max(in.TextHeight, gh) + 2 * in.Offset;
    } else {
        along = std::max(tw, gw) + 2 * in.Offset;
        across = gh + in.TextHeight + in.Spacing + 2 * in.Offset;
    }
    // A narrow button keeps one pixel less than the 16 the test suggests.
    if (along < 16) along = 15;
    if (in.DropDown) along += in.DropDownWidth;
    return {along, across};
}

// --- painting ----------------------------------------------------------------------------------

TToolButtonFrame MakeToolButtonFrame(int width, int height, const TToolButtonColors& colors, bool dropDownButton,
                                     bool dropDownSplit, int dropDownWidth, bool menuOpen, bool rotated,
                                     bool leftDocked) {
    TToolButtonFrame f;
    f.Width = width;
    f.Height = height;
    f.Color = colors.Color;
    f.ColorTo = colors.ColorTo;
    f.DropDownColor = dropDownButton ? colors.DropDownColor : clNone;
    f.DropDownColorTo = dropDownButton ? colors.DropDownColorTo : clNone;
    f.BorderColor = colors.BorderColor;
    f.Horizontal = colors.Horizontal;
    f.DropDownButton = dropDownButton;
    f.DropDownSplit = dropDownSplit;
    f.DropDownWidth = dropDownWidth;
    f.MenuOpen = menuOpen;
    f.Rotated = rotated;
    f.LeftDocked = leftDocked;
    return f;
}

namespace {

// The button without its drop-down section d.
TRect MainPart(const TToolButtonFrame& f, const TRect& d) {
    TRect m{0, 0, f.Width, f.Height};
    if (!f.DropDownButton) return m;
    if (f.Rotated)
        m.Bottom = d.Top;
    else
        m.Right = d.Left;
    return m;
}

}  // namespace

void DrawSideArrow(TCanvas& canvas, int x, int y, bool pointsRight, TColor color) {
    static constexpr int kColumn[3] = {5, 3, 1};
    for (int i = 0; i < 3; ++i) {
        int column = pointsRight ? i : 2 - i;
        int length = kColumn[i];
        int top = y + (5 - length) / 2;
        for (int k = 0; k < length; ++k) canvas.SetPixel(x + column, top + k, color);
    }
}

void PaintToolButtonFrame(TCanvas& canvas, const TToolButtonFrame& f) {
    TRect r{0, 0, f.Width, f.Height};
    TRect d = DropDownSection(f.Width, f.Height, f.DropDownWidth, f.Rotated);
    TRect m = MainPart(f, d);
    // 1. Fill: drop-down section first, then the main part.
    if (f.Color != clNone) {
        bool gradient = f.ColorTo != clNone;
        auto fill = [&](TColor from, TColor to, const TRect& rect) {
            if (from == clNone) return;
            if (gradient && to != clNone) {
                DrawGradient(canvas, from, to, kGradientSteps, rect, f.Horizontal, gvInsetFarEdge);
            } else {
                canvas.Brush().SetStyle(TBrushStyle::bsSolid);
                canvas.Brush().SetColor(from);
                canvas.FillRect(rect);
            }
        };
        if (f.DropDownButton) fill(f.DropDownColor, f.DropDownColorTo, d);
        fill(f.Color, f.ColorTo, m);
    }
    // 2. Border, not filled.
    if (f.BorderColor != clNone) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Pen().SetStyle(TPenStyle::psSolid);
        canvas.Pen().SetColor(f.BorderColor);
        if (f.DropDownButton && f.DropDownSplit) {
            canvas.Rectangle(d);
            canvas.Rectangle(m);
        } else if (f.DropDownButton) {
            canvas.Rectangle(r);
        } else {
            canvas.Rectangle(m);
        }
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    }
    // 3. While a split button's menu is open: up the left, along the top, down the right.
    if (f.MenuOpen && f.DropDownButton && f.DropDownSplit) {
        TRect o = f.Rotated ? d : r;
        canvas.Pen().SetStyle(TPenStyle::psSolid);
        canvas.Pen().SetColor(0x800000);
        canvas.MoveTo(o.Left, o.Bottom - 1);
        canvas.LineTo(o.Left, o.Top);
        canvas.LineTo(o.Right - 1, o.Top);
        canvas.LineTo(o.Right - 1, o.Bottom);
    }
    // 4. The arrow.
    if (f.DropDownButton) {
        if (!f.Rotated) {
            DrawSmallArrow(canvas, {d.Left + (d.Width() - 5) / 2, d.Top + (d.Height() - 3) / 2 + 2}, f.ArrowColor);
        } else {
            int x = d.Left + (d.Width() - 3) / 2 + 2 + (f.LeftDocked ? 1 : 0);
            int y = d.Top + (d.Height() - 5) / 2 + 1;
            DrawSideArrow(canvas, x, y, f.LeftDocked, f.ArrowColor);
        }
    }
}

void PaintToolButtonFrameAero(TCanvas& canvas, const TToolButtonFrame& f) {
    TGPGraphics graphics(canvas.Handle());
    TRect r{0, 0, f.Width, f.Height};
    TRect d = DropDownSection(f.Width, f.Height, f.DropDownWidth, f.Rotated);
    TRect m = MainPart(f, d);
    auto rectF = [](const TRect& rect) {
        return TGPRectF{static_cast<float>(rect.Left), static_cast<float>(rect.Top), static_cast<float>(rect.Width()),
                        static_cast<float>(rect.Height())};
    };
    // Glass: a vertical linear gradient, a solid fill when there is only one colour.
    auto fill = [&](TColor from, TColor to, const TRect& rect) {
        if (from == clNone || rect.IsEmpty()) return;
        if (to == clNone) {
            TGPSolidBrush brush(ColorToARGB(from));
            graphics.FillRectangle(brush, rectF(rect));
        } else {
            TGPLinearGradientBrush brush(rectF(rect.Inflate(0, 1)), ColorToARGB(from), ColorToARGB(to),
                                         LinearGradientModeVertical);
            graphics.FillRectangle(brush, rectF(rect));
        }
    };
    if (f.DropDownButton) fill(f.DropDownColor, f.DropDownColorTo, d);
    fill(f.Color, f.ColorTo, m);
    if (f.BorderColor != clNone) {
        TGPPen pen(ColorToARGB(f.BorderColor));
        auto outline = [&](const TRect& rect) {
            graphics.DrawRectangle(pen, static_cast<float>(rect.Left), static_cast<float>(rect.Top),
                                   static_cast<float>(rect.Width() - 1), static_cast<float>(rect.Height() - 1));
        };
        if (f.DropDownButton && f.DropDownSplit) {
            outline(d);
            outline(m);
        } else {
            outline(f.DropDownButton ? r : m);
        }
    }
    if (f.DropDownButton) {
        // A small filled-looking arrow of three shortening lines.
        TGPPen pen(ColorToARGB(f.ArrowColor));
        float x = static_cast<float>(d.Left + (d.Width() - 5) / 2);
        float y = static_cast<float>(d.Top + (d.Height() - 3) / 2 + 2);
        for (int i = 0; i < 3; ++i)
            graphics.DrawLine(pen, x + static_cast<float>(i), y + static_cast<float>(i),
                              x + 4.0f - static_cast<float>(i), y + static_cast<float>(i));
    }
}

void DrawToolButtonFrame(TCanvas& canvas, const TToolButtonFrame& frame) {
    if (!frame.Opaque() || frame.Width <= 0 || frame.Height <= 0) {
        PaintToolButtonFrame(canvas, frame);
        return;
    }
    auto face = SharedFaceCache().Get(frame, frame.Width, frame.Height, [&frame](TFace&, HDC dc) {
        TCanvas faceCanvas;
        faceCanvas.SetHandle(dc);
        PaintToolButtonFrame(faceCanvas, frame);
        faceCanvas.SetHandle(nullptr);
    });
    if (face->Empty())
        PaintToolButtonFrame(canvas, frame);  // no face to be had (the handles ran out)
    else
        face->Blit(canvas.Handle(), 0, 0);
}

void DrawEmbossed(TCanvas& canvas, const std::function<void(int dx, int dy)>& draw) {
    canvas.Font().SetColor(clBtnHighlight);
    draw(1, 1);
    canvas.Font().SetColor(clBtnShadow);
    draw(0, 0);
}

}  // namespace orv
