#include "toolbar/OptionSelectorPanel.h"

#include <windowsx.h>

namespace orv {

void PaintSelectorItemFill(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo) {
    if (color == clNone) return;
    if (colorTo != clNone) {
        DrawGradient(canvas, color, colorTo, 40, rect, false, gvInsetFarEdge);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
    } else {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(color);
    }
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetColor(clBlack);
    canvas.Rectangle(rect);
}

bool PassSizingCornerHit(TWinControl& panel, TMessage& message) {
    if (message.Msg != WM_NCHITTEST) return false;
    TWinControl* window = panel.Parent();
    if (!window || !window->HandleAllocated()) return false;
    RECT bounds{};
    ::GetWindowRect(window->Handle(), &bounds);
    int x = GET_X_LPARAM(message.LParam), y = GET_Y_LPARAM(message.LParam);
    if (x < bounds.right - kSelectorSizingCorner || y < bounds.bottom - kSelectorSizingCorner || x >= bounds.right ||
        y >= bounds.bottom)
        return false;
    message.Result = HTTRANSPARENT;
    return true;
}

void TOptionSelectorPanel::WndProc(TMessage& message) {
    if (PassSizingCornerHit(*this, message)) return;
    TCustomControl::WndProc(message);
}

void PaintSelectorBackground(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo,
                             TGradientDirection direction, TColor borderColor) {
    if (colorTo != clNone && color != clNone) {
        DrawGradient(canvas, color, colorTo, 40, rect, direction == gdHorizontal, gvInsetFarEdge);
    } else if (color != clNone) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(color);
        canvas.FillRect(rect);
    }
    if (borderColor == clNone) return;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetColor(borderColor);
    // Each edge on its outermost pixel row or column.
    canvas.MoveTo(rect.Left, rect.Top);
    canvas.LineTo(rect.Left, rect.Bottom);
    canvas.MoveTo(rect.Left, rect.Top);
    canvas.LineTo(rect.Right, rect.Top);
    canvas.MoveTo(rect.Left, rect.Bottom - 1);
    canvas.LineTo(rect.Right, rect.Bottom - 1);
    canvas.MoveTo(rect.Right - 1, rect.Top);
    canvas.LineTo(rect.Right - 1, rect.Bottom);
}

TOptionSelectorPanel::TOptionSelectorPanel(TComponent* owner) : TCustomControl(owner), FOwner(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetColor(0xF7F8F9);
    Font().SetName(L"Tahoma");
    Font().SetSize(8);
}

void TOptionSelectorPanel::SetColorTo(TColor value) {
    if (FColorTo == value) return;
    FColorTo = value;
    Invalidate();
}

void TOptionSelectorPanel::SetGradientDirection(TGradientDirection value) {
    if (FGradientDirection == value) return;
    FGradientDirection = value;
    Invalidate();
}

void TOptionSelectorPanel::SetWindowBorderColor(TColor value) {
    if (FWindowBorderColor == value) return;
    FWindowBorderColor = value;
    Invalidate();
}

void TOptionSelectorPanel::Paint() {
    PaintSelectorBackground(Canvas(), ClientRect(), GetColor(), FColorTo, FGradientDirection, FWindowBorderColor);
}

}  // namespace orv
