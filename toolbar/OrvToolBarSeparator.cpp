#include "toolbar/OrvToolBarSeparator.h"

namespace orv {

TOrvToolBarSeparator::TOrvToolBarSeparator(TComponent* owner) : TOrvCustomToolBarControl(owner) {
    FWidth = 10;
    FHeight = 22;
}

void TOrvToolBarSeparator::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TOrvToolBarSeparator*>(source);
    if (!other) {
        TOrvCustomToolBarControl::Assign(source);
        return;
    }
    FSeparatorStyle = other->FSeparatorStyle;
    FLineColor = other->FLineColor;
    FAutoSize = other->FAutoSize;
    FPosition = other->FPosition;
    SetBounds(FLeft, FTop, other->FWidth, other->FHeight);
    Invalidate();
}

void TOrvToolBarSeparator::SetSeparatorStyle(TOrvSeparatorStyle value) {
    if (FSeparatorStyle == value) return;
    FSeparatorStyle = value;
    Invalidate();
}

void TOrvToolBarSeparator::SetLineColor(TColor value) {
    if (FLineColor == value) return;
    FLineColor = value;
    Invalidate();
}

void TOrvToolBarSeparator::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    AdjustSize();
}

void TOrvToolBarSeparator::PositionChanged() {
    AdjustSize();
    Invalidate();
}

void TOrvToolBarSeparator::AdjustSize() {
    // In a toolbar container the separator keeps its size.
    if (!FAutoSize || !FOrvToolBar || Parent() != FOrvToolBar || IsLoading()) return;
    // Floating, the toolbar is a caption over rows: the separator spans one row.
    bool floating = FOrvToolBar->GetToolBarState() == tsFloating;
    int thickness = floating ? FOrvToolBar->SizeAtDock() : Horizontal() ? FOrvToolBar->Height() : FOrvToolBar->Width();
    if (Horizontal() || floating)
        SetBounds(FLeft, FTop, 10, thickness - 4);
    else
        SetBounds(FLeft, FTop, thickness - 4, 10);
}

void PaintSeparatorLine(TCanvas& canvas, int width, int height, bool horizontal, TColor lineColor) {
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    if (horizontal) {
        int x = width / 2;
        canvas.Pen().SetColor(lineColor);
        canvas.MoveTo(x, 3);
        canvas.LineTo(x, height - 3);
        canvas.Pen().SetColor(clWhite);
        canvas.MoveTo(x + 1, 4);
        canvas.LineTo(x + 1, height - 2);
    } else {
        int y = height / 2;
        canvas.Pen().SetColor(lineColor);
        canvas.MoveTo(3, y);
        canvas.LineTo(width - 3, y);
        canvas.Pen().SetColor(clWhite);
        canvas.MoveTo(4, y + 1);
        canvas.LineTo(width - 2, y + 1);
    }
}

void TOrvToolBarSeparator::Paint() {
    if (FSeparatorStyle == ssBlank) return;
    PaintSeparatorLine(Canvas(), FWidth, FHeight, Horizontal(), FLineColor);
}

}  // namespace orv
