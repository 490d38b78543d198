#include "toolbar/OrvPageScrollButton.h"

#include <algorithm>

#include "framework/Timer.h"
#include "paint/OrvColors.h"
#include "toolbar/OrvStyleIF.h"

namespace orv {

TGlowColorSet ScrollButtonColors(const TGlowButtonAppearance& a, bool enabled, bool down, bool hot,
                                 TButtonPosition position) {
    TGlowColorSet c = a.Look(!enabled ? glDisabled : down ? glDown : hot ? glHot : glNormal);
    if (enabled && down && position != bpStandalone) c.BorderColor = a.GetBorderColor();
    return c;
}

void DrawScrollArrow(TCanvas& canvas, TScrollArrow arrow, int width, int height, TColor color) {
    const int cx = width / 2, cy = height / 2;
    auto column = [&canvas, color](int x, int top, int bottom) {
        for (int y = top; y <= bottom; ++y) canvas.SetPixel(x, y, color);
    };
    if (arrow == saLeft) {
        column(cx - 1, cy, cy);
        column(cx, cy - 1, cy + 2);
        column(cx + 1, cy - 2, cy + 3);
    } else if (arrow == saRight) {
        column(cx - 1, cy - 2, cy + 3);
        column(cx, cy - 1, cy + 2);
        column(cx + 1, cy, cy);
    }
}

TOrvPageScrollButton::TOrvPageScrollButton(TComponent* owner)
    : TCustomControl(owner), FAppearance(std::make_unique<TGlowButtonAppearance>()) {
    // The button clicks on release itself (and on each repeat), not through the
    // framework's click-on-release.
    SetControlStyle(csCaptureMouse | csDoubleClicks);
    SetBounds(0, 0, 22, 23);
    SetParentFont(true);
    Font().SetName(L"Tahoma");
    SetShowHint(false);
    FAppearance->OnChange = [this](TObject* sender) { AppearanceChanged(sender); };
}

TOrvPageScrollButton::~TOrvPageScrollButton() = default;

void TOrvPageScrollButton::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    Invalidate();
}

void TOrvPageScrollButton::SetButtonPosition(TButtonPosition value) {
    if (FButtonPosition == value) return;
    FButtonPosition = value;
    Invalidate();
}

void TOrvPageScrollButton::SetScrollArrow(TScrollArrow value) {
    if (FScrollArrow == value) return;
    FScrollArrow = value;
    Invalidate();
}

void TOrvPageScrollButton::MouseEnter() {
    TCustomControl::MouseEnter();
    FHot = true;
    if (GetEnabled()) Invalidate();
}

void TOrvPageScrollButton::MouseLeave() {
    TCustomControl::MouseLeave();
    FHot = false;
    if (GetEnabled()) Invalidate();
}

void TOrvPageScrollButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !GetEnabled() || IsDesigning()) return;
    if (FRepeatClick) {
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(this);
            FRepeatTimer->OnTimer = [this](TObject* sender) { RepeatTick(sender); };
        }
        FRepeatTimer->SetInterval(FInitRepeatPause);
        FRepeatTimer->SetEnabled(true);
    }
    FDown = true;
    Invalidate();
}

void TOrvPageScrollButton::RepeatTick(TObject*) {
    FRepeatTimer->SetInterval(FRepeatPause);
    if (FDown && GetMouseCapture()) {
        try {
            Click();
        } catch (...) {
            StopTimer();
            throw;
        }
    }
}

void TOrvPageScrollButton::StopTimer() {
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
}

void TOrvPageScrollButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    Invalidate();
    const bool wasDown = FDown;
    FDown = false;
    StopTimer();
    // The click may free the button: nothing after it.
    if (wasDown && GetEnabled()) Click();
}

void TOrvPageScrollButton::Paint() {
    TCanvas& canvas = Canvas();
    HDC dc = canvas.Handle();
    const int w = Width(), h = Height();
    const bool enabled = GetEnabled();
    const bool hot = FHot && enabled;
    if (FTransparent && !hot) DrawParentBackground(dc);
    const TGlowColorSet colors = ScrollButtonColors(*FAppearance, enabled, FDown, hot, FButtonPosition);
    const bool faceDrawn = !FTransparent || hot;
    if (faceDrawn) {
        TGlowButtonPaint face;
        face.Rect = {0, 0, w, h};
        face.Colors = colors;
        face.Rounded = !Office2010Look;
        face.Position = Office2010Look ? bpStandalone : FButtonPosition;
        face.Enabled = enabled;
        face.DrawCaption = false;
        face.DrawGlyph = false;
        PaintGlowButton(canvas, face);
    }
    DrawScrollArrow(canvas, FScrollArrow, w, h, BlendColor(clBlack, colors.BorderColor, 50));
    if (!faceDrawn || Office2010Look) return;
    // The corners outside the rounded face show the parent again.
    const bool left = FButtonPosition == bpStandalone || FButtonPosition == bpLeft;
    const bool right = FButtonPosition == bpStandalone || FButtonPosition == bpRight;
    canvas.DeselectObjects();
    if (left) {
        DrawParentBackground(dc, TRect{0, 0, 1, 1});
        DrawParentBackground(dc, TRect{0, h - 1, 1, h});
    }
    if (right) {
        DrawParentBackground(dc, TRect{w - 1, 0, w, 1});
        DrawParentBackground(dc, TRect{w - 1, h - 1, w, h});
    }
}

// --- Caption and MDI button glyphs ---------------------------------------------------------

void DrawCaptionGlyph(TCanvas& canvas, TCaptionGlyph glyph, TColor color, int x, int y) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(color);
    auto fill = [&](int l, int t, int r, int b) { canvas.FillRect({x + l, y + t, x + r, y + b}); };
    // A box outline from (l, t) to (r, b) inclusive with a two-pixel top.
    auto box = [&](int l, int t, int r, int b) {
        fill(l, t, r + 1, t + 2);
        fill(l, b, r + 1, b + 1);
        fill(l, t, l + 1, b + 1);
        fill(r, t, r + 1, b + 1);
    };
    switch (glyph) {
        case cgClose:
            // Row 3 + i holds two pixels of each diagonal.
            for (int i = 0; i < 8; ++i) {
                fill(3 + i, 3 + i, std::min(5 + i, 11), 4 + i);
                fill(std::max(9 - i, 3), 3 + i, 11 - i, 4 + i);
            }
            break;
        case cgMaximize:
            box(2, 2, 11, 11);
            break;
        case cgRestore:
            // The back box shows only where the front box does not cover it.
            fill(5, 2, 12, 4);
            fill(11, 2, 12, 9);
            fill(9, 8, 12, 9);
            fill(5, 2, 6, 5);
            box(2, 5, 8, 11);
            break;
        case cgMinimize:
            fill(3, 9, 11, 11);
            break;
    }
}

}  // namespace orv
