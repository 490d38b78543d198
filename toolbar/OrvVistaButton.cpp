#include "toolbar/OrvVistaButton.h"

#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvPageScrollButton.h"

namespace orv {

namespace {

// A GDI line from a up to, not including, b.
void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// The overflow button's double chevron: two black hooks, each with a white one a pixel
// down and right, with r the button's width.
void DrawDoubleChevron(TCanvas& canvas, int r) {
    const int t = 6;
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(clBlack);
    Line(canvas, r - 6, t + 5, r - 6, t + 8);
    Line(canvas, r - 6, t + 6, r - 4, t + 6);
    Line(canvas, r - 10, t + 5, r - 10, t + 8);
    Line(canvas, r - 10, t + 6, r - 8, t + 6);
    canvas.Pen().SetColor(clWhite);
    Line(canvas, r - 5, t + 7, r - 5, t + 9);
    Line(canvas, r - 5, t + 7, r - 3, t + 7);
    Line(canvas, r - 9, t + 7, r - 9, t + 9);
    Line(canvas, r - 9, t + 7, r - 7, t + 7);
}

// The customize button's bar over a down-pointing triangle, anti-aliased, with r the
// button's width and b its height - 4.
void DrawCustomizeGlyph(TCanvas& canvas, int r, int b) {
    canvas.DeselectObjects();
    TGPGraphics g(canvas.Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    auto f = [](int v) { return static_cast<float>(v); };
    TGPPen dark(MakeAlphaColor(200, clBlack));
    g.DrawLine(dark, f(r - 10), f(b - 9), f(r - 5), f(b - 9));
    TGPSolidBrush black(MakeAlphaColor(255, clBlack));
    const TGPPointF triangle[3] = {MakePoint(f(r - 10), f(b - 6)), MakePoint(f(r - 4), f(b - 6)),
                                   MakePoint(f(r - 7), f(b - 3))};
    g.FillPolygon(black, triangle, 3);
    TGPPen light(MakeAlphaColor(200, clWhite));
    g.DrawLine(light, f(r - 10), f(b - 8), f(r - 5), f(b - 8));
    g.DrawLine(light, f(r - 10), f(b - 5), f(r - 7), f(b - 2));
    g.DrawLine(light, f(r - 7), f(b - 2), f(r - 5), f(b - 5));
}

}  // namespace

void DrawVistaButtonGlyph(TCanvas& canvas, TScrollArrow arrow, TArrowStyle style, int width, int height, TColor color) {
    switch (arrow) {
        case saLeft:
            DrawScrollArrow(canvas, saLeft, width, height, color);
            break;
        case saRight:
            if (style == asSingle)
                DrawScrollArrow(canvas, saRight, width, height, color);
            else if (style == asDouble)
                DrawDoubleChevron(canvas, width);
            break;
        case saBottom:
            DrawCustomizeGlyph(canvas, width, height - 4);
            break;
        case saTop:
        case saNone:
            break;
    }
}

TOrvVistaButton::TOrvVistaButton(TComponent* owner)
    : TGraphicControl(owner), FAppearance(std::make_unique<TGlowButtonAppearance>()) {
    // Clicks on release by itself, not through the framework's click-on-release.
    SetControlStyle(csCaptureMouse | csDoubleClicks);
    SetBounds(0, 0, 22, 23);
    SetParentFont(true);
    Font().SetName(L"Tahoma");
    SetShowHint(false);
    FAppearance->OnChange = [this](TObject*) { Invalidate(); };
}

TOrvVistaButton::~TOrvVistaButton() = default;

void TOrvVistaButton::SetButtonPosition(TButtonPosition value) {
    if (FButtonPosition == value) return;
    FButtonPosition = value;
    Invalidate();
}

void TOrvVistaButton::SetScrollArrow(TScrollArrow value) {
    FScrollArrow = value;
    Invalidate();
}

void TOrvVistaButton::SetArrowStyle(TArrowStyle value) {
    if (FArrowStyle == value) return;
    FArrowStyle = value;
    Invalidate();
}

void TOrvVistaButton::SetDown(bool value) {
    if (FDown == value) return;
    FDown = value;
    Invalidate();
}

void TOrvVistaButton::ClearHot() {
    FMouseEnter = false;
    FMouseDown = false;
    if (GetEnabled() && !FDown) Invalidate();
}

TGlowColorSet TOrvVistaButton::CurrentColors(bool& faceDrawn) const {
    const bool enabled = GetEnabled();
    const bool pressed = FMouseDown || FDown;
    faceDrawn = !enabled || pressed || FMouseEnter;
    return ScrollButtonColors(*FAppearance, enabled, pressed, FMouseEnter, FButtonPosition);
}

void TOrvVistaButton::Paint() {
    TCanvas& canvas = Canvas();
    bool faceDrawn = false;
    const TGlowColorSet colors = CurrentColors(faceDrawn);
    if (faceDrawn) {
        TGlowButtonPaint face;
        face.Rect = {0, 0, Width(), Height()};
        face.Colors = colors;
        face.Position = FButtonPosition;
        face.Enabled = GetEnabled();
        face.DrawCaption = false;
        face.DrawGlyph = false;
        PaintGlowButton(canvas, face);
    }
    DrawVistaButtonGlyph(canvas, FScrollArrow, FArrowStyle, Width(), Height(),
                         BlendColor(clBlack, colors.BorderColor, 50));
    canvas.DeselectObjects();
}

void TOrvVistaButton::MouseEnter() {
    if (FMouseEnter) return;
    FMouseEnter = true;
    if (GetEnabled() && !FDown) Invalidate();
    TGraphicControl::MouseEnter();
}

void TOrvVistaButton::MouseLeave() {
    FMouseEnter = false;
    if (GetEnabled() && !FDown) Invalidate();
    // The quick access toolbar hooks OnMouseLeave for its glass refresh.
    TGraphicControl::MouseLeave();
}

void TOrvVistaButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && GetEnabled()) {
        FMouseDown = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TOrvVistaButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    Invalidate();
    FMouseDown = false;
    TGraphicControl::MouseUp(button, shift, x, y);
    // The click may free the button: nothing after it.
    if (GetEnabled()) Click();
}

}  // namespace orv
